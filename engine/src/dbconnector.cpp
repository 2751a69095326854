#include "dbconnector.h"

#include "enginelog.h"
#include "engineutil.h"

#include <sqlite3.h>

#include <cctype>
#include <cstdio>
#include <new>

namespace
{
    constexpr int BusyWaitMs = 1000;

    // Bytes 18 and 19 of the header are 2 for a database in WAL mode.
    bool isWalDatabase(const std::string &path)
    {
        FILE *file = std::fopen(path.c_str(), "rb");
        if (!file)
            return false;
        unsigned char header[20] = {};
        const bool full = std::fread(header, 1, sizeof header, file) == sizeof header;
        std::fclose(file);
        return full && header[18] == 2 && header[19] == 2;
    }

    std::string uriEscaped(const std::string &path)
    {
        static const char hex[] = "0123456789ABCDEF";
        std::string out;
        for (unsigned char c : path) {
            if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
                out += char(c);
            } else {
                out += '%';
                out += hex[c >> 4];
                out += hex[c & 0xF];
            }
        }
        return out;
    }
}

int OpenBackupDatabase(const std::wstring &path, sqlite3 **db)
{
    *db = nullptr;
    const std::string utf8 = WideToUtf8(path);
    // A connection never leaves the thread that opened it: no per-call mutex.
    const int flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX;
    sqlite3 *handle = nullptr;
    int result;
    if (isWalDatabase(utf8) && !PathExists(path + L"-wal")) {
        const std::string uri = "file:" + uriEscaped(utf8) + "?mode=ro&immutable=1";
        result = sqlite3_open_v2(uri.c_str(), &handle, flags | SQLITE_OPEN_URI, nullptr);
    } else {
        result = sqlite3_open_v2(utf8.c_str(), &handle, flags, nullptr);
    }
    if (result != SQLITE_OK) {
        sqlite3_close_v2(handle); // SQLite hands out a handle even when the open fails
        return result;
    }
    *db = handle;
    return SQLITE_OK;
}

CMySqliteConnector::CMySqliteConnector(const std::wstring &dbPath, int)
{
    // Always read-only, whatever the caller asked: a backup is never written.
    if (OpenBackupDatabase(dbPath, &m_db) != SQLITE_OK) {
        VARDEX_LOGW(L"open db is failed, dbpath: %ls", dbPath.c_str());
        return;
    }
    opened = true;
}

CMySqliteConnector::~CMySqliteConnector()
{
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool CDBConnectorRegistry::AddConnector(const CDBTask &task, int32_t queryIndex, const std::wstring &dbPath)
{
    try {
        auto &byIndex = m_connectors[task.category];
        auto existing = byIndex.find(queryIndex);
        if (existing != byIndex.end()) {
            ++existing->second.useCount;
            return true;
        }
        if (task.dbType != DBTYPE_SQLITE)
            return false;
        auto connector = std::make_unique<CMySqliteConnector>(dbPath, SQLITE_OPEN_READONLY);
        if (!connector->opened)
            return false;
        byIndex[queryIndex] = Entry {std::move(connector), 1};
        return true;
    } catch (const std::bad_alloc &) {
        VARDEX_LOG("[AddConnector] Failed");
        return false;
    }
}

sqlite3 *CDBConnectorRegistry::GetConnection(int32_t category, int32_t queryIndex) const
{
    auto byIndex = m_connectors.find(category);
    if (byIndex == m_connectors.end())
        return nullptr;
    auto entry = byIndex->second.find(queryIndex);
    return entry == byIndex->second.end() ? nullptr : entry->second.connector->GetHandle();
}

bool CMySqliteReader::Read(sqlite3 *connection, const std::string &sql, IDBProcessor *processor,
                           DBExecutorCallback callback, int32_t queryIndex, void *user)
{
    if (!processor)
        DebugTraceA("Processor is empty.");
    if (!connection)
        return false;

    // A locked database refuses even the prepare: wait for it like for a step.
    sqlite3_stmt *statement = nullptr;
    int result = sqlite3_prepare_v2(connection, sql.c_str(), int(sql.size()), &statement, nullptr);
    while (result == SQLITE_BUSY && !stopRequested()) {
        sqlite3_sleep(BusyWaitMs);
        result = sqlite3_prepare_v2(connection, sql.c_str(), int(sql.size()), &statement, nullptr);
    }
    if (result != SQLITE_OK || !statement) {
        sqlite3_finalize(statement);
        return false;
    }

    int step = SQLITE_DONE;
    while (true) {
        step = sqlite3_step(statement);
        if (step == SQLITE_BUSY) {
            if (stopRequested())
                break;
            sqlite3_sleep(BusyWaitMs);
            continue;
        }
        if (step != SQLITE_ROW)
            break;
        if (processor)
            processor->ProcessRow(statement, user, callback, queryIndex);
        if (stopRequested())
            break;
    }
    sqlite3_finalize(statement);
    return step == SQLITE_DONE && !stopRequested();
}
