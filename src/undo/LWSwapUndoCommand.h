#pragma once

#include "LWUndoCommand.h"

#include <QPointer>
#include <memory>

// Locking the weak reference of a swap command: view models are held through
// std::weak_ptr (their owners keep shared pointers), QObjects such
// as sticker parts through QPointer.
template <typename T>
std::shared_ptr<T> lwLockUndoTarget(const std::weak_ptr<T> &target)
{
    return target.lock();
}

template <typename T>
T *lwLockUndoTarget(const QPointer<T> &target)
{
    return target.data();
}

// The swap pattern of the property and scene commands:
// undo and redo are one operation. Lock the target; read its current value;
// write the stored value into it (the write also emits the target's change
// notification); keep the value read as the new stored value. A target that
// has gone makes the operation do nothing, silently.
//
// A concrete command is the two accessors:
//
//     class LWPropColorUndoCommand : public LWSwapUndoCommand<LWPropColorViewModel, QColor>
//     {
//     public:
//         using LWSwapUndoCommand::LWSwapUndoCommand;
//     protected:
//         QColor readValue(LWPropColorViewModel &vm) const override { return vm.colorValue(); }
//         void writeValue(LWPropColorViewModel &vm, const QColor &c) override { vm.applyColor(c); }
//     };
//
// and a scene command holds its part through QPointer:
// LWSwapUndoCommand<LW2DStickerPart, QPointF, QPointer>.
template <typename Target, typename Value, template <typename> class Ref = std::weak_ptr>
class LWSwapUndoCommand : public LWUndoCommand
{
public:
    LWSwapUndoCommand(Ref<Target> target, Value value)
        : m_target(std::move(target))
        , m_value(std::move(value))
    {
    }

    void undo() override { swap(); }
    void redo() override { swap(); }

    // The value the next undo or redo writes.
    const Value &storedValue() const { return m_value; }
    bool targetAlive() const { return static_cast<bool>(lwLockUndoTarget(m_target)); }

protected:
    virtual Value readValue(Target &target) const = 0;
    virtual void writeValue(Target &target, const Value &value) = 0;

private:
    void swap()
    {
        auto target = lwLockUndoTarget(m_target);
        if (!target)
            return;
        Value current = readValue(*target);
        writeValue(*target, m_value);
        m_value = std::move(current);
    }

    Ref<Target> m_target;
    Value m_value;
};
