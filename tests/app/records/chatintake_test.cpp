// LINE and WhatsApp records into the store, fed as the scan worker feeds
// them: hand-made engine records on a worker thread, receivers queued.

#include "deviceparser.h"
#include "deviceparser_p.h"
#include "intakedriver.h"
#include "recordbuilders.h"

#include <dbrecords.h>
#include <idbexecutor.h>
#include <vlog.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <functional>

using namespace DeviceData;
using namespace intakedriver;

namespace {

template <typename T>
QList<T> sessionOf(int scanType, int key)
{
    QList<T> out;
    for (const QVariant &v : parser()->sessionRecords(scanType, key))
        out << v.value<T>();
    return out;
}

STLineMessage lineMessage(int chat, const std::wstring &sender, int64_t timestamp, const std::wstring &text = L"")
{
    STLineMessage m;
    m.chat = chat;
    m.senderMid = sender;
    m.timestamp = timestamp;
    m.text = text;
    return m;
}

// Owns what a message quotes, as the engine's record does.
std::unique_ptr<STWhatsAppMessage> waMessage(int pk, int type, int session, int64_t dateMs,
                                             const std::wstring &text = L"")
{
    auto m = std::make_unique<STWhatsAppMessage>();
    m->pk = pk;
    m->messageType = type;
    m->chatSession = session;
    m->date = dateMs;
    m->text = text;
    m->peerJid = L"111@s.whatsapp.net";
    return m;
}

std::wstring wide(const QString &text)
{
    return text.toStdWString();
}

} // namespace

class ChatIntakeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void lineSessionsNeedTheirDirectoryEntry();
    void lineMessagesAndAttachments();
    void whatsAppMessageTypes_data();
    void whatsAppMessageTypes();
    void whatsAppSessionsMembersAndStarredEntries();
    void whatsAppRepliesKeepTheirQuoteAfterTheEnd();
    void contactCards();
    void contactCardTitle_data();
    void contactCardTitle();
    void nullAndLateRecordsChangeNothing();

private:
    QTemporaryDir m_files;
    QList<int> m_finished;
    QList<QPair<int, QVariant>> m_data;
    QList<QPair<int, int>> m_attachments; // (scan type, kind)
    QString file(const QString &name, const QByteArray &bytes = "data");
};

void ChatIntakeTest::initTestCase()
{
    vlogInit();
    QVERIFY(m_files.isValid());
    qputenv("QUENROW_FFMPEG", STANDIN_CONVERTER);
    connect(parser(), &DeviceParser::dataFinished, this, [this](GroupType, int type) { m_finished << type; });
    connect(parser(), &DeviceParser::dataReceived, this,
            [this](GroupType, int type, const QVariant &data, int) { m_data.append({type, data}); });
    connect(parser(), &DeviceParser::dataReceivedV1, this,
            [this](int scanType, int kind, const QVariant &, int) { m_attachments.append({scanType, kind}); });
}

void ChatIntakeTest::init()
{
    QCoreApplication::processEvents();
    parser()->reset();
    parser()->setScanFinished(0, false);
    m_finished.clear();
    m_data.clear();
    m_attachments.clear();
}

