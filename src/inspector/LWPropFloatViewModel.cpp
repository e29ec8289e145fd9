#include "LWPropFloatViewModel.h"

#include "LWPropBaseUndoCommandT.h"
#include "LWPropEdit.h"

LWPropFloatViewModel::LWPropFloatViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                           LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 32)
{
    const QJsonValue fallback = componentValue("defaultValue");
    if (fallback.isDouble())
        m_floatValue = fallback.toDouble();
    if (value.isDouble())
        m_floatValue = value.toDouble();
    m_tempValue = m_floatValue;
}

QString LWPropFloatViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropFloatView.qml");
}

QJsonValue LWPropFloatViewModel::value() const
{
    return m_tempValue;
}

void LWPropFloatViewModel::setFloatValue(double value)
{
    if (sameDouble(value, m_floatValue))
        return;
    pushCommit(value);
}

void LWPropFloatViewModel::pushCommit(double value)
{
    LWPropEdit::push<LWPropBaseUndoCommandT<LWPropFloatViewModel, float>>(this, float(value));
}

void LWPropFloatViewModel::setTempValue(double floatValue)
{
    if (sameDouble(floatValue, m_tempValue))
        return;
    m_tempValue = floatValue;
    emit qmlViewDataChanged();
}

void LWPropFloatViewModel::applyUndoValue(double value)
{
    m_floatValue = value;
    m_tempValue = value;
    emit floatValueChanged(value);
    emit qmlViewDataChanged();
}

void LWPropFloatViewModel::followValue(double value)
{
    applyUndoValue(value);
}
