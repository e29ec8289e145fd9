#include "HttpResponse.h"

#include "online/LWServiceProtocol.h"

#include <QFile>
#include <QJsonDocument>

HttpResponse HttpResponse::ok(const QJsonValue &data)
{
    QJsonObject object{{QStringLiteral("status_code"), LWServiceProtocol::kStatusOk},
                       {QStringLiteral("message"), QStringLiteral("success")}};
    if (!data.isUndefined() && !data.isNull())
        object.insert(QStringLiteral("data"), data);
    return json(object);
}

HttpResponse HttpResponse::failure(int httpStatus, int code, const QString &message)
{
    return json(QJsonObject{{QStringLiteral("status_code"), code}, {QStringLiteral("message"), message}}, httpStatus);
}

HttpResponse HttpResponse::json(const QJsonObject &object, int httpStatus)
{
    HttpResponse r;
    r.status = httpStatus;
    r.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    r.setHeader("Content-Type", "application/json; charset=utf-8");
    r.setHeader("Cache-Control", "no-store");
    return r;
}

HttpResponse HttpResponse::html(const QByteArray &page)
{
    HttpResponse r;
    r.body = page;
    r.setHeader("Content-Type", "text/html; charset=utf-8");
    r.setHeader("Cache-Control", "no-store");
    r.setHeader("X-Frame-Options", "DENY");
    return r;
}

HttpResponse HttpResponse::redirect(const QString &location)
{
    HttpResponse r;
    r.status = 302;
    r.setHeader("Location", location.toUtf8());
    r.setHeader("Content-Type", "text/plain; charset=utf-8");
    r.body = "redirect\n";
    return r;
}

HttpResponse HttpResponse::file(const QString &path, const QByteArray &contentType)
{
    HttpResponse r;
    r.filePath = path;
    r.setHeader("Content-Type", contentType);
    return r;
}

HttpResponse HttpResponse::resource(const QString &resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return failure(404, LWServiceProtocol::kStatusNotFound, QStringLiteral("not found"));
    HttpResponse r = html(file.readAll());
    r.setHeader("Content-Type", contentTypeFor(resourcePath));
    return r;
}

HttpResponse HttpResponse::later(std::shared_ptr<DeferredReply> deferred)
{
    HttpResponse r;
    r.deferred = std::move(deferred);
    return r;
}

void DeferredReply::resolve(const HttpResponse &response)
{
    if (m_resolved)
        return;
    m_response = response;
    m_response.deferred.reset();
    m_resolved = true;
    emit resolved();
}

void HttpResponse::setHeader(const QByteArray &name, const QByteArray &value)
{
    const QByteArray lower = name.toLower();
    for (auto &h : headers) {
        if (h.first.toLower() == lower) {
            h.second = value;
            return;
        }
    }
    headers.append({name, value});
}

void HttpResponse::addHeader(const QByteArray &name, const QByteArray &value)
{
    headers.append({name, value});
}

QByteArray HttpResponse::header(const QByteArray &name) const
{
    const QByteArray lower = name.toLower();
    for (const auto &h : headers) {
        if (h.first.toLower() == lower)
            return h.second;
    }
    return QByteArray();
}

QByteArray HttpResponse::reasonPhrase(int status)
{
    switch (status) {
    case 100: return "Continue";
    case 200: return "OK";
    case 302: return "Found";
    case 304: return "Not Modified";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 408: return "Request Timeout";
    case 411: return "Length Required";
    case 413: return "Payload Too Large";
    case 414: return "URI Too Long";
    case 421: return "Misdirected Request";
    case 429: return "Too Many Requests";
    case 431: return "Request Header Fields Too Large";
    case 500: return "Internal Server Error";
    case 501: return "Not Implemented";
    case 503: return "Service Unavailable";
    case 505: return "HTTP Version Not Supported";
    case 507: return "Insufficient Storage";
    default: return "Status";
    }
}

QByteArray HttpResponse::contentTypeFor(const QString &fileName)
{
    const QString lower = fileName.toLower();
    if (lower.endsWith(QLatin1String(".html")))
        return "text/html; charset=utf-8";
    if (lower.endsWith(QLatin1String(".css")))
        return "text/css; charset=utf-8";
    if (lower.endsWith(QLatin1String(".js")))
        return "application/javascript; charset=utf-8";
    if (lower.endsWith(QLatin1String(".png")))
        return "image/png";
    if (lower.endsWith(QLatin1String(".gif")))
        return "image/gif";
    if (lower.endsWith(QLatin1String(".jpg")) || lower.endsWith(QLatin1String(".jpeg")))
        return "image/jpeg";
    if (lower.endsWith(QLatin1String(".zip")))
        return "application/zip";
    if (lower.endsWith(QLatin1String(".json")))
        return "application/json; charset=utf-8";
    return "application/octet-stream";
}
