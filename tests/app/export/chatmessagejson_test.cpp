#include "chatexportrecorder.h"
#include "chatmessagejson.h"
#include "deviceparser.h"
#include "markingtranslator.h"
#include "storeseeding.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QTemporaryDir>
#include <QtTest>


using namespace DeviceData;

Q_DECLARE_METATYPE(QJsonObject)

namespace {

struct Expect
{
    int messageType = 0;
    QVariant message; // invalid: no "message" member
    int counted = 0;
    int queued = 0;
    QVariantMap members; // item or info members (info ones prefixed "info.")
};

// The message's bytes must be compact JSON as QJsonDocument writes it.
QJsonObject smsJson(const QString &folder, const SMSInfo &message, int id, bool *queued)
{
    QByteArray bytes;
    appendSmsMessageJson(bytes, folder, message, id, queued);
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(bytes, &error).object();
    if (error.error != QJsonParseError::NoError || QJsonDocument(object).toJson(QJsonDocument::Compact) != bytes)
        qWarning("not as QJsonDocument writes it: %s", bytes.constData());
    return QJsonDocument(object).toJson(QJsonDocument::Compact) == bytes ? object : QJsonObject();
}

} // namespace

Q_DECLARE_METATYPE(Expect)

class ChatMessageJsonTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void smsKinds_data();
    void smsKinds();
    void smsMembers();
    void jsonStrings_data();
    void jsonStrings();
    void chatMembers_data();
    void chatMembers();
    void lineKinds_data();
    void lineKinds();
    void lineMembers();
    void waKinds_data();
    void waKinds();
    void waMembers();

private:
    QString src(const QString &name) const { return m_dir.path() + QStringLiteral("/src/") + name; }
    QString folder() const { return m_dir.path() + QStringLiteral("/out"); }
    void checkMembers(const QJsonObject &item, const QJsonObject &info, const QVariantMap &members);
    void checkCopies(int queued);
    void checkBuilt(const QJsonObject &item, const QJsonObject &info, const Expect &expect);

    QTemporaryDir m_dir;
    MarkingTranslator m_translator{"QObject"};
    ChatExportRecorder *m_recorder = nullptr;
};

void ChatMessageJsonTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCoreApplication::installTranslator(&m_translator);
    for (const char *name : {"photo.jpg", "clip.mov", "thumb.jpg", "voice.m4a", "doc.pdf", "card"})
        QVERIFY(!writeSourceFile(src(QLatin1String(name)), QByteArray("bytes of ") + name).isEmpty());
}

void ChatMessageJsonTest::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_translator);
}

void ChatMessageJsonTest::init()
{
    delete m_recorder;
    m_recorder = new ChatExportRecorder;
    QDir(folder()).removeRecursively();
    DeviceParser::instance()->clearAll();
}

void ChatMessageJsonTest::checkMembers(const QJsonObject &item, const QJsonObject &info, const QVariantMap &members)
{
    for (auto it = members.cbegin(); it != members.cend(); ++it) {
        const bool inInfo = it.key().startsWith(QLatin1String("info."));
        const QString key = inInfo ? it.key().mid(5) : it.key();
        const QJsonObject &object = inInfo ? info : item;
        QVERIFY2(object.contains(key), qPrintable(it.key()));
        const QJsonValue expected = QJsonValue::fromVariant(it.value());
        QVERIFY2(object.value(key) == expected,
                 qPrintable(QStringLiteral("%1: %2").arg(it.key(), object.value(key).toVariant().toString())));
    }
}

// Every queued copy goes from an existing source into the folder's
// attachment folder under the name its JSON path gives.
void ChatMessageJsonTest::checkCopies(int queued)
{
    QCOMPARE(m_recorder->copies.size(), queued);
    for (const auto &copy : qAsConst(m_recorder->copies)) {
        QVERIFY(QFileInfo(copy.first).isFile());
        QVERIFY2(copy.second.startsWith(folder() + QStringLiteral("/resource/Attachment/")), qPrintable(copy.second));
    }
}

