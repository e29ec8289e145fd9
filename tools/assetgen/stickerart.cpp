#include "stickerart.h"

#include "paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <functional>

using Paint::withAlpha;

namespace StickerArt {

namespace {

// The templates share one palette with the program's other artwork.
const QColor kInk("#2a2d3a");
const QColor kInkLight("#4a4e60");
const QColor kLight("#f4f1ea");
const QColor kAccent("#ff7a45");
const QColor kGold("#ffc24a");
const QColor kPink("#ff5c8a");
const QColor kBlush("#ff8fb0");
const QColor kSky("#5cc8ff");
const QColor kFur("#fbfaf7");
const QColor kFurLine("#cfd3dc");
const QColor kFurPink("#f6a5b8");

// t runs from 0 to 1 over the loop, never reaching 1.
using Draw = std::function<void(QPainter &p, double t)>;

QList<QImage> sequence(int width, int height, int count, const Draw &draw, const QColor &fill = Qt::transparent)
{
    QList<QImage> frames;
    for (int f = 0; f < count; ++f) {
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(fill);
        QPainter p(&image);
        Paint::begin(p);
        draw(p, double(f) / count);
        p.end();
        frames.append(image);
    }
    return frames;
}

// Whole cycles per loop keep every sequence seamless.
double wave(double t, int cycles = 1, double phase = 0)
{
    return qSin(2 * M_PI * (cycles * t + phase));
}

// One hump from 0 up to 1 and back between from and to, 0 elsewhere.
double bump(double t, double from, double to)
{
    if (t < from || t >= to)
        return 0;
    return qSin(M_PI * (t - from) / (to - from));
}

double fract(double v)
{
    return v - qFloor(v);
}

QPainterPath heart(const QPointF &c, double size)
{
    QPainterPath path;
    const double s = size / 2;
    path.moveTo(c.x(), c.y() + s);
    path.cubicTo(c.x() - 1.6 * s, c.y() - 0.1 * s, c.x() - 0.9 * s, c.y() - 1.3 * s, c.x(), c.y() - 0.55 * s);
    path.cubicTo(c.x() + 0.9 * s, c.y() - 1.3 * s, c.x() + 1.6 * s, c.y() - 0.1 * s, c.x(), c.y() + s);
    return path;
}

// A smooth path through the points: straight to the first midpoint, then
// quadratic pieces that turn at every inner point.
QPainterPath smooth(const QVector<QPointF> &points)
{
    QPainterPath path(points.first());
    for (int i = 1; i + 1 < points.size(); ++i)
        path.quadTo(points.at(i), (points.at(i) + points.at(i + 1)) / 2);
    path.lineTo(points.last());
    return path;
}

void strokePath(QPainter &p, const QPainterPath &path, const QColor &color, double width)
{
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void fillPath(QPainter &p, const QPainterPath &path, const QBrush &brush, const QColor &outline = Qt::transparent,
              double width = 0)
{
    p.setPen(outline.alpha() ? QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
    p.setBrush(brush);
    p.drawPath(path);
}

QPainterPath ellipse(const QPointF &c, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

// --- White Cat ------------------------------------------------------------------

// An ear standing on its base centre (0, 0), tip up.
QPainterPath earShape(double w, double h)
{
    QPainterPath path;
    path.moveTo(-w / 2, 0);
    path.quadTo(-w * 0.36, -h * 0.62, -w * 0.06, -h);
    path.quadTo(w * 0.02, -h * 1.03, w * 0.09, -h * 0.94);
    path.quadTo(w * 0.36, -h * 0.5, w / 2, 0);
    path.quadTo(0, w * 0.14, -w / 2, 0);
    path.closeSubpath();
    return path;
}

void drawCatEar(QPainter &p, const QPointF &base, double angle, bool mirrored)
{
    p.save();
    p.translate(base);
    p.rotate(angle);
    if (mirrored)
        p.scale(-1, 1);
    fillPath(p, earShape(110, 125), kFur, kFurLine, 4);
    p.save();
    p.translate(2, -10);
    p.scale(0.56, 0.72);
    fillPath(p, earShape(110, 125), kFurPink);
    p.restore();
    // Fur tufts over the inner ear.
    for (int i = -1; i <= 1; ++i)
        strokePath(p, smooth({QPointF(i * 12, -6), QPointF(i * 16, -26), QPointF(i * 10 + 4, -42)}), kFur, 4);
    p.restore();
}

QPainterPath catNoseShape()
{
    QPainterPath path;
    path.moveTo(-23, -12);
    path.quadTo(0, -19, 23, -12);
    path.quadTo(21, 3, 0, 16);
    path.quadTo(-21, 3, -23, -12);
    return path;
}

void drawWhiskers(QPainter &p, const QPointF &root, double angle, bool mirrored, const QColor &color)
{
    p.save();
    p.translate(root);
    if (mirrored)
        p.scale(-1, 1);
    p.rotate(angle);
    for (int i = 0; i < 3; ++i) {
        const double y = -10 + i * 10;
        strokePath(p, smooth({QPointF(0, y), QPointF(-50, y - 8 + i * 8), QPointF(-100, y - 18 + i * 20)}), color, 3);
    }
    p.restore();
}

// --- FileMovie ------------------------------------------------------------------

void drawFilmBand(QPainter &p, double top, double shift)
{
    constexpr double kHole = 24;  // sprocket pitch
    constexpr double kCell = 72;  // picture cell, three pitches
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#23242b"));
    p.drawRect(QRectF(-10, top, 380, 70));
    QLinearGradient cell(0, top + 19, 0, top + 51);
    cell.setColorAt(0, withAlpha(kGold, 170));
    cell.setColorAt(1, withAlpha(kAccent, 170));
    for (double x = -kCell + fract(shift / kCell) * kCell; x < 380; x += kCell) {
        p.setBrush(cell);
        p.drawRoundedRect(QRectF(x + 4, top + 19, kCell - 8, 32), 4, 4);
        p.setBrush(withAlpha(kLight, 90));
        p.drawEllipse(QPointF(x + 22, top + 28), 6, 4);
    }
    p.setBrush(withAlpha(kLight, 235));
    for (double x = -kHole + fract(shift / kHole) * kHole; x < 380; x += kHole) {
        p.drawRoundedRect(QRectF(x + 6, top + 5, 12, 9), 2, 2);
        p.drawRoundedRect(QRectF(x + 6, top + 56, 12, 9), 2, 2);
    }
}

// A bar of alternating diagonal stripes, left end at the origin.
void drawStripedBar(QPainter &p, const QRectF &bar)
{
    QPainterPath outline;
    outline.addRoundedRect(bar, 3, 3);
    fillPath(p, outline, kLight);
    p.save();
    p.setClipPath(outline);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (double x = bar.left() - bar.height(); x < bar.right(); x += 32)
        p.drawPolygon(Paint::poly({QPointF(x, bar.bottom()), QPointF(x + 16, bar.bottom()),
                                   QPointF(x + 16 + bar.height(), bar.top()), QPointF(x + bar.height(), bar.top())}));
    p.restore();
    strokePath(p, outline, kInk, 2);
}

// Opens slowly, snaps shut, then rests with a flash of impact.
double clapAngle(double t)
{
    if (t < 0.55)
        return 30 * qSin(M_PI / 2 * t / 0.55);
    if (t < 0.65)
        return 30 * (0.65 - t) / 0.1;
    return 0;
}

QPainterPath lens(const QPointF &centre, double grow = 0)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(centre.x() - 58 - grow, centre.y() - 35 - grow, 116 + 2 * grow, 70 + 2 * grow),
                        18 + grow, 18 + grow);
    return path;
}

// --- I'm DJ ---------------------------------------------------------------------

void drawCup(QPainter &p, const QPointF &centre, const QColor &light, double beat)
{
    QPainterPath cup;
    cup.addRoundedRect(QRectF(centre.x() - 30, centre.y() - 52, 60, 104), 24, 24);
    fillPath(p, cup, kInk);
    QPainterPath face;
    face.addRoundedRect(QRectF(centre.x() - 21, centre.y() - 42, 42, 84), 18, 18);
    fillPath(p, face, QColor("#3a3e52"));
    const double radius = 15 + 5 * beat;
    QRadialGradient glow(centre, radius + 14);
    glow.setColorAt(0, withAlpha(light, int(40 + 120 * beat)));
    glow.setColorAt(1, withAlpha(light, 0));
    fillPath(p, ellipse(centre, radius + 14, radius + 14), glow);
    strokePath(p, ellipse(centre, radius, radius), light, 5);
    fillPath(p, ellipse(centre, 5, 5), kLight);
}

QPainterPath eighthNote(const QPointF &head)
{
    QPainterPath path;
    QTransform turn;
    turn.translate(head.x(), head.y());
    turn.rotate(-20);
    path.addPath(turn.map(ellipse(QPointF(0, 0), 11, 8)));
    path.addRect(QRectF(head.x() + 7.5, head.y() - 46, 4, 46));
    QPainterPath flag;
    flag.moveTo(head.x() + 11.5, head.y() - 46);
    flag.cubicTo(head.x() + 16, head.y() - 34, head.x() + 30, head.y() - 32, head.x() + 24, head.y() - 14);
    flag.cubicTo(head.x() + 24, head.y() - 26, head.x() + 16, head.y() - 28, head.x() + 11.5, head.y() - 32);
    flag.closeSubpath();
    path.addPath(flag);
    return path;
}

// --- Cat And Bear ---------------------------------------------------------------

void drawHappyEyes(QPainter &p, double spread, double y)
{
    for (int side : {-1, 1}) {
        QPainterPath arc;
        arc.moveTo(side * spread - 10, y + 3);
        arc.quadTo(side * spread, y - 9, side * spread + 10, y + 3);
        strokePath(p, arc, kInk, 5);
    }
}

void drawCheeks(QPainter &p, double spread, double y, int alpha)
{
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kBlush, alpha));
    p.drawEllipse(QPointF(-spread, y), 13, 8);
    p.drawEllipse(QPointF(spread, y), 13, 8);
}

void drawCatFace(QPainter &p)
{
    const QColor fur("#f7a35c"), line("#c9703a"), stripe("#e07b39"), muzzle("#ffe3c4");
    for (int side : {-1, 1}) {
        QPainterPath ear;
        ear.moveTo(side * 64, -18);
        ear.lineTo(side * 52, -80);
        ear.lineTo(side * 14, -52);
        ear.closeSubpath();
        fillPath(p, ear, fur, line, 4);
        QPainterPath inner;
        inner.moveTo(side * 54, -30);
        inner.lineTo(side * 49, -66);
        inner.lineTo(side * 26, -50);
        inner.closeSubpath();
        fillPath(p, inner, kBlush);
    }
    fillPath(p, ellipse(QPointF(0, 0), 72, 59), fur, line, 4);
    for (double x : {-16.0, 0.0, 16.0})
        strokePath(p, smooth({QPointF(x, -57), QPointF(x * 0.9, -48), QPointF(x * 0.8, -40)}), stripe, 6);
    strokePath(p, smooth({QPointF(-70, 6), QPointF(-56, 8), QPointF(-46, 4)}), stripe, 5);
    strokePath(p, smooth({QPointF(70, 6), QPointF(56, 8), QPointF(46, 4)}), stripe, 5);
    fillPath(p, ellipse(QPointF(0, 24), 30, 19), muzzle);
    drawHappyEyes(p, 27, -6);
    QPainterPath nose;
    nose.moveTo(-7, 11);
    nose.lineTo(7, 11);
    nose.lineTo(0, 19);
    nose.closeSubpath();
    fillPath(p, nose, kPink, kPink, 3);
    QPainterPath mouth;
    mouth.moveTo(-10, 27);
    mouth.quadTo(-5, 31, 0, 24);
    mouth.quadTo(5, 31, 10, 27);
    strokePath(p, mouth, kInk, 3);
    drawCheeks(p, 46, 18, 150);
}

void drawBearFace(QPainter &p)
{
    const QColor fur("#a8714a"), line("#7b4f32"), muzzle("#e8c4a0");
    for (int side : {-1, 1}) {
        fillPath(p, ellipse(QPointF(side * 50, -48), 25, 25), fur, line, 4);
        fillPath(p, ellipse(QPointF(side * 50, -48), 12, 12), muzzle);
    }
    fillPath(p, ellipse(QPointF(0, 0), 70, 60), fur, line, 4);
    fillPath(p, ellipse(QPointF(0, 24), 32, 22), muzzle);
    for (int side : {-1, 1}) {
        fillPath(p, ellipse(QPointF(side * 26, -8), 7, 8), kInk);
        fillPath(p, ellipse(QPointF(side * 26 + 2.5, -11), 2.5, 2.5), kLight);
    }
    fillPath(p, ellipse(QPointF(0, 13), 11, 8), kInk);
    QPainterPath mouth;
    mouth.moveTo(0, 20);
    mouth.lineTo(0, 28);
    mouth.moveTo(-10, 30);
    mouth.quadTo(-5, 34, 0, 28);
    mouth.quadTo(5, 34, 10, 30);
    strokePath(p, mouth, kInk, 3);
    drawCheeks(p, 46, 16, 140);
}

// --- Capsule --------------------------------------------------------------------

// The porthole, high on the back wall so that it shows above the head.
const QPointF kPorthole(180, 170);

// Star positions inside the porthole, from a fixed linear congruential
// sequence so every run draws the same sky.
QVector<QPointF> stars(int count)
{
    QVector<QPointF> result;
    quint32 state = 20240611u;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1 << 24);
    };
    while (result.size() < count) {
        const QPointF p = kPorthole + QPointF(208 * next() - 104, 208 * next() - 104);
        if (QLineF(p, kPorthole).length() < 100)
            result.append(p);
    }
    return result;
}

