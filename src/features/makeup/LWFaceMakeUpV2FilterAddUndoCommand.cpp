#include "LWFaceMakeUpV2FilterAddUndoCommand.h"

#include "LWFaceMakeUpV2Model.h"

LWFaceMakeUpV2FilterAddUndoCommand::LWFaceMakeUpV2FilterAddUndoCommand(LWFaceMakeUpV2Model *makeup,
                                                                       const QString &type)
    : LWNaviComponentAddUndoCommandBase(makeup, "makeup add component undo failed, using nullptr\n")
    , m_makeup(makeup)
    , m_type(type)
{
}

LWFaceMakeupV2FilterBase *LWFaceMakeUpV2FilterAddUndoCommand::createItem()
{
    return m_makeup ? m_makeup->appendNewPart(m_type) : nullptr;
}
