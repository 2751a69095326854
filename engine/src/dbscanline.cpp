#include "dbscanline.h"

#include "dbmediamanager.h"
#include "dbrecords.h"
#include "enginelog.h"
#include "engineutil.h"

#include <plist/plist.h>
#include <plistguard.h>
#include <sqlite3.h>

#include <charconv>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

namespace
{
    enum Query
    {
        GroupQuery = 0,
        GroupMemberQuery = 1,
        UserQuery = 2,
        ChatQuery = 3,
        MessageQuery = 4
    };

    constexpr int TextWithoutId = 18;
    const wchar_t *const DefaultPictureOrigin = L"https://profile.line-scdn.net";
    const wchar_t *const GroupCallEndedText = L"Group call ended.";

    bool isUnreserved(unsigned char c)
    {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
               c == '_' || c == '~';
    }

    // A whole decimal integer that fits in 64 bits; anything else is no number.
    std::optional<int64_t> parseInteger(const std::wstring &text)
    {
        const std::string narrow = WideToUtf8(text);
        int64_t value = 0;
        const char *end = narrow.data() + narrow.size();
        const auto [last, error] = std::from_chars(narrow.data(), end, value);
        if (narrow.empty() || error != std::errc() || last != end)
            return std::nullopt;
        return value;
    }

    // Key and value strings of the metadata: the values stand half the list
    // after their keys.
    class MetadataPairs
    {
    public:
        explicit MetadataPairs(const std::vector<std::wstring> &strings) : m_strings(strings) {}

        std::optional<std::wstring> value(const std::wstring &key) const
        {
            const size_t half = m_strings.size() / 2;
            for (size_t i = 0; i < m_strings.size(); ++i) {
                if (m_strings[i] != key || m_strings[i] == L"$null")
                    continue;
                if (i + half < m_strings.size())
                    return m_strings[i + half];
                return std::nullopt;
            }
            return std::nullopt;
        }

    private:
        const std::vector<std::wstring> &m_strings;
    };

    std::vector<std::wstring> metadataOf(sqlite3_stmt *row, int column)
    {
        return CDBScanLINE::MetadataStrings(sqlite3_column_blob(row, column), sqlite3_column_bytes(row, column));
    }

    void readCall(const std::vector<std::wstring> &strings, STLineMessage &record)
    {
        if (record.isGroupChat) {
            // A group call's strings are events in order, not pairs.
            for (const std::wstring &item : strings) {
                if (item == L"GroupCallEnded") {
                    record.text = GroupCallEndedText;
                    record.contentType = TextWithoutId;
                    break;
                }
                if (item == L"VIDEO")
                    record.isVideoCall = 1;
                else if (item == L"AUDIO")
                    record.isVideoCall = 0;
            }
            return;
        }
        const MetadataPairs pairs(strings);
        if (const auto duration = pairs.value(L"DURATION")) {
            if (const auto seconds = parseInteger(*duration))
                record.latitudeOrDuration = double(*seconds);
        }
        if (const auto result = pairs.value(L"RESULT"))
            record.callResult = *result;
        if (const auto type = pairs.value(L"TYPE"))
            record.isVideoCall = *type == L"V" ? 1 : 0;
    }

    void readContact(const std::vector<std::wstring> &strings, STLineMessage &record)
    {
        const MetadataPairs pairs(strings);
        if (const auto mid = pairs.value(L"mid"))
            record.metaMid = *mid;
        if (const auto name = pairs.value(L"displayName"))
            record.metaDisplayName = *name;
    }

    void readSharedFile(const std::vector<std::wstring> &strings, STLineMessage &record)
    {
        const MetadataPairs pairs(strings);
        if (const auto name = pairs.value(L"FILE_NAME"))
            record.attachmentName = *name;
        if (const auto size = pairs.value(L"FILE_SIZE")) {
            if (const auto bytes = parseInteger(*size))
                record.fileSize = *bytes;
        }
    }
}

