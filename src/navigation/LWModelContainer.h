#pragma once

#include "LWNaviTreeModel.h"

#include <QDebug>
#include <QList>
#include <QString>

class LWNaviTreeItem;

// The small ordered list in which a tree node keeps its children of one
// kind (the effect its features, a sticker its parts, the makeup its
// filters, a resource group its items). It is a mix-in, not a QObject: the
// owner derives from it next to LWNaviTreeItem. The list never owns its
// elements; their lifetime follows the QObject parent they were built with
// and the undo commands that hold them while detached.
//
// Every change of the list is announced to the model showing the tree, as
// a change of the children of listTreeItem(): an element must be complete
// (and answer its parent and row) when it is inserted.
template <typename T>
class LWModelContainer
{
public:
    virtual ~LWModelContainer() = default;

    // Two counters and a name that the owners may give a meaning; only their
    // defaults are fixed.
    virtual int firstCounter() const { return 0; }
    virtual int secondCounter() const { return 0; }
    virtual QString containerName() const { return QString(); }

    // -1 when the element is absent (including when the list is empty).
    virtual int indexOfModel(const T *model) const
    {
        if (m_models.isEmpty())
            return -1;
        return m_models.indexOf(const_cast<T *>(model));
    }

    // Rows outside the list are clamped to its ends.
    virtual void insertModel(int row, T *model)
    {
        if (!model)
            return;
        const int at = qBound(0, row, m_models.size());
        LWNaviTreeChange change(LWNaviTreeChange::Insert, listTreeItem(), at, at);
        m_models.insert(at, model);
    }

    virtual void appendModel(T *model) { insertModel(m_models.size(), model); }

    // True when the element was in the list.
    virtual bool removeModel(T *model)
    {
        const int row = m_models.indexOf(model);
        if (row < 0)
            return false;
        LWNaviTreeChange change(LWNaviTreeChange::Remove, listTreeItem(), row, row);
        m_models.removeAt(row);
        return true;
    }

    // The element taken out, or null (with "error remove, <row> <size>") for
    // a row outside the list.
    virtual T *removeModelAt(int row)
    {
        if (row < 0 || row >= m_models.size()) {
            qWarning().noquote() << QStringLiteral("error remove, %1 %2").arg(row).arg(m_models.size());
            return nullptr;
        }
        LWNaviTreeChange change(LWNaviTreeChange::Remove, listTreeItem(), row, row);
        return m_models.takeAt(row);
    }

    virtual void prependModel(T *model) { insertModel(0, model); }

    virtual int modelCount() const { return m_models.size(); }

    // Empties the list (announced); the elements are not destroyed.
    QList<T *> takeAllModels()
    {
        LWNaviTreeChange change(LWNaviTreeChange::Remove, listTreeItem(), 0, m_models.size() - 1);
        QList<T *> taken;
        taken.swap(m_models);
        return taken;
    }

    // Name test and name pass-through: owners that name their children
    // uniquely ("Untitled", "Untitled_1" ...) override these.
    virtual bool containsModelName(const QString &) const { return false; }
    virtual QString uniqueModelName(const QString &name) const { return name; }

    T *modelAt(int row) const { return row >= 0 && row < m_models.size() ? m_models.at(row) : nullptr; }
    const QList<T *> &models() const { return m_models; }

    // Moves one element inside the list; rows outside the list do nothing.
    void moveModel(int from, int to)
    {
        if (from < 0 || from >= m_models.size() || to < 0 || to >= m_models.size() || from == to)
            return;
        LWNaviTreeChange change(LWNaviTreeChange::Move, listTreeItem(), from, from, to > from ? to + 1 : to);
        m_models.move(from, to);
    }

protected:
    // The tree node the elements are the children of: the owner itself when
    // it is a tree node. A list kept by an object beside its node (the
    // sticker document beside its feature) names the node.
    virtual LWNaviTreeItem *listTreeItem() const
    {
        return dynamic_cast<LWNaviTreeItem *>(const_cast<LWModelContainer *>(this));
    }

    QList<T *> m_models; // not owned
};
