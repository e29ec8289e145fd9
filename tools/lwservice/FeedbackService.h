#pragma once

#include "ServiceContext.h"

#include <QtGlobal>

#include <QString>

class HttpRequest;
class HttpResponse;
class Router;

// Feedback: the author's messages (with an optional screenshot and
// package) and the replies given from the feedback page of this service,
// listed per device; plus the screenshot store.
class FeedbackService
{
public:
    explicit FeedbackService(const ServiceContext &context);
    void registerRoutes(Router &router);

    static constexpr qint64 kMessageRequestLimit = 8 * 1024 * 1024;
    static constexpr qint64 kImageRequestLimit = 8 * 1024 * 1024;
    static constexpr int kMaxContent = 10000;

private:
    HttpResponse records(const HttpRequest &request);
    HttpResponse post(const HttpRequest &request);
    HttpResponse uploadImage(const HttpRequest &request);
    HttpResponse allMessages(const HttpRequest &request);
    HttpResponse reply(const HttpRequest &request);

    // Checks the query every editor request carries; on failure *refusal
    // holds the reply. Returns the device identifier.
    bool checkQuery(const HttpRequest &request, QString *deviceId, HttpResponse *refusal) const;
    QString imageUrl(const HttpRequest &request, const QString &uri) const;

    ServiceContext m_context;
};
