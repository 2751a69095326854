// The mobile-device functions over libimobiledevice, libusbmuxd and
// libirecovery. Handles live as long as the process; a call on a device that
// has left fails.

#include "cfvalues.h"
#include "restorablemode.h"

#include <libimobiledevice/installation_proxy.h>
#include <libimobiledevice/libimobiledevice.h>
#include <libimobiledevice/lockdown.h>
#include <libirecovery.h>
#include <usbmuxd.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

struct AMDevice
{
    AMDevice(std::string id, int type) : udid(std::move(id)), interfaceType(type) {}
    const std::string udid;
    const int interfaceType;
    std::recursive_mutex mutex; // one request to the device at a time
    bool attached = false;
    int connections = 0;
    int sessions = 0;
    idevice_t device = nullptr;
    lockdownd_client_t client = nullptr;
    std::string sessionId;
};

struct AMRestorableDevice
{
    uint64_t ecid = 0;
    uint32_t productCode = 0;
    int state = 0;
};

struct AMDeviceNotification
{
    AMDeviceNotificationCallback callback = nullptr;
    void *context = nullptr;
    bool usbOnly = false;
    CFRunLoopRef loop = nullptr;
    usbmuxd_subscription_context_t subscription = nullptr;
};

namespace
{
    constexpr int kNotConnected = -100;
    constexpr int kDetached = -101;
    constexpr int kNoPairRecord = -102;
    constexpr int kBadArgument = -103;
    constexpr const char *kLabel = "quenrow";

    std::mutex g_mutex; // guards the tables below
    // Handles live as long as the process: the tables are never destroyed,
    // so no listener thread meets a freed one at exit.
    auto &g_devices = *new std::map<std::pair<std::string, int>, AMDevice *>;
    auto &g_restorable = *new std::map<uint64_t, AMRestorableDevice *>;
    // The loop of the first normal listener; restorable events wait for it.
    CFRunLoopRef g_listenerLoop = nullptr;
    std::deque<std::function<void()>> g_waitingForLoop;

