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

// DBAPP_SMS, sub-types 0 (text message) and 1 (message with an attachment).
struct STSMS
{
    bool isDeleted = false; // listed among the recoverable (deleted) messages
    bool isGroup = false;
    int32_t groupId = 0; // row id of the chat, 0 when there is none
    int32_t isFromMe = 0;
    int32_t isForward = 0;
    int32_t error = 0;
    int64_t date = 0; // message date, or the attachment's creation date
    std::wstring id;  // handle of the other party
    std::wstring uncanonicalizedId;
    std::wstring service;
    std::wstring subject;
    std::wstring text;
    std::wstring country;
    std::wstring attachmentFile; // local copy; empty when none or not found
};

// DBAPP_SMS, sub-type 2: one member of a group chat.
struct STSMSmember
{
    int32_t chatId = 0;
    std::wstring id;
    std::wstring uncanonicalizedId;
    std::wstring country;
    std::wstring service;
};
