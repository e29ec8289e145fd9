#pragma once

#include <QJsonObject>
#include <QString>

// The outline drawn round a cut-out person: none, one colour or two colours
// that alternate at a refresh rate. Kept as fields; the record and the
// panel's data are views of them.
class LWMattingBorder
{
public:
    enum Type { None = 0, Monochrome = 1, TwoTone = 2 };
    static constexpr double kDefaultFps = 0.6;
    static const char *const kDefaultColor; // "FFFFFF"

    int type = None;
    double fps = kDefaultFps;
    QString color1 = QLatin1String(kDefaultColor);
    QString color2 = QLatin1String(kDefaultColor);

    // A record of a content file: "type", "fps" and the "color" array. A
    // type outside 0..2 reads as none; missing colours are white.
    static LWMattingBorder fromRecord(const QJsonValue &record);
    // The panel's value: "type", "fps", "color1" and "color2".
    static LWMattingBorder fromInspector(const QJsonObject &value);

    // "color" holds as many colours as the type uses (white for none).
    QJsonObject toRecord() const;
    QJsonObject inspectorData() const;

    // Six upper-case hexadecimal digits, or empty for anything else.
    static QString normalizedColor(const QJsonValue &value);
};
