#pragma once

#include "LWFeatureModel.h"
#include "navigation/LWNaviTreeItem.h"

// The tree side every feature shares: a child of the effect node, at the
// row its place in the effect's list gives it. Concrete features derive from
// this and add their own children, menus and files.
class LWFeatureTreeItem : public LWNaviTreeItem, public LWFeatureModel
{
    Q_OBJECT
public:
    LWFeatureTreeItem(LWFeatureContainer *container, int zOrder, const QString &path);
    // Leaves the effect's list while this node can still answer the tree.
    ~LWFeatureTreeItem() override;

    LWNaviTreeItem *parentItem() const override;
    int columnCount() const override { return 1; }
    QVariant data(int column) const override;
    int row() const override;
    LWNaviTreeItem *asNaviTreeItem() override { return this; }

    // The "Delete" entry every feature menu has.
    static QString removeMenuId() { return QStringLiteral("menuItemRemove"); }
    void menuItemAction(QString menuItemId) override;
    void naviTreeItemRemove() override { onActionRemoveFeature(); }

protected:
    // Builds the context menu from (translated title, id) pairs.
    void setContextMenu(const QList<QPair<QString, QString>> &entries);
};
