#include "LWNaviTreeFlatModel.h"

#include "LWNaviTreeModel.h"

LWNaviTreeFlatModel::LWNaviTreeFlatModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void LWNaviTreeFlatModel::setSourceModel(QAbstractItemModel *model)
{
    if (m_source == model)
        return;
    for (const auto &c : qAsConst(m_sourceConnections))
        disconnect(c);
    m_sourceConnections.clear();
    m_source = model;
    m_collapsed.clear();
    if (model) {
        // Trees here are small: rebuilding the visible rows on any structural
        // change is simpler and safer than tracking each change.
        const auto structural = [this] { rebuild(); };
        m_sourceConnections << connect(model, &QAbstractItemModel::rowsInserted, this, structural)
                            << connect(model, &QAbstractItemModel::rowsRemoved, this, structural)
                            << connect(model, &QAbstractItemModel::rowsMoved, this, structural)
                            << connect(model, &QAbstractItemModel::modelReset, this, structural)
                            << connect(model, &QAbstractItemModel::layoutChanged, this, structural)
                            << connect(model, &QObject::destroyed, this, [this] {
                                   m_sourceConnections.clear();
                                   m_source = nullptr;
                                   rebuild();
                                   emit sourceModelChanged();
                               })
                            << connect(model, &QAbstractItemModel::dataChanged, this, [this] {
                                   if (!m_rows.isEmpty())
                                       emit dataChanged(index(0), index(m_rows.size() - 1));
                               });
    }
    rebuild();
    emit sourceModelChanged();
}

void LWNaviTreeFlatModel::setSelectionModel(QItemSelectionModel *model)
{
    if (m_selection == model)
        return;
    for (const auto &c : qAsConst(m_selectionConnections))
        disconnect(c);
    m_selectionConnections.clear();
    m_selection = model;
    if (model) {
        m_selectionConnections << connect(model, &QItemSelectionModel::selectionChanged, this,
                                          &LWNaviTreeFlatModel::refreshSelection)
                               << connect(model, &QItemSelectionModel::currentChanged, this,
                                          &LWNaviTreeFlatModel::refreshSelection);
    }
    refreshSelection();
    emit selectionModelChanged();
}

void LWNaviTreeFlatModel::refreshSelection()
{
    if (!m_rows.isEmpty())
        emit dataChanged(index(0), index(m_rows.size() - 1), {SelectedRole, CurrentRole});
}

void LWNaviTreeFlatModel::rebuild()
{
    beginResetModel();
    m_rows.clear();
    if (m_source)
        collect(QModelIndex(), 0);
    endResetModel();
}

void LWNaviTreeFlatModel::collect(const QModelIndex &parent, int depth)
{
    const int count = m_source->rowCount(parent);
    for (int row = 0; row < count; ++row) {
        const QModelIndex child = m_source->index(row, 0, parent);
        if (!child.isValid())
            continue;
        m_rows.append({QPersistentModelIndex(child), depth});
        if (!m_collapsed.contains(child.internalPointer()))
            collect(child, depth + 1);
    }
}

int LWNaviTreeFlatModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

QVariant LWNaviTreeFlatModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || !m_source)
        return QVariant();
    const Row &row = m_rows.at(index.row());
    const QModelIndex source = row.index;
    switch (role) {
    case ItemRole:
        return QVariant::fromValue<QObject *>(LWNaviTreeModel::itemFromIndex(source));
    case DepthRole:
        return row.depth;
    case HasChildrenRole:
        return m_source->rowCount(source) > 0;
    case ExpandedRole:
        return !m_collapsed.contains(source.internalPointer());
    case SelectedRole:
        return m_selection && m_selection->isSelected(source);
    case CurrentRole:
        return m_selection && m_selection->currentIndex() == source;
    case SourceIndexRole:
        return QVariant::fromValue(source);
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> LWNaviTreeFlatModel::roleNames() const
{
    return {{ItemRole, "item"},         {DepthRole, "depth"},       {HasChildrenRole, "hasChildren"},
            {ExpandedRole, "expanded"}, {SelectedRole, "selected"}, {CurrentRole, "current"},
            {SourceIndexRole, "sourceIndex"}};
}

void LWNaviTreeFlatModel::toggleExpanded(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    const QModelIndex source = m_rows.at(row).index;
    setExpanded(source, m_collapsed.contains(source.internalPointer()));
}

void LWNaviTreeFlatModel::setExpanded(const QModelIndex &sourceIndex, bool expanded)
{
    if (!sourceIndex.isValid())
        return;
    const void *key = sourceIndex.internalPointer();
    if (expanded == !m_collapsed.contains(key))
        return;
    if (expanded)
        m_collapsed.remove(key);
    else
        m_collapsed.insert(key);
    rebuild();
}

void LWNaviTreeFlatModel::expandTo(const QModelIndex &sourceIndex)
{
    bool changed = false;
    for (QModelIndex i = sourceIndex; i.isValid(); i = i.parent())
        changed = m_collapsed.remove(i.internalPointer()) || changed;
    if (changed)
        rebuild();
}

int LWNaviTreeFlatModel::rowOf(const QModelIndex &sourceIndex) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).index == sourceIndex)
            return i;
    }
    return -1;
}

QModelIndex LWNaviTreeFlatModel::sourceIndexAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? QModelIndex(m_rows.at(row).index) : QModelIndex();
}
