#pragma once

#include "common/LWAssert.h"
#include "undo/LWUndoCommand.h"
#include "common/LWEffectCommon.h"
#include "navigation/LWNaviTreeItem.h"

#include <QDebug>
#include <QPointer>
#include <type_traits>

// Base of the commands that remove a tree item.
//
// Redo: beforeRemove() and afterRemove(), which detach the item from its
// owner without destroying it. Undo: beforeInsert(), putBack(), on the
// effect tree the restored item becomes the current one (no undo step),
// then afterInsert(). The owners' lists announce each change to the tree.
//
// The item is held weakly: with no item, redo writes "remove redo command,
// using nullptr" to the diagnostic log and does nothing. A concrete command
// names its owner through targetAlive() and targetGoneMessage().
template <typename T>
class LWNaviItemiRemoveUndoCommand : public LWUndoCommand
{
    static_assert(std::is_base_of<LWNaviTreeItem, T>::value, "tree commands hold navigation tree items");

public:
    explicit LWNaviItemiRemoveUndoCommand(
        T *item, LWEffectCommon::LWNaviTreeType treeType = LWEffectCommon::LWNaviTreeTypeEffect)
        : m_item(item)
        , m_treeType(treeType)
    {
    }

    void redo() override
    {
        if (!m_item) {
            logUndoFailure("remove redo command, using nullptr\n");
            return;
        }
        if (!targetAlive()) {
            logUndoFailure(targetGoneMessage());
            return;
        }
        beforeRemove();
        afterRemove();
        m_detached = true;
    }

    void undo() override
    {
        LW_ASSERT(m_item && m_detached, return);
        if (!targetAlive()) {
            logUndoFailure(targetGoneMessage());
            return;
        }
        beforeInsert();
        putBack();
        if (m_treeType == LWEffectCommon::LWNaviTreeTypeEffect)
            m_item->requestSelection(false);
        afterInsert();
        m_detached = false;
    }

    T *item() const { return m_item.data(); }
    LWEffectCommon::LWNaviTreeType treeType() const { return m_treeType; }
    // Whether the item is out of its owner because of this command.
    bool isItemDetached() const { return m_detached; }

protected:
    // The same six hook slots as the add base (createItem is not used here).
    virtual void beforeInsert() {}
    virtual void beforeRemove() {}
    virtual void afterInsert() {}
    // Detaches the item from its owner.
    virtual void afterRemove() {}
    virtual T *createItem() { return nullptr; }
    // Puts the item back into its owner, where it was.
    virtual void putBack() {}

    virtual bool targetAlive() const { return true; }
    virtual const char *targetGoneMessage() const { return nullptr; }

private:
    QPointer<T> m_item;
    LWEffectCommon::LWNaviTreeType m_treeType;
    bool m_detached = false;
};