    AMDevice *deviceFor(const std::string &udid, int interfaceType)
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        AMDevice *&slot = g_devices[{udid, interfaceType}];
        if (!slot)
            slot = new AMDevice(udid, interfaceType);
        return slot;
    }

    void postToListener(std::function<void()> task)
    {
        CFRunLoopRef loop = nullptr;
        {
            std::lock_guard<std::mutex> lock(g_mutex);
            if (!g_listenerLoop) {
                g_waitingForLoop.push_back(std::move(task));
                return;
            }
            loop = g_listenerLoop;
        }
        QuenrowRunLoopPost(loop, std::move(task));
    }

    void closeConnection(AMDevice *device)
    {
        if (device->client) {
            if (!device->sessionId.empty())
                lockdownd_stop_session(device->client, device->sessionId.c_str());
            lockdownd_client_free(device->client);
        }
        if (device->device)
            idevice_free(device->device);
        device->client = nullptr;
        device->device = nullptr;
        device->sessionId.clear();
        device->connections = 0;
        device->sessions = 0;
    }

    // The host's pair record for the device, or null.
    plist_t readPairRecord(const std::string &udid)
    {
        char *data = nullptr;
        uint32_t size = 0;
        if (usbmuxd_read_pair_record(udid.c_str(), &data, &size) != 0 || !data)
            return nullptr;
        plist_t record = nullptr;
        plist_from_memory(data, size, &record);
        free(data);
        return record;
    }

    std::string stringItem(plist_t dictionary, const char *key)
    {
        plist_t node = dictionary ? plist_dict_get_item(dictionary, key) : nullptr;
        if (!node || plist_get_node_type(node) != PLIST_STRING)
            return {};
        // Not plist_get_string_val: libplist aborts on a NUL inside the text.
        uint64_t length = 0;
        const char *text = plist_get_string_ptr(node, &length);
        return text ? std::string(text, strnlen(text, size_t(length))) : std::string();
    }

    std::string textOf(CFStringRef value)
    {
        const char *text = value ? CFStringGetCStringPtr(value, kCFStringEncodingUTF8) : nullptr;
        return text ? text : "";
    }

    void onMuxEvent(const usbmuxd_event_t *event, void *userData)
    {
        auto *notification = static_cast<AMDeviceNotification *>(userData);
        if (!event || !notification)
            return;
        const int interfaceType =
            event->device.conn_type == CONNECTION_TYPE_NETWORK ? kAMDeviceInterfaceNetwork : kAMDeviceInterfaceUSB;
        if (notification->usbOnly && interfaceType != kAMDeviceInterfaceUSB)
            return;
        uint32_t message = 0;
        switch (event->event) {
        case UE_DEVICE_ADD:
            message = kAMDeviceMessageConnected;
            break;
        case UE_DEVICE_REMOVE:
            message = kAMDeviceMessageDisconnected;
            break;
        case UE_DEVICE_PAIRED:
            message = kAMDeviceMessageTrusted;
            break;
        default:
            return;
        }
        AMDevice *device = deviceFor(event->device.udid, interfaceType);
        {
            std::lock_guard<std::recursive_mutex> lock(device->mutex);
            if (message == kAMDeviceMessageConnected)
                device->attached = true;
            else if (message == kAMDeviceMessageDisconnected) {
                device->attached = false;
                if (device->connections == 0)
                    closeConnection(device);
            }
        }
        const AMDeviceNotificationCallback callback = notification->callback;
        void *context = notification->context;
        QuenrowRunLoopPost(notification->loop, [callback, context, device, message] {
            AMDeviceNotificationInfo info {device, message};
            callback(&info, context);
        });
    }

    void onRestorableEvent(const irecv_device_event_t *event, void *userData)
    {
        auto callback = reinterpret_cast<AMRestorableDeviceNotificationCallback>(userData);
        if (!event || !event->device_info || !callback)
            return;
        const irecv_device_info &info = *event->device_info;
        AMRestorableDevice *device = nullptr;
        {
            std::lock_guard<std::mutex> lock(g_mutex);
            AMRestorableDevice *&slot = g_restorable[info.ecid];
            if (!slot)
                slot = new AMRestorableDevice;
            device = slot;
            device->ecid = info.ecid;
            device->productCode = RestorableMode::ProductCode(info.cpid, info.bdid);
            if (event->type == IRECV_DEVICE_ADD)
                device->state = RestorableMode::StateForMode(int(event->mode));
        }
        const int kind = event->type == IRECV_DEVICE_ADD ? kAMRestorableDeviceEventConnected
                                                          : kAMRestorableDeviceEventDisconnected;
        void *context = nullptr;
        postToListener([callback, device, kind, context] { callback(device, kind, context); });
    }

    void configureMuxer()
    {
        static std::once_flag once;
        std::call_once(once, [] {
            // The listener would otherwise wait for a "usbmuxd" socket in
            // /var/run and never see the one the variable names.
            if (std::getenv("USBMUXD_SOCKET_ADDRESS"))
                libusbmuxd_set_use_inotify(0);
        });
    }

    // Connects for one call when nobody holds a connection.
    struct CallConnection
    {
        explicit CallConnection(AMDevice *d) : device(d) { opened = device->connections == 0 && AMDeviceConnect(device) == 0; }
        ~CallConnection()
        {
            if (opened)
                AMDeviceDisconnect(device);
        }
        AMDevice *device;
        bool opened = false;
    };
}

extern "C" {

int AMDeviceNotificationSubscribe(AMDeviceNotificationCallback callback, unsigned int, unsigned int usbOnly,
                                  void *context, AMDeviceNotificationRef *notification)
{
    if (!callback)
        return kBadArgument;
    configureMuxer();
    auto *subscriber = new AMDeviceNotification;
    subscriber->callback = callback;
    subscriber->context = context;
    subscriber->usbOnly = usbOnly == 1;
    subscriber->loop = QuenrowRunLoopAddSource();
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (!g_listenerLoop) {
            g_listenerLoop = subscriber->loop;
            for (auto &task : g_waitingForLoop)
                QuenrowRunLoopPost(g_listenerLoop, std::move(task));
            g_waitingForLoop.clear();
        }
    }
    // Kept for the process's life: unsubscribing reports every device removed.
    const int result = usbmuxd_events_subscribe(&subscriber->subscription, &onMuxEvent, subscriber);
    if (result != 0)
        return result;
    if (notification)
        *notification = subscriber;
    return 0;
}

CFStringRef AMDeviceCopyDeviceIdentifier(AMDeviceRef device)
{
    return device ? CFStringCreateWithCString(kCFAllocatorDefault, device->udid.c_str(), kCFStringEncodingUTF8)
                  : nullptr;
}

int AMDeviceGetInterfaceType(AMDeviceRef device)
{
    return device ? device->interfaceType : 0;
}

