#include "LWMattingPartBase.h"

#include <QStringList>

namespace {

// What the parts write themselves; everything else is kept as it came.
const QStringList &knownMembers()
{
    static const QStringList members{QStringLiteral("border"), QStringLiteral("trigger"),
                                     QStringLiteral("defaultInVisible"), QStringLiteral("mattingType")};
    return members;
}

// Defaults, overlaid with the stored members whose JSON type matches; a
// member the defaults lack is kept as stored.
QJsonObject overlay(QJsonObject defaults, const QJsonObject &stored)
{
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        const QJsonValue fallback = defaults.value(it.key());
        if (fallback.isUndefined() || fallback.type() == it.value().type())
            defaults.insert(it.key(), it.value());
    }
    return defaults;
}

} // namespace

LWMattingPartBase::LWMattingPartBase(const QJsonObject &content)
    : m_border(LWMattingBorder::fromRecord(content.value(QStringLiteral("border"))))
    , m_trigger(overlay(defaultTrigger(), content.value(QStringLiteral("trigger")).toObject()))
{
    for (auto it = content.begin(); it != content.end(); ++it) {
        if (!knownMembers().contains(it.key()))
            m_unknown.insert(it.key(), it.value());
    }
}

LWMattingPartBase::~LWMattingPartBase() = default;

QJsonObject LWMattingPartBase::defaultTrigger()
{
    return {{QStringLiteral("triggerLoop"), 0},
            {QStringLiteral("triggerDelay"), 0},
            {QStringLiteral("triggerStop"), false},
            {QStringLiteral("triggerKeep"), true},
            {QStringLiteral("triggerType"), 0},
            {QStringLiteral("disableOnceTrigger"), false},
            {QStringLiteral("animationDuration"), 30},
            {QStringLiteral("animationAutoReverse"), false},
            // Spelled as the engine reads it.
            {QStringLiteral("animationEnabale"), false}};
}
