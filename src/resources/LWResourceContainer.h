#pragma once

#include "navigation/LWModelContainer.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

class LWNaviTreeItem;
class LWResourceViewBase;

// The children of a resource tree node that can hold some: the root and the
// groups. Both answer the tree model's structural questions through this,
// so the two node kinds cannot drift apart.
//
// The list never owns its elements: every item of a library is a QObject
// child of the library's root, so moving an item between groups, or
// dropping a group, never takes other items with it.
class LWResourceContainer : public LWModelContainer<LWResourceViewBase>
{
public:
    // The tree node that holds this list.
    virtual LWNaviTreeItem *containerNode() = 0;
    // The folder (relative to the resources folder) that imports into this
    // node write to; empty for the root.
    virtual QString groupPath() const = 0;

    // The container behind a tree node, or null for a leaf or no node.
    static LWResourceContainer *of(LWNaviTreeItem *node);

    // Puts the child at the row (clamped; -1 appends) and makes this node
    // its parent.
    void putChild(int row, LWResourceViewBase *child);
    // Takes the child out without destroying it; false when it was not here.
    bool detachChild(LWResourceViewBase *child);

    LWNaviTreeItem *childNode(int row) const;

    // Drag and drop. Moves change only the tree (files stay where they
    // are); they are no undo step, and the model marks the project changed.
    bool acceptsChild(LWNaviTreeItem *item);
    void insertMovedChild(int row, LWNaviTreeItem *item);
    LWNaviTreeItem *takeChildForMove(int row);
    void moveChild(int from, int to);

    // The "groups" and "resources" arrays of the manifest, in child order.
    void writeChildren(QJsonObject &node) const;
    void collectChildren(int type, int constraint, QList<LWResourceViewBase *> &found, QStringList *errors) const;

protected:
    LWNaviTreeItem *listTreeItem() const override { return const_cast<LWResourceContainer *>(this)->containerNode(); }
};
