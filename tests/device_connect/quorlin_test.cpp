// The library as the main program uses it: loaded at run time, driven
// through quorlin.h, over the scripted vendor double.

#include "fakemobiledevice.h"
#include "quorlin.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

namespace fs = std::filesystem;
using fakemd::Value;

namespace
{
    using InitFunction = bool (*)(IQuorlinManager **);

    std::string env(const char *name)
    {
        const char *value = std::getenv(name);
        return value ? value : "";
    }

    std::string logPath()
    {
        return env("QUENROW_LOG_DIR") + "/QuorlinMac.log";
    }

    std::string logText()
    {
        std::ifstream in(logPath());
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Logs stay between runs of the suite: start from nothing.
    class FreshLog : public ::testing::Environment
    {
    public:
        void SetUp() override { std::remove(logPath().c_str()); }
    };
    const auto *const g_freshLog = ::testing::AddGlobalTestEnvironment(new FreshLog);

    InitFunction initFunction()
    {
        static void *module = dlopen((env("QUENROW_BIN_DIR") + "/libQuorlin.so").c_str(), RTLD_NOW | RTLD_LOCAL);
        return module ? reinterpret_cast<InitFunction>(dlsym(module, "InitQuorlinMgr")) : nullptr;
    }

    IQuorlinManager *manager()
    {
        IQuorlinManager *out = nullptr;
        const InitFunction init = initFunction();
        return init && init(&out) ? out : nullptr;
    }

    std::string programFolder()
    {
        return fs::read_symlink("/proc/self/exe").parent_path().string();
    }

    struct Seen
    {
        int event = 0;
        IBaseDevice *device = nullptr;
        void *ctx = nullptr;
        bool restorable = false;
        IOSDeviceInfo info;
        RestorableDeviceInfo restorableInfo;
        int connectStatus = -1;
        int deviceType = -1;
        std::wstring udid;
        std::wstring version;
        ptrdiff_t recordOffset = -1;
    };

    class Recorder
    {
    public:
        static void normal(int event, IBaseDevice *device, void *ctx)
        {
            auto *self = static_cast<Recorder *>(ctx);
            Seen seen;
            seen.event = event;
            seen.device = device;
            seen.ctx = ctx;
            auto *ios = static_cast<CIOSDevice *>(device);
            seen.info = ios->m_info;
            seen.recordOffset = reinterpret_cast<char *>(&ios->m_info) - reinterpret_cast<char *>(ios);
            self->add(std::move(seen), device);
        }

        static void restorable(int event, IBaseDevice *device, void *ctx)
        {
            auto *self = static_cast<Recorder *>(ctx);
            Seen seen;
            seen.event = event;
            seen.device = device;
            seen.ctx = ctx;
            seen.restorable = true;
            auto *dfu = static_cast<CIOSRestorableDevice *>(device);
            seen.restorableInfo = dfu->m_info;
            seen.recordOffset = reinterpret_cast<char *>(&dfu->m_info) - reinterpret_cast<char *>(dfu);
            self->add(std::move(seen), device);
        }

        // Called on the listener's thread for each event, after it was recorded.
        void setHook(std::function<void(const Seen &)> hook)
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_hook = std::move(hook);
        }

        std::vector<Seen> take()
        {
            EXPECT_TRUE(fakemd::waitIdle());
            std::lock_guard<std::mutex> lock(m_mutex);
            return std::exchange(m_events, {});
        }

    private:
        void add(Seen seen, IBaseDevice *device)
        {
            seen.connectStatus = device->GetConnectStatus();
            seen.deviceType = device->GetDeviceType();
            seen.udid = device->GetUniqueDeviceID();
            seen.version = device->GetProductVersion();
            std::function<void(const Seen &)> hook;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_events.push_back(seen);
                hook = m_hook;
            }
            if (hook)
                hook(seen);
        }

        std::mutex m_mutex;
        std::vector<Seen> m_events;
        std::function<void(const Seen &)> m_hook;
    };

    // Both listeners, the normal one on a thread of its own.
    class Listening
    {
    public:
        explicit Listening(Recorder &recorder, bool supportWifi = false)
        {
            m_restorable = manager()->StartRestorableListener(&Recorder::restorable, &recorder);
            m_thread = std::thread([this, &recorder, supportWifi] {
                m_result = manager()->StartListener(&Recorder::normal, &recorder, supportWifi);
                m_returned = true;
            });
            for (int i = 0; i < 1000 && !fakemd::runLoopRunning() && !m_returned; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }

        ~Listening() { stop(); }

        bool restorableStarted() const { return m_restorable; }

        // What StartListener returned once its run loop ended.
        bool stop()
        {
            if (m_thread.joinable()) {
                if (!m_returned)
                    fakemd::stopRunLoop();
                m_thread.join();
            }
            return m_result;
        }

    private:
        std::thread m_thread;
        std::atomic<bool> m_result {false};
        std::atomic<bool> m_returned {false};
        bool m_restorable = false;
    };

    fakemd::DeviceSpec phone(const std::string &udid, const std::string &type = "iPhone12,1", bool paired = true)
    {
        fakemd::DeviceSpec spec;
        spec.identifier = udid;
        spec.paired = paired;
        spec.values = {
            {"UniqueDeviceID", Value::string(udid)},
            {"DeviceName", Value::string("Jürgen’s iPhone")},
            {"ProductVersion", Value::string("17.1.2")},
            {"SerialNumber", Value::string("F2LZ1234ABCD")},
            {"ProductType", Value::string(type)},
            {"BuildVersion", Value::string("21B101")},
            {"UniqueChipID", Value::number(0x1A2B3C4D5E6FLL)},
        };
        return spec;
    }

    // Every connection and session the library opened was closed again.
    void expectClosed(AMDeviceRef device, int pairs)
    {
        const fakemd::SessionCounts counts = fakemd::sessionCounts(device);
        EXPECT_FALSE(counts.connected);
        EXPECT_FALSE(counts.inSession);
        EXPECT_EQ(counts.connects, counts.disconnects);
        EXPECT_EQ(counts.sessions, counts.stops);
        EXPECT_EQ(counts.pairs, pairs);
    }

    class QuorlinTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_NE(manager(), nullptr);
            fakemd::clearCalls();
        }

        void TearDown() override
        {
            EXPECT_TRUE(fakemd::errors().empty()) << fakemd::errors().front();
            EXPECT_EQ(fakemd::liveObjects(), 0) << "CoreFoundation objects left unreleased";
        }

        // Attaches a device and hands back what the library made of it.
        IBaseDevice *attach(AMDeviceRef handle)
        {
            fakemd::post(handle, kAMDeviceMessageConnected);
            const std::vector<Seen> seen = m_recorder.take();
            return seen.empty() ? nullptr : seen.front().device;
        }

        void detach(AMDeviceRef handle)
        {
            fakemd::post(handle, kAMDeviceMessageDisconnected);
            m_recorder.take();
        }

        Recorder m_recorder;
    };
}

