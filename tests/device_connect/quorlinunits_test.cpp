#include "devicemodels.h"
#include "processrunner.h"
#include "quorlinutil.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
    // The identifiers of the table, in order.
    const char kExpectedKeys[] =
        "iPhone1,1; iPhone1,2; iPhone2,1; iPhone3,1; iPhone3,2; iPhone3,3; iPhone4,1; iPhone5,1; iPhone5,2; "
        "iPhone5,3; iPhone5,4; iPhone6,1; iPhone6,2; iPhone7,1; iPhone7,2; iPhone8,1; iPhone8,1; iPhone8,2; "
        "iPhone8,2; iPhone8,4; iPhone8,4; iPhone9,1; iPhone9,2; iPhone9,3; iPhone9,4; iPhone10,1; iPhone10,2; "
        "iPhone10,3; iPhone10,4; iPhone10,5; iPhone10,6; iPhone11,2; iPhone11,4; iPhone11,6; iPhone11,8; "
        "iPhone12,1; iPhone12,3; iPhone12,5; iPhone12,8; iPhone13,1; iPhone13,2; iPhone13,3; iPhone13,4; "
        "iPhone14,2; iPhone14,3; iPhone14,4; iPhone14,5; iPhone14,6; iPhone14,7; iPhone14,8; iPhone15,2; "
        "iPhone15,3; iPhone15,4; iPhone15,5; iPhone16,1; iPhone16,2; iPod1,1; iPod2,1; iPod3,1; iPod4,1; "
        "iPod5,1; iPod7,1; iPod9,1; iPad1,1; iPad2,1; iPad2,2; iPad2,3; iPad2,4; iPad2,5; iPad2,6; iPad2,7; "
        "iPad3,1; iPad3,2; iPad3,3; iPad3,4; iPad3,5; iPad3,6; iPad4,1; iPad4,2; iPad4,3; iPad4,4; iPad4,5; "
        "iPad4,6; iPad4,7; iPad4,8; iPad4,9; iPad5,1; iPad5,2; iPad5,3; iPad5,4; iPad6,3; iPad6,4; iPad6,7; "
        "iPad6,8; iPad6,11; iPad6,11; iPad6,12; iPad6,12; iPad7,1; iPad7,2; iPad7,3; iPad7,4; iPad7,5; iPad7,6; "
        "iPad7,11; iPad7,12; iPad8,1; iPad8,2; iPad8,3; iPad8,4; iPad8,5; iPad8,6; iPad8,7; iPad8,8; iPad8,9; "
        "iPad8,10; iPad8,11; iPad8,12; iPad11,1; iPad11,2; iPad11,3; iPad11,4; iPad11,6; iPad11,7; iPad12,1; "
        "iPad12,2; iPad13,1; iPad13,2; iPad13,4; iPad13,5; iPad13,6; iPad13,7; iPad13,8; iPad13,9; iPad13,10; "
        "iPad13,11; iPad13,16; iPad13,17; iPad13,18; iPad13,19; iPad14,1; iPad14,2; iPad14,3; iPad14,4; "
        "iPad14,5; iPad14,6; AppleTV2,1; AppleTV3,1; AppleTV3,2; AppleTV5,3; AppleTV6,2; AppleTV11,1; "
        "AppleTV14,1; AudioAccessory1,1; AudioAccessory1,2; AudioAccessory5,1; AudioAccessory6,1; Watch1,1; "
        "Watch1,2; Watch2,6; Watch2,7; Watch2,3; Watch2,4; Watch3,1; Watch3,2; Watch3,3; Watch3,4; Watch4,1; "
        "Watch4,2; Watch4,3; Watch4,4; Watch5,1; Watch5,2; Watch5,3; Watch5,4; Watch5,9; Watch5,10; Watch5,11; "
        "Watch5,12; Watch6,1; Watch6,2; Watch6,3; Watch6,4; Watch6,6; Watch6,7; Watch6,8; Watch6,9; Watch6,10; "
        "Watch6,11; Watch6,12; Watch6,13; Watch6,14; Watch6,15; Watch6,16; Watch6,17; Watch6,18; Watch7,1; "
        "Watch7,2; Watch7,3; Watch7,4; Watch7,5; ADP3,2; Macmini9,1; MacBookPro17,1; MacBookPro18,1; "
        "MacBookPro18,2; MacBookPro18,3; MacBookPro18,4; MacBookAir10,1; iMac21,1; iMac21,2; Mac13,1; Mac13,2; "
        "Mac14,2; Mac14,7; Mac14,3; Mac14,5; Mac14,6; Mac14,8; Mac14,9; Mac14,10; Mac14,12; Mac14,13; Mac14,14; "
        "Mac14,15; VirtualMac2,1; iBridge2,1; iBridge2,3; iBridge2,4; iBridge2,5; iBridge2,6; iBridge2,7; "
        "iBridge2,8; iBridge2,10; iBridge2,12; iBridge2,14; iBridge2,15; iBridge2,16; iBridge2,19; iBridge2,20; "
        "iBridge2,21; iBridge2,22; AppleDisplay2,1";

    std::vector<std::string> expectedKeys()
    {
        std::vector<std::string> keys;
        std::stringstream in(kExpectedKeys);
        for (std::string key; std::getline(in, key, ';');)
            keys.push_back(key.substr(key.find_first_not_of(' ')));
        return keys;
    }

    std::string scratch(const std::string &name)
    {
        return std::string(std::getenv("QUENROW_TEST_HOME")) + "/" + name;
    }

    std::string writeScript(const std::string &name, const std::string &body)
    {
        const std::string path = scratch(name);
        std::ofstream(path) << "#!/bin/sh\n" << body;
        chmod(path.c_str(), 0755);
        return path;
    }
}

