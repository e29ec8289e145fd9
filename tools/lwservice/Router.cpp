#include "Router.h"

#include "HttpRequest.h"
#include "online/LWServiceProtocol.h"

namespace {

QByteArray effectiveMethod(const QByteArray &method)
{
    return method == "HEAD" ? QByteArray("GET") : method;
}

} // namespace

QString Router::normalise(const QString &path)
{
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p;
}

void Router::add(const QByteArray &method, const QString &path, Handler handler, qint64 bodyLimit)
{
    Route route;
    route.method = method;
    route.prefix = path.endsWith(QLatin1Char('*'));
    route.path = route.prefix ? path.left(path.size() - 1) : normalise(path);
    route.bodyLimit = bodyLimit;
    route.handler = std::move(handler);
    m_routes.append(route);
}

const Router::Route *Router::find(const QByteArray &method, const QString &path, QList<QByteArray> *allowed) const
{
    const QString wanted = normalise(path);
    const QByteArray m = effectiveMethod(method);
    const Route *best = nullptr;
    int bestRank = -1;
    for (const Route &r : m_routes) {
        int rank = -1;
        if (!r.prefix && r.path == wanted)
            rank = 1 << 20; // exact beats any prefix
        else if (r.prefix && path.startsWith(r.path))
            rank = r.path.size();
        if (rank < 0)
            continue;
        if (r.method != m) {
            if (allowed && !allowed->contains(r.method))
                allowed->append(r.method);
            continue;
        }
        if (rank > bestRank) {
            best = &r;
            bestRank = rank;
        }
    }
    return best;
}

HttpResponse Router::dispatch(const HttpRequest &request) const
{
    QList<QByteArray> allowed;
    const Route *route = find(request.method, request.path, &allowed);
    if (route)
        return route->handler(request);
    if (!allowed.isEmpty()) {
        HttpResponse r = HttpResponse::failure(405, LWServiceProtocol::kStatusBadRequest, QStringLiteral("method not allowed"));
        if (allowed.contains("GET"))
            allowed.append("HEAD");
        r.setHeader("Allow", allowed.join(", "));
        return r;
    }
    return HttpResponse::failure(404, LWServiceProtocol::kStatusNotFound, QStringLiteral("not found"));
}

qint64 Router::bodyLimit(const HttpRequest &request) const
{
    const Route *route = find(request.method, request.path, nullptr);
    return route ? route->bodyLimit : kSmallBody;
}
