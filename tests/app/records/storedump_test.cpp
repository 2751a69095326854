// quenrow-store-dump on built backups: the engine's records as the store
// keeps them, through the real scan, on the dump's worker thread.

#include "backupbuilder.h"
#include "chatstoragebuilder.h"
#include "iosschemas.h"
#include "linebackup.h"
#include "realdata.h"
#include "scanrecorder.h"
#include "systemschemas.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <sqlite3.h>

#include <filesystem>

using namespace testsupport;

namespace {

// A one-to-one chat with A (one message deleted), a group whose only member
// is A, two groups of the same members B and C, and a chat with D.
const std::string Messages =
    "INSERT INTO handle (ROWID, id, country, service, uncanonicalized_id) VALUES"
    " (1, '+15550001', 'us', 'iMessage', '555 0001'), (2, '+15550002', 'us', 'SMS', '5550002'),"
    " (3, '+15550003', 'us', 'iMessage', '5550003'), (4, '+15550004', 'us', 'iMessage', '5550004');"
    "INSERT INTO chat (ROWID, guid, style, chat_identifier, service_name, room_name) VALUES"
    " (1, 'iMessage;-;+15550001', 45, '+15550001', 'iMessage', NULL),"
    " (10, 'iMessage;+;chat10', 43, 'chat10', 'iMessage', 'chat10'),"
    " (20, 'iMessage;+;chat20', 43, 'chat20', 'iMessage', 'chat20'),"
    " (30, 'iMessage;+;chat30', 43, 'chat30', 'iMessage', 'chat30');"
    "INSERT INTO chat_handle_join VALUES (1, 1), (10, 1), (20, 2), (20, 3), (30, 2), (30, 3);"
    "INSERT INTO message (ROWID, guid, text, handle_id, service, date, is_from_me, cache_roomnames) VALUES"
    " (1, 'm1', 'first to A', 1, 'iMessage', 700000000000000000, 1, NULL),"
    " (2, 'm2', 'second to A', 1, 'iMessage', 700000300000000000, 0, NULL),"
    " (3, 'm3', 'alone in a group', 1, 'iMessage', 700000100000000000, 0, 'chat10'),"
    " (4, 'm4', 'twenty from B', 2, 'iMessage', 700000200000000000, 0, 'chat20'),"
    " (5, 'm5', 'twenty from me', 0, 'iMessage', 700000250000000000, 1, 'chat20'),"
    " (6, 'm6', 'thirty', 2, 'iMessage', 700000400000000000, 0, 'chat30'),"
    " (7, 'm7', 'early to D', 4, 'iMessage', 600000000000000000, 0, NULL),"
    " (8, 'm8', 'later to D', 4, 'iMessage', 600000100000000000, 0, NULL);"
    "INSERT INTO chat_recoverable_message_join (chat_id, message_id, delete_date) VALUES (1, 1, 1);";

// Person 3 with a picture and person 65539 (the same low 16 bits) with a
// phone of its own; a nameless person with a phone, one with nothing, and a
// deleted contact in the full-text table.
const std::string Contacts =
    std::string(schema::ContactsSchema) + schema::ContactsFullTextSchema
    + "INSERT INTO ABPerson (ROWID, First, Last, CreationDate) VALUES (3, 'Tess', 'Three', 700000000),"
      " (65539, 'Bea', 'Big', 700000001), (7, NULL, NULL, 700000002), (8, NULL, NULL, 700000003);"
      "INSERT INTO ABMultiValueLabel (ROWID, value) VALUES (1, '_$!<Mobile>!$_');"
      "INSERT INTO ABMultiValue (UID, record_id, property, label, value) VALUES"
      " (30, 3, 3, 1, '+1 555 0003'), (31, 65539, 3, 1, '+15550009'), (32, 7, 3, 1, '555 0007');"
      "INSERT INTO ABPersonFullTextSearch_content (docid, c0First, c1Last, c16Phone) VALUES"
      " (9, 'Gone', 'Person', '555-0101 5550101 555-0102 5550102');";

struct Dump
{
    int exitCode = -1;
    QList<QJsonObject> lines;
    QByteArray errors; // what it said on stderr

