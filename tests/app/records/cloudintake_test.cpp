// iCloud records into the store, fed as the iCloud worker feeds them: the
// library's records on a worker thread, each kind ended by its end step.

#include "deviceparser.h"
#include "deviceparser_p.h"
#include "intakedriver.h"

#include <cirranerecords.h>
#include <vlog.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <functional>

using namespace DeviceData;
using namespace intakedriver;

namespace {

void cloud(int kind, const void *record, int subKind = 0)
{
    parser()->parseCloudRecord(0, kind, record, subKind, 0);
}

Cirrane::STMedia media(const std::wstring &name, int64_t date, bool deleted = false)
{
    Cirrane::STMedia m;
    m.fileName = name;
    m.localPath = L"/cloud/" + name;
    m.date = date;
    m.size = 100;
    m.deleted = deleted ? 1 : 0;
    return m;
}

} // namespace

class CloudIntakeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void nullRecordsLogTheirLine_data();
    void nullRecordsLogTheirLine();
    void photosAndVideos();
    void contactsWithTheirOwnValues();
    void contactsAnnouncedOnlyWhenChosen();
    void notesAndTheirAttachments();
    void eventsAndTheirAttachments();
    void remindersAttachmentsAndAlarms();
    void itemsThatChangeNothing();

private:
    QTemporaryDir m_files;
    QList<int> m_finished;
    QList<int> m_received;
    QStringList m_receivedPhotos; // names of the announced photos and videos
    QString file(const QString &name);
};

void CloudIntakeTest::initTestCase()
{
    vlogInit();
    QVERIFY(m_files.isValid());
    qputenv("QUENROW_FFMPEG", STANDIN_CONVERTER);
    connect(parser(), &DeviceParser::dataFinished, this, [this](GroupType, int type) { m_finished << type; });
    connect(parser(), &DeviceParser::dataReceived, this,
            [this](GroupType, int type, const QVariant &value, int) {
                m_received << type;
                if (value.userType() == qMetaTypeId<MediaInfo>())
                    m_receivedPhotos << value.value<MediaInfo>().name;
            });
}

void CloudIntakeTest::init()
{
    QCoreApplication::processEvents();
    parser()->clearAll();
    parser()->setScanFinished(0, false);
    parser()->setScanCategories(0, {Contacts, Photos, AlbumVideos, Notes, NotesAttachment});
    m_finished.clear();
    m_received.clear();
    m_receivedPhotos.clear();
}

QString CloudIntakeTest::file(const QString &name)
{
    const QString path = m_files.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write("content");
    return path;
}

void CloudIntakeTest::nullRecordsLogTheirLine_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("subKind");
    QTest::addColumn<QString>("message");
    QTest::newRow("photo") << 1 << 0 << "[PHOTO]reinterpret_cast<Cirrane::pSTMedia>(data) nullptr";
    QTest::newRow("video") << 2 << 0 << "[VIDEO]reinterpret_cast<Cirrane::pSTMedia>(data) nullptr";
    QTest::newRow("contact") << 4 << 0 << "reinterpret_cast<Cirrane::pSTContacts>(data) nullptr";
    QTest::newRow("contact value") << 4 << 1 << "reinterpret_cast<Cirrane::pSTContactsInfo>(data) nullptr";
    QTest::newRow("event") << 5 << 0 << "reinterpret_cast<pSTReminders>(data) nullptr";
    QTest::newRow("event attachment") << 5 << 1 << "reinterpret_cast<Cirrane::pSTCalendarAttachment>(data) nullptr";
    QTest::newRow("note") << 6 << 0 << "reinterpret_cast<pSTNotes>(data) nullptr";
    QTest::newRow("reminder") << 7 << 0 << "reinterpret_cast<pSTReminders>(data) nullptr";
    QTest::newRow("reminder attachment") << 7 << 1 << "reinterpret_cast<pSTRemindersAttachment>(data) nullptr";
    QTest::newRow("alarm") << 7 << 2 << "reinterpret_cast<pSTRemindersAlarmTrigger>(data) nullptr";
}

