#include "normaldevice.h"

#include "cfhelper.h"
#include "corefoundation.h"
#include "devicemodels.h"
#include "itunesloader.h"
#include "itunesmobiledevice.h"
#include "processrunner.h"
#include "quorlinlog.h"
#include "quorlinutil.h"
#include "retrypause.h"
#include "startsession.h"

#include <algorithm>
#include <exception>
#include <functional>

namespace
{
    constexpr int kTries = 5;
    constexpr int kNotFound = -1;
    constexpr int kValueMissing = -2;
    constexpr int kNoProgram = -2;
    constexpr int kCannotStart = -3;

    const CiTunesMobileDevice &md()
    {
        return CiTunesMobileDevice::instance();
    }

    const CCoreFoundation &cf()
    {
        return CCoreFoundation::instance();
    }

    // What the listener and every query need of the two libraries.
    bool haveCoreFunctions()
    {
        return md().AMDeviceNotificationSubscribe && md().AMDeviceCopyDeviceIdentifier && md().AMDeviceGetInterfaceType
               && md().AMDeviceConnect && md().AMDeviceIsPaired && md().AMDeviceStartSession
               && md().AMDeviceStopSession && md().AMDeviceDisconnect && md().AMDeviceCopyValue && cf().CFRunLoopRun
               && cf().CFGetTypeID && cf().CFRelease && cf().CFStringCreateWithCString && cf().CFStringGetCString
               && cf().CFNumberGetValue;
    }

    // A lockdown value, domain and key given as text (null for none).
    CFTypeRef copyValue(AMDeviceRef handle, const char *domain, const char *key)
    {
        const CFRef domainText(domain ? CFHelper::CreateString(domain) : nullptr);
        const CFRef keyText(key ? CFHelper::CreateString(key) : nullptr);
        return md().AMDeviceCopyValue(handle, static_cast<CFStringRef>(domainText.get()),
                                      static_cast<CFStringRef>(keyText.get()));
    }

    std::string copyText(AMDeviceRef handle, const char *key)
    {
        const CFRef value(copyValue(handle, nullptr, key));
        return CFHelper::ToString(value.get());
    }

    std::string deviceIdentifier(AMDeviceRef handle)
    {
        const CFRef udid(md().AMDeviceCopyDeviceIdentifier(handle));
        return CFHelper::ToString(udid.get());
    }

    // Only these characters go into a file name.
    bool isSafeUdid(const std::string &udid)
    {
        return !udid.empty() && std::all_of(udid.begin(), udid.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == '-';
        });
    }

    std::string valueAsText(CFTypeRef value)
    {
        const CFTypeID type = CFHelper::TypeOf(value);
        switch (type) {
        case kQuenrowCFStringTypeID:
            return CFHelper::ToString(value);
        case kQuenrowCFNumberTypeID:
            return std::to_string(CFHelper::ToInt64(value));
        case kQuenrowCFBooleanTypeID:
            return CFHelper::ToBool(value) ? "1" : "0";
        default:
            return "unknowtype_" + std::to_string(type);
        }
    }

    std::string passwordProgram()
    {
        const std::string folder = QuorlinUtil::GetModuleDir();
        const std::string beside = folder + "/idevicebackup2";
        if (QuorlinUtil::IsRegularFile(beside))
            return beside;
        const std::string inFolder = folder + "/idevicebackup2/idevicebackup2";
        if (QuorlinUtil::IsRegularFile(inFolder))
            return inFolder;
        QLOG("ERR:[%s] file not exist!", inFolder.c_str());
        return {};
    }
}

NormalDevice &NormalDevice::instance()
{
    // Never destroyed: the listener's thread may still be in the run loop
    // while the process exits.
    static NormalDevice *listener = new NormalDevice;
    return *listener;
}

bool NormalDevice::StartListener(DeviceEventCallback callback, void *ctx, bool supportWifi)
{
    if (!CiTunesLoader::instance().Init())
        return false;
    if (!haveCoreFunctions()) {
        QLOG("ERR:NormalDevice::StartListener mobile-device functions missing");
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_callback = callback;
        m_ctx = ctx;
    }
    QLOG("isSupportWifi:%d", supportWifi ? 1 : 0);

    bool subscribed = false;
    for (int attempt = 1; attempt <= kTries && !subscribed; ++attempt) {
        AMDeviceNotificationRef notification = nullptr;
        const int result =
            md().AMDeviceNotificationSubscribe(&NormalDevice::onNotification, 0, supportWifi ? 0 : 1, this, &notification);
        if (result == 0) {
            QLOG("SUCCESS AMDeviceNotificationSubscribe! ");
            subscribed = true;
        } else {
            QLOG("ERR: AMDeviceNotificationSubscribe fail %d (retryCount:%d)", result, attempt);
            if (attempt < kTries)
                QuorlinRetryPause();
        }
    }
    if (!subscribed)
        return false;

    cf().CFRunLoopRun();
    QLOG("NormalDevice::StartListener Success!");
    return true;
}

