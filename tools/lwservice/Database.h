#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

// The service's SQLite database (Qt Sql, QSQLITE). Statements take
// positional binds; failures are logged and reported, never thrown.
class Database
{
public:
    explicit Database(const QString &path);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    bool open(); // opens and brings the schema up to date

    bool run(const QString &sql, const QVariantList &binds = QVariantList(), qint64 *insertId = nullptr);
    QList<QVariantMap> rows(const QString &sql, const QVariantList &binds = QVariantList());
    QVariantMap row(const QString &sql, const QVariantList &binds = QVariantList()); // empty when none
    QVariant value(const QString &sql, const QVariantList &binds = QVariantList());

    bool begin();
    bool commit();
    void rollback();

private:
    bool migrate();

    QString m_path;
    QString m_connection;
};
