#include "catface.h"

#include "paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

using Paint::rgba;

namespace {

CatFaceGeometry build()
{
    CatFaceGeometry g;
    QVector<QPointF> half = {{72, 372}, {50, 440}, {40, 520}, {58, 596}, {104, 652}, {176, 694}, {260, 708}};
    QVector<QPointF> all = half;
    for (int i = half.size() - 2; i >= 0; --i)
        all << mirrorX(half.at(i), CatFaceGeometry::axis);
    g.contour = Curve(all);
    g.earLeft = {{76, 340}, {84, 254}, {98, 168}, {148, 226}, {192, 282}};
    g.crown = {{214, 270}, {260, 262}, {306, 270}};
    g.eyeUpperLeft = Curve({{120, 434}, {140, 406}, {172, 396}, {204, 410}, {222, 456}});
    g.eyeLowerLeft = Curve({{120, 434}, {140, 466}, {172, 478}, {204, 474}, {222, 456}});
    g.pupilLeft = {172, 438};
    g.browLeft = {{194, 372}, {148, 380}};
    g.bridgeTop = {260, 430};
    g.bridgeMiddle = {260, 488};
    g.noseLeft = {236, 532};
    g.noseTip = {260, 560};
    g.noseTop = {260, 529};
    g.philtrum = {260, 580};
    g.upperLipLeft = {{247, 594}, {230, 598}, {214, 590}};
    g.lowerLip = {{246, 603}, {260, 612}, {274, 603}};
    g.mouthCentre = {260, 597};
    g.chin = {260, 652};
    g.whiskerRootsLeft = {{214, 566}, {206, 582}, {212, 598}};
    g.muzzlePadLeft = {{226, 548}, {178, 586}, {226, 626}};
    g.muzzleCentreLeft = {226, 588};
    return g;
}

} // namespace

const CatFaceGeometry &catFace()
{
    static const CatFaceGeometry geometry = build();
    return geometry;
}

QPolygonF CatFaceGeometry::headOutline() const
{
    QVector<QPointF> topControls;
    topControls << contour.end();
    for (int i = 0; i < earLeft.size(); ++i)
        topControls << right(earLeft.at(i));
    for (int i = crown.size() - 1; i >= 0; --i)
        topControls << crown.at(i);
    for (int i = earLeft.size() - 1; i >= 0; --i)
        topControls << earLeft.at(i);
    topControls << contour.start();
    return joinOutline({contour.polyline(), Curve(topControls, 16).polyline()});
}

QPolygonF CatFaceGeometry::eyeOutline(bool left) const
{
    const Curve upper = left ? eyeUpperLeft : eyeUpperLeft.mirrored(axis);
    const Curve lower = left ? eyeLowerLeft : eyeLowerLeft.mirrored(axis);
    return joinOutline({upper.polyline(), lower.reversedPolyline()});
}

QVector<QPointF> CatFaceGeometry::keyPoints() const
{
    QVector<QPointF> p;
    for (int i = 0; i <= 16; ++i)
        p << contour.at(i / 16.0);
    p << earLeft;
    for (const QPointF &q : earLeft)
        p << right(q);
    p << crown;
    for (bool left : {true, false}) {
        const Curve upper = left ? eyeUpperLeft : eyeUpperLeft.mirrored(axis);
        const Curve lower = left ? eyeLowerLeft : eyeLowerLeft.mirrored(axis);
        for (int k = 0; k <= 4; ++k)
            p << upper.at(k / 4.0);
        for (int k = 3; k >= 1; --k)
            p << lower.at(k / 4.0);
    }
    p << bridgeTop << bridgeMiddle << noseLeft << noseTip << right(noseLeft) << noseTop;
    p << philtrum << upperLipLeft;
    for (const QPointF &q : upperLipLeft)
        p << right(q);
    p << lowerLip << mouthCentre << chin;
    p << whiskerRootsLeft << muzzlePadLeft;
    for (const QPointF &q : whiskerRootsLeft)
        p << right(q);
    for (const QPointF &q : muzzlePadLeft)
        p << right(q);
    p << browLeft;
    for (const QPointF &q : browLeft)
        p << right(q);
    p << pupilLeft << right(pupilLeft);
    p << QPointF(0, 0) << QPointF(width, 0);
    return p;
}

