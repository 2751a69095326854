#pragma once

#include "idbprocessor.h"

// Turns the rows of the camera-roll videos of a backup queries into records.
class CDBScanVideo : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;
};
