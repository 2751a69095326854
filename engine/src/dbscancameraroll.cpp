#include "dbscancameraroll.h"

#include "dbmediamanager.h"
#include "engineutil.h"

#include <openssl/evp.h>

namespace
{
    const std::wstring &cameraRollDomain()
    {
        static const std::wstring domain = L"CameraRollDomain";
        return domain;
    }

    // The backup file id of a key: SHA-1 of its UTF-8 bytes, as every backup
    // id is made (another code page would give other ids for non-ASCII names).
    std::wstring backupFileId(const std::wstring &key)
    {
        const std::string bytes = WideToUtf8(key);
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int length = 0;
        if (!EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha1(), nullptr))
            return {};
        static const wchar_t hex[] = L"0123456789abcdef";
        std::wstring id;
        for (unsigned int i = 0; i < length; ++i) {
            id += hex[digest[i] >> 4];
            id += hex[digest[i] & 0xF];
        }
        return id;
    }

    // The path in the backup of CameraRollDomain's file at relativePath, when it exists.
    std::wstring existingCameraRollFile(const std::wstring &relativePath)
    {
        const std::wstring id = backupFileId(cameraRollDomain() + L"-" + relativePath);
        const std::wstring path = DBMediaManager::FileIdPath(DBMediaManager::Instance().GetBackupDir(), id);
        return PathExists(path) ? path : std::wstring();
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
