// The engine record intake and the end of each category, driven as the scan
// worker drives them: every callback on a worker thread, receivers queued.

#include "deviceparser.h"
#include "deviceparser_p.h"
#include "intakedriver.h"
#include "jpegbuilder.h"
#include "recordbuilders.h"

#include <dbrecords.h>
#include <idbexecutor.h>
#include <vlog.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <functional>

using namespace DeviceData;
using namespace intakedriver;

namespace {

STSMS sms(const std::wstring &id, const std::wstring &text, int64_t date, int chat = 0, bool group = false)
{
    STSMS r;
    r.id = id;
    r.uncanonicalizedId = id;
    r.text = text;
    r.date = date;
    r.groupId = chat;
    r.isGroup = group;
    r.service = L"iMessage";
    return r;
}

STSMSmember member(int chat, const std::wstring &id)
{
    STSMSmember m;
    m.chatId = chat;
    m.id = id;
    m.service = L"SMS";
    return m;
}

STAddressBook person(int rowId, const std::wstring &first)
{
    STAddressBook p;
    p.rowId = rowId;
    p.first = first;
    return p;
}

STAddressBookProperty multiValue(int recordId, int uid, int kind, const std::wstring &value)
{
    STAddressBookProperty p;
    p.recordId = recordId;
    p.uid = uid;
    p.property = kind;
    p.label = L"_$!<Mobile>!$_";
    p.value = value;
    return p;
}

QStringList phonesOf(const ContactInfo &c)
{
    QStringList out;
    for (const auto &p : c.phones)
        out << p.second;
    return out;
}

// Signals as a queued receiver in this thread sees them.
struct Received
{
    QList<int> finished;
    QList<QPair<int, QVariant>> data;
};

} // namespace

class EngineIntakeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void nullRecordsLogTheirLine_data();
    void nullRecordsLogTheirLine();
    void statusesOtherThanRecordsAndEnds();
    void recordsAfterTheScanEndedAreDropped();
    void oneToOneConversations();
    void conversationsStartOverAfterTheResultsAreDiscarded();
    void aConversationSetFromOutsideIsContinued();
    void groupConversationsGetUniqueKeys();
    void memberIdsAreMatchedWhole();
    void membersJoinEachSendersListOnce();
    void contactsMatchOnTheWholeRowId();
    void contactsAreAnnouncedOnlyWhenChosen();
    void deletedContactSplitsItsTexts();
    void contactValueFormatting();
    void callsTakeTheContactName();
    void noteAttachmentsMatchTheWholeNoteId();
    void messageAttachments_data();
    void messageAttachments();
    void mediaListsAndTheirOrders();
    void documentsMissingOnDiskAreFirst();
    void appFilesWithoutABackupFileAreCountedOnce();
    void calendarsRemindersAndTheirAttachments();
    void voiceSafariAndTheirOrders();
    void endWithoutRecordsOrWithAnUnknownBit();

private:
    Received m_received;
    QTemporaryDir m_files;
    QString file(const QString &name, const QByteArray &bytes);
};

void EngineIntakeTest::initTestCase()
{
    vlogInit();
    QVERIFY(m_files.isValid());
    // Video stills come from the stand-in converter.
    qputenv("QUENROW_FFMPEG", STANDIN_CONVERTER);
    connect(parser(), &DeviceParser::dataFinished, this, [this](GroupType, int type) { m_received.finished << type; });
    connect(parser(), &DeviceParser::dataReceived, this,
            [this](GroupType, int type, const QVariant &data, int) { m_received.data.append({type, data}); });
}

void EngineIntakeTest::init()
{
    // Signals queued by the case before are not this case's.
    QCoreApplication::processEvents();
    parser()->reset();
    parser()->setScanFinished(0, false);
    parser()->setScanCategories(0, {Contacts, Messages});
    m_received = Received();
}

QString EngineIntakeTest::file(const QString &name, const QByteArray &bytes)
{
    const QString path = m_files.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

void EngineIntakeTest::nullRecordsLogTheirLine_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("member") << int(DBAPP_SMS) << 2 << "reinterpret_cast<pSTSMSmember>(data) nullptr";
    QTest::newRow("message") << int(DBAPP_SMS) << 1 << "reinterpret_cast<pSTSMS>(data) nullptr";
    QTest::newRow("person") << int(DBAPP_ADDRESSBOOK) << 0 << "reinterpret_cast<pSTAddressBook>(data) nullptr";
    QTest::newRow("property") << int(DBAPP_ADDRESSBOOK) << 1 << "reinterpret_cast<pSTAddressBookProperty>(data) nullptr";
    QTest::newRow("property value") << int(DBAPP_ADDRESSBOOK) << 2
                                    << "reinterpret_cast<pSTAddressBookPropertyValue>(data) nullptr";
    QTest::newRow("image") << int(DBAPP_ADDRESSBOOK) << 3 << "reinterpret_cast<pSTAddressBookImage>(data) nullptr";
    QTest::newRow("deleted person") << int(DBAPP_ADDRESSBOOK) << 4
                                    << "reinterpret_cast<pSTDeletedAddressBook>(data) nullptr";
    QTest::newRow("bookmark") << int(DBAPP_BOOKMARKS) << 0 << "reinterpret_cast<pSTBookMarks>(data) nullptr";
    QTest::newRow("history") << int(DBAPP_SAFARI_HISTORY) << 0 << "reinterpret_cast<pSTSafariHistory>(data) nullptr";
    QTest::newRow("call") << int(DBAPP_CALL_HISTORY) << 0 << "reinterpret_cast<pSTCallHistory>(data) nullptr";
    QTest::newRow("facetime") << int(DBAPP_FACETIME) << 0 << "reinterpret_cast<pSTFaceTime>(data) nullptr";
    QTest::newRow("voicemail") << int(DBAPP_VOICEMAIL) << 0 << "reinterpret_cast<pSTVoiceMail>(data) nullptr";
    QTest::newRow("voice memo") << int(DBAPP_VOICEMEMO) << 0 << "reinterpret_cast<pSTVoicememo>(data) nullptr";
    QTest::newRow("note") << int(DBAPP_NOTES) << 0 << "reinterpret_cast<pSTNotes>(data) nullptr";
    QTest::newRow("note attachment") << int(DBAPP_NOTES) << 1 << "reinterpret_cast<pSTNotesAttachment>(data) nullptr";
    QTest::newRow("event") << int(DBAPP_CALENDAR) << 0 << "reinterpret_cast<pSTCalender>(data) nullptr";
    QTest::newRow("reminder attachment") << int(DBAPP_REMINDERS) << 2
                                         << "reinterpret_cast<pSTReminderAttachment>(data) nullptr";
    QTest::newRow("reminder") << int(DBAPP_REMINDERS) << 0 << "reinterpret_cast<pSTReminder>(data) nullptr";
    QTest::newRow("photo") << int(DBAPP_PHOTOS) << 0 << "[DBAPP_PHOTOS|DBAPP_3RD_IMAGE]reinterpret_cast<pSTFiles>(data) nullptr";
    QTest::newRow("app image") << int(DBAPP_3RD_IMAGE) << 0
                               << "[DBAPP_PHOTOS|DBAPP_3RD_IMAGE]reinterpret_cast<pSTFiles>(data) nullptr";
    QTest::newRow("video") << int(DBAPP_VIDEO) << 0 << "[DBAPP_3RD_VIDEO|DBAPP_VIDEO]reinterpret_cast<pSTFiles>(data) nullptr";
    QTest::newRow("app video") << int(DBAPP_3RD_VIDEO) << 0
                               << "[DBAPP_3RD_VIDEO|DBAPP_VIDEO]reinterpret_cast<pSTFiles>(data) nullptr";
    QTest::newRow("audio") << int(DBAPP_3RD_AUDIO) << 0
                           << "[DBAPP_3RD_AUDIO|DBAPP_3RD_DOCUMENT]reinterpret_cast<pSTFiles>(data) nullptr";
    QTest::newRow("document") << int(DBAPP_3RD_DOCUMENT) << 0
                              << "[DBAPP_3RD_AUDIO|DBAPP_3RD_DOCUMENT]reinterpret_cast<pSTFiles>(data) nullptr";
}

