#include "itunesmobiledevice.h"

#include "resolvesymbol.h"

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
#define QUORLIN_RESOLVE(name) ResolveSymbol(module, #name, name)
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
        ResolveSymbol(module, name, m_uncalled[name]);
    return true;
}
