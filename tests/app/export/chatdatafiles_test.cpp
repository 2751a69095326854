#include "chatdatafiles.h"
#include "chatscript.h"
#include "chatexportrecorder.h"
#include "deviceparser.h"

#include <QTemporaryDir>
#include <QtTest>


using namespace DeviceData;

namespace {


// What a page sees: the file run as a script, window.dict as JSON text.

SMSInfo smsText(const QString &text, qint64 time, const QString &participants = QStringLiteral("+111"))
{
    SMSInfo m;
    m.text = text;
    m.time = time;
    m.participants = participants;
    m.direction = 1;
    return m;
}

QVariant smsChat(const QString &key, const QString &name, qint64 time, bool checked, bool deleted = false)
{
    SMSSessionInfo chat;
    chat.key = key;
    chat.displayName = name;
    chat.time = time;
    chat.count = checked ? 2 : 0;
    chat.deleted = deleted;
    return QVariant::fromValue(chat);
}

LineInfo lineText(const QString &text, qint64 time)
{
    LineInfo m;
    m.text = text;
    m.time = time;
    m.direction = 2;
    return m;
}

QVariant lineChat(int id, quint16 kind, bool checked, const LineInfo &last = LineInfo())
{
    LineSessionInfo chat;
    chat.id = id;
    chat.mid = QStringLiteral("u%1").arg(id);
    chat.title = QStringLiteral("Line %1").arg(id);
    chat.chatKind = kind;
    chat.spare2 = checked ? 2 : 0;
    chat.lastMessage = QVariant::fromValue(last);
    return QVariant::fromValue(chat);
}

QVariant waChat(int id, quint16 kind, const QVariant &last)
{
    WaSessionInfo chat;
    chat.id = id;
    chat.contactJid = QStringLiteral("49%1@s.whatsapp.net").arg(id);
    chat.title = QStringLiteral("Wa %1").arg(id);
    chat.chatKind = kind;
    chat.spare2 = 2;
    chat.lastMessage = last;
    return QVariant::fromValue(chat);
}

WaMessageInfo waText(const QString &text, qint64 seconds)
{
    WaMessageInfo m;
    m.text = text;
    m.date = seconds;
    m.direction = 1;
    return m;
}

} // namespace

class ChatDataFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void smsFileBytes();
    void smsStopsBetweenChats();
    void smsReplacesLongerFile();
    void unwritableDataFilesAreErrors();
    void lineBlocks();
    void lineStopAfterChat();
    void whatsAppBlocks();
    void unopenableBlockEndsWriter();

private:
    QString folder() const { return m_dir->path() + QStringLiteral("/Chats"); }

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<ChatExportRecorder> m_recorder;
};

void ChatDataFilesTest::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_recorder.reset(new ChatExportRecorder);
    DeviceParser::instance()->clearAll();
}

void ChatDataFilesTest::cleanup()
{
    m_recorder.reset();
}

