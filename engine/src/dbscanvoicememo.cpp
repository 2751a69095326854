#include "dbscanvoicememo.h"

#include "dbmediamanager.h"
#include "dbrecords.h"

void CDBScanVoicememo::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t)
{
    STVoicememo memo;
    memo.label = TextColumn(row, 0);
    memo.date = Int64Column(row, 1);
    memo.duration = DoubleColumn(row, 2);
    const std::wstring searchText = SearchText(TextColumn(row, 3));
    if (!searchText.empty())
        memo.file = DBMediaManager::Instance().ExportLike(searchText, L"");
    memo.deleted = IntColumn(row, 4) != 0;
    Deliver(callback, DBAPP_VOICEMEMO, 0, &memo, user);
}

std::wstring CDBScanVoicememo::SearchText(const std::wstring &storedPath)
{
    if (storedPath.empty() || storedPath.front() != L'/')
        return storedPath;
    const std::wstring tail = storedPath.substr(storedPath.rfind(L'/'));
    return tail.size() > 1 ? tail : std::wstring();
}
