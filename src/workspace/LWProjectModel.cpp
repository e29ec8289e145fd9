#include "LWProjectModel.h"

#include "LWEffectModel.h"
#include "LWProjectFile.h"
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"
#include "resources/LWResourceManager.h"

#include <QDebug>
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
    // The library first: the effect's music is imported into it.
    project->loadResources();
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
    project->loadResources();
    return project;
}

void LWProjectModel::loadResources()
{
    if (!LWResourceManager::instance()->load(effectFolder()))
        qWarning() << "project: the resource library could not be loaded from" << effectFolder();
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
    return saveLibraryInto(effectFolder()) && ok;
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
    LWResourceManager *library = LWResourceManager::instance();
    const bool libraryMoves = library->isLoadedFor(effectFolder());
    m_folder = target;
    m_name = QFileInfo(target).fileName();
    if (m_effect)
        m_effect->setFolder(effectFolder());
    if (libraryMoves)
        library->setWorkspaceFolder(effectFolder());
    const bool ok = save();
    m_temporary = false;
    return ok;
}

bool LWProjectModel::saveLibraryInto(const QString &folder) const
{
    // Only this project's own library may be written over its manifest: a
    // library that failed to load leaves the file as it was.
    LWResourceManager *library = LWResourceManager::instance();
    if (!library->isLoadedFor(effectFolder()))
        return true;
    return library->save(folder);
}
