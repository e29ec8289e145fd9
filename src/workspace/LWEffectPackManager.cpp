#include "LWEffectPackManager.h"

#include "LWAutoBackup.h"
#include "LWBackupLock.h"
#include "LWEffectModel.h"
#include "LWProjectModel.h"
#include "LWRecentProjects.h"
#include "LWRecoveryPoint.h"
#include "LWPackageService.h"
#include "common/LWJsonFile.h"
#include "undo/LWUndoStack.h"
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"
#include "common/LWSettingFlags.h"
#include "resources/LWResourceImportService.h"
#include "resources/LWResourceManager.h"

#include <QDir>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QUrl>


LWEffectPackManager *LWEffectPackManager::instance()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    static LWEffectPackManager *manager = nullptr;
    if (!manager)
        manager = new LWEffectPackManager;
    return manager;
}

LWEffectPackManager::LWEffectPackManager()
    : QObject(QCoreApplication::instance())
    , m_recoveryPoint(new LWRecoveryPoint(this))
{
    connect(LWResourceManager::instance(), &LWResourceManager::libraryLoaded, this,
            &LWEffectPackManager::resourceInWorkspaceChanged);
    LWResourceImportService::instance()->setLibraryProvider([this] { return ensureResourceLibrary(); });
    LWEffectModel::setMusicImporter(
        [](const QString &filePath) { return LWResourceImportService::instance()->importMusic(filePath); });
}

QString LWEffectPackManager::localPath(const QString &pathOrUrl)
{
    if (pathOrUrl.startsWith(QLatin1String("file:")))
        return QUrl(pathOrUrl).toLocalFile();
    return pathOrUrl;
}

QString LWEffectPackManager::workspaceEffectName() const
{
    return m_effect ? m_effect->name() : QString();
}

QString LWEffectPackManager::projName() const
{
    return m_project ? m_project->name() : QString();
}

bool LWEffectPackManager::isTmpProj() const
{
    return m_project && m_project->isTemporary();
}

void LWEffectPackManager::setSaved(bool saved)
{
    if (!saved)
        emit unsavedChange();
    if (m_saved == saved)
        return;
    m_saved = saved;
    emit saveChanged();
}

void LWEffectPackManager::pushHappend()
{
    setSaved(false);
}

bool LWEffectPackManager::lastCrashFlag()
{
    if (!LWSettingFlags::takeLastCrashed())
        return false;
    {
        QMutexLocker lock(&lwBackupLock());
        LWAutoBackup::recoverPublished();
    }
    return QFileInfo::exists(LWDataPaths::backupFolder() + QStringLiteral("/curprojbk/backup.lwproj"));
}

void LWEffectPackManager::setEffect(LWEffectModel *effect)
{
    m_effect = effect;
    emit effectInWorkspaceChanged(effect);
    emit workspaceEffectNameChanged(workspaceEffectName());
}

void LWEffectPackManager::setProject(LWProjectModel *project)
{
    LWProjectModel *old = m_project;
    LWEffectModel *standalone = (m_effect && m_effect->parent() == this) ? m_effect.data() : nullptr;
    m_project = project;
    if (project)
        project->setParent(this);
    setEffect(project ? project->effect() : nullptr);
    // The views have let go of the old trees now.
    if (old)
        old->deleteLater();
    if (standalone)
        standalone->deleteLater();
    emit isTmpProjChanged();
}

void LWEffectPackManager::clearWorkspace()
{
    setProject(nullptr);
    LWResourceManager::instance()->unload();
    emit resourceInWorkspaceChanged(nullptr);
}

void LWEffectPackManager::createProj()
{
    setProject(LWProjectModel::createTemporary());
    setSaved(false);
    emit projNameChanged();
}

void LWEffectPackManager::createProjFromTemp(QString path)
{
    createProj();
    importEffectZipPack(path);
    emit selectFirstItemRequested();
}