void drawCapsuleWall(QPainter &p)
{
    QLinearGradient wall(0, 0, 0, 640);
    wall.setColorAt(0, QColor("#e3e8ef"));
    wall.setColorAt(1, QColor("#c3cad6"));
    p.fillRect(QRectF(0, 0, 360, 640), wall);
    const QColor seam("#aab3c1"), rivet("#9aa4b4");
    p.setPen(QPen(seam, 2));
    p.drawLine(QPointF(0, 372), QPointF(360, 372));
    p.drawLine(QPointF(0, 470), QPointF(360, 470));
    p.setPen(Qt::NoPen);
    p.setBrush(rivet);
    for (double x = 40; x < 330; x += 28) {
        p.drawEllipse(QPointF(x, 382), 2.5, 2.5);
        p.drawEllipse(QPointF(x, 460), 2.5, 2.5);
    }
    // Ceiling light and the ribs on both sides.
    p.setBrush(withAlpha(QColor("#fff6ec"), 230));
    p.drawRoundedRect(QRectF(70, 10, 220, 10), 5, 5);
    for (double x : {-22.0, 336.0}) {
        QLinearGradient rib(x, 0, x + 46, 0);
        rib.setColorAt(0, QColor("#7d889a"));
        rib.setColorAt(0.5, QColor("#a7b1c0"));
        rib.setColorAt(1, QColor("#7d889a"));
        p.setBrush(rib);
        p.drawRoundedRect(QRectF(x, -20, 46, 680), 18, 18);
    }
}

