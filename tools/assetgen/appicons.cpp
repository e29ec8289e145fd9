#include "appicons.h"

#include "assetio.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVector>

namespace AppIcons {

namespace {

// Both drawings live on a 256-unit square; renderings scale it.
constexpr qreal kDesign = 256;
// Below this the spark's companion dot is a smudge, so it is left out.
constexpr int kDetailSize = 32;

const QColor kWarm("#ff9a5a");
const QColor kHot("#e0457b");
const QColor kCream("#fff6ec");

struct Shape
{
    QPainterPath path;
    QBrush fill;
    QColor stroke = Qt::transparent; // transparent: no outline
    qreal strokeWidth = 0;
};

QLinearGradient ramp(QPointF from, QPointF to, const QColor &a, const QColor &b)
{
    QLinearGradient g(from, to);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
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

QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

// A glowing spark over a rounded tile.
QVector<Shape> application(bool detail)
{
    const qreal s = kDesign;
    QVector<Shape> shapes;
    QPainterPath tile;
    tile.addRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.22, s * 0.22);
    shapes.append({tile, ramp({0, 0}, {s, s}, kWarm, kHot)});
    shapes.append({spark({s * 0.5, s * 0.5}, s * 0.32, 0.07 / 0.32), kCream});
    if (detail)
        shapes.append({circle({s * 0.74, s * 0.27}, s * 0.05), QColor(255, 255, 255, 200)});
    return shapes;
}

// A sheet with a folded corner carrying the program's spark: a document
// that belongs to the program at a glance.
QVector<Shape> projectFile(bool detail)
{
    const qreal left = 44, right = 212, top = 16, bottom = 240, round = 16, fold = 56;
    const QColor edge(kHot.red(), kHot.green(), kHot.blue(), 110);
    QPainterPath sheet;
    sheet.moveTo(left + round, top);
    sheet.lineTo(right - fold, top);
    sheet.lineTo(right, top + fold);
    sheet.lineTo(right, bottom - round);
    sheet.quadTo(right, bottom, right - round, bottom);
    sheet.lineTo(left + round, bottom);
    sheet.quadTo(left, bottom, left, bottom - round);
    sheet.lineTo(left, top + round);
    sheet.quadTo(left, top, left + round, top);
    sheet.closeSubpath();
    QPainterPath flap;
    flap.moveTo(right - fold, top);
    flap.lineTo(right - fold, top + fold - 12);
    flap.quadTo(right - fold, top + fold, right - fold + 12, top + fold);
    flap.lineTo(right, top + fold);
    flap.closeSubpath();

    QVector<Shape> shapes;
    shapes.append({sheet, ramp({0, top}, {0, bottom}, Qt::white, QColor("#f6eee8")), edge, 6});
    shapes.append({flap, QColor("#f3d6cf"), edge, 6});
    const QPointF centre(128, 152);
    const qreal r = 64;
    shapes.append({spark(centre, r, 0.22), ramp(centre - QPointF(r, r), centre + QPointF(r, r), kWarm, kHot)});
    if (detail)
        shapes.append({circle({176, 102}, 10), kWarm});
    return shapes;
}

QVector<Shape> shapesOf(Kind kind, bool detail)
{
    return kind == Kind::Application ? application(detail) : projectFile(detail);
}

// --- SVG ---------------------------------------------------------------------

QByteArray number(qreal v)
{
    QByteArray text = QByteArray::number(v, 'f', 2);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text == "-0" ? QByteArray("0") : text;
}

QByteArray point(qreal x, qreal y)
{
    return number(x) + ',' + number(y);
}

QByteArray pathData(const QPainterPath &path)
{
    QByteArray d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            d += 'M' + point(e.x, e.y);
        } else if (e.isLineTo()) {
            d += 'L' + point(e.x, e.y);
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            d += 'C' + point(e.x, e.y) + ' ' + point(c2.x, c2.y) + ' ' + point(end.x, end.y);
            i += 2;
        }
    }
    return d + 'Z';
}

QByteArray colour(const QColor &c)
{
    return c.name(QColor::HexRgb).toLatin1();
}

QByteArray opacity(const char *attribute, const QColor &c)
{
    if (c.alpha() == 255)
        return QByteArray();
    return QByteArray(" ") + attribute + "=\"" + number(c.alphaF()) + '"';
}

} // namespace

QImage render(Kind kind, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kDesign, size / kDesign);
    for (const Shape &shape : shapesOf(kind, size >= kDetailSize)) {
        if (shape.stroke.alpha() > 0)
            p.setPen(QPen(shape.stroke, shape.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        else
            p.setPen(Qt::NoPen);
        p.setBrush(shape.fill);
        p.drawPath(shape.path);
    }
    return image;
}

QByteArray svg(Kind kind)
{
    const QByteArray side = number(kDesign);
    QByteArray defs;
    QByteArray body;
    int gradients = 0;
    for (const Shape &shape : shapesOf(kind, true)) {
        QByteArray attributes;
        if (const QGradient *g = shape.fill.gradient(); g && g->type() == QGradient::LinearGradient) {
            const auto *linear = static_cast<const QLinearGradient *>(g);
            const QByteArray id = "g" + QByteArray::number(++gradients);
            defs += "    <linearGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" x1=\""
                  + number(linear->start().x()) + "\" y1=\"" + number(linear->start().y()) + "\" x2=\""
                  + number(linear->finalStop().x()) + "\" y2=\"" + number(linear->finalStop().y()) + "\">\n";
            for (const QGradientStop &stop : linear->stops())
                defs += "      <stop offset=\"" + number(stop.first) + "\" stop-color=\"" + colour(stop.second) + '"'
                      + opacity("stop-opacity", stop.second) + "/>\n";
            defs += "    </linearGradient>\n";
            attributes = " fill=\"url(#" + id + ")\"";
        } else {
            attributes = " fill=\"" + colour(shape.fill.color()) + '"' + opacity("fill-opacity", shape.fill.color());
        }
        if (shape.stroke.alpha() > 0)
            attributes += " stroke=\"" + colour(shape.stroke) + '"' + opacity("stroke-opacity", shape.stroke)
                        + " stroke-width=\"" + number(shape.strokeWidth) + "\" stroke-linejoin=\"round\"";
        body += "  <path d=\"" + pathData(shape.path) + '"' + attributes + "/>\n";
    }
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
                   + side + "\" height=\"" + side + "\" viewBox=\"0 0 " + side + ' ' + side + "\">\n";
    if (!defs.isEmpty())
        out += "  <defs>\n" + defs + "  </defs>\n";
    return out + body + "</svg>\n";
}

bool generateTheme(const QString &folder)
{
    struct Entry
    {
        Kind kind;
        const char *context;
        const char *name;
    };
    const Entry entries[] = {
        {Kind::Application, "apps", "glowsmith"},
        {Kind::ProjectFile, "mimetypes", "application-x-glowsmith-project"},
    };
    const int sizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};
    bool ok = true;
    for (const Entry &entry : entries) {
        for (int size : sizes) {
            const QString dir = QStringLiteral("%1/%2x%2/%3/").arg(folder).arg(size).arg(QLatin1String(entry.context));
            ok = AssetIO::saveImage(render(entry.kind, size), dir + QLatin1String(entry.name) + ".png") && ok;
        }
        const QString scalable = QStringLiteral("%1/scalable/%2/%3.svg")
                                     .arg(folder, QLatin1String(entry.context), QLatin1String(entry.name));
        ok = AssetIO::saveText(svg(entry.kind), scalable) && ok;
    }
    return ok;
}

} // namespace AppIcons