// The row's message type and text, what it counted and queued, and the
// members it names.
void ChatMessageJsonTest::checkBuilt(const QJsonObject &item, const QJsonObject &info, const Expect &expect)
{
    QCOMPARE(item.value("messageType").toInt(), expect.messageType);
    QCOMPARE(item.contains("message"), expect.message.isValid());
    if (expect.message.isValid())
        QCOMPARE(item.value("message").toString(), expect.message.toString());
    QCOMPARE(m_recorder->counted.load(), expect.counted);
    checkCopies(expect.queued);
    checkMembers(item, info, expect.members);
}

void ChatMessageJsonTest::smsKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("thumb");
    QTest::addColumn<int>("messageType");
    QTest::addColumn<bool>("queued");
    QTest::addColumn<QVariantMap>("info");
    const QString photo = src("photo.jpg");
    QTest::newRow("text") << 11 << QString() << QString() << 2 << false
                          << QVariantMap{{"message", "I <3 you"}, {"timeStamp", 1700000000}};
    QTest::newRow("photo") << 2 << photo << QString() << 3 << true
                           << QVariantMap{{"local_path", "resource/Attachment/photo.jpg"}, {"size", "2KB"}};
    QTest::newRow("photo missing") << 2 << src("gone.jpg") << QString() << 3 << false
                                   << QVariantMap{{"local_path", "resource/Attachment/gone.jpg"}};
    QTest::newRow("video with thumbnail")
        << 0 << src("clip.mov") << src("thumb.jpg") << 4 << true
        << QVariantMap{{"local_path", "resource/Attachment/clip.mov"},
                       {"thumbnailPath", "resource/Attachment/thumb.jpg"}};
    QTest::newRow("video without thumbnail") << 0 << src("clip.mov") << src("none.jpg") << 4 << true
                                             << QVariantMap{{"thumbnailPath", ""}};
    QTest::newRow("audio") << 1 << src("voice.m4a") << QString() << 6 << true
                           << QVariantMap{{"local_path", "resource/Attachment/voice.m4a"}};
    QTest::newRow("other kind 5") << 5 << src("doc.pdf") << QString() << 6 << true << QVariantMap{};
    QTest::newRow("other kind 12") << 12 << src("doc.pdf") << QString() << 6 << true << QVariantMap{};
    QTest::newRow("unsafe name") << 7 << src("gone:1.pdf") << QString() << 6 << false
                                 << QVariantMap{{"local_path", "resource/Attachment/gone_1.pdf"}};
}

void ChatMessageJsonTest::smsKinds()
{
    QFETCH(int, kind);
    QFETCH(QString, path);
    QFETCH(QString, thumb);
    QFETCH(int, messageType);
    QFETCH(bool, queued);
    QFETCH(QVariantMap, info);

    SMSInfo message;
    message.mediaKind = quint16(kind);
    message.text = kind == 11 ? QStringLiteral("I &lt;3 you") : QStringLiteral("file name");
    message.attachmentPath = path;
    message.attachmentPreview = thumb;
    message.attachmentSizeText = QStringLiteral("2KB");
    message.time = 1700000000;
    bool wasQueued = !queued;
    const QJsonObject object = smsJson(folder(), message, 7, &wasQueued);
    QCOMPARE(wasQueued, queued);
    checkCopies(queued ? 1 : 0);
    QCOMPARE(m_recorder->counted.load(), 0); // the chat writer counts
    const QJsonObject infoObject = object.value("info").toObject();
    QCOMPARE(infoObject.value("messageType").toInt(), messageType);
    QCOMPARE(infoObject.contains("size"), kind != 11);
    QCOMPARE(infoObject.contains("local_path"), kind != 11);
    QCOMPARE(infoObject.contains("thumbnailPath"), kind == 0);
    QCOMPARE(object.value("type").toInt(), kind);
    QCOMPARE(object.value("id").toInt(), 7);
    checkMembers(QJsonObject(), infoObject,
                 [&] {
                     QVariantMap prefixed;
                     for (auto it = info.cbegin(); it != info.cend(); ++it)
                         prefixed.insert("info." + it.key(), it.value());
                     return prefixed;
                 }());
    if (kind == 0 && !thumb.contains("none")) {
        QFile copied(folder() + "/resource/Attachment/thumb.jpg");
        QVERIFY(copied.open(QIODevice::ReadOnly));
        QCOMPARE(copied.readAll(), QByteArray("bytes of thumb.jpg"));
    }
}

