#include "backupbuilder.h"
#include "dbaddtaskfunction.h"
#include "dbscan3rdaudio.h"
#include "dbscan3rddocument.h"
#include "dbscan3rdimage.h"
#include "dbscan3rdvideo.h"
#include "dbscanafcphotos.h"
#include "dbscanafcvedio.h"
#include "dbscanline.h"
#include "dbscanphotos.h"
#include "dbscanvideo.h"
#include "dbscanwhatsapp.h"
#include "engineutil.h"
#include "realdata.h"
#include "scanrecorder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>

using namespace testsupport;

namespace
{
    const std::string PhotosDb = "/12/12b144c0bd44f2b3dffd9186d3f9c05b917cee25";
    const std::string LineGroupDb = "/b1/b114ff9aff5c07711fa4049e57af4fdadb27cc92";
    const std::string LineChatDb = "/17/17d16daa8bcac5625d2c72ba3e644336b72a0fe4";
    const std::string WhatsAppDb = "/7c/7c7fba66680ef796b916b067077cc246adacf01d";
    const std::string LineDomain = "AppDomainGroup-group.com.linecorp.line";

    template <class T>
    bool is(const IDBProcessor *processor)
    {
        return dynamic_cast<const T *>(processor) != nullptr;
    }

    std::unique_ptr<CDBTask> buildOne(DBTaskBuilder builder, const std::string &folder)
    {
        DBTaskList tasks;
        builder(widen(folder), tasks);
        EXPECT_EQ(tasks.size(), 1u);
        return tasks.empty() ? nullptr : std::move(tasks.front());
    }

    // (query index, database) of each query of a task.
    std::vector<std::pair<int, std::string>> databases(const CDBTask &task)
    {
        std::vector<std::pair<int, std::string>> out;
        for (const DBQuery &query : task.queries)
            out.emplace_back(query.queryIndex, narrow(query.dbPath));
        return out;
    }
}

TEST(MediaTasks, EachBuilderReadsItsDatabasesWithItsProcessor)
{
    const std::string folder = "/backups/B";
    struct Case
    {
        int32_t bit;
        bool device;
        std::vector<std::pair<int, std::string>> queries;
        bool (*processorFits)(const IDBProcessor *);
    };
    const std::string manifest = folder + "/Manifest.db";
    const std::string photos = folder + PhotosDb;
    const std::string local = folder + "/Photos.sqlite";
    const std::vector<Case> cases = {
        {DBAPP_PHOTOS, false, {{0, photos}, {0, photos}}, is<CDBScanPhotos>},
        {DBAPP_VIDEO, false, {{0, photos}, {0, photos}}, is<CDBScanVideo>},
        {DBAPP_PHOTOS, true, {{0, local}, {0, local}}, is<CDBScanAFCPhotos>},
        {DBAPP_VIDEO, true, {{0, local}, {0, local}}, is<CDBScanAFCVedio>},
        {DBAPP_3RD_IMAGE, false, {{0, manifest}}, is<CDBScan3rdImage>},
        {DBAPP_3RD_VIDEO, false, {{0, manifest}}, is<CDBScan3rdVideo>},
        {DBAPP_3RD_AUDIO, false, {{0, manifest}}, is<CDBScan3rdAudio>},
        {DBAPP_3RD_DOCUMENT, false, {{0, manifest}}, is<CDBScan3rdDocument>},
        {DBAPP_WHATSAPP, false, {{0, folder + WhatsAppDb}, {1, folder + WhatsAppDb}, {2, folder + WhatsAppDb},
                                 {3, folder + WhatsAppDb}}, is<CDBScanWhatsApp>},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.bit) + (c.device ? " device" : " backup"));
        const auto task = buildOne(c.device ? DeviceTaskBuilder(c.bit) : BackupTaskBuilder(c.bit), folder);
        ASSERT_TRUE(task);
        EXPECT_EQ(task->category, c.bit);
        EXPECT_EQ(task->dbType, DBTYPE_SQLITE);
        EXPECT_EQ(databases(*task), c.queries);
        EXPECT_TRUE(c.processorFits(task->processor.get()));
    }
    // Device scans have builders for the camera roll only.
    EXPECT_EQ(DeviceTaskBuilder(DBAPP_3RD_IMAGE), nullptr);
    EXPECT_EQ(DeviceTaskBuilder(DBAPP_WHATSAPP), nullptr);
}

