#include "LWInspectorHub.h"

#include "LWInspectorDialogs.h"
#include "LWInspectorResources.h"

LWInspectorHub::LWInspectorHub()
    : m_resources(std::make_unique<LWInspectorResources>())
    , m_dialogs(std::make_unique<LWInspectorDialogs>())
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

LWInspectorDialogs *LWInspectorHub::dialogs() const
{
    return m_dialogs.get();
}

void LWInspectorHub::setDialogs(std::unique_ptr<LWInspectorDialogs> dialogs)
{
    m_dialogs = dialogs ? std::move(dialogs) : std::make_unique<LWInspectorDialogs>();
}

void LWInspectorHub::announceInspectorDataChanged()
{
    emit inspectorDataChanged();
}
