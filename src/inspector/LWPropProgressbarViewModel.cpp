#include "LWPropProgressbarViewModel.h"

#include <QJsonObject>

LWPropProgressbarViewModel::LWPropProgressbarViewModel(const QString &id, const QJsonValue &component,
                                                       const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 32)
{
    useLanguageChange(0);
    if (value.isDouble())
        m_progress = value.toDouble();
}

QString LWPropProgressbarViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropProgressView.qml");
}

QJsonValue LWPropProgressbarViewModel::value() const
{
    return QJsonObject();
}

void LWPropProgressbarViewModel::notifyChildren(int kinds, const QJsonValue &payload)
{
    if (!(kinds & 2))
        return;
    const QJsonValue progress = payload[QLatin1String("progress")];
    if (!progress.isDouble() || progress.toDouble() == m_progress)
        return;
    m_progress = progress.toDouble();
    emit progressChanged();
}