TEST(QuorlinEntry, HandsOutOneManagerAndLogs)
{
    const InitFunction init = initFunction();
    ASSERT_NE(init, nullptr);
    EXPECT_FALSE(init(nullptr));
    IQuorlinManager *first = nullptr;
    IQuorlinManager *second = nullptr;
    EXPECT_TRUE(init(&first));
    EXPECT_TRUE(init(&second));
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_NE(logText().find("InitQuorlinMgr..."), std::string::npos);
}

TEST_F(QuorlinTest, NormalDevicesArriveGetTrustedAndLeave)
{
    Listening listening(m_recorder);
    const AMDeviceRef trusted = fakemd::addDevice(phone("00008030-0001A2B3C4D5E6F1"));
    const AMDeviceRef untrusted = fakemd::addDevice(phone("00008030-0001A2B3C4D5E6F2", "iPhone12,1", false));

    fakemd::post(trusted, kAMDeviceMessageConnected);
    std::vector<Seen> seen = m_recorder.take();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].event, DEVICE_CONNECTED);
    EXPECT_EQ(seen[1].event, DEVICE_TRUSTED);
    EXPECT_EQ(seen[0].device, seen[1].device);
    EXPECT_EQ(seen[0].ctx, &m_recorder);
    const IOSDeviceInfo &info = seen[0].info;
    EXPECT_EQ(info.DeviceHandle, static_cast<void *>(trusted));
    EXPECT_TRUE(info.trusted);
    EXPECT_EQ(info.UniqueDeviceID, L"00008030-0001A2B3C4D5E6F1");
    EXPECT_EQ(info.DeviceName, L"Jürgen’s iPhone");
    EXPECT_EQ(info.ProductVersion, L"17.1.2");
    EXPECT_EQ(info.SerialNumber, L"F2LZ1234ABCD");
    EXPECT_EQ(info.ProductType, L"iPhone12,1");
    EXPECT_EQ(info.DisplayName, L"iPhone 11");
    EXPECT_EQ(info.BuildVersion, L"21B101");
    EXPECT_EQ(info.ProductCode, 0x4008030u);
    EXPECT_EQ(info.ECID, 0x1A2B3C4D5E6Fu);
    EXPECT_FALSE(info.isWifi);
    EXPECT_EQ(info.ConnectStatus, DEVICE_CONNECT_NORMAL);
    EXPECT_EQ(seen[0].udid, info.UniqueDeviceID);
    EXPECT_EQ(seen[0].version, L"17.1.2");
    EXPECT_EQ(seen[0].connectStatus, 0);
    EXPECT_EQ(seen[0].deviceType, 0);
    IBaseDevice *trustedDevice = seen[0].device;

    fakemd::post(untrusted, kAMDeviceMessageConnected);
    seen = m_recorder.take();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].event, DEVICE_CONNECTED);
    EXPECT_FALSE(seen[0].info.trusted);
    IBaseDevice *untrustedDevice = seen[0].device;

    // The user taps "Trust" on the phone.
    fakemd::setPaired(untrusted, true);
    fakemd::setValue(untrusted, "DeviceName", Value::string("Renamed"));
    fakemd::post(untrusted, kAMDeviceMessageTrusted);
    seen = m_recorder.take();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].event, DEVICE_TRUSTED);
    EXPECT_EQ(seen[0].device, untrustedDevice);
    EXPECT_TRUE(seen[0].info.trusted);
    EXPECT_EQ(seen[0].info.DeviceName, L"Renamed");
    EXPECT_EQ(seen[0].info.ProductCode, 0x4008030u);

    // Nothing for unknown messages or handles.
    const AMDeviceRef stranger = fakemd::addDevice(phone("00008030-0001A2B3C4D5E6F3"));
    fakemd::post(trusted, 9);
    fakemd::post(stranger, kAMDeviceMessageTrusted);
    fakemd::post(stranger, kAMDeviceMessageDisconnected);
    EXPECT_TRUE(m_recorder.take().empty());

    fakemd::post(trusted, kAMDeviceMessageDisconnected);
    seen = m_recorder.take();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].event, DEVICE_REMOVED);
    EXPECT_EQ(seen[0].device, trustedDevice);
    fakemd::post(trusted, kAMDeviceMessageDisconnected);
    EXPECT_TRUE(m_recorder.take().empty());
    detach(untrusted);

    EXPECT_TRUE(listening.stop());
    EXPECT_EQ(fakemd::lastUsbOnly(), 1u);
    // Only the device that did not trust the computer was asked to pair.
    expectClosed(trusted, 0);
    expectClosed(untrusted, 1);
    const std::string log = logText();
    EXPECT_NE(log.find("[DeviceNotification][Connect]:00008030-0001A2B3C4D5E6F1"), std::string::npos);
    EXPECT_NE(log.find("WARN:OnUpdateDevice FAIL!"), std::string::npos);
    EXPECT_NE(log.find("[DeviceNotification]:Unknown_9:00008030-0001A2B3C4D5E6F1"), std::string::npos);
    EXPECT_NE(log.find("ECID = 28772997619311"), std::string::npos);
    EXPECT_NE(log.find("NormalDevice::StartListener Success!"), std::string::npos);
}

