#include "backupbuilder.h"
#include "dbaddtaskfunction.h"
#include "dbconnector.h"
#include "engineutil.h"
#include "iosschemas.h"
#include "realdata.h"
#include "scanrecorder.h"
#include "spdlogcore.h"
#include "systemschemas.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <thread>

using namespace testsupport;
namespace schema = testsupport::schema;
namespace fs = std::filesystem;

namespace
{
    struct Where
    {
        const char *domain; // null: Manifest.db itself
        const char *path;
    };

    struct ExpectedQuery
    {
        int32_t index;
        Where db;
        const char *fragment; // a part of the statement that only this query has
    };

    struct BuilderCase
    {
        DBTaskBuilder builder;
        int32_t category;
        std::vector<ExpectedQuery> queries;
        const char *logLine;
    };

    const Where Manifest {nullptr, nullptr};
    const Where Sms {"HomeDomain", "Library/SMS/sms.db"};
    const Where Contacts {"HomeDomain", "Library/AddressBook/AddressBook.sqlitedb"};
    const Where ContactImages {"HomeDomain", "Library/AddressBook/AddressBookImages.sqlitedb"};
    const Where Bookmarks {"HomeDomain", "Library/Safari/Bookmarks.db"};
    const Where History {"HomeDomain", "Library/Safari/History.db"};
    const Where AppHistory {"AppDomain-com.apple.mobilesafari", "Library/Safari/History.db"};
    const Where Calls {"HomeDomain", "Library/CallHistoryDB/CallHistory.storedata"};
    const Where Voicemail {"HomeDomain", "Library/Voicemail/voicemail.db"};
    const Where Notes {"AppDomainGroup-group.com.apple.notes", "NoteStore.sqlite"};
    const Where Calendar {"HomeDomain", "Library/Calendar/Calendar.sqlitedb"};
    const char *const OldVoiceMemoId = "b39e461eaa52a8cc6117e343be5f7abc6bd9fca4";

    std::string pathIn(const std::string &backup, const Where &where)
    {
        if (!where.domain)
            return backup + "/Manifest.db";
        const std::string id = fileIdOf(where.domain, where.path);
        return backup + "/" + id.substr(0, 2) + "/" + id;
    }

    // Another connection's exclusive lock on a database, as another program
    // writing it holds: released after a delay, or at the latest when it goes.
    class ExclusiveLock
    {
    public:
        explicit ExclusiveLock(const std::string &path)
        {
            if (sqlite3_open(path.c_str(), &m_db) != SQLITE_OK ||
                sqlite3_exec(m_db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK)
                throw std::runtime_error("cannot lock " + path);
        }
        ~ExclusiveLock()
        {
            if (m_release.joinable())
                m_release.join();
            else
                release();
            sqlite3_close(m_db);
        }
        void releaseAfter(std::chrono::milliseconds delay)
        {
            m_release = std::thread([this, delay] {
                std::this_thread::sleep_for(delay);
                release();
            });
        }

    private:
        void release() { sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr); }

        sqlite3 *m_db = nullptr;
        std::thread m_release;
    };

    // The messages table as older iOS made it, before attributedBody.
    std::string withoutBodyColumn(std::string schema)
    {
        const std::string column = "attributedBody BLOB, ";
        const size_t at = schema.find(column);
        if (at == std::string::npos)
            throw std::runtime_error("no attributedBody column in the schema");
        return schema.erase(at, column.size());
    }

    DBTaskList build(DBTaskBuilder builder, const std::string &backup)
    {
        DBTaskList tasks;
        builder(widen(backup), tasks);
        return tasks;
    }

