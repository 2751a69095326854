#include "dbscancallhistory.h"

#include "dbrecords.h"

CDBScanCallHistory::CDBScanCallHistory()
    : CDBScanCallHistory(DBAPP_CALL_HISTORY)
{
}

CDBScanCallHistory::CDBScanCallHistory(int kind)
    : m_kind(kind)
{
}

void CDBScanCallHistory::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t)
{
    STCallHistory record;
    record.address = TextColumn(row, 0);
    record.value = TextColumn(row, 1);
    record.duration = DoubleColumn(row, 2);
    record.date = Int64Column(row, 3);
    record.countryCode = TextColumn(row, 4);
    record.originated = IntColumn(row, 6);
    record.answered = IntColumn(row, 7);
    record.disconnectedCause = IntColumn(row, 5);
    Deliver(callback, m_kind, 0, &record, user);
}
