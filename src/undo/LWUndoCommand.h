#pragma once

#include <QUndoCommand>
#include <QtGlobal>

// Base of every command on the project undo stack. Commands never
// merge and have no parent command. Beyond the standard operations a
// command has a discard hook, which the stack calls once, just before it
// deletes the command (when a new push drops the undone commands above the
// current position or the oldest one past the limit, and on clear): a
// command that holds an object nobody else owns releases it there.
class LWUndoCommand : public QUndoCommand
{
public:
    enum Flag : quint32 {
        FlagCreated = 0x1,      // set at construction
        FlagChained = 0x2,      // undone and redone together with the command below
        FlagMarksChange = 0x4,  // pushed with notify: undoing it changes the project
        FlagDiscarded = 0x8,    // the discard hook has run
    };

    explicit LWUndoCommand(const QString &text = QString());
    ~LWUndoCommand() override;

    void undo() override {}
    void redo() override {}
    int id() const override { return -1; }
    bool mergeWith(const QUndoCommand *) override { return false; }

    // Does nothing here; see the class comment.
    virtual void discard() {}

    quint32 flags() const { return m_flags; }
    bool isChained() const { return m_flags & FlagChained; }
    void setChained(bool chained);
    bool marksChange() const { return m_flags & FlagMarksChange; }

    // Writes a failure of a command to the diagnostic log (category 8,
    // level 3).
    static void logUndoFailure(const char *message);

private:
    friend class LWUndoStack;
    quint32 m_flags = FlagCreated;
};
