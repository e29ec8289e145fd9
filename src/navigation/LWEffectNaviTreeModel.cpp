#include "LWEffectNaviTreeModel.h"

LWEffectNaviTreeModel::LWEffectNaviTreeModel(LWNaviTreeItem *rootItem, QObject *parent)
    : LWNaviTreeModel(rootItem, parent)
{
}
