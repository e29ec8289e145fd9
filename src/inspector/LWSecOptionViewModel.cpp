#include "LWSecOptionViewModel.h"

#include "LWInspectorFactory.h"
#include "common/LWJsonNumbers.h"

#include <QJsonArray>
#include <QSet>
#include <cmath>

namespace {
QString optionValueString(const QJsonValue &value)
{
    if (value.isDouble())
        return QString::number(LWJsonNumbers::truncated<qint64>(value.toDouble()));
    return value.toVariant().toString();
}
} // namespace

LWSecOptionViewModel::LWSecOptionViewModel(const QJsonValue &component, const QJsonValue &data,
                                           const QJsonObject &profile, LWQmlViewModel *parent)
    : LWSectionViewModel(component, data, profile, parent, {32, 32})
{
    buildPages(profile);
    selectInitialPage();
    const QJsonValue width = m_definition[QLatin1String("languageChange")];
    m_labelWidth = width.isDouble() ? width.toInt() : 80;
    // The pages replace the build modes; build() only adds the title.
    build(profile);
}

QString LWSecOptionViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWSecView/LWSecOptionView.qml");
}

void LWSecOptionViewModel::buildPages(const QJsonObject &profile)
{
    QSet<QString> seen; // keys of components already made (also those that made no node)
    QList<Ptr> all;
    const QJsonArray pages = m_definition[QLatin1String("componentsArray")].toArray();
    for (const QJsonValue &pageValue : pages) {
        const QJsonArray page = pageValue.toArray();
        QList<Ptr> nodes;
        const QJsonValue selector = page.first();
        if (selector.isObject()) {
            m_optionMember = selector[QLatin1String("id")].toString();
            QString label = selector[QLatin1String("label")].toString();
            if (label == QLatin1String("__SECLABEL"))
                label = m_component[QLatin1String("label")].toString();
            if (m_name.isEmpty())
                m_name = label;
            m_options << selector[QLatin1String("optionLabel")].toVariant().toString();
            const QJsonValue optionValue = selector[QLatin1String("optionValue")];
            m_values << optionValueString(optionValue);
            m_lastValueIsNumber = optionValue.isDouble();
        }
        for (int i = 1; i < page.size(); ++i) {
            const QJsonValue element = page.at(i);
            const QJsonValue unique = element[QLatin1String("uniqueId")];
            const QString key = unique.isUndefined() ? element[QLatin1String("id")].toString() : unique.toVariant().toString();
            if (!seen.contains(key)) {
                seen.insert(key);
                const QJsonValue bound = LWInspectorFactory::boundValue(element, m_data);
                if (Ptr node = LWInspectorFactory::createComponent(element, bound, profile, this)) {
                    m_shared.insert(key, node);
                    all.append(node);
                }
            }
            if (Ptr node = m_shared.value(key))
                nodes.append(node);
        }
        m_pages.append(nodes);
    }
    // Every node is a child, so owner messages reach the hidden pages too.
    setChildren(all);
}

void LWSecOptionViewModel::buildChildren(const QJsonObject &, bool)
{
}

bool LWSecOptionViewModel::numericValues() const
{
    return m_lastValueIsNumber;
}

void LWSecOptionViewModel::selectInitialPage()
{
    const QJsonValue current = m_data[m_optionMember];
    const QString key = numericValues() ? QString::number(current.toInt()) : current.toString();
    const int found = m_values.indexOf(key);
    if (found >= 0)
        m_optionIndex = found;
    const QJsonValue stored = m_data[QLatin1String("optionIndex")];
    if (!stored.isUndefined()) {
        const int index = stored.toInt();
        if (index >= 0 && index < m_pages.size())
            m_optionIndex = index;
    }
}

const QList<LWQmlViewModel::Ptr> &LWSecOptionViewModel::page(int index) const
{
    static const QList<Ptr> empty;
    return index >= 0 && index < m_pages.size() ? m_pages.at(index) : empty;
}

QList<LWQmlViewModel::Ptr> LWSecOptionViewModel::visibleRows() const
{
    return page(m_optionIndex);
}

void LWSecOptionViewModel::setOptionIndex(int index)
{
    if (index == -1 || index == m_optionIndex || index < 0 || index >= m_pages.size())
        return;
    m_optionIndex = index;
    showRows();
    announceHeightChange();
    emit optionIndexChanged(index);
    emit qmlViewDataChanged();
}

void LWSecOptionViewModel::collectValue(QJsonObject &out) const
{
    if (!m_optionMember.isEmpty() && m_optionIndex < m_values.size()) {
        const QString selected = m_values.at(m_optionIndex);
        if (numericValues())
            out.insert(m_optionMember, selected.toInt());
        else
            out.insert(m_optionMember, selected);
    }
    for (const Ptr &node : page(m_optionIndex))
        mergeValue(out, node->id(), node->arrayId(), node->value());
}