void EngineIntakeTest::nullRecordsLogTheirLine()
{
    QFETCH(int, kind);
    QFETCH(int, value);
    QFETCH(QString, message);
    const int before = logLines().size();
    onWorker([&] { record(kind, value, nullptr); });
    const QStringList lines = logLines();
    QCOMPARE(lines.size(), before + 1);
    QVERIFY2(lines.last().endsWith("[4] vlog.h:69 " + message), qPrintable(lines.last()));
    for (const QList<QVariant> &list : parser()->recordMap(0))
        QVERIFY(list.isEmpty());
}

void EngineIntakeTest::statusesOtherThanRecordsAndEnds()
{
    const STBookMarks bookmark;
    onWorker([&] {
        record(DBAPP_BOOKMARKS, 0, &bookmark);
        for (int kind : {DBPROGRESS_SCAN_BEGIN, DBPROGRESS_SCAN_END, DBPROGRESS_CATEGORY_BEGIN})
            parser()->onEngineCallback(0, DBSTATUS_PROGRESS, kind, DBAPP_BOOKMARKS, nullptr);
        parser()->onEngineCallback(0, 1, 0, 0, nullptr);
        parser()->onEngineCallback(0, 2, 17, DBAPP_BOOKMARKS, &bookmark);
    });
    QVERIFY(logLines().last().endsWith("[4] vlog.h:69 Scan Backup Error:17"));
    QCOMPARE(parser()->records(0, SafariBookmarks).size(), 1);
    QVERIFY(!recordsOf<SafariInfo>(SafariBookmarks).first().finished);
    QTRY_COMPARE(m_received.data.size(), 1);
    QVERIFY(m_received.finished.isEmpty());
}

void EngineIntakeTest::recordsAfterTheScanEndedAreDropped()
{
    const STBookMarks bookmark;
    onWorker([&] {
        parser()->setScanFinished(0, true);
        record(DBAPP_BOOKMARKS, 0, &bookmark);
    });
    QVERIFY(parser()->records(0, SafariBookmarks).isEmpty());
    const QStringList lines = logLines();
    QVERIFY2(lines.last().endsWith("[2] vlog.h:51 Parse End Receives the packet repeatedly"), qPrintable(lines.last()));
}

void EngineIntakeTest::oneToOneConversations()
{
    STSMS first = sms(L"+1 555 0001", L"<b>hi</b>", 1700000000);
    STSMS second = sms(L"+15550001", L"later", 1700000500);
    STSMS older = sms(L"+15550001", L"earlier", 1600000000);
    STSMS other = sms(L"", L"no id", 1650000000);
    other.uncanonicalizedId = L"555 0002";
    STSMS gone = sms(L"+15550003", L"deleted", 1500000000);
    gone.isDeleted = true;
    onWorker([&] {
        for (const STSMS *m : {&first, &second, &older, &other, &gone})
            record(DBAPP_SMS, 0, m);
        QCOMPARE(parser()->records(0, Messages).size(), 3); // one per handle
        categoryEnd(DBAPP_SMS);
    });
    const QList<SMSSessionInfo> sessions = recordsOf<SMSSessionInfo>(Messages);
    QStringList keys;
    for (const SMSSessionInfo &s : sessions) {
        keys << s.key;
        QVERIFY(s.finished);
        QCOMPARE(s.avatar, QStringLiteral(":/Images/default_Persion.png"));
    }
    // Deleted first, then the newest.
    QCOMPARE(keys, QStringList({"+15550003", "+15550001", "5550002"}));
    const SMSInfo last = sessions.at(1).lastMessage.value<SMSInfo>();
    QCOMPARE(last.text, QStringLiteral("later"));
    QCOMPARE(sessions.at(1).time, qint64(1700000500));
    QCOMPARE(last.participants, QStringLiteral("+15550001,"));
    QCOMPARE(last.dayText, QStringLiteral("2023-11-14"));
    QCOMPARE(last.mediaKind, quint16(NoAttachmentKind));

    const SmsMessageList messages = parser()->smsMessages("+15550001");
    QCOMPARE(messages.size(), 3);
    QCOMPARE(messages.at(0).text, QStringLiteral("earlier"));
    QCOMPARE(messages.at(1).text, QStringLiteral("&lt;b&gt;hi&lt;/b&gt;"));
    QCOMPARE(messages.at(1).address, QStringLiteral("+15550001"));
    QCOMPARE(parser()->smsMessages("5550002").first().handle, QStringLiteral("5550002"));
    QTRY_COMPARE(m_received.finished, QList<int>({Messages}));
    QCOMPARE(m_received.data.size(), 3);
    QCOMPARE(m_received.data.at(2).second.value<SMSSessionInfo>().key, QStringLiteral("+15550003"));
}

