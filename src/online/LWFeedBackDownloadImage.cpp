#include "LWFeedBackDownloadImage.h"

#include <QUrl>

LWFeedBackDownloadImage::LWFeedBackDownloadImage(Done done, QObject *parent)
    : LWQTHttpBase(parent)
    , m_done(std::move(done))
{
    setReplyLimit(kImageReplyLimit);
    setIdleLimit(kIdleLimitMs);
}

void LWFeedBackDownloadImage::download(const QUrl &url)
{
    getAsync(url);
}

void LWFeedBackDownloadImage::replyHandler(const QByteArray &body, int status)
{
    const QImage image = status == 200 ? QImage::fromData(body) : QImage();
    if (m_done)
        m_done(image);
    deleteLater();
}