void ChatMessageJsonTest::smsMembers()
{
    SMSInfo message;
    message.direction = 2;
    message.isFromMe = true;
    message.isSms = true;
    message.isGroup = true;
    message.deleted = true;
    for (quint16 error : {0, 3, 4, 5}) {
        message.error = error;
        const QJsonObject object = smsJson(folder(), message, 1, nullptr);
        QCOMPARE(object.value("error").toInt(), int(error));
        QCOMPARE(object.value("errorMeaning").toString(), error == 4 ? QStringLiteral("[Unsent]") : QString());
    }
    const QJsonObject object = smsJson(folder(), message, 1, nullptr);
    checkMembers(object, QJsonObject(),
                 {{"alignment", 2}, {"isDeleted", true}, {"isExist", false}, {"isForward", false},
                  {"isFromme", true}, {"isGroupChat", true}, {"isSMS", true}});
    QCOMPARE(object.keys(), (QStringList{"alignment", "error", "errorMeaning", "id", "info", "isDeleted", "isExist",
                                         "isForward", "isFromme", "isGroupChat", "isSMS", "type"}));
}

void ChatMessageJsonTest::jsonStrings_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "hello";
    QTest::newRow("empty") << "";
    QTest::newRow("quote and backslash") << "say \"hi\" C:\\path\\";
    QTest::newRow("named controls") << "a\bb\fc\nd\re\tf";
    QTest::newRow("other controls") << QString::fromUtf16(u"\u0000\u0001\u001f\u007f x");
    QTest::newRow("slash and markup") << "</script><img src=x>";
    QTest::newRow("non-ASCII") << QString::fromUtf16(u"\u3053\u3093\u306b\u3061\u306f \u00e9 \u20ac");
    QTest::newRow("surrogate pair") << QString::fromUtf16(u"\U0001F600 ok");
    QTest::newRow("lone surrogate") << QString(QStringLiteral("a") + QChar(0xd800) + QStringLiteral("b"));
    QTest::newRow("object replacement") << QString::fromUtf16(u"\ufffc");
}

// Byte for byte what QJsonDocument writes for the same text.
void ChatMessageJsonTest::jsonStrings()
{
    QFETCH(QString, text);
    QByteArray ours;
    appendJsonString(ours, text);
    const QByteArray qt = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    QCOMPARE(ours, qt.mid(1, qt.size() - 2));
}

void ChatMessageJsonTest::chatMembers_data()
{
    QTest::addColumn<QString>("recipients");
    QTest::addColumn<bool>("group");
    QTest::addColumn<QString>("members");
    QTest::addColumn<QString>("avatar");
    QTest::newRow("known and unknown") << "+4915100001,+4915100002" << true
                                       << "[To: ]Ann Lee(+4915100001), +4915100002"
                                       << "resource/ATIcon/default_Group.png";
    QTest::newRow("two commas") << "111,,222" << false << "[To: ]111, 222" << "resource/ATIcon/default_Persion.png";
    QTest::newRow("none") << "" << false << "[To: ]" << "resource/ATIcon/default_Persion.png";
}

void ChatMessageJsonTest::chatMembers()
{
    QFETCH(QString, recipients);
    QFETCH(bool, group);
    QFETCH(QString, members);
    QFETCH(QString, avatar);
    ContactInfo contact;
    contact.sortName = QStringLiteral("Ann Lee");
    contact.phones = {{QStringLiteral("_$!<Mobile>!$_"), QStringLiteral("+4915100001")}};
    DeviceParser::instance()->setRecords(0, Contacts, {QVariant::fromValue(contact)});

    SMSSessionInfo chat;
    chat.displayName = QStringLiteral("Trip");
    SMSInfo last;
    last.participants = recipients;
    last.isGroup = group;
    QJsonObject head;
    chatMembersToJson(head, chat, last);
    QCOMPARE(head.value("name").toString(), QStringLiteral("Trip"));
    QCOMPARE(head.value("grpMembers").toString(), members);
    QCOMPARE(head.value("avatar").toString(), avatar);
}

