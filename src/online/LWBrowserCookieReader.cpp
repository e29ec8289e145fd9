#include "LWBrowserCookieReader.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTemporaryDir>

namespace {

const QString kConnection = QStringLiteral("LWPublicCookie");

// Older engines name the flags "secure" and "httponly", the one shipped
// here "is_secure" and "is_httponly"; take whichever the table has.
QString pickColumn(const QStringList &columns, const QStringList &candidates)
{
    for (const QString &name : candidates) {
        if (columns.contains(name))
            return name;
    }
    return QString();
}

QStringList tableColumns(QSqlDatabase &db, QSqlError *error)
{
    QStringList columns;
    QSqlQuery info(db);
    if (!info.exec(QStringLiteral("PRAGMA table_info(cookies)"))) {
        *error = info.lastError();
        return columns;
    }
    while (info.next())
        columns << info.value(1).toString();
    return columns;
}

QString selectStatement(const QStringList &columns)
{
    const QString secure = pickColumn(columns, {QStringLiteral("is_secure"), QStringLiteral("secure")});
    const QString httpOnly = pickColumn(columns, {QStringLiteral("is_httponly"), QStringLiteral("httponly")});
    if (!columns.contains(QStringLiteral("host_key")) || !columns.contains(QStringLiteral("name"))
        || !columns.contains(QStringLiteral("value")))
        return QString();
    return QStringLiteral("select host_key, name, value, %1, %2, %3 from Cookies")
        .arg(columns.contains(QStringLiteral("expires_utc")) ? QStringLiteral("expires_utc") : QStringLiteral("0"),
             secure.isEmpty() ? QStringLiteral("0") : secure, httpOnly.isEmpty() ? QStringLiteral("0") : httpOnly);
}

bool isLockError(const QSqlError &error)
{
    return error.nativeErrorCode() == QLatin1String("5") || error.nativeErrorCode() == QLatin1String("6")
        || error.databaseText().contains(QLatin1String("locked"), Qt::CaseInsensitive);
}

// The expiry is read but deliberately not applied: imported cookies live
// for this run only, whatever the store says.
QNetworkCookie cookieFromRow(const QSqlQuery &query)
{
    QNetworkCookie cookie(query.value(1).toString().toUtf8(), query.value(2).toByteArray());
    cookie.setDomain(query.value(0).toString());
    cookie.setSecure(query.value(4).toBool());
    cookie.setHttpOnly(query.value(5).toBool());
    // Values are session secrets: the log gets where they belong, not what they are.
    qDebug() << "imported cookie" << cookie.domain() << cookie.name();
    return cookie;
}

} // namespace

bool LWBrowserCookieReader::read(const QString &databasePath, QList<QNetworkCookie> *cookies)
{
    if (!QFileInfo(databasePath).isFile())
        return false;
    bool locked = false;
    if (readOpen(databasePath, true, cookies, &locked))
        return true;
    return locked && readSnapshot(databasePath, cookies);
}

bool LWBrowserCookieReader::readOpen(const QString &databasePath, bool readOnly, QList<QNetworkCookie> *cookies,
                                     bool *locked)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(databasePath);
        // Read-only: a missing store must not be created by looking at it.
        db.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=200")
                                      : QStringLiteral("QSQLITE_BUSY_TIMEOUT=200"));
        if (db.open()) {
            QSqlError error;
            const QString statement = selectStatement(tableColumns(db, &error));
            QSqlQuery query(db);
            if (!statement.isEmpty() && query.exec(statement)) {
                cookies->clear();
                while (query.next())
                    cookies->append(cookieFromRow(query));
                ok = true;
            } else {
                if (error.type() == QSqlError::NoError)
                    error = query.lastError();
                *locked = isLockError(error);
                qDebug() << "cookie store unreadable:" << databasePath << error.text();
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(kConnection);
    return ok;
}

bool LWBrowserCookieReader::readSnapshot(const QString &databasePath, QList<QNetworkCookie> *cookies)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    const QString copy = folder.filePath(QStringLiteral("Cookies"));
    if (!QFile::copy(databasePath, copy))
        return false;
    // A journal left by a write in progress travels along, so opening the
    // copy rolls that write back instead of reading half of it.
    const QString journal = databasePath + QStringLiteral("-journal");
    if (QFileInfo(journal).size() > 0)
        QFile::copy(journal, copy + QStringLiteral("-journal"));
    bool locked = false;
    return readOpen(copy, false, cookies, &locked);
}
