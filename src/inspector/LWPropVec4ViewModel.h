#pragma once

#include "LWPropVecViewModel.h"

// Four numbers (a rectangle or a colour as numbers).
class LWPropVec4ViewModel : public LWPropVecViewModel
{
    Q_OBJECT

public:
    LWPropVec4ViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                        LWQmlViewModel *parent);

    QString qmlPath() const override;

protected:
    void pushCommit(const QList<double> &values) override;
};
