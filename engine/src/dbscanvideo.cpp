#include "dbscanvideo.h"

void CDBScanVideo::ProcessRow(sqlite3_stmt *, void *, DBExecutorCallback, int32_t)
{
    // No records yet for this category.
}
