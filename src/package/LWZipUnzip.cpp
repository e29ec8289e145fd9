#include "LWZipUtil.h"

#include "common/LWFolderUtil.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QString>

#include <cstring>

#include <minizip/ioapi.h>
#include <minizip/unzip.h>

#include <fcntl.h>
#include <unistd.h>

// The reading half of the program's archives: unpacking packages and
// templates into a folder, never outside it.
namespace LWZipUtil {

namespace {

constexpr int kExtractBlockBytes = 8192;
constexpr uLong kEncryptedFlag = 0x1;
constexpr uLong kUtf8NameFlag = 0x800;
constexpr uLong kUnixHost = 3;
constexpr uLong kUnixTypeMask = 0170000;
constexpr uLong kUnixSymlinkType = 0120000;

struct Unzipper
{
    unzFile zip = nullptr;
    QString target; // canonical path of the target folder
    qint64 budget = 0; // bytes that may still be extracted
    // Folders made and found inside the target. Nothing unpacked is a link,
    // so a folder once found inside stays inside, and a package of many
    // entries in few folders checks each folder once, not once per entry.
    QSet<QString> readyFolders;
    bool ok = true;
    bool stop = false;
};

// The archive read from memory. minizip reads through a small stdio buffer
// and seeks before every entry, which for many small entries costs a seek
// and a read system call each; a mapped archive costs neither.
struct MappedArchive
{
    QFile file;
    const uchar *data = nullptr; // not owned: the mapping of file
    ZPOS64_T size = 0;
    ZPOS64_T position = 0;
};

voidpf ZCALLBACK openMapped(voidpf opaque, const void *, int)
{
    return opaque;
}

uLong ZCALLBACK readMapped(voidpf, voidpf stream, void *buffer, uLong count)
{
    auto *archive = static_cast<MappedArchive *>(stream);
    const ZPOS64_T left = archive->position < archive->size ? archive->size - archive->position : 0;
    const uLong taken = uLong(qMin<ZPOS64_T>(count, left));
    memcpy(buffer, archive->data + archive->position, taken);
    archive->position += taken;
    return taken;
}

uLong ZCALLBACK writeMapped(voidpf, voidpf, const void *, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK tellMapped(voidpf, voidpf stream)
{
    return static_cast<MappedArchive *>(stream)->position;
}

long ZCALLBACK seekMapped(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto *archive = static_cast<MappedArchive *>(stream);
    ZPOS64_T base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        base = archive->position;
    else if (origin == ZLIB_FILEFUNC_SEEK_END)
        base = archive->size;
    else if (origin != ZLIB_FILEFUNC_SEEK_SET)
        return -1;
    if (offset > archive->size - qMin(base, archive->size))
        return -1;
    archive->position = base + offset;
    return 0;
}

int ZCALLBACK closeMapped(voidpf, voidpf)
{
    return 0;
}

int ZCALLBACK errorMapped(voidpf, voidpf)
{
    return 0;
}

// Opens the archive from a mapping of it, or, where the file cannot be
// mapped, through minizip's own file access.
unzFile openArchive(const QString &zipPath, MappedArchive *archive)
{
    archive->file.setFileName(zipPath);
    if (archive->file.open(QIODevice::ReadOnly) && archive->file.size() > 0)
        archive->data = archive->file.map(0, archive->file.size());
    if (!archive->data)
        return unzOpen64(QFile::encodeName(zipPath).constData());
    archive->size = ZPOS64_T(archive->file.size());
    zlib_filefunc64_def access{};
    access.zopen64_file = openMapped;
    access.zread_file = readMapped;
    access.zwrite_file = writeMapped;
    access.ztell64_file = tellMapped;
    access.zseek64_file = seekMapped;
    access.zclose_file = closeMapped;
    access.zerror_file = errorMapped;
    access.opaque = archive;
    return unzOpen2_64(archive, &access);
}

struct Entry
{
    QString name; // as stored, decoded
    QString relativePath; // cleaned, "/" separated, without trailing "/"
    bool isFolder = false;
    unz_file_info64 info{};
};

void refuse(Unzipper &unzipper, const QString &name, const char *reason)
{
    qWarning().noquote().nospace() << "refused zip entry \"" << name << "\": " << reason;
    unzipper.ok = false;
}

// Turns a stored name into a path below the target, or fails for names that
// point elsewhere. Backslashes count as separators because archives made on
// Windows use them; treating them as plain characters would let "..\" pass
// here and escape on any system that reads them as separators.
bool containedPath(const QString &name, QString *relativePath)
{
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.startsWith(QLatin1Char('/')))
        return false;
    QStringList kept;
    const QStringList segments = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &segment : segments) {
        if (segment == QLatin1String(".."))
            return false;
        if (segment != QLatin1String("."))
            kept.append(segment);
    }
    // "C:x" and "C:/x" name a drive wherever they are unpacked on Windows.
    if (!kept.isEmpty() && kept.first().size() >= 2 && kept.first().at(1) == QLatin1Char(':')
        && kept.first().at(0).isLetter())
        return false;
    *relativePath = kept.join(QLatin1Char('/'));
    return true;
}

bool isSymlink(const unz_file_info64 &info)
{
    return (info.version >> 8) == kUnixHost && ((info.external_fa >> 16) & kUnixTypeMask) == kUnixSymlinkType;
}

bool insideTarget(const Unzipper &unzipper, const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical == unzipper.target || canonical.startsWith(unzipper.target + QLatin1Char('/'));
}

// Reads the current entry's information. Returns false when the archive
// cannot be read any further; skipped entries, and entries refused here,
// come back with an empty name.
bool readEntry(Unzipper &unzipper, Entry *entry)
{
    char name[kMaxEntryNameBytes + 1] = {};
    if (unzGetCurrentFileInfo64(unzipper.zip, &entry->info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK) {
        qWarning("cloud not read current file info\n");
        return false;
    }
    const bool overlong = entry->info.size_filename > uLong(kMaxEntryNameBytes);
    const QByteArray raw(name, overlong ? kMaxEntryNameBytes : int(entry->info.size_filename));
    entry->name = (entry->info.flag & kUtf8NameFlag) ? QString::fromUtf8(raw) : QString::fromLocal8Bit(raw);
    if (entry->name.contains(QLatin1String("__MACOSX"))) {
        entry->name.clear();
        return true;
    }
    const char *problem = nullptr;
    if (overlong)
        problem = "name longer than 511 bytes";
    else if (raw.contains('\0'))
        problem = "name holds a zero byte";
    else if (!containedPath(entry->name, &entry->relativePath))
        problem = "name leads outside the target folder";
    else if (isSymlink(entry->info))
        problem = "links are not unpacked";
    else if (entry->info.flag & kEncryptedFlag)
        problem = "encrypted";
    if (problem) {
        refuse(unzipper, entry->name, problem);
        entry->name.clear();
        return true;
    }
    entry->isFolder = entry->name.endsWith(QLatin1Char('/')) || entry->name.endsWith(QLatin1Char('\\'));
    return true;
}

bool makeFolder(Unzipper &unzipper, const QString &path)
{
    if (unzipper.readyFolders.contains(path))
        return true;
    if (!QDir().mkpath(path) || !insideTarget(unzipper, path))
        return false;
    unzipper.readyFolders.insert(path);
    return true;
}

void extractFolder(Unzipper &unzipper, const Entry &entry)
{
    qDebug().noquote().nospace() << "dir: " << entry.name;
    const QString path = unzipper.target + QLatin1Char('/') + entry.relativePath;
    if (!makeFolder(unzipper, path)) {
        qWarning().noquote() << "can not create folder" << path;
        unzipper.ok = false;
    }
}

// Opens the destination of a file entry, creating its folders: archives from
// other tools often hold no entries for the folders themselves. A link
// already at the destination is never followed.
bool openDestination(Unzipper &unzipper, const QString &path, QFile *file)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0 || !makeFolder(unzipper, path.left(slash)))
        return false;
#ifdef O_NOFOLLOW
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW,
                          0666);
    if (fd < 0)
        return false;
    if (file->open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
#else
    if (QFileInfo(path).isSymLink())
        return false;
    file->setFileName(path);
    return file->open(QIODevice::WriteOnly | QIODevice::Truncate);
#endif
}

