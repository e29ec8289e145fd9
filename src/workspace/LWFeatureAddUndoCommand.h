#pragma once

#include "common/LWEffectCommon.h"
#include "navigation/LWNavitreeItemAddUndoCommand.h"

#include <QJsonObject>
#include <QPointer>

class LWEffectModel;
class LWFeatureModel;

// Adds a feature of a type to the effect. The first redo builds it; undo
// takes it out; later redos put the same feature back at the front.
class LWFeatureAddUndoCommand : public LWNavitreeItemAddUndoCommand<LWNaviTreeItem>
{
public:
    LWFeatureAddUndoCommand(LWEffectModel *effect, LWEffectCommon::LWFeatureType type, const QJsonObject &defaultData);

    LWFeatureModel *feature() const;

protected:
    LWNaviTreeItem *createItem() override;
    void afterRemove() override;
    void putBack() override;
    bool targetAlive() const override { return !m_effect.isNull(); }

private:
    QPointer<LWEffectModel> m_effect;
    LWEffectCommon::LWFeatureType m_type;
    QJsonObject m_defaultData;
    LWFeatureModel *m_feature = nullptr; // not owned; valid while item() is
};
