#include "backupbuilder.h"
#include "backupsession.h"
#include "hostileplists.h"

#include <gtest/gtest.h>
#include <plist/plist.h>

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

    // A Status.plist of one SnapshotState value, as XML or binary.
    std::string statusPlist(plist_t state, bool binary)
    {
        plist_t root = plist_new_dict();
        plist_dict_set_item(root, "SnapshotState", state);
        return testsupport::plistBytes(root, binary);
    }

    TEST(SnapshotState, OnlyAReadableTextCounts)
    {
        plist_t list = plist_new_array();
        plist_array_append_item(list, plist_new_string("finished"));
        const std::string array = testsupport::plistBytes(list, true);
        const std::pair<std::string, std::string> cases[] = {
            {statusPlist(plist_new_string("finished"), false), "finished"},
            {statusPlist(plist_new_string("finished"), true), "finished"},
            {statusPlist(plist_new_string("uploading"), true), "uploading"},
            {statusPlist(plist_new_string(""), true), ""},
            {statusPlist(plist_new_uint(1), true), ""},
            // libplist aborts when such a text is read whole.
            {std::string("<plist><dict><key>SnapshotState</key><string>finished\0!</string></dict></plist>", 79),
             "finished"},
            {array, ""},
            {"", ""},
            {"bplist00", ""},
            {"<plist><dict><key>SnapshotState</key><string>finished", ""},
            // Made to exhaust libplist: refused before it is parsed.
            {testsupport::sharedArraysPlist(40), ""},
            {testsupport::nestedArraysPlist(200000, true), ""},
            {testsupport::nestedArraysPlist(200000, false), ""},
        };
        const std::filesystem::path folder = std::filesystem::path(std::getenv("QUENROW_TEST_HOME")) / "snapshot";
        std::filesystem::create_directories(folder);
        const std::string path = (folder / "Status.plist").string();
        for (const auto &[bytes, state] : cases) {
            SCOPED_TRACE(testing::PrintToString(bytes.substr(0, 60)));
            ASSERT_TRUE(testsupport::writeFile(path, bytes));
            EXPECT_EQ(readSnapshotState(path), state);
        }
        EXPECT_EQ(readSnapshotState(path + ".missing"), "");
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
