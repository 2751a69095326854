#pragma once

#include "idbprocessor.h"

// Turns the rows of the audio in app folders queries into records.
class CDBScan3rdAudio : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;
};