void CDBScanLINE::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex)
{
    switch (queryIndex) {
    case GroupQuery: ProcessGroup(row, user, callback, queryIndex); break;
    case GroupMemberQuery: ProcessGroupMember(row, user, callback, queryIndex); break;
    case UserQuery: ProcessUser(row, user, callback, queryIndex); break;
    case ChatQuery: ProcessChat(row, user, callback, queryIndex); break;
    case MessageQuery: ProcessMessage(row, user, callback, queryIndex); break;
    default: break;
    }
}

void CDBScanLINE::ProcessGroup(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex)
{
    STLineGroup record;
    record.id = TextColumn(row, 0);
    record.name = TextColumn(row, 1);
    record.pictureFile = DownloadPicture(TextColumn(row, 2), record.id);
    if (!record.id.empty())
        m_groupIds.insert(record.id);
    Deliver(callback, DBAPP_LINE, queryIndex, &record, user);
}

void CDBScanLINE::ProcessGroupMember(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex)
{
    STLineGroupMember record;
    record.groupId = TextColumn(row, 0);
    record.memberMid = TextColumn(row, 1);
    Deliver(callback, DBAPP_LINE, queryIndex, &record, user);
}

void CDBScanLINE::ProcessUser(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex)
{
    STLineUser record;
    record.mid = TextColumn(row, 0);
    record.name = TextColumn(row, 1);
    record.statusMessage = TextColumn(row, 2);
    record.pictureFile = DownloadPicture(TextColumn(row, 3), record.mid);
    record.createdTime = Int64Column(row, 4);
    Deliver(callback, DBAPP_LINE, queryIndex, &record, user);
}

void CDBScanLINE::ProcessChat(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex)
{
    STLineChat record;
    record.chatPk = IntColumn(row, 0);
    record.mid = TextColumn(row, 1);
    record.type = IntColumn(row, 2);
    Deliver(callback, DBAPP_LINE, queryIndex, &record, user);
}

void CDBScanLINE::ProcessMessage(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex)
{
    STLineMessage record;
    record.contentType = IntColumn(row, 0);
    record.chat = IntColumn(row, 1);
    record.sendStatus = IntColumn(row, 2);
    record.timestamp = Int64Column(row, 3);
    record.id = TextColumn(row, 4);
    record.text = TextColumn(row, 5);
    record.latitudeOrDuration = DoubleColumn(row, 6);
    record.longitude = DoubleColumn(row, 7);
    record.senderMid = TextColumn(row, 8);
    record.isGroupChat = m_groupIds.count(TextColumn(row, 10)) ? 1 : 0;

    switch (record.contentType) {
    case 0:
        if (record.id.empty())
            record.contentType = TextWithoutId;
        break;
    case 1:
    case 7:
    case 96:
    case 112: FindMediaFiles(record, L".jpeg", true); break;
    case 2: FindMediaFiles(record, L".mov", true); break;
    case 3: FindMediaFiles(record, L".mp4", false); break;
    case 6: readCall(metadataOf(row, 9), record); break;
    case 13: readContact(metadataOf(row, 9), record); break;
    case 14:
        readSharedFile(metadataOf(row, 9), record);
        FindSharedFile(record);
        break;
    case 18:
    case 100:
    case 107: break;
    default: return; // kinds the program does not show
    }
    Deliver(callback, DBAPP_LINE, queryIndex, &record, user);
}

void CDBScanLINE::FindMediaFiles(STLineMessage &record, const wchar_t *missingExtension, bool withThumbnail)
{
    const DBMediaManager &media = DBMediaManager::Instance();
    const std::wstring backupDir = media.GetBackupDir();
    std::wstring name = record.id;
    const std::wstring fileID = media.FindFileWithExtension(name, false);
    record.attachmentFile = DBMediaManager::FileIdPath(backupDir, fileID);
    record.attachmentName = fileID.empty() ? record.id + missingExtension : name;
    if (!withThumbnail)
        return;
    std::wstring thumbnailName = record.id;
    record.thumbnailFile = DBMediaManager::FileIdPath(backupDir, media.FindFileWithExtension(thumbnailName, true));
}

