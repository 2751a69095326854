#include "chatdatafiles.h"
#include "chatexportrecorder.h"
#include "chatpages.h"
#include "deviceparser.h"
#include "exportpages.h"
#include "loopbackhttpserver.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>


using namespace DeviceData;

class ChatPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void messagesPage();
    void messagesDetailRoute();
    void whatsAppPage();
    void linePage();
    void emptyAndHostileData();

private:
    // The rendered body of folder/page (with an optional "#/..." route),
    // without the page's own script.
    QString render(const QString &page, const QString &route = QString());
    void writeMessagesPage();
    void seedMessages();
    QString folder() const { return m_dir->path() + QStringLiteral("/Export"); }

    QString m_chromium;
    QScopedPointer<QTemporaryDir> m_dir;
    testsupport::LoopbackHttpServer m_server;
};

void ChatPagesTest::initTestCase()
{
    m_chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    QVERIFY2(!m_chromium.isEmpty(), "chromium is not installed (make setup installs it)");
    QVERIFY(m_server.start() != 0);
    initChatPageResources();
}

void ChatPagesTest::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    DeviceParser::instance()->clearAll();
}

void ChatPagesTest::cleanupTestCase()
{
    // Nothing a page shows may come from the network.
    QCOMPARE(m_server.requests().size(), 0);
    m_server.stop();
}

QString ChatPagesTest::render(const QString &page, const QString &route)
{
    QTemporaryDir profile;
    QProcess chromium;
    chromium.setProcessChannelMode(QProcess::SeparateChannels);
    chromium.start(m_chromium, {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                                QStringLiteral("--disable-gpu"), QStringLiteral("--user-data-dir=") + profile.path(),
                                QStringLiteral("--dump-dom"),
                                QUrl::fromLocalFile(folder() + QLatin1Char('/') + page).toString() + route});
    if (!chromium.waitForFinished(60000)) {
        chromium.kill();
        chromium.waitForFinished();
        return QStringLiteral("<timed out>");
    }
    const QString dom = QString::fromUtf8(chromium.readAllStandardOutput());
    const int body = dom.indexOf(QLatin1String("<body"));
    const int script = dom.indexOf(QLatin1String("<script>\n(function"));
    return body < 0 || script < body ? dom : dom.mid(body, script - body);
}

// The header and the page as the Messages job writes them.
void ChatPagesTest::writeMessagesPage()
{
    QVERIFY(ExportPages::writeHeaderFile(folder() + "/json", QStringLiteral("iPhone's Messages"),
                                         QStringLiteral("Messages"), Messages, QStringLiteral("common.js"),
                                         QStringLiteral("window.common = "), QString(), QString()));
    QVERIFY(ExportPages::writeHtmlPage(folder(), QStringLiteral("Messages"), Messages, QString()));
}

void ChatPagesTest::seedMessages()
{
    auto text = [](const QString &body, qint64 time, quint16 alignment, quint16 error = 0) {
        SMSInfo m;
        m.text = body;
        m.time = time;
        m.direction = alignment;
        m.error = error;
        m.participants = QStringLiteral("+4915100001");
        return m;
    };
    SMSInfo remote = text(QStringLiteral("picture"), 20, 1);
    remote.mediaKind = ImageKind;
    remote.attachmentPath = m_server.url(QStringLiteral("/remote.png"));
    DeviceParser::instance()->setSmsMessages("old", {text("old chat", 1000, 1)});
    DeviceParser::instance()->setSmsMessages(
        "new", {text("&lt;img src=x onerror=\"document.title='pwned'\"&gt;", 2000, 1),
                text("never arrived", 2001, 1, 4), text("not sent", 2002, 2, 4), remote});
    QList<QVariant> chats;
    for (const auto &entry : {qMakePair(QStringLiteral("old"), 1000), qMakePair(QStringLiteral("new"), 2000)}) {
        SMSSessionInfo chat;
        chat.key = entry.first;
        chat.displayName = QStringLiteral("Chat ") + entry.first;
        chat.time = entry.second;
        chat.count = 2;
        chats.append(QVariant::fromValue(chat));
    }
    ChatExportRecorder recorder;
    const std::atomic<bool> running{true};
    writeSmsDataFile(folder(), chats, running);
    writeMessagesPage();
}

