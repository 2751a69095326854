#include "dbscansafarihistory.h"

#include "dbrecords.h"

void CDBScanSafariHistory::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t)
{
    STSafariHistory record;
    record.title = TextColumn(row, 0);
    record.visitTime = Int64Column(row, 1);
    record.url = TextColumn(row, 2);
    Deliver(callback, DBAPP_SAFARI_HISTORY, 0, &record, user);
}
