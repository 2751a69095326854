#include "backupbuilder.h"
#include "chatscript.h"
#include "chatstoragebuilder.h"
#include "iosschemas.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace testsupport;

namespace {

const std::string Attachments = "Library/SMS/Attachments/";
const std::string Jpeg = std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11) + "pixels";
const std::string Pdf = "%PDF-1.4\n%menu\n";

// Two one-to-one chats and a group; a text with an object replacement
// character, one with markup characters, an unsent one, two attachments.
const std::string Chats =
    "INSERT INTO handle (ROWID, id, country, service, uncanonicalized_id) VALUES"
    " (1, '+15551230001', 'us', 'iMessage', '5551230001'),"
    " (2, 'bob@example.com', 'us', 'iMessage', NULL);"
    "INSERT INTO chat (ROWID, guid, style, chat_identifier, service_name, room_name, is_filtered,"
    " successful_query) VALUES"
    " (1, 'iMessage;-;+15551230001', 45, '+15551230001', 'iMessage', NULL, 0, 1),"
    " (2, 'iMessage;-;bob@example.com', 45, 'bob@example.com', 'iMessage', NULL, 0, 1),"
    " (3, 'iMessage;+;chat900', 43, 'chat900', 'iMessage', 'chat900', 0, 1);"
    "INSERT INTO chat_handle_join VALUES (1, 1), (2, 2), (3, 1), (3, 2);"
    "INSERT INTO message (ROWID, guid, text, handle_id, service, date, is_from_me, error, cache_roomnames) VALUES"
    " (1, 'm1', 'Hello there', 1, 'iMessage', 700000000000000000, 0, 0, NULL),"
    " (2, 'm2', 'I <3 <b>you</b>', 1, 'iMessage', 700000100000000000, 1, 0, NULL),"
    " (3, 'm3', 'never left', 1, 'iMessage', 700000200000000000, 1, 4, NULL),"
    " (4, 'm4', 'a\uFFFCb', 2, 'iMessage', 700000300000000000, 0, 0, NULL),"
    " (5, 'm5', NULL, 2, 'iMessage', 700000400000000000, 0, 0, NULL),"
    " (6, 'm6', 'for all', 2, 'iMessage', 700000500000000000, 0, 0, 'chat900'),"
    " (7, 'm7', NULL, 2, 'iMessage', 700000600000000000, 0, 0, 'chat900');"
    "INSERT INTO attachment (ROWID, guid, created_date, filename, hide_attachment) VALUES"
    " (1, 'a1', 1, '~/Library/SMS/Attachments/a1/01/IMG_0001.JPG', 0),"
    " (2, 'a2', 2, '~/Library/SMS/Attachments/b2/02/menu.pdf', 0);"
    "INSERT INTO message_attachment_join VALUES (5, 1), (7, 2);";


// The summary line of one quenrow-export run.
QJsonObject runExport(const QString &backup, const QString &categories, const QString &out)
{
    QProcess process;
    process.start(QUENROW_EXPORT_PATH, {"--backup", backup, "--categories", categories, "--out", out});
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return QJsonObject();
    return QJsonDocument::fromJson(process.readAllStandardOutput().trimmed()).object();
}


} // namespace

class ChatsExportTest : public QObject
{
    Q_OBJECT

private slots:
    void messagesFolder();
    void whatsAppFolders();
};

