#pragma once

#include "idbprocessor.h"

// Turns the rows of the reminders queries into records: query 0 names the
// reminders stores, each of which is opened and read here; query 1 gives
// the reminders kept in the calendar database.
class CDBScanReminder : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;

private:
    void ReadStore(const std::wstring &storeId, void *user, DBExecutorCallback callback) const;
    static void DeliverCalendarReminder(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
};
