// The scan-result page's lifecycle: what it asks before it returns, stops
// or lets the program end, what a confirmed return clears, the device
// flow's backup stages and the end of a scan.

#include "analyticsrecorder.h"
#include "ctoolbar.h"
#include "heldbackup.h"
#include "messageboxscript.h"
#include "modaldriver.h"
#include "mobiledevicebackupmanager.h"
#include "mobiledeviceobject.h"
#include "scanfeed.h"
#include "scanresultfixture.h"
#include "settingsentry.h"
#include "shots.h"
#include "thumbnailsessionmanager.h"
#include "widgetkit.h"

#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

using namespace DeviceData;

namespace
{
    const QString kScanningReturn = QStringLiteral("Scanning data, are you sure you want to return?");
    const QString kDoneReturn =
        QStringLiteral("Are you sure you want to return? If you do, you need to scan data again.");
    const QString kCloudReturn = QStringLiteral(
        "Are you sure you want to return? You will need to re-download the data after returning.");

    QString writeScript(const QString &path, const QString &body)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(("#!/bin/sh\n" + body + "\n").toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    QStringList readLines(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }
}

class ScanResultPageTest : public QObject
{
    Q_OBJECT

private:
    AnalyticsRecorder m_analytics;
    QTemporaryDir m_tools;
    QString m_rubbishRecord;

    // A scan held inside its first category with three calls stored; the
    // device flow's holds in its photo part.
    void startHeldScan(ScanResultFixture &f, int module)
    {
        if (module == ModuleManager::IOSDeviceSelectiveBackup) {
            f.script.holdAt(DBAPP_PHOTOS, 0);
            f.startScan({Photos, CallHistory}, ModuleManager::IOSDeviceSelectiveBackup, QStringLiteral("UDID-1"));
            QVERIFY(f.script.waitHeld());
            return;
        }
        f.script.setCalls(DBAPP_CALL_HISTORY, scriptedCalls(5));
        f.script.holdAt(DBAPP_CALL_HISTORY, 3);
        f.startScan({CallHistory}, ModuleManager::ModuleType(module));
        QVERIFY(f.script.waitHeld());
        QTRY_COMPARE(f.countOf(CallHistory), 3);
    }

    // A scan of five calls run to its end; then the flow is module.
    void finishScan(ScanResultFixture &f, int module)
    {
        MessageBoxScript boxes({1});
        f.script.setCalls(DBAPP_CALL_HISTORY, scriptedCalls(5));
        f.startScan({CallHistory});
        QVERIFY(f.waitForResult());
        ModuleManager::instance()->setCurrent(ModuleManager::ModuleType(module));
    }

    void startHeldOrFinished(ScanResultFixture &f, int module, bool scanning)
    {
        if (scanning)
            startHeldScan(f, module);
        else
            finishScan(f, module);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_analytics.start());
        initWidgetKit();
        registerMetaTypes();
        QVERIFY(m_tools.isValid());
        // The deletion program writes down what it was handed; the
        // converter takes its time, so thumbnail jobs stay queued.
        m_rubbishRecord = m_tools.filePath("rubbish.txt");
        qputenv("QUENROW_RUBBISH_RECORD", m_rubbishRecord.toUtf8());
        qputenv("QUENROW_RUBBISH",
                writeScript(m_tools.filePath("rubbish"), "for f in \"$@\"; do echo \"$f\" >> \"$QUENROW_RUBBISH_RECORD\"; done")
                    .toUtf8());
        qputenv("QUENROW_FFMPEG", writeScript(m_tools.filePath("converter"), "sleep 20").toUtf8());
    }

    void cleanup() { QFile::remove(m_rubbishRecord); }

