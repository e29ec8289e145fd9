#pragma once

#include "LWPropViewModel.h"

// A label and a read-only text from the profile; contributes nothing.
class LWPropLabelLabelViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(QString value READ displayValue NOTIFY valueChanged)

public:
    LWPropLabelLabelViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                              LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override { return QJsonValue(QJsonValue::Null); }
    QString displayValue() const { return m_text; }

signals:
    void valueChanged();

private:
    QString m_text;
};
