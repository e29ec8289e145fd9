#pragma once

#include "LWNaviItemiRemoveUndoCommand.h"
#include "navigation/LWModelContainer.h"

#include <QPointer>

// The remove command of a child kept in its owner's LWModelContainer<T>
// (the makeup feature instantiates it for its filters):
// redo detaches the component from the owner, undo puts the same object
// back at the row it had. The owner and the component are held weakly.
template <typename T>
class LWNaviComponentRemoveUndoCommandBase : public LWNaviItemiRemoveUndoCommand<T>
{
    using Base = LWNaviItemiRemoveUndoCommand<T>;

public:
    // Owner: a QObject that is also an LWModelContainer<T>.
    template <typename Owner>
    LWNaviComponentRemoveUndoCommandBase(Owner *owner, T *component,
                                         LWEffectCommon::LWNaviTreeType treeType = LWEffectCommon::LWNaviTreeTypeEffect)
        : Base(component, treeType)
        , m_ownerObject(owner)
        , m_container(owner)
    {
        if (owner && component)
            m_row = qMax(0, m_container->indexOfModel(component));
    }

    void redo() override
    {
        // Where the component is now: the row it goes back to on undo.
        if (container() && this->item()) {
            const int row = m_container->indexOfModel(this->item());
            if (row >= 0)
                m_row = row;
        }
        Base::redo();
    }

    LWModelContainer<T> *container() const { return m_ownerObject ? m_container : nullptr; }
    int rememberedRow() const { return m_row; }

protected:
    bool targetAlive() const override { return !m_ownerObject.isNull(); }

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
    int m_row = 0;
};
