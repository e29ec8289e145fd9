#pragma once

#include "LWResourceViewBase.h"
#include "navigation/LWNavitreeItemAddUndoCommand.h"

#include <QJsonObject>
#include <QPointer>

class LWResouceTreeViewModel;

// Adds a resource item or a group (with everything below it) to the
// resource tree from its manifest-shaped description. The first redo builds
// the item; undo only detaches it. When the stack drops the command while
// the item is detached (an undone import that can no longer come back) the
// item is released for good, taking its record and files with it.
class LWResourceAddUndoCommand : public LWNavitreeItemAddUndoCommand<LWResourceViewBase>
{
public:
    enum Kind { KindResource = 1, KindGroup = 2 };

    // parent: the root or a group of the library; null means the root.
    // position: the row in the parent, -1 for the end.
    LWResourceAddUndoCommand(LWResouceTreeViewModel *library, int kind, const QJsonObject &description,
                             LWNaviTreeItem *parent, int position);

    void discard() override;

protected:
    LWResourceViewBase *createItem() override;
    void beforeRemove() override;
    void afterRemove() override;
    void putBack() override;
    void afterInsert() override;
    bool targetAlive() const override;

private:
    QPointer<LWResouceTreeViewModel> m_library;
    int m_kind;
    QJsonObject m_description;
    QPointer<LWNaviTreeItem> m_parent; // where the item goes back to
    int m_position;
};
