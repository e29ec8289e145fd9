#pragma once

#include "LWSectionViewModel.h"

#include <QHash>
#include <QStringList>

// A section that switches between pages of controls with a drop-down. The
// selected page's value, plus the option member naming it, is the section's
// value. Components with the same sharing key ("uniqueId", else "id") on
// several pages are one node, so what the author typed on one page is still
// there on the next. Switching pages is not an undoable edit.
class LWSecOptionViewModel : public LWSectionViewModel
{
    Q_OBJECT
    Q_PROPERTY(int optionIndex READ optionIndex WRITE setOptionIndex NOTIFY optionIndexChanged)
    Q_PROPERTY(QStringList options READ options NOTIFY optionsChanged)

public:
    LWSecOptionViewModel(const QJsonValue &component, const QJsonValue &data, const QJsonObject &profile,
                         LWQmlViewModel *parent);

    QString qmlPath() const override;
    // The pages replace the build modes: they are made once, in the constructor.
    void buildChildren(const QJsonObject &profile, bool clear) override;
    void collectValue(QJsonObject &out) const override;

    int optionIndex() const { return m_optionIndex; }
    void setOptionIndex(int index);
    QStringList options() const { return m_options; }
    QString optionMember() const { return m_optionMember; }
    int pageCount() const { return m_pages.size(); }
    const QList<Ptr> &page(int index) const;

signals:
    void optionIndexChanged(int index);
    void optionsChanged(QStringList options);

protected:
    QList<Ptr> visibleRows() const override;

private:
    void buildPages(const QJsonObject &profile);
    void selectInitialPage();
    bool numericValues() const;

    QString m_optionMember;
    QStringList m_values;            // one per page, as strings
    QStringList m_options;           // page labels
    QList<QList<Ptr>> m_pages;       // shared nodes per page
    QHash<QString, Ptr> m_shared;    // sharing key -> node
    bool m_lastValueIsNumber = false;
    int m_optionIndex = 0;
};
