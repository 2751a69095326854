#pragma once

#include "idbprocessor.h"

// Turns the rows of the LINE chats queries into records.
class CDBScanLINE : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;
};
