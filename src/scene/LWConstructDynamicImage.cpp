#include "LWConstructDynamicImage.h"

#include <QMutexLocker>

LWConstructDynamicImage::LWConstructDynamicImage() = default;

std::shared_ptr<LWAPPViewImageProvider::State> LWConstructDynamicImage::state()
{
    // The mean face is read only once somebody asks for the picture.
    if (!m_state)
        m_state = std::make_shared<LWAPPViewImageProvider::State>();
    return m_state;
}

LWAPPViewImageProvider *LWConstructDynamicImage::imageProvider()
{
    return new LWAPPViewImageProvider(state());
}

void LWConstructDynamicImage::setImage(const QImage &image)
{
    const std::shared_ptr<LWAPPViewImageProvider::State> shared = state();
    {
        QMutexLocker lock(&shared->mutex);
        shared->current = image;
    }
    ++m_generation;
    emit callMakeupImageChanged();
}

QImage LWConstructDynamicImage::currentImage() const
{
    if (!m_state)
        return QImage();
    QMutexLocker lock(&m_state->mutex);
    return m_state->current;
}

void LWConstructDynamicImage::setImageMode(int mode)
{
    if (mode == m_imageMode)
        return;
    m_imageMode = mode;
    emit callMakeupImageChanged();
}

void LWConstructDynamicImage::setImageStep(int step)
{
    if (step == m_imageStep)
        return;
    m_imageStep = step;
    emit callMakeupImageChanged();
}

QString LWConstructDynamicImage::imageSource() const
{
    return QStringLiteral("image://appImgFolder/") + QString::number(m_generation);
}
