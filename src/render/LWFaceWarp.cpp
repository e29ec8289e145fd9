#include "LWFaceWarp.h"

#include "features/sticker2d/NS2DStickerParameter.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// The table's face points that join the mesh: 104 and 105 repeat the
// pupils 74 and 77.
constexpr int kMeshFacePoints = 104;

// Twice the signed area of the triangle a b c.
double cross(const QPointF &a, const QPointF &b, const QPointF &c)
{
    return (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
}

QVector<QPointF> ring()
{
    // Around the standard face, so textures reaching past the jaw or up the
    // forehead still land: an ellipse round the head and two rows on the
    // forehead. They follow the face as a whole (see similarity()).
    QVector<QPointF> points;
    for (int k = 0; k < 16; ++k) {
        const double angle = k * M_PI / 8;
        points << QPointF(360 + 410 * std::cos(angle), 600 + 580 * std::sin(angle));
    }
    for (double x : {170.0, 265.0, 360.0, 455.0, 550.0})
        points << QPointF(x, 340);
    for (double x : {250.0, 360.0, 470.0})
        points << QPointF(x, 230);
    return points;
}

QVector<LWFaceWarp::Triangle> delaunay(const QVector<QPointF> &points)
{
    struct Tri
    {
        int a, b, c;
        QPointF centre;
        double radius2;
    };
    QVector<QPointF> p = points;
    const int n = p.size();
    // A triangle holding every point.
    p << QPointF(-1e5, -1e5) << QPointF(1e5, -1e5) << QPointF(0, 1e5);
    auto make = [&p](int a, int b, int c) {
        const QPointF A = p[a], B = p[b], C = p[c];
        const double d = 2 * (A.x() * (B.y() - C.y()) + B.x() * (C.y() - A.y()) + C.x() * (A.y() - B.y()));
        const double a2 = QPointF::dotProduct(A, A), b2 = QPointF::dotProduct(B, B), c2 = QPointF::dotProduct(C, C);
        const QPointF centre((a2 * (B.y() - C.y()) + b2 * (C.y() - A.y()) + c2 * (A.y() - B.y())) / d,
                             (a2 * (C.x() - B.x()) + b2 * (A.x() - C.x()) + c2 * (B.x() - A.x())) / d);
        const QPointF r = A - centre;
        return Tri{a, b, c, centre, QPointF::dotProduct(r, r)};
    };
    QVector<Tri> tris{make(n, n + 1, n + 2)};
    for (int i = 0; i < n; ++i) {
        QVector<QPair<int, int>> edges;
        QVector<Tri> kept;
        for (const Tri &t : tris) {
            const QPointF r = p[i] - t.centre;
            if (QPointF::dotProduct(r, r) < t.radius2)
                edges << qMakePair(t.a, t.b) << qMakePair(t.b, t.c) << qMakePair(t.c, t.a);
            else
                kept << t;
        }
        // The hole's outline: edges that only one removed triangle had.
        for (int e = 0; e < edges.size(); ++e) {
            bool shared = false;
            for (int o = 0; o < edges.size() && !shared; ++o) {
                shared = o != e && ((edges[o].first == edges[e].first && edges[o].second == edges[e].second)
                                    || (edges[o].first == edges[e].second && edges[o].second == edges[e].first));
            }
            if (!shared)
                kept << make(edges[e].first, edges[e].second, i);
        }
        tris = kept;
    }
    QVector<LWFaceWarp::Triangle> out;
    for (const Tri &t : tris) {
        if (t.a < n && t.b < n && t.c < n)
            out << LWFaceWarp::Triangle{t.a, t.b, t.c};
    }
    return out;
}

// The best similarity (turn, scale, shift) from the standard face points to
// the tracked ones, for the ring.
QTransform similarity(const QVector<QPointF> &from, const QVector<QPointF> &to, int count)
{
    QPointF mf, mt;
    for (int i = 0; i < count; ++i) {
        mf += from[i];
        mt += to[i];
    }
    mf /= count;
    mt /= count;
    double re = 0, im = 0, norm = 0;
    for (int i = 0; i < count; ++i) {
        const QPointF s = from[i] - mf, t = to[i] - mt;
        re += t.x() * s.x() + t.y() * s.y();
        im += t.y() * s.x() - t.x() * s.y();
        norm += QPointF::dotProduct(s, s);
    }
    if (norm <= 0)
        return QTransform();
    const double a = re / norm, b = im / norm;
    // x' = a x - b y + dx, y' = b x + a y + dy
    return QTransform(a, b, -b, a, mt.x() - (a * mf.x() - b * mf.y()), mt.y() - (b * mf.x() + a * mf.y()));
}

QRgb sample(const QImage &texture, double u, double v)
{
    // Bilinear, premultiplied; outside the texture is transparent.
    u -= 0.5;
    v -= 0.5;
    const int x0 = int(std::floor(u)), y0 = int(std::floor(v));
    const double fx = u - x0, fy = v - y0;
    double acc[4] = {0, 0, 0, 0};
    for (int j = 0; j < 2; ++j) {
        const int y = y0 + j;
        if (y < 0 || y >= texture.height())
            continue;
        const QRgb *line = reinterpret_cast<const QRgb *>(texture.constScanLine(y));
        for (int i = 0; i < 2; ++i) {
            const int x = x0 + i;
            if (x < 0 || x >= texture.width())
                continue;
            const double w = (i ? fx : 1 - fx) * (j ? fy : 1 - fy);
            const QRgb c = line[x];
            acc[0] += w * qAlpha(c);
            acc[1] += w * qRed(c);
            acc[2] += w * qGreen(c);
            acc[3] += w * qBlue(c);
        }
    }
    return qRgba(int(acc[1] + 0.5), int(acc[2] + 0.5), int(acc[3] + 0.5), int(acc[0] + 0.5));
}

} // namespace

