#pragma once

#include <QObject>
#include <QObjectList>
#include <QString>

// One entry of a tree item's context menu or add menu. A sub-menu is a list
// of entries of its own.
class LWMenuItemModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString itemTitle READ itemTitle NOTIFY itemTitleChanged)
    Q_PROPERTY(QString itemId READ itemId NOTIFY itemIdChanged)
    Q_PROPERTY(QObjectList subItems READ subItems NOTIFY subItemsChanged)
    Q_PROPERTY(int subItemCount READ subItemCount NOTIFY subItemCountChanged)

public:
    LWMenuItemModel(const QString &title, const QString &id, QObject *parent = nullptr);

    QString itemTitle() const { return m_title; }
    QString itemId() const { return m_id; }
    QObjectList subItems() const { return m_subItems; }
    int subItemCount() const { return m_subItems.size(); }

    // Takes ownership of the entry.
    void appendSubItem(LWMenuItemModel *item);

signals:
    void itemTitleChanged();
    void itemIdChanged();
    void subItemsChanged();
    void subItemCountChanged();

private:
    QString m_title;
    QString m_id;
    QObjectList m_subItems; // owned through QObject parenting
};
