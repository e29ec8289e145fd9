#include "LWBeaconProxy.h"

#include "common/LWUsageEvents.h"

#include <QDebug>
#include <QMutex>
#include <QMutexLocker>

namespace {

// Each group of values travels as one event with one parameter key.
struct EventKind
{
    int first;
    int last;
    const char *event;
    const char *parameterKey;
};

enum KindIndex { Entry, OpenStudio, Aid, Feature, Resource, Service, Leave, Makeup, Tutorial, Preview };

constexpr EventKind kKinds[] = {
    {0, 9, "event_entry_project", "lw_entry_type"},
    {500, 501, "event_open_studio", "lw_open_studio"},
    {1000, 1003, "event_click_aid", "lw_aid_type"},
    {1500, 1514, "event_click_feature", "lw_feature_type"},
    {2000, 2005, "event_resource", "lw_resource_type"},
    {2500, 2504, "event_service", "lw_service_type"},
    {3000, 3002, "event_leave_project", "lw_leave_project"},
    {3500, 3511, "event_makeup_filter", "lw_makeup_filter"},
    {4000, 4003, "event_tutorial", "lw_tutorial"},
    {4500, 4507, "event_preview", "lw_preview"},
};

const EventKind *kindOf(int value)
{
    for (const EventKind &kind : kKinds) {
        if (value >= kind.first && value <= kind.last)
            return &kind;
    }
    return nullptr;
}

} // namespace

LWBeaconProxy *LWBeaconProxy::instance()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    static LWBeaconProxy *object = nullptr;
    if (!object)
        object = new LWBeaconProxy();
    return object;
}

LWBeaconProxy::LWBeaconProxy(QObject *parent)
    : LWBeaconBase(parent)
{
}

void LWBeaconProxy::installAsUsageSink()
{
    LWUsageEvents::setSink([this](int value, int) { report(value); });
}

void LWBeaconProxy::sendKind(int kindIndex, const QString &value)
{
    const EventKind &kind = kKinds[kindIndex];
    sendEvent(QLatin1String(kind.event), QLatin1String(kind.parameterKey), value);
}

void LWBeaconProxy::triggerOpenStudioEvent(LWBeaconnEventParam::LWBeaconEventParamType p_type)
{
    const QString key = LWBeaconnEventParam::keyOf(p_type);
    sendKind(OpenStudio, key.isEmpty() ? QString::number(int(p_type)) : key);
}

void LWBeaconProxy::triggerOpenStudioEvent()
{
    triggerOpenStudioEvent(LWBeaconnEventParam::gsOpenStudioDoubleClick);
}

void LWBeaconProxy::triggerEntryProjectEvent(QString p_name)
{
    sendKind(Entry, p_name.isEmpty() ? LWBeaconnEventParam::keyOf(LWBeaconnEventParam::gsCreateNew) : p_name);
}

void LWBeaconProxy::triggerLeaveProject(QString p_name) { sendKind(Leave, p_name); }
void LWBeaconProxy::triggerClickAid(QString p_name) { sendKind(Aid, p_name); }
void LWBeaconProxy::triggerClickEffect(QString p_name) { sendKind(Feature, p_name); }
void LWBeaconProxy::triggerEventResource(QString p_name) { sendKind(Resource, p_name); }
void LWBeaconProxy::triggerServiceEvent(QString p_name) { sendKind(Service, p_name); }
void LWBeaconProxy::triggerClickTutorial(QString p_name) { sendKind(Tutorial, p_name); }
void LWBeaconProxy::triggerClickPreview(QString p_name) { sendKind(Preview, p_name); }
void LWBeaconProxy::triggerMakeupFilter(const QString &p_name) { sendKind(Makeup, p_name); }

void LWBeaconProxy::report(int value)
{
    const EventKind *kind = kindOf(value);
    const QString key = LWBeaconnEventParam::keyOf(value);
    if (!kind || key.isEmpty()) {
        qDebug() << "usage event" << value << "names no event; dropped";
        return;
    }
    sendKind(int(kind - kKinds), key);
}
