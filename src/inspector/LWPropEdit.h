#pragma once

#include "LWInspectorFactory.h"
#include "undo/LWUndoStack.h"

#include <memory>
#include <utility>

// The one place where a committed edit of an inspector control becomes an
// undo step: the command gets a weak reference to the node and the new
// value, and pushing it executes it at once (the swap sets the node's
// value and announces the change). Setters compare before calling this, so
// an equal value never gets here.
namespace LWPropEdit {

template <typename Command, typename Node, typename... Args>
bool push(Node *node, Args &&...args)
{
    std::shared_ptr<Node> self = std::static_pointer_cast<Node>(node->weak_from_this().lock());
    if (!self) {
        // Only a node outside any tree gets here; there is nothing to undo into.
        qCWarning(lwInspector) << "edit ignored: inspector node is not owned by a tree";
        return false;
    }
    LWUndoStack::instance()->push(new Command(std::weak_ptr<Node>(self), std::forward<Args>(args)...));
    return true;
}

// A direct edit (a resource picked, a picture chosen in a dialog) makes no
// undo step, but it changes the project all the same: without this the
// author could close the window on it without being asked to save, and the
// package size, the preview and the recovery point would not follow.
inline void markDirectEdit()
{
    LWUndoStack::instance()->markChanged();
}

} // namespace LWPropEdit
