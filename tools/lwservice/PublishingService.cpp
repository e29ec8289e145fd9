#include "PublishingService.h"

#include "AccountStore.h"
#include "Database.h"
#include "FileStore.h"
#include "HttpRequest.h"
#include "Replies.h"
#include "RequestFields.h"
#include "Router.h"
#include "online/LWServiceProtocol.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

using namespace LWServiceProtocol;

namespace {

qint64 now()
{
    return QDateTime::currentSecsSinceEpoch();
}

QString md5Of(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

bool looksLikeZip(const QByteArray &bytes)
{
    return bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
}

bool looksLikePng(const QByteArray &bytes)
{
    return bytes.startsWith("\x89PNG\r\n\x1a\n");
}

QString timeText(qint64 secs)
{
    return QDateTime::fromSecsSinceEpoch(secs).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

// Optional decimal fields: absent stays NULL; anything else must be an int.
bool optionalInt(const RequestFields &fields, const QString &name, QVariant *value)
{
    if (!fields.contains(name)) {
        *value = QVariant();
        return true;
    }
    bool ok = false;
    const int v = fields.text(name).trimmed().toInt(&ok);
    *value = v;
    return ok;
}

} // namespace

PublishingService::PublishingService(const ServiceContext &context)
    : m_context(context)
{
}

void PublishingService::registerRoutes(Router &router)
{
    router.add("POST", QLatin1String(kPathSubmit), [this](const HttpRequest &r) { return submit(r); }, kPackageRequestLimit);
    router.add("GET", QLatin1String(kPathPreviousEffects), [this](const HttpRequest &r) { return previousEffects(r); });
    router.add("POST", QLatin1String(kPathIconUpload), [this](const HttpRequest &r) { return uploadIcon(r); }, kIconRequestLimit);
    router.add("POST", QLatin1String(kPathPreview), [this](const HttpRequest &r) { return preview(r); }, kPackageRequestLimit);
    router.add("GET", QStringLiteral("/api/effect/draft"), [this](const HttpRequest &r) { return latestDraft(r); });
    router.add("POST", QLatin1String(kPathPageUpload), [this](const HttpRequest &r) { return pageUpload(r); }, kPackageRequestLimit);
    router.add("POST", QStringLiteral("/api/effect/publish"), [this](const HttpRequest &r) { return publishUpload(r); });
}

bool PublishingService::takePackage(const RequestFields &fields, QByteArray *bytes, HttpResponse *error) const
{
    const MultipartForm::Part *part = fields.file(QStringLiteral("file"));
    if (!part) {
        *error = Replies::badRequest(QStringLiteral("the package part \"file\" is missing"));
        return false;
    }
    if (part->data.size() > kPackageLimit) {
        *error = Replies::tooLarge(QStringLiteral("the package is larger than 5 MB"));
        return false;
    }
    if (!looksLikeZip(part->data)) {
        *error = Replies::badRequest(QStringLiteral("the package is not a zip archive"));
        return false;
    }
    *bytes = part->data;
    return true;
}

bool PublishingService::knownIcon(const QString &uri) const
{
    return m_context.db->value(QStringLiteral("SELECT COUNT(*) FROM icons WHERE uri = ?"), {uri}).toInt() > 0;
}

int PublishingService::dropStaleUploads()
{
    const auto stale = m_context.db->rows(QStringLiteral("SELECT uuid, file FROM page_uploads WHERE claimed = 0 AND created < ?"),
                                          {now() - kPendingUploadLifetime});
    int dropped = 0;
    for (const QVariantMap &row : stale) {
        m_context.files->remove(QStringLiteral("uploads"), row.value(QStringLiteral("file")).toString());
        if (m_context.db->run(QStringLiteral("DELETE FROM page_uploads WHERE uuid = ?"), {row.value(QStringLiteral("uuid"))}))
            ++dropped;
    }
    return dropped;
}

HttpResponse PublishingService::submit(const HttpRequest &request)
{
    const Account account = m_context.accounts->signedIn(request);
    if (!account.isValid())
        return Replies::notSignedIn();
    RequestFields fields;
    QString parseError;
    if (!RequestFields::parse(request, &fields, &parseError) || !fields.isMultipart())
        return Replies::badRequest(parseError.isEmpty() ? QStringLiteral("a multipart form is expected") : parseError);
    HttpResponse error;
    QByteArray package;
    if (!takePackage(fields, &package, &error))
        return error;
    const QString name = fields.text(QStringLiteral("name")).trimmed();
    if (name.isEmpty() || name.size() > 100)
        return Replies::badRequest(QStringLiteral("name is required (at most 100 characters)"));
    QVariant subType, type;
    if (!optionalInt(fields, QStringLiteral("subType"), &subType) || !optionalInt(fields, QStringLiteral("type"), &type))
        return Replies::badRequest(QStringLiteral("subType and type must be integers"));
    const QString icon = fields.text(QStringLiteral("icon"));
    if (!icon.isEmpty() && !knownIcon(icon))
        return Replies::badRequest(QStringLiteral("icon is not a reference returned by the icon upload"));
    const int state = fields.text(QStringLiteral("review")) == QLatin1String("1") ? 1 : 0;

    QString uuid = fields.text(QStringLiteral("id"));
    const bool replacing = !uuid.isEmpty();
    if (replacing) {
        const QVariant owner = m_context.db->value(QStringLiteral("SELECT account_id FROM effects WHERE uuid = ?"), {uuid});
        if (!owner.isValid() || owner.toLongLong() != account.id)
            return Replies::notFound(QStringLiteral("no effect of yours has this id"));
    } else {
        uuid = FileStore::newId();
    }
    const QString fileName = uuid + QStringLiteral(".zip");
    const FileStore::Saved saved = m_context.files->save(QStringLiteral("effects"), fileName, package);
    if (saved != FileStore::Saved::Ok)
        return Replies::notSaved(saved, QStringLiteral("effects"));

    const QVariantList values{name, fields.text(QStringLiteral("instructions")), fields.text(QStringLiteral("description")),
                              subType, type, icon.isEmpty() ? QVariant() : QVariant(icon), state, fileName,
                              package.size(), md5Of(package), now()};
    bool ok = false;
    if (replacing) {
        ok = m_context.db->run(QStringLiteral("UPDATE effects SET name = ?, instructions = ?, description = ?, sub_type = ?,"
                                              " type = ?, icon = ?, state = ?, file = ?, size = ?, md5 = ?, updated = ?"
                                              " WHERE uuid = ?"),
                               values + QVariantList{uuid});
    } else {
        ok = m_context.db->run(QStringLiteral("INSERT INTO effects (name, instructions, description, sub_type, type, icon,"
                                              " state, file, size, md5, updated, uuid, account_id, created)"
                                              " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                               values + QVariantList{uuid, account.id, now()});
    }
    if (!ok)
        return Replies::serverError();
    return HttpResponse::ok(QJsonObject{{QStringLiteral("id"), uuid}});
}

HttpResponse PublishingService::previousEffects(const HttpRequest &request)
{
    const Account account = m_context.accounts->signedIn(request);
    if (!account.isValid())
        return Replies::notSignedIn();
    QJsonArray effects;
    const auto rows = m_context.db->rows(QStringLiteral("SELECT * FROM effects WHERE account_id = ? ORDER BY updated DESC, id DESC"),
                                         {account.id});
    for (const QVariantMap &row : rows) {
        const QString icon = row.value(QStringLiteral("icon")).toString();
        QJsonArray urls;
        if (!icon.isEmpty())
            urls.append(request.absoluteUrl(icon));
        effects.append(QJsonObject{
            {QStringLiteral("uuid"), row.value(QStringLiteral("uuid")).toString()},
            {QStringLiteral("name"), row.value(QStringLiteral("name")).toString()},
            {QStringLiteral("description"), row.value(QStringLiteral("description")).toString()},
            {QStringLiteral("instructions"), row.value(QStringLiteral("instructions")).toString()},
            {QStringLiteral("time"), timeText(row.value(QStringLiteral("updated")).toLongLong())},
            {QStringLiteral("stateCode"), row.value(QStringLiteral("state")).toInt()},
            {QStringLiteral("size"), row.value(QStringLiteral("size")).toLongLong()},
            {QStringLiteral("iconUrl"), QJsonObject{{QStringLiteral("uri"), icon}, {QStringLiteral("urlList"), urls}}},
        });
    }
    return HttpResponse::ok(QJsonObject{{QStringLiteral("effects"), effects}});
}

HttpResponse PublishingService::uploadIcon(const HttpRequest &request)
{
    RequestFields fields;
    QString parseError;
    if (!RequestFields::parse(request, &fields, &parseError) || !fields.isMultipart())
        return Replies::badRequest(parseError.isEmpty() ? QStringLiteral("a multipart form is expected") : parseError);
    const MultipartForm::Part *part = fields.file(QStringLiteral("file"));
    if (!part)
        return Replies::badRequest(QStringLiteral("the icon part \"file\" is missing"));
    if (part->data.size() > kIconLimit)
        return Replies::tooLarge(QStringLiteral("the icon is larger than 40960 bytes"));
    if (!looksLikePng(part->data))
        return Replies::badRequest(QStringLiteral("the icon is not a PNG image"));
    const QString fileName = FileStore::newId() + QStringLiteral(".png");
    const QString uri = QStringLiteral("/files/icons/") + fileName;
    const FileStore::Saved saved = m_context.files->save(QStringLiteral("icons"), fileName, part->data);
    if (saved != FileStore::Saved::Ok)
        return Replies::notSaved(saved, QStringLiteral("icons"));
    if (!m_context.db->run(QStringLiteral("INSERT INTO icons (uri, file, size, created) VALUES (?, ?, ?, ?)"),
                       {uri, fileName, part->data.size(), now()}))
        return Replies::serverError();
    return HttpResponse::ok(QJsonObject{{QStringLiteral("uri"), uri}, {QStringLiteral("url"), request.absoluteUrl(uri)}});
}

HttpResponse PublishingService::preview(const HttpRequest &request)
{
    RequestFields fields;
    QString parseError;
    if (!RequestFields::parse(request, &fields, &parseError) || !fields.isMultipart())
        return Replies::badRequest(parseError.isEmpty() ? QStringLiteral("a multipart form is expected") : parseError);
    HttpResponse error;
    QByteArray package;
    if (!takePackage(fields, &package, &error))
        return error;
    // Without a device identifier the draft belongs to the anonymous device "".
    QString deviceId = fields.text(QStringLiteral("deviceId")).toUpper();
    if (deviceId.isNull())
        deviceId = QString::fromLatin1("");
    if (!isValidDeviceId(deviceId))
        return Replies::badRequest(QStringLiteral("deviceId is malformed"));

    // A draft is replaced in place only by the device that made it; any
    // other id starts a new draft rather than touching someone else's.
    QString uuid = fields.text(QStringLiteral("id"));
    const bool replacing = !uuid.isEmpty()
        && m_context.db->value(QStringLiteral("SELECT COUNT(*) FROM drafts WHERE uuid = ? AND device_id = ?"), {uuid, deviceId})
                   .toInt() == 1;
    if (!replacing)
        uuid = FileStore::newId();
    const QString fileName = uuid + QStringLiteral(".zip");
    const FileStore::Saved saved = m_context.files->save(QStringLiteral("drafts"), fileName, package);
    if (saved != FileStore::Saved::Ok)
        return Replies::notSaved(saved, QStringLiteral("drafts"));
    const QString name = fields.text(QStringLiteral("name"));
    const bool ok = replacing
        ? m_context.db->run(QStringLiteral("UPDATE drafts SET name = ?, size = ?, md5 = ?, updated = ? WHERE uuid = ?"),
                            {name, package.size(), md5Of(package), now(), uuid})
        : m_context.db->run(QStringLiteral("INSERT INTO drafts (uuid, device_id, name, file, size, md5, created, updated)"
                                           " VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                            {uuid, deviceId, name, fileName, package.size(), md5Of(package), now(), now()});
    if (!ok)
        return Replies::serverError();
    return HttpResponse::ok(QJsonObject{{QStringLiteral("id"), uuid}});
}

HttpResponse PublishingService::latestDraft(const HttpRequest &request)
{
    const QString deviceId = request.query(QStringLiteral("device_id")).toUpper();
    if (!isValidDeviceId(deviceId))
        return Replies::badRequest(QStringLiteral("device_id is malformed"));
    const QVariantMap row = m_context.db->row(QStringLiteral("SELECT * FROM drafts WHERE device_id = ? ORDER BY updated DESC, rowid DESC LIMIT 1"),
                                              {deviceId});
    if (row.isEmpty())
        return Replies::notFound(QStringLiteral("this device has no draft"));
    const QString uri = QStringLiteral("/files/drafts/") + row.value(QStringLiteral("file")).toString();
    return HttpResponse::ok(QJsonObject{
        {QStringLiteral("id"), row.value(QStringLiteral("uuid")).toString()},
        {QStringLiteral("name"), row.value(QStringLiteral("name")).toString()},
        {QStringLiteral("size"), row.value(QStringLiteral("size")).toLongLong()},
        {QStringLiteral("md5"), row.value(QStringLiteral("md5")).toString()},
        {QStringLiteral("time"), row.value(QStringLiteral("updated")).toLongLong()},
        {QStringLiteral("uri"), uri},
        {QStringLiteral("url"), request.absoluteUrl(uri)},
    });
}

HttpResponse PublishingService::pageUpload(const HttpRequest &request)
{
    // The upload is published later by a second request; only the account
    // that made it may do that, so it must be known now.
    const Account account = m_context.accounts->signedIn(request);
    if (!account.isValid())
        return Replies::notSignedIn();
    RequestFields fields;
    QString parseError;
    if (!RequestFields::parse(request, &fields, &parseError) || !fields.isMultipart())
        return Replies::badRequest(parseError.isEmpty() ? QStringLiteral("a multipart form is expected") : parseError);
    HttpResponse error;
    QByteArray package;
    if (!takePackage(fields, &package, &error))
        return error;
    const QString uuid = FileStore::newId();
    const QString fileName = uuid + QStringLiteral(".zip");
    FileStore::Saved saved = m_context.files->save(QStringLiteral("uploads"), fileName, package);
    if (saved == FileStore::Saved::Full && dropStaleUploads() > 0)
        saved = m_context.files->save(QStringLiteral("uploads"), fileName, package);
    if (saved != FileStore::Saved::Ok)
        return Replies::notSaved(saved, QStringLiteral("uploads"));
    if (!m_context.db->run(QStringLiteral("INSERT INTO page_uploads (uuid, file, size, md5, account_id, created)"
                                      " VALUES (?, ?, ?, ?, ?, ?)"),
                       {uuid, fileName, package.size(), md5Of(package), account.id, now()}))
        return Replies::serverError();
    return HttpResponse::ok(QJsonObject{{QStringLiteral("id"), uuid}, {QStringLiteral("size"), package.size()}});
}

HttpResponse PublishingService::publishUpload(const HttpRequest &request)
{
    const Account account = m_context.accounts->signedIn(request);
    if (!account.isValid())
        return Replies::notSignedIn();
    RequestFields fields;
    QString parseError;
    if (!RequestFields::parse(request, &fields, &parseError))
        return Replies::badRequest(parseError);
    const QString id = fields.text(QStringLiteral("id"));
    const QString name = fields.text(QStringLiteral("name")).trimmed();
    if (id.isEmpty() || name.isEmpty() || name.size() > 100)
        return Replies::badRequest(QStringLiteral("id and name are required (name at most 100 characters)"));
    const QVariantMap upload = m_context.db->row(QStringLiteral("SELECT * FROM page_uploads WHERE uuid = ? AND claimed = 0"), {id});
    // An upload without an owner (made before owners were recorded) is
    // nobody's to publish.
    const QVariant owner = upload.value(QStringLiteral("account_id"));
    if (upload.isEmpty() || owner.isNull() || owner.toLongLong() != account.id)
        return Replies::notFound(QStringLiteral("no pending upload has this id"));

    const QString uuid = FileStore::newId();
    const QString fileName = uuid + QStringLiteral(".zip");
    QFile source(m_context.files->privatePath(QStringLiteral("uploads"), upload.value(QStringLiteral("file")).toString()));
    if (!source.open(QIODevice::ReadOnly))
        return Replies::serverError();
    const QByteArray package = source.readAll();
    const FileStore::Saved saved = m_context.files->save(QStringLiteral("effects"), fileName, package);
    if (saved != FileStore::Saved::Ok)
        return Replies::notSaved(saved, QStringLiteral("effects"));
    if (!m_context.db->begin())
        return Replies::serverError();
    const bool ok = m_context.db->run(QStringLiteral("UPDATE page_uploads SET claimed = 1 WHERE uuid = ?"), {id})
        && m_context.db->run(QStringLiteral("INSERT INTO effects (uuid, account_id, name, instructions, description, state,"
                                            " file, size, md5, created, updated) VALUES (?, ?, ?, ?, ?, 1, ?, ?, ?, ?, ?)"),
                             {uuid, account.id, name, fields.text(QStringLiteral("instructions")),
                              fields.text(QStringLiteral("description")), fileName, package.size(), md5Of(package), now(), now()});
    if (!ok || !m_context.db->commit()) {
        m_context.db->rollback();
        return Replies::serverError();
    }
    source.close();
    m_context.files->remove(QStringLiteral("uploads"), upload.value(QStringLiteral("file")).toString());
    return HttpResponse::ok(QJsonObject{{QStringLiteral("id"), uuid}});
}
