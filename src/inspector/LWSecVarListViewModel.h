#pragma once

#include "LWSecSplitLineViewModel.h"

// The compact growable list: a split line's behaviour under a lower header
// with a titled add button.
class LWSecVarListViewModel : public LWSecSplitLineViewModel
{
    Q_OBJECT
    Q_PROPERTY(QString addButtonTitle READ addButtonTitle NOTIFY addButtonTitleChanged)

public:
    LWSecVarListViewModel(const QJsonValue &component, const QJsonValue &data, const QJsonObject &profile,
                          LWQmlViewModel *parent);

    QString qmlPath() const override;
    QString addButtonTitle() const { return m_addButtonTitle; }

signals:
    void addButtonTitleChanged();

protected:
    void pushListEdit(const Ptr &item, bool add) override;

private:
    QString m_addButtonTitle;
};
