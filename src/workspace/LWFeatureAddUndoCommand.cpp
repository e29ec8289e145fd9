#include "LWFeatureAddUndoCommand.h"

#include "LWEffectModel.h"

LWFeatureAddUndoCommand::LWFeatureAddUndoCommand(LWEffectModel *effect, LWEffectCommon::LWFeatureType type,
                                                 const QJsonObject &defaultData)
    : m_effect(effect)
    , m_type(type)
    , m_defaultData(defaultData)
{
}

LWFeatureModel *LWFeatureAddUndoCommand::feature() const
{
    return item() ? m_feature : nullptr;
}

LWNaviTreeItem *LWFeatureAddUndoCommand::createItem()
{
    m_feature = m_effect->createFeatureNow(m_type, m_defaultData);
    return m_feature ? m_feature->asNaviTreeItem() : nullptr;
}

void LWFeatureAddUndoCommand::afterRemove()
{
    if (m_feature && m_effect->indexOfModel(m_feature) >= 0)
        m_effect->removeModel(m_feature);
}

void LWFeatureAddUndoCommand::putBack()
{
    if (m_feature && m_effect->indexOfModel(m_feature) < 0)
        m_effect->insertModel(0, m_feature);
}
