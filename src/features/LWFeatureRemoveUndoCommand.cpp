#include "LWFeatureRemoveUndoCommand.h"

#include "LWFeatureModel.h"

LWFeatureRemoveUndoCommand::LWFeatureRemoveUndoCommand(LWFeatureModel *feature)
    : LWNaviItemiRemoveUndoCommand<LWNaviTreeItem>(feature ? feature->asNaviTreeItem() : nullptr)
    , m_feature(feature)
    , m_container(feature ? feature->container() : nullptr)
    , m_effectItem(m_container ? m_container->containerItem() : nullptr)
{
}

bool LWFeatureRemoveUndoCommand::targetAlive() const
{
    return !m_effectItem.isNull();
}

void LWFeatureRemoveUndoCommand::afterRemove()
{
    const int row = m_container->indexOfModel(m_feature);
    if (row >= 0) {
        m_row = row;
        m_container->removeModel(m_feature);
    }
}

void LWFeatureRemoveUndoCommand::putBack()
{
    if (m_container->indexOfModel(m_feature) < 0)
        m_container->insertModel(m_row, m_feature);
}