void drawPorthole(QPainter &p, double t)
{
    const QPointF centre = kPorthole;
    fillPath(p, ellipse(centre, 126, 126), QColor("#5c6b80"));
    strokePath(p, ellipse(centre, 117, 117), QColor("#8e9aab"), 10);
    p.setBrush(QColor("#c9d2de"));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const double a = 2 * M_PI * i / 12;
        p.drawEllipse(centre + QPointF(qCos(a), qSin(a)) * 117, 4, 4);
    }
    const QPainterPath window = ellipse(centre, 104, 104);
    QRadialGradient space(centre, 104);
    space.setColorAt(0, QColor("#24305c"));
    space.setColorAt(1, QColor("#121833"));
    fillPath(p, window, space);
    p.save();
    p.setClipPath(window);
    const QVector<QPointF> sky = stars(22);
    for (int i = 0; i < sky.size(); ++i) {
        const double twinkle = 0.5 + 0.5 * wave(t, 1, i * 0.173);
        const double r = 1.2 + (i % 3) * 0.6;
        p.setBrush(withAlpha(kLight, int(90 + 165 * twinkle)));
        p.drawEllipse(sky.at(i), r, r);
    }
    // The planet below, turning slowly: its cloud bands slide by one loop.
    const QPointF planet = kPorthole + QPointF(0, 152);
    QRadialGradient ocean(planet + QPointF(-30, -60), 170);
    ocean.setColorAt(0, QColor("#6fb1ec"));
    ocean.setColorAt(1, QColor("#2f5fa8"));
    fillPath(p, ellipse(planet, 150, 150), ocean);
    p.save();
    p.setClipPath(ellipse(planet, 150, 150));
    p.setBrush(withAlpha(kLight, 120));
    for (int band = 0; band < 3; ++band) {
        const double y = planet.y() - 126 + band * 22;
        for (double x = -120 + fract(t + band * 0.3) * 120; x < 360; x += 120)
            p.drawRoundedRect(QRectF(x + band * 14, y, 64 - band * 10, 8), 4, 4);
    }
    p.restore();
    strokePath(p, ellipse(planet, 151, 151), withAlpha(QColor("#9fd6ff"), 150), 5);
    // Glass.
    QPainterPath glint;
    const QRectF glass(kPorthole - QPointF(84, 84), QSizeF(168, 168));
    glint.arcMoveTo(glass, 110);
    glint.arcTo(glass, 110, 50);
    strokePath(p, glint, withAlpha(Qt::white, 70), 10);
    p.restore();
}