    QList<QJsonObject> list(const QString &name, const QString &field, const QJsonValue &value) const
    {
        QList<QJsonObject> out;
        for (const QJsonObject &line : lines)
            if (line.value("list").toString() == name && line.value(field) == value)
                out << line;
        return out;
    }
    QList<QJsonObject> records(int type) const { return list("records", "type", type); }
    QList<QJsonObject> messages(const QString &key) const { return list("messages", "key", key); }
    QList<int> finished() const
    {
        QList<int> out;
        for (const QJsonObject &line : lines)
            if (line.value("signal").toString() == "dataFinished")
                out << line.value("type").toInt();
        return out;
    }
};

Dump runDump(const QStringList &arguments)
{
    QProcess process;
    process.start(QString(STORE_DUMP_PATH), arguments);
    Dump dump;
    if (!process.waitForFinished(120000))
        return dump;
    dump.exitCode = process.exitCode();
    dump.errors = process.readAllStandardError();
    for (const QByteArray &line : process.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            dump.lines << QJsonDocument::fromJson(line).object();
    return dump;
}

QString backupWithChatsAndContacts()
{
    BackupBuilder backup(freshFolder("chats-and-contacts"));
    backup.addDatabase("HomeDomain", "Library/SMS/sms.db", std::string(SmsSchema) + SmsRecoverableSchema + Messages);
    backup.addDatabase(schema::HomeDomain, schema::ContactsPath, Contacts);
    backup.addDatabase(schema::HomeDomain, schema::ContactImagesPath,
                       std::string(schema::ContactImagesSchema)
                           + "INSERT INTO ABFullSizeImage (record_id, crop_width, data) VALUES (3, 9, X'89504E47');");
    backup.write();
    return QString::fromStdString(backup.folder());
}

// The real chat database of a public test image, with a starred message, a
// call event, an audio, a document, a video and a contact card added to its
// one-to-one chat (session 5), and the media files in the backup.
const char *const WaContact = "19198887386@s.whatsapp.net";
const std::string WaMedia = std::string("Media/") + WaContact;
const std::string WaExtraRows =
    "UPDATE ZWAMESSAGE SET ZSTARRED = 1 WHERE Z_PK = 13;"
    "INSERT INTO ZWAMEDIAITEM (Z_PK, ZFILESIZE, ZMEDIALOCALPATH, ZTITLE, ZVCARDSTRING, ZVCARDNAME) VALUES"
    " (8, 5, '" + WaMedia + "/a/voice.opus', NULL, NULL, NULL),"
    " (9, 6, '" + WaMedia + "/d/Report.PDF', 'Report.PDF', NULL, NULL),"
    " (10, 4, '" + WaMedia + "/v/clip.mp4', NULL, NULL, NULL),"
    " (11, 0, NULL, NULL, 'BEGIN:VCARD' || char(13, 10) || 'FN:Ann Lee' || char(13, 10) || 'END:VCARD' || char(13, 10),"
    " 'Ann Lee');"
    "INSERT INTO ZWAMESSAGE (Z_PK, ZMESSAGETYPE, ZGROUPEVENTTYPE, ZISFROMME, ZCHATSESSION, ZMEDIAITEM, ZMESSAGEDATE,"
    " ZFROMJID, ZSTANZAID) VALUES"
    " (34, 3, 0, 0, 5, 8, 706027100, '" + std::string(WaContact) + "', 's34'),"
    " (35, 8, 0, 1, 5, 9, 706027200, NULL, 's35'),"
    " (36, 2, 0, 0, 5, 10, 706027300, '" + std::string(WaContact) + "', 's36'),"
    " (37, 4, 0, 1, 5, 11, 706027400, NULL, 's37'),"
    " (38, 10, 40, 0, 5, NULL, 706027500, '" + std::string(WaContact) + "', 's38');";

QString whatsAppBackup()
{
    const std::string source = realDataFile("whatsapp/ChatStorage-ios15.sqlite");
    BackupBuilder backup(freshFolder("whatsapp"));
    const std::string id = backup.addFile(ChatStorageBuilder::Domain, ChatStorageBuilder::RelativePath,
                                          readFile(source));
    sqlite3 *db = nullptr;
    char *error = nullptr;
    const bool changed = sqlite3_open(backup.pathOf(id).c_str(), &db) == SQLITE_OK
                      && sqlite3_exec(db, WaExtraRows.c_str(), nullptr, nullptr, &error) == SQLITE_OK;
    sqlite3_free(error);
    sqlite3_close(db);
    if (!changed)
        return QString();
    for (const char *file : {"/d/0/d041d159-fd7d-4abb-9192-0e97c10ddb00.jpg", "/0/7/074dc9c5-d1e2-418b-8bcc-8c4ed1f67f7e.jpg",
                             "/a/voice.opus", "/d/Report.PDF", "/v/clip.mp4"})
        ChatStorageBuilder::addMediaFile(backup, WaMedia + file, "media");
    backup.write();
    return QString::fromStdString(backup.folder());
}

// A known group with two members, a known user, a LINE Keep chat and chats
// of an unknown group and user; the user's chat has a picture with its
// thumbnail, an audio, a file and a video whose file is missing.
QString lineBackup()
{
    BackupBuilder backup(freshFolder("line"));
    LineBackup line;
    line.addGroup(1, std::string("g100"), std::string("Family"), std::nullopt);
    line.addGroupUser(1, std::string("u1"));
    line.addGroupUser(2, std::string("u2"));
    line.addMember(1, 1);
    line.addMember(1, 2);
    line.addUser(1, std::string("u1"), std::string("Anna"), std::nullopt, std::nullopt, int64_t(1));
    line.addChat(1, std::string("u1"), 0);
    line.addChat(2, std::string("g100"), 2);
    line.addChat(3, std::string("keep"), 3);
    line.addChat(4, std::string("g999"), 2);
    line.addChat(5, std::string("u999"), 0);
    auto add = [&](int64_t pk, int64_t chat, int64_t type, const std::string &id, LineBackup::Text metadata = {},
                   LineBackup::Text text = {}, LineBackup::Number sender = int64_t(1)) {
        line.addMessage({pk, type, chat, sender, 1, 1600000000000 + pk * 1000, id, text, std::nullopt, std::nullopt,
                         metadata});
    };
    add(1, 1, 0, "15000000000001", {}, std::string("hello"));
    add(2, 1, 1, "15000000000002");
    add(3, 1, 3, "15000000000003");
    add(4, 1, 14, "15000000000004", lineMetadata({"$null", "FILE_NAME", "FILE_SIZE", "plan.pdf", "12"}));
    add(5, 1, 2, "15000000000005");
    add(6, 2, 0, "15000000000006", {}, std::string("to the family"));
    add(7, 3, 0, "15000000000007", {}, std::string("note to self"), std::nullopt);
    add(8, 4, 0, "15000000000008", {}, std::string("unknown group"));
    line.addTo(backup);
    backup.addFile(LineBackup::Domain, LineBackup::attachmentPath("u1", "15000000000002.jpg"), "picture");
    backup.addFile(LineBackup::Domain, LineBackup::thumbnailPath("u1", "15000000000002.thumb"), "thumb");
    backup.addFile(LineBackup::Domain, LineBackup::attachmentPath("u1", "15000000000003.m4a"), "audio");
    backup.addFile(LineBackup::Domain, LineBackup::attachmentPath("u1", "plan.pdf"), "plan");
    backup.write();
    return QString::fromStdString(backup.folder());
}

QStringList texts(const QList<QJsonObject> &messages)
{
    QStringList out;
    for (const QJsonObject &m : messages)
        out << m.value("record").toObject().value("text").toString();
    return out;
}

} // namespace

class StoreDumpTest : public QObject
{
    Q_OBJECT

private slots:
    void conversationsAndContacts();
    void countsOnly();
    void attachmentsKeepTheirNames();
    void damagedInput_data();
    void damagedInput();
    void whatsAppChats();
    void lineChats();
    void cloudDownload();
    void badCloudScripts_data();
    void badCloudScripts();
    void badArguments_data();
    void badArguments();
};

void StoreDumpTest::conversationsAndContacts()
{
    const QString backup = backupWithChatsAndContacts();
    const auto before = snapshot(backup.toStdString());
    const QString out = QString::fromStdString(freshFolder("chats-and-contacts-out"));
    const Dump dump = runDump({"--backup", backup, "--categories", "1,2", "--out", out});
    QCOMPARE(dump.exitCode, 0);
    // Contacts first, as the program scans them before the messages that name them.
    QCOMPARE(dump.finished(), QList<int>({1, 2}));
    QVERIFY(snapshot(backup.toStdString()) == before);

    // One conversation per chat, deleted first, then newest.
    QStringList keys;
    for (const QJsonObject &line : dump.records(2)) {
        QCOMPARE(line.value("recordType").toString(), QStringLiteral("SMSSessionInfo"));
        keys << line.value("record").toObject().value("key").toString();
    }
    QCOMPARE(keys, QStringList({"+15550001", "_$!<30>!$_", "+15550002,+15550003", "_$!<10>!$_", "+15550004"}));
    QCOMPARE(texts(dump.messages("+15550001")), QStringList({"first to A", "second to A"}));
    QCOMPARE(texts(dump.messages("_$!<10>!$_")), QStringList({"alone in a group"}));
    QCOMPARE(texts(dump.messages("+15550002,+15550003")), QStringList({"twenty from B", "twenty from me"}));
    QCOMPARE(texts(dump.messages("_$!<30>!$_")), QStringList({"thirty"}));
    QCOMPARE(texts(dump.messages("+15550004")), QStringList({"early to D", "later to D"}));

    const QJsonObject direct = dump.records(2).first().value("record").toObject();
    QVERIFY(direct.value("deleted").toBool());
    QCOMPARE(direct.value("lastMessage").toObject().value("text").toString(), QStringLiteral("second to A"));
    QCOMPARE(direct.value("time"), direct.value("lastMessage").toObject().value("time"));
    QCOMPARE(direct.value("lastMessage").toObject().value("address").toString(), QStringLiteral("5550001"));
    // Every message of a group lists every member, the owner's too.
    for (const QJsonObject &m : dump.messages("+15550002,+15550003")) {
        const QJsonObject record = m.value("record").toObject();
        QCOMPARE(record.value("handle").toString(), QStringLiteral("+15550002,+15550003"));
        QCOMPARE(record.value("address").toString(), QStringLiteral("_$!<20>!$_"));
        QVERIFY(record.value("isGroup").toBool());
    }
    QCOMPARE(dump.records(2).at(1).value("record").toObject().value("avatar").toString(),
             QStringLiteral(":/Images/default_Group.png"));

    QStringList names;
    QJsonObject three, big;
    for (const QJsonObject &line : dump.records(1)) {
        const QJsonObject contact = line.value("record").toObject();
        names << contact.value("sortName").toString();
        if (contact.value("recordId").toInt() == 3)
            three = contact;
        if (contact.value("recordId").toInt() == 65539)
            big = contact;
    }
    QCOMPARE(names, QStringList({"PersonGone", "5550007", "BigBea", "ThreeTess"}));
    QCOMPARE(three.value("phones").toArray(), QJsonArray({QJsonArray({"_$!<Mobile>!$_", "+15550003"})}));
    QCOMPARE(three.value("photoPath").toString(), out + "/3.png");
    QCOMPARE(big.value("phones").toArray(), QJsonArray({QJsonArray({"_$!<Mobile>!$_", "+15550009"})}));
    QCOMPARE(big.value("photoPath").toString(), QString());
    QCOMPARE(big.value("rowId").toInt(), 3);
    const QJsonObject gone = dump.records(1).first().value("record").toObject();
    QVERIFY(gone.value("deleted").toBool());
    QCOMPARE(gone.value("phones").toArray(),
             QJsonArray({QJsonArray({"", "5550101"}), QJsonArray({"", "5550102"})}));
}

void StoreDumpTest::countsOnly()
{
    const QString backup = backupWithChatsAndContacts();
    const QString out = QString::fromStdString(freshFolder("counts-out"));
    const Dump dump = runDump({"--backup", backup, "--categories", "2", "--out", out, "--count"});
    QCOMPARE(dump.exitCode, 0);
    QCOMPARE(dump.finished(), QList<int>({2}));
    const QList<QJsonObject> sessions = dump.records(2);
    QCOMPARE(sessions.size(), 1);
    QCOMPARE(sessions.first().value("records").toInt(), 5);
    QVERIFY(!sessions.first().contains("row") && !sessions.first().contains("record"));
    QCOMPARE(dump.messages("+15550004").first().value("records").toInt(), 2);
}

// What could not be read is told, one line per category, and the exit code
// says so; what could be read is all there.
// The backup keeps an event's attachment under its file id; the record is
// named as the calendar names it, and a missing one is not recorded.
void StoreDumpTest::attachmentsKeepTheirNames()
{
    BackupBuilder backup(freshFolder("calendar-attachments"));
    backup.addDatabase(schema::HomeDomain, schema::CalendarPath,
                       std::string(schema::CalendarItemSchema) + schema::CalendarNewAttachmentSchema
                           + "INSERT INTO CalendarItem (ROWID, summary, start_date, end_date, entity_type) VALUES"
                             " (1, 'Dinner', 700000000, 700003600, 2), (2, 'Talk', 710000000, 710003600, 2);"
                             "INSERT INTO AttachmentFile (ROWID, filename, file_size) VALUES (7, 'venue.jpg', 5),"
                             " (8, 'slides.key', 9);"
                             "INSERT INTO Attachment (owner_id, file_id) VALUES (1, 7), (2, 8);");
    const std::string venueId =
        backup.addFile("AppDomain-com.apple.mobilecal", "Documents/Attachments/venue.jpg", "photo");
    backup.write();
    const QString out = QString::fromStdString(freshFolder("calendar-attachments-out"));
    const Dump dump = runDump({"--backup", QString::fromStdString(backup.folder()), "--categories", "2048", "--out",
                               out});
    QCOMPARE(dump.exitCode, 0);

    const QList<QJsonObject> files = dump.records(2049);
    QCOMPARE(files.size(), 1);
    const QJsonObject venue = files.first().value("record").toObject();
    const QString stored = QString::fromStdString(backup.pathOf(venueId));
    QCOMPARE(QFileInfo(stored).fileName(), QString::fromStdString(venueId));
    QCOMPARE(venue.value("path").toString(), stored);
    QCOMPARE(venue.value("name").toString(), QStringLiteral("venue.jpg"));
    QCOMPARE(venue.value("suffix").toString(), QStringLiteral("jpg"));
    QCOMPARE(venue.value("mediaKind").toInt(), 2); // a picture
    QCOMPARE(venue.value("preview").toString(), stored);
    for (const QJsonObject &line : dump.records(2048)) {
        const QJsonObject event = line.value("record").toObject();
        const QJsonArray attachments = event.value("attachments").toArray();
        if (event.value("title").toString() == "Dinner") {
            QCOMPARE(attachments.size(), 1);
            QCOMPARE(attachments.first().toObject().value("name").toString(), QStringLiteral("venue.jpg"));
        } else {
            QVERIFY(attachments.isEmpty());
        }
    }
}

void StoreDumpTest::damagedInput_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("categories");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("told");
    const QString sms = "category 2 could not be read: ";
    QTest::newRow("intact") << "" << "1,2" << 0 << QStringList();
    QTest::newRow("truncated sms.db") << "truncate sms" << "1,2" << 3
                                      << QStringList {sms + "a database it needs is damaged (truncated or malformed)"};
    QTest::newRow("scrambled sms.db")
        << "scramble sms" << "1,2" << 3
        << QStringList {sms + "a file it needs is not a database (scrambled or encrypted)"};
    QTest::newRow("sms.db without its tables") << "foreign sms" << "1,2" << 3
                                               << QStringList {sms + "a database it needs lacks its tables"};
    QTest::newRow("truncated Manifest.db, LINE looks into it")
        << "truncate manifest" << "1,2,262144" << 3
        << QStringList {"category 262144 could not be read: a database it needs is damaged (truncated or malformed)"};
    QTest::newRow("missing folder") << "remove folder" << "1,2" << 4
                                    << QStringList {"category 1 could not be read: the backup folder does not exist or "
                                                    "cannot be read",
                                                    sms + "the backup folder does not exist or cannot be read"};
    QTest::newRow("no Manifest.db") << "remove manifest" << "2" << 4
                                    << QStringList {"category 1 could not be read: the backup's Manifest.db is missing "
                                                    "or cannot be read",
                                                    sms + "the backup's Manifest.db is missing or cannot be read"};
}

