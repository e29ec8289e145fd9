#pragma once

#include "LWQmlViewModel.h"

#include <QAbstractListModel>

// The rows a list view shows: shared references to tree nodes. One role
// (the first user role, "rowModel") hands each row's node to its delegate.
class LWListViewListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int kRowRole = Qt::UserRole + 1;

    explicit LWListViewListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    const QList<LWQmlViewModel::Ptr> &rows() const { return m_rows; }
    // Replaces every row (model reset).
    void setRows(QList<LWQmlViewModel::Ptr> rows);
    // Inserts a row (model reset, as the list views expect); row -1 appends.
    void insertRow(const LWQmlViewModel::Ptr &node, int row);
    // Takes the node's row out; returns the row it had, -1 if absent.
    int removeNode(const LWQmlViewModel::Ptr &node);
    Q_INVOKABLE QObject *nodeAt(int row) const;

private:
    QList<LWQmlViewModel::Ptr> m_rows; // shared with the tree
};
