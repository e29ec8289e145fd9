#include "LWNaviTreeModel.h"

#include "LWNaviTreeItem.h"

#include <QDebug>

LWNaviTreeModel::LWNaviTreeModel(LWNaviTreeItem *rootItem, QObject *parent)
    : QAbstractItemModel(parent)
    , m_root(rootItem)
{
    // A root destroyed under the model would leave the views with dangling
    // indexes; they are told that the tree is gone instead.
    if (rootItem)
        connect(rootItem, &QObject::destroyed, this, &LWNaviTreeModel::onRootDestroyed);
}

LWNaviTreeModel::~LWNaviTreeModel() = default;

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

int LWNaviTreeModel::childRowToModelRow(const LWNaviTreeItem *parent, int childRow) const
{
    if (m_pending.count <= 0 || parent != m_pending.parent || childRow < m_pending.row)
        return childRow;
    if (childRow < m_pending.row + m_pending.count)
        return -1; // not announced yet
    return childRow - m_pending.count;
}

int LWNaviTreeModel::modelRowToChildRow(const LWNaviTreeItem *parent, int modelRow) const
{
    if (m_pending.count <= 0 || parent != m_pending.parent || modelRow < m_pending.row)
        return modelRow;
    return modelRow + m_pending.count;
}

QModelIndex LWNaviTreeModel::indexOfItem(LWNaviTreeItem *item) const
{
    if (!item || item == m_root)
        return QModelIndex();
    const int row = childRowToModelRow(item->parentItem(), item->row());
    if (row < 0)
        return QModelIndex();
    return createIndex(row, 0, item);
}

QModelIndex LWNaviTreeModel::findItemId(const QModelIndex &parent, quint64 id) const
{
    const int rows = rowCount(parent);
    for (int row = 0; row < rows; ++row) {
        const QModelIndex child = index(row, 0, parent);
        if (itemFromIndex(child)->naviItemId() == id)
            return child;
        const QModelIndex found = findItemId(child, id);
        if (found.isValid())
            return found;
    }
    return QModelIndex();
}

QModelIndex LWNaviTreeModel::indexOfItemId(quint64 id) const
{
    return findItemId(QModelIndex(), id);
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
    LWNaviTreeItem *child = parentItem->child(modelRowToChildRow(parentItem, row));
    return child ? createIndex(row, column, child) : QModelIndex();
}

QModelIndex LWNaviTreeModel::parent(const QModelIndex &index) const
{
    if (!index.isValid())
        return QModelIndex();
    return indexOfItem(static_cast<LWNaviTreeItem *>(index.internalPointer())->parentItem());
}

int LWNaviTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    const LWNaviTreeItem *parentItem = itemOrRoot(parent);
    if (!parentItem)
        return 0;
    const int count = parentItem->childCount();
    return parentItem == m_pending.parent ? count - m_pending.count : count;
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

bool LWNaviTreeModel::insertRows(int row, int count, const QModelIndex &parent)
{
    LWNaviTreeItem *parentItem = itemOrRoot(parent);
    if (!parentItem || count <= 0 || parent.column() > 0)
        return false;
    // The rows are already there: the views knew the list without them.
    const int known = parentItem->childCount() - count;
    if (row < 0 || known < 0 || row > known)
        return false;
    m_pending = {parentItem, row, count};
    beginInsertRows(parent, row, row + count - 1);
    m_pending = Pending();
    endInsertRows();
    return true;
}

bool LWNaviTreeModel::removeRows(int row, int count, const QModelIndex &parent)
{
    LWNaviTreeItem *parentItem = itemOrRoot(parent);
    if (!parentItem || count <= 0 || row < 0 || row + count > rowCount(parent))
        return false;
    const int before = parentItem->childCount();
    beginRemoveRows(parent, row, row + count - 1);
    parentItem->removeChildren(row, count);
    if (parentItem->childCount() != before - count)
        qWarning() << "LWNaviTreeModel::removeRows: the parent item did not detach" << count << "children at" << row;
    endRemoveRows();
    return true;
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

    const bool wasBlocked = blockSignals(true);
    bool filledEmptyParent = false;
    for (int i = 0; i < count; ++i) {
        if (sameParent) {
            // One at a time, as a list move (take out, then insert): moving
            // down, the next row of the block is always at sourceRow.
            if (destinationChild > sourceRow)
                source->naviTreeItemMoveChild(sourceRow, destinationChild - 1);
            else
                source->naviTreeItemMoveChild(sourceRow + i, destinationChild + i);
        } else if (LWNaviTreeItem *moved = source->naviTreeItemTakeChild(sourceRow)) {
            destination->naviTreeItemInsertChild(destinationChild + i, moved);
            filledEmptyParent = destinationWasEmpty;
        }
    }
    blockSignals(wasBlocked);
    endMoveRows();

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

bool LWNaviTreeModel::announceInsertedRow(LWNaviTreeItem *parentItem, int row)
{
    const QModelIndex parent = parentItem ? indexOfItem(parentItem) : QModelIndex();
    if (parentItem && parentItem != m_root && !parent.isValid())
        return false;
    return insertRows(row, 1, parent);
}

bool LWNaviTreeModel::removeItemRow(LWNaviTreeItem *item)
{
    if (!item || item == m_root)
        return false;
    const QModelIndex index = indexOfItem(item);
    if (!index.isValid())
        return false;
    return removeRows(index.row(), 1, index.parent());
}

void LWNaviTreeModel::onRootDestroyed()
{
    // The QPointer is already null: every count is 0 from here on.
    beginResetModel();
    m_pending = Pending();
    endResetModel();
}
