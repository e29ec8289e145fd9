#pragma once

#include "LW2DSticker.h"
#include "LW2DStickerPart.h"
#include "LW2DStickerPartData.h"
#include "navigation/LWNaviTreeItem.h"
#include "navigation/LWNaviComponentAddUndoCommandBase.h"

#include <QPointer>

// Adds a component at the top of a sticker. The first redo creates it,
// shows it in the tree, selects it and opens the feature; undo and redo then
// take the same part out and put it back.
class LW2DStickerAddComponetUndoCommand : public LWNaviComponentAddUndoCommandBase<LW2DStickerPart>
{
public:
    // data: the new part's initial data; its title becomes name.
    LW2DStickerAddComponetUndoCommand(LW2DSticker *sticker, const QString &name = QStringLiteral("Untitled"),
                                      int partType = LWNaviTreeItem::kNaviTreeItemType,
                                      const LW2DStickerPartData &data = LW2DStickerPartData());

    LW2DStickerPart *part() const { return item(); }
    QString name() const { return m_name; }
    int partType() const { return m_partType; }

protected:
    LW2DStickerPart *createItem() override;

private:
    QPointer<LW2DSticker> m_sticker;
    QString m_name;
    int m_partType;
    LW2DStickerPartData m_data;
};