QString ChatIntakeTest::file(const QString &name, const QByteArray &bytes)
{
    const QString path = m_files.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

void ChatIntakeTest::lineSessionsNeedTheirDirectoryEntry()
{
    const STLineChat early{1, 2, L"g1"}; // before its group
    const STLineGroup group{L"g1", L"Team", L"/pics/g1.jpg"};
    const STLineGroupMember alice{L"g1", L"ua"}, bob{L"g1", L"ub"}, stray{L"g9", L"uc"};
    const STLineUser user{L"ua", L"Alice", L"hello", L"/pics/ua.jpg", 1600000000000};
    const STLineChat groupChat{10, 2, L"g1"}, userChat{11, 0, L"ua"}, keep{12, 1, L"me"};
    const STLineChat unknownGroup{13, 2, L"g2"}, unknownUser{14, 0, L"zz"};
    onWorker([&] {
        record(DBAPP_LINE, 3, &early);
        record(DBAPP_LINE, 0, &group);
        for (const STLineGroupMember *m : {&alice, &bob, &stray})
            record(DBAPP_LINE, 1, m);
        record(DBAPP_LINE, 2, &user);
        for (const STLineChat *c : {&groupChat, &userChat, &keep, &unknownGroup, &unknownUser})
            record(DBAPP_LINE, 3, c);
    });
    const QList<LineSessionInfo> sessions = recordsOf<LineSessionInfo>(Line);
    QCOMPARE(sessions.size(), 3);
    QCOMPARE(sessions.at(0).id, 10);
    QCOMPARE(sessions.at(0).mid, QStringLiteral("g1"));
    QCOMPARE(sessions.at(0).title, QStringLiteral("Team"));
    QCOMPARE(sessions.at(0).pictureFile, QStringLiteral("/pics/g1.jpg"));
    QCOMPARE(sessions.at(0).members, QStringLiteral("_$!<ua>!$__$!<ub>!$_"));
    QCOMPARE(sessions.at(0).chatKind, quint16(2));
    QCOMPARE(sessions.at(1).title, QStringLiteral("Alice"));
    QCOMPARE(sessions.at(1).pictureFile, QStringLiteral("/pics/ua.jpg"));
    QVERIFY(sessions.at(1).members.isEmpty());
    QCOMPARE(sessions.at(1).chatKind, quint16(0));
    QCOMPARE(sessions.at(2).title, QStringLiteral("LINE Keep"));
    QCOMPARE(sessions.at(2).mid, QStringLiteral("me"));
    QVERIFY(sessions.at(2).pictureFile.isEmpty());
    QCOMPARE(sessions.at(2).chatKind, quint16(100));
    for (const LineSessionInfo &s : sessions)
        QVERIFY(s.valid && !s.finished);
    QCOMPARE(parser()->storage()->memberInfo.value("g1").chatId, 10);
    QCOMPARE(parser()->storage()->handleNames.value("ua").chatId, 11);
    QTRY_COMPARE(m_data.size(), 3);
}

void ChatIntakeTest::lineMessagesAndAttachments()
{
    const STLineUser user{L"ua", L"Alice", L"", L"", 0};
    const STLineChat chat{11, 0, L"ua"}, quiet{15, 1, L"memo"};
    STLineMessage mine = lineMessage(11, L"", 1700000300000, L"sent");
    STLineMessage theirs = lineMessage(11, L"ua", 1700000100000, L"received");
    STLineMessage picture = lineMessage(11, L"ua", 1700000200000);
    picture.contentType = 1;
    picture.attachmentName = L"pic.jpeg";
    picture.attachmentFile = wide(file("line/pic"));
    picture.thumbnailFile = wide(file("line/pic.thumb"));
    picture.fileSize = 1234;
    STLineMessage audio = lineMessage(11, L"ua", 1700000210000);
    audio.contentType = 3;
    audio.attachmentName = L"voice.m4a";
    audio.attachmentFile = wide(file("line/voice"));
    STLineMessage document = lineMessage(11, L"", 1700000220000);
    document.contentType = 14;
    document.attachmentName = L"report.pdf";
    document.attachmentFile = wide(file("line/report"));
    document.fileSize = 2048;
    STLineMessage missing = lineMessage(11, L"ua", 1700000230000);
    missing.contentType = 2;
    missing.attachmentName = L"clip.mov";
    missing.attachmentFile = wide(m_files.filePath("line/not-there"));
    onWorker([&] {
        record(DBAPP_LINE, 2, &user);
        record(DBAPP_LINE, 3, &chat);
        record(DBAPP_LINE, 3, &quiet);
        for (const STLineMessage *m : {&mine, &theirs, &picture, &audio, &document, &missing})
            record(DBAPP_LINE, 4, m);
        categoryEnd(DBAPP_LINE);
    });

    const QList<LineInfo> messages = parser()->lineSessions(11);
    QCOMPARE(messages.size(), 6);
    QCOMPARE(messages.first().text, QStringLiteral("received"));
    QCOMPARE(messages.first().direction, quint16(1));
    QCOMPARE(messages.last().text, QStringLiteral("sent"));
    QCOMPARE(messages.last().direction, quint16(2));
    QCOMPARE(messages.last().time, qint64(1700000300));
    QCOMPARE(messages.last().dateTimeText, QStringLiteral("2023-11-14 22:18:20"));
    QVERIFY(messages.at(1).valid); // the picture
    QVERIFY(!messages.at(4).valid); // its file is missing
    QCOMPARE(messages.at(4).contentText, QStringLiteral("clip.mov"));

    // Sessions with messages first; one without keeps time 0.
    const QList<LineSessionInfo> sessions = recordsOf<LineSessionInfo>(Line);
    QCOMPARE(sessions.size(), 2);
    QCOMPARE(sessions.at(0).id, 11);
    QCOMPARE(sessions.at(0).time, qint64(1700000300));
    QCOMPARE(sessions.at(0).lastMessage.value<LineInfo>().text, QStringLiteral("sent"));
    QCOMPARE(sessions.at(1).time, qint64(0));
    QVERIFY(!sessions.at(1).lastMessage.isValid());
    for (const LineSessionInfo &s : sessions)
        QVERIFY(s.finished);

    const QList<MediaInfo> pictures = sessionOf<MediaInfo>(LineAttachment, 2);
    QCOMPARE(pictures.size(), 1);
    QCOMPARE(pictures.first().name, QStringLiteral("pic.jpeg"));
    QCOMPARE(pictures.first().path, m_files.filePath("line/pic"));
    QCOMPARE(pictures.first().preview, m_files.filePath("line/pic.thumb"));
    QCOMPARE(pictures.first().size, qint64(1234));
    QVERIFY(pictures.first().finished);
    const QList<DocumentInfo> audios = sessionOf<DocumentInfo>(LineAttachment, 1);
    QCOMPARE(audios.size(), 1);
    QCOMPARE(audios.first().name, QStringLiteral("voice.m4a"));
    const QList<DocumentInfo> documents = sessionOf<DocumentInfo>(LineAttachment, 12);
    QCOMPARE(documents.size(), 1);
    QCOMPARE(documents.first().suffix, QStringLiteral("pdf"));
    QCOMPARE(documents.first().sizeText, QStringLiteral("2KB"));
    QVERIFY(documents.first().finished);
    QVERIFY(parser()->sessionRecords(LineAttachment, 0).isEmpty());
    QVERIFY(parser()->storage()->memberInfo.isEmpty());
    QTRY_COMPARE(m_finished, QList<int>({Line}));
    QCOMPARE(m_attachments.size(), 3);
}

void ChatIntakeTest::whatsAppMessageTypes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("fileName"); // of an existing file; "" for none
    QTest::addColumn<QString>("mediaTitle");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<bool>("unsupported");
    QTest::addColumn<int>("kind"); // attachment kind, -1 for none
    QTest::newRow("deleted marker -1") << -1 << "" << "" << "" << false << false << -1;
    QTest::newRow("type 28") << 28 << "" << "" << "" << false << false << -1;
    QTest::newRow("text") << 0 << "" << "" << "hi" << true << false << -1;
    QTest::newRow("event other than a call") << 10 << "" << "" << "Ann changed the subject" << false << false << -1;
    QTest::newRow("call") << 10 << "" << "" << "Ann started a call" << true << false << -1;
    QTest::newRow("video call") << 10 << "" << "" << "Bob Started A Video Call" << true << false << -1;
    QTest::newRow("picture") << 1 << "a.jpg" << "" << "" << true << false << 2;
    QTest::newRow("picture missing") << 1 << "" << "" << "" << true << false << -1;
    QTest::newRow("animated") << 11 << "a.gif" << "" << "" << true << false << 2;
    QTest::newRow("video") << 2 << "a.mp4" << "" << "" << true << false << 0;
    QTest::newRow("audio") << 3 << "a.opus" << "" << "" << true << false << 1;
    QTest::newRow("audio with a title, by name") << 3 << "a.mov" << "clip" << "" << true << false << 0;
    QTest::newRow("upper-case pdf") << 8 << "REPORT.PDF" << "Report" << "" << true << false << 12;
    QTest::newRow("upper-case gif") << 8 << "ANIM.GIF" << "" << "" << true << false << 2;
    QTest::newRow("no extension") << 8 << "README" << "" << "" << true << false << 12;
    QTest::newRow("song") << 8 << "song.MP3" << "" << "" << true << false << 1;
    QTest::newRow("location") << 5 << "" << "" << "" << true << true << -1;
    QTest::newRow("beyond the known types") << 43 << "" << "" << "" << true << true << -1;
}

