#pragma once

#include "idbprocessor.h"

// Turns the rows of the contacts queries into records.
class CDBScanAddressBook : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;
};
