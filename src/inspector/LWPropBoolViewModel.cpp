#include "LWPropBoolViewModel.h"

#include "LWPropBaseUndoCommandT.h"
#include "LWPropEdit.h"

LWPropBoolViewModel::LWPropBoolViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                         LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 32)
{
    m_checked = value.isBool() ? value.toBool() : componentValue("defaultValue").toBool(false);
    useLanguageChange(0);
}

QString LWPropBoolViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropBoolView.qml");
}

void LWPropBoolViewModel::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    LWPropEdit::push<LWPropBaseUndoCommandT<LWPropBoolViewModel, bool>>(this, checked);
}

void LWPropBoolViewModel::applyUndoValue(bool checked)
{
    m_checked = checked;
    emit checkedChanged(checked);
    emit qmlViewDataChanged();
}
