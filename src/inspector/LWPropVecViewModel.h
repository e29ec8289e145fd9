#pragma once

#include "LWPropViewModel.h"

#include <QList>
#include <QVariantList>

// A fixed number of spin boxes editing one JSON array of numbers (points,
// rectangles, rotations). Each field previews while typed; finishing a
// field commits the whole array as one undo step.
class LWPropVecViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(QVariantList values READ values WRITE setValues NOTIFY valuesChanged)
    Q_PROPERTY(QVariantList tmpValues READ tmpValues NOTIFY tmpValuesChanged)

public:
    using UndoValue = QList<double>;

    // count: how many numbers the control shows; shorter bound arrays are
    // padded with zeros.
    LWPropVecViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                       LWQmlViewModel *parent, int height, int count);

    QJsonValue value() const override;

    QVariantList values() const;
    void setValues(const QVariantList &values);
    QVariantList tmpValues() const;
    // The view's per-field operations.
    Q_INVOKABLE void setTempValue(int index, double value);
    Q_INVOKABLE void commitValue(int index, double value);
    // Asks the enclosing growable list to remove this row.
    Q_INVOKABLE void removeButtonClicked();

    const QList<double> &committed() const { return m_values; }
    UndoValue undoValue() const { return m_values; }
    void applyUndoValue(const QList<double> &values);

signals:
    void valuesChanged();
    void tmpValuesChanged();

protected:
    // Whether value() reports the numbers being typed or the committed ones.
    virtual bool reportsTemporary() const { return true; }
    virtual void pushCommit(const QList<double> &values) = 0;
    void commit(const QList<double> &values);

    QList<double> m_values;
    QList<double> m_tmpValues;
};
