#pragma once

#include "idbexecutor.h"

#include <atomic>
#include <cstdint>
#include <string>

struct sqlite3_stmt;

// Sends one event to the caller, when a callback is set.
inline void NotifyCallback(DBExecutorCallback callback, int status, int kind, int value, const void *record, void *user)
{
    if (!callback)
        return;
    const int pointedStatus = status;
    callback(&pointedStatus, kind, value, record, user);
}

// Turns one result row into a record for the callback.
class IDBProcessor
{
public:
    virtual ~IDBProcessor() = default;
    virtual void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex);

    // The executor's stop flag, handed over by the run loop before the first
    // row, for processors that run statements of their own.
    void SetStopFlag(const std::atomic<bool> *stopFlag) { m_stopFlag = stopFlag; }

protected:
    const std::atomic<bool> *StopFlag() const { return m_stopFlag; }
    bool StopRequested() const { return m_stopFlag && m_stopFlag->load(); }

    // Column helpers: NULL gives an empty string or 0.
    static std::wstring TextColumn(sqlite3_stmt *row, int column);
    static int32_t IntColumn(sqlite3_stmt *row, int column);
    static int64_t Int64Column(sqlite3_stmt *row, int column);
    static double DoubleColumn(sqlite3_stmt *row, int column);

    static void Deliver(DBExecutorCallback callback, int kind, int value, const void *record, void *user)
    {
        NotifyCallback(callback, DBSTATUS_RECORD, kind, value, record, user);
    }

private:
    const std::atomic<bool> *m_stopFlag = nullptr;
};