// A pair record the phone refuses (trust revoked, or the phone locked) is
// no trust: the flows would read every failed question as an answer.
TEST_F(QuorlinTest, PairedPhoneWithoutSessionIsNotTrusted)
{
    Listening listening(m_recorder);
    fakemd::DeviceSpec spec = phone("00008030-0001A2B3C4D5E6F4");
    spec.startSessionResult = -402653158;
    const AMDeviceRef handle = fakemd::addDevice(spec);

    fakemd::post(handle, kAMDeviceMessageConnected);
    std::vector<Seen> seen = m_recorder.take();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].event, DEVICE_CONNECTED);
    EXPECT_FALSE(seen[0].info.trusted);
    EXPECT_EQ(seen[0].info.UniqueDeviceID, L"00008030-0001A2B3C4D5E6F4");
    IBaseDevice *device = seen[0].device;

    // Still refused at the next trust message: nothing to announce.
    fakemd::post(handle, kAMDeviceMessageTrusted);
    EXPECT_TRUE(m_recorder.take().empty());

    // The phone accepts the computer again.
    fakemd::setStartSessionResult(handle, 0);
    fakemd::post(handle, kAMDeviceMessageTrusted);
    seen = m_recorder.take();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].event, DEVICE_TRUSTED);
    EXPECT_EQ(seen[0].device, device);
    EXPECT_TRUE(seen[0].info.trusted);

    detach(handle);
    EXPECT_TRUE(listening.stop());
    expectClosed(handle, 0);
    EXPECT_NE(logText().find("DEVICE Not Trust"), std::string::npos);
}

TEST_F(QuorlinTest, RecordsLayOutAsTheCallerReadsThem)
{
    Listening listening(m_recorder);
    const AMDeviceRef handle = fakemd::addDevice(phone("00008030-00000000000000A1"));
    fakemd::post(handle, kAMDeviceMessageConnected);
    const AMRestorableDeviceRef dfu = fakemd::addRestorable(0xA1, 0x4008030, kAMRestorableDeviceStateDFU);
    fakemd::postRestorable(dfu, kAMRestorableDeviceEventConnected);
    std::vector<Seen> seen = m_recorder.take();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].recordOffset, ptrdiff_t(sizeof(void *)));
    EXPECT_EQ(seen[2].recordOffset, ptrdiff_t(sizeof(void *)));

    const IOSDeviceInfo &info = seen[0].info;
    const auto at = [&info](const void *field) {
        return reinterpret_cast<const char *>(field) - reinterpret_cast<const char *>(&info);
    };
    EXPECT_EQ(at(&info.trusted), 8);
    EXPECT_EQ(at(&info.ProductCode), 12);
    EXPECT_EQ(at(&info.ECID), 16);
    EXPECT_EQ(at(&info.UniqueDeviceID), 24);
    EXPECT_EQ(at(&info.BuildVersion), ptrdiff_t(24 + 6 * sizeof(std::wstring)));
    EXPECT_EQ(at(&info.isWifi), ptrdiff_t(24 + 7 * sizeof(std::wstring)));
    EXPECT_EQ(at(&info.ConnectStatus), ptrdiff_t(24 + 7 * sizeof(std::wstring) + 4));

    const RestorableDeviceInfo &dfuInfo = seen[2].restorableInfo;
    const auto atDfu = [&dfuInfo](const void *field) {
        return reinterpret_cast<const char *>(field) - reinterpret_cast<const char *>(&dfuInfo);
    };
    EXPECT_EQ(atDfu(&dfuInfo.ECID), 8);
    EXPECT_EQ(atDfu(&dfuInfo.ProductCode), 16);
    EXPECT_EQ(atDfu(&dfuInfo.ProductType), 24);
    EXPECT_EQ(atDfu(&dfuInfo.ConnectStatus), ptrdiff_t(24 + 2 * sizeof(std::wstring)));

    detach(handle);
    fakemd::postRestorable(dfu, kAMRestorableDeviceEventDisconnected);
    m_recorder.take();
}

TEST_F(QuorlinTest, ModelNamesComeFromTheTable)
{
    struct Case
    {
        const char *type;
        const wchar_t *name;
        uint32_t code;
    };
    const Case cases[] = {
        {"iPhone12,1", L"iPhone 11", 0x4008030},
        {"iPod9,1", L"iPod Touch (7th gen)", 0x16008010},
        {"iPhone1,1", L"iPhone 2G", 0x8900},
        {"iPhone8,1", L"iPhone 6s", 0x4008000}, // the first of its two rows
        {"iPad6,12", L"iPad (5th gen, Cellular)", 0x12008000},
        {"iphone12,1", L"", 0},
        {"Unknown1,1", L"", 0},
        {"", L"", 0},
    };
    Listening listening(m_recorder);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.type);
        const AMDeviceRef handle = fakemd::addDevice(phone(std::string("00008030-0000000000000B") + c.type, c.type));
        fakemd::post(handle, kAMDeviceMessageConnected);
        const std::vector<Seen> seen = m_recorder.take();
        ASSERT_EQ(seen.size(), 2u);
        EXPECT_EQ(seen[0].info.DisplayName, c.name);
        EXPECT_EQ(seen[0].info.ProductCode, c.code);
        detach(handle);
    }
}

