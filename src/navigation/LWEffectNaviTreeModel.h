#pragma once

#include "LWNaviTreeModel.h"

// The effect tree's model. Everything it does is the navigation model's;
// the type tells the effect tree apart where the interface needs to.
class LWEffectNaviTreeModel : public LWNaviTreeModel
{
    Q_OBJECT

public:
    explicit LWEffectNaviTreeModel(LWNaviTreeItem *rootItem, QObject *parent = nullptr);
};