const QVector<QPointF> &LWFaceWarp::standardMesh()
{
    static const QVector<QPointF> mesh = [] {
        QVector<QPointF> points = NS2DStickerParameter::faceTypeData(NS2DStickerParameter::FaceTypeHuman).keyPoints.mid(0, kMeshFacePoints);
        return points.size() == kMeshFacePoints ? points + ring() : QVector<QPointF>();
    }();
    return mesh;
}

const QVector<LWFaceWarp::Triangle> &LWFaceWarp::triangles()
{
    static const QVector<Triangle> all = [] {
        const QVector<QPointF> &mesh = standardMesh();
        QVector<Triangle> kept;
        if (mesh.isEmpty())
            return kept;
        QPolygonF opening;
        for (int i = 96; i <= 103; ++i)
            opening << mesh[i];
        for (const Triangle &t : delaunay(mesh)) {
            const QPointF centre = (mesh[t.a] + mesh[t.b] + mesh[t.c]) / 3;
            if (!opening.containsPoint(centre, Qt::OddEvenFill))
                kept << t;
        }
        return kept;
    }();
    return all;
}

LWFaceWarp::LWFaceWarp(const QVector<QPointF> &standard, const QVector<QPointF> &tracked)
{
    const QVector<QPointF> &mesh = standardMesh();
    if (mesh.isEmpty() || standard.size() < kMeshFacePoints || tracked.size() < kMeshFacePoints)
        return;
    m_tracked = tracked.mid(0, kMeshFacePoints);
    const QTransform whole = similarity(standard, tracked, kMeshFacePoints);
    for (int i = kMeshFacePoints; i < mesh.size(); ++i)
        m_tracked << whole.map(mesh[i]);
    m_valid = true;
}

QRect LWFaceWarp::reach(const QTransform &trackedToCanvas) const
{
    QPolygonF all;
    for (const QPointF &p : m_tracked)
        all << trackedToCanvas.map(p);
    return all.boundingRect().toAlignedRect();
}

void LWFaceWarp::draw(const QImage &texture, const QTransform &textureToStandard, const QTransform &trackedToCanvas,
                      QImage &layer, const QPoint &layerOrigin) const
{
    if (!m_valid || texture.isNull())
        return;
    bool invertible = false;
    const QTransform standardToTexture = textureToStandard.inverted(&invertible);
    if (!invertible)
        return;
    const QVector<QPointF> &mesh = standardMesh();
    const QRect bounds = layer.rect().translated(layerOrigin);
    for (const Triangle &t : triangles()) {
        const QPointF d[3] = {trackedToCanvas.map(m_tracked[t.a]), trackedToCanvas.map(m_tracked[t.b]),
                              trackedToCanvas.map(m_tracked[t.c])};
        const QPointF s[3] = {standardToTexture.map(mesh[t.a]), standardToTexture.map(mesh[t.b]),
                              standardToTexture.map(mesh[t.c])};
        const double area = cross(d[0], d[1], d[2]);
        // A triangle folded over by a turned head would draw twice.
        if (std::fabs(area) < 1e-6 || (area > 0) != (cross(mesh[t.a], mesh[t.b], mesh[t.c]) > 0))
            continue;
        const QRect box = QPolygonF({d[0], d[1], d[2]}).boundingRect().toAlignedRect() & bounds;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(layer.scanLine(y - layerOrigin.y()));
            for (int x = box.left(); x <= box.right(); ++x) {
                const QPointF c(x + 0.5, y + 0.5);
                const double w0 = cross(d[1], d[2], c) / area, w1 = cross(d[2], d[0], c) / area;
                const double w2 = 1 - w0 - w1;
                if (w0 < -1e-9 || w1 < -1e-9 || w2 < -1e-9)
                    continue;
                const QPointF uv = w0 * s[0] + w1 * s[1] + w2 * s[2];
                line[x - layerOrigin.x()] = sample(texture, uv.x(), uv.y());
            }
        }
    }
}
