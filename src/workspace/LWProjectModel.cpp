#include "LWProjectModel.h"

#include "LWEffectModel.h"
#include "LWProjectFile.h"
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Copies a template next to the project unless a file is already there.
void copyTemplate(const QString &resource, const QString &folder, const QString &fileName)
{
    QDir().mkpath(folder);
    const QString target = folder + QLatin1Char('/') + fileName;
    if (QFileInfo::exists(target))
        return;
    if (QFile::copy(resource, target))
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
}

} // namespace

LWProjectModel::LWProjectModel(QObject *parent)
    : QObject(parent)
{
}

QString LWProjectModel::projectFilePath() const
{
    return LWProjectFile::pathFor(m_folder, m_name);
}

LWProjectModel *LWProjectModel::open(const QString &projectFilePath, QObject *parent)
{
    auto *project = new LWProjectModel(parent);
    const QFileInfo file(projectFilePath);
    const LWProjectFile data = LWProjectFile::read(projectFilePath);
    project->m_folder = file.absolutePath();
    project->m_name = data.name;
    project->m_effectFolderName = data.effectFolderName;
    project->loadEffect();
    return project;
}

LWProjectModel *LWProjectModel::createTemporary(QObject *parent)
{
    auto *project = new LWProjectModel(parent);
    project->m_folder = LWFolderUtil::makeScratchFolder(LWDataPaths::subFolder(QStringLiteral("projTemp")));
    project->m_name = QStringLiteral("Untitled");
    copyTemplate(QStringLiteral(":/FeatureTemplates/Effect/effect.json"), project->effectFolder(),
                 QStringLiteral("effect.json"));
    project->m_temporary = true;
    copyTemplate(QStringLiteral(":/ResourceTemplates/resourcemanager.json"), project->effectFolder(),
                 QStringLiteral("resourcemanager.json"));
    project->loadEffect();
    return project;
}

void LWProjectModel::loadEffect()
{
    m_effect = LWEffectModel::load(effectFolder(), this);
}

bool LWProjectModel::save()
{
    LWProjectFile file;
    file.name = m_name;
    file.effectFolderName = m_effectFolderName;
    bool ok = file.write(projectFilePath());
    SaveParam param;
    param.bSaveProject = true;
    if (m_effect)
        ok = m_effect->save(param) && ok;
    return ok;
}

bool LWProjectModel::saveAs(const QString &newFolder)
{
    const QString target = QDir::cleanPath(QFileInfo(newFolder).absoluteFilePath());
    if (target == QDir::cleanPath(m_folder))
        return save();
    // Refuse a target inside the project: the copy would chase itself.
    if (target.startsWith(QDir::cleanPath(m_folder) + QLatin1Char('/')))
        return false;
    if (!LWFolderUtil::copyFolder(m_folder, target))
        return false;
    QFile::remove(LWProjectFile::pathFor(target, m_name));
    m_folder = target;
    m_name = QFileInfo(target).fileName();
    if (m_effect)
        m_effect->setFolder(effectFolder());
    const bool ok = save();
    m_temporary = false;
    return ok;
}

bool LWProjectModel::saveLibraryInto(const QString &folder) const
{
    // The library is copied with the folder; its manifest is saved here
    // once the library keeps one in memory.
    Q_UNUSED(folder);
    return true;
}
