#include "shellinit.h"

#include "copyproxy.h"
#include "mobiledeviceconnect.h"

#include <QtGlobal>

// At global scope, as Q_INIT_RESOURCE requires.
static void registerShellResources()
{
    Q_INIT_RESOURCE(quenrow_translations);
}

void initShell()
{
    static const bool done = [] {
        registerShellResources();
        // The export copies from the device the connection service has
        // current; the shell alone knows both.
        CopyProxy::setDeviceIdProvider([] {
            const MobileDeviceConnect *devices = MobileDeviceConnect::instance();
            return devices ? devices->currentUniqueDeviceID() : QString();
        });
        return true;
    }();
    Q_UNUSED(done);
}