    void returnAsksFirst_data()
    {
        QTest::addColumn<int>("module");
        QTest::addColumn<bool>("scanning");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("text");
        const int device = ModuleManager::IOSDevice;
        const int selective = ModuleManager::IOSDeviceSelectiveBackup;
        const int itunes = ModuleManager::ITunesBackup;
        const int cloud = ModuleManager::ICloudBackup;
        QTest::newRow("device, scanning, Cancel") << device << true << 2 << kScanningReturn;
        QTest::newRow("device, scanning, Return") << device << true << 1 << kScanningReturn;
        QTest::newRow("device backup, scanning, Return") << selective << true << 1 << kScanningReturn;
        QTest::newRow("device backup, done, Cancel") << selective << false << 2 << kDoneReturn;
        QTest::newRow("iTunes, scanning, Return") << itunes << true << 1 << kScanningReturn;
        QTest::newRow("iTunes, done, Cancel") << itunes << false << 2 << kDoneReturn;
        QTest::newRow("iTunes, done, Return") << itunes << false << 1 << kDoneReturn;
        QTest::newRow("iCloud, done, Cancel") << cloud << false << 2 << kCloudReturn;
        QTest::newRow("iCloud, done, Return") << cloud << false << 1 << kCloudReturn;
        // Closing the question is no return either.
        QTest::newRow("iTunes, done, closed") << itunes << false << 0 << kDoneReturn;
    }

    void returnAsksFirst()
    {
        QFETCH(int, module);
        QFETCH(bool, scanning);
        QFETCH(int, answer);
        QFETCH(QString, text);
        ScanResultFixture f;
        f.show();
        startHeldOrFinished(f, module, scanning);
        const int stored = DeviceParser::instance()->records(DeviceGroup, CallHistory).size();
        const int rows = f.navigation()->count();
        // Thumbnail jobs beyond what the converter runs at once stay queued.
        ThumbnailSessionManager *thumbnails = ThumbnailSessionManager::instance();
        for (int i = 0; i < 3 * thumbnails->maxThreadCount(); ++i)
            thumbnails->addTask(m_tools.filePath(QStringLiteral("clip%1.mov").arg(i)),
                                m_tools.filePath(QStringLiteral("clip%1.jpg").arg(i)));

        QSignalSpy back(f.page.get(), &ModuleBaseFrm::sigBackButtonClicked);
        {
            MessageBoxScript boxes({answer});
            QTest::mouseClick(f.page->backButton(), Qt::LeftButton);
            QCOMPARE(boxes.shown().size(), 1);
            const XMessageBox::Shown box = boxes.shown().first();
            QCOMPARE(box.kind, int(XMessageBox::Question));
            QCOMPARE(box.text, text);
            QCOMPARE(box.buttons, (QStringList{"Return", "Cancel"}));
            QCOMPARE(box.defaultId, 1);
            // A stopped scan ends without a result of its own.
            QTest::qWait(ViewNativeDataManage::ResultDelayMs + 100);
        }
        if (answer != 1) {
            QCOMPARE(back.count(), 0);
            QCOMPARE(f.navigation()->count(), rows);
            QCOMPARE(DeviceParser::instance()->records(DeviceGroup, CallHistory).size(), stored);
            QCOMPARE(f.page->toolBar()->isScanning(), scanning);
            if (scanning)
                QVERIFY(f.script.running());
            ThumbnailJob job;
            QVERIFY(thumbnails->takeNextJob(job));
            thumbnails->clearTasks();
            return;
        }
        QCOMPARE(back.count(), 1);
        QCOMPARE(f.navigation()->count(), 0);
        QVERIFY(DeviceParser::instance()->records(DeviceGroup, CallHistory).isEmpty());
        ThumbnailJob job;
        QVERIFY(!thumbnails->takeNextJob(job));
        QCOMPARE(f.page->shownPage(), f.page->analysingPage());
        QVERIFY(!f.page->toolBar()->isScanning());
        QTRY_VERIFY(readLines(m_rubbishRecord).contains(SettingsEntry::instance()->cacheMediaPath()));
        if (scanning)
            QTRY_VERIFY(!f.script.running());

        // The next scan starts from an empty list.
        MessageBoxScript boxes({1});
        f.script.release();
        f.script.setCalls(DBAPP_FACETIME, scriptedCalls(2));
        f.startScan({FaceTime});
        QVERIFY(f.waitForResult());
        QCOMPARE(f.navigation()->count(), 2); // "System Data", FaceTime
        QCOMPARE(f.countOf(FaceTime), 2);
    }

