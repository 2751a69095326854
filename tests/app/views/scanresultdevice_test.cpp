// The device flow's backup stage on the scan-result page, with a scripted
// device-connection library (an attached phone whose backups are
// encrypted) and a stand-in backup program: the finished backup's folder
// says whether it is decrypted, the decryption needs room, and one that
// fails scans nothing of the backup.

#include "fakequorlin.h"
#include "heldbackup.h"
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
    }

    // The phone makes encrypted backups; what the backup holds decides.
    void theFinishedBackupIsDecryptedWhenItNeedsIt_data()
    {
        QTest::addColumn<QString>("manifest"); // the backup's Manifest.db: "sqlite" plain, else 8 KiB of zeros
        QTest::addColumn<quint64>("free");
        QTest::addColumn<int>("answer"); // to the space question, 0 when none is asked
        QTest::addColumn<bool>("decrypts");
        QTest::newRow("encrypted, too little room, No") << "zeros" << quint64(8191) << 1 << false;
        QTest::newRow("encrypted, too little room, Continue") << "zeros" << quint64(8191) << 2 << true;
        QTest::newRow("encrypted, enough room") << "zeros" << quint64(8192) << 0 << true;
        QTest::newRow("plain") << "sqlite" << quint64(0) << 0 << false;
    }

    void theFinishedBackupIsDecryptedWhenItNeedsIt()
    {
        QFETCH(QString, manifest);
        QFETCH(quint64, free);
        QFETCH(int, answer);
        QFETCH(bool, decrypts);
        const bool plain = manifest == "sqlite";
        HeldBackup backup(plain ? QStringLiteral("mkdir -p \"$target/$udid\" && printf 'SQLite format 3\\000' "
                                                 "> \"$target/$udid/Manifest.db\"")
                                : QStringLiteral("mkdir -p \"$target/$udid\" && head -c 8192 /dev/zero > "
                                                 "\"$target/$udid/Manifest.db\""));
        QVERIFY(backup.start(QStringLiteral("UDID-ENC")));
        ScanResultFixture f;
        backup.forwardTo(f.page.get());
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
        // The space question, then the failure of a decryption: zeros are no backup.
        QList<int> answers;
        if (answer)
            answers << answer;
        if (decrypts)
            answers << 1;
        MessageBoxScript boxes(answers);
        backup.finish();
        QVERIFY(f.waitForResult(20000));
        QCOMPARE(boxes.shown().size(), answers.size());
        if (answer) {
            QCOMPARE(boxes.shown().first().text,
                     QStringLiteral("There is not enough disk space to decrypt all backup. Do you want to "
                                    "continue?"));
            QCOMPARE(boxes.shown().first().buttons, (QStringList{"No", "Continue"}));
            QCOMPARE(boxes.shown().first().defaultId, 2);
        }
        const QString target = QFileInfo(backup.dataPath()).path() + "/BackupDecrypt_UDID-ENC";
        bool decrypted = false;
        for (const QList<QVariant> &args : progress)
            decrypted = decrypted || (args.at(0).toInt() == 1 && args.at(1).toInt() == 0 && args.at(2) == target);
        QCOMPARE(decrypted, decrypts);
        if (decrypts) {
            QCOMPARE(measured, backup.dataPath());
            QCOMPARE(boxes.shown().last().text,
                     QStringLiteral("An error was encountered and the analysis device failed. Please try again!"));
        }
        if (plain) {
            // No question, no decryption: the backup itself is scanned.
            QCOMPARE(f.script.passes(), (QList<int>{DBAPP_PHOTOS, DBAPP_ADDRESSBOOK, DBAPP_CALL_HISTORY}));
            QCOMPARE(f.script.folders().last(), backup.dataPath());
        } else {
            // A backup that was not decrypted is not scanned.
            QCOMPARE(f.page->shownPage(), f.page->noDataPage());
            QCOMPARE(f.script.passes(), QList<int>{DBAPP_PHOTOS});
        }
    }
};

QTEST_MAIN(ScanResultDeviceTest)
#include "scanresultdevice_test.moc"
