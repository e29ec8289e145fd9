#include "LWPropIntViewModel.h"

#include "LWPropBaseUndoCommandT.h"
#include "LWPropEdit.h"

#include <cmath>
#include <limits>

int LWPropIntViewModel::toInt(const QJsonValue &value, int fallback)
{
    if (!value.isDouble())
        return fallback;
    const double number = std::trunc(value.toDouble());
    if (number <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (number >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return int(number);
}

LWPropIntViewModel::LWPropIntViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                       LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 32)
    , m_minValue(toInt(component[QLatin1String("min")], std::numeric_limits<int>::min()))
    , m_maxValue(toInt(component[QLatin1String("max")], std::numeric_limits<int>::max()))
{
    m_editable = componentValue("editable").toBool(true);
    m_intValue = value.isDouble() ? toInt(value, 0) : toInt(componentValue("defaultValue"), 0);
    m_tempValue = m_intValue;
}

QString LWPropIntViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropIntView.qml");
}

void LWPropIntViewModel::setIntValue(int value)
{
    if (value == m_intValue)
        return;
    LWPropEdit::push<LWPropBaseUndoCommandT<LWPropIntViewModel, int>>(this, value);
}

void LWPropIntViewModel::setTempValue(int value)
{
    if (value == m_tempValue)
        return;
    m_tempValue = value;
    emit qmlViewDataChanged();
}

void LWPropIntViewModel::applyUndoValue(int value)
{
    m_intValue = value;
    m_tempValue = value;
    emit intValueChanged(value);
    emit qmlViewDataChanged();
}
