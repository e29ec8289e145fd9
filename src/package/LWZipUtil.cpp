#include "LWZipUtil.h"

#include "LWZipDeflater.h"
#include "LWZipWriter.h"
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
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>
#include <utility>

#include <minizip/ioapi.h>
#include <minizip/unzip.h>
#include <minizip/zip.h>

#include <fcntl.h>
#include <unistd.h>

namespace LWZipUtil {

namespace {

constexpr int kExtractBlockBytes = 8192;
constexpr uLong kEncryptedFlag = 0x1;
constexpr uLong kUtf8NameFlag = 0x800;
constexpr uLong kUnixHost = 3;
constexpr uLong kUnixTypeMask = 0170000;
constexpr uLong kUnixSymlinkType = 0120000;

// ---------------------------------------------------------------- writing

// One entry of the archive to be, in archive order.
struct PlannedEntry
{
    QByteArray name; // UTF-8, "/" at the end for a folder
    QFileInfo info;
    bool isFolder = false;
};

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
            plan.append({name.toUtf8(), entry, false});
            continue;
        }
        const QString canonical = entry.canonicalFilePath();
        if (walkedFolders.contains(canonical)) {
            qWarning().noquote() << "not following a folder link back into its own tree:" << entry.filePath();
            continue;
        }
        plan.append({(name + QLatin1Char('/')).toUtf8(), entry, true});
        walkedFolders.append(canonical);
        planFolder(entry.filePath(), name, ownArchive, elsewhere, walkedFolders, plan);
        walkedFolders.removeLast();
    }
}


bool nameFits(const PlannedEntry &entry)
{
    // The reader takes names of at most this size; a longer one would come
    // back cut short, so the archive cannot be made faithfully.
    if (entry.name.size() <= kMaxEntryNameBytes)
        return true;
    qWarning().noquote() << "zip entry name is too long:" << QString::fromUtf8(entry.name);
    return false;
}