void CloudIntakeTest::nullRecordsLogTheirLine()
{
    QFETCH(int, kind);
    QFETCH(int, subKind);
    QFETCH(QString, message);
    const int before = logLines().size();
    onWorker([&] { cloud(kind, nullptr, subKind); });
    const QStringList lines = logLines();
    QCOMPARE(lines.size(), before + 1);
    QVERIFY2(lines.last().endsWith(message), qPrintable(lines.last()));
    for (const QList<QVariant> &list : parser()->recordMap(0))
        QVERIFY(list.isEmpty());
}

void CloudIntakeTest::photosAndVideos()
{
    const Cirrane::STMedia heif = media(L"old.HEIC", 1600000000, true);
    const Cirrane::STMedia jpeg = media(L"new.jpg", 1700000000);
    const Cirrane::STMedia gone = media(L"gone.png", 1650000000, true);
    const Cirrane::STMedia later = media(L"b.mov", 1700000000000); // milliseconds
    const Cirrane::STMedia earlier = media(L"a.mov", 1600000000);
    onWorker([&] {
        for (const auto *m : {&heif, &jpeg, &gone})
            cloud(1, m);
        QCOMPARE(recordsOf<MediaInfo>(Photos).first().name, QStringLiteral("gone.png")); // flagged: at the front
        parser()->finishCloudCategory(1);
        cloud(2, &later);
        cloud(2, &earlier);
        parser()->finishCloudCategory(2);
    });
    QStringList names;
    for (const MediaInfo &m : recordsOf<MediaInfo>(Photos)) {
        names << m.name;
        QVERIFY(m.finished);
        QCOMPARE(m.mediaKind, quint16(2));
    }
    QCOMPARE(names, QStringList({"gone.png", "new.jpg", "old.HEIC"}));
    // Each announced as it came, also the one that went to the front.
    QTRY_COMPARE(m_receivedPhotos.mid(0, 3), QStringList({"old.HEIC", "new.jpg", "gone.png"}));
    const MediaInfo heic = recordsOf<MediaInfo>(Photos).last();
    QCOMPARE(heic.suffix, QStringLiteral("HEIC"));
    QCOMPARE(heic.path, QStringLiteral("/cloud/old.HEIC"));
    QVERIFY(heic.deleted);
    const QList<MediaInfo> videos = recordsOf<MediaInfo>(AlbumVideos);
    QCOMPARE(videos.size(), 2);
    QCOMPARE(videos.first().name, QStringLiteral("b.mov")); // arrival order
    QCOMPARE(videos.first().time, qint64(1700000000));
    QCOMPARE(videos.first().mediaKind, quint16(0));
    QVERIFY(videos.first().finished);
    QTRY_COMPARE(m_finished, QList<int>({Photos, AlbumVideos}));
    QCOMPARE(m_received.size(), 5);
}

void CloudIntakeTest::contactsWithTheirOwnValues()
{
    Cirrane::STContacts big, small, nameless, empty;
    big.contactId = 70000; // the same low 16 bits as 4464
    big.firstName = L"Bea";
    big.lastName = L"Big";
    big.birthday = L"1604-05-17";
    small.contactId = 4464;
    small.firstName = L"Sam";
    small.birthday = L"1990-05-17";
    nameless.contactId = 9;
    empty.contactId = 10;
    const Cirrane::STContactsInfo bigPhone{70000, 0, L"Mobile", L"+1 555 0700"};
    const Cirrane::STContactsInfo smallPhone{4464, 0, L"Home", L"5550444"};
    const Cirrane::STContactsInfo anniversary{4464, 1, L"Anniversary", L"1604-02-03"};
    const Cirrane::STContactsInfo mail{9, 4, L"Work", L"who@example.com"};
    onWorker([&] {
        for (const auto *c : {&big, &small, &nameless, &empty})
            cloud(4, c, 0);
        for (const auto *v : {&bigPhone, &smallPhone, &anniversary, &mail})
            cloud(4, v, 1);
        parser()->finishCloudCategory(4);
    });
    const QList<ContactInfo> contacts = recordsOf<ContactInfo>(Contacts);
    QCOMPARE(contacts.size(), 3);
    QMap<QString, ContactInfo> byName;
    for (const ContactInfo &c : contacts) {
        byName.insert(c.sortName, c);
        QVERIFY(c.finished);
    }
    QCOMPARE(byName.keys(), QStringList({"BigBea", "Sam", "who@example.com"}));
    const ContactInfo bea = byName.value("BigBea");
    QCOMPARE(bea.birthday, QStringLiteral("05-17"));
    QCOMPARE(bea.phones, LabelledValues({{"_$!<Mobile>!$_", "+15550700"}}));
    QCOMPARE(bea.recordId, 70000);
    const ContactInfo sam = byName.value("Sam");
    QCOMPARE(sam.birthday, QStringLiteral("1990-05-17"));
    QCOMPARE(sam.phones, LabelledValues({{"_$!<Home>!$_", "5550444"}}));
    QCOMPARE(sam.dates, LabelledValues({{"_$!<Anniversary>!$_", "02-03"}}));
    QVERIFY(parser()->storage()->recordPartsB.isEmpty());
    QTRY_COMPARE(m_finished, QList<int>({Contacts}));
}

