#pragma once

#include <QObject>

class LWNaviTreeItem;

// Base of the scene shown for a selected tree item. The scene views build
// on it.
class LWSceneViewModel : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Brings the item into view when it is selected in the tree.
    virtual void focusItem(LWNaviTreeItem *) {}
};
