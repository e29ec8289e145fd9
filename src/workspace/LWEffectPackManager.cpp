#include "LWEffectPackManager.h"

#include "LWAutoBackup.h"
#include "LWBackupLock.h"
#include "LWEffectModel.h"
#include "LWProjectModel.h"
#include "LWRecentProjects.h"
#include "LWZipUtil.h"
#include "common/LWJsonFile.h"
#include "undo/LWUndoStack.h"
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"
#include "common/LWSettingFlags.h"
#include "resources/LWPngCheckWindow.h"
#include "resources/LWResouceTreeViewModel.h"
#include "resources/LWResourceImageCheck.h"
#include "resources/LWResourceImporter.h"
#include "resources/LWResourceManager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QUrl>

#include <cstdio>

namespace {

// "qrc:/x" names the resource ":/x"; "file:" URLs name local files.
QString packagePath(const QString &pathOrUrl)
{
    if (pathOrUrl.startsWith(QLatin1String("qrc:")))
        return QLatin1Char(':') + QUrl(pathOrUrl).path();
    return LWEffectPackManager::localPath(pathOrUrl);
}

} // namespace

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
{
    connect(LWResourceManager::instance(), &LWResourceManager::libraryLoaded, this,
            &LWEffectPackManager::resourceInWorkspaceChanged);
    LWEffectModel::setMusicImporter([this](const QString &filePath) { return importMusic(filePath); });
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
    const QString syncFolder = LWDataPaths::subFolder(QStringLiteral("tmpSync"));
    const QString scratch = LWFolderUtil::makeScratchFolder(syncFolder);
    bool ok = true;
    if (m_effect) {
        SaveParam param;
        param.path = scratch;
        param.bSaveProject = false;
        ok = m_effect->save(param);
    }
    const QString zip = syncFolder + QStringLiteral("/lw.zip");
    ok = ok && LWZipUtil::zipFolder(scratch, zip);
    LWFolderUtil::removeFolder(scratch);
    if (!ok) {
        reportProblem(tr("The effect package could not be built."));
        return QString();
    }
    return zip;
}

bool LWEffectPackManager::exportEffect(QString path)
{
    QString target = localPath(path);
    if (target.isEmpty())
        return false;
    if (!target.toLower().endsWith(QLatin1String(".zip")))
        target += QStringLiteral(".zip");
    const QString package = buildPackage();
    if (package.isEmpty())
        return false;
    // Copy beside the target and rename, so a failed copy never leaves the
    // author with half a package where the old one was.
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(package, partial)) {
        reportProblem(tr("The package could not be written to %1.").arg(target));
        return false;
    }
    // rename(2) replaces the old package in one step: there is always
    // either the old one or the new one at the target.
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(partial);
        reportProblem(tr("The package could not be written to %1.").arg(target));
        return false;
    }
    return true;
}

bool LWEffectPackManager::importEffect(QString path)
{
    return importPackageFolder(localPath(path));
}

