#include "LWNaviSelectedUndoCommand.h"

#include "navigation/LWNaviTreeSelModel.h"

#include <QDebug>

LWNaviSelectedUndoCommand::LWNaviSelectedUndoCommand(std::weak_ptr<LWNaviTreeSelModel> selectionModel,
                                                     const QModelIndex &index,
                                                     QItemSelectionModel::SelectionFlags command)
    : m_selectionModel(std::move(selectionModel))
    , m_index(index)
    , m_indexWasValid(index.isValid())
    , m_command(command)
{
}

void LWNaviSelectedUndoCommand::redo()
{
    const std::shared_ptr<LWNaviTreeSelModel> model = m_selectionModel.lock();
    if (!model)
        return;
    // A row removed since then: selecting "nothing" instead would be wrong.
    if (m_indexWasValid && !m_index.isValid()) {
        qDebug("selection redo command: the row has gone");
        return;
    }
    m_previous = model->currentIndex();
    m_previousWasValid = m_previous.isValid();
    model->applyCurrentIndex(m_index, m_command);
}

void LWNaviSelectedUndoCommand::undo()
{
    const std::shared_ptr<LWNaviTreeSelModel> model = m_selectionModel.lock();
    if (!model)
        return;
    if (m_previousWasValid && !m_previous.isValid()) {
        qDebug("selection undo command: the row has gone");
        return;
    }
    model->restoreCurrentIndex(m_previous);
}
