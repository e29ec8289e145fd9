#pragma once

#include "ServiceContext.h"

#include <QtGlobal>

class HttpRequest;
class HttpResponse;
class Router;

// The usage event collector: stores every event of a report with the
// report's user and header fields and the body as received.
class AnalyticsService
{
public:
    explicit AnalyticsService(const ServiceContext &context);
    void registerRoutes(Router &router);

    static constexpr qint64 kReportLimit = 1024 * 1024;
    static constexpr int kMaxEventsPerReport = 100;

private:
    HttpResponse collect(const HttpRequest &request);
    HttpResponse list(const HttpRequest &request);

    ServiceContext m_context;
};
