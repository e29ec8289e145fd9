#include "LWRecoveryPoint.h"

#include "LWAutoBackup.h"
#include "LWBackupLock.h"
#include "LWEffectModel.h"
#include "LWEffectPackManager.h"
#include "LWProjectFile.h"
#include "LWProjectModel.h"
#include "LWSaveJournal.h"
#include "common/LWFolderUtil.h"
#include "undo/LWUndoStack.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString backupFileName()
{
    return QStringLiteral("backup.lwproj");
}

bool statFile(const QString &path, struct stat *info)
{
    return ::lstat(QFile::encodeName(path).constData(), info) == 0;
}

// A hard link costs no copy and no space; where the file system refuses one
// (another device, no link support) the file is copied.
bool bringOver(const QString &source, const QString &target, bool symlink)
{
    QFile::remove(target);
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (!symlink
        && ::link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    return QFile::copy(source, target);
}

} // namespace

LWRecoveryPoint::LWRecoveryPoint(QObject *parent)
    : QObject(parent)
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kQuietMs);
    connect(&m_quiet, &QTimer::timeout, this, &LWRecoveryPoint::writePending);
}

void LWRecoveryPoint::arm()
{
    if (m_armed)
        return;
    m_armed = true;
    // Every undoable change pushes on the stack; undo and redo and a new
    // project reach the pack manager's unsaved state instead.
    connect(LWUndoStack::instance(), &LWUndoStack::pushOccured, this, &LWRecoveryPoint::schedule);
    connect(LWEffectPackManager::instance(), &LWEffectPackManager::unsavedChange, this, &LWRecoveryPoint::schedule);
    // A project opened or made before this moment has not been written yet.
    if (LWEffectPackManager::instance()->project())
        schedule();
}

void LWRecoveryPoint::schedule()
{
    if (!m_armed)
        return;
    if (!m_pending) {
        m_pending = true;
        m_pendingSince.start();
    }
    // The quiet period restarts with each edit, but never pushes the point
    // later than kLatestMs after the first unwritten edit.
    const qint64 left = kLatestMs - m_pendingSince.elapsed();
    m_quiet.start(int(qBound<qint64>(0, left, kQuietMs)));
}

void LWRecoveryPoint::writePending()
{
    if (!m_pending)
        return;
    m_pending = false;
    m_quiet.stop();
    LWProjectModel *project = LWEffectPackManager::instance()->project();
    if (!project)
        return;
    emit written(write(project));
}

bool LWRecoveryPoint::flush()
{
    if (!m_armed)
        return false;
    LWProjectModel *project = LWEffectPackManager::instance()->project();
    if (!project)
        return false;
    const bool current = !m_pending && m_project == project && m_mirroredFolder == project->folder();
    if (current)
        return true;
    m_pending = false;
    m_quiet.stop();
    const bool ok = write(project);
    emit written(ok);
    return ok;
}

