#include "PostEventOffice.h"

LWEditorEventListener::LWEditorEventListener()
{
    PostEventOffice::instance()->addListener(this);
}

LWEditorEventListener::~LWEditorEventListener()
{
    PostEventOffice::instance()->removeListener(this);
}

void lwdetail::PostEventRelay::OnPostEvent(LWEPEvent e, QVariant val)
{
    PostEventOffice::instance()->deliverPosted(e, val);
}

PostEventOffice::PostEventOffice()
    : m_relay(new lwdetail::PostEventRelay)
{
    qRegisterMetaType<LWEPEvent>("LWEPEvent");
    QObject::connect(m_relay, &lwdetail::PostEventRelay::PostEvent, m_relay,
                     &lwdetail::PostEventRelay::OnPostEvent, Qt::QueuedConnection);
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

void PostEventOffice::postEvent(LWEPEvent event, const QVariant &value)
{
    emit m_relay->PostEvent(event, value);
}

void PostEventOffice::deliverPosted(LWEPEvent event, const QVariant &value)
{
    const auto listeners = m_listeners;
    for (LWEditorEventListener *listener : listeners) {
        if (m_listeners.contains(listener))
            listener->onPostedEvent(event, value);
    }
}
