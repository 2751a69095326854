#include "devicedata.h"
#include "recordaccess.h"

#include <QtTest>

using namespace DeviceData;

namespace
{
    // Each type's state, checkable and deleted fields by their own names,
    // beside fields of the same types that must not move.
    struct Probe
    {
        int state = -1;
        bool checkable = false;
        bool deleted = false;
        int bystander = 0; // another quint16 of the record, seeded 7
    };

    template <typename T>
    QVariant wrap(T record)
    {
        return QVariant::fromValue(record);
    }

    QVariant seeded(const QString &type)
    {
        if (type == "CHFTInfo") {
            CHFTInfo r;
            r.disconnectedCause = 7;
            r.deleted = true;
            return wrap(r);
        }
        if (type == "VMMInfo") {
            VMMInfo r;
            r.deleted = true;
            return wrap(r);
        }
        if (type == "MediaInfo") {
            MediaInfo r;
            r.mediaKind = 7;
            r.deleted = true;
            return wrap(r);
        }
        if (type == "DocumentInfo") {
            DocumentInfo r;
            r.deleted = true;
            return wrap(r);
        }
        if (type == "ContactInfo") {
            ContactInfo r;
            r.rowId = 7;
            r.deleted = true;
            return wrap(r);
        }
        if (type == "SMSSessionInfo") {
            SMSSessionInfo r;
            r.deleted = true;
            return wrap(r);
        }
        if (type == "SafariInfo") {
            SafariInfo r;
            r.deleted = true;
            return wrap(r);
        }
        if (type == "NotesInfo") {
            NotesInfo r;
            r.noteId = 7;
            r.deleted = true;
            return wrap(r);
        }
        if (type == "CalenderReminderInfo") {
            CalenderReminderInfo r;
            r.priority = 7;
            r.deleted = true;
            return wrap(r);
        }
        if (type == "WaSessionInfo") {
            WaSessionInfo r;
            r.chatKind = 7;
            r.deleted = true;
            return wrap(r);
        }
        if (type == "LineSessionInfo") {
            LineSessionInfo r;
            r.chatKind = 7;
            r.deleted = true;
            return wrap(r);
        }
        if (type == "SMSInfo") {
            SMSInfo r;
            r.deleted = true;
            return wrap(r);
        }
        if (type == "LineInfo") {
            LineInfo r;
            r.spare = true;
            return wrap(r);
        }
        if (type == "WaMessageInfo")
            return wrap(WaMessageInfo());
        return QVariant(42);
    }

    Probe probe(const QVariant &v)
    {
        Probe p;
        if (v.userType() == qMetaTypeId<CHFTInfo>()) {
            const auto r = v.value<CHFTInfo>();
            return {r.reserved, r.finished, r.deleted, r.disconnectedCause};
        }
        if (v.userType() == qMetaTypeId<VMMInfo>()) {
            const auto r = v.value<VMMInfo>();
            return {r.reserved, r.finished, r.deleted, 7};
        }
        if (v.userType() == qMetaTypeId<MediaInfo>()) {
            const auto r = v.value<MediaInfo>();
            return {r.reserved, r.finished, r.deleted, r.mediaKind};
        }
        if (v.userType() == qMetaTypeId<DocumentInfo>()) {
            const auto r = v.value<DocumentInfo>();
            return {r.reserved, r.finished, r.deleted, 7};
        }
        if (v.userType() == qMetaTypeId<ContactInfo>()) {
            const auto r = v.value<ContactInfo>();
            return {r.reserved2, r.finished, r.deleted, r.rowId};
        }
        if (v.userType() == qMetaTypeId<SMSSessionInfo>()) {
            const auto r = v.value<SMSSessionInfo>();
            return {r.count, r.finished, r.deleted, 7};
        }
        if (v.userType() == qMetaTypeId<SafariInfo>()) {
            const auto r = v.value<SafariInfo>();
            return {r.reserved, r.finished, r.deleted, 7};
        }
        if (v.userType() == qMetaTypeId<NotesInfo>()) {
            const auto r = v.value<NotesInfo>();
            return {r.reserved, r.finished, r.deleted, r.noteId};
        }
        if (v.userType() == qMetaTypeId<CalenderReminderInfo>()) {
            const auto r = v.value<CalenderReminderInfo>();
            return {r.reserved, r.finished, r.deleted, r.priority};
        }
        if (v.userType() == qMetaTypeId<WaSessionInfo>()) {
            const auto r = v.value<WaSessionInfo>();
            return {r.spare2, r.finished, r.deleted, r.chatKind};
        }
        if (v.userType() == qMetaTypeId<LineSessionInfo>()) {
            const auto r = v.value<LineSessionInfo>();
            return {r.spare2, r.finished, r.deleted, r.chatKind};
        }
        if (v.userType() == qMetaTypeId<SMSInfo>())
            return {-1, false, v.value<SMSInfo>().deleted, 7};
        if (v.userType() == qMetaTypeId<LineInfo>())
            return {-1, false, v.value<LineInfo>().spare, 7};
        p.bystander = 7;
        return p;
    }
}

class RecordAccessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerMetaTypes(); }

    void everyTypeThroughItsOwnFields_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("hasState");
        QTest::addColumn<bool>("hasCheckable");
        QTest::addColumn<bool>("deleted");
        for (const char *type : {"CHFTInfo", "VMMInfo", "MediaInfo", "DocumentInfo", "ContactInfo", "SMSSessionInfo",
                                 "SafariInfo", "NotesInfo", "CalenderReminderInfo", "WaSessionInfo",
                                 "LineSessionInfo"})
            QTest::newRow(type) << QString(type) << true << true << true;
        QTest::newRow("SMSInfo") << "SMSInfo" << false << false << true;
        QTest::newRow("LineInfo: spare is its deleted flag") << "LineInfo" << false << false << true;
        QTest::newRow("WaMessageInfo") << "WaMessageInfo" << false << false << false;
        QTest::newRow("not a record") << "int" << false << false << false;
    }

    void everyTypeThroughItsOwnFields()
    {
        QFETCH(QString, type);
        QFETCH(bool, hasState);
        QFETCH(bool, hasCheckable);
        QFETCH(bool, deleted);

        QVariant record = seeded(type);
        const QVariant before = record;
        QCOMPARE(checkState(record), 0);
        QCOMPARE(isCheckable(record), false);
        QCOMPARE(isDeleted(record), deleted);

        QCOMPARE(setCheckState(record, 2), hasState);
        QCOMPARE(checkState(record), hasState ? 2 : 0);
        QCOMPARE(setCheckable(record, true), hasCheckable);
        QCOMPARE(isCheckable(record), hasCheckable);
        const Probe after = probe(record);
        if (hasState) {
            QCOMPARE(after.state, 2);
            QCOMPARE(after.checkable, true);
            QCOMPARE(after.bystander, 7);
            QCOMPARE(probe(before).state, 0); // the copy it was taken from keeps its own
        } else {
            QCOMPARE(record, before);
        }

        QCOMPARE(setCheckState(record, 0), hasState);
        QCOMPARE(checkState(record), 0);
    }

    void statesOutsideQtsAreRefused()
    {
        QVariant record = QVariant::fromValue(CHFTInfo());
        QVERIFY(setCheckState(record, 1));
        QCOMPARE(checkState(record), 1);
        QVERIFY(!setCheckState(record, 3));
        QVERIFY(!setCheckState(record, -1));
        QCOMPARE(checkState(record), 1);
    }

    void anUnchangedStateLeavesASharedRecordShared()
    {
        QVariant a = QVariant::fromValue(CHFTInfo());
        QVariant b = a;
        QVERIFY(setCheckState(b, 0));
        QCOMPARE(a.constData(), b.constData());
        QVERIFY(setCheckState(b, 2));
        QVERIFY(a.constData() != b.constData());
        QCOMPARE(checkState(a), 0);
    }

    void aWholeListTakesOneState()
    {
        CHFTInfo ticked;
        ticked.reserved = 2;
        QList<QVariant> list{QVariant::fromValue(CHFTInfo()), QVariant::fromValue(ticked), QVariant(5),
                             QVariant::fromValue(CHFTInfo())};
        const QList<QVariant> before = list;
        QCOMPARE(setCheckStates(list, 2), 2);
        QCOMPARE(checkState(list.at(0)), 2);
        QCOMPARE(list.at(1).constData(), before.at(1).constData()); // already ticked: still shared
        QCOMPARE(list.at(2), QVariant(5));
        QCOMPARE(checkState(before.at(0)), 0);
        QList<QVariant> copy = list;
        QCOMPARE(setCheckStates(copy, 2), 0);
        QVERIFY(copy.isSharedWith(list)); // nothing to write: the list is not detached
    }
};

QTEST_GUILESS_MAIN(RecordAccessTest)
#include "recordaccess_test.moc"
