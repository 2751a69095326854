#include "dbscan3rddocument.h"

void CDBScan3rdDocument::ProcessRow(sqlite3_stmt *, void *, DBExecutorCallback, int32_t)
{
    // No records yet for this category.
}
