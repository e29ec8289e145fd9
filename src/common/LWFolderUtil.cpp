#include "LWFolderUtil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace LWFolderUtil {

namespace {
thread_local DeferredCopies *t_deferred = nullptr; // not owned: the open scope

// QFile::copy makes every file durable on its own (a sync per file), which
// for a tree of many small files costs far more than the copying. A folder
// copy instead writes its files plainly and makes the whole tree durable
// with one file-system sync at the end.
bool copyPlainFile(const QString &source, const QString &target)
{
    // Resource paths (":/...") are only known to QFile.
    if (source.startsWith(QLatin1Char(':')))
        return QFile::copy(source, target);
    const int in = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    struct stat info;
    if (::fstat(in, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(in);
        return QFile::copy(source, target);
    }
    const int out = ::open(QFile::encodeName(target).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                           info.st_mode & 07777);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    off_t left = info.st_size;
    while (ok && left > 0) {
        const ssize_t sent = ::sendfile(out, in, nullptr, size_t(qMin<off_t>(left, 1 << 30)));
        if (sent > 0)
            left -= sent;
        else
            ok = false;
    }
    ::close(in);
    ok = ::close(out) == 0 && ok;
    if (!ok)
        ::unlink(QFile::encodeName(target).constData());
    return ok;
}

void syncFileSystemOf(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::syncfs(fd);
    ::close(fd);
}

enum class Files { Copied, Linked };

bool copyTree(const QString &source, const QString &target, Files files);
}

DeferredCopies::DeferredCopies()
    : m_previous(t_deferred)
{
    t_deferred = this;
}

DeferredCopies::~DeferredCopies()
{
    t_deferred = m_previous;
}

QList<DeferredCopies::Copy> DeferredCopies::take()
{
    QList<Copy> copies;
    copies.swap(m_copies);
    return copies;
}

bool DeferredCopies::perform(const QList<Copy> &copies)
{
    bool ok = true;
    for (const Copy &copy : copies) {
        QDir().mkpath(QFileInfo(copy.second).absolutePath());
        QFile::remove(copy.second);
        ok = QFile::copy(copy.first, copy.second) && ok;
    }
    return ok;
}

bool copyFile(const QString &source, const QString &target)
{
    if (t_deferred) {
        t_deferred->record(source, target);
        return true;
    }
    return QFile::copy(source, target);
}

QString newScratchName()
{
    return QUuid::createUuid().toString(QUuid::Id128);
}

bool copyFolder(const QString &source, const QString &target)
{
    const bool ok = copyTree(source, target, Files::Copied);
    syncFileSystemOf(target);
    return ok;
}

bool linkFolder(const QString &source, const QString &target)
{
    const bool ok = copyTree(source, target, Files::Linked);
    syncFileSystemOf(target);
    return ok;
}

namespace {

bool linkPlainFile(const QString &source, const QString &target)
{
    if (!source.startsWith(QLatin1Char(':'))
        && ::link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    return copyPlainFile(source, target);
}

bool copyTree(const QString &source, const QString &target, Files files)
{
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isDir())
        return false;
    QDir targetDir(target);
    if (!targetDir.mkpath(QStringLiteral(".")))
        return false;
    // Copying a folder into its own sub-folder would never end.
    const QString canonicalSource = sourceInfo.canonicalFilePath();
    const QString canonicalTarget = QFileInfo(target).canonicalFilePath();
    if (canonicalTarget == canonicalSource
        || canonicalTarget.startsWith(canonicalSource + QLatin1Char('/')))
        return false;

    bool ok = true;
    const QDir sourceDir(source);
    const auto entries = sourceDir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        const QString destination = targetDir.filePath(entry.fileName());
        if (entry.isDir() && !entry.isSymLink()) {
            ok = copyTree(entry.filePath(), destination, files) && ok;
        } else {
            if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink())
                QFile::remove(destination);
            const auto plain = files == Files::Linked ? linkPlainFile : copyPlainFile;
            ok = (entry.isSymLink() ? QFile::copy(entry.filePath(), destination) : plain(entry.filePath(), destination))
                 && ok;
        }
    }
    return ok;
}

} // namespace

bool removeFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    QDir dir(path);
    if (!dir.exists())
        return true;
    return dir.removeRecursively();
}

QString makeScratchFolder(const QString &parent)
{
    const QString path = parent + QLatin1Char('/') + newScratchName();
    QDir().mkpath(path);
    return path;
}

} // namespace LWFolderUtil
