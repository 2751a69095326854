#include "devicedata.h"
#include "deviceparser.h"
#include "deviceparser_p.h"

#include <idbexecutor.h>

#include <QThread>
#include <QtTest>


using namespace DeviceData;

namespace {

ContactInfo sampleContact()
{
    ContactInfo c;
    c.firstName = QStringLiteral("Åsa");
    c.lastName = QStringLiteral("Berg");
    c.sortName = QStringLiteral("BergÅsa");
    c.phones = {{"_$!<Mobile>!$_", "+46 70 123"}, {"home", "0812"}};
    c.addresses = {{"work", "Street 1<br>Town"}};
    c.time = -1700000000123LL;
    c.rowId = 65535;
    c.reserved2 = 2;
    c.deleted = true;
    return c;
}

WaMessageInfo sampleWaMessage()
{
    WaMessageInfo m;
    m.pk = 7;
    m.chatSession = 42;
    m.text = QStringLiteral("&lt;hi&gt; 😀");
    m.latitude = 59.5f;
    m.mediaExists = true;
    m.direction = 2;
    m.date = 1700000000;
    m.senderNumber = QStringLiteral("4670");
    return m;
}

SMSSessionInfo sampleSession()
{
    SMSInfo last;
    last.handle = QStringLiteral("+4670");
    last.text = QStringLiteral("bye");
    last.time = 1600000000;
    last.mediaKind = ImageKind;
    SMSSessionInfo s;
    s.key = last.handle;
    s.lastMessage = QVariant::fromValue(last);
    s.time = last.time;
    s.valid = true;
    return s;
}

NotesInfo sampleNote()
{
    MediaInfo attachment;
    attachment.name = QStringLiteral("scan.pdf");
    attachment.size = 1LL << 40;
    attachment.mediaKind = PdfKind;
    attachment.isAttachment = true;
    NotesInfo n;
    n.title = QStringLiteral("Note");
    n.attachments = {attachment, attachment};
    n.noteId = quint16(70000);
    n.locked = true;
    return n;
}

// Stores one record the way the intake does and announces it under the lock.
class Intake : public QThread
{
public:
    explicit Intake(const QList<QVariant> &records)
        : m_records(records)
    {
    }

protected:
    void run() override
    {
        DeviceParser *parser = DeviceParser::instance();
        for (const QVariant &record : m_records)
            parser->appendRecord(DeviceGroup, Contacts, record);
        emit parser->dataFinished(DeviceGroup, Contacts);
    }

private:
    QList<QVariant> m_records;
};

} // namespace

class DeviceDataTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void typesAreRegistered_data();
    void typesAreRegistered();
    void defaultsSurviveVariant();
    void wrongTypeReadsAsDefault();
    void engineCategories_data();
    void engineCategories();
    void recordsCrossThreadsUnchanged();
};

void DeviceDataTest::initTestCase()
{
    registerMetaTypes();
    registerMetaTypes(); // twice is harmless
}

void DeviceDataTest::typesAreRegistered_data()
{
    QTest::addColumn<QByteArray>("name");
    for (const char *name : {"CHFTInfo", "CalenderReminderInfo", "ContactInfo", "DocumentInfo", "LineSessionInfo",
                             "MediaInfo", "NotesInfo", "SMSSessionInfo", "SafariInfo", "VMMInfo", "WaSessionInfo",
                             "SMSInfo", "WaMessageInfo", "LineInfo"}) {
        const QByteArray full = QByteArray("DeviceData::") + name;
        QTest::newRow(full) << full;
        QTest::newRow("QList<" + full + ">") << "QList<" + full + ">";
    }
    QTest::newRow("Vx::DataItemInfo") << QByteArray("Vx::DataItemInfo");
    QTest::newRow("DeviceData::GroupType") << QByteArray("DeviceData::GroupType");
    QTest::newRow("QVector<int>") << QByteArray("QVector<int>");
}

void DeviceDataTest::typesAreRegistered()
{
    QFETCH(QByteArray, name);
    const int id = QMetaType::type(name);
    QVERIFY(id != QMetaType::UnknownType);
    QCOMPARE(QByteArray(QMetaType::typeName(id)), name);
}

void DeviceDataTest::defaultsSurviveVariant()
{
    const SMSInfo sms = QVariant::fromValue(SMSInfo()).value<SMSInfo>();
    QVERIFY(sms.text.isEmpty() && sms.handle.isEmpty());
    QCOMPARE(sms.time, 0);
    QCOMPARE(sms.mediaKind, quint16(NoAttachmentKind));
    QVERIFY(!sms.deleted && !sms.isGroup);

    const NotesInfo note = QVariant::fromValue(NotesInfo()).value<NotesInfo>();
    QVERIFY(note.attachments.isEmpty());
    QVERIFY(!note.finished && !note.locked);
    const Vx::DataItemInfo item = QVariant::fromValue(Vx::DataItemInfo()).value<Vx::DataItemInfo>();
    QVERIFY(item.name.isEmpty());
    QCOMPARE(item.category, 0);
    QCOMPARE(item.isHeading, 0);
}

