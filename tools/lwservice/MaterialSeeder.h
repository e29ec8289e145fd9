#pragma once

#include "ServiceContext.h"

#include <QImage>
#include <QList>

// Draws the starting catalogue of the material library on first start:
// a few frame sequences (a zip of PNG frames with an animated GIF icon)
// and a few single PNG images with PNG icons. Deterministic drawing with
// QPainter; only shapes, so no font or display is needed.
class MaterialSeeder
{
public:
    explicit MaterialSeeder(const ServiceContext &context);

    bool seedIfEmpty();

    static constexpr int kIconSize = 96;

private:
    bool addSequence(const QString &name, const QList<QImage> &frames, int position);
    bool addImage(const QString &name, const QImage &image, int position);
    bool record(int type, const QString &name, const QString &file, const QString &icon, qint64 size, int position);

    ServiceContext m_context;
};
