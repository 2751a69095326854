#include "attributedbody.h"
#include "backupbuilder.h"
#include "dbrecords.h"
#include "dbscansms.h"
#include "iosschemas.h"
#include "recordjson.h"
#include "scanrecorder.h"
#include "sqlliteral.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

using namespace testsupport;

namespace
{
    const std::string Attachments = "Library/SMS/Attachments/";
    const int64_t Date1 = 700000000123456789; // nanoseconds since 2001, far beyond 2^32
    const int64_t Date2 = 700000100000000001;
    const int64_t AttachmentDate = 4294967297; // 2^32 + 1

    // Handles, a one-to-one chat, a group chat and a filtered group chat.
    const std::string People =
        "INSERT INTO handle (ROWID, id, country, service, uncanonicalized_id) VALUES"
        " (1, '+15551230001', 'us', 'iMessage', '5551230001'),"
        " (2, 'bob@example.com', 'us', 'iMessage', NULL),"
        " (3, '+4930123456', 'de', 'SMS', '030123456');"
        "INSERT INTO chat (ROWID, guid, style, chat_identifier, service_name, room_name, is_filtered,"
        " successful_query) VALUES"
        " (1, 'iMessage;-;+15551230001', 45, '+15551230001', 'iMessage', NULL, 0, 1),"
        " (2, 'iMessage;+;chat900', 43, 'chat900', 'iMessage', 'chat900', 0, 1),"
        " (3, 'SMS;+;chat901', 43, 'chat901', 'SMS', 'chat901', 1, 0);"
        "INSERT INTO chat_handle_join VALUES (1, 1), (2, 1), (2, 2), (3, 3);";

    const std::string Messages =
        "INSERT INTO message (ROWID, guid, text, handle_id, subject, service, date, is_from_me, is_forward,"
        " error, cache_roomnames) VALUES"
        " (1, 'm1', 'Hello there \xF0\x9F\x91\x8B', 1, 'Greeting', 'iMessage', 700000000123456789, 0, 0, 0, NULL),"
        " (2, 'm2', 'See you at 6', 1, NULL, 'iMessage', 700000100000000001, 1, 0, 0, NULL),"
        " (3, 'm3', 'a\uFFFCb', 2, NULL, 'iMessage', 3, 0, 0, 0, 'chat900'),"
        " (4, 'm4', '\uFFFC\uFFFC', 2, NULL, 'iMessage', 4, 0, 0, 0, 'chat900'),"
        " (5, 'm5', NULL, 0, NULL, 'SMS', 5, 1, 1, 4, NULL),"
        " (6, 'm6', 'Take a look', 3, NULL, 'SMS', 6, 0, 0, 0, NULL),"
        " (7, 'm7', 'Filtered group', 3, NULL, 'SMS', 7, 0, 0, 0, 'chat901'),"
        " (8, 'm8', 'From nowhere', 99, NULL, NULL, 8, 0, 0, 0, NULL),"
        " (9, 'm9', '', 1, NULL, 'iMessage', 9, 0, 0, 0, NULL);"
        "INSERT INTO attachment (ROWID, guid, created_date, filename, hide_attachment) VALUES"
        " (1, 'a1', 4294967297, '~/Library/SMS/Attachments/a1/01/IMG_0001.JPG', 0),"
        " (2, 'a2', 2, '/var/mobile/Library/SMS/Attachments/b2/02/Audio Message.caf', 0),"
        " (3, 'a3', 3, '~/Library/SMS/Attachments/c3/03/menu.pdf', 0),"
        " (4, 'a4', 4, '~/Library/SMS/Attachments/d4/04/Bob''s party.png', 0),"
        " (5, 'a5', 5, '~/Library/SMS/Attachments/e5/05/gone.mov', 0),"
        " (6, 'a6', 6, '~/Library/SMS/Attachments/f6/06/hidden.jpg', 1),"
        " (7, 'a7', 7, '~/Library/SMS/Attachments/g7/', 0),"
        " (8, 'a8', 8, '', 0);"
        "INSERT INTO message_attachment_join VALUES (4, 1), (5, 2), (6, 3), (6, 4), (6, 5), (6, 6), (6, 7), (6, 8);";

    const std::string Deleted = "INSERT INTO chat_recoverable_message_join (chat_id, message_id, delete_date)"
                                " VALUES (1, 2, 700000200000000000);";

