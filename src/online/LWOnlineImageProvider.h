#pragma once

#include <QQuickImageProvider>

class LWImageSink;

// Serves pictures the online models downloaded (feedback screenshots) as
// "image://imageProvider/<id>" until the scene views' provider takes that
// name. The pictures live in one process-wide store, so a provider may be
// created and dropped with each engine while the models keep one sink.
class LWOnlineImageProvider : public QQuickImageProvider
{
public:
    LWOnlineImageProvider();

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    // Where the models put pictures; safe to use from any thread.
    static LWImageSink *store();
};