QVariantList LWEffectPackManager::recentProjs() const
{
    QVariantList list;
    const auto infos = LWRecentProjects::read();
    for (const LWProjectInfo &info : infos)
        list.append(QVariant::fromValue(info));
    return list;
}

void LWEffectPackManager::openProj(QString path)
{
    const QString local = localPath(path);
    if (local.isEmpty() || !local.endsWith(QLatin1String("lwproj")))
        return;
    if (!QFileInfo(local).isFile()) {
        qWarning() << "open project: no such file" << local;
        return;
    }
    setProject(LWProjectModel::open(local));
    emit projNameChanged();
    // Opening is not an edit: whatever the load itself touched, the project
    // on screen is the one on disk.
    m_saved = false;
    setSaved(true);
}

bool LWEffectPackManager::projExist(QString path) const
{
    return QFileInfo(localPath(path)).isFile();
}

void LWEffectPackManager::saveProj()
{
    if (!m_project)
        return;
    const bool ok = m_project->save();
    LWRecentProjects::record(m_project->folder());
    if (ok)
        setSaved(true);
    else
        reportProblem(tr("The project could not be saved in %1. The files there are still those of the last save.")
                          .arg(m_project->folder()));
}

void LWEffectPackManager::saveProjAs(QString newDir)
{
    if (!m_project)
        return;
    const QString oldFolder = m_project->folder();
    const QString target = localPath(newDir);
    if (target.isEmpty())
        return;
    const bool wasTemporary = m_project->isTemporary();
    const bool ok = m_project->saveAs(target);
    if (m_project->folder() != oldFolder || ok)
        LWRecentProjects::record(m_project->folder(), oldFolder);
    if (ok)
        setSaved(true);
    else
        reportProblem(tr("The project could not be saved in %1.").arg(target));
    if (wasTemporary != m_project->isTemporary())
        emit isTmpProjChanged();
    emit projNameChanged();
}

void LWEffectPackManager::openBackupProj()
{
    const QString backup = LWAutoBackup::publishedFolder();
    {
        QMutexLocker lock(&lwBackupLock());
        LWAutoBackup::recoverPublished();
    }
    if (!QFileInfo::exists(backup + QStringLiteral("/backup.lwproj")))
        return;
    const QString scratch = LWFolderUtil::makeScratchFolder(LWDataPaths::subFolder(QStringLiteral("projTemp")));
    {
        QMutexLocker lock(&lwBackupLock());
        LWFolderUtil::copyFolder(backup, scratch);
    }
    openProj(scratch + QStringLiteral("/backup.lwproj"));
}

void LWEffectPackManager::readyToAutoBackupProj()
{
    if (m_autoBackup)
        return;
    m_autoBackup = new LWAutoBackup(LWAutoBackup::kIntervalMs, this);
    // A running thread must be stopped before the program tears down.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, m_autoBackup, [this] {
        m_autoBackup->quit();
        m_autoBackup->wait();
    });
    m_autoBackup->start(QThread::InheritPriority);
    m_recoveryPoint->arm();
}

