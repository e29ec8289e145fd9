#pragma once

// A small navigation tree for the navigation and undo tests: nodes that keep
// their children in an LWModelContainer (as the effect, the sticker and the
// makeup do), a listener that applies the editor events to tree models as
// the main window controller does, and a check that a model
// shows exactly the items' structure.

#include "common/PostEventOffice.h"
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

    void removeChildren(int row, int count) override
    {
        for (int i = 0; i < count; ++i)
            removeModelAt(row);
    }

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

// Applies the editor events to tree models as the controller will, and
// remembers them.
class LWTestTreeListener : public LWEditorEventListener
{
public:
    struct Event
    {
        LWEditorEventType type;
        LWNaviTreeItem *item;
        int row;
        bool withUndo;
    };

    void onEditorEvent(LWEditorEventType type, const LWEditorEventData *data) override
    {
        events.append({type, data ? data->item : nullptr, data ? data->row : -1, data && data->withUndo});
        if (!data)
            return;
        switch (type) {
        case LWEditorEventEffectItemRemoved:
            if (effectModel)
                effectModel->removeItemRow(data->item);
            if (effectSelection)
                effectSelection->resetAndClearNavitreeItem(false);
            break;
        case LWEditorEventEffectItemInserted:
            if (effectModel)
                effectModel->announceInsertedRow(data->item, data->row);
            break;
        case LWEditorEventEffectItemSelect:
            if (effectModel && effectSelection) {
                const QModelIndex index = effectModel->indexOfItem(data->item);
                if (data->withUndo)
                    effectSelection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
                else
                    effectSelection->applyCurrentIndex(index, QItemSelectionModel::SelectCurrent);
            }
            break;
        case LWEditorEventResourceItemInserted:
            if (resourceModel)
                resourceModel->announceInsertedRow(data->item, data->row);
            break;
        case LWEditorEventResourceItemRemoved:
            if (resourceModel)
                resourceModel->removeItemRow(data->item);
            break;
        default:
            break;
        }
    }
    void onPostedEvent(LWEPEvent, const QVariant &) override {}

    QList<LWEditorEventType> types() const
    {
        QList<LWEditorEventType> result;
        for (const Event &event : events)
            result.append(event.type);
        return result;
    }

    QList<Event> events;
    LWNaviTreeModel *effectModel = nullptr;
    LWNaviTreeSelModel *effectSelection = nullptr;
    LWNaviTreeModel *resourceModel = nullptr;
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
