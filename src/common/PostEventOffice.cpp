#include "PostEventOffice.h"

LWEditorEventListener::LWEditorEventListener()
{
    PostEventOffice::instance()->addListener(this);
}

LWEditorEventListener::~LWEditorEventListener()
{
    PostEventOffice::instance()->removeListener(this);
}

void PostEventOffice::addListener(LWEditorEventListener *listener)
{
    if (listener && !m_listeners.contains(listener))
        m_listeners.append(listener);
}

void PostEventOffice::removeListener(LWEditorEventListener *listener)
{
    m_listeners.removeAll(listener);
}

void PostEventOffice::sendEvent(LWEditorEventType event, const LWEditorEventData &data)
{
    // A copy: a handler may register or drop listeners while we deliver.
    const auto listeners = m_listeners;
    for (LWEditorEventListener *listener : listeners) {
        if (m_listeners.contains(listener))
            listener->onEditorEvent(event, &data);
    }
}