void CloudIntakeTest::contactsAnnouncedOnlyWhenChosen()
{
    parser()->setScanCategories(0, {Photos});
    Cirrane::STContacts ann;
    ann.firstName = L"Ann";
    onWorker([&] {
        cloud(4, &ann);
        parser()->finishCloudCategory(4);
        parser()->finishCloudCategory(6);
    });
    QCOMPARE(parser()->records(0, Contacts).size(), 1);
    QTRY_COMPARE(m_finished, QList<int>({Notes}));
}

void CloudIntakeTest::notesAndTheirAttachments()
{
    Cirrane::STNotes big, small, plain, orphanless;
    big.noteId = 70000;
    big.title = L"big";
    big.created = 1700000000;
    big.attachmentPath = file("scan.pdf").toStdWString();
    big.attachmentName = L"scan.pdf";
    small.noteId = 4464;
    small.title = L"small";
    small.created = 1600000000;
    small.deleted = 0x101; // only the low byte counts
    plain.noteId = 5;
    plain.title = L"plain";
    onWorker([&] {
        for (const auto *n : {&small, &big, &plain})
            cloud(6, n);
        parser()->finishCloudCategory(6);
    });
    const QList<NotesInfo> notes = recordsOf<NotesInfo>(Notes);
    QCOMPARE(notes.size(), 3);
    QCOMPARE(notes.at(0).title, QStringLiteral("small")); // deleted first
    QVERIFY(notes.at(0).deleted);
    QVERIFY(notes.at(0).attachments.isEmpty());
    QCOMPARE(notes.at(1).title, QStringLiteral("big"));
    QCOMPARE(notes.at(1).noteId, quint16(70000 & 0xFFFF));
    QCOMPARE(notes.at(1).createdText, QStringLiteral("2023-11-14 22:13:20"));
    QCOMPARE(notes.at(1).attachments.size(), 1);
    QCOMPARE(notes.at(1).attachments.first().path, m_files.filePath("scan.pdf"));
    QVERIFY(notes.at(2).createdText.isEmpty());
    const QList<MediaInfo> attachments = recordsOf<MediaInfo>(NotesAttachment);
    QCOMPARE(attachments.size(), 1);
    QCOMPARE(attachments.first().mediaKind, quint16(7));
    QVERIFY(attachments.first().finished);
    QTRY_COMPARE(m_finished, QList<int>({Notes}));
}