void ChatDataFilesTest::smsFileBytes()
{
    const QString photo = writeSourceFile(m_dir->path() + "/src/IMG_1.jpg", "jpeg bytes");
    SMSInfo picture = smsText("IMG_1.jpg", 60);
    picture.mediaKind = ImageKind;
    picture.attachmentPath = photo;
    picture.attachmentSizeText = "10B";
    picture.direction = 2;
    picture.error = 4;
    picture.isFromMe = true;
    SMSInfo group = smsText("see you &lt;3", 200, "+111,+222");
    group.isGroup = true;
    group.deleted = true;
    DeviceParser::instance()->setSmsMessages("a", {smsText("hi", 50), picture});
    DeviceParser::instance()->setSmsMessages("b", {smsText("unchecked", 70)});
    DeviceParser::instance()->setSmsMessages("d", {group});
    const std::atomic<bool> running{true};
    writeSmsDataFile(folder(),
                     {smsChat("a", "Ann", 100, true), smsChat("b", "Bob", 150, false), smsChat("c", "Cy", 300, true),
                      QVariant(42), smsChat("d", "Trip", 200, true, true)},
                     running);

    const QByteArray expected =
        "window.dict=["
        "{\"avatar\":\"resource/ATIcon/default_Persion.png\",\"grpMembers\":\"To: +111\",\"id\":1,"
        "\"isDeleted\":false,\"latest_msg\":\"[Photos]\",\"name\":\"Ann\",\"timer\":100,"
        "\"messages\":[\n"
        "{\"alignment\":1,\"error\":0,\"errorMeaning\":\"\",\"id\":1,"
        "\"info\":{\"message\":\"hi\",\"messageType\":2,\"timeStamp\":50},"
        "\"isDeleted\":false,\"isExist\":false,\"isForward\":false,\"isFromme\":false,\"isGroupChat\":false,"
        "\"isSMS\":false,\"type\":11},"
        "{\"alignment\":2,\"error\":4,\"errorMeaning\":\"Unsent\",\"id\":2,"
        "\"info\":{\"local_path\":\"resource/Attachment/IMG_1.jpg\",\"message\":\"IMG_1.jpg\",\"messageType\":3,"
        "\"size\":\"10B\",\"timeStamp\":60},"
        "\"isDeleted\":false,\"isExist\":false,\"isForward\":false,\"isFromme\":true,\"isGroupChat\":false,"
        "\"isSMS\":false,\"type\":2}"
        "\n],\n}"
        ","
        "{\"avatar\":\"resource/ATIcon/default_Group.png\",\"grpMembers\":\"To: +111, +222\",\"id\":2,"
        "\"isDeleted\":true,\"latest_msg\":\"see you <3\",\"name\":\"Trip\",\"timer\":200,"
        "\"messages\":[\n"
        "{\"alignment\":1,\"error\":0,\"errorMeaning\":\"\",\"id\":1,"
        "\"info\":{\"message\":\"see you <3\",\"messageType\":2,\"timeStamp\":200},"
        "\"isDeleted\":true,\"isExist\":false,\"isForward\":false,\"isFromme\":false,\"isGroupChat\":true,"
        "\"isSMS\":false,\"type\":11}"
        "\n],\n}"
        "]";
    const QByteArray written = readAll(folder() + "/json/message.js");
    QCOMPARE(written, expected);

    const QJsonArray dict = evaluateDict(written);
    QCOMPARE(dict.size(), 2);
    QCOMPARE(dict.at(1).toObject().value("id").toInt(), 2);
    QCOMPARE(dict.at(0).toObject().value("messages").toArray().size(), 2);

    QCOMPARE(m_recorder->counted.load(), 2); // the texts; the picture when its copy ends
    QCOMPARE(m_recorder->copies.size(), 1);
    QCOMPARE(m_recorder->copies.at(0).first, photo);
    QCOMPARE(m_recorder->copies.at(0).second, folder() + "/resource/Attachment/IMG_1.jpg");
}

void ChatDataFilesTest::smsStopsBetweenChats()
{
    DeviceParser::instance()->setSmsMessages("a", {smsText("one", 1), smsText("two", 2)});
    DeviceParser::instance()->setSmsMessages("b", {smsText("three", 3)});
    std::atomic<bool> running{true};
    m_recorder->onCount = [&running] { running = false; }; // stop while the first chat is written
    writeSmsDataFile(folder(), {smsChat("a", "A", 1, true), smsChat("b", "B", 2, true)}, running);
    m_recorder->onCount = nullptr;

    const QJsonArray dict = evaluateDict(readAll(folder() + "/json/message.js"));
    QCOMPARE(dict.size(), 1);
    QCOMPARE(dict.at(0).toObject().value("messages").toArray().size(), 2);

    running = false;
    writeSmsDataFile(folder(), {smsChat("a", "A", 1, true)}, running);
    QCOMPARE(readAll(folder() + "/json/message.js"), QByteArray("window.dict=[]"));
}

void ChatDataFilesTest::smsReplacesLongerFile()
{
    writeSourceFile(folder() + "/json/message.js", QByteArray(4096, 'x'));
    const std::atomic<bool> running{true};
    QCOMPARE(writeSmsDataFile(folder(), {}, running), RecoverError::NoError);
    QCOMPARE(readAll(folder() + "/json/message.js"), QByteArray("window.dict=[]"));
}

