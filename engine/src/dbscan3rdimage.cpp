#include "dbscan3rdimage.h"

void CDBScan3rdImage::ProcessRow(sqlite3_stmt *, void *, DBExecutorCallback, int32_t)
{
    // No records yet for this category.
}
