#include "LWZipUtil.h"

#include "common/LWFolderUtil.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QVector>

#include <cstdio>
#include <cstring>
#include <deque>
#include <future>
#include <system_error>
#include <utility>

#include <minizip/ioapi.h>
#include <minizip/unzip.h>
#include <minizip/zip.h>

#include <fcntl.h>
#include <unistd.h>

namespace LWZipUtil {

namespace {

constexpr int kAddBlockBytes = 102400;
constexpr int kExtractBlockBytes = 8192;
constexpr int kMinizipBufferBytes = 64 * 1024; // its Z_BUFSIZE
constexpr uLong kEncryptedFlag = 0x1;
constexpr uLong kUtf8NameFlag = 0x800;
constexpr uLong kUnixHost = 3;
// Unix, zip format version 2.0 (deflate, folders): readers then take the
// permissions from the upper half of the external attributes.
constexpr uLong kMadeBy = (kUnixHost << 8) | 20;
constexpr uLong kUnixFileAttributes = 0100644ul << 16;
constexpr uLong kUnixFolderAttributes = (040755ul << 16) | 0x10; // with the MS-DOS folder bit
constexpr uLong kUnixTypeMask = 0170000;
constexpr uLong kUnixSymlinkType = 0120000;
constexpr qint64 kZip64Threshold = 0xffffffffLL;

// ---------------------------------------------------------------- writing

struct ZipWriter
{
    zipFile zip = nullptr;
    QString ownArchive; // the half-written archive, when it sits in the source tree
    tm_zip modified{};  // every entry's date, in local time as zip dates are
    bool ok = true;
};

// One entry of the archive to be, in archive order.
struct PlannedEntry
{
    QString name;
    QFileInfo info;
    bool isFolder = false;
};

// A file's content deflated ahead of its turn.
struct DeflatedFile
{
    QByteArray data; // raw deflate stream
    int level = Z_DEFAULT_COMPRESSION;
    uLong crc = 0;
    qint64 size = 0;
    bool opened = false;   // false: stored empty, like an unreadable file
    QString readError;     // set when the file broke off while being read
};

// PNG and JPEG data is compressed already: deflating it again costs as
// much as everything else in a package and makes it smaller by about a
// thousandth. Such entries are still deflate streams, made of stored
// blocks (level 0), so every reader takes them as before.
int levelFor(const QByteArray &head)
{
    static const QByteArray png("\x89PNG\r\n\x1a\n", 8);
    static const QByteArray jpeg("\xff\xd8\xff", 3);
    return head.startsWith(png) || head.startsWith(jpeg) ? 0 : Z_DEFAULT_COMPRESSION;
}

bool openEntry(ZipWriter &writer, const QString &name, bool large, int level = Z_DEFAULT_COMPRESSION,
               bool raw = false, uLong crc = 0)
{
    const QByteArray encoded = name.toUtf8();
    // The reader takes names of at most this size; a longer one would come
    // back cut short, so the archive cannot be made faithfully.
    if (encoded.size() > kMaxEntryNameBytes) {
        qWarning().noquote() << "zip entry name is too long:" << name;
        return false;
    }
    zip_fileinfo info{};
    info.tmz_date = writer.modified;
    info.external_fa = name.endsWith(QLatin1Char('/')) ? kUnixFolderAttributes : kUnixFileAttributes;
    const int result = zipOpenNewFileInZip4_64(
        writer.zip, encoded.constData(), &info, nullptr, 0, nullptr, 0, nullptr,
        Z_DEFLATED, level, raw ? 1 : 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY,
        nullptr, crc, kMadeBy, kUtf8NameFlag, large ? 1 : 0);
    if (result != ZIP_OK)
        qWarning().noquote() << "can not add zip entry" << name << result;
    return result == ZIP_OK;
}

void closeEntry(ZipWriter &writer)
{
    if (zipCloseFileInZip(writer.zip) != ZIP_OK)
        writer.ok = false;
}

void addFolderEntry(ZipWriter &writer, const QString &name)
{
    if (!openEntry(writer, name + QLatin1Char('/'), false)) {
        writer.ok = false;
        return;
    }
    closeEntry(writer);
}

// Only regular files are opened: reading a pipe or a device would hang or
// never end. Anything else is stored empty like an unreadable file.
bool openSource(const QFileInfo &info, QFile *file)
{
    file->setFileName(info.filePath());
    return info.isFile() && file->open(QIODevice::ReadOnly);
}

// Streams a file through minizip's own deflate; for files too large to be
// held in memory while they wait for their turn.
void addFileEntry(ZipWriter &writer, const QFileInfo &info, const QString &name)
{
    QFile file;
    const bool opened = openSource(info, &file);
    if (!openEntry(writer, name, info.size() >= kZip64Threshold, levelFor(opened ? file.peek(8) : QByteArray()))) {
        writer.ok = false;
        return;
    }
    if (!opened) {
        qWarning().noquote() << "无法添加文件" << info.filePath();
        closeEntry(writer);
        return;
    }
    QByteArray block(kAddBlockBytes, Qt::Uninitialized);
    qint64 count = 0;
    while ((count = file.read(block.data(), block.size())) > 0) {
        if (zipWriteInFileInZip(writer.zip, block.constData(), unsigned(count)) != ZIP_OK) {
            qWarning().noquote() << "can not write zip entry" << name;
            writer.ok = false;
            break;
        }
    }
    // A file that breaks off while being read would be stored cut short.
    if (count < 0) {
        qWarning().noquote() << "无法添加文件" << info.filePath() << file.errorString();
        writer.ok = false;
    }
    closeEntry(writer);
}

// Reads and deflates a file exactly as minizip does inside the archive:
// same settings, the input handed over in the blocks addFileEntry writes,
// the output taken in minizip's buffer size (stored blocks end where that
// buffer fills). So an entry's bytes do not depend on where the work was
// done. Runs on a worker thread: it touches nothing but the file and its
// result (a QFileInfo of its own: copies share a cache that queries fill).
DeflatedFile deflateFile(const QString &path)
{
    DeflatedFile result;
    const QFileInfo info(path);
    QFile file;
    result.opened = openSource(info, &file);
    const QByteArray content = result.opened ? file.readAll() : QByteArray();
    if (result.opened && file.error() != QFileDevice::NoError)
        result.readError = file.errorString();
    result.size = content.size();
    result.crc = crc32(0, reinterpret_cast<const Bytef *>(content.constData()), uInt(content.size()));
    result.level = levelFor(content.left(8));
    z_stream stream{};
    if (deflateInit2(&stream, result.level, Z_DEFLATED, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY) != Z_OK) {
        result.readError = QStringLiteral("deflate could not start");
        return result;
    }
    QByteArray buffer(kMinizipBufferBytes, Qt::Uninitialized);
    const auto takeBuffer = [&] {
        result.data.append(buffer.constData(), kMinizipBufferBytes - int(stream.avail_out));
        stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
        stream.avail_out = kMinizipBufferBytes;
    };
    stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
    stream.avail_out = kMinizipBufferBytes;
    int status = Z_OK;
    for (int at = 0; at < content.size() && status == Z_OK; at += kAddBlockBytes) {
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(content.constData() + at));
        stream.avail_in = uInt(qMin(kAddBlockBytes, content.size() - at));
        while (stream.avail_in > 0 && status == Z_OK) {
            if (stream.avail_out == 0)
                takeBuffer();
            status = deflate(&stream, Z_NO_FLUSH);
        }
    }
    while (status == Z_OK) {
        if (stream.avail_out == 0)
            takeBuffer();
        status = deflate(&stream, Z_FINISH);
    }
    if (status != Z_STREAM_END)
        result.readError = QStringLiteral("deflate failed");
    takeBuffer();
    deflateEnd(&stream);
    return result;
}

void addDeflatedEntry(ZipWriter &writer, const PlannedEntry &entry, const DeflatedFile &deflated)
{
    if (!deflated.opened)
        qWarning().noquote() << "无法添加文件" << entry.info.filePath();
    if (!deflated.readError.isEmpty()) {
        qWarning().noquote() << "无法添加文件" << entry.info.filePath() << deflated.readError;
        writer.ok = false;
        return;
    }
    if (!openEntry(writer, entry.name, false, deflated.level, true, deflated.crc)) {
        writer.ok = false;
        return;
    }
    if (!deflated.data.isEmpty()
        && zipWriteInFileInZip(writer.zip, deflated.data.constData(), unsigned(deflated.data.size())) != ZIP_OK) {
        qWarning().noquote() << "can not write zip entry" << entry.name;
        writer.ok = false;
    }
    if (zipCloseFileInZipRaw64(writer.zip, ZPOS64_T(deflated.size), deflated.crc) != ZIP_OK)
        writer.ok = false;
}

bool deflatesAhead(const PlannedEntry &entry)
{
    return !entry.isFolder && entry.info.size() <= kDeflateAheadBytes;
}

// Files archived from elsewhere, by the folder that holds them in the
// archive (cleaned absolute path) and their name there.
using ElsewhereFiles = QHash<QString, QMap<QString, QString>>;

ElsewhereFiles elsewhereByFolder(const QList<QPair<QString, QString>> &files)
{
    ElsewhereFiles byFolder;
    for (const auto &file : files) {
        const QFileInfo target(file.second);
        byFolder[QDir::cleanPath(target.absolutePath())].insert(target.fileName(), file.first);
    }
    return byFolder;
}

// The archive's entries in the order they are written: each folder's
// entries by name, a folder's entry before its content. walkedFolders holds
// the canonical paths of the folders being walked, so that a link back to
// one of them is not followed round for ever.
void planFolder(const QString &folder, const QString &prefix, const QString &ownArchive,
                const ElsewhereFiles &elsewhere, QStringList &walkedFolders, QVector<PlannedEntry> &plan)
{
    const QFileInfoList found = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    QVector<QPair<QString, QFileInfo>> entries; // name in the archive, where it is read
    for (const QFileInfo &entry : found)
        entries.append({entry.fileName(), entry});
    const auto here = elsewhere.constFind(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    if (here != elsewhere.constEnd()) {
        // QMap orders names as the folder listing does (plain comparison).
        QMap<QString, QFileInfo> merged;
        for (const auto &entry : qAsConst(entries))
            merged.insert(entry.first, entry.second);
        for (auto file = here->constBegin(); file != here->constEnd(); ++file)
            merged.insert(file.key(), QFileInfo(file.value()));
        entries.clear();
        for (auto entry = merged.constBegin(); entry != merged.constEnd(); ++entry)
            entries.append({entry.key(), entry.value()});
    }
    for (const auto &item : qAsConst(entries)) {
        const QFileInfo &entry = item.second;
        if (QDir::cleanPath(entry.absoluteFilePath()) == ownArchive)
            continue;
        const QString name = prefix.isEmpty() ? item.first : prefix + QLatin1Char('/') + item.first;
        if (!entry.isDir()) {
            plan.append({name, entry, false});
            continue;
        }
        const QString canonical = entry.canonicalFilePath();
        if (walkedFolders.contains(canonical)) {
            qWarning().noquote() << "not following a folder link back into its own tree:" << entry.filePath();
            continue;
        }
        plan.append({name, entry, true});
        walkedFolders.append(canonical);
        planFolder(entry.filePath(), name, ownArchive, elsewhere, walkedFolders, plan);
        walkedFolders.removeLast();
    }
}

// Writes the planned entries in order. The deflating of the next files
// runs on the other cores while one is written, with a few files in
// flight at most, so memory stays bounded by their size.
void writePlan(ZipWriter &writer, const QVector<PlannedEntry> &plan)
{
    const int workers = qBound(1, QThread::idealThreadCount(), 8);
    std::deque<std::pair<int, std::future<DeflatedFile>>> inFlight;
    int next = 0; // the next entry to hand to a worker
    for (int i = 0; i < plan.size() && writer.ok; ++i) {
        for (; next < plan.size() && int(inFlight.size()) < workers; ++next) {
            if (next <= i || !deflatesAhead(plan.at(next)))
                continue;
            try {
                inFlight.emplace_back(next, std::async(std::launch::async, deflateFile, plan.at(next).info.filePath()));
            } catch (const std::system_error &) {
                // No thread to be had: this entry is deflated in its turn.
                ++next;
                break;
            }
        }
        const PlannedEntry &entry = plan.at(i);
        if (entry.isFolder) {
            addFolderEntry(writer, entry.name);
        } else if (!inFlight.empty() && inFlight.front().first == i) {
            const DeflatedFile deflated = inFlight.front().second.get();
            inFlight.pop_front();
            addDeflatedEntry(writer, entry, deflated);
        } else if (deflatesAhead(entry)) {
            addDeflatedEntry(writer, entry, deflateFile(entry.info.filePath()));
        } else {
            addFileEntry(writer, entry.info, entry.name);
        }
    }
    // Work still in flight after a failure is waited for, never abandoned.
    for (auto &pending : inFlight)
        pending.second.wait();
}

// ---------------------------------------------------------------- reading

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
    for (ZPOS64_T index = 0; index < entryCount && !unzipper.stop; ++index) {
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
        if (!unzipper.stop && index + 1 < entryCount && unzGoToNextFile(unzipper.zip) != UNZ_OK) {
            qWarning("cound not read next file\n");
            unzipper.ok = false;
            return;
        }
    }
}

} // namespace