// The intake finds a conversation by its handle quickly; results dropped
// between two scans must not leave it a conversation that is gone.
void EngineIntakeTest::conversationsStartOverAfterTheResultsAreDiscarded()
{
    const STSMS before = sms(L"+15550001", L"first scan", 1700000000);
    const STSMS after = sms(L"+1 555 0001", L"second scan", 1700000100);
    onWorker([&] {
        record(DBAPP_SMS, 0, &before);
        categoryEnd(DBAPP_SMS);
    });
    parser()->clearAll();
    onWorker([&] {
        record(DBAPP_SMS, 0, &after);
        categoryEnd(DBAPP_SMS);
    });
    const SmsMessageList messages = parser()->smsMessages("+15550001");
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().text, QStringLiteral("second scan"));
    QCOMPARE(messages.first().participants, QStringLiteral("+15550001,"));
    QCOMPARE(recordsOf<SMSSessionInfo>(Messages).size(), 1);
}

// The intake keeps what a conversation's next message shares with its
// newest; a list set in between is continued from its own newest message.
void EngineIntakeTest::aConversationSetFromOutsideIsContinued()
{
    const STSMS first = sms(L"+15550001", L"first", 1700000000);
    const STSMS next = sms(L"+15550001", L"next", 1700000200);
    SMSInfo set;
    set.handle = QStringLiteral("+15550001");
    set.address = QStringLiteral("+15550001");
    set.participants = QStringLiteral("+15550001,+15550002,");
    set.text = QStringLiteral("set");
    set.time = 1700000100;
    onWorker([&] { record(DBAPP_SMS, 0, &first); });
    parser()->setSmsMessages("+15550001", {set});
    onWorker([&] {
        record(DBAPP_SMS, 0, &next);
        categoryEnd(DBAPP_SMS);
    });
    const SmsMessageList messages = parser()->smsMessages("+15550001");
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.last().text, QStringLiteral("next"));
    QCOMPARE(messages.last().participants, set.participants);
}

void EngineIntakeTest::groupConversationsGetUniqueKeys()
{
    // Chat 1 to one: only member A, who also has a one-to-one chat. Chats 7
    // and 9: the same two members.
    const STSMS direct = sms(L"A", L"direct", 1000000100);
    const STSMS solo = sms(L"A", L"in the group of one", 1000000200, 1, true);
    const STSMS g7a = sms(L"B", L"seven", 1000000300, 7, true);
    const STSMS g7b = [] {
        STSMS r = sms(L"", L"seven from me", 1000000400, 7, true);
        r.isFromMe = 1;
        return r;
    }();
    const STSMS g9 = sms(L"B", L"nine", 1000000500, 9, true);
    onWorker([&] {
        for (const STSMS *m : {&direct, &solo, &g7a, &g7b, &g9})
            record(DBAPP_SMS, 0, m);
        for (const STSMSmember &m : {member(1, L"A"), member(7, L"B"), member(7, L"C"), member(9, L"B"),
                                     member(9, L"C"), member(9, L"B"), member(42, L"Z")})
            record(DBAPP_SMS, SMS_MEMBER_SUBTYPE, &m);
        categoryEnd(DBAPP_SMS);
    });
    const QList<SMSSessionInfo> sessions = recordsOf<SMSSessionInfo>(Messages);
    QCOMPARE(sessions.size(), 4);
    QSet<QString> keys;
    for (const SMSSessionInfo &s : sessions) {
        keys << s.key;
        const SmsMessageList messages = parser()->smsMessages(s.key);
        QVERIFY(!messages.isEmpty());
        QCOMPARE(s.lastMessage.value<SMSInfo>().text, messages.last().text);
        QCOMPARE(s.time, messages.last().time);
        for (int i = 1; i < messages.size(); ++i)
            QVERIFY(messages.at(i - 1).time <= messages.at(i).time);
        for (const SMSInfo &m : messages)
            QCOMPARE(m.chatId, messages.first().chatId);
    }
    QCOMPARE(keys.size(), 4);
    QCOMPARE(parser()->smsMessages("A").size(), 1);
    QCOMPARE(parser()->smsMessages("A").first().text, QStringLiteral("direct"));
    QCOMPARE(parser()->smsMessages("_$!<1>!$_").first().text, QStringLiteral("in the group of one"));
    const SmsMessageList seven = parser()->smsMessages("B,C");
    QCOMPARE(seven.size(), 2);
    QCOMPARE(seven.at(1).handle, QStringLiteral("B,C")); // the owner's message lists the members too
    QCOMPARE(seven.at(1).address, QStringLiteral("_$!<7>!$_"));
    QVERIFY(seven.at(1).isSms);
    const SmsMessageList nine = parser()->smsMessages("_$!<9>!$_");
    QCOMPARE(nine.size(), 1);
    QCOMPARE(nine.first().text, QStringLiteral("nine"));
    QCOMPARE(nine.first().participants, QStringLiteral("B,C"));
    // Conversations newest first.
    QCOMPARE(sessions.first().key, QStringLiteral("_$!<9>!$_"));
    QCOMPARE(sessions.first().avatar, QStringLiteral(":/Images/default_Group.png"));
    QCOMPARE(sessions.first().displayName, QStringLiteral("B,C"));
    QTRY_COMPARE(m_received.finished, QList<int>({Messages}));
}

void EngineIntakeTest::memberIdsAreMatchedWhole()
{
    const STSMS message = sms(L"+14040455512", L"hello", 1000000000, 3, true);
    onWorker([&] {
        record(DBAPP_SMS, 0, &message);
        for (const STSMSmember &m : {member(3, L"40404"), member(3, L"+14040455512"), member(3, L"40404")})
            record(DBAPP_SMS, SMS_MEMBER_SUBTYPE, &m);
        categoryEnd(DBAPP_SMS);
    });
    QCOMPARE(recordsOf<SMSSessionInfo>(Messages).first().key, QStringLiteral("+14040455512,40404"));
}