void ChatIntakeTest::whatsAppMessageTypes()
{
    QFETCH(int, type);
    QFETCH(QString, fileName);
    QFETCH(QString, mediaTitle);
    QFETCH(QString, text);
    QFETCH(bool, stored);
    QFETCH(bool, unsupported);
    QFETCH(int, kind);
    auto message = waMessage(7, type, 1, 1700000000000, wide(text));
    if (!fileName.isEmpty()) {
        message->title = wide(fileName);
        message->mediaFile = wide(file("wa/" + fileName));
    } else if (type == 1) {
        message->title = L"gone.jpg";
    }
    message->mediaTitle = wide(mediaTitle);
    onWorker([&] { record(DBAPP_WHATSAPP, 3, message.get()); });

    const QList<WaMessageInfo> messages = sessionOf<WaMessageInfo>(WhatsApp, 1);
    QCOMPARE(messages.size(), stored ? 1 : 0);
    if (stored) {
        QCOMPARE(messages.first().unsupported, unsupported);
        QCOMPARE(messages.first().date, qint64(1700000000));
        QCOMPARE(messages.first().mediaExists, !fileName.isEmpty());
    }
    const QMap<int, QList<QVariant>> attachments = parser()->sessionMap(WhatsAppAttachment);
    int total = 0;
    for (const QList<QVariant> &list : attachments)
        total += list.size();
    QCOMPARE(total, kind < 0 ? 0 : 1);
    if (kind < 0)
        return;
    const QVariant attachment = attachments.value(kind).value(0);
    // Pictures and videos are media records; audio and documents not.
    if (kind == 0 || kind == 2) {
        QVERIFY(attachment.canConvert<MediaInfo>());
        QCOMPARE(attachment.value<MediaInfo>().name, fileName);
        QCOMPARE(attachment.value<MediaInfo>().path, m_files.filePath("wa/" + fileName));
    } else {
        QVERIFY(attachment.canConvert<DocumentInfo>());
        QCOMPARE(attachment.value<DocumentInfo>().name, fileName);
    }
    QTRY_COMPARE(m_attachments, (QList<QPair<int, int>>{{WhatsAppAttachment, kind}}));
}