// Copies the open entry into the file. Returns false when the content is
// incomplete or damaged.
bool copyContent(Unzipper &unzipper, const Entry &entry, QFile *file)
{
    QByteArray block(kExtractBlockBytes, Qt::Uninitialized);
    qint64 written = 0;
    for (;;) {
        const int count = unzReadCurrentFile(unzipper.zip, block.data(), unsigned(block.size()));
        if (count < 0) {
            qWarning().nospace() << "error: " << count;
            return false;
        }
        if (count == 0)
            break;
        written += count;
        if (written > unzipper.budget) {
            refuse(unzipper, entry.name, "archive expands beyond the size limit");
            unzipper.stop = true;
            return false;
        }
        if (file->write(block.constData(), count) != count) {
            qWarning("error in writing extracted file\n");
            return false;
        }
    }
    unzipper.budget -= written;
    if (!file->flush()) {
        qWarning("error in writing extracted file\n");
        return false;
    }
    return true;
}

void extractFile(Unzipper &unzipper, const Entry &entry)
{
    qDebug().noquote().nospace() << "file:" << entry.name;
    if (entry.relativePath.isEmpty()) {
        refuse(unzipper, entry.name, "no file name");
        return;
    }
    // The stored size is checked before any byte is written; the running
    // count in copyContent catches archives that understate it. An archive
    // made to fill the disk is not read any further.
    if (entry.info.uncompressed_size > ZPOS64_T(unzipper.budget)) {
        refuse(unzipper, entry.name, "archive expands beyond the size limit");
        unzipper.stop = true;
        return;
    }
    if (unzOpenCurrentFile(unzipper.zip) != UNZ_OK) {
        qWarning("open current file failed\n ");
        unzipper.ok = false;
        unzipper.stop = true;
        return;
    }
    QFile file;
    const QString path = unzipper.target + QLatin1Char('/') + entry.relativePath;
    if (!openDestination(unzipper, path, &file)) {
        qWarning("can not open destination file\n");
        unzCloseCurrentFile(unzipper.zip);
        unzipper.ok = false;
        unzipper.stop = true;
        return;
    }
    bool complete = copyContent(unzipper, entry, &file);
    const int closed = unzCloseCurrentFile(unzipper.zip);
    if (closed == UNZ_CRCERROR) {
        qWarning().nospace() << "error: " << closed;
        complete = false;
    }
    file.close();
    // A damaged file would pass for the real one; nothing is better.
    if (!complete) {
        QFile::remove(path);
        unzipper.ok = false;
    }
}

