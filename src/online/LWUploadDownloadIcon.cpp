#include "LWUploadDownloadIcon.h"

#include <QUrl>

LWUploadDownloadIcon::LWUploadDownloadIcon(const QString &id, Done done, QObject *parent)
    : LWQTHttpBase(parent)
    , m_id(id)
    , m_done(std::move(done))
{
    setReplyLimit(kIconReplyLimit);
}

void LWUploadDownloadIcon::download(const QUrl &url)
{
    getAsync(url);
}

void LWUploadDownloadIcon::replyHandler(const QByteArray &body, int status)
{
    const QImage image = status == 200 ? QImage::fromData(body) : QImage();
    if (m_done)
        m_done(m_id, image);
    deleteLater();
}