void StoreDumpTest::damagedInput()
{
    QFETCH(QString, damage);
    QFETCH(QString, categories);
    QFETCH(int, exitCode);
    QFETCH(QStringList, told);
    const QString backup = backupWithChatsAndContacts();
    const std::string smsPath = backup.toStdString() + "/3d/3d0d7e5fb2ce288813306e4d4636395e047a3d28";
    const std::string manifest = backup.toStdString() + "/Manifest.db";
    // One output folder for both runs: the contacts' pictures are named by it.
    const QString out = QString::fromStdString(freshFolder("damaged-out"));
    const Dump intact = runDump({"--backup", backup, "--categories", categories, "--out", out});
    QCOMPARE(intact.exitCode, 0);
    namespace fs = std::filesystem;
    if (damage == "truncate sms") {
        fs::resize_file(smsPath, fs::file_size(smsPath) / 2);
    } else if (damage == "scramble sms") {
        writeFile(smsPath, std::string(fs::file_size(smsPath), '\x5A'));
    } else if (damage == "foreign sms") {
        fs::remove(smsPath);
        execSql(smsPath, "CREATE TABLE unrelated (x);");
    } else if (damage == "truncate manifest") {
        fs::resize_file(manifest, fs::file_size(manifest) / 2);
    } else if (damage == "remove folder") {
        fs::remove_all(backup.toStdString());
    } else if (damage == "remove manifest") {
        fs::remove(manifest);
    }

    const Dump dump = runDump({"--backup", backup, "--categories", categories, "--out", out});
    QCOMPARE(dump.exitCode, exitCode);
    QStringList lines;
    for (const QByteArray &line : dump.errors.split('\n'))
        if (!line.isEmpty())
            lines << QString::fromUtf8(line);
    QStringList expected;
    for (const QString &line : told)
        expected << "quenrow-store-dump: " + line;
    QCOMPARE(lines, expected);
    // The contacts were readable throughout: all of them, as from the intact
    // backup (but for the time a contact without a date was read at).
    const auto contacts = [](const Dump &run) {
        QList<QJsonObject> records;
        for (QJsonObject line : run.records(1)) {
            QJsonObject record = line.value("record").toObject();
            record.remove("time");
            line.insert("record", record);
            records << line;
        }
        return records;
    };
    if (exitCode != 4)
        QCOMPARE(contacts(dump), contacts(intact));
    else
        QVERIFY(dump.records(1).isEmpty());
    if (!damage.contains("sms") && exitCode != 4)
        QCOMPARE(dump.records(2), intact.records(2));
}

