// The device flow's backup stage on the scan-result page, with a scripted
// device-connection library (an attached phone whose backups are
// encrypted) and a scripted backup program: the decryption needs room.

#include "../devices/fakebackuphelper.h"
#include "fakequorlin.h"
#include "messageboxscript.h"
#include "mobiledevicebackupmanager.h"
#include "mobiledeviceconnect.h"
#include "scanfeed.h"
#include "scanresultfixture.h"
#include "widgetkit.h"

#include <QSignalSpy>
#include <QThreadPool>
#include <QtTest>

using namespace DeviceData;

class ScanResultDeviceTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work;
    QString m_backup; // the folder the scripted backup made

private slots:
    void initTestCase()
    {
        initWidgetKit();
        registerMetaTypes();
        // The listeners hold two pool threads for good.
        QThreadPool::globalInstance()->setMaxThreadCount(8);
        MobileDeviceConnect *devices = MobileDeviceConnect::instance();
        QVERIFY(devices->startIOSListen());
        IOSDeviceInfo info;
        info.UniqueDeviceID = L"UDID-ENC";
        info.DeviceName = L"Kim";
        info.DisplayName = L"iPhone 13 Pro";
        info.ProductType = L"iPhone14,2";
        info.ProductVersion = L"16.1";
        fakequorlin::attach(info, true);
        fakequorlin::setEncrypted(true);
        fakequorlin::waitIdle();
        QTRY_VERIFY(devices->currentDevice());
        QVERIFY(devices->checkDeviceBackupIsEncrypt());

        // A backup of 8 KiB, made by the scripted backup program.
        QVERIFY(m_work.isValid());
        const QString helper = writeFakeBackupHelper(
            m_work.filePath("helper.sh"),
            "mkdir -p \"$target/$udid\" && head -c 8192 /dev/zero > \"$target/$udid/Manifest.db\"");
        QVERIFY(!helper.isEmpty());
        qputenv("QUENROW_BACKUP_HELPER", helper.toUtf8());
        MobileDeviceBackupManager *backups = MobileDeviceBackupManager::instance();
        QSignalSpy progress(backups, &MobileDeviceBackupManager::taskProgress);
        QVERIFY(backups->startBackup(m_work.filePath("backups"), QStringLiteral("UDID-ENC"), {}));
        QVERIFY(QTest::qWaitFor(
            [&] {
                for (const QList<QVariant> &args : progress) {
                    if (args.at(0).toInt() == 0 && args.at(1).toInt() == 0)
                        return true;
                }
                return false;
            },
            20000));
        m_backup = backups->backupDataPath();
        QCOMPARE(backups->backupSize(), qint64(8192));
    }

    void decryptingNeedsTheBackupsSize_data()
    {
        QTest::addColumn<quint64>("free");
        QTest::addColumn<int>("answer"); // to the question, 0 when none is asked
        QTest::addColumn<bool>("decrypts");
        QTest::newRow("too little, No") << quint64(8191) << 1 << false;
        QTest::newRow("too little, Continue") << quint64(8191) << 2 << true;
        QTest::newRow("enough") << quint64(8192) << 0 << true;
    }

    void decryptingNeedsTheBackupsSize()
    {
        QFETCH(quint64, free);
        QFETCH(int, answer);
        QFETCH(bool, decrypts);
        ScanResultFixture f;
        QString measured;
        f.page->setFreeSpaceProvider([free, &measured](const QString &folder) {
            measured = folder;
            return free;
        });
        f.startScan({Photos, CallHistory}, ModuleManager::IOSDeviceSelectiveBackup, QStringLiteral("UDID-ENC"));
        QTRY_VERIFY(f.script.passes().contains(DBAPP_PHOTOS));
        QTRY_VERIFY(!f.page->feed()->workerRunning());

        MobileDeviceBackupManager *backups = MobileDeviceBackupManager::instance();
        QSignalSpy progress(backups, &MobileDeviceBackupManager::taskProgress);
        {
            MessageBoxScript boxes(answer ? QList<int>{answer} : QList<int>{});
            f.page->setTaskProgress(0, 0, m_backup, QVariant());
            if (answer) {
                QCOMPARE(boxes.shown().first().text,
                         QStringLiteral("There is not enough disk space to decrypt all backup. Do you want to "
                                        "continue?"));
                QCOMPARE(boxes.shown().first().buttons, (QStringList{"No", "Continue"}));
                QCOMPARE(boxes.shown().first().defaultId, 2);
            }
        }
        QCOMPARE(measured, m_backup);
        if (!decrypts) {
            QVERIFY(f.waitForResult());
            QCOMPARE(f.page->shownPage(), f.page->noDataPage());
            QCOMPARE(f.script.passes(), QList<int>{DBAPP_PHOTOS});
            return;
        }
        // The decryption runs into a folder beside the backup.
        const QString target = QFileInfo(m_backup).path() + "/BackupDecrypt_" + QFileInfo(m_backup).fileName();
        QVERIFY(QTest::qWaitFor(
            [&] {
                for (const QList<QVariant> &args : progress) {
                    if (args.at(0).toInt() == 1 && args.at(1).toInt() == 0)
                        return args.at(2).toString() == target;
                }
                return false;
            },
            20000));
        QVERIFY(f.page->toolBar()->isScanning());
    }
};

QTEST_MAIN(ScanResultDeviceTest)
#include "scanresultdevice_test.moc"
