#pragma once

#include "LWNaviTreeModel.h"

// The effect tree's model: the navigation model plus a request to open a
// node, which the tree view follows (editor event 3 and the queued
// ToExpandEffectNaviItem).
class LWEffectNaviTreeModel : public LWNaviTreeModel
{
    Q_OBJECT

public:
    explicit LWEffectNaviTreeModel(LWNaviTreeItem *rootItem, QObject *parent = nullptr);

    // Emits expandRequest for the item's index; false when the item is not
    // in this tree.
    bool requestExpand(LWNaviTreeItem *item);

signals:
    void expandRequest(QModelIndex index);
};
