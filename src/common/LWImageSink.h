#pragma once

#include <QImage>
#include <QString>

// Where downloaded pictures go so that the interface can show them as
// "image://imageProvider/<id>". The image provider of the scene views
// implements it; the online models only hand pictures over.
class LWImageSink
{
public:
    virtual ~LWImageSink() = default;
    virtual void insert(const QString &id, const QImage &image) = 0;
};
