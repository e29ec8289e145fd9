#pragma once

#include "LWPropViewModel.h"

// A range for a randomised number: equal bounds mean a fixed number.
// Angles are stored in radians when the component says "isRadian" and
// shown in degrees.
class LWPropRandomViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(double minValue READ minValue WRITE setMinValue NOTIFY minValueChanged)
    Q_PROPERTY(double maxValue READ maxValue WRITE setMaxValue NOTIFY maxValueChanged)
    Q_PROPERTY(double rangeMin READ rangeMin CONSTANT)
    Q_PROPERTY(double rangeMax READ rangeMax CONSTANT)

public:
    enum Bound { Minimum, Maximum };

    LWPropRandomViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                          LWQmlViewModel *parent);

    QString qmlPath() const override;
    // The bound object with "type" ("FIXED" when the bounds are equal, else
    // "RANDOM") and the numbers in the stored unit: "value" for a fixed
    // number, "min" and "max" for a range.
    QJsonValue value() const override;

    double minValue() const { return m_min; }
    double maxValue() const { return m_max; }
    void setMinValue(double value);
    void setMaxValue(double value);
    double rangeMin() const { return m_rangeMin; }
    double rangeMax() const { return m_rangeMax; }
    Q_INVOKABLE void setTempMinValue(double value);
    Q_INVOKABLE void setTempMaxValue(double value);

    double boundValue(Bound bound) const { return bound == Minimum ? m_min : m_max; }
    void applyBound(Bound bound, double value);

signals:
    void minValueChanged(double value);
    void maxValueChanged(double value);

private:
    void commit(Bound bound, double value);
    void setTemp(double &temp, double value);
    double toShown(double stored) const;
    double toStored(double shown) const;

    bool m_isRadian = false;
    double m_min = 0;
    double m_max = 0;
    double m_tempMin = 0;
    double m_tempMax = 0;
    double m_rangeMin = -100000;
    double m_rangeMax = 100000;
};
