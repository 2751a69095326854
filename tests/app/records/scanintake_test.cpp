// The scan's intake that stores message records on a worker thread: the
// store it fills is the one the direct intake fills, event for event, across
// batches, stops and resets.

#include "deviceparser.h"
#include "intakedriver.h"
#include "scanintake.h"
#include "storejson.h"

#include <dbrecords.h>

#include <QtTest>

#include <functional>

using namespace DeviceData;
using namespace intakedriver;

namespace {

using Give = std::function<void(int status, int kind, int value, const void *record)>;
using Scan = std::function<void(const Give &)>;

STSMS message(int n)
{
    STSMS r;
    const std::wstring handle = L"+1555000" + std::to_wstring(n % 7);
    r.id = handle;
    r.uncanonicalizedId = handle;
    r.service = n % 3 ? L"iMessage" : L"SMS";
    r.text = L"message " + std::to_wstring(n);
    if (n % 11 == 0)
        r.text += L" <b>not markup</b> Grüße 中 😀";
    if (n % 97 == 0)
        r.text += wchar_t(0xd800); // kept as the engine gave it
    r.date = 700000000 + (n % 13 == 0 ? -n : n);
    r.isFromMe = n % 2;
    r.isDeleted = n % 50 == 0;
    if (n % 10 == 0) {
        r.isGroup = true;
        r.groupId = 3;
    }
    return r;
}

void giveMessages(const Give &give, int from, int to)
{
    for (int n = from; n < to; ++n) {
        const STSMS r = message(n);
        give(DBSTATUS_RECORD, DBAPP_SMS, 0, &r);
    }
}

void giveEnd(const Give &give)
{
    for (const wchar_t *id : {L"+15550001", L"+15550002"}) {
        STSMSmember m;
        m.chatId = 3;
        m.id = id;
        m.service = L"iMessage";
        give(DBSTATUS_RECORD, DBAPP_SMS, SMS_MEMBER_SUBTYPE, &m);
    }
    give(DBSTATUS_PROGRESS, DBPROGRESS_CATEGORY_END, DBAPP_SMS, nullptr);
}

QList<QByteArray> storeLines()
{
    QList<QByteArray> lines;
    StoreJson::writeStore(false, [&lines](const QByteArray &line) { lines << line; });
    return lines;
}

void emptyStore()
{
    parser()->reset();
}

} // namespace

Q_DECLARE_METATYPE(Scan)

class ScanIntakeTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { emptyStore(); }
    void sameStoreAsTheDirectIntake_data();
    void sameStoreAsTheDirectIntake();
};

void ScanIntakeTest::sameStoreAsTheDirectIntake_data()
{
    QTest::addColumn<Scan>("scan");
    QTest::newRow("messages over several batches, an error and a missing record between")
        << Scan([](const Give &give) {
               giveMessages(give, 1, 1500);
               give(DBSTATUS_RECORD, DBAPP_SMS, 0, nullptr);
               give(DBSTATUS_ERROR, 4, DBAPP_SMS, nullptr);
               giveMessages(give, 1500, 2600);
               giveEnd(give);
           });
    // Records given before the stop are kept, those after it dropped, however
    // far the worker got.
    QTest::newRow("stopped") << Scan([](const Give &give) {
        giveMessages(give, 1, 1234);
        parser()->setScanFinished(DeviceGroup, true);
        giveMessages(give, 1234, 1300);
        giveEnd(give);
    });
    // Records given before the store is emptied do not come back after it.
    QTest::newRow("emptied in between") << Scan([](const Give &give) {
        giveMessages(give, 1, 1500);
        parser()->clearAll();
        giveMessages(give, 1500, 1600);
        giveEnd(give);
    });
}

void ScanIntakeTest::sameStoreAsTheDirectIntake()
{
    QFETCH(Scan, scan);
    onWorker([&] {
        scan([](int status, int kind, int value, const void *record) {
            parser()->onEngineCallback(DeviceGroup, status, kind, value, record);
        });
    });
    const QList<QByteArray> direct = storeLines();
    QVERIFY(direct.size() > 10);

    emptyStore();
    onWorker([&] {
        ScanIntake intake(parser());
        scan([&intake](int status, int kind, int value, const void *record) {
            intake.onEngineCallback(DeviceGroup, status, kind, value, record);
        });
    });
    const QList<QByteArray> throughWorker = storeLines();
    QCOMPARE(throughWorker.size(), direct.size());
    for (int i = 0; i < direct.size(); ++i)
        QCOMPARE(throughWorker.at(i), direct.at(i));
}

QTEST_GUILESS_MAIN(ScanIntakeTest)
#include "scanintake_test.moc"
