#include "LWAutoBackup.h"

#include "LWBackupLock.h"
#include "LWEffectModel.h"
#include "LWEffectPackManager.h"
#include "LWProjectFile.h"
#include "LWProjectModel.h"
#include "LWSaveJournal.h"
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <QTimer>

LWAutoBackup::LWAutoBackup(int intervalMs, QObject *parent)
    : QThread(parent)
    , m_intervalMs(intervalMs)
{
}

LWAutoBackup::~LWAutoBackup()
{
    quit();
    wait();
}

QString LWAutoBackup::stagingFolder()
{
    return LWDataPaths::backupFolder() + QStringLiteral("/tmpbk");
}

QString LWAutoBackup::publishedFolder()
{
    return LWDataPaths::backupFolder() + QStringLiteral("/curprojbk");
}

void LWAutoBackup::run()
{
    QTimer timer;
    timer.setInterval(m_intervalMs);
    // This object lives on the interface thread: the call is queued there.
    connect(&timer, &QTimer::timeout, this, &LWAutoBackup::autoBackup);
    timer.start();
    exec();
}

void LWAutoBackup::autoBackup()
{
    LWProjectModel *project = LWEffectPackManager::instance()->project();
    if (!project)
        return;
    emit backupDone(backupProject(project));
}

bool LWAutoBackup::backupProject(LWProjectModel *project, const QString &target)
{
    if (!project)
        return false;
    const QString staging = stagingFolder();
    if (QDir::cleanPath(project->folder()) == QDir::cleanPath(staging))
        return false;
    LWFolderUtil::removeFolder(staging);
    if (!LWFolderUtil::copyFolder(project->folder(), staging)) {
        qWarning() << "backup: the project could not be copied" << project->folder();
        return false;
    }
    // A save journal in the copy would replay an older save over the state
    // written below when the backup is opened.
    LWSaveJournal::recover(staging);
    LWProjectFile file;
    file.name = project->name();
    file.effectFolderName = project->effectFolderName();
    bool ok = file.write(staging + QStringLiteral("/backup.lwproj"));
    if (LWEffectModel *effect = project->effect()) {
        SaveParam param;
        param.path = staging + QLatin1Char('/') + project->effectFolderName();
        param.bSaveProject = true;
        ok = effect->save(param) && ok;
    }
    ok = project->saveLibraryInto(staging + QLatin1Char('/') + project->effectFolderName()) && ok;
    if (!ok)
        return false;

    // Publish by renaming a complete copy into place: at no moment is the
    // published backup a half-written folder, even if the program dies here.
    const QString published = target.isEmpty() ? publishedFolder() : target;
    const QString incoming = published + QStringLiteral(".new");
    QMutexLocker lock(&lwBackupLock());
    recoverPublished(published);
    LWFolderUtil::removeFolder(incoming);
    if (!LWFolderUtil::copyFolder(staging, incoming)) {
        LWFolderUtil::removeFolder(incoming);
        return false;
    }
    return swapIn(published);
}

bool LWAutoBackup::swapIn(const QString &published)
{
    const QString incoming = published + QStringLiteral(".new");
    const QString outgoing = published + QStringLiteral(".old");
    LWFolderUtil::removeFolder(outgoing);
    if (QFileInfo::exists(published) && !QDir().rename(published, outgoing)) {
        LWFolderUtil::removeFolder(incoming);
        return false;
    }
    if (!QDir().rename(incoming, published)) {
        QDir().rename(outgoing, published);
        return false;
    }
    LWFolderUtil::removeFolder(outgoing);
    return true;
}

void LWAutoBackup::recoverPublished(const QString &target)
{
    const QString published = target.isEmpty() ? publishedFolder() : target;
    const QString incoming = published + QStringLiteral(".new");
    const QString outgoing = published + QStringLiteral(".old");
    // The recovery point updates the backup in place through a save
    // journal: one cut short is completed or dropped here.
    const auto finishJournal = [&] { LWSaveJournal::recover(published); };
    // ".old" only ever comes from renaming a complete backup, and only once
    // ".new" has been copied completely.
    if (QFileInfo::exists(published) || !QFileInfo(outgoing).isDir())
        return finishJournal();
    if (QFileInfo(incoming).isDir() && QDir().rename(incoming, published)) {
        LWFolderUtil::removeFolder(outgoing);
        return finishJournal();
    }
    QDir().rename(outgoing, published);
    finishJournal();
}
