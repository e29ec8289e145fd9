#pragma once

#include "navigation/LWNaviTreeItem.h"

#include <QJsonObject>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>

class LWResouceTreeViewModel;
class LWResourceContainer;

// What every item of the resource tree (groups and resources) shares: its
// library, its resource type (0 for groups), its place in the tree, its
// manifest node and the two ways it leaves the tree: removal with undo,
// which only detaches it, and the final release once no undo step can bring
// it back, which deletes its files.
class LWResourceViewBase : public LWNaviTreeItem
{
    Q_OBJECT
public:
    static QString renameMenuId() { return QStringLiteral("renameResItem"); }
    static QString removeMenuId() { return QStringLiteral("removeResItem"); }
    static QString removeGroupMenuId() { return QStringLiteral("removeGroup"); }

    // The item is a QObject child of the library's root.
    LWResourceViewBase(LWResouceTreeViewModel *library, int resourceType);
    ~LWResourceViewBase() override;

    LWNaviTreeItem *parentItem() const override;
    int columnCount() const override { return 1; }
    QVariant data(int column) const override;
    // -1 while the item is out of the tree.
    int row() const override;

    LWResouceTreeViewModel *library() const;
    int resourceType() const { return m_resourceType; }
    void setResourceType(int type) { m_resourceType = type; }
    // The node the item hangs under, or hung under before it was detached.
    void setParentNode(LWNaviTreeItem *parent);
    LWResourceContainer *parentContainer() const;
    // In its parent's list, and so on up to the root of its library.
    bool isAttached() const;
    // Out of the parent's list, if it is still there (the tree model may
    // have taken it out already); the parent link stays for putting back.
    void detachFromParent();
    // Into the node's list at the row (clamped).
    void putBackInto(LWNaviTreeItem *parent, int row);

    // The item's node of the manifest tree.
    virtual QJsonObject toJson() const = 0;
    virtual bool isGroup() const { return false; }
    // Appends the item (and for groups the items below) when its type is the
    // asked one and, for resources, its resource meets the constraint.
    virtual void collectByType(int type, int constraint, QList<LWResourceViewBase *> &found, QStringList *errors);
    // Pushes the undoable removal; an item not in the tree stays as it is.
    virtual void removeWithUndo();
    // The item is gone for good: its record and files go, then the item.
    virtual void finalRelease() = 0;

    void naviTreeItemRemove() override { removeWithUndo(); }
    // Renames in place; the file names on disk never change. An empty name
    // is refused.
    void menuItemAction(QString menuItemId) override;

protected:
    // A context menu entry as the interface reads it (itemTitle, itemId).
    static QVariant menuEntry(const QString &title, const QString &id);

private:
    QPointer<LWResouceTreeViewModel> m_library;
    QPointer<LWNaviTreeItem> m_parent; // not owned
    int m_resourceType;
};
