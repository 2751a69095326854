#pragma once

#include "idbprocessor.h"

// Turns the rows of the call history queries into records.
class CDBScanCallHistory : public IDBProcessor
{
public:
    CDBScanCallHistory();
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;

protected:
    // FaceTime calls share the layout and differ only in their kind.
    explicit CDBScanCallHistory(int kind);

private:
    int m_kind;
};
