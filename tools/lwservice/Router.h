#pragma once

#include "HttpResponse.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class HttpRequest;

// Maps method and path to a handler. A path ending in "*" matches every
// path under it; exact paths win over prefixes and longer prefixes over
// shorter ones. A trailing "/" is not significant. HEAD runs the GET
// handler (the connection drops the body).
class Router
{
public:
    using Handler = std::function<HttpResponse(const HttpRequest &)>;

    static constexpr qint64 kSmallBody = 64 * 1024;

    void add(const QByteArray &method, const QString &path, Handler handler, qint64 bodyLimit = kSmallBody);

    HttpResponse dispatch(const HttpRequest &request) const;
    qint64 bodyLimit(const HttpRequest &request) const;

private:
    struct Route
    {
        QByteArray method;
        QString path; // without the trailing "*" of a prefix, normalised
        bool prefix = false;
        qint64 bodyLimit = kSmallBody;
        Handler handler;
    };

    const Route *find(const QByteArray &method, const QString &path, QList<QByteArray> *allowed) const;
    static QString normalise(const QString &path);

    QList<Route> m_routes;
};
