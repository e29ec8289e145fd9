#include "LWSecCheckViewModel.h"

#include "LWQmlViewDataSource.h"

#include <QJsonArray>

LWSecCheckViewModel::LWSecCheckViewModel(const QJsonValue &component, const QJsonValue &data,
                                         const QJsonObject &profile, LWQmlViewModel *parent)
    : LWSectionViewModel(component, data, profile, parent, {36, 36})
{
    build(profile);
    m_isChecked = evaluate();
}

QString LWSecCheckViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWSecView/LWSecCheckView.qml");
}

bool LWSecCheckViewModel::evaluate() const
{
    if (m_data.isUndefined())
        return false;
    LWQmlViewDataSource *source = dataSource();
    if (!source)
        return true;
    const QJsonValue datasource = m_component[QLatin1String("datasource")];
    const QString dataId = datasource[QLatin1String("dataId")].toString();
    const QJsonValue answer = source->value(dataId);
    if (dataId == QLatin1String("uniformDef"))
        return answer.toArray().contains(datasource[QLatin1String("data")].toString());
    // Other identifiers: a bool answers for itself, anything present counts.
    if (answer.isBool())
        return answer.toBool();
    return !answer.isNull() && !answer.isUndefined();
}

void LWSecCheckViewModel::refreshChecked()
{
    const bool checked = evaluate();
    if (checked == m_isChecked)
        return;
    m_isChecked = checked;
    emit isCheckedChanged(checked);
}

QJsonValue LWSecCheckViewModel::value() const
{
    return m_isChecked ? LWSectionViewModel::value() : QJsonValue(QJsonValue::Null);
}

void LWSecCheckViewModel::notifyChildren(int kinds, const QJsonValue &payload)
{
    refreshChecked();
    LWSectionViewModel::notifyChildren(kinds, payload);
}
