#pragma once

#include "navigation/LWNaviItemiRemoveUndoCommand.h"

#include <QPointer>

class LWFeatureModel;
class LWFeatureContainer;

// Takes a feature out of its effect; undo puts the same feature back where
// it was and selects it.
class LWFeatureRemoveUndoCommand : public LWNaviItemiRemoveUndoCommand<LWNaviTreeItem>
{
public:
    explicit LWFeatureRemoveUndoCommand(LWFeatureModel *feature);

protected:
    bool targetAlive() const override;
    void afterRemove() override;
    void putBack() override;

private:
    LWFeatureModel *m_feature;            // not owned; valid while item() is
    LWFeatureContainer *m_container;      // not owned; valid while m_effectItem is
    QPointer<LWNaviTreeItem> m_effectItem;
    int m_row = 0;
};
