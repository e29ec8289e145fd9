#include "previewmasks.h"

#include "humandraw.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cstdlib>

namespace PreviewMasks {

namespace {

QImage grey(const QImage &from, int (*value)(QRgb))
{
    QImage mask(from.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < from.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(from.constScanLine(y));
        uchar *out = mask.scanLine(y);
        for (int x = 0; x < from.width(); ++x)
            out[x] = uchar(value(in[x]));
    }
    return mask;
}

} // namespace

QImage hair()
{
    // The face drawn twice, hair white and hair black: the pixels that
    // differ are the hair's, with its antialiased edge as partial cover.
    HumanStyle light = stickerFaceStyle();
    light.hair = light.hairLight = Qt::white;
    HumanStyle dark = stickerFaceStyle();
    dark.hair = dark.hairLight = Qt::black;
    const QImage a = drawHumanFace(light).convertToFormat(QImage::Format_RGB32);
    const QImage b = drawHumanFace(dark).convertToFormat(QImage::Format_RGB32);
    QImage mask(a.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *pa = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *pb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        uchar *out = mask.scanLine(y);
        for (int x = 0; x < a.width(); ++x)
            out[x] = uchar(std::max({std::abs(qRed(pa[x]) - qRed(pb[x])), std::abs(qGreen(pa[x]) - qGreen(pb[x])),
                                     std::abs(qBlue(pa[x]) - qBlue(pb[x]))}));
    }
    return mask;
}

QImage person()
{
    HumanStyle cutOut = stickerFaceStyle();
    cutOut.background = false;
    return grey(drawHumanFace(cutOut), [](QRgb p) { return qAlpha(p); });
}

QImage personBorder()
{
    // The person grown by a few pixels in every direction, less the person.
    const QImage inside = person();
    QImage grown(inside.size(), QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    QImage alpha(inside.size(), QImage::Format_ARGB32_Premultiplied);
    alpha.fill(Qt::transparent);
    for (int y = 0; y < inside.height(); ++y) {
        const uchar *in = inside.constScanLine(y);
        QRgb *out = reinterpret_cast<QRgb *>(alpha.scanLine(y));
        for (int x = 0; x < inside.width(); ++x)
            out[x] = qPremultiply(qRgba(255, 255, 255, in[x]));
    }
    {
        QPainter p(&grown);
        constexpr int radius = 8;
        for (int step = 0; step < 32; ++step) {
            const qreal angle = step * M_PI / 16;
            p.drawImage(QPointF(radius * qCos(angle), radius * qSin(angle)), alpha);
        }
        p.drawImage(0, 0, alpha);
    }
    QImage ring(inside.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < inside.height(); ++y) {
        const QRgb *g = reinterpret_cast<const QRgb *>(grown.constScanLine(y));
        const uchar *in = inside.constScanLine(y);
        uchar *out = ring.scanLine(y);
        for (int x = 0; x < inside.width(); ++x)
            out[x] = uchar(std::max(0, qAlpha(g[x]) - in[x]));
    }
    return ring;
}

QImage emptyScene()
{
    return drawHumanBackground(stickerFaceStyle()).convertToFormat(QImage::Format_RGB32);
}

} // namespace PreviewMasks
