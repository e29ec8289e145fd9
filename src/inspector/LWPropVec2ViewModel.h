#pragma once

#include "LWPropVecViewModel.h"

// A point (x, y). Inside a growable list of points its row can offer removal.
class LWPropVec2ViewModel : public LWPropVecViewModel
{
    Q_OBJECT
    Q_PROPERTY(bool removeButtonVisible READ removeButtonVisible NOTIFY removeButtonVisibleChanged)

public:
    LWPropVec2ViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                        LWQmlViewModel *parent);

    QString qmlPath() const override;
    bool removeButtonVisible() const { return m_removeButtonVisible; }

signals:
    void removeButtonVisibleChanged();

protected:
    void pushCommit(const QList<double> &values) override;

private:
    bool m_removeButtonVisible = false;
};
