#include "LWListViewListModel.h"

LWListViewListModel::LWListViewListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int LWListViewListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

QVariant LWListViewListModel::data(const QModelIndex &index, int role) const
{
    if (role != kRowRole || !index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    return QVariant::fromValue<QObject *>(m_rows.at(index.row()).get());
}

QHash<int, QByteArray> LWListViewListModel::roleNames() const
{
    return {{kRowRole, "rowModel"}};
}

void LWListViewListModel::setRows(QList<LWQmlViewModel::Ptr> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void LWListViewListModel::insertRow(const LWQmlViewModel::Ptr &node, int row)
{
    if (!node)
        return;
    beginResetModel();
    if (row < 0 || row > m_rows.size())
        m_rows.append(node);
    else
        m_rows.insert(row, node);
    endResetModel();
}

int LWListViewListModel::removeNode(const LWQmlViewModel::Ptr &node)
{
    const int row = m_rows.indexOf(node);
    if (row < 0)
        return -1;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    return row;
}

QObject *LWListViewListModel::nodeAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).get() : nullptr;
}
