#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QPointF>
#include <QVector>

// The image pixel (x, y) of a sticker part pinned to the face key point
// with that index; -1 when the anchor follows no point.
struct LW2DStickerAnchor
{
    int index = -1;
    double x = 0.0;
    double y = 0.0;

    bool hasIndex() const { return index >= 0; }
    QPointF pos() const { return QPointF(x, y); }
    void setPos(const QPointF &p)
    {
        x = p.x();
        y = p.y();
    }

    // The engine's screen corners 1000 and 1001 read as points 82 and 83.
    // A value that is not an object reads as an anchor without index.
    static LW2DStickerAnchor fromJson(const QJsonValue &value);
    // "index" is left out when the anchor has none.
    QJsonObject toJson() const;

    bool operator==(const LW2DStickerAnchor &o) const { return index == o.index && x == o.x && y == o.y; }
    bool operator!=(const LW2DStickerAnchor &o) const { return !(*this == o); }
};

// Every anchor of one part: they move and scale together, so the scene
// commands keep them as one value.
struct LW2DStickerAnchors
{
    QVector<LW2DStickerAnchor> positionX;
    QVector<LW2DStickerAnchor> positionY;
    LW2DStickerAnchor rotateCenter;
    LW2DStickerAnchor scaleA;
    LW2DStickerAnchor scaleB;

    void translate(const QPointF &d);
    void multiply(double factor);

    static QVector<LW2DStickerAnchor> listFromJson(const QJsonValue &value);
    static QJsonArray listToJson(const QVector<LW2DStickerAnchor> &anchors);
    // The first element of an array, or the object itself.
    static LW2DStickerAnchor singleFromJson(const QJsonValue &value);

    bool operator==(const LW2DStickerAnchors &o) const
    {
        return positionX == o.positionX && positionY == o.positionY && rotateCenter == o.rotateCenter
               && scaleA == o.scaleA && scaleB == o.scaleB;
    }
    bool operator!=(const LW2DStickerAnchors &o) const { return !(*this == o); }
};
