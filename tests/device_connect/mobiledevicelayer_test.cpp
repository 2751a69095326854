// The device-connection library over the libimobiledevice layer, against a
// simulated device behind a muxer socket of its own.

#include "quorlin.h"
#include "simulateddevice.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

using testsupport::SimulatedDevice;
using testsupport::SimulatedDeviceState;

namespace
{
    using InitFunction = bool (*)(IQuorlinManager **);
    using GetLoopFunction = void *(*)();
    using StopLoopFunction = void (*)(void *);

    std::string env(const char *name)
    {
        const char *value = std::getenv(name);
        return value ? value : "";
    }

    IQuorlinManager *manager()
    {
        static void *module = dlopen((env("QUENROW_BIN_DIR") + "/libQuorlin.so").c_str(), RTLD_NOW | RTLD_LOCAL);
        auto init = module ? reinterpret_cast<InitFunction>(dlsym(module, "InitQuorlinMgr")) : nullptr;
        IQuorlinManager *out = nullptr;
        return init && init(&out) ? out : nullptr;
    }

    struct Event
    {
        int event = 0;
        IBaseDevice *device = nullptr;
        IOSDeviceInfo info;
    };

    // Events as the listener's thread hands them over, and that thread's run loop.
    class Events
    {
    public:
        static void record(int event, IBaseDevice *device, void *ctx)
        {
            auto *self = static_cast<Events *>(ctx);
            static const auto getLoop = reinterpret_cast<GetLoopFunction>(
                dlsym(dlopen("libCoreFoundation.so", RTLD_NOW | RTLD_NOLOAD), "CFRunLoopGetCurrent"));
            std::lock_guard<std::mutex> lock(self->m_mutex);
            if (getLoop)
                self->m_loop = getLoop();
            self->m_events.push_back({event, device, static_cast<CIOSDevice *>(device)->m_info});
            self->m_changed.notify_all();
        }

        // The next event, or one with event 0 after the time-out.
        Event next(std::chrono::seconds timeout = std::chrono::seconds(15))
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!m_changed.wait_for(lock, timeout, [this] { return !m_events.empty(); }))
                return {};
            Event event = m_events.front();
            m_events.pop_front();
            return event;
        }

        bool quiet(std::chrono::milliseconds period)
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            return !m_changed.wait_for(lock, period, [this] { return !m_events.empty(); });
        }

        void *loop()
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            return m_loop;
        }

    private:
        std::mutex m_mutex;
        std::condition_variable m_changed;
        std::deque<Event> m_events;
        void *m_loop = nullptr;
    };

    SimulatedDeviceState phone(const std::string &udid)
    {
        SimulatedDeviceState state;
        state.udid = udid;
        state.lockdownValues["DeviceName"] = "Test Phone";
        state.lockdownValues["ProductType"] = "iPhone12,1";
        state.lockdownValues["SerialNumber"] = "SERIAL-" + udid.substr(0, 4);
        state.domains["com.apple.mobile.backup"] = "<plist><dict><key>WillEncrypt</key><true/></dict></plist>";
        state.domains["com.apple.fmip"] = "<plist><dict><key>IsAssociated</key><false/></dict></plist>";
        state.domains["com.apple.disk_usage"] =
            "<plist><dict><key>TotalDataAvailable</key><integer>123456789012</integer></dict></plist>";
        state.apps = {"com.example.notes", "com.example.chat"};
        return state;
    }

    // One listener serves the whole program, as in the main program.
    class LayerTest : public ::testing::Test
    {
    protected:
        static void SetUpTestSuite()
        {
            s_socket = SimulatedDevice::uniqueSocketPath("layer");
            setenv("USBMUXD_SOCKET_ADDRESS", SimulatedDevice::muxAddress(s_socket).c_str(), 1);
            s_events = new Events;
            s_manager = manager();
            ASSERT_NE(s_manager, nullptr);
            s_listener = new std::thread([] { s_listenerResult = s_manager->StartListener(&Events::record, s_events, false); });
        }

        static void TearDownTestSuite()
        {
            // The listener was stopped by the last test; leave it if it was not.
            if (s_listener && s_listener->joinable())
                s_listener->detach();
        }

        // A device on the shared socket; the one before must have gone.
        std::unique_ptr<SimulatedDevice> plug(SimulatedDeviceState state)
        {
            auto device = std::make_unique<SimulatedDevice>(std::move(state));
            EXPECT_TRUE(device->start(s_socket));
            return device;
        }

        Event expect(int event, const std::string &udid)
        {
            const Event seen = s_events->next();
            EXPECT_EQ(seen.event, event);
            EXPECT_EQ(std::string(seen.info.UniqueDeviceID.begin(), seen.info.UniqueDeviceID.end()), udid);
            return seen;
        }

        static std::string s_socket;
        static Events *s_events;
        static IQuorlinManager *s_manager;
        static std::thread *s_listener;
        static bool s_listenerResult;
    };

    std::string LayerTest::s_socket;
    Events *LayerTest::s_events = nullptr;
    IQuorlinManager *LayerTest::s_manager = nullptr;
    std::thread *LayerTest::s_listener = nullptr;
    bool LayerTest::s_listenerResult = false;

    const char *const kTrusted = "00008030-001A2B3C4D5E0001";
    const char *const kUntrusted = "00008030-001A2B3C4D5E0002";
    const char *const kStranger = "00008030-001A2B3C4D5E0003";
}

