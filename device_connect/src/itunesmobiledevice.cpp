#include "itunesmobiledevice.h"

#include "quorlinlog.h"

#include <dlfcn.h>

namespace
{
    const char *const kUncalled[] = {
        "AMRestorableDeviceRestore", "AMRestorableDeviceCopyDefaultRestoreOptions", "AMDFUModeDeviceGetProductType",
        "AMDFUModeDeviceGetECID", "AMRecoveryModeDeviceGetProductType", "AMRecoveryModeDeviceGetECID",
        "AMRecoveryModeDeviceReboot", "AMRestoreEnableFileLogging", "AMRestoreModeDeviceReboot",
        "AMRecoveryModeDeviceSetAutoBoot", "AMRestoreRegisterForDeviceNotifications", "AMDeviceValidatePairing",
        "AMDeviceCopyValueWithError", "AMDeviceSetValue", "AMDevicePairWithOptions", "AMDeviceSecureStartService",
        "AMDeviceEnterRecovery", "AMDSetLogLevel", "AMRestorableDeviceGetRecoveryModeDevice",
        "AMDeviceSetWirelessBuddyFlags", "AMDeviceGetWirelessBuddyFlags", "AMDServiceConnectionSend",
        "AMDServiceConnectionReceive", "AMDServiceConnectionGetSocket", "AMDServiceConnectionGetSecureIOContext",
        "AMSChangeBackupPassword", "AMSGetBackupPasswordFromKeychainForTarget",
    };

    template <typename Function>
    void resolve(void *module, const char *name, Function &entry)
    {
        entry = reinterpret_cast<Function>(dlsym(module, name));
        if (!entry)
            QLOG("ERR:fail get func address %s", name);
    }
}

CiTunesMobileDevice &CiTunesMobileDevice::instance()
{
    static CiTunesMobileDevice table;
    return table;
}

bool CiTunesMobileDevice::InitFunc(void *module)
{
    if (!module)
        return false;
#define QUORLIN_RESOLVE(name) resolve(module, #name, name)
    QUORLIN_RESOLVE(AMRestorableDeviceRegisterForNotifications);
    QUORLIN_RESOLVE(AMRestorableDeviceGetState);
    QUORLIN_RESOLVE(AMRestorableDeviceGetECID);
    QUORLIN_RESOLVE(AMRestorableDeviceGetProductType);
    QUORLIN_RESOLVE(AMDeviceNotificationSubscribe);
    QUORLIN_RESOLVE(AMDeviceCopyDeviceIdentifier);
    QUORLIN_RESOLVE(AMDeviceGetInterfaceType);
    QUORLIN_RESOLVE(AMDeviceConnect);
    QUORLIN_RESOLVE(AMDeviceStartSession);
    QUORLIN_RESOLVE(AMDeviceStopSession);
    QUORLIN_RESOLVE(AMDeviceDisconnect);
    QUORLIN_RESOLVE(AMDeviceCopyValue);
    QUORLIN_RESOLVE(AMDeviceIsPaired);
    QUORLIN_RESOLVE(AMDevicePair);
    QUORLIN_RESOLVE(AMDeviceLookupApplications);
#undef QUORLIN_RESOLVE
    for (const char *name : kUncalled)
        resolve(module, name, m_uncalled[name]);
    return true;
}
