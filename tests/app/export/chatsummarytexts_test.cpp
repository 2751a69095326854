#include "chatsummarytexts.h"
#include "deviceparser.h"
#include "markingtranslator.h"
#include "storeseeding.h"

#include <QCoreApplication>
#include <QtTest>


using namespace DeviceData;

class ChatSummaryTextsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void systemPhraseRows_data();
    void systemPhraseRows();
    void systemTexts_data();
    void systemTexts();
    void waSummary_data();
    void waSummary();
    void waRecipients_data();
    void waRecipients();
    void lineSummary_data();
    void lineSummary();
    void lineRecipients();
    void callEnded_data();
    void callEnded();

private:
    MarkingTranslator m_translator{"QObject"};
};

void ChatSummaryTextsTest::initTestCase()
{
    QCoreApplication::installTranslator(&m_translator);
}

void ChatSummaryTextsTest::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_translator);
}

void ChatSummaryTextsTest::init()
{
    DeviceParser::instance()->clearAll();
}

// Every phrase, looked for on its own, is replaced by the translation of its
// key; the keys keep their spelling (typos and U+2018 included).
void ChatSummaryTextsTest::systemPhraseRows_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QString>("key");
    const char *rows[][2] = {
        {"You created group", nullptr},
        {"created group", "careated group"},
        {"You changed this group's icon", "You change this group's icon"},
        {"changed this group's icon", "change this group's icon"},
        {"You change the subject", "You changed the subject from"},
        {"change the subject", "changed the subject from"},
        {"You joined using this group's invite link", nullptr},
        {"joined using this group's invite link", nullptr},
        {"You changed the group description to", "You changed the group description"},
        {"changed the group description to", "changed the group description"},
        {"You turned on disappearing messages. All new messages will disappear from this chat 24 hours after "
         "they're sent",
         nullptr},
        {"turned on disappearing messages. All new messages will disappear from this chat 24 hours after they're "
         "sent",
         nullptr},
        {"turned off disappearing messages", nullptr},
        {"changed this group's settings to allow only admins to edit this groups's info", nullptr},
        {"changed this group's settings to allow only admins to send messages to this group", nullptr},
        {"changed this group's settings to allow all participants to edit this group's info", nullptr},
        {"You were added", nullptr},
        {"You was added", nullptr},
        {"was added", nullptr},
        {"were added", nullptr},
        {" added you", nullptr},
        {" added You", nullptr},
        {"You added ", nullptr},
        {" added ", nullptr},
        {"You removed ", nullptr},
        {" removed ", nullptr},
        {"You left", nullptr},
        {" left", nullptr},
        {" has joined", nullptr},
        {"has been changed to", nullptr},
        {"You started a call", nullptr},
        {"started a call", nullptr},
        {"You started a video call", nullptr},
        {"started a video call", nullptr},
        {"You blocked this contact", nullptr},
        {"You unblocked this contact", nullptr},
        {"You became an admin", "You\u2018re now an admin"},
        {"became an admin", nullptr},
        {"You became an non-admin", "You\u2018re no longer an admin"},
        {"became an non-admin", nullptr},
        {"You created a broadcast list", nullptr},
        {"created a broadcast list", nullptr},
        {"You create a broadcast list whith", nullptr},
        {"create a broadcast list whith", "created a broadcast list with"},
        {"changed this group's settings to allow all participants to send messages to this group", nullptr},
    };
    QCOMPARE(int(sizeof rows / sizeof rows[0]), 45);
    int n = 0;
    for (const auto &row : rows) {
        const QString phrase = QString::fromUtf8(row[0]);
        QTest::addRow("%02d", ++n) << phrase << QString::fromUtf8(row[1] ? row[1] : row[0]);
    }
}

void ChatSummaryTextsTest::systemPhraseRows()
{
    QFETCH(QString, phrase);
    QFETCH(QString, key);
    QCOMPARE(waSystemMessageText(phrase), QStringLiteral("[%1]").arg(key));
}