TEST_F(LayerTest, TrustedPhoneArrivesAnswersAndLeaves)
{
    auto device = plug(phone(kTrusted));
    expect(DEVICE_CONNECTED, kTrusted);
    const Event trusted = expect(DEVICE_TRUSTED, kTrusted);
    EXPECT_TRUE(trusted.info.trusted);
    EXPECT_FALSE(trusted.info.isWifi);
    EXPECT_EQ(trusted.info.DeviceName, L"Test Phone");
    EXPECT_EQ(trusted.info.ProductType, L"iPhone12,1");
    EXPECT_EQ(trusted.info.ProductVersion, L"14.4");
    EXPECT_EQ(trusted.info.SerialNumber, L"SERIAL-0000");
    IBaseDevice *handle = trusted.device;

    bool encrypted = false;
    EXPECT_EQ(s_manager->CheckDeviceBackupIsEncrypt(handle, &encrypted), 0);
    EXPECT_TRUE(encrypted);
    bool findMy = true;
    EXPECT_EQ(s_manager->CheckFMI(handle, &findMy), 0);
    EXPECT_FALSE(findMy);
    int64_t bytes = 0;
    EXPECT_TRUE(s_manager->GetDeviceDiskSize(handle, "TotalDataAvailable", &bytes));
    EXPECT_EQ(bytes, 123456789012);
    EXPECT_FALSE(s_manager->GetDeviceDiskSize(handle, "NoSuchKey", &bytes));
    std::vector<std::string> apps;
    EXPECT_TRUE(s_manager->GetAppList(handle, &apps));
    std::sort(apps.begin(), apps.end());
    EXPECT_EQ(apps, (std::vector<std::string> {"com.example.chat", "com.example.notes"}));
    std::string name;
    int flag = -1;
    EXPECT_TRUE(s_manager->QueryDeviceInfo(handle, "DeviceName", &name, &flag));
    EXPECT_EQ(name, "Test Phone");
    EXPECT_EQ(flag, 0);
    std::string missing;
    EXPECT_FALSE(s_manager->QueryDeviceInfo(handle, "PasswordProtected", &missing, nullptr));

    // Queries from several threads at once share the one connection.
    std::vector<std::thread> askers;
    std::atomic<int> answered {0};
    for (int i = 0; i < 4; ++i)
        askers.emplace_back([&] {
            int64_t free = 0;
            bool on = false;
            if (s_manager->GetDeviceDiskSize(handle, "TotalDataAvailable", &free) && free == 123456789012
                && s_manager->CheckDeviceBackupIsEncrypt(handle, &on) == 0 && on)
                ++answered;
        });
    for (std::thread &asker : askers)
        asker.join();
    EXPECT_EQ(answered, 4);

    device->unplug();
    expect(DEVICE_REMOVED, kTrusted);
    device->stop();
}

TEST_F(LayerTest, UntrustedPhoneIsNeverPairedByConnectingAndTrustsLater)
{
    SimulatedDeviceState state = phone(kUntrusted);
    state.paired = false;
    state.apps.clear();
    auto device = plug(state);
    const Event connected = expect(DEVICE_CONNECTED, kUntrusted);
    EXPECT_FALSE(connected.info.trusted);
    EXPECT_TRUE(s_events->quiet(std::chrono::milliseconds(300)));
    bool encrypted = false;
    EXPECT_NE(s_manager->CheckDeviceBackupIsEncrypt(connected.device, &encrypted), 0);

    ASSERT_TRUE(device->trust(kUntrusted));
    const Event trusted = expect(DEVICE_TRUSTED, kUntrusted);
    EXPECT_TRUE(trusted.info.trusted);
    EXPECT_EQ(s_manager->CheckDeviceBackupIsEncrypt(trusted.device, &encrypted), 0);
    std::vector<std::string> apps {"stale"};
    EXPECT_TRUE(s_manager->GetAppList(trusted.device, &apps));
    EXPECT_TRUE(apps.empty());

    // The muxer going away reports the device removed.
    device->stop();
    expect(DEVICE_REMOVED, kUntrusted);
}

TEST_F(LayerTest, PhoneRefusingTheSessionIsNotTrusted)
{
    SimulatedDeviceState state = phone(kStranger);
    state.acceptedHostId = "5A1B2C3D-0000-4000-8000-5141AB0000FF";
    auto device = plug(state);
    const Event connected = expect(DEVICE_CONNECTED, kStranger);
    // The host holds a record the phone no longer takes: not trusted.
    EXPECT_FALSE(connected.info.trusted);
    EXPECT_TRUE(s_events->quiet(std::chrono::milliseconds(300)));
    std::string value;
    int flag = 0;
    // Values outside a domain still answer; the session's code tells why it failed.
    EXPECT_TRUE(s_manager->QueryDeviceInfo(connected.device, "DeviceName", &value, &flag));
    EXPECT_EQ(flag, -21); // the lockdown error for an unknown host
    bool encrypted = false;
    EXPECT_EQ(s_manager->CheckDeviceBackupIsEncrypt(connected.device, &encrypted), -21);

    device->unplug();
    expect(DEVICE_REMOVED, kStranger);
    device->stop();
}

TEST_F(LayerTest, StoppingTheRunLoopEndsTheListener)
{
    void *loop = s_events->loop();
    ASSERT_NE(loop, nullptr);
    const auto stop = reinterpret_cast<StopLoopFunction>(
        dlsym(dlopen("libCoreFoundation.so", RTLD_NOW | RTLD_NOLOAD), "CFRunLoopStop"));
    ASSERT_NE(stop, nullptr);
    stop(loop);
    s_listener->join();
    EXPECT_TRUE(s_listenerResult);
}
