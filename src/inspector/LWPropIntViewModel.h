#pragma once

#include "LWPropViewModel.h"

// A whole number in a spin box, committed like the float controls.
class LWPropIntViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(bool editable READ editable NOTIFY editableChanged)
    Q_PROPERTY(int intValue READ intValue WRITE setIntValue NOTIFY intValueChanged)
    Q_PROPERTY(int minValue READ minValue NOTIFY minValueChanged)
    Q_PROPERTY(int maxValue READ maxValue NOTIFY maxValueChanged)

public:
    using UndoValue = int;

    LWPropIntViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                       LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override { return m_tempValue; }

    bool editable() const { return m_editable; }
    int intValue() const { return m_intValue; }
    void setIntValue(int value);
    int minValue() const { return m_minValue; }
    int maxValue() const { return m_maxValue; }
    int tempValue() const { return m_tempValue; }
    Q_INVOKABLE void setTempValue(int value);

    UndoValue undoValue() const { return m_intValue; }
    void applyUndoValue(int value);

    // A JSON number as an int, saturated at the 32-bit range.
    static int toInt(const QJsonValue &value, int fallback);

signals:
    void editableChanged();
    void intValueChanged(int value);
    void minValueChanged();
    void maxValueChanged();

private:
    bool m_editable = true;
    int m_intValue = 0;
    int m_tempValue = 0;
    int m_minValue;
    int m_maxValue;
};
