#include "humanface.h"

#include <QtMath>

#include <algorithm>

namespace {

// A curve symmetric about the axis from the left half's control points,
// the last of which lies on the axis.
Curve symmetric(QVector<QPointF> leftHalf, qreal axis)
{
    QVector<QPointF> all = leftHalf;
    for (int i = leftHalf.size() - 2; i >= 0; --i)
        all << mirrorX(leftHalf.at(i), axis);
    return Curve(all);
}

HumanFaceGeometry build()
{
    const qreal a = HumanFaceGeometry::axis;
    HumanFaceGeometry g;
    g.contour = symmetric({{110, 468}, {104, 560}, {110, 650}, {128, 745}, {166, 838}, {226, 916},
                           {292, 965}, {360, 983}},
                          a);
    g.skull = symmetric({{610, 468}, {612, 372}, {588, 270}, {528, 190}, {448, 146}, {360, 134}}, a);
    g.earRimLeft = Curve({{112, 470}, {84, 458}, {60, 478}, {50, 540}, {58, 610}, {78, 668}, {108, 700}});
    g.earFoldLeft = Curve({{100, 494}, {78, 506}, {71, 560}, {78, 620}, {97, 650}});
    g.browUpperLeft = Curve({{158, 462}, {190, 440}, {228, 428}, {268, 428}, {304, 442}});
    g.browLowerLeft = Curve({{158, 462}, {194, 452}, {232, 444}, {270, 446}, {302, 458}});
    g.eyeUpperLeft = Curve({{178, 516}, {198, 499}, {236, 488}, {274, 494}, {298, 524}});
    g.eyeLowerLeft = Curve({{178, 516}, {204, 536}, {240, 545}, {276, 539}, {298, 524}});
    g.creaseLeft = Curve({{186, 500}, {210, 478}, {240, 469}, {272, 474}, {294, 494}});
    g.pupilLeft = {238, 520};
    g.irisRadius = 26;
    g.pupilRadius = 11;
    g.noseBridge = Curve({{360, 512}, {360, 575}, {360, 638}, {360, 700}});
    g.noseSideLeft = Curve({{348, 548}, {344, 592}, {337, 652}, {326, 688}});
    g.alaLeft = Curve({{326, 688}, {311, 706}, {318, 722}, {334, 730}});
    g.nostrilLeft = {340, 729};
    g.nostrilSize = {18, 9};
    g.columella = {360, 735};
    g.lipOuterUpper = symmetric({{262, 786}, {290, 772}, {328, 759}, {360, 767}}, a);
    g.lipOuterLower = symmetric({{262, 786}, {292, 812}, {326, 826}, {360, 830}}, a);
    g.lipInnerUpper = symmetric({{272, 788}, {310, 787}, {360, 791}}, a);
    g.lipInnerLower = symmetric({{272, 788}, {310, 795}, {360, 799}}, a);
    g.cheekLeft = {200, 655};
    g.foreheadArc = symmetric({{124, 440}, {150, 340}, {220, 282}, {300, 258}, {360, 254}}, a);
    return g;
}

// Where contour point i (0..32) sits along the outline. The points close
// up towards the chin, so 11 and 21 land on the chin rather than on the
// jaw while 3 and 29 stay on the ears.
qreal contourFraction(int i)
{
    const auto half = [](qreal t) { return t + 0.6 * t * t * (1 - t); };
    return i <= 16 ? half(i / 16.0) / 2 : 1 - half((32 - i) / 16.0) / 2;
}

} // namespace

const HumanFaceGeometry &humanFace()
{
    static const HumanFaceGeometry geometry = build();
    return geometry;
}

QPolygonF HumanFaceGeometry::faceOutline() const
{
    return joinOutline({contour.polyline(), skull.polyline()});
}

QPolygonF HumanFaceGeometry::eyeOutline(bool left) const
{
    const Curve upper = left ? eyeUpperLeft : right(eyeUpperLeft);
    const Curve lower = left ? eyeLowerLeft : right(eyeLowerLeft);
    return joinOutline({upper.polyline(), lower.reversedPolyline()});
}

QPolygonF HumanFaceGeometry::browOutline(bool left) const
{
    const Curve upper = left ? browUpperLeft : right(browUpperLeft);
    const Curve lower = left ? browLowerLeft : right(browLowerLeft);
    return joinOutline({upper.polyline(), lower.reversedPolyline()});
}