void ChatIntakeTest::whatsAppSessionsMembersAndStarredEntries()
{
    const STWhatsAppPushName ann{L"111@s.whatsapp.net", L"111", L"Ann"};
    const STWhatsAppGroupMember m1{L"g@g.us", L"111@s.whatsapp.net"}, m2{L"g@g.us", L"222@s.whatsapp.net"};
    const STWhatsAppSession group{1, 1, 0, 0, L"g@g.us", L"Friends"};
    const STWhatsAppSession lonely{2, 1, 0, 0, L"h@g.us", L"Empty group"};
    const STWhatsAppSession single{3, 0, 0, 0, L"111@s.whatsapp.net", L"Ann Lee"};
    auto inGroup = waMessage(10, 0, 1, 1700000000000, L"group <b>hello</b>");
    inGroup->starred = 1;
    auto toAnn = waMessage(11, 0, 3, 1700000100000, L"to Ann");
    toAnn->isFromMe = 1;
    toAnn->starred = 1;
    auto fromAnn = waMessage(12, 0, 3, 1700000200000, L"from Ann");
    fromAnn->starred = 1;
    auto stranger = waMessage(13, 0, 3, 1700000300000, L"who");
    stranger->peerJid = L"999@s.whatsapp.net";
    onWorker([&] {
        record(DBAPP_WHATSAPP, 0, &ann);
        record(DBAPP_WHATSAPP, 1, &m1);
        record(DBAPP_WHATSAPP, 1, &m2);
        for (const STWhatsAppSession *s : {&group, &lonely, &single})
            record(DBAPP_WHATSAPP, 2, s);
        for (const auto *m : {inGroup.get(), toAnn.get(), fromAnn.get(), stranger.get()})
            record(DBAPP_WHATSAPP, 3, m);
    });
    const QList<WaSessionInfo> sessions = recordsOf<WaSessionInfo>(WhatsApp);
    QCOMPARE(sessions.size(), 6);
    QCOMPARE(sessions.at(0).members, QStringLiteral("_$!<111@s.whatsapp.net>!$__$!<222@s.whatsapp.net>!$_"));
    QCOMPARE(sessions.at(0).chatKind, quint16(2));
    QVERIFY(sessions.at(1).members.isEmpty());
    QCOMPARE(sessions.at(2).chatKind, quint16(0));
    QCOMPARE(sessions.at(2).title, QStringLiteral("Ann Lee"));

    const QStringList titles = {"Ann to Friends", "You to Ann Lee", "Ann to you"};
    for (int i = 0; i < 3; ++i) {
        const WaSessionInfo &entry = sessions.at(3 + i);
        QCOMPARE(entry.id, 300000000 + i);
        QCOMPARE(entry.chatKind, quint16(101));
        QCOMPARE(entry.title, titles.at(i));
        QCOMPARE(entry.contactJid, QStringLiteral("111@s.whatsapp.net"));
        QCOMPARE(sessionOf<WaMessageInfo>(WhatsApp, entry.id).size(), 1);
    }
    const QList<WaMessageInfo> chat = sessionOf<WaMessageInfo>(WhatsApp, 3);
    QCOMPARE(chat.size(), 3);
    QCOMPARE(chat.at(0).senderName, QStringLiteral("Ann"));
    QCOMPARE(chat.at(0).senderNumber, QStringLiteral("111"));
    QCOMPARE(chat.at(0).direction, quint16(2));
    QCOMPARE(chat.at(1).direction, quint16(1));
    QCOMPARE(chat.at(2).senderName, QStringLiteral("999"));
    QCOMPARE(chat.at(2).dateTimeText, QStringLiteral("2023-11-14 22:18:20"));
    QCOMPARE(sessionOf<WaMessageInfo>(WhatsApp, 1).first().text, QStringLiteral("group &lt;b&gt;hello&lt;/b&gt;"));
    // The chat's messages share their texts.
    QVERIFY(chat.at(0).peerJid.isSharedWith(chat.at(1).peerJid));

    onWorker([&] { categoryEnd(DBAPP_WHATSAPP); });
    const QList<WaSessionInfo> finished = recordsOf<WaSessionInfo>(WhatsApp);
    QCOMPARE(finished.first().id, 3); // its last message is the newest
    QCOMPARE(finished.first().time, qint64(1700000300));
    QCOMPARE(finished.first().lastMessage.value<WaMessageInfo>().text, QStringLiteral("who"));
    QCOMPARE(finished.last().time, qint64(0));
    for (const WaSessionInfo &s : finished)
        QVERIFY(s.finished);
    QVERIFY(parser()->storage()->pendingNames.isEmpty());
    QTRY_COMPARE(m_finished, QList<int>({WhatsApp}));

    // The counter starts again after the end.
    auto again = waMessage(14, 0, 1, 1700000400000);
    again->starred = 1;
    onWorker([&] { record(DBAPP_WHATSAPP, 3, again.get()); });
    QCOMPARE(recordsOf<WaSessionInfo>(WhatsApp).last().id, 300000000);
}

