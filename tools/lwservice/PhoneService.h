#pragma once

#include "ServiceContext.h"
#include "online/LWServiceProtocol.h"

#include <QtGlobal>

class HttpRequest;
class HttpResponse;
class Router;

// The phone preview receiver: takes the packages the editor's "sync to
// phone" sends to "/upload", keeps them and lists them on the "/upload"
// page, where they can be downloaded again.
class PhoneService
{
public:
    explicit PhoneService(const ServiceContext &context);
    void registerRoutes(Router &router);

    // One package of at most the package limit, with room for the form
    // around it; the editor never sends more.
    static constexpr qint64 kUploadLimit = LWServiceProtocol::kPackageLimit + 64 * 1024;

private:
    HttpResponse receive(const HttpRequest &request);
    HttpResponse list(const HttpRequest &request);
    HttpResponse download(const HttpRequest &request);

    ServiceContext m_context;
};