    const std::string Jpeg = std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11) + "pixels";
    const std::string Caf = std::string("caff\0\x01\0\0", 8) + "audio";
    const std::string Pdf = "%PDF-1.4\n%menu\n";
    const std::string Png = std::string("\x89PNG\r\n\x1a\n\0\0", 10) + "party";

    // The messages table of older iOS, before attributedBody.
    std::string schemaWithoutBody()
    {
        std::string schema = SmsSchema;
        const std::string column = "attributedBody BLOB, ";
        const size_t at = schema.find(column);
        return at == std::string::npos ? schema : schema.erase(at, column.size());
    }

    // A backup holding the messages database and the attachment files it
    // names; the menu lies in another folder than the database says.
    std::string messagesBackup(const std::string &name, bool recoverable, bool bodyColumn = true)
    {
        BackupBuilder backup(freshFolder(name));
        std::string sql = (bodyColumn ? std::string(SmsSchema) : schemaWithoutBody()) + People + Messages;
        if (recoverable)
            sql += std::string(SmsRecoverableSchema) + Deleted;
        backup.addDatabase("HomeDomain", "Library/SMS/sms.db", sql);
        // Same name, other folder: only the exact path tells the two apart.
        backup.addFile("MediaDomain", Attachments + "00/00/Audio Message.caf", "another recording");
        backup.addFile("MediaDomain", Attachments + "a1/01/IMG_0001.JPG", Jpeg);
        backup.addFile("MediaDomain", Attachments + "b2/02/Audio Message.caf", Caf);
        backup.addFile("MediaDomain", Attachments + "zz/99/menu.pdf", Pdf);
        backup.addFile("MediaDomain", Attachments + "d4/04/Bob's party.png", Png);
        backup.addFile("MediaDomain", Attachments + "f6/06/hidden.jpg", Jpeg);
        backup.write();
        return backup.folder();
    }

    STSMS message(int32_t groupId, bool isGroup, const std::wstring &id, const std::wstring &uncanonicalized,
                  const std::wstring &country, const std::wstring &service, const std::wstring &text, int64_t date)
    {
        STSMS r;
        r.groupId = groupId;
        r.isGroup = isGroup;
        r.id = id;
        r.uncanonicalizedId = uncanonicalized;
        r.country = country;
        r.service = service;
        r.text = text;
        r.date = date;
        return r;
    }

    std::string line(int value, const std::string &record)
    {
        return "{\"status\":4,\"kind\":4,\"value\":" + std::to_string(value) + ",\"record\":" + record + "}";
    }

    std::string line(int value, const STSMS &r)
    {
        return line(value, RecordToJson(DBAPP_SMS, value, &r));
    }

    std::string line(const STSMSmember &r)
    {
        return line(2, RecordToJson(DBAPP_SMS, 2, &r));
    }

    std::vector<std::string> subType(const std::vector<std::string> &lines, int value)
    {
        std::vector<std::string> out;
        const std::string prefix = "{\"status\":4,\"kind\":4,\"value\":" + std::to_string(value) + ",";
        for (const auto &l : lines)
            if (l.rfind(prefix, 0) == 0)
                out.push_back(l);
        std::sort(out.begin(), out.end());
        return out;
    }

    std::vector<std::string> sorted(std::vector<std::string> lines)
    {
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    std::string copyOf(const std::string &out, const std::string &relativePath, const std::string &extension)
    {
        return out + "/" + fileIdOf("MediaDomain", Attachments + relativePath) + extension;
    }
}

// The JSON contract of a message record, field by field.
TEST(SmsScan, TextMessageRecordCarriesEveryField)
{
    const std::string backup = messagesBackup("sms-contract", true);
    const auto lines = scanEvents({backup, freshFolder("sms-contract-out"), DBAPP_SMS, DBMODE_BACKUP});
    const std::string first = "{\"isDeleted\":false,\"isGroup\":false,\"groupId\":0,\"isFromMe\":0,\"isForward\":0,"
                              "\"error\":0,\"date\":700000000123456789,\"id\":\"+15551230001\","
                              "\"uncanonicalizedId\":\"5551230001\",\"service\":\"iMessage\",\"subject\":\"Greeting\","
                              "\"text\":\"Hello there \xF0\x9F\x91\x8B\",\"country\":\"us\",\"attachmentFile\":\"\"}";
    EXPECT_NE(std::find(lines.begin(), lines.end(), line(0, first)), lines.end());
}

