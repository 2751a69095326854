#pragma once

#include "mobiledevice.h"

#include <map>
#include <string>

// The mobile-device library's entry points, resolved by name. An entry whose
// name was not found stays null and must not be called.
class CiTunesMobileDevice
{
public:
    static CiTunesMobileDevice &instance();

    // False only without a module; missing names are logged and left null.
    bool InitFunc(void *module);

    decltype(&::AMRestorableDeviceRegisterForNotifications) AMRestorableDeviceRegisterForNotifications = nullptr;
    decltype(&::AMRestorableDeviceGetState) AMRestorableDeviceGetState = nullptr;
    decltype(&::AMRestorableDeviceGetECID) AMRestorableDeviceGetECID = nullptr;
    decltype(&::AMRestorableDeviceGetProductType) AMRestorableDeviceGetProductType = nullptr;
    decltype(&::AMDeviceNotificationSubscribe) AMDeviceNotificationSubscribe = nullptr;
    decltype(&::AMDeviceCopyDeviceIdentifier) AMDeviceCopyDeviceIdentifier = nullptr;
    decltype(&::AMDeviceGetInterfaceType) AMDeviceGetInterfaceType = nullptr;
    decltype(&::AMDeviceConnect) AMDeviceConnect = nullptr;
    decltype(&::AMDeviceStartSession) AMDeviceStartSession = nullptr;
    decltype(&::AMDeviceStopSession) AMDeviceStopSession = nullptr;
    decltype(&::AMDeviceDisconnect) AMDeviceDisconnect = nullptr;
    decltype(&::AMDeviceCopyValue) AMDeviceCopyValue = nullptr;
    decltype(&::AMDeviceIsPaired) AMDeviceIsPaired = nullptr;
    decltype(&::AMDevicePair) AMDevicePair = nullptr;
    decltype(&::AMDeviceLookupApplications) AMDeviceLookupApplications = nullptr;

    // Names resolved for completeness but never called.
    std::map<std::string, void *> m_uncalled;
};
