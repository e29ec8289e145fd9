#include "LWMaterialDownloadIcon.h"

#include "LWMaterialStore.h"

#include <QBuffer>
#include <QDebug>
#include <QImageReader>
#include <QUrl>

namespace {

bool isPicture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return !reader.read().isNull();
}

} // namespace

LWMaterialDownloadIcon::LWMaterialDownloadIcon(const QString &cachePath, Done done, QObject *parent)
    : LWQTHttpBase(parent)
    , m_cachePath(cachePath)
    , m_done(std::move(done))
{
    setReplyLimit(kIconReplyLimit);
    setIdleLimit(kIdleLimitMs);
}

void LWMaterialDownloadIcon::download(const QUrl &url)
{
    getAsync(url);
}

void LWMaterialDownloadIcon::replyHandler(const QByteArray &body, int status)
{
    QString stored;
    if (status != 200 || body.isEmpty())
        qDebug().noquote() << "material icon not fetched, status" << status << "for" << m_cachePath;
    else if (!isPicture(body))
        qWarning().noquote() << "material icon is not a picture; not cached:" << m_cachePath;
    else if (LWMaterialStore::writeFile(m_cachePath, body))
        stored = m_cachePath;
    if (m_done)
        m_done(stored);
    deleteLater();
}
