#include "backupsession.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace
{
    struct RequestCase
    {
        const char *argument;
        bool ok;
        const char *path;
        const char *target;
        const char *backupType;
        bool full;
    };

    const RequestCase kRequests[] = {
        {"-path|/b/x|-target|U1|-backuptype|12", true, "/b/x", "U1", "12", false},
        {"-path|/b/x|-target|U1|-a|full|-backuptype|0", true, "/b/x", "U1", "0", true},
        {"-backuptype|4|-target|U1|-path|/b/y", true, "/b/y", "U1", "4", false},
        {"-path|/b/x|-target|U1", true, "/b/x", "U1", "", false},
        {"-path|/b/x|-target|U1|-a|incremental", true, "/b/x", "U1", "", false},
        {"-path|/b/x", false, "", "", "", false},
        {"-path||-target|U1", false, "", "", "", false},
        {"-path|/b/x|-target", false, "", "", "", false},
        {"-path|/b/x|-target|U1|-force|1", false, "", "", "", false},
        {"-path|/b/x|-target|..", false, "", "", "", false},
        {"-path|/b/x|-target|a/b", false, "", "", "", false},
        {"", false, "", "", "", false},
    };

    TEST(BackupRequest, ReadsTheArgumentByKeys)
    {
        for (const RequestCase &c : kRequests) {
            SCOPED_TRACE(c.argument);
            BackupRequest request;
            ASSERT_EQ(parseBackupRequest(c.argument, request), c.ok);
            if (!c.ok)
                continue;
            EXPECT_EQ(request.path, c.path);
            EXPECT_EQ(request.target, c.target);
            EXPECT_EQ(request.backupType, c.backupType);
            EXPECT_EQ(request.full, c.full);
        }
        BackupRequest request;
        ASSERT_TRUE(parseBackupRequest("-path|/b/x|-target|U1", request));
        EXPECT_EQ(partialFolder(request), "/b/x/.U1.partial");
    }

    TEST(DevicePath, StaysInsideTheDeviceFolder)
    {
        const std::array<std::pair<const char *, const char *>, 12> cases {{
            {"U1/Manifest.db", "/r/Manifest.db"},
            {"U1/ab/abcdef", "/r/ab/abcdef"},
            {"U1", "/r"},
            {"U1/a\\b", "/r/a\\b"},
            {"U1/../../x", ""},
            {"U1/ab/../../x", ""},
            {"U1/./x", ""},
            {"U1//x", ""},
            {"U1/x/", ""},
            {"OTHER/Manifest.db", ""},
            {"/U1/x", ""},
            {"", ""},
        }};
        for (const auto &[device, local] : cases) {
            SCOPED_TRACE(device);
            EXPECT_EQ(resolveDevicePath("/r", "U1", device), local);
        }
    }

    // The program itself, with no device service to reach.
    int runProgram(const std::string &arguments, std::string &output)
    {
        const std::string command = std::string(HARROWMOSS_PATH) + " " + arguments + " 2>/dev/null";
        FILE *pipe = ::popen(command.c_str(), "r");
        if (!pipe)
            return -1;
        char buffer[512];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, got);
        const int status = ::pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    TEST(Harrowmoss, ReportsAMissingDevice)
    {
        const std::filesystem::path work = std::filesystem::path(std::getenv("QUENROW_TEST_HOME")) / "missing";
        std::filesystem::remove_all(work);
        std::string output;
        EXPECT_EQ(runProgram("'-path|" + work.string() + "|-target|NOPE-1|-a|full|-backuptype|0'", output), 1);
        EXPECT_EQ(output, "Error: device not found, -1\r\n");
        EXPECT_FALSE(std::filesystem::exists(work));
    }

    TEST(Harrowmoss, RefusesABadArgument)
    {
        std::string output;
        EXPECT_EQ(runProgram("'-path|/tmp/x'", output), 2);
        EXPECT_EQ(runProgram("'-path|/tmp/x|-target|U' extra", output), 2);
        EXPECT_EQ(output, "");
    }
}
