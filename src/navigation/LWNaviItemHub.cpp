#include "LWNaviItemHub.h"

#include "LWNaviTreeItem.h"

void LWNaviItemHub::watchEffectItem(LWNaviTreeItem *item)
{
    if (!item)
        return;
    connect(item, qOverload<LWNaviTreeItem *, bool>(&LWNaviTreeItem::itemInserted), this,
            &LWNaviItemHub::effectItemInserted, Qt::UniqueConnection);
    connect(item, qOverload<LWNaviTreeItem *>(&LWNaviTreeItem::itemInserted), this,
            [this](LWNaviTreeItem *inserted) { emit effectItemInserted(inserted, false); });
    connect(item, &LWNaviTreeItem::itemRemoved, this, &LWNaviItemHub::effectItemRemoved, Qt::UniqueConnection);
}