    void stopAsksFirst_data()
    {
        QTest::addColumn<int>("module");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("event");
        QTest::newRow("iTunes, Cancel") << int(ModuleManager::ITunesBackup) << 2 << QString();
        QTest::newRow("iTunes, OK") << int(ModuleManager::ITunesBackup) << 1
                                    << "RecoverfromiTunesBackup/Click_Stop/";
        QTest::newRow("device, OK") << int(ModuleManager::IOSDevice) << 1
                                    << "RecoverfromiOSDevice/RecoverDataProcess/Click_Stop";
    }

    void stopAsksFirst()
    {
        QFETCH(int, module);
        QFETCH(int, answer);
        QFETCH(QString, event);
        ScanResultFixture f;
        f.show();
        startHeldScan(f, module);
        saveShot(f.page.get(), QStringLiteral("scanning"));
        {
            MessageBoxScript boxes(answer == 1 ? QList<int>{1, 1} : QList<int>{2, 1});
            emit f.page->toolBar()->scanningStopped();
            const XMessageBox::Shown box = boxes.shown().first();
            QCOMPARE(box.text, QStringLiteral("Are you sure you want to stop? If you do, some of the data scanning "
                                              "will fail."));
            QCOMPARE(box.buttons, (QStringList{"OK", "Cancel"}));
            if (answer != 1) {
                QTest::qWait(100);
                QVERIFY(f.page->toolBar()->isScanning());
                QVERIFY(f.script.running());
                f.script.release();
                QVERIFY(f.waitForResult());
                return;
            }
            // What was scanned before the stop is the result.
            QVERIFY(f.waitForResult());
            QCOMPARE(boxes.shown().size(), 2);
            QVERIFY(boxes.shown().at(1).text.contains(QStringLiteral("3 data has been scanned completely")));
        }
        QVERIFY(!f.script.running());
        QVERIFY(m_analytics.waitFor(event));
    }

    void theCloudStopAsksInItsOwnWords()
    {
        ScanResultFixture f;
        ModuleManager::instance()->setCurrent(ModuleManager::ICloudBackup);
        MessageBoxScript boxes({2});
        emit f.page->toolBar()->scanningStopped();
        QCOMPARE(boxes.shown().first().text,
                 QStringLiteral("Downloading data from iCloud backup, are you sure you want to stop now? Data cannot "
                                "be completely downloaded after stopping."));
        QCOMPARE(boxes.shown().first().buttons, (QStringList{"Stop", "Cancel"}));
    }

    void quitAsksFirst_data()
    {
        QTest::addColumn<bool>("scanning");
        QTest::addColumn<int>("answer");
        QTest::newRow("scanning, Exit") << true << 1;
        QTest::newRow("scanning, Cancel") << true << 2;
        QTest::newRow("done, Exit") << false << 1;
        QTest::newRow("done, Cancel") << false << 2;
    }

    void quitAsksFirst()
    {
        QFETCH(bool, scanning);
        QFETCH(int, answer);
        ScanResultFixture f;
        startHeldOrFinished(f, ModuleManager::ITunesBackup, scanning);
        {
            MessageBoxScript boxes({answer});
            QCOMPARE(f.page->quit(), answer == 1);
            QCOMPARE(boxes.shown().first().text,
                     scanning ? QStringLiteral("Scanning data, are you sure you want to exit the program?")
                              : QStringLiteral("The scanning process is complete, are you sure you want to exit? If "
                                               "you exit, the scan results will not be saved."));
            QCOMPARE(boxes.shown().first().buttons, (QStringList{"Exit", "Cancel"}));
        }
        if (scanning && answer == 1) {
            // The worker has left the store before the program may end.
            QVERIFY(!f.script.running());
            QVERIFY(!f.page->feed()->workerRunning());
        } else if (scanning) {
            QVERIFY(f.script.running());
        }
        if (scanning && answer == 1) {
            // The program is ending: the scan's result is not shown.
            MessageBoxScript none({});
            f.script.release();
            QTest::qWait(3 * ViewNativeDataManage::ResultDelayMs);
            QVERIFY(!f.page->recoverButton()->isEnabled());
        } else if (scanning) {
            MessageBoxScript result({1});
            f.script.release();
            QVERIFY(f.waitForResult());
            QTest::qWait(ViewNativeDataManage::ResultDelayMs + 100);
        }
    }

