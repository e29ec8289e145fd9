#pragma once

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <QPointer>
#include <QSet>

class LWNaviTreeItem;

// The visible rows of a navigation tree as a flat list, for list views:
// each row carries its item, its depth, whether it has children, whether it
// is expanded and selected, and the source index to hand back to the
// selection model. Branches are expanded unless the author collapsed them.
class LWNaviTreeFlatModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QAbstractItemModel *sourceModel READ sourceModel WRITE setSourceModel NOTIFY sourceModelChanged)
    Q_PROPERTY(QItemSelectionModel *selectionModel READ selectionModel WRITE setSelectionModel NOTIFY selectionModelChanged)

public:
    enum Role {
        ItemRole = Qt::UserRole + 1,
        DepthRole,
        HasChildrenRole,
        ExpandedRole,
        SelectedRole,
        CurrentRole,
        SourceIndexRole,
    };

    explicit LWNaviTreeFlatModel(QObject *parent = nullptr);

    QAbstractItemModel *sourceModel() const { return m_source; }
    void setSourceModel(QAbstractItemModel *model);
    QItemSelectionModel *selectionModel() const { return m_selection; }
    void setSelectionModel(QItemSelectionModel *model);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void toggleExpanded(int row);
    Q_INVOKABLE void setExpanded(const QModelIndex &sourceIndex, bool expanded);
    // Opens every ancestor of the source index and the index itself.
    Q_INVOKABLE void expandTo(const QModelIndex &sourceIndex);
    Q_INVOKABLE int rowOf(const QModelIndex &sourceIndex) const;
    Q_INVOKABLE QModelIndex sourceIndexAt(int row) const;

signals:
    void sourceModelChanged();
    void selectionModelChanged();

private:
    void rebuild();
    void collect(const QModelIndex &parent, int depth);
    void refreshSelection();

    QPointer<QAbstractItemModel> m_source;
    QPointer<QItemSelectionModel> m_selection;
    struct Row
    {
        QPersistentModelIndex index;
        int depth = 0;
    };
    QVector<Row> m_rows;
    QSet<const void *> m_collapsed; // items the author closed
    QList<QMetaObject::Connection> m_sourceConnections;
    QList<QMetaObject::Connection> m_selectionConnections;
};
