// The flow pages' registrations with the main window (see moduleregistry.h).

#include "flowsinit.h"
#include "moduleregistry.h"
#include "recoverfromiosdevicefrm.h"

#include <QCoreApplication>

static void registerDevicePage()
{
    initFlows();
    // The window hands the device service's and the backup manager's
    // signals to the current page itself, queued: the page needs no
    // connections of its own.
    ModuleRegistry::instance()->registerPage(ModuleRegistry::Device, [] { return new RecoverFromiOSDeviceFrm; });
}
Q_COREAPP_STARTUP_FUNCTION(registerDevicePage)
