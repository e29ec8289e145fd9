#pragma once

#include "LWFaceMakeupV2FilterBase.h"
#include "navigation/LWNaviComponentAddUndoCommandBase.h"

#include <QPointer>
#include <QString>

class LWFaceMakeUpV2Model;

// Adds a filter of a type to a makeup. The first redo builds the filter
// with its defaults; undo takes it out and later redos put the same object
// back where it was.
class LWFaceMakeUpV2FilterAddUndoCommand : public LWNaviComponentAddUndoCommandBase<LWFaceMakeupV2FilterBase>
{
public:
    LWFaceMakeUpV2FilterAddUndoCommand(LWFaceMakeUpV2Model *makeup, const QString &type);

protected:
    LWFaceMakeupV2FilterBase *createItem() override;

private:
    QPointer<LWFaceMakeUpV2Model> m_makeup;
    QString m_type;
};
