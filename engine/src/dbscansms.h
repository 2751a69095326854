#pragma once

#include "idbprocessor.h"

#include <string>

struct STSMS;

// Turns the rows of the messages queries into records: 0 text messages,
// 1 messages with an attachment (the file is copied out), 2 chat members.
class CDBScanSMS : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;

    // The relative path in the file list of an attachment's stored path,
    // which is home-relative ("~/Library/...") or absolute under the
    // mobile user's home ("/var/mobile/Library/...").
    static std::wstring AttachmentRelativePath(const std::wstring &storedPath);

protected:
    virtual void ProcessMessage(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex);
    virtual void ProcessChatMember(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex);
    virtual void ProcessAttachmentMessage(sqlite3_stmt *row, void *user, DBExecutorCallback callback,
                                          int32_t queryIndex);

private:
    static void ReadMessageColumns(sqlite3_stmt *row, int flagsColumn, STSMS &record);
    // The message's text: its text column, else its archived attributedBody.
    static std::wstring MessageText(sqlite3_stmt *row, int bodyColumn);
    static std::wstring CopyAttachment(const std::wstring &storedPath);
};