void drawConsole(QPainter &p, int frame, double t)
{
    QPainterPath desk;
    desk.addRoundedRect(QRectF(24, 498, 312, 170), 18, 18);
    fillPath(p, desk, kInk);
    p.setPen(QPen(kInkLight, 3));
    p.drawLine(QPointF(40, 500), QPointF(320, 500));
    const QColor lights[] = {kSky, kAccent, kGold};
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 9; ++i) {
            const QColor colour = lights[(i + row) % 3];
            const bool on = (i * 3 + row * 5 + frame) % 4 != 0;
            p.setBrush(on ? colour : withAlpha(colour, 55));
            p.drawRoundedRect(QRectF(48 + i * 30, 526 + row * 26, 16, 10), 4, 4);
        }
    }
    QPainterPath screen;
    screen.addRoundedRect(QRectF(48, 584, 150, 44), 8, 8);
    fillPath(p, screen, QColor("#121833"));
    QPainterPath trace;
    for (int x = 0; x <= 136; x += 4) {
        const QPointF point(55 + x, 606 + 12 * qSin(2 * M_PI * (x / 68.0 - t)));
        if (x == 0)
            trace.moveTo(point);
        else
            trace.lineTo(point);
    }
    strokePath(p, trace, kSky, 3);
    for (int i = 0; i < 3; ++i) {
        fillPath(p, ellipse(QPointF(236 + i * 34, 606), 12, 12), QColor("#3a3e52"));
        const double a = 2 * M_PI * (i * 0.3 + (i == 1 ? t : 0)) - M_PI / 2;
        QPainterPath needle(QPointF(236 + i * 34, 606));
        needle.lineTo(QPointF(236 + i * 34 + 9 * qCos(a), 606 + 9 * qSin(a)));
        strokePath(p, needle, kLight, 3);
    }
}

} // namespace

