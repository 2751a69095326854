#include "backupbuilder.h"
#include "scanrecorder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>

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

// A category that cannot be read is told on stderr, one line each, and the
// exit code says so; the rest is printed in full. With --count as well.
TEST(VardexScan, TellsWhatCouldNotBeReadAndExitsNonZero)
{
    BackupBuilder builder(freshFolder("cli-damaged"));
    builder.addFile("HomeDomain", "Library/SMS/sms.db", std::string(8192, '\x5A'));
    builder.addFile("MediaDomain", "Media/b.jpg", "b");
    builder.write();
    const std::string backup = builder.folder();
    const std::string errors = freshFolder("cli-damaged-err") + "/stderr";
    const std::string out = shellQuote(freshFolder("cli-damaged-out"));
    const std::string smsError = "vardex-scan: category 0x4 could not be read: a file it needs is not a database "
                                 "(scrambled or encrypted)\n";
    for (const std::string count : {"", "--count "}) {
        SCOPED_TRACE(count);
        int exitCode = -1;
        const auto printed = splitLines(vardexScan(count + "--backup " + shellQuote(backup) + " --mask 0x5 --out " + out
                                                       + " 2>" + shellQuote(errors),
                                                   &exitCode));
        EXPECT_EQ(exitCode, 3);
        EXPECT_EQ(readFile(errors), smsError);
        if (count.empty()) {
            EXPECT_EQ(recordLines(printed, DBAPP_MANIFEST).size(), 2u);
            EXPECT_EQ(std::count(printed.begin(), printed.end(), errorLine(DBAPP_SMS, DBERROR_NOT_A_DATABASE)), 1);
        } else {
            EXPECT_EQ(printed, (std::vector<std::string> {"{\"kind\":1,\"records\":2}", "{\"kind\":4,\"records\":0}"}));
        }
    }

    int exitCode = -1;
    vardexScan("--count --backup " + shellQuote(backup + "/gone") + " --mask 0x5 --out " + out + " 2>"
                   + shellQuote(errors),
               &exitCode);
    EXPECT_EQ(exitCode, 4);
    EXPECT_EQ(readFile(errors), "vardex-scan: category 0x1 could not be read: the backup folder does not exist or "
                                "cannot be read\n"
                                "vardex-scan: category 0x4 could not be read: the backup folder does not exist or "
                                "cannot be read\n");
}

// A locked file list: the category that needs it is told, not counted as empty.
TEST(VardexScan, CountWithALockedCategoryExitsNonZero)
{
    const std::string backup = smallBackup();
    sqlite3 *holder = nullptr;
    ASSERT_EQ(sqlite3_open((backup + "/Manifest.db").c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const std::string errors = freshFolder("cli-locked-err") + "/stderr";
    int exitCode = -1;
    const std::string printed = vardexScan("--count --backup " + shellQuote(backup) + " --mask 0x40000 --out "
                                               + shellQuote(freshFolder("cli-locked-out")) + " 2>" + shellQuote(errors),
                                           &exitCode);
    sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    EXPECT_EQ(exitCode, 3);
    EXPECT_EQ(printed, "");
    EXPECT_EQ(readFile(errors),
              "vardex-scan: category 0x40000 could not be read: a database it needs stayed locked by another program\n");
}