void ChatsExportTest::messagesFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    BackupBuilder backup(dir.filePath("backup").toStdString());
    backup.addDatabase("HomeDomain", "Library/SMS/sms.db", std::string(SmsSchema) + Chats);
    backup.addFile("MediaDomain", Attachments + "a1/01/IMG_0001.JPG", Jpeg);
    backup.addFile("MediaDomain", Attachments + "b2/02/menu.pdf", Pdf);
    backup.write();
    QVERIFY(QDir().mkpath(dir.filePath("out")));

    const QJsonObject summary = runExport(dir.filePath("backup"), "2", dir.filePath("out"));
    QCOMPARE(summary.value("error").toInt(), 0);
    // The seven messages and the two files of "Messages Attachment".
    QCOMPARE(summary.value("total").toInt(), 9);
    QCOMPARE(summary.value("processed").toInt(), 9);
    QCOMPARE(summary.value("succeeded").toInt(), 9);

    const QString folder = summary.value("root").toString() + "/Messages";
    for (const char *entry : {"/Messages.html", "/favicon.ico", "/json/common.js"})
        QVERIFY2(QFileInfo(folder + entry).isFile(), entry);
    for (const char *entry : {"/assets", "/resource/ATIcon", "/resource/Attachment"})
        QVERIFY2(QFileInfo(folder + entry).isDir(), entry);
    QVERIFY(readAll(folder + "/Messages.html").contains("<script src=\"./json/message.js\"></script>"));
    const QByteArray common = readAll(folder + "/json/common.js");
    QVERIFY(common.startsWith("window.common = {"));
    const QString model = QFileInfo(summary.value("root").toString()).fileName().section('_', 0, 0);
    QVERIFY2(common.contains("\"Title\": \"" + model.toUtf8() + "'s Messages\""), common.constData());
    const QByteArray script = readAll(folder + "/json/message.js");
    QVERIFY(script.startsWith("window.dict=[{"));
    QVERIFY(script.endsWith("\n],\n}]"));

    const QJsonArray dict = evaluateDict(script);
    QCOMPARE(dict.size(), 3);
    QMap<QString, QJsonObject> messages; // by text
    for (int i = 0; i < dict.size(); ++i) {
        const QJsonObject chat = dict.at(i).toObject();
        QCOMPARE(chat.value("id").toInt(), i + 1);
        const QJsonArray list = chat.value("messages").toArray();
        QVERIFY(!list.isEmpty());
        for (int j = 0; j < list.size(); ++j) {
            const QJsonObject message = list.at(j).toObject();
            QCOMPARE(message.value("id").toInt(), j + 1);
            const QJsonObject info = message.value("info").toObject();
            QCOMPARE(message.value("errorMeaning").toString(),
                     message.value("error").toInt() == 4 ? QStringLiteral("Unsent") : QString());
            messages.insert(info.value("message").toString(), message);
            if (info.contains("local_path")) {
                const QByteArray bytes = readAll(folder + '/' + info.value("local_path").toString());
                QVERIFY2(bytes == QByteArray::fromStdString(Jpeg) || bytes == QByteArray::fromStdString(Pdf),
                         qPrintable(info.value("local_path").toString()));
            }
        }
    }
    QCOMPARE(messages.size(), 7);
    QVERIFY2(messages.contains("I <3 <b>you</b>"), qPrintable(QStringList(messages.keys()).join('|')));
    QVERIFY(messages.contains("ab"));
    QCOMPARE(messages.value("never left").value("errorMeaning").toString(), QStringLiteral("Unsent"));
    QCOMPARE(messages.value("never left").value("alignment").toInt(), 2);
    QCOMPARE(messages.value("Hello there").value("info").toObject().value("messageType").toInt(), 2);
    // An attachment message carries the attachment's file name as the store holds it.
    QJsonObject photo, document;
    for (const QJsonObject &message : qAsConst(messages)) {
        const QString name = message.value("info").toObject().value("message").toString();
        if (name.endsWith(".JPG"))
            photo = message.value("info").toObject();
        if (name.endsWith(".pdf"))
            document = message.value("info").toObject();
    }
    QCOMPARE(photo.value("messageType").toInt(), 3);
    QCOMPARE(photo.value("local_path").toString(), "resource/Attachment/" + photo.value("message").toString());
    QCOMPARE(readAll(folder + '/' + photo.value("local_path").toString()), QByteArray::fromStdString(Jpeg));
    QCOMPARE(document.value("messageType").toInt(), 6);
    QCOMPARE(readAll(folder + '/' + document.value("local_path").toString()), QByteArray::fromStdString(Pdf));
}

