#pragma once

#include "idbprocessor.h"

// Turns the rows of the documents in app folders queries into records.
class CDBScan3rdDocument : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;
};
