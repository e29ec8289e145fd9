#include "AccountStore.h"

#include "Database.h"
#include "FileStore.h"
#include "HttpRequest.h"
#include "PasswordHash.h"
#include "online/LWServiceProtocol.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QVariantMap>

namespace {

qint64 now()
{
    return QDateTime::currentSecsSinceEpoch();
}

QString cookieHash(const QString &value)
{
    return QString::fromLatin1(QCryptographicHash::hash(value.toLatin1(), QCryptographicHash::Sha256).toHex());
}

// An absent identifier is the anonymous device: stored and looked up as
// "" rather than NULL, which would never compare equal.
QString deviceKey(const QString &deviceId)
{
    return deviceId.isNull() ? QString::fromLatin1("") : deviceId;
}

QString newSecret()
{
    return FileStore::newId() + FileStore::newId();
}

} // namespace

AccountStore::AccountStore(Database *db)
    : m_db(db)
{
}

bool AccountStore::seedDemoAccount()
{
    if (m_db->value(QStringLiteral("SELECT COUNT(*) FROM accounts")).toInt() > 0)
        return true;
    return createAccount(QStringLiteral("demo"), QStringLiteral("glowsmith-demo"), QStringLiteral("10000000000"),
                         QStringLiteral("Demo Author"));
}

bool AccountStore::createAccount(const QString &name, const QString &password, const QString &phone,
                                 const QString &displayName)
{
    const QByteArray salt = PasswordHash::newSalt();
    const QByteArray hash = PasswordHash::derive(password, salt, PasswordHash::kIterations);
    return m_db->run(QStringLiteral("INSERT INTO accounts (name, phone, display_name, salt, hash, iterations, created)"
                                    " VALUES (?, ?, ?, ?, ?, ?, ?)"),
                     {name, phone.isEmpty() ? QVariant() : QVariant(phone), displayName, salt, hash,
                      PasswordHash::kIterations, now()});
}

AccountStore::Check AccountStore::verifyPassword(const QString &name, const QString &password, Account *account)
{
    const QVariantMap row = m_db->row(QStringLiteral("SELECT * FROM accounts WHERE name = ?"), {name});
    if (row.isEmpty()) {
        // Spend the same effort as for a real account so the reply time
        // does not tell which names exist.
        PasswordHash::derive(password, PasswordHash::newSalt(), PasswordHash::kIterations);
        return Check::BadCredentials;
    }
    const qint64 id = row.value(QStringLiteral("id")).toLongLong();
    if (row.value(QStringLiteral("locked_until")).toLongLong() > now())
        return Check::Locked;
    const bool ok = PasswordHash::matches(password, row.value(QStringLiteral("salt")).toByteArray(),
                                          row.value(QStringLiteral("iterations")).toInt(),
                                          row.value(QStringLiteral("hash")).toByteArray());
    if (!ok) {
        const int failures = row.value(QStringLiteral("failed_count")).toInt() + 1;
        const bool lock = failures >= kMaxFailures;
        m_db->run(QStringLiteral("UPDATE accounts SET failed_count = ?, locked_until = ? WHERE id = ?"),
                  {lock ? 0 : failures, lock ? now() + kLockSeconds : 0, id});
        return lock ? Check::Locked : Check::BadCredentials;
    }
    m_db->run(QStringLiteral("UPDATE accounts SET failed_count = 0, locked_until = 0 WHERE id = ?"), {id});
    if (account)
        *account = accountById(id);
    return Check::Ok;
}

Account AccountStore::accountById(qint64 id)
{
    const QVariantMap row = m_db->row(QStringLiteral("SELECT id, name, phone, display_name FROM accounts WHERE id = ?"), {id});
    Account a;
    if (row.isEmpty())
        return a;
    a.id = row.value(QStringLiteral("id")).toLongLong();
    a.name = row.value(QStringLiteral("name")).toString();
    a.phone = row.value(QStringLiteral("phone")).toString();
    a.displayName = row.value(QStringLiteral("display_name")).toString();
    return a;
}

Account AccountStore::accountByPhone(const QString &phone)
{
    if (phone.isEmpty())
        return Account();
    return accountById(m_db->value(QStringLiteral("SELECT id FROM accounts WHERE phone = ?"), {phone}).toLongLong());
}

