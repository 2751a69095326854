#include "deviceparser.h"
#include "deviceparser_p.h"

#include <QtTest>


using namespace DeviceData;

namespace {

DeviceParserPrivate *store()
{
    return DeviceParser::instance()->storage();
}

QVariant contact(const QString &sortName, const LabelledValues &phones)
{
    ContactInfo c;
    c.sortName = sortName;
    c.phones = phones;
    return QVariant::fromValue(c);
}

QVariant media(const QString &name)
{
    MediaInfo m;
    m.name = name;
    return QVariant::fromValue(m);
}

QStringList names(const QList<QVariant> &list)
{
    QStringList out;
    for (const QVariant &v : list)
        out << v.value<MediaInfo>().name;
    return out;
}

SMSInfo sms(const QString &text)
{
    SMSInfo m;
    m.text = text;
    return m;
}

} // namespace

class DeviceParserTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readersOfAbsentKeysInsertNothing();
    void setAndReadRecords();
    void setRecordReplacesOnlyExistingRows_data();
    void setRecordReplacesOnlyExistingRows();
    void sessionRecords();
    void resetRecordsEmptiesGroupAndChats();
    void clearAllKeepsScanState();
    void lastMessages();
    void findContactByNumber_data();
    void findContactByNumber();
    void contactNameForNumber();
    void displayNameAndCachedNames();
    void scanCategoriesAreCopies();
    void starredSessionIds();
};

// The store is a process-wide singleton: start each case from nothing.
void DeviceParserTest::init()
{
    DeviceParser::instance()->reset();
}

void DeviceParserTest::readersOfAbsentKeysInsertNothing()
{
    DeviceParser *p = DeviceParser::instance();
    QVERIFY(p->records(0, Contacts).isEmpty());
    QVERIFY(p->recordMap(0).isEmpty());
    QVERIFY(p->sessionRecords(WhatsApp, 5).isEmpty());
    QVERIFY(p->sessionMap(LineAttachment).isEmpty());
    QVERIFY(p->smsMessages("x").isEmpty());
    QVERIFY(p->lineSessions(3).isEmpty());
    QVERIFY(!p->isScanFinished(0));
    QVERIFY(p->scanCategories(0).isEmpty());
    p->setRecord(0, Photos, 0, media("a"));
    p->setSessionRecord(WhatsApp, 1, 0, media("a"));

    QVERIFY(store()->store.isEmpty());
    QVERIFY(store()->sessionStore.isEmpty());
    QVERIFY(store()->smsMessages.isEmpty());
    QVERIFY(store()->lineMessages.isEmpty());
    QVERIFY(store()->scanFinished.isEmpty());
    QVERIFY(store()->scanCategories.isEmpty());
}

void DeviceParserTest::setAndReadRecords()
{
    DeviceParser *p = DeviceParser::instance();
    p->setRecords(0, Photos, {media("a"), media("b")});
    p->setRecords(0, AlbumVideos, {media("v")});
    QCOMPARE(names(p->records(0, Photos)), QStringList({"a", "b"}));
    const QMap<int, QList<QVariant>> map = p->recordMap(0);
    QCOMPARE(map.keys(), QList<int>({Photos, AlbumVideos}));
    QCOMPARE(names(map.value(AlbumVideos)), QStringList({"v"}));
    QVERIFY(p->records(1, Photos).isEmpty());
}

void DeviceParserTest::setRecordReplacesOnlyExistingRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("first") << 0 << QStringList({"new", "b"});
    QTest::newRow("last") << 1 << QStringList({"a", "new"});
    QTest::newRow("negative") << -1 << QStringList({"a", "b"});
    QTest::newRow("past the end") << 2 << QStringList({"a", "b"});
}

