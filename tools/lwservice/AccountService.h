#pragma once

#include "ServiceContext.h"

#include <QHash>
#include <QString>

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

    ServiceContext m_context;
    QHash<QString, PendingCode> m_codes; // by phone number; short-lived, kept in memory only
};
