#include "LW2DStickerAddComponetUndoCommand.h"

#include "LW2DSticker.h"
#include "LW2DStickerPart.h"

LW2DStickerAddComponetUndoCommand::LW2DStickerAddComponetUndoCommand(LW2DSticker *sticker, const QString &name,
                                                                     int partType, const LW2DStickerPartData &data)
    : LWNaviComponentAddUndoCommandBase(sticker, "2dSticker add component undo failed, using nullptr\n")
    , m_sticker(sticker)
    , m_name(name)
    , m_partType(partType)
    , m_data(data)
{
}

LW2DStickerPart *LW2DStickerAddComponetUndoCommand::createItem()
{
    LW2DStickerPartData data = m_data;
    data.title = m_name;
    LW2DStickerPart *part = m_sticker->insertPart(0, data);
    // The feature may be folded in the tree; the new part must be seen.
    if (LWNaviTreeItem *feature = m_sticker->treeItem())
        feature->requestExpand();
    part->requestSelection(false);
    return part;
}
