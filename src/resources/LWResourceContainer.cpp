#include "LWResourceContainer.h"

#include "LWResourceViewBase.h"
#include "common/LWAssert.h"
#include "navigation/LWNaviTreeItem.h"

#include <QJsonArray>

LWResourceContainer *LWResourceContainer::of(LWNaviTreeItem *node)
{
    return dynamic_cast<LWResourceContainer *>(node);
}

void LWResourceContainer::putChild(int row, LWResourceViewBase *child)
{
    LW_ASSERT(child && indexOfModel(child) < 0, return);
    // The child answers its new parent before the tree is told of it.
    child->setParentNode(containerNode());
    insertModel(row < 0 ? modelCount() : row, child);
}

bool LWResourceContainer::detachChild(LWResourceViewBase *child)
{
    // The parent link stays: undo puts the child back where it was.
    return child && removeModel(child);
}

LWNaviTreeItem *LWResourceContainer::childNode(int row) const
{
    return modelAt(row);
}

bool LWResourceContainer::acceptsChild(LWNaviTreeItem *item)
{
    auto *view = dynamic_cast<LWResourceViewBase *>(item);
    if (!view)
        return false;
    // A group must not end up inside itself.
    for (LWNaviTreeItem *node = containerNode(); node; node = node->parentItem()) {
        if (node == item)
            return false;
    }
    return true;
}

void LWResourceContainer::insertMovedChild(int row, LWNaviTreeItem *item)
{
    auto *view = dynamic_cast<LWResourceViewBase *>(item);
    if (!view)
        return;
    putChild(row, view);
}

LWNaviTreeItem *LWResourceContainer::takeChildForMove(int row)
{
    return removeModelAt(row);
}

void LWResourceContainer::moveChild(int from, int to)
{
    moveModel(from, to);
}

void LWResourceContainer::writeChildren(QJsonObject &node) const
{
    QJsonArray groups;
    QJsonArray resources;
    for (const LWResourceViewBase *child : models()) {
        if (child->isGroup())
            groups.append(child->toJson());
        else
            resources.append(child->toJson());
    }
    node.insert(QStringLiteral("groups"), groups);
    node.insert(QStringLiteral("resources"), resources);
}

void LWResourceContainer::collectChildren(int type, int constraint, QList<LWResourceViewBase *> &found,
                                          QStringList *errors) const
{
    for (LWResourceViewBase *child : models())
        child->collectByType(type, constraint, found, errors);
}
