#pragma once

#include "LWPropViewModel.h"

// A text field: typing previews, finishing commits one undo step.
class LWPropLabelInputViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(bool editable READ editable NOTIFY editableChanged)
    Q_PROPERTY(QString stringValue READ stringValue WRITE setStringValue NOTIFY stringValueChanged)
    Q_PROPERTY(QString stringToolTip READ stringToolTip NOTIFY stringToolTipChanged)

public:
    using UndoValue = QString;

    LWPropLabelInputViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                              LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override { return m_tempValue; }

    bool editable() const { return m_editable; }
    QString stringValue() const { return m_stringValue; }
    void setStringValue(const QString &value);
    QString stringToolTip() const { return m_toolTip; }
    Q_INVOKABLE void setTempValue(const QString &value);

    UndoValue undoValue() const { return m_stringValue; }
    void applyUndoValue(const QString &value);

signals:
    void editableChanged();
    void stringValueChanged();
    void stringToolTipChanged();

private:
    bool m_editable = true;
    QString m_stringValue;
    QString m_tempValue;
    QString m_toolTip;
};
