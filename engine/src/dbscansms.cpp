#include "dbscansms.h"

#include "dbmediamanager.h"
#include "dbrecords.h"
#include "streamtyped.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace
{
    constexpr wchar_t ObjectReplacement = L'\uFFFC';
    constexpr int TextQuery = 0;
    constexpr int AttachmentQuery = 1;
    constexpr int MemberQuery = SMS_MEMBER_SUBTYPE;
    // Where the statements carry the archived text, it follows their other columns.
    constexpr int TextBodyColumn = 13;
    constexpr int AttachmentBodyColumn = 14;

    bool startsWith(const std::wstring &text, std::wstring_view prefix)
    {
        return std::wstring_view(text).substr(0, prefix.size()) == prefix;
    }
}

void CDBScanSMS::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex)
{
    switch (queryIndex) {
    case TextQuery: ProcessMessage(row, user, callback, queryIndex); break;
    case AttachmentQuery: ProcessAttachmentMessage(row, user, callback, queryIndex); break;
    case MemberQuery: ProcessChatMember(row, user, callback, queryIndex); break;
    default: break;
    }
}

void CDBScanSMS::ProcessMessage(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex)
{
    // U+FFFC stands where an attachment sat in the text; a text of nothing
    // else is an attachment-only message, which query 1 delivers.
    std::wstring text = MessageText(row, TextBodyColumn);
    text.erase(std::remove(text.begin(), text.end(), ObjectReplacement), text.end());
    if (text.empty())
        return;

    STSMS record;
    ReadMessageColumns(row, 9, record);
    record.text = std::move(text);
    Deliver(callback, DBAPP_SMS, queryIndex, &record, user);
}

void CDBScanSMS::ProcessAttachmentMessage(sqlite3_stmt *row, void *user, DBExecutorCallback callback,
                                          int32_t queryIndex)
{
    const std::wstring storedPath = TextColumn(row, 9);
    if (storedPath.empty())
        return;

    STSMS record;
    ReadMessageColumns(row, 10, record);
    record.text = MessageText(row, AttachmentBodyColumn);
    record.attachmentFile = CopyAttachment(storedPath);
    // Delivered also when the backup does not hold the file.
    Deliver(callback, DBAPP_SMS, queryIndex, &record, user);
}

void CDBScanSMS::ProcessChatMember(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex)
{
    STSMSmember record;
    record.chatId = IntColumn(row, 0);
    record.id = TextColumn(row, 1);
    record.uncanonicalizedId = TextColumn(row, 2);
    record.country = TextColumn(row, 3);
    record.service = TextColumn(row, 4);
    Deliver(callback, DBAPP_SMS, queryIndex, &record, user);
}

// The columns both message queries share: 0 to 8 (but the text, 5), and the
// four flags from flagsColumn on (the attachment query has its file name
// before them).
void CDBScanSMS::ReadMessageColumns(sqlite3_stmt *row, int flagsColumn, STSMS &record)
{
    record.groupId = IntColumn(row, 0);
    record.isGroup = IntColumn(row, 1) != 0;
    record.id = TextColumn(row, 2);
    record.uncanonicalizedId = TextColumn(row, 3);
    record.subject = TextColumn(row, 4);
    record.service = TextColumn(row, 6);
    record.date = Int64Column(row, 7);
    record.country = TextColumn(row, 8);
    record.isFromMe = IntColumn(row, flagsColumn);
    record.isForward = IntColumn(row, flagsColumn + 1);
    record.error = IntColumn(row, flagsColumn + 2);
    record.isDeleted = IntColumn(row, flagsColumn + 3) != 0;
}

// Newer phones leave the text column empty and keep the text only in the
// archived attributedBody, which the statements add where the table has it.
std::wstring CDBScanSMS::MessageText(sqlite3_stmt *row, int bodyColumn)
{
    std::wstring text = TextColumn(row, 5);
    if (!text.empty() || bodyColumn >= sqlite3_column_count(row))
        return text;
    const char *name = sqlite3_column_name(row, bodyColumn);
    if (!name || std::strcmp(name, "attributedBody") != 0)
        return text;
    const void *body = sqlite3_column_blob(row, bodyColumn);
    const int size = sqlite3_column_bytes(row, bodyColumn);
    return body ? StreamTypedText(static_cast<const uint8_t *>(body), size_t(size)) : text;
}

std::wstring CDBScanSMS::AttachmentRelativePath(const std::wstring &storedPath)
{
    for (std::wstring_view home : {L"~/", L"/var/mobile/"}) {
        if (startsWith(storedPath, home))
            return storedPath.substr(home.size());
    }
    return storedPath;
}

// Copies the attachment into the output folder: first by its exact relative
// path, then by its bare file name, which finds a file that the backup keeps
// under another folder. Returns the copy's path, or "".
std::wstring CDBScanSMS::CopyAttachment(const std::wstring &storedPath)
{
    const DBMediaManager &media = DBMediaManager::Instance();
    const std::wstring relativePath = AttachmentRelativePath(storedPath);
    std::wstring copy = media.ExportByPath(relativePath);
    if (!copy.empty())
        return copy;
    const size_t slash = relativePath.rfind(L'/');
    if (slash == std::wstring::npos)
        return {};
    // Searched with its leading "/", so that the name is a whole path
    // component: "1.jpg" alone would also match another message's "21.jpg".
    const std::wstring name = relativePath.substr(slash);
    // An empty name would match any file at all.
    return name.size() < 2 ? std::wstring() : media.ExportLike(name, std::wstring());
}
