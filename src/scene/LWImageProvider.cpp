#include "LWImageProvider.h"

#include <QMutexLocker>

LWImageProvider::LWImageProvider()
    : QQuickImageProvider(QQmlImageProviderBase::Image)
{
    // Built once, on the first provider, and shared by all.
    static const std::shared_ptr<Table> table = std::make_shared<Table>();
    m_table = table;
}

LWImageProvider *LWImageProvider::instance()
{
    // Never handed to an engine, so nothing deletes it before exit.
    static LWImageProvider *provider = new LWImageProvider;
    return provider;
}

LWImageProvider *LWImageProvider::forEngine()
{
    return new LWImageProvider;
}

void LWImageProvider::insert(const QString &id, const QImage &image)
{
    if (id.isEmpty() || image.isNull())
        return;
    QMutexLocker lock(&m_table->mutex);
    m_table->images.insert(id, image);
}

int LWImageProvider::count() const
{
    QMutexLocker lock(&m_table->mutex);
    return m_table->images.size();
}

QImage LWImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    QImage image;
    {
        QMutexLocker lock(&m_table->mutex);
        image = m_table->images.value(id);
    }
    if (size)
        *size = image.size();
    if (!image.isNull() && requestedSize.width() > 0 && requestedSize.height() > 0)
        image = image.scaled(requestedSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}
