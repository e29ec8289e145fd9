#pragma once

#include "ServiceContext.h"

class HttpRequest;
class HttpResponse;
class Router;

// Serves the public file areas at "/files/<area>/<name>". Names are checked
// before they reach the file system, so no request can leave its area.
class FilesService
{
public:
    explicit FilesService(const ServiceContext &context);
    void registerRoutes(Router &router);

private:
    HttpResponse serve(const HttpRequest &request);

    ServiceContext m_context;
};
