#include "LW2DStickerPartData.h"

#include "NS2DStickerParameter.h"
#include "inspector/LWPropIntViewModel.h"

namespace {

int readInt(const QJsonObject &o, const char *key, int fallback)
{
    return LWPropIntViewModel::toInt(o.value(QLatin1String(key)), fallback);
}

double readDouble(const QJsonObject &o, const char *key, double fallback)
{
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isDouble() ? v.toDouble() : fallback;
}

bool readBool(const QJsonObject &o, const char *key, bool fallback)
{
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isBool() ? v.toBool() : fallback;
}

QJsonArray readMessages(const QJsonValue &value)
{
    QJsonArray messages;
    const QJsonArray array = value.toArray();
    for (const QJsonValue &message : array) {
        if (message.isObject())
            messages.append(message);
    }
    return messages;
}

} // namespace

int LW2DStickerPartData::clampedTriggerLoop(int loop)
{
    if (loop < 0)
        return 9999;
    if (loop >= 11 && loop <= 9998)
        return 10;
    return loop;
}

LW2DStickerPartData LW2DStickerPartData::fromJson(const QString &key, const QJsonValue &partValue, bool fromProject)
{
    const QJsonObject part = partValue.toObject();
    LW2DStickerPartData data;
    data.title = key;

    const QJsonObject position = part.value(QLatin1String("position")).toObject();
    data.anchors.positionX = LW2DStickerAnchors::listFromJson(position.value(QLatin1String("positionX")));
    data.anchors.positionY = LW2DStickerAnchors::listFromJson(position.value(QLatin1String("positionY")));
    data.anchors.rotateCenter = LW2DStickerAnchors::singleFromJson(part.value(QLatin1String("rotateCenter")));
    const QJsonObject scaleX =
        part.value(QLatin1String("scale")).toObject().value(QLatin1String("scaleX")).toObject();
    data.anchors.scaleA = LW2DStickerAnchors::singleFromJson(scaleX.value(QLatin1String("pointA")));
    data.anchors.scaleB = LW2DStickerAnchors::singleFromJson(scaleX.value(QLatin1String("pointB")));

    data.positionType = readInt(part, "positionType", 1);
    data.positionRelationType = readInt(part, "positionRelationType", 1);
    data.triggerType = readInt(part, "triggerType", 0);
    data.triggerLoop = clampedTriggerLoop(readInt(part, "triggerLoop", 0));
    data.triggerDelay = readInt(part, "triggerDelay", 0);
    data.triggerStop = readBool(part, "triggerStop", false);
    data.triggerDisappear = readBool(part, "triggerDisappear", false);
    data.triggerRestart = readBool(part, "triggerRestart", false);
    data.triggerMode = NS2DStickerParameter::triggerModeOf(data.triggerType, data.triggerStop, data.triggerDisappear,
                                                           data.triggerRestart);
    data.width = readDouble(part, "width", 300.0);
    data.height = readDouble(part, "height", 300.0);
    data.frameCount = readInt(part, "frameCount", 0);
    data.blendMode = readInt(part, "blendMode", 0);
    data.enable = readBool(part, "enable", true);
    data.alphaFactor = readDouble(part, "alphaFactor", 1.0);
    data.messageInfo = readMessages(part.value(QLatin1String("messageInfo")));
    data.zPosition = readInt(part, "zPosition", 404);

    if (fromProject) {
        const QJsonValue title = part.value(QLatin1String("title"));
        if (title.isString())
            data.title = title.toString();
        const QJsonValue resourceId = part.value(QLatin1String("resourceId"));
        if (resourceId.isString())
            data.resourceId = resourceId.toString();
        data.checked = readBool(part, "checked", true);
    }
    return data;
}

QJsonObject LW2DStickerPartData::toJson(int z, bool projectKeys, const QString &treeTitle, bool treeChecked) const
{
    const QJsonObject position{{QStringLiteral("positionX"), LW2DStickerAnchors::listToJson(anchors.positionX)},
                               {QStringLiteral("positionY"), LW2DStickerAnchors::listToJson(anchors.positionY)}};
    const QJsonObject scale{
        {QStringLiteral("scaleX"), QJsonObject{{QStringLiteral("pointA"), QJsonArray{anchors.scaleA.toJson()}},
                                               {QStringLiteral("pointB"), QJsonArray{anchors.scaleB.toJson()}}}},
        {QStringLiteral("scaleY"),
         QJsonObject{{QStringLiteral("pointA"), QJsonArray()}, {QStringLiteral("pointB"), QJsonArray()}}}};
    QJsonObject part{{QStringLiteral("position"), position},
                     {QStringLiteral("positionRelationType"), positionRelationType},
                     {QStringLiteral("positionType"), positionType},
                     {QStringLiteral("rotateCenter"), QJsonArray{anchors.rotateCenter.toJson()}},
                     {QStringLiteral("scale"), scale},
                     {QStringLiteral("triggerDelay"), triggerDelay},
                     {QStringLiteral("triggerLoop"), triggerLoop},
                     {QStringLiteral("triggerType"), triggerType},
                     {QStringLiteral("triggerStop"), triggerStop},
                     {QStringLiteral("triggerDisappear"), triggerDisappear},
                     {QStringLiteral("triggerRestart"), triggerRestart},
                     {QStringLiteral("width"), width},
                     {QStringLiteral("height"), height},
                     {QStringLiteral("zPosition"), z},
                     {QStringLiteral("blendMode"), writtenBlendMode()},
                     {QStringLiteral("frameCount"), frameCount},
                     {QStringLiteral("enable"), enable},
                     {QStringLiteral("alphaFactor"), alphaFactor}};
    if (!messageInfo.isEmpty())
        part.insert(QStringLiteral("messageInfo"), messageInfo);
    if (projectKeys) {
        part.insert(QStringLiteral("checked"), treeChecked);
        part.insert(QStringLiteral("resourceId"), resourceId);
        part.insert(QStringLiteral("title"), treeTitle);
    }
    return part;
}

void LW2DStickerPartData::applyTriggerMode(int mode, int actionTriggerType)
{
    triggerMode = mode >= 0 && mode <= 3 ? mode : 0;
    const NS2DStickerParameter::TriggerFlags flags = NS2DStickerParameter::triggerFlags(triggerMode);
    triggerDisappear = flags.disappear;
    triggerStop = flags.stop;
    triggerRestart = flags.restart;
    if (flags.loopForced)
        triggerLoop = 0;
    triggerType = flags.fromAction ? actionTriggerType : 0;
}
