#pragma once

#include "LWPropViewModel.h"

// A fixed text beside the label (a feature's type, for example).
class LWPropLabelViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(QString label READ label NOTIFY labelChanged)

public:
    LWPropLabelViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                         LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override { return m_label; }
    QString label() const { return m_label; }

signals:
    void labelChanged();

private:
    QString m_label;
};
