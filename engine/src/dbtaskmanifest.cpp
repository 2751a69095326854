#include "dbtaskmanifest.h"

#include "dbrecords.h"
#include "engineutil.h"

void CDBTaskManifest::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t)
{
    STManifestFile record;
    record.fileID = TextColumn(row, 0);
    record.domain = TextColumn(row, 1);
    record.relativePath = TextColumn(row, 2);
    record.flags = IntColumn(row, 3);

    if (DebugTraceEnabled()) {
        DebugTraceA("===========Manifest=========\n");
        DebugTraceW(L"file id: %ls\n", record.fileID.c_str());
        DebugTraceW(L"domain: %ls\n", record.domain.c_str());
        DebugTraceW(L"relative path: %ls\n", record.relativePath.c_str());
        DebugTraceA("flags: %d\n", record.flags);
        DebugTraceA("===========================\n");
    }
    Deliver(callback, DBAPP_MANIFEST, 0, &record, user);
}
