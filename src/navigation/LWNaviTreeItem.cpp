#include "LWNaviTreeItem.h"

#include "LWNaviTreeModel.h"
#include "common/LWAssert.h"
#include "undo/LWUndoStack.h"

LWNaviTreeItem::LWNaviTreeItem(QObject *parent)
    : QObject(parent)
{
    // Item pointers travel in the tree signals and the model's role 257.
    static const int registered = qRegisterMetaType<LWNaviTreeItem *>("LWNaviTreeItem*");
    Q_UNUSED(registered);
    // The check hook runs through the signal, once per change, before any
    // other listener of checkedChanged.
    connect(this, &LWNaviTreeItem::checkedChanged, this, &LWNaviTreeItem::onCheckedChanged);
}

LWNaviTreeItem::~LWNaviTreeItem() = default;

LWNaviTreeItem *LWNaviTreeItem::child(int) const
{
    return nullptr;
}

int LWNaviTreeItem::childCount() const
{
    return 0;
}

LWNaviTreeModel *LWNaviTreeItem::treeModel() const
{
    const LWNaviTreeItem *node = this;
    for (const LWNaviTreeItem *parent = node->parentItem(); parent; parent = node->parentItem()) {
        LW_ASSERT(parent != node, return nullptr);
        const int row = node->row();
        if (row < 0 || parent->child(row) != node)
            return nullptr;
        node = parent;
    }
    return node->m_shownBy.data();
}

void LWNaviTreeItem::requestSelection(bool withUndo)
{
    if (LWNaviTreeModel *model = treeModel())
        model->requestSelection(this, withUndo);
}

void LWNaviTreeItem::requestExpand()
{
    if (LWNaviTreeModel *model = treeModel())
        model->requestExpand(this);
}

void LWNaviTreeItem::setInspectorViewModel(std::shared_ptr<LWQmlViewModel> viewModel)
{
    m_inspectorViewModel = std::move(viewModel);
}

LWNaviTreeItem *LWNaviTreeItem::fallbackParent() const
{
    LWNaviTreeItem *parent = parentItem();
    return parent == this ? nullptr : parent;
}

QObject *LWNaviTreeItem::owner() const
{
    if (m_owner)
        return m_owner;
    const LWNaviTreeItem *parent = fallbackParent();
    return parent ? parent->owner() : nullptr;
}

std::shared_ptr<QObject> LWNaviTreeItem::context() const
{
    if (m_context)
        return m_context;
    const LWNaviTreeItem *parent = fallbackParent();
    return parent ? parent->context() : nullptr;
}

QObject *LWNaviTreeItem::branchObject() const
{
    if (m_branchObject)
        return m_branchObject;
    const LWNaviTreeItem *parent = fallbackParent();
    return parent ? parent->branchObject() : nullptr;
}

int LWNaviTreeItem::resourceFilter() const
{
    if (m_resourceFilter != kResourceFilterInherit)
        return m_resourceFilter;
    const LWNaviTreeItem *parent = fallbackParent();
    return parent ? parent->resourceFilter() : m_resourceFilter;
}

bool LWNaviTreeItem::naviTreeItemRename(QString newName)
{
    setNaviItemEditing(false);
    const QString name = newName.trimmed();
    if (name.isEmpty() || name == title())
        return false;
    setTitle(name);
    // The title is what the project saves as the node's name: the project
    // has changed, though a rename is no undo step.
    LWUndoStack::instance()->markChanged();
    return true;
}

void LWNaviTreeItem::menuItemAction(QString)
{
}

bool LWNaviTreeItem::naviTreeItemAcceptChild(LWNaviTreeItem *) const
{
    return false;
}

void LWNaviTreeItem::naviTreeItemInsertChild(int, LWNaviTreeItem *)
{
}

LWNaviTreeItem *LWNaviTreeItem::naviTreeItemTakeChild(int)
{
    return nullptr;
}

void LWNaviTreeItem::naviTreeItemMoveChild(int, int)
{
}

void LWNaviTreeItem::setAddNaviItem(bool canAdd, const QString &action, int itemType, bool branch)
{
    if (m_canAddNaviItem != canAdd) {
        m_canAddNaviItem = canAdd;
        emit canAddNaviItemChanged();
    }
    if (m_addNaviItemAction != action) {
        m_addNaviItemAction = action;
        emit addNaviItemActionChanged();
    }
    if (m_addNaviItemType != itemType) {
        m_addNaviItemType = itemType;
        emit addNaviItemTypeChanged();
    }
    if (m_isBranch != branch) {
        m_isBranch = branch;
        emit isBranchChanged();
    }
}

void LWNaviTreeItem::setTitle(const QString &title)
{
    if (m_title == title)
        return;
    m_title = title;
    onTitleChanged(title);
    emit titleChanged(title);
}

void LWNaviTreeItem::setChecked(bool checked)
{
    if (m_checked != checked) {
        m_checked = checked;
        emit checkedChanged(checked);
    }
    // Visibility is part of the project even though it is no undo step.
    LWUndoStack::instance()->markChanged();
}

void LWNaviTreeItem::setNaviItemEditing(bool editing)
{
    if (m_naviItemEditing == editing)
        return;
    m_naviItemEditing = editing;
    emit naviItemEditingChanged(editing);
}

void LWNaviTreeItem::setSubItems(const QVariantList &items)
{
    m_subItems = items;
    emit subItemsChanged();
}

void LWNaviTreeItem::setAddNaviItems(const QVariantList &items)
{
    m_addNaviItems = items;
    emit addNaviItemsChanged();
}

void LWNaviTreeItem::setNaviItemIcon(const QString &icon)
{
    if (m_naviItemIcon == icon)
        return;
    m_naviItemIcon = icon;
    emit naviItemIconChanged(icon);
}

void LWNaviTreeItem::onCheckedChanged(bool)
{
}

void LWNaviTreeItem::onResponseContextMenu(QString)
{
}

void LWNaviTreeItem::onTitleChanged(const QString &)
{
}
