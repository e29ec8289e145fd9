#pragma once

#include "common/LWEffectCommon.h"

class LWNaviTreeItem;

// The editor events of the tree commands, sent at once to every
// listener of the editor event bus. The main window controller
// applies them to its tree models.
namespace LWNaviTreeEvents {

// Event 1 (effect tree) or 4 (resource tree): the item is in its parent
// again. The payload is the parent and the row the item now has, so the
// controller announces exactly the row that appeared.
void sendInserted(LWEffectCommon::LWNaviTreeType tree, LWNaviTreeItem *item);
// Event 0 or 5: sent while the item is still in the tree, so the controller
// can find its row.
void sendRemoved(LWEffectCommon::LWNaviTreeType tree, LWNaviTreeItem *item);
// Event 2: select the item in the effect tree, with or without an undo step.
void sendSelect(LWNaviTreeItem *item, bool withUndo);
// Event 3: expand the item in the effect tree.
void sendExpand(LWNaviTreeItem *item);

} // namespace LWNaviTreeEvents
