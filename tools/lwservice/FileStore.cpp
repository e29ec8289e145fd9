#include "FileStore.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSaveFile>

namespace {

const char *const kPublicAreas[] = {"materials", "icons", "update", "images", "drafts"};
const char *const kPrivateAreas[] = {"effects", "uploads", "phone", "crash", "feedback"};

} // namespace

FileStore::FileStore(const QString &dataDir)
    : m_dataDir(dataDir)
{
}

bool FileStore::prepare() const
{
    QDir dir(m_dataDir);
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
