#include "LWPropVecViewModel.h"

#include <QJsonArray>

namespace {
QVariantList toVariants(const QList<double> &numbers)
{
    QVariantList list;
    for (double n : numbers)
        list << n;
    return list;
}

bool sameList(const QList<double> &a, const QList<double> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (!LWPropViewModel::sameDouble(a.at(i), b.at(i)))
            return false;
    }
    return true;
}
} // namespace

LWPropVecViewModel::LWPropVecViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                       LWQmlViewModel *parent, int height, int count)
    : LWPropViewModel(id, component, value, parent, height)
{
    const QJsonArray bound = boundOrDefault().toArray();
    for (int i = 0; i < qMax(count, bound.size()); ++i)
        m_values << bound.at(i).toDouble(0);
    m_tmpValues = m_values;
}

QJsonValue LWPropVecViewModel::value() const
{
    QJsonArray array;
    for (double n : reportsTemporary() ? m_tmpValues : m_values)
        array.append(n);
    return array;
}

QVariantList LWPropVecViewModel::values() const
{
    return toVariants(m_values);
}

QVariantList LWPropVecViewModel::tmpValues() const
{
    return toVariants(m_tmpValues);
}

void LWPropVecViewModel::setValues(const QVariantList &values)
{
    QList<double> numbers;
    for (const QVariant &v : values)
        numbers << v.toDouble();
    commit(numbers);
}

void LWPropVecViewModel::setTempValue(int index, double value)
{
    if (index < 0 || index >= m_tmpValues.size() || sameDouble(m_tmpValues.at(index), value))
        return;
    m_tmpValues[index] = value;
    emit tmpValuesChanged();
    emit qmlViewDataChanged();
}

void LWPropVecViewModel::commitValue(int index, double value)
{
    if (index < 0 || index >= m_values.size())
        return;
    QList<double> numbers = m_values;
    numbers[index] = value;
    commit(numbers);
}

void LWPropVecViewModel::commit(const QList<double> &values)
{
    if (sameList(values, m_values))
        return;
    pushCommit(values);
}

void LWPropVecViewModel::removeButtonClicked()
{
    if (m_parent)
        m_parent->requestRemoveItem(self());
}

void LWPropVecViewModel::applyUndoValue(const QList<double> &values)
{
    m_values = values;
    m_tmpValues = values;
    emit valuesChanged();
    emit tmpValuesChanged();
    emit qmlViewDataChanged();
}
