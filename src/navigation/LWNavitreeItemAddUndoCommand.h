#pragma once

#include "common/LWAssert.h"
#include "undo/LWUndoCommand.h"
#include "common/LWEffectCommon.h"
#include "navigation/LWNaviTreeItem.h"

#include <QDebug>
#include <QPointer>
#include <type_traits>

// Base of the commands that add a tree item (a feature, a sticker part, a
// makeup filter, a resource).
//
// The first redo creates the item through createItem(), which also puts it
// into its owner. Undo takes the item out: beforeRemove(), afterRemove().
// Each later redo puts the same object back: beforeInsert(), putBack(),
// afterInsert(). The owners' lists announce each change to the tree.
//
// The item is held weakly: a command whose item or owner has gone does
// nothing. A concrete command names its owner through targetAlive() and
// the line it logs then through targetGoneMessage().
//
// An item added and then undone belongs to nobody but the command: when the
// stack drops the command in that state (discard hook, or the destructor as
// a safety net) the item is deleted later.
template <typename T>
class LWNavitreeItemAddUndoCommand : public LWUndoCommand
{
    static_assert(std::is_base_of<LWNaviTreeItem, T>::value, "tree commands hold navigation tree items");

public:
    explicit LWNavitreeItemAddUndoCommand(
        LWEffectCommon::LWNaviTreeType treeType = LWEffectCommon::LWNaviTreeTypeEffect)
        : m_treeType(treeType)
    {
    }

    ~LWNavitreeItemAddUndoCommand() override { releaseIfDetached(); }

    void redo() override
    {
        if (!targetAlive()) {
            logUndoFailure(targetGoneMessage());
            return;
        }
        if (!m_created) {
            m_created = true;
            m_item = createItem();
            m_inTree = !m_item.isNull();
            return;
        }
        // The item is held here while undone: it cannot have gone.
        LW_ASSERT(m_item && !m_inTree, return);
        beforeInsert();
        putBack();
        afterInsert();
        m_inTree = true;
    }

    void undo() override
    {
        if (!m_item || !m_inTree)
            return;
        if (!targetAlive()) {
            logUndoFailure(targetGoneMessage());
            return;
        }
        beforeRemove();
        afterRemove();
        m_inTree = false;
    }

    void discard() override { releaseIfDetached(); }

    T *item() const { return m_item.data(); }
    LWEffectCommon::LWNaviTreeType treeType() const { return m_treeType; }
    // Whether the item is in its owner as far as this command knows.
    bool isItemInTree() const { return m_inTree; }

protected:
    // The six hooks, in slot order.
    virtual void beforeInsert() {}
    virtual void beforeRemove() {}
    virtual void afterInsert() {}
    // Detaches the item from its owner without destroying it.
    virtual void afterRemove() {}
    // First redo: create the item and insert it into its owner.
    virtual T *createItem() = 0;
    // Later redos: put the same item back into its owner.
    virtual void putBack() {}

    // Whether the object the command works on (its owner) still exists.
    virtual bool targetAlive() const { return true; }
    // The diagnostic line written when it does not (null: nothing).
    virtual const char *targetGoneMessage() const { return nullptr; }

private:
    void releaseIfDetached()
    {
        if (m_item && m_created && !m_inTree)
            m_item->deleteLater();
        if (!m_inTree)
            m_item = nullptr;
    }

    QPointer<T> m_item;
    LWEffectCommon::LWNaviTreeType m_treeType;
    bool m_created = false;
    bool m_inTree = false;
};
