#include "backupbuilder.h"
#include "dbaddtaskfunction.h"
#include "scanrecorder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <set>
#include <chrono>
#include <filesystem>
#include <thread>

using namespace testsupport;

namespace
{
    const std::string ScanBegin = progressLine(1, 0);
    const std::string ScanEnd = progressLine(2, 0);
    const std::string ManifestBegin = progressLine(3, DBAPP_MANIFEST);
    const std::string ManifestEnd = progressLine(4, DBAPP_MANIFEST);

    std::string manifestRecord(int flags, const std::string &id, const std::string &domain, const std::string &path)
    {
        return "{\"status\":4,\"kind\":1,\"value\":0,\"record\":{\"flags\":" + std::to_string(flags) +
               ",\"fileID\":\"" + id + "\",\"domain\":\"" + domain + "\",\"relativePath\":\"" + path + "\"}}";
    }

    // A backup whose Manifest.db has the five rows the scan must hand out.
    std::string fiveRowBackup(const std::string &name, JournalMode mode = JournalMode::Rollback)
    {
        BackupBuilder backup(freshFolder(name));
        backup.addFile("HomeDomain", "Library/SMS/sms.db", "not a database");
        backup.addFile("CameraRollDomain", "Media/DCIM/100APPLE/IMG_0001.JPG", "jpeg");
        backup.addFile("AppDomain-com.example", "Documents/Ünïcödé 写真.txt", "text");
        backup.addManifestRow("0123456789abcdef0123456789abcdef01234567", std::nullopt, "Library/Orphan", 1);
        backup.addManifestRow(fileIdOf("HomeDomain", "Library"), "HomeDomain", "Library", 2);
        backup.write(mode);
        return backup.folder();
    }

    // The files inside folder that this process holds open.
    std::vector<std::string> openFilesUnder(const std::string &folder)
    {
        std::vector<std::string> open;
        for (const auto &entry : std::filesystem::directory_iterator("/proc/self/fd")) {
            std::error_code ec;
            const std::string target = std::filesystem::read_symlink(entry.path(), ec).string();
            if (!ec && target.rfind(folder + "/", 0) == 0)
                open.push_back(target);
        }
        return open;
    }

    std::vector<std::string> scan(const std::string &backup, int32_t mask, int32_t mode = DBMODE_BACKUP)
    {
        return scanEvents({backup, freshFolder("out"), mask, mode});
    }
}

TEST(Executor, ManifestScanDeliversEveryRowInOrder)
{
    const auto lines = scan(fiveRowBackup("five"), DBAPP_MANIFEST);
    // SELECT * has no ORDER BY: the rows come in the primary key's order.
    const std::vector<std::string> expected = {
        ScanBegin,
        ManifestBegin,
        manifestRecord(1, "0123456789abcdef0123456789abcdef01234567", "", "Library/Orphan"),
        manifestRecord(1, fileIdOf("HomeDomain", "Library/SMS/sms.db"), "HomeDomain", "Library/SMS/sms.db"),
        manifestRecord(1, fileIdOf("AppDomain-com.example", "Documents/Ünïcödé 写真.txt"), "AppDomain-com.example",
                       "Documents/Ünïcödé 写真.txt"),
        manifestRecord(1, fileIdOf("CameraRollDomain", "Media/DCIM/100APPLE/IMG_0001.JPG"), "CameraRollDomain",
                       "Media/DCIM/100APPLE/IMG_0001.JPG"),
        manifestRecord(2, fileIdOf("HomeDomain", "Library"), "HomeDomain", "Library"),
        ManifestEnd,
        ScanEnd,
    };
    auto sortedRecords = [](std::vector<std::string> lines) {
        std::sort(lines.begin() + 2, lines.end() - 2);
        return lines;
    };
    ASSERT_EQ(lines.size(), expected.size());
    EXPECT_EQ(sortedRecords(lines), sortedRecords(expected));
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 2),
              std::vector<std::string>(expected.begin(), expected.begin() + 2));
}

