#include "LWNaviTreeModel.h"

#include "LWNaviTreeItem.h"
#include "common/LWAssert.h"
#include "undo/LWUndoStack.h"

#include <QDebug>

LWNaviTreeModel::LWNaviTreeModel(LWNaviTreeItem *rootItem, QObject *parent)
    : QAbstractItemModel(parent)
    , m_root(rootItem)
{
    if (!rootItem)
        return;
    rootItem->m_shownBy = this;
    // A root destroyed under the model would leave the views with dangling
    // indexes; they are told that the tree is gone instead.
    connect(rootItem, &QObject::destroyed, this, &LWNaviTreeModel::onRootDestroyed);
}

LWNaviTreeModel::~LWNaviTreeModel()
{
    if (m_root && m_root->m_shownBy == this)
        m_root->m_shownBy = nullptr;
}

LWNaviTreeItem *LWNaviTreeModel::itemFromIndex(const QModelIndex &index)
{
    if (!index.isValid())
        return nullptr;
    if (qobject_cast<const LWNaviTreeModel *>(index.model()))
        return static_cast<LWNaviTreeItem *>(index.internalPointer());
    return index.data(kItemRole).value<LWNaviTreeItem *>();
}

LWNaviTreeItem *LWNaviTreeModel::itemOrRoot(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<LWNaviTreeItem *>(index.internalPointer()) : m_root.data();
}

QModelIndex LWNaviTreeModel::parentIndexOf(LWNaviTreeItem *parent) const
{
    if (!parent || parent == m_root)
        return QModelIndex();
    return createIndex(parent->row(), 0, parent);
}

QModelIndex LWNaviTreeModel::indexOfItem(LWNaviTreeItem *item) const
{
    if (!item || item == m_root || item->treeModel() != this)
        return QModelIndex();
    return createIndex(item->row(), 0, item);
}

void LWNaviTreeModel::setCurrentItem(const QModelIndex &index)
{
    if (QModelIndex(m_currentItem) == index)
        return;
    m_currentItem = index;
    emit currentItemChanged(index);
}

QModelIndex LWNaviTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    LWNaviTreeItem *parentItem = itemOrRoot(parent);
    if (!parentItem)
        return QModelIndex();
    LWNaviTreeItem *child = parentItem->child(row);
    return child ? createIndex(row, column, child) : QModelIndex();
}

QModelIndex LWNaviTreeModel::parent(const QModelIndex &index) const
{
    if (!index.isValid())
        return QModelIndex();
    return parentIndexOf(static_cast<LWNaviTreeItem *>(index.internalPointer())->parentItem());
}

int LWNaviTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    const LWNaviTreeItem *parentItem = itemOrRoot(parent);
    return parentItem ? parentItem->childCount() : 0;
}

int LWNaviTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant LWNaviTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != kItemRole)
        return QVariant();
    return QVariant::fromValue(static_cast<LWNaviTreeItem *>(index.internalPointer()));
}

Qt::ItemFlags LWNaviTreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return QAbstractItemModel::flags(index);
    return QAbstractItemModel::flags(index) | Qt::ItemIsEditable;
}

QHash<int, QByteArray> LWNaviTreeModel::roleNames() const
{
    return {{kItemRole, QByteArrayLiteral("name")}};
}

bool LWNaviTreeModel::beginChange(Change change, LWNaviTreeItem *parent, int first, int last, int destination)
{
    if (m_movingRows)
        return false;
    const QModelIndex parentIndex = parentIndexOf(parent);
    switch (change) {
    case Change::Insert:
        beginInsertRows(parentIndex, first, last);
        return true;
    case Change::Remove:
        beginRemoveRows(parentIndex, first, last);
        return true;
    case Change::Move:
        return beginMoveRows(parentIndex, first, last, parentIndex, destination);
    }
    return false;
}

void LWNaviTreeModel::endChange(Change change)
{
    switch (change) {
    case Change::Insert:
        endInsertRows();
        break;
    case Change::Remove:
        endRemoveRows();
        break;
    case Change::Move:
        endMoveRows();
        break;
    }
}

