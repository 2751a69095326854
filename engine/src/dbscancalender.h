#pragma once

#include "idbprocessor.h"

#include <string>

// Turns the rows of the calendar events queries into records.
class CDBScanCalender : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;

private:
    // The attachment's file inside the backup, found by its name; "" when not there.
    static std::wstring AttachmentPath(const std::wstring &name);
};
