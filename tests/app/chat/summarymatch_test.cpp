// The keyword tests of the chat search: what of a WhatsApp or LINE message a
// keyword is looked for in, by type, as the views show it.
#include "chatsummarytexts.h"
#include "markingtranslator.h"

#include <QCoreApplication>
#include <QtTest>

using DeviceData::LineInfo;
using DeviceData::LineSessionInfo;
using DeviceData::WaMessageInfo;
using DeviceData::WaSessionInfo;


namespace
{
    WaMessageInfo wa(int type, const QString &text = QString())
    {
        WaMessageInfo message;
        message.messageType = type;
        message.text = text;
        return message;
    }

    // Every field the keyword test could read holds "kiwi".
    WaMessageInfo waEverywhere(int type)
    {
        WaMessageInfo message = wa(type, QStringLiteral("kiwi"));
        message.fileName = QStringLiteral("kiwi.bin");
        message.mediaTitle = QStringLiteral("kiwi caption");
        message.fileSizeText = QStringLiteral("kiwi KB");
        return message;
    }

    LineInfo line(int type, const QString &text = QString())
    {
        LineInfo message;
        message.contentType = type;
        message.text = text;
        return message;
    }

    LineInfo call(bool group, bool video, const QString &result, double milliseconds)
    {
        LineInfo message = line(6);
        message.ownFlag = group ? 1 : 0;
        message.extraNumber = video ? 1 : 0;
        message.extraText1 = result;
        message.latitude = milliseconds;
        return message;
    }
}

class SummaryMatchTest : public QObject
{
    Q_OBJECT

private:
    MarkingTranslator m_messages{"QObject"};
    MarkingTranslator m_calls{"LineChat"};

private slots:
    void whatsAppByType_data()
    {
        QTest::addColumn<WaMessageInfo>("message");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<bool>("found");

        QTest::newRow("empty keyword, expired") << waEverywhere(12) << QString() << true;
        QTest::newRow("0 text, any case") << wa(0, "A Kiwi here") << "KIWI" << true;
        QTest::newRow("0 text as sent") << wa(0, "&lt;b&gt;x") << "<b>" << true;
        QTest::newRow("0 text, not the caption") << [] { auto m = wa(0, "plain"); m.mediaTitle = "kiwi"; return m; }()
                                                 << "kiwi" << false;
        QTest::newRow("6 text") << wa(6, "kiwi") << "kiwi" << true;
        QTest::newRow("7 text") << wa(7, "kiwi") << "kiwi" << true;
        QTest::newRow("0 system text, translated")
            << [] { auto m = wa(0, "Mia was added"); m.isSystemText = 1; return m; }() << "Mia [was added]" << true;
        QTest::newRow("0 system text, untranslated phrase")
            << [] { auto m = wa(0, "Mia was added"); m.isSystemText = 1; return m; }() << "Mia was added" << false;
        for (int type : {1, 2, 5, 11, 13, 15, 38, 39, 42}) {
            QTest::addRow("%d caption", type) << waEverywhere(type) << "caption" << true;
            QTest::addRow("%d not the name", type) << waEverywhere(type) << "kiwi.bin" << false;
        }
        WaMessageInfo voice = wa(3);
        voice.movieDuration = 65;
        voice.fileName = QStringLiteral("kiwi.opus");
        QTest::newRow("3 voice by its duration") << voice << "01:05" << true;
        QTest::newRow("3 voice, not its name") << voice << "kiwi" << false;
        WaMessageInfo audio = voice;
        audio.mediaTitle = QStringLiteral("Song");
        QTest::newRow("3 audio by its name") << audio << "kiwi" << true;
        QTest::newRow("3 audio, not its duration") << audio << "01:05" << false;
        QTest::newRow("4 media name") << waEverywhere(4) << "kiwi.bin" << true;
        QTest::newRow("8 media name") << waEverywhere(8) << "kiwi.bin" << true;
        QTest::newRow("8 size") << waEverywhere(8) << "KB" << true;
        QTest::newRow("10 call, translated") << wa(10, "Mia started a video call") << "Mia [started a video call]"
                                             << true;
        for (int type : {9, 12, 14, 16, 20, 37, 40, 41, 43, -1})
            QTest::addRow("%d never", type) << waEverywhere(type) << "kiwi" << false;
    }