TEST_F(QuorlinTest, NetworkDevicesOnlyWhenAskedFor)
{
    fakemd::DeviceSpec spec = phone("00008030-00000000000000C1");
    spec.interfaceType = kAMDeviceInterfaceNetwork;
    const AMDeviceRef handle = fakemd::addDevice(spec);
    {
        Listening listening(m_recorder, false);
        fakemd::post(handle, kAMDeviceMessageConnected);
        EXPECT_TRUE(m_recorder.take().empty());
    }
    Listening listening(m_recorder, true);
    fakemd::post(handle, kAMDeviceMessageConnected);
    const std::vector<Seen> seen = m_recorder.take();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[0].info.isWifi);
    EXPECT_EQ(fakemd::lastUsbOnly(), 0u);
    detach(handle);
    EXPECT_NE(logText().find("isSupportWifi:1"), std::string::npos);
}

TEST_F(QuorlinTest, RecoveryAndDfuDevices)
{
    Listening listening(m_recorder);
    ASSERT_TRUE(listening.restorableStarted());
    const AMRestorableDeviceRef recovery = fakemd::addRestorable(0x1122334455667788ULL, 0x4008030, kAMRestorableDeviceStateRecovery);
    const AMRestorableDeviceRef dfu = fakemd::addRestorable(0x99, 0x16008010, kAMRestorableDeviceStateDFU);
    const AMRestorableDeviceRef unknown = fakemd::addRestorable(0x77, 0x12345678, kAMRestorableDeviceStateDFU);
    const AMRestorableDeviceRef normal = fakemd::addRestorable(0x55, 0x4008030, kAMRestorableDeviceStateNormal);

    fakemd::postRestorable(recovery, kAMRestorableDeviceEventConnected);
    fakemd::postRestorable(dfu, kAMRestorableDeviceEventConnected);
    fakemd::postRestorable(unknown, kAMRestorableDeviceEventConnected);
    fakemd::postRestorable(normal, kAMRestorableDeviceEventConnected);
    fakemd::postRestorable(normal, kAMRestorableDeviceEventDisconnected);
    std::vector<Seen> seen = m_recorder.take();
    ASSERT_EQ(seen.size(), 3u);
    for (const Seen &s : seen) {
        EXPECT_TRUE(s.restorable);
        EXPECT_EQ(s.event, RESTORABLE_DEVICE_ARRIVED);
        EXPECT_EQ(s.ctx, &m_recorder);
        EXPECT_EQ(s.udid, L"");
        EXPECT_EQ(s.version, L"");
        EXPECT_EQ(s.deviceType, 0);
    }
    EXPECT_EQ(seen[0].restorableInfo.ECID, 0x1122334455667788ULL);
    EXPECT_EQ(seen[0].restorableInfo.ProductCode, 0x4008030u);
    EXPECT_EQ(seen[0].restorableInfo.ProductType, L"iPhone12,1");
    EXPECT_EQ(seen[0].restorableInfo.DisplayName, L"iPhone 11");
    EXPECT_EQ(seen[0].restorableInfo.ConnectStatus, DEVICE_CONNECT_RECOVERY);
    EXPECT_EQ(seen[0].connectStatus, 1);
    EXPECT_EQ(seen[1].restorableInfo.ProductType, L"iPod9,1");
    EXPECT_EQ(seen[1].connectStatus, 2);
    EXPECT_EQ(seen[2].restorableInfo.ProductType, L"");
    EXPECT_EQ(seen[2].restorableInfo.DisplayName, L"");
    EXPECT_EQ(seen[2].connectStatus, 2);
    IBaseDevice *recoveryDevice = seen[0].device;

    // Queries know only normal devices and never look into this one.
    bool flag = false;
    EXPECT_EQ(manager()->CheckDeviceBackupIsEncrypt(recoveryDevice, &flag), -1);

    // The same phone again under its ECID, now in DFU mode.
    const AMRestorableDeviceRef again = fakemd::addRestorable(0x1122334455667788ULL, 0x4008030, kAMRestorableDeviceStateDFU);
    fakemd::postRestorable(again, kAMRestorableDeviceEventConnected);
    seen = m_recorder.take();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].event, RESTORABLE_DEVICE_ARRIVED);
    EXPECT_EQ(seen[0].connectStatus, 2);

    fakemd::postRestorable(again, kAMRestorableDeviceEventDisconnected);
    fakemd::postRestorable(recovery, kAMRestorableDeviceEventDisconnected); // replaced: untracked
    fakemd::postRestorable(dfu, kAMRestorableDeviceEventDisconnected);
    fakemd::postRestorable(unknown, kAMRestorableDeviceEventDisconnected);
    seen = m_recorder.take();
    ASSERT_EQ(seen.size(), 3u);
    for (const Seen &s : seen)
        EXPECT_EQ(s.event, RESTORABLE_DEVICE_REMOVED);
    EXPECT_EQ(seen[0].restorableInfo.ECID, 0x1122334455667788ULL);
    EXPECT_EQ(seen[1].restorableInfo.ECID, 0x99u);
    const std::string log = logText();
    EXPECT_NE(log.find("****[Recovery]connect!   (ECID = 0x1122334455667788,ProductCode = 0x4008030)"), std::string::npos);
    EXPECT_NE(log.find("****[NORMAL]connect!"), std::string::npos);
    EXPECT_NE(log.find("OnRemoveRestorableDevice:"), std::string::npos);
}

