#pragma once

#include <QImage>
#include <QMutex>
#include <QQuickImageProvider>
#include <memory>

// The picture built by LWConstructDynamicImage, served as
// "image://appImgFolder/<anything>" (the id is ignored). Until a usable
// picture is set the makeup mean face stands in.
//
// The engine owns and deletes its providers, so the picture lives in a
// state shared by the constructor and every provider made over it.
class LWAPPViewImageProvider : public QQuickImageProvider
{
public:
    struct State
    {
        State();
        mutable QMutex mutex; // the engine asks from its loader threads
        QImage current;
        QImage fallback;
    };

    explicit LWAPPViewImageProvider(std::shared_ptr<State> state);

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    static QString fallbackPath() { return QStringLiteral(":/LWFaceMakeUpV2/res/meanface.png"); }

private:
    std::shared_ptr<State> m_state;
};
