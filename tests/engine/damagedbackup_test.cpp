// Damaged input is told apart from no data: a database that exists but
// cannot be read is an error of its category, a backup folder or
// Manifest.db that cannot be read an error of every category before
// anything is scanned; what can be read still comes through in full.

#include "backupbuilder.h"
#include "iosschemas.h"
#include "scanrecorder.h"
#include "systemschemas.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>

using namespace testsupport;
namespace fs = std::filesystem;

namespace
{
    // Enough messages to fill many pages, so that a cut-off file loses rows.
    const std::string ManyMessages =
        "INSERT INTO handle (ROWID, id, country, service) VALUES (1, '+15550001', 'us', 'iMessage');"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400)"
        " INSERT INTO message (ROWID, guid, text, handle_id, service, date, is_from_me)"
        " SELECT i, 'm' || i, printf('message %d %.*c', i, 80, 'x'), 1, 'iMessage', i, 0 FROM n;";
    const std::string Calls =
        "INSERT INTO ZCALLRECORD (Z_PK, ZANSWERED, ZORIGINATED, ZDATE, ZDURATION, ZSERVICE_PROVIDER) VALUES"
        " (1, 1, 1, 700000000, 62, 'com.apple.Telephony'), (2, 0, 0, 700000100, 0, 'com.apple.Telephony');"
        "INSERT INTO ZHANDLE (Z_PK, ZNORMALIZEDVALUE, ZVALUE) VALUES (1, '+41791234567', '079 123 45 67');";

    const int32_t Mask = DBAPP_MANIFEST | DBAPP_SMS | DBAPP_CALL_HISTORY | DBAPP_LINE;

    struct Backup
    {
        std::string folder;
        std::string sms; // local path of sms.db
    };

    Backup sampleBackup(const std::string &name, bool withMessages = true)
    {
        BackupBuilder backup(freshFolder(name));
        std::string sms;
        if (withMessages)
            sms = backup.pathOf(backup.addDatabase("HomeDomain", "Library/SMS/sms.db",
                                                   std::string(SmsSchema) + SmsRecoverableSchema + ManyMessages));
        backup.addDatabase(schema::HomeDomain, schema::CallHistoryPath, std::string(schema::CallHistorySchema) + Calls);
        backup.write();
        return {backup.folder(), sms};
    }

    // Pseudo-random bytes, the same on every run.
    std::string noise(size_t size)
    {
        std::mt19937 random(35);
        std::string bytes(size, '\0');
        for (char &byte : bytes)
            byte = char(random());
        return bytes;
    }

    void truncateHalf(const std::string &path)
    {
        fs::resize_file(path, fs::file_size(path) / 2);
    }

    // A database in place of another: valid, but without the tables wanted.
    void replaceWithForeignDatabase(const std::string &path)
    {
        fs::remove(path);
        execSql(path, "CREATE TABLE unrelated (x); INSERT INTO unrelated VALUES (1);");
    }

    void replaceWithFolder(const std::string &path)
    {
        fs::remove(path);
        fs::create_directory(path);
    }

    std::vector<std::string> errorLines(const std::vector<std::string> &lines)
    {
        std::vector<std::string> errors;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(errors),
                     [](const std::string &line) { return line.rfind("{\"status\":2,", 0) == 0; });
        return errors;
    }

    struct Case
    {
        const char *name;
        std::function<void(Backup &)> damage;
        std::vector<std::pair<int32_t, int>> failed; // (category, error), in the order they are told
    };
}