// Senders alternate within a chat: every message gets its own sender's list,
// and messages of the same sender share one text.
void EngineIntakeTest::membersJoinEachSendersListOnce()
{
    const STSMS fromB = sms(L"B", L"one", 1000000100, 5, true);
    const STSMS fromA = sms(L"A", L"two", 1000000200, 5, true);
    const STSMS againB = sms(L"B", L"three", 1000000300, 5, true);
    const STSMS mine = [] {
        STSMS r = sms(L"", L"four", 1000000400, 5, true);
        r.isFromMe = 1;
        return r;
    }();
    onWorker([&] {
        for (const STSMS *m : {&fromB, &fromA, &againB, &mine})
            record(DBAPP_SMS, 0, m);
        for (const STSMSmember &m : {member(5, L"A"), member(5, L"B"), member(5, L"C")})
            record(DBAPP_SMS, SMS_MEMBER_SUBTYPE, &m);
        categoryEnd(DBAPP_SMS);
    });
    const SmsMessageList messages = parser()->smsMessages("B,A,C");
    QCOMPARE(messages.size(), 4);
    QStringList handles;
    for (const SMSInfo &m : messages) {
        handles << m.handle;
        QCOMPARE(m.participants, m.handle);
        QCOMPARE(m.address, QStringLiteral("_$!<5>!$_"));
    }
    QCOMPARE(handles, QStringList({"B,A,C", "A,B,C", "B,A,C", "A,B,C"}));
    QVERIFY(messages.at(0).handle.isSharedWith(messages.at(2).handle));
    QVERIFY(messages.at(1).handle.isSharedWith(messages.at(3).handle));
}

void EngineIntakeTest::contactsMatchOnTheWholeRowId()
{
    const STAddressBook low = person(3, L"Three");
    const STAddressBook high = person(65539, L"Big");
    const STAddressBook phoneOnly = person(7, L"");
    const STAddressBook nothing = person(8, L"");
    const STAddressBookProperty lowPhone = multiValue(3, 30, 3, L"+1 555 0003");
    const STAddressBookProperty highPhone = multiValue(65539, 31, 3, L"+15550009");
    const STAddressBookProperty onlyPhone = multiValue(7, 32, 3, L"555 0007");
    STAddressBookImage image;
    image.recordId = 3;
    image.imageFile = L"/out/3.png";
    STAddressBookImage emptyImage;
    emptyImage.recordId = 65539;
    STDeletedAddressBook gone;
    gone.first = L"Gone";
    onWorker([&] {
        for (const STAddressBook *p : {&low, &high, &phoneOnly, &nothing})
            record(DBAPP_ADDRESSBOOK, 0, p);
        record(DBAPP_ADDRESSBOOK, 4, &gone);
        for (const STAddressBookProperty *p : {&lowPhone, &highPhone, &onlyPhone})
            record(DBAPP_ADDRESSBOOK, 1, p);
        record(DBAPP_ADDRESSBOOK, 3, &image);
        record(DBAPP_ADDRESSBOOK, 3, &emptyImage);
        categoryEnd(DBAPP_ADDRESSBOOK);
    });
    const QList<ContactInfo> contacts = recordsOf<ContactInfo>(Contacts);
    QStringList names;
    for (const ContactInfo &c : contacts) {
        names << c.sortName;
        QVERIFY(c.finished);
    }
    QCOMPARE(names, QStringList({"Gone", "5550007", "Big", "Three"}));
    QCOMPARE(phonesOf(contacts.at(2)), QStringList({"+15550009"}));
    QCOMPARE(contacts.at(2).photoPath, QString());
    QCOMPARE(contacts.at(2).rowId, quint16(3));
    QCOMPARE(phonesOf(contacts.at(3)), QStringList({"+15550003"}));
    QCOMPARE(contacts.at(3).photoPath, QStringLiteral("/out/3.png"));
    QVERIFY(contacts.at(0).deleted);
    QTRY_COMPARE(m_received.finished, QList<int>({Contacts}));
    QCOMPARE(m_received.data.size(), 5);
    QVERIFY(parser()->storage()->recordPartsA.isEmpty() && parser()->storage()->intTexts.isEmpty());
}

void EngineIntakeTest::contactsAreAnnouncedOnlyWhenChosen()
{
    parser()->setScanCategories(0, {Messages, FaceTime});
    const STAddressBook p = person(1, L"Ann");
    const STDeletedAddressBook gone;
    const STBookMarks bookmark;
    onWorker([&] {
        record(DBAPP_ADDRESSBOOK, 0, &p);
        record(DBAPP_ADDRESSBOOK, 4, &gone);
        categoryEnd(DBAPP_ADDRESSBOOK);
        record(DBAPP_BOOKMARKS, 0, &bookmark); // a later signal shows the queue is drained
        categoryEnd(DBAPP_BOOKMARKS);
    });
    QTRY_COMPARE(m_received.finished, QList<int>({SafariBookmarks}));
    QCOMPARE(m_received.data.size(), 1);
    QCOMPARE(parser()->records(0, Contacts).size(), 1); // the nameless deleted one is gone
}

void EngineIntakeTest::deletedContactSplitsItsTexts()
{
    STDeletedAddressBook gone;
    gone.last = L"Doe";
    gone.first = L"Jane";
    gone.phone = L"1 2";
    gone.email = L" a@example.com  b@example.com ";
    gone.birthday = L"0";
    onWorker([&] { record(DBAPP_ADDRESSBOOK, 4, &gone); });
    const ContactInfo c = recordsOf<ContactInfo>(Contacts).first();
    QCOMPARE(c.sortName, QStringLiteral("DoeJane"));
    QCOMPARE(c.phones, LabelledValues({{QString(), "1"}, {QString(), "2"}}));
    QCOMPARE(c.emails.size(), 2);
    QCOMPARE(c.rowId, quint16(0));
    QVERIFY(c.deleted);
    QVERIFY(qAbs(c.time - QDateTime::currentSecsSinceEpoch()) < 60);
}

