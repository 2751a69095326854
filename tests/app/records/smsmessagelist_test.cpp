#include "smsmessagelist.h"

#include <QtTest>

using namespace DeviceData;

class SmsMessageListTest : public QObject
{
    Q_OBJECT

private slots:
    void textsComeBackAsTheyWent_data();
    void textsComeBackAsTheyWent();
    void everyFieldComesBack();
    void copiesAreIndependent();
    void sortKeepsTheOrderOfEqualTimes();
    void updatedRecordsKeepTheirTexts();
};

namespace {

SMSInfo message(const QString &text, qint64 time = 0)
{
    SMSInfo m;
    m.text = text;
    m.time = time;
    return m;
}

QString units(std::initializer_list<ushort> list)
{
    QString text;
    for (ushort unit : list)
        text.append(QChar(unit));
    return text;
}

} // namespace

// The list keeps texts in UTF-8: whatever UTF-16 it is given comes back unit
// for unit, including what UTF-8 cannot carry.
void SmsMessageListTest::textsComeBackAsTheyWent_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("empty, not null") << QString("");
    QTest::newRow("ascii") << QStringLiteral("Message number 7, a little longer than most");
    QTest::newRow("escaped markup") << QStringLiteral("&lt;b&gt;bold&lt;/b&gt; &amp; more");
    QTest::newRow("two-byte") << QStringLiteral("Grüße, ça va? Привет");
    QTest::newRow("three-byte") << QStringLiteral("今日は、世界");
    QTest::newRow("pair") << QStringLiteral("smile 😀 and 👍🏽");
    QTest::newRow("byte order mark first") << units({0xfeff, 'a'});
    QTest::newRow("noncharacters") << units({'a', 0xfffe, 0xffff, 0xfdd0});
    QTest::newRow("nul inside") << units({'a', 0, 'b'});
    QTest::newRow("unpaired high") << units({'a', 0xd83d, 'b'});
    QTest::newRow("unpaired high last") << units({'a', 0xd83d});
    QTest::newRow("unpaired low") << units({0xde00, 'b'});
    QTest::newRow("pair reversed") << units({0xde00, 0xd83d});
    QTest::newRow("object replacement") << units({0xfffc});
    QTest::newRow("long") << QString(200000, QChar(0x4e2d));
}

void SmsMessageListTest::textsComeBackAsTheyWent()
{
    QFETCH(QString, text);
    SmsMessageList list;
    list.append(message(QStringLiteral("before")));
    list.append(message(text));
    list.append(message(QStringLiteral("after")));
    QCOMPARE(list.size(), 3);
    QCOMPARE(list.at(1).text, text);
    QCOMPARE(list.at(1).text.size(), text.size());
    QCOMPARE(list.first().text, QStringLiteral("before"));
    QCOMPARE(list.last().text, QStringLiteral("after"));
    QCOMPARE(list.toList().at(1).text, text);
}

void SmsMessageListTest::everyFieldComesBack()
{
    SMSInfo m;
    m.address = "a";
    m.handle = "h";
    m.dayText = "2024-02-29";
    m.attachmentSizeText = "1 KB";
    m.participants = "h,";
    m.subject = "s";
    m.text = "t";
    m.attachmentPath = "/p";
    m.attachmentPreview = "/q";
    m.time = 1709164800;
    m.chatId = 9;
    m.error = 4;
    m.direction = 2;
    m.mediaKind = ImageKind;
    m.isFromMe = m.isForward = m.isSms = m.attachmentExists = m.deleted = m.isGroup = true;

    const SMSInfo back = SmsMessageList({m}).at(0);
    QCOMPARE(back.address, m.address);
    QCOMPARE(back.handle, m.handle);
    QCOMPARE(back.dayText, m.dayText);
    QCOMPARE(back.attachmentSizeText, m.attachmentSizeText);
    QCOMPARE(back.participants, m.participants);
    QCOMPARE(back.subject, m.subject);
    QCOMPARE(back.text, m.text);
    QCOMPARE(back.attachmentPath, m.attachmentPath);
    QCOMPARE(back.attachmentPreview, m.attachmentPreview);
    QCOMPARE(back.time, m.time);
    QCOMPARE(back.chatId, m.chatId);
    QCOMPARE(back.error, m.error);
    QCOMPARE(back.direction, m.direction);
    QCOMPARE(back.mediaKind, m.mediaKind);
    QVERIFY(back.isFromMe && back.isForward && back.isSms && back.attachmentExists && back.deleted && back.isGroup);
}

// A copy handed to a reader stays as it was while the store's list goes on.
void SmsMessageListTest::copiesAreIndependent()
{
    SmsMessageList store{message("one", 2), message("two", 1)};
    const SmsMessageList reader = store;
    store.append(message("three", 3));
    store.updateRecords([](SMSInfo &m) { m.handle = "changed"; });
    store.sortByTime();
    QCOMPARE(reader.size(), 2);
    QCOMPARE(reader.at(0).text, QStringLiteral("one"));
    QCOMPARE(reader.at(1).text, QStringLiteral("two"));
    QVERIFY(reader.at(0).handle.isEmpty());
    QCOMPARE(store.at(0).text, QStringLiteral("two"));
    QCOMPARE(store.at(2).handle, QStringLiteral("changed"));

    SmsMessageList cleared = reader;
    cleared.clear();
    QVERIFY(cleared.isEmpty());
    QCOMPARE(reader.size(), 2);
}

void SmsMessageListTest::sortKeepsTheOrderOfEqualTimes()
{
    SmsMessageList list{message("c", 5), message("a", 1), message("d", 5), message("b", 1), message("e", 9)};
    list.sortByTime();
    QStringList texts;
    for (const SMSInfo &m : list)
        texts << m.text;
    QCOMPARE(texts, QStringList({"a", "b", "c", "d", "e"}));
}

void SmsMessageListTest::updatedRecordsKeepTheirTexts()
{
    const QString unpaired = units({'x', 0xd800});
    SmsMessageList list{message("kept"), message(unpaired)};
    list.updateRecords([](SMSInfo &m) { m.isSms = true; });
    QCOMPARE(list.at(0).text, QStringLiteral("kept"));
    QCOMPARE(list.at(1).text, unpaired);
    QVERIFY(list.at(0).isSms && list.at(1).isSms);
}

QTEST_GUILESS_MAIN(SmsMessageListTest)
#include "smsmessagelist_test.moc"