void StoreDumpTest::whatsAppChats()
{
    const QString backup = whatsAppBackup();
    QVERIFY(!backup.isEmpty());
    const QString out = QString::fromStdString(freshFolder("whatsapp-out"));
    const Dump dump = runDump({"--backup", backup, "--categories", "131072", "--out", out});
    QCOMPARE(dump.exitCode, 0);
    QCOMPARE(dump.finished(), QList<int>({0x20000}));

    QMap<int, QJsonObject> sessions;
    for (const QJsonObject &line : dump.records(0x20000)) {
        const QJsonObject session = line.value("record").toObject();
        QVERIFY2(!sessions.contains(session.value("id").toInt()), "session ids are unique");
        sessions.insert(session.value("id").toInt(), session);
        QVERIFY(session.value("finished").toBool());
    }
    QCOMPARE(sessions.keys(), QList<int>({1, 2, 3, 4, 5, 300000000}));
    QCOMPARE(sessions.value(1).value("title").toString(), QStringLiteral("Our Test Group"));
    QCOMPARE(sessions.value(1).value("chatKind").toInt(), 2);
    QVERIFY(sessions.value(1).value("members").toString().startsWith("_$!<"));
    QCOMPARE(sessions.value(5).value("title").toString(), QStringLiteral("This Is DFIR Two"));
    QCOMPARE(sessions.value(5).value("chatKind").toInt(), 0);
    const QJsonObject starred = sessions.value(300000000);
    QCOMPARE(starred.value("chatKind").toInt(), 101);
    const QList<QJsonObject> starredMessages = dump.list("sessions", "key", 300000000);
    QCOMPARE(starredMessages.size(), 1);
    QCOMPARE(starredMessages.first().value("record").toObject().value("pk").toInt(), 13);

    // Oldest first, seconds; the dropped types are gone.
    QList<QJsonObject> messages;
    for (const QJsonObject &line : dump.list("sessions", "key", 5))
        if (line.value("scanType").toInt() == 0x20000)
            messages << line.value("record").toObject();
    QList<int> pks;
    qint64 previous = 0;
    for (const QJsonObject &m : messages) {
        pks << m.value("pk").toInt();
        if (!m.value("isQuote").toInt()) {
            QVERIFY(m.value("date").toDouble() >= previous);
            previous = qint64(m.value("date").toDouble());
        }
    }
    QVERIFY(!pks.contains(11)); // an event that is not a call
    QVERIFY(pks.contains(38));  // the call
    const int reply = pks.indexOf(16);
    QVERIFY(reply >= 0);
    QCOMPARE(pks.value(reply + 1), 15);
    QCOMPARE(messages.at(reply + 1).value("isQuote").toInt(), 1);
    QCOMPARE(messages.first().value("date").toDouble(), 704735807.0 + 978307200);
    for (const QJsonObject &m : messages)
        if (m.value("messageType").toInt() == 5)
            QVERIFY(m.value("unsupported").toBool());
    const QJsonObject last = messages.last();
    QCOMPARE(last.value("pk").toInt(), 38);
    QCOMPARE(sessions.value(5).value("time"), last.value("date"));
    QCOMPARE(sessions.value(5).value("lastMessage").toObject().value("pk").toInt(), 38);
    const QJsonObject picture = messages.at(pks.indexOf(21));
    QVERIFY(picture.value("mediaExists").toBool());
    QVERIFY(picture.value("mediaPath").toString().startsWith(backup + "/"));

    auto attachments = [&](int kind) {
        QStringList names;
        for (const QJsonObject &line : dump.list("sessions", "key", kind))
            if (line.value("scanType").toInt() == 0x20001) {
                const QJsonObject r = line.value("record").toObject();
                names << line.value("recordType").toString() + ":" + r.value("name").toString()
                             + (r.value("finished").toBool() ? "" : " (unfinished)");
            }
        names.sort();
        return names;
    };
    QCOMPARE(attachments(0), QStringList({"MediaInfo:clip.mp4"}));
    QCOMPARE(attachments(1), QStringList({"DocumentInfo:voice.opus"}));
    QCOMPARE(attachments(2), QStringList({"MediaInfo:074dc9c5-d1e2-418b-8bcc-8c4ed1f67f7e.jpg",
                                          "MediaInfo:d041d159-fd7d-4abb-9192-0e97c10ddb00.jpg"}));
    QCOMPARE(attachments(12), QStringList({"DocumentInfo:Ann Lee.vcf", "DocumentInfo:Report.PDF"}));
    // The video's still goes to the cache, named after the video's file.
    for (const QJsonObject &line : dump.list("sessions", "key", 0))
        if (line.value("scanType").toInt() == 0x20001) {
            const QJsonObject video = line.value("record").toObject();
            const QString still = "/video/" + QFileInfo(video.value("path").toString()).baseName() + ".jpg";
            QVERIFY2(video.value("preview").toString().endsWith(still), qPrintable(video.value("preview").toString()));
        }
}