void ChatsExportTest::whatsAppFolders()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    BackupBuilder backup(dir.filePath("backup").toStdString());
    ChatStorageBuilder chats;
    const std::string ann = "4915100001@s.whatsapp.net";
    const std::string bob = "4915100002@s.whatsapp.net";
    chats.addPushName(ann, "Ann");
    const int single = chats.addSession(ann, "Ann");
    const int group = chats.addSession("120363@g.us", "Trip", 1);
    chats.addGroupMember(group, ann);
    chats.addGroupMember(group, bob);
    ChatStorageBuilder::Message text;
    text.session = single;
    text.fromJid = ann;
    text.text = "I <3 it";
    text.date = 700000000;
    chats.addMessage(text);
    ChatStorageBuilder::Message photo = text;
    photo.type = 1;
    photo.text.clear();
    photo.date = 700000100;
    photo.starred = 1;
    ChatStorageBuilder::MediaItem picture;
    picture.localPath = "Media/4915100001@s.whatsapp.net/a/b/photo.jpg";
    picture.fileSize = 9;
    ChatStorageBuilder::addMediaFile(backup, picture.localPath, "jpg bytes");
    chats.addMessage(photo, picture);
    ChatStorageBuilder::Message hello = text;
    hello.session = group;
    hello.text = "hello group";
    hello.date = 700000200;
    chats.addMessage(hello);
    chats.addTo(backup);
    ChatStorageBuilder::addOwner(backup, "4917600009@s.whatsapp.net");
    backup.write();
    QVERIFY(QDir().mkpath(dir.filePath("out")));

    QProcess ownerScan;
    ownerScan.start(VARDEX_SCAN_PATH, {"--owner", "--backup", dir.filePath("backup")});
    QVERIFY(ownerScan.waitForFinished(60000));
    const QString owner = QString::fromUtf8(ownerScan.readAllStandardOutput().trimmed());
    QVERIFY(!owner.isEmpty());

    const QJsonObject summary = runExport(dir.filePath("backup"), "131072", dir.filePath("out"));
    QCOMPARE(summary.value("error").toInt(), 0);
    QVERIFY(summary.value("total").toInt() >= 3);
    QCOMPARE(summary.value("processed").toInt(), summary.value("total").toInt());
    QCOMPARE(summary.value("succeeded").toInt(), summary.value("total").toInt());

    const QString folder = summary.value("root").toString() + "/WhatsApp";
    const QJsonArray singles = evaluateDict(readAll(folder + "/json/single/contacts.js"));
    QCOMPARE(singles.size(), 1);
    // One page per block, its scripts in the block's folder, its header
    // titled with the owner.
    for (const QString &block : {QStringLiteral("single"), QStringLiteral("group"), QStringLiteral("star")}) {
        const QByteArray common = readAll(folder + "/json/" + block + "/common.js");
        QVERIFY2(common.startsWith("window.common={"), qPrintable(block));
        QVERIFY(common.contains("\"Account\": \"" + owner.toUtf8() + "\""));
    }
    QVERIFY(readAll(folder + "/json/single/common.js").contains("\"Title\": \"" + owner.toUtf8() + "'s Single Messages\""));
    const QByteArray page = readAll(folder + "/Starred Messages.html");
    QVERIFY(page.contains("<script src=\"./json/star/contacts.js\"></script>"));
    QVERIFY(page.contains("<script src=\"./json/star/common.js\"></script>"));
    QVERIFY(QFileInfo(folder + "/Single Messages.html").isFile());
    QVERIFY(QFileInfo(folder + "/Group Messages.html").isFile());
    const QJsonArray messages = singles.at(0).toObject().value("messages").toArray();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.at(0).toObject().value("message").toString(), QStringLiteral("I <3 it"));
    const QString local = messages.at(1).toObject().value("info").toObject().value("local_path").toString();
    QCOMPARE(readAll(folder + '/' + local), QByteArray("jpg bytes"));

    const QJsonArray groups = evaluateDict(readAll(folder + "/json/group/contacts.js"));
    QCOMPARE(groups.size(), 1);
    const QString members = groups.at(0).toObject().value("grpMembers").toString();
    QVERIFY2(members.startsWith(QStringLiteral("To: You(+%1), ").arg(owner)), qPrintable(members + " / " + owner));
    const QJsonArray starred = evaluateDict(readAll(folder + "/json/star/contacts.js"));
    QCOMPARE(starred.size(), 1);
    QCOMPARE(starred.at(0).toObject().value("messages").toArray().size(), 1);
}

QTEST_GUILESS_MAIN(ChatsExportTest)
#include "chatsexport_test.moc"
