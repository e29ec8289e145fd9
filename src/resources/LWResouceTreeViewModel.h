#pragma once

#include "LWResourceContainer.h"
#include "navigation/LWNaviTreeItem.h"

#include <QJsonObject>

class LWResourceComponentView;
class LWResourceGroupsView;
class LWResourceViewBase;

// The invisible root of the resource tree, and the factory and QObject
// parent of every item of its library: items live as long as the root,
// whichever group they are moved into or out of.
class LWResouceTreeViewModel : public LWNaviTreeItem, public LWResourceContainer
{
    Q_OBJECT
public:
    explicit LWResouceTreeViewModel(QObject *parent = nullptr);
    ~LWResouceTreeViewModel() override;

    LWNaviTreeItem *parentItem() const override { return nullptr; }
    LWNaviTreeItem *child(int row) const override { return childNode(row); }
    int childCount() const override { return modelCount(); }
    int columnCount() const override { return 1; }
    // The role string of the root for the interface.
    QVariant data(int column) const override;
    int row() const override { return 0; }
    bool naviTreeItemAcceptChild(LWNaviTreeItem *item) const override;
    void naviTreeItemInsertChild(int row, LWNaviTreeItem *item) override { insertMovedChild(row, item); }
    LWNaviTreeItem *naviTreeItemTakeChild(int row) override { return takeChildForMove(row); }
    void naviTreeItemMoveChild(int from, int to) override { moveChild(from, to); }

    LWNaviTreeItem *containerNode() override { return this; }
    QString groupPath() const override { return QString(); }

    // The manifest's "tree" node: "name" "Root", "groups", "resources".
    QJsonObject toJson() const;
    // Builds the children from a manifest "tree" node: its groups first,
    // then its resources. Resource nodes hand their "compressType" to the
    // record (0 when the key is absent).
    void fillFromJson(const QJsonObject &tree);

    // Items of this library from manifest-shaped objects. The new item is
    // not in the tree yet.
    LWResourceGroupsView *buildGroup(const QJsonObject &node);
    LWResourceComponentView *buildComponent(const QJsonObject &node);

    void logItemCount() const;
};
