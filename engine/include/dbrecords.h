#pragma once

// Records handed to DBExecutorCallback with status DBSTATUS_RECORD. Text is
// wide; NULL columns give empty strings or 0. Dates stay in the database's
// own epoch unless a field says otherwise.

#include <cstdint>
#include <string>

// DBAPP_MANIFEST: one row of Manifest.db's Files table.
struct STManifestFile
{
    int32_t flags = 0;
    std::wstring fileID;
    std::wstring domain;
    std::wstring relativePath;
};

// A file: photos, videos and the files of other apps.
struct STFiles
{
    std::wstring name;      // as shown to the user
    std::wstring filePath;  // local path of the content
    std::wstring extraPath; // the thumbnail, where there is one
    int64_t date = 0;       // seconds since 1970, 0 when unknown
};
