#include "dbscanphotos.h"

void CDBScanPhotos::ProcessRow(sqlite3_stmt *, void *, DBExecutorCallback, int32_t)
{
    // No records yet for this category.
}
