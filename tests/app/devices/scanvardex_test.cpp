#include "deviceparser.h"
#include "idbexecutor.h"
#include "scanvardex.h"
#include "settingsentry.h"

#include <QtTest>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace
{
    // What the fake engine does and what it saw, shared by all its instances.
    struct Script
    {
        std::mutex mutex;
        std::condition_variable changed;
        bool blockStart = false;
        bool endBeforeBlocking = false; // the category's end is reported before Start waits
        bool released = false;
        int running = 0;
        int created = 0;
        int destroyed = 0;
        int connects = 0;
        int disconnects = 0;
        int failNextCreates = 0;
        int failCode = 0; // creation fails for the instance whose mask is this code
        std::wstring lastUdid;
        std::vector<DBExecutorParam> params;
        std::wstring owner = L"4915112345678";
        int ownerCalls = 0;

        void release()
        {
            std::lock_guard<std::mutex> guard(mutex);
            released = true;
            changed.notify_all();
        }
        bool waitRunning(int count)
        {
            std::unique_lock<std::mutex> guard(mutex);
            return changed.wait_for(guard, std::chrono::seconds(10), [&] { return running >= count; });
        }
        int read(int Script::*field)
        {
            std::lock_guard<std::mutex> guard(mutex);
            return this->*field;
        }
        std::wstring seenUdid()
        {
            std::lock_guard<std::mutex> guard(mutex);
            return lastUdid;
        }
        std::vector<DBExecutorParam> seenParams()
        {
            std::lock_guard<std::mutex> guard(mutex);
            return params;
        }
        QList<int> masks()
        {
            std::lock_guard<std::mutex> guard(mutex);
            QList<int> list;
            for (const DBExecutorParam &param : params)
                list << param.categoryMask;
            return list;
        }
    };

    // A scripted engine: each pass reports begin, one record and end of its
    // category; while the script blocks, Start waits until released or stopped.
    class FakeExecutor final : public IDBExecutor
    {
    public:
        explicit FakeExecutor(Script &script) : m_script(script) {}
        ~FakeExecutor() override
        {
            std::lock_guard<std::mutex> guard(m_script.mutex);
            ++m_script.destroyed;
        }

        void Start() override
        {
            m_stop = false;
            const int mask = m_param.categoryMask;
            report(DBSTATUS_PROGRESS, DBPROGRESS_SCAN_BEGIN, 0, nullptr);
            report(DBSTATUS_PROGRESS, DBPROGRESS_CATEGORY_BEGIN, mask, nullptr);
            report(DBSTATUS_RECORD, mask, 7, &m_record);
            if (m_script.endBeforeBlocking)
                report(DBSTATUS_PROGRESS, DBPROGRESS_CATEGORY_END, mask, nullptr);
            {
                std::unique_lock<std::mutex> guard(m_script.mutex);
                ++m_script.running;
                m_script.changed.notify_all();
                m_script.changed.wait(guard, [&] { return !m_script.blockStart || m_script.released || m_stop; });
                --m_script.running;
            }
            if (m_stop)
                return;
            if (!m_script.endBeforeBlocking)
                report(DBSTATUS_PROGRESS, DBPROGRESS_CATEGORY_END, mask, nullptr);
            report(DBSTATUS_PROGRESS, DBPROGRESS_SCAN_END, 0, nullptr);
        }
        void Stop() override
        {
            std::lock_guard<std::mutex> guard(m_script.mutex);
            m_stop = true;
            m_script.changed.notify_all();
        }
        void SetParam(const DBExecutorParam &param) override
        {
            m_param = param;
            std::lock_guard<std::mutex> guard(m_script.mutex);
            m_script.params.push_back(param);
        }
        void SetCallback(DBExecutorCallback callback, void *user) override
        {
            m_callback = callback;
            m_user = user;
        }
        std::wstring GetWhatsAppOwner(std::wstring) override
        {
            std::lock_guard<std::mutex> guard(m_script.mutex);
            ++m_script.ownerCalls;
            return m_script.owner;
        }
        int ConnectDevice(std::wstring udid) override
        {
            std::lock_guard<std::mutex> guard(m_script.mutex);
            ++m_script.connects;
            m_script.lastUdid = udid;
            return 1;
        }
        int DisconnectDevice() override
        {
            std::lock_guard<std::mutex> guard(m_script.mutex);
            ++m_script.disconnects;
            return 0;
        }
        int ExportFromDevice(std::wstring, std::wstring, intptr_t) override { return 1; }

        int m_record = 42;

    private:
        void report(int status, int kind, int value, const void *record)
        {
            if (m_callback)
                m_callback(&status, kind, value, record, m_user);
        }

        Script &m_script;
        DBExecutorParam m_param;
        DBExecutorCallback m_callback = nullptr;
        void *m_user = nullptr;
        std::atomic<bool> m_stop {false};
    };

    struct SinkCall
    {
        int source, status, kind, value;
        int record; // the record's content, -1 without one
    };
}

class ScanVardexTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void passesInQueueOrder_data();
    void passesInQueueOrder();
    void callbacksReachTheSinkUnchanged();
    void requestDuringCategoryTakesEffectAfterIt();
    void stopDuringCategoryEndsItOnce_data();
    void stopDuringCategoryEndsItOnce();
    void stopWithNothingRunningSignalsNothing();
    void deviceOrFolder_data();
    void deviceOrFolder();
    void engineThatCannotBeCreatedIsSkipped();
    void ownerPhoneNumber();
    void stopHammeredWhileCategoriesSwitch();
    void requestsRightAfterAnEndRunUnfinished();

private:
    void makeWorker();
    bool waitStops(int count);

    Script *m_script = nullptr;
    ScanVardex *m_worker = nullptr;
    std::mutex m_sinkMutex;
    QList<SinkCall> m_sinkCalls;
    int m_starts = 0;
    int m_stops = 0;
};

void ScanVardexTest::makeWorker()
{
    Script *script = m_script;
    m_worker = new ScanVardex(
        [this](int source, int status, int kind, int value, const void *record) {
            std::lock_guard<std::mutex> guard(m_sinkMutex);
            m_sinkCalls.append({source, status, kind, value, record ? *static_cast<const int *>(record) : -1});
        },
        [script](IDBExecutor **out) {
            std::lock_guard<std::mutex> guard(script->mutex);
            if (script->failNextCreates > 0) {
                --script->failNextCreates;
                return false;
            }
            *out = new FakeExecutor(*script);
            ++script->created;
            return true;
        });
    connect(m_worker, &ScanVardex::sigScanBackupsDbStart, this, [this] { ++m_starts; });
    connect(m_worker, &ScanVardex::sigScanBackupsDbStop, this, [this] { ++m_stops; }, Qt::QueuedConnection);
}

bool ScanVardexTest::waitStops(int count)
{
    (void)QTest::qWaitFor([&] { return m_stops >= count; }, 10000);
    return m_stops == count;
}

void ScanVardexTest::init()
{
    m_script = new Script;
    m_sinkCalls.clear();
    m_starts = m_stops = 0;
    makeWorker();
}

void ScanVardexTest::cleanup()
{
    m_script->release();
    m_worker->requestQuit();
    delete m_worker;
    QCOMPARE(m_script->read(&Script::destroyed), m_script->read(&Script::created));
    delete m_script;
}

void ScanVardexTest::passesInQueueOrder_data()
{
    QTest::addColumn<QList<int>>("categories");
    QTest::addColumn<QList<int>>("masks");
    QTest::newRow("messages scan contacts first") << QList<int> {2} << QList<int> {8, 4};
    QTest::newRow("a flag without code at the end") << QList<int> {2, 3} << QList<int> {8, 4};
    QTest::newRow("only a flag without code") << QList<int> {3} << QList<int> {};
    QTest::newRow("contacts put first, not moved") << QList<int> {1024, 1, 2} << QList<int> {64, 8, 4};
    QTest::newRow("facetime") << QList<int> {64} << QList<int> {8, 128};
    QTest::newRow("no contacts needed") << QList<int> {16, 32, 0x20000, 0x40000}
                                        << QList<int> {0x2000, 0x2, 0x80000, 0x40000};
    QTest::newRow("attachment flag dropped") << QList<int> {512, 0x80000, 4096} << QList<int> {1024, 4096};
    QTest::newRow("empty request") << QList<int> {} << QList<int> {};
}

