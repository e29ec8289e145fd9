#pragma once

#include <QColor>
#include <QPainter>
#include <QPolygonF>

#include <initializer_list>

// Small drawing helpers shared by the generators.
namespace Paint {

inline QColor rgba(const char *hex, int alpha = 255)
{
    QColor c{QLatin1String(hex)};
    c.setAlpha(alpha);
    return c;
}

inline QPolygonF poly(std::initializer_list<QPointF> points)
{
    return QPolygonF(QVector<QPointF>(points));
}

inline QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

inline void fill(QPainter &p, const QPolygonF &outline, const QBrush &brush)
{
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPolygon(outline);
}

inline void stroke(QPainter &p, const QPolygonF &line, const QColor &color, qreal width)
{
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(line);
}

// Fill plus an outline of the same colour: a point taken from the outline
// lands on painted pixels, not on a half-covered antialiased edge.
inline void solid(QPainter &p, const QPolygonF &outline, const QColor &color, qreal edge = 4)
{
    p.setPen(QPen(color, edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(color);
    p.drawPolygon(outline);
}

inline void begin(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

} // namespace Paint
