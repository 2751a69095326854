#include "dbscanwhatsapp.h"

#include "dbconnector.h"
#include "dbmediamanager.h"
#include "dbrecords.h"
#include "enginelog.h"
#include "engineutil.h"

#include <cjson/cJSON.h>
#include <sqlite3.h>

#include <algorithm>

namespace
{
    enum WhatsAppRecord
    {
        PushName = 0,
        GroupMember = 1,
        Session = 2,
        Message = 3
    };

    // Columns of the message query; the quote lookup has the same up to SessionName.
    enum MessageColumn
    {
        Pk = 0,
        MessageType = 1,
        GroupEventType = 2,
        IsFromMe = 3,
        MessageStatus = 4,
        Starred = 5,
        ChatSession = 6,
        GroupMemberPk = 7,
        MediaItem = 8,
        MessageDate = 9,
        FromJid = 10,
        MediaSectionId = 11,
        Text = 12,
        ToJid = 13,
        MemberJid = 14,
        MemberPushName = 15,
        SessionName = 16,
        TextPushName = 17
    };

    const wchar_t *const ChatStorageId = L"7c7fba66680ef796b916b067077cc246adacf01d";
    const wchar_t *const MediaDomain = L"AppDomainGroup-group.net.whatsapp.WhatsApp.shared";
    constexpr int64_t AppleEpochOffset = 978307200; // 2001-01-01 in seconds since 1970
    constexpr int DroppedEventType = 9;
    constexpr int ContactCardType = 4;
    constexpr int LocationType = 5;
    constexpr int MetadataMinimum = 32; // a blob must be longer than this to name a quote
    constexpr int MaxStanzaIdLength = 40;

    const char *const MediaSql =
        "select ZFILESIZE,ZMOVIEDURATION,ZLATITUDE,ZLONGITUDE,ZAUTHORNAME,ZMEDIALOCALPATH,ZXMPPTHUMBPATH,ZTITLE,"
        "ZVCARDSTRING,ZVCARDNAME from ZWAMEDIAITEM,ZWAMESSAGE where ZWAMESSAGE.ZMEDIAITEM = ZWAMEDIAITEM.Z_PK and "
        "ZWAMESSAGE.Z_PK = ?";
    const char *const MetadataSql = "select ZMETADATA from ZWAMEDIAITEM where Z_PK = ?";
    const char *const QuoteSql =
        "SELECT M.Z_PK, M.ZMESSAGETYPE, M.ZGROUPEVENTTYPE, M.ZISFROMME, M.ZMESSAGESTATUS, M.ZSTARRED, "
        "M.ZCHATSESSION, M.ZGROUPMEMBER, M.ZMEDIAITEM, M.ZMESSAGEDATE, M.ZFROMJID, M.ZMEDIASECTIONID, M.ZTEXT, "
        "M.ZTOJID, G.ZMEMBERJID AS sender, C.ZPUSHNAME AS displayname, S.ZPARTNERNAME AS sessionname FROM ZWAMESSAGE "
        "AS M LEFT JOIN ZWAGROUPMEMBER AS G ON M.ZGROUPMEMBER = G.Z_PK LEFT JOIN ZWAPROFILEPUSHNAME AS C ON "
        "G.ZMEMBERJID = C.ZJID LEFT JOIN ZWACHATSESSION AS S ON S.Z_PK = M.ZCHATSESSION WHERE M.ZSTANZAID = ?";
    const char *const PreviousSubjectSql =
        "select ZTEXT from ZWAMESSAGE where ZCHATSESSION = ? and Z_PK < ? and ZMESSAGETYPE = 6 and "
        "ZGROUPEVENTTYPE in (12, 1) order by ZMESSAGEDATE desc limit 1";
    const char *const SessionNameSql = "select ZPARTNERNAME from ZWACHATSESSION WHERE ZCONTACTJID = ?";
    const char *const PushNameSql = "select * from ZWAPROFILEPUSHNAME WHERE ZJID = ?";

