#include "LWEffectNaviTreeModel.h"

LWEffectNaviTreeModel::LWEffectNaviTreeModel(LWNaviTreeItem *rootItem, QObject *parent)
    : LWNaviTreeModel(rootItem, parent)
{
}

bool LWEffectNaviTreeModel::requestExpand(LWNaviTreeItem *item)
{
    const QModelIndex index = indexOfItem(item);
    if (!index.isValid())
        return false;
    emit expandRequest(index);
    return true;
}