bool LWEffectPackManager::importPackageFolder(const QString &folder)
{
    const QJsonObject config = LWJsonFile::read(folder + QStringLiteral("/config.json"));
    if (config.isEmpty()) {
        reportProblem(tr("%1 holds no effect package (no config.json).").arg(folder));
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
    const QString source = packagePath(path);
    const QFileInfo info(source);
    if (info.suffix() != QLatin1String("zip"))
        return false;
    const QString unzipRoot = LWDataPaths::subFolder(QStringLiteral("unzipTmp"));
    const QString scratch = LWFolderUtil::makeScratchFolder(unzipRoot);
    const QString copy = unzipRoot + QLatin1Char('/') + info.fileName();
    QFile::remove(copy);
    bool ok = QFile::copy(source, copy);
    if (!ok)
        reportProblem(tr("The package %1 could not be read.").arg(source));
    else if (!LWZipUtil::unzip(copy, scratch)) {
        // A package with refused or damaged entries is not taken in part.
        reportProblem(tr("The package %1 is damaged or unsafe and was not imported.").arg(info.fileName()));
        ok = false;
    }
    if (ok)
        ok = importPackageFolder(scratch);
    LWFolderUtil::removeFolder(scratch);
    QFile::remove(copy);
    return ok;
}

// --- resource imports ----------------------------------------------------------

QString LWEffectPackManager::resourcePathFromUrl(const QString &url)
{
    if (url.startsWith(QLatin1String("qrc:")))
        return QLatin1Char(':') + QUrl(url).path(QUrl::FullyDecoded);
    // Only text that names a scheme is a URL: a plain path may hold "#",
    // "?" or "%20" in its file names and means exactly those characters.
    const QUrl parsed(url);
    if (url.startsWith(QLatin1Char('/')) || url.startsWith(QLatin1Char(':')) || parsed.scheme().size() < 2)
        return url;
    const QString local = parsed.toLocalFile();
    return local.isEmpty() ? parsed.path(QUrl::FullyDecoded) : local;
}

QStringList LWEffectPackManager::urlTexts(const QVariantList &urls)
{
    QStringList texts;
    for (const QVariant &url : urls)
        texts.append(url.userType() == QMetaType::QUrl ? url.toUrl().toString(QUrl::FullyEncoded) : url.toString());
    return texts;
}

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

bool LWEffectPackManager::passesPngCheck(const QString &url)
{
    if (LWResourceImageCheck::passesEightBitCheck(resourcePathFromUrl(url)))
        return true;
    qDebug("png not ok");
    LWPngCheckWindow::show();
    return false;
}

QString LWEffectPackManager::importMusic(const QString &filePath)
{
    // Called while an effect loads, before it is the current one: only the
    // library already loaded for it can take the music.
    if (!LWResourceManager::instance()->isLoaded())
        return QString();
    // Music is MP3; any other file would join the library as something else
    // (a picture, say) and then stand in for the music.
    if (QFileInfo(filePath).suffix().compare(QLatin1String("mp3"), Qt::CaseInsensitive) != 0) {
        qWarning().noquote() << "background music: ignoring" << filePath << "- not an MP3 file";
        return QString();
    }
    ImportResourceParam param;
    param.returnResourceId = true;
    param.withUndo = false;
    return LWResourceImporter(param, LWResourceManager::instance()->importParent()).importFile(filePath);
}

QString LWEffectPackManager::importFileToWorkSpaceResource(QString url)
{
    return importFileToWorkSpaceResource(url, ImportResourceParam());
}

QString LWEffectPackManager::importFileToWorkSpaceResource(const QString &url, ImportResourceParam param)
{
    if (!ensureResourceLibrary())
        return QString();
    const QString id = LWResourceImporter(param, LWResourceManager::instance()->importParent())
                           .importFile(resourcePathFromUrl(url));
    return param.returnResourceId ? id : QString();
}

QStringList LWEffectPackManager::importMultiFilesToWorkSpaceResource(QVariantList urls)
{
    return importMultiFilesToWorkSpaceResource(urlTexts(urls), ImportResourceParam());
}

QStringList LWEffectPackManager::importMultiFilesToWorkSpaceResource(const QStringList &urls, ImportResourceParam param)
{
    if (!ensureResourceLibrary() || urls.isEmpty() || !passesPngCheck(urls.first()))
        return {};
    QStringList ids;
    for (const QString &url : urls) {
        const QString id = importFileToWorkSpaceResource(url, param);
        if (!id.isEmpty())
            ids.append(id);
    }
    return ids;
}

QString LWEffectPackManager::importMultiFilesAsTextureToWorkSpaceResource(QVariantList urls)
{
    return importMultiFilesAsTextureToWorkSpaceResource(urlTexts(urls), ImportResourceParam());
}

QString LWEffectPackManager::importMultiFilesAsTextureToWorkSpaceResource(const QStringList &urls,
                                                                          ImportResourceParam param)
{
    if (!ensureResourceLibrary() || urls.isEmpty() || !passesPngCheck(urls.first()))
        return QString();
    QStringList paths;
    for (const QString &url : urls)
        paths.append(resourcePathFromUrl(url));
    const QString id = LWResourceImporter(param, LWResourceManager::instance()->importParent())
                           .importFramesFromFiles(paths);
    return param.returnResourceId ? id : QString();
}

QString LWEffectPackManager::importTextureFolderToWorkSpaceResource(QString url)
{
    return importTextureFolderToWorkSpaceResource(url, ImportResourceParam());
}

QString LWEffectPackManager::importTextureFolderToWorkSpaceResource(const QString &url, ImportResourceParam param)
{
    if (!ensureResourceLibrary())
        return QString();
    const QString id = LWResourceImporter(param, LWResourceManager::instance()->importParent())
                           .importFramesFromFolder(resourcePathFromUrl(url));
    return param.returnResourceId ? id : QString();
}

QString LWEffectPackManager::importTextureFolderAndReadChildFolderToWorkSpace(QString url)
{
    return importTextureFolderAndReadChildFolderToWorkSpace(url, ImportResourceParam());
}

QString LWEffectPackManager::importTextureFolderAndReadChildFolderToWorkSpace(const QString &url,
                                                                              ImportResourceParam param)
{
    if (!ensureResourceLibrary())
        return QString();
    const QString id = LWResourceImporter(param, LWResourceManager::instance()->importParent())
                           .importFolderAndChildren(resourcePathFromUrl(url));
    return param.returnResourceId ? id : QString();
}

QStringList LWEffectPackManager::importGroupToWorkSpaceResource(QString url)
{
    return importGroupToWorkSpaceResource(url, ImportResourceParam());
}

QStringList LWEffectPackManager::importGroupToWorkSpaceResource(const QString &url, ImportResourceParam param)
{
    if (!ensureResourceLibrary())
        return {};
    const QStringList ids = LWResourceImporter(param, LWResourceManager::instance()->importParent())
                                .importGroup(resourcePathFromUrl(url));
    return param.returnResourceId ? ids : QStringList();
}

QString LWEffectPackManager::importUnknowFileToWorkSpaceResource(QString url)
{
    return importUnknowFileToWorkSpaceResource(url, ImportResourceParam());
}

QString LWEffectPackManager::importUnknowFileToWorkSpaceResource(const QString &url, ImportResourceParam param)
{
    if (QFileInfo(resourcePathFromUrl(url)).isDir())
        return importTextureFolderAndReadChildFolderToWorkSpace(url, param);
    return importFileToWorkSpaceResource(url, param);
}

void LWEffectPackManager::addEmptyGroup()
{
    addEmptyGroup(ImportResourceParam());
}

void LWEffectPackManager::addEmptyGroup(ImportResourceParam param)
{
    if (ensureResourceLibrary())
        LWResourceImporter(param, LWResourceManager::instance()->treeRoot()).addEmptyGroup();
}

void LWEffectPackManager::createResourceUsingExampleHelper(QString resourceKind, QString exampleId)
{
    // Examples of materials are accepted but not offered yet.
    if (!ensureResourceLibrary())
        return;
    if (resourceKind == QLatin1String("3DFeatureMtl"))
        qDebug() << "resource example requested:" << resourceKind << exampleId;
}
