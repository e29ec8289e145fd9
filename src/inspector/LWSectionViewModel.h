#pragma once

#include "LWQmlViewModel.h"

class LWListViewModel;

// What every section class shares: a title, an expand state and the list
// view through which it shows its rows. A concrete section is mostly its
// header heights and the profile keys it reads.
class LWSectionViewModel : public LWQmlViewModel
{
    Q_OBJECT
    Q_PROPERTY(QString sectionTitle READ sectionTitle NOTIFY sectionTitleChanged)
    Q_PROPERTY(LWListViewModel *listView READ listView NOTIFY listViewChanged)
    Q_PROPERTY(bool isExpanded READ isExpanded WRITE setIsExpanded NOTIFY isExpandedChanged)

public:
    // Height of the section collapsed, and what it adds to its list's height expanded.
    struct Heights
    {
        int collapsed;
        int expandedExtra;
    };

    LWSectionViewModel(const QJsonValue &component, const QJsonValue &data, const QJsonObject &profile,
                       LWQmlViewModel *parent, Heights heights);
    ~LWSectionViewModel() override;

    int height() const override;

    QString sectionTitle() const { return m_sectionTitle; }
    LWListViewModel *listView() const { return m_listView.get(); }
    bool isExpanded() const { return m_isExpanded; }
    void setIsExpanded(bool expanded);

signals:
    void sectionTitleChanged();
    void listViewChanged();
    void isExpandedChanged();

protected:
    // Builds the children from the profile, sets the title and shows the rows.
    // Concrete constructors call it last, once their own keys are read.
    void build(const QJsonObject &profile);
    // What the list view shows; the base shows every child.
    virtual QList<Ptr> visibleRows() const;
    void showRows();
    // Takes a row out of the list view only (the children stay).
    void removeRow(const Ptr &item);
    int listHeight() const;
    void emitHeightChanged() override;

    Heights m_heights;
    bool m_isExpanded = true;

private:
    QString m_sectionTitle;
    std::shared_ptr<LWListViewModel> m_listView; // owned
};