static LineInfo lineMessage(int type, const QString &path = QString(), const QString &name = QString())
{
    LineInfo m;
    m.contentType = type;
    m.filePath = path;
    m.contentText = name;
    m.text = QStringLiteral("Voice call ended");
    return m;
}

void ChatMessageJsonTest::lineKinds_data()
{
    QTest::addColumn<LineInfo>("message");
    QTest::addColumn<Expect>("expect");
    const QString hint = QStringLiteral("[Before restoring data, please download the file first!]");
    auto row = [](const char *name, const LineInfo &m, Expect e) { QTest::newRow(name) << m << e; };

    LineInfo text = lineMessage(0);
    text.text = QStringLiteral("hi <b>");
    row("0 text", text, {2, "hi <b>", 1, 0, {{"info.local_path", ""}}});
    row("107 text", lineMessage(107), {2, "Voice call ended", 1, 0, {}});
    row("1 photo", lineMessage(1, src("photo.jpg"), "pic.jpg"),
        {3, {}, 0, 1, {{"info.local_path", "resource/Attachment/pic.jpg"}}});
    row("96 photo missing", lineMessage(96, src("gone.jpg"), "gone.jpg"),
        {3, hint, 1, 0, {{"info.local_path", "resource/Attachment/gone.jpg"}}});
    row("112 photo", lineMessage(112, src("photo.jpg"), "p.jpg"), {3, {}, 0, 1, {}});
    LineInfo video = lineMessage(2, src("clip.mov"), "clip.mov");
    video.altPath = src("thumb.jpg");
    row("2 video", video, {4, {}, 0, 1, {{"info.thumbnail_path", "resource/Attachment/thumb.jpg"}}});
    video.altPath = src("none.jpg");
    row("2 video without thumbnail", video, {4, {}, 0, 1, {{"info.thumbnail_path", ""}}});
    LineInfo audio = lineMessage(3, src("voice.m4a"), "voice.m4a");
    audio.latitude = 65500;
    row("3 audio, half second up", audio, {6, {}, 0, 1, {{"info.media_duration", "01:06"}}});
    audio.filePath = src("gone.m4a");
    row("3 audio missing", audio, {6, hint, 1, 0, {{"info.media_duration", ""}}});

    LineInfo call = lineMessage(6);
    call.latitude = 65400;
    call.ownFlag = 1;
    call.extraNumber = 1;
    row("6 group video", call, {13, {}, 1, 0, {{"info.media_caption", "Group video started."}, {"callType", 1}}});
    call.extraNumber = 0;
    row("6 group voice", call, {13, {}, 1, 0, {{"info.media_caption", "Group voice started."}}});
    call.ownFlag = 0;
    call.extraText1 = QStringLiteral("NORMAL");
    call.extraNumber = 1;
    row("6 video call", call,
        {13, {}, 1, 0, {{"info.media_caption", "Video call"}, {"info.media_duration", "01:05"}}});
    call.extraNumber = 0;
    row("6 voice call", call,
        {13, {}, 1, 0, {{"info.media_caption", "Voice call"}, {"info.media_duration", "01:05"}}});
    call.extraText1 = QStringLiteral("NO_ANSWER");
    row("6 other result", call, {13, {}, 1, 0, {{"info.media_caption", "NO_ANSWER"}, {"info.media_duration", ""}}});

    row("7 emoji", lineMessage(7, src("photo.jpg")),
        {11, {}, 1, 0, {{"info.local_path", "resource/ATIcon/emojis_invalid.png"}}});
    LineInfo card = lineMessage(13);
    card.extraText3 = QStringLiteral("Aiko Sato");
    card.altPath = QStringLiteral("x.jpg");
    row("13 contact", card, {8, {}, 1, 0, {{"info.media_name", "Aiko Sato"}, {"info.thumbnail_path", ""}}});
    row("14 document", lineMessage(14, src("doc.pdf"), "report.pdf"),
        {7, {}, 0, 1, {{"info.local_path", "resource/Attachment/report.pdf"}}});
    row("18 call ended", lineMessage(18), {12, "[Voice call ended]", 1, 0, {}});
    LineInfo place = lineMessage(100);
    place.text = QStringLiteral("Shibuya");
    row("100 location", place,
        {9, {}, 1, 0,
         {{"info.media_caption", "Shibuya"}, {"info.thumbnail_path", "resource/ATIcon/wa/test_map.png"}}});
    row("5 unsupported", lineMessage(5), {12, "[Unsupported data type!]", 1, 0, {}});
    row("113 unsupported", lineMessage(113), {12, "[Unsupported data type!]", 1, 0, {}});
    row("high bits ignored", lineMessage(0x10000 | 1, src("photo.jpg"), "a.jpg"), {3, {}, 0, 1, {{"waType", 1}}});
}

