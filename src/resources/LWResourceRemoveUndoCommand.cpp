#include "LWResourceRemoveUndoCommand.h"

#include "LWResourceManager.h"

LWResourceRemoveUndoCommand::LWResourceRemoveUndoCommand(LWResourceViewBase *item)
    : LWNaviItemiRemoveUndoCommand(item, LWEffectCommon::LWNaviTreeTypeResource)
{
    rememberPlace();
}

void LWResourceRemoveUndoCommand::rememberPlace()
{
    LWResourceViewBase *removed = item();
    if (!removed || removed->row() < 0)
        return;
    m_parent = removed->parentItem();
    m_row = removed->row();
}

void LWResourceRemoveUndoCommand::redo()
{
    // The item may have been dragged elsewhere since the last undo; the
    // tree model detaches it while handling the removal event, so the place
    // must be taken first.
    rememberPlace();
    LWNaviItemiRemoveUndoCommand::redo();
}

void LWResourceRemoveUndoCommand::afterRemove()
{
    item()->detachFromParent();
    LWResourceManager::instance()->announceDataChanged(item());
}

void LWResourceRemoveUndoCommand::putBack()
{
    item()->putBackInto(m_parent.data(), m_row);
}

void LWResourceRemoveUndoCommand::afterInsert()
{
    LWResourceManager::instance()->announceDataChanged(item());
}

void LWResourceRemoveUndoCommand::discard()
{
    if (item() && isItemDetached())
        item()->finalRelease();
}
