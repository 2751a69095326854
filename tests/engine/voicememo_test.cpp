#include "backupbuilder.h"
#include "dbrecords.h"
#include "dbscanvoicememo.h"
#include "recordjson.h"
#include "scanrecorder.h"
#include "systemschemas.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

using namespace testsupport;
namespace fs = std::filesystem;

namespace
{
    const char *const OldMemoDbId = "b39e461eaa52a8cc6117e343be5f7abc6bd9fca4";

    const char *const Schema = schema::CloudRecordings;
    const char *const OldSchema = schema::OldRecordings;

    std::string memoLine(bool deleted, const std::wstring &label, int64_t date, double duration,
                         const std::wstring &file)
    {
        STVoicememo memo;
        memo.deleted = deleted;
        memo.label = label;
        memo.date = date;
        memo.duration = duration;
        memo.file = file;
        return EventToJson(DBSTATUS_RECORD, DBAPP_VOICEMEMO, 0, &memo);
    }

    std::wstring copyOf(const std::string &out, const std::string &fileId, const std::string &extension)
    {
        return widen(out + "/" + fileId + extension);
    }

    // Our private folders left in the temporary folder.
    std::vector<std::string> scratchFolders()
    {
        std::vector<std::string> found;
        for (const auto &entry : fs::directory_iterator(fs::temp_directory_path()))
            if (entry.path().filename().string().rfind("vardex-scratch-", 0) == 0)
                found.push_back(entry.path().string());
        return found;
    }

    // The recordings database of newer iOS: one recording lives only in its log.
    struct CloudBackup
    {
        BackupBuilder backup {freshFolder("memo-cloud")};
        std::string kitchen = backup.addFile("MediaDomain", "Media/Recordings/20200101 101010.m4a", "kitchen audio");
        std::string gone = backup.addFile("MediaDomain", "Media/Recordings/20200102 101010.m4a", "deleted audio");
        std::string fresh = backup.addFile("MediaDomain", "Media/Recordings/20200103 101010.m4a", "fresh audio");

        explicit CloudBackup(bool withLog = true)
        {
            const std::string sql = std::string(Schema) +
                "INSERT INTO ZCLOUDRECORDING VALUES (1, 5, 'Kitchen', 'Kitchen', 600000000.75, 12.5, "
                "'20200101 101010.m4a');"
                "INSERT INTO ZCLOUDRECORDING VALUES (2, 5, 'Deleted memo', 'Deleted memo', 600000100, 3, "
                "'20200102 101010.m4a');"
                "INSERT INTO ZCLOUDRECORDING VALUES (3, 5, 'No path', 'No path', 600000150, 1, NULL);"
                "INSERT INTO ACHANGE VALUES (1, 2, X'0080');"
                "INSERT INTO ACHANGE VALUES (2, 1, X'0100');";
            const std::string logSql = "INSERT INTO ZCLOUDRECORDING VALUES (4, 5, 'Only in log', 'Only in log', "
                                       "600000200, 7.25, '20200103 101010.m4a');";
            if (withLog)
                backup.addWalDatabase(schema::CloudRecordingsDomain,
                                      "Recordings/CloudRecordings.db", sql, logSql);
            else
                backup.addDatabase(schema::CloudRecordingsDomain,
                                   "Recordings/CloudRecordings.db", sql + logSql, JournalMode::Wal);
            backup.write();
        }
    };
}

TEST(VoiceMemo, LogIsAppliedToACopyAndEveryRecordingComesWithItsFile)
{
    CloudBackup cloud;
    const std::string &backup = cloud.backup.folder();
    const auto before = snapshot(backup);
    const std::string out = freshFolder("memo-out");

    const auto lines = scanEvents({backup, out, DBAPP_VOICEMEMO});
    const auto again = scanEvents({backup, out, DBAPP_VOICEMEMO}); // over the copies of the first scan

    const std::vector<std::string> expected = {
        memoLine(false, L"Kitchen", 600000000, 12.5, copyOf(out, cloud.kitchen, ".m4a")),
        memoLine(true, L"Deleted memo", 600000100, 3, copyOf(out, cloud.gone, ".m4a")),
        memoLine(false, L"No path", 600000150, 1, L""),
        memoLine(false, L"Only in log", 600000200, 7.25, copyOf(out, cloud.fresh, ".m4a")),
    };
    EXPECT_EQ(recordLines(lines, DBAPP_VOICEMEMO), expected);
    EXPECT_EQ(again, lines);
    EXPECT_EQ(snapshot(backup), before) << "the backup itself is never written";
    EXPECT_TRUE(scratchFolders().empty()) << "the private copy goes when the scan ends";
    EXPECT_EQ(readFile(out + "/" + cloud.fresh + ".m4a"), "fresh audio");
}

