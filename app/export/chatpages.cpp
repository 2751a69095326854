#include "chatpages.h"

#include <QtGlobal>

static void initResourcesOnce()
{
    Q_INIT_RESOURCE(chatpages);
}

void initChatPageResources()
{
    static const bool done = (initResourcesOnce(), true);
    Q_UNUSED(done);
}
