#pragma once

#include "LWNavitreeItemAddUndoCommand.h"
#include "navigation/LWModelContainer.h"

#include <QPointer>

// An add command whose owner keeps its children in an LWModelContainer<T>
// (the effect, a sticker, the makeup): taking the item out and putting it
// back are done here, at the row the item had, so a concrete command only
// creates the item. The owner is held weakly; when it has gone the command
// logs the given message and does nothing.
//
//     class LWFaceMakeUpV2FilterAddUndoCommand
//         : public LWNaviComponentAddUndoCommandBase<LWFaceMakeupV2FilterBase>
//     {
//     public:
//         LWFaceMakeUpV2FilterAddUndoCommand(LWFaceMakeUpV2Model *makeup, QString type)
//             : LWNaviComponentAddUndoCommandBase(makeup, "makeup add component undo failed, using nullptr\n")
//             , m_makeup(makeup), m_type(type) {}
//     protected:
//         LWFaceMakeupV2FilterBase *createItem() override { return m_makeup->createFilter(m_type); }
//     ...
//
// Subclasses that override beforeRemove, afterRemove or putBack call these
// versions too.
template <typename T>
class LWNaviComponentAddUndoCommandBase : public LWNavitreeItemAddUndoCommand<T>
{
    using Base = LWNavitreeItemAddUndoCommand<T>;

public:
    // Owner: a QObject that is also an LWModelContainer<T>.
    template <typename Owner>
    LWNaviComponentAddUndoCommandBase(Owner *owner, const char *ownerGoneMessage = nullptr,
                                      LWEffectCommon::LWNaviTreeType treeType = LWEffectCommon::LWNaviTreeTypeEffect)
        : Base(treeType)
        , m_ownerObject(owner)
        , m_container(owner)
        , m_ownerGoneMessage(ownerGoneMessage)
    {
    }

    // Null once the owner has gone.
    LWModelContainer<T> *container() const { return m_ownerObject ? m_container : nullptr; }
    // The row the item is put back at.
    int rememberedRow() const { return m_row; }

protected:
    bool targetAlive() const override { return !m_ownerObject.isNull(); }
    const char *targetGoneMessage() const override { return m_ownerGoneMessage; }

    void beforeRemove() override
    {
        const int row = m_container->indexOfModel(this->item());
        if (row >= 0)
            m_row = row;
    }

    void afterRemove() override
    {
        if (m_container->indexOfModel(this->item()) >= 0)
            m_container->removeModel(this->item());
    }

    void putBack() override
    {
        if (m_container->indexOfModel(this->item()) < 0)
            m_container->insertModel(m_row, this->item());
    }

private:
    QPointer<QObject> m_ownerObject;
    LWModelContainer<T> *m_container; // not owned; valid while m_ownerObject is
    const char *m_ownerGoneMessage;
    int m_row = 0;
};
