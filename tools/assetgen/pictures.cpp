#include "pictures.h"

#include "paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace Pictures {

namespace {

QImage blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath spark(QPointF c, qreal r, qreal pinch)
{
    const qreal k = r * pinch;
    QPainterPath path;
    path.moveTo(c.x(), c.y() - r);
    path.quadTo(c.x() + k, c.y() - k, c.x() + r, c.y());
    path.quadTo(c.x() + k, c.y() + k, c.x(), c.y() + r);
    path.quadTo(c.x() - k, c.y() + k, c.x() - r, c.y());
    path.quadTo(c.x() - k, c.y() - k, c.x(), c.y() - r);
    return path;
}

} // namespace

QImage defaultEffectIcon()
{
    QImage image = blank(162, 162);
    QPainter p(&image);
    Paint::begin(p);
    QLinearGradient tile(0, 0, 0, 162);
    tile.setColorAt(0, QColor("#34373f"));
    tile.setColorAt(1, QColor("#26282e"));
    p.setPen(QPen(QColor("#3a3d46"), 2));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(5, 5, 152, 152), 34, 34);
    // A face being dressed up: a simple head with a spark beside it.
    const QColor line("#e8e9ee");
    const QColor accent("#ff7a45");
    p.setPen(QPen(line, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(74, 88), 38, 42);
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawEllipse(QPointF(60, 82), 5, 6);
    p.drawEllipse(QPointF(88, 82), 5, 6);
    QPainterPath smile;
    smile.moveTo(60, 104);
    smile.quadTo(74, 116, 88, 104);
    p.setPen(QPen(accent, 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawPath(spark(QPointF(120, 46), 22, 0.22));
    p.drawPath(spark(QPointF(134, 82), 9, 0.25));
    return image;
}

QImage stickerPlaceholder()
{
    QImage image = blank(300, 300);
    QPainter p(&image);
    Paint::begin(p);
    const QColor accent("#ff7a45");
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 122, 69, 38));
    p.drawRoundedRect(QRectF(6, 6, 288, 288), 24, 24);
    QPen dashed(accent, 6, Qt::CustomDashLine, Qt::RoundCap, Qt::RoundJoin);
    dashed.setDashPattern({3, 3});
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6, 6, 288, 288), 24, 24);
    // A picture glyph: frame, hills and sun.
    p.setPen(QPen(QColor(255, 255, 255, 220), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(38, 40, 46, 120));
    p.drawRoundedRect(QRectF(90, 100, 120, 100), 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawPolygon(Paint::poly({{100, 190}, {136, 146}, {160, 172}, {174, 158}, {200, 190}}));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(QPointF(178, 128), 11, 11);
    return image;
}

QImage sceneBackdrop()
{
    QImage image(720, 1280, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    Paint::begin(p);
    QLinearGradient ground(0, 0, 0, 1280);
    ground.setColorAt(0, QColor("#30333b"));
    ground.setColorAt(1, QColor("#1e1f24"));
    p.fillRect(image.rect(), ground);
    QRadialGradient glow(QPointF(360, 560), 520);
    glow.setColorAt(0, QColor(255, 122, 69, 34));
    glow.setColorAt(1, QColor(255, 122, 69, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(360, 560), 520, 520);
    // A grid makes warps of the picture easy to see.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int x = 0; x <= 720; x += 40) {
        p.setPen(QPen(QColor(255, 255, 255, x % 160 == 0 ? 30 : 14), 1));
        p.drawLine(x, 0, x, 1280);
    }
    for (int y = 0; y <= 1280; y += 40) {
        p.setPen(QPen(QColor(255, 255, 255, y % 160 == 0 ? 30 : 14), 1));
        p.drawLine(0, y, 720, y);
    }
    return image;
}

QImage hairColorTemplate()
{
    QImage image(256, 64, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient ramp(0, 0, 256, 0);
    ramp.setColorAt(0.0, QColor("#2a1913"));
    ramp.setColorAt(0.35, QColor("#7a3320"));
    ramp.setColorAt(0.7, QColor("#d27a45"));
    ramp.setColorAt(1.0, QColor("#f4d39c"));
    p.fillRect(image.rect(), ramp);
    return image;
}

} // namespace Pictures
