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
constexpr int SMS_MEMBER_SUBTYPE = 2;
struct STSMSmember
{
    int32_t chatId = 0;
    std::wstring id;
    std::wstring uncanonicalizedId;
    std::wstring country;
    std::wstring service;
};

// DBAPP_REMINDERS, sub-type 0: one reminder, from a reminders store or from
// the calendar database (which leaves id, location, priority and completed empty).
struct STReminder
{
    bool isDeleted = false;
    std::wstring id; // "<store file id>-<row key>"
    std::wstring title;
    std::wstring notes;
    int64_t creationDate = 0;
    int64_t dueDate = 0;
    std::wstring locationTitle;
    std::wstring url;
    double latitude = 0;
    double longitude = 0;
    double radius = 0;
    int32_t priority = 0;
    int32_t completed = 0;
    std::wstring listName;
};

// DBAPP_REMINDERS, sub-type 2: one attachment of a reminder.
constexpr int REMINDER_ATTACHMENT_SUBTYPE = 2;
struct STReminderAttachment
{
    int64_t fileSize = 0;
    int32_t height = 0;
    int32_t width = 0;
    std::wstring reminderId; // the id of the owning STReminder
    std::wstring filePath;   // the file inside the backup folder, or empty
    std::wstring fileName;
    std::wstring identifier; // the attachment's cloud identifier
};

// DBAPP_VOICEMAIL: one voicemail.
struct STVoiceMail
{
    std::wstring sender;
    std::wstring receiver;
    int64_t date = 0;
    int32_t duration = 0;
    std::wstring audioFile; // local copy of the audio, or empty
};

// DBAPP_VOICEMEMO: one recording.
struct STVoicememo
{
    bool deleted = false;
    std::wstring label;
    int64_t date = 0;
    double duration = 0;
    std::wstring file; // local copy of the recording, or empty
};
