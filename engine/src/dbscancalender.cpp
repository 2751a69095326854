#include "dbscancalender.h"

#include "dbmediamanager.h"
#include "dbrecords.h"

void CDBScanCalender::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t)
{
    STCalender record;
    record.summary = TextColumn(row, 0);
    record.startDate = DoubleColumn(row, 1);
    record.endDate = DoubleColumn(row, 2);
    record.description = TextColumn(row, 3);
    record.attachmentName = TextColumn(row, 4);
    record.attachmentPath = AttachmentPath(record.attachmentName);
    record.attachmentSize = Int64Column(row, 5);
    Deliver(callback, DBAPP_CALENDAR, 0, &record, user);
}

std::wstring CDBScanCalender::AttachmentPath(const std::wstring &name)
{
    if (name.empty())
        return {};
    const DBMediaManager &media = DBMediaManager::Instance();
    // Points into the backup; the file is copied only when exported.
    return DBMediaManager::FileIdPath(media.GetBackupDir(), media.FindDocumentFileId(name));
}