TEST(VoiceMemo, LogLeftByAnEarlierScanIsNotApplied)
{
    CloudBackup cloud(false);
    const std::string &backup = cloud.backup.folder();
    // A log of the same database with a recording the backup does not hold.
    BackupBuilder other(freshFolder("memo-other"));
    const std::string otherId = other.addWalDatabase("D", "CloudRecordings.db", std::string(Schema),
                                                     "INSERT INTO ZCLOUDRECORDING VALUES (9, 5, 'Stale', 'Stale', 1, 1, "
                                                     "'x.m4a');");
    const std::string staleCopy = backup + "/temp/CloudRecordings.db";
    fs::create_directories(backup + "/temp");
    fs::copy_file(other.pathOf(otherId), staleCopy);
    fs::copy_file(other.pathOf(fileIdOf("D", "CloudRecordings.db-wal")), staleCopy + "-wal");

    const auto records = recordLines(scanEvents({backup, freshFolder("memo-out"), DBAPP_VOICEMEMO}), DBAPP_VOICEMEMO);

    ASSERT_EQ(records.size(), 4u);
    for (const std::string &record : records)
        EXPECT_EQ(record.find("Stale"), std::string::npos) << record;
}

TEST(VoiceMemo, OldSchemaGivesItsLabelsAndFindsFilesByName)
{
    BackupBuilder builder(freshFolder("memo-old"));
    const std::string audio = builder.addFile("MediaDomain", "Media/Recordings/20120101 101010.m4a", "old audio");
    execSql(builder.pathOf(OldMemoDbId),
            std::string(OldSchema) +
                "INSERT INTO ZCLOUDRECORDING VALUES (1, 'Lecture', 350000000, 61.5, "
                "'/var/mobile/Media/Recordings/20120101 101010.m4a');"
                "INSERT INTO ZCLOUDRECORDING VALUES (2, NULL, 350000100, 2, '/var/mobile/Media/Recordings/');");
    builder.addManifestRow(OldMemoDbId, "MediaDomain", "Media/Recordings/Recordings.db");
    builder.write();
    const std::string out = freshFolder("memo-old-out");

    const auto lines = scanEvents({builder.folder(), out, DBAPP_VOICEMEMO});

    const std::vector<std::string> expected = {
        memoLine(false, L"Lecture", 350000000, 61.5, copyOf(out, audio, ".m4a")),
        memoLine(false, L"", 350000100, 2, L""),
    };
    EXPECT_EQ(recordLines(lines, DBAPP_VOICEMEMO), expected);
}

TEST(VoiceMemo, EmptyOrMissingDatabaseGivesOnlyTheCategoryEvents)
{
    BackupBuilder empty(freshFolder("memo-empty"));
    empty.addDatabase(schema::CloudRecordingsDomain, "Recordings/CloudRecordings.db", Schema);
    empty.write();
    BackupBuilder missing(freshFolder("memo-missing"));
    missing.write();
    for (const BackupBuilder *backup : {&empty, &missing}) {
        EXPECT_EQ(scanEvents({backup->folder(), freshFolder("memo-out"), DBAPP_VOICEMEMO}),
                  emptyCategoryEvents(DBAPP_VOICEMEMO))
            << backup->folder();
    }
}

TEST(VoiceMemo, SearchTextOfAStoredPath)
{
    const struct
    {
        std::wstring stored;
        std::wstring search;
    } cases[] = {
        {L"", L""},
        {L"20200101 101010.m4a", L"20200101 101010.m4a"},
        {L"Recordings/a.m4a", L"Recordings/a.m4a"},
        {L"/var/mobile/Media/Recordings/b.m4a", L"/b.m4a"},
        {L"/var/mobile/Media/Recordings/", L""},
        {L"/", L""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CDBScanVoicememo::SearchText(c.stored), c.search) << narrow(c.stored);
}
