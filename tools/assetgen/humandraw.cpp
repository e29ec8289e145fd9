#include "humandraw.h"

#include "humanface.h"
#include "paint.h"

#include <QLineF>
#include <QPainterPath>
#include <QRadialGradient>

using Paint::rgba;

namespace {

// The geometry being drawn: the standard one unless a variant is.
const HumanFaceGeometry *drawn = nullptr;

const HumanFaceGeometry &g()
{
    return drawn ? *drawn : humanFace();
}

// Pushes each point away from a centre; gives hair its volume round the skull.
QPolygonF inflate(const QPolygonF &line, QPointF centre, qreal by)
{
    QPolygonF out;
    for (const QPointF &p : line) {
        QLineF ray(centre, p);
        ray.setLength(ray.length() + by);
        out << ray.p2();
    }
    return out;
}

void drawBackground(QPainter &p, const HumanStyle &s)
{
    if (!s.background)
        return;
    QLinearGradient sky(0, 0, 0, HumanFaceGeometry::height);
    sky.setColorAt(0, s.bgTop);
    sky.setColorAt(1, s.bgBottom);
    p.fillRect(QRectF(0, 0, HumanFaceGeometry::width, HumanFaceGeometry::height), sky);
    QRadialGradient halo(QPointF(360, 560), 430);
    halo.setColorAt(0, QColor(255, 255, 255, 110));
    halo.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(360, 560), 430, 430);
}

void drawBackHair(QPainter &p, const HumanStyle &s)
{
    const QPointF crownCentre(360, 470);
    QPolygonF shape;
    if (s.fringe) {
        // A bob that falls behind the ears down to the jaw line.
        shape = Curve({{92, 720}, {66, 580}, {60, 440}, {86, 300}, {150, 190}, {250, 116}, {360, 94},
                       {470, 116}, {570, 190}, {634, 300}, {660, 440}, {654, 580}, {628, 720}})
                    .polyline();
    } else {
        // Drawn back from the forehead; only the crown shows.
        shape << QPointF(624, 500);
        shape += inflate(g().skull.polyline(), crownCentre, 18);
        shape << QPointF(96, 500);
    }
    Paint::fill(p, shape, s.hair);
}