void ChatIntakeTest::whatsAppRepliesKeepTheirQuoteAfterTheEnd()
{
    const STWhatsAppSession single{3, 0, 0, 0, L"111@s.whatsapp.net", L"Ann"};
    auto first = waMessage(1, 0, 3, 1700000000000, L"question");
    auto reply = waMessage(3, 0, 3, 1700000500000, L"answer");
    reply->hasQuote = 1;
    reply->quoted = waMessage(1, 0, 3, 1700000000000, L"question").release();
    auto middle = waMessage(2, 0, 3, 1700000200000, L"between");
    onWorker([&] {
        record(DBAPP_WHATSAPP, 2, &single);
        record(DBAPP_WHATSAPP, 3, first.get());
        record(DBAPP_WHATSAPP, 3, reply.get());
        record(DBAPP_WHATSAPP, 3, middle.get());
        categoryEnd(DBAPP_WHATSAPP);
    });
    QStringList order;
    for (const WaMessageInfo &m : sessionOf<WaMessageInfo>(WhatsApp, 3))
        order << m.text + (m.isQuote ? "/quote" : "");
    QCOMPARE(order, QStringList({"question", "between", "answer", "question/quote"}));
    // The session's time is the reply's, not that of the older message it quotes.
    const WaSessionInfo session = recordsOf<WaSessionInfo>(WhatsApp).first();
    QCOMPARE(session.time, qint64(1700000500));
    QCOMPARE(session.lastMessage.value<WaMessageInfo>().text, QStringLiteral("answer"));
}