void ScanVardexTest::passesInQueueOrder()
{
    QFETCH(QList<int>, categories);
    QFETCH(QList<int>, masks);
    m_worker->queueScan(categories, "/backups/one", QString(), false);
    QCOMPARE(m_starts, 1);
    QVERIFY(waitStops(1));
    // Ended normally, the store's scan is finished as after a stop.
    QVERIFY(DeviceParser::instance()->isScanFinished(0));
    QCOMPARE(m_script->masks(), masks);
    QTest::qWait(50);
    QCOMPARE(m_stops, 1);
}

void ScanVardexTest::callbacksReachTheSinkUnchanged()
{
    m_worker->queueScan({512}, "/backups/one", QString(), false);
    QVERIFY(waitStops(1));
    std::lock_guard<std::mutex> guard(m_sinkMutex);
    QCOMPARE(m_sinkCalls.size(), 5);
    const QList<QList<int>> expected = {{3, 1, 0}, {3, 3, 1024}, {4, 1024, 7}, {3, 4, 1024}, {3, 2, 0}};
    for (int i = 0; i < expected.size(); ++i) {
        const SinkCall &call = m_sinkCalls[i];
        QCOMPARE(call.source, 0);
        QCOMPARE((QList<int> {call.status, call.kind, call.value}), expected[i]);
        QCOMPARE(call.record, call.status == 4 ? 42 : -1);
    }
}

void ScanVardexTest::requestDuringCategoryTakesEffectAfterIt()
{
    m_script->blockStart = true;
    m_worker->queueScan({512, 2048}, "/backups/one", QString(), false);
    QVERIFY(m_script->waitRunning(1));
    QVERIFY(!DeviceParser::instance()->isScanFinished(0));
    // Returns at once although a category runs.
    m_worker->queueScan({4096}, "/backups/two", QString(), false);
    QCOMPARE(m_starts, 2);
    m_script->release();
    QVERIFY(waitStops(1));
    QVERIFY(DeviceParser::instance()->isScanFinished(0));
    QCOMPARE(m_script->masks(), (QList<int> {1024, 4096}));
    QCOMPARE(m_script->seenParams().back().backupPath, std::wstring(L"/backups/two"));
}

void ScanVardexTest::stopDuringCategoryEndsItOnce_data()
{
    QTest::addColumn<bool>("engineEndedFirst");
    QTest::newRow("stopped before the engine ended it") << false;
    QTest::newRow("stopped after the engine ended it") << true;
}

void ScanVardexTest::stopDuringCategoryEndsItOnce()
{
    QFETCH(bool, engineEndedFirst);
    m_script->blockStart = true;
    m_script->endBeforeBlocking = engineEndedFirst;
    m_worker->queueScan({512, 2048}, "/backups/one", QString(), false);
    QVERIFY(m_script->waitRunning(1));
    m_worker->stopScan();
    QVERIFY(DeviceParser::instance()->isScanFinished(0));
    QVERIFY(waitStops(1));
    QTest::qWait(50);
    QCOMPARE(m_stops, 1);
    QCOMPARE(m_script->masks(), QList<int> {1024});
    std::lock_guard<std::mutex> guard(m_sinkMutex);
    // Whoever ended the category, the store hears of its end once.
    int ends = 0;
    for (const SinkCall &call : m_sinkCalls)
        if (call.status == 3 && call.kind == 4) {
            ++ends;
            QCOMPARE(call.value, 1024);
            QCOMPARE(call.record, -1);
        }
    QCOMPARE(ends, 1);
}

void ScanVardexTest::stopWithNothingRunningSignalsNothing()
{
    m_worker->stopScan();
    QTest::qWait(100);
    QCOMPARE(m_stops, 0);
    // The worker still takes the next request.
    m_worker->queueScan({1}, "/backups/one", QString(), false);
    QVERIFY(waitStops(1));
    QCOMPARE(m_script->masks(), QList<int> {8});
}

