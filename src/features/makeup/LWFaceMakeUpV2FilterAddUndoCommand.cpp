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
    LWFaceMakeupV2FilterBase *filter = m_makeup ? m_makeup->appendNewPart(m_type) : nullptr;
    // The new layer is what the author works on next.
    if (filter) {
        m_makeup->requestExpand();
        filter->requestSelection(false);
    }
    return filter;
}
