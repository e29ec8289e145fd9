#pragma once

#include <QJsonObject>
#include <QString>

struct LW2DStickerPartData;

// The component panel's data and the way its edits come back. The panel
// speaks in option indexes and a trigger mode; the part stores the engine's
// numbers and flags.
namespace LW2DStickerPartInspector {

// traceRegion: the tracking area whose points the part follows, -1 for
// none; clickValue: the preview button's counter.
QJsonObject toInspector(const LW2DStickerPartData &data, int traceRegion, int clickValue);

// What apply() leaves to the part, because it needs the resource library or
// the face: a new texture and a new tracking area.
struct Changes
{
    bool texture = false;
    QString resourceId;
    bool traceRegion = false;
    int region = -1;
    bool frameCount = false;
};

// Takes the members of value that differ from previous (the value the panel
// gave last time) into data, then the trigger flags of the selected mode.
// Members the author did not touch keep their stored numbers, so a value the
// panel cannot show (an unknown position type, an endless loop) survives an
// edit of something else.
Changes apply(const QJsonObject &value, const QJsonObject &previous, LW2DStickerPartData &data);

} // namespace LW2DStickerPartInspector
