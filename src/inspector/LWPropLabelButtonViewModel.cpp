#include "LWPropLabelButtonViewModel.h"

#include "LWPropIntViewModel.h"

LWPropLabelButtonViewModel::LWPropLabelButtonViewModel(const QString &id, const QJsonValue &component,
                                                       const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 26)
    , m_clickValue(LWPropIntViewModel::toInt(value, 0))
    , m_buttonText(component[QLatin1String("buttonText")].toString())
{
}

QString LWPropLabelButtonViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropLabelButtonView.qml");
}

void LWPropLabelButtonViewModel::clicked()
{
    ++m_clickValue;
    emit clickValueChanged();
    emit qmlViewDataChanged();
}
