#pragma once

#include "LWResourceViewBase.h"
#include "navigation/LWNaviItemiRemoveUndoCommand.h"

#include <QPointer>

// Removes a resource item or a group from the resource tree. Redo only
// detaches it, so undo can put the same item back with its files; the files
// go when the stack drops the command while the removal stands.
class LWResourceRemoveUndoCommand : public LWNaviItemiRemoveUndoCommand<LWResourceViewBase>
{
public:
    explicit LWResourceRemoveUndoCommand(LWResourceViewBase *item);

    void redo() override;
    void discard() override;

protected:
    void afterRemove() override;
    void putBack() override;
    void afterInsert() override;
    bool targetAlive() const override { return !m_parent.isNull(); }

private:
    void rememberPlace();

    QPointer<LWNaviTreeItem> m_parent; // where the item goes back to
    int m_row = 0;
};
