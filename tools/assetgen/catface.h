#pragma once

#include "curve.h"

#include <QImage>
#include <QVector>

// The standard cat face: 520 x 924, symmetric about x = 260. Drawing and
// the 84-point table come from this geometry. Point layout (left is the
// image's left; each right-hand group mirrors its left group point for
// point):
//   0-16  cheek contour from the left ear's outer base over the chin (8)
//   17-21 left ear: outer base, outer edge, tip, inner edge, inner base
//   22-26 right ear, same order
//   27-29 crown between the ears, left to right
//   30-37 left eye: outer corner, upper lid (31-33), inner corner, lower lid (35-37)
//   38-45 right eye, same order
//   46-47 nose bridge top and middle
//   48-51 nose: left, tip, right, top centre
//   52    philtrum foot; 53-55 left upper lip to the corner; 56-58 right
//   59-61 lower lip left, centre, right; 62 mouth centre; 63 chin
//   64-66 left whisker roots; 67-69 left muzzle pad: top, outer, bottom
//   70-75 right whisker roots and muzzle pad
//   76-77 left brow tuft inner and outer; 78-79 right
//   80-81 pupils
//   82-83 the image's top-left and top-right corners
struct CatFaceGeometry
{
    static constexpr int width = 520;
    static constexpr int height = 924;
    static constexpr qreal axis = 260;

    Curve contour;
    QVector<QPointF> earLeft; // outer base, outer edge, tip, inner edge, inner base
    QVector<QPointF> crown;   // left to right
    Curve eyeUpperLeft;       // outer corner to inner corner
    Curve eyeLowerLeft;
    QPointF pupilLeft;
    QVector<QPointF> browLeft;
    QPointF bridgeTop, bridgeMiddle;
    QPointF noseLeft, noseTip, noseTop;
    QPointF philtrum;
    QVector<QPointF> upperLipLeft; // from the philtrum outwards
    QVector<QPointF> lowerLip;     // left, centre, right
    QPointF mouthCentre, chin;
    QVector<QPointF> whiskerRootsLeft;
    QVector<QPointF> muzzlePadLeft; // top, outer, bottom
    QPointF muzzleCentreLeft;

    QPointF right(QPointF p) const { return mirrorX(p, axis); }
    QPolygonF headOutline() const;
    QPolygonF eyeOutline(bool left) const;
    QVector<QPointF> keyPoints() const;
};

const CatFaceGeometry &catFace();
QImage drawCatFace();