namespace {

const QColor kFur("#f2a65a");
const QColor kFurDark("#d9772f");
const QColor kFurLine("#b55f27");
const QColor kMuzzle("#fff4e8");

void drawBackdrop(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, CatFaceGeometry::height);
    sky.setColorAt(0, QColor("#a9cdd2"));
    sky.setColorAt(1, QColor("#6e97a3"));
    p.fillRect(QRectF(0, 0, CatFaceGeometry::width, CatFaceGeometry::height), sky);
    QRadialGradient halo(QPointF(260, 460), 330);
    halo.setColorAt(0, QColor(255, 255, 255, 90));
    halo.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(260, 460), 330, 330);
}

void drawBody(QPainter &p)
{
    QPainterPath body;
    body.moveTo(20, 924);
    body.cubicTo(30, 800, 110, 700, 260, 690);
    body.cubicTo(410, 700, 490, 800, 500, 924);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kFur);
    p.drawPath(body);
    p.setBrush(kMuzzle);
    p.drawEllipse(QPointF(260, 800), 110, 130);
}

void drawCheekTufts(QPainter &p, const CatFaceGeometry &g)
{
    // Fur tufts stick out past the cheek contour, never inside it.
    for (bool left : {true, false}) {
        for (qreal u : {0.16, 0.22, 0.28}) {
            const qreal at = left ? u : 1 - u;
            const QPointF base = g.contour.at(at);
            const QPointF before = g.contour.at(at - 0.025);
            const QPointF after = g.contour.at(at + 0.025);
            const QPointF out(left ? -22 : 22, 6);
            Paint::fill(p, Paint::poly({before, base + out, after}), kFur);
        }
    }
}

void drawEars(QPainter &p, const CatFaceGeometry &g)
{
    for (bool left : {true, false}) {
        auto m = [&](QPointF q) { return left ? q : g.right(q); };
        const QPolygonF inner = Curve({m({106, 318}), m({104, 250}), m({110, 200}), m({146, 244}), m({176, 290})})
                                    .polyline();
        Paint::fill(p, inner, QColor("#f4b1b6"));
        Paint::stroke(p, Curve({m({118, 286}), m({116, 240}), m({118, 214})}).polyline(), rgba("#fff4e8", 200), 3);
    }
}

void drawStripes(QPainter &p, const CatFaceGeometry &g)
{
    auto stripe = [&](QPointF from, QPointF to, qreal width) {
        Paint::stroke(p, Paint::poly({from, to}), kFurDark, width);
    };
    stripe({260, 282}, {260, 368}, 14);
    stripe({228, 286}, {238, 352}, 11);
    stripe({292, 286}, {282, 352}, 11);
    for (bool left : {true, false}) {
        auto m = [&](QPointF q) { return left ? q : g.right(q); };
        stripe(m({46, 480}), m({92, 490}), 10);
        stripe(m({44, 520}), m({90, 522}), 10);
        stripe(m({52, 560}), m({94, 552}), 9);
    }
}

void drawEye(QPainter &p, const CatFaceGeometry &g, bool left)
{
    const QPolygonF outline = g.eyeOutline(left);
    const QPointF pupil = left ? g.pupilLeft : g.right(g.pupilLeft);
    p.save();
    p.setClipRegion(QRegion(outline.toPolygon()));
    QRadialGradient iris(pupil, 52);
    iris.setColorAt(0, QColor("#e3ef8c"));
    iris.setColorAt(0.6, QColor("#b5cf55"));
    iris.setColorAt(1, QColor("#6f9632"));
    Paint::fill(p, outline, iris);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#17150f"));
    p.drawEllipse(pupil, 8, 30);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(pupil + QPointF(left ? 16 : -16, -18), 7, 7);
    p.restore();
    Paint::stroke(p, outline + Paint::poly({outline.first()}), QColor("#2b1d14"), 4.5);
}

