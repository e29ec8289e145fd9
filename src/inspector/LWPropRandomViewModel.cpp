#include "LWPropRandomViewModel.h"

#include "LWPropEdit.h"
#include "LWPropRandomUndoCommand.h"

#include <QJsonObject>
#include <QtMath>

LWPropRandomViewModel::LWPropRandomViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                             LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 26)
{
    m_isRadian = componentValue("isRadian").toBool(false);
    if (componentValue("min").isDouble())
        m_rangeMin = componentValue("min").toDouble();
    if (componentValue("max").isDouble())
        m_rangeMax = componentValue("max").toDouble();
    const QJsonValue bound = boundOrDefault();
    if (bound[QLatin1String("type")].toString() == QLatin1String("FIXED")) {
        m_min = m_max = toShown(bound[QLatin1String("value")].toDouble());
    } else {
        m_min = toShown(bound[QLatin1String("min")].toDouble());
        m_max = toShown(bound[QLatin1String("max")].toDouble());
    }
    m_tempMin = m_min;
    m_tempMax = m_max;
}

QString LWPropRandomViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropRandomView.qml");
}

double LWPropRandomViewModel::toShown(double stored) const
{
    return m_isRadian ? qRadiansToDegrees(stored) : stored;
}

double LWPropRandomViewModel::toStored(double shown) const
{
    return m_isRadian ? qDegreesToRadians(shown) : shown;
}

QJsonValue LWPropRandomViewModel::value() const
{
    QJsonObject result = m_data.toObject();
    const bool fixed = sameDouble(m_tempMin, m_tempMax);
    result.insert(QStringLiteral("type"), fixed ? QStringLiteral("FIXED") : QStringLiteral("RANDOM"));
    if (fixed) {
        result.insert(QStringLiteral("value"), toStored(m_tempMin));
    } else {
        result.insert(QStringLiteral("min"), toStored(m_tempMin));
        result.insert(QStringLiteral("max"), toStored(m_tempMax));
    }
    return result;
}

void LWPropRandomViewModel::setMinValue(double value)
{
    commit(Minimum, value);
}

void LWPropRandomViewModel::setMaxValue(double value)
{
    commit(Maximum, value);
}

void LWPropRandomViewModel::commit(Bound bound, double value)
{
    if (sameDouble(value, boundValue(bound)))
        return;
    LWPropEdit::push<LWPropRandomUndoCommand>(this, bound, value);
}

void LWPropRandomViewModel::setTempMinValue(double value)
{
    setTemp(m_tempMin, value);
}

void LWPropRandomViewModel::setTempMaxValue(double value)
{
    setTemp(m_tempMax, value);
}

void LWPropRandomViewModel::setTemp(double &temp, double value)
{
    if (sameDouble(temp, value))
        return;
    temp = value;
    emit qmlViewDataChanged();
}

void LWPropRandomViewModel::applyBound(Bound bound, double value)
{
    if (bound == Minimum) {
        m_min = m_tempMin = value;
        emit minValueChanged(value);
    } else {
        m_max = m_tempMax = value;
        emit maxValueChanged(value);
    }
    emit qmlViewDataChanged();
}
