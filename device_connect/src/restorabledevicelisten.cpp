#include "restorabledevicelisten.h"

#include "devicemodels.h"
#include "itunesloader.h"
#include "itunesmobiledevice.h"
#include "quorlinlog.h"
#include "quorlinutil.h"
#include "retrypause.h"

#include <memory>

namespace
{
    constexpr int kTries = 5;
    void *const kContext = reinterpret_cast<void *>(uintptr_t(0xDEADBEEF));

    const char *stateName(int state)
    {
        switch (state) {
        case kAMRestorableDeviceStateDFU:
            return "DFU";
        case kAMRestorableDeviceStateRecovery:
            return "Recovery";
        case kAMRestorableDeviceStateNormal:
            return "NORMAL";
        default:
            return "UNKNOWN";
        }
    }

    const char *eventName(int event)
    {
        switch (event) {
        case kAMRestorableDeviceEventConnected:
            return "connect";
        case kAMRestorableDeviceEventDisconnected:
            return "disconnect";
        default:
            return "UNKNOWN";
        }
    }
}

CRestorableDeviceListen &CRestorableDeviceListen::instance()
{
    // Never destroyed: notifications may still arrive while the process exits.
    static CRestorableDeviceListen *listener = new CRestorableDeviceListen;
    return *listener;
}

bool CRestorableDeviceListen::StartListener(DeviceEventCallback callback, void *ctx)
{
    if (!CiTunesLoader::instance().Init())
        return false;
    const CiTunesMobileDevice &md = CiTunesMobileDevice::instance();
    if (!md.AMRestorableDeviceRegisterForNotifications || !md.AMRestorableDeviceGetECID
        || !md.AMRestorableDeviceGetProductType || !md.AMRestorableDeviceGetState) {
        QLOG("ERR:CRestorableDeviceListen functions missing");
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_callback = callback;
        m_ctx = ctx;
    }
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        CFErrorRef error = nullptr;
        const int result =
            md.AMRestorableDeviceRegisterForNotifications(&CRestorableDeviceListen::onNotification, kContext, &error);
        if (result >= 0) {
            QLOG("[CRestorableDeviceListen] StartListener Success!");
            return true;
        }
        QLOG("ERR: AMRestorableDeviceRegisterForNotifications fail %d (retryCount:%d)", result, attempt);
        if (attempt < kTries)
            QuorlinRetryPause();
    }
    return false;
}

void CRestorableDeviceListen::onNotification(AMRestorableDeviceRef device, int event, void *)
{
    // Nothing may unwind into the mobile-device library.
    try {
        instance().notify(device, event);
    } catch (...) {
        QLOG("ERR:RestorableDeviceNotification exception!");
    }
}

void CRestorableDeviceListen::notify(AMRestorableDeviceRef handle, int event)
{
    const CiTunesMobileDevice &md = CiTunesMobileDevice::instance();
    const uint64_t ecid = md.AMRestorableDeviceGetECID(handle);
    const uint32_t productCode = md.AMRestorableDeviceGetProductType(handle);
    const int state = md.AMRestorableDeviceGetState(handle);
    QLOG("****[%s]%s!   (ECID = 0x%" PRIX64 ",ProductCode = 0x%X)\n", stateName(state), eventName(event), ecid,
         productCode);

    if (event == kAMRestorableDeviceEventConnected
        && (state == kAMRestorableDeviceStateDFU || state == kAMRestorableDeviceStateRecovery)) {
        RestorableDeviceInfo record;
        record.DeviceHandle = handle;
        record.ECID = ecid;
        record.ProductCode = productCode;
        record.ConnectStatus = state == kAMRestorableDeviceStateRecovery ? DEVICE_CONNECT_RECOVERY : DEVICE_CONNECT_DFU;
        if (const DeviceModelEntry *model = FindDeviceModelByProductCode(productCode)) {
            record.ProductType = QuorlinUtil::AnsiToWString(model->ProductType);
            record.DisplayName = QuorlinUtil::AnsiToWString(model->DisplayName);
        }

        std::lock_guard<std::mutex> lock(m_mutex);
        auto *device = new CIOSRestorableDevice(record);
        // A device seen again under its ECID replaces the old object, which
        // is freed once the caller has the new one.
        std::unique_ptr<CIOSRestorableDevice> replaced;
        CIOSRestorableDevice *&slot = m_devices[ecid];
        replaced.reset(slot);
        slot = device;
        if (m_callback)
            m_callback(RESTORABLE_DEVICE_ARRIVED, device, m_ctx);
    } else if (event == kAMRestorableDeviceEventDisconnected) {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto found = m_devices.begin();
        while (found != m_devices.end() && found->second->m_info.DeviceHandle != handle)
            ++found;
        if (found == m_devices.end()) {
            QLOG("OnRemoveRestorableDevice:%p fail!", static_cast<void *>(handle));
            return;
        }
        std::unique_ptr<CIOSRestorableDevice> device(found->second);
        m_devices.erase(found);
        if (m_callback)
            m_callback(RESTORABLE_DEVICE_REMOVED, device.get(), m_ctx);
    }
}
