#pragma once

#include "idbprocessor.h"

// Turns the rows of the FaceTime calls queries into records.
class CDBScanFaceTime : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;
};
