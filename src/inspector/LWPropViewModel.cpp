#include "LWPropViewModel.h"

bool LWPropViewModel::sameDouble(double a, double b)
{
    return qAbs(a - b) < kEpsilon;
}

LWPropViewModel::LWPropViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                 LWQmlViewModel *parent, int height)
    : LWQmlViewModel(parent)
{
    initProperty(id, component, value);
    m_height = height;
}

LWPropViewModel::~LWPropViewModel() = default;

QJsonValue LWPropViewModel::boundOrDefault() const
{
    return m_data.isUndefined() ? componentValue("defaultValue") : m_data;
}

QJsonValue LWPropViewModel::componentValue(const char *key) const
{
    return m_component[QLatin1String(key)];
}

void LWPropViewModel::useLanguageChange(int fallback)
{
    const QJsonValue width = componentValue("languageChange");
    m_labelWidth = width.isDouble() ? width.toInt() : fallback;
}
