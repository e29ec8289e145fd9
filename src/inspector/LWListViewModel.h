#pragma once

#include "LWQmlViewModel.h"

class LWListViewListModel;

// How every section shows its rows: a node whose height is the sum of its
// rows' heights, recomputed on every call so it never goes stale.
class LWListViewModel : public LWQmlViewModel
{
    Q_OBJECT
    Q_PROPERTY(LWListViewListModel *listModel READ listModel NOTIFY listModelChanged)
    Q_PROPERTY(bool interactive READ interactive WRITE setInteractive NOTIFY interactiveChanged)

public:
    explicit LWListViewModel(LWQmlViewModel *parent = nullptr);
    ~LWListViewModel() override;

    QString qmlPath() const override;
    int height() const override;

    LWListViewListModel *listModel() const { return m_listModel; }
    bool interactive() const { return m_interactive; }
    void setInteractive(bool interactive);

    const QList<Ptr> &rows() const;
    void setRows(QList<Ptr> rows);

    void emitHeightsUpdate();

signals:
    void listModelChanged();
    void interactiveChanged(bool interactive);
    void offsetChanged(int offset);
    void heightsUpdate();

private:
    LWListViewListModel *m_listModel; // owned (QObject child)
    bool m_interactive = false;
};