TEST(DamagedBackup, EachDamageIsTheErrorOfItsCategoryAndTheRestComesThroughWhole)
{
    const Backup intact = sampleBackup("intact");
    const auto reference = scanEvents({intact.folder, freshFolder("intact-out"), Mask});
    ASSERT_TRUE(errorLines(reference).empty());
    ASSERT_EQ(recordLines(reference, DBAPP_SMS).size(), 400u);
    ASSERT_EQ(recordLines(reference, DBAPP_CALL_HISTORY).size(), 2u);

    const std::vector<Case> cases = {
        {"truncated sms.db", [](Backup &b) { truncateHalf(b.sms); }, {{DBAPP_SMS, DBERROR_MALFORMED}}},
        {"sms.db scrambled whole",
         [](Backup &b) { writeFile(b.sms, noise(fs::file_size(b.sms))); },
         {{DBAPP_SMS, DBERROR_NOT_A_DATABASE}}},
        {"sms.db scrambled behind its header",
         [](Backup &b) {
             const std::string bytes = readFile(b.sms);
             writeFile(b.sms, bytes.substr(0, 100) + noise(bytes.size() - 100));
         },
         {{DBAPP_SMS, DBERROR_MALFORMED}}},
        {"sms.db without its tables", [](Backup &b) { replaceWithForeignDatabase(b.sms); },
         {{DBAPP_SMS, DBERROR_NO_TABLES}}},
        {"sms.db cannot be read", [](Backup &b) { replaceWithFolder(b.sms); }, {{DBAPP_SMS, DBERROR_UNREADABLE}}},
        // The file list is what the LINE task looks its databases up in.
        {"truncated Manifest.db", [](Backup &b) { truncateHalf(b.folder + "/Manifest.db"); },
         {{DBAPP_LINE, DBERROR_MALFORMED}, {DBAPP_MANIFEST, DBERROR_MALFORMED}}},
        {"no sms.db at all: no messages, no error", [](Backup &b) { fs::remove(b.sms); }, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Backup backup = sampleBackup("damaged");
        c.damage(backup);
        const auto before = snapshot(backup.folder);
        const auto lines = scanEvents({backup.folder, freshFolder("damaged-out"), Mask});
        EXPECT_TRUE(snapshot(backup.folder) == before);

        std::vector<std::string> expected;
        for (const auto &[category, error] : c.failed)
            expected.push_back(errorLine(category, error));
        EXPECT_EQ(errorLines(lines), expected);
        // An error is told within its category, before the category's end,
        // or before the scan begins when the category could not be built.
        for (const auto &[category, error] : c.failed) {
            const auto told = std::find(lines.begin(), lines.end(), errorLine(category, error));
            const auto begins = std::find(lines.begin(), lines.end(), progressLine(3, category));
            const auto ends = std::find(lines.begin(), lines.end(), progressLine(4, category));
            EXPECT_TRUE(ends == lines.end() ? told < begins : (begins < told && told < ends));
        }
        EXPECT_EQ(lines.back(), progressLine(2, 0));
        EXPECT_EQ(recordLines(lines, DBAPP_CALL_HISTORY), recordLines(reference, DBAPP_CALL_HISTORY));
        const bool manifestFailed = c.failed.size() == 2;
        if (!manifestFailed) {
            EXPECT_EQ(recordLines(lines, DBAPP_MANIFEST), recordLines(reference, DBAPP_MANIFEST));
        }
        if (c.failed.empty()) {
            EXPECT_TRUE(recordLines(lines, DBAPP_SMS).empty());
        } else if (manifestFailed) {
            EXPECT_EQ(recordLines(lines, DBAPP_SMS), recordLines(reference, DBAPP_SMS));
        }
    }
}

TEST(DamagedBackup, AnUnreadableBackupFolderIsAnErrorOfEveryCategoryBeforeAnyScan)
{
    const auto noFolder = [](Backup &b) { fs::remove_all(b.folder); };
    const auto fileInstead = [](Backup &b) {
        fs::remove_all(b.folder);
        writeFile(b.folder, "not a folder");
    };
    const auto noManifest = [](Backup &b) { fs::remove(b.folder + "/Manifest.db"); };
    const auto manifestFolder = [](Backup &b) { replaceWithFolder(b.folder + "/Manifest.db"); };
    const std::vector<std::pair<const char *, std::function<void(Backup &)>>> damages = {
        {"missing folder", noFolder},
        {"a file in place of the folder", fileInstead},
        {"no Manifest.db", noManifest},
        {"Manifest.db cannot be read", manifestFolder},
    };
    for (const auto &[name, damage] : damages) {
        SCOPED_TRACE(name);
        Backup backup = sampleBackup("unusable");
        damage(backup);
        const int error = fs::is_directory(backup.folder) ? DBERROR_NO_MANIFEST : DBERROR_NO_BACKUP;
        // Each category is told once, then the scan begins and ends with nothing in it.
        EXPECT_EQ(scanEvents({backup.folder, freshFolder("unusable-out"), Mask}),
                  (std::vector<std::string> {errorLine(DBAPP_MANIFEST, error), errorLine(DBAPP_SMS, error),
                                             errorLine(DBAPP_CALL_HISTORY, error), errorLine(DBAPP_LINE, error),
                                             progressLine(1, 0), progressLine(2, 0)}));
    }
}

// Permissions hold for a user only; root reads everything.
TEST(DamagedBackup, ADatabaseWithoutReadPermissionIsUnreadable)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads files without read permission";
    Backup backup = sampleBackup("no-permission");
    fs::permissions(backup.sms, fs::perms::none);
    const auto lines = scanEvents({backup.folder, freshFolder("no-permission-out"), Mask});
    fs::permissions(backup.sms, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(errorLines(lines), (std::vector<std::string> {errorLine(DBAPP_SMS, DBERROR_UNREADABLE)}));
    EXPECT_EQ(recordLines(lines, DBAPP_CALL_HISTORY).size(), 2u);
}
