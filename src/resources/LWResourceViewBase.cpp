#include "LWResourceViewBase.h"

#include "LWResouceTreeViewModel.h"
#include "LWResourceContainer.h"
#include "LWResourceRemoveUndoCommand.h"
#include "undo/LWUndoStack.h"

LWResourceViewBase::LWResourceViewBase(LWResouceTreeViewModel *library, int resourceType)
    : LWNaviTreeItem(library)
    , m_library(library)
    , m_resourceType(resourceType)
{
}

LWResourceViewBase::~LWResourceViewBase() = default;

LWResouceTreeViewModel *LWResourceViewBase::library() const
{
    return m_library.data();
}

LWNaviTreeItem *LWResourceViewBase::parentItem() const
{
    return m_parent.data();
}

QVariant LWResourceViewBase::data(int column) const
{
    return column == 0 ? QVariant(title()) : QVariant();
}

int LWResourceViewBase::row() const
{
    const LWResourceContainer *parent = parentContainer();
    return parent ? parent->indexOfModel(this) : -1;
}

void LWResourceViewBase::setParentNode(LWNaviTreeItem *parent)
{
    m_parent = parent;
}

LWResourceContainer *LWResourceViewBase::parentContainer() const
{
    return LWResourceContainer::of(m_parent.data());
}

bool LWResourceViewBase::isAttached() const
{
    const LWNaviTreeItem *node = this;
    while (node && node != m_library.data()) {
        const auto *view = qobject_cast<const LWResourceViewBase *>(node);
        if (!view || view->row() < 0)
            return false;
        node = view->parentItem();
    }
    return node && node == m_library.data();
}

void LWResourceViewBase::detachFromParent()
{
    if (LWResourceContainer *parent = parentContainer())
        parent->detachChild(this);
}

void LWResourceViewBase::putBackInto(LWNaviTreeItem *parent, int row)
{
    if (LWResourceContainer *container = LWResourceContainer::of(parent))
        container->putChild(qMax(0, row), this);
}

void LWResourceViewBase::collectByType(int type, int, QList<LWResourceViewBase *> &found, QStringList *)
{
    if (m_resourceType == type)
        found.append(this);
}

void LWResourceViewBase::removeWithUndo()
{
    if (!isAttached())
        return;
    LWUndoStack::instance()->push(new LWResourceRemoveUndoCommand(this));
}

void LWResourceViewBase::menuItemAction(QString menuItemId)
{
    if (menuItemId == renameMenuId())
        setNaviItemEditing(true);
    else if (menuItemId == removeMenuId() || menuItemId == removeGroupMenuId())
        removeWithUndo();
}

QVariant LWResourceViewBase::menuEntry(const QString &title, const QString &id)
{
    // Plain maps, not menu objects: the interface reads the same two
    // properties either way, and the menu model belongs to the feature layer.
    return QVariantMap{{QStringLiteral("itemTitle"), title},
                       {QStringLiteral("itemId"), id},
                       {QStringLiteral("subItems"), QVariantList()},
                       {QStringLiteral("subItemCount"), 0}};
}
