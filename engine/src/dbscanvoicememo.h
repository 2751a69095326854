#pragma once

#include "idbprocessor.h"

// Turns the rows of the voice memos queries into records, copying each
// recording out of the backup.
class CDBScanVoicememo : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;

    // What to look the stored path up by in the file list: an absolute device
    // path is not a backup path, so its "/name" tail is used; "" finds nothing.
    static std::wstring SearchText(const std::wstring &storedPath);
};