void ChatPagesTest::messagesPage()
{
    seedMessages();
    const QString dom = render(QStringLiteral("Messages.html"));
    QVERIFY2(dom.contains(QLatin1String("data-rendered=\"ok\"")), qPrintable(dom));
    // Newest first: chat "new" (id 2) above chat "old" (id 1); it is the open one.
    const int newer = dom.indexOf(QLatin1String("class=\"chat-item active\" data-chat-id=\"2\""));
    const int older = dom.indexOf(QLatin1String("data-chat-id=\"1\""));
    QVERIFY2(newer >= 0 && older > newer, qPrintable(dom));
    QVERIFY(dom.contains(QLatin1String("<h1 id=\"page-title\">iPhone's Messages</h1>")));
    QVERIFY(dom.contains(QLatin1String("<p id=\"app-name\">from Quenrow (iOS)</p>")));
    QVERIFY(dom.contains(QLatin1String("<div id=\"members\">To: +4915100001</div>")));

    // The received text is shown as sent, and stays text.
    QVERIFY2(dom.contains(QLatin1String("&lt;img src=x onerror=\"document.title='pwned'\"&gt;")), qPrintable(dom));
    QVERIFY(!dom.contains(QLatin1String("<img src=\"x\"")));
    QVERIFY(!dom.contains(QLatin1String("pwned</title>")));

    // Error 4: hidden on the left, "Unsent" under it on the right.
    QVERIFY(!dom.contains(QLatin1String("never arrived")));
    QVERIFY(!dom.contains(QLatin1String("data-msg-id=\"2\"")));
    QVERIFY2(dom.contains(QLatin1String("not sent</span></div><div class=\"msg-time\">1970-01-01 00:33:22</div>"
                                        "<div class=\"msg-error\">Unsent</div>")),
             qPrintable(dom));
    QVERIFY(dom.contains(QLatin1String("class=\"msg right\" data-msg-id=\"3\"")));
    // An attachment names its place in the folder, never its source.
    QVERIFY(dom.contains(QLatin1String("<img class=\"msg-media\" src=\"./resource/Attachment/remote.png\">")));
}

void ChatPagesTest::messagesDetailRoute()
{
    seedMessages();
    const QString dom = render(QStringLiteral("Messages.html"), QStringLiteral("#/detail/1"));
    QVERIFY2(dom.contains(QLatin1String("data-route=\"/detail/1\" data-rendered=\"ok\"")), qPrintable(dom));
    QVERIFY(dom.contains(QLatin1String("<h2 id=\"chat-title\">Chat old</h2>")));
    QVERIFY(dom.contains(QLatin1String("old chat")));
    QVERIFY(!dom.contains(QLatin1String("not sent")));
    QVERIFY(dom.contains(QLatin1String("<ul id=\"chat-list\" class=\"hidden\">")));

    const QString table = render(QStringLiteral("Messages.html"), QStringLiteral("#/table"));
    QVERIFY(table.contains(QLatin1String("<td>Chat new</td>")));
}

void ChatPagesTest::whatsAppPage()
{
    WaMessageInfo hello;
    hello.text = QStringLiteral("hi &lt;3");
    hello.date = 1700000000;
    hello.direction = 1;
    hello.senderName = QStringLiteral("Ann");
    WaMessageInfo event = hello;
    event.messageType = 10;
    event.text = QStringLiteral("Ann started a video call");
    WaMessageInfo missing = hello;
    missing.messageType = 1;
    missing.mediaPath = m_dir->path() + "/gone.jpg";
    DeviceParser::instance()->setSessionRecords(
        WhatsApp, 7, {QVariant::fromValue(hello), QVariant::fromValue(event), QVariant::fromValue(missing)});
    WaSessionInfo chat;
    chat.id = 7;
    chat.contactJid = QStringLiteral("120363@g.us");
    chat.members = QStringLiteral("_$!<4915100001@s.whatsapp.net>!$_");
    chat.title = QStringLiteral("Trip");
    chat.chatKind = 2;
    chat.spare2 = 2;
    chat.spare = m_server.url(QStringLiteral("/avatar.png"));
    chat.lastMessage = QVariant::fromValue(hello);

    ChatExportRecorder recorder;
    const std::atomic<bool> running{true};
    writeWhatsAppDataFiles(folder(), QStringLiteral("4917600009"), {QVariant::fromValue(chat)}, running);

    const QString dom = render(QStringLiteral("Group Messages.html"));
    QVERIFY2(dom.contains(QLatin1String("data-page=\"whatsApp\"")) && dom.contains(QLatin1String("data-rendered=\"ok\"")),
             qPrintable(dom));
    QVERIFY(dom.contains(QLatin1String("<h2 id=\"chat-title\">Trip's WhatsApp Chat</h2>")));
    QVERIFY(dom.contains(QLatin1String("<h1 id=\"page-title\">4917600009's Group Messages</h1>")));
    QVERIFY(dom.contains(QLatin1String("<div id=\"members\">To: You(+4917600009), 4915100001(+4915100001)</div>")));
    QVERIFY(dom.contains(QLatin1String("<div class=\"msg-sender\">Ann</div><div class=\"bubble\"><span class=\"msg-text\">hi &lt;3</span>")));
    QVERIFY(dom.contains(QLatin1String("<span class=\"msg-call\">Ann started a video call</span>")));
    QVERIFY(dom.contains(QLatin1String("please download the file first!")));
    QVERIFY(dom.contains(QLatin1String("2023-11-14 22:13:20")));
    QVERIFY(dom.contains(QLatin1String("src=\"./resource/ATIcon/default_Group.png\"")));
}

