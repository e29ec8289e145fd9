#include "icons.h"

#include "paint.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace Icons {

namespace {

// The interface palette.
const QColor kLine("#e8e9ee");
const QColor kDim("#9a9daa");
const QColor kAccent("#ff7a45");
const QColor kPanel("#3a3d46");

QPen pen(const QColor &c, qreal w = 2)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath star(QPointF c, qreal outer, qreal inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = i % 2 ? inner : outer;
        const qreal a = -M_PI / 2 + i * M_PI / points;
        const QPointF p = c + QPointF(qCos(a) * r, qSin(a) * r);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath spark(QPointF c, qreal r)
{
    const qreal k = r * 0.25;
    QPainterPath path;
    path.moveTo(c.x(), c.y() - r);
    path.quadTo(c.x() + k, c.y() - k, c.x() + r, c.y());
    path.quadTo(c.x() + k, c.y() + k, c.x(), c.y() + r);
    path.quadTo(c.x() - k, c.y() + k, c.x() - r, c.y());
    path.quadTo(c.x() - k, c.y() - k, c.x(), c.y() - r);
    return path;
}

void sticker(QPainter &p)
{
    QPainterPath body;
    body.moveTo(9, 5);
    body.lineTo(23, 5);
    body.quadTo(27, 5, 27, 9);
    body.lineTo(27, 19);
    body.lineTo(19, 27);
    body.lineTo(9, 27);
    body.quadTo(5, 27, 5, 23);
    body.lineTo(5, 9);
    body.quadTo(5, 5, 9, 5);
    p.setPen(pen(kLine));
    p.setBrush(kPanel);
    p.drawPath(body);
    p.setBrush(kAccent);
    p.drawPolygon(Paint::poly({{27, 19}, {19, 19}, {19, 27}}));
    p.setPen(Qt::NoPen);
    p.drawPath(star({14, 15}, 6, 2.6, 5));
}

void layers(QPainter &p)
{
    p.setPen(pen(kAccent));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(Paint::poly({{5, 20}, {16, 26}, {27, 20}}));
    p.setPen(pen(kLine));
    p.setBrush(kPanel);
    p.drawPolygon(Paint::poly({{16, 6}, {27, 12}, {16, 18}, {5, 12}}));
}

void lipstick(QPainter &p)
{
    p.setPen(pen(kLine));
    p.setBrush(kPanel);
    p.drawRoundedRect(QRectF(10, 18, 12, 10), 1.5, 1.5);
    p.drawLine(QPointF(10, 22), QPointF(22, 22));
    p.setPen(pen(kAccent));
    p.setBrush(kAccent);
    p.drawPolygon(Paint::poly({{12, 17}, {12, 10}, {20, 5}, {20, 17}}));
}

void filterCircles(QPainter &p)
{
    const QColor colors[] = {kAccent, kLine, kDim};
    const QPointF centres[] = {{12, 12.5}, {20, 12.5}, {16, 19.5}};
    for (int i = 0; i < 3; ++i) {
        p.setPen(pen(colors[i]));
        p.setBrush(Paint::withAlpha(colors[i], 70));
        p.drawEllipse(centres[i], 7, 7);
    }
}

void hairColor(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 7 + i * 6;
        QPainterPath strand;
        strand.moveTo(x, 5);
        strand.cubicTo(x + 5, 11, x - 4, 17, x + 2, 25);
        p.setPen(pen(i == 1 ? kLine : kAccent));
        p.drawPath(strand);
    }
    QPainterPath drop;
    drop.moveTo(25, 17);
    drop.cubicTo(28, 22, 29, 24, 27, 26.5);
    drop.cubicTo(25.5, 28, 23.5, 28, 22.5, 26.5);
    drop.cubicTo(21, 24, 22, 22, 25, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPath(drop);
}

void person(QPainter &p)
{
    QPen dashed = pen(kAccent, 1.5);
    dashed.setDashPattern({2, 2});
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3.75, 3.75, 24.5, 24.5), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(kLine);
    p.drawEllipse(QPointF(16, 12), 4.5, 4.5);
    QPainterPath body;
    body.moveTo(7.5, 26);
    body.cubicTo(8, 20, 11.5, 18, 16, 18);
    body.cubicTo(20.5, 18, 24, 20, 24.5, 26);
    body.closeSubpath();
    p.drawPath(body);
}

// Two beamed notes: background music.
void musicNotes(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    QPainterPath beam;
    beam.moveTo(12, 7.5);
    beam.lineTo(26, 4);
    beam.lineTo(26, 8);
    beam.lineTo(12, 11.5);
    beam.closeSubpath();
    p.drawPath(beam);
    p.setPen(pen(kLine));
    p.drawLine(QPointF(12, 9), QPointF(12, 22));
    p.drawLine(QPointF(26, 6), QPointF(26, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(kLine);
    p.drawEllipse(QPointF(9, 23), 4, 3.2);
    p.drawEllipse(QPointF(23, 20), 4, 3.2);
}

void folder(QPainter &p)
{
    p.setPen(pen(kLine));
    p.setBrush(kPanel);
    QPainterPath back;
    back.moveTo(4, 25);
    back.lineTo(4, 8);
    back.lineTo(12, 8);
    back.lineTo(15, 11);
    back.lineTo(28, 11);
    back.lineTo(28, 25);
    back.closeSubpath();
    p.drawPath(back);
    p.setPen(pen(kAccent));
    p.setBrush(Paint::withAlpha(kAccent, 90));
    p.drawPolygon(Paint::poly({{4, 25}, {7, 15}, {30, 15}, {28, 25}}));
}

void image(QPainter &p)
{
    p.setPen(pen(kLine));
    p.setBrush(kPanel);
    p.drawRoundedRect(QRectF(4, 6, 24, 20), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPolygon(Paint::poly({{6, 24}, {13, 15}, {18, 20}, {21, 17}, {26, 24}}));
    p.setBrush(kLine);
    p.drawEllipse(QPointF(21, 11.5), 2.5, 2.5);
}

void material(QPainter &p)
{
    QRadialGradient shade(QPointF(12.5, 12), 14);
    shade.setColorAt(0, QColor("#ffffff"));
    shade.setColorAt(0.35, kLine);
    shade.setColorAt(1, QColor("#5d606c"));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QPointF(16, 16), 11, 11);
    p.setPen(pen(kAccent, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 5, 22, 22), -20 * 16, -120 * 16);
}

void particles(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPath(spark({13, 14}, 9));
    p.setBrush(kLine);
    p.drawPath(spark({24, 8}, 4.5));
    p.drawEllipse(QPointF(24, 23), 2.2, 2.2);
    p.drawEllipse(QPointF(7, 26), 1.6, 1.6);
}

void frames(QPainter &p)
{
    p.setPen(pen(kDim));
    p.setBrush(kPanel);
    p.drawRoundedRect(QRectF(12, 4, 16, 14), 2, 2);
    p.setPen(pen(kLine));
    p.drawRoundedRect(QRectF(8, 9, 16, 14), 2, 2);
    p.setPen(pen(kAccent));
    p.setBrush(Paint::withAlpha(kAccent, 110));
    p.drawRoundedRect(QRectF(4, 14, 16, 14), 2, 2);
}

void sliders(QPainter &p)
{
    const qreal knobs[] = {20, 11, 17};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 8 + i * 8;
        p.setPen(pen(kLine));
        p.drawLine(QPointF(5, y), QPointF(27, y));
        p.setPen(pen(kAccent));
        p.setBrush(QColor("#26282e"));
        p.drawEllipse(QPointF(knobs[i], y), 3, 3);
    }
}

void bolt(QPainter &p)
{
    p.setPen(pen(kAccent, 1.5));
    p.setBrush(kAccent);
    p.drawPolygon(Paint::poly({{18, 3}, {7, 18}, {15, 18}, {13, 29}, {25, 13}, {17, 13}}));
}

void target(QPainter &p)
{
    p.setPen(pen(kLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 16), 9, 9);
    p.drawLine(QPointF(16, 3), QPointF(16, 9));
    p.drawLine(QPointF(16, 23), QPointF(16, 29));
    p.drawLine(QPointF(3, 16), QPointF(9, 16));
    p.drawLine(QPointF(23, 16), QPointF(29, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(16, 16), 3.5, 3.5);
}

} // namespace

QVector<Icon> all()
{
    return {
        {"2dFeature.png", sticker},
        {"2dFeaturePart.png", layers},
        {"meizhuang.png", lipstick},
        {"featureFilter.png", filterCircles},
        {"featurehaircolor.png", hairColor},
        {"featuresegbody.png", person},
        {"featurebgm.png", musicNotes},
        {"group.png", folder},
        {"resImage.png", image},
        {"resMtl.png", material},
        {"resParticle.png", particles},
        {"resTexture.png", frames},
        {"propertyIcon.png", sliders},
        {"triggerIcon.png", bolt},
        {"genzongIcon.png", target},
    };
}

QImage render(const Icon &icon, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Paint::begin(p);
    p.scale(size / 32.0, size / 32.0);
    icon.draw(p);
    return image;
}

} // namespace Icons