void LWEffectPackManager::createEffect()
{
    const QString folder = LWFolderUtil::makeScratchFolder(LWDataPaths::subFolder(QStringLiteral("tmp")));
    QFile::copy(QStringLiteral(":/FeatureTemplates/Effect/effect.json"), folder + QStringLiteral("/effect.json"));
    QFile::setPermissions(folder + QStringLiteral("/effect.json"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                       | QFileDevice::ReadUser | QFileDevice::WriteUser);
    LWEffectModel *old = (m_effect && m_effect->parent() == this) ? m_effect.data() : nullptr;
    setEffect(LWEffectModel::load(folder, this));
    if (old)
        old->deleteLater();
}

void LWEffectPackManager::ensureEffect()
{
    if (!m_effect)
        createEffect();
}

void LWEffectPackManager::createFeature(const QString &featureType, const QJsonObject &defaultData)
{
    const int type = LWEffectCommon::featureTypeFromKey(featureType);
    if (type < 0) {
        qWarning() << "create feature: unknown type" << featureType;
        return;
    }
    m_effect->createFeature(LWEffectCommon::LWFeatureType(type), defaultData);
}

void LWEffectPackManager::createFeatureToWorkSpaceEffect(QString featureType, QJsonObject defaultData)
{
    ensureEffect();
    m_effect->checkEffect();
    createFeature(featureType, defaultData);
}

void LWEffectPackManager::createFeatureToWorkSpaceEffect(QString featureType)
{
    createFeatureToWorkSpaceEffect(featureType, QJsonObject());
}

void LWEffectPackManager::createFeatureToWorkSpaceEffectWithChoice(QString featureType, QString p_strChoise)
{
    ensureEffect();
    m_effect->checkEffect();
    m_effect->setPendingMakeupChoice(p_strChoise);
    createFeature(featureType, QJsonObject());
}

void LWEffectPackManager::createFeatureUsingExamplesHelper(QString featureType, QString exampleId)
{
    // Examples are accepted but not offered yet: nothing is created.
    Q_UNUSED(exampleId);
    LWEffectCommon::featureTypeFromKey(featureType);
}

void LWEffectPackManager::setFirstMakeupItem(int indexId)
{
    ensureEffect();
    m_effect->setFirstMakeupItem(indexId);
}

void LWEffectPackManager::setFirstFaceDistortionV2Item(int indexId)
{
    ensureEffect();
    m_effect->setFirstFaceDistortionV2Item(indexId);
}

void LWEffectPackManager::setMultiViewerRowsAndCols(int nRows, int nCols, int uvTag)
{
    ensureEffect();
    m_effect->setMultiViewerRowsAndCols(nRows, nCols, uvTag);
}

int LWEffectPackManager::getFeatureCount() const
{
    return m_effect ? m_effect->checkedFeatureCount() : 0;
}

bool LWEffectPackManager::checkCurrentEffect()
{
    return m_effect ? m_effect->checkEffect() : true;
}

// --- packages ------------------------------------------------------------------

void LWEffectPackManager::reportProblem(const QString &message)
{
    qWarning().noquote() << message;
    emit packageProblem(message);
}

QString LWEffectPackManager::buildPackage()
{
    const LWPackageService::Result package = LWPackageService::build(m_effect);
    if (!package.ok())
        reportProblem(package.problem);
    return package.path;
}

bool LWEffectPackManager::exportEffect(QString path)
{
    const QString target = localPath(path);
    if (target.isEmpty())
        return false;
    const LWPackageService::Result exported = LWPackageService::exportTo(m_effect, target);
    if (!exported.ok()) {
        reportProblem(exported.problem);
        return false;
    }
    emit effectExported(QDir::toNativeSeparators(target));
    return true;
}

bool LWEffectPackManager::importEffect(QString path)
{
    return importPackageFolder(localPath(path));
}

bool LWEffectPackManager::importPackageFolder(const QString &folder)
{
    QJsonObject config;
    const LWPackageService::Result read = LWPackageService::readConfig(folder, &config);
    if (!read.ok()) {
        reportProblem(read.problem);
        return false;
    }
    ensureEffect();
    // The package's music joins the library of the effect it goes into.
    ensureResourceLibrary();
    // An import cannot be taken back: the steps before it would refer to a
    // feature list that is no longer there.
    LWUndoStack::instance()->clear();
    LWUndoStack::instance()->markChanged();
    m_effect->importDocument(config, folder);
    return true;
}

bool LWEffectPackManager::importEffectZipPack(QString path)
{
    if (QFileInfo(path).suffix() != QLatin1String("zip"))
        return false;
    const LWPackageService::Result unpacked = LWPackageService::unpack(path);
    if (!unpacked.ok()) {
        reportProblem(unpacked.problem);
        return false;
    }
    const bool ok = importPackageFolder(unpacked.path);
    LWFolderUtil::removeFolder(unpacked.path);
    return ok;
}

// --- resource imports ----------------------------------------------------------
// The published names of the resource imports; the work is the import
// service's.

bool LWEffectPackManager::ensureResourceLibrary()
{
    ensureEffect();
    if (!m_effect)
        return false;
    LWResourceManager *library = LWResourceManager::instance();
    const QString folder = m_effect->folder();
    if (library->isLoadedFor(folder))
        return true;
    const QString manifest = folder + QLatin1Char('/') + LWResourceManager::manifestFileName();
    if (!QFileInfo::exists(manifest) && QFile::copy(QStringLiteral(":/ResourceTemplates/resourcemanager.json"), manifest))
        QFile::setPermissions(manifest, QFile::permissions(manifest) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return library->load(folder);
}

namespace {

LWResourceImportService *imports()
{
    return LWResourceImportService::instance();
}

} // namespace

QString LWEffectPackManager::importFileToWorkSpaceResource(QString url)
{
    return imports()->importFile(url);
}

QString LWEffectPackManager::importFileToWorkSpaceResource(const QString &url, ImportResourceParam param)
{
    return imports()->importFile(url, param);
}

QStringList LWEffectPackManager::importMultiFilesToWorkSpaceResource(QVariantList urls)
{
    return imports()->importMultiFiles(LWResourceImportService::urlTexts(urls));
}

QStringList LWEffectPackManager::importMultiFilesToWorkSpaceResource(const QStringList &urls, ImportResourceParam param)
{
    return imports()->importMultiFiles(urls, param);
}

QString LWEffectPackManager::importMultiFilesAsTextureToWorkSpaceResource(QVariantList urls)
{
    return imports()->importMultiFilesAsTexture(LWResourceImportService::urlTexts(urls));
}

QString LWEffectPackManager::importMultiFilesAsTextureToWorkSpaceResource(const QStringList &urls,
                                                                          ImportResourceParam param)
{
    return imports()->importMultiFilesAsTexture(urls, param);
}

QString LWEffectPackManager::importTextureFolderToWorkSpaceResource(QString url)
{
    return imports()->importTextureFolder(url);
}

QString LWEffectPackManager::importTextureFolderToWorkSpaceResource(const QString &url, ImportResourceParam param)
{
    return imports()->importTextureFolder(url, param);
}

QString LWEffectPackManager::importTextureFolderAndReadChildFolderToWorkSpace(QString url)
{
    return imports()->importTextureFolderAndChildren(url);
}

QString LWEffectPackManager::importTextureFolderAndReadChildFolderToWorkSpace(const QString &url,
                                                                              ImportResourceParam param)
{
    return imports()->importTextureFolderAndChildren(url, param);
}

QStringList LWEffectPackManager::importGroupToWorkSpaceResource(QString url)
{
    return imports()->importGroup(url);
}

QStringList LWEffectPackManager::importGroupToWorkSpaceResource(const QString &url, ImportResourceParam param)
{
    return imports()->importGroup(url, param);
}

QString LWEffectPackManager::importUnknowFileToWorkSpaceResource(QString url)
{
    return imports()->importUnknown(url);
}

QString LWEffectPackManager::importUnknowFileToWorkSpaceResource(const QString &url, ImportResourceParam param)
{
    return imports()->importUnknown(url, param);
}

void LWEffectPackManager::addEmptyGroup()
{
    imports()->addEmptyGroup();
}

void LWEffectPackManager::addEmptyGroup(ImportResourceParam param)
{
    imports()->addEmptyGroup(param);
}

void LWEffectPackManager::createResourceUsingExampleHelper(QString resourceKind, QString exampleId)
{
    // Examples of materials are accepted but not offered yet.
    if (!ensureResourceLibrary())
        return;
    if (resourceKind == QLatin1String("3DFeatureMtl"))
        qDebug() << "resource example requested:" << resourceKind << exampleId;
}
