#pragma once

#include <QAbstractItemModel>
#include <QPersistentModelIndex>
#include <QPointer>

#include "LWNaviTreeItem.h"

// The item model of a navigation tree. It keeps no structure of its own:
// rows, parents and children come from the items. One column; the
// only role is 257 ("name"), whose value is the item itself, read by the
// QML delegate.
//
// Insertions are made by the items' owners first and announced afterwards
// (insertRows only announces). So that views and proxies still see the
// standard contract, the model hides the announced rows while the
// insertion is "about to" happen (see m_pending).
class LWNaviTreeModel : public QAbstractItemModel
{
    Q_OBJECT
    Q_PROPERTY(QModelIndex currentItem READ currentItem WRITE setCurrentItem NOTIFY currentItemChanged)

public:
    static constexpr int kItemRole = Qt::UserRole + 1; // 257, "name"
    static constexpr int kRowHeight = 40;

    explicit LWNaviTreeModel(LWNaviTreeItem *rootItem, QObject *parent = nullptr);
    ~LWNaviTreeModel() override;

    LWNaviTreeItem *rootItem() const { return m_root.data(); }
    // The item behind an index of any navigation tree model, or null.
    static LWNaviTreeItem *itemFromIndex(const QModelIndex &index);
    // Invalid for no item and for the root.
    QModelIndex indexOfItem(LWNaviTreeItem *item) const;
    // The index of the item with this identifier (LWNaviTreeItem::naviItemId,
    // carried by the queued editor events), searched from the root.
    QModelIndex indexOfItemId(quint64 id) const;

    QModelIndex currentItem() const { return m_currentItem; }
    void setCurrentItem(const QModelIndex &index);

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Announces rows that the owner has already put into the parent item.
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    // Announces the removal and lets the parent item detach the children.
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                  const QModelIndex &destinationParent, int destinationChild) override;

    using QAbstractItemModel::moveRow;
    // Moves the source row to the destination's parent at the destination's
    // row plus offset.
    Q_INVOKABLE bool moveRow(const QModelIndex &sourceIndex, const QModelIndex &destIndex, int offset);
    Q_INVOKABLE bool moveRow(const QModelIndex &sourceIndex, const QModelIndex &destIndex);
    // Moves the source row to row 0 of destParent.
    Q_INVOKABLE bool moveIn(const QModelIndex &sourceIndex, const QModelIndex &destParent);
    Q_INVOKABLE int heightOfRow(const QModelIndex &index) const;

    // What the main window controller does with the editor events: an
    // inserted event names the parent and the row the item now has; a
    // removed event names the item while it is still in the tree.
    bool announceInsertedRow(LWNaviTreeItem *parentItem, int row);
    bool removeItemRow(LWNaviTreeItem *item);

signals:
    void currentItemChanged(QModelIndex index);

private:
    LWNaviTreeItem *itemOrRoot(const QModelIndex &index) const;
    // Child row <-> model row while an insertion is being announced.
    int childRowToModelRow(const LWNaviTreeItem *parent, int childRow) const;
    int modelRowToChildRow(const LWNaviTreeItem *parent, int modelRow) const;
    QModelIndex findItemId(const QModelIndex &parent, quint64 id) const;
    void onRootDestroyed();

    QPointer<LWNaviTreeItem> m_root; // not owned
    QPersistentModelIndex m_currentItem;

    // Rows already in the parent item but not yet announced (between
    // beginInsertRows and endInsertRows).
    struct Pending
    {
        const LWNaviTreeItem *parent = nullptr;
        int row = 0;
        int count = 0;
    } m_pending;
};
