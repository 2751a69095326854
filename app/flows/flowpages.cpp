// The flow pages' registrations with the main window (see moduleregistry.h).

#include "flowsinit.h"

#include <QCoreApplication>

static void registerFlowPages()
{
    initFlows();
}
Q_COREAPP_STARTUP_FUNCTION(registerFlowPages)
