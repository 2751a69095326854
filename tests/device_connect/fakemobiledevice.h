#pragma once

// A scripted stand-in for the mobile-device and CoreFoundation libraries:
// one shared library exporting both sets of functions (see
// platform/mobiledevice/include/mobiledevice.h), plus the controls below.
// Devices live until the process ends, so a stale handle is never freed
// memory. Every call is logged; misuse (an unknown or freed object, a
// session without a connection) is collected in errors().

#include "mobiledevice.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#define FAKEMD_API __attribute__((visibility("default")))

namespace fakemd
{
    struct FAKEMD_API Value
    {
        enum Kind { String, Integer, Real, Boolean, Other } kind = String;
        std::string text;
        int64_t integer = 0;
        double real = 0;
        bool boolean = false;
        CFTypeID otherType = 0;

        static Value string(std::string text);
        static Value number(int64_t value);
        static Value realNumber(double value);
        static Value flag(bool value);
        static Value ofType(CFTypeID type);
    };

    struct DeviceSpec
    {
        std::string identifier; // what AMDeviceCopyDeviceIdentifier gives
        int interfaceType = kAMDeviceInterfaceUSB;
        bool paired = true;
        int connectResult = 0;
        int startSessionResult = 0;
        // Lockdown values under "key" for the global domain, else "domain/key".
        std::map<std::string, Value> values;
        bool allValues = true; // (null, null) gives a dictionary of the global values
        std::vector<std::string> apps;
        bool appsMissing = false;
        int lookupResult = 0;
    };

    struct SessionCounts
    {
        int connects = 0;
        int disconnects = 0;
        int sessions = 0;
        int stops = 0;
        int pairs = 0;
        bool connected = false;
        bool inSession = false;
    };

    FAKEMD_API AMDeviceRef addDevice(const DeviceSpec &spec);
    FAKEMD_API void setPaired(AMDeviceRef device, bool paired);
    // What AMDeviceStartSession answers from now on (a locked phone, or one
    // that no longer accepts the host's pair record).
    FAKEMD_API void setStartSessionResult(AMDeviceRef device, int result);
    FAKEMD_API void setValue(AMDeviceRef device, const std::string &key, const Value &value);
    FAKEMD_API SessionCounts sessionCounts(AMDeviceRef device);

    FAKEMD_API AMRestorableDeviceRef addRestorable(uint64_t ecid, uint32_t productCode, int state);

    // Queued; the thread in CFRunLoopRun delivers them in order. A normal
    // device's notification is dropped when the subscription is USB-only and
    // the device is on the network, as the real library does.
    FAKEMD_API void post(AMDeviceRef device, uint32_t message);
    FAKEMD_API void postRestorable(AMRestorableDeviceRef device, int event);
    // CFRunLoopRun returns once the earlier notifications are delivered.
    FAKEMD_API void stopRunLoop();
    // Until everything queued so far was delivered; false after 10 s.
    FAKEMD_API bool waitIdle();
    // Whether a thread is inside CFRunLoopRun.
    FAKEMD_API bool runLoopRunning();

    // The next `count` subscriptions (registrations) fail with `code`.
    FAKEMD_API void failSubscriptions(int count, int code);
    FAKEMD_API void failRegistrations(int count, int code);
    FAKEMD_API int subscriptions();
    FAKEMD_API unsigned lastUsbOnly();
    FAKEMD_API void failPropertyLists(bool fail);

    FAKEMD_API std::vector<std::string> calls();
    FAKEMD_API void clearCalls();
    FAKEMD_API std::vector<std::string> errors();
    // CoreFoundation objects handed out and not yet released.
    FAKEMD_API int liveObjects();
}