TEST(Executor, MasksAndModesWithoutWork)
{
    const std::string backup = fiveRowBackup("nowork");
    EXPECT_EQ(scan(backup, 0), (std::vector<std::string> {ScanBegin, ScanEnd}));
    EXPECT_EQ(scan(backup, int32_t(0xFFF00000)), (std::vector<std::string> {ScanBegin, ScanEnd}));
    EXPECT_TRUE(scan(backup, DBAPP_MANIFEST, 3).empty());
    EXPECT_TRUE(scan(backup, DBAPP_MANIFEST, 0).empty());
    // No device session: a device scan sends nothing at all.
    EXPECT_TRUE(scan(backup, DBAPP_PHOTOS | DBAPP_VIDEO, DBMODE_DEVICE).empty());
}

// A folder without a file list is no backup: told, not scanned as empty.
TEST(Executor, MissingManifestIsAnErrorAndLogsWhy)
{
    const std::string empty = freshFolder("nomanifest");
    EXPECT_EQ(scan(empty, DBAPP_MANIFEST),
              (std::vector<std::string> {errorLine(DBAPP_MANIFEST, DBERROR_NO_MANIFEST), ScanBegin, ScanEnd}));
    const std::string log = logText("Vardex.log");
    EXPECT_NE(log.find("Scan Backup Error: " + empty + " is no readable backup folder, error 7"), std::string::npos)
        << log;
}

// A database that is not in the backup leaves its category empty; the log
// says it could not be opened.
TEST(Executor, MissingDatabaseGivesAnEmptyCategoryAndLogsWhy)
{
    const std::string backup = fiveRowBackup("nocalls");
    EXPECT_EQ(scan(backup, DBAPP_CALL_HISTORY),
              (std::vector<std::string> {ScanBegin, progressLine(3, DBAPP_CALL_HISTORY),
                                         progressLine(4, DBAPP_CALL_HISTORY), ScanEnd}));
    const std::string log = logText("Vardex.log");
    EXPECT_NE(log.find("open db is failed, dbpath: " + backup + "/5a/5a4935c78a5255723f707230a451d79c540d2741"),
              std::string::npos)
        << log;
}

// An empty file list is read as a database without its table: the
// category still begins and ends, and the log says why.
TEST(Executor, EmptyManifestIsAnErrorOfItsCategoryAndLogsWhy)
{
    const std::string backup = fiveRowBackup("emptymanifest");
    writeFile(backup + "/Manifest.db", "");
    EXPECT_EQ(scan(backup, DBAPP_MANIFEST),
              (std::vector<std::string> {ScanBegin, ManifestBegin, errorLine(DBAPP_MANIFEST, DBERROR_NO_TABLES),
                                         ManifestEnd, ScanEnd}));
    const std::string log = logText("Vardex.log");
    EXPECT_NE(log.find("Add scan task:manifest"), std::string::npos);
    EXPECT_NE(log.find("scan task add success, datatype: 1"), std::string::npos);
    EXPECT_NE(log.find("scan start, datatype: 1"), std::string::npos);
    EXPECT_NE(log.find("Scan Backup Error: category 1 could not be read, error 5"), std::string::npos) << log;
}

TEST(Executor, StopFromAnotherThreadEndsALongScanPromptly)
{
    const std::string folder = freshFolder("large");
    execSql(folder + "/Manifest.db",
            "CREATE TABLE Files (fileID TEXT PRIMARY KEY, domain TEXT, relativePath TEXT, flags INTEGER, file BLOB);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200000) "
            "INSERT INTO Files SELECT printf('%040x', i), 'HomeDomain', 'Library/f' || i, 1, NULL FROM n;");

    std::atomic<int> records {0};
    std::atomic<IDBExecutor *> running {nullptr};
    std::thread stopper([&] {
        while (records.load() < 1000)
            std::this_thread::yield();
        running.load()->Stop();
    });
    const auto started = std::chrono::steady_clock::now();
    const auto lines = scanEvents({folder, freshFolder("out"), DBAPP_MANIFEST, DBMODE_BACKUP},
                                  [&](IDBExecutor &executor, const std::string &line) {
                                      running = &executor;
                                      if (line.rfind("{\"status\":4", 0) == 0)
                                          ++records;
                                  });
    stopper.join();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
    const auto delivered = recordLines(lines, DBAPP_MANIFEST).size();
    EXPECT_GE(delivered, 1000u);
    EXPECT_LT(delivered, 200000u);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), ScanEnd), 0);
}

