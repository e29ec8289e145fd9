#pragma once

#include <QAbstractItemModel>
#include <QPersistentModelIndex>
#include <QPointer>

#include "LWNaviTreeItem.h"

// The item model of a navigation tree. It keeps no structure of its own:
// rows, parents and children come from the items, and the items announce
// every change of their children through LWNaviTreeChange, which this model
// turns into the row signals. One column; the only role is 257 ("name"),
// whose value is the item itself, read by the QML delegate.
//
// A model shows one root; a second model made for the same root takes the
// announcements over from the first.
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
    // Invalid for no item, for the root and for an item this model does not
    // show.
    QModelIndex indexOfItem(LWNaviTreeItem *item) const;

    QModelIndex currentItem() const { return m_currentItem; }
    void setCurrentItem(const QModelIndex &index);

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Drag and drop: the items move their children, the model announces the
    // move as one.
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

    // What items ask of the views (LWNaviTreeItem::requestSelection and
    // requestExpand); false when this model does not show the item.
    bool requestSelection(LWNaviTreeItem *item, bool withUndo);
    bool requestExpand(LWNaviTreeItem *item);

signals:
    void currentItemChanged(QModelIndex index);
    // The selection model attached to this model follows it.
    void selectRequest(QModelIndex index, bool withUndo);
    // The tree view opens the node.
    void expandRequest(QModelIndex index);

private:
    friend class LWNaviTreeChange;
    enum class Change { Insert, Remove, Move };
    // Starts the announcement of a change of the parent's children; false
    // when nothing is announced (the model is moving rows itself).
    bool beginChange(Change change, LWNaviTreeItem *parent, int first, int last, int destination);
    void endChange(Change change);

    LWNaviTreeItem *itemOrRoot(const QModelIndex &index) const;
    QModelIndex parentIndexOf(LWNaviTreeItem *parent) const;
    void onRootDestroyed();

    QPointer<LWNaviTreeItem> m_root; // not owned
    QPersistentModelIndex m_currentItem;
    // Set while moveRows lets the items move their children: the move is
    // announced once, as a move, by moveRows itself.
    bool m_movingRows = false;
};

// Brackets one change of an item's children, so that the model showing the
// item tells its views: make one right before changing the list, and let it
// go right after. Nothing is announced when no model shows the item (a tree
// being built, or a branch that an undo command holds detached).
//
//     LWNaviTreeChange change(LWNaviTreeChange::Insert, owner, row, row);
//     m_children.insert(row, child);
class LWNaviTreeChange
{
public:
    enum Kind { Insert, Remove, Move };

    // Rows first to last of parent's children; for Move, destination is the
    // row the block goes before, counted before the move (as
    // QAbstractItemModel::beginMoveRows counts it).
    LWNaviTreeChange(Kind kind, LWNaviTreeItem *parent, int first, int last, int destination = -1);
    ~LWNaviTreeChange();

    LWNaviTreeChange(const LWNaviTreeChange &) = delete;
    LWNaviTreeChange &operator=(const LWNaviTreeChange &) = delete;

private:
    QPointer<LWNaviTreeModel> m_model;
    LWNaviTreeModel::Change m_change = LWNaviTreeModel::Change::Insert;
    bool m_announced = false;
};
