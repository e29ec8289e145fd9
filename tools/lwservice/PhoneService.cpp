#include "PhoneService.h"

#include "Database.h"
#include "FileStore.h"
#include "HttpRequest.h"
#include "Replies.h"
#include "RequestFields.h"
#include "Router.h"
#include "online/LWServiceProtocol.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>

PhoneService::PhoneService(const ServiceContext &context)
    : m_context(context)
{
}

void PhoneService::registerRoutes(Router &router)
{
    router.add("POST", QLatin1String(LWServiceProtocol::kPathPhoneUpload), [this](const HttpRequest &r) { return receive(r); },
               kUploadLimit);
    router.add("GET", QStringLiteral("/api/phone/packages"), [this](const HttpRequest &r) { return list(r); });
    router.add("GET", QStringLiteral("/upload/files/*"), [this](const HttpRequest &r) { return download(r); });
}

HttpResponse PhoneService::receive(const HttpRequest &request)
{
    RequestFields fields;
    QString error;
    if (!RequestFields::parse(request, &fields, &error) || !fields.isMultipart())
        return Replies::badRequest(error.isEmpty() ? QStringLiteral("a multipart form is expected") : error);
    const MultipartForm::Part *part = fields.file(QStringLiteral("files[]"));
    if (!part)
        part = fields.file(QStringLiteral("file"));
    if (!part)
        return Replies::badRequest(QStringLiteral("the package part \"files[]\" is missing"));
    if (part->data.size() > LWServiceProtocol::kPackageLimit)
        return Replies::tooLarge(QStringLiteral("the package is larger than 5 MB"));
    if (!part->data.startsWith("PK\x03\x04") && !part->data.startsWith("PK\x05\x06"))
        return Replies::badRequest(QStringLiteral("the package is not a zip archive"));
    const QString uuid = FileStore::newId();
    const QString fileName = uuid + QStringLiteral(".zip");
    const QString md5 = QString::fromLatin1(QCryptographicHash::hash(part->data, QCryptographicHash::Md5).toHex());
    const FileStore::Saved saved = m_context.files->save(QStringLiteral("phone"), fileName, part->data);
    if (saved != FileStore::Saved::Ok)
        return Replies::notSaved(saved, QStringLiteral("phone packages"));
    if (!m_context.db->run(QStringLiteral("INSERT INTO phone_packages (uuid, file, original_name, size, md5, sender, received)"
                                      " VALUES (?, ?, ?, ?, ?, ?, ?)"),
                       {uuid, fileName, part->fileName.left(200), part->data.size(), md5, request.peer.toString(),
                        QDateTime::currentSecsSinceEpoch()}))
        return Replies::serverError();
    return HttpResponse::ok(QJsonObject{{QStringLiteral("id"), uuid}, {QStringLiteral("md5"), md5}});
}

HttpResponse PhoneService::list(const HttpRequest &request)
{
    HttpResponse refusal;
    if (!Replies::localOnly(request, &refusal))
        return refusal;
    QJsonArray packages;
    for (const QVariantMap &row : m_context.db->rows(QStringLiteral("SELECT * FROM phone_packages ORDER BY id DESC LIMIT 500"))) {
        const QString uuid = row.value(QStringLiteral("uuid")).toString();
        packages.append(QJsonObject{
            {QStringLiteral("id"), uuid},
            {QStringLiteral("name"), row.value(QStringLiteral("original_name")).toString()},
            {QStringLiteral("size"), row.value(QStringLiteral("size")).toLongLong()},
            {QStringLiteral("md5"), row.value(QStringLiteral("md5")).toString()},
            {QStringLiteral("sender"), row.value(QStringLiteral("sender")).toString()},
            {QStringLiteral("received"), row.value(QStringLiteral("received")).toLongLong()},
            {QStringLiteral("url"), request.absoluteUrl(QStringLiteral("/upload/files/") + uuid + QStringLiteral(".zip"))},
        });
    }
    return HttpResponse::ok(QJsonObject{{QStringLiteral("packages"), packages}});
}

HttpResponse PhoneService::download(const HttpRequest &request)
{
    HttpResponse refusal;
    if (!Replies::localOnly(request, &refusal))
        return refusal;
    const QString name = request.path.mid(int(qstrlen("/upload/files/")));
    if (!FileStore::isSafeName(name))
        return Replies::notFound();
    const QString file = m_context.db->value(QStringLiteral("SELECT file FROM phone_packages WHERE file = ?"), {name}).toString();
    if (file.isEmpty())
        return Replies::notFound();
    HttpResponse reply = HttpResponse::file(m_context.files->privatePath(QStringLiteral("phone"), file), "application/zip");
    reply.setHeader("Content-Disposition", "attachment; filename=\"" + file.toLatin1() + "\"");
    return reply;
}
