#pragma once

#include "RateLimiter.h"
#include "ServiceContext.h"

#include <QHash>
#include <QString>

#include <functional>

struct Account;
class HttpRequest;
class HttpResponse;
class Router;

// The account service and the enterprise single sign-on service (both under
// "/effect/"), and the sign-in requests of the publishing site's pages.
class AccountService
{
public:
    explicit AccountService(const ServiceContext &context);
    void registerRoutes(Router &router);

    static constexpr int kCodeLifetimeSeconds = 300;
    static constexpr int kCodeAttempts = 5;
    // Sign-in codes asked for, per phone number and per peer, in an hour.
    static constexpr int kCodesPerPhone = 5;
    static constexpr int kCodesPerPeer = 20;
    // Failed sign-ins of any kind per peer in 15 minutes, and failed codes
    // per phone number in an hour; beyond them sign-ins are refused.
    static constexpr int kFailuresPerPeer = 20;
    static constexpr int kFailuresPerPhone = 10;

private:
    struct PendingCode
    {
        QString code;
        qint64 expires = 0;
        int attemptsLeft = kCodeAttempts;
    };

    HttpResponse login(const HttpRequest &request);
    HttpResponse accountInfo(const HttpRequest &request);
    HttpResponse accountLogout(const HttpRequest &request);
    HttpResponse publicInfo(const HttpRequest &request);
    HttpResponse publicLogout(const HttpRequest &request);
    HttpResponse sendCode(const HttpRequest &request);
    HttpResponse phoneLogin(const HttpRequest &request);
    HttpResponse ssoLogin(const HttpRequest &request);

    // Checks the password off the serving thread; the reply is deferred.
    HttpResponse passwordSignIn(const HttpRequest &request, const QString &name, const QString &password,
                                std::function<HttpResponse(const Account &)> signedIn);
    bool mayTrySignIn(const QString &peer, const QString &phone = QString()) const;
    void signInFailed(const QString &peer, const QString &phone = QString());
    void dropExpiredCodes();

    ServiceContext m_context;
    QHash<QString, PendingCode> m_codes; // by phone number; short-lived, kept in memory only
    RateLimiter m_codesByPhone{kCodesPerPhone, 3600};
    RateLimiter m_codesByPeer{kCodesPerPeer, 3600};
    RateLimiter m_failuresByPeer{kFailuresPerPeer, 900};
    RateLimiter m_failuresByPhone{kFailuresPerPhone, 3600};
};
