#include "backupbuilder.h"
#include "dbconnector.h"
#include "recordjson.h"
#include "scanrecorder.h"
#include "vardex.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>

using namespace testsupport;

namespace
{
    struct Events
    {
        std::vector<std::string> lines;
        std::atomic<bool> *stopAfterRows = nullptr;
        int rowsBeforeStop = 0;
    };

    void collect(const int *status, int kind, int value, const void *, void *user)
    {
        auto *events = static_cast<Events *>(user);
        events->lines.push_back(progressLine(kind, value).replace(10, 1, std::to_string(*status)));
    }

    // Delivers each row's first column as the record sub-type; can request a stop.
    class RowCounter : public IDBProcessor
    {
    public:
        explicit RowCounter(int kind)
            : m_kind(kind)
        {
        }
        void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t) override
        {
            auto *events = static_cast<Events *>(user);
            Deliver(callback, m_kind, IntColumn(row, 0), nullptr, user);
            if (events->stopAfterRows && --events->rowsBeforeStop == 0)
                events->stopAfterRows->store(true);
        }

    private:
        int m_kind;
    };

    std::string numbersDb(const std::string &name, int rows)
    {
        const std::string path = freshFolder(name) + "/numbers.sqlite";
        execSql(path, "CREATE TABLE t (n INTEGER);"
                      "WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s WHERE i < " +
                          std::to_string(rows) + ") INSERT INTO t SELECT i FROM s;");
        return path;
    }

    std::unique_ptr<CDBTask> task(int category, std::vector<DBQuery> queries)
    {
        return std::make_unique<CDBTask>(category, DBTYPE_SQLITE, std::move(queries),
                                         std::make_unique<RowCounter>(category));
    }

    std::string event(int status, int kind, int value)
    {
        return "{\"status\":" + std::to_string(status) + ",\"kind\":" + std::to_string(kind) +
               ",\"value\":" + std::to_string(value) + "}";
    }
}

TEST(RunLoop, TasksRunInOrderWithTheirEvents)
{
    const std::wstring db = widen(numbersDb("order", 2));
    Events events;
    CVardex vardex(L"", collect);
    vardex.SetUser(&events);
    vardex.AddTask(task(0x4, {{0, db, L"SELECT n FROM t ORDER BY n"}}));
    vardex.AddTask(task(0x8, {{0, L"/nonexistent/missing.db", L"SELECT 1"}, {1, db, L"SELECT n FROM t WHERE n = 2"}}));
    vardex.AddTask(task(0x10, {}));
    vardex.Run();
    EXPECT_EQ(events.lines, (std::vector<std::string> {
                                event(3, 3, 0x4), event(4, 0x4, 1), event(4, 0x4, 2), event(3, 4, 0x4),
                                event(3, 3, 0x8), event(4, 0x8, 2), event(3, 4, 0x8),
                                event(3, 3, 0x10), event(3, 4, 0x10),
                            }));
}

TEST(RunLoop, StopInTheLastQueryOfATaskEndsTheRunAtTheNextQuery)
{
    const std::wstring db = widen(numbersDb("stop", 100));
    std::atomic<bool> stop {false};
    Events events;
    events.stopAfterRows = &stop;
    events.rowsBeforeStop = 3;
    CVardex vardex(L"", collect);
    vardex.SetUser(&events);
    vardex.SetStopFlag(&stop);
    vardex.AddTask(task(0x4, {{0, db, L"SELECT n FROM t ORDER BY n"}}));
    vardex.AddTask(task(0x8, {{0, db, L"SELECT n FROM t"}}));
    vardex.Run();
    // The stop is seen right after the third row: no fourth row, and task B gets only its begin event.
    EXPECT_EQ(events.lines, (std::vector<std::string> {
                                event(3, 3, 0x4), event(4, 0x4, 1), event(4, 0x4, 2), event(4, 0x4, 3),
                                event(3, 4, 0x4), event(3, 3, 0x8),
                            }));
}

TEST(RunLoop, FailedStatementsLeaveOnlyTheirRowsOut)
{
    const std::wstring db = widen(numbersDb("failing", 3));
    Events events;
    CVardex vardex(L"", collect);
    vardex.SetUser(&events);
    vardex.AddTask(task(0x4, {{0, db, L"SELECT n FROM no_such_table"}, {1, db, L"SELECT n FROM t WHERE n = 3"}}));
    vardex.Run();
    EXPECT_EQ(events.lines, (std::vector<std::string> {event(3, 3, 0x4), event(4, 0x4, 3), event(3, 4, 0x4)}));
}

TEST(ConnectorRegistry, OneConnectionPerCategoryAndQueryIndex)
{
    const std::wstring db = widen(numbersDb("registry", 1));
    CDBTask sqliteTask(0x4, DBTYPE_SQLITE, {}, nullptr);
    CDBConnectorRegistry registry;
    ASSERT_TRUE(registry.AddConnector(sqliteTask, 0, db));
    sqlite3 *first = registry.GetConnection(0x4, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(registry.AddConnector(sqliteTask, 0, L"/elsewhere/ignored.db"));
    EXPECT_EQ(registry.GetConnection(0x4, 0), first);
    EXPECT_EQ(registry.GetConnection(0x4, 1), nullptr);
    EXPECT_EQ(registry.GetConnection(0x8, 0), nullptr);

    CDBTask otherType(0x8, DBTYPE_NONE, {}, nullptr);
    EXPECT_FALSE(registry.AddConnector(otherType, 0, db));
    EXPECT_FALSE(registry.AddConnector(sqliteTask, 1, L"/nonexistent/x.db"));
}

TEST(ConnectorRegistry, OpensWalDatabasesWithoutWritingBesideThem)
{
    const std::string folder = freshFolder("wal");
    execSql(folder + "/db", "PRAGMA journal_mode=WAL; CREATE TABLE t (n); INSERT INTO t VALUES (1);");
    const auto before = snapshot(folder);
    sqlite3 *db = nullptr;
    ASSERT_EQ(OpenBackupDatabase(widen(folder + "/db"), &db), SQLITE_OK);
    sqlite3_stmt *statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT n FROM t", -1, &statement, nullptr), SQLITE_OK);
    EXPECT_EQ(sqlite3_step(statement), SQLITE_ROW);
    sqlite3_finalize(statement);
    sqlite3_close_v2(db);
    EXPECT_EQ(snapshot(folder), before);

    EXPECT_NE(OpenBackupDatabase(widen(folder + "/missing"), &db), SQLITE_OK);
    EXPECT_EQ(db, nullptr);
}