void NormalDevice::onNotification(AMDeviceNotificationInfo *info, void *context)
{
    if (!info || !context)
        return;
    static_cast<NormalDevice *>(context)->notify(info->device, info->message);
}

void NormalDevice::notify(AMDeviceRef handle, uint32_t message)
{
    try {
        const std::string udid = deviceIdentifier(handle);
        switch (message) {
        case kAMDeviceMessageConnected:
            QLOG("[DeviceNotification][Connect]:%s ", udid.c_str());
            attach(handle);
            break;
        case kAMDeviceMessageDisconnected:
            QLOG("[DeviceNotification][DisConnect]:%s \n", udid.c_str());
            detach(handle);
            break;
        case kAMDeviceMessageTrusted:
            QLOG("[DeviceNotification][Trust]:%s \n", udid.c_str());
            update(handle);
            break;
        default:
            QLOG("[DeviceNotification]:Unknown_%d:%s ", int(message), udid.c_str());
            break;
        }
    } catch (const std::exception &e) {
        // Nothing may unwind into the mobile-device library.
        QLOG("ERR:DeviceNotification exception! %s", e.what());
    } catch (...) {
        QLOG("ERR:DeviceNotification exception!");
    }
}

void NormalDevice::emit(int event, CIOSDevice *device)
{
    if (m_callback)
        m_callback(event, device, m_ctx);
}

CIOSDevice *NormalDevice::findByHandle(AMDeviceRef handle)
{
    for (CIOSDevice *device : m_devices) {
        if (device->m_info.DeviceHandle == handle)
            return device;
    }
    return nullptr;
}

void NormalDevice::attach(AMDeviceRef handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    IOSDeviceInfo record;
    record.DeviceHandle = handle;
    fill(record);
    auto *device = new CIOSDevice(record);
    {
        std::lock_guard<std::mutex> list(m_listMutex);
        m_devices.push_back(device);
    }
    emit(DEVICE_CONNECTED, device);
    if (record.trusted)
        emit(DEVICE_TRUSTED, device);
}

void NormalDevice::update(AMDeviceRef handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    IOSDeviceInfo record;
    CIOSDevice *device = nullptr;
    {
        std::lock_guard<std::mutex> list(m_listMutex);
        device = findByHandle(handle);
        if (device)
            record = device->m_info;
    }
    if (!device) {
        QLOG("WARN:OnUpdateDevice FAIL!");
        return;
    }
    fill(record);
    {
        // Only this thread adds or removes devices, so `device` is still listed.
        std::lock_guard<std::mutex> list(m_listMutex);
        device->m_info = record;
    }
    if (record.trusted)
        emit(DEVICE_TRUSTED, device);
}

void NormalDevice::detach(AMDeviceRef handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    CIOSDevice *device = nullptr;
    {
        std::lock_guard<std::mutex> list(m_listMutex);
        device = findByHandle(handle);
        if (device)
            m_devices.erase(std::find(m_devices.begin(), m_devices.end(), device));
    }
    if (!device)
        return;
    // Unlisted first: a query racing the removal finds nothing instead of a
    // device about to be freed.
    emit(DEVICE_REMOVED, device);
    delete device;
}

