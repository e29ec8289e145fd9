#pragma once

#include <QList>
#include <QNetworkCookie>
#include <QString>

// Reads the cookies of the embedded web view's store, a SQLite file named
// "Cookies" in the profile folder. The web engine keeps that file open with
// an exclusive lock while a profile is alive, so a locked file is read
// through a private snapshot copy.
class LWBrowserCookieReader
{
public:
    // False when the file is missing or cannot be read at all.
    static bool read(const QString &databasePath, QList<QNetworkCookie> *cookies);

private:
    static bool readOpen(const QString &databasePath, bool readOnly, QList<QNetworkCookie> *cookies, bool *locked);
    static bool readSnapshot(const QString &databasePath, QList<QNetworkCookie> *cookies);
};
