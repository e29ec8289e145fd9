#pragma once

#include "LWPropViewModel.h"

// A number typed in a spin box. While the author types, the temporary value
// follows and the owner previews it; finishing the edit commits one undo
// step from the value before to the value typed.
class LWPropFloatViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(double floatValue READ floatValue WRITE setFloatValue NOTIFY floatValueChanged)

public:
    using UndoValue = double;

    LWPropFloatViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                         LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override;

    double floatValue() const { return m_floatValue; }
    void setFloatValue(double value);
    double tempValue() const { return m_tempValue; }
    Q_INVOKABLE void setTempValue(double floatValue);

    // Undo commands write through here.
    UndoValue undoValue() const { return m_floatValue; }
    void applyUndoValue(double value);

signals:
    void floatValueChanged(double value);

protected:
    // Takes over a value without an undo step (the scene moved it).
    void followValue(double value);
    virtual void pushCommit(double value);

    double m_floatValue = 0;
    double m_tempValue = 0;
};
