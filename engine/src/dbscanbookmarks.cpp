#include "dbscanbookmarks.h"

#include "dbrecords.h"

void CDBScanBookmarks::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t)
{
    STBookMarks record;
    record.title = TextColumn(row, 0);
    record.url = TextColumn(row, 1);
    record.folder = TextColumn(row, 2);
    Deliver(callback, DBAPP_BOOKMARKS, 0, &record, user);
}
