#pragma once

#include "LW2DStickerScenePlacement.h"
#include "undo/LWSwapUndoCommand.h"

#include <QPointF>
#include <QPointer>

class LW2DStickerPart;

// A part dragged in the scene to a new top-left position on the standard
// face.
class LW2DStickerScenePartMoveUndoCommand
    : public LWSwapUndoCommand<LW2DStickerPart, LW2DStickerScenePlacement<QPointF>, QPointer>
{
public:
    LW2DStickerScenePartMoveUndoCommand(LW2DStickerPart *part, const QPointF &position);

protected:
    LW2DStickerScenePlacement<QPointF> readValue(LW2DStickerPart &part) const override;
    void writeValue(LW2DStickerPart &part, const LW2DStickerScenePlacement<QPointF> &value) override;
};