void EngineIntakeTest::contactValueFormatting()
{
    const STAddressBook p = person(5, L"Val");
    const QList<STAddressBookProperty> parts = {multiValue(5, 50, 5, L""), multiValue(5, 51, 46, L""),
                                                multiValue(5, 52, 4, L""), multiValue(5, 53, 12, L"600000000"),
                                                multiValue(5, 54, 99, L"ignored")};
    QList<STAddressBookPropertyValue> values;
    for (const auto &kv : QList<QPair<int, QPair<std::wstring, std::wstring>>>{
             {50, {L"Street", L"Main St 1"}}, {50, {L"city", L"Bern"}}, {50, {L"CountryCode", L"ch"}},
             {51, {L"service", L"Twitter"}}, {51, {L"username", L"val"}}, {51, {L"url", L"x"}}}) {
        STAddressBookPropertyValue v;
        v.parentId = kv.first;
        v.key = kv.second.first;
        v.value = kv.second.second;
        values << v;
    }
    onWorker([&] {
        record(DBAPP_ADDRESSBOOK, 0, &p);
        for (const auto &part : parts)
            record(DBAPP_ADDRESSBOOK, 1, &part);
        for (const auto &v : values)
            record(DBAPP_ADDRESSBOOK, 2, &v);
        categoryEnd(DBAPP_ADDRESSBOOK);
    });
    const ContactInfo c = recordsOf<ContactInfo>(Contacts).first();
    QCOMPARE(c.addresses, LabelledValues({{"_$!<Mobile>!$_", "Bern<br>Main St 1"}}));
    QCOMPARE(c.countryCode, QStringLiteral("ch"));
    QCOMPARE(c.socialProfiles, LabelledValues({{"Twitter", "val"}}));
    QVERIFY(c.emails.isEmpty()); // an empty value adds nothing
    QCOMPARE(c.dates, LabelledValues({{"_$!<Mobile>!$_", "2020-01-06"}}));
}

void EngineIntakeTest::callsTakeTheContactName()
{
    const STAddressBook p = person(1, L"Ann");
    const STAddressBookProperty phone = multiValue(1, 10, 3, L"+15550100");
    STCallHistory byValue;
    byValue.address = L"unknown";
    byValue.value = L"+1 555 0100";
    byValue.duration = 3725.9;
    byValue.date = 700000000;
    STCallHistory nobody;
    nobody.value = L"+15559999";
    const STFaceTime empty;
    onWorker([&] {
        record(DBAPP_ADDRESSBOOK, 0, &p);
        record(DBAPP_ADDRESSBOOK, 1, &phone);
        categoryEnd(DBAPP_ADDRESSBOOK);
        record(DBAPP_CALL_HISTORY, 0, &nobody);
        record(DBAPP_CALL_HISTORY, 0, &byValue);
        record(DBAPP_FACETIME, 0, &empty);
        categoryEnd(DBAPP_CALL_HISTORY);
    });
    const QList<CHFTInfo> calls = recordsOf<CHFTInfo>(CallHistory);
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls.at(0).displayName, QStringLiteral("Ann")); // newest first
    QCOMPARE(calls.at(0).durationText, QStringLiteral("01:02:05"));
    QCOMPARE(calls.at(0).dateText, QStringLiteral("2023-03-08 20:26:40"));
    QCOMPARE(calls.at(1).displayName, QStringLiteral("+15559999"));
    QCOMPARE(calls.at(1).durationText, QStringLiteral("00:00:00"));
    QCOMPARE(calls.at(1).dateText, QString());
    QVERIFY(parser()->records(0, FaceTime).isEmpty());
}

void EngineIntakeTest::noteAttachmentsMatchTheWholeNoteId()
{
    STNotes low;
    low.pk = 3;
    low.title = L"low";
    low.creationDate = 100;
    STNotes high = low;
    high.pk = 65539;
    high.title = L"high";
    high.creationDate = 200;
    STNotes trashed = low;
    trashed.pk = 4;
    trashed.inSpecialFolder = 1;
    STNotesAttachment attachment;
    attachment.noteId = 65539;
    attachment.file = file("sketch.png", "png").toStdWString();
    STNotesAttachment orphan;
    orphan.noteId = 77;
    orphan.file = L"/nowhere/scan.pdf";
    STNotesAttachment empty;
    onWorker([&] {
        for (const STNotes *n : {&low, &high, &trashed})
            record(DBAPP_NOTES, 0, n);
        for (const STNotesAttachment *a : {&attachment, &orphan, &empty})
            record(DBAPP_NOTES, 1, a);
        categoryEnd(DBAPP_NOTES);
    });
    const QList<NotesInfo> notes = recordsOf<NotesInfo>(Notes);
    QCOMPARE(notes.size(), 3);
    QVERIFY(notes.at(0).deleted);
    QCOMPARE(notes.at(1).title, QStringLiteral("high"));
    QCOMPARE(notes.at(1).noteId, quint16(3));
    QCOMPARE(notes.at(1).attachments.size(), 1);
    QCOMPARE(notes.at(1).attachments.first().path, QString::fromStdWString(attachment.file));
    QVERIFY(notes.at(2).attachments.isEmpty());
    const QList<MediaInfo> media = recordsOf<MediaInfo>(NotesAttachment);
    QCOMPARE(media.size(), 2);
    QCOMPARE(media.at(0).name, QStringLiteral("scan.pdf")); // missing: deleted, first
    QVERIFY(media.at(0).deleted && media.at(0).isAttachment);
    QCOMPARE(media.at(0).preview, QStringLiteral(":/Images/media/pdf.png"));
    QCOMPARE(media.at(1).preview, media.at(1).path);
    QCOMPARE(media.at(1).mediaKind, quint16(ImageKind));
}