// A shared file by its whole name first, then by its message id within the
// app's own files.
void CDBScanLINE::FindSharedFile(STLineMessage &record)
{
    record.attachmentFile.clear();
    if (record.attachmentName.empty() || record.id.empty())
        return;
    const DBMediaManager &media = DBMediaManager::Instance();
    // A whole file name: "1.pdf" is never another chat's "report_1.pdf" or "1.pdf.preview.png".
    const std::wstring &name = record.attachmentName;
    std::wstring fileID = media.FindFileIdByFileName(name.front() == L'/' ? name.substr(1) : name);
    if (fileID.empty())
        fileID = media.FindFileIdByDomainAndPath(L"Line", record.id);
    record.attachmentFile = DBMediaManager::FileIdPath(media.GetBackupDir(), fileID);
}

std::wstring CDBScanLINE::DownloadPicture(const std::wstring &storedPath, const std::wstring &id)
{
    if (storedPath.empty() || m_picturesOff)
        return {};
    if (!m_originRead) {
        m_pictureOrigin = PictureOrigin();
        m_originRead = true;
    }
    const std::wstring url = PictureUrl(m_pictureOrigin, storedPath);
    if (url.empty())
        return {};
    bool noAnswer = false;
    std::wstring file = DBMediaManager::Instance().DownloadPicture(url, id, &noAnswer);
    if (file.empty() && noAnswer) {
        m_picturesOff = true;
        VARDEX_LOG("The picture server does not answer: no more pictures are downloaded in this scan");
    }
    return file;
}

std::wstring CDBScanLINE::PictureOrigin()
{
    const char *setting = std::getenv("QUENROW_LINE_PICTURE_URL");
    std::wstring origin = setting && *setting ? Utf8ToWide(setting) : std::wstring(DefaultPictureOrigin);
    while (!origin.empty() && origin.back() == L'/')
        origin.pop_back();
    return origin;
}

std::wstring CDBScanLINE::PictureUrl(const std::wstring &origin, const std::wstring &storedPath)
{
    std::string path = WideToUtf8(storedPath);
    if (path.empty())
        return {};
    if (path.front() != '/')
        path.insert(path.begin(), '/');
    static const char Hex[] = "0123456789ABCDEF";
    std::string encoded = "/";
    size_t segmentStart = 1;
    for (size_t i = 1; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') {
            const std::string_view segment(path.data() + segmentStart, i - segmentStart);
            if (segment == "." || segment == "..")
                return {};
            segmentStart = i + 1;
            if (i == path.size())
                break;
        }
        const auto c = static_cast<unsigned char>(path[i]);
        if (c == '/' || isUnreserved(c)) {
            encoded += char(c);
        } else {
            encoded += '%';
            encoded += Hex[c >> 4];
            encoded += Hex[c & 0xF];
        }
    }
    return origin + Utf8ToWide(encoded);
}

std::vector<std::wstring> CDBScanLINE::MetadataStrings(const void *blob, int size)
{
    std::vector<std::wstring> strings;
    if (!blob || size <= 0 || !PlistGuard::acceptable(static_cast<const char *>(blob), size_t(size)))
        return strings;
    plist_t root = nullptr;
    plist_from_bin(static_cast<const char *>(blob), uint32_t(size), &root);
    const std::unique_ptr<void, void (*)(plist_t)> owned(root, plist_free);
    if (!root || plist_get_node_type(root) != PLIST_DICT)
        return strings;
    plist_t objects = plist_dict_get_item(root, "$objects");
    if (!objects || plist_get_node_type(objects) != PLIST_ARRAY)
        return strings;
    const uint32_t count = plist_array_get_size(objects);
    for (uint32_t i = 0; i < count; ++i) {
        plist_t item = plist_array_get_item(objects, i);
        if (!item || plist_get_node_type(item) != PLIST_STRING)
            continue;
        uint64_t length = 0;
        const char *text = plist_get_string_ptr(item, &length);
        strings.push_back(text ? Utf8ToWide(text, size_t(length)) : std::wstring());
    }
    return strings;
}
