#include "LWUndoCommand.h"

#include "common/LWDiagnosticLog.h"

LWUndoCommand::LWUndoCommand(const QString &text)
    : QUndoCommand(text, nullptr)
{
}

LWUndoCommand::~LWUndoCommand() = default;

void LWUndoCommand::setChained(bool chained)
{
    if (chained)
        m_flags |= FlagChained;
    else
        m_flags &= ~quint32(FlagChained);
}

void LWUndoCommand::logUndoFailure(const char *message)
{
    if (message)
        LWDiagnosticLog::instance()->log(LWDiagnosticLog::CategoryUndo, LWDiagnosticLog::Error, "%s", message);
}
