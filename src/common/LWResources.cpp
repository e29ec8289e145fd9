#include "LWResources.h"

#include <QtGlobal>

static void initAll()
{
    Q_INIT_RESOURCE(lwqml);
    Q_INIT_RESOURCE(lwassets);
    Q_INIT_RESOURCE(lwprofiles);
    Q_INIT_RESOURCE(lwtranslations);
    Q_INIT_RESOURCE(lwhelper);
}

void lwInitResources()
{
    static const bool done = (initAll(), true);
    Q_UNUSED(done);
}