TEST(Executor, WaitsForAnExclusivelyLockedManifest)
{
    const std::string backup = fiveRowBackup("locked");
    sqlite3 *holder = nullptr;
    ASSERT_EQ(sqlite3_open((backup + "/Manifest.db").c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread release([holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
    });
    const auto lines = scan(backup, DBAPP_MANIFEST);
    release.join();
    sqlite3_close(holder);
    EXPECT_EQ(recordLines(lines, DBAPP_MANIFEST).size(), 5u);
    EXPECT_EQ(lines.back(), ScanEnd);
}

TEST(Executor, ScanLeavesTheBackupFolderUntouched)
{
    for (JournalMode mode : {JournalMode::Rollback, JournalMode::Wal, JournalMode::WalWithLog}) {
        const std::string backup = fiveRowBackup("untouched", mode);
        const auto before = snapshot(backup);
        EXPECT_EQ(recordLines(scan(backup, DBAPP_MANIFEST), DBAPP_MANIFEST).size(), 5u);
        EXPECT_EQ(snapshot(backup), before);
    }
}

// The bundled sample holds a database of almost every category, the voice
// memos with their log beside them: a scan of everything adds, removes and
// changes nothing in it.
TEST(Executor, ScanOfEveryCategoryLeavesTheBackupFolderUntouched)
{
    const std::string backup = freshFolder("untouched-all");
    std::filesystem::copy(SAMPLE_BACKUP_PATH, backup, std::filesystem::copy_options::recursive);
    const auto before = snapshot(backup);
    ASSERT_GT(before.size(), 20u);
    const auto lines = scan(backup, 0xFFFFF);
    EXPECT_FALSE(recordLines(lines, DBAPP_VOICEMEMO).empty());
    EXPECT_EQ(lines.back(), ScanEnd);
    EXPECT_EQ(snapshot(backup), before);
}

// Every database a scan of every category reads is there but holds none of
// the tables its statements ask for, Manifest.db included: each probe, file
// list lookup and read fails. No connection may stay open after the scan.
TEST(Executor, NoDatabaseStaysOpenAfterStatementsFail)
{
    const std::string backup = freshFolder("failing-statements");
    DBTaskList tasks;
    for (int position = 0; position < 20; ++position) {
        if (const DBTaskBuilder builder = BackupTaskBuilder(int32_t(1u << position)))
            builder(widen(backup), tasks);
    }
    std::set<std::string> databases;
    for (const auto &task : tasks)
        for (const DBQuery &query : task->queries)
            if (narrow(query.dbPath).rfind(backup + "/", 0) == 0)
                databases.insert(narrow(query.dbPath));
    tasks.clear();
    ASSERT_GT(databases.size(), 10u);
    for (const std::string &db : databases) {
        std::filesystem::create_directories(std::filesystem::path(db).parent_path());
        execSql(db, "CREATE TABLE unrelated (x INTEGER);");
    }

    const auto lines = scan(backup, 0xFFFFF);
    EXPECT_EQ(lines.back(), ScanEnd);
    EXPECT_TRUE(recordLines(lines, DBAPP_MANIFEST).empty());
    EXPECT_EQ(openFilesUnder(backup), std::vector<std::string>());
}

TEST(Executor, DeviceOperationsWithoutASession)
{
    IDBExecutor *raw = nullptr;
    ASSERT_TRUE(InitDBExecutor(&raw));
    std::unique_ptr<IDBExecutor> executor(raw);
    EXPECT_EQ(executor->ConnectDevice(L"00008030-001A2B3C4D5E6F70"), 1);
    EXPECT_EQ(executor->ExportFromDevice(L"/tmp", L"/DCIM/100APPLE/IMG_0001.JPG", 7), 1);
    EXPECT_EQ(executor->DisconnectDevice(), 0);
}
