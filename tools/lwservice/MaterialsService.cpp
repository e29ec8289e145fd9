#include "MaterialsService.h"

#include "Database.h"
#include "HttpRequest.h"
#include "Replies.h"
#include "Router.h"
#include "UrlForm.h"
#include "online/LWServiceProtocol.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

QJsonObject urlObject(const HttpRequest &request, const QString &uri)
{
    return QJsonObject{{QStringLiteral("uri"), uri}, {QStringLiteral("url_list"), QJsonArray{request.absoluteUrl(uri)}}};
}

} // namespace

MaterialsService::MaterialsService(const ServiceContext &context)
    : m_context(context)
{
}

void MaterialsService::registerRoutes(Router &router)
{
    router.add("GET", QLatin1String(LWServiceProtocol::kPathMaterials), [this](const HttpRequest &r) { return list(r); });
}

HttpResponse MaterialsService::list(const HttpRequest &request)
{
    const UrlForm query = UrlForm::parse(request.rawQuery);
    bool cursorOk = true;
    bool countOk = true;
    const int cursor = query.contains(QStringLiteral("cursor")) ? query.value(QStringLiteral("cursor")).toInt(&cursorOk) : 0;
    const int count = query.contains(QStringLiteral("count")) ? query.value(QStringLiteral("count")).toInt(&countOk) : 50;
    if (!cursorOk || !countOk || cursor < 0 || count < 1)
        return Replies::badRequest(QStringLiteral("cursor and count must be a non-negative and a positive integer"));
    const int take = qMin(count, kMaxPage);

    QJsonArray materials;
    const auto rows = m_context.db->rows(QStringLiteral("SELECT * FROM materials ORDER BY position, id LIMIT ? OFFSET ?"),
                                         {take + 1, cursor});
    for (int i = 0; i < rows.size() && i < take; ++i) {
        const QVariantMap &row = rows.at(i);
        materials.append(QJsonObject{
            {QStringLiteral("id"), row.value(QStringLiteral("id")).toLongLong()},
            {QStringLiteral("type"), row.value(QStringLiteral("type")).toInt()},
            {QStringLiteral("name"), row.value(QStringLiteral("name")).toString()},
            {QStringLiteral("size"), row.value(QStringLiteral("size")).toLongLong()},
            {QStringLiteral("fileUrl"), urlObject(request, QStringLiteral("/files/materials/") + row.value(QStringLiteral("file")).toString())},
            {QStringLiteral("iconUrl"), urlObject(request, QStringLiteral("/files/materials/") + row.value(QStringLiteral("icon")).toString())},
        });
    }
    const bool more = rows.size() > take;
    return HttpResponse::ok(QJsonObject{{QStringLiteral("materials"), materials},
                                        {QStringLiteral("cursor"), cursor + materials.size()},
                                        {QStringLiteral("has_more"), more}});
}