void DeviceParserTest::setRecordReplacesOnlyExistingRows()
{
    QFETCH(int, row);
    QFETCH(QStringList, expected);
    DeviceParser *p = DeviceParser::instance();
    p->setRecords(0, Photos, {media("a"), media("b")});
    p->setSessionRecords(LineAttachment, 2, {media("a"), media("b")});
    p->setRecord(0, Photos, row, media("new"));
    p->setSessionRecord(LineAttachment, 2, row, media("new"));
    QCOMPARE(names(p->records(0, Photos)), expected);
    QCOMPARE(names(p->sessionRecords(LineAttachment, 2)), expected);
}

void DeviceParserTest::sessionRecords()
{
    DeviceParser *p = DeviceParser::instance();
    p->setSessionRecords(WhatsAppAttachment, 0, {media("clip")});
    p->setSessionRecords(WhatsAppAttachment, 12, {media("doc"), media("card")});
    QCOMPARE(names(p->sessionRecords(WhatsAppAttachment, 12)), QStringList({"doc", "card"}));
    QCOMPARE(p->sessionMap(WhatsAppAttachment).keys(), QList<int>({0, 12}));
    QVERIFY(p->sessionRecords(WhatsAppAttachment, 1).isEmpty());

    QCOMPARE(p->appendSessionRecord(WhatsAppAttachment, 1, media("pic")), 4);
    QCOMPARE(p->appendRecord(0, Photos, media("p")), 1);
    QCOMPARE(p->appendRecord(0, Photos, media("q")), 2);
}

void DeviceParserTest::resetRecordsEmptiesGroupAndChats()
{
    DeviceParser *p = DeviceParser::instance();
    p->setRecords(0, Photos, {media("a")});
    p->setRecords(1, Photos, {media("other group")});
    p->setSessionRecords(Line, 9, {media("m")});
    p->resetRecords(0);
    QVERIFY(p->recordMap(0).isEmpty());
    QCOMPARE(names(p->records(1, Photos)), QStringList({"other group"}));
    QVERIFY(p->sessionRecords(Line, 9).isEmpty());
    QCOMPARE(store()->sessionStore.keys(), QList<int>({WhatsApp, WhatsAppAttachment, Line, LineAttachment}));
}

void DeviceParserTest::clearAllKeepsScanState()
{
    DeviceParser *p = DeviceParser::instance();
    p->setScanFinished(0, true);
    p->setScanCategories(0, {Contacts, FaceTime});
    p->setRecords(0, Contacts, {contact("A", {})});
    p->setSessionRecords(WhatsApp, 1, {media("m")});
    p->setSmsMessages("k", {sms("hi")});
    p->setLineSessions(1, {LineInfo()});
    p->setDisplayName("mid", "Mio");
    p->setCachedName("jid", "jid", "1", "Jo");
    p->takeSessionId();
    // Tables only the intake fills; nothing else runs here.
    store()->intTexts[4] = "photo.jpg";
    store()->pendingNames["group"] = "_$!<a>!$_";
    p->clearAll();
    QVERIFY(p->isScanFinished(0));
    QCOMPARE(p->scanCategories(0), QVector<int>({Contacts, FaceTime}));
    QVERIFY(p->records(0, Contacts).isEmpty());
    QVERIFY(p->sessionRecords(WhatsApp, 1).isEmpty());
    QVERIFY(p->smsMessages("k").isEmpty());
    QVERIFY(p->lineSessions(1).isEmpty());
    QVERIFY(store()->handleNames.isEmpty() && store()->cachedNames.isEmpty());
    QCOMPARE(store()->intTexts.value(4), QStringLiteral("photo.jpg"));
    QVERIFY(store()->pendingNames.contains("group"));
    QCOMPARE(store()->nextSessionId, DeviceParserPrivate::FirstStarredSessionId + 1);
}