// Only regular files are opened: reading a pipe or a device would hang or
// never end. Anything else is stored empty like an unreadable file.
bool openSource(const QFileInfo &info, QFile *file)
{
    file->setFileName(info.filePath());
    return info.isFile() && file->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

// Reads up to a whole block: the deflater must be handed the same blocks
// however the system splits the reads, or stored blocks would end elsewhere.
qint64 readBlock(QFile &file, char *block, qint64 size)
{
    qint64 have = 0;
    while (have < size) {
        const qint64 count = file.read(block + have, size - have);
        if (count < 0)
            return -1;
        if (count == 0)
            break;
        have += count;
    }
    return have;
}

// A file read and deflated, ahead of its turn or in it.
struct DeflatedFile
{
    LWZipBuffer block;   // one block of the file at a time
    LWZipBuffer output;  // the deflated data (kept, with its memory, between files)
    std::unique_ptr<LWZipDeflater> deflater;
    QString readError;   // set when the file broke off while being read
    bool opened = false; // false: stored empty, like an unreadable file
};

constexpr qint64 kReadBlockBytes = 102400; // the blocks minizip was always handed

// Deflates the file into result.output, or through `sink` when it is too
// large to be held. Touches nothing but the file and its result, so it runs
// on any thread (with a QFileInfo of its own: copies share a cache that
// queries fill).
void deflateFile(const QString &path, DeflatedFile &result, const LWZipDeflater::Sink &sink = {})
{
    const QFileInfo info(path);
    QFile file;
    result.readError.clear();
    result.opened = openSource(info, &file);
    char *block = result.block.reserveMore(kReadBlockBytes);
    qint64 count = result.opened ? readBlock(file, block, kReadBlockBytes) : 0;
    if (count < 0) {
        result.readError = file.errorString();
        count = 0;
    }
    result.deflater.reset(new LWZipDeflater(LWZipDeflater::levelFor(block, count), &result.output, sink));
    while (count > 0 && result.deflater->add(block, count))
        count = readBlock(file, block, kReadBlockBytes);
    // A file that breaks off while being read would be stored cut short.
    if (count < 0)
        result.readError = file.errorString();
    if (!result.deflater->finish() && result.readError.isEmpty())
        result.readError = QStringLiteral("deflate failed");
}

void addDeflatedEntry(LWZipWriter &writer, const PlannedEntry &entry, const DeflatedFile &deflated)
{
    if (!deflated.opened)
        qWarning().noquote() << "无法添加文件" << entry.info.filePath();
    if (!deflated.readError.isEmpty()) {
        qWarning().noquote() << "无法添加文件" << entry.info.filePath() << deflated.readError;
        writer.setFailed();
        return;
    }
    writer.add(entry.name, entry.isFolder ? LWZipWriter::kFolderAttributes : LWZipWriter::kFileAttributes,
               *deflated.deflater, deflated.output);
}

// A file too large to be held while it waits: deflated in its turn and
// written as it goes, its header completed at the end.
void addStreamedEntry(LWZipWriter &writer, const PlannedEntry &entry, DeflatedFile &scratch)
{
    if (!writer.begin(entry.name, LWZipWriter::kFileAttributes))
        return;
    qint64 written = 0;
    deflateFile(entry.info.filePath(), scratch, [&](const char *data, qint64 size) {
        written += size;
        return writer.write(data, size);
    });
    if (!scratch.opened)
        qWarning().noquote() << "无法添加文件" << entry.info.filePath();
    if (!scratch.readError.isEmpty()) {
        qWarning().noquote() << "无法添加文件" << entry.info.filePath() << scratch.readError;
        writer.setFailed();
        return;
    }
    writer.end(*scratch.deflater, written);
}

bool deflatesAhead(const PlannedEntry &entry)
{
    return !entry.isFolder && entry.info.size() <= kDeflateAheadBytes;
}

// Writes the planned entries in order, in one pass into one file. Workers,
// one a core, read and deflate the files ahead into a ring of slots while
// the entries before them are written; a slot is taken again only once its
// file is written, so memory stays bounded by a few files.
class OnePassWriter
{
public:
    OnePassWriter(LWZipWriter &writer, const QVector<PlannedEntry> &plan) : m_writer(writer), m_plan(plan)
    {
        for (int i = 0; i < plan.size(); ++i) {
            if (deflatesAhead(plan.at(i)))
                m_jobs.append(i);
        }
    }

    void run()
    {
        const int workers = qBound(1, QThread::idealThreadCount(), 8);
        m_slots.resize(size_t(2 * workers + 2));
        for (int i = 0; i < workers && i < m_jobs.size(); ++i) {
            try {
                m_workers.emplace_back([this] { work(); });
            } catch (const std::system_error &) {
                break; // no thread to be had: the files are deflated in their turn
            }
        }
        writeAll();
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        // Work still in flight after a failure is waited for, never abandoned.
        for (std::thread &worker : m_workers)
            worker.join();
    }

private:
    struct Slot
    {
        DeflatedFile file;
        int job = -1; // the job whose result the slot holds, when ready
        bool ready = false;
    };

    Slot &slotOf(int job) { return m_slots[size_t(job) % m_slots.size()]; }

    void work()
    {
        for (;;) {
            int job = 0;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                if (m_stop || m_nextJob >= m_jobs.size())
                    return;
                job = m_nextJob++;
                m_changed.wait(lock, [&] { return m_stop || job < m_written + int(m_slots.size()); });
                if (m_stop)
                    return;
            }
            Slot &slot = slotOf(job);
            deflateFile(m_plan.at(m_jobs.at(job)).info.filePath(), slot.file);
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                slot.job = job;
                slot.ready = true;
            }
            m_changed.notify_all();
        }
    }

    DeflatedFile &resultOf(int job)
    {
        Slot &slot = slotOf(job);
        if (m_workers.empty()) {
            deflateFile(m_plan.at(m_jobs.at(job)).info.filePath(), slot.file);
            return slot.file;
        }
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&] { return slot.ready && slot.job == job; });
        return slot.file;
    }

    void release(int job)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            slotOf(job).ready = false;
            m_written = job + 1;
        }
        m_changed.notify_all();
    }

    void writeAll()
    {
        int job = 0;
        for (int i = 0; i < m_plan.size() && m_writer.ok(); ++i) {
            const PlannedEntry &entry = m_plan.at(i);
            if (!nameFits(entry)) {
                m_writer.setFailed();
                break;
            }
            if (entry.isFolder) {
                m_folder.deflater.reset(new LWZipDeflater(Z_DEFAULT_COMPRESSION, &m_folder.output));
                m_folder.deflater->finish();
                m_writer.add(entry.name, LWZipWriter::kFolderAttributes, *m_folder.deflater, m_folder.output);
            } else if (job < m_jobs.size() && m_jobs.at(job) == i) {
                addDeflatedEntry(m_writer, entry, resultOf(job));
                release(job++);
            } else {
                addStreamedEntry(m_writer, entry, m_large);
            }
        }
    }

    LWZipWriter &m_writer;
    const QVector<PlannedEntry> &m_plan;
    QVector<int> m_jobs; // the entries deflated ahead, by plan index
    std::vector<Slot> m_slots;
    std::vector<std::thread> m_workers;
    DeflatedFile m_folder; // an empty deflate stream for folder entries
    DeflatedFile m_large;  // the buffers of streamed files
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_nextJob = 0; // the next job a worker takes
    int m_written = 0; // jobs written so far
    bool m_stop = false;
};

