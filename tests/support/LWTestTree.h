#pragma once

// A small navigation tree for the navigation and undo tests: nodes that keep
// their children in an LWModelContainer (as the effect, the sticker and the
// makeup do), a recorder of what a model tells its views, and a check that a
// model shows exactly the items' structure.

#include "navigation/LWModelContainer.h"
#include "navigation/LWNaviTreeItem.h"
#include "navigation/LWNaviTreeModel.h"
#include "navigation/LWNaviTreeSelModel.h"

#include <QPointer>
#include <QtTest>
#include <functional>

class LWTestNode : public LWNaviTreeItem, public LWModelContainer<LWTestNode>
{
public:
    enum AcceptRule { AcceptNone, AcceptOwnChildren, AcceptAny };

    // Inserted into the parent at row (appended for -1), like a feature that
    // inserts itself into its effect on construction.
    explicit LWTestNode(const QString &title, LWTestNode *parent = nullptr, int row = -1)
        : LWNaviTreeItem(parent)
        , m_parentNode(parent)
    {
        setTitle(title);
        if (parent)
            parent->insertModel(row < 0 ? parent->modelCount() : row, this);
    }

    // A node destroyed on its own leaves its parent's list. (While the parent
    // itself is being destroyed the guarded pointer is already null.)
    ~LWTestNode() override
    {
        if (m_parentNode)
            m_parentNode->removeModel(this);
    }

    LWNaviTreeItem *parentItem() const override { return m_parentNode; }
    LWNaviTreeItem *child(int row) const override { return modelAt(row); }
    int childCount() const override { return modelCount(); }
    int columnCount() const override { return 1; }
    QVariant data(int) const override { return title(); }
    int row() const override { return m_parentNode ? m_parentNode->indexOfModel(this) : 0; }

    bool naviTreeItemAcceptChild(LWNaviTreeItem *item) const override
    {
        switch (acceptRule) {
        case AcceptAny: return item != nullptr;
        case AcceptOwnChildren: return item && item->parentItem() == this;
        default: return false;
        }
    }
    void naviTreeItemInsertChild(int row, LWNaviTreeItem *item) override
    {
        auto *node = static_cast<LWTestNode *>(item);
        node->m_parentNode = this;
        node->setParent(this);
        insertModel(row, node);
    }
    LWNaviTreeItem *naviTreeItemTakeChild(int row) override { return removeModelAt(row); }
    void naviTreeItemMoveChild(int from, int to) override { moveModel(from, to); }

    void naviTreeItemRemove() override
    {
        if (onRemove)
            onRemove(this);
    }
    void naviTreeItemSelect() override { ++selectCount; }
    void onCheckedChanged(bool checked) override { checkHooks.append(checked); }

    LWTestNode *node(int row) const { return modelAt(row); }

    AcceptRule acceptRule = AcceptAny;
    int selectCount = 0;
    QList<bool> checkHooks;
    std::function<void(LWTestNode *)> onRemove;

protected:
    void onTitleChanged(const QString &title) override { renamedTo.append(title); }

public:
    QStringList renamedTo;

private:
    QPointer<LWTestNode> m_parentNode;
};

// What a model told its views, in order: "+<row>" inserted under a parent,
// "-<row>" removed, "><from>:<to>" moved, "select", "expand".
class LWTestTreeRecorder : public QObject
{
public:
    explicit LWTestTreeRecorder(LWNaviTreeModel *model)
    {
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex &, int first, int) { log << QStringLiteral("+%1").arg(first); });
        connect(model, &QAbstractItemModel::rowsRemoved, this,
                [this](const QModelIndex &, int first, int) { log << QStringLiteral("-%1").arg(first); });
        connect(model, &QAbstractItemModel::rowsMoved, this,
                [this](const QModelIndex &, int first, int, const QModelIndex &, int to) {
                    log << QStringLiteral(">%1:%2").arg(first).arg(to);
                });
        connect(model, &LWNaviTreeModel::selectRequest, this, [this] { log << QStringLiteral("select"); });
        connect(model, &LWNaviTreeModel::expandRequest, this, [this] { log << QStringLiteral("expand"); });
    }

    int count(const QString &prefix) const
    {
        int n = 0;
        for (const QString &entry : log)
            n += entry.startsWith(prefix);
        return n;
    }

    QStringList log;
};

namespace LWTest {

// The model shows exactly the items: rows, parents and the item role.
inline bool modelMatchesTree(const LWNaviTreeModel &model, const QModelIndex &parent, LWNaviTreeItem *item)
{
    if (model.rowCount(parent) != item->childCount())
        return false;
    for (int row = 0; row < item->childCount(); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        LWNaviTreeItem *child = item->child(row);
        if (!index.isValid() || index.data(LWNaviTreeModel::kItemRole).value<LWNaviTreeItem *>() != child)
            return false;
        if (model.parent(index) != parent || child->row() != row || child->parentItem() != item)
            return false;
        if (!modelMatchesTree(model, index, child))
            return false;
    }
    return true;
}

inline bool modelMatchesTree(const LWNaviTreeModel &model)
{
    return model.rootItem() && modelMatchesTree(model, QModelIndex(), model.rootItem());
}

inline QStringList titles(const LWTestNode *parent)
{
    QStringList result;
    for (const LWTestNode *node : parent->models())
        result.append(node->title());
    return result;
}

} // namespace LWTest
