#include "LWOnlineImageProvider.h"

#include "LWImageSink.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {

// The engine asks for pictures from its loader threads.
class ImageStore : public LWImageSink
{
public:
    void insert(const QString &id, const QImage &image) override
    {
        QMutexLocker lock(&m_mutex);
        m_images.insert(id, image);
    }

    QImage find(const QString &id) const
    {
        QMutexLocker lock(&m_mutex);
        return m_images.value(id);
    }

private:
    mutable QMutex m_mutex;
    QHash<QString, QImage> m_images;
};

ImageStore *sharedStore()
{
    static ImageStore store;
    return &store;
}

} // namespace

LWOnlineImageProvider::LWOnlineImageProvider()
    : QQuickImageProvider(QQmlImageProviderBase::Image)
{
}

QImage LWOnlineImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    QImage image = sharedStore()->find(id);
    if (size)
        *size = image.size();
    if (!image.isNull() && requestedSize.isValid() && !requestedSize.isEmpty())
        image = image.scaled(requestedSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

LWImageSink *LWOnlineImageProvider::store()
{
    return sharedStore();
}
