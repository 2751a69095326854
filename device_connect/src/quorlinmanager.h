#pragma once

#include "quorlin.h"

// The one manager of the process: checks arguments, logs, and hands each
// operation to the listener it belongs to.
class CQuorlinManager final : public IQuorlinManager
{
public:
    static CQuorlinManager &instance();

    bool StartListener(DeviceEventCallback callback, void *ctx, bool supportWifi) override;
    bool StartRestorableListener(DeviceEventCallback callback, void *ctx) override;
    bool QueryDeviceInfo(IBaseDevice *device, std::string key, std::string *outValue, int *outFlag) override;
    int CheckDeviceBackupIsEncrypt(IBaseDevice *device, bool *outEncrypted) override;
    int SetDeviceBackupPasswd(IBaseDevice *device, std::wstring oldPassword, std::wstring newPassword) override;
    int CheckFMI(IBaseDevice *device, bool *outOn) override;
    bool GetDeviceDiskSize(IBaseDevice *device, const char *key, int64_t *outBytes) override;
    bool GetAppList(IBaseDevice *device, std::vector<std::string> *outBundleIds) override;

private:
    CQuorlinManager() = default;
    ~CQuorlinManager();
};
