#include "makeup.h"

#include "humanface.h"
#include "lut.h"
#include "paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>

using Paint::rgba;

namespace Makeup {

namespace {

const HumanFaceGeometry &f()
{
    return humanFace();
}

// A transparent canvas whose painter works in mean-face coordinates.
struct FaceLayer
{
    QImage image = QImage(faceSize, faceSize, QImage::Format_ARGB32_Premultiplied);
    QPainter painter;
    FaceLayer()
    {
        image.fill(Qt::transparent);
        painter.begin(&image);
        Paint::begin(painter);
        painter.translate(meanFaceOffsetX, 0);
    }
    QImage done()
    {
        painter.end();
        return image;
    }
};

QImage transparent(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath sparkle(QPointF c, qreal r)
{
    const qreal k = r * 0.22;
    QPainterPath path;
    path.moveTo(c.x(), c.y() - r);
    path.quadTo(c.x() + k, c.y() - k, c.x() + r, c.y());
    path.quadTo(c.x() + k, c.y() + k, c.x(), c.y() + r);
    path.quadTo(c.x() - k, c.y() + k, c.x() - r, c.y());
    path.quadTo(c.x() - k, c.y() - k, c.x(), c.y() - r);
    return path;
}

// Feathered edge: the outline widened by translucent strokes.
void feathered(QPainter &p, const QPolygonF &outline, const QColor &color, qreal feather)
{
    for (int i = 3; i >= 1; --i) {
        p.setPen(QPen(Paint::withAlpha(color, color.alpha() / (i + 1)), feather * i / 1.5, Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(outline);
    }
    Paint::fill(p, outline, color);
}

QPolygonF lipsOutline()
{
    return joinOutline({f().lipOuterUpper.polyline(), f().lipOuterLower.reversedPolyline()});
}

QImage blush()
{
    FaceLayer layer;
    QPainter &p = layer.painter;
    for (bool left : {true, false}) {
        const QPointF c = left ? f().cheekLeft : f().right(f().cheekLeft);
        QRadialGradient g(c, 78);
        g.setColorAt(0, rgba("#ff7d8e", 150));
        g.setColorAt(1, rgba("#ff7d8e", 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, 78, 78);
        const qreal side = left ? 1 : -1;
        const QPointF corner = left ? f().eyeUpperLeft.start() : f().right(f().eyeUpperLeft.start());
        p.setBrush(rgba("#fff1dc", 235));
        p.drawPath(sparkle(corner + QPointF(-14 * side, 64), 13));
        p.drawPath(sparkle(corner + QPointF(-36 * side, 92), 8));
        p.drawPath(sparkle(corner + QPointF(4 * side, 104), 6));
    }
    return layer.done();
}

QImage eyeShadow()
{
    FaceLayer layer;
    QPainter &p = layer.painter;
    for (bool left : {true, false}) {
        const Curve lid = left ? f().eyeUpperLeft : f().right(f().eyeUpperLeft);
        QPolygonF lifted;
        const int n = 40;
        for (int i = n; i >= 0; --i) {
            const qreal u = qreal(i) / n;
            // Fullest over the outer half, with a small wing past the corner.
            const qreal outer = left ? 1 - u : u;
            const qreal rise = 12 + 34 * qSin(M_PI * u) + 10 * outer;
            lifted << lid.at(u) + QPointF((left ? -1 : 1) * 10 * outer * outer, -rise);
        }
        const QPolygonF shape = joinOutline({lid.polyline(), lifted});
        QLinearGradient g(0, 520, 0, 450);
        g.setColorAt(0, rgba("#f2703f", 215));
        g.setColorAt(0.55, rgba("#ff9a5a", 150));
        g.setColorAt(1, rgba("#ffc08a", 0));
        Paint::fill(p, shape, g);
        const QPointF glint = lid.at(0.5) + QPointF(0, -16);
        QRadialGradient shine(glint, 16);
        shine.setColorAt(0, QColor(255, 245, 230, 110));
        shine.setColorAt(1, QColor(255, 245, 230, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawEllipse(glint, 16, 16);
    }
    return layer.done();
}

QImage brows(bool mask)
{
    FaceLayer layer;
    QPainter &p = layer.painter;
    for (bool left : {true, false}) {
        const QPolygonF outline = f().browOutline(left);
        if (mask) {
            feathered(p, outline, QColor(255, 255, 255, 255), 10);
            continue;
        }
        Paint::solid(p, outline, rgba("#4b3326", 190), 2);
        // Hair strokes rising from the lower edge towards the tail.
        const Curve upper = left ? f().browUpperLeft : f().right(f().browUpperLeft);
        const Curve lower = left ? f().browLowerLeft : f().right(f().browLowerLeft);
        for (int i = 0; i < 26; ++i) {
            const qreal u = 0.06 + 0.9 * i / 25.0;
            const qreal lean = left ? -0.05 : 0.05;
            Paint::stroke(p, Paint::poly({lower.at(u), upper.at(std::clamp(u + lean, 0.0, 1.0))}),
                          rgba("#33221a", 200), 1.8);
        }
    }
    return layer.done();
}

QImage lipsKeypointMask()
{
    FaceLayer layer;
    feathered(layer.painter, lipsOutline(), QColor(255, 255, 255), 6);
    return layer.done();
}

// The lips drawn in their own texture, scaled to fill it with a margin.
QImage lipsTexture(int w, int h, const QColor &color, bool glitter)
{
    QImage image = transparent(w, h);
    QPainter p(&image);
    Paint::begin(p);
    const QPolygonF outline = lipsOutline();
    const QRectF box = outline.boundingRect();
    const qreal scale = std::min((w - 20) / box.width(), (h - 16) / box.height());
    p.translate(w / 2.0, h / 2.0);
    p.scale(scale, scale);
    p.translate(-box.center());
    if (!glitter) {
        Paint::fill(p, outline, color);
        const QPolygonF upper = joinOutline({f().lipOuterUpper.polyline(), f().lipInnerUpper.reversedPolyline()});
        Paint::fill(p, upper, color.darker(115));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(QPointF(360, 813), 30, 5);
        return image;
    }
    p.setClipRegion(QRegion(outline.toPolygon()));
    p.setPen(Qt::NoPen);
    // Sunflower spiral: even coverage without any randomness.
    const QPointF centre = box.center();
    const qreal golden = M_PI * (3 - qSqrt(5));
    for (int i = 0; i < 160; ++i) {
        const qreal r = qSqrt(i / 160.0);
        const QPointF at = centre + QPointF(qCos(i * golden) * r * box.width() / 2, qSin(i * golden) * r * box.height() / 2);
        p.setBrush(QColor(255, 250, 235, 120 + (i * 37) % 120));
        p.drawEllipse(at, 1.2 + (i % 3) * 0.5, 1.2 + (i % 3) * 0.5);
    }
    return image;
}

QImage mouthLayer()
{
    FaceLayer layer;
    QPainter &p = layer.painter;
    Paint::fill(p, lipsOutline(), rgba("#b8325a", 215));
    const QPolygonF upper = joinOutline({f().lipOuterUpper.polyline(), f().lipInnerUpper.reversedPolyline()});
    Paint::fill(p, upper, rgba("#9c2449", 215));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(344, 812), 22, 5);
    p.drawEllipse(QPointF(382, 810), 8, 3);
    return layer.done();
}

QImage teethMask()
{
    QImage image = transparent(260, 130);
    QPainter p(&image);
    Paint::begin(p);
    QPolygonF outline;
    for (int i = 0; i < 72; ++i) {
        const qreal a = i * 2 * M_PI / 72;
        outline << QPointF(130 + 106 * qCos(a), 66 + 36 * qSin(a));
    }
    feathered(p, outline, QColor(255, 255, 255), 8);
    return image;
}

QImage pupil(bool mask)
{
    QImage image = transparent(150, 150);
    QPainter p(&image);
    Paint::begin(p);
    const QPointF c(75, 75);
    p.setPen(Qt::NoPen);
    if (mask) {
        QRadialGradient g(c, 72);
        g.setColorAt(0, Qt::white);
        g.setColorAt(0.9, Qt::white);
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(g);
        p.drawEllipse(c, 72, 72);
        return image;
    }
    // A honey-coloured lens ring; the pupil and the white stay clear.
    QRadialGradient ring(c, 70);
    ring.setColorAt(0.0, QColor(0, 0, 0, 0));
    ring.setColorAt(0.3, QColor(0, 0, 0, 0));
    ring.setColorAt(0.34, QColor("#e8b062"));
    ring.setColorAt(0.75, QColor("#b97a35"));
    ring.setColorAt(0.92, QColor("#5e3a1a"));
    ring.setColorAt(1.0, QColor(94, 58, 26, 0));
    p.setBrush(ring);
    p.drawEllipse(c, 70, 70);
    for (int i = 0; i < 48; ++i) {
        const qreal a = i * 2 * M_PI / 48;
        const QPointF dir(qCos(a), qSin(a));
        const QColor streak = i % 2 ? QColor(255, 236, 190, 90) : QColor(90, 50, 20, 80);
        Paint::stroke(p, Paint::poly({c + dir * 25, c + dir * (48 + (i % 3) * 6)}), streak, 1.6);
    }
    return image;
}

QImage eyelashes()
{
    QImage image = transparent(174, 89);
    QPainter p(&image);
    Paint::begin(p);
    const Curve line({{8, 74}, {50, 60}, {100, 58}, {140, 64}, {166, 76}});
    const QColor lash("#1b1414");
    Paint::stroke(p, line.polyline(), lash, 4);
    for (int i = 0; i <= 20; ++i) {
        const qreal u = i / 20.0;
        const QPointF root = line.at(u);
        // Longer and more swept towards the outer corner on the right.
        const qreal length = 16 + 40 * u * u;
        const qreal sweep = -0.3 + 1.2 * u;
        const QPointF tip = root + QPointF(sweep * length * 0.6, -length);
        const QPointF bend = root + QPointF(sweep * length * 0.1, -length * 0.6);
        QPainterPath path;
        path.moveTo(root);
        path.quadTo(bend, tip);
        p.setPen(QPen(lash, 2.4 - u * 0.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    return image;
}

// Lip tint that keeps the lips' own shading.
void lipTint(double &r, double &g, double &b)
{
    const double lum = 0.3 * r + 0.59 * g + 0.11 * b;
    const double k = 0.35 + 0.9 * lum;
    r = r + (0.82 * k - r) * 0.55;
    g = g + (0.20 * k - g) * 0.55;
    b = b + (0.32 * k - b) * 0.55;
}

void teethWhitening(double &r, double &g, double &b)
{
    const double lum = 0.3 * r + 0.59 * g + 0.11 * b;
    r = 1 - (1 - (r + (lum - r) * 0.5)) * 0.85;
    g = 1 - (1 - (g + (lum - g) * 0.5)) * 0.85;
    b = 1 - (1 - (b + (lum - b) * 0.5 + 0.03)) * 0.85;
}

} // namespace

QVector<Texture> defaultTextures()
{
    const QImage lipLut = Lut::draw(lipTint);
    return {
        {"maskSeq", blush()},
        {"browBlend", brows(false)},
        {"browMask", brows(true)},
        {"eyePartSeq", eyeShadow()},
        {"pupilBlend", pupil(false)},
        {"pupilMask", pupil(true)},
        {"lipsv2", lipsTexture(291, 132, QColor("#c8374f"), false)},
        {"lipsv3Blend", lipsTexture(291, 132, QColor("#b3325e"), false)},
        {"lipv3sequence", lipsTexture(291, 132, QColor(), true)},
        {"lipsv3Lookup", lipLut},
        {"lipsSegLookup", lipLut},
        {"lipsKLookup", lipLut},
        {"lipsKMask", lipsKeypointMask()},
        {"teethLookup", Lut::draw(teethWhitening)},
        {"teethMask", teethMask()},
        {"mouthPart", mouthLayer()},
        {"jiemao_v2", eyelashes()},
    };
}

QImage blackMask()
{
    QImage image(150, 150, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QImage transparentPicture()
{
    return transparent(150, 150);
}

} // namespace Makeup
