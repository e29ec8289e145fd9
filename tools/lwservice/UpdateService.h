#pragma once

#include "ServiceContext.h"

#include <QDateTime>
#include <QString>

class HttpRequest;
class HttpResponse;
class Router;

// The update check. The offer comes from the "update" section of
// config.json (version, features, bugFix, file, optional md5); the file
// itself lies in "files/update/" and is served from there. The reply
// carries an Ed25519 signature over the file's SHA-256 digest.
class UpdateService
{
public:
    explicit UpdateService(const ServiceContext &context);
    void registerRoutes(Router &router);

    bool seedIfMissing() const; // a placeholder installer for the default offer

private:
    HttpResponse check(const HttpRequest &request);
    // The MD5 (hex) and SHA-256 (raw) of a file, read in one pass.
    bool digestsOf(const QString &path, QString *md5, QByteArray *sha256);

    ServiceContext m_context;
    // The digest of the last file asked about, kept while the file is unchanged.
    QString m_digestPath;
    qint64 m_digestSize = -1;
    QDateTime m_digestTime;
    QString m_md5;
    QByteArray m_sha256;
};