QList<QImage> catEars()
{
    return sequence(320, 150, 12, [](QPainter &p, double t) {
        drawCatEar(p, QPointF(88, 140), -14 - 12 * bump(t, 0.0, 0.25), false);
        drawCatEar(p, QPointF(232, 140), 14 + 12 * bump(t, 0.5, 0.75), true);
    });
}

QList<QImage> catNose()
{
    return sequence(300, 120, 8, [](QPainter &p, double t) {
        const QColor whisker("#9aa0ad");
        drawWhiskers(p, QPointF(112, 50), 5 * wave(t), false, whisker);
        drawWhiskers(p, QPointF(188, 50), 5 * wave(t), true, whisker);
        QPainterPath mouth;
        mouth.moveTo(150, 54);
        mouth.lineTo(150, 64);
        mouth.moveTo(126, 66);
        mouth.quadTo(138, 76, 150, 64);
        mouth.quadTo(162, 76, 174, 66);
        strokePath(p, mouth, QColor("#c9707f"), 3.5);
        p.save();
        p.translate(150, 40);
        const double sniff = 1 + 0.06 * qMax(0.0, wave(t, 2));
        p.scale(sniff, sniff);
        fillPath(p, catNoseShape(), QColor("#f28aa5"), QColor("#d96f8c"), 2);
        fillPath(p, ellipse(QPointF(-7, -8), 6, 3.5), withAlpha(Qt::white, 180));
        p.restore();
    });
}

