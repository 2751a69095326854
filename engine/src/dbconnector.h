#pragma once

#include "dbtask.h"

#include <atomic>
#include <map>
#include <memory>
#include <string>

struct sqlite3;

// Opens a database of a backup read-only without changing a byte beside it:
// a WAL database whose "-wal" is not there opens immutable, so SQLite
// creates no "-wal" or "-shm" in the user's folder. Returns the SQLite
// result; on failure *db is null and nothing stays open.
int OpenBackupDatabase(const std::wstring &path, sqlite3 **db);

// How long a connection waits for a locked database: until it is released,
// until stopFlag (when given) is set, or until limitMs have passed (a
// negative limit: no limit). Lives as long as the connection's statements.
struct BusyWait
{
    const std::atomic<bool> *stopFlag = nullptr;
    int limitMs = -1;
    int waitedMs = 0;
};
// Installs wait as db's busy handler.
void WaitWhileBusy(sqlite3 *db, BusyWait *wait);

// The DBExecutorError that an SQLite result means for a category, or 0 when
// it says nothing about the database itself (done, a row, or a statement
// that names a table or column the database lacks).
int CategoryErrorOf(int sqliteResult);

class DBConnectorBase
{
public:
    virtual ~DBConnectorBase() = default;
    virtual sqlite3 *GetHandle() const { return nullptr; }

    bool opened = false;
};

class CMySqliteConnector : public DBConnectorBase
{
public:
    CMySqliteConnector(const std::wstring &dbPath, int openFlags);
    ~CMySqliteConnector() override;
    sqlite3 *GetHandle() const override { return m_db; }

private:
    sqlite3 *m_db = nullptr;
};

// One read-only connection per (category, query index), for one run.
class CDBConnectorRegistry
{
public:
    bool AddConnector(const CDBTask &task, int32_t queryIndex, const std::wstring &dbPath);
    sqlite3 *GetConnection(int32_t category, int32_t queryIndex) const;

private:
    struct Entry
    {
        std::unique_ptr<DBConnectorBase> connector;
        int32_t useCount = 0;
    };
    std::map<int32_t, std::map<int32_t, Entry>> m_connectors;
};

class IDBReader
{
public:
    virtual ~IDBReader() = default;
    virtual bool Read(sqlite3 *, const std::string &, IDBProcessor *, DBExecutorCallback, int32_t, void *) { return false; }
};

// Steps a statement's rows into a processor. A busy database is waited for
// in steps of a second, for as long as no stop is requested.
class CMySqliteReader : public IDBReader
{
public:
    void SetStopFlag(const std::atomic<bool> *stopFlag) { m_stopFlag = stopFlag; }
    bool Read(sqlite3 *connection, const std::string &sql, IDBProcessor *processor, DBExecutorCallback callback,
              int32_t queryIndex, void *user) override;

    // After Read: whether the statement was prepared, and the SQLite result
    // that ended it early (SQLITE_OK when it ran to its end or was stopped).
    bool Prepared() const { return m_prepared; }
    int Result() const { return m_result; }

private:
    bool stopRequested() const { return m_stopFlag && m_stopFlag->load(); }

    const std::atomic<bool> *m_stopFlag = nullptr;
    bool m_prepared = false;
    int m_result = 0;
};