void ChatPagesTest::linePage()
{
    LineInfo text;
    text.text = QStringLiteral("<b>bold?</b>");
    text.time = 1700000000123; // milliseconds
    text.direction = 2;
    LineInfo ended = text;
    ended.contentType = 18;
    ended.text = QStringLiteral("Group call ended");
    DeviceParser::instance()->setLineSessions(3, {text, ended});
    LineSessionInfo chat;
    chat.id = 3;
    chat.mid = QStringLiteral("u3");
    chat.title = QStringLiteral("Aiko");
    chat.spare2 = 2;
    chat.lastMessage = QVariant::fromValue(ended);
    ChatExportRecorder recorder;
    const std::atomic<bool> running{true};
    writeLineDataFiles(folder(), QStringLiteral("iPhone"), {QVariant::fromValue(chat)}, running);

    const QString dom = render(QStringLiteral("Single Messages.html"), QStringLiteral("#/detail/1"));
    QVERIFY2(dom.contains(QLatin1String("data-page=\"line\"")) && dom.contains(QLatin1String("data-rendered=\"ok\"")),
             qPrintable(dom));
    QVERIFY(dom.contains(QLatin1String("<h2 id=\"chat-title\">Aiko's WhatsApp Chat</h2>")));
    QVERIFY(dom.contains(QLatin1String("<span class=\"msg-text\">&lt;b&gt;bold?&lt;/b&gt;</span>")));
    QVERIFY(dom.contains(QLatin1String("<li class=\"msg system\" data-msg-id=\"2\">")));
    QVERIFY(dom.contains(QLatin1String("2023-11-14 22:13:20"))); // thirteen digits read as milliseconds
}

void ChatPagesTest::emptyAndHostileData()
{
    QVERIFY(!writeSourceFile(folder() + "/json/message.js", "window.dict=[]").isEmpty());
    writeMessagesPage();
    const QString dom = render(QStringLiteral("Messages.html"));
    QVERIFY2(dom.contains(QLatin1String("data-rendered=\"ok\"")), qPrintable(dom));
    QVERIFY(dom.contains(QLatin1String("<ul id=\"chat-list\"></ul>")));

    // A chat without a picture, or with one from the network, gets the
    // fallback picture; a path that leaves the folder gives no address.
    QString hostile = QStringLiteral(
        "window.dict=[{\"id\":1,\"timer\":1,\"name\":\"a\",\"messages\":[]},"
        "{\"id\":2,\"timer\":2,\"name\":\"b\",\"avatar\":\"%1\",\"messages\":["
        "{\"id\":1,\"alignment\":2,\"info\":{\"messageType\":6,\"message\":\"up\","
        "\"local_path\":\"../../etc/passwd\"}},"
        "{\"id\":2,\"alignment\":2,\"info\":{\"messageType\":6,\"message\":\"js\","
        "\"local_path\":\"javascript:alert(1)\"}},"
        "{\"id\":3,\"alignment\":2,\"info\":{\"messageType\":3,"
        "\"local_path\":\"resource/Attachment/a b#1.jpg\"}},"
        "{\"id\":4,\"alignment\":2,\"info\":{\"messageType\":3,\"local_path\":\"%1\"}}]}]")
                          .arg(m_server.url(QStringLiteral("/a.png")));
    QVERIFY(!writeSourceFile(folder() + "/json/message.js", hostile.toUtf8()).isEmpty());
    const QString fallback = render(QStringLiteral("Messages.html"));
    QVERIFY2(fallback.count(QLatin1String("src=\"./assets/nobody.svg\"")) == 2, qPrintable(fallback));
    QVERIFY(fallback.contains(QLatin1String("<a class=\"msg-file\">up</a>")));
    QVERIFY(fallback.contains(QLatin1String("<a class=\"msg-file\">js</a>")));
    QVERIFY(fallback.contains(QLatin1String("src=\"./resource/Attachment/a%20b%231.jpg\"")));
    // A picture from the network is only a link.
    QVERIFY(fallback.contains(QLatin1String("<a class=\"msg-file\" href=\"http://127.0.0.1:")));

    // No data file at all still renders an empty page.
    QFile::remove(folder() + "/json/message.js");
    QVERIFY(render(QStringLiteral("Messages.html")).contains(QLatin1String("data-rendered=\"ok\"")));
}

QTEST_GUILESS_MAIN(ChatPagesTest)
#include "chatpages_test.moc"
