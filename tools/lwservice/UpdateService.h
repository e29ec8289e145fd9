#pragma once

#include "ServiceContext.h"

#include <QDateTime>
#include <QString>

class HttpRequest;
class HttpResponse;
class Router;

// The update check. The offer comes from the "update" section of
// config.json (version, features, bugFix, file, optional md5); the file
// itself lies in "files/update/" and is served from there.
class UpdateService
{
public:
    explicit UpdateService(const ServiceContext &context);
    void registerRoutes(Router &router);

    bool seedIfMissing() const; // a placeholder installer for the default offer

private:
    HttpResponse check(const HttpRequest &request);
    QString digestOf(const QString &path);

    ServiceContext m_context;
    // The digest of the last file asked about, kept while the file is unchanged.
    QString m_digestPath;
    qint64 m_digestSize = -1;
    QDateTime m_digestTime;
    QString m_digest;
};
