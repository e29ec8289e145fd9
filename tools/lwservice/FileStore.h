#pragma once

#include <QByteArray>
#include <QString>

// Files the service keeps under its data folder. "files/<area>/" holds what
// is served to anyone at "/files/<area>/<name>" (materials, effect icons,
// the update, feedback images, drafts); "store/<area>/" holds what is only
// kept (submitted effects, page uploads, phone packages, crash reports,
// feedback packages). Every write is atomic.
class FileStore
{
public:
    explicit FileStore(const QString &dataDir);

    bool prepare() const; // creates the folders, empties the spool folder

    // Bodies of requests still arriving, "<data>/tmp"; nothing there
    // outlives the process that wrote it.
    QString spoolDir() const;

    QString dataDir() const { return m_dataDir; }
    QString publicPath(const QString &area, const QString &name) const;
    QString privatePath(const QString &area, const QString &name) const;
    static bool isPublicArea(const QString &area);

    // Writes through a temporary file and a rename, so a reader never sees
    // half a file and a crash never leaves one.
    static bool write(const QString &path, const QByteArray &bytes);

    // Names the service hands out or accepts: letters, digits, "-", "_" and
    // "."; no leading dot, at most 128 characters. Keeps every path inside
    // its folder.
    static bool isSafeName(const QString &name);
    static QString newId(); // 32 lower-case hexadecimal digits

private:
    QString m_dataDir;
};