void ChatMessageJsonTest::lineKinds()
{
    QFETCH(LineInfo, message);
    QFETCH(Expect, expect);
    QJsonObject item, info;
    chatMessageToJson(folder(), message, item, info);
    checkBuilt(item, info, expect);
}

void ChatMessageJsonTest::lineMembers()
{
    storeLineUser(QStringLiteral("u1"), QStringLiteral("Aiko"));
    LineInfo m = lineMessage(0);
    m.senderMid = QStringLiteral("u1");
    m.time = 1700000000123;
    m.direction = 1;
    m.extraNumber = 1;
    m.valid = true;
    m.spare = true;
    m.sizeText = QStringLiteral("3KB");
    m.altPath = QStringLiteral("/backup/t.jpg");
    for (int status : {0, 2, 4}) {
        m.sendStatus = status;
        QJsonObject item, info;
        chatMessageToJson(folder(), m, item, info);
        QCOMPARE(item.value("sendstatus").toString(),
                 status == 2 ? QStringLiteral("[Failed to send]") : status == 4 ? QStringLiteral("[Unsent]") : QString());
        checkMembers(item, info,
                     {{"alignment", 1}, {"callType", 1}, {"isDelete", true}, {"isExist", true}, {"isGif", false},
                      {"isIOSBackup", true}, {"isQuote", false}, {"isSysInfo", false}, {"sender", "Aiko"},
                      {"timesStamp", 1700000000123LL}, {"waType", 0}, {"info.dataSize", "3KB"},
                      {"info.media_caption", ""}, {"info.media_duration", ""},
                      {"info.thumbnail_path", "/backup/t.jpg"}});
    }
    m.senderMid = QStringLiteral("unknown");
    QJsonObject item, info;
    chatMessageToJson(folder(), m, item, info);
    QCOMPARE(item.value("sender").toString(), QStringLiteral("unknown"));
}

static WaMessageInfo waMessage(int type, const QString &path = QString(), const QString &name = QString())
{
    WaMessageInfo m;
    m.messageType = type;
    m.mediaPath = path;
    m.fileName = name;
    m.text = QStringLiteral("I &lt;3 it");
    return m;
}