    // The device flow scans the device's photos first, the rest once its
    // backup is made (not encrypted: at once).
    void theBackupPartFollowsThePhotoPart()
    {
        HeldBackup backup;
        QVERIFY(backup.start());
        ScanResultFixture f;
        backup.forwardTo(f.page.get());
        f.script.setCalls(DBAPP_CALL_HISTORY, scriptedCalls(3));
        f.startScan({Photos, CallHistory, FaceTime}, ModuleManager::IOSDeviceSelectiveBackup,
                    QStringLiteral("UDID-1"));
        QTRY_VERIFY(f.script.passes().contains(DBAPP_PHOTOS));
        QTRY_VERIFY(!f.page->feed()->workerRunning());
        QTest::qWait(ViewNativeDataManage::ResultDelayMs);
        // The photo part's end is no result yet: the backup still runs.
        QVERIFY(f.page->toolBar()->isScanning());
        QCOMPARE(f.script.passes(), QList<int>{DBAPP_PHOTOS});

        MessageBoxScript boxes({1});
        backup.finish();
        QVERIFY(f.waitForResult());
        QCOMPARE(f.script.passes(),
                 (QList<int>{DBAPP_PHOTOS, DBAPP_ADDRESSBOOK, DBAPP_CALL_HISTORY, DBAPP_FACETIME}));
        QCOMPARE(f.script.folders().first(), f.backup.path());
        const QString made = backup.dataPath();
        QCOMPARE(f.script.folders().mid(1), (QStringList{made, made, made}));
        QCOMPARE(MobileDeviceBackupManager::instance()->backupDataPath(), made);
        QVERIFY(boxes.shown().first().text.contains(QStringLiteral("3 data has been scanned completely")));
    }

    void aStopBeforeTheBackupEndsTheScan()
    {
        HeldBackup backup;
        QVERIFY(backup.start());
        ScanResultFixture f;
        backup.forwardTo(f.page.get());
        startHeldScan(f, ModuleManager::IOSDeviceSelectiveBackup);
        MessageBoxScript boxes({1});
        emit f.page->toolBar()->scanningStopped();
        QCOMPARE(boxes.shown().first().text,
                 QStringLiteral("Are you sure you want to stop? If you do, some of the data scanning will fail."));
        // The stopped backup's end ends the scan; its folder is not scanned.
        QVERIFY(f.waitForResult());
        QCOMPARE(f.page->shownPage(), f.page->noDataPage());
        QTRY_VERIFY_WITH_TIMEOUT(!MobileDeviceBackupManager::instance()->isRunning(), 20000);
        QTest::qWait(ViewNativeDataManage::ResultDelayMs);
        QCOMPARE(f.script.passes(), QList<int>{DBAPP_PHOTOS});
    }

