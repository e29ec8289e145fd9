#include "LWInspectorHub.h"

#include "LWInspectorResources.h"

LWInspectorHub::LWInspectorHub()
    : m_resources(std::make_unique<LWInspectorResources>())
{
}

LWInspectorHub::~LWInspectorHub() = default;

LWInspectorResources *LWInspectorHub::resources() const
{
    return m_resources.get();
}

void LWInspectorHub::setResources(std::unique_ptr<LWInspectorResources> resources)
{
    m_resources = resources ? std::move(resources) : std::make_unique<LWInspectorResources>();
    emit resourceModelDataChanged(8);
}

void LWInspectorHub::announceInspectorDataChanged()
{
    emit inspectorDataChanged();
}
