#pragma once

#include "common/Singleton.h"
#include "LWAPPViewImageProvider.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <memory>

// The owner of the dynamically built picture, published to the interface
// as "dynamicImgUpdate" and served by the "appImgFolder" provider. Whoever
// builds a new picture hands it to setImage(); the interface reloads when
// callMakeupImageChanged() comes, through the fresh imageSource.
class LWConstructDynamicImage : public QObject, public Singleton<LWConstructDynamicImage>
{
    Q_OBJECT
    Q_PROPERTY(int imageMode READ imageMode WRITE setImageMode NOTIFY callMakeupImageChanged)
    Q_PROPERTY(int imageStep READ imageStep WRITE setImageStep NOTIFY callMakeupImageChanged)
    Q_PROPERTY(QString imageSource READ imageSource NOTIFY callMakeupImageChanged)
    friend class Singleton<LWConstructDynamicImage>;

public:
    using Singleton<LWConstructDynamicImage>::instance;

    // The provider an engine registers as "appImgFolder"; the engine owns
    // it. Every provider made here serves the same picture.
    LWAPPViewImageProvider *imageProvider();

    // A null or empty picture brings the mean face back.
    void setImage(const QImage &image);
    QImage currentImage() const;

    // Two settings of the picture's builder, 2 and 1 until set.
    int imageMode() const { return m_imageMode; }
    void setImageMode(int mode);
    int imageStep() const { return m_imageStep; }
    void setImageStep(int step);
    // "image://appImgFolder/<n>": n changes with every new picture, so an
    // Image bound to it never shows a cached older one.
    QString imageSource() const;

signals:
    void callMakeupImageChanged();

private:
    LWConstructDynamicImage();

    std::shared_ptr<LWAPPViewImageProvider::State> state();

    std::shared_ptr<LWAPPViewImageProvider::State> m_state; // shared with the providers
    int m_imageMode = 2;
    int m_imageStep = 1;
    int m_generation = 0;
};
