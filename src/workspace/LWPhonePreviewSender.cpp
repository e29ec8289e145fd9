#include "LWPhonePreviewSender.h"

#include <QFile>
#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QUrl>

LWPhonePreviewSender::LWPhonePreviewSender(QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
}

LWPhonePreviewSender::~LWPhonePreviewSender()
{
    if (m_reply)
        m_reply->abort();
}

bool LWPhonePreviewSender::send(const QString &packagePath, const QString &address)
{
    const QString host = address.trimmed();
    const QUrl url(QStringLiteral("http://") + host + QStringLiteral("/upload"));
    if (host.isEmpty() || !url.isValid() || url.host().isEmpty())
        return false;
    auto *file = new QFile(packagePath);
    if (!file->open(QIODevice::ReadOnly)) {
        delete file;
        return false;
    }
    if (m_reply)
        m_reply->abort();

    auto *multi = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentDispositionHeader,
                   QStringLiteral("form-data; name=\"files[]\"; fileName=\"upload.zip\"; mimeType=\"zip\""));
    part.setBodyDevice(file);
    file->setParent(multi);
    multi->append(part);

    QNetworkReply *reply = m_network->post(QNetworkRequest(url), multi);
    multi->setParent(reply);
    m_reply = reply;
    connect(reply, &QNetworkReply::errorOccurred, this, &LWPhonePreviewSender::onUpLoadError);
    connect(reply, &QNetworkReply::uploadProgress, this, &LWPhonePreviewSender::onUploadProgress);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        const bool ok = reply->error() == QNetworkReply::NoError;
        const QString message = ok ? QString() : reply->errorString();
        reply->deleteLater();
        emit finished(ok, message);
    });
    return true;
}

void LWPhonePreviewSender::onUpLoadError(QNetworkReply::NetworkError)
{
    // The author sees the outcome on the phone; finished() carries the text
    // for anyone who wants to show it here.
}

void LWPhonePreviewSender::onUploadProgress(qlonglong bytesSent, qlonglong bytesTotal)
{
    emit progress(bytesSent, bytesTotal);
}