bool LWRecoveryPoint::write(LWProjectModel *project, const QString &target)
{
    if (!project)
        return false;
    QElapsedTimer clock;
    clock.start();
    m_cost = Cost();
    const QString published = target.isEmpty() ? LWAutoBackup::publishedFolder() : target;
    const QString projectFolder = QDir::cleanPath(project->folder());
    const QString effectPath = QDir::cleanPath(QDir(projectFolder).relativeFilePath(project->effectFolder()));
    // An effect folder outside the project (a hand-edited project file)
    // would lead the documents out of the backup.
    if (effectPath.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(effectPath)
        || QDir::cleanPath(published) == projectFolder) {
        qWarning().noquote() << "recovery point: not written for" << projectFolder;
        return false;
    }

    QMutexLocker lock(&lwBackupLock());
    LWAutoBackup::recoverPublished(published);
    const bool seed = m_project != project || m_mirroredFolder != projectFolder || m_mirrorTarget != published
                      || !QFileInfo::exists(published + QLatin1Char('/') + backupFileName());
    bool ok = false;
    if (seed) {
        // A first mirror is built beside the backup and put in its place in
        // one step, so the previous backup stays whole until then.
        m_synced.clear();
        m_project = project;
        m_mirroredFolder = projectFolder;
        m_mirrorTarget = published;
        const QString incoming = published + QStringLiteral(".new");
        LWFolderUtil::removeFolder(incoming);
        ok = syncFiles(projectFolder, effectPath, incoming) && writeDocuments(project, incoming)
             && LWAutoBackup::swapIn(published);
        if (!ok) {
            LWFolderUtil::removeFolder(incoming);
            m_project.clear();
        }
        m_cost.seeded = true;
    } else {
        // New files first, so the documents never name a file the backup
        // lacks; files the project let go of only once the documents that
        // no longer need them are in.
        const QSet<QString> before(m_synced.keyBegin(), m_synced.keyEnd());
        ok = syncFiles(projectFolder, effectPath, published);
        if (ok) {
            const QString journal = LWSaveJournal::begin(published);
            ok = writeDocuments(project, journal) && LWSaveJournal::commit(published);
            if (!ok)
                LWSaveJournal::discard(published);
        }
        if (ok) {
            for (const QString &gone : before) {
                if (!m_synced.contains(gone) && QFile::remove(published + QLatin1Char('/') + gone))
                    ++m_cost.filesRemoved;
            }
        } else {
            // Start over from a fresh mirror next time.
            m_project.clear();
        }
    }
    m_cost.microseconds = clock.nsecsElapsed() / 1000;
    if (!ok)
        qWarning().noquote() << "recovery point: the backup could not be updated from" << projectFolder;
    return ok;
}

bool LWRecoveryPoint::syncFiles(const QString &projectFolder, const QString &effectPath, const QString &mirror)
{
    // The documents are written from the models, never brought over.
    const QString effectPrefix = effectPath == QLatin1String(".") ? QString() : effectPath + QLatin1Char('/');
    const QSet<QString> documents{effectPrefix + QStringLiteral("effect.json"),
                                  effectPrefix + QStringLiteral("resourcemanager.json")};
    QHash<QString, FileState> seen;
    bool ok = true;
    const QDir base(projectFolder);
    QDirIterator it(projectFolder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = base.relativeFilePath(source);
        if (relative.startsWith(QLatin1String(".lwsave")) || documents.contains(relative)
            || (!relative.contains(QLatin1Char('/')) && relative.endsWith(QLatin1String(".lwproj"))))
            continue;
        struct stat info;
        if (!statFile(source, &info))
            continue;
        FileState state;
        state.size = qint64(info.st_size);
        state.mtimeNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        state.inode = quint64(info.st_ino);
        const QString target = mirror + QLatin1Char('/') + relative;
        struct stat present;
        const bool current = m_synced.value(relative) == state && statFile(target, &present)
                             && present.st_size == info.st_size;
        if (!current) {
            if (!bringOver(source, target, S_ISLNK(info.st_mode))) {
                qWarning().noquote() << "recovery point: could not bring over" << source;
                ok = false;
                continue;
            }
            ++m_cost.filesLinked;
        }
        seen.insert(relative, state);
    }
    m_synced = seen;
    return ok;
}

bool LWRecoveryPoint::writeDocuments(LWProjectModel *project, const QString &folder) const
{
    LWProjectFile file;
    file.name = project->name();
    file.effectFolderName = project->effectFolderName();
    if (!file.write(folder + QLatin1Char('/') + backupFileName()))
        return false;
    const QString effectFolder = folder + QLatin1Char('/') + project->effectFolderName();
    QDir().mkpath(effectFolder);
    if (LWEffectModel *effect = project->effect()) {
        SaveParam param;
        param.path = effectFolder;
        param.bSaveProject = true;
        if (!effect->save(param))
            return false;
    }
    return project->saveLibraryInto(effectFolder);
}