void ChatSummaryTextsTest::systemTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unknown text unchanged") << "Hello there" << "Hello there";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("own group never reaches row 2") << "You created group \"Trip\"" << "[You created group] \"Trip\"";
    QTest::newRow("other's group") << "Ann created group \"Trip\"" << "Ann [careated group] \"Trip\"";
    QTest::newRow("subject with to") << "Ann change the subject Old to New"
                                     << "Ann [changed the subject from] Old[ to ]New";
    QTest::newRow("description drops to") << "Ann changed the group description to Be kind"
                                           << "Ann [changed the group description] Be kind";
    QTest::newRow("name was added stays row 19") << "Bob was added" << "Bob [was added]";
    QTest::newRow("you were added is row 17") << "You were added by Ann" << "[You were added] by Ann";
    QTest::newRow("plain call before video call") << "Ann started a call" << "Ann [started a call]";
    QTest::newRow("video call") << "You started a video call" << "[You started a video call]";
    QTest::newRow("every occurrence") << "Ann left, Bob left" << "Ann[ left], Bob[ left]";
    QTest::newRow("case-sensitive") << "ANN LEFT" << "ANN LEFT";
    QTest::newRow("broadcast recipients") << "You create a broadcast list whith 3 recipients"
                                          << "[You create a broadcast list whith] 3[ recipients]";
    QTest::newRow("other's broadcast") << "Ann create a broadcast list whith 2 recipients"
                                       << "Ann [created a broadcast list with] 2[ recipients]";
    QTest::newRow("markup-like text kept") << "<b>Ann</b> left" << "<b>Ann</b>[ left]";
}

void ChatSummaryTextsTest::systemTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(waSystemMessageText(text), expected);
}

void ChatSummaryTextsTest::waSummary_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("system");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("expected");
    const QString text = QStringLiteral("Ann left");
    for (int type : {0, 6, 7}) {
        QTest::addRow("%d text", type) << type << false << QString() << text;
        QTest::addRow("%d system", type) << type << true << QString() << "Ann[ left]";
    }
    for (int type : {1, 11, 38, 42})
        QTest::addRow("%d photo", type) << type << false << QString() << "[[Photos]]";
    for (int type : {2, 13, 39})
        QTest::addRow("%d video", type) << type << false << QString() << "[[Videos]]";
    QTest::newRow("3 audio with title") << 3 << false << "Song" << "[[Audios]]";
    QTest::newRow("3 voice note") << 3 << false << QString() << "[[Voice]]";
    QTest::newRow("4") << 4 << false << QString() << "[[Contact Card]]";
    QTest::newRow("5") << 5 << false << QString() << "[[Location]]";
    QTest::newRow("8") << 8 << false << QString() << "[[Documents]]";
    QTest::newRow("10 without flag") << 10 << false << QString() << "Ann[ left]";
    QTest::newRow("12") << 12 << false << QString() << "[This file has expired!]";
    QTest::newRow("14") << 14 << false << QString() << "[This message has been deleted!]";
    QTest::newRow("15") << 15 << false << QString() << "[[Sticker]]";
    for (int type : {-1, 9, 16, 37, 40, 41, 43})
        QTest::addRow("%d unsupported", type) << type << false << QString() << "[Unsupported data type!]";
}

void ChatSummaryTextsTest::waSummary()
{
    QFETCH(int, type);
    QFETCH(bool, system);
    QFETCH(QString, caption);
    QFETCH(QString, expected);
    WaMessageInfo message;
    message.messageType = type;
    message.isSystemText = system;
    message.text = QStringLiteral("Ann left");
    message.mediaTitle = caption;
    QCOMPARE(waMessageSummary(message), expected);
}