// Archives too large for the plain format (entries or offsets past what
// its 16 and 32-bit fields hold) go through minizip, which adds the zip64
// records they need; one file at a time, each deflated by minizip itself,
// so the entries are the same bytes as in a one-pass archive.
bool writeWithMinizip(const QVector<PlannedEntry> &plan, const QString &partPath, const QDateTime &modified)
{
    zipFile zip = zipOpen64(QFile::encodeName(partPath).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    const QDateTime local = modified.toLocalTime();
    zip_fileinfo info{};
    info.tmz_date.tm_year = uInt(local.date().year());
    info.tmz_date.tm_mon = uInt(local.date().month() - 1);
    info.tmz_date.tm_mday = uInt(local.date().day());
    info.tmz_date.tm_hour = uInt(local.time().hour());
    info.tmz_date.tm_min = uInt(local.time().minute());
    info.tmz_date.tm_sec = uInt(local.time().second());
    constexpr uLong madeBy = (kUnixHost << 8) | 20;
    constexpr qint64 zip64Threshold = 0xffffffffLL;
    QByteArray block(int(kReadBlockBytes), Qt::Uninitialized);
    bool ok = true;
    for (const PlannedEntry &entry : plan) {
        if (!nameFits(entry)) {
            ok = false;
            break;
        }
        QFile file;
        const bool opened = !entry.isFolder && openSource(entry.info, &file);
        qint64 count = opened ? readBlock(file, block.data(), block.size()) : 0;
        info.external_fa = entry.isFolder ? LWZipWriter::kFolderAttributes : LWZipWriter::kFileAttributes;
        if (zipOpenNewFileInZip4_64(zip, entry.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                    LWZipDeflater::levelFor(block.constData(), qMax<qint64>(count, 0)), 0,
                                    -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0, madeBy, kUtf8NameFlag,
                                    entry.info.size() >= zip64Threshold ? 1 : 0)
            != ZIP_OK) {
            qWarning().noquote() << "can not add zip entry" << QString::fromUtf8(entry.name);
            ok = false;
            break;
        }
        if (!entry.isFolder && !opened)
            qWarning().noquote() << "无法添加文件" << entry.info.filePath();
        while (count > 0 && ok) {
            ok = zipWriteInFileInZip(zip, block.constData(), unsigned(count)) == ZIP_OK;
            count = ok ? readBlock(file, block.data(), block.size()) : 0;
        }
        if (count < 0) {
            qWarning().noquote() << "无法添加文件" << entry.info.filePath() << file.errorString();
            ok = false;
        }
        if (zipCloseFileInZip(zip) != ZIP_OK)
            ok = false;
        if (!ok)
            break;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
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
    const QDateTime modified = options.modified.isValid() ? options.modified : QDateTime::currentDateTime();
    const QString ownArchive = QDir::cleanPath(QFileInfo(partPath).absoluteFilePath());
    // The folders of files read from elsewhere may not be there yet.
    for (const auto &file : options.filesElsewhere)
        QDir().mkpath(QFileInfo(file.second).absolutePath());
    QStringList walkedFolders{QFileInfo(sourceFolder).canonicalFilePath()};
    QVector<PlannedEntry> plan;
    planFolder(sourceFolder, QString(), ownArchive, elsewhereByFolder(options.filesElsewhere), walkedFolders, plan);
    qint64 bytes = 0;
    for (const PlannedEntry &entry : qAsConst(plan))
        bytes += entry.isFolder ? 0 : entry.info.size();
    bool written = false;
    if (LWZipWriter::fits(plan.size(), bytes)) {
        LWZipWriter writer(partPath, modified);
        if (!writer.ok())
            return false;
        OnePassWriter(writer, plan).run();
        written = writer.finish();
    } else {
        written = writeWithMinizip(plan, partPath, modified);
        if (!written && !QFileInfo::exists(partPath)) {
            qWarning("can not create zip file");
            return false;
        }
    }
    // rename(2) replaces an old archive in one step: there is always either
    // the old one or the new one at zipPath.
    if (!written
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
