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
    : QObject(parent)
{
}

QString LWFeedBackUploadImage::upload(const QString &imagePath)
{
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
    const LWHttpReply reply = m_http.postSync(
        QUrl(LWServiceConfig::baseUrl(QStringLiteral("feedback")) + QLatin1String(LWServiceProtocol::kPathImageUpload)),
        form, kTimeLimitMs);
    const QJsonObject answer = QJsonDocument::fromJson(reply.body).object();
    const QString reference =
        reply.status == 200 ? answer.value(QStringLiteral("data")).toObject().value(QStringLiteral("web_uri")).toString()
                            : QString();
    if (reference.isEmpty())
        qWarning() << "screenshot upload failed, status" << reply.status;
    return reference;
}
