// quenrow-store-dump on built backups: the engine's records as the store
// keeps them, through the real scan, on the dump's worker thread.

#include "backupbuilder.h"
#include "iosschemas.h"
#include "scanrecorder.h"
#include "systemschemas.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

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
      " (9, 'Gone', 'Person', '555 0101 555 0102');";

struct Dump
{
    int exitCode = -1;
    QList<QJsonObject> lines;

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
    void badArguments_data();
    void badArguments();
};

void StoreDumpTest::conversationsAndContacts()
{
    const QString backup = backupWithChatsAndContacts();
    const auto before = snapshot(backup.toStdString());
    const QString out = QString::fromStdString(freshFolder("chats-and-contacts-out"));
    const Dump dump = runDump({"--backup", backup, "--mask", "C", "--out", out});
    QCOMPARE(dump.exitCode, 0);
    QCOMPARE(dump.finished(), QList<int>({2, 1}));
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
    QCOMPARE(gone.value("phones").toArray().size(), 4);
}

void StoreDumpTest::countsOnly()
{
    const QString backup = backupWithChatsAndContacts();
    const QString out = QString::fromStdString(freshFolder("counts-out"));
    const Dump dump = runDump({"--backup", backup, "--mask", "0x4", "--out", out, "--count"});
    QCOMPARE(dump.exitCode, 0);
    QCOMPARE(dump.finished(), QList<int>({2}));
    const QList<QJsonObject> sessions = dump.records(2);
    QCOMPARE(sessions.size(), 1);
    QCOMPARE(sessions.first().value("records").toInt(), 5);
    QVERIFY(!sessions.first().contains("row") && !sessions.first().contains("record"));
    QCOMPARE(dump.messages("+15550004").first().value("records").toInt(), 2);
}

void StoreDumpTest::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList();
    QTest::newRow("no output folder") << QStringList({"--backup", "/tmp", "--mask", "4"});
    QTest::newRow("no mask") << QStringList({"--backup", "/tmp", "--out", "/tmp"});
    QTest::newRow("mask not hex") << QStringList({"--backup", "/tmp", "--mask", "4g", "--out", "/tmp"});
    QTest::newRow("unknown option") << QStringList({"--backup", "/tmp", "--mask", "4", "--out", "/tmp", "--all"});
    QTest::newRow("value missing") << QStringList({"--backup", "/tmp", "--out", "/tmp", "--mask"});
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
