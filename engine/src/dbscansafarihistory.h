#pragma once

#include "idbprocessor.h"

// Turns the rows of the Safari history queries into records.
class CDBScanSafariHistory : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;
};
