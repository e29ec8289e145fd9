#include "makeupart.h"

#include "humanface.h"
#include "makeup.h"
#include "paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <functional>

using Paint::rgba;
using Paint::withAlpha;

namespace MakeupArt {

namespace {

const HumanFaceGeometry &f()
{
    return humanFace();
}

const QColor kCyan("#5cc8ff");
const QColor kCyanCore("#d8f4ff");

// t runs from 0 to 1 over the loop; the painter works in mean-face
// coordinates on a transparent standard face.
using Draw = std::function<void(QPainter &p, double t)>;

QList<QImage> faceSequence(int count, const Draw &draw)
{
    QList<QImage> frames;
    for (int i = 0; i < count; ++i) {
        QImage image(Makeup::faceSize, Makeup::faceSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        Paint::begin(p);
        p.translate(Makeup::meanFaceOffsetX, 0);
        draw(p, double(i) / count);
        p.end();
        frames.append(image);
    }
    return frames;
}

double pulse(double t, double phase)
{
    return 0.5 + 0.5 * qSin(2 * M_PI * (t + phase));
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

Curve side(const Curve &leftCurve, bool left)
{
    return left ? leftCurve : f().right(leftCurve);
}

QPointF side(QPointF leftPoint, bool left)
{
    return left ? leftPoint : f().right(leftPoint);
}

// The lid shadow: from the lash line up towards the crease and past it,
// fullest and widest at the outer corner.
QPolygonF shadowShape(bool left)
{
    const Curve lid = side(f().eyeUpperLeft, left);
    QPolygonF lifted;
    const int n = 48;
    for (int i = n; i >= 0; --i) {
        const qreal u = qreal(i) / n;
        const qreal outer = 1 - u; // both lids start at the outer corner
        const qreal rise = 16 + 38 * qSin(M_PI * u) + 22 * outer * outer;
        lifted << lid.at(u) + QPointF((left ? -1 : 1) * 22 * outer * outer * outer, -rise);
    }
    return joinOutline({lid.polyline(), lifted});
}

void drawSeam(QPainter &p, const QPolygonF &line)
{
    Paint::stroke(p, line, rgba("#e9eef5", 150), 5);
    Paint::stroke(p, line.translated(1.5, 1.5), rgba("#3a4150", 210), 2.5);
}

void drawNode(QPainter &p, const QPointF &at, double glow)
{
    QRadialGradient halo(at, 14);
    halo.setColorAt(0, withAlpha(kCyan, int(200 * glow)));
    halo.setColorAt(1, withAlpha(kCyan, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(at, 14, 14);
    p.setBrush(withAlpha(kCyanCore, int(120 + 135 * glow)));
    p.drawEllipse(at, 3.5, 3.5);
}

// The traces of one side, each a polyline whose last point carries a light.
QVector<QPolygonF> circuitTraces(bool left)
{
    const auto pts = [left](std::initializer_list<QPointF> list) {
        QPolygonF line;
        for (const QPointF &p : list)
            line << side(p, left);
        return line;
    };
    return {
        pts({{176, 352}, {176, 396}, {204, 396}}),
        pts({{158, 420}, {136, 420}, {136, 452}}),
        pts({{214, 590}, {186, 590}, {186, 626}}),
        pts({{236, 742}, {262, 742}, {262, 770}}),
    };
}

} // namespace

QList<QImage> orangeShadow()
{
    return faceSequence(6, [](QPainter &p, double t) {
        for (bool left : {true, false}) {
            const QPolygonF shape = shadowShape(left);
            QLinearGradient g(0, 525, 0, 440);
            g.setColorAt(0, rgba("#e8591f", 225));
            g.setColorAt(0.45, rgba("#ff8a3d", 170));
            g.setColorAt(1, rgba("#ffc27a", 0));
            Paint::fill(p, shape, g);
            // A smudge under the outer third of the lower lash line.
            const Curve lower = side(f().eyeLowerLeft, left);
            QPolygonF smudge;
            for (int i = 0; i <= 16; ++i)
                smudge << lower.at(i / 48.0) + QPointF(0, 3);
            Paint::stroke(p, smudge, rgba("#f07a3a", 150), 6);
            // Shimmer: specks spread by the golden angle, each glinting
            // at its own moment of the loop.
            const QRectF box = shape.boundingRect();
            const qreal golden = M_PI * (3 - qSqrt(5));
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 26; ++i) {
                const qreal r = qSqrt((i + 0.5) / 26.0);
                const QPointF at = box.center()
                    + QPointF(qCos(i * golden) * r * box.width() / 2, qSin(i * golden) * r * box.height() / 2);
                if (!shape.containsPoint(at, Qt::OddEvenFill))
                    continue;
                const double glint = pulse(t, i * 0.618);
                p.setBrush(QColor(255, 240, 214, int(40 + 170 * glint)));
                p.drawPath(sparkle(at, 2.5 + 4 * glint * glint));
            }
        }
    });
}

QImage tearMole()
{
    QImage image(Makeup::faceSize, Makeup::faceSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Paint::begin(p);
    p.translate(Makeup::meanFaceOffsetX, 0);
    // Under the outer half of the left eye, a little towards the cheek.
    const QPointF at = f().eyeLowerLeft.at(0.3) + QPointF(-6, 34);
    QRadialGradient mole(at, 7.5);
    mole.setColorAt(0, rgba("#4a2a1f", 240));
    mole.setColorAt(0.7, rgba("#5a3426", 215));
    mole.setColorAt(1, rgba("#5a3426", 0));
    p.setPen(Qt::NoPen);
    p.setBrush(mole);
    p.drawEllipse(at, 7.5, 7.5);
    p.end();
    return image;
}

QList<QImage> androidSeams()
{
    return faceSequence(8, [](QPainter &p, double t) {
        // Brushed-metal cheek plates between a seam and the edge of the face.
        QPainterPath face;
        face.addPolygon(f().faceOutline());
        for (bool left : {true, false}) {
            const Curve seam = side(Curve({{190, 566}, {198, 650}, {226, 760}, {270, 876}}), left);
            QPolygonF plate = seam.polyline();
            plate << side(QPointF(0, 876), left) << side(QPointF(0, 566), left);
            QLinearGradient metal(side(QPointF(120, 600), left), side(QPointF(260, 860), left));
            metal.setColorAt(0, rgba("#dfe6ef", 70));
            metal.setColorAt(1, rgba("#9aa6b8", 90));
            p.save();
            p.setClipPath(face);
            Paint::fill(p, plate, metal);
            p.restore();
            drawSeam(p, seam.polyline());
            drawSeam(p, side(Curve({{186, 336}, {160, 400}, {152, 470}}), left).polyline());
            drawSeam(p, Paint::poly({side(QPointF(300, 876), left), side(QPointF(336, 890), left)}));
        }
        drawSeam(p, Paint::poly({{360, 262}, {360, 410}}));
        drawSeam(p, Paint::poly({{300, 876}, {420, 876}}));
        // Light runs along each trace towards its node.
        for (bool left : {true, false}) {
            const QVector<QPolygonF> traces = circuitTraces(left);
            for (int i = 0; i < traces.size(); ++i) {
                const double glow = pulse(t, i * 0.25 + (left ? 0 : 0.5));
                Paint::stroke(p, traces.at(i), withAlpha(kCyan, int(70 + 120 * glow)), 2.5);
                drawNode(p, traces.at(i).last(), glow);
            }
        }
        drawNode(p, QPointF(360, 300), pulse(t, 0.1));
    });
}

QList<QImage> cyberLiner()
{
    return faceSequence(6, [](QPainter &p, double t) {
        const double glow = 0.6 + 0.4 * pulse(t, 0);
        for (bool left : {true, false}) {
            const Curve lid = side(f().eyeUpperLeft, left);
            // The line thickens towards the outer corner and lifts into a wing.
            QPolygonF upper, lower;
            for (int i = 0; i <= 40; ++i) {
                const qreal u = i / 40.0;
                const qreal outer = 1 - u;
                upper << lid.at(u) + QPointF(0, -(1.5 + 7 * outer));
                lower << lid.at(u) + QPointF(0, 1.5);
            }
            const QPointF corner = lid.at(0);
            const QPointF wing = corner + QPointF(left ? -46 : 46, -26);
            // Outline: the wing, along the thick upper edge, back along the lash line.
            QPolygonF liner;
            if (left)
                liner << wing << upper;
            else
                liner << upper << wing;
            for (int i = lower.size() - 1; i >= 0; --i)
                liner << lower.at(i);
            p.setPen(QPen(withAlpha(kCyan, int(90 * glow)), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPolygon(liner);
            Paint::solid(p, liner, withAlpha(kCyan, int(200 + 55 * glow)), 1.5);
            Paint::stroke(p, upper.mid(4, 32), withAlpha(kCyanCore, int(200 * glow)), 1.5);
            // Three lights along the outer lower lid, lit one after another.
            const Curve lowerLid = side(f().eyeLowerLeft, left);
            for (int i = 0; i < 3; ++i) {
                const qreal u = 0.08 + 0.12 * i;
                const QPointF at = lowerLid.at(u) + QPointF(0, 12);
                const double on = pulse(t, -i / 3.0);
                p.setPen(Qt::NoPen);
                p.setBrush(withAlpha(kCyan, int(60 + 195 * on)));
                p.drawEllipse(at, 2.6, 2.6);
            }
        }
    });
}

QImage androidIris()
{
    QImage image(150, 150, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Paint::begin(p);
    const QPointF c(75, 75);
    QRadialGradient ring(c, 70);
    ring.setColorAt(0.0, QColor(0, 0, 0, 0));
    ring.setColorAt(0.3, QColor(0, 0, 0, 0));
    ring.setColorAt(0.33, QColor("#a8ecff"));
    ring.setColorAt(0.55, QColor("#35b4ea"));
    ring.setColorAt(0.88, QColor("#0d3f63"));
    ring.setColorAt(1.0, QColor(13, 63, 99, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(c, 70, 70);
    // An aperture of twelve blades and a bright inner ring.
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * 2 * M_PI / 12;
        const QPointF dir(qCos(a), qSin(a));
        const QPointF across(-dir.y(), dir.x());
        Paint::stroke(p, Paint::poly({c + dir * 24 + across * 6, c + dir * 50 - across * 4}), rgba("#0b3550", 150), 2);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba("#e6fbff", 200), 2));
    p.drawEllipse(c, 36, 36);
    p.setPen(QPen(rgba("#e6fbff", 120), 1.5));
    p.drawEllipse(c, 56, 56);
    p.end();
    return image;
}

QPolygonF lipsOutline()
{
    return joinOutline({f().lipOuterUpper.polyline(), f().lipOuterLower.reversedPolyline()});
}

void sweetGrade(double &r, double &g, double &b)
{
    // Softer colour, shadows lifted towards rose, a pink cast in the
    // mid-tones and a gentle brightening that spares the whites.
    const double lum = 0.299 * r + 0.587 * g + 0.114 * b;
    r = lum + (r - lum) * 0.85;
    g = lum + (g - lum) * 0.85;
    b = lum + (b - lum) * 0.85;
    r = 0.07 + 0.93 * r;
    g = 0.03 + 0.94 * g;
    b = 0.06 + 0.92 * b;
    const double mid = 4 * lum * (1 - lum);
    r += 0.07 * mid;
    g -= 0.015 * mid;
    b += 0.035 * mid;
    const auto lift = [](double v) { return v + 0.07 * qSin(M_PI * std::clamp(v, 0.0, 1.0)); };
    r = lift(r);
    g = lift(g);
    b = lift(b);
}

} // namespace MakeupArt
