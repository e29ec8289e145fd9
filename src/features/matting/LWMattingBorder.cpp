#include "LWMattingBorder.h"

#include <QDebug>
#include <QJsonArray>
#include <QRegularExpression>

const char *const LWMattingBorder::kDefaultColor = "FFFFFF";

namespace {
QString colorOr(const QJsonValue &value)
{
    const QString color = LWMattingBorder::normalizedColor(value);
    return color.isEmpty() ? QLatin1String(LWMattingBorder::kDefaultColor) : color;
}

int knownType(int type)
{
    if (type >= LWMattingBorder::None && type <= LWMattingBorder::TwoTone)
        return type;
    qWarning() << "matting: border type" << type << "is unknown; no border is drawn";
    return LWMattingBorder::None;
}
} // namespace

QString LWMattingBorder::normalizedColor(const QJsonValue &value)
{
    static const QRegularExpression sixDigits(QStringLiteral("^#?([0-9A-Fa-f]{6})$"));
    const QRegularExpressionMatch match = sixDigits.match(value.toString().trimmed());
    return match.hasMatch() ? match.captured(1).toUpper() : QString();
}

LWMattingBorder LWMattingBorder::fromRecord(const QJsonValue &record)
{
    LWMattingBorder border;
    border.type = knownType(record[QLatin1String("type")].toInt(None));
    border.fps = record[QLatin1String("fps")].toDouble(kDefaultFps);
    const QJsonArray colors = record[QLatin1String("color")].toArray();
    border.color1 = colorOr(colors.at(0));
    border.color2 = colorOr(colors.at(1));
    return border;
}

LWMattingBorder LWMattingBorder::fromInspector(const QJsonObject &value)
{
    LWMattingBorder border;
    border.type = knownType(value.value(QLatin1String("type")).toInt(None));
    border.fps = value.value(QLatin1String("fps")).toDouble(kDefaultFps);
    border.color1 = colorOr(value.value(QLatin1String("color1")));
    border.color2 = colorOr(value.value(QLatin1String("color2")));
    return border;
}

QJsonObject LWMattingBorder::toRecord() const
{
    QJsonArray colors;
    switch (type) {
    case Monochrome: colors = {color1}; break;
    case TwoTone: colors = {color1, color2}; break;
    default: colors = {QLatin1String(kDefaultColor)}; break;
    }
    return {{QStringLiteral("type"), type}, {QStringLiteral("fps"), fps}, {QStringLiteral("color"), colors}};
}

QJsonObject LWMattingBorder::inspectorData() const
{
    return {{QStringLiteral("type"), type},
            {QStringLiteral("fps"), fps},
            {QStringLiteral("color1"), color1},
            {QStringLiteral("color2"), color2}};
}