    void aFailedBackupEndsTheScan_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("ends");
        QTest::newRow("failed") << -1 << true;
        QTest::newRow("stopped") << 3 << true;
        QTest::newRow("started") << 1 << false;
        QTest::newRow("progress") << 2 << false;
    }

    void aFailedBackupEndsTheScan()
    {
        QFETCH(int, result);
        QFETCH(bool, ends);
        HeldBackup backup;
        QVERIFY(backup.start());
        ScanResultFixture f;
        f.startScan({Photos, CallHistory}, ModuleManager::IOSDeviceSelectiveBackup, QStringLiteral("UDID-1"));
        QTRY_VERIFY(!f.page->feed()->workerRunning());
        f.page->setTaskProgress(0, result, QVariant(), QVariant());
        if (ends) {
            QVERIFY(f.waitForResult());
            QCOMPARE(f.page->shownPage(), f.page->noDataPage());
            // A crash reports twice: the second end is no second result.
            MessageBoxScript none({});
            f.page->setTaskProgress(0, -1, QVariant(), QVariant());
            QTest::qWait(ViewNativeDataManage::ResultDelayMs + 100);
            QVERIFY(none.shown().isEmpty());
        } else {
            QTest::qWait(ViewNativeDataManage::ResultDelayMs + 100);
            QVERIFY(f.page->toolBar()->isScanning());
        }
        // Outside the device flow's backup nothing is taken from it.
        ModuleManager::instance()->setCurrent(ModuleManager::ITunesBackup);
        f.page->setTaskProgress(0, 0, f.backup.path(), QVariant());
        f.page->setTaskProgress(1, 0, f.backup.path(), QVariant());
        QTest::qWait(100);
        QCOMPARE(f.script.passes(), QList<int>{DBAPP_PHOTOS});
    }

    // Handed over after its end, the backup's folder is scanned at once, after
    // the phone's part; a late report of that end changes nothing.
    void aBackupThatEndedBeforeTheHandOff()
    {
        QTemporaryDir made;
        ScanResultFixture f;
        MessageBoxScript boxes({1});
        f.script.setCalls(DBAPP_CALL_HISTORY, scriptedCalls(2));
        f.script.holdAt(DBAPP_PHOTOS, 0);
        ModuleManager::instance()->setCurrent(ModuleManager::IOSDeviceSelectiveBackup);
        DeviceParser::instance()->setScanCategories(DeviceGroup, {Photos, CallHistory});
        QVERIFY(!MobileDeviceBackupManager::instance()->isRunning());
        f.page->startScan(made.path(), QStringLiteral("UDID-1"));
        QVERIFY(f.script.waitHeld());
        f.page->setTaskProgress(0, 0, made.path(), QVariant());
        QTest::qWait(100);
        QCOMPARE(f.script.passes(), QList<int>{DBAPP_PHOTOS});
        f.script.release();
        QVERIFY(f.waitForResult());
        QTest::qWait(ViewNativeDataManage::ResultDelayMs);
        QCOMPARE(f.script.passes(), (QList<int>{DBAPP_PHOTOS, DBAPP_ADDRESSBOOK, DBAPP_CALL_HISTORY}));
        QCOMPARE(f.script.folders().mid(1), (QStringList{made.path(), made.path()}));
        QCOMPARE(boxes.shown().size(), 1);
    }

    void withoutRecordsTheNoDataPageShows_data()
    {
        QTest::addColumn<int>("module");
        QTest::addColumn<QString>("event");
        QTest::newRow("iTunes") << int(ModuleManager::ITunesBackup) << "RecoverfromiTunesBackup/NoDataFoundPage001/";
        QTest::newRow("device") << int(ModuleManager::IOSDevice)
                                << "RecoverfromiOSDevice/RecoverDataProcess/NoDataFoundPage";
        // Without a sign-in the account value is not 0: the failure box too.
        QTest::newRow("iCloud") << int(ModuleManager::ICloudBackup) << "iCloudDownloadSituation/NoiCloudData/";
    }

    void withoutRecordsTheNoDataPageShows()
    {
        QFETCH(int, module);
        QFETCH(QString, event);
        ScanResultFixture f;
        f.show();
        const bool cloud = module == ModuleManager::ICloudBackup;
        QVERIFY(!cloud || iCloudHelp::instance()->accountInfo() != 0);
        MessageBoxScript boxes(cloud ? QList<int>{1} : QList<int>{});
        f.startScan({CallHistory, FaceTime}, ModuleManager::ModuleType(module));
        QVERIFY(f.waitForResult());
        QCOMPARE(f.page->shownPage(), f.page->noDataPage());
        QVERIFY(!f.page->recoverButton()->isEnabled());
        QVERIFY(!f.page->toolBar()->isEnabled());
        if (cloud) {
            QCOMPARE(boxes.shown().size(), 1);
            QCOMPARE(boxes.shown().first().text,
                     QStringLiteral("Failed to download data! Please try again or sign in with another Apple ID."));
            QVERIFY(m_analytics.waitFor("iCloudDownloadSituation/FailToDownloadiCloudData/"));
        } else {
            QVERIFY(boxes.shown().isEmpty());
        }
        QVERIFY(m_analytics.waitFor(event));
        QVERIFY(m_analytics.waitFor("ScanRate/ScanNoData/"));
        saveShot(f.page.get(), QStringLiteral("no-data-%1").arg(module));
    }

    void recordsGiveTheSuccessBox()
    {
        ScanResultFixture f;
        f.show();
        f.script.setCalls(DBAPP_CALL_HISTORY, scriptedCalls(4));
        f.script.setCalls(DBAPP_FACETIME, scriptedCalls(3, 2000));
        MessageBoxScript boxes({1});
        f.startScan({CallHistory, FaceTime});
        QVERIFY(m_analytics.waitFor("RecoverfromiTunesBackup/StartScanData001/"));
        QVERIFY(f.waitForResult());
        QCOMPARE(boxes.shown().size(), 1);
        const XMessageBox::Shown box = boxes.shown().first();
        QCOMPARE(box.kind, int(XMessageBox::Success));
        QVERIFY(box.text.contains(QStringLiteral("7 data has been scanned completely, please recover your data as soon "
                                                 "as possible.")));
        QCOMPARE(box.buttons, QStringList{"OK"});
        QVERIFY(f.page->recoverButton()->isEnabled());
        QCOMPARE(f.page->currentCategory(), int(CallHistory));
        QCOMPARE(f.page->toolBar()->barType(), 2);
        QVERIFY(m_analytics.waitFor("RecoverfromiTunesBackup/FinishScanData001/"));
        QVERIFY(m_analytics.waitFor("ScanRate/ScanComplete/"));
        saveShot(f.page.get(), QStringLiteral("result"));

        // A second end of the same scan (a backup stage's, say) shows nothing.
        MessageBoxScript none({});
        f.page->slotScanDbStop();
        QTest::qWait(2 * ViewNativeDataManage::ResultDelayMs);
        QVERIFY(none.shown().isEmpty());
    }

    // The scan ends while the question before the program's end is open:
    // its result never opens over the question, and shows only if the
    // program goes on.
    void theResultWaitsForTheQuitQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Exit") << 1;
        QTest::newRow("Cancel") << 2;
    }

    void theResultWaitsForTheQuitQuestion()
    {
        QFETCH(int, answer);
        ScanResultFixture f;
        f.show();
        startHeldScan(f, ModuleManager::ITunesBackup);
        bool overTheQuestion = false;
        ModalDriver::onNext<XMessageBox>([&](XMessageBox *question) {
            f.script.release();
            QTest::qWait(3 * ViewNativeDataManage::ResultDelayMs);
            overTheQuestion = QApplication::activeModalWidget() != question;
            ModalDriver::clickButton(question, answer == 1 ? QStringLiteral("Exit") : QStringLiteral("Cancel"));
        });
        QCOMPARE(f.page->quit(), answer == 1);
        QVERIFY(!overTheQuestion);
        QCOMPARE(ModalDriver::pending(), 0);
        MessageBoxScript boxes(answer == 1 ? QList<int>() : QList<int>{1});
        if (answer == 1) {
            QTest::qWait(3 * ViewNativeDataManage::ResultDelayMs);
        } else {
            QVERIFY(f.waitForResult());
            QCOMPARE(boxes.shown().size(), 1);
            QCOMPARE(boxes.shown().first().kind, int(XMessageBox::Success));
        }
    }

    void aReturnDuringTheResultDelayLeavesNothingToShow()
    {
        ScanResultFixture f;
        f.show();
        f.script.setCalls(DBAPP_CALL_HISTORY, scriptedCalls(4));
        f.script.holdAt(DBAPP_CALL_HISTORY, 2);
        f.startScan({CallHistory});
        QVERIFY(f.script.waitHeld());
        QTRY_COMPARE(f.countOf(CallHistory), 2);
        f.pick(CallHistory);
        QPointer<AbstractDataView> view = f.page->currentView();
        QVERIFY(view);
        f.script.release();
        // The end was taken; its result is 200 ms away.
        QTRY_VERIFY(!f.page->toolBar()->isScanning());
        MessageBoxScript boxes({1});
        QTest::mouseClick(f.page->backButton(), Qt::LeftButton);
        QCOMPARE(boxes.shown().first().text, kDoneReturn);
        QTest::qWait(2 * ViewNativeDataManage::ResultDelayMs);
        QTRY_VERIFY(!view);
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(f.page->shownPage(), f.page->analysingPage());
        QVERIFY(!f.page->recoverButton()->isEnabled());
    }

    void anUnpluggedDeviceIsReleasedAndNamed_data()
    {
        QTest::addColumn<int>("module");
        QTest::addColumn<bool>("scanning");
        QTest::addColumn<bool>("photosTicked");
        QTest::addColumn<QString>("text");
        const QString interrupted = QStringLiteral(
            "Your device (<font style='color:#558AF8;'>&lt;b&gt;Kim&amp;Co&lt;/b&gt;</font>) has been disconnected "
            "and scanning has been interrupted.The program will parse and display the successfully scanned data.");
        const QString willFail = QStringLiteral("The device (<font style='color:#558AF8;'>&lt;b&gt;Kim&amp;Co&lt;/b&gt;"
                                                "</font>) is disconnected, some data type recovery will fail!");
        QTest::newRow("device, scanning") << int(ModuleManager::IOSDevice) << true << false << interrupted;
        QTest::newRow("device, photos ticked") << int(ModuleManager::IOSDevice) << false << true << willFail;
        QTest::newRow("device, no photos ticked") << int(ModuleManager::IOSDevice) << false << false << QString();
        QTest::newRow("iTunes, scanning") << int(ModuleManager::ITunesBackup) << true << false << QString();
    }

    void anUnpluggedDeviceIsReleasedAndNamed()
    {
        QFETCH(int, module);
        QFETCH(bool, scanning);
        QFETCH(bool, photosTicked);
        QFETCH(QString, text);
        ScanResultFixture f;
        f.show();
        f.script.setCalls(DBAPP_CALL_HISTORY, scriptedCalls(2));
        f.script.holdAt(DBAPP_CALL_HISTORY, 2);
        f.startScan({Photos, CallHistory}, ModuleManager::ModuleType(module));
        QVERIFY(f.script.waitHeld());
        MediaInfo photo;
        photo.name = QStringLiteral("IMG_0001.JPG");
        photo.mediaKind = ImageKind;
        DeviceParser::instance()->appendRecord(DeviceGroup, Photos, QVariant::fromValue(photo));
        if (!scanning) {
            MessageBoxScript boxes({1});
            f.script.release();
            QVERIFY(f.waitForResult());
            if (photosTicked)
                f.tickCategory(Photos);
        }
        QPointer<MobileDeviceObject> device = new MobileDeviceObject;
        MobileDeviceInfo info;
        info.deviceName = QStringLiteral("<b>Kim&Co</b>");
        device->setInfo(info);
        {
            MessageBoxScript boxes(text.isEmpty() ? QList<int>{} : QList<int>{1});
            f.page->setDeviceDisconnected(device, true);
            if (!text.isEmpty()) {
                QCOMPARE(boxes.shown().first().kind, int(XMessageBox::Warning));
                QCOMPARE(boxes.shown().first().text, text);
            }
        }
        QTRY_VERIFY(!device);
        if (scanning) {
            MessageBoxScript boxes({1});
            f.script.release();
            QVERIFY(f.waitForResult());
        }
    }

    void aBackupErrorPointsToItsHelp()
    {
        ScanResultFixture f;
        qputenv("QUENROW_HELP_URL", "http://127.0.0.1:9/help?code");
        ModuleManager::instance()->setCurrent(ModuleManager::IOSDevice);
        {
            MessageBoxScript boxes({1});
            f.page->setTaskRequested(0, -402653052, QStringLiteral("Error: device locked, -402653052"));
            QCOMPARE(boxes.shown().first().kind, int(XMessageBox::Information));
            QCOMPARE(boxes.shown().first().text,
                     QStringLiteral("Sorry, an error occurred(-402653052).<br><br><a style='color:#558AF8;'href "
                                    "=\"http://127.0.0.1:9/help?code\">Check solutions</a>"));
        }
        // Another flow's page, or another request, says nothing.
        MessageBoxScript none({});
        f.page->setTaskRequested(2, 2, QVariant());
        ModuleManager::instance()->setCurrent(ModuleManager::ITunesBackup);
        f.page->setTaskRequested(0, 5, QVariant());
        qunsetenv("QUENROW_HELP_URL");
    }
};

QTEST_MAIN(ScanResultPageTest)
#include "scanresultpage_test.moc"