void EngineIntakeTest::messageAttachments_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("preview"); // "self", "cache" or the icon

    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    QTest::newRow("png named heic") << "x.HEIC" << png << int(ImageKind) << "cache";
    QTest::newRow("jpeg") << "IMG_1.JPG" << QByteArray("jpeg") << int(ImageKind) << "self";
    QTest::newRow("video") << "clip.MOV" << QByteArray("0") << int(VideoKind) << "cache";
    QTest::newRow("pdf") << "menu.pdf" << QByteArray("%PDF") << int(PdfKind) << ":/Images/media/pdf.png";
    QTest::newRow("audio") << "Audio Message.caf" << QByteArray("caf") << int(AudioKind) << ":/Images/media/mp3.png";
    QTest::newRow("unknown") << "data.bin" << QByteArray("?") << int(OtherKind) << ":/Images/media/other.png";
}

void EngineIntakeTest::messageAttachments()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QFETCH(QString, preview);
    const QString path = file(name, bytes);
    const QString cache = RecordBuilders::cacheMediaFolder();
    // The cache outlives a run: what a case checks for is made by the case.
    QFile::remove(cache + "/" + QFileInfo(path).baseName() + ".jpg");
    QFile::remove(cache + "/" + QFileInfo(path).baseName());
    STSMS m = sms(L"+15550001", L"caption", 1000000000);
    m.attachmentFile = path.toStdWString();
    onWorker([&] {
        record(DBAPP_SMS, 1, &m);
        categoryEnd(DBAPP_SMS);
    });
    const SMSInfo message = parser()->smsMessages("+15550001").first();
    QCOMPARE(message.text, name);
    QCOMPARE(int(message.mediaKind), kind);
    QVERIFY(message.attachmentExists);
    const QList<MediaInfo> media = recordsOf<MediaInfo>(MessagesAttachment);
    QCOMPARE(media.size(), 1);
    QCOMPARE(media.first().path, path);
    QCOMPARE(media.first().name, name);
    QVERIFY(media.first().finished && !media.first().deleted);
    QCOMPARE(media.first().preview, message.attachmentPreview);
    if (preview == "self") {
        QCOMPARE(message.attachmentPreview, path);
    } else if (preview == "cache") {
        const QString base = QFileInfo(path).baseName();
        if (kind == VideoKind) {
            QCOMPARE(message.attachmentPreview, cache + "/" + base + ".jpg");
            QTRY_VERIFY(QFile::exists(message.attachmentPreview));
            QFile still(message.attachmentPreview);
            QVERIFY(still.open(QIODevice::ReadOnly));
            QCOMPARE(still.readAll(), ("picture of " + path + "\n").toUtf8());
        } else {
            QCOMPARE(message.attachmentPreview, cache + "/" + base);
            QImage converted(message.attachmentPreview, "PNG");
            QCOMPARE(converted.size(), QSize(200, 200));
        }
    } else {
        QCOMPARE(message.attachmentPreview, preview);
    }
}

void EngineIntakeTest::mediaListsAndTheirOrders()
{
    JpegBuilder exif;
    exif.add(JpegBuilder::Ifd0, 0x0132, 2, 20, exif.ascii("2021:06:01 10:20:30"));
    const QString withExif = file("IMG_1.HEIC", exif.jpeg());
    const QString plain = file("IMG_2.JPG", "not a jpeg");
    {
        QFile f(plain);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::fromSecsSinceEpoch(1500000000), QFileDevice::FileModificationTime));
    }
    STFiles heicA;
    heicA.filePath = withExif.toStdWString();
    STFiles heicB;
    heicB.name = L"b.heic";
    heicB.date = 1200000000;
    STFiles heicC;
    heicC.name = L"c.HEIF";
    heicC.date = 1100000000;
    STFiles jpegOld;
    jpegOld.filePath = plain.toStdWString();
    jpegOld.name = L"old.jpg";
    STFiles jpegNew;
    jpegNew.name = L"new.jpg";
    jpegNew.date = 1600000000;
    STFiles videoA;
    videoA.filePath = file("IMG_9.MOV", "0").toStdWString();
    QFile::remove(RecordBuilders::cacheMediaFolder() + "/IMG_9.jpg");
    STFiles videoB;
    videoB.name = L"second.mp4";
    videoB.filePath = L"/nowhere/second.mp4";
    videoB.extraPath = videoA.filePath; // an existing preview is kept
    onWorker([&] {
        for (const STFiles *f : {&heicA, &jpegOld, &heicB, &jpegNew, &heicC})
            record(DBAPP_PHOTOS, 0, f);
        record(DBAPP_3RD_VIDEO, 0, &videoA);
        record(DBAPP_3RD_VIDEO, 0, &videoB);
        categoryEnd(DBAPP_PHOTOS);
        categoryEnd(DBAPP_3RD_VIDEO);
    });
    const QList<MediaInfo> photos = recordsOf<MediaInfo>(Photos);
    QStringList names;
    for (const MediaInfo &m : photos)
        names << m.name;
    // Others newest first, then HEIF pictures oldest first. A HEIF file
    // without a name is named ".jpg" and sorts as one.
    QCOMPARE(names, QStringList({"IMG_1.jpg", "new.jpg", "old.jpg", "c.HEIF", "b.heic"}));
    QCOMPARE(photos.at(0).time, QDateTime(QDate(2021, 6, 1), QTime(10, 20, 30)).toSecsSinceEpoch());
    QCOMPARE(photos.at(0).suffix, QStringLiteral("jpg"));
    QCOMPARE(photos.at(2).time, qint64(1500000000));
    QCOMPARE(photos.at(0).mediaKind, quint16(ImageKind));

    const QList<MediaInfo> videos = recordsOf<MediaInfo>(AppVideos);
    QCOMPARE(videos.size(), 2);
    QCOMPARE(videos.at(0).name, QStringLiteral("IMG_9.mov")); // arrival order
    QCOMPARE(videos.at(0).preview, RecordBuilders::cacheMediaFolder() + "/IMG_9.jpg");
    QTRY_VERIFY(QFile::exists(videos.at(0).preview));
    QCOMPARE(videos.at(1).preview, QString::fromStdWString(videoA.filePath));
    QVERIFY(videos.at(1).finished && videos.at(1).mediaKind == VideoKind);
    QTRY_COMPARE(m_received.finished, QList<int>({Photos, AppVideos}));
}