TEST_F(QuorlinTest, QueryDeviceInfoGivesValuesAsText)
{
    struct Case
    {
        const char *key;
        Value value;
        bool found;
        std::string text;
    };
    const std::string longest(1023, 'a');
    const Case cases[] = {
        {"DeviceName", Value::string("Jürgen’s iPhone"), true, "Jürgen’s iPhone"},
        {"UniqueChipID", Value::number(0x1A2B3C4D5E6FLL), true, "28772997619311"},
        {"Negative", Value::number(-5), true, "-5"},
        {"TimeZoneOffsetFromUTC", Value::realNumber(-18000.0), true, "-18000"},
        {"PasswordProtected", Value::flag(true), true, "1"},
        {"HasSiDP", Value::flag(false), true, "0"},
        {"SomeDictionary", Value::ofType(18), true, "unknowtype_18"},
        {"Longest", Value::string(longest), true, longest},
        {"TooLong", Value::string(longest + "b"), true, ""},
    };
    const AMDeviceRef handle = fakemd::addDevice(phone("00008030-00000000000000D1"));
    for (const Case &c : cases)
        fakemd::setValue(handle, c.key, c.value);
    Listening listening(m_recorder);
    IBaseDevice *device = attach(handle);
    ASSERT_NE(device, nullptr);

    for (const Case &c : cases) {
        SCOPED_TRACE(c.key);
        std::string out = "stale";
        int flag = -7;
        EXPECT_EQ(manager()->QueryDeviceInfo(device, c.key, &out, &flag), c.found);
        EXPECT_EQ(out, c.text);
        EXPECT_EQ(flag, 0);
    }
    std::string out = "stale";
    EXPECT_FALSE(manager()->QueryDeviceInfo(device, "NoSuchKey", &out, nullptr));
    EXPECT_EQ(out, "");

    detach(handle);
    expectClosed(handle, 0);
}

TEST_F(QuorlinTest, QueryDeviceInfoOfAnUntrustedDeviceGivesTheSessionCode)
{
    fakemd::DeviceSpec spec = phone("00008030-00000000000000D2", "iPhone12,1", false);
    spec.startSessionResult = -402653158;
    const AMDeviceRef handle = fakemd::addDevice(spec);
    Listening listening(m_recorder);
    IBaseDevice *device = attach(handle);
    std::string out;
    int flag = 0;
    EXPECT_TRUE(manager()->QueryDeviceInfo(device, "ProductVersion", &out, &flag));
    EXPECT_EQ(out, "17.1.2");
    EXPECT_EQ(flag, -402653158);

    bool encrypted = true;
    EXPECT_EQ(manager()->CheckDeviceBackupIsEncrypt(device, &encrypted), -402653158);
    bool fmi = true;
    EXPECT_EQ(manager()->CheckFMI(device, &fmi), -402653158);
    int64_t bytes = 0;
    EXPECT_FALSE(manager()->GetDeviceDiskSize(device, "TotalDataAvailable", &bytes));
    detach(handle);
    expectClosed(handle, 5); // once per session tried
}

TEST_F(QuorlinTest, DebugWritesAllValuesBesideTheProgram)
{
    const std::string udid = "00008030-00000000000000E1";
    const std::string path = programFolder() + "/" + udid + ".plist";
    fs::remove_all(path);
    const AMDeviceRef handle = fakemd::addDevice(phone(udid));
    Listening listening(m_recorder);
    IBaseDevice *device = attach(handle);

    std::string out;
    ASSERT_TRUE(manager()->QueryDeviceInfo(device, "DEBUG", &out, nullptr));
    EXPECT_EQ(out, path);
    std::ifstream in(path);
    const std::string xml((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(xml.rfind("<?xml", 0), 0u);
    EXPECT_NE(xml.find("<key>SerialNumber</key>"), std::string::npos);
    EXPECT_NE(xml.find("<string>Jürgen’s iPhone</string>"), std::string::npos);
    EXPECT_NE(xml.find("<integer>28772997619311</integer>"), std::string::npos);

    // A write that fails is not reported as a path.
    fs::remove(path);
    fs::create_directory(path);
    EXPECT_FALSE(manager()->QueryDeviceInfo(device, "DEBUG", &out, nullptr));
    EXPECT_EQ(out, "");
    fs::remove_all(path);

    // No XML: "DEBUG" is asked like any other key.
    fakemd::failPropertyLists(true);
    EXPECT_FALSE(manager()->QueryDeviceInfo(device, "DEBUG", &out, nullptr));
    fakemd::failPropertyLists(false);
    EXPECT_FALSE(fs::exists(path));
    const std::vector<std::string> calls = fakemd::calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "AMDeviceCopyValue " + udid + " - DEBUG"), calls.end());
    detach(handle);
    expectClosed(handle, 0);
}

TEST_F(QuorlinTest, DebugRefusesAUdidThatIsNoFileName)
{
    for (const std::string udid : {"../escaped", "a/b", ""}) {
        SCOPED_TRACE(udid);
        const AMDeviceRef handle = fakemd::addDevice(phone(udid));
        Listening listening(m_recorder);
        IBaseDevice *device = attach(handle);
        std::string out;
        EXPECT_FALSE(manager()->QueryDeviceInfo(device, "DEBUG", &out, nullptr));
        EXPECT_EQ(out, "");
        detach(handle);
    }
    EXPECT_FALSE(fs::exists(programFolder() + "/../escaped.plist"));
    EXPECT_FALSE(fs::exists(programFolder() + "/.plist"));
}

