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
#include <QString>
#include <QStringList>
#include <QThread>
#include <QVector>

#include <cstdio>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>
#include <utility>

#include <minizip/zip.h>

namespace LWZipUtil {

namespace {

constexpr uLong kUtf8NameFlag = 0x800;
constexpr uLong kUnixHost = 3;

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

} // namespace LWZipUtil
