#pragma once

#include "idbprocessor.h"

#include <string>
#include <unordered_set>
#include <vector>

struct STLineMessage;

// Turns the rows of the LINE chats queries into records: 0 groups, 1 group
// members, 2 users, 3 chats, 4 messages. Groups and users get their profile
// pictures downloaded; messages get their attachment files from the backup
// and what their content metadata says.
class CDBScanLINE : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;

    // The picture server: QUENROW_LINE_PICTURE_URL when set, else LINE's own.
    static std::wstring PictureOrigin();
    // The address of a stored picture path on origin, with "/" in front and
    // every byte outside the unreserved ones percent-encoded; "" for an empty
    // path or one with a "." or ".." segment, which gets no request.
    static std::wstring PictureUrl(const std::wstring &origin, const std::wstring &storedPath);

    // The string items of a content-metadata property list's "$objects", in
    // order; empty when the blob does not parse.
    static std::vector<std::wstring> MetadataStrings(const void *blob, int size);

private:
    void ProcessGroup(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex);
    void ProcessGroupMember(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex);
    void ProcessUser(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex);
    void ProcessChat(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex);
    void ProcessMessage(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex);

    std::wstring DownloadPicture(const std::wstring &storedPath, const std::wstring &id);
    static void FindMediaFiles(STLineMessage &record, const wchar_t *missingExtension, bool withThumbnail);
    static void FindSharedFile(STLineMessage &record);

    std::unordered_set<std::wstring> m_groupIds;
    std::wstring m_pictureOrigin;
    bool m_originRead = false;
    // Set after a download that got no answer at all: the server is out of
    // reach, and every further picture would wait for its time-outs again.
    bool m_picturesOff = false;
};