TEST(SmsScan, TextMessagesOfBothDatabaseVariants)
{
    for (bool recoverable : {true, false}) {
        SCOPED_TRACE(recoverable ? "with recently deleted" : "older iOS");
        const std::string backup = messagesBackup("sms-text", recoverable);
        const auto lines = scanEvents({backup, freshFolder("sms-text-out"), DBAPP_SMS, DBMODE_BACKUP});
        ASSERT_GE(lines.size(), 4u);
        EXPECT_EQ(lines[1], progressLine(3, DBAPP_SMS));
        EXPECT_EQ(lines[lines.size() - 2], progressLine(4, DBAPP_SMS));

        STSMS hello = message(0, false, L"+15551230001", L"5551230001", L"us", L"iMessage", L"Hello there \U0001F44B",
                              Date1);
        hello.subject = L"Greeting";
        STSMS later = message(0, false, L"+15551230001", L"5551230001", L"us", L"iMessage", L"See you at 6", Date2);
        later.isFromMe = 1;
        later.isDeleted = recoverable;
        // The object replacement character goes; a text of nothing else is no message.
        const STSMS group = message(2, true, L"bob@example.com", L"", L"us", L"iMessage", L"ab", 3);
        const STSMS look = message(0, false, L"+4930123456", L"030123456", L"de", L"SMS", L"Take a look", 6);
        // A filtered chat gives no group id, but the message is still a group's.
        const STSMS filtered = message(0, true, L"+4930123456", L"030123456", L"de", L"SMS", L"Filtered group", 7);
        const STSMS orphan = message(0, false, L"", L"", L"", L"", L"From nowhere", 8);
        EXPECT_EQ(subType(lines, 0), sorted({line(0, hello), line(0, later), line(0, group), line(0, look),
                                             line(0, filtered), line(0, orphan)}));
    }
}

// Newer phones leave the text column empty and keep the text in the
// archived attributedBody.
TEST(SmsScan, TextsKeptOnlyInTheArchivedBody)
{
    auto body = [](const std::string &text, AttributedBodyOptions options = {}) {
        return sqlBlob(attributedBody(text, options));
    };
    BackupBuilder backup(freshFolder("sms-body"));
    backup.addDatabase(
        "HomeDomain", "Library/SMS/sms.db",
        std::string(SmsSchema) + "INSERT INTO handle (ROWID, id, service) VALUES (1, '+15550100', 'iMessage');"
                                 "INSERT INTO message (ROWID, guid, text, attributedBody, handle_id, service, date) VALUES"
                                 " (1, 'b1', NULL, " + body("Only in the body \xF0\x9F\x98\x80") + ", 1, 'iMessage', 1),"
                                 " (2, 'b2', '', " + body("Empty text column") + ", 1, 'iMessage', 2),"
                                 " (3, 'b3', 'The text column', " + body("An older body") + ", 1, 'iMessage', 3),"
                                 " (4, 'b4', NULL, " + body("\xEF\xBF\xBC") + ", 1, 'iMessage', 4),"
                                 " (5, 'b5', NULL, " + body("\xEF\xBF\xBC" "Caption") + ", 1, 'iMessage', 5),"
                                 " (6, 'b6', NULL, " + body("Damaged", {9}) + ", 1, 'iMessage', 6),"
                                 " (7, 'b7', NULL, " + body("Edited", {{}, true}) + ", 1, 'iMessage', 7),"
                                 " (8, 'b8', NULL, NULL, 1, 'iMessage', 8);"
                                 "INSERT INTO attachment (ROWID, guid, created_date, filename, hide_attachment) VALUES"
                                 " (1, 'a1', 40, '~/Library/SMS/Attachments/aa/01/IMG_1.JPG', 0),"
                                 " (2, 'a2', 50, '~/Library/SMS/Attachments/bb/02/IMG_2.JPG', 0),"
                                 " (3, 'a3', 60, '~/Library/SMS/Attachments/cc/03/IMG_3.JPG', 0);"
                                 "INSERT INTO message_attachment_join VALUES (4, 1), (5, 2), (8, 3);");
    backup.write();
    const auto lines = scanEvents({backup.folder(), freshFolder("sms-body-out"), DBAPP_SMS, DBMODE_BACKUP});

    auto from = [](const std::wstring &text, int64_t date) {
        return message(0, false, L"+15550100", L"", L"", L"iMessage", text, date);
    };
    // The text column wins where it has a text; an archive that does not
    // parse leaves none, and a text of only the attachment's place is no
    // text message.
    EXPECT_EQ(subType(lines, 0), sorted({line(0, from(L"Only in the body \U0001F600", 1)),
                                         line(0, from(L"Empty text column", 2)), line(0, from(L"The text column", 3)),
                                         line(0, from(L"Caption", 5)), line(0, from(L"Edited", 7))}));
    EXPECT_EQ(subType(lines, 1), sorted({line(1, from(L"\uFFFC", 40)), line(1, from(L"\uFFFCCaption", 50)),
                                         line(1, from(L"", 60))}));
}