void DeviceParserTest::lastMessages()
{
    DeviceParser *p = DeviceParser::instance();
    QVERIFY(p->lastSmsMessage("absent").text.isEmpty());
    QCOMPARE(p->lastSmsMessage("absent").time, 0);
    QCOMPARE(p->lastLineMessage(7).time, 0);
    LineInfo line;
    line.text = "last";
    p->setSmsMessages("k", {sms("first"), sms("second")});
    p->setSmsMessages("empty", {});
    p->setLineSessions(7, {LineInfo(), line});
    QCOMPARE(p->lastSmsMessage("k").text, QStringLiteral("second"));
    QCOMPARE(p->smsMessages("k").size(), 2);
    QVERIFY(p->lastSmsMessage("empty").text.isEmpty());
    QCOMPARE(p->lastLineMessage(7).text, QStringLiteral("last"));
    QCOMPARE(p->lineSessions(7).size(), 2);
}

void DeviceParserTest::findContactByNumber_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("name");
    QTest::newRow("exact") << "+4670" << true << "First";
    QTest::newRow("second phone of a later contact") << "0812" << true << "Second";
    QTest::newRow("first match wins") << "555" << true << "First";
    QTest::newRow("no normalisation") << "+46 70" << false << "unchanged";
    QTest::newRow("label is not a value") << "home" << false << "unchanged";
    QTest::newRow("empty matches no empty phone") << "" << false << "unchanged";
}

void DeviceParserTest::findContactByNumber()
{
    QFETCH(QString, number);
    QFETCH(bool, found);
    QFETCH(QString, name);
    DeviceParser *p = DeviceParser::instance();
    p->setRecords(0, Contacts,
                  {QVariant(QStringLiteral("not a contact")), contact("Empty", {{"home", ""}}),
                   contact("First", {{"mobile", "+4670"}, {"work", "555"}}),
                   contact("Second", {{"home", "0899"}, {"home", "0812"}, {"x", "555"}})});
    ContactInfo out;
    out.sortName = "unchanged";
    QCOMPARE(p->findContactByNumber(number, out), found);
    QCOMPARE(out.sortName, name);
}

void DeviceParserTest::contactNameForNumber()
{
    DeviceParser *p = DeviceParser::instance();
    QCOMPARE(p->contactNameForNumber("+4670"), QStringLiteral("+4670")); // no contacts yet
    p->setRecords(0, Contacts, {contact("Anna", {{"mobile", "+4670"}})});
    QCOMPARE(p->contactNameForNumber("+4670"), QStringLiteral("Anna"));
    QCOMPARE(p->contactNameForNumber("+4671"), QStringLiteral("+4671"));
    QCOMPARE(p->contactNameForNumber(""), QString());
}

void DeviceParserTest::displayNameAndCachedNames()
{
    DeviceParser *p = DeviceParser::instance();
    p->setDisplayName("named", "Kim");
    p->setDisplayName("blank", "");
    p->setCachedName("a@s.net", "a@s.net", "a", "Ann");
    QCOMPARE(p->displayName("named"), QStringLiteral("Kim"));
    QCOMPARE(p->displayName("blank"), QStringLiteral("blank"));
    QCOMPARE(p->displayName("absent"), QStringLiteral("absent"));

    QString jid = "j", number = "n", push = "p";
    QVERIFY(!p->findCachedName("b@s.net", jid, number, push));
    QCOMPARE(QStringList({jid, number, push}), QStringList({"j", "n", "p"}));
    QVERIFY(p->findCachedName("a@s.net", jid, number, push));
    QCOMPARE(QStringList({jid, number, push}), QStringList({"a@s.net", "a", "Ann"}));
}

void DeviceParserTest::scanCategoriesAreCopies()
{
    DeviceParser *p = DeviceParser::instance();
    p->setScanCategories(0, {CallHistory, SafariHistory});
    QVector<int> copy = p->scanCategories(0);
    copy.append(FaceTime);
    QCOMPARE(p->scanCategories(0), QVector<int>({CallHistory, SafariHistory}));
    QVERIFY(p->scanCategories(1).isEmpty());
}

void DeviceParserTest::starredSessionIds()
{
    QCOMPARE(DeviceParser::instance()->takeSessionId(), 300000000);
    QCOMPARE(DeviceParser::instance()->takeSessionId(), 300000001);
}

QTEST_GUILESS_MAIN(DeviceParserTest)
#include "deviceparser_test.moc"