void drawNeckAndShoulders(QPainter &p, const HumanStyle &s)
{
    const QPolygonF neck = Curve({{298, 860}, {294, 960}, {284, 1070}}).polyline()
                           + Curve({{436, 1070}, {426, 960}, {422, 860}}).polyline();
    Paint::fill(p, neck, s.skin);
    // Shade under the jaw: the chin's own outline dropped onto the neck.
    QPolygonF shade;
    for (int i = 0; i <= 40; ++i)
        shade << g().contour.at(0.3 + 0.4 * i / 40.0) + QPointF(0, 34);
    shade << QPointF(436, 860) << QPointF(284, 860);
    p.save();
    p.setClipRegion(QRegion(neck.toPolygon()));
    Paint::fill(p, shade, s.skinShade);
    p.restore();

    QPainterPath body;
    body.moveTo(0, 1280);
    body.lineTo(0, 1170);
    body.cubicTo(40, 1100, 170, 1070, 284, 1052);
    body.cubicTo(310, 1100, 410, 1100, 436, 1052);
    body.cubicTo(550, 1070, 680, 1100, 720, 1170);
    body.lineTo(720, 1280);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(s.shirt);
    p.drawPath(body);
    QPainterPath collar;
    collar.moveTo(284, 1052);
    collar.cubicTo(310, 1100, 410, 1100, 436, 1052);
    p.setPen(QPen(s.shirtShade, 10, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(collar);
}

void drawEars(QPainter &p, const HumanStyle &s)
{
    for (bool left : {true, false}) {
        const Curve rim = left ? g().earRimLeft : g().right(g().earRimLeft);
        const Curve fold = left ? g().earFoldLeft : g().right(g().earFoldLeft);
        Paint::fill(p, rim.polyline(), s.skin);
        Paint::stroke(p, rim.polyline(), s.skinLine, 3.5);
        Paint::stroke(p, fold.polyline(), s.skinShade, 5);
    }
}

void drawFace(QPainter &p, const HumanStyle &s)
{
    Paint::fill(p, g().faceOutline(), s.skin);
    Paint::stroke(p, g().contour.polyline(), s.skinLine, 3.5);
    if (!s.blush)
        return;
    for (QPointF c : {g().cheekLeft, g().right(g().cheekLeft)}) {
        QRadialGradient blush(c, 62);
        blush.setColorAt(0, rgba("#ff8a8a", 95));
        blush.setColorAt(1, rgba("#ff8a8a", 0));
        p.setPen(Qt::NoPen);
        p.setBrush(blush);
        p.drawEllipse(c, 62, 62);
    }
}

void drawEye(QPainter &p, const HumanStyle &s, bool left)
{
    const HumanFaceGeometry &f = g();
    const Curve upper = left ? f.eyeUpperLeft : f.right(f.eyeUpperLeft);
    const Curve lower = left ? f.eyeLowerLeft : f.right(f.eyeLowerLeft);
    const Curve crease = left ? f.creaseLeft : f.right(f.creaseLeft);
    const QPointF pupil = left ? f.pupilLeft : f.right(f.pupilLeft);
    const QPolygonF outline = f.eyeOutline(left);

    Paint::stroke(p, crease.polyline(), Paint::withAlpha(s.skinLine, 150), 3);
    if (f.eyesShut) {
        // The lashes lie along the closed upper lid, where the table has the
        // lid, and hang from it. The lid itself is skin: shaded dark, it
        // reads as an open eye socket and the whole face is taken for a
        // smaller one lower down.
        Paint::stroke(p, upper.polyline(), QColor("#2a1c18"), 7);
        for (int k = 1; k < 8; ++k) {
            const QPointF root = upper.at(k / 8.0);
            const qreal side = (k / 8.0 - 0.5) * (left ? -1 : 1);
            Paint::stroke(p, QPolygonF(QVector<QPointF>{root, root + QPointF(side * 10, 11)}), QColor("#2a1c18"), 3);
        }
        return;
    }
    Paint::fill(p, outline, QColor("#fbfaf8"));
    p.save();
    p.setClipRegion(QRegion(outline.toPolygon()));
    QRadialGradient iris(pupil, f.irisRadius);
    iris.setColorAt(0, s.iris.lighter(135));
    iris.setColorAt(0.7, s.iris);
    iris.setColorAt(1, s.irisDark);
    p.setPen(QPen(s.irisDark, 2.5));
    p.setBrush(iris);
    p.drawEllipse(pupil, f.irisRadius, f.irisRadius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#1c1411"));
    p.drawEllipse(pupil, f.pupilRadius, f.pupilRadius);
    // Catch-lights sit off the pupil centre so point 74/77 stays dark.
    const qreal side = left ? 1 : -1;
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(pupil + QPointF(9 * side, -10), 5.5, 5.5);
    p.drawEllipse(pupil + QPointF(-8 * side, 9), 2.5, 2.5);
    p.restore();

    Paint::stroke(p, lower.polyline(), Paint::withAlpha(s.skinLine, 170), 2);
    Paint::stroke(p, upper.polyline(), QColor("#2a1c18"), 6);
}

void drawBrows(QPainter &p, const HumanStyle &s)
{
    for (bool left : {true, false})
        Paint::solid(p, g().browOutline(left), s.brow, 4);
}

void drawNose(QPainter &p, const HumanStyle &s)
{
    const HumanFaceGeometry &f = g();
    QPolygonF bridge;
    for (int i = 0; i <= 20; ++i)
        bridge << f.noseBridge.at(0.3 + 0.62 * i / 20.0);
    Paint::stroke(p, bridge, QColor(255, 255, 255, 38), 9);
    Paint::stroke(p, f.noseSideLeft.polyline(), Paint::withAlpha(s.skinLine, 110), 3);

    QRadialGradient tip(f.noseBridge.end() + QPointF(0, -4), 20);
    tip.setColorAt(0, QColor(255, 255, 255, 70));
    tip.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(tip);
    p.drawEllipse(f.noseBridge.end() + QPointF(0, -4), 20, 20);

    for (bool left : {true, false}) {
        const Curve ala = left ? f.alaLeft : f.right(f.alaLeft);
        Paint::stroke(p, ala.polyline(), s.skinLine, 3.5);
        const QPointF n = left ? f.nostrilLeft : f.right(f.nostrilLeft);
        p.save();
        p.translate(n);
        p.rotate(left ? 12 : -12);
        p.setPen(Qt::NoPen);
        p.setBrush(rgba("#7a3e33", 210));
        p.drawEllipse(QPointF(0, 0), f.nostrilSize.width() / 2, f.nostrilSize.height() / 2);
        p.restore();
    }
}

void drawMouth(QPainter &p, const HumanStyle &s)
{
    const HumanFaceGeometry &f = g();
    const QPolygonF inside = joinOutline({f.lipInnerUpper.polyline(), f.lipInnerLower.reversedPolyline()});
    const QPolygonF upper = joinOutline({f.lipOuterUpper.polyline(), f.lipInnerUpper.reversedPolyline()});
    const QPolygonF lower = joinOutline({f.lipInnerLower.polyline(), f.lipOuterLower.reversedPolyline()});
    Paint::solid(p, inside, s.mouth, 3);
    Paint::solid(p, lower, s.lip, 3);
    Paint::solid(p, upper, s.lipDark, 3);
    Paint::stroke(p, f.lipInnerUpper.polyline(), s.mouth, 3);

    // Teeth show when the mouth is open.
    const qreal opening = f.lipInnerLower.at(0.5).y() - f.lipInnerUpper.at(0.5).y();
    if (opening > 20) {
        p.save();
        p.setClipRegion(QRegion(inside.toPolygon()));
        const QPolygonF teeth = joinOutline({f.lipInnerUpper.polyline(), f.lipInnerUpper.translated({0, 22}).reversedPolyline()});
        Paint::fill(p, teeth, QColor("#f6f1ea"));
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 80));
    // The shine sits on the lower lip wherever it is.
    p.drawEllipse(QPointF(360, 813) + (f.lipOuterLower.at(0.5) - humanFace().lipOuterLower.at(0.5)), 34, 6);
    // Smile creases just beyond the corners.
    for (bool left : {true, false}) {
        const qreal side = left ? -1 : 1;
        const QPointF corner = left ? f.lipOuterUpper.start() : f.lipOuterUpper.end();
        QPainterPath crease;
        crease.moveTo(corner + QPointF(side * 8, -8));
        crease.quadTo(corner + QPointF(side * 14, 0), corner + QPointF(side * 8, 9));
        p.setPen(QPen(Paint::withAlpha(s.skinLine, 150), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(crease);
    }
}

void drawFrontHair(QPainter &p, const HumanStyle &s)
{
    const QPointF crownCentre(360, 470);
    const QPolygonF top = inflate(g().skull.polyline(), crownCentre, 16);
    QPolygonF hairline;
    if (s.fringe) {
        hairline = Curve({{104, 470}, {128, 404}, {180, 372}, {250, 350}, {320, 318}, {380, 286}, {440, 262},
                          {510, 258}, {566, 292}, {600, 340}, {614, 400}, {616, 470}})
                       .polyline();
    } else {
        hairline = Curve({{108, 430}, {130, 320}, {190, 250}, {270, 212}, {360, 202}, {450, 212}, {530, 250},
                          {590, 320}, {612, 430}})
                       .polyline();
    }
    // The crown runs right to left, so the hairline must come back left to right.
    const QPolygonF shape = joinOutline({top, hairline});
    Paint::fill(p, shape, s.hair);

    // Strands follow the fall of the hair; they stay inside its outline.
    p.save();
    p.setClipRegion(QRegion(shape.toPolygon()));
    const QVector<QVector<QPointF>> strands = s.fringe
        ? QVector<QVector<QPointF>>{{{430, 140}, {360, 190}, {280, 260}, {200, 330}},
                                    {{450, 150}, {420, 210}, {360, 262}, {300, 300}},
                                    {{470, 150}, {520, 200}, {570, 270}, {600, 350}},
                                    {{410, 140}, {300, 170}, {200, 230}, {140, 320}}}
        : QVector<QVector<QPointF>>{{{360, 210}, {360, 170}, {360, 140}},
                                    {{290, 220}, {270, 175}, {250, 150}},
                                    {{430, 220}, {450, 175}, {470, 150}},
                                    {{200, 260}, {170, 220}, {150, 200}},
                                    {{520, 260}, {550, 220}, {570, 200}}};
    for (const auto &strand : strands)
        Paint::stroke(p, Curve(strand).polyline(), s.hairLight, 5);
    p.restore();
}

} // namespace

HumanStyle stickerFaceStyle()
{
    HumanStyle s;
    s.bgTop = QColor("#e8edf3");
    s.bgBottom = QColor("#c6d0dc");
    s.skin = QColor("#f4c9a6");
    s.skinShade = QColor("#e4a987");
    s.skinLine = QColor("#c98467");
    s.hair = QColor("#3d2b28");
    s.hairLight = QColor("#5e4441");
    s.brow = QColor("#4a3129");
    s.iris = QColor("#7a5233");
    s.irisDark = QColor("#452b19");
    s.lip = QColor("#de6c75");
    s.lipDark = QColor("#c0505f");
    s.mouth = QColor("#7b2432");
    s.shirt = QColor("#ff7a45");
    s.shirtShade = QColor("#e0602f");
    return s;
}

HumanStyle meanFaceStyle()
{
    // Bare and even: the makeup layers are judged against this face.
    HumanStyle s = stickerFaceStyle();
    s.fringe = false;
    s.blush = false;
    s.bgTop = QColor("#e6e8ec");
    s.bgBottom = QColor("#d2d6dd");
    s.skin = QColor("#f1cdb1");
    s.skinShade = QColor("#e0b295");
    s.skinLine = QColor("#c9977b");
    s.hair = QColor("#4b3a35");
    s.hairLight = QColor("#5f4a44");
    s.brow = QColor("#6e5246");
    s.lip = QColor("#d39088");
    s.lipDark = QColor("#bd7873");
    s.mouth = QColor("#8a3a3c");
    s.shirt = QColor("#a5adba");
    s.shirtShade = QColor("#8d95a3");
    return s;
}

QImage drawHumanFace(const HumanStyle &style, const HumanFaceGeometry &geometry)
{
    drawn = &geometry;
    QImage image = drawHumanFace(style);
    drawn = nullptr;
    return image;
}

QImage drawHumanFace(const HumanStyle &style)
{
    QImage image(HumanFaceGeometry::width, HumanFaceGeometry::height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Paint::begin(p);
    drawBackground(p, style);
    drawBackHair(p, style);
    drawNeckAndShoulders(p, style);
    drawEars(p, style);
    drawFace(p, style);
    drawEye(p, style, true);
    drawEye(p, style, false);
    drawBrows(p, style);
    drawNose(p, style);
    drawMouth(p, style);
    drawFrontHair(p, style);
    return image;
}

QImage drawHumanBackground(const HumanStyle &style)
{
    QImage image(HumanFaceGeometry::width, HumanFaceGeometry::height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Paint::begin(p);
    drawBackground(p, style);
    return image;
}
