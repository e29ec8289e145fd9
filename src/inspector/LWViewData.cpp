#include "LWViewData.h"

LWViewData::LWViewData(const QString &id, const QJsonValue &component, const QJsonValue &value)
    : m_id(id)
    , m_component(component)
    , m_value(value.isUndefined() ? component[QLatin1String("defaultValue")] : value)
{
}
