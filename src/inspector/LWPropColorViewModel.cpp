#include "LWPropColorViewModel.h"

#include "LWPropColorUndoCommand.h"
#include "LWPropEdit.h"

#include <QJsonArray>
#include <cmath>

int LWPropColorViewModel::componentFromFraction(double fraction)
{
    // 127 / 255 * 255 is 126.99999999999999 in doubles: without the nudge a
    // saved colour would lose one step on every reload.
    const double scaled = std::floor(fraction * 255.0 + 1e-7);
    return int(qBound(0.0, scaled, 255.0));
}

LWPropColorViewModel::LWPropColorViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                           LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 32)
{
    m_showAlpha = componentValue("showAlpha").toBool(true);
    useLanguageChange(0);
    readBound(boundOrDefault());
}

void LWPropColorViewModel::readBound(const QJsonValue &bound)
{
    if (bound.isArray()) {
        const QJsonArray parts = bound.toArray();
        m_color = QColor(componentFromFraction(parts.at(0).toDouble()), componentFromFraction(parts.at(1).toDouble()),
                         componentFromFraction(parts.at(2).toDouble()),
                         parts.size() > 3 ? componentFromFraction(parts.at(3).toDouble()) : 255);
    } else if (bound.isString()) {
        m_boundAsString = true;
        QString digits = bound.toString().trimmed();
        if (digits.startsWith(QLatin1Char('#')))
            digits.remove(0, 1);
        bool ok = false;
        const quint32 number = digits.toUInt(&ok, 16);
        if (!ok)
            return;
        if (digits.size() <= 6) {
            m_showAlpha = false;
            m_color = QColor((number >> 16) & 0xff, (number >> 8) & 0xff, number & 0xff, 255);
        } else {
            m_showAlpha = true;
            m_color = QColor((number >> 24) & 0xff, (number >> 16) & 0xff, (number >> 8) & 0xff, number & 0xff);
        }
    }
}

QString LWPropColorViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropColorView.qml");
}

QJsonValue LWPropColorViewModel::value() const
{
    if (m_boundAsString) {
        quint32 number = (quint32(m_color.red()) << 16) | (quint32(m_color.green()) << 8) | quint32(m_color.blue());
        if (m_showAlpha)
            number = (number << 8) | quint32(m_color.alpha());
        return QStringLiteral("%1").arg(number, m_showAlpha ? 8 : 6, 16, QLatin1Char('0'));
    }
    QJsonArray parts{m_color.red() / 255.0, m_color.green() / 255.0, m_color.blue() / 255.0};
    if (m_showAlpha)
        parts.append(m_color.alpha() / 255.0);
    return parts;
}

void LWPropColorViewModel::setColorValue(const QColor &color)
{
    if (color.rgba() == m_color.rgba())
        return;
    LWPropEdit::push<LWPropColorUndoCommand>(this, color);
}

void LWPropColorViewModel::applyUndoValue(const QColor &color)
{
    m_color = color;
    emit colorValueChanged(color);
    emit qmlViewDataChanged();
}
