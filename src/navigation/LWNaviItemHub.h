#pragma once

#include "common/Singleton.h"

#include <QObject>

class LWNaviTreeItem;

// Where the tree items of models announce themselves to whoever shows the
// effect tree. Models connect their items here instead of reaching for the
// main window controller, which keeps them free of the application layer.
class LWNaviItemHub : public QObject, public Singleton<LWNaviItemHub>
{
    Q_OBJECT
    friend class Singleton<LWNaviItemHub>;

public:
    using Singleton<LWNaviItemHub>::instance;

    // Relays the item's itemInserted and itemRemoved signals.
    void watchEffectItem(LWNaviTreeItem *item);

signals:
    void effectItemInserted(LWNaviTreeItem *item, bool toRoot);
    void effectItemRemoved(LWNaviTreeItem *item);

private:
    LWNaviItemHub() = default;
};