void drawBrows(QPainter &p, const CatFaceGeometry &g)
{
    for (bool left : {true, false}) {
        auto m = [&](QPointF q) { return left ? q : g.right(q); };
        Paint::stroke(p, Paint::poly({m(g.browLeft.at(0)), m(g.browLeft.at(1))}), kFurDark, 8);
    }
}

void drawMuzzle(QPainter &p, const CatFaceGeometry &g)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kMuzzle);
    p.drawEllipse(g.muzzleCentreLeft, 50, 40);
    p.drawEllipse(g.right(g.muzzleCentreLeft), 50, 40);
    p.drawEllipse(QPointF(260, 640), 44, 34);
    p.drawEllipse(QPointF(260, 520), 22, 40);
    p.setBrush(rgba("#c98c5a", 200));
    for (bool left : {true, false}) {
        for (const QPointF &r : g.whiskerRootsLeft)
            p.drawEllipse(left ? r : g.right(r), 3, 3);
    }
}

void drawNoseAndMouth(QPainter &p, const CatFaceGeometry &g)
{
    // A wide round join softens the triangle's corners.
    const QPolygonF nose({g.noseLeft, g.noseTop, g.right(g.noseLeft), g.noseTip});
    Paint::solid(p, nose, QColor("#e8848f"), 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(260, 538), 9, 4);

    const QColor line("#6b3a2a");
    Paint::stroke(p, Paint::poly({g.noseTip, g.philtrum}), line, 3.5);
    for (bool left : {true, false}) {
        QVector<QPointF> lip = {g.philtrum};
        for (const QPointF &q : g.upperLipLeft)
            lip << (left ? q : g.right(q));
        Paint::stroke(p, Curve(lip).polyline(), line, 3.5);
    }
    Paint::stroke(p, Curve(g.lowerLip).polyline(), Paint::withAlpha(line, 150), 2.5);
}

void drawWhiskers(QPainter &p, const CatFaceGeometry &g)
{
    const QVector<QPointF> tips = {{40, 528}, {26, 586}, {50, 650}};
    for (bool left : {true, false}) {
        for (int i = 0; i < 3; ++i) {
            const QPointF root = left ? g.whiskerRootsLeft.at(i) : g.right(g.whiskerRootsLeft.at(i));
            const QPointF tip = left ? tips.at(i) : g.right(tips.at(i));
            const QPointF bend = (root + tip) / 2 + QPointF(0, -10);
            const QPolygonF whisker = Curve({root, bend, tip}).polyline();
            Paint::stroke(p, whisker, rgba("#6b4a38", 90), 4);
            Paint::stroke(p, whisker, QColor("#fffaf2"), 2.2);
        }
    }
}

} // namespace

QImage drawCatFace()
{
    const CatFaceGeometry &g = catFace();
    QImage image(CatFaceGeometry::width, CatFaceGeometry::height, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    Paint::begin(p);
    drawBackdrop(p);
    drawBody(p);
    drawCheekTufts(p, g);
    const QPolygonF head = g.headOutline();
    Paint::fill(p, head, kFur);
    drawEars(p, g);
    p.save();
    p.setClipRegion(QRegion(head.toPolygon()));
    drawStripes(p, g);
    p.restore();
    Paint::stroke(p, head + Paint::poly({head.first()}), kFurLine, 3);
    drawBrows(p, g);
    drawMuzzle(p, g);
    drawEye(p, g, true);
    drawEye(p, g, false);
    drawNoseAndMouth(p, g);
    drawWhiskers(p, g);
    return image;
}
