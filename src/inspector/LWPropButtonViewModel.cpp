#include "LWPropButtonViewModel.h"

#include "LWPropBaseUndoCommandT.h"
#include "LWPropEdit.h"

LWPropButtonViewModel::LWPropButtonViewModel(const QString &id, const QJsonValue &component,
                                             const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 32)
{
    m_status = value.isBool() ? value.toBool() : componentValue("defaultValue").toBool(false);
}

QString LWPropButtonViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropButtonView.qml");
}

void LWPropButtonViewModel::setStatus(bool status)
{
    if (status == m_status)
        return;
    LWPropEdit::push<LWPropBaseUndoCommandT<LWPropButtonViewModel, bool>>(this, status);
}

void LWPropButtonViewModel::applyUndoValue(bool status)
{
    m_status = status;
    emit statusChanged(status);
    emit qmlViewDataChanged();
}
