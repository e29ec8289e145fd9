#pragma once

#include "LWSectionViewModel.h"

// A section that contributes its data only while a condition on the owner
// holds (for "uniformDef": the owner's uniform list names this section's
// uniform). The condition is asked of the owner's data source.
class LWSecCheckViewModel : public LWSectionViewModel
{
    Q_OBJECT
    Q_PROPERTY(bool isChecked READ isChecked NOTIFY isCheckedChanged)

public:
    LWSecCheckViewModel(const QJsonValue &component, const QJsonValue &data, const QJsonObject &profile,
                        LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override;
    void notifyChildren(int kinds, const QJsonValue &payload) override;
    bool isChecked() const { return m_isChecked; }
    // Asks the data source again.
    void refreshChecked();

signals:
    void isCheckedChanged(bool checked);

private:
    bool evaluate() const;

    bool m_isChecked = false;
};
