#pragma once

#include "LWSectionViewModel.h"

// A plain list of rows, optionally under a thin header; never collapses.
class LWSecListViewModel : public LWSectionViewModel
{
    Q_OBJECT
    Q_PROPERTY(bool headerVisible READ headerVisible NOTIFY headerVisibleChanged)

public:
    LWSecListViewModel(const QJsonValue &component, const QJsonValue &data, const QJsonObject &profile,
                       LWQmlViewModel *parent);

    QString qmlPath() const override;
    int height() const override;
    void removeItem(const Ptr &item) override;
    bool headerVisible() const { return m_headerVisible; }

signals:
    void headerVisibleChanged();

private:
    bool m_headerVisible = false;
};
