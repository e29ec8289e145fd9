#include "LWProjectModel.h"

#include "LWEffectModel.h"
#include "LWProjectFile.h"
#include "LWSaveJournal.h"
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

// A project never saved is given up once saved elsewhere: its files are
// linked into the new folder rather than copied, which for an imported
// package of many entries costs as much again as the import. The old
// folder stays whole, so nothing that still names a file there breaks.
bool copyWithoutProjectFiles(const QString &source, const QString &target, bool sourceGivenUp)
{
    if (!QDir().mkpath(target))
        return false;
    bool ok = true;
    const QFileInfoList entries =
        QDir(source).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        const QString destination = target + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() && !entry.isSymLink()) {
            ok = (sourceGivenUp ? LWFolderUtil::linkFolder(entry.filePath(), destination)
                                : LWFolderUtil::copyFolder(entry.filePath(), destination))
                 && ok;
        } else if (entry.suffix() != QLatin1String("lwproj")) {
            QFile::remove(destination);
            ok = QFile::copy(entry.filePath(), destination) && ok;
        }
    }
    return ok;
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
    // A save that was cut short is finished (or dropped) before anything
    // of the project is read.
    LWSaveJournal::recover(file.absolutePath());
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
    // An effect folder outside the project (a hand-edited project file)
    // cannot be staged inside it: its files are written where they are.
    const QString effectPath = QDir(m_folder).relativeFilePath(effectFolder());
    if (effectPath.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(effectPath))
        return writeFiles(m_folder, effectFolder());

    const QString staging = LWSaveJournal::begin(m_folder);
    if (!writeFiles(staging, staging + QLatin1Char('/') + effectPath)) {
        LWSaveJournal::discard(m_folder);
        return false;
    }
    if (!LWSaveJournal::commit(m_folder))
        return false;
    // The manifest written in place once more lets the library delete the
    // files it released, now that the saved project no longer needs them.
    saveLibraryInto(effectFolder());
    return true;
}

bool LWProjectModel::writeFiles(const QString &folder, const QString &effectTarget)
{
    LWProjectFile file;
    file.name = m_name;
    file.effectFolderName = m_effectFolderName;
    bool ok = file.write(LWProjectFile::pathFor(folder, m_name));
    SaveParam param;
    param.path = effectTarget;
    param.bSaveProject = true;
    if (m_effect)
        ok = ok && m_effect->save(param);
    if (!ok)
        return false;
    QDir().mkpath(effectTarget);
    return saveLibraryInto(effectTarget);
}

bool LWProjectModel::saveAs(const QString &newFolder)
{
    const QString target = QDir::cleanPath(QFileInfo(newFolder).absoluteFilePath());
    if (target == QDir::cleanPath(m_folder))
        return save();
    // Refuse a target inside the project: the copy would chase itself.
    if (target.startsWith(QDir::cleanPath(m_folder) + QLatin1Char('/')))
        return false;
    // The copy takes no project file: the new one is written by the save
    // below, so the new folder holds a project only once it is complete.
    if (!copyWithoutProjectFiles(m_folder, target, m_temporary))
        return false;
    LWResourceManager *library = LWResourceManager::instance();
    const bool libraryMoves = library->isLoadedFor(effectFolder());
    const QString oldFolder = m_folder;
    const QString oldName = m_name;
    const auto moveTo = [&](const QString &folder, const QString &name) {
        m_folder = folder;
        m_name = name;
        if (m_effect)
            m_effect->setFolder(effectFolder());
        if (libraryMoves)
            library->setWorkspaceFolder(effectFolder());
    };
    moveTo(target, QFileInfo(target).fileName());
    if (!save()) {
        // The new folder holds no project: work goes on where it was.
        moveTo(oldFolder, oldName);
        return false;
    }
    m_temporary = false;
    return true;
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
