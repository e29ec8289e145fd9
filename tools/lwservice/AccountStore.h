#pragma once

#include <QString>
#include <QVariantMap>

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
    enum class Check { Ok, BadCredentials, Locked };
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

    bool seedDemoAccount();
    bool createAccount(const QString &name, const QString &password, const QString &phone, const QString &displayName);

    Check verifyPassword(const QString &name, const QString &password, Account *account);
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
    Session sessionFromRow(const QVariantMap &row);

    Database *m_db; // not owned
};
