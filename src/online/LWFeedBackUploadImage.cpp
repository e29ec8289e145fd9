#include "LWFeedBackUploadImage.h"

#include "LWServiceProtocol.h"
#include "common/LWServiceConfig.h"

#include <QDebug>
#include <QFile>
#include <QHttpMultiPart>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace {

QByteArray imageType(const QByteArray &bytes)
{
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return "image/png";
    if (bytes.startsWith("\xff\xd8\xff"))
        return "image/jpeg";
    return QByteArray();
}

} // namespace

LWFeedBackUploadImage::LWFeedBackUploadImage(QObject *parent)
    : LWQTHttpBase(parent)
{
}

QString LWFeedBackUploadImage::upload(const QString &imagePath)
{
    m_reference.clear();
    QFile file(imagePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxImageBytes) {
        qWarning().noquote() << "screenshot missing or too large:" << imagePath;
        return QString();
    }
    const QByteArray bytes = file.readAll();
    const QByteArray type = imageType(bytes);
    if (type.isEmpty()) {
        qWarning().noquote() << "screenshot is neither PNG nor JPEG:" << imagePath;
        return QString();
    }
    auto *form = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentTypeHeader, QString::fromLatin1(type));
    part.setRawHeader("Content-Disposition", "form-data; name=\"image\"; fileName=\"upload.data\"");
    part.setBody(bytes);
    form->append(part);
    postSync(QUrl(LWServiceConfig::baseUrl(QStringLiteral("feedback")) + QLatin1String(LWServiceProtocol::kPathImageUpload)),
             form, kTimeLimitMs);
    return m_reference;
}

void LWFeedBackUploadImage::replyHandler(const QByteArray &body, int status)
{
    const QJsonObject reply = QJsonDocument::fromJson(body).object();
    m_reference = status == 200 ? reply.value(QStringLiteral("data")).toObject().value(QStringLiteral("web_uri")).toString()
                                : QString();
    if (m_reference.isEmpty())
        qWarning() << "screenshot upload failed, status" << status;
}
