#include "dbscanfacetime.h"

void CDBScanFaceTime::ProcessRow(sqlite3_stmt *, void *, DBExecutorCallback, int32_t)
{
    // No records yet for this category.
}