void StoreDumpTest::lineChats()
{
    const QString backup = lineBackup();
    const QString out = QString::fromStdString(freshFolder("line-out"));
    const Dump dump = runDump({"--backup", backup, "--categories", "262144", "--out", out});
    QCOMPARE(dump.exitCode, 0);
    QCOMPARE(dump.finished(), QList<int>({0x40000}));

    QMap<int, QJsonObject> sessions;
    for (const QJsonObject &line : dump.records(0x40000)) {
        const QJsonObject session = line.value("record").toObject();
        sessions.insert(session.value("id").toInt(), session);
        QVERIFY(session.value("finished").toBool());
    }
    QCOMPARE(sessions.keys(), QList<int>({1, 2, 3}));
    QCOMPARE(sessions.value(1).value("title").toString(), QStringLiteral("Anna"));
    QCOMPARE(sessions.value(1).value("chatKind").toInt(), 0);
    QCOMPARE(sessions.value(2).value("title").toString(), QStringLiteral("Family"));
    QCOMPARE(sessions.value(2).value("members").toString(), QStringLiteral("_$!<u1>!$__$!<u2>!$_"));
    QCOMPARE(sessions.value(3).value("title").toString(), QStringLiteral("LINE Keep"));
    QCOMPARE(sessions.value(3).value("chatKind").toInt(), 100);

    QCOMPARE(dump.list("lineMessages", "chatId", 1).size(), 5);
    QCOMPARE(texts(dump.list("lineMessages", "chatId", 2)), QStringList({"to the family"}));
    const QJsonObject note = dump.list("lineMessages", "chatId", 3).first().value("record").toObject();
    QCOMPARE(note.value("direction").toInt(), 2);
    QCOMPARE(sessions.value(1).value("time").toInt(), 1600000005);
    bool missingVideo = false;
    for (const QJsonObject &line : dump.list("lineMessages", "chatId", 1)) {
        const QJsonObject m = line.value("record").toObject();
        if (m.value("contentType").toInt() == 2)
            missingVideo = !m.value("valid").toBool();
        else
            QVERIFY(m.value("valid").toBool());
    }
    QVERIFY(missingVideo);

    auto attachment = [&](int kind) {
        QList<QJsonObject> out;
        for (const QJsonObject &line : dump.list("sessions", "key", kind))
            if (line.value("scanType").toInt() == 0x40001)
                out << line;
        return out;
    };
    QCOMPARE(attachment(0).size(), 0);
    QCOMPARE(attachment(2).size(), 1);
    QCOMPARE(attachment(2).first().value("recordType").toString(), QStringLiteral("MediaInfo"));
    const QJsonObject picture = attachment(2).first().value("record").toObject();
    QCOMPARE(picture.value("name").toString(), QStringLiteral("15000000000002.jpg"));
    QVERIFY(picture.value("preview").toString() != picture.value("path").toString());
    QVERIFY(picture.value("finished").toBool());
    QCOMPARE(attachment(1).size(), 1);
    QCOMPARE(attachment(1).first().value("recordType").toString(), QStringLiteral("DocumentInfo"));
    QCOMPARE(attachment(12).size(), 1);
    QCOMPARE(attachment(12).first().value("record").toObject().value("name").toString(), QStringLiteral("plan.pdf"));
}

