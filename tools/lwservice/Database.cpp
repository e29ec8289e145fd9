#include "Database.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

constexpr int kSchemaVersion = 1;

const char *const kSchema[] = {
    "CREATE TABLE accounts (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, phone TEXT UNIQUE,"
    " display_name TEXT NOT NULL, salt BLOB NOT NULL, hash BLOB NOT NULL, iterations INTEGER NOT NULL,"
    " failed_count INTEGER NOT NULL DEFAULT 0, locked_until INTEGER NOT NULL DEFAULT 0, created INTEGER NOT NULL)",
    // kind: device (editor sign-in), web (publishing site), sso (enterprise).
    // state: 0 active, 1 taken over by another client, 2 ended.
    "CREATE TABLE sessions (id INTEGER PRIMARY KEY, account_id INTEGER NOT NULL REFERENCES accounts(id),"
    " kind TEXT NOT NULL, device_id TEXT, cookie_hash TEXT UNIQUE, state INTEGER NOT NULL DEFAULT 0,"
    " created INTEGER NOT NULL, last_seen INTEGER NOT NULL)",
    "CREATE INDEX sessions_device ON sessions(kind, device_id)",
    "CREATE TABLE effects (id INTEGER PRIMARY KEY, uuid TEXT NOT NULL UNIQUE, account_id INTEGER NOT NULL,"
    " name TEXT NOT NULL, instructions TEXT, description TEXT, sub_type INTEGER, type INTEGER, icon TEXT,"
    " state INTEGER NOT NULL, file TEXT NOT NULL, size INTEGER NOT NULL, md5 TEXT NOT NULL,"
    " created INTEGER NOT NULL, updated INTEGER NOT NULL)",
    "CREATE TABLE icons (uri TEXT PRIMARY KEY, file TEXT NOT NULL, size INTEGER NOT NULL, created INTEGER NOT NULL)",
    "CREATE TABLE drafts (uuid TEXT PRIMARY KEY, device_id TEXT NOT NULL, name TEXT, file TEXT NOT NULL,"
    " size INTEGER NOT NULL, md5 TEXT NOT NULL, created INTEGER NOT NULL, updated INTEGER NOT NULL)",
    "CREATE INDEX drafts_device ON drafts(device_id, updated)",
    "CREATE TABLE page_uploads (uuid TEXT PRIMARY KEY, file TEXT NOT NULL, size INTEGER NOT NULL,"
    " md5 TEXT NOT NULL, account_id INTEGER, claimed INTEGER NOT NULL DEFAULT 0, created INTEGER NOT NULL)",
    "CREATE TABLE phone_packages (id INTEGER PRIMARY KEY, uuid TEXT NOT NULL UNIQUE, file TEXT NOT NULL,"
    " original_name TEXT, size INTEGER NOT NULL, md5 TEXT NOT NULL, sender TEXT, received INTEGER NOT NULL)",
    "CREATE TABLE crashes (id INTEGER PRIMARY KEY, uuid TEXT NOT NULL UNIQUE, version TEXT, file TEXT NOT NULL,"
    " original_name TEXT, size INTEGER NOT NULL, sender TEXT, received INTEGER NOT NULL)",
    // type: 0 the author's message, 1 a reply of the service.
    "CREATE TABLE feedback (id INTEGER PRIMARY KEY, device_id TEXT NOT NULL, type INTEGER NOT NULL,"
    " content TEXT NOT NULL, contact TEXT, image_uri TEXT, package_file TEXT, created INTEGER NOT NULL)",
    "CREATE INDEX feedback_device ON feedback(device_id, id)",
    "CREATE TABLE images (uri TEXT PRIMARY KEY, file TEXT NOT NULL, size INTEGER NOT NULL, created INTEGER NOT NULL)",
    "CREATE TABLE events (id INTEGER PRIMARY KEY, event TEXT NOT NULL, params TEXT, time INTEGER,"
    " user_unique_id TEXT, user_is_login INTEGER, app_id INTEGER, app_version TEXT, os_name TEXT,"
    " os_version TEXT, received INTEGER NOT NULL, body TEXT NOT NULL)",
    "CREATE TABLE materials (id INTEGER PRIMARY KEY, type INTEGER NOT NULL, name TEXT NOT NULL,"
    " file TEXT NOT NULL, icon TEXT NOT NULL, size INTEGER NOT NULL, position INTEGER NOT NULL)",
};

} // namespace

