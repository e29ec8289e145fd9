#include "CrashService.h"

#include "Database.h"
#include "FileStore.h"
#include "HttpRequest.h"
#include "Replies.h"
#include "RequestFields.h"
#include "Router.h"
#include "online/LWServiceProtocol.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>

CrashService::CrashService(const ServiceContext &context)
    : m_context(context)
{
}

void CrashService::registerRoutes(Router &router)
{
    router.add("POST", QLatin1String(LWServiceProtocol::kPathCrashUpload), [this](const HttpRequest &r) { return upload(r); },
               kReportLimit);
    router.add("GET", QStringLiteral("/api/crash/reports"), [this](const HttpRequest &r) { return list(r); });
}

HttpResponse CrashService::upload(const HttpRequest &request)
{
    RequestFields fields;
    QString error;
    if (!RequestFields::parse(request, &fields, &error) || !fields.isMultipart())
        return Replies::badRequest(error.isEmpty() ? QStringLiteral("a multipart form is expected") : error);
    const MultipartForm::Part *file = fields.file(QStringLiteral("file"));
    if (!file)
        return Replies::badRequest(QStringLiteral("the part \"file\" is missing"));
    const QString version = fields.text(QStringLiteral("version")).left(64);
    const QString uuid = FileStore::newId();
    const QString fileName = uuid + QStringLiteral(".dmp");
    const FileStore::Saved saved = m_context.files->save(QStringLiteral("crash"), fileName, file->data);
    if (saved != FileStore::Saved::Ok)
        return Replies::notSaved(saved, QStringLiteral("crash reports"));
    if (!m_context.db->run(QStringLiteral("INSERT INTO crashes (uuid, version, file, original_name, size, sender, received)"
                                      " VALUES (?, ?, ?, ?, ?, ?, ?)"),
                       {uuid, version, fileName, file->fileName.left(200), file->data.size(),
                        request.peer.toString(), QDateTime::currentSecsSinceEpoch()}))
        return Replies::serverError();
    return HttpResponse::ok(QJsonObject{{QStringLiteral("id"), uuid}});
}

HttpResponse CrashService::list(const HttpRequest &request)
{
    HttpResponse refusal;
    if (!Replies::localOnly(request, &refusal))
        return refusal;
    QJsonArray reports;
    for (const QVariantMap &row : m_context.db->rows(QStringLiteral("SELECT * FROM crashes ORDER BY id DESC LIMIT 500"))) {
        reports.append(QJsonObject{
            {QStringLiteral("id"), row.value(QStringLiteral("uuid")).toString()},
            {QStringLiteral("version"), row.value(QStringLiteral("version")).toString()},
            {QStringLiteral("name"), row.value(QStringLiteral("original_name")).toString()},
            {QStringLiteral("size"), row.value(QStringLiteral("size")).toLongLong()},
            {QStringLiteral("received"), row.value(QStringLiteral("received")).toLongLong()},
        });
    }
    return HttpResponse::ok(QJsonObject{{QStringLiteral("reports"), reports}});
}
