#pragma once

#include "LWPropViewModel.h"

// A progress bar that only the owner drives (message kind 2, "progress").
class LWPropProgressbarViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)

public:
    LWPropProgressbarViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                               LWQmlViewModel *parent);

    QString qmlPath() const override;
    // Nothing of the owner's: an empty object under the id.
    QJsonValue value() const override;
    void notifyChildren(int kinds, const QJsonValue &payload) override;
    double progress() const { return m_progress; }

signals:
    void progressChanged();

private:
    double m_progress = 0;
};
