#include "UpdateService.h"

#include "FileStore.h"
#include "HttpRequest.h"
#include "Replies.h"
#include "Router.h"
#include "ServerConfig.h"
#include "online/LWServiceProtocol.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

UpdateService::UpdateService(const ServiceContext &context)
    : m_context(context)
{
}

void UpdateService::registerRoutes(Router &router)
{
    router.add("GET", QLatin1String(LWServiceProtocol::kPathUpdate), [this](const HttpRequest &r) { return check(r); });
}

bool UpdateService::seedIfMissing() const
{
    const QString path = m_context.files->publicPath(QStringLiteral("update"), QStringLiteral("GlowsmithSetup"));
    if (QFile::exists(path))
        return true;
    return FileStore::write(path, "Placeholder installer offered by lwservice.\n"
                                  "Put a real one in files/update/ and name it in the \"update\" section of config.json.\n");
}

QString UpdateService::digestOf(const QString &path)
{
    const QFileInfo info(path);
    if (path == m_digestPath && info.size() == m_digestSize && info.lastModified() == m_digestTime)
        return m_digest;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!hash.addData(&file))
        return QString();
    m_digestPath = path;
    m_digestSize = info.size();
    m_digestTime = info.lastModified();
    m_digest = QString::fromLatin1(hash.result().toHex());
    return m_digest;
}

HttpResponse UpdateService::check(const HttpRequest &request)
{
    const QJsonObject offer = m_context.config->section(QStringLiteral("update"));
    const QString version = offer.value(QStringLiteral("version")).toString();
    const QString file = offer.value(QStringLiteral("file")).toString();
    const QString path = m_context.files->publicPath(QStringLiteral("update"), file);
    if (version.isEmpty() || !FileStore::isSafeName(file) || !QFileInfo(path).isFile())
        return Replies::refused(LWServiceProtocol::kStatusNotFound, QStringLiteral("no release is offered"));
    // A configured digest wins, so a wrong one can be offered on purpose.
    QString md5 = offer.value(QStringLiteral("md5")).toString();
    if (md5.isEmpty())
        md5 = digestOf(path);
    if (md5.isEmpty())
        return Replies::serverError(QStringLiteral("the offered file cannot be read"));
    const QString uri = QStringLiteral("/files/update/") + file;
    return HttpResponse::ok(QJsonObject{
        {QStringLiteral("version"), version},
        {QStringLiteral("md5"), md5},
        {QStringLiteral("features"), offer.value(QStringLiteral("features")).toString()},
        {QStringLiteral("bugFix"), offer.value(QStringLiteral("bugFix")).toString()},
        {QStringLiteral("download_url"),
         QJsonObject{{QStringLiteral("uri"), uri}, {QStringLiteral("url_list"), QJsonArray{request.absoluteUrl(uri)}}}},
    });
}
