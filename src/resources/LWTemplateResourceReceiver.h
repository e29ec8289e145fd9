#pragma once

#include <QStringList>

// What the owner of an effect item implements to take resources that the
// interface imports for it (template resources dropped on a feature). The
// main window controller hands it the ids of the new resources.
class LWTemplateResourceReceiver
{
public:
    virtual ~LWTemplateResourceReceiver() = default;
    virtual void receiveTemplateResources(const QStringList &resourceIds) = 0;
};