void StoreDumpTest::cloudDownload()
{
    const QString folder = QString::fromStdString(freshFolder("cloud"));
    auto touch = [&](const QString &name) {
        QFile f(folder + "/" + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    };
    touch("scan.pdf");
    touch("agenda.txt");
    touch("photo.jpg");
    const QByteArray script = QString(R"({"kind":1,"subKind":0,"record":{"deleted":1,"size":9,"date":1600000000,"fileName":"old.HEIC","localPath":"/c/old.HEIC","previewPath":""}}
{"kind":1,"subKind":0,"record":{"deleted":0,"size":9,"date":1700000000,"fileName":"new.jpg","localPath":"/c/new.jpg","previewPath":""}}
{"end":1}
{"kind":2,"subKind":0,"record":{"deleted":0,"size":9,"date":1700000000,"fileName":"clip.mov","localPath":"/c/clip.mov","previewPath":"/c/clip.jpg"}}
{"end":2}
{"kind":4,"subKind":0,"record":{"contactId":70000,"firstName":"Bea","lastName":"Big","birthday":"1604-05-17"}}
{"kind":4,"subKind":0,"record":{"contactId":4464,"firstName":"Sam"}}
{"kind":4,"subKind":0,"record":{"contactId":9}}
{"kind":4,"subKind":0,"record":{"contactId":10}}
{"kind":4,"subKind":1,"record":{"contactId":70000,"kind":0,"label":"Mobile","value":"555 0700"}}
{"kind":4,"subKind":1,"record":{"contactId":4464,"kind":0,"label":"Home","value":"5550444"}}
{"kind":4,"subKind":1,"record":{"contactId":9,"kind":4,"label":"Work","value":"who@example.com"}}
{"end":4}
{"kind":5,"subKind":0,"record":{"eventId":3,"title":"Meeting","start":202401021530,"end":0}}
{"kind":5,"subKind":1,"record":{"eventId":3,"name":"agenda.txt","localPath":"%1/agenda.txt","size":4096}}
{"end":5}
{"kind":6,"subKind":0,"record":{"noteId":70000,"deleted":0,"created":1700000000,"title":"big","body":"b","attachmentName":"scan.pdf","attachmentPath":"%1/scan.pdf"}}
{"kind":6,"subKind":0,"record":{"noteId":4464,"title":"small"}}
{"end":6}
{"kind":7,"subKind":0,"record":{"reminderId":7,"title":"Call Ann","start":1700000000,"end":1700003600}}
{"kind":7,"subKind":1,"record":{"reminderId":7,"name":"photo.jpg","localPath":"%1/photo.jpg"}}
{"kind":7,"subKind":2,"record":{"reminderId":7,"title":"At the office"}}
{"end":7}
)").arg(folder).toUtf8();
    QFile file(folder + "/download.jsonl");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();

    const Dump dump = runDump({"--cloud", file.fileName()});
    QCOMPARE(dump.exitCode, 0);
    QCOMPARE(dump.finished(), QList<int>({16, 32, 1, 2048, 512, 4096}));
    auto names = [&](int type, const char *field) {
        QStringList out;
        for (const QJsonObject &line : dump.records(type)) {
            const QJsonObject r = line.value("record").toObject();
            out << r.value(field).toVariant().toString() + (r.value("finished").toBool() ? "" : " (unfinished)");
        }
        return out;
    };
    QCOMPARE(names(16, "name"), QStringList({"new.jpg", "old.HEIC"}));
    QCOMPARE(names(32, "name"), QStringList({"clip.mov"}));
    QStringList contacts = names(1, "sortName");
    contacts.sort();
    QCOMPARE(contacts, QStringList({"BigBea", "Sam", "who@example.com"}));
    for (const QJsonObject &line : dump.records(1)) {
        const QJsonObject c = line.value("record").toObject();
        if (c.value("recordId").toInt() == 70000) {
            QCOMPARE(c.value("birthday").toString(), QStringLiteral("05-17"));
            QCOMPARE(c.value("phones").toArray(), QJsonArray({QJsonArray({"_$!<Mobile>!$_", "5550700"})}));
        } else if (c.value("recordId").toInt() == 4464) {
            QCOMPARE(c.value("phones").toArray(), QJsonArray({QJsonArray({"_$!<Home>!$_", "5550444"})}));
        }
    }
    const QJsonObject event = dump.records(2048).first().value("record").toObject();
    QCOMPARE(event.value("startText").toString(), QStringLiteral("2024-01-02 15:30"));
    QCOMPARE(event.value("endText").toString(), QString());
    QCOMPARE(event.value("attachments").toArray().size(), 1);
    QCOMPARE(names(2049, "path"), QStringList({folder + "/agenda.txt"}));
    const QJsonObject big = dump.records(512).first().value("record").toObject();
    QCOMPARE(big.value("title").toString(), QStringLiteral("big"));
    QCOMPARE(big.value("attachments").toArray().size(), 1);
    QCOMPARE(dump.records(512).last().value("record").toObject().value("attachments").toArray().size(), 0);
    QCOMPARE(names(513, "path"), QStringList({folder + "/scan.pdf"}));
    const QJsonObject reminder = dump.records(4096).first().value("record").toObject();
    QCOMPARE(reminder.value("location").toString(), QStringLiteral("At the office"));
    QCOMPARE(reminder.value("attachments").toArray().size(), 1);
    QCOMPARE(names(4097, "path"), QStringList({folder + "/photo.jpg"}));
}

void StoreDumpTest::badCloudScripts_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("line");
    QTest::newRow("not JSON") << QByteArray("{\"end\":1}\nnot json\n") << 2;
    QTest::newRow("an array") << QByteArray("[1]\n") << 1;
    QTest::newRow("no kind") << QByteArray("\n{\"subKind\":0,\"record\":{}}\n") << 2;
}

