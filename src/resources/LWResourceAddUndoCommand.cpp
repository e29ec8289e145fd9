#include "LWResourceAddUndoCommand.h"

#include "LWResouceTreeViewModel.h"
#include "LWResourceManager.h"

LWResourceAddUndoCommand::LWResourceAddUndoCommand(LWResouceTreeViewModel *library, int kind,
                                                   const QJsonObject &description, LWNaviTreeItem *parent,
                                                   int position)
    : LWNavitreeItemAddUndoCommand(LWEffectCommon::LWNaviTreeTypeResource)
    , m_library(library)
    , m_kind(kind)
    , m_description(description)
    , m_parent(parent ? parent : library)
    , m_position(position)
{
}

LWResourceViewBase *LWResourceAddUndoCommand::createItem()
{
    return LWResourceManager::instance()->insertTreeItem(m_library.data(), m_kind, m_description, m_parent.data(),
                                                         m_position);
}

bool LWResourceAddUndoCommand::targetAlive() const
{
    return m_library && m_parent;
}

void LWResourceAddUndoCommand::beforeRemove()
{
    // The item may have been dragged elsewhere since it was added.
    m_parent = item()->parentItem();
    m_position = item()->row();
}

void LWResourceAddUndoCommand::afterRemove()
{
    item()->detachFromParent();
    LWResourceManager::instance()->announceDataChanged(item());
}

void LWResourceAddUndoCommand::putBack()
{
    item()->putBackInto(m_parent.data(), m_position);
}

void LWResourceAddUndoCommand::afterInsert()
{
    LWResourceManager::instance()->announceDataChanged(item());
}

void LWResourceAddUndoCommand::discard()
{
    if (item() && !isItemInTree())
        item()->finalRelease();
    LWNavitreeItemAddUndoCommand::discard();
}
