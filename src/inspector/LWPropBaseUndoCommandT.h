#pragma once

#include "undo/LWSwapUndoCommand.h"

// The property command of the plain value types. A node VM offers
//     UndoValue undoValue() const;              // its committed value
//     void applyUndoValue(const UndoValue &v);  // set it (and the temporary
//                                               // value), emit the property
//                                               // signal, then qmlViewDataChanged()
// and the command stores T, which may be narrower than the node's own type:
// float commands keep single precision, so the values undo and redo bring
// back are the doubles nearest to their single-precision forms.
template <typename VM, typename T>
class LWPropBaseUndoCommandT : public LWSwapUndoCommand<VM, T>
{
public:
    using LWSwapUndoCommand<VM, T>::LWSwapUndoCommand;

protected:
    T readValue(VM &node) const override { return static_cast<T>(node.undoValue()); }
    void writeValue(VM &node, const T &value) override
    {
        node.applyUndoValue(static_cast<typename VM::UndoValue>(value));
    }
};
