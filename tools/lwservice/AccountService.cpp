#include "AccountService.h"

#include "AccountStore.h"
#include "HttpRequest.h"
#include "PasswordHash.h"
#include "Replies.h"
#include "RequestFields.h"
#include "Router.h"
#include "UrlForm.h"
#include "online/LWServiceProtocol.h"

#include <QDateTime>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>

using namespace LWServiceProtocol;

namespace {

// The parameters every editor account request carries. Returns an empty
// string when they are acceptable, else what is wrong.
QString checkClientParameters(const QString &deviceId, const QString &token, const QString &random)
{
    if (!isValidDeviceId(deviceId))
        return QStringLiteral("device_id is malformed");
    if (!tokenMatchesDevice(token, deviceId))
        return QStringLiteral("token is missing or does not match device_id");
    if (randomValue(random) == 0)
        return QStringLiteral("random is missing or malformed");
    return QString();
}

QJsonObject userObject(const Account &account)
{
    return QJsonObject{{QStringLiteral("name"), account.name}, {QStringLiteral("display_name"), account.displayName}};
}

HttpResponse withAccessToken(const QString &token, const QString &deviceId, const Account &account)
{
    return HttpResponse::ok(QJsonObject{{QStringLiteral("access_token"), accessToken(token, deviceId)},
                                        {QStringLiteral("user"), userObject(account)}});
}

HttpResponse tooManyAttempts()
{
    return Replies::refused(kStatusLocked, QStringLiteral("too many attempts; try again later"));
}

// What a phone number may look like; anything else is not worth a code.
bool isPhoneNumber(const QString &phone)
{
    static const QRegularExpression shape(QStringLiteral("^\\+?[0-9]{3,20}$"));
    return shape.match(phone).hasMatch();
}

HttpResponse stateReply(AccountStore::SessionState state)
{
    if (state == AccountStore::SessionState::TakenOver)
        return Replies::refused(kStatusTakenOver, QString::fromUtf8("账号在其他客户端登陆"));
    return Replies::notSignedIn();
}

} // namespace

AccountService::AccountService(const ServiceContext &context)
    : m_context(context)
{
}

void AccountService::registerRoutes(Router &router)
{
    const QString prefix = QLatin1String(kAccountPrefix);
    router.add("POST", prefix + QLatin1String(kPathLogin), [this](const HttpRequest &r) { return login(r); });
    router.add("GET", prefix + QLatin1String(kPathUserInfo), [this](const HttpRequest &r) { return accountInfo(r); });
    router.add("POST", prefix + QLatin1String(kPathLogout), [this](const HttpRequest &r) { return accountLogout(r); });
    router.add("GET", QLatin1String(kPathPublicUserInfo), [this](const HttpRequest &r) { return publicInfo(r); });
    router.add("POST", QStringLiteral("/api/user/logout"), [this](const HttpRequest &r) { return publicLogout(r); });
    router.add("POST", QStringLiteral("/api/user/sendCode"), [this](const HttpRequest &r) { return sendCode(r); });
    router.add("POST", QStringLiteral("/api/user/phoneLogin"), [this](const HttpRequest &r) { return phoneLogin(r); });
    router.add("POST", QStringLiteral("/sso/api/login"), [this](const HttpRequest &r) { return ssoLogin(r); });
}

bool AccountService::mayTrySignIn(const QString &peer, const QString &phone) const
{
    return m_failuresByPeer.allowed(peer) && (phone.isEmpty() || m_failuresByPhone.allowed(phone));
}

void AccountService::signInFailed(const QString &peer, const QString &phone)
{
    m_failuresByPeer.record(peer);
    if (!phone.isEmpty())
        m_failuresByPhone.record(phone);
}