void DeviceDataTest::wrongTypeReadsAsDefault()
{
    const QVariant contact = QVariant::fromValue(sampleContact());
    QVERIFY(!contact.canConvert<CHFTInfo>());
    const CHFTInfo call = contact.value<CHFTInfo>();
    QVERIFY(call.displayName.isEmpty());
    QCOMPARE(call.date, 0);
    QVERIFY(!call.deleted);

    const MediaInfo media = QVariant(QStringLiteral("text")).value<MediaInfo>();
    QVERIFY(media.name.isEmpty());
    QCOMPARE(media.size, 0);
}

void DeviceDataTest::engineCategories_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("engine");
    const QList<QPair<int, int>> rows = {
        {Contacts, DBAPP_ADDRESSBOOK}, {Messages, DBAPP_SMS}, {MessagesAttachment, DBAPP_SMS},
        {Voicemails, DBAPP_VOICEMAIL}, {VoiceMemos, DBAPP_VOICEMEMO}, {Photos, DBAPP_PHOTOS},
        {AlbumVideos, DBAPP_VIDEO}, {FaceTime, DBAPP_FACETIME}, {SafariBookmarks, DBAPP_BOOKMARKS},
        {SafariHistory, DBAPP_SAFARI_HISTORY}, {Notes, DBAPP_NOTES}, {NotesAttachment, DBAPP_NOTES},
        {CallHistory, DBAPP_CALL_HISTORY}, {Calendars, DBAPP_CALENDAR}, {CalendarsAttachment, DBAPP_CALENDAR},
        {Reminders, DBAPP_REMINDERS}, {RemindersAttachment, DBAPP_REMINDERS}, {AppPhotos, DBAPP_3RD_IMAGE},
        {AppVideos, DBAPP_3RD_VIDEO}, {AppAudios, DBAPP_3RD_AUDIO}, {AppDocuments, DBAPP_3RD_DOCUMENT},
        {WhatsApp, DBAPP_WHATSAPP}, {WhatsAppAttachment, DBAPP_WHATSAPP}, {Line, DBAPP_LINE},
        {LineAttachment, DBAPP_LINE}, {0, 0}, {5, 0}, {0x80000, 0}};
    for (const auto &row : rows)
        QTest::newRow(qPrintable(QString::number(row.first, 16))) << row.first << row.second;
}

void DeviceDataTest::engineCategories()
{
    QFETCH(int, category);
    QFETCH(int, engine);
    QCOMPARE(engineCategoryOf(category), engine);
}

// Receivers connect queued, as real consumers must: the signal is emitted
// under the store's write lock.
void DeviceDataTest::recordsCrossThreadsUnchanged()
{
    DeviceParser *parser = DeviceParser::instance();
    parser->resetRecords(DeviceGroup);
    QList<QVariant> received;
    QList<int> totals;
    bool finished = false;
    QObject receiver;
    connect(parser, &DeviceParser::dataReceived, &receiver,
            [&](GroupType group, int type, const QVariant &data, int total) {
                QCOMPARE(group, DeviceGroup);
                QCOMPARE(type, int(Contacts));
                QCOMPARE(parser->records(group, type).size(), 4); // reading here must not deadlock
                received.append(data);
                totals.append(total);
            },
            Qt::QueuedConnection);
    connect(parser, &DeviceParser::dataFinished, &receiver, [&] { finished = true; }, Qt::QueuedConnection);

    Intake intake({QVariant::fromValue(sampleContact()), QVariant::fromValue(sampleWaMessage()),
                   QVariant::fromValue(sampleSession()), QVariant::fromValue(sampleNote())});
    intake.start();
    QVERIFY(intake.wait(5000));
    QTRY_VERIFY(finished);

    QCOMPARE(totals, QList<int>({1, 2, 3, 4}));
    QCOMPARE(received.size(), 4);
    const ContactInfo contact = received.at(0).value<ContactInfo>();
    QCOMPARE(contact.sortName, sampleContact().sortName);
    QCOMPARE(contact.phones, sampleContact().phones);
    QCOMPARE(contact.addresses, sampleContact().addresses);
    QCOMPARE(contact.time, sampleContact().time);
    QCOMPARE(contact.rowId, quint16(65535));
    QCOMPARE(contact.reserved2, quint16(2));
    QVERIFY(contact.deleted);

    const WaMessageInfo message = received.at(1).value<WaMessageInfo>();
    QCOMPARE(message.text, sampleWaMessage().text);
    QCOMPARE(message.latitude, 59.5f);
    QCOMPARE(message.date, 1700000000);
    QCOMPARE(message.chatSession, 42);
    QCOMPARE(message.senderNumber, QStringLiteral("4670"));
    QVERIFY(message.mediaExists);

    const SMSSessionInfo session = received.at(2).value<SMSSessionInfo>();
    QCOMPARE(session.key, QStringLiteral("+4670"));
    QVERIFY(session.valid);
    const SMSInfo last = session.lastMessage.value<SMSInfo>();
    QCOMPARE(last.text, QStringLiteral("bye"));
    QCOMPARE(last.mediaKind, quint16(ImageKind));

    const NotesInfo note = received.at(3).value<NotesInfo>();
    QCOMPARE(note.attachments.size(), 2);
    QCOMPARE(note.attachments.at(1).size, 1LL << 40);
    QCOMPARE(note.attachments.at(1).name, QStringLiteral("scan.pdf"));
    QCOMPARE(note.noteId, quint16(70000 & 0xFFFF));
    QVERIFY(note.locked);
}

QTEST_GUILESS_MAIN(DeviceDataTest)
#include "devicedata_test.moc"
