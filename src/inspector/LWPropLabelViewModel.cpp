#include "LWPropLabelViewModel.h"

LWPropLabelViewModel::LWPropLabelViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                           LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 26)
{
    const QJsonValue text = boundOrDefault();
    m_label = text.isString() ? text.toString() : componentValue("defaultValue").toVariant().toString();
}

QString LWPropLabelViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropLabelView.qml");
}
