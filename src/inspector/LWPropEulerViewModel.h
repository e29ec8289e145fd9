#pragma once

#include "LWPropVecViewModel.h"

// A rotation in degrees around x, y and z; committed values only (no preview).
class LWPropEulerViewModel : public LWPropVecViewModel
{
    Q_OBJECT

public:
    LWPropEulerViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                        LWQmlViewModel *parent);

    QString qmlPath() const override;

protected:
    bool reportsTemporary() const override { return false; }
    void pushCommit(const QList<double> &values) override;
};