QVector<QPointF> HumanFaceGeometry::keyPoints() const
{
    QVector<QPointF> p(106);
    for (int i = 0; i <= 32; ++i)
        p[i] = contour.at(contourFraction(i));
    // Brows and eyes run from the image's left to its right, upper edge
    // first; the right side is the mirror of the left.
    for (int k = 0; k < 5; ++k) {
        p[33 + k] = browUpperLeft.at(k / 4.0);
        p[38 + k] = right(browUpperLeft.at(1 - k / 4.0));
    }
    for (int k = 0; k < 4; ++k) {
        p[43 + k] = noseBridge.at(k / 3.0);
        p[64 + k] = browLowerLeft.at((k + 1) / 5.0);
        p[68 + k] = right(browLowerLeft.at(1 - (k + 1) / 5.0));
    }
    p[47] = alaLeft.control(2);
    p[48] = nostrilLeft;
    p[49] = columella;
    p[50] = right(p[48]);
    p[51] = right(p[47]);
    const qreal eyeUpper[] = {0, 1 / 3.0, 2 / 3.0, 1};
    for (int k = 0; k < 4; ++k) {
        p[52 + k] = eyeUpperLeft.at(eyeUpper[k]);
        p[58 + k] = right(eyeUpperLeft.at(eyeUpper[3 - k]));
    }
    p[56] = eyeLowerLeft.at(2 / 3.0);
    p[57] = eyeLowerLeft.at(1 / 3.0);
    p[62] = right(eyeLowerLeft.at(1 / 3.0));
    p[63] = right(eyeLowerLeft.at(2 / 3.0));
    p[72] = eyeUpperLeft.at(0.5);
    p[73] = eyeLowerLeft.at(0.5);
    p[74] = pupilLeft;
    p[75] = right(p[72]);
    p[76] = right(p[73]);
    p[77] = right(p[74]);
    p[78] = noseSideLeft.control(1);
    p[79] = right(p[78]);
    p[80] = noseSideLeft.control(2);
    p[81] = right(p[80]);
    p[82] = alaLeft.control(1);
    p[83] = right(p[82]);
    for (int k = 0; k <= 6; ++k)
        p[84 + k] = lipOuterUpper.at(k / 6.0);
    for (int k = 1; k <= 5; ++k)
        p[90 + k] = lipOuterLower.at(1 - k / 6.0);
    for (int k = 0; k <= 4; ++k)
        p[96 + k] = lipInnerUpper.at(k / 4.0);
    for (int k = 1; k <= 3; ++k)
        p[100 + k] = lipInnerLower.at(1 - k / 4.0);
    p[104] = pupilLeft;
    p[105] = right(pupilLeft);
    return p;
}

QVector<QPointF> HumanFaceGeometry::densePoints() const
{
    QVector<QPointF> p = keyPoints();
    auto both = [&](auto leftPoint) {
        const QVector<QPointF> left = leftPoint();
        p << left;
        for (const QPointF &q : left)
            p << right(q);
    };
    for (int k = 0; k <= 16; ++k)
        p << foreheadArc.at(k / 16.0);
    both([&] {
        QVector<QPointF> eye;
        for (int k = 0; k < 6; ++k)
            eye << eyeUpperLeft.at(k / 6.0);
        for (int k = 0; k < 6; ++k)
            eye << eyeLowerLeft.at(1 - k / 6.0);
        return eye;
    });
    both([&] {
        QVector<QPointF> iris;
        for (int k = 0; k < 8; ++k) {
            const qreal angle = k * M_PI / 4;
            iris << pupilLeft + QPointF(qCos(angle), qSin(angle)) * irisRadius;
        }
        return iris;
    });
    both([&] {
        QVector<QPointF> brow;
        for (int k = 0; k < 5; ++k)
            brow << browUpperLeft.at(k / 4.0);
        for (int k = 0; k < 5; ++k)
            brow << browLowerLeft.at(1 - k / 5.0);
        return brow;
    });
    for (int k = 0; k <= 8; ++k)
        p << lipOuterUpper.at(k / 8.0);
    for (int k = 1; k <= 7; ++k)
        p << lipOuterLower.at(1 - k / 8.0);
    for (int k = 0; k <= 6; ++k)
        p << lipInnerUpper.at(k / 6.0);
    for (int k = 1; k <= 5; ++k)
        p << lipInnerLower.at(1 - k / 6.0);
    both([&] {
        QVector<QPointF> cheek;
        for (int k = 0; k < 6; ++k) {
            const qreal angle = k * M_PI / 3;
            cheek << cheekLeft + QPointF(qCos(angle), qSin(angle)) * 45;
        }
        return cheek;
    });
    both([&] { return QVector<QPointF>{alaLeft.at(0), alaLeft.at(0.4), alaLeft.at(0.8)}; });
    p << noseBridge.at(0.85) << noseBridge.at(1) + QPointF(-14, 4) << noseBridge.at(1) + QPointF(14, 4);
    both([&] {
        return QVector<QPointF>{creaseLeft.at(0.2), creaseLeft.at(0.4), creaseLeft.at(0.6), creaseLeft.at(0.8)};
    });
    return p;
}

HumanFaceGeometry mouthOpenFace()
{
    HumanFaceGeometry g = humanFace();
    const qreal a = HumanFaceGeometry::axis;
    // The lower lip drops; the corners stay.
    g.lipInnerLower = symmetric({{272, 788}, {300, 836}, {330, 862}, {360, 868}}, a);
    g.lipOuterLower = symmetric({{262, 786}, {286, 858}, {322, 890}, {360, 898}}, a);
    return g;
}

HumanFaceGeometry eyesClosedFace()
{
    HumanFaceGeometry g = humanFace();
    // The upper lid comes down onto the lower one.
    g.eyeUpperLeft = Curve({{178, 516}, {204, 528}, {240, 535}, {276, 531}, {298, 524}});
    g.creaseLeft = Curve({{184, 508}, {210, 500}, {240, 496}, {272, 498}, {294, 508}});
    g.eyesShut = true;
    return g;
}

