#pragma once

#include "LW2DStickerScenePlacement.h"
#include "undo/LWSwapUndoCommand.h"

#include <QPointer>

class LW2DStickerPart;

// A part scaled in the scene about its top-left corner.
class LW2DStickerScenePartScaleUndoCommand
    : public LWSwapUndoCommand<LW2DStickerPart, LW2DStickerScenePlacement<double>, QPointer>
{
public:
    LW2DStickerScenePartScaleUndoCommand(LW2DStickerPart *part, double scale);

protected:
    LW2DStickerScenePlacement<double> readValue(LW2DStickerPart &part) const override;
    void writeValue(LW2DStickerPart &part, const LW2DStickerScenePlacement<double> &value) override;
};
