#pragma once

#include "idbprocessor.h"

// Hands out every row of Manifest.db's Files table as an STManifestFile.
class CDBTaskManifest : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;
};
