#include "LW2DStickerPartInspector.h"

#include "LW2DStickerPartData.h"
#include "NS2DStickerParameter.h"
#include "inspector/LWPropIntViewModel.h"

namespace LW2DStickerPartInspector {

namespace {

constexpr int kTransparencyFlag = 1000;

// A bare blend mode 0 is written as 0 whatever the flag, so the stored
// number cannot tell whether filtering was on: show the default (on) then.
bool filtersTransparency(int blendMode)
{
    return blendMode % kTransparencyFlag == 0 || blendMode >= kTransparencyFlag;
}

class Edit
{
public:
    Edit(const QJsonObject &value, const QJsonObject &previous)
        : m_value(value)
        , m_previous(previous)
    {
    }

    bool changed(const char *key) const
    {
        const QLatin1String k(key);
        return m_value.contains(k) && m_value.value(k) != m_previous.value(k);
    }
    int intOr(const char *key, int fallback) const
    {
        return LWPropIntViewModel::toInt(m_value.value(QLatin1String(key)), fallback);
    }
    QJsonValue at(const char *key) const { return m_value.value(QLatin1String(key)); }

private:
    const QJsonObject &m_value;
    const QJsonObject &m_previous;
};

void applyBlendMode(const Edit &edit, LW2DStickerPartData &data)
{
    if (!edit.changed("blendMode") && !edit.changed("filterTransparentRegion"))
        return;
    const int mode = edit.intOr("blendMode", data.blendMode % kTransparencyFlag);
    const bool filter = edit.at("filterTransparentRegion").toBool(true);
    data.blendMode = mode + (filter ? kTransparencyFlag : 0);
}

void applyTrigger(const Edit &edit, LW2DStickerPartData &data)
{
    if (edit.changed("triggerLoop"))
        data.triggerLoop = edit.intOr("triggerLoop", data.triggerLoop);
    if (edit.changed("triggerDelay"))
        data.triggerDelay = edit.intOr("triggerDelay", data.triggerDelay);
    int action = data.triggerType;
    if (edit.changed("triggerAction"))
        action = NS2DStickerParameter::triggerActionValue(edit.intOr("triggerAction", -1), data.triggerType);
    data.applyTriggerMode(edit.intOr("triggerType", data.triggerMode), action);
}

} // namespace

QJsonObject toInspector(const LW2DStickerPartData &data, int traceRegion, int clickValue)
{
    using namespace NS2DStickerParameter;
    return {{QStringLiteral("clickValue"), clickValue},
            {QStringLiteral("textureResId"), data.hasTexture() ? data.resourceId : LW2DStickerPartData::noTexture()},
            {QStringLiteral("faceTraceRegion"), traceRegion},
            {QStringLiteral("frameCount"), data.frameCount},
            {QStringLiteral("blendMode"), data.blendMode % kTransparencyFlag},
            {QStringLiteral("filterTransparentRegion"), filtersTransparency(data.blendMode)},
            {QStringLiteral("indexOfPositionType"), positionTypeIndex(data.positionType)},
            {QStringLiteral("alphaFactor"), data.alphaFactor},
            {QStringLiteral("triggerDelay"), data.triggerDelay},
            {QStringLiteral("triggerLoop"), data.triggerLoop < 11 ? data.triggerLoop : 0},
            {QStringLiteral("triggerAction"), triggerActionIndex(data.triggerType)},
            {QStringLiteral("triggerStop"), data.triggerStop},
            {QStringLiteral("triggerDisappear"), data.triggerDisappear},
            {QStringLiteral("triggerRestart"), data.triggerRestart},
            {QStringLiteral("triggerType"), data.triggerMode},
            {QStringLiteral("optionIndex"), data.triggerMode}};
}

Changes apply(const QJsonObject &value, const QJsonObject &previous, LW2DStickerPartData &data)
{
    const Edit edit(value, previous);
    applyBlendMode(edit, data);
    if (edit.changed("indexOfPositionType"))
        data.positionType = NS2DStickerParameter::positionTypeValue(edit.intOr("indexOfPositionType", -1),
                                                                    data.positionType);
    if (edit.changed("alphaFactor"))
        data.alphaFactor = edit.at("alphaFactor").toDouble(data.alphaFactor);
    applyTrigger(edit, data);

    Changes changes;
    if (edit.changed("frameCount")) {
        data.frameCount = edit.intOr("frameCount", data.frameCount);
        changes.frameCount = true;
    }
    if (edit.changed("textureResId") && edit.at("textureResId").isString()) {
        changes.texture = true;
        changes.resourceId = edit.at("textureResId").toString();
    }
    if (edit.changed("faceTraceRegion")) {
        changes.traceRegion = true;
        changes.region = edit.intOr("faceTraceRegion", -1);
    }
    return changes;
}

} // namespace LW2DStickerPartInspector
