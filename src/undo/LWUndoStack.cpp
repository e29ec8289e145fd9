#include "LWUndoStack.h"

#include "LWUndoCommand.h"

#include <QDateTime>
#include <QDebug>
#include <QUndoStack>

LWUndoStack::LWUndoStack()
    : m_stack(new QUndoStack)
{
    m_stack->setUndoLimit(kUndoLimit);
}

LWUndoStack::~LWUndoStack()
{
    clear();
}

LWUndoCommand *LWUndoStack::commandAt(int index) const
{
    // Only LWUndoCommands are ever pushed.
    return const_cast<LWUndoCommand *>(static_cast<const LWUndoCommand *>(m_stack->command(index)));
}

const LWUndoCommand *LWUndoStack::command(int index) const
{
    return commandAt(index);
}

int LWUndoStack::count() const
{
    return m_stack->count();
}

int LWUndoStack::index() const
{
    return m_stack->index();
}

void LWUndoStack::discardAt(int index)
{
    LWUndoCommand *command = commandAt(index);
    if (!command || (command->m_flags & LWUndoCommand::FlagDiscarded))
        return;
    command->m_flags |= LWUndoCommand::FlagDiscarded;
    command->discard();
}

void LWUndoStack::touch()
{
    m_lastChangeTime = QDateTime::currentSecsSinceEpoch();
    emit pushOccured();
}

void LWUndoStack::push(LWUndoCommand *command, bool notify)
{
    if (!command)
        return;
    if (notify)
        command->m_flags |= LWUndoCommand::FlagMarksChange;

    // The standard stack deletes the undone commands above the current
    // position, then the oldest ones beyond the limit: each is told first.
    const int current = m_stack->index();
    for (int i = current; i < m_stack->count(); ++i)
        discardAt(i);
    const int overflow = current + 1 - m_stack->undoLimit();
    for (int i = 0; i < overflow; ++i)
        discardAt(i);

    m_stack->push(command);
    if (notify) {
        touch();
        qDebug("LWUndoStack::push");
    }
}

bool LWUndoStack::undoMarksChange() const
{
    for (int i = m_stack->index() - 1; i >= 0; --i) {
        const LWUndoCommand *command = commandAt(i);
        if (command->marksChange())
            return true;
        if (!command->isChained())
            break;
    }
    return false;
}

bool LWUndoStack::redoMarksChange() const
{
    for (int i = m_stack->index(); i < m_stack->count(); ++i) {
        const LWUndoCommand *command = commandAt(i);
        if (i > m_stack->index() && !command->isChained())
            break;
        if (command->marksChange())
            return true;
    }
    return false;
}

void LWUndoStack::undo()
{
    if (!m_stack->canUndo())
        return;
    const bool marks = undoMarksChange();
    while (m_stack->index() > 0 && commandAt(m_stack->index() - 1)->isChained())
        m_stack->undo();
    m_stack->undo();
    if (marks)
        touch();
    qDebug("LWUndoStack::undo");
    emit stepTaken();
}

void LWUndoStack::redo()
{
    if (!m_stack->canRedo())
        return;
    const bool marks = redoMarksChange();
    m_stack->redo();
    while (m_stack->index() < m_stack->count() && commandAt(m_stack->index())->isChained())
        m_stack->redo();
    if (marks)
        touch();
    qDebug("LWUndoStack::redo");
    emit stepTaken();
}

bool LWUndoStack::canUndo() const
{
    return m_stack->canUndo();
}

bool LWUndoStack::canRedo() const
{
    return m_stack->canRedo();
}

void LWUndoStack::clear()
{
    for (int i = 0; i < m_stack->count(); ++i)
        discardAt(i);
    m_stack->clear();
}

void LWUndoStack::markChanged()
{
    touch();
}
