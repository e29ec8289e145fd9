#include "LWSectionViewModel.h"

#include "LWListViewListModel.h"
#include "LWListViewModel.h"

LWSectionViewModel::LWSectionViewModel(const QJsonValue &component, const QJsonValue &data,
                                       const QJsonObject &profile, LWQmlViewModel *parent, Heights heights)
    : LWQmlViewModel(parent)
    , m_heights(heights)
    , m_listView(std::make_shared<LWListViewModel>(this))
{
    initSection(component, data, profile);
}

LWSectionViewModel::~LWSectionViewModel() = default;

int LWSectionViewModel::height() const
{
    return m_isExpanded ? listHeight() + m_heights.expandedExtra : m_heights.collapsed;
}

void LWSectionViewModel::setIsExpanded(bool expanded)
{
    if (expanded == m_isExpanded)
        return;
    m_isExpanded = expanded;
    emit isExpandedChanged();
    announceHeightChange();
}

void LWSectionViewModel::build(const QJsonObject &profile)
{
    buildChildren(profile, false);
    const QJsonValue label = m_component[QLatin1String("label")];
    m_sectionTitle = label.isString() ? label.toString() : m_definition[QLatin1String("name")].toString();
    showRows();
}

QList<LWQmlViewModel::Ptr> LWSectionViewModel::visibleRows() const
{
    return children();
}

void LWSectionViewModel::showRows()
{
    m_listView->setRows(visibleRows());
}

void LWSectionViewModel::removeRow(const Ptr &item)
{
    if (m_listView->listModel()->removeNode(item) >= 0)
        announceHeightChange();
}

int LWSectionViewModel::listHeight() const
{
    return m_listView->height();
}

void LWSectionViewModel::emitHeightChanged()
{
    m_listView->emitHeightsUpdate();
    emit heightChanged();
}
