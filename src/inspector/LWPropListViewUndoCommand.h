#pragma once

#include "LWQmlViewModel.h"
#include "undo/LWUndoCommand.h"

#include <memory>

// Adding an item to, or removing one from, a growable list. The list is
// held weakly; the item strongly, so an undone removal re-inserts the very
// node with its values. The list L offers
//     int takeListItem(const LWQmlViewModel::Ptr &item);  // its former row, -1 if absent
//     void insertListItem(const LWQmlViewModel::Ptr &item, int row); // -1: append
// and announces the new heights itself.
template <typename L>
class LWPropListViewUndoCommand : public LWUndoCommand
{
public:
    enum Action { Add, Remove };

    LWPropListViewUndoCommand(std::weak_ptr<L> list, LWQmlViewModel::Ptr item, Action action)
        : m_list(std::move(list))
        , m_item(std::move(item))
        , m_action(action)
    {
    }

    void redo() override { apply(m_action == Add); }
    void undo() override { apply(m_action != Add); }

    const LWQmlViewModel::Ptr &item() const { return m_item; }

private:
    void apply(bool insert)
    {
        std::shared_ptr<L> list = m_list.lock();
        if (!list || !m_item)
            return;
        if (insert) {
            list->insertListItem(m_item, m_row);
        } else {
            // Remembered so that taking the removal back restores the
            // order of the list, and so the order of the owner's array.
            m_row = list->takeListItem(m_item);
        }
    }

    std::weak_ptr<L> m_list;
    LWQmlViewModel::Ptr m_item; // owned (shared): kept alive while on the stack
    Action m_action;
    int m_row = -1;
};