    // The quote lookup has fewer columns than the message query: a column
    // it lacks reads as empty.
    std::wstring textAt(sqlite3_stmt *row, int column)
    {
        if (column >= sqlite3_column_count(row))
            return {};
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(row, column));
        if (!text)
            return {};
        return Utf8ToWide(text, size_t(sqlite3_column_bytes(row, column)));
    }

    std::string bytesAt(sqlite3_stmt *row, int column)
    {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(row, column));
        return text ? std::string(text, size_t(sqlite3_column_bytes(row, column))) : std::string();
    }

    // A JID up to its first '@'.
    std::wstring numberOf(const std::wstring &jid)
    {
        return jid.substr(0, jid.find(L'@'));
    }

    // The part after the last '/', nothing when there is none.
    std::wstring fileNameOf(const std::wstring &path)
    {
        const size_t slash = path.rfind(L'/');
        return slash == std::wstring::npos ? std::wstring() : path.substr(slash + 1);
    }

    std::wstring quotedText(const std::wstring &text)
    {
        return L"\"" + text + L"\"";
    }

    std::wstring groupSubject(const std::wstring &text, const std::wstring &sessionName)
    {
        std::wstring subject;
        if (cJSON *json = cJSON_Parse(WideToUtf8(text).c_str())) {
            const cJSON *item = cJSON_GetObjectItemCaseSensitive(json, "subject");
            if (cJSON_IsString(item) && item->valuestring && *item->valuestring)
                subject = Utf8ToWide(item->valuestring);
            cJSON_Delete(json);
        }
        if (subject.empty())
            subject = text.empty() ? sessionName : text;
        return subject;
    }

    // The backup path of a WhatsApp media file, when it is there.
    std::wstring mediaPath(const std::wstring &localPath)
    {
        if (localPath.empty())
            return {};
        const std::wstring id = DBMediaManager::FileIdOf(MediaDomain, L"Message/" + localPath);
        const std::wstring path = DBMediaManager::FileIdPath(DBMediaManager::Instance().GetBackupDir(), id);
        return !path.empty() && DBMediaManager::FileExists(path) ? path : std::wstring();
    }
}

