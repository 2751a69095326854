#pragma once

#include "dbfilesprocessor.h"

// Turns (fileID, relativePath) rows of Manifest.db into file records that
// point at the file inside the backup. The app-file categories differ only in
// the kind they deliver.
class CDBScanAppFiles : public CDBFilesProcessor
{
public:
    using CDBFilesProcessor::CDBFilesProcessor;
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;

    // The last component of a relative path (the whole path when it has no '/').
    static std::wstring FileName(const std::wstring &relativePath);
};
