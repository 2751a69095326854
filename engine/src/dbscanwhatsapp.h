#pragma once

#include "dbconnector.h"
#include "idbprocessor.h"

#include <memory>
#include <string>
#include <vector>

struct sqlite3;
struct STWhatsAppMessage;

// Turns the rows of the WhatsApp chats queries into records. Messages are
// enriched from the chat database itself (media items, the quoted message,
// group-event sentences) over one connection of its own, opened on first
// use and kept, with its prepared statements, for the whole scan.
class CDBScanWhatsApp : public IDBProcessor
{
public:
    CDBScanWhatsApp();
    ~CDBScanWhatsApp() override;

    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;

    // A new message from a row of the message query (or of the quote
    // lookup), with its quote chain; null for a row that is not shown.
    std::unique_ptr<STWhatsAppMessage> BuildMessage(sqlite3_stmt *row);
    void GetMediaInfomation(STWhatsAppMessage *message);
    // 0 when the message's text became an event sentence, -1 otherwise.
    int GetIOSSystemInforText(sqlite3_stmt *row, STWhatsAppMessage *message);

    // Levels of quoted messages followed below a message.
    static constexpr int MaxQuoteDepth = 8;

private:
    class Statement;

    void ProcessPushName(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    void ProcessGroupMember(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    void ProcessSession(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    void ProcessMessage(sqlite3_stmt *row, void *user, DBExecutorCallback callback);

    std::unique_ptr<STWhatsAppMessage> BuildMessage(sqlite3_stmt *row, std::vector<int32_t> &chain);
    void FindQuote(STWhatsAppMessage &message, int32_t mediaItem, std::vector<int32_t> &chain);
    std::string QuotedStanzaId(int32_t mediaItem);
    std::wstring PreviousSubject(const STWhatsAppMessage &message);
    std::wstring AddedMembersSentence(const std::wstring &text);
    std::wstring WriteContactCard(int32_t pk, const std::string &vcard);

    sqlite3 *ChatDatabase();
    std::wstring ChatDatabasePath() const;

    sqlite3 *m_db = nullptr;
    BusyWait m_busyWait; // as long as m_db: a locked chat database is waited for like the scan's reads
    bool m_openTried = false;
    bool m_mediaOpenLogged = false;
    bool m_eventOpenLogged = false;
    std::unique_ptr<Statement> m_media;
    std::unique_ptr<Statement> m_metadata;
    std::vector<std::unique_ptr<Statement>> m_quotes; // one per level: the levels are stepped nested
    std::unique_ptr<Statement> m_previousSubject;
    std::unique_ptr<Statement> m_sessionName;
    std::unique_ptr<Statement> m_pushName;
};
