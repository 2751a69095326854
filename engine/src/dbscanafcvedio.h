#pragma once

#include "idbprocessor.h"

// Turns the rows of the camera-roll videos of a device copy queries into records.
class CDBScanAFCVedio : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;
};