Database::Database(const QString &path)
    : m_path(path)
    , m_connection(QStringLiteral("lwservice-%1").arg(reinterpret_cast<quintptr>(this)))
{
}

Database::~Database()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool Database::open()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        qCritical("cannot open database %s: %s", qUtf8Printable(m_path), qUtf8Printable(db.lastError().text()));
        return false;
    }
    run(QStringLiteral("PRAGMA foreign_keys = ON"));
    return migrate();
}

bool Database::migrate()
{
    const int version = value(QStringLiteral("PRAGMA user_version")).toInt();
    if (version == kSchemaVersion)
        return true;
    if (version > kSchemaVersion) {
        qCritical("database schema %d is newer than this program (%d)", version, kSchemaVersion);
        return false;
    }
    if (!begin())
        return false;
    for (const char *statement : kSchema) {
        if (!run(QString::fromLatin1(statement))) {
            rollback();
            return false;
        }
    }
    if (!run(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion))) {
        rollback();
        return false;
    }
    return commit();
}

bool Database::run(const QString &sql, const QVariantList &binds, qint64 *insertId)
{
    QSqlQuery query(QSqlDatabase::database(m_connection));
    if (!query.prepare(sql)) {
        qWarning("SQL prepare failed: %s (%s)", qUtf8Printable(query.lastError().text()), qUtf8Printable(sql));
        return false;
    }
    for (const QVariant &b : binds)
        query.addBindValue(b);
    if (!query.exec()) {
        qWarning("SQL failed: %s (%s)", qUtf8Printable(query.lastError().text()), qUtf8Printable(sql));
        return false;
    }
    if (insertId)
        *insertId = query.lastInsertId().toLongLong();
    return true;
}

QList<QVariantMap> Database::rows(const QString &sql, const QVariantList &binds)
{
    QList<QVariantMap> result;
    QSqlQuery query(QSqlDatabase::database(m_connection));
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        qWarning("SQL prepare failed: %s (%s)", qUtf8Printable(query.lastError().text()), qUtf8Printable(sql));
        return result;
    }
    for (const QVariant &b : binds)
        query.addBindValue(b);
    if (!query.exec()) {
        qWarning("SQL failed: %s (%s)", qUtf8Printable(query.lastError().text()), qUtf8Printable(sql));
        return result;
    }
    while (query.next()) {
        const QSqlRecord record = query.record();
        QVariantMap row;
        for (int i = 0; i < record.count(); ++i)
            row.insert(record.fieldName(i), record.value(i));
        result.append(row);
    }
    return result;
}

QVariantMap Database::row(const QString &sql, const QVariantList &binds)
{
    const QList<QVariantMap> all = rows(sql, binds);
    return all.isEmpty() ? QVariantMap() : all.first();
}

QVariant Database::value(const QString &sql, const QVariantList &binds)
{
    QSqlQuery query(QSqlDatabase::database(m_connection));
    if (!query.prepare(sql)) {
        qWarning("SQL prepare failed: %s (%s)", qUtf8Printable(query.lastError().text()), qUtf8Printable(sql));
        return QVariant();
    }
    for (const QVariant &b : binds)
        query.addBindValue(b);
    if (!query.exec() || !query.next())
        return QVariant();
    return query.value(0);
}

bool Database::begin()
{
    return QSqlDatabase::database(m_connection).transaction();
}

bool Database::commit()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (db.commit())
        return true;
    qWarning("SQL commit failed: %s", qUtf8Printable(db.lastError().text()));
    db.rollback();
    return false;
}

void Database::rollback()
{
    QSqlDatabase::database(m_connection).rollback();
}
