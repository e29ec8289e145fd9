#pragma once

#include "LWPropViewModel.h"

// A label with a push button; each click counts up clickValue, which the
// owner reads as a request (no undo step: nothing in the data changes but
// the counter).
class LWPropLabelButtonViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(int clickValue READ clickValue NOTIFY clickValueChanged)
    Q_PROPERTY(QString buttonText READ buttonText NOTIFY buttonTextChanged)
    Q_PROPERTY(QString label READ label NOTIFY labelChanged)

public:
    LWPropLabelButtonViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                               LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override { return m_clickValue; }

    int clickValue() const { return m_clickValue; }
    QString buttonText() const { return m_buttonText; }
    QString label() const { return m_name; }
    Q_INVOKABLE void clicked();

signals:
    void clickValueChanged();
    void buttonTextChanged();
    void labelChanged();

private:
    int m_clickValue = 0;
    QString m_buttonText;
};
