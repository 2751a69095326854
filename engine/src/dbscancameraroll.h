#pragma once

#include "idbprocessor.h"

// Camera-roll rows of a backup's photo library (id, path, name, date, ...)
// into file records: the content and its thumbnail are looked for under
// their backup file ids, and each path is kept only when the file is there.
class CDBScanCameraRoll : public IDBProcessor
{
public:
    explicit CDBScanCameraRoll(int kind)
        : m_kind(kind)
    {
    }
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;

    // The path in the backup of CameraRollDomain's file at relativePath, when it exists.
    static std::wstring ExistingCameraRollFile(const std::wstring &relativePath);

private:
    int m_kind;
};
