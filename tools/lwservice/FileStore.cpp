#include "FileStore.h"

#include "ServerConfig.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSaveFile>

namespace {

const char *const kPublicAreas[] = {"materials", "icons", "update", "images", "drafts"};
const char *const kPrivateAreas[] = {"effects", "uploads", "phone", "crash", "feedback"};

constexpr qint64 kMiB = 1024 * 1024;

struct DefaultQuota
{
    const char *area;
    qint64 bytes;
    int files;
};

// Generous for one author's machine, small next to a disk.
const DefaultQuota kQuotas[] = {
    {"uploads", 256 * kMiB, 1000}, {"phone", 256 * kMiB, 1000},  {"drafts", 256 * kMiB, 1000},
    {"effects", 1024 * kMiB, 5000}, {"icons", 32 * kMiB, 5000},  {"images", 256 * kMiB, 5000},
    {"crash", 128 * kMiB, 2000},   {"feedback", 256 * kMiB, 1000},
};

} // namespace

FileStore::FileStore(const QString &dataDir, const ServerConfig *config)
    : m_dataDir(dataDir)
    , m_config(config)
{
}

namespace {

constexpr QFileDevice::Permissions kOwnerFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kOwnerFolder = kOwnerFile | QFileDevice::ExeOwner;

bool restrictToOwner(const QString &dataDir)
{
    bool ok = QFile::setPermissions(dataDir, kOwnerFolder);
    QDirIterator it(dataDir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isSymLink())
            continue;
        const QFileDevice::Permissions wanted = info.isDir() ? kOwnerFolder : kOwnerFile;
        // The "User" flags only restate the owner's for the owner.
        const QFileDevice::Permissions has =
            info.permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
        if (has != wanted && !QFile::setPermissions(path, wanted)) {
            qWarning("cannot restrict %s to its owner", qUtf8Printable(path));
            ok = false;
        }
    }
    return ok;
}

} // namespace

bool FileStore::prepare() const
{
    QDir dir(m_dataDir);
    if (!restrictToOwner(m_dataDir))
        return false;
    for (const char *area : kPublicAreas) {
        if (!dir.mkpath(QStringLiteral("files/") + QLatin1String(area)))
            return false;
    }
    for (const char *area : kPrivateAreas) {
        if (!dir.mkpath(QStringLiteral("store/") + QLatin1String(area)))
            return false;
    }
    // Spool files are unnamed where the system allows; named ones left by a
    // process that was killed belong to no request.
    QDir spool(spoolDir());
    if (!spool.exists() && !dir.mkpath(QStringLiteral("tmp")))
        return false;
    for (const QString &name : spool.entryList(QDir::Files | QDir::Hidden | QDir::System))
        spool.remove(name);
    return true;
}

QString FileStore::spoolDir() const
{
    return m_dataDir + QStringLiteral("/tmp");
}

QString FileStore::publicPath(const QString &area, const QString &name) const
{
    return m_dataDir + QStringLiteral("/files/") + area + QLatin1Char('/') + name;
}

QString FileStore::privatePath(const QString &area, const QString &name) const
{
    return m_dataDir + QStringLiteral("/store/") + area + QLatin1Char('/') + name;
}

QString FileStore::path(const QString &area, const QString &name) const
{
    return isPublicArea(area) ? publicPath(area, name) : privatePath(area, name);
}

FileStore::Quota FileStore::quota(const QString &area) const
{
    Quota q;
    for (const DefaultQuota &d : kQuotas) {
        if (area == QLatin1String(d.area)) {
            q.bytes = d.bytes;
            q.files = d.files;
        }
    }
    if (q.bytes < 0 || !m_config)
        return q;
    const QJsonObject custom = m_config->section(QStringLiteral("quotas")).value(area).toObject();
    if (custom.value(QStringLiteral("bytes")).isDouble())
        q.bytes = qMax<qint64>(0, qint64(custom.value(QStringLiteral("bytes")).toDouble()));
    if (custom.value(QStringLiteral("files")).isDouble())
        q.files = qMax(0, custom.value(QStringLiteral("files")).toInt());
    return q;
}

FileStore::Usage &FileStore::usage(const QString &area, bool rescan)
{
    auto it = m_usage.find(area);
    if (it != m_usage.end() && !rescan)
        return *it;
    Usage counted;
    const QFileInfoList files = QDir(path(area, QString())).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &info : files) {
        counted.bytes += info.size();
        ++counted.files;
    }
    return m_usage[area] = counted;
}

bool FileStore::fits(const QString &area, qint64 addedBytes, int addedFiles)
{
    const Quota q = quota(area);
    if (q.bytes < 0)
        return true;
    const auto within = [&](const Usage &u) { return u.bytes + addedBytes <= q.bytes && u.files + addedFiles <= q.files; };
    // Someone may have cleared the folder by hand since it was counted.
    return within(usage(area)) || within(usage(area, true));
}

FileStore::Saved FileStore::save(const QString &area, const QString &name, const QByteArray &bytes)
{
    const QString target = path(area, name);
    const QFileInfo old(target);
    const qint64 oldBytes = old.isFile() ? old.size() : 0;
    const int oldFiles = old.isFile() ? 1 : 0;
    if (!fits(area, bytes.size() - oldBytes, 1 - oldFiles)) {
        qWarning("the %s store is full; %lld bytes refused", qUtf8Printable(area), static_cast<long long>(bytes.size()));
        return Saved::Full;
    }
    if (!write(target, bytes))
        return Saved::Failed;
    Usage &u = usage(area);
    u.bytes += bytes.size() - oldBytes;
    u.files += 1 - oldFiles;
    return Saved::Ok;
}

bool FileStore::remove(const QString &area, const QString &name)
{
    QFile file(path(area, name));
    const qint64 size = file.size();
    if (!file.remove())
        return false;
    Usage &u = usage(area);
    u.bytes -= size;
    u.files -= 1;
    return true;
}

bool FileStore::isPublicArea(const QString &area)
{
    for (const char *a : kPublicAreas) {
        if (area == QLatin1String(a))
            return true;
    }
    return false;
}

bool FileStore::write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning("cannot write %s: %s", qUtf8Printable(path), qUtf8Printable(file.errorString()));
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        qWarning("cannot write %s: %s", qUtf8Printable(path), qUtf8Printable(file.errorString()));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qWarning("cannot write %s: %s", qUtf8Printable(path), qUtf8Printable(file.errorString()));
        return false;
    }
    return true;
}

bool FileStore::isSafeName(const QString &name)
{
    if (name.isEmpty() || name.size() > 128 || name.startsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : name) {
        const bool ok = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') || c == QLatin1Char('_')
            || c == QLatin1Char('.');
        if (!ok)
            return false;
    }
    return !name.contains(QLatin1String(".."));
}

QString FileStore::newId()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    QByteArray bytes(reinterpret_cast<const char *>(words), sizeof(words));
    return QString::fromLatin1(bytes.toHex());
}
