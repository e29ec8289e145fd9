#pragma once

#include "Singleton.h"

#include <QList>
#include <QObject>
#include <QVariant>

class LWNaviTreeItem;

// Immediate editor events: sent by models and undo commands, applied to the
// tree models by the main window controller.
enum LWEditorEventType {
    LWEditorEventEffectItemRemoved = 0,
    LWEditorEventEffectItemInserted = 1,
    LWEditorEventEffectItemSelect = 2,
    LWEditorEventEffectItemExpand = 3,
    LWEditorEventResourceItemInserted = 4,
    LWEditorEventResourceItemRemoved = 5,
    LWEditorEventSaveProject = 6,
    LWEditorEventFeatureCountsChanged = 7,
};

// Payload records of the immediate events. The item is never owned.
struct LWEditorEventData
{
    LWNaviTreeItem *item = nullptr;
    int row = 0;          // inserted events
    bool withUndo = false; // select event
};

// Queued editor events: deferred to a later turn of the event loop so that
// the tree has caught up with the model first.
enum LWEPEvent {
    ToSelectEffectNaviItem = 0,
    ToExpandEffectNaviItem = 1,
};
Q_DECLARE_METATYPE(LWEPEvent)

class LWEditorEventListener
{
public:
    LWEditorEventListener();
    virtual ~LWEditorEventListener();

    virtual void onEditorEvent(LWEditorEventType event, const LWEditorEventData *data) = 0;
    virtual void onPostedEvent(LWEPEvent event, const QVariant &value) = 0;
};

namespace lwdetail {
// The queued half of the bus: a signal connected to a slot through the event
// loop.
class PostEventRelay : public QObject
{
    Q_OBJECT
signals:
    void PostEvent(LWEPEvent e, QVariant val);
public slots:
    void OnPostEvent(LWEPEvent e, QVariant val);
};
} // namespace lwdetail

class PostEventOffice : public Singleton<PostEventOffice>
{
    friend class Singleton<PostEventOffice>;

public:
    void addListener(LWEditorEventListener *listener);
    void removeListener(LWEditorEventListener *listener);

    // Calls every listener before returning, in registration order.
    void sendEvent(LWEditorEventType event, const LWEditorEventData &data);
    // Calls every listener on a later turn of the event loop.
    void postEvent(LWEPEvent event, const QVariant &value);

private:
    friend class lwdetail::PostEventRelay;
    PostEventOffice();
    void deliverPosted(LWEPEvent event, const QVariant &value);

    QList<LWEditorEventListener *> m_listeners; // not owned
    lwdetail::PostEventRelay *m_relay;          // owned, lives for the run
};
