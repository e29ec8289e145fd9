#include "LWPropLabelInputViewModel.h"

#include "LWPropBaseUndoCommandT.h"
#include "LWPropEdit.h"

LWPropLabelInputViewModel::LWPropLabelInputViewModel(const QString &id, const QJsonValue &component,
                                                     const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 26)
{
    m_editable = componentValue("editable").toBool(true);
    m_toolTip = componentValue("toolTip").toString();
    m_stringValue = value.isString() ? value.toString() : componentValue("defaultValue").toString();
    m_tempValue = m_stringValue;
}

QString LWPropLabelInputViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropLabelInputView.qml");
}

void LWPropLabelInputViewModel::setStringValue(const QString &value)
{
    if (value == m_stringValue)
        return;
    LWPropEdit::push<LWPropBaseUndoCommandT<LWPropLabelInputViewModel, QString>>(this, value);
}

void LWPropLabelInputViewModel::setTempValue(const QString &value)
{
    if (value == m_tempValue)
        return;
    m_tempValue = value;
    emit qmlViewDataChanged();
}

void LWPropLabelInputViewModel::applyUndoValue(const QString &value)
{
    m_stringValue = value;
    m_tempValue = value;
    emit stringValueChanged();
    emit qmlViewDataChanged();
}