void ScanVardexTest::deviceOrFolder_data()
{
    QTest::addColumn<bool>("fromDevice");
    QTest::addColumn<QString>("outputDir");
    QTest::newRow("folder") << false << QString();
    QTest::newRow("device") << true << QString();
    QTest::newRow("folder, copies elsewhere") << false << QStringLiteral("/tmp/copies");
}

void ScanVardexTest::deviceOrFolder()
{
    QFETCH(bool, fromDevice);
    QFETCH(QString, outputDir);
    m_worker->queueScan({512, 4096}, "/backups/one", "00008101-000A", fromDevice, outputDir);
    QVERIFY(waitStops(1));
    QCOMPARE(m_script->read(&Script::connects), fromDevice ? 2 : 0);
    QCOMPARE(m_script->read(&Script::disconnects), 2);
    if (fromDevice)
        QCOMPARE(m_script->seenUdid(), std::wstring(L"00008101-000A"));
    for (const DBExecutorParam &param : m_script->seenParams()) {
        QCOMPARE(param.mode, fromDevice ? 2 : 1);
        QCOMPARE(param.backupPath, std::wstring(L"/backups/one"));
        QCOMPARE(QString::fromStdWString(param.outputDir),
                 outputDir.isEmpty() ? SettingsEntry::instance()->cacheMediaPath() : outputDir);
    }
}

void ScanVardexTest::engineThatCannotBeCreatedIsSkipped()
{
    m_script->failNextCreates = 1;
    m_worker->queueScan({2}, "/backups/one", QString(), false);
    QVERIFY(waitStops(1));
    QCOMPARE(m_script->masks(), QList<int> {4});
}

void ScanVardexTest::ownerPhoneNumber()
{
    m_script->failNextCreates = 1;
    QCOMPARE(m_worker->getRegisterPhoneNum("/backups/one"), QString());
    QCOMPARE(m_worker->getRegisterPhoneNum("/backups/one"), QString("4915112345678"));
    QCOMPARE(m_worker->getRegisterPhoneNum(QString()), QString("4915112345678"));
    QCOMPARE(m_script->read(&Script::created), 1);
    QCOMPARE(m_script->read(&Script::ownerCalls), 2);
}

void ScanVardexTest::stopHammeredWhileCategoriesSwitch()
{
    std::atomic<bool> done {false};
    std::thread hammer([&] {
        while (!done)
            m_worker->stopScan();
    });
    for (int round = 0; round < 200; ++round)
        m_worker->queueScan({1, 2, 4, 8, 512}, "/backups/one", QString(), round % 2 == 1);
    done = true;
    hammer.join();
    // Whatever was cut short, the worker goes on with the next request.
    m_worker->queueScan({4096}, "/backups/last", QString(), false);
    QTRY_VERIFY_WITH_TIMEOUT(!m_script->masks().isEmpty() && m_script->masks().last() == 4096, 10000);
    QTRY_COMPARE(m_script->read(&Script::destroyed), m_script->read(&Script::created));
}

void ScanVardexTest::requestsRightAfterAnEndRunUnfinished()
{
    // Requests that end as fast as the next one comes: an end must never
    // mark the store finished over the start of the request after it.
    for (int round = 0; round < 200; ++round)
        m_worker->queueScan({512}, "/backups/one", QString(), false);
    {
        std::lock_guard<std::mutex> guard(m_script->mutex);
        m_script->blockStart = true;
    }
    m_worker->queueScan({2048}, "/backups/last", QString(), false);
    QVERIFY(m_script->waitRunning(1));
    QVERIFY(!DeviceParser::instance()->isScanFinished(0));
    m_script->release();
    QTRY_VERIFY_WITH_TIMEOUT(!m_script->masks().isEmpty() && m_script->masks().last() == 2048, 10000);
    QTRY_VERIFY(DeviceParser::instance()->isScanFinished(0));
}

QTEST_GUILESS_MAIN(ScanVardexTest)
#include "scanvardex_test.moc"
