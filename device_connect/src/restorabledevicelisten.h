#pragma once

#include "mobiledevice.h"
#include "quorlin.h"

#include <cstdint>
#include <map>
#include <mutex>

// Reports devices in Recovery or DFU mode; devices in normal mode are the
// normal-device listener's.
class CRestorableDeviceListen
{
public:
    static CRestorableDeviceListen &instance();

    bool StartListener(DeviceEventCallback callback, void *ctx);

private:
    CRestorableDeviceListen() = default;

    static void onNotification(AMRestorableDeviceRef device, int event, void *context);
    void notify(AMRestorableDeviceRef handle, int event);

    std::mutex m_mutex; // held across the caller's callback
    DeviceEventCallback m_callback = nullptr;
    void *m_ctx = nullptr;
    std::map<uint64_t, CIOSRestorableDevice *> m_devices; // by ECID
};
