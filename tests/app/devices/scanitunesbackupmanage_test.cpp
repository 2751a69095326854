#include "deviceparser.h"
#include "hostileplists.h"
#include "idbexecutor.h"
#include "manifestfixture.h"
#include "scanitunesbackupmanage.h"
#include "settingsentry.h"

#include <QTemporaryDir>
#include <QtTest>

using devicestest::ManifestSpec;

namespace
{
    // An engine that finds nothing and knows one WhatsApp owner.
    class QuietExecutor final : public IDBExecutor
    {
    public:
        void Start() override {}
        void Stop() override {}
        void SetParam(const DBExecutorParam &param) override { masks().append(param.categoryMask); }
        void SetCallback(DBExecutorCallback, void *) override {}
        std::wstring GetWhatsAppOwner(std::wstring path) override { return L"owner-of-" + path; }
        int ConnectDevice(std::wstring) override { return 0; }
        int DisconnectDevice() override { return 0; }
        int ExportFromDevice(std::wstring, std::wstring, intptr_t) override { return 1; }

        static QList<int> &masks()
        {
            static QList<int> list;
            return list;
        }
    };
}

class ScaniTunesBackupManageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void folderGivenTwiceIsListedTwice();
    void modelNames_data();
    void modelNames();
    void productTypeOfFolder_data();
    void productTypeOfFolder();
    void scansGoThroughTheWorker();
    void theProgramsScanFillsTheStore();

private:
    QTemporaryDir m_dir;
    ScaniTunesBackupManage *m_manager = nullptr;
    QStringList m_listed;
    int m_listStops = 0;
};

void ScaniTunesBackupManageTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("QUENROW_ITUNES_BACKUP_ROOT", m_dir.filePath("no-root").toUtf8());
    qputenv("WINEPREFIX", m_dir.filePath("no-wine").toUtf8());
    devicestest::writeManifestPlist(m_dir.filePath("one"), ManifestSpec());
    ManifestSpec noLockdown;
    noLockdown.lockdown = false;
    devicestest::writeManifestPlist(m_dir.filePath("bare"), noLockdown);
    // libplist aborts the program when such a text is read with plist_get_string_val.
    const char nul[] = "<plist><dict><key>Lockdown</key><dict><key>ProductType</key><string>iPhone15,3\0tail</string>"
                       "</dict></dict></plist>";
    devicestest::writeBytes(m_dir.filePath("nul/Manifest.plist"), QByteArray(nul, sizeof nul - 1));
    // libplist would copy these references a billion times, or recurse past its stack.
    devicestest::writeBytes(m_dir.filePath("shared/Manifest.plist"),
                            QByteArray::fromStdString(testsupport::sharedArraysPlist(30)));
    devicestest::writeBytes(m_dir.filePath("deep/Manifest.plist"),
                            QByteArray::fromStdString(testsupport::nestedArraysPlist(200000, true)));
}

void ScaniTunesBackupManageTest::init()
{
    m_manager = new ScaniTunesBackupManage({}, [](IDBExecutor **out) {
        *out = new QuietExecutor;
        return true;
    });
    m_listed.clear();
    m_listStops = 0;
    connect(
        m_manager, &ScaniTunesBackupManage::sigBackupsListInfo, this,
        [this](const QMap<QString, QString> &info) { m_listed << info.value("LocalPath"); }, Qt::QueuedConnection);
    connect(m_manager, &ScaniTunesBackupManage::sigScanBackupsListStop, this, [this] { ++m_listStops; },
            Qt::QueuedConnection);
}

void ScaniTunesBackupManageTest::cleanup()
{
    m_manager->quitScan();
    delete m_manager;
}

