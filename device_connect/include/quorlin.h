#pragma once

// The device-connection library: tells its caller when Apple devices in
// normal, Recovery or DFU mode arrive and leave, and answers questions about
// them. Load it at run time and resolve InitQuorlinMgr; everything else is
// reached through the manager it hands out.
//
// The caller reads the device records below in place, so both sides must be
// built with the same compiler and standard library.

#include <cstdint>
#include <string>
#include <vector>

enum DeviceEvent
{
    DEVICE_CONNECTED = 1,
    DEVICE_TRUSTED = 2,
    DEVICE_REMOVED = 3
};

enum RestorableDeviceEvent
{
    RESTORABLE_DEVICE_ARRIVED = 1,
    RESTORABLE_DEVICE_REMOVED = 2
};

enum DeviceConnectStatus
{
    DEVICE_CONNECT_NORMAL = 0,
    DEVICE_CONNECT_RECOVERY = 1,
    DEVICE_CONNECT_DFU = 2
};

// A device handed to the callback. It stays valid until the callback of its
// removal has returned; the library owns and frees it.
class IBaseDevice
{
public:
    virtual int GetDeviceType() = 0;
    virtual std::wstring GetUniqueDeviceID() = 0;
    virtual std::wstring GetProductVersion() = 0;
    virtual int GetConnectStatus() = 0;

protected:
    ~IBaseDevice() = default;
};

struct IOSDeviceInfo
{
    void *DeviceHandle = nullptr; // the mobile-device library's device
    bool trusted = false;         // paired, and a session with the device started
    uint32_t ProductCode = 0;     // chip id + (board id << 24)
    uint64_t ECID = 0;
    std::wstring UniqueDeviceID;
    std::wstring DeviceName;
    std::wstring ProductVersion;
    std::wstring SerialNumber;
    std::wstring ProductType;
    std::wstring DisplayName; // the model's name
    std::wstring BuildVersion;
    bool isWifi = false;
    int ConnectStatus = DEVICE_CONNECT_NORMAL;
};

// Defined here in full so that a caller that only loads the library at run
// time has the class's type information too.
class CIOSDevice final : public IBaseDevice
{
public:
    explicit CIOSDevice(const IOSDeviceInfo &info) : m_info(info) {}
    int GetDeviceType() override { return 0; }
    std::wstring GetUniqueDeviceID() override { return m_info.UniqueDeviceID; }
    std::wstring GetProductVersion() override { return m_info.ProductVersion; }
    int GetConnectStatus() override { return DEVICE_CONNECT_NORMAL; }

    IOSDeviceInfo m_info;
};

struct RestorableDeviceInfo
{
    void *DeviceHandle = nullptr;
    uint64_t ECID = 0;
    uint32_t ProductCode = 0;
    std::wstring ProductType;
    std::wstring DisplayName;
    int ConnectStatus = DEVICE_CONNECT_NORMAL; // Recovery or DFU
    int Reserved = 0;
};

class CIOSRestorableDevice final : public IBaseDevice
{
public:
    explicit CIOSRestorableDevice(const RestorableDeviceInfo &info) : m_info(info) {}
    int GetDeviceType() override { return 0; }
    std::wstring GetUniqueDeviceID() override { return {}; }
    std::wstring GetProductVersion() override { return {}; }
    int GetConnectStatus() override { return m_info.ConnectStatus; }

    RestorableDeviceInfo m_info;
};

// Called on the listener's thread with the listener's lock held: it must not
// wait for another notification.
typedef void (*DeviceEventCallback)(int event, IBaseDevice *device, void *ctx);

// Integer results: 0 success, -1 a null or unknown device, otherwise the
// device's or the password program's error code.
class IQuorlinManager
{
public:
    // Runs the normal-device listener on the calling thread until its run
    // loop ends; false when the mobile-device library is missing or the
    // subscription failed.
    virtual bool StartListener(DeviceEventCallback callback, void *ctx, bool supportWifi) = 0;
    // Registers the Recovery/DFU listener and returns.
    virtual bool StartRestorableListener(DeviceEventCallback callback, void *ctx) = 0;
    // Strings as UTF-8, numbers in decimal, booleans as "0"/"1". The key
    // "DEBUG" writes all values to "<program folder>/<UDID>.plist" and gives
    // that path. outFlag, when set, receives the session's start code.
    virtual bool QueryDeviceInfo(IBaseDevice *device, std::string key, std::string *outValue, int *outFlag) = 0;
    virtual int CheckDeviceBackupIsEncrypt(IBaseDevice *device, bool *outEncrypted) = 0;
    // ("", new) sets, (old, "") removes, (p, p) verifies the backup password.
    virtual int SetDeviceBackupPasswd(IBaseDevice *device, std::wstring oldPassword, std::wstring newPassword) = 0;
    virtual int CheckFMI(IBaseDevice *device, bool *outOn) = 0;
    // A value of the disk-usage domain, e.g. "TotalDataAvailable" in bytes.
    virtual bool GetDeviceDiskSize(IBaseDevice *device, const char *key, int64_t *outBytes) = 0;
    virtual bool GetAppList(IBaseDevice *device, std::vector<std::string> *outBundleIds) = 0;

protected:
    ~IQuorlinManager() = default;
};

// The process-wide manager; the caller never frees it. False for a null out.
extern "C" __attribute__((visibility("default"))) bool InitQuorlinMgr(IQuorlinManager **out);
