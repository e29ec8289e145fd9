#pragma once

#include "undo/LWUndoCommand.h"

#include <QItemSelectionModel>
#include <QPersistentModelIndex>
#include <memory>

class LWNaviTreeSelModel;

// A change of the current item of a navigation tree by the author, pushed
// as a step of its own without marking the project changed. Redo remembers the
// current index and makes the new one current with the given flags; undo
// makes the remembered one current again. The selection model is held
// weakly and the indexes persistently: a command whose model or row has
// gone does nothing.
class LWNaviSelectedUndoCommand : public LWUndoCommand
{
public:
    LWNaviSelectedUndoCommand(std::weak_ptr<LWNaviTreeSelModel> selectionModel, const QModelIndex &index,
                              QItemSelectionModel::SelectionFlags command);

    void redo() override;
    void undo() override;

private:
    std::weak_ptr<LWNaviTreeSelModel> m_selectionModel;
    QPersistentModelIndex m_index;
    bool m_indexWasValid;
    QItemSelectionModel::SelectionFlags m_command;
    QPersistentModelIndex m_previous;
    bool m_previousWasValid = false;
};