void ScaniTunesBackupManageTest::folderGivenTwiceIsListedTwice()
{
    QVERIFY(m_manager->backupFolders().isEmpty());
    const QString one = m_dir.filePath("one");
    QSignalSpy starts(m_manager, &ScaniTunesBackupManage::sigScanBackupsListStart);
    m_manager->scanBackupsList(one);
    QTRY_COMPARE(m_listStops, 1);
    m_manager->scanBackupsList(one);
    QTRY_COMPARE(m_listStops, 2);
    m_manager->appendBackupPath(m_dir.filePath("not-a-backup"));
    m_manager->scanBackupsList(QString());
    QTRY_COMPARE(m_listStops, 3);
    QCOMPARE(starts.count(), 3);
    QCOMPARE(m_listed, QStringList({one, one, one, one}));
    QCOMPARE(m_manager->backupFolders(), QStringList({one, one, m_dir.filePath("not-a-backup")}));
}

void ScaniTunesBackupManageTest::modelNames_data()
{
    QTest::addColumn<QString>("productType");
    QTest::addColumn<QString>("name");
    QTest::newRow("first row") << "iPhone3,3" << "iPhone 4";
    QTest::newRow("last row") << "iPhone15,3" << "iPhone 14 Pro Max";
    QTest::newRow("out of numeric order") << "iPhone14,2" << "iPhone 13 Pro";
    QTest::newRow("not in the table") << "iPhone16,1" << "iPhone16,1";
    QTest::newRow("an iPad") << "iPad13,4" << "iPad13,4";
    QTest::newRow("empty") << "" << "";
}

void ScaniTunesBackupManageTest::modelNames()
{
    QFETCH(QString, productType);
    QFETCH(QString, name);
    QCOMPARE(ScaniTunesBackupManage::productTypeToModelName(productType), name);
}

void ScaniTunesBackupManageTest::productTypeOfFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::newRow("backup") << "one" << "iPhone 14 Pro Max";
    QTest::newRow("without lockdown") << "bare" << "";
    QTest::newRow("no backup") << "nothing-here" << "";
    QTest::newRow("a NUL inside the type: read up to it") << "nul" << "iPhone 14 Pro Max";
    QTest::newRow("references copied a billion times") << "shared" << "";
    QTest::newRow("nested past any stack") << "deep" << "";
}

void ScaniTunesBackupManageTest::productTypeOfFolder()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QCOMPARE(m_manager->readProductTypefunc(m_dir.filePath(folder)), name);
}

void ScaniTunesBackupManageTest::scansGoThroughTheWorker()
{
    QuietExecutor::masks().clear();
    QSignalSpy starts(m_manager, &ScaniTunesBackupManage::sigScanBackupsDbStart);
    int stops = 0;
    connect(m_manager, &ScaniTunesBackupManage::sigScanBackupsDbStop, this, [&stops] { ++stops; },
            Qt::QueuedConnection);
    const QString folder = m_dir.filePath("one");
    m_manager->scanBackupsDb({1024}, folder, QString(), false);
    QCOMPARE(m_manager->currentBackupPath(), folder);
    QCOMPARE(starts.count(), 1);
    QTRY_COMPARE(stops, 1);
    QCOMPARE(QuietExecutor::masks(), (QList<int> {8, 64}));
    QVERIFY(QFileInfo(SettingsEntry::instance()->cacheMediaPath()).isDir());
    QCOMPARE(m_manager->getRegisterPhoneNum(folder), "owner-of-" + folder);
}

void ScaniTunesBackupManageTest::theProgramsScanFillsTheStore()
{
    // The process-wide service: the real engine, records into the store.
    ScaniTunesBackupManage *service = ScaniTunesBackupManage::instance();
    QCOMPARE(ScaniTunesBackupManage::instance(), service);
    int stops = 0;
    connect(service, &ScaniTunesBackupManage::sigScanBackupsDbStop, this, [&stops] { ++stops; },
            Qt::QueuedConnection);
    DeviceParser::instance()->clearAll();
    service->scanBackupsDb({1}, QUENROW_SAMPLE_BACKUP, QString(), false);
    QTRY_COMPARE_WITH_TIMEOUT(stops, 1, 30000);
    QVERIFY(!DeviceParser::instance()->recordMap(0).isEmpty());
    service->quitScan();
}

QTEST_GUILESS_MAIN(ScaniTunesBackupManageTest)
#include "scanitunesbackupmanage_test.moc"