    // The rows a task's query gives, read the way a scan opens the database.
    std::vector<std::string> rowsOf(const DBQuery &query)
    {
        std::vector<std::string> rows;
        sqlite3 *db = nullptr;
        if (OpenBackupDatabase(query.dbPath, &db) != SQLITE_OK)
            return rows;
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(db, narrow(query.sql).c_str(), -1, &statement, nullptr) == SQLITE_OK) {
            while (sqlite3_step(statement) == SQLITE_ROW) {
                std::string row;
                for (int column = 0; column < sqlite3_column_count(statement); ++column) {
                    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
                    row += (column ? "|" : "") + std::string(text ? text : "");
                }
                rows.push_back(row);
            }
        }
        sqlite3_finalize(statement);
        sqlite3_close_v2(db);
        return rows;
    }

    bool contains(const std::wstring &text, const char *part)
    {
        return text.find(widen(part)) != std::wstring::npos;
    }

    struct WalPair
    {
        std::string db;  // the file as the device left it, header in WAL mode
        std::string wal; // the rows not yet checkpointed into it
    };

    const char *const RecordingsDomain = schema::CloudRecordingsDomain;

    // A recordings database whose second recording lives only in its log.
    WalPair recordingsWithLog()
    {
        BackupBuilder scratch(freshFolder("walpair"));
        const std::string id = scratch.addWalDatabase(
            RecordingsDomain, "CloudRecordings.db",
            std::string(schema::CloudRecordings) +
                "INSERT INTO ZCLOUDRECORDING VALUES (1, 5, 'Lecture', 'Lecture', 600000000, 61.5, 'a.m4a');",
            "INSERT INTO ZCLOUDRECORDING VALUES (2, 5, 'Idea', 'Idea', 600000100, 5, 'b.m4a');");
        return {readFile(scratch.pathOf(id)),
                readFile(scratch.pathOf(fileIdOf(RecordingsDomain, "CloudRecordings.db-wal")))};
    }
}

TEST(TaskBuilders, EachCategoryReadsItsDatabasesWithItsQueries)
{
    const std::vector<BuilderCase> cases = {
        {AddManifestTask, DBAPP_MANIFEST, {{0, Manifest, "SELECT * FROM Files"}}, "Add scan task:manifest"},
        {AddSmsTask, DBAPP_SMS,
         {{0, Sms, "WHERE text is not null"}, {1, Sms, "WHERE att.filename is not null"},
          {2, Sms, "FROM chat_handle_join"}},
         "Add scan task:SMS"},
        {AddAddressBookTask, DBAPP_ADDRESSBOOK,
         {{0, Contacts, "FROM ABPerson"}, {1, Contacts, "FROM ABMultiValue AS mv"},
          {2, Contacts, "FROM ABMultiValueEntry AS ve"}, {3, ContactImages, "FROM ABFullSizeImage"},
          {4, Contacts, "FROM ABPersonFullTextSearch_content"}},
         "Add scan task:AddressBook"},
        {AddBookmarksTask, DBAPP_BOOKMARKS, {{0, Bookmarks, "FROM bookmarks AS b"}}, "Add scan task:BookMarks"},
        {AddSafariHistoryTask, DBAPP_SAFARI_HISTORY,
         {{0, History, "FROM history_items"}, {1, AppHistory, "FROM history_items"}}, "Add scan task:fariHistory"},
        {AddCallHistoryTask, DBAPP_CALL_HISTORY, {{0, Calls, "'com.apple.Telephony'"}}, "Add scan task:CallHistory"},
        {AddFaceTimeTask, DBAPP_FACETIME, {{0, Calls, "'com.apple.FaceTime'"}}, "Add scan task:FaceTime"},
        {AddVoicemailTask, DBAPP_VOICEMAIL, {{0, Voicemail, "FROM voicemail"}}, "Add scan task:VoiceMail"},
        {AddNotesTask, DBAPP_NOTES, {{0, Notes, "FROM ZICNOTEDATA"}, {1, Notes, "WHERE z1.ZFILESIZE > 0"}},
         "Add scan task:Notes"},
        {AddCalendarTask, DBAPP_CALENDAR,
         {{0, Calendar, "LEFT JOIN Attachment AS at"}, {0, Calendar, "LEFT JOIN AttachmentFile AS at"}},
         "Add scan task:Calendar"},
        {AddRemindersTask, DBAPP_REMINDERS,
         {{0, Manifest, "Container_v1/Stores/Data-%.sqlite"}, {1, Calendar, "c.entity_type = 3"}},
         "Add scan task:Reminders"},
    };
    InitSpdLogA("Vardex.log", nullptr); // as the executor does before it builds
    // Nothing in the folder: every builder still appends its one task.
    const std::string backup = freshFolder("builders");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.logLine);
        const DBTaskList tasks = build(c.builder, backup);
        ASSERT_EQ(tasks.size(), 1u);
        const CDBTask &task = *tasks.front();
        EXPECT_EQ(task.category, c.category);
        EXPECT_EQ(task.dbType, DBTYPE_SQLITE);
        EXPECT_NE(task.processor, nullptr);
        EXPECT_EQ(BackupTaskBuilder(c.category), c.builder);
        ASSERT_EQ(task.queries.size(), c.queries.size());
        for (size_t i = 0; i < c.queries.size(); ++i) {
            EXPECT_EQ(task.queries[i].queryIndex, c.queries[i].index) << i;
            EXPECT_EQ(narrow(task.queries[i].dbPath), pathIn(backup, c.queries[i].db)) << i;
            EXPECT_TRUE(contains(task.queries[i].sql, c.queries[i].fragment)) << narrow(task.queries[i].sql);
        }
        EXPECT_NE(logText("Vardex.log").find(c.logLine), std::string::npos);
    }
}