// A data file that cannot be written whole is an error, never a finished page.
void ChatDataFilesTest::unwritableDataFilesAreErrors()
{
    const std::atomic<bool> running{true};
    QDir().mkpath(folder() + "/json/message.js"); // a folder where the file goes
    QCOMPARE(writeSmsDataFile(folder(), {}, running), RecoverError::DiskNotFound);

    // Every write fails as on a full disk.
    QDir().mkpath(folder() + "/full/json/single");
    QVERIFY(QFile::link("/dev/full", folder() + "/full/json/single/contacts.js"));
    QCOMPARE(writeWhatsAppDataFiles(folder() + "/full", "1", {waChat(1, 0, QVariant())}, running),
             RecoverError::NotEnoughSpace);
}

void ChatDataFilesTest::lineBlocks()
{
    DeviceParser::instance()->setLineSessions(1, {lineText("a", 1700000000001), lineText("b", 1700000000002)});
    DeviceParser::instance()->setLineSessions(3, {lineText("kept", 1700000000003)});
    DeviceParser::instance()->setLineSessions(4, {lineText("never", 5)});
    DeviceParser::instance()->setLineSessions(6, {lineText("group", 7)});
    LineInfo deletedLast = lineText("b", 1700000000002);
    deletedLast.spare = true;
    const std::atomic<bool> running{true};
    writeLineDataFiles(folder(), "iPhone",
                       {lineChat(1, 0, true, deletedLast), lineChat(2, 2, true), lineChat(3, 100, true),
                        lineChat(4, 1, true), lineChat(5, 0, false), lineChat(6, 2, true)},
                       running);

    const QByteArray single = readAll(folder() + "/json/single/contacts.js");
    QVERIFY(single.startsWith(
        "window.dict=[{\"avatar\":\"resource/ATIcon/default_Persion.png\",\"grpMembers\":\"To: u1\",\"id\":1,"
        "\"isDeleted\":true,\"latest_msg\":\"b\",\"name\":\"Line 1\",\"timer\":1700000000002,\"messages\":[\n"
        "{\"alignment\":2,"));
    QVERIFY(single.endsWith("\n],\n}]"));
    const QJsonArray singles = evaluateDict(single);
    QCOMPARE(singles.size(), 1);
    const QJsonArray messages = singles.at(0).toObject().value("messages").toArray();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.at(1).toObject().value("id").toInt(), 2);
    QCOMPARE(messages.at(1).toObject().value("message").toString(), QStringLiteral("b"));

    // The group block numbers from 1 again; a chat without messages keeps
    // an empty list, and a chat whose last message is empty gets timer 0.
    const QByteArray group = readAll(folder() + "/json/group/contacts.js");
    QVERIFY(group.contains("\"id\":1,\"isDeleted\":false,\"latest_msg\":\"\",\"name\":\"Line 2\",\"timer\":0,"
                           "\"messages\":[\n\n],\n}"));
    const QJsonArray groups = evaluateDict(group);
    QCOMPARE(groups.size(), 2);
    QCOMPARE(groups.at(1).toObject().value("id").toInt(), 2);
    QCOMPARE(groups.at(0).toObject().value("avatar").toString(), QStringLiteral("resource/ATIcon/default_Group.png"));

    const QJsonArray keep = evaluateDict(readAll(folder() + "/json/keep/contacts.js"));
    QCOMPARE(keep.size(), 1);
    QCOMPARE(keep.at(0).toObject().value("name").toString(), QStringLiteral("Line 3"));

    // Kind 1 goes nowhere; its messages are not counted.
    for (const char *file : {"/json/single/contacts.js", "/json/group/contacts.js", "/json/keep/contacts.js"})
        QVERIFY(!readAll(folder() + file).contains("never"));
    QCOMPARE(m_recorder->counted.load(), 4);
}

