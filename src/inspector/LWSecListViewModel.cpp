#include "LWSecListViewModel.h"

LWSecListViewModel::LWSecListViewModel(const QJsonValue &component, const QJsonValue &data,
                                       const QJsonObject &profile, LWQmlViewModel *parent)
    : LWSectionViewModel(component, data, profile, parent, {0, 0})
{
    m_color = QStringLiteral("transparent");
    m_headerVisible = m_definition[QLatin1String("headerVisible")].toBool(false);
    build(profile);
}

QString LWSecListViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWSecView/LWSecListView.qml");
}

int LWSecListViewModel::height() const
{
    return listHeight() + (m_headerVisible ? 18 : 0);
}

void LWSecListViewModel::removeItem(const Ptr &item)
{
    removeRow(item);
}