HttpResponse AccountService::login(const HttpRequest &request)
{
    RequestFields fields;
    QString error;
    if (!RequestFields::parse(request, &fields, &error))
        return Replies::badRequest(error);
    const QString deviceId = fields.text(QStringLiteral("device_id")).toUpper();
    const QString token = fields.text(QStringLiteral("token"));
    error = checkClientParameters(deviceId, token, fields.text(QStringLiteral("random")));
    if (!error.isEmpty())
        return Replies::badRequest(error);
    const QString name = fields.text(QStringLiteral("username"));
    QString password;
    if (name.isEmpty() || !fields.contains(QStringLiteral("password")))
        return Replies::badRequest(QStringLiteral("username and password are required"));
    if (!unmaskText(fields.text(QStringLiteral("password")), &password))
        return Replies::badRequest(QStringLiteral("password is not in the masked form"));
    return passwordSignIn(request, name, password, [this, token, deviceId](const Account &account) {
        const QString cookie = m_context.accounts->openSession(account.id, QStringLiteral("device"), deviceId);
        if (cookie.isEmpty())
            return Replies::serverError();
        HttpResponse reply = withAccessToken(token, deviceId, account);
        // The same sign-in also opens the publishing site for a client that
        // keeps one cookie jar.
        reply.addHeader("Set-Cookie", AccountStore::cookieHeader(kSessionCookie, cookie).toLatin1());
        return reply;
    });
}

HttpResponse AccountService::passwordSignIn(const HttpRequest &request, const QString &name, const QString &password,
                                            std::function<HttpResponse(const Account &)> signedIn)
{
    const QString peer = request.peerKey();
    if (!mayTrySignIn(peer))
        return tooManyAttempts();
    auto deferred = std::make_shared<DeferredReply>();
    m_context.accounts->verifyPassword(
        name, password, peer, [this, deferred, peer, signedIn](AccountStore::Check check, const Account &account) {
            switch (check) {
            case AccountStore::Check::Ok:
                deferred->resolve(signedIn(account));
                return;
            case AccountStore::Check::BadCredentials:
                signInFailed(peer);
                deferred->resolve(Replies::refused(kStatusBadCredentials, QStringLiteral("wrong account name or password")));
                return;
            case AccountStore::Check::Locked:
                signInFailed(peer);
                deferred->resolve(Replies::refused(kStatusLocked, QStringLiteral("too many failed sign-ins; try again in a few minutes")));
                return;
            case AccountStore::Check::Busy:
                deferred->resolve(tooManyAttempts());
                return;
            }
        });
    return HttpResponse::later(deferred);
}

HttpResponse AccountService::accountInfo(const HttpRequest &request)
{
    const UrlForm query = UrlForm::parse(request.rawQuery);
    const QString deviceId = query.value(QStringLiteral("device_id")).toUpper();
    const QString token = query.value(QStringLiteral("token"));
    const QString error = checkClientParameters(deviceId, token, query.value(QStringLiteral("random")));
    if (!error.isEmpty())
        return Replies::badRequest(error);

    // With the enterprise cookie the check is about that sign-in; without
    // it, about the editor's own sign-in on this device.
    const QString sso = request.cookie(QLatin1String(kSsoCookie));
    const AccountStore::Session session = sso.isEmpty() ? m_context.accounts->deviceSession(deviceId)
                                                        : m_context.accounts->cookieSession(sso, QStringLiteral("sso"));
    if (session.state != AccountStore::SessionState::Active)
        return stateReply(session.state);
    return withAccessToken(token, deviceId, m_context.accounts->accountById(session.accountId));
}

HttpResponse AccountService::accountLogout(const HttpRequest &request)
{
    const QString sso = request.cookie(QLatin1String(kSsoCookie));
    if (sso.isEmpty() || !m_context.accounts->endCookieSession(sso))
        return Replies::notSignedIn();
    HttpResponse reply = HttpResponse::ok();
    reply.addHeader("Set-Cookie", AccountStore::cookieHeader(kSsoCookie, QString(), true).toLatin1());
    return reply;
}

HttpResponse AccountService::publicInfo(const HttpRequest &request)
{
    const Account account = m_context.accounts->signedIn(request);
    if (!account.isValid())
        return Replies::notSignedIn();
    QJsonObject user = userObject(account);
    user.insert(QStringLiteral("phone"), account.phone);
    return HttpResponse::ok(user);
}

HttpResponse AccountService::publicLogout(const HttpRequest &request)
{
    const QString cookie = request.cookie(QLatin1String(kSessionCookie));
    if (cookie.isEmpty() || !m_context.accounts->endCookieSession(cookie))
        return Replies::notSignedIn();
    HttpResponse reply = HttpResponse::ok();
    reply.addHeader("Set-Cookie", AccountStore::cookieHeader(kSessionCookie, QString(), true).toLatin1());
    return reply;
}