TEST_F(QuorlinTest, LockdownQuestions)
{
    fakemd::DeviceSpec spec = phone("00008030-00000000000000F1");
    spec.values["com.apple.mobile.backup/WillEncrypt"] = Value::flag(true);
    spec.values["com.apple.fmip/IsAssociated"] = Value::flag(false);
    spec.values["com.apple.disk_usage/TotalDataAvailable"] = Value::number(12LL * 1024 * 1024 * 1024);
    spec.apps = {"com.apple.mobilesafari", "net.whatsapp.WhatsApp", "jp.naver.line"};
    const AMDeviceRef handle = fakemd::addDevice(spec);
    const AMDeviceRef bare = fakemd::addDevice(phone("00008030-00000000000000F2"));
    Listening listening(m_recorder);
    IBaseDevice *device = attach(handle);
    IBaseDevice *bareDevice = attach(bare);

    bool encrypted = false;
    EXPECT_EQ(manager()->CheckDeviceBackupIsEncrypt(device, &encrypted), 0);
    EXPECT_TRUE(encrypted);
    bool fmi = true;
    EXPECT_EQ(manager()->CheckFMI(device, &fmi), 0);
    EXPECT_FALSE(fmi);
    int64_t bytes = 0;
    EXPECT_TRUE(manager()->GetDeviceDiskSize(device, "TotalDataAvailable", &bytes));
    EXPECT_EQ(bytes, 12LL * 1024 * 1024 * 1024);
    std::vector<std::string> apps {"stale"};
    EXPECT_TRUE(manager()->GetAppList(device, &apps));
    EXPECT_EQ(apps, spec.apps);
    const std::vector<std::string> calls = fakemd::calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "AMDeviceLookupApplications 00008030-00000000000000F1 CFBundleIdentifier"),
              calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "CFShow 21"), calls.end());

    // The values are missing on the other device.
    EXPECT_EQ(manager()->CheckDeviceBackupIsEncrypt(bareDevice, &encrypted), -2);
    EXPECT_EQ(manager()->CheckFMI(bareDevice, &fmi), -2);
    EXPECT_FALSE(manager()->GetDeviceDiskSize(bareDevice, "TotalDataAvailable", &bytes));
    EXPECT_TRUE(manager()->GetAppList(bareDevice, &apps));
    EXPECT_TRUE(apps.empty());

    const std::string log = logText();
    EXPECT_NE(log.find("CheckDeviceBackupIsEncrypt = YES"), std::string::npos);
    EXPECT_NE(log.find("CheckFMI:OFF"), std::string::npos);
    EXPECT_NE(log.find("GetDeviceDiskSize: TotalDataAvailable = 12288M"), std::string::npos);
    EXPECT_NE(log.find("GetAppList: count = 3"), std::string::npos);
    EXPECT_NE(log.find("ERR:CheckDeviceBackupIsEncrypt fail! -2"), std::string::npos);
    detach(handle);
    detach(bare);
    expectClosed(handle, 0);
    expectClosed(bare, 0);
}

TEST_F(QuorlinTest, FailedConnectIsNoSuccess)
{
    fakemd::DeviceSpec spec = phone("00008030-00000000000000F4");
    spec.values["com.apple.mobile.backup/WillEncrypt"] = Value::flag(true);
    spec.values["com.apple.fmip/IsAssociated"] = Value::flag(true);
    spec.connectResult = -402653083;
    spec.apps = {"com.example.notes"};
    const AMDeviceRef handle = fakemd::addDevice(spec);
    Listening listening(m_recorder);
    IBaseDevice *device = attach(handle);
    ASSERT_NE(device, nullptr);
    bool flag = false;
    EXPECT_EQ(manager()->CheckDeviceBackupIsEncrypt(device, &flag), -402653083);
    EXPECT_EQ(manager()->CheckFMI(device, &flag), -402653083);
    std::string out;
    int code = -7;
    EXPECT_TRUE(manager()->QueryDeviceInfo(device, "SerialNumber", &out, &code));
    EXPECT_EQ(code, 0);
    std::vector<std::string> apps;
    EXPECT_TRUE(manager()->GetAppList(device, &apps)); // asked even without a session
    EXPECT_EQ(apps, spec.apps);
    detach(handle);
    expectClosed(handle, 0);
    EXPECT_NE(logText().find("ERR: AMDeviceConnect fail -402653083"), std::string::npos);
}