QList<QImage> catTail()
{
    return sequence(160, 320, 12, [](QPainter &p, double t) {
        const QPointF base(140, 330);
        const QVector<QPointF> rest{base, QPointF(124, 250), QPointF(78, 182), QPointF(62, 112),
                                    QPointF(86, 58), QPointF(122, 60), QPointF(118, 92)};
        QVector<QPointF> points;
        const double swing = 9 * wave(t);
        for (int i = 0; i < rest.size(); ++i) {
            // The tip swings further than the root.
            QTransform turn;
            turn.translate(base.x(), base.y());
            turn.rotate(swing * (0.5 + i / 6.0));
            turn.translate(-base.x(), -base.y());
            points.append(turn.map(rest.at(i)));
        }
        const QPainterPath tail = smooth(points);
        strokePath(p, tail, kFurLine, 42);
        strokePath(p, tail, kFur, 34);
        strokePath(p, smooth(points.mid(4)), QColor("#e6e9ef"), 30);
    });
}

QList<QImage> filmStrip()
{
    return sequence(360, 640, 12, [](QPainter &p, double t) {
        drawFilmBand(p, 8, -72 * t);
        drawFilmBand(p, 562, 72 * t);
    });
}

QList<QImage> clapper()
{
    return sequence(200, 180, 10, [](QPainter &p, double t) {
        p.translate(100, 100);
        p.rotate(-10);
        p.translate(-100, -100);
        QPainterPath body;
        body.addRoundedRect(QRectF(20, 72, 160, 96), 8, 8);
        fillPath(p, body, kInk);
        p.setPen(QPen(kLight, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(34, 98), QPointF(120, 98));
        p.drawLine(QPointF(34, 120), QPointF(160, 120));
        p.drawLine(QPointF(34, 142), QPointF(96, 142));
        p.setPen(QPen(kInkLight, 2));
        p.drawLine(QPointF(20, 108), QPointF(180, 108));
        p.drawLine(QPointF(20, 130), QPointF(180, 130));
        drawStripedBar(p, QRectF(20, 56, 160, 16));
        p.save();
        p.translate(22, 56);
        p.rotate(-clapAngle(t));
        drawStripedBar(p, QRectF(-2, -18, 160, 16));
        p.restore();
        fillPath(p, ellipse(QPointF(24, 56), 5, 5), kInkLight);
        if (t >= 0.65 && t < 0.85) {
            p.setPen(QPen(kGold, 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(186, 40), QPointF(198, 30));
            p.drawLine(QPointF(190, 56), QPointF(200, 56));
            p.drawLine(QPointF(180, 28), QPointF(184, 16));
        }
    });
}

QList<QImage> glasses()
{
    return sequence(320, 110, 10, [](QPainter &p, double t) {
        const QPointF left(88, 58), right(232, 58);
        QPainterPath frame = lens(left, 9).united(lens(right, 9));
        QPainterPath bridge;
        bridge.moveTo(146, 52);
        bridge.quadTo(160, 38, 174, 52);
        strokePath(p, bridge, kInk, 16);
        strokePath(p, bridge, kLight, 10);
        for (int side : {-1, 1}) {
            const double x = side < 0 ? 22 : 298;
            QPainterPath temple(QPointF(x, 44));
            temple.lineTo(QPointF(x + side * 20, 38));
            strokePath(p, temple, kInk, 16);
            strokePath(p, temple, kLight, 10);
        }
        fillPath(p, frame, kLight, kInk, 3);
        fillPath(p, lens(left), withAlpha(QColor("#ff4f5e"), 185));
        fillPath(p, lens(right), withAlpha(QColor("#4fd0ff"), 185));
        if (t < 0.7) {
            p.save();
            p.setClipPath(lens(left).united(lens(right)));
            const double x = -60 + 440 * t / 0.7;
            p.setPen(Qt::NoPen);
            p.setBrush(withAlpha(Qt::white, 140));
            p.drawPolygon(Paint::poly({QPointF(x, 110), QPointF(x + 26, 110), QPointF(x + 66, 0), QPointF(x + 40, 0)}));
            p.restore();
        }
    });
}

QList<QImage> headphones()
{
    return sequence(360, 360, 8, [](QPainter &p, double t) {
        const QRectF arc(40, 32, 280, 516);
        QPainterPath band;
        band.arcMoveTo(arc, 180);
        band.arcTo(arc, 180, -180);
        strokePath(p, band, kInk, 24);
        strokePath(p, band, kInkLight, 8);
        QPainterPath pad;
        pad.arcMoveTo(arc.adjusted(6, 6, -6, -6), 130);
        pad.arcTo(arc.adjusted(6, 6, -6, -6), 130, -80);
        strokePath(p, pad, kInk, 30);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor("#3a3e52"));
        p.drawRoundedRect(QRectF(32, 214, 16, 34), 5, 5);
        p.drawRoundedRect(QRectF(312, 214, 16, 34), 5, 5);
        const double beat = qPow(0.5 + 0.5 * wave(t, 2, 0.25), 2);
        const bool swap = t >= 0.5;
        drawCup(p, QPointF(40, 290), swap ? kPink : kSky, beat);
        drawCup(p, QPointF(320, 290), swap ? kSky : kPink, beat);
    });
}

QList<QImage> equalizer()
{
    return sequence(360, 100, 12, [](QPainter &p, double t) {
        QPainterPath panel;
        panel.addRoundedRect(QRectF(8, 12, 344, 82), 16, 16);
        fillPath(p, panel, withAlpha(kInk, 215), withAlpha(kSky, 130), 2);
        static const int kCycles[] = {1, 2, 1, 3, 2, 1, 2, 3, 1, 2, 3, 1, 2, 1, 3, 2};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 16; ++i) {
            const double level = 0.5 + 0.5 * wave(t, kCycles[i], fract(i * 0.137));
            const double height = 8 + 52 * level;
            const QRectF bar(25 + i * 20.2, 84 - height, 14, height);
            QLinearGradient fill(0, 84, 0, 24);
            fill.setColorAt(0, kSky);
            fill.setColorAt(1, kPink);
            p.setBrush(fill);
            p.drawRoundedRect(bar, 3, 3);
            p.setBrush(kGold);
            p.drawRoundedRect(QRectF(bar.left(), bar.top() - 7, 14, 4), 2, 2);
        }
    });
}

