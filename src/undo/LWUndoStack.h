#pragma once

#include "common/Singleton.h"

#include <QObject>
#include <memory>

class LWUndoCommand;
class QUndoStack;

// The one project undo stack: a standard undo stack limited to 10
// steps, with chained commands undone and redone as one step and a change
// clock whose signal pushOccured() makes the project unsaved.
class LWUndoStack : public QObject, public Singleton<LWUndoStack>
{
    Q_OBJECT
    friend class Singleton<LWUndoStack>;

public:
    static constexpr int kUndoLimit = 10;

    using Singleton<LWUndoStack>::instance;

    // Takes ownership and runs the command's redo at once. With notify the
    // project counts as changed (clock, pushOccured). Selection steps pass
    // false, resource imports their parameters' choice.
    void push(LWUndoCommand *command, bool notify = true);
    // One step: the command below the current position and every chained
    // command above it in the step.
    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;
    // Drops every command (each discarded first). The clock is left alone:
    // the caller marks the change when the project needs it.
    void clear();
    // Marks the project changed without a command (check boxes, refresh).
    void markChanged();

    // Whether the step that undo() (redo()) would take back (do again)
    // changes the project: false for a step made only of commands pushed
    // without notify, such as selection changes, which leave a saved
    // project saved.
    bool undoMarksChange() const;
    bool redoMarksChange() const;

    // Seconds since 1970-01-01 UTC of the last change; 0 before the first.
    qint64 lastChangeTime() const { return m_lastChangeTime; }

    int count() const;
    int index() const;
    const LWUndoCommand *command(int index) const;

signals:
    void pushOccured();
    // A step was undone or redone (after every command of it ran).
    void stepTaken();

private:
    LWUndoStack();
    ~LWUndoStack() override;

    LWUndoCommand *commandAt(int index) const;
    void discardAt(int index);
    void touch();

    std::unique_ptr<QUndoStack> m_stack; // owned
    qint64 m_lastChangeTime = 0;
};
