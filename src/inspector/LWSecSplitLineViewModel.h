#pragma once

#include "LWSectionViewModel.h"

// A growable list under a split-line header: the author adds items made
// from the section's first component and removes them again, each as one
// undo step. With "autoSelectType" in its data it shows one item only.
class LWSecSplitLineViewModel : public LWSectionViewModel
{
    Q_OBJECT
    Q_PROPERTY(bool hideExpandButton READ hideExpandButton NOTIFY hideExpandButtonChanged)
    Q_PROPERTY(bool hideAddButton READ hideAddButton NOTIFY hideAddButtonChanged)
    Q_PROPERTY(bool visible READ visible NOTIFY visibleChanged)

public:
    LWSecSplitLineViewModel(const QJsonValue &component, const QJsonValue &data, const QJsonObject &profile,
                            LWQmlViewModel *parent);

    QString qmlPath() const override;
    void removeItem(const Ptr &item) override;
    void requestRemoveItem(const Ptr &item) override;

    bool hideExpandButton() const { return m_hideExpandButton; }
    bool hideAddButton() const { return m_hideAddButton; }
    bool visible() const { return m_visible; }

    Q_INVOKABLE void addButtonClicked();

    // Used by the list undo command: put an item in at a row (-1: at the
    // end), take it out again (returns its row, -1 when absent).
    void insertListItem(const Ptr &item, int row);
    int takeListItem(const Ptr &item);

signals:
    void hideExpandButtonChanged(bool hide);
    void hideAddButtonChanged(bool hide);
    void visibleChanged();

protected:
    LWSecSplitLineViewModel(const QJsonValue &component, const QJsonValue &data, const QJsonObject &profile,
                            LWQmlViewModel *parent, Heights heights);

    QList<Ptr> visibleRows() const override;
    // Pushes the list command of the concrete class.
    virtual void pushListEdit(const Ptr &item, bool add);
    Ptr makeItem();

private:
    bool m_hideExpandButton = false;
    bool m_hideAddButton = true;
    bool m_visible = true;
    int m_autoSelectType = 0;
};