QList<QImage> musicNotes()
{
    return sequence(160, 240, 12, [](QPainter &p, double t) {
        const QColor colours[] = {kSky, kPink, kGold};
        for (int k = 0; k < 3; ++k) {
            const double rise = fract(t + k / 3.0);
            const QPointF head(36 + 40 * k + 10 * qSin(2 * M_PI * rise), 226 - 180 * rise);
            fillPath(p, eighthNote(head), withAlpha(colours[k], int(255 * qSin(M_PI * rise))));
        }
    });
}

QList<QImage> catHead()
{
    return sequence(200, 190, 12, [](QPainter &p, double t) {
        p.translate(100, 108 + 7 * wave(t));
        p.rotate(6 * wave(t, 1, 0.25));
        drawCatFace(p);
    });
}

QList<QImage> bearHead()
{
    return sequence(200, 190, 12, [](QPainter &p, double t) {
        p.translate(100, 108 + 7 * wave(t, 1, 0.5));
        p.rotate(6 * wave(t, 1, 0.75));
        drawBearFace(p);
    });
}

QList<QImage> blush()
{
    return sequence(360, 90, 6, [](QPainter &p, double t) {
        const double glow = 0.85 + 0.15 * wave(t);
        for (const QPointF &cheek : {QPointF(70, 48), QPointF(290, 48)}) {
            QRadialGradient fill(cheek, 52);
            fill.setColorAt(0, withAlpha(kBlush, int(170 * glow)));
            fill.setColorAt(1, withAlpha(kBlush, 0));
            p.save();
            p.translate(cheek);
            p.scale(1, 28.0 / 52);
            p.translate(-cheek);
            fillPath(p, ellipse(cheek, 52, 52), fill);
            p.restore();
            for (int i = 0; i < 3; ++i) {
                const QPointF from = cheek + QPointF(-16 + i * 14, 8);
                QPainterPath shine(from);
                shine.lineTo(from + QPointF(8, -14));
                strokePath(p, shine, withAlpha(Qt::white, 210), 3.5);
            }
            fillPath(p, heart(cheek + QPointF(34, -22 - 6 * fract(t)), 14), withAlpha(kPink, int(230 * glow)));
        }
    });
}

QList<QImage> capsule()
{
    QList<QImage> frames;
    for (int f = 0; f < 8; ++f) {
        QImage image(360, 640, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&image);
        Paint::begin(p);
        const double t = f / 8.0;
        drawCapsuleWall(p);
        drawPorthole(p, t);
        drawConsole(p, f, t);
        p.end();
        frames.append(image);
    }
    return frames;
}

} // namespace StickerArt