bool zipFolder(const QString &sourceFolder, const QString &zipPath, const ZipOptions &options)
{
    // The old archive goes first, so a failed run never leaves a stale
    // package that could be taken for the new one.
    if (!options.keepOldOnFailure && (QFileInfo(zipPath).isFile() || QFileInfo(zipPath).isSymLink()))
        QFile::remove(zipPath);
    if (!QFileInfo(sourceFolder).isDir()) {
        qWarning().noquote() << "folder to zip does not exist:" << sourceFolder;
        return false;
    }
    // Written under a temporary name beside it and renamed when complete,
    // so the archive at zipPath is always whole.
    const QString partPath = zipPath + QLatin1Char('.') + LWFolderUtil::newScratchName() + QStringLiteral(".part");
    ZipWriter writer;
    writer.zip = zipOpen64(QFile::encodeName(partPath).constData(), APPEND_STATUS_CREATE);
    if (!writer.zip) {
        qWarning("can not create zip file");
        return false;
    }
    const QDateTime modified = options.modified.isValid() ? options.modified : QDateTime::currentDateTime();
    const QDate date = modified.toLocalTime().date();
    const QTime time = modified.toLocalTime().time();
    writer.modified.tm_year = uInt(date.year());
    writer.modified.tm_mon = uInt(date.month() - 1);
    writer.modified.tm_mday = uInt(date.day());
    writer.modified.tm_hour = uInt(time.hour());
    writer.modified.tm_min = uInt(time.minute());
    writer.modified.tm_sec = uInt(time.second());
    writer.ownArchive = QDir::cleanPath(QFileInfo(partPath).absoluteFilePath());
    // The folders of files read from elsewhere may not be there yet.
    for (const auto &file : options.filesElsewhere)
        QDir().mkpath(QFileInfo(file.second).absolutePath());
    QStringList walkedFolders{QFileInfo(sourceFolder).canonicalFilePath()};
    QVector<PlannedEntry> plan;
    planFolder(sourceFolder, QString(), writer.ownArchive, elsewhereByFolder(options.filesElsewhere), walkedFolders,
               plan);
    writePlan(writer, plan);
    if (zipClose(writer.zip, nullptr) != ZIP_OK)
        writer.ok = false;
    // rename(2) replaces an old archive in one step: there is always either
    // the old one or the new one at zipPath.
    if (!writer.ok
        || std::rename(QFile::encodeName(partPath).constData(), QFile::encodeName(zipPath).constData()) != 0) {
        qWarning().noquote() << "can not complete zip file" << zipPath;
        QFile::remove(partPath);
        return false;
    }
    return true;
}

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