TEST_F(QuorlinTest, RefusesNullAndUnknownDevices)
{
    const AMDeviceRef handle = fakemd::addDevice(phone("00008030-0000000000000101"));
    Listening listening(m_recorder);
    IBaseDevice *device = attach(handle);
    // A pointer the library never handed out, on a page that cannot be read.
    void *page = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(page, MAP_FAILED);
    IBaseDevice *unknownDevices[] = {nullptr, static_cast<IBaseDevice *>(page)};
    fakemd::clearCalls();
    for (IBaseDevice *unknown : unknownDevices) {
        std::string out = "stale";
        EXPECT_FALSE(manager()->QueryDeviceInfo(unknown, "DeviceName", &out, nullptr));
        EXPECT_EQ(out, unknown ? "" : "stale");
        bool flag = false;
        EXPECT_EQ(manager()->CheckDeviceBackupIsEncrypt(unknown, &flag), -1);
        EXPECT_EQ(manager()->CheckFMI(unknown, &flag), -1);
        EXPECT_EQ(manager()->SetDeviceBackupPasswd(unknown, L"", L"new"), -1);
        int64_t bytes = 0;
        EXPECT_FALSE(manager()->GetDeviceDiskSize(unknown, "TotalDataAvailable", &bytes));
        std::vector<std::string> apps {"stale"};
        EXPECT_FALSE(manager()->GetAppList(unknown, &apps));
        EXPECT_TRUE(apps.empty());
    }
    // Null out-pointers and empty keys, on a real device.
    EXPECT_FALSE(manager()->QueryDeviceInfo(device, "DeviceName", nullptr, nullptr));
    EXPECT_EQ(manager()->CheckDeviceBackupIsEncrypt(device, nullptr), -1);
    EXPECT_EQ(manager()->CheckFMI(device, nullptr), -1);
    int64_t bytes = 0;
    EXPECT_FALSE(manager()->GetDeviceDiskSize(device, nullptr, &bytes));
    EXPECT_FALSE(manager()->GetDeviceDiskSize(device, "", &bytes));
    EXPECT_FALSE(manager()->GetDeviceDiskSize(device, "TotalDataAvailable", nullptr));
    EXPECT_FALSE(manager()->GetAppList(device, nullptr));
    EXPECT_TRUE(fakemd::calls().empty()) << fakemd::calls().front();
    munmap(page, 4096);

    // Once removed, the device is unknown too.
    detach(handle);
    bool flag = false;
    EXPECT_EQ(manager()->CheckDeviceBackupIsEncrypt(device, &flag), -1);
    const std::string log = logText();
    EXPECT_NE(log.find("ERR:[CQuorlinManager::QueryDeviceInfo] device == nullptr"), std::string::npos);
    EXPECT_NE(log.find("ERR:GetDeviceDiskSize param invalid!"), std::string::npos);
    EXPECT_NE(log.find("ERR:QueryDeviceInfo fail,not find device"), std::string::npos);
}

TEST_F(QuorlinTest, QueriesRacingADetachGiveAResultOrNotFound)
{
    fakemd::DeviceSpec spec = phone("00008030-0000000000000111");
    spec.values["com.apple.mobile.backup/WillEncrypt"] = Value::flag(true);
    const AMDeviceRef handle = fakemd::addDevice(spec);
    Listening listening(m_recorder);
    IBaseDevice *device = attach(handle);
    std::atomic<bool> running {true};
    std::atomic<int> odd {0};
    std::atomic<int> found {0};
    std::thread asker([&] {
        while (running) {
            bool encrypted = false;
            const int result = manager()->CheckDeviceBackupIsEncrypt(device, &encrypted);
            std::string out;
            const bool named = manager()->QueryDeviceInfo(device, "DeviceName", &out, nullptr);
            if (result == 0)
                ++found;
            else if (result != -1)
                ++odd;
            if (named != (out == "Jürgen’s iPhone"))
                ++odd;
        }
    });
    while (found == 0)
        std::this_thread::yield();
    fakemd::post(handle, kAMDeviceMessageDisconnected);
    m_recorder.take();
    bool encrypted = false;
    EXPECT_EQ(manager()->CheckDeviceBackupIsEncrypt(device, &encrypted), -1);
    running = false;
    asker.join();
    EXPECT_EQ(odd, 0);
}

TEST_F(QuorlinTest, QueriesDoNotWaitForTheCallback)
{
    fakemd::DeviceSpec spec = phone("00008030-0000000000000131");
    spec.values["com.apple.mobile.backup/WillEncrypt"] = Value::flag(true);
    const AMDeviceRef handle = fakemd::addDevice(spec);
    Listening listening(m_recorder);
    // While the callback of the arrival runs, another thread asks the device.
    std::atomic<int> answer {-100};
    std::atomic<bool> inTime {false};
    m_recorder.setHook([&](const Seen &seen) {
        if (seen.event != DEVICE_CONNECTED)
            return;
        auto asked = std::make_shared<std::promise<int>>();
        std::future<int> result = asked->get_future();
        std::thread asker([asked, device = seen.device] {
            bool encrypted = false;
            asked->set_value(manager()->CheckDeviceBackupIsEncrypt(device, &encrypted));
        });
        inTime = result.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        if (inTime) {
            answer = result.get();
            asker.join();
        } else {
            asker.detach(); // stuck behind the callback: the failure below says so
        }
    });
    fakemd::post(handle, kAMDeviceMessageConnected);
    m_recorder.take();
    m_recorder.setHook(nullptr);
    EXPECT_TRUE(inTime);
    EXPECT_EQ(answer, 0);
    detach(handle);
}

namespace
{
    class BackupPasswordTest : public QuorlinTest
    {
    protected:
        void SetUp() override
        {
            QuorlinTest::SetUp();
            fs::remove_all(programFolder() + "/idevicebackup2");
            fs::remove(m_args);
            m_handle = fakemd::addDevice(phone(m_udid));
            m_listening = std::make_unique<Listening>(m_recorder);
            m_device = attach(m_handle);
            ASSERT_NE(m_device, nullptr);
            setenv("QUORLIN_TEST_ARGS", m_args.c_str(), 1);
        }

        void TearDown() override
        {
            detach(m_handle);
            m_listening.reset();
            fs::remove_all(programFolder() + "/idevicebackup2");
            QuorlinTest::TearDown();
        }

        // A stand-in for the password program that writes down how it was run.
        void installProgram(const std::string &path, int exitCode, mode_t mode = 0755)
        {
            fs::create_directories(fs::path(path).parent_path());
            std::ofstream(path) << "#!/bin/sh\n"
                                   ": > \"$QUORLIN_TEST_ARGS\"\n"
                                   "for a in \"$@\"; do printf '[%s]' \"$a\" >> \"$QUORLIN_TEST_ARGS\"; done\n"
                                   "readlink /proc/self/fd/0 >> \"$QUORLIN_TEST_ARGS\"\n"
                                   "echo 'the device said no'\n"
                                   "exit "
                                << exitCode << "\n";
            chmod(path.c_str(), mode);
        }

