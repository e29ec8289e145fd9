#pragma once

#include "ServiceContext.h"

#include <QString>

class HttpRequest;
class HttpResponse;
class Router;

// The web pages: the publishing site (sign-in, upload through the editor's
// bridge, the author's effects, the tutorial), the enterprise site with its
// sign-in, and the inspection pages of this service. Pages are static files
// of the tool's resources; their scripts fetch the JSON they show.
class PagesService
{
public:
    explicit PagesService(const ServiceContext &context);
    void registerRoutes(Router &router);

private:
    void page(Router &router, const QString &path, const QString &file, bool localOnly = false);
    HttpResponse ssoSite(const HttpRequest &request);
    HttpResponse asset(const HttpRequest &request);

    ServiceContext m_context;
};
