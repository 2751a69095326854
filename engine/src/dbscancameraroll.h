#pragma once

#include "dbfilesprocessor.h"

// Camera-roll rows of a backup's photo library (id, path, name, date, ...)
// into file records: the content and its thumbnail are looked for under
// their backup file ids, and each path is kept only when the file is there.
class CDBScanCameraRoll : public CDBFilesProcessor
{
public:
    using CDBFilesProcessor::CDBFilesProcessor;
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;
};