void ChatSummaryTextsTest::waRecipients_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("owner");
    QTest::addColumn<QString>("expected");
    QTest::newRow("group without names, owner missing")
        << "120363@g.us" << "_$!<4915100001@s.whatsapp.net>!$_" << "4917600009"
        << "[To: ][You](+4917600009), 4915100001(+4915100001)";
    QTest::newRow("owner listed in the markup")
        << "120363@g.us" << "_$!<4917600009@s.whatsapp.net>!$__$!<4915100001@s.whatsapp.net>!$_" << "4917600009"
        << "[To: ]4917600009(+4917600009), 4915100001(+4915100001)";
    QTest::newRow("cached name") << "120363@g.us" << "_$!<4915100002@s.whatsapp.net>!$_" << ""
                                 << "[To: ]Bea(+4915100002)";
    QTest::newRow("cached number already listed")
        << "120363@g.us" << "_$!<4915100002@s.whatsapp.net>!$__$!<4915100002@lid>!$_" << ""
        << "[To: ]Bea(+4915100002)";
    QTest::newRow("no markup: the key alone, no You") << "4915100001@s.whatsapp.net" << "" << "4917600009"
                                                      << "[To: ]4915100001(+4915100001)";
    QTest::newRow("address without at sign") << "4915100003" << "" << "" << "[To: ]4915100003(+4915100003)";
}

void ChatSummaryTextsTest::waRecipients()
{
    QFETCH(QString, key);
    QFETCH(QString, markup);
    QFETCH(QString, owner);
    QFETCH(QString, expected);
    for (const QString &jid : {QStringLiteral("4915100002@s.whatsapp.net"), QStringLiteral("4915100002@lid")})
        DeviceParser::instance()->setCachedName(jid, jid, QStringLiteral("4915100002"), QStringLiteral("Bea"));
    WaSessionInfo session;
    session.contactJid = key;
    session.members = markup;
    QCOMPARE(waRecipientsText(session, owner), expected);
}

void ChatSummaryTextsTest::lineSummary_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString hundred = QString(100, QLatin1Char('x'));
    QTest::newRow("0 cut at 80") << 0 << hundred << hundred.left(80);
    QTest::newRow("107 short") << 107 << "hi" << "hi";
    for (int type : {1, 96, 112})
        QTest::addRow("%d", type) << type << "" << "[[Photos]]";
    QTest::newRow("2") << 2 << "" << "[[Videos]]";
    QTest::newRow("3") << 3 << "" << "[[Voice]]";
    QTest::newRow("6") << 6 << "" << "[[Voice Call]]";
    QTest::newRow("7") << 7 << "" << "[[Emojis]]";
    QTest::newRow("13") << 13 << "" << "[[Contact Card]]";
    QTest::newRow("14") << 14 << "" << "[[Documents]]";
    QTest::newRow("18") << 18 << "Group call ended 02:00" << "[Group call ended] 02:00";
    QTest::newRow("100") << 100 << "Tokyo" << "[[Location]]";
    QTest::newRow("unknown") << 5 << "x" << "";
    QTest::newRow("high bits ignored") << (0x10000 | 1) << "" << "[[Photos]]";
}

void ChatSummaryTextsTest::lineSummary()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    LineInfo message;
    message.contentType = type;
    message.text = text;
    QCOMPARE(lineMessageSummary(message), expected);
}

void ChatSummaryTextsTest::lineRecipients()
{
    storeLineUser(QStringLiteral("u1"), QStringLiteral("Aiko"));
    LineSessionInfo group;
    group.mid = QStringLiteral("c9");
    group.members = QStringLiteral("_$!<u1>!$__$!<u2>!$_");
    QCOMPARE(lineRecipientsText(group), QStringLiteral("[To: ]Aiko, u2"));

    LineSessionInfo single;
    single.mid = QStringLiteral("u1");
    QCOMPARE(lineRecipientsText(single), QStringLiteral("[To: ]Aiko"));
}

void ChatSummaryTextsTest::callEnded_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("group") << "Group call ended 01:02" << "[Group call ended] 01:02";
    QTest::newRow("voice") << "Voice call ended" << "[Voice call ended]";
    QTest::newRow("group wins") << "Voice call ended, Group call ended" << "Voice call ended, [Group call ended]";
    QTest::newRow("case-sensitive") << "group call ended" << "group call ended";
    QTest::newRow("other") << "Missed call" << "Missed call";
}

void ChatSummaryTextsTest::callEnded()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(callEndedText(text), expected);
}

QTEST_GUILESS_MAIN(ChatSummaryTextsTest)
#include "chatsummarytexts_test.moc"
