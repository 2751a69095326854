#include "backupbuilder.h"
#include "scanrecorder.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace
{
    std::string vardexScan(const std::string &arguments, int *exitCode = nullptr)
    {
        return runCommand(std::string(VARDEX_SCAN_PATH) + " " + arguments, exitCode);
    }

    std::string smallBackup()
    {
        BackupBuilder backup(freshFolder("cli"));
        backup.addFile("HomeDomain", "Library/a \"quoted\"\tname", "a");
        backup.addFile("MediaDomain", "Media/b.jpg", "b");
        backup.write();
        return backup.folder();
    }
}

TEST(VardexScan, PrintsTheSameLinesAsAnInProcessScan)
{
    const std::string backup = smallBackup();
    const std::string out = freshFolder("cli-out");
    int exitCode = -1;
    const auto printed = splitLines(vardexScan("--backup " + shellQuote(backup) + " --mask 0x1 --out " +
                                               shellQuote(out), &exitCode));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(printed, scanEvents({backup, out, DBAPP_MANIFEST, DBMODE_BACKUP}));
    ASSERT_EQ(printed.size(), 6u);
    EXPECT_NE(printed[2].find("\\\"quoted\\\"\\tname"), std::string::npos) << printed[2];
}

TEST(VardexScan, CountPrintsOneLinePerCategory)
{
    const std::string backup = smallBackup();
    EXPECT_EQ(vardexScan("--count --backup " + shellQuote(backup) + " --mask 1 --out " + shellQuote(freshFolder("o"))),
              "{\"kind\":1,\"records\":2}\n");
}

TEST(VardexScan, RejectsBadArguments)
{
    for (const std::string arguments : {"--mask zz --backup /x --out /y", "--bogus", "--owner", "--backup"}) {
        int exitCode = 0;
        vardexScan(arguments + " 2>/dev/null", &exitCode);
        EXPECT_EQ(exitCode, 2) << arguments;
    }
}