void CloudIntakeTest::eventsAndTheirAttachments()
{
    Cirrane::STCalendarEvent meeting, undated;
    meeting.eventId = 3;
    meeting.title = L"Meeting";
    meeting.location = L"Room 1";
    meeting.start = 202401021530;
    meeting.end = 202401021630;
    undated.eventId = 4;
    const Cirrane::STCalendarAttachment agenda{3, L"agenda.txt", file("agenda.txt").toStdWString(), 4096};
    const Cirrane::STCalendarAttachment stray{99, L"stray.txt", file("stray.txt").toStdWString(), 1};
    const Cirrane::STCalendarAttachment pathless{3, L"none.txt", L"", 1};
    onWorker([&] {
        cloud(5, &meeting);
        cloud(5, &undated);
        for (const auto *a : {&agenda, &stray, &pathless})
            cloud(5, a, 1);
        parser()->finishCloudCategory(5);
    });
    const QList<CalenderReminderInfo> events = recordsOf<CalenderReminderInfo>(Calendars);
    QCOMPARE(events.size(), 2);
    QCOMPARE(events.at(0).id, QStringLiteral("3"));
    QCOMPARE(events.at(0).startText, QStringLiteral("2024-01-02 15:30"));
    QCOMPARE(events.at(0).endText, QStringLiteral("2024-01-02 16:30"));
    QCOMPARE(events.at(0).location, QStringLiteral("Room 1"));
    QCOMPARE(events.at(0).attachments.size(), 1);
    QCOMPARE(events.at(0).attachments.first().size, qint64(4096));
    QVERIFY(events.at(1).startText.isEmpty());
    QVERIFY(events.at(1).endText.isEmpty());
    QCOMPARE(parser()->records(0, CalendarsAttachment).size(), 2);
    QTRY_COMPARE(m_finished, QList<int>({Calendars}));
}

void CloudIntakeTest::remindersAttachmentsAndAlarms()
{
    Cirrane::STReminders call, done;
    call.reminderId = 7;
    call.title = L"Call Ann";
    call.listName = L"Home";
    call.priority = 5;
    call.start = 1700000000;
    call.end = 1700003600;
    done.reminderId = 8;
    done.completed = 1;
    done.deleted = 1;
    const Cirrane::STRemindersAttachment photo{7, L"photo.jpg", file("photo.jpg").toStdWString()};
    const Cirrane::STRemindersAlarmTrigger alarm{7, L"At the office"};
    const Cirrane::STRemindersAlarmTrigger unknown{70, L"Nowhere"};
    onWorker([&] {
        cloud(7, &call);
        cloud(7, &done);
        cloud(7, &photo, 1);
        cloud(7, &alarm, 2);
        cloud(7, &unknown, 2);
        parser()->finishCloudCategory(7);
    });
    const QList<CalenderReminderInfo> reminders = recordsOf<CalenderReminderInfo>(Reminders);
    QCOMPARE(reminders.size(), 2);
    QCOMPARE(reminders.at(0).id, QStringLiteral("8"));
    QVERIFY(reminders.at(0).deleted);
    QCOMPARE(reminders.at(0).completed, quint16(1));
    const CalenderReminderInfo first = reminders.at(1);
    QCOMPARE(first.location, QStringLiteral("At the office"));
    QCOMPARE(first.listName, QStringLiteral("Home"));
    QCOMPARE(first.priority, quint16(5));
    QCOMPARE(first.endText, QStringLiteral("2023-11-14 23:13:20"));
    QCOMPARE(first.attachments.size(), 1);
    QCOMPARE(first.attachments.first().preview, m_files.filePath("photo.jpg"));
    QCOMPARE(recordsOf<MediaInfo>(RemindersAttachment).size(), 1);
    QVERIFY(recordsOf<MediaInfo>(RemindersAttachment).first().finished);
    QTRY_COMPARE(m_finished, QList<int>({Reminders}));
}

void CloudIntakeTest::itemsThatChangeNothing()
{
    const Cirrane::STMedia photo = media(L"late.jpg", 1700000000);
    Cirrane::STContacts ann;
    ann.firstName = L"Ann";
    onWorker([&] {
        cloud(3, &photo);
        cloud(9, &photo);
        cloud(4, &ann, 5);
        cloud(7, &ann, 3);
        parser()->finishCloudCategory(3);
        parser()->finishCloudCategory(0);
        parser()->setScanFinished(0, true);
        cloud(1, &photo);
    });
    for (const QList<QVariant> &list : parser()->recordMap(0))
        QVERIFY(list.isEmpty());
    QVERIFY(logLines().last().endsWith("Parse End Receives the packet repeatedly"));
    QCoreApplication::processEvents();
    QVERIFY(m_finished.isEmpty());
    QVERIFY(m_received.isEmpty());
}

QTEST_GUILESS_MAIN(CloudIntakeTest)
#include "cloudintake_test.moc"