// Older databases, without the column, scan as before. Both scans copy
// into the same output folder, so that their records are equal to the byte.
TEST(SmsScan, WithoutTheBodyColumnTheScanIsUnchanged)
{
    const auto newer = scanEvents({messagesBackup("sms-newer", true), freshFolder("sms-cols-out"), DBAPP_SMS,
                                   DBMODE_BACKUP});
    const auto older = scanEvents({messagesBackup("sms-older", true, false), freshFolder("sms-cols-out"), DBAPP_SMS,
                                   DBMODE_BACKUP});
    EXPECT_EQ(subType(older, 0).size(), 6u);
    EXPECT_EQ(subType(older, 1).size(), 6u);
    EXPECT_EQ(older, newer);
}

TEST(SmsScan, MembersOfUnfilteredGroupChats)
{
    const auto lines = scanEvents({messagesBackup("sms-members", false), freshFolder("sms-members-out"), DBAPP_SMS,
                                   DBMODE_BACKUP});
    STSMSmember first {2, L"+15551230001", L"5551230001", L"us", L"iMessage"};
    STSMSmember second {2, L"bob@example.com", L"", L"us", L"iMessage"};
    EXPECT_EQ(subType(lines, 2), sorted({line(first), line(second)}));
}

TEST(SmsScan, AttachmentsAreCopiedOutByStoredPathOrBareName)
{
    for (bool recoverable : {true, false}) {
        SCOPED_TRACE(recoverable ? "with recently deleted" : "older iOS");
        const std::string backup = messagesBackup("sms-att", recoverable);
        const auto before = snapshot(backup);
        const std::string out = freshFolder("sms-att-out");
        const auto lines = scanEvents({backup, out, DBAPP_SMS, DBMODE_BACKUP});

        STSMS photo = message(2, true, L"bob@example.com", L"", L"us", L"iMessage", L"\uFFFC\uFFFC", AttachmentDate);
        photo.attachmentFile = widen(copyOf(out, "a1/01/IMG_0001.JPG", ".JPG"));
        STSMS voice = message(0, false, L"", L"", L"", L"SMS", L"", 2);
        voice.isFromMe = 1;
        voice.isForward = 1;
        voice.error = 4;
        voice.attachmentFile = widen(copyOf(out, "b2/02/Audio Message.caf", ".caf"));
        auto fromLook = [](int64_t date, const std::string &copy) {
            STSMS r = message(0, false, L"+4930123456", L"030123456", L"de", L"SMS", L"Take a look", date);
            r.attachmentFile = widen(copy);
            return r;
        };
        const STSMS menu = fromLook(3, copyOf(out, "zz/99/menu.pdf", ".pdf"));
        const STSMS party = fromLook(4, copyOf(out, "d4/04/Bob's party.png", ".png"));
        const STSMS gone = fromLook(5, "");
        const STSMS folderOnly = fromLook(7, "");
        EXPECT_EQ(subType(lines, 1), sorted({line(1, photo), line(1, voice), line(1, menu), line(1, party),
                                             line(1, gone), line(1, folderOnly)}));

        EXPECT_EQ(readFile(narrow(photo.attachmentFile)), Jpeg);
        EXPECT_EQ(readFile(narrow(voice.attachmentFile)), Caf);
        EXPECT_EQ(readFile(narrow(menu.attachmentFile)), Pdf);
        EXPECT_EQ(readFile(narrow(party.attachmentFile)), Png);
        size_t copies = 0;
        for (const auto &entry : std::filesystem::directory_iterator(out))
            copies += entry.is_regular_file();
        EXPECT_EQ(copies, 4u);
        EXPECT_EQ(snapshot(backup), before);
    }
}