void ChatDataFilesTest::lineStopAfterChat()
{
    DeviceParser::instance()->setLineSessions(1, {lineText("a", 1)});
    DeviceParser::instance()->setLineSessions(2, {lineText("b", 2)});
    std::atomic<bool> running{true};
    m_recorder->onCount = [&running] { running = false; };
    writeLineDataFiles(folder(), "iPhone", {lineChat(1, 0, true), lineChat(2, 0, true), lineChat(3, 2, true)},
                       running);
    m_recorder->onCount = nullptr;

    QCOMPARE(evaluateDict(readAll(folder() + "/json/single/contacts.js")).size(), 1);
    QVERIFY(!QFileInfo::exists(folder() + "/json/group"));
}

void ChatDataFilesTest::whatsAppBlocks()
{
    WaMessageInfo photo;
    photo.messageType = 1;
    photo.mediaPath = writeSourceFile(m_dir->path() + "/src/p.jpg", "photo");
    {
        QList<QVariant> first{QVariant::fromValue(waText("hello &lt;b&gt;", 1700000000)), QVariant::fromValue(photo)};
        DeviceParser::instance()->setSessionRecords(WhatsApp, 11, first);
        DeviceParser::instance()->setSessionRecords(WhatsApp, 13, {QVariant::fromValue(waText("group", 9))});
        DeviceParser::instance()->setSessionRecords(WhatsApp, 14, {QVariant(7)});
    }
    const std::atomic<bool> running{true};
    writeWhatsAppDataFiles(folder(), "4917600009",
                           {waChat(11, 0, QVariant::fromValue(waText("hello &lt;b&gt;", 1700000999))),
                            waChat(12, 1, QVariant()), waChat(13, 2, QVariant::fromValue(waText("g", 9))),
                            waChat(14, 101, QVariant::fromValue(waText("s", 8)))},
                           running);

    const QByteArray single = readAll(folder() + "/json/single/contacts.js");
    QVERIFY(single.startsWith("window.dict=[{\"avatar\":\"resource/ATIcon/default_Persion.png\","
                              "\"grpMembers\":\"To: 4911(+4911)\",\"id\":1,\"isDeleted\":false,"
                              "\"latest_msg\":\"hello <b>\",\"name\":\"Wa 11\",\"timer\":1700000999,"
                              "\"messages\":[\n"));
    const QJsonArray singles = evaluateDict(single);
    QCOMPARE(singles.size(), 2); // kind 1 is a single chat too
    QCOMPARE(singles.at(1).toObject().value("timer").toInt(), 0);
    QCOMPARE(singles.at(1).toObject().value("messages").toArray().size(), 0);
    const QJsonArray messages = singles.at(0).toObject().value("messages").toArray();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.at(0).toObject().value("message").toString(), QStringLiteral("hello <b>"));
    QCOMPARE(messages.at(0).toObject().value("timesStamp").toInt(), 1700000000);
    QCOMPARE(messages.at(1).toObject().value("info").toObject().value("local_path").toString(),
             QStringLiteral("resource/Attachment/p.jpg"));

    const QJsonArray groups = evaluateDict(readAll(folder() + "/json/group/contacts.js"));
    QCOMPARE(groups.size(), 1);
    QCOMPARE(groups.at(0).toObject().value("id").toInt(), 1);
    const QJsonArray starred = evaluateDict(readAll(folder() + "/json/star/contacts.js"));
    QCOMPARE(starred.size(), 1);
    // A record that is no message is still written, as an empty one.
    QCOMPARE(starred.at(0).toObject().value("messages").toArray().size(), 1);

    QCOMPARE(m_recorder->copies.size(), 1);
    QCOMPARE(m_recorder->counted.load(), 3);
}

void ChatDataFilesTest::unopenableBlockEndsWriter()
{
    QVERIFY(QDir().mkpath(folder() + "/json/single/contacts.js")); // a folder where the file belongs
    const std::atomic<bool> running{true};
    QCOMPARE(writeWhatsAppDataFiles(folder(), "1", {waChat(1, 0, QVariant()), waChat(2, 2, QVariant())}, running),
             RecoverError::DiskNotFound);
    QVERIFY(!QFileInfo::exists(folder() + "/json/group"));
}

QTEST_GUILESS_MAIN(ChatDataFilesTest)
#include "chatdatafiles_test.moc"
