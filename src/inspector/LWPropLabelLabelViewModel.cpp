#include "LWPropLabelLabelViewModel.h"

LWPropLabelLabelViewModel::LWPropLabelLabelViewModel(const QString &id, const QJsonValue &component,
                                                     const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 32)
    , m_text(component[QLatin1String("value")].toVariant().toString())
{
    useLanguageChange(0);
}

QString LWPropLabelLabelViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropLabelLabelView.qml");
}
