#pragma once

#include "ServiceContext.h"

#include <QtGlobal>

#include <QByteArray>
#include <QString>

class HttpRequest;
class HttpResponse;
class RequestFields;
class Router;

// The publishing service: submissions for review, the author's earlier
// effects, effect icons, draft previews for the phone, and the two-step
// upload of the publishing site's upload page.
class PublishingService
{
public:
    explicit PublishingService(const ServiceContext &context);
    void registerRoutes(Router &router);

    static constexpr qint64 kPackageRequestLimit = 8 * 1024 * 1024;
    static constexpr qint64 kIconRequestLimit = 1024 * 1024;
    // An upload of the upload page not published within this time is
    // dropped when the store of uploads runs full.
    static constexpr qint64 kPendingUploadLifetime = 24 * 3600;

private:
    HttpResponse submit(const HttpRequest &request);
    HttpResponse previousEffects(const HttpRequest &request);
    HttpResponse uploadIcon(const HttpRequest &request);
    HttpResponse preview(const HttpRequest &request);
    HttpResponse latestDraft(const HttpRequest &request);
    HttpResponse pageUpload(const HttpRequest &request);
    HttpResponse publishUpload(const HttpRequest &request);

    // Reads and checks the package part; on failure *error holds the reply.
    bool takePackage(const RequestFields &fields, QByteArray *bytes, HttpResponse *error) const;
    bool knownIcon(const QString &uri) const;
    int dropStaleUploads(); // returns how many went

    ServiceContext m_context;
};
