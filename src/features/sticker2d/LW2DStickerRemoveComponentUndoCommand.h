#pragma once

#include "LW2DSticker.h"
#include "LW2DStickerPart.h"
#include "navigation/LWNaviComponentRemoveUndoCommandBase.h"

// Takes a component out of its sticker; undo puts the same part back at
// its row and selects it.
class LW2DStickerRemoveComponentUndoCommand : public LWNaviComponentRemoveUndoCommandBase<LW2DStickerPart>
{
public:
    LW2DStickerRemoveComponentUndoCommand(LW2DSticker *sticker, LW2DStickerPart *part);
};
