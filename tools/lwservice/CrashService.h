#pragma once

#include "ServiceContext.h"

#include <QtGlobal>

class HttpRequest;
class HttpResponse;
class Router;

// Crash reports sent by the crash helper: multipart fields "version" and
// "file". A 2xx reply tells the helper it may delete its copy, so the
// reply comes only after the report is stored.
class CrashService
{
public:
    explicit CrashService(const ServiceContext &context);
    void registerRoutes(Router &router);

    static constexpr qint64 kReportLimit = 16 * 1024 * 1024;

private:
    HttpResponse upload(const HttpRequest &request);
    HttpResponse list(const HttpRequest &request);

    ServiceContext m_context;
};
