#include "LWSecSplitLineViewModel.h"

#include "LWInspectorFactory.h"
#include "LWPropEdit.h"
#include "LWPropListViewUndoCommand.h"

#include <QJsonArray>

LWSecSplitLineViewModel::LWSecSplitLineViewModel(const QJsonValue &component, const QJsonValue &data,
                                                 const QJsonObject &profile, LWQmlViewModel *parent)
    : LWSecSplitLineViewModel(component, data, profile, parent, {36, 36})
{
}

LWSecSplitLineViewModel::LWSecSplitLineViewModel(const QJsonValue &component, const QJsonValue &data,
                                                 const QJsonObject &profile, LWQmlViewModel *parent,
                                                 Heights heights)
    : LWSectionViewModel(component, data, profile, parent, heights)
{
    const QJsonValue hideExpand = m_definition[QLatin1String("hideExpandButton")];
    if (!hideExpand.isUndefined())
        m_hideExpandButton = hideExpand.toBool();
    // The add button shows only when the profile asks for it explicitly.
    const QJsonValue hideAdd = m_definition[QLatin1String("hideAddButton")];
    m_hideAddButton = !(hideAdd.isBool() && !hideAdd.toBool());
    m_autoSelectType = data[QLatin1String("autoSelectType")].toInt(0);
    build(profile);
}

QString LWSecSplitLineViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWSecView/LWSecSplitLineView.qml");
}

QList<LWQmlViewModel::Ptr> LWSecSplitLineViewModel::visibleRows() const
{
    const QList<Ptr> &all = children();
    if (m_autoSelectType == 0)
        return all;
    if (m_autoSelectType >= 1 && m_autoSelectType < 4 && m_autoSelectType <= all.size())
        return {all.at(m_autoSelectType - 1)};
    return {};
}

void LWSecSplitLineViewModel::removeItem(const Ptr &item)
{
    removeRow(item);
}

void LWSecSplitLineViewModel::requestRemoveItem(const Ptr &item)
{
    if (item && children().contains(item))
        pushListEdit(item, false);
}

LWQmlViewModel::Ptr LWSecSplitLineViewModel::makeItem()
{
    const QJsonValue templ = m_definition[QLatin1String("components")].toArray().first();
    if (!templ.isObject())
        return nullptr;
    QJsonValue bound = m_data;
    if (!m_arrayId.isEmpty() && m_data.isArray())
        bound = m_data.toArray().first();
    const bool section = templ[QLatin1String("type")].toString() == QLatin1String("LWSection");
    return section ? LWInspectorFactory::createSection(templ, bound, m_profile, this)
                   : LWInspectorFactory::createComponent(templ, bound, m_profile, this);
}

void LWSecSplitLineViewModel::addButtonClicked()
{
    if (Ptr item = makeItem())
        pushListEdit(item, true);
}

void LWSecSplitLineViewModel::pushListEdit(const Ptr &item, bool add)
{
    using Command = LWPropListViewUndoCommand<LWSecSplitLineViewModel>;
    LWPropEdit::push<Command>(this, item, add ? Command::Add : Command::Remove);
}

void LWSecSplitLineViewModel::insertListItem(const Ptr &item, int row)
{
    QList<Ptr> &items = mutableChildren();
    if (!item || items.contains(item))
        return;
    if (row < 0 || row > items.size())
        items.append(item);
    else
        items.insert(row, item);
    showRows();
    announceHeightChange();
    // The list is part of the owner's value: it must pull it now, or a save
    // right after the edit would miss the row.
    emit qmlViewDataChanged();
}

int LWSecSplitLineViewModel::takeListItem(const Ptr &item)
{
    QList<Ptr> &items = mutableChildren();
    const int row = items.indexOf(item);
    if (row < 0)
        return -1;
    items.removeAt(row);
    showRows();
    announceHeightChange();
    emit qmlViewDataChanged();
    return row;
}
