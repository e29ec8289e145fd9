#pragma once

#include <QHash>
#include <QObject>
#include <QQueue>
#include <QString>
#include <QThreadPool>
#include <QVariantMap>

#include <functional>

class Database;
class HttpRequest;

struct Account
{
    qint64 id = 0;
    QString name;
    QString phone;
    QString displayName;
    bool isValid() const { return id > 0; }
};

// Accounts and their sessions. A session is one signed-in client: the
// editor's own sign-in (kind "device", found by device identifier), the
// publishing site ("web") or the enterprise site ("sso"), the latter two
// found by cookie. Only hashes of cookie values are stored.
class AccountStore
{
public:
    enum class Check { Ok, BadCredentials, Locked, Busy };
    using CheckDone = std::function<void(Check, const Account &)>;
    enum class SessionState { None, Active, TakenOver, Ended };

    struct Session
    {
        qint64 id = 0;
        qint64 accountId = 0;
        SessionState state = SessionState::None;
    };

    static constexpr int kMaxFailures = 10;
    static constexpr int kLockSeconds = 300;
    static constexpr qint64 kSessionLifetime = 30LL * 24 * 3600; // since last use

    explicit AccountStore(Database *db); // db not owned
    ~AccountStore();

    bool seedDemoAccount();
    bool createAccount(const QString &name, const QString &password, const QString &phone, const QString &displayName);

    // Checks a password without holding up the serving thread: the key
    // derivation runs on a worker, and done is called back on this thread.
    // Checks of one account name run one after the other, so every check
    // sees the failures before it and the lock-out holds however many come
    // at once. Busy when too many checks wait, in all or for the peer.
    void verifyPassword(const QString &name, const QString &password, const QString &peer, CheckDone done);
    static constexpr int kMaxWaitingChecks = 64;
    static constexpr int kMaxWaitingChecksPerPeer = 8;
    Account accountById(qint64 id);
    Account accountByPhone(const QString &phone);

    // Opens a session and returns its cookie value (empty on failure). A
    // new "device" session ends the device's previous one and takes over
    // the account's sessions on other devices; a new "sso" session takes
    // over the account's other single sign-on sessions.
    QString openSession(qint64 accountId, const QString &kind, const QString &deviceId);
    Session deviceSession(const QString &deviceId);
    Session cookieSession(const QString &cookieValue, const QString &kind = QString());
    bool endCookieSession(const QString &cookieValue);

    // The account signed in through the request's cookies (publishing site,
    // editor sign-in or single sign-on), or an invalid account.
    Account signedIn(const HttpRequest &request);

    static QString cookieHeader(const char *name, const QString &value, bool expire = false);

private:
    struct PendingCheck
    {
        QString password;
        QString peer;
        CheckDone done;
    };

    Session sessionFromRow(const QVariantMap &row);
    void startCheck(const QString &name);
    void hashed(const QString &name, const QVariantMap &row, const QByteArray &derived);
    void finishCheck(const QString &name, Check check, const Account &account);

    Database *m_db; // not owned
    QObject m_results; // receives the workers' results on this thread
    QHash<QString, QQueue<PendingCheck>> m_checks; // by account name; the head is running
    QHash<QString, int> m_checksByPeer;
    int m_waiting = 0;
    QThreadPool m_hashing; // declared last: waited for before the rest goes
};
