#include "curve.h"

#include <QLineF>

#include <algorithm>

namespace {

QPointF catmullRom(QPointF p0, QPointF p1, QPointF p2, QPointF p3, qreal t)
{
    const qreal t2 = t * t, t3 = t2 * t;
    return 0.5 * (2 * p1 + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2
                  + (-p0 + 3 * p1 - 3 * p2 + p3) * t3);
}

} // namespace

Curve::Curve(const QVector<QPointF> &controls, int stepsPerSegment)
    : m_controls(controls)
{
    const int n = controls.size();
    if (n < 2) {
        m_dense = QPolygonF(controls);
        measure();
        return;
    }
    for (int i = 0; i + 1 < n; ++i) {
        // End segments reuse their end point as the missing neighbour.
        const QPointF p0 = controls.at(std::max(i - 1, 0));
        const QPointF p3 = controls.at(std::min(i + 2, n - 1));
        for (int s = 0; s < stepsPerSegment; ++s)
            m_dense << catmullRom(p0, controls.at(i), controls.at(i + 1), p3, qreal(s) / stepsPerSegment);
    }
    m_dense << controls.last();
    measure();
}

void Curve::measure()
{
    m_arc.clear();
    qreal total = 0;
    for (int i = 0; i < m_dense.size(); ++i) {
        if (i > 0)
            total += QLineF(m_dense.at(i - 1), m_dense.at(i)).length();
        m_arc << total;
    }
}

QPointF Curve::at(qreal u) const
{
    if (m_dense.isEmpty())
        return {};
    const qreal target = std::clamp(u, qreal(0), qreal(1)) * m_arc.last();
    const auto it = std::lower_bound(m_arc.begin(), m_arc.end(), target);
    const int i = int(it - m_arc.begin());
    if (i == 0)
        return m_dense.first();
    if (i >= m_dense.size())
        return m_dense.last();
    const qreal span = m_arc.at(i) - m_arc.at(i - 1);
    const qreal f = span > 0 ? (target - m_arc.at(i - 1)) / span : 0;
    return m_dense.at(i - 1) + (m_dense.at(i) - m_dense.at(i - 1)) * f;
}

QPolygonF Curve::reversedPolyline() const
{
    QPolygonF r = m_dense;
    std::reverse(r.begin(), r.end());
    return r;
}

Curve Curve::mirrored(qreal axisX) const
{
    Curve c = *this;
    for (QPointF &p : c.m_controls)
        p = mirrorX(p, axisX);
    for (QPointF &p : c.m_dense)
        p = mirrorX(p, axisX);
    return c;
}

Curve Curve::mapped(const std::function<QPointF(QPointF)> &f) const
{
    QVector<QPointF> controls;
    for (const QPointF &p : m_controls)
        controls << f(p);
    return Curve(controls);
}

Curve Curve::translated(QPointF offset) const
{
    Curve c = *this;
    for (QPointF &p : c.m_controls)
        p += offset;
    c.m_dense.translate(offset);
    return c;
}

QPolygonF joinOutline(const QVector<QPolygonF> &pieces)
{
    QPolygonF out;
    for (const QPolygonF &piece : pieces) {
        for (const QPointF &p : piece) {
            if (out.isEmpty() || QLineF(out.last(), p).length() > 1e-6)
                out << p;
        }
    }
    return out;
}