TEST(DeviceModels, RowsAreTheTableInItsOrder)
{
    std::vector<std::string> keys;
    const DeviceModelEntry *row = DeviceModelTable();
    for (; row->ProductType; ++row)
        keys.push_back(row->ProductType);
    EXPECT_EQ(keys, expectedKeys());
    EXPECT_EQ(keys.size(), 243u);
    EXPECT_EQ(row->BoardConfig, nullptr);
    EXPECT_EQ(row->BoardId, 0xFFFFFFFFu);
    EXPECT_EQ(row->ChipId, 0xFFFFFFFFu);
}

TEST(DeviceModels, LooksUpByTypeAndByCode)
{
    struct Case
    {
        const char *type;
        const char *board;
        uint32_t code;
        const char *name;
    };
    const Case cases[] = {
        {"iPhone12,1", "n104ap", 0x4008030, "iPhone 11"},
        {"iPod9,1", "n112ap", 0x16008010, "iPod Touch (7th gen)"},
        {"iPhone1,1", "m68ap", 0x8900, "iPhone 2G"},
        {"iPhone10,3", "d22ap", 0x6008015, "iPhone X (Global)"},
        {"iPad13,1", "j307ap", 0x4008101, "iPad Air (4th gen, WiFi)"},
        {"AppleTV5,3", "j42dap", 0x34007000, "Apple TV 4"},
        {"Watch1,1", "n27aap", 0x2007002, "Apple Watch 38mm (1st gen)"},
        {"iBridge2,1", "j137ap", 0xA008012, "Apple T2 iMacPro1,1 (j137)"},
        {"AppleDisplay2,1", "j327ap", 0x22008030, "Studio Display"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.type);
        const DeviceModelEntry *row = FindDeviceModelByProductType(c.type);
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(row->BoardConfig, c.board);
        EXPECT_STREQ(row->DisplayName, c.name);
        EXPECT_EQ(DeviceModelProductCode(*row), c.code);
        const DeviceModelEntry *byCode = FindDeviceModelByProductCode(c.code);
        ASSERT_NE(byCode, nullptr);
        EXPECT_EQ(DeviceModelProductCode(*byCode), c.code);
    }
}

TEST(DeviceModels, TwoMakersOfOneModel)
{
    for (const char *type : {"iPhone8,1", "iPhone8,2", "iPhone8,4", "iPad6,11", "iPad6,12"}) {
        SCOPED_TRACE(type);
        const DeviceModelEntry *first = FindDeviceModelByProductType(type);
        ASSERT_NE(first, nullptr);
        const DeviceModelEntry *second = first + 1;
        ASSERT_STREQ(second->ProductType, type);
        EXPECT_STRNE(first->BoardConfig, second->BoardConfig);
        EXPECT_EQ(FindDeviceModelByProductCode(DeviceModelProductCode(*first)), first);
        EXPECT_EQ(FindDeviceModelByProductCode(DeviceModelProductCode(*second)), second);
    }
    const DeviceModelEntry *n71 = FindDeviceModelByProductType("iPhone8,1");
    EXPECT_STREQ(n71->BoardConfig, "n71ap");
    EXPECT_EQ(DeviceModelProductCode(n71[0]), 0x4008000u);
    EXPECT_EQ(DeviceModelProductCode(n71[1]), 0x4008003u);
    EXPECT_STREQ(FindDeviceModelByProductCode(0x4008003)->BoardConfig, "n71map");
}

