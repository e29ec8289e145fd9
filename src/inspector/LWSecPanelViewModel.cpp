#include "LWSecPanelViewModel.h"

LWSecPanelViewModel::LWSecPanelViewModel(const QJsonValue &component, const QJsonValue &data,
                                         const QJsonObject &profile, LWQmlViewModel *parent)
    : LWSectionViewModel(component, data, profile, parent, {44, 48})
{
    const QJsonValue hide = component[QLatin1String("hideRemoveButton")];
    m_hideRemoveButton = hide.isBool() ? hide.toBool() : true;
    build(profile);
}

QString LWSecPanelViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWSecView/LWSecPanelView.qml");
}

void LWSecPanelViewModel::removeButtonClicked()
{
    if (m_parent)
        m_parent->requestRemoveItem(self());
}
