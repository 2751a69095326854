#include "backupbuilder.h"
#include "idbexecutor.h"
#include "scanrecorder.h"
#include "simulateddevice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>

using namespace testsupport;

namespace
{
    const std::string Udid = "00008030a1b2c3d4e5f60718293a4b5c6d7e8f91";

    // Progress seen per copy, keyed by the value each export handed in.
    struct Progress
    {
        std::mutex mutex;
        std::map<intptr_t, std::vector<double>> percents;
    };
    Progress g_progress;

    void record(const int *status, int, int, const void *percent, void *user)
    {
        if (*status != DBSTATUS_COPY_PROGRESS)
            return;
        std::lock_guard<std::mutex> lock(g_progress.mutex);
        g_progress.percents[reinterpret_cast<intptr_t>(user)].push_back(*static_cast<const double *>(percent));
    }

    std::unique_ptr<IDBExecutor> newExecutor()
    {
        IDBExecutor *raw = nullptr;
        EXPECT_TRUE(InitDBExecutor(&raw));
        raw->SetCallback(record, nullptr);
        return std::unique_ptr<IDBExecutor>(raw);
    }
}

// Copy workers share the one session, each with its own executor and its
// own file name as the value that comes back with the progress.
TEST(DeviceParallel, TwoExportsOverOneSessionCopyEachFileWhole)
{
    const std::string root = freshFolder("parallel-root");
    const std::vector<std::string> files = {patternBytes(400000, 1), patternBytes(330000, 2)};
    for (size_t i = 0; i < files.size(); ++i)
        ASSERT_TRUE(writeFile(root + "/f" + std::to_string(i) + ".bin", files[i]));
    const std::string socket = SimulatedDevice::uniqueSocketPath("parallel");
    setenv("USBMUXD_SOCKET_ADDRESS", SimulatedDevice::muxAddress(socket).c_str(), 1);
    SimulatedDeviceState state;
    state.udid = Udid;
    state.root = root;
    SimulatedDevice device(state);
    ASSERT_TRUE(device.start(socket));

    auto session = newExecutor();
    ASSERT_EQ(session->ConnectDevice(widen(Udid)), 0);
    const std::string out = freshFolder("parallel-out");
    std::vector<std::string> names = {"f0.bin", "f1.bin"};
    int results[2] = {-9, -9};
    std::vector<std::thread> workers;
    for (int i = 0; i < 2; ++i)
        workers.emplace_back([&, i] {
            auto executor = newExecutor();
            results[i] = executor->ExportFromDevice(widen(out), widen("/" + names[i]),
                                                    reinterpret_cast<intptr_t>(&names[i]));
        });
    for (auto &worker : workers)
        worker.join();
    session->DisconnectDevice();
    device.stop();

    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(results[i], 0);
        EXPECT_TRUE(readFile(out + "/" + names[i]) == files[i]);
        const auto &percents = g_progress.percents[reinterpret_cast<intptr_t>(&names[i])];
        ASSERT_FALSE(percents.empty());
        EXPECT_EQ(percents.back(), 100.0);
        EXPECT_EQ(percents.size(), (files[i].size() + 65535) / 65536);
    }
}