QString AccountStore::openSession(qint64 accountId, const QString &kind, const QString &deviceId)
{
    const qint64 t = now();
    const QString secret = newSecret();
    if (!m_db->begin())
        return QString();
    bool ok = true;
    if (kind == QLatin1String("device")) {
        ok = ok && m_db->run(QStringLiteral("UPDATE sessions SET state = 2 WHERE kind = 'device' AND device_id = ? AND state = 0"),
                             {deviceKey(deviceId)});
        ok = ok && m_db->run(QStringLiteral("UPDATE sessions SET state = 1 WHERE kind = 'device' AND account_id = ?"
                                            " AND device_id <> ? AND state = 0"),
                             {accountId, deviceKey(deviceId)});
    } else if (kind == QLatin1String("sso")) {
        ok = ok && m_db->run(QStringLiteral("UPDATE sessions SET state = 1 WHERE kind = 'sso' AND account_id = ? AND state = 0"),
                             {accountId});
    }
    ok = ok && m_db->run(QStringLiteral("INSERT INTO sessions (account_id, kind, device_id, cookie_hash, state, created, last_seen)"
                                        " VALUES (?, ?, ?, ?, 0, ?, ?)"),
                         {accountId, kind, kind == QLatin1String("device") ? QVariant(deviceKey(deviceId)) : QVariant(),
                          cookieHash(secret), t, t});
    if (!ok) {
        m_db->rollback();
        return QString();
    }
    return m_db->commit() ? secret : QString();
}

AccountStore::Session AccountStore::sessionFromRow(const QVariantMap &row)
{
    Session s;
    if (row.isEmpty())
        return s;
    s.id = row.value(QStringLiteral("id")).toLongLong();
    s.accountId = row.value(QStringLiteral("account_id")).toLongLong();
    const int state = row.value(QStringLiteral("state")).toInt();
    const bool stale = row.value(QStringLiteral("last_seen")).toLongLong() + kSessionLifetime < now();
    if (state == 1)
        s.state = SessionState::TakenOver;
    else if (state == 2 || stale)
        s.state = SessionState::Ended;
    else
        s.state = SessionState::Active;
    if (s.state == SessionState::Active)
        m_db->run(QStringLiteral("UPDATE sessions SET last_seen = ? WHERE id = ?"), {now(), s.id});
    return s;
}

AccountStore::Session AccountStore::deviceSession(const QString &deviceId)
{
    return sessionFromRow(m_db->row(QStringLiteral("SELECT * FROM sessions WHERE kind = 'device' AND device_id = ?"
                                                   " ORDER BY id DESC LIMIT 1"),
                                    {deviceKey(deviceId)}));
}

AccountStore::Session AccountStore::cookieSession(const QString &cookieValue, const QString &kind)
{
    if (cookieValue.isEmpty() || cookieValue.size() > 256)
        return Session();
    const QVariantMap row = m_db->row(QStringLiteral("SELECT * FROM sessions WHERE cookie_hash = ?"), {cookieHash(cookieValue)});
    if (!kind.isEmpty() && row.value(QStringLiteral("kind")).toString() != kind)
        return Session();
    return sessionFromRow(row);
}

bool AccountStore::endCookieSession(const QString &cookieValue)
{
    const Session s = cookieSession(cookieValue);
    if (s.state == SessionState::None)
        return false;
    return m_db->run(QStringLiteral("UPDATE sessions SET state = 2 WHERE id = ?"), {s.id});
}

Account AccountStore::signedIn(const HttpRequest &request)
{
    const QString site = request.cookie(QLatin1String(LWServiceProtocol::kSessionCookie));
    Session s = cookieSession(site);
    if (s.state != SessionState::Active)
        s = cookieSession(request.cookie(QLatin1String(LWServiceProtocol::kSsoCookie)), QStringLiteral("sso"));
    if (s.state != SessionState::Active)
        return Account();
    return accountById(s.accountId);
}

QString AccountStore::cookieHeader(const char *name, const QString &value, bool expire)
{
    return QLatin1String(name) + QLatin1Char('=') + value + QStringLiteral("; Path=/; HttpOnly; SameSite=Lax; Max-Age=")
        + QString::number(expire ? 0 : kSessionLifetime);
}