int AMDeviceConnect(AMDeviceRef device)
{
    if (!device)
        return kBadArgument;
    std::lock_guard<std::recursive_mutex> lock(device->mutex);
    if (!device->attached)
        return kDetached;
    if (device->connections > 0) {
        ++device->connections;
        return 0;
    }
    const auto lookup =
        device->interfaceType == kAMDeviceInterfaceNetwork ? IDEVICE_LOOKUP_NETWORK : IDEVICE_LOOKUP_USBMUX;
    const idevice_error_t opened = idevice_new_with_options(&device->device, device->udid.c_str(), lookup);
    if (opened != IDEVICE_E_SUCCESS) {
        device->device = nullptr;
        return int(opened);
    }
    // Not the handshake variant: that one pairs by itself.
    const lockdownd_error_t result = lockdownd_client_new(device->device, &device->client, kLabel);
    if (result != LOCKDOWN_E_SUCCESS) {
        device->client = nullptr;
        closeConnection(device);
        return int(result);
    }
    device->connections = 1;
    return 0;
}

int AMDeviceDisconnect(AMDeviceRef device)
{
    if (!device)
        return kBadArgument;
    std::lock_guard<std::recursive_mutex> lock(device->mutex);
    if (device->connections == 0)
        return kNotConnected;
    if (--device->connections == 0)
        closeConnection(device);
    return 0;
}

int AMDeviceIsPaired(AMDeviceRef device)
{
    if (!device)
        return 0;
    std::lock_guard<std::recursive_mutex> lock(device->mutex);
    if (!device->attached)
        return 0;
    plist_t record = readPairRecord(device->udid);
    plist_free(record);
    return record ? 1 : 0;
}

int AMDevicePair(AMDeviceRef device)
{
    if (!device)
        return kBadArgument;
    std::lock_guard<std::recursive_mutex> lock(device->mutex);
    if (!device->attached)
        return kDetached;
    if (!device->client)
        return kNotConnected;
    // Shows the Trust prompt; "pending" is the usual answer until the user taps.
    return int(lockdownd_pair(device->client, nullptr));
}

int AMDeviceStartSession(AMDeviceRef device)
{
    if (!device)
        return kBadArgument;
    std::lock_guard<std::recursive_mutex> lock(device->mutex);
    if (!device->attached)
        return kDetached;
    if (!device->client)
        return kNotConnected;
    if (device->sessions > 0) {
        ++device->sessions;
        return 0;
    }
    plist_t record = readPairRecord(device->udid);
    const std::string hostId = stringItem(record, "HostID");
    plist_free(record);
    if (hostId.empty())
        return kNoPairRecord;
    char *sessionId = nullptr;
    int ssl = 0;
    const lockdownd_error_t result = lockdownd_start_session(device->client, hostId.c_str(), &sessionId, &ssl);
    if (result != LOCKDOWN_E_SUCCESS) {
        free(sessionId);
        return int(result);
    }
    device->sessionId = sessionId ? sessionId : "";
    free(sessionId);
    device->sessions = 1;
    return 0;
}

int AMDeviceStopSession(AMDeviceRef device)
{
    if (!device)
        return kBadArgument;
    std::lock_guard<std::recursive_mutex> lock(device->mutex);
    if (device->sessions == 0)
        return kNotConnected;
    if (--device->sessions == 0 && device->client) {
        lockdownd_stop_session(device->client, device->sessionId.c_str());
        device->sessionId.clear();
    }
    return 0;
}

CFTypeRef AMDeviceCopyValue(AMDeviceRef device, CFStringRef domain, CFStringRef key)
{
    if (!device)
        return nullptr;
    std::lock_guard<std::recursive_mutex> lock(device->mutex);
    if (!device->attached)
        return nullptr;
    CallConnection connection(device);
    if (!device->client)
        return nullptr;
    const std::string domainText = textOf(domain);
    const std::string keyText = textOf(key);
    plist_t value = nullptr;
    if (lockdownd_get_value(device->client, domain ? domainText.c_str() : nullptr, key ? keyText.c_str() : nullptr,
                            &value)
        != LOCKDOWN_E_SUCCESS) {
        plist_free(value);
        return nullptr;
    }
    CFTypeRef result = QuenrowCFCreateFromPlist(value);
    plist_free(value);
    return result;
}