        std::string arguments() const
        {
            std::ifstream in(m_args);
            std::string line;
            std::getline(in, line);
            return line;
        }

        const std::string m_udid = "00008030-0000000000000121";
        const std::string m_args = env("QUENROW_TEST_HOME") + "/password-args.txt";
        AMDeviceRef m_handle = nullptr;
        std::unique_ptr<Listening> m_listening;
        IBaseDevice *m_device = nullptr;
    };
}

TEST_F(BackupPasswordTest, ExitCodesBecomeResults)
{
    struct Case
    {
        int exitCode;
        int result;
    };
    const Case cases[] = {{100, 0}, {0, 1}, {7, 7}, {1, 1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.exitCode);
        installProgram(programFolder() + "/idevicebackup2", c.exitCode);
        EXPECT_EQ(manager()->SetDeviceBackupPasswd(m_device, L"old", L"new"), c.result);
        EXPECT_EQ(arguments(), "[-u][" + m_udid + "][changepw][old][new]/dev/null");
    }
    EXPECT_NE(logText().find("change pwd fail,exitCode = 7,err = the device said no"), std::string::npos);
    EXPECT_NE(logText().find("SetDeviceBackupPasswd SUCCESS!"), std::string::npos);
}

TEST_F(BackupPasswordTest, PasswordsArriveIntactAndStayOutOfTheLog)
{
    installProgram(programFolder() + "/idevicebackup2", 100);
    struct Case
    {
        std::wstring oldPassword;
        std::wstring newPassword;
        std::string expected;
    };
    const Case cases[] = {
        {L"", L"Sëcret \"quoted\" pass", "[][Sëcret \"quoted\" pass]"},
        {L"it's $HOME `id`", L"", "[it's $HOME `id`][]"},
        {L"same one", L"same one", "[same one][same one]"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(manager()->SetDeviceBackupPasswd(m_device, c.oldPassword, c.newPassword), 0);
        EXPECT_EQ(arguments(), "[-u][" + m_udid + "][changepw]" + c.expected + "/dev/null");
    }
    const std::string log = logText();
    for (const char *secret : {"Sëcret", "quoted", "$HOME", "same one"})
        EXPECT_EQ(log.find(secret), std::string::npos) << secret;
    EXPECT_NE(log.find("SUCCESS change pwd, *** => ***"), std::string::npos);
    EXPECT_NE(log.find("changepw \"***\" \"***\""), std::string::npos);
}

TEST_F(BackupPasswordTest, FindsTheProgramOrSaysWhy)
{
    const std::string beside = programFolder() + "/idevicebackup2";
    EXPECT_EQ(manager()->SetDeviceBackupPasswd(m_device, L"", L"new"), -2);
    EXPECT_NE(logText().find("file not exist!"), std::string::npos);

    installProgram(beside + "/idevicebackup2", 100);
    EXPECT_EQ(manager()->SetDeviceBackupPasswd(m_device, L"", L"new"), 0);
    EXPECT_EQ(arguments(), "[-u][" + m_udid + "][changepw][][new]/dev/null");

    fs::remove_all(beside);
    installProgram(beside, 100, 0644);
    EXPECT_EQ(manager()->SetDeviceBackupPasswd(m_device, L"", L"new"), -3);
    EXPECT_NE(logText().find("ERR:Create Process idevicebackup2 fail!"), std::string::npos);
}

TEST(QuorlinStart, RetriesTheSubscriptionFiveTimes)
{
    ASSERT_NE(manager(), nullptr);
    Recorder recorder;
    const int before = fakemd::subscriptions();
    fakemd::failSubscriptions(5, -3);
    EXPECT_FALSE(manager()->StartListener(&Recorder::normal, &recorder, false));
    EXPECT_FALSE(fakemd::runLoopRunning());
    EXPECT_EQ(fakemd::subscriptions(), before);
    EXPECT_NE(logText().find("ERR: AMDeviceNotificationSubscribe fail -3 (retryCount:5)"), std::string::npos);

    fakemd::failRegistrations(5, -1);
    EXPECT_FALSE(manager()->StartRestorableListener(&Recorder::restorable, &recorder));
    fakemd::failRegistrations(4, -1);
    EXPECT_TRUE(manager()->StartRestorableListener(&Recorder::restorable, &recorder));

    fakemd::failSubscriptions(4, -3);
    Listening listening(recorder);
    EXPECT_TRUE(fakemd::runLoopRunning());
    EXPECT_EQ(fakemd::subscriptions(), before + 1);
    EXPECT_TRUE(listening.stop());
}

TEST(NoVendorLibrary, BothListenersFailAndLoadingIsTriedOnce)
{
    IQuorlinManager *mgr = manager();
    ASSERT_NE(mgr, nullptr);
    Recorder recorder;
    // Both listeners start together, as the main program starts them.
    std::atomic<bool> restorable {true};
    std::thread other([&] { restorable = mgr->StartRestorableListener(&Recorder::restorable, &recorder); });
    EXPECT_FALSE(mgr->StartListener(&Recorder::normal, &recorder, false));
    other.join();
    EXPECT_FALSE(restorable);
    EXPECT_FALSE(mgr->StartListener(&Recorder::normal, &recorder, false));

    const std::string log = logText();
    const std::string attempt = "[LoadiTunesMobileDevice]:";
    const size_t first = log.find(attempt);
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(log.find(attempt, first + 1), std::string::npos);
}
