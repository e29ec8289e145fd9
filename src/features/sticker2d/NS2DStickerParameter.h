#pragma once

#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QVector>

// What the 2D sticker knows about the standard faces its parts are pinned
// to, and the value tables between its inspector and the engine's numbers.
namespace NS2DStickerParameter {

enum FaceType {
    FaceTypeHuman = 0,
    FaceTypeCat = 1,
};

// The tracking areas of the inspector's "faceTraceRegion", in option order.
enum TraceRegion {
    TraceRegionForeground = 0,
    TraceRegionEyes,
    TraceRegionNose,
    TraceRegionNoseRoot,
    TraceRegionNoseBridge,
    TraceRegionMouthCorner,
    TraceRegionUpperLip,
    TraceRegionLowerLip,
    TraceRegionEar,
    TraceRegionChin,
    TraceRegionEyebrow,
    TraceRegionCount,
};

// One standard face: its picture, its key points in picture pixels (index =
// point id) and, per tracking area, the key points a part follows there.
struct FaceTypeRelateData
{
    QString standardImage; // "qrc:" URL
    QSize standardSize;
    QVector<QPointF> keyPoints;
    QVector<QList<int>> traceRegions; // TraceRegionCount entries; empty where the face has none

    bool hasPoint(int index) const { return index >= 0 && index < keyPoints.size(); }
    // (0, 0) for an index the face does not have.
    QPointF point(int index) const { return hasPoint(index) ? keyPoints.at(index) : QPointF(); }
    QList<int> traceRegion(int region) const;
    // The area whose point list is exactly these indices; -1 when none is.
    int regionOf(const QList<int> &indices) const;
};

// The builders of the two faces. A points file that cannot be read leaves
// the face without points.
struct InitializerHuman
{
    FaceTypeRelateData operator()() const;
};

struct InitializerCat
{
    FaceTypeRelateData operator()() const;
};

// Built on first use and kept for the run. A face type other than human or
// cat has no picture, no points and no areas.
const FaceTypeRelateData &faceTypeData(int faceType);

// Numbers separated by white space, taken in pairs. A trailing odd number is
// dropped; anything unreadable ends the table there.
QVector<QPointF> readPointFile(const QString &path);

// Inspector index <-> engine value. An engine value outside the table has
// no index (-1); an index outside the table has no value (the fallback).
int positionTypeValue(int index, int fallback);
int positionTypeIndex(int value);
int triggerActionValue(int index, int fallback);
int triggerActionIndex(int value);

// The engine flags a trigger mode stands for.
struct TriggerFlags
{
    bool disappear = false;
    bool stop = false;
    bool restart = false;
    bool loopForced = false; // the mode plays while the action lasts: loop 0
    bool fromAction = false; // the trigger type comes from the chosen action
};
// Mode 0 (no trigger) for a mode outside 0..3.
TriggerFlags triggerFlags(int mode);
// The mode whose flags these are, read back from a stored part.
int triggerModeOf(int triggerType, bool stop, bool disappear, bool restart);

// The trigger type that needs hand detection rather than face detection.
constexpr int kHandTriggerType = 53;
// The key point ids the engine uses for the top screen corners.
constexpr int kEngineCornerLeft = 1000;
constexpr int kEngineCornerRight = 1001;

} // namespace NS2DStickerParameter