// minizip looks for the end record at any offset but the very first, so the
// archive of an empty folder, which is nothing but that record, never opens.
bool isEmptyArchive(const QString &zipPath)
{
    constexpr int kEndRecordBytes = 22;
    QFile file(zipPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() < kEndRecordBytes || file.size() > kEndRecordBytes + 0xffff)
        return false;
    const QByteArray bytes = file.readAll();
    const auto le16 = [&bytes](int at) { return int(uchar(bytes.at(at))) | int(uchar(bytes.at(at + 1))) << 8; };
    return bytes.startsWith(QByteArray("PK\x05\x06", 4)) && le16(10) == 0
        && le16(20) == bytes.size() - kEndRecordBytes;
}

bool containsPath(const QString &folder, const QString &path)
{
    const QFileInfo folderInfo(folder);
    const QString folderPath = folderInfo.exists() ? folderInfo.canonicalFilePath()
                                                   : QDir::cleanPath(folderInfo.absoluteFilePath());
    return QFileInfo(path).canonicalFilePath().startsWith(folderPath + QLatin1Char('/'));
}

void extractAll(Unzipper &unzipper, ZPOS64_T entryCount)
{
    // Writers that leave out the zip64 records put 0xffff as the count of a
    // larger archive; its directory is then read to its end.
    const bool countCut = entryCount == 0xffff;
    for (ZPOS64_T index = 0; (index < entryCount || countCut) && !unzipper.stop; ++index) {
        Entry entry;
        if (!readEntry(unzipper, &entry)) {
            unzipper.ok = false;
            return;
        }
        // Refused and skipped entries never touch the disk, so the others are
        // still unpacked: the caller gets everything that is safe, and the
        // result does not depend on where in the archive a bad entry sits.
        if (!entry.name.isEmpty()) {
            if (entry.isFolder)
                extractFolder(unzipper, entry);
            else
                extractFile(unzipper, entry);
        }
        if (unzipper.stop || (!countCut && index + 1 >= entryCount))
            return;
        const int next = unzGoToNextFile(unzipper.zip);
        // Past the counted entries, the directory's end is where no further
        // record can be read.
        if (next != UNZ_OK && countCut && index + 1 >= entryCount)
            return;
        if (next != UNZ_OK) {
            qWarning("cound not read next file\n");
            unzipper.ok = false;
            return;
        }
    }
}

} // namespace

bool unzip(const QString &zipPath, const QString &targetFolder, qint64 maxExtractedBytes)
{
    if (!QFileInfo::exists(zipPath)) {
        qWarning("zip file is not exist");
        return false;
    }
    // Replacing the target would delete an archive kept inside it.
    if (containsPath(targetFolder, zipPath)) {
        qWarning().noquote() << "zip file lies inside the folder it replaces:" << zipPath;
        return false;
    }
    if (QFileInfo::exists(targetFolder))
        LWFolderUtil::removeFolder(targetFolder);
    if (!QDir().mkpath(targetFolder)) {
        qWarning().noquote() << "can not create folder" << targetFolder;
        return false;
    }
    Unzipper unzipper;
    unzipper.target = QFileInfo(targetFolder).canonicalFilePath();
    unzipper.budget = maxExtractedBytes;
    MappedArchive archive;
    unzipper.zip = openArchive(zipPath, &archive);
    if (!unzipper.zip) {
        if (isEmptyArchive(zipPath))
            return true;
        qWarning("file use to unzip not found\n");
        return false;
    }
    unz_global_info64 globalInfo{};
    if (unzGetGlobalInfo64(unzipper.zip, &globalInfo) != UNZ_OK) {
        qWarning("coulud not read file global info\n");
        unzClose(unzipper.zip);
        return false;
    }
    extractAll(unzipper, globalInfo.number_entry);
    unzClose(unzipper.zip);
    return unzipper.ok;
}

} // namespace LWZipUtil