// A statement prepared once and reset, with its bindings cleared, after each use.
class CDBScanWhatsApp::Statement
{
public:
    Statement(sqlite3 *db, const char *sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK) {
            VARDEX_LOG("whatsapp prepare failed: %s, sql: %s", sqlite3_errmsg(db), sql);
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    Statement &bind(int index, int64_t value)
    {
        if (m_stmt)
            sqlite3_bind_int64(m_stmt, index, value);
        return *this;
    }
    Statement &bind(int index, const std::string &text)
    {
        if (m_stmt)
            sqlite3_bind_text(m_stmt, index, text.data(), int(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    // True on a row; a failure counts as no row.
    bool step() { return m_stmt && sqlite3_step(m_stmt) == SQLITE_ROW; }
    void reset()
    {
        if (!m_stmt)
            return;
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    sqlite3_stmt *get() const { return m_stmt; }

private:
    sqlite3_stmt *m_stmt = nullptr;
};

namespace
{
    // Resets a statement when the scope that used it ends.
    template <typename T> struct ResetOnExit
    {
        T &statement;
        ~ResetOnExit() { statement.reset(); }
    };
}

CDBScanWhatsApp::CDBScanWhatsApp() = default;

CDBScanWhatsApp::~CDBScanWhatsApp()
{
    m_media.reset();
    m_metadata.reset();
    m_quotes.clear();
    m_previousSubject.reset();
    m_sessionName.reset();
    m_pushName.reset();
    sqlite3_close_v2(m_db);
}

std::wstring CDBScanWhatsApp::ChatDatabasePath() const
{
    return DBMediaManager::FileIdPath(DBMediaManager::Instance().GetBackupDir(), ChatStorageId);
}

sqlite3 *CDBScanWhatsApp::ChatDatabase()
{
    if (m_openTried)
        return m_db;
    m_openTried = true;
    const std::wstring path = ChatDatabasePath();
    if (path.empty() || OpenBackupDatabase(path, &m_db) != SQLITE_OK)
        return m_db = nullptr;
    m_busyWait = BusyWait {StopFlag(), StopFlag() ? -1 : 30000};
    WaitWhileBusy(m_db, &m_busyWait);
    m_media = std::make_unique<Statement>(m_db, MediaSql);
    m_metadata = std::make_unique<Statement>(m_db, MetadataSql);
    m_previousSubject = std::make_unique<Statement>(m_db, PreviousSubjectSql);
    m_sessionName = std::make_unique<Statement>(m_db, SessionNameSql);
    m_pushName = std::make_unique<Statement>(m_db, PushNameSql);
    return m_db;
}

void CDBScanWhatsApp::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex)
{
    switch (queryIndex) {
    case PushName: ProcessPushName(row, user, callback); break;
    case GroupMember: ProcessGroupMember(row, user, callback); break;
    case Session: ProcessSession(row, user, callback); break;
    case Message: ProcessMessage(row, user, callback); break;
    default: break;
    }
}

void CDBScanWhatsApp::ProcessPushName(sqlite3_stmt *row, void *user, DBExecutorCallback callback)
{
    STWhatsAppPushName record;
    record.jid = TextColumn(row, 3);
    record.number = numberOf(record.jid);
    record.pushName = TextColumn(row, 4);
    Deliver(callback, DBAPP_WHATSAPP, PushName, &record, user);
}

void CDBScanWhatsApp::ProcessGroupMember(sqlite3_stmt *row, void *user, DBExecutorCallback callback)
{
    STWhatsAppGroupMember record;
    record.groupJid = TextColumn(row, 0);
    record.memberJid = TextColumn(row, 1);
    Deliver(callback, DBAPP_WHATSAPP, GroupMember, &record, user);
}

void CDBScanWhatsApp::ProcessSession(sqlite3_stmt *row, void *user, DBExecutorCallback callback)
{
    STWhatsAppSession record;
    record.sessionId = IntColumn(row, 0);
    record.isGroup = IntColumn(row, 1);
    record.hidden = IntColumn(row, 2);
    record.archived = IntColumn(row, 3);
    record.contactJid = TextColumn(row, 5);
    record.partnerName = TextColumn(row, 4);
    Deliver(callback, DBAPP_WHATSAPP, Session, &record, user);
}

void CDBScanWhatsApp::ProcessMessage(sqlite3_stmt *row, void *user, DBExecutorCallback callback)
{
    // The message and its quote chain go as soon as the callback returns.
    const std::unique_ptr<STWhatsAppMessage> message = BuildMessage(row);
    if (message)
        Deliver(callback, DBAPP_WHATSAPP, Message, message.get(), user);
}

std::unique_ptr<STWhatsAppMessage> CDBScanWhatsApp::BuildMessage(sqlite3_stmt *row)
{
    std::vector<int32_t> chain;
    return BuildMessage(row, chain);
}

std::unique_ptr<STWhatsAppMessage> CDBScanWhatsApp::BuildMessage(sqlite3_stmt *row, std::vector<int32_t> &chain)
{
    if (IntColumn(row, GroupEventType) == DroppedEventType)
        return nullptr;
    auto message = std::make_unique<STWhatsAppMessage>();
    message->pk = IntColumn(row, Pk);
    message->messageType = IntColumn(row, MessageType);
    message->groupEventType = IntColumn(row, GroupEventType);
    message->isFromMe = IntColumn(row, IsFromMe);
    message->messageStatus = IntColumn(row, MessageStatus);
    message->starred = IntColumn(row, Starred);
    message->chatSession = IntColumn(row, ChatSession);
    message->groupMember = IntColumn(row, GroupMemberPk);
    const int32_t mediaItem = IntColumn(row, MediaItem);
    message->date = (Int64Column(row, MessageDate) + AppleEpochOffset) * 1000;
    message->mediaSectionId = TextColumn(row, MediaSectionId);
    message->text = TextColumn(row, Text);
    message->sessionName = TextColumn(row, SessionName);

    const std::wstring memberJid = TextColumn(row, MemberJid);
    const std::wstring toJid = TextColumn(row, ToJid);
    message->peerJid = !memberJid.empty() ? memberJid : !toJid.empty() ? toJid : TextColumn(row, FromJid);

    // A NULL ZMEDIAITEM joins no media item: the lookup would find no row.
    if (sqlite3_column_type(row, MediaItem) != SQLITE_NULL)
        GetMediaInfomation(message.get());
    message->isSystemText = 0;
    if (message->messageType == 6 || message->messageType == 10)
        GetIOSSystemInforText(row, message.get());
    message->reserved = 0;

    if (mediaItem != 0) {
        chain.push_back(message->pk);
        FindQuote(*message, mediaItem, chain);
        chain.pop_back();
    }
    message->hasQuote = message->quoted ? 1 : 0;
    if (message->quoted) {
        message->quoted->isFromMe = message->isFromMe;
        message->quoted->date = message->date - 1;
    }
    return message;
}

std::string CDBScanWhatsApp::QuotedStanzaId(int32_t mediaItem)
{
    if (!ChatDatabase())
        return {};
    ResetOnExit<Statement> reset {*m_metadata};
    if (!m_metadata->bind(1, mediaItem).step())
        return {};
    const auto *blob = static_cast<const unsigned char *>(sqlite3_column_blob(m_metadata->get(), 0));
    const size_t size = size_t(sqlite3_column_bytes(m_metadata->get(), 0));
    if (!blob || size <= size_t(MetadataMinimum))
        return {};
    // The id follows the first '*' of the blob's text part, after one length byte.
    const unsigned char *textEnd = std::find(blob, blob + size, '\0');
    const unsigned char *star = std::find(blob, textEnd, '*');
    if (star == textEnd || star + 1 >= blob + size)
        return {};
    const size_t length = star[1];
    const unsigned char *id = star + 2;
    if (length == 0 || length > size_t(MaxStanzaIdLength) || length > size_t(blob + size - id))
        return {};
    return std::string(reinterpret_cast<const char *>(id), length);
}

void CDBScanWhatsApp::FindQuote(STWhatsAppMessage &message, int32_t mediaItem, std::vector<int32_t> &chain)
{
    // chain holds this message and those that quote it.
    const size_t depth = chain.size() - 1;
    if (depth >= size_t(MaxQuoteDepth))
        return;
    const std::string stanzaId = QuotedStanzaId(mediaItem);
    if (stanzaId.empty())
        return;
    while (m_quotes.size() <= depth)
        m_quotes.push_back(std::make_unique<Statement>(m_db, QuoteSql));
    Statement &quote = *m_quotes[depth];
    ResetOnExit<Statement> reset {quote};
    if (!quote.bind(1, stanzaId).step())
        return;
    const int32_t quotedPk = IntColumn(quote.get(), Pk);
    if (std::find(chain.begin(), chain.end(), quotedPk) != chain.end())
        return; // a message met again in its own chain ends it
    message.quoted = BuildMessage(quote.get(), chain).release();
}

void CDBScanWhatsApp::GetMediaInfomation(STWhatsAppMessage *message)
{
    if (!message) {
        VARDEX_LOG("[GetMediaInfomation] STWhatsAppMessage is nullptr");
        return;
    }
    message->fileSize = 0;
    if (!ChatDatabase()) {
        if (!m_mediaOpenLogged)
            VARDEX_LOG("[GetMediaInfomation] whatsapp sqlite open failed, dbpath: %s",
                       WideToUtf8(ChatDatabasePath()).c_str());
        m_mediaOpenLogged = true;
        return;
    }
    ResetOnExit<Statement> reset {*m_media};
    if (!m_media->bind(1, message->pk).step())
        return;
    sqlite3_stmt *row = m_media->get();
    message->fileSize = Int64Column(row, 0);
    message->movieDuration = IntColumn(row, 1);
    message->latitude = float(DoubleColumn(row, 2));
    message->longitude = float(DoubleColumn(row, 3));
    message->title = TextColumn(row, 4);

    const std::wstring localPath = TextColumn(row, 5);
    message->mediaFile = mediaPath(localPath);
    if (message->title.empty())
        message->title = fileNameOf(localPath);
    message->thumbnailFile = mediaPath(TextColumn(row, 6));
    message->mediaTitle = TextColumn(row, 7);

    if (message->messageType == ContactCardType) {
        const std::string vcard = bytesAt(row, 8);
        if (!vcard.empty()) {
            message->title = FormatW(L"%d.vcf", message->pk);
            message->mediaFile = WriteContactCard(message->pk, vcard);
            message->text.clear();
        }
    }
    if (message->messageType == LocationType)
        message->mediaTitle = TextColumn(row, 9);
}

std::wstring CDBScanWhatsApp::WriteContactCard(int32_t pk, const std::string &vcard)
{
    const std::wstring outputDir = DBMediaManager::Instance().GetOutputDir();
    // Without an output folder the card would land in the file system's root.
    if (outputDir.empty())
        return {};
    const std::wstring folder = outputDir + L"/WhatsAppMedia";
    const std::wstring path = folder + L"/" + FormatW(L"%d.vcf", pk);
    if (MakeFolders(folder) && WriteWholeFile(path, vcard.data(), vcard.size()))
        return path;
    VARDEX_LOGW(L"[GetMediaInfomation] write vcard failed, path: %ls", path.c_str());
    return {};
}

int CDBScanWhatsApp::GetIOSSystemInforText(sqlite3_stmt *row, STWhatsAppMessage *message)
{
    if (!message) {
        VARDEX_LOG("[GetIOSSystemInforText] STWhatsAppMessage is nullptr");
        return -1;
    }
    const std::wstring memberJid = textAt(row, MemberJid);
    std::wstring actor = L"You";
    if (message->groupMember > 0 && !memberJid.empty()) {
        actor = textAt(row, MemberPushName);
        if (actor.empty())
            actor = numberOf(memberJid);
    }
    const std::wstring &text = message->text;
    std::wstring object;
    if (!text.empty()) {
        object = textAt(row, TextPushName);
        if (object.empty())
            object = L"somebody";
    }

    std::wstring sentence;
    switch (message->groupEventType) {
    case 1:
        sentence = actor + L" change the subject " + quotedText(PreviousSubject(*message)) + L" to " +
                   quotedText(text);
        break;
    case 2: sentence = object.empty() ? actor + L" was added " : object + L" added " + actor; break;
    case 3: sentence = actor + L" left"; break;
    case 4: sentence = actor + L" changed this group's icon"; break;
    case 7: sentence = object + L" removed " + actor; break;
    case 8: sentence = actor + L" create a broadcast list whith " + text + L" recipients"; break;
    case 10: sentence = actor + L" became an admin"; break;
    case 11: sentence = actor + L" became an non-admin"; break;
    case 12: sentence = actor + L" created group " + quotedText(groupSubject(text, message->sessionName)); break;
    case 15: sentence = actor + L" joined using this group's invite link"; break;
    case 17: sentence = actor + L" changed the group description to " + quotedText(text); break;
    case 18:
        sentence = actor + L" changed this group's settings to allow only admins to edit this groups's info";
        break;
    case 19:
        sentence = actor + L" changed this group's settings to allow all participants to edit this group's info";
        break;
    case 20:
        sentence = actor + L" changed this group's settings to allow only admins to send messages to this group";
        break;
    case 21:
        sentence =
            actor + L" changed this group's settings to allow all participants to send messages to this group";
        break;
    case 26:
        sentence = text.empty() ? actor + L" turned off disappearing messages"
                                : actor + L" turned on disappearing messages. All new messages will disappear "
                                          L"from this chat 24 hours after they're sent";
        break;
    case 40: sentence = actor + L" started a call"; break;
    case 41: sentence = actor + L" started a video call"; break;
    case 50: sentence = AddedMembersSentence(text); break;
    default: return -1;
    }
    message->text = sentence;
    message->isSystemText = 1;
    return 0;
}

std::wstring CDBScanWhatsApp::PreviousSubject(const STWhatsAppMessage &message)
{
    if (!ChatDatabase()) {
        if (!m_eventOpenLogged)
            VARDEX_LOG("[GetIOSSystemInforText] db open failed , path: %s", WideToUtf8(ChatDatabasePath()).c_str());
        m_eventOpenLogged = true;
        return {};
    }
    ResetOnExit<Statement> reset {*m_previousSubject};
    if (!m_previousSubject->bind(1, message.chatSession).bind(2, message.pk).step())
        return {};
    return TextColumn(m_previousSubject->get(), 0);
}

std::wstring CDBScanWhatsApp::AddedMembersSentence(const std::wstring &text)
{
    const size_t semicolon = text.find(L';');
    const std::wstring nobody = L"somebody was added ";
    if (semicolon == std::wstring::npos)
        return nobody;
    std::vector<std::wstring> members;
    const std::wstring list = text.substr(semicolon + 1);
    for (size_t start = 0; start <= list.size();) {
        const size_t comma = std::min(list.find(L',', start), list.size());
        if (comma > start)
            members.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    if (members.empty())
        return nobody;
    if (!ChatDatabase()) {
        if (!m_eventOpenLogged)
            VARDEX_LOG("[GetIOSSystemInforText] db open failed , path: %s", WideToUtf8(ChatDatabasePath()).c_str());
        m_eventOpenLogged = true;
        return nobody;
    }

    const std::wstring adder = text.substr(0, semicolon);
    std::wstring sentence;
    {
        ResetOnExit<Statement> reset {*m_sessionName};
        if (m_sessionName->bind(1, WideToUtf8(adder)).step()) {
            sentence = TextColumn(m_sessionName->get(), 0) + L" added ";
        } else {
            const std::wstring number = numberOf(adder);
            const std::wstring owner = DBMediaManager::Instance().CachedWhatsAppOwner();
            sentence = !owner.empty() && number == owner ? L"You added " : number + L" added ";
        }
    }
    for (size_t i = 0; i < members.size(); ++i) {
        if (i > 0)
            sentence += i + 1 == members.size() ? L" and " : L",";
        ResetOnExit<Statement> reset {*m_pushName};
        if (m_pushName->bind(1, WideToUtf8(members[i])).step())
            sentence += TextColumn(m_pushName->get(), 4);
        else
            sentence += numberOf(members[i]);
    }
    return sentence;
}
