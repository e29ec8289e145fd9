#include "LWZipUtil.h"

#include "common/LWFolderUtil.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <minizip/unzip.h>
#include <minizip/zip.h>

namespace LWZipUtil {

namespace {

constexpr int kAddBlockBytes = 102400;
constexpr int kExtractBlockBytes = 8192;
constexpr uLong kEncryptedFlag = 0x1;
constexpr uLong kUtf8NameFlag = 0x800;
constexpr uLong kDefaultMadeBy = 0;
constexpr uLong kUnixHost = 3;
constexpr uLong kUnixTypeMask = 0170000;
constexpr uLong kUnixSymlinkType = 0120000;
constexpr qint64 kZip64Threshold = 0xffffffffLL;

// ---------------------------------------------------------------- writing

struct ZipWriter
{
    zipFile zip = nullptr;
    QString ownArchive; // the half-written archive, when it sits in the source tree
    bool ok = true;
};

bool openEntry(ZipWriter &writer, const QString &name, bool large)
{
    const QByteArray encoded = name.toUtf8();
    // The reader takes names of at most this size; a longer one would come
    // back cut short, so the archive cannot be made faithfully.
    if (encoded.size() > kMaxEntryNameBytes) {
        qWarning().noquote() << "zip entry name is too long:" << name;
        return false;
    }
    // No file info: minizip then stores zero for the date, the time and
    // the attributes, where a zeroed info would still encode "January".
    const int result = zipOpenNewFileInZip4_64(
        writer.zip, encoded.constData(), nullptr, nullptr, 0, nullptr, 0, nullptr,
        Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY,
        nullptr, 0, kDefaultMadeBy, kUtf8NameFlag, large ? 1 : 0);
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

void addFileEntry(ZipWriter &writer, const QFileInfo &info, const QString &name)
{
    if (!openEntry(writer, name, info.size() >= kZip64Threshold)) {
        writer.ok = false;
        return;
    }
    QFile file(info.filePath());
    // Only regular files are opened: reading a pipe or a device would hang
    // or never end. Anything else is stored empty like an unreadable file.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
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

// walkedFolders holds the canonical paths of the folders being walked, so
// that a link back to one of them is not followed round for ever.
void addFolderContent(ZipWriter &writer, const QString &folder, const QString &prefix,
                      QStringList &walkedFolders)
{
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (!writer.ok)
            return;
        if (QDir::cleanPath(entry.absoluteFilePath()) == writer.ownArchive)
            continue;
        const QString name = prefix.isEmpty() ? entry.fileName() : prefix + QLatin1Char('/') + entry.fileName();
        if (!entry.isDir()) {
            addFileEntry(writer, entry, name);
            continue;
        }
        const QString canonical = entry.canonicalFilePath();
        if (walkedFolders.contains(canonical)) {
            qWarning().noquote() << "not following a folder link back into its own tree:" << entry.filePath();
            continue;
        }
        addFolderEntry(writer, name);
        walkedFolders.append(canonical);
        addFolderContent(writer, entry.filePath(), name, walkedFolders);
        walkedFolders.removeLast();
    }
}

// ---------------------------------------------------------------- reading

struct Unzipper
{
    unzFile zip = nullptr;
    QString target; // canonical path of the target folder
    qint64 budget = 0; // bytes that may still be extracted
    bool ok = true;
    bool stop = false;
};

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

void extractFolder(Unzipper &unzipper, const Entry &entry)
{
    qDebug().noquote().nospace() << "dir: " << entry.name;
    const QString path = unzipper.target + QLatin1Char('/') + entry.relativePath;
    if (!QDir().mkpath(path) || !insideTarget(unzipper, path)) {
        qWarning().noquote() << "can not create folder" << path;
        unzipper.ok = false;
    }
}

// Opens the destination of a file entry, creating its folders: archives from
// other tools often hold no entries for the folders themselves.
bool openDestination(Unzipper &unzipper, const QString &path, QFile *file)
{
    const QString parent = QFileInfo(path).path();
    if (!QDir().mkpath(parent) || !insideTarget(unzipper, parent) || QFileInfo(path).isSymLink())
        return false;
    file->setFileName(path);
    return file->open(QIODevice::WriteOnly | QIODevice::Truncate);
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
    if (!openDestination(unzipper, unzipper.target + QLatin1Char('/') + entry.relativePath, &file)) {
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
        file.remove();
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

bool zipFolder(const QString &sourceFolder, const QString &zipPath)
{
    // The old archive goes first, so a failed run never leaves a stale
    // package that could be taken for the new one.
    if (QFileInfo(zipPath).isFile() || QFileInfo(zipPath).isSymLink())
        QFile::remove(zipPath);
    if (!QFileInfo(sourceFolder).isDir()) {
        qWarning().noquote() << "folder to zip does not exist:" << sourceFolder;
        return false;
    }
    // Written under a temporary name and renamed when complete, so the
    // archive at zipPath is always whole.
    const QString partPath = zipPath + QLatin1Char('.') + LWFolderUtil::newScratchName() + QStringLiteral(".part");
    ZipWriter writer;
    writer.zip = zipOpen64(QFile::encodeName(partPath).constData(), APPEND_STATUS_CREATE);
    if (!writer.zip) {
        qWarning("can not create zip file");
        return false;
    }
    writer.ownArchive = QDir::cleanPath(QFileInfo(partPath).absoluteFilePath());
    QStringList walkedFolders{QFileInfo(sourceFolder).canonicalFilePath()};
    addFolderContent(writer, sourceFolder, QString(), walkedFolders);
    if (zipClose(writer.zip, nullptr) != ZIP_OK)
        writer.ok = false;
    if (!writer.ok || !QFile::rename(partPath, zipPath)) {
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
    unzipper.zip = unzOpen64(QFile::encodeName(zipPath).constData());
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