bool LWNaviTreeModel::moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                               const QModelIndex &destinationParent, int destinationChild)
{
    LWNaviTreeItem *source = itemOrRoot(sourceParent);
    LWNaviTreeItem *destination = itemOrRoot(destinationParent);
    if (!source || !destination || count <= 0 || sourceRow < 0 || sourceRow + count > rowCount(sourceParent)
        || destinationChild < 0 || destinationChild > rowCount(destinationParent))
        return false;

    for (int i = 0; i < count; ++i) {
        if (!destination->naviTreeItemAcceptChild(source->child(sourceRow + i)))
            return false;
    }
    const bool sameParent = source == destination;
    if (sameParent && (destinationChild == sourceRow || destinationChild == sourceRow + count))
        return false;

    const bool destinationWasEmpty = destination->childCount() == 0;
    if (!beginMoveRows(sourceParent, sourceRow, sourceRow + count - 1, destinationParent, destinationChild))
        return false;

    m_movingRows = true;
    bool filledEmptyParent = false;
    for (int i = 0; i < count; ++i) {
        if (sameParent) {
            // One at a time, as a list move (take out, then insert): moving
            // down, the next row of the block is always at sourceRow.
            if (destinationChild > sourceRow)
                source->naviTreeItemMoveChild(sourceRow, destinationChild - 1);
            else
                source->naviTreeItemMoveChild(sourceRow + i, destinationChild + i);
        } else {
            // The source listed the row and the destination accepted it.
            LWNaviTreeItem *moved = source->naviTreeItemTakeChild(sourceRow);
            LW_ASSERT(moved, continue);
            destination->naviTreeItemInsertChild(destinationChild + i, moved);
            filledEmptyParent = destinationWasEmpty;
        }
    }
    m_movingRows = false;
    endMoveRows();
    // The order of a tree is the order the project saves (drawing order,
    // layer order, the library's order): a move is a change to save.
    LWUndoStack::instance()->markChanged();

    // A node that just got its first child must be redrawn as a branch.
    if (filledEmptyParent) {
        emit layoutAboutToBeChanged();
        emit layoutChanged();
    }
    return true;
}

bool LWNaviTreeModel::moveRow(const QModelIndex &sourceIndex, const QModelIndex &destIndex, int offset)
{
    if (!sourceIndex.isValid())
        return false;
    return moveRows(sourceIndex.parent(), sourceIndex.row(), 1, destIndex.parent(), destIndex.row() + offset);
}

bool LWNaviTreeModel::moveRow(const QModelIndex &sourceIndex, const QModelIndex &destIndex)
{
    return moveRow(sourceIndex, destIndex, 0);
}

bool LWNaviTreeModel::moveIn(const QModelIndex &sourceIndex, const QModelIndex &destParent)
{
    if (!sourceIndex.isValid())
        return false;
    return moveRows(sourceIndex.parent(), sourceIndex.row(), 1, destParent, 0);
}

int LWNaviTreeModel::heightOfRow(const QModelIndex &) const
{
    return kRowHeight;
}

bool LWNaviTreeModel::requestSelection(LWNaviTreeItem *item, bool withUndo)
{
    const QModelIndex index = indexOfItem(item);
    if (!index.isValid())
        return false;
    emit selectRequest(index, withUndo);
    return true;
}

bool LWNaviTreeModel::requestExpand(LWNaviTreeItem *item)
{
    const QModelIndex index = indexOfItem(item);
    if (!index.isValid())
        return false;
    emit expandRequest(index);
    return true;
}

void LWNaviTreeModel::onRootDestroyed()
{
    // The QPointer is already null: every count is 0 from here on.
    beginResetModel();
    endResetModel();
}

LWNaviTreeChange::LWNaviTreeChange(Kind kind, LWNaviTreeItem *parent, int first, int last, int destination)
    : m_model(parent ? parent->treeModel() : nullptr)
    , m_change(kind == Insert ? LWNaviTreeModel::Change::Insert
                              : kind == Remove ? LWNaviTreeModel::Change::Remove : LWNaviTreeModel::Change::Move)
{
    if (!m_model || first > last)
        return;
    m_announced = m_model->beginChange(m_change, parent, first, last, destination);
    // Only the model's own moves go unannounced; anything else would leave
    // the views with rows the items no longer have.
    LW_ASSERT(m_announced || m_model->m_movingRows, return);
}

LWNaviTreeChange::~LWNaviTreeChange()
{
    if (m_announced && m_model)
        m_model->endChange(m_change);
}
