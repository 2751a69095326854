#pragma once

#include "idbprocessor.h"

// Turns the rows of the camera-roll photos of a backup queries into records.
class CDBScanPhotos : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;
};
