#include "dbscan3rdvideo.h"

void CDBScan3rdVideo::ProcessRow(sqlite3_stmt *, void *, DBExecutorCallback, int32_t)
{
    // No records yet for this category.
}
