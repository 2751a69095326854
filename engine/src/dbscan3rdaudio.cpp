#include "dbscan3rdaudio.h"

void CDBScan3rdAudio::ProcessRow(sqlite3_stmt *, void *, DBExecutorCallback, int32_t)
{
    // No records yet for this category.
}
