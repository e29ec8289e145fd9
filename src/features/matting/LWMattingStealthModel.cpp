#include "LWMattingStealthModel.h"

#include <QJsonArray>

const char *const LWMattingStealthModel::kMattingType = "MattingTypeInvisibleHuman";

namespace {
const QString kDefaultInVisible = QStringLiteral("defaultInVisible");
const QString kDisableOnce = QStringLiteral("disableOnceTrigger");
} // namespace

LWMattingStealthModel::LWMattingStealthModel(const QJsonObject &content)
    : LWMattingPartBase(content)
    , m_defaultInVisible(content.value(kDefaultInVisible).toBool(false))
{
    setAnimationKeys();
}

QString LWMattingStealthModel::profilePath() const
{
    return QStringLiteral(":/LWMatting/LWMattingStealthProfile.json");
}

QString LWMattingStealthModel::mattingType() const
{
    return QLatin1String(kMattingType);
}

void LWMattingStealthModel::setAnimationKeys()
{
    m_trigger.insert(QStringLiteral("animationKeyValues"), QJsonArray{0.0, 1.0});
    m_trigger.insert(QStringLiteral("animationKeyTimes"),
                     QJsonArray{0, m_trigger.value(QStringLiteral("animationDuration"))});
    m_trigger.insert(QStringLiteral("animationEnabale"), true);
}

QJsonObject LWMattingStealthModel::inspectorData() const
{
    QJsonObject data = m_trigger;
    data.insert(kDisableOnce, !m_trigger.value(kDisableOnce).toBool(false));
    data.insert(kDefaultInVisible, m_defaultInVisible);
    return data;
}

void LWMattingStealthModel::applyInspectorValue(const QJsonObject &value)
{
    for (auto it = value.begin(); it != value.end(); ++it) {
        if (it.key() == kDefaultInVisible)
            m_defaultInVisible = it.value().toBool(m_defaultInVisible);
        else if (it.key() == kDisableOnce)
            m_trigger.insert(kDisableOnce, !it.value().toBool(true));
        else
            m_trigger.insert(it.key(), it.value());
    }
    setAnimationKeys();
}

QJsonObject LWMattingStealthModel::record(bool) const
{
    QJsonObject record = unknownMembers();
    record.insert(QStringLiteral("trigger"), m_trigger);
    record.insert(kDefaultInVisible, m_defaultInVisible);
    record.insert(QStringLiteral("border"), m_border.toRecord());
    record.insert(QStringLiteral("mattingType"), mattingType());
    return record;
}