void ChatMessageJsonTest::waKinds_data()
{
    QTest::addColumn<WaMessageInfo>("message");
    QTest::addColumn<Expect>("expect");
    const QString hint = QStringLiteral("[Before restoring data, please download the file first!]");
    auto row = [](const QByteArray &name, const WaMessageInfo &m, Expect e) {
        QTest::newRow(name.constData()) << m << e;
    };

    for (int type : {0, 6, 7}) {
        row("text " + QByteArray::number(type), waMessage(type), {2, "I <3 it", 1, 0, {{"isSysInfo", false}}});
        WaMessageInfo system = waMessage(type);
        system.isSystemText = 1;
        system.text = QStringLiteral("Ann left");
        row("system " + QByteArray::number(type), system, {12, "Ann[ left]", 1, 0, {{"isSysInfo", true}}});
    }
    row("1 photo keeps the source name", waMessage(1, src("photo.jpg"), "Shown.jpg"),
        {3, {}, 0, 1, {{"info.local_path", "resource/Attachment/photo.jpg"}}});
    for (int type : {15, 38, 42})
        row("photo missing " + QByteArray::number(type), waMessage(type, src("gone.webp")),
            {3, hint, 1, 0, {{"info.local_path", "resource/Attachment/gone.webp"}}});
    for (int type : {2, 11, 13, 39}) {
        WaMessageInfo video = waMessage(type, src("clip.mov"), "Holiday.mov");
        video.thumbnailPath = src("thumb.jpg");
        row("video " + QByteArray::number(type), video,
            {4, {}, 0, 1,
             {{"isGif", type == 11},
              {"info.local_path", "resource/Attachment/Holiday.mov"},
              {"info.thumbnail_path", "resource/Attachment/thumb.jpg"}}});
    }
    WaMessageInfo song = waMessage(3, src("voice.m4a"), "song.m4a");
    song.mediaTitle = QStringLiteral("Song");
    row("3 audio with title", song, {5, {}, 0, 1, {{"info.local_path", "resource/Attachment/song.m4a"}}});
    row("3 voice note", waMessage(3, src("voice.m4a"), "voice.opus"), {6, {}, 0, 1, {}});
    row("3 voice missing", waMessage(3, src("gone.opus"), "gone.opus"), {6, hint, 1, 0, {}});
    row("4 contact card", waMessage(4, src("card"), "Ann Lee"),
        {8, {}, 0, 1, {{"info.local_path", "resource/Attachment/Ann Lee.vcf"}}});
    WaMessageInfo place = waMessage(5);
    place.latitude = 35.689487f;
    place.longitude = 139.691711f;
    row("5 location without caption", place,
        {9, {}, 1, 0,
         {{"info.media_caption", "(Long:139.692 Lat:35.6895)"},
          {"info.thumbnail_path", "resource/ATIcon/wa/test_map.png"}}});
    place.mediaTitle = QStringLiteral("Home");
    row("5 location with caption", place, {9, {}, 1, 0, {{"info.media_caption", "Home"}}});
    row("8 document", waMessage(8, src("doc.pdf"), "a:b.pdf"),
        {7, {}, 0, 1, {{"info.local_path", "resource/Attachment/a_b.pdf"}}});
    WaMessageInfo call = waMessage(10);
    call.text = QStringLiteral("Ann started a video call");
    row("10 video call", call,
        {13, {}, 1, 0,
         {{"isExist", true}, {"callType", 1}, {"info.media_caption", "Ann [started a video call]"}}});
    call.text = QStringLiteral("Ann started a call");
    row("10 voice call", call, {13, {}, 1, 0, {{"callType", 0}}});
    row("12 expired", waMessage(12), {10, "[This file has expired!]", 1, 0, {}});
    row("14 deleted", waMessage(14), {12, "[This message has been deleted!]", 1, 0, {}});
    for (int type : {-1, 9, 16, 37, 40, 41, 43})
        row("unsupported " + QByteArray::number(type), waMessage(type),
            {12, "[Unsupported data type!]", 1, 0, {{"waType", type}}});
}

void ChatMessageJsonTest::waKinds()
{
    QFETCH(WaMessageInfo, message);
    QFETCH(Expect, expect);
    QJsonObject item, info;
    waMessageToJson(folder(), message, item, info);
    checkBuilt(item, info, expect);
    QCOMPARE(item.contains("isGif"), QList<int>({2, 11, 13, 39}).contains(message.messageType));
    QCOMPARE(item.contains("callType"), message.messageType == 10);
}

void ChatMessageJsonTest::waMembers()
{
    WaMessageInfo m = waMessage(0);
    m.senderName = QStringLiteral("Ann");
    m.messageStatus = 8;
    m.date = 1700000000; // seconds in our record
    m.isQuote = 1;
    m.direction = 2;
    m.movieDuration = 42;
    m.mediaExists = true;
    m.fileSizeText = QStringLiteral("1MB");
    QJsonObject item, info;
    waMessageToJson(folder(), m, item, info);
    checkMembers(item, info,
                 {{"alignment", 2}, {"isDelete", false}, {"isExist", true}, {"isIOSBackup", true}, {"isQuote", 1},
                  {"sender", "Ann"}, {"sendstatus", 8}, {"timesStamp", 1700000000}, {"waType", 0},
                  {"info.dataSize", "1MB"}, {"info.media_duration", 42}, {"info.media_caption", ""}});
}

QTEST_GUILESS_MAIN(ChatMessageJsonTest)
#include "chatmessagejson_test.moc"
