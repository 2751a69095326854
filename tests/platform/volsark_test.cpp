// The decryption library as the main program loads it.

#include "backupbuilder.h"
#include "backupencrypter.h"
#include "scanrecorder.h"
#include "volsark.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using namespace testsupport;

namespace
{
    std::vector<std::pair<int, int>> g_calls;
    std::atomic<bool> g_stop{false};
    bool g_stopInFirstCall = false;

    void recordProgress(int done, int total)
    {
        g_calls.emplace_back(done, total);
        if (g_stopInFirstCall)
            g_stop = true;
    }

    IVolsarkMgr *library()
    {
        static IVolsarkMgr *manager = [] {
            const std::string path = std::string(std::getenv("QUENROW_BIN_DIR")) + "/libVolsark.so";
            void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            EXPECT_NE(handle, nullptr) << dlerror();
            auto init = reinterpret_cast<bool (*)(IVolsarkMgr **)>(handle ? dlsym(handle, "InitVolsarkMgr") : nullptr);
            EXPECT_NE(init, nullptr);
            IVolsarkMgr *out = nullptr;
            if (init) {
                EXPECT_FALSE(init(nullptr));
                EXPECT_TRUE(init(&out));
            }
            return out;
        }();
        return manager;
    }

    std::wstring wide(const std::string &text)
    {
        return widen(text);
    }

    // Many small files, so that progress has to be thinned out.
    std::pair<std::string, std::string> manyFiles(int count)
    {
        BackupBuilder backup(freshFolder("many-plain"));
        for (int i = 0; i < count; ++i)
            backup.addFile("HomeDomain", "Library/f" + std::to_string(i), std::string(size_t(i % 50), 'a'));
        backup.write();
        const std::string encrypted = freshFolder("many-encrypted");
        encryptBackup(backup.folder(), encrypted, {});
        return {backup.folder(), encrypted};
    }

    void reset()
    {
        g_calls.clear();
        g_stop = false;
        g_stopInFirstCall = false;
    }
}

TEST(Volsark, ProgressRunsFromOneToTotal)
{
    IVolsarkMgr *manager = library();
    ASSERT_NE(manager, nullptr);
    const auto [plain, encrypted] = manyFiles(600);
    EXPECT_TRUE(manager->CheckIOSBackupEncrypt(wide(encrypted)));
    EXPECT_FALSE(manager->CheckIOSBackupEncrypt(wide(plain)));

    reset();
    const std::string out = freshFolder("many-out");
    ASSERT_TRUE(manager->DecryptBackup(wide(encrypted), wide(out), L"secret", recordProgress, &g_stop));
    ASSERT_GE(g_calls.size(), 2u);
    const int total = g_calls.front().second;
    EXPECT_EQ(total, 602);
    EXPECT_EQ(g_calls.front(), std::make_pair(1, total));
    EXPECT_EQ(g_calls.back(), std::make_pair(total, total));
    for (size_t i = 1; i < g_calls.size(); ++i) {
        EXPECT_EQ(g_calls[i].second, total);
        EXPECT_GT(g_calls[i].first, g_calls[i - 1].first);
    }
    // At most about one call per per cent, not one per file; some in between,
    // though not every per cent: the workers finish files in bursts under load.
    EXPECT_LE(g_calls.size(), 110u);
    EXPECT_GE(g_calls.size(), 10u);
}

TEST(Volsark, AStopInTheFirstCallLeavesNothing)
{
    IVolsarkMgr *manager = library();
    ASSERT_NE(manager, nullptr);
    const auto [plain, encrypted] = manyFiles(20);
    reset();
    g_stopInFirstCall = true;
    const std::string parent = freshFolder("stop-out");
    EXPECT_FALSE(manager->DecryptBackup(wide(encrypted), wide(parent + "/a/b"), L"secret", recordProgress, &g_stop));
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls.front().first, 1);
    EXPECT_TRUE(fs::is_empty(parent));
}

TEST(Volsark, AWrongPasswordMakesNoCallAndNoFolder)
{
    IVolsarkMgr *manager = library();
    ASSERT_NE(manager, nullptr);
    const auto [plain, encrypted] = manyFiles(3);
    reset();
    const std::string parent = freshFolder("wrong-out");
    EXPECT_FALSE(manager->DecryptBackup(wide(encrypted), wide(parent + "/x"), L"Secret", recordProgress, &g_stop));
    EXPECT_TRUE(g_calls.empty());
    EXPECT_TRUE(fs::is_empty(parent));
    // A null callback and a null stop flag are allowed.
    EXPECT_TRUE(manager->DecryptBackup(wide(encrypted), wide(parent + "/y"), L"secret", nullptr, nullptr));
}
