#include "AnalyticsService.h"

#include "Database.h"
#include "HttpRequest.h"
#include "Replies.h"
#include "Router.h"
#include "online/LWServiceProtocol.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

AnalyticsService::AnalyticsService(const ServiceContext &context)
    : m_context(context)
{
}

void AnalyticsService::registerRoutes(Router &router)
{
    router.add("POST", QLatin1String(LWServiceProtocol::kPathAnalytics), [this](const HttpRequest &r) { return collect(r); },
               kReportLimit);
    router.add("GET", QStringLiteral("/api/analytics/events"), [this](const HttpRequest &r) { return list(r); });
}

HttpResponse AnalyticsService::collect(const HttpRequest &request)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(request.body, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return Replies::badRequest(QStringLiteral("the report is not a JSON object"));
    const QJsonObject report = doc.object();
    const QJsonArray events = report.value(QStringLiteral("events")).toArray();
    if (events.isEmpty() || events.size() > kMaxEventsPerReport)
        return Replies::badRequest(QStringLiteral("events must be an array of 1 to 100 events"));
    for (const QJsonValue &e : events) {
        if (e.toObject().value(QStringLiteral("event")).toString().isEmpty())
            return Replies::badRequest(QStringLiteral("every event needs an \"event\" name"));
    }

    const QJsonObject user = report.value(QStringLiteral("user")).toObject();
    const QJsonObject header = report.value(QStringLiteral("header")).toObject();
    const QString body = QString::fromUtf8(request.body);
    const qint64 received = QDateTime::currentSecsSinceEpoch();
    if (!m_context.db->begin())
        return Replies::serverError();
    for (const QJsonValue &value : events) {
        const QJsonObject e = value.toObject();
        const QJsonValue params = e.value(QStringLiteral("params"));
        const QString paramsText = params.isString()
            ? params.toString()
            : QString::fromUtf8(QJsonDocument(params.toObject()).toJson(QJsonDocument::Compact));
        const QVariant time = e.value(QStringLiteral("time")).isDouble() ? QVariant(qint64(e.value(QStringLiteral("time")).toDouble()))
                                                                           : QVariant();
        const bool ok = m_context.db->run(
            QStringLiteral("INSERT INTO events (event, params, time, user_unique_id, user_is_login, app_id, app_version,"
                           " os_name, os_version, received, body) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {e.value(QStringLiteral("event")).toString(), paramsText, time,
             user.value(QStringLiteral("user_unique_id")).toString(), user.value(QStringLiteral("user_is_login")).toBool() ? 1 : 0,
             header.value(QStringLiteral("app_id")).toInt(), header.value(QStringLiteral("app_version")).toString(),
             header.value(QStringLiteral("os_name")).toString(), header.value(QStringLiteral("os_version")).toString(),
             received, body});
        if (!ok) {
            m_context.db->rollback();
            return Replies::serverError();
        }
    }
    if (!m_context.db->commit())
        return Replies::serverError();
    return HttpResponse::ok(QJsonObject{{QStringLiteral("received"), events.size()}});
}

HttpResponse AnalyticsService::list(const HttpRequest &request)
{
    HttpResponse refusal;
    if (!Replies::localOnly(request, &refusal))
        return refusal;
    bool ok = true;
    const QString limitText = request.query(QStringLiteral("limit"));
    const int limit = limitText.isEmpty() ? 100 : limitText.toInt(&ok);
    if (!ok || limit < 1)
        return Replies::badRequest(QStringLiteral("limit must be a positive integer"));
    const QString name = request.query(QStringLiteral("event"));
    const auto rows = name.isEmpty()
        ? m_context.db->rows(QStringLiteral("SELECT * FROM events ORDER BY id DESC LIMIT ?"), {qMin(limit, 1000)})
        : m_context.db->rows(QStringLiteral("SELECT * FROM events WHERE event = ? ORDER BY id DESC LIMIT ?"), {name, qMin(limit, 1000)});
    QJsonArray events;
    for (const QVariantMap &row : rows) {
        events.append(QJsonObject{
            {QStringLiteral("id"), row.value(QStringLiteral("id")).toLongLong()},
            {QStringLiteral("event"), row.value(QStringLiteral("event")).toString()},
            {QStringLiteral("params"), row.value(QStringLiteral("params")).toString()},
            {QStringLiteral("time"), row.value(QStringLiteral("time")).toLongLong()},
            {QStringLiteral("user_unique_id"), row.value(QStringLiteral("user_unique_id")).toString()},
            {QStringLiteral("user_is_login"), row.value(QStringLiteral("user_is_login")).toInt() != 0},
            {QStringLiteral("app_id"), row.value(QStringLiteral("app_id")).toInt()},
            {QStringLiteral("app_version"), row.value(QStringLiteral("app_version")).toString()},
            {QStringLiteral("os_name"), row.value(QStringLiteral("os_name")).toString()},
            {QStringLiteral("os_version"), row.value(QStringLiteral("os_version")).toString()},
            {QStringLiteral("received"), row.value(QStringLiteral("received")).toLongLong()},
            {QStringLiteral("body"), row.value(QStringLiteral("body")).toString()},
        });
    }
    return HttpResponse::ok(QJsonObject{{QStringLiteral("events"), events}});
}