// The bare-name search takes only a file of exactly that name: "1.jpg" must
// not attach another message's "21.jpg".
TEST(SmsScan, BareNameFindsOnlyAFileOfThatWholeName)
{
    BackupBuilder backup(freshFolder("sms-barename"));
    backup.addDatabase("HomeDomain", "Library/SMS/sms.db",
                       std::string(SmsSchema) +
                           "INSERT INTO handle (ROWID, id, service) VALUES (1, '+15550100', 'SMS');"
                           "INSERT INTO message (ROWID, guid, text, handle_id, service, date) VALUES"
                           " (1, 'm1', 'pics', 1, 'SMS', 10);"
                           "INSERT INTO attachment (ROWID, guid, created_date, filename, hide_attachment) VALUES"
                           " (1, 'a1', 1, '~/Library/SMS/Attachments/aa/01/1.jpg', 0),"
                           " (2, 'a2', 2, '~/Library/SMS/Attachments/cc/03/2.jpg', 0);"
                           "INSERT INTO message_attachment_join VALUES (1, 1), (1, 2);");
    backup.addFile("MediaDomain", Attachments + "bb/02/21.jpg", "someone else's picture");
    backup.addFile("MediaDomain", Attachments + "zz/09/2.jpg", Jpeg);
    backup.write();
    const std::string out = freshFolder("sms-barename-out");
    const auto lines = scanEvents({backup.folder(), out, DBAPP_SMS, DBMODE_BACKUP});

    auto attachment = [](int64_t date, const std::string &copy) {
        STSMS r = message(0, false, L"+15550100", L"", L"", L"SMS", L"pics", date);
        r.attachmentFile = widen(copy);
        return r;
    };
    EXPECT_EQ(subType(lines, 1),
              sorted({line(1, attachment(1, "")), line(1, attachment(2, copyOf(out, "zz/09/2.jpg", ".jpg")))}));
}

TEST(SmsScan, AttachmentPathsFromEitherHomeNotation)
{
    const struct
    {
        const wchar_t *stored;
        const wchar_t *relative;
    } cases[] = {
        {L"~/Library/SMS/Attachments/a1/01/x.jpg", L"Library/SMS/Attachments/a1/01/x.jpg"},
        {L"/var/mobile/Library/SMS/Attachments/a1/01/x.jpg", L"Library/SMS/Attachments/a1/01/x.jpg"},
        {L"Library/SMS/x.jpg", L"Library/SMS/x.jpg"},
        {L"~", L"~"},
        {L"/var/mobileLibrary/x", L"/var/mobileLibrary/x"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CDBScanSMS::AttachmentRelativePath(c.stored), c.relative) << narrow(c.stored);
}

// No sms.db is no messages; an sms.db without its tables is an error.
TEST(SmsScan, MissingDatabaseGivesAnEmptyCategoryAForeignOneAnError)
{
    BackupBuilder foreign(freshFolder("sms-foreign"));
    foreign.addDatabase("HomeDomain", "Library/SMS/sms.db", "CREATE TABLE unrelated (x);");
    foreign.write();
    BackupBuilder none(freshFolder("sms-nothing"));
    none.write();
    const std::vector<std::string> empty = {progressLine(1, 0), progressLine(3, DBAPP_SMS), progressLine(4, DBAPP_SMS),
                                            progressLine(2, 0)};
    EXPECT_EQ(scanEvents({foreign.folder(), freshFolder("o1"), DBAPP_SMS, DBMODE_BACKUP}),
              (std::vector<std::string> {progressLine(1, 0), progressLine(3, DBAPP_SMS),
                                         errorLine(DBAPP_SMS, DBERROR_NO_TABLES), progressLine(4, DBAPP_SMS),
                                         progressLine(2, 0)}));
    EXPECT_EQ(scanEvents({none.folder(), freshFolder("o2"), DBAPP_SMS, DBMODE_BACKUP}), empty);
}

// Rows handed straight to the processor: other query indexes and a missing
// callback deliver nothing.
TEST(SmsScan, ProcessorIgnoresUnknownQueriesAndAMissingCallback)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    sqlite3_stmt *row = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT 1, 1, 'id', 'u', 's', 'text', 'SMS', 1, 'us', 'f', 0, 0, 0, 0", -1, &row,
                                 nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(row), SQLITE_ROW);
    int calls = 0;
    auto count = [](const int *, int, int, const void *, void *user) { ++*static_cast<int *>(user); };
    CDBScanSMS processor;
    for (int index : {3, 4, -1, 100})
        processor.ProcessRow(row, &calls, count, index);
    for (int index : {0, 1, 2})
        processor.ProcessRow(row, &calls, nullptr, index);
    EXPECT_EQ(calls, 0);
    processor.ProcessRow(row, &calls, count, 0);
    processor.ProcessRow(row, &calls, count, 2);
    EXPECT_EQ(calls, 2);
    sqlite3_finalize(row);
    sqlite3_close(db);
}
