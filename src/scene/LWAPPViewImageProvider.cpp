#include "LWAPPViewImageProvider.h"

#include <QMutexLocker>

LWAPPViewImageProvider::State::State()
    : fallback(fallbackPath())
{
}

LWAPPViewImageProvider::LWAPPViewImageProvider(std::shared_ptr<State> state)
    : QQuickImageProvider(QQmlImageProviderBase::Image)
    , m_state(state ? std::move(state) : std::make_shared<State>())
{
}

QImage LWAPPViewImageProvider::requestImage(const QString &, QSize *size, const QSize &requestedSize)
{
    QImage image;
    {
        QMutexLocker lock(&m_state->mutex);
        if (m_state->current.isNull() || m_state->current.width() == 0 || m_state->current.height() == 0)
            m_state->current = m_state->fallback;
        image = m_state->current;
    }
    if (size)
        *size = image.size();
    if (!image.isNull() && requestedSize.width() > 0 && requestedSize.height() > 0)
        return image.scaled(requestedSize, Qt::KeepAspectRatio, Qt::FastTransformation);
    return image;
}