void EngineIntakeTest::documentsMissingOnDiskAreFirst()
{
    STFiles small;
    small.name = L"small.txt";
    small.filePath = file("small.txt", "12").toStdWString();
    STFiles large;
    large.name = L"large.pdf";
    large.filePath = file("large.pdf", QByteArray(3000, 'x')).toStdWString();
    large.date = 1600000000;
    STFiles missing;
    missing.name = L"gone.docx";
    missing.filePath = L"/nowhere/gone.docx";
    onWorker([&] {
        for (const STFiles *f : {&small, &missing, &large})
            record(DBAPP_3RD_DOCUMENT, 0, f);
    });
    QTRY_COMPARE(m_received.data.size(), 3);
    // The announced record is the one stored, also when it went to the front.
    QCOMPARE(m_received.data.at(1).second.value<DocumentInfo>().name, QStringLiteral("gone.docx"));
    onWorker([] { categoryEnd(DBAPP_3RD_DOCUMENT); });
    const QList<DocumentInfo> documents = recordsOf<DocumentInfo>(AppDocuments);
    QCOMPARE(documents.size(), 3);
    QCOMPARE(documents.at(0).name, QStringLiteral("gone.docx"));
    QVERIFY(documents.at(0).deleted);
    QCOMPARE(documents.at(1).name, QStringLiteral("large.pdf"));
    QCOMPARE(documents.at(1).sizeText, QStringLiteral("2.9KB"));
    QCOMPARE(documents.at(1).dateText, QStringLiteral("2020-09-13 12:26:40"));
    QCOMPARE(documents.at(1).suffix, QStringLiteral("pdf"));
    QCOMPARE(documents.at(2).size, qint64(2));
    QVERIFY(documents.at(2).finished);
}

namespace {
QStringList s_warnings;
void keepWarning(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg)
        s_warnings << text;
}
} // namespace

// Manifest rows whose file id is not 40 hex digits reach the intake without a
// path: no file is opened for them, and each category logs them once.
void EngineIntakeTest::appFilesWithoutABackupFileAreCountedOnce()
{
    STFiles picture;
    picture.name = L"beach.jpg";
    STFiles video;
    video.name = L"clip.mov";
    STFiles document;
    document.name = L"todo.txt";
    STFiles dated;
    dated.name = L"dated.pdf";
    dated.date = 1600000000;
    STFiles present;
    present.name = L"kept.txt";
    present.filePath = file("kept.txt", "kept").toStdWString();
    const int before = logLines().size();
    s_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepWarning);
    onWorker([&] {
        for (int bit : {DBAPP_3RD_IMAGE, DBAPP_3RD_VIDEO, DBAPP_3RD_DOCUMENT})
            parser()->onEngineCallback(0, DBSTATUS_PROGRESS, DBPROGRESS_CATEGORY_BEGIN, bit, nullptr);
        record(DBAPP_3RD_IMAGE, 0, &picture);
        record(DBAPP_3RD_IMAGE, 0, &picture);
        record(DBAPP_3RD_IMAGE, 0, &picture);
        record(DBAPP_3RD_VIDEO, 0, &video);
        for (const STFiles *f : {&document, &present, &dated})
            record(DBAPP_3RD_DOCUMENT, 0, f);
        categoryEnd(DBAPP_3RD_IMAGE);
        categoryEnd(DBAPP_3RD_VIDEO);
        categoryEnd(DBAPP_3RD_DOCUMENT);
    });
    qInstallMessageHandler(previous);
    QCOMPARE(s_warnings, QStringList());

    const QStringList lines = logLines().mid(before);
    const QStringList counted = lines.filter("file id that is not 40 hex digits");
    QCOMPARE(counted.size(), 3);
    QVERIFY2(counted.at(0).endsWith("Manifest: 3 files of category 16384 have a file id that is not 40 hex digits; "
                                    "they were listed without their file"),
             qPrintable(counted.at(0)));
    QVERIFY(counted.at(1).contains("Manifest: 1 files of category 32768 "));
    QVERIFY(counted.at(2).contains("Manifest: 2 files of category 131072 "));

    // Still listed, without a file: nothing to copy, nothing pretended.
    const QList<MediaInfo> pictures = recordsOf<MediaInfo>(AppPhotos);
    QCOMPARE(pictures.size(), 3);
    QVERIFY(pictures.at(0).path.isEmpty());
    QCOMPARE(pictures.at(0).time, qint64(0));
    const QList<MediaInfo> videos = recordsOf<MediaInfo>(AppVideos);
    QCOMPARE(videos.size(), 1);
    QVERIFY(videos.at(0).preview.isEmpty());
    const QList<DocumentInfo> documents = recordsOf<DocumentInfo>(AppDocuments);
    QCOMPARE(documents.size(), 3);
    for (const DocumentInfo &info : documents)
        QCOMPARE(info.deleted, info.name != "kept.txt");

    // A new category starts its count afresh.
    onWorker([&] {
        parser()->onEngineCallback(0, DBSTATUS_PROGRESS, DBPROGRESS_CATEGORY_BEGIN, DBAPP_3RD_DOCUMENT, nullptr);
        record(DBAPP_3RD_DOCUMENT, 0, &present);
        categoryEnd(DBAPP_3RD_DOCUMENT);
    });
    QCOMPARE(logLines().mid(before).filter("file id that is not 40 hex digits").size(), 3);
}

