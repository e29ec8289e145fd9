#include "LW2DStickerScenePartMoveUndoCommand.h"

#include "LW2DStickerPart.h"

LW2DStickerScenePartMoveUndoCommand::LW2DStickerScenePartMoveUndoCommand(LW2DStickerPart *part,
                                                                         const QPointF &position)
    : LWSwapUndoCommand(QPointer<LW2DStickerPart>(part), {position, std::nullopt})
{
}

LW2DStickerScenePlacement<QPointF> LW2DStickerScenePartMoveUndoCommand::readValue(LW2DStickerPart &part) const
{
    return {part.framePos(), part.anchors()};
}

void LW2DStickerScenePartMoveUndoCommand::writeValue(LW2DStickerPart &part,
                                                     const LW2DStickerScenePlacement<QPointF> &value)
{
    if (value.anchors)
        part.restoreAnchors(*value.anchors);
    else
        part.applyFramePos(value.value);
}
