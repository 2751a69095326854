#pragma once

#include "mobiledevice.h"
#include "quorlin.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// Watches normal-mode devices, keeps one CIOSDevice per attached device and
// answers the manager's questions about them.
//
// Two locks: m_mutex serialises notifications and is held across the
// caller's callback; m_listMutex guards m_devices and their records and is
// held only for short copies, so queries never wait for a callback.
class NormalDevice
{
public:
    static NormalDevice &instance();

    bool StartListener(DeviceEventCallback callback, void *ctx, bool supportWifi);

    bool QueryDeviceInfo(IBaseDevice *device, const std::string &key, std::string *out, int *outFlag);
    int CheckDeviceBackupIsEncrypt(IBaseDevice *device, bool *out);
    int CheckFMI(IBaseDevice *device, bool *out);
    bool GetDeviceDiskSize(IBaseDevice *device, const char *key, int64_t *out);
    bool GetAppList(IBaseDevice *device, std::vector<std::string> *out);
    int SetDeviceBackupPasswd(IBaseDevice *device, const std::wstring &oldPassword, const std::wstring &newPassword);

private:
    NormalDevice() = default;

    static void onNotification(AMDeviceNotificationInfo *info, void *context);
    void notify(AMDeviceRef handle, uint32_t message);
    void attach(AMDeviceRef handle);
    void update(AMDeviceRef handle);
    void detach(AMDeviceRef handle);
    void fill(IOSDeviceInfo &record);
    void emit(int event, CIOSDevice *device);

    // A copy of the tracked device's record, found by pointer identity.
    bool lookup(IBaseDevice *device, IOSDeviceInfo *record);
    CIOSDevice *findByHandle(AMDeviceRef handle);

    // Asks a tracked device for one lockdown value of the given type and
    // hands it to `use` while the session is open: 0, or the error code
    // (-1 not tracked, -2 missing, else why the session failed).
    int askValue(IBaseDevice *device, const char *domain, const char *key, CFTypeID type, const char *missing,
                 const std::function<void(CFTypeRef)> &use);

    std::mutex m_mutex;
    DeviceEventCallback m_callback = nullptr;
    void *m_ctx = nullptr;

    std::mutex m_listMutex;
    std::vector<CIOSDevice *> m_devices;
};