void EngineIntakeTest::calendarsRemindersAndTheirAttachments()
{
    STCalender event;
    event.summary = L"Dentist";
    event.startDate = 700000000.9;
    event.endDate = 700003600.2;
    event.attachmentName = L"plan.pdf";
    event.attachmentPath = file("0123abcd", "%PDF").toStdWString(); // a copy named by file id
    STCalender plain;
    plain.summary = L"Later";
    plain.startDate = 800000000;
    STReminder first;
    first.id = L"store-1";
    first.title = L"Buy milk";
    first.dueDate = 700000000;
    first.priority = 65536 + 5;
    STReminder gone = first;
    gone.id = L"store-2";
    gone.isDeleted = true;
    gone.dueDate = 100;
    STReminderAttachment attachment;
    attachment.reminderId = L"store-1";
    attachment.fileName = L"list.jpg";
    attachment.filePath = file("list.jpg", "jpeg").toStdWString();
    STReminderAttachment nobody = attachment;
    nobody.reminderId = L"store-9";
    onWorker([&] {
        record(DBAPP_CALENDAR, 0, &event);
        record(DBAPP_CALENDAR, 0, &plain);
        categoryEnd(DBAPP_CALENDAR);
        record(DBAPP_REMINDERS, 0, &first);
        record(DBAPP_REMINDERS, 0, &gone);
        record(DBAPP_REMINDERS, REMINDER_ATTACHMENT_SUBTYPE, &attachment);
        record(DBAPP_REMINDERS, REMINDER_ATTACHMENT_SUBTYPE, &nobody);
        categoryEnd(DBAPP_REMINDERS);
    });
    const QList<CalenderReminderInfo> events = recordsOf<CalenderReminderInfo>(Calendars);
    QCOMPARE(events.size(), 2);
    QCOMPARE(events.at(0).title, QStringLiteral("Later")); // larger start first
    QCOMPARE(events.at(1).start, qint64(700000000));
    QCOMPARE(events.at(1).startText, QStringLiteral("2023-03-08 20:26:40"));
    QCOMPARE(events.at(1).attachments.size(), 1);
    const QList<MediaInfo> eventFiles = recordsOf<MediaInfo>(CalendarsAttachment);
    QCOMPARE(eventFiles.size(), 1);
    QCOMPARE(eventFiles.first().suffix, QStringLiteral("pdf"));
    QCOMPARE(eventFiles.first().mediaKind, quint16(PdfKind));
    QVERIFY(eventFiles.first().isAttachment && !eventFiles.first().deleted);

    const QList<CalenderReminderInfo> reminders = recordsOf<CalenderReminderInfo>(Reminders);
    QCOMPARE(reminders.size(), 2);
    QCOMPARE(reminders.at(0).id, QStringLiteral("store-2"));
    QCOMPARE(reminders.at(1).attachments.size(), 1);
    QCOMPARE(reminders.at(1).attachments.first().name, QStringLiteral("list.jpg"));
    QCOMPARE(reminders.at(1).priority, quint16(5));
    QVERIFY(reminders.at(1).finished);
    QCOMPARE(parser()->records(0, RemindersAttachment).size(), 2);
    QTRY_COMPARE(m_received.finished, QList<int>({Calendars, Reminders}));
}

void EngineIntakeTest::voiceSafariAndTheirOrders()
{
    STVoiceMail mail;
    mail.sender = L"+15550100";
    mail.audioFile = file("mail.amr", QByteArray(2048, 'a')).toStdWString();
    mail.duration = 65;
    mail.date = 700000000;
    STVoicememo memo;
    memo.label = L"Idea";
    memo.file = L"/nowhere/memo.m4a";
    memo.duration = 1.9;
    STVoicememo deletedMemo = memo;
    deletedMemo.label = L"Old idea";
    deletedMemo.deleted = true;
    STBookMarks b10, b9;
    b10.title = L"Site 10";
    b9.title = L"site 9";
    b9.url = L"https://example.com/9";
    b9.folder = L"Favorites";
    STSafariHistory older, newer;
    older.title = L"B older";
    older.visitTime = 600000000;
    newer.title = L"A newer";
    newer.visitTime = 700000000;
    onWorker([&] {
        record(DBAPP_VOICEMAIL, 0, &mail);
        record(DBAPP_VOICEMEMO, 0, &memo);
        record(DBAPP_VOICEMEMO, 0, &deletedMemo);
        record(DBAPP_BOOKMARKS, 0, &b10);
        record(DBAPP_BOOKMARKS, 0, &b9);
        record(DBAPP_SAFARI_HISTORY, 0, &older);
        record(DBAPP_SAFARI_HISTORY, 0, &newer);
        for (int bit : {DBAPP_VOICEMAIL, DBAPP_VOICEMEMO, DBAPP_BOOKMARKS, DBAPP_SAFARI_HISTORY})
            categoryEnd(bit);
    });
    const VMMInfo voicemail = recordsOf<VMMInfo>(Voicemails).first();
    QCOMPARE(voicemail.title, QStringLiteral("+15550100"));
    QCOMPARE(voicemail.sender, voicemail.title);
    QCOMPARE(voicemail.size, qint64(2048));
    QCOMPARE(voicemail.sizeText, QStringLiteral("2KB"));
    QCOMPARE(voicemail.durationText, QStringLiteral("00:01:05"));
    QVERIFY(!voicemail.deleted && voicemail.finished);
    const QList<VMMInfo> memos = recordsOf<VMMInfo>(VoiceMemos);
    QCOMPARE(memos.at(0).title, QStringLiteral("Old idea"));
    QCOMPARE(memos.at(1).size, qint64(0));
    QCOMPARE(memos.at(1).sizeText, QStringLiteral("0KB"));
    QCOMPARE(memos.at(1).durationText, QStringLiteral("00:00:01"));
    QCOMPARE(memos.at(1).sender, QString());

    const QList<SafariInfo> bookmarks = recordsOf<SafariInfo>(SafariBookmarks);
    QCOMPARE(bookmarks.at(0).title, QStringLiteral("site 9")); // collated: numbers by value, case ignored
    QCOMPARE(bookmarks.at(0).text3, QStringLiteral("Favorites"));
    QCOMPARE(bookmarks.at(0).timeText, QString());
    const QList<SafariInfo> history = recordsOf<SafariInfo>(SafariHistory);
    QCOMPARE(history.at(0).title, QStringLiteral("A newer"));
    QCOMPARE(history.at(0).timeText, QStringLiteral("2023-03-08 20:26:40"));
    QTRY_COMPARE(m_received.finished, QList<int>({Voicemails, VoiceMemos, SafariBookmarks, SafariHistory}));
}

void EngineIntakeTest::endWithoutRecordsOrWithAnUnknownBit()
{
    onWorker([] { categoryEnd(DBAPP_BOOKMARKS); });
    const STBookMarks bookmark;
    onWorker([&] {
        record(DBAPP_BOOKMARKS, 0, &bookmark);
        categoryEnd(DBAPP_MANIFEST);
    });
    QTRY_COMPARE(m_received.finished, QList<int>({-1}));
}

QTEST_GUILESS_MAIN(EngineIntakeTest)
#include "engineintake_test.moc"
