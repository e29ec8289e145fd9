#pragma once

#include "ServiceContext.h"

#include <QtGlobal>

class HttpRequest;
class HttpResponse;
class Router;

// The material library: a paged list of the catalogue; the files and icons
// themselves are served from "/files/materials/".
class MaterialsService
{
public:
    explicit MaterialsService(const ServiceContext &context);
    void registerRoutes(Router &router);

    static constexpr int kMaxPage = 100;

private:
    HttpResponse list(const HttpRequest &request);

    ServiceContext m_context;
};
