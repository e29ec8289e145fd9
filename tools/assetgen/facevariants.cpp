#include "facevariants.h"

#include "assetio.h"
#include "humandraw.h"
#include "humanface.h"

#include <QDir>
#include <QFile>
#include <QtMath>

#include <algorithm>
#include <functional>

namespace {

// A turned head: the picture seen as a cylinder round the face's vertical
// axis, with the nose standing out of it, turned by degrees (positive: the
// image's right side turns away). Every pixel moves across its row by its
// depth; the middle of the face stays.
struct Turn
{
    qreal angle;
    static constexpr qreal radius = 300;

    // How far a point stands out of the cylinder: the nose, most at its tip.
    static qreal noseDepth(QPointF p)
    {
        const qreal along = std::clamp((p.y() - 500) / 200.0, 0.0, 1.0);
        const qreal fade = p.y() < 480 || p.y() > 760 ? 0 : 1;
        const qreal across = std::exp(-std::pow((p.x() - HumanFaceGeometry::axis) / 45.0, 2));
        return fade * across * (15 + 45 * along);
    }

    qreal mapX(QPointF p) const
    {
        const qreal dx = p.x() - HumanFaceGeometry::axis;
        const qreal depth = std::sqrt(std::max<qreal>(0, radius * radius - dx * dx)) + noseDepth(p);
        return HumanFaceGeometry::axis + dx * qCos(angle) + (depth - radius) * qSin(angle);
    }

    QPointF map(QPointF p) const { return {mapX(p), p.y()}; }

    QImage warp(const QImage &source) const
    {
        QImage out(source.size(), QImage::Format_ARGB32_Premultiplied);
        const int w = source.width();
        QVector<qreal> forward(w);
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < w; ++x)
                forward[x] = mapX(QPointF(x + 0.5, y + 0.5));
            const QRgb *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
            QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
            int k = 0;
            for (int x = 0; x < w; ++x) {
                // The source pixel that lands here: the map rises along a row.
                const qreal target = x + 0.5;
                while (k + 1 < w - 1 && forward[k + 1] < target)
                    ++k;
                const qreal span = forward[k + 1] - forward[k];
                const qreal t = span > 0 ? std::clamp((target - forward[k]) / span, 0.0, 1.0) : 0;
                const QRgb a = in[k], b = in[k + 1];
                auto mix = [t](int u, int v) { return int(u + (v - u) * t + 0.5); };
                line[x] = qRgba(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)),
                                mix(qAlpha(a), qAlpha(b)));
            }
        }
        return out;
    }
};

QVector<QPointF> table(const QVector<QPointF> &face)
{
    return face + QVector<QPointF>{QPointF(0, 0), QPointF(HumanFaceGeometry::width, 0)};
}

bool save(const QString &folder, const QString &name, const QImage &image, const QVector<QPointF> &points)
{
    QFile text(folder + '/' + name + ".txt");
    return image.save(folder + '/' + name + ".png") && text.open(QIODevice::WriteOnly)
        && text.write(AssetIO::pointLines(points)) > 0;
}

} // namespace

bool FaceVariants::generate(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    const HumanStyle style = stickerFaceStyle();
    const HumanFaceGeometry open = mouthOpenFace(), closed = eyesClosedFace();
    bool ok = save(folder, "standardMouthOpen", drawHumanFace(style, open), table(open.keyPoints()));
    ok = save(folder, "standardEyesClosed", drawHumanFace(style, closed), table(closed.keyPoints())) && ok;
    const QImage face = drawHumanFace(style);
    for (const auto &[name, degrees] : {std::pair<const char *, qreal>{"standardTurnedLeft", -12},
                                        std::pair<const char *, qreal>{"standardTurnedRight", 12}}) {
        const Turn turn{qDegreesToRadians(degrees)};
        QVector<QPointF> points;
        for (const QPointF &p : humanFace().keyPoints())
            points << turn.map(p);
        ok = save(folder, name, turn.warp(face), table(points)) && ok;
    }
    return ok;
}
