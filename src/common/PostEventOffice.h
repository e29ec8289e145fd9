#pragma once

#include "Singleton.h"

#include <QList>

class LWNaviTreeItem;

// Editor events: sent by models to whoever listens (the main window
// controller), delivered at once. Trees announce their own changes
// (LWNaviTreeChange); what travels here is what no tree shows.
enum LWEditorEventType {
    LWEditorEventSaveProject = 6,
    LWEditorEventFeatureCountsChanged = 7,
};

// Payload record of an event. The item is never owned.
struct LWEditorEventData
{
    LWNaviTreeItem *item = nullptr;
};

class LWEditorEventListener
{
public:
    LWEditorEventListener();
    virtual ~LWEditorEventListener();

    virtual void onEditorEvent(LWEditorEventType event, const LWEditorEventData *data) = 0;
};

class PostEventOffice : public Singleton<PostEventOffice>
{
    friend class Singleton<PostEventOffice>;

public:
    void addListener(LWEditorEventListener *listener);
    void removeListener(LWEditorEventListener *listener);

    // Calls every listener before returning, in registration order.
    void sendEvent(LWEditorEventType event, const LWEditorEventData &data = {});

private:
    PostEventOffice() = default;

    QList<LWEditorEventListener *> m_listeners; // not owned
};
