#include "FeedbackService.h"

#include "Database.h"
#include "FileStore.h"
#include "HttpRequest.h"
#include "Replies.h"
#include "RequestFields.h"
#include "Router.h"
#include "UrlForm.h"
#include "online/LWServiceProtocol.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>

using namespace LWServiceProtocol;

namespace {

qint64 now()
{
    return QDateTime::currentSecsSinceEpoch();
}

QString imageSuffix(const QByteArray &bytes)
{
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return QStringLiteral(".png");
    if (bytes.startsWith("\xff\xd8\xff"))
        return QStringLiteral(".jpg");
    return QString();
}

} // namespace

FeedbackService::FeedbackService(const ServiceContext &context)
    : m_context(context)
{
}

void FeedbackService::registerRoutes(Router &router)
{
    router.add("GET", QLatin1String(kPathFeedbackList), [this](const HttpRequest &r) { return records(r); });
    router.add("POST", QLatin1String(kPathFeedbackPost), [this](const HttpRequest &r) { return post(r); }, kMessageRequestLimit);
    router.add("POST", QLatin1String(kPathImageUpload), [this](const HttpRequest &r) { return uploadImage(r); }, kImageRequestLimit);
    router.add("GET", QStringLiteral("/api/feedback/messages"), [this](const HttpRequest &r) { return allMessages(r); });
    router.add("POST", QStringLiteral("/api/feedback/reply"), [this](const HttpRequest &r) { return reply(r); });
}

bool FeedbackService::checkQuery(const HttpRequest &request, QString *deviceId, HttpResponse *refusal) const
{
    const UrlForm query = UrlForm::parse(request.rawQuery);
    if (query.value(QStringLiteral("appkey")) != QLatin1String(kFeedbackAppKey)) {
        *refusal = Replies::forbidden(QStringLiteral("unknown application key"));
        return false;
    }
    *deviceId = query.value(QStringLiteral("device_id")).toUpper();
    if (!query.contains(QStringLiteral("device_id")) || !isValidDeviceId(*deviceId)) {
        *refusal = Replies::badRequest(QStringLiteral("device_id is missing or malformed"));
        return false;
    }
    return true;
}

QString FeedbackService::imageUrl(const HttpRequest &request, const QString &uri) const
{
    return request.absoluteUrl(QStringLiteral("/files/") + uri);
}

HttpResponse FeedbackService::records(const HttpRequest &request)
{
    QString deviceId;
    HttpResponse refusal;
    if (!checkQuery(request, &deviceId, &refusal))
        return refusal;
    // "min_id" is accepted but not applied: the editor always sends the
    // same value and expects the whole conversation.
    bool ok = true;
    const QString countText = request.query(QStringLiteral("count"));
    const int count = countText.isEmpty() ? 50 : countText.toInt(&ok);
    if (!ok || count < 1)
        return Replies::badRequest(QStringLiteral("count must be a positive integer"));
    const auto rows = m_context.db->rows(QStringLiteral("SELECT * FROM (SELECT * FROM feedback WHERE device_id = ?"
                                                        " ORDER BY id DESC LIMIT ?) ORDER BY id"),
                                         {deviceId, qMin(count, 200)});
    QJsonArray data;
    for (const QVariantMap &row : rows) {
        QJsonObject record{{QStringLiteral("id"), row.value(QStringLiteral("id")).toLongLong()},
                           {QStringLiteral("pub_date"), row.value(QStringLiteral("created")).toLongLong()},
                           {QStringLiteral("content"), row.value(QStringLiteral("content")).toString()},
                           {QStringLiteral("type"), row.value(QStringLiteral("type")).toInt()}};
        const QString image = row.value(QStringLiteral("image_uri")).toString();
        if (!image.isEmpty())
            record.insert(QStringLiteral("image_url"), imageUrl(request, image));
        data.append(record);
    }
    QJsonObject reply{{QStringLiteral("status_code"), kStatusOk}, {QStringLiteral("message"), QStringLiteral("success")},
                      {QStringLiteral("data"), data}};
    return HttpResponse::json(reply);
}