int AMDeviceLookupApplications(AMDeviceRef device, CFDictionaryRef, CFDictionaryRef *applications)
{
    if (!device || !applications)
        return kBadArgument;
    *applications = nullptr;
    std::lock_guard<std::recursive_mutex> lock(device->mutex);
    if (!device->attached)
        return kDetached;
    if (!device->client)
        return kNotConnected;
    lockdownd_service_descriptor_t service = nullptr;
    const lockdownd_error_t started =
        lockdownd_start_service(device->client, "com.apple.mobile.installation_proxy", &service);
    if (started != LOCKDOWN_E_SUCCESS)
        return int(started);
    instproxy_client_t proxy = nullptr;
    const instproxy_error_t created = instproxy_client_new(device->device, service, &proxy);
    lockdownd_service_descriptor_free(service);
    if (created != INSTPROXY_E_SUCCESS)
        return int(created);

    plist_t options = instproxy_client_options_new();
    instproxy_client_options_add(options, "ApplicationType", "Any", nullptr);
    instproxy_client_options_set_return_attributes(options, "CFBundleIdentifier", nullptr);
    plist_t list = nullptr;
    const instproxy_error_t browsed = instproxy_browse(proxy, options, &list);
    instproxy_client_options_free(options);
    instproxy_client_free(proxy);
    if (browsed != INSTPROXY_E_SUCCESS) {
        plist_free(list);
        return int(browsed);
    }

    CFMutableDictionaryRef result = QuenrowCFDictionaryCreateRetaining();
    const uint32_t count = list && plist_get_node_type(list) == PLIST_ARRAY ? plist_array_get_size(list) : 0;
    for (uint32_t i = 0; i < count; ++i) {
        plist_t app = plist_array_get_item(list, i);
        const std::string bundleId = stringItem(app, "CFBundleIdentifier");
        if (bundleId.empty())
            continue;
        CFStringRef name = CFStringCreateWithCString(kCFAllocatorDefault, bundleId.c_str(), kCFStringEncodingUTF8);
        CFTypeRef attributes = QuenrowCFCreateFromPlist(app);
        CFDictionarySetValue(result, name, attributes);
        CFRelease(name);
        CFRelease(attributes);
    }
    plist_free(list);
    *applications = result;
    return 0;
}

int AMRestorableDeviceRegisterForNotifications(AMRestorableDeviceNotificationCallback callback, void *,
                                               CFErrorRef *error)
{
    if (error)
        *error = nullptr;
    if (!callback)
        return kBadArgument;
    static std::mutex once;
    static irecv_device_event_context_t context = nullptr;
    std::lock_guard<std::mutex> lock(once);
    if (context)
        return 0;
    // Without USB access this succeeds and never reports anything.
    const irecv_error_t result =
        irecv_device_event_subscribe(&context, &onRestorableEvent, reinterpret_cast<void *>(callback));
    return result == IRECV_E_SUCCESS ? 0 : -1;
}

uint64_t AMRestorableDeviceGetECID(AMRestorableDeviceRef device)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return device ? device->ecid : 0;
}

uint32_t AMRestorableDeviceGetProductType(AMRestorableDeviceRef device)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return device ? device->productCode : 0;
}

int AMRestorableDeviceGetState(AMRestorableDeviceRef device)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return device ? device->state : 0;
}

// Resolved by callers but never used by them: they fail.
#define QUENROW_FAILS(name) MOBILEDEVICE_API int name(void) { return -1; }
#define QUENROW_NULL(name) MOBILEDEVICE_API void *name(void) { return nullptr; }
QUENROW_FAILS(AMRestorableDeviceRestore)
QUENROW_NULL(AMRestorableDeviceCopyDefaultRestoreOptions)
QUENROW_FAILS(AMDFUModeDeviceGetProductType)
QUENROW_FAILS(AMDFUModeDeviceGetECID)
QUENROW_FAILS(AMRecoveryModeDeviceGetProductType)
QUENROW_FAILS(AMRecoveryModeDeviceGetECID)
QUENROW_FAILS(AMRecoveryModeDeviceReboot)
QUENROW_FAILS(AMRestoreEnableFileLogging)
QUENROW_FAILS(AMRestoreModeDeviceReboot)
QUENROW_FAILS(AMRecoveryModeDeviceSetAutoBoot)
QUENROW_FAILS(AMRestoreRegisterForDeviceNotifications)
QUENROW_FAILS(AMDeviceValidatePairing)
QUENROW_NULL(AMDeviceCopyValueWithError)
QUENROW_FAILS(AMDeviceSetValue)
QUENROW_FAILS(AMDevicePairWithOptions)
QUENROW_FAILS(AMDeviceSecureStartService)
QUENROW_FAILS(AMDeviceEnterRecovery)
QUENROW_FAILS(AMDSetLogLevel)
QUENROW_NULL(AMRestorableDeviceGetRecoveryModeDevice)
QUENROW_FAILS(AMDeviceSetWirelessBuddyFlags)
QUENROW_FAILS(AMDeviceGetWirelessBuddyFlags)
QUENROW_FAILS(AMDServiceConnectionSend)
QUENROW_FAILS(AMDServiceConnectionReceive)
QUENROW_FAILS(AMDServiceConnectionGetSocket)
QUENROW_NULL(AMDServiceConnectionGetSecureIOContext)
QUENROW_FAILS(AMSChangeBackupPassword)
QUENROW_FAILS(AMSGetBackupPasswordFromKeychainForTarget)
#undef QUENROW_FAILS
#undef QUENROW_NULL
}
