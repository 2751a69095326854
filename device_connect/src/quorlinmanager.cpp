#include "quorlinmanager.h"

#include "normaldevice.h"
#include "quorlinlog.h"
#include "restorabledevicelisten.h"

#include <mutex>

namespace
{
    // A null out-pointer is refused like a null device.
    bool refused(const void *device, const void *out, const char *operation)
    {
        if (!device) {
            QLOG("ERR:[%s] device == nullptr", operation);
            return true;
        }
        if (!out) {
            QLOG("ERR:[%s] out == nullptr", operation);
            return true;
        }
        return false;
    }
}

CQuorlinManager &CQuorlinManager::instance()
{
    static CQuorlinManager manager;
    return manager;
}

CQuorlinManager::~CQuorlinManager()
{
    QLOG("~CQuorlinManager");
}

bool CQuorlinManager::StartListener(DeviceEventCallback callback, void *ctx, bool supportWifi)
{
    return NormalDevice::instance().StartListener(callback, ctx, supportWifi);
}

bool CQuorlinManager::StartRestorableListener(DeviceEventCallback callback, void *ctx)
{
    return CRestorableDeviceListen::instance().StartListener(callback, ctx);
}

bool CQuorlinManager::QueryDeviceInfo(IBaseDevice *device, std::string key, std::string *outValue, int *outFlag)
{
    if (refused(device, outValue, "CQuorlinManager::QueryDeviceInfo"))
        return false;
    return NormalDevice::instance().QueryDeviceInfo(device, key, outValue, outFlag);
}

int CQuorlinManager::CheckDeviceBackupIsEncrypt(IBaseDevice *device, bool *outEncrypted)
{
    if (refused(device, outEncrypted, "CQuorlinManager::CheckDeviceBackupIsEncrypt"))
        return -1;
    QLOG("CheckDeviceBackupIsEncrypt...");
    const int result = NormalDevice::instance().CheckDeviceBackupIsEncrypt(device, outEncrypted);
    if (result == 0)
        QLOG("CheckDeviceBackupIsEncrypt = %s", *outEncrypted ? "YES" : "NO");
    else
        QLOG("ERR:CheckDeviceBackupIsEncrypt fail! %d", result);
    return result;
}

int CQuorlinManager::SetDeviceBackupPasswd(IBaseDevice *device, std::wstring oldPassword, std::wstring newPassword)
{
    if (!device) {
        QLOG("ERR:[%s] device == nullptr", "CQuorlinManager::SetDeviceBackupPasswd");
        return -1;
    }
    QLOG("SetDeviceBackupPasswd...");
    const int result = NormalDevice::instance().SetDeviceBackupPasswd(device, oldPassword, newPassword);
    if (result == 0)
        QLOG("SetDeviceBackupPasswd SUCCESS!");
    else
        QLOG("ERR:SetDeviceBackupPasswd fail! %d", result);
    return result;
}

int CQuorlinManager::CheckFMI(IBaseDevice *device, bool *outOn)
{
    if (refused(device, outOn, "CQuorlinManager::CheckFMI"))
        return -1;
    QLOG("CheckFMI...");
    const int result = NormalDevice::instance().CheckFMI(device, outOn);
    if (result == 0)
        QLOG("CheckFMI:%s", *outOn ? "ON" : "OFF");
    else
        QLOG("ERR:CheckFMI fail! %d", result);
    return result;
}

bool CQuorlinManager::GetDeviceDiskSize(IBaseDevice *device, const char *key, int64_t *outBytes)
{
    if (!device || !key || !*key || !outBytes) {
        QLOG("ERR:GetDeviceDiskSize param invalid!");
        return false;
    }
    if (NormalDevice::instance().GetDeviceDiskSize(device, key, outBytes)) {
        QLOG("GetDeviceDiskSize: %s = %" PRId64 "M", key, *outBytes / 1024 / 1024);
        return true;
    }
    QLOG("ERR:GetDeviceDiskSize: %s fail", key);
    return false;
}

bool CQuorlinManager::GetAppList(IBaseDevice *device, std::vector<std::string> *outBundleIds)
{
    if (outBundleIds)
        outBundleIds->clear();
    if (refused(device, outBundleIds, "CQuorlinManager::GetAppList"))
        return false;
    if (NormalDevice::instance().GetAppList(device, outBundleIds)) {
        QLOG("GetAppList: count = %d", int(outBundleIds->size()));
        return true;
    }
    QLOG("ERR:GetAppList fail!");
    return false;
}

extern "C" bool InitQuorlinMgr(IQuorlinManager **out)
{
    static std::once_flag opened;
    std::call_once(opened, [] { InitSpdLogA("QuorlinMac.log", nullptr); });
    QLOG("InitQuorlinMgr...");
    if (!out)
        return false;
    *out = &CQuorlinManager::instance();
    return true;
}
