#include "dbscanvoicemaill.h"

#include "dbmediamanager.h"
#include "dbrecords.h"
#include "engineutil.h"

#include <sqlite3.h>

void CDBScanVoiceMaill::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t)
{
    STVoiceMail voicemail;
    voicemail.date = Int64Column(row, 1);
    voicemail.sender = TextColumn(row, 2);
    voicemail.duration = IntColumn(row, 3);
    voicemail.receiver = TextColumn(row, 4);
    // A voicemail without its number has no audio file of its own.
    if (sqlite3_column_type(row, 0) != SQLITE_NULL) {
        const std::wstring audioPath = FormatW(L"Library/Voicemail/%d.amr", IntColumn(row, 0));
        voicemail.audioFile = DBMediaManager::Instance().ExportByPath(audioPath);
    }
    Deliver(callback, DBAPP_VOICEMAIL, 0, &voicemail, user);
}
