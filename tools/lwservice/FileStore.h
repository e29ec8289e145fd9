#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

class ServerConfig;

// Files the service keeps under its data folder. "files/<area>/" holds what
// is served to anyone at "/files/<area>/<name>" (materials, effect icons,
// the update, feedback images, drafts); "store/<area>/" holds what is only
// kept (submitted effects, page uploads, phone packages, crash reports,
// feedback packages). Every write is atomic. What clients send is kept
// within a quota per area, in bytes and in files, so that nobody can fill
// the disk through the service.
class FileStore
{
public:
    enum class Saved { Ok, Full, Failed };
    struct Quota
    {
        qint64 bytes = -1; // -1: no quota (the operator's own areas)
        int files = -1;
    };

    // config (not owned, may be null) overrides the built-in quotas from
    // its "quotas" section, read on every use.
    explicit FileStore(const QString &dataDir, const ServerConfig *config = nullptr);

    // Creates the folders, empties the spool folder and takes away what
    // other users could read of a data folder made before (0700 folders,
    // 0600 files).
    bool prepare() const;

    // Bodies of requests still arriving, "<data>/tmp"; nothing there
    // outlives the process that wrote it.
    QString spoolDir() const;

    QString dataDir() const { return m_dataDir; }
    QString publicPath(const QString &area, const QString &name) const;
    QString privatePath(const QString &area, const QString &name) const;
    static bool isPublicArea(const QString &area);
    QString path(const QString &area, const QString &name) const; // in whichever tree the area lives

    // Stores a client's file in its area, replacing one of the same name,
    // unless that would take the area past its quota.
    Saved save(const QString &area, const QString &name, const QByteArray &bytes);
    bool remove(const QString &area, const QString &name);
    Quota quota(const QString &area) const;

    // Writes through a temporary file and a rename, so a reader never sees
    // half a file and a crash never leaves one.
    static bool write(const QString &path, const QByteArray &bytes);

    // Names the service hands out or accepts: letters, digits, "-", "_" and
    // "."; no leading dot, at most 128 characters. Keeps every path inside
    // its folder.
    static bool isSafeName(const QString &name);
    static QString newId(); // 32 lower-case hexadecimal digits

private:
    struct Usage
    {
        qint64 bytes = 0;
        int files = 0;
    };
    Usage &usage(const QString &area, bool rescan = false);
    bool fits(const QString &area, qint64 addedBytes, int addedFiles);

    QString m_dataDir;
    const ServerConfig *m_config; // not owned
    QHash<QString, Usage> m_usage; // counted once, then kept up to date
};