    void whatsAppByType()
    {
        QFETCH(WaMessageInfo, message);
        QFETCH(QString, keyword);
        QFETCH(bool, found);
        QCoreApplication::installTranslator(&m_messages);
        const bool matched = waMessageMatches(keyword, message, WaSessionInfo());
        const bool matchedByPattern = waMessageMatchesRegExp(QRegExp(keyword), message, WaSessionInfo());
        QCoreApplication::removeTranslator(&m_messages);
        QCOMPARE(matched, found);
        QCOMPARE(matchedByPattern, found);
    }

    void lineByType_data()
    {
        QTest::addColumn<LineInfo>("message");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<bool>("found");

        QTest::newRow("empty keyword, unknown type") << line(4, "x") << QString() << true;
        for (int type : {0, 100, 107})
            QTest::addRow("%d text", type) << line(type, "A kiwi") << "KIWI" << true;
        QTest::newRow("3 voice, milliseconds") << [] { auto m = line(3); m.latitude = 65400; return m; }() << "01:05"
                                               << true;
        QTest::newRow("6 group video") << call(true, true, "NORMAL", 65000) << "[Group video started.]" << true;
        QTest::newRow("6 group voice") << call(true, false, QString(), 0) << "[Group voice started.]" << true;
        QTest::newRow("6 video call, NORMAL") << call(false, true, "NORMAL", 65000) << "[Video call] 01:05" << true;
        QTest::newRow("6 voice call, NORMAL") << call(false, false, "xNORMALx", 5000) << "[Voice call] 00:05" << true;
        QTest::newRow("6 NORMAL is case-sensitive") << call(false, false, "normal", 65000) << "[Voice call]" << false;
        QTest::newRow("6 other result as it stands") << call(false, false, "CANCELED", 0) << "canceled" << true;
        QTest::newRow("6 other result has no kind") << call(false, true, "CANCELED", 0) << "[Video call]" << false;
        QTest::newRow("13 contact card") << [] { auto m = line(13); m.extraText3 = "Kiwi Ito"; return m; }() << "kiwi"
                                         << true;
        QTest::newRow("14 name") << [] { auto m = line(14); m.contentText = "kiwi.pdf"; return m; }() << "kiwi"
                                 << true;
        QTest::newRow("14 size") << [] { auto m = line(14); m.sizeText = "12KB"; return m; }() << "12kb" << true;
        QTest::newRow("18 call ended, translated") << line(18, "Voice call ended") << "[Voice call ended]" << true;
        for (int type : {1, 2, 7, 96, 112})
            QTest::addRow("%d never", type) << line(type, "kiwi") << "kiwi" << false;
    }

    void lineByType()
    {
        QFETCH(LineInfo, message);
        QFETCH(QString, keyword);
        QFETCH(bool, found);
        QCoreApplication::installTranslator(&m_messages);
        QCoreApplication::installTranslator(&m_calls);
        const bool matched = lineMessageMatches(keyword, LineSessionInfo(), message, false);
        const bool matchedByPattern = lineMessageMatchesRegExp(QRegExp(keyword), LineSessionInfo(), message, false);
        QCoreApplication::removeTranslator(&m_calls);
        QCoreApplication::removeTranslator(&m_messages);
        QCOMPARE(matched, found);
        QCOMPARE(matchedByPattern, found);
    }

    void lineSessionNameWhenAsked()
    {
        LineSessionInfo session;
        session.title = QStringLiteral("Kiwi club");
        QVERIFY(lineMessageMatches(QStringLiteral("kiwi"), session, line(1), true));
        QVERIFY(!lineMessageMatches(QStringLiteral("kiwi"), session, line(1), false));
    }

    // What the conversation shows of a call is what the search finds.
    void lineCallTexts()
    {
        QCOMPARE(lineCallText(call(false, true, QStringLiteral("NORMAL"), 65000)), QStringLiteral("Video call 01:05"));
        QCOMPARE(lineCallText(call(false, false, QStringLiteral("NORMAL"), 1499)), QStringLiteral("Voice call 00:01"));
        QCOMPARE(lineCallText(call(false, true, QStringLiteral("NO_ANSWER"), 0)), QStringLiteral("NO_ANSWER"));
        QCOMPARE(lineCallText(call(true, false, QStringLiteral("NORMAL"), 65000)),
                 QStringLiteral("Group voice started."));
    }
};

QTEST_MAIN(SummaryMatchTest)
#include "summarymatch_test.moc"