void NormalDevice::fill(IOSDeviceInfo &record)
{
    const auto handle = static_cast<AMDeviceRef>(record.DeviceHandle);
    CStartSession session(handle);
    // A pair record alone is no trust: the phone may have revoked it or be
    // locked, and then nothing can be asked of it.
    const bool sessionStarted = session.Start();
    record.trusted = session.paired() && sessionStarted;
    record.isWifi = md().AMDeviceGetInterfaceType(handle) == kAMDeviceInterfaceNetwork;

    const std::string udid = copyText(handle, "UniqueDeviceID");
    const std::string name = copyText(handle, "DeviceName");
    const std::string version = copyText(handle, "ProductVersion");
    const std::string serial = copyText(handle, "SerialNumber");
    const std::string type = copyText(handle, "ProductType");
    const std::string build = copyText(handle, "BuildVersion");
    {
        const CFRef chip(copyValue(handle, nullptr, "UniqueChipID"));
        record.ECID = uint64_t(CFHelper::ToInt64(chip.get()));
    }

    if (const DeviceModelEntry *model = FindDeviceModelByProductType(type)) {
        record.DisplayName = QuorlinUtil::AnsiToWString(model->DisplayName);
        const uint32_t computed = DeviceModelProductCode(*model);
        if (record.ProductCode == 0)
            record.ProductCode = computed;
        else if (record.ProductCode != computed)
            QLOG("ERR:ProductCode may calc fail,0x%x != 0x%x\n", record.ProductCode, computed);
    }

    record.DeviceName = QuorlinUtil::Utf8ToWString(name);
    record.UniqueDeviceID = QuorlinUtil::AnsiToWString(udid);
    record.ProductVersion = QuorlinUtil::AnsiToWString(version);
    record.SerialNumber = QuorlinUtil::AnsiToWString(serial);
    record.ProductType = QuorlinUtil::AnsiToWString(type);
    record.BuildVersion = QuorlinUtil::AnsiToWString(build);

    QLOG("DEVICE %s", record.trusted ? "Trust" : "Not Trust");
    QLOG("UniqueDeviceID = %s", udid.c_str());
    QLOG("DeviceName = %s", name.c_str());
    QLOG("ProductVersion = %s", version.c_str());
    QLOG("SerialNumber = %s", serial.c_str());
    QLOG("ProductType = %s", type.c_str());
    QLOG("DisplayName = %s", QuorlinUtil::WStringToAnsi(record.DisplayName).c_str());
    QLOG("BuildVersion = %s", build.c_str());
    QLOG("ECID = %" PRIu64, record.ECID);
}

bool NormalDevice::lookup(IBaseDevice *device, IOSDeviceInfo *record)
{
    std::lock_guard<std::mutex> list(m_listMutex);
    for (CIOSDevice *tracked : m_devices) {
        if (tracked == device) {
            *record = tracked->m_info;
            return true;
        }
    }
    return false;
}

bool NormalDevice::QueryDeviceInfo(IBaseDevice *device, const std::string &key, std::string *out, int *outFlag)
{
    out->clear();
    QLOG("QueryDeviceInfo:%s...", key.c_str());
    try {
        IOSDeviceInfo record;
        if (!lookup(device, &record)) {
            QLOG("ERR:QueryDeviceInfo fail,not find device");
            return false;
        }
        const auto handle = static_cast<AMDeviceRef>(record.DeviceHandle);
        CStartSession session(handle);
        session.Start();
        if (outFlag)
            *outFlag = session.startSessionResult();

        if (key == "DEBUG") {
            const std::string udid = QuorlinUtil::WStringToAnsi(record.UniqueDeviceID);
            const CFRef all(md().AMDeviceCopyValue(handle, nullptr, nullptr));
            const std::string xml = CFHelper::ToXml(all.get());
            if (all && !xml.empty()) {
                if (!isSafeUdid(udid)) {
                    QLOG("ERR:QueryDeviceInfo DEBUG, unusable UniqueDeviceID %s", udid.c_str());
                    return false;
                }
                const std::string path = QuorlinUtil::GetModuleDir() + "/" + udid + ".plist";
                if (!QuorlinUtil::WriteDataToFile(path, xml.data(), xml.size())) {
                    QLOG("ERR:QueryDeviceInfo DEBUG, cannot write %s", path.c_str());
                    return false;
                }
                *out = path;
                return true;
            }
        }

        const CFRef value(copyValue(handle, nullptr, key.c_str()));
        if (!value) {
            QLOG("ERR:QueryDeviceInfo fail,AMDeviceCopyValue = null!");
            return false;
        }
        *out = valueAsText(value.get());
        return true;
    } catch (const std::exception &) {
        QLOG("ERR:QueryDeviceInfo exception!");
        out->clear();
        return false;
    }
}

int NormalDevice::askValue(IBaseDevice *device, const char *domain, const char *key, CFTypeID type,
                           const char *missing, const std::function<void(CFTypeRef)> &use)
{
    IOSDeviceInfo record;
    if (!lookup(device, &record)) {
        QLOG("ERR:not find device");
        return kNotFound;
    }
    const auto handle = static_cast<AMDeviceRef>(record.DeviceHandle);
    CStartSession session(handle);
    if (!session.Start()) {
        QLOG("ERR:fail start session! (perhaps you not trust device)");
        return session.failureCode();
    }
    const CFRef value(copyValue(handle, domain, key));
    if (!value || CFHelper::TypeOf(value.get()) != type) {
        QLOG("%s", missing);
        return kValueMissing;
    }
    use(value.get());
    return 0;
}

