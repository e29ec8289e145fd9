#include "UpdateService.h"

#include "FileStore.h"
#include "HttpRequest.h"
#include "Replies.h"
#include "Router.h"
#include "ServerConfig.h"
#include "UpdateSigner.h"
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

bool UpdateService::digestsOf(const QString &path, QString *md5, QByteArray *sha256)
{
    const QFileInfo info(path);
    if (path != m_digestPath || info.size() != m_digestSize || info.lastModified() != m_digestTime) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QCryptographicHash md5Hash(QCryptographicHash::Md5);
        QCryptographicHash shaHash(QCryptographicHash::Sha256);
        while (!file.atEnd()) {
            const QByteArray block = file.read(1 << 20);
            if (block.isEmpty() && file.error() != QFileDevice::NoError)
                return false;
            md5Hash.addData(block);
            shaHash.addData(block);
        }
        m_digestPath = path;
        m_digestSize = info.size();
        m_digestTime = info.lastModified();
        m_md5 = QString::fromLatin1(md5Hash.result().toHex());
        m_sha256 = shaHash.result();
    }
    *md5 = m_md5;
    *sha256 = m_sha256;
    return true;
}

HttpResponse UpdateService::check(const HttpRequest &request)
{
    const QJsonObject offer = m_context.config->section(QStringLiteral("update"));
    const QString version = offer.value(QStringLiteral("version")).toString();
    const QString file = offer.value(QStringLiteral("file")).toString();
    const QString path = m_context.files->publicPath(QStringLiteral("update"), file);
    if (version.isEmpty() || !FileStore::isSafeName(file) || !QFileInfo(path).isFile())
        return Replies::refused(LWServiceProtocol::kStatusNotFound, QStringLiteral("no release is offered"));
    QString md5;
    QByteArray sha256;
    if (!digestsOf(path, &md5, &sha256))
        return Replies::serverError(QStringLiteral("the offered file cannot be read"));
    // A configured digest or signature wins, so a wrong one can be offered
    // on purpose; a configured empty signature offers the file unsigned.
    if (!offer.value(QStringLiteral("md5")).toString().isEmpty())
        md5 = offer.value(QStringLiteral("md5")).toString();
    QString signature = offer.value(QStringLiteral("signature")).toString();
    if (!offer.contains(QStringLiteral("signature")) && m_context.updateKey)
        signature = QString::fromLatin1(m_context.updateKey->sign(sha256).toBase64());
    const QString uri = QStringLiteral("/files/update/") + file;
    return HttpResponse::ok(QJsonObject{
        {QStringLiteral("version"), version},
        {QStringLiteral("md5"), md5},
        {QStringLiteral("features"), offer.value(QStringLiteral("features")).toString()},
        {QStringLiteral("bugFix"), offer.value(QStringLiteral("bugFix")).toString()},
        {QStringLiteral("download_url"),
         QJsonObject{{QStringLiteral("uri"), uri}, {QStringLiteral("url_list"), QJsonArray{request.absoluteUrl(uri)}}}},
        {QStringLiteral("signature"), signature},
    });
}
