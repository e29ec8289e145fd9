#pragma once

#include "common/LWImageSink.h"

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QQuickImageProvider>
#include <QString>
#include <memory>

// Pictures that exist only in memory (icons of earlier uploads, feedback
// screenshots), served as "image://imageProvider/<id>".
//
// The engine deletes the providers it was given, and tests build several
// engines, so the pictures do not live in a provider: every provider reads
// one process-wide table. instance() is the provider the models write to;
// forEngine() makes the one an engine may own.
class LWImageProvider : public QQuickImageProvider, public LWImageSink
{
public:
    static LWImageProvider *instance();
    // A new provider over the shared pictures, for an engine to own.
    static LWImageProvider *forEngine();

    // An empty id or a null image is ignored; a known id is replaced.
    void insert(const QString &id, const QImage &image) override;
    // How many pictures are stored (callers number new ids with it).
    int count() const;
    // The picture stored under id, or a null image. A positive requested
    // size scales it, keeping its proportions.
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

private:
    struct Table
    {
        mutable QMutex mutex; // the engine asks from its loader threads
        QHash<QString, QImage> images;
    };

    LWImageProvider();

    std::shared_ptr<Table> m_table;
};
