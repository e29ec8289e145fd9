#include "AccountStore.h"

#include "Database.h"
#include "FileStore.h"
#include "HttpRequest.h"
#include "PasswordHash.h"
#include "online/LWServiceProtocol.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QRunnable>
#include <QThread>
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
    m_hashing.setMaxThreadCount(qBound(1, QThread::idealThreadCount(), 4));
}

AccountStore::~AccountStore()
{
    m_hashing.waitForDone();
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

void AccountStore::verifyPassword(const QString &name, const QString &password, const QString &peer, CheckDone done)
{
    if (m_waiting >= kMaxWaitingChecks || m_checksByPeer.value(peer) >= kMaxWaitingChecksPerPeer) {
        done(Check::Busy, Account());
        return;
    }
    ++m_waiting;
    ++m_checksByPeer[peer];
    QQueue<PendingCheck> &queue = m_checks[name];
    queue.enqueue(PendingCheck{password, peer, std::move(done)});
    if (queue.size() == 1)
        startCheck(name);
}

void AccountStore::startCheck(const QString &name)
{
    const PendingCheck &check = m_checks[name].head();
    const QVariantMap row = m_db->row(QStringLiteral("SELECT * FROM accounts WHERE name = ?"), {name});
    if (!row.isEmpty() && row.value(QStringLiteral("locked_until")).toLongLong() > now()) {
        finishCheck(name, Check::Locked, Account());
        return;
    }
    // An unknown name costs the same effort as a real account, so the
    // reply time does not tell which names exist.
    const QByteArray salt = row.isEmpty() ? PasswordHash::newSalt() : row.value(QStringLiteral("salt")).toByteArray();
    const int iterations = row.isEmpty() ? PasswordHash::kIterations : row.value(QStringLiteral("iterations")).toInt();
    const QString password = check.password;
    m_hashing.start(QRunnable::create([this, name, row, password, salt, iterations] {
        const QByteArray derived = PasswordHash::derive(password, salt, iterations);
        QMetaObject::invokeMethod(&m_results, [this, name, row, derived] { hashed(name, row, derived); }, Qt::QueuedConnection);
    }));
}

void AccountStore::hashed(const QString &name, const QVariantMap &row, const QByteArray &derived)
{
    if (row.isEmpty()) {
        finishCheck(name, Check::BadCredentials, Account());
        return;
    }
    const qint64 id = row.value(QStringLiteral("id")).toLongLong();
    if (!PasswordHash::equalConstantTime(derived, row.value(QStringLiteral("hash")).toByteArray())) {
        const int failures = row.value(QStringLiteral("failed_count")).toInt() + 1;
        const bool lock = failures >= kMaxFailures;
        m_db->run(QStringLiteral("UPDATE accounts SET failed_count = ?, locked_until = ? WHERE id = ?"),
                  {lock ? 0 : failures, lock ? now() + kLockSeconds : 0, id});
        finishCheck(name, lock ? Check::Locked : Check::BadCredentials, Account());
        return;
    }
    m_db->run(QStringLiteral("UPDATE accounts SET failed_count = 0, locked_until = 0 WHERE id = ?"), {id});
    finishCheck(name, Check::Ok, accountById(id));
}

void AccountStore::finishCheck(const QString &name, Check check, const Account &account)
{
    auto it = m_checks.find(name);
    const PendingCheck done = it->dequeue();
    --m_waiting;
    if (--m_checksByPeer[done.peer] <= 0)
        m_checksByPeer.remove(done.peer);
    // The next check of this name starts from the row as this one left it.
    if (it->isEmpty())
        m_checks.erase(it);
    else
        startCheck(name);
    done.done(check, account);
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