TEST(DeviceModels, UnknownGivesNothing)
{
    for (const char *type : {"", "iphone12,1", "iPhone12,1 ", "iPhone99,9"})
        EXPECT_EQ(FindDeviceModelByProductType(type), nullptr) << type;
    EXPECT_EQ(FindDeviceModelByProductCode(0), nullptr);
    EXPECT_EQ(FindDeviceModelByProductCode(0xFFFFFFFF), nullptr);
}

TEST(ProcessRunner, CapturesOutputAndExitCode)
{
    struct Case
    {
        const char *name;
        std::string body;
        int code;
        std::string output;
    };
    const std::string big(300000, 'x'); // far more than a pipe holds
    const Case cases[] = {
        {"both streams", "echo out; echo err >&2; exit 7\n", 7, "out\nerr\n"},
        {"silent", "exit 0\n", 0, ""},
        {"signalled", "kill -TERM $$\n", 128 + 15, ""},
        {"big output", "head -c 300000 /dev/zero | tr '\\0' x\n", 0, big},
        {"stdin", "readlink /proc/self/fd/0; cat; echo end\n", 3, "/dev/null\nend\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::string body = c.body;
        if (std::string(c.name) == "stdin")
            body += "exit 3\n";
        const std::string script = writeScript("runner.sh", body);
        CProcessRunner runner;
        ASSERT_TRUE(runner.Run({script}));
        EXPECT_EQ(runner.ExitCode(), c.code);
        EXPECT_EQ(runner.Output(), c.output);
    }
}

TEST(ProcessRunner, ArgumentsArriveIntact)
{
    const std::string script = writeScript("args.sh", "for a in \"$@\"; do printf '[%s]' \"$a\"; done\n");
    CProcessRunner runner;
    ASSERT_TRUE(runner.Run({script, "", "two words", "q\"uo'te", "$HOME;`id`", "ü"}));
    EXPECT_EQ(runner.Output(), "[][two words][q\"uo'te][$HOME;`id`][ü]");
}

TEST(ProcessRunner, StopsWhenTheChildEndsEvenIfAGrandchildHoldsThePipe)
{
    const std::string script = writeScript("grandchild.sh", "sleep 30 &\necho started\nexit 4\n");
    CProcessRunner runner;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(runner.Run({script}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_EQ(runner.ExitCode(), 4);
    EXPECT_EQ(runner.Output(), "started\n");
}

TEST(ProcessRunner, ProgramsThatCannotStart)
{
    const std::string plain = scratch("plain.txt");
    std::ofstream(plain) << "not a program\n";
    chmod(plain.c_str(), 0644);
    for (bool wait : {true, false}) {
        for (const std::string &program : {scratch("missing"), plain, std::string()}) {
            CProcessRunner runner;
            EXPECT_FALSE(runner.Run({program}, wait)) << program << " wait " << wait;
            EXPECT_EQ(runner.ExitCode(), -1);
        }
        CProcessRunner runner;
        EXPECT_FALSE(runner.Run({}, wait));
    }
}

TEST(ProcessRunner, WithoutWaitTheProgramRunsOnAloneAndLeavesNoChild)
{
    const std::string ids = scratch("detached.ids");
    std::remove(ids.c_str());
    // Writes its id and its parent's, then outlives the call by far.
    const std::string script = writeScript("detached.sh", "echo $$ $PPID > \"$1.tmp\"\nmv \"$1.tmp\" \"$1\"\n"
                                                          "echo output nobody reads\nexec sleep 60\n");
    CProcessRunner runner;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(runner.Run({script, ids}, false));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_EQ(runner.ExitCode(), -1);
    EXPECT_EQ(runner.Output(), "");

    long pid = 0;
    long parent = 0;
    for (int i = 0; i < 400 && !(std::ifstream(ids) >> pid >> parent); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_GT(pid, 0) << "the program never ran";
    EXPECT_NE(parent, long(getpid()));
    EXPECT_EQ(kill(pid_t(pid), 0), 0) << "the call waited for the program";
    // Nothing is left for this process to reap: the program is not its child.
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    kill(pid_t(pid), SIGKILL);
}

TEST(QuorlinUtil, FormatString)
{
    EXPECT_EQ(QuorlinUtil::FormatString(nullptr), "");
    EXPECT_EQ(QuorlinUtil::FormatString("%s", ""), "");
    EXPECT_EQ(QuorlinUtil::FormatString("plain"), "plain");
    EXPECT_EQ(QuorlinUtil::FormatString("%s -u %s changepw %d%%", "/usr/bin/idevicebackup2", "0000-1", 100),
              "/usr/bin/idevicebackup2 -u 0000-1 changepw 100%");
    const std::string long_(5000, 'y');
    EXPECT_EQ(QuorlinUtil::FormatString("<%s>", long_.c_str()), "<" + long_ + ">");
}

TEST(QuorlinUtil, FormatWString)
{
    EXPECT_EQ(QuorlinUtil::FormatWString(nullptr), L"");
    EXPECT_EQ(QuorlinUtil::FormatWString(L""), L"");
    EXPECT_EQ(QuorlinUtil::FormatWString(L"%ls is %d%%", L"Jürgen’s iPhone 😀", 42), L"Jürgen’s iPhone 😀 is 42%");
    const std::wstring long_(5000, L'ü');
    EXPECT_EQ(QuorlinUtil::FormatWString(L"<%ls>", long_.c_str()), L"<" + long_ + L">");
    // Narrow text that the C locale cannot read fails whole, never half.
    EXPECT_EQ(QuorlinUtil::FormatWString(L"a%sb", "\xff"), L"");
}

TEST(QuorlinUtil, ReplaceAll)
{
    struct Case
    {
        std::string text, search, replacement, expected;
    };
    const Case cases[] = {
        {"a.b.c", ".", "/", "a/b/c"},
        {"aaa", "a", "aa", "aaaaaa"}, // the replacement is not searched again
        {"aaaa", "aa", "a", "aa"},
        {"abc", "x", "y", "abc"},
        {"abc", "", "y", "abc"},
        {"", "a", "y", ""},
        {"abcabc", "abc", "", ""},
    };
    for (const Case &c : cases) {
        std::string text = c.text;
        QuorlinUtil::ReplaceAll(text, c.search, c.replacement);
        EXPECT_EQ(text, c.expected) << c.text << " / " << c.search;
        std::wstring wide = QuorlinUtil::Utf8ToWString(c.text);
        QuorlinUtil::ReplaceAll(wide, QuorlinUtil::Utf8ToWString(c.search), QuorlinUtil::Utf8ToWString(c.replacement));
        EXPECT_EQ(QuorlinUtil::WStringToAnsi(wide), c.expected) << c.text << " / " << c.search;
    }
}

TEST(QuorlinUtil, NormalizeSeparators)
{
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"", L""},
        {L"C:\\Program Files\\iTunes\\", L"C:/Program Files/iTunes/"},
        {L"/home/me//iTunes/x.dll", L"/home/me/iTunes/x.dll"},
        {L"a\\/\\//b", L"a/b"},
        {L"\\\\server\\share", L"/server/share"},
        {L"plain", L"plain"},
    };
    for (const auto &[path, expected] : cases) {
        std::wstring text = path;
        QuorlinUtil::NormalizeSeparators(text);
        EXPECT_EQ(text, expected) << QuorlinUtil::WStringToAnsi(path);
    }
}

TEST(QuorlinUtil, WriteDataToFileReportsFailures)
{
    const std::string path = scratch("data.bin");
    EXPECT_TRUE(QuorlinUtil::WriteDataToFile(path, "abc", 3));
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "abc");
    EXPECT_FALSE(QuorlinUtil::WriteDataToFile(scratch("no-such-folder/data.bin"), "abc", 3));
    EXPECT_FALSE(QuorlinUtil::WriteDataToFile("/dev/full", "abc", 3));
}

TEST(QuorlinUtil, TextConversionsAreUtf8)
{
    const std::wstring wide = L"Jürgen’s iPhone 😀";
    EXPECT_EQ(QuorlinUtil::WStringToAnsi(wide), "Jürgen’s iPhone 😀");
    EXPECT_EQ(QuorlinUtil::AnsiToWString("Jürgen’s iPhone 😀"), wide);
    EXPECT_EQ(QuorlinUtil::Utf8ToWString(""), L"");
    EXPECT_EQ(QuorlinUtil::Utf8ToWString("a\xff"), L"a\xFFFD");
}