HttpResponse AccountService::sendCode(const HttpRequest &request)
{
    RequestFields fields;
    QString error;
    if (!RequestFields::parse(request, &fields, &error))
        return Replies::badRequest(error);
    const QString phone = fields.text(QStringLiteral("phone")).trimmed();
    if (!isPhoneNumber(phone))
        return Replies::badRequest(QStringLiteral("phone is required (digits, at most 20)"));
    if (!m_codesByPhone.allowed(phone) || !m_codesByPeer.allowed(request.peerKey()))
        return tooManyAttempts();
    m_codesByPhone.record(phone);
    m_codesByPeer.record(request.peerKey());
    // Known and unknown numbers get the same reply, so the reply does not
    // tell who has an account; a code for an unknown number signs nobody in.
    const bool known = m_context.accounts->accountByPhone(phone).isValid();
    dropExpiredCodes();
    PendingCode pending;
    pending.code = QStringLiteral("%1").arg(QRandomGenerator::system()->bounded(1000000), 6, 10, QLatin1Char('0'));
    pending.expires = QDateTime::currentSecsSinceEpoch() + kCodeLifetimeSeconds;
    m_codes.insert(phone, pending);
    // There is no text-message gateway here. A page on this machine gets the
    // code back; for anyone else it only goes to the service's log, where
    // the person running the service reads it out.
    QJsonObject data{{QStringLiteral("expires_in"), kCodeLifetimeSeconds}};
    if (request.fromLoopback())
        data.insert(QStringLiteral("code"), pending.code);
    else if (known)
        qInfo("sign-in code for %s: %s", qUtf8Printable(phone), qUtf8Printable(pending.code));
    else
        qInfo("sign-in code asked for %s, which no account has", qUtf8Printable(phone));
    return HttpResponse::ok(data);
}

void AccountService::dropExpiredCodes()
{
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (auto it = m_codes.begin(); it != m_codes.end();) {
        if (it->expires < now)
            it = m_codes.erase(it);
        else
            ++it;
    }
}

HttpResponse AccountService::phoneLogin(const HttpRequest &request)
{
    RequestFields fields;
    QString error;
    if (!RequestFields::parse(request, &fields, &error))
        return Replies::badRequest(error);
    const QString phone = fields.text(QStringLiteral("phone")).trimmed();
    const QString code = fields.text(QStringLiteral("code")).trimmed();
    if (phone.isEmpty() || code.isEmpty())
        return Replies::badRequest(QStringLiteral("phone and code are required"));
    if (!mayTrySignIn(request.peerKey(), phone))
        return tooManyAttempts();
    auto it = m_codes.find(phone);
    if (it == m_codes.end() || it->expires < QDateTime::currentSecsSinceEpoch()) {
        signInFailed(request.peerKey(), phone);
        return Replies::refused(kStatusBadCredentials, QStringLiteral("ask for a new code"));
    }
    const Account account = m_context.accounts->accountByPhone(phone);
    if (!PasswordHash::equalConstantTime(it->code.toLatin1(), code.toLatin1()) || !account.isValid()) {
        if (--it->attemptsLeft <= 0)
            m_codes.erase(it);
        signInFailed(request.peerKey(), phone);
        return Replies::refused(kStatusBadCredentials, QStringLiteral("wrong code"));
    }
    m_codes.erase(it);
    const QString cookie = m_context.accounts->openSession(account.id, QStringLiteral("web"), QString());
    if (cookie.isEmpty())
        return Replies::serverError();
    HttpResponse reply = HttpResponse::ok(userObject(account));
    reply.addHeader("Set-Cookie", AccountStore::cookieHeader(kSessionCookie, cookie).toLatin1());
    return reply;
}

HttpResponse AccountService::ssoLogin(const HttpRequest &request)
{
    RequestFields fields;
    QString error;
    if (!RequestFields::parse(request, &fields, &error))
        return Replies::badRequest(error);
    const QString name = fields.text(QStringLiteral("username"));
    const QString password = fields.text(QStringLiteral("password"));
    if (name.isEmpty() || password.isEmpty())
        return Replies::badRequest(QStringLiteral("username and password are required"));
    return passwordSignIn(request, name, password, [this](const Account &account) {
        const QString cookie = m_context.accounts->openSession(account.id, QStringLiteral("sso"), QString());
        if (cookie.isEmpty())
            return Replies::serverError();
        HttpResponse reply = HttpResponse::ok(userObject(account));
        reply.addHeader("Set-Cookie", AccountStore::cookieHeader(kSsoCookie, cookie).toLatin1());
        return reply;
    });
}