int NormalDevice::CheckDeviceBackupIsEncrypt(IBaseDevice *device, bool *out)
{
    return askValue(device, "com.apple.mobile.backup", "WillEncrypt", kQuenrowCFBooleanTypeID,
                    "ERR:QueryDeviceInfo fail,AMDeviceCopyValue = null!",
                    [out](CFTypeRef value) { *out = CFHelper::ToBool(value); });
}

int NormalDevice::CheckFMI(IBaseDevice *device, bool *out)
{
    return askValue(device, "com.apple.fmip", "IsAssociated", kQuenrowCFBooleanTypeID,
                    "ERR:AMDeviceCopyValue fail,AMDeviceCopyValue = null!", [out](CFTypeRef value) {
                        if (cf().CFShow)
                            cf().CFShow(value);
                        *out = CFHelper::ToBool(value);
                    });
}

bool NormalDevice::GetDeviceDiskSize(IBaseDevice *device, const char *key, int64_t *out)
{
    return askValue(device, "com.apple.disk_usage", key, kQuenrowCFNumberTypeID,
                    "ERR:AMDeviceCopyValue fail,AMDeviceCopyValue = null!",
                    [out](CFTypeRef value) { *out = CFHelper::ToInt64(value); })
           == 0;
}

bool NormalDevice::GetAppList(IBaseDevice *device, std::vector<std::string> *out)
{
    IOSDeviceInfo record;
    if (!lookup(device, &record)) {
        QLOG("ERR:not find device");
        return false;
    }
    if (!md().AMDeviceLookupApplications || !cf().CFDictionaryCreateMutable || !cf().CFDictionarySetValue
        || !cf().CFDictionaryGetCount || !cf().CFDictionaryGetKeysAndValues) {
        QLOG("ERR:GetAppList functions missing");
        return false;
    }
    const auto handle = static_cast<AMDeviceRef>(record.DeviceHandle);
    CStartSession session(handle);
    if (!session.Start())
        QLOG("ERR:fail start session! (perhaps you not trust device)");

    CFDictionaryRef apps = nullptr;
    int result = 0;
    {
        // The dictionary is made without callbacks and does not retain its
        // entries: they are released after it.
        const CFRef attributeKey(CFHelper::CreateString("ReturnAttributes"));
        const CFRef attributeValue(CFHelper::CreateString("CFBundleIdentifier"));
        const CFRef options(cf().CFDictionaryCreateMutable(cf().defaultAllocator(), 0, nullptr, nullptr));
        if (!options)
            return false;
        auto *mutableOptions = static_cast<CFMutableDictionaryRef>(const_cast<void *>(options.get()));
        cf().CFDictionarySetValue(mutableOptions, attributeKey.get(), attributeValue.get());
        result = md().AMDeviceLookupApplications(handle, static_cast<CFDictionaryRef>(options.get()), &apps);
    }
    QLOG("AMDeviceLookupApplications nRet %d", result);
    const CFRef owned(apps);
    if (!apps)
        return false;
    const CFIndex count = cf().CFDictionaryGetCount(apps);
    if (count > 0) {
        std::vector<const void *> keys(size_t(count), nullptr);
        std::vector<const void *> values(size_t(count), nullptr);
        cf().CFDictionaryGetKeysAndValues(apps, keys.data(), values.data());
        for (const void *key : keys) {
            if (CFHelper::TypeOf(key) == kQuenrowCFStringTypeID)
                out->push_back(CFHelper::ToString(key));
        }
    }
    return true;
}

int NormalDevice::SetDeviceBackupPasswd(IBaseDevice *device, const std::wstring &oldPassword,
                                        const std::wstring &newPassword)
{
    IOSDeviceInfo record;
    if (!lookup(device, &record)) {
        QLOG("ERR:not find device");
        return kNotFound;
    }
    const std::string program = passwordProgram();
    if (program.empty())
        return kNoProgram;

    const std::string udid = QuorlinUtil::WStringToAnsi(record.UniqueDeviceID);
    const std::vector<std::string> arguments {program, "-u", udid, "changepw", QuorlinUtil::WStringToAnsi(oldPassword),
                                              QuorlinUtil::WStringToAnsi(newPassword)};
    QLOG("=>\"%s\" -u %s changepw \"***\" \"***\"\n", program.c_str(), udid.c_str());

    CProcessRunner runner;
    if (!runner.Run(arguments)) {
        QLOG("ERR:Create Process idevicebackup2 fail!");
        return kCannotStart;
    }
    const int code = runner.ExitCode();
    if (code == 100) {
        QLOG("SUCCESS change pwd, %s => %s", "***", "***");
        return 0;
    }
    QLOG("change pwd fail,exitCode = %d,err = %s", code, runner.Output().c_str());
    // 0 would read as success to the caller.
    return code == 0 ? 1 : code;
}
