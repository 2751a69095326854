#include "dbconnector.h"

#include "enginelog.h"
#include "engineutil.h"
#include "sqliteuri.h"

#include <sqlite3.h>

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
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

    int openDatabase(const std::string &uri, int flags, sqlite3 **handle)
    {
        const int result = sqlite3_open_v2(uri.c_str(), handle, flags, nullptr);
        if (result != SQLITE_OK) {
            sqlite3_close_v2(*handle); // SQLite hands out a handle even when the open fails
            *handle = nullptr;
        }
        return result;
    }

    // A WAL database with its "-wal" beside it cannot be read in place: SQLite
    // would create a "-shm" in the user's folder. It is read from a private
    // copy with the log merged in, made once per process (and again when the
    // files change) and removed at exit.
    class MergedCopies
    {
    public:
        static MergedCopies &instance()
        {
            static MergedCopies copies;
            return copies;
        }

        ~MergedCopies()
        {
            std::error_code ec;
            if (!m_folder.empty())
                std::filesystem::remove_all(m_folder, ec);
        }

        // The merged copy of path, or "" when it cannot be made.
        std::string copyOf(const std::string &path)
        {
            const std::string database = stampOf(path);
            const std::string log = stampOf(path + "-wal");
            if (database.empty() || log.empty())
                return {};
            const std::string key = path + '\n' + database + '\n' + log;
            std::lock_guard<std::mutex> lock(m_mutex);
            auto known = m_copies.find(key);
            if (known != m_copies.end())
                return known->second;
            const std::string copy = merge(path);
            if (!copy.empty())
                m_copies[key] = copy;
            return copy;
        }

    private:
        // Size and modification time: a changed file is merged again.
        static std::string stampOf(const std::string &file)
        {
            std::error_code ec;
            const auto size = std::filesystem::file_size(file, ec);
            if (ec)
                return {};
            const auto time = std::filesystem::last_write_time(file, ec);
            return ec ? std::string() : std::to_string(size) + ':' + std::to_string(time.time_since_epoch().count());
        }

        std::string merge(const std::string &path)
        {
            namespace fs = std::filesystem;
            std::error_code ec;
            if (m_folder.empty()) {
                std::string pattern = (fs::temp_directory_path(ec) / "vardex-XXXXXX").string();
                if (ec || !mkdtemp(pattern.data()))
                    return {};
                m_folder = pattern;
            }
            const std::string copy = m_folder + "/" + std::to_string(m_copies.size()) + ".db";
            fs::remove(copy + "-wal", ec);
            fs::remove(copy + "-shm", ec);
            bool merged = fs::copy_file(path, copy, fs::copy_options::overwrite_existing, ec) &&
                          fs::copy_file(path + "-wal", copy + "-wal", fs::copy_options::overwrite_existing, ec);
            if (merged) {
                // Our own copy: open it writable so that leaving WAL mode folds the log in.
                sqlite3 *db = nullptr;
                merged = openDatabase(copy, SQLITE_OPEN_READWRITE, &db) == SQLITE_OK &&
                         sqlite3_exec(db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr) == SQLITE_OK;
                sqlite3_close_v2(db);
                merged = merged && !fs::exists(copy + "-wal", ec);
            }
            if (merged)
                return copy;
            fs::remove(copy, ec);
            fs::remove(copy + "-wal", ec);
            fs::remove(copy + "-shm", ec);
            return {};
        }

        std::mutex m_mutex;
        std::string m_folder;
        std::map<std::string, std::string> m_copies;
    };
}

void WaitWhileBusy(sqlite3 *db, BusyWait *wait)
{
    constexpr int StepMs = 100;
    sqlite3_busy_handler(
        db,
        [](void *context, int) -> int {
            auto *wait = static_cast<BusyWait *>(context);
            if ((wait->stopFlag && wait->stopFlag->load()) || (wait->limitMs >= 0 && wait->waitedMs >= wait->limitMs))
                return 0;
            sqlite3_sleep(StepMs);
            wait->waitedMs += StepMs;
            return 1;
        },
        wait);
}

int CategoryErrorOf(int sqliteResult)
{
    switch (sqliteResult & 0xFF) {
    case SQLITE_NOTADB: return DBERROR_NOT_A_DATABASE;
    case SQLITE_CORRUPT: return DBERROR_MALFORMED;
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_NOMEM: return DBERROR_UNREADABLE;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return DBERROR_LOCKED;
    default: return 0;
    }
}

int OpenBackupDatabase(const std::wstring &path, sqlite3 **db)
{
    *db = nullptr;
    const std::string utf8 = WideToUtf8(path);
    // A connection never leaves the thread that opened it: no per-call mutex.
    const int flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX;
    if (!isWalDatabase(utf8))
        return openDatabase(utf8, flags, db);
    if (PathExists(path + L"-wal")) {
        const std::string copy = MergedCopies::instance().copyOf(utf8);
        if (!copy.empty())
            return openDatabase(copy, flags, db);
        // Without a copy the log cannot be read safely: read what the file itself holds.
    }
    return openDatabase("file:" + uriEscaped(utf8) + "?mode=ro&immutable=1", flags | SQLITE_OPEN_URI, db);
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
    m_prepared = false;
    m_result = SQLITE_OK;
    if (!processor)
        DebugTraceA("Processor is empty.");
    if (!connection) {
        m_result = SQLITE_CANTOPEN;
        return false;
    }

    // A locked database refuses even the prepare: wait for it like for a step.
    sqlite3_stmt *statement = nullptr;
    int result = sqlite3_prepare_v2(connection, sql.c_str(), int(sql.size()), &statement, nullptr);
    while (result == SQLITE_BUSY && !stopRequested()) {
        sqlite3_sleep(BusyWaitMs);
        result = sqlite3_prepare_v2(connection, sql.c_str(), int(sql.size()), &statement, nullptr);
    }
    if (result != SQLITE_OK || !statement) {
        sqlite3_finalize(statement);
        // Stopped while waiting for a lock is no failure of the database.
        m_result = stopRequested() ? SQLITE_OK : result;
        return false;
    }
    m_prepared = true;

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
    if (step != SQLITE_DONE && step != SQLITE_ROW && !stopRequested())
        m_result = step;
    return step == SQLITE_DONE && !stopRequested();
}