void StoreDumpTest::badCloudScripts()
{
    QFETCH(QByteArray, script);
    QFETCH(int, line);
    const QString path = QString::fromStdString(freshFolder("bad-cloud")) + "/script.jsonl";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();
    QProcess process;
    process.start(QString(STORE_DUMP_PATH), {"--cloud", path});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    const QByteArray error = process.readAllStandardError();
    QVERIFY2(error.startsWith("quenrow-store-dump: line " + QByteArray::number(line) + ":"), error.constData());
}

void StoreDumpTest::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList();
    QTest::newRow("no output folder") << QStringList({"--backup", "/tmp", "--categories", "2"});
    QTest::newRow("no categories") << QStringList({"--backup", "/tmp", "--out", "/tmp"});
    QTest::newRow("categories not decimal") << QStringList({"--backup", "/tmp", "--categories", "4g", "--out", "/tmp"});
    QTest::newRow("not a category") << QStringList({"--backup", "/tmp", "--categories", "2,5", "--out", "/tmp"});
    QTest::newRow("an attachment category") << QStringList({"--backup", "/tmp", "--categories", "513", "--out", "/tmp"});
    QTest::newRow("the old mask") << QStringList({"--backup", "/tmp", "--mask", "4", "--out", "/tmp"});
    QTest::newRow("unknown option") << QStringList({"--backup", "/tmp", "--categories", "2", "--out", "/tmp", "--all"});
    QTest::newRow("value missing") << QStringList({"--backup", "/tmp", "--out", "/tmp", "--categories"});
    QTest::newRow("cloud with a backup") << QStringList({"--cloud", "/tmp/x", "--backup", "/tmp"});
    QTest::newRow("cloud without script") << QStringList({"--cloud"});
}

void StoreDumpTest::badArguments()
{
    QFETCH(QStringList, arguments);
    QProcess process;
    process.start(QString(STORE_DUMP_PATH), arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    QVERIFY(process.readAllStandardError().startsWith("usage: quenrow-store-dump"));
}

QTEST_GUILESS_MAIN(StoreDumpTest)
#include "storedump_test.moc"
