#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QVector>

#include <functional>

// A smooth open curve through control points (uniform Catmull-Rom), kept
// as a dense polyline and addressed by arc length. Artwork is drawn from
// the polyline and key points are read with at(), so a point table can
// never drift away from the picture it describes.
class Curve
{
public:
    Curve() = default;
    explicit Curve(const QVector<QPointF> &controls, int stepsPerSegment = 32);

    // Point at fraction u (0..1) of the curve's length.
    QPointF at(qreal u) const;
    // The control points lie on the curve; some features name them directly.
    QPointF control(int index) const { return m_controls.at(index); }
    const QPolygonF &polyline() const { return m_dense; }
    QPolygonF reversedPolyline() const;
    QPointF start() const { return m_dense.first(); }
    QPointF end() const { return m_dense.last(); }

    Curve mirrored(qreal axisX) const;
    // The curve through the control points moved by f.
    Curve mapped(const std::function<QPointF(QPointF)> &f) const;
    Curve translated(QPointF offset) const;

private:
    void measure();

    QVector<QPointF> m_controls;
    QPolygonF m_dense;
    QVector<qreal> m_arc; // cumulative length at each dense point
};

inline QPointF mirrorX(QPointF p, qreal axisX)
{
    return {2 * axisX - p.x(), p.y()};
}

// Joins polylines into one closed outline (consecutive duplicates dropped).
QPolygonF joinOutline(const QVector<QPolygonF> &pieces);
