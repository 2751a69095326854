#pragma once

#include "idbprocessor.h"

// Turns the rows of the calendar events queries into records.
class CDBScanCalender : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;
};
