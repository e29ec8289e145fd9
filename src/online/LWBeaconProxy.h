#pragma once

#include "LWBeaconBase.h"
#include "LWBeaconnEventParam.h"

#include <QString>

// The usage events as the interface sends them (published as
// "beaconProxy") and as the models report them through LWUsageEvents: one
// operation per kind of event, each carrying the key of what happened.
class LWBeaconProxy : public LWBeaconBase
{
    Q_OBJECT
public:
    // The one the interface uses; tests may make their own.
    static LWBeaconProxy *instance();
    explicit LWBeaconProxy(QObject *parent = nullptr);

    // Makes this object the receiver of LWUsageEvents::report.
    void installAsUsageSink();

    Q_INVOKABLE void triggerOpenStudioEvent(LWBeaconnEventParam::LWBeaconEventParamType p_type);
    Q_INVOKABLE void triggerOpenStudioEvent();
    Q_INVOKABLE void triggerEntryProjectEvent(QString p_name);
    Q_INVOKABLE void triggerLeaveProject(QString p_name);
    Q_INVOKABLE void triggerClickAid(QString p_name);
    Q_INVOKABLE void triggerClickEffect(QString p_name);
    Q_INVOKABLE void triggerEventResource(QString p_name);
    Q_INVOKABLE void triggerServiceEvent(QString p_name);
    Q_INVOKABLE void triggerClickTutorial(QString p_name);
    Q_INVOKABLE void triggerClickPreview(QString p_name);
    // Raised by the makeup feature when a filter is chosen.
    void triggerMakeupFilter(const QString &p_name);

    // A numeric event value: sent as its key under the event of the group
    // the value belongs to. Values outside every group are dropped.
    void report(int value);

private:
    void sendKind(int kindIndex, const QString &value);
};
