#include "LWFaceMapping.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace LWFaceMapping {

namespace {

QPointF mean(std::initializer_list<QPointF> points)
{
    QPointF sum;
    for (const QPointF &p : points)
        sum += p;
    return sum / double(points.size());
}

// A point on the uniform Catmull-Rom curve through points, at a fractional
// point number u (clamped to the ends).
QPointF onCurve(const QVector<QPointF> &points, double u)
{
    const int last = points.size() - 1;
    // Beyond the ends: straight on from the last step.
    if (u < 0)
        return points.at(0) + u * (points.at(1) - points.at(0));
    if (u > last)
        return points.at(last) + (u - last) * (points.at(last) - points.at(last - 1));
    const int i = std::min(int(std::floor(u)), last - 1);
    const double t = u - i;
    const QPointF p0 = points.at(std::max(i - 1, 0)), p1 = points.at(i), p2 = points.at(i + 1),
                  p3 = points.at(std::min(i + 2, last));
    const double t2 = t * t, t3 = t2 * t;
    return 0.5 * ((2 * p1) + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 + (-p0 + 3 * p1 - 3 * p2 + p3) * t3);
}

// The point at fraction f (0..1) of a polyline's points, by point number.
QPointF along(const QVector<QPointF> &points, double f)
{
    return onCurve(points, f * (points.size() - 1));
}

// The point half-way by length between point numbers from and to on the
// smooth curve through points: for table points spaced evenly along a
// contour whose tracked points are not.
QPointF halfWay(const QVector<QPointF> &points, int from, int to)
{
    constexpr int kSteps = 32;
    QVector<QPointF> dense;
    QVector<double> arc;
    for (int i = 0; i <= kSteps; ++i) {
        dense << onCurve(points, from + double(to - from) * i / kSteps);
        arc << (i ? arc.last() + QLineF(dense.at(i - 1), dense.at(i)).length() : 0.0);
    }
    const double wanted = arc.last() / 2;
    int i = 1;
    while (i < kSteps && arc.at(i) < wanted)
        ++i;
    const double span = arc.at(i) - arc.at(i - 1);
    const double t = span > 0 ? (wanted - arc.at(i - 1)) / span : 0;
    return dense.at(i - 1) + t * (dense.at(i) - dense.at(i - 1));
}

// Moves p away from the forehead: along the face's downward direction,
// perpendicular to the eye line.
QPointF down(const QPointF &p, const QPointF &leftEye, const QPointF &rightEye, double by)
{
    const QPointF across = rightEye - leftEye;
    const double length = std::hypot(across.x(), across.y());
    if (length <= 0)
        return p;
    return p + QPointF(-across.y(), across.x()) / length * by;
}

} // namespace

double jawParameter(int i)
{
    // Where the model's jaw points d0..d8 fall among the table's contour
    // points 0..16, read on the standard face (both halves averaged): the
    // table starts higher on the ear and closes up towards the chin.
    static const double table[9] = {0.5, 2.25, 3.9, 5.5, 7.1, 8.85, 10.85, 13.0, 16.0};
    const bool right = i > 16;
    const double at = right ? 32 - i : i;
    int k = 0;
    while (k < 7 && at > table[k + 1])
        ++k;
    const double u = k + (at - table[k]) / (table[k + 1] - table[k]);
    return right ? 16 - u : u;
}

QVector<QPointF> humanPoints(const QVector<QPointF> &d, const QSizeF &picture)
{
    if (d.size() != 68)
        return {};
    QVector<QPointF> p(kTablePoints);
    const QVector<QPointF> jaw = d.mid(0, 17);
    for (int i = 0; i <= 32; ++i)
        p[i] = onCurve(jaw, jawParameter(i));
    for (int k = 0; k < 5; ++k) {
        p[33 + k] = d[17 + k];
        p[38 + k] = d[22 + k];
    }
    for (int k = 0; k < 4; ++k)
        p[43 + k] = d[27 + k];
    for (int k = 0; k < 5; ++k)
        p[47 + k] = d[31 + k];
    for (int k = 0; k < 6; ++k) {
        p[52 + k] = d[36 + k];
        p[58 + k] = d[42 + k];
    }
    const QPointF leftPupil = mean({d[36], d[37], d[38], d[39], d[40], d[41]});
    const QPointF rightPupil = mean({d[42], d[43], d[44], d[45], d[46], d[47]});
    const double eyeDistance = QLineF(leftPupil, rightPupil).length();
    const QVector<QPointF> leftBrow = d.mid(17, 5), rightBrow = d.mid(22, 5);
    for (int k = 0; k < 4; ++k) {
        const double f = (k + 1) / 5.0;
        p[64 + k] = down(along(leftBrow, f), leftPupil, rightPupil, kBrowThickness * eyeDistance);
        p[68 + k] = down(along(rightBrow, f), leftPupil, rightPupil, kBrowThickness * eyeDistance);
    }
    p[72] = mean({d[37], d[38]});
    p[73] = mean({d[40], d[41]});
    p[74] = leftPupil;
    p[75] = mean({d[43], d[44]});
    p[76] = mean({d[46], d[47]});
    p[77] = rightPupil;
    // The nose's frame: t of the way down the bridge, a nose widths across.
    const QPointF bridge = d[30] - d[27], across = d[35] - d[31];
    const auto nose = [&](double t, double a) { return d[27] + t * bridge + a * across; };
    const struct { double t, a; } sides[2] = {{0.426, 0.190}, {0.745, 0.274}};
    for (int k = 0; k < 2; ++k) {
        p[78 + 2 * k] = nose(sides[k].t, -sides[k].a);
        p[79 + 2 * k] = nose(sides[k].t, sides[k].a);
    }
    // The wings belong to the nostril line, not to the bridge: reckoned from
    // the tip they would take on every error in the nose's length.
    const QPointF base = (d[31] + d[35]) / 2, up(across.y(), -across.x());
    p[82] = base - kWingOut * across + kWingUp * up;
    p[83] = base + kWingOut * across + kWingUp * up;
    for (int k = 0; k < 12; ++k)
        p[84 + k] = d[48 + k];
    // The inner lips: corners and middles as tracked, the points between
    // spaced evenly along the lip as the table's are.
    const QVector<QPointF> innerUpper = d.mid(60, 5);
    const QVector<QPointF> innerLower{d[64], d[65], d[66], d[67], d[60]};
    p[96] = d[60];
    p[97] = halfWay(innerUpper, 0, 2);
    p[98] = d[62];
    p[99] = halfWay(innerUpper, 2, 4);
    p[100] = d[64];
    p[101] = halfWay(innerLower, 0, 2);
    p[102] = d[66];
    p[103] = halfWay(innerLower, 2, 4);
    p[104] = leftPupil;
    p[105] = rightPupil;
    p[106] = QPointF(0, 0);
    p[107] = QPointF(picture.width(), 0);
    return p;
}

} // namespace LWFaceMapping