void ChatIntakeTest::contactCards()
{
    auto card = waMessage(5, 4, 1, 1700000000000);
    card->mediaFile = wide(file("wa/5.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\nEND:VCARD\r\n"));
    auto unreadable = waMessage(6, 4, 1, 1700000100000);
    unreadable->mediaFile = wide(m_files.filePath("wa/6.vcf"));
    const int before = logLines().size();
    onWorker([&] {
        record(DBAPP_WHATSAPP, 3, card.get());
        record(DBAPP_WHATSAPP, 3, unreadable.get());
    });
    const QList<DocumentInfo> cards = sessionOf<DocumentInfo>(WhatsAppAttachment, 12);
    QCOMPARE(cards.size(), 1);
    QCOMPARE(cards.first().name, QStringLiteral("Ann Lee.vcf"));
    QCOMPARE(cards.first().suffix, QStringLiteral("vcf"));
    QCOMPARE(cards.first().path, m_files.filePath("wa/5.vcf"));
    QCOMPARE(cards.first().sizeText, QStringLiteral("49B"));
    // Both messages stay in their chat.
    QCOMPARE(sessionOf<WaMessageInfo>(WhatsApp, 1).size(), 2);
    const QStringList lines = logLines().mid(before);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().endsWith("[createWaVcf] Unable read " + m_files.filePath("wa/6.vcf")),
             qPrintable(lines.first()));
}

void ChatIntakeTest::contactCardTitle_data()
{
    QTest::addColumn<QByteArray>("card");
    QTest::addColumn<QString>("title"); // "" for the time in milliseconds
    QTest::newRow("one name, CRLF") << QByteArray("BEGIN:VCARD\r\nFN:Ann Lee\r\nEND:VCARD\r\n") << "Ann Lee";
    QTest::newRow("one name, LF") << QByteArray("FN:Ann\nEND:VCARD") << "Ann";
    // Without a translator the source text shows; en-us.ts words its plural.
    QTest::newRow("three names") << QByteArray("BEGIN:VCARD\r\nFN:Ann\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Bob\r\n"
                                               "END:VCARD\r\nBEGIN:VCARD\r\nFN:Cy\r\nEND:VCARD\r\n")
                                 << "Ann and 2 other contact(s)";
    QTest::newRow("case matters") << QByteArray("fn:Ann\r\nN:Lee;Ann\r\n") << "";
    QTest::newRow("empty") << QByteArray() << "";
}

void ChatIntakeTest::contactCardTitle()
{
    QFETCH(QByteArray, card);
    QFETCH(QString, title);
    const QString result = RecordBuilders::contactCardTitle(card);
    if (!title.isEmpty()) {
        QCOMPARE(result, title);
        return;
    }
    QCOMPARE(result.size(), 13);
    QVERIFY(qAbs(result.toLongLong() - QDateTime::currentMSecsSinceEpoch()) < 60000);
}

void ChatIntakeTest::nullAndLateRecordsChangeNothing()
{
    const STLineChat keep{12, 1, L"me"};
    const STWhatsAppSession single{3, 0, 0, 0, L"111@s.whatsapp.net", L"Ann"};
    onWorker([&] {
        for (int query = 0; query < 6; ++query) {
            record(DBAPP_LINE, query, nullptr);
            record(DBAPP_WHATSAPP, query, nullptr);
        }
        record(DBAPP_LINE, 5, &keep);
        record(DBAPP_WHATSAPP, 4, &single);
        parser()->setScanFinished(0, true);
        record(DBAPP_LINE, 3, &keep);
        record(DBAPP_WHATSAPP, 2, &single);
    });
    QVERIFY(parser()->recordMap(0).value(Line).isEmpty());
    QVERIFY(parser()->recordMap(0).value(WhatsApp).isEmpty());
    QVERIFY(parser()->sessionMap(WhatsApp).isEmpty());
    QVERIFY(logLines().last().endsWith("Parse End Receives the packet repeatedly"));
}

QTEST_GUILESS_MAIN(ChatIntakeTest)
#include "chatintake_test.moc"
