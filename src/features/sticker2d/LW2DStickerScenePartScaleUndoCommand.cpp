#include "LW2DStickerScenePartScaleUndoCommand.h"

#include "LW2DStickerPart.h"

LW2DStickerScenePartScaleUndoCommand::LW2DStickerScenePartScaleUndoCommand(LW2DStickerPart *part, double scale)
    : LWSwapUndoCommand(QPointer<LW2DStickerPart>(part), {scale, std::nullopt})
{
}

LW2DStickerScenePlacement<double> LW2DStickerScenePartScaleUndoCommand::readValue(LW2DStickerPart &part) const
{
    return {part.partScale(), part.anchors()};
}

void LW2DStickerScenePartScaleUndoCommand::writeValue(LW2DStickerPart &part,
                                                      const LW2DStickerScenePlacement<double> &value)
{
    if (value.anchors)
        part.restoreAnchors(*value.anchors);
    else
        part.applyPartScale(value.value);
}