HttpResponse FeedbackService::post(const HttpRequest &request)
{
    QString deviceId;
    HttpResponse refusal;
    if (!checkQuery(request, &deviceId, &refusal))
        return refusal;
    RequestFields fields;
    QString error;
    if (!RequestFields::parse(request, &fields, &error))
        return Replies::badRequest(error);
    const QString content = fields.text(QStringLiteral("content")).trimmed();
    if (content.isEmpty() || content.size() > kMaxContent)
        return Replies::badRequest(QStringLiteral("content is required (at most 10000 characters)"));

    // A bad attachment must not cost the author the message: keep the text,
    // leave the attachment out and say so.
    QJsonArray warnings;
    QString image = fields.text(QStringLiteral("image_uri"));
    if (!image.isEmpty()
        && m_context.db->value(QStringLiteral("SELECT COUNT(*) FROM images WHERE uri = ?"), {image}).toInt() == 0) {
        warnings.append(QStringLiteral("image_uri is not a stored screenshot; left out"));
        image.clear();
    }
    QString packageFile;
    if (const MultipartForm::Part *package = fields.file(QStringLiteral("file"))) {
        if (package->data.size() > kPackageLimit || !package->data.startsWith("PK")) {
            warnings.append(QStringLiteral("the attached package is not a zip of at most 5 MB; left out"));
        } else {
            packageFile = FileStore::newId() + QStringLiteral(".zip");
            const FileStore::Saved saved = m_context.files->save(QStringLiteral("feedback"), packageFile, package->data);
            if (saved == FileStore::Saved::Full) {
                warnings.append(QStringLiteral("the service's store of packages is full; the package was left out"));
                packageFile.clear();
            } else if (saved == FileStore::Saved::Failed) {
                return Replies::serverError();
            }
        }
    }
    qint64 id = 0;
    if (!m_context.db->run(QStringLiteral("INSERT INTO feedback (device_id, type, content, contact, image_uri, package_file, created)"
                                   " VALUES (?, 0, ?, ?, ?, ?, ?)"),
                           {deviceId, content, fields.text(QStringLiteral("contact")),
                            image.isEmpty() ? QVariant() : QVariant(image),
                            packageFile.isEmpty() ? QVariant() : QVariant(packageFile), now()},
                           &id))
        return Replies::serverError();
    QJsonObject data{{QStringLiteral("id"), id}};
    if (!warnings.isEmpty())
        data.insert(QStringLiteral("warnings"), warnings);
    return HttpResponse::ok(data);
}

HttpResponse FeedbackService::uploadImage(const HttpRequest &request)
{
    RequestFields fields;
    QString error;
    if (!RequestFields::parse(request, &fields, &error) || !fields.isMultipart())
        return Replies::badRequest(error.isEmpty() ? QStringLiteral("a multipart form is expected") : error);
    const MultipartForm::Part *part = fields.file(QStringLiteral("image"));
    if (!part)
        return Replies::badRequest(QStringLiteral("the part \"image\" is missing"));
    const QString suffix = imageSuffix(part->data);
    if (suffix.isEmpty())
        return Replies::badRequest(QStringLiteral("the image is neither PNG nor JPEG"));
    const QString fileName = FileStore::newId() + suffix;
    const QString uri = QStringLiteral("images/") + fileName;
    const FileStore::Saved saved = m_context.files->save(QStringLiteral("images"), fileName, part->data);
    if (saved != FileStore::Saved::Ok)
        return Replies::notSaved(saved, QStringLiteral("screenshots"));
    if (!m_context.db->run(QStringLiteral("INSERT INTO images (uri, file, size, created) VALUES (?, ?, ?, ?)"),
                       {uri, fileName, part->data.size(), now()}))
        return Replies::serverError();
    return HttpResponse::ok(QJsonObject{{QStringLiteral("web_uri"), uri}, {QStringLiteral("url"), imageUrl(request, uri)}});
}

HttpResponse FeedbackService::allMessages(const HttpRequest &request)
{
    HttpResponse refusal;
    if (!Replies::localOnly(request, &refusal))
        return refusal;
    QJsonArray data;
    for (const QVariantMap &row : m_context.db->rows(QStringLiteral("SELECT * FROM feedback ORDER BY id DESC LIMIT 500"))) {
        const QString image = row.value(QStringLiteral("image_uri")).toString();
        data.append(QJsonObject{
            {QStringLiteral("id"), row.value(QStringLiteral("id")).toLongLong()},
            {QStringLiteral("device_id"), row.value(QStringLiteral("device_id")).toString()},
            {QStringLiteral("type"), row.value(QStringLiteral("type")).toInt()},
            {QStringLiteral("content"), row.value(QStringLiteral("content")).toString()},
            {QStringLiteral("contact"), row.value(QStringLiteral("contact")).toString()},
            {QStringLiteral("image_url"), image.isEmpty() ? QString() : imageUrl(request, image)},
            {QStringLiteral("has_package"), !row.value(QStringLiteral("package_file")).toString().isEmpty()},
            {QStringLiteral("pub_date"), row.value(QStringLiteral("created")).toLongLong()},
        });
    }
    return HttpResponse::ok(QJsonObject{{QStringLiteral("messages"), data}});
}

HttpResponse FeedbackService::reply(const HttpRequest &request)
{
    HttpResponse refusal;
    if (!Replies::localOnly(request, &refusal))
        return refusal;
    // JSON only: a page of another site cannot send that without asking
    // first, so it cannot post replies through the author's browser.
    if (!request.header("content-type").toLower().startsWith("application/json"))
        return Replies::badRequest(QStringLiteral("a JSON body is expected"));
    RequestFields fields;
    QString error;
    if (!RequestFields::parse(request, &fields, &error))
        return Replies::badRequest(error);
    const QString deviceId = fields.text(QStringLiteral("device_id")).toUpper();
    const QString content = fields.text(QStringLiteral("content")).trimmed();
    if (!fields.contains(QStringLiteral("device_id")) || !isValidDeviceId(deviceId) || content.isEmpty()
        || content.size() > kMaxContent)
        return Replies::badRequest(QStringLiteral("device_id and content are required"));
    qint64 id = 0;
    if (!m_context.db->run(QStringLiteral("INSERT INTO feedback (device_id, type, content, created) VALUES (?, 1, ?, ?)"),
                           {deviceId, content, now()}, &id))
        return Replies::serverError();
    return HttpResponse::ok(QJsonObject{{QStringLiteral("id"), id}});
}