TEST(MediaTasks, CameraRollTasksCoverBothSchemasNewestFirst)
{
    for (DBTaskBuilder builder : {AddPhotosTask, AddVideoTask, AddDevicePhotosTask, AddDeviceVideoTask}) {
        const auto task = buildOne(builder, "/b");
        ASSERT_TRUE(task && task->queries.size() == 2);
        const std::wstring kind = task->category == DBAPP_PHOTOS ? L"ZKIND = 0 " : L"ZKIND = 1 ";
        EXPECT_NE(task->queries[0].sql.find(L"from ZGENERICASSET where name is not null and " + kind), std::wstring::npos);
        EXPECT_NE(task->queries[1].sql.find(L"from ZASSET where name is not null and " + kind), std::wstring::npos);
        for (const DBQuery &query : task->queries)
            EXPECT_NE(query.sql.find(L"order by date desc;"), std::wstring::npos);
    }
}

TEST(MediaTasks, LineDatabasesComeFromTheFileList)
{
    BackupBuilder found(freshFolder("line-found"));
    const std::string group = found.addFile(LineDomain, "Library/Application Support/PrivateStore/P_1/Messages/UnifiedGroup.sqlite", "g");
    found.addFile(LineDomain, "Library/Application Support/PrivateStore/P_2/Messages/UnifiedGroup.sqlite", "g2");
    const std::string chat = found.addFile(LineDomain, "Library/Application Support/PrivateStore/P_1/Messages/Line.sqlite", "c");
    found.write();

    BackupBuilder untrusted(freshFolder("line-untrusted"));
    untrusted.addManifestRow("../../../../etc/passwd", LineDomain, "Messages/Line.sqlite");
    untrusted.addManifestRow("", LineDomain, "Messages/UnifiedGroup.sqlite");
    untrusted.write();

    const std::string missing = freshFolder("line-missing");

    struct Case
    {
        std::string folder;
        std::string groupDb;
        std::string chatDb;
    };
    for (const Case &c : std::vector<Case> {
             {found.folder(), found.pathOf(group), found.pathOf(chat)}, // the first of two group databases
             {untrusted.folder(), untrusted.folder() + LineGroupDb, untrusted.folder() + LineChatDb},
             {missing, missing + LineGroupDb, missing + LineChatDb},
         }) {
        SCOPED_TRACE(c.folder);
        const auto task = buildOne(BackupTaskBuilder(DBAPP_LINE), c.folder);
        ASSERT_TRUE(task);
        EXPECT_EQ(task->category, DBAPP_LINE);
        EXPECT_TRUE(is<CDBScanLINE>(task->processor.get()));
        EXPECT_EQ(databases(*task), (std::vector<std::pair<int, std::string>> {
                                        {0, c.groupDb}, {1, c.groupDb}, {2, c.chatDb}, {3, c.chatDb}, {4, c.chatDb}}));
    }
}

TEST(MediaTasks, WhatsAppStatementsFitARealChatDatabase)
{
    const std::string copy = freshFolder("whatsapp-real") + "/ChatStorage.sqlite";
    std::filesystem::copy_file(realDataFile("whatsapp/ChatStorage-ios15.sqlite"), copy);
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(copy.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    const auto task = buildOne(BackupTaskBuilder(DBAPP_WHATSAPP), "/b");
    ASSERT_TRUE(task);
    std::vector<int> rows;
    for (const DBQuery &query : task->queries) {
        sqlite3_stmt *statement = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, WideToUtf8(query.sql).c_str(), -1, &statement, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        int count = 0;
        while (statement && sqlite3_step(statement) == SQLITE_ROW)
            ++count;
        sqlite3_finalize(statement);
        rows.push_back(count);
    }
    sqlite3_close(db);
    // Push names, group members, visible sessions and messages of the image.
    EXPECT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], 1);
    EXPECT_EQ(rows[1], 8);
    EXPECT_GT(rows[2], 0);
    EXPECT_EQ(rows[3], 32);
}

TEST(MediaTasks, BuildersLogWhatTheyAdd)
{
    BackupBuilder empty(freshFolder("media-log"));
    empty.write();
    const std::string backup = empty.folder();
    scanEvents({backup, freshFolder("media-log-out"), DBAPP_PHOTOS | DBAPP_VIDEO | 0x3C000 | DBAPP_LINE | DBAPP_WHATSAPP});
    const std::string log = logText("Vardex.log");
    for (const char *line : {"Add scan task:Photos", "Add scan task:Video", "Add scan task:3rdImage",
                             "Add scan task:3rdVideo", "Add scan task:3rdAudio", "Add scan task: Line",
                             "Add scan task: WhatsApp"})
        EXPECT_NE(log.find(line), std::string::npos) << line;
    // The document builder traces to the debugger output only.
    EXPECT_EQ(log.find("3rdDocument"), std::string::npos);
}
