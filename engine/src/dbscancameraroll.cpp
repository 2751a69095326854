#include "dbscancameraroll.h"

#include "dbmediamanager.h"
#include "engineutil.h"

namespace
{
    const std::wstring &cameraRollDomain()
    {
        static const std::wstring domain = L"CameraRollDomain";
        return domain;
    }

    // The path in the backup of CameraRollDomain's file at relativePath, when it exists.
    std::wstring existingCameraRollFile(const std::wstring &relativePath)
    {
        // Hashed from UTF-8 like every backup id, so non-ASCII names resolve.
        const std::wstring id = DBMediaManager::FileIdOf(cameraRollDomain(), relativePath);
        const std::wstring path = DBMediaManager::FileIdPath(DBMediaManager::Instance().GetBackupDir(), id);
        return DBMediaManager::FileExists(path) ? path : std::wstring();
    }
}

void CDBScanCameraRoll::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t)
{
    const std::wstring directory = TextColumn(row, 1);
    STFiles record;
    record.name = TextColumn(row, 2);
    record.date = Int64Column(row, 3);
    record.filePath = existingCameraRollFile(L"Media/" + directory + L"/" + record.name);
    record.extraPath =
        existingCameraRollFile(L"Media/PhotoData/Thumbnails/V2/" + directory + L"/" + record.name + L"/5005.JPG");
    DeliverFile(record, callback, user);
}