TEST(TaskBuilders, MessagesProbePicksTheVariant)
{
    const struct
    {
        const char *name;
        std::string sql; // empty: no database at all
        bool deletedMarks;
        bool bodyColumn;
    } cases[] = {
        {"recently deleted listed", std::string(SmsSchema) + SmsRecoverableSchema +
                                        "INSERT INTO chat_recoverable_message_join VALUES (1, 1, 5, 0);",
         true, true},
        {"recently deleted empty", std::string(SmsSchema) + SmsRecoverableSchema, false, true},
        {"older iOS", SmsSchema, false, true},
        {"before the archived body", withoutBodyColumn(std::string(SmsSchema) + SmsRecoverableSchema +
                                                       "INSERT INTO chat_recoverable_message_join VALUES (1, 1, 5, 0);"),
         true, false},
        {"no database", "", false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        BackupBuilder backup(freshFolder("smsprobe"));
        if (!c.sql.empty())
            backup.addDatabase(Sms.domain, Sms.path, c.sql);
        backup.write();
        const DBTaskList tasks = build(AddSmsTask, backup.folder());
        const auto &queries = tasks.front()->queries;
        ASSERT_EQ(queries.size(), 3u);
        for (int i : {0, 1}) {
            EXPECT_EQ(contains(queries[i].sql, "chat_recoverable_message_join"), c.deletedMarks) << i;
            EXPECT_EQ(contains(queries[i].sql, "(0) AS 'is_deleted'"), !c.deletedMarks) << i;
            EXPECT_EQ(contains(queries[i].sql, "m.attributedBody FROM"), c.bodyColumn) << i;
        }
        EXPECT_EQ(contains(queries[0].sql, "OR m.attributedBody IS NOT NULL"), c.bodyColumn);
        if (!c.sql.empty()) {
            // Every statement of the chosen variant runs on its database.
            for (const auto &query : queries) {
                sqlite3 *db = nullptr;
                ASSERT_EQ(OpenBackupDatabase(query.dbPath, &db), SQLITE_OK);
                sqlite3_stmt *statement = nullptr;
                EXPECT_EQ(sqlite3_prepare_v2(db, narrow(query.sql).c_str(), -1, &statement, nullptr), SQLITE_OK)
                    << sqlite3_errmsg(db);
                sqlite3_finalize(statement);
                sqlite3_close_v2(db);
            }
        }
    }
}

TEST(TaskBuilders, NotesProbePicksTheVariant)
{
    const std::string table = "CREATE TABLE ZICCLOUDSYNCINGOBJECT (Z_PK INTEGER PRIMARY KEY, ZCREATIONDATE1 TIMESTAMP";
    const struct
    {
        const char *name;
        std::string sql;
        bool newer;
    } cases[] = {
        {"dated row", table + ", ZCREATIONDATE3 TIMESTAMP); INSERT INTO ZICCLOUDSYNCINGOBJECT VALUES (1, 2, 3);", true},
        {"column without rows", table + ", ZCREATIONDATE3 TIMESTAMP);", false},
        {"older schema", table + ", ZCREATIONDATE TIMESTAMP); INSERT INTO ZICCLOUDSYNCINGOBJECT VALUES (1, 2, 3);",
         false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        BackupBuilder backup(freshFolder("notesprobe"));
        backup.addDatabase(Notes.domain, Notes.path, c.sql);
        backup.write();
        const DBTaskList tasks = build(AddNotesTask, backup.folder());
        EXPECT_EQ(contains(tasks.front()->queries[0].sql, "z.ZCREATIONDATE1,z.ZCREATIONDATE3"), c.newer);
        EXPECT_EQ(contains(tasks.front()->queries[0].sql, "z.ZCREATIONDATE,z.ZCREATIONDATE1"), !c.newer);
    }
}

TEST(TaskBuilders, NotesOfARealIos15DatabaseGetTheNewerStatements)
{
    BackupBuilder backup(freshFolder("notesreal"));
    backup.addFile(Notes.domain, Notes.path, readFile(realDataFile("notes/NoteStore-ios15.sqlite")));
    backup.write();
    const DBTaskList tasks = build(AddNotesTask, backup.folder());
    ASSERT_TRUE(contains(tasks.front()->queries[0].sql, "ZCREATIONDATE3"));
    // The seven titled notes, each once.
    EXPECT_EQ(rowsOf(tasks.front()->queries[0]).size(), 7u);
}

// One deleted label must not shift the labels after it.
TEST(TaskBuilders, ContactLabelsAndKeysJoinByRowid)
{
    BackupBuilder backup(freshFolder("contactlabels"));
    backup.addDatabase(
        Contacts.domain, Contacts.path,
        std::string(schema::ContactsSchema) +
        "INSERT INTO ABMultiValueLabel VALUES ('_$!<Home>!$_'), ('_$!<Work>!$_'), ('_$!<Mobile>!$_');"
        "DELETE FROM ABMultiValueLabel WHERE value = '_$!<Work>!$_';"
        "INSERT INTO ABMultiValueEntryKey VALUES ('Street'), ('City'), ('ZIP');"
        "DELETE FROM ABMultiValueEntryKey WHERE value = 'Street';"
        "INSERT INTO ABMultiValue (UID, record_id, property, identifier, label, value) VALUES"
        " (10, 1, 3, 0, 1, '+15550001'), (11, 1, 3, 1, 3, '+15550002'), (12, 1, 5, 0, 2, 'addr');"
        "INSERT INTO ABMultiValueEntry VALUES (12, 2, 'Springfield'), (12, 3, '12345');");
    backup.write();
    const DBTaskList tasks = build(AddAddressBookTask, backup.folder());
    const auto &queries = tasks.front()->queries;
    EXPECT_EQ(rowsOf(queries[1]),
              (std::vector<std::string> {"10|1|3|_$!<Home>!$_|+15550001", "11|1|3|_$!<Mobile>!$_|+15550002",
                                         "12|1|5||addr"}));
    EXPECT_EQ(rowsOf(queries[2]), (std::vector<std::string> {"12|City|Springfield", "12|ZIP|12345"}));
}

// The index's rows of living persons stay out where the index has row
// ids; without them every row is read and the processor tells them apart.
TEST(TaskBuilders, ContactIndexLeavesOutLivingPersonsByRowId)
{
    const std::string people = "INSERT INTO ABPerson (ROWID, First) VALUES (1, 'Anna'), (2, 'Ben');";
    const struct
    {
        const char *name;
        std::string sql;
        std::vector<std::string> rows;
    } cases[] = {
        {"row ids", std::string(schema::ContactsSchema) + schema::ContactsFullTextSchema + people +
                        "INSERT INTO ABPersonFullTextSearch_content (docid, c0First) VALUES (1, 'Anna'), (2, 'Ben'),"
                        " (3, 'Carla');",
         {"Carla||||||||||||||"}},
        {"no row ids", std::string(schema::ContactsSchema) + people +
                           "CREATE TABLE ABPersonFullTextSearch_content (c0First, c1Last, c2Middle, c6Organization,"
                           " c8Department, c9Note, c10Birthday, c16Phone, c17Email, c18Address, c19SocialProfile,"
                           " c20URL, c21RelatedNames, c22IM, c23Date);"
                           "INSERT INTO ABPersonFullTextSearch_content (c0First) VALUES ('Anna'), ('Carla');",
         {"Anna||||||||||||||", "Carla||||||||||||||"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        BackupBuilder backup(freshFolder("contactindex"));
        backup.addDatabase(Contacts.domain, Contacts.path, c.sql);
        backup.write();
        const DBTaskList tasks = build(AddAddressBookTask, backup.folder());
        ASSERT_EQ(tasks.size(), 1u);
        EXPECT_EQ(rowsOf(tasks.front()->queries[4]), c.rows);
    }
}

TEST(TaskBuilders, OlderVoiceMemoDatabaseKeepsItsFixedPath)
{
    const struct
    {
        const char *name;
        const char *rows;
        int32_t index;
        const char *label;
    } cases[] = {
        {"sorting labels", "INSERT INTO ZCLOUDRECORDING VALUES (1, 5, 'a', 'a', 1, 2, 'x.m4a');", 0,
         "z.ZCUSTOMLABELFORSORTING,"},
        {"no rows", "", 1, "z.ZCUSTOMLABEL,"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string backup = freshFolder("oldmemo");
        const std::string db = backup + "/b3/" + OldVoiceMemoId;
        execSql(db, std::string(schema::CloudRecordings) + c.rows);
        const DBTaskList tasks = build(AddVoiceMemoTask, backup);
        ASSERT_EQ(tasks.front()->queries.size(), 1u);
        const DBQuery &query = tasks.front()->queries[0];
        EXPECT_EQ(tasks.front()->category, DBAPP_VOICEMEMO);
        EXPECT_EQ(query.queryIndex, c.index);
        EXPECT_EQ(narrow(query.dbPath), db);
        EXPECT_TRUE(contains(query.sql, c.label));
    }
}

// The newer database is read from a copy in the task's private folder, its
// log applied there; nothing is created in the backup, and the folder goes
// with the task.
TEST(TaskBuilders, NewerVoiceMemoDatabaseIsCopiedWithItsLogApplied)
{
    BackupBuilder backup(freshFolder("newmemo"));
    const WalPair recordings = recordingsWithLog();
    backup.addFile(RecordingsDomain, "Recordings/CloudRecordings.db-wal", recordings.wal);
    backup.addFile(RecordingsDomain, "Recordings/CloudRecordings.db", recordings.db);
    backup.write();
    const auto before = snapshot(backup.folder());

    DBTaskList tasks = build(AddVoiceMemoTask, backup.folder());
    ASSERT_TRUE(tasks.front()->scratch);
    const std::string scratch = narrow(tasks.front()->scratch->Path());
    ASSERT_FALSE(scratch.empty());
    EXPECT_NE(scratch.rfind(backup.folder(), 0), 0u);
    const DBQuery &query = tasks.front()->queries[0];
    EXPECT_EQ(narrow(query.dbPath), scratch + "/CloudRecordings.db");
    EXPECT_EQ(query.queryIndex, 0);
    EXPECT_EQ(rowsOf(query), (std::vector<std::string> {"Lecture|600000000|61.5|a.m4a|0",
                                                        "Idea|600000100|5.0|b.m4a|0"}));
    EXPECT_EQ(snapshot(backup.folder()), before);
    tasks.clear();
    EXPECT_FALSE(fs::exists(scratch));
}

// A temp folder that an older version left in the backup is neither read
// nor touched.
TEST(TaskBuilders, VoiceMemoCopyIgnoresALogLeftByAnEarlierRun)
{
    const WalPair recordings = recordingsWithLog();
    BackupBuilder backup(freshFolder("stalememo"));
    backup.addFile(RecordingsDomain, "Recordings/CloudRecordings.db", recordings.db);
    backup.write();
    writeFile(backup.folder() + "/temp/CloudRecordings.db-wal", recordings.wal);
    writeFile(backup.folder() + "/temp/CloudRecordings.db-shm", std::string(32768, '\x7f'));
    const auto before = snapshot(backup.folder());

    const DBTaskList tasks = build(AddVoiceMemoTask, backup.folder());
    EXPECT_EQ(rowsOf(tasks.front()->queries[0]),
              (std::vector<std::string> {"Lecture|600000000|61.5|a.m4a|0"}));
    EXPECT_EQ(snapshot(backup.folder()), before);
}

// Only a "-wal" suffix makes a file the log: "wal" elsewhere in the path
// belongs to the database's own name or folder.
TEST(TaskBuilders, VoiceMemoLogIsToldByItsSuffix)
{
    const WalPair recordings = recordingsWithLog();
    BackupBuilder backup(freshFolder("walkmemo"));
    backup.addFile(RecordingsDomain, "Recordings/walkthroughs/CloudRecordings.db", recordings.db);
    backup.write();
    const DBTaskList tasks = build(AddVoiceMemoTask, backup.folder());
    const DBQuery &query = tasks.front()->queries[0];
    const std::string scratch = narrow(tasks.front()->scratch->Path());
    EXPECT_EQ(narrow(query.dbPath), scratch + "/CloudRecordings.db");
    EXPECT_EQ(rowsOf(query).size(), 1u);
    EXPECT_FALSE(fs::exists(scratch + "/CloudRecordings.db-wal"));
}

// A file-list row without a file id before the recordings database must not
// hide the database.
TEST(TaskBuilders, VoiceMemoRowWithoutFileIdDoesNotHideTheDatabase)
{
    const WalPair recordings = recordingsWithLog();
    BackupBuilder backup(freshFolder("nullidmemo"));
    backup.addManifestRow("", RecordingsDomain, "Recordings/Old/CloudRecordings.db");
    backup.addFile(RecordingsDomain, "Recordings/CloudRecordings.db", recordings.db);
    backup.write();
    execSql(backup.folder() + "/Manifest.db", "UPDATE Files SET fileID = NULL WHERE fileID = '';");
    const DBTaskList tasks = build(AddVoiceMemoTask, backup.folder());
    EXPECT_EQ(narrow(tasks.front()->queries[0].dbPath), narrow(tasks.front()->scratch->Path()) + "/CloudRecordings.db");
}

// Every system category of a backup that holds no databases: begin and end
// in bit order, a log line each, and nothing written anywhere.
TEST(TaskBuilders, EmptyBackupScanOfEverySystemCategory)
{
    BackupBuilder empty(freshFolder("emptyall"));
    empty.write();
    const std::string backup = empty.folder();
    const auto before = snapshot(backup);
    const std::string out = freshFolder("emptyall-out");
    const int32_t mask = 0x1FFD;
    const auto lines = scanEvents({backup, out, mask, DBMODE_BACKUP});
    std::vector<std::string> expected {progressLine(1, 0)};
    for (int32_t bit = 1; bit <= 0x1000; bit <<= 1) {
        if (mask & bit) {
            expected.push_back(progressLine(3, bit));
            expected.push_back(progressLine(4, bit));
        }
    }
    expected.push_back(progressLine(2, 0));
    EXPECT_EQ(lines, expected);

    const std::string log = logText("Vardex.log");
    for (const char *name : {"manifest", "SMS", "AddressBook", "BookMarks", "fariHistory", "CallHistory", "FaceTime",
                             "VoiceMail", "VoiceMemo", "Notes", "Calendar", "Reminders"})
        EXPECT_NE(log.find(std::string("Add scan task:") + name), std::string::npos) << name;

    EXPECT_TRUE(snapshot(backup) == before);
    EXPECT_TRUE(snapshot(out).empty());
}

// A database locked by another connection for a second is waited for: the
// LINE task still gets its databases from the file list, the notes probe
// still sees the newer schema.
TEST(TaskBuilders, ABrieflyLockedDatabaseIsWaitedFor)
{
    const std::string lineDomain = "AppDomainGroup-group.com.linecorp.line";
    const std::string messages = "Library/Application Support/PrivateStore/P_1/Messages/";
    BackupBuilder backup(freshFolder("locked-briefly"));
    const std::string group = backup.addFile(lineDomain, messages + "UnifiedGroup.sqlite", "g");
    const std::string chat = backup.addFile(lineDomain, messages + "Line.sqlite", "c");
    const std::string notes = backup.addDatabase(Notes.domain, Notes.path,
                                                 "CREATE TABLE ZICCLOUDSYNCINGOBJECT (ZCREATIONDATE3 REAL);"
                                                 "INSERT INTO ZICCLOUDSYNCINGOBJECT VALUES (1);");
    backup.write();

    {
        ExclusiveLock lock(pathIn(backup.folder(), Manifest));
        lock.releaseAfter(std::chrono::seconds(1));
        const DBTaskList tasks = build(AddLineTask, backup.folder());
        ASSERT_EQ(tasks.size(), 1u);
        EXPECT_EQ(narrow(tasks.front()->queries[0].dbPath), backup.pathOf(group));
        EXPECT_EQ(narrow(tasks.front()->queries[4].dbPath), backup.pathOf(chat));
    }
    {
        ExclusiveLock lock(backup.pathOf(notes));
        lock.releaseAfter(std::chrono::seconds(1));
        const DBTaskList tasks = build(AddNotesTask, backup.folder());
        ASSERT_EQ(tasks.size(), 1u);
        EXPECT_TRUE(contains(tasks.front()->queries[0].sql, "z.ZCREATIONDATE1,z.ZCREATIONDATE3"));
    }
}

// Locked past the wait, the category is not built on a guess: the scan
// reports it as an error and goes on with the others.
TEST(TaskBuilders, ADatabaseLockedPastTheWaitIsReportedAsAnError)
{
    BackupBuilder backup(freshFolder("locked-long"));
    backup.addFile("AppDomainGroup-group.com.linecorp.line", "Messages/Line.sqlite", "c");
    backup.write();
    std::vector<std::string> lines;
    {
        ExclusiveLock lock(pathIn(backup.folder(), Manifest));
        lines = scanEvents({backup.folder(), freshFolder("locked-long-out"), DBAPP_LINE | DBAPP_BOOKMARKS});
    }
    EXPECT_EQ(lines, (std::vector<std::string> {errorLine(DBAPP_LINE, DBERROR_LOCKED),
                                                progressLine(1, 0), progressLine(3, DBAPP_BOOKMARKS),
                                                progressLine(4, DBAPP_BOOKMARKS), progressLine(2, 0)}));
}
