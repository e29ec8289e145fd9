#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QTransform>
#include <QVector>

// Lays pictures drawn for the standard face onto a tracked one: the face is
// cut into triangles between its table points (and a ring of points around
// it that follows the face as a whole), and each triangle of the picture is
// carried onto the same triangle of the tracked face. The mouth's opening
// carries nothing, so lip textures stay on the lips when the mouth opens.
class LWFaceWarp
{
public:
    // standard: the 106 points of the standard face; tracked: the same
    // points on the tracked face, in its picture's pixels.
    LWFaceWarp(const QVector<QPointF> &standard, const QVector<QPointF> &tracked);

    bool isValid() const { return m_valid; }

    // Draws texture, whose pixels textureToStandard takes to standard face
    // pixels, onto a transparent premultiplied layer whose top-left lies at
    // layerOrigin on the canvas; trackedToCanvas takes tracked picture
    // pixels to canvas pixels.
    void draw(const QImage &texture, const QTransform &textureToStandard, const QTransform &trackedToCanvas,
              QImage &layer, const QPoint &layerOrigin) const;
    // The canvas pixels the warped face can reach.
    QRect reach(const QTransform &trackedToCanvas) const;

    struct Triangle
    {
        int a, b, c;
    };
    // The triangles between the standard points, found once.
    static const QVector<Triangle> &triangles();
    // The standard points the triangles join: the table's and the ring.
    static const QVector<QPointF> &standardMesh();

private:
    QVector<QPointF> m_tracked; // standardMesh() on the tracked face
    bool m_valid = false;
};
