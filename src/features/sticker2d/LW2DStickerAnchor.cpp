#include "LW2DStickerAnchor.h"

#include "NS2DStickerParameter.h"
#include "inspector/LWPropIntViewModel.h"

namespace {

double number(const QJsonValue &value)
{
    return value.isDouble() ? value.toDouble() : 0.0;
}

int readIndex(const QJsonValue &value)
{
    const int index = LWPropIntViewModel::toInt(value, -1);
    if (index == NS2DStickerParameter::kEngineCornerLeft)
        return 82;
    if (index == NS2DStickerParameter::kEngineCornerRight)
        return 83;
    return index < 0 ? -1 : index;
}

} // namespace

LW2DStickerAnchor LW2DStickerAnchor::fromJson(const QJsonValue &value)
{
    LW2DStickerAnchor anchor;
    if (!value.isObject())
        return anchor;
    const QJsonObject object = value.toObject();
    anchor.index = readIndex(object.value(QLatin1String("index")));
    anchor.x = number(object.value(QLatin1String("x")));
    anchor.y = number(object.value(QLatin1String("y")));
    return anchor;
}

QJsonObject LW2DStickerAnchor::toJson() const
{
    QJsonObject object{{QStringLiteral("x"), x}, {QStringLiteral("y"), y}};
    if (hasIndex())
        object.insert(QStringLiteral("index"), index);
    return object;
}

void LW2DStickerAnchors::translate(const QPointF &d)
{
    auto move = [&d](LW2DStickerAnchor &a) { a.setPos(a.pos() + d); };
    for (LW2DStickerAnchor &a : positionX)
        move(a);
    for (LW2DStickerAnchor &a : positionY)
        move(a);
    move(rotateCenter);
    move(scaleA);
    move(scaleB);
}

void LW2DStickerAnchors::multiply(double factor)
{
    auto scale = [factor](LW2DStickerAnchor &a) { a.setPos(a.pos() * factor); };
    for (LW2DStickerAnchor &a : positionX)
        scale(a);
    for (LW2DStickerAnchor &a : positionY)
        scale(a);
    scale(rotateCenter);
    scale(scaleA);
    scale(scaleB);
}

QVector<LW2DStickerAnchor> LW2DStickerAnchors::listFromJson(const QJsonValue &value)
{
    QVector<LW2DStickerAnchor> anchors;
    const QJsonArray array = value.toArray();
    for (const QJsonValue &element : array) {
        if (element.isObject())
            anchors.append(LW2DStickerAnchor::fromJson(element));
    }
    return anchors;
}

QJsonArray LW2DStickerAnchors::listToJson(const QVector<LW2DStickerAnchor> &anchors)
{
    QJsonArray array;
    for (const LW2DStickerAnchor &anchor : anchors)
        array.append(anchor.toJson());
    return array;
}

LW2DStickerAnchor LW2DStickerAnchors::singleFromJson(const QJsonValue &value)
{
    if (value.isArray())
        return LW2DStickerAnchor::fromJson(value.toArray().at(0)); // undefined when empty
    return LW2DStickerAnchor::fromJson(value);
}
