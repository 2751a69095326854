#include "dbscanappfiles.h"

#include "dbmediamanager.h"

void CDBScanAppFiles::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t)
{
    STFiles record;
    // An id that is not 40 hex digits gives no path: it could name anything.
    record.filePath = DBMediaManager::FileIdPath(DBMediaManager::Instance().GetBackupDir(), TextColumn(row, 0));
    record.name = FileName(TextColumn(row, 1));
    DeliverFile(record, callback, user);
}

std::wstring CDBScanAppFiles::FileName(const std::wstring &relativePath)
{
    const size_t slash = relativePath.rfind(L'/');
    return slash == std::wstring::npos ? relativePath : relativePath.substr(slash + 1);
}
