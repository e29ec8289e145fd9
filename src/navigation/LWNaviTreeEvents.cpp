#include "LWNaviTreeEvents.h"

#include "common/PostEventOffice.h"
#include "navigation/LWNaviTreeItem.h"

namespace LWNaviTreeEvents {

void sendInserted(LWEffectCommon::LWNaviTreeType tree, LWNaviTreeItem *item)
{
    if (!item)
        return;
    LWEditorEventData data;
    data.item = item->parentItem();
    data.row = qMax(0, item->row());
    PostEventOffice::instance()->sendEvent(tree == LWEffectCommon::LWNaviTreeTypeResource
                                               ? LWEditorEventResourceItemInserted
                                               : LWEditorEventEffectItemInserted,
                                           data);
}

void sendRemoved(LWEffectCommon::LWNaviTreeType tree, LWNaviTreeItem *item)
{
    if (!item)
        return;
    LWEditorEventData data;
    data.item = item;
    PostEventOffice::instance()->sendEvent(tree == LWEffectCommon::LWNaviTreeTypeResource
                                               ? LWEditorEventResourceItemRemoved
                                               : LWEditorEventEffectItemRemoved,
                                           data);
}

void sendSelect(LWNaviTreeItem *item, bool withUndo)
{
    if (!item)
        return;
    LWEditorEventData data;
    data.item = item;
    data.withUndo = withUndo;
    PostEventOffice::instance()->sendEvent(LWEditorEventEffectItemSelect, data);
}

void sendExpand(LWNaviTreeItem *item)
{
    if (!item)
        return;
    LWEditorEventData data;
    data.item = item;
    PostEventOffice::instance()->sendEvent(LWEditorEventEffectItemExpand, data);
}

} // namespace LWNaviTreeEvents
