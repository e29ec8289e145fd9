#pragma once

#include "curve.h"

#include <QSizeF>
#include <QVector>

// The standard human face: 720 x 1280, symmetric about x = 360. The 2D
// sticker face, the makeup mean face and the filter preview are drawn from
// this one geometry, and so are the 106-point table and the 240-point
// makeup texture coordinates. Left means the image's left.
struct HumanFaceGeometry
{
    static constexpr int width = 720;
    static constexpr int height = 1280;
    static constexpr qreal axis = 360;

    Curve contour;       // left ear attachment, over the chin, to the right one
    Curve skull;         // right temple, over the crown, back to the left temple
    Curve earRimLeft;    // top attachment, round the rim, to the lobe
    Curve earFoldLeft;
    Curve browUpperLeft; // outer tip to inner end
    Curve browLowerLeft; // outer tip to inner end
    Curve eyeUpperLeft;  // outer corner to inner corner
    Curve eyeLowerLeft;  // outer corner to inner corner
    Curve creaseLeft;    // lid crease above the eye
    QPointF pupilLeft;
    qreal irisRadius = 0;
    qreal pupilRadius = 0;
    Curve noseBridge;    // root to tip, on the axis
    Curve noseSideLeft;  // beside the root down to the top of the wing
    Curve alaLeft;       // the nostril wing, top, outer point, bottom, into the nostril
    QPointF nostrilLeft;
    QSizeF nostrilSize;
    QPointF columella;
    Curve lipOuterUpper; // left corner, over the upper lip, right corner
    Curve lipOuterLower; // left corner, under the lower lip, right corner
    Curve lipInnerUpper; // inner left corner to inner right corner
    Curve lipInnerLower;
    QPointF cheekLeft;
    Curve foreheadArc;   // skin just below the hairline, temple to temple
    bool eyesShut = false; // the lids closed: lash lines, no eyeballs

    QPointF right(QPointF p) const { return mirrorX(p, axis); }
    Curve right(const Curve &c) const { return c.mirrored(axis); }

    QPolygonF faceOutline() const;
    QPolygonF eyeOutline(bool left) const;
    QPolygonF browOutline(bool left) const;

    // The 106-point layout the face tracker reports.
    QVector<QPointF> keyPoints() const;
    // The makeup engine's 240 points: the 106 above and 134 denser ones.
    QVector<QPointF> densePoints() const;
};

const HumanFaceGeometry &humanFace();

// Variants of the standard face for the face tracker's tests: the mouth
// wide open, the eyes shut (a turned head is a warp of the picture, see
// facevariants.h).
HumanFaceGeometry mouthOpenFace();
HumanFaceGeometry eyesClosedFace();
