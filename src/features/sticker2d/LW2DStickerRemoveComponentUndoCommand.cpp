#include "LW2DStickerRemoveComponentUndoCommand.h"

#include "LW2DSticker.h"
#include "LW2DStickerPart.h"

LW2DStickerRemoveComponentUndoCommand::LW2DStickerRemoveComponentUndoCommand(LW2DSticker *sticker,
                                                                             LW2DStickerPart *part)
    : LWNaviComponentRemoveUndoCommandBase(sticker, part)
{
}
