#include "backupbuilder.h"
#include "backupdataflowtemplate.h"
#include "backupencrypter.h"
#include "deviceparser.h"
#include "devicenotrecognizedfrm.h"
#include "devicesrecovermanagefrm.h"
#include "devicetrustunlockfrm.h"
#include "fakebackuphelper.h"
#include "flowfixtures.h"
#include "flowlinklabel.h"
#include "flowsinit.h"
#include "flowstyle.h"
#include "iosdevicesrecoverfrm.h"
#include "iosenteriphonepasscodedialog.h"
#include "loopbackhttpserver.h"
#include "messageboxscript.h"
#include "mobiledevicebackupmanager.h"
#include "modaldriver.h"
#include "modulemanager.h"
#include "recoverfromiosdevicefrm.h"
#include "scanbackupselecttypefrm.h"
#include "settingsentry.h"
#include "shots.h"
#include "typeselectionview.h"
#include "typeselectstartingpage.h"
#include "verifybackuppassword.h"
#include "vlog.h"
#include "widgetkit.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>
#include <QtTest>

using testsupport::LoopbackHttpServer;

namespace
{
    const QString kUdid = QStringLiteral("00008101-000A1B2C3D4E5F60");
    const QString kFailed = QStringLiteral("An error was encountered and the analysis device failed. Please try again!");
    const QString kCannotRead =
        QStringLiteral("Cannot read your device. Please unlock it, tap \"Trust\" on it if it asks, then try again.");
    const QString kDisconnected = QStringLiteral("Your device is disconnected, please reconnect.");
    const QString kBackupPassword = QStringLiteral("phone pass");

    // One analytics event as the endpoint got it.
    struct Event
    {
        QString category;
        QString action;
        QString label;
        QString value;
    };

    Event eventOf(const LoopbackHttpServer::Request &request)
    {
        const QUrlQuery query(QUrl::fromEncoded("http://x" + request.target).query());
        return {query.queryItemValue("en", QUrl::FullyDecoded), query.queryItemValue("ep.action", QUrl::FullyDecoded),
                query.queryItemValue("ep.label", QUrl::FullyDecoded),
                query.queryItemValue("ep.value", QUrl::FullyDecoded)};
    }

    void answerAsThePersonDoes(verifyBackupPassword *dialog, const QString &password)
    {
        QTest::keyClicks(dialog->passwordEdit(), password);
        QTest::mouseClick(dialog->decryptButton(), Qt::LeftButton);
    }
}

class DeviceFlowTest : public QObject
{
    Q_OBJECT

private:
    LoopbackHttpServer m_analytics;
    int m_seenRequests = 0;
    QTemporaryDir m_work;
    int m_helpers = 0;
    QString m_helper;
    QString m_plainBackup;
    QString m_encryptedBackup;
    IBaseDevice *m_phone = nullptr;
    QScopedPointer<RecoverFromiOSDeviceFrm> module;
    QScopedPointer<QSignalSpy> jumps;

    // The window's part: the services' signals reach the module queued.
    void wire()
    {
        RecoverFromiOSDeviceFrm *page = module.data();
        MobileDeviceConnect *devices = MobileDeviceConnect::instance();
        connect(devices, &MobileDeviceConnect::newDevice, page, [page](MobileDeviceObject *o) { page->setNewDevice(o); },
                Qt::QueuedConnection);
        connect(devices, &MobileDeviceConnect::deviceStatusChanged, page,
                [page](MobileDeviceObject *o) { page->setDeviceStatusChanged(o); }, Qt::QueuedConnection);
        connect(devices, &MobileDeviceConnect::deviceDisconnected, page,
                [page](MobileDeviceObject *o, bool current) { page->setDeviceDisconnected(o, current); },
                Qt::QueuedConnection);
        MobileDeviceBackupManager *backups = MobileDeviceBackupManager::instance();
        connect(backups, &MobileDeviceBackupManager::taskProgress, page,
                [page](int task, QVariant a, QVariant b, QVariant c) { page->setTaskProgress(task, a, b, c); },
                Qt::QueuedConnection);
        connect(backups, &MobileDeviceBackupManager::taskRequested, page,
                [page](int task, QVariant a, QVariant b) { page->setTaskRequested(task, a, b); },
                Qt::QueuedConnection);
    }

    void plug(const IOSDeviceInfo &info, bool trusted = true)
    {
        m_phone = fakequorlin::attach(info, trusted);
        flowfixtures::settle();
        QTRY_VERIFY(MobileDeviceConnect::instance()->currentDevice());
        flowfixtures::settle();
    }

    void unplug()
    {
        if (!m_phone)
            return;
        fakequorlin::detach(m_phone);
        m_phone = nullptr;
        flowfixtures::settle();
    }

    // The stand-in backup program for the next backups; body runs with
    // $target and $udid.
    void useHelper(const QString &body)
    {
        m_helper = writeFakeBackupHelper(m_work.filePath(QStringLiteral("helper%1.sh").arg(++m_helpers)), body);
        QVERIFY(!m_helper.isEmpty());
        qputenv("QUENROW_BACKUP_HELPER", m_helper.toUtf8());
    }

    // A helper that copies folder as the phone's backup after the lines.
    QString copyingHelper(const QString &folder, const QString &linesBefore = QString(), double sleepSeconds = 0)
    {
        return QStringLiteral("printf '%1'\nsleep %2\nmkdir -p \"$target\" && cp -r '%3' \"$target/$udid\"\n"
                              "printf '1|100\\r\\n'\nexit 0\n")
            .arg(linesBefore)
            .arg(sleepSeconds)
            .arg(folder);
    }

    bool helperRan() const { return QFile::exists(m_helper + ".args"); }
    QStringList helperArguments() const { return fakeBackupHelperArguments(m_helper); }

    // The category page with exactly these cards ticked.
    void choose(const QVector<int> &ids)
    {
        TypeSelectStartingPage *types = module->selectTypePage()->typePage();
        for (TypeSelectionView *view : {types->systemView(), types->appView()}) {
            QStandardItemModel *model = view->model();
            for (int row = 0; row < model->rowCount(); ++row) {
                const auto info = model->item(row)->data(Qt::DisplayRole).value<Vx::DataItemInfo>();
                const bool wanted = ids.contains(info.category);
                if (wanted != (info.checkState == Qt::Checked))
                    QTest::mouseClick(view->listView()->viewport(), Qt::LeftButton, Qt::NoModifier,
                                      view->listView()->visualRect(model->index(row, 0)).center());
            }
        }
        QCOMPARE(types->selectedItems().size(), ids.size());
    }

    void openModule()
    {
        module->setInit();
        flowfixtures::settle();
    }

    void pressStartScan()
    {
        QVERIFY(module->startScanButton()->isVisible());
        QVERIFY(module->startScanButton()->isEnabled());
        QTest::mouseClick(module->startScanButton(), Qt::LeftButton);
    }

    // The analytics events since the last mark.
    QList<Event> newEvents()
    {
        QList<Event> events;
        const auto requests = m_analytics.requests();
        for (int i = m_seenRequests; i < requests.size(); ++i)
            events << eventOf(requests.at(i));
        return events;
    }

    void markEvents() { m_seenRequests = m_analytics.requests().size(); }

    QStringList labels(const QList<Event> &events, const QString &action)
    {
        QStringList found;
        for (const Event &event : events) {
            if (event.category == QLatin1String("RecoverfromiOSDevice") && event.action == action)
                found << (event.value.isEmpty() ? event.label : event.label + '=' + event.value);
        }
        return found;
    }

    // A scan whose backup runs until it is stopped.
    void startLongBackup()
    {
        plug(flowfixtures::phone(kUdid, "Ana"));
        useHelper(copyingHelper(m_plainBackup, QStringLiteral("2|2\\r\\n"), 30));
        openModule();
        module->show();
        choose({1});
        pressStartScan();
        QTRY_VERIFY(helperRan());
    }

    // Waits for the backup to end and the module to take it in.
    void waitForBackupEnd()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!MobileDeviceBackupManager::instance()->isRunning(), 20000);
        flowfixtures::settle();
        QTest::qWait(50);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_analytics.start());
        m_analytics.setDefaultReply(LoopbackHttpServer::Reply::ok("ok"));
        qputenv("QUENROW_ANALYTICS_URL", m_analytics.url("/g/collect?v=2").toUtf8());
        initWidgetKit();
        initFlows();
        useApplicationStyleSheet();
        vlogInit();
        QVERIFY(m_work.isValid());
        QVERIFY(flowfixtures::startService());
        flowfixtures::freeRemovedDevices(this);

        m_plainBackup = m_work.filePath("plain");
        testsupport::BackupBuilder builder(m_plainBackup.toStdString());
        builder.setUdid(kUdid.toStdString());
        builder.addFile("HomeDomain", "Library/SMS/sms.db", "the messages");
        builder.write();
        m_encryptedBackup = m_work.filePath("encrypted");
        testsupport::EncryptionOptions options;
        options.password = kBackupPassword.toStdString();
        testsupport::encryptBackup(m_plainBackup.toStdString(), m_encryptedBackup.toStdString(), options);
    }

    void init()
    {
        fakequorlin::resetCounts();
        fakequorlin::setCode(fakequorlin::CheckEncrypt, 0);
        fakequorlin::setCode(fakequorlin::SetPassword, 0);
        fakequorlin::setEncrypted(false);
        fakequorlin::setDiskSize(true, 5000000000);
        fakequorlin::setQueryValue(true, "0");
        useHelper(copyingHelper(m_plainBackup));
        module.reset(new RecoverFromiOSDeviceFrm);
        module->resize(1238, 700);
        wire();
        jumps.reset(new QSignalSpy(module.data(), &ModuleBaseFrm::sigJumptoScanDataView));
        ModuleManager::instance()->setCurrent(ModuleManager::IOSDevice);
        markEvents();
    }

    void cleanup()
    {
        QCOMPARE(ModalDriver::pending(), 0);
        ModalDriver::clear();
        MobileDeviceBackupManager::instance()->stopBackup();
        QTRY_VERIFY_WITH_TIMEOUT(!MobileDeviceBackupManager::instance()->isRunning(), 20000);
        // A stopped backup program tells its crash once more, 500 ms later:
        // not into the next test's flow.
        if (helperRan())
            QTest::qWait(700);
        flowfixtures::settle();
        jumps.reset();
        module.reset();
        unplug();
        fakequorlin::hold(false);
    }

    void deviceStateChoosesThePage_data()
    {
        QTest::addColumn<QString>("device"); // none, normal, trusted, recovery, dfu
        QTest::addColumn<int>("state");     // the object's state, 0 as the listener left it
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("label");
        QTest::newRow("no device") << "none" << 0 << int(RecoverFromiOSDeviceFrm::NotConnectedPage)
                                   << "NotDeviceConnectedPage";
        QTest::newRow("not trusted") << "normal" << 0 << int(RecoverFromiOSDeviceFrm::TrustPage) << "Trust_UnlockPage";
        QTest::newRow("trusted") << "trusted" << 0 << int(RecoverFromiOSDeviceFrm::SelectTypePage)
                                 << "DeviceConnectedSuccPage";
        QTest::newRow("normal, another state") << "trusted" << 5 << int(RecoverFromiOSDeviceFrm::NotConnectedPage)
                                               << "NotDeviceConnectedPage";
        QTest::newRow("Recovery") << "recovery" << 0 << int(RecoverFromiOSDeviceFrm::ExceptionPage)
                                  << "DeviceAbnormalPage=Recover";
        QTest::newRow("DFU") << "dfu" << 0 << int(RecoverFromiOSDeviceFrm::ExceptionPage) << "DeviceAbnormalPage=DFU";
        QTest::newRow("restorable, another state") << "dfu" << 4 << int(RecoverFromiOSDeviceFrm::NotConnectedPage)
                                                   << "NotDeviceConnectedPage";
    }

    void deviceStateChoosesThePage()
    {
        QFETCH(QString, device);
        QFETCH(int, state);
        QFETCH(int, page);
        QFETCH(QString, label);
        IBaseDevice *restorable = nullptr;
        if (device == "normal" || device == "trusted") {
            plug(flowfixtures::phone(kUdid, "Ana"), device == "trusted");
        } else if (device != "none") {
            RestorableDeviceInfo info;
            info.ECID = 1311768467294899695ull;
            info.ProductType = L"iPhone13,2";
            info.DisplayName = L"iPhone 12";
            info.ConnectStatus = device == "dfu" ? DEVICE_CONNECT_DFU : DEVICE_CONNECT_RECOVERY;
            restorable = fakequorlin::attachRestorable(info);
            flowfixtures::settle();
            QTRY_VERIFY(MobileDeviceConnect::instance()->currentDevice());
        }
        if (state) {
            MobileDeviceObject *current = MobileDeviceConnect::instance()->currentDevice();
            MobileDeviceInfo info = current->info();
            info.state = state;
            current->setInfo(info);
        }
        flowfixtures::settle();
        QTest::qWait(100);
        markEvents();
        openModule();
        QCOMPARE(module->currentPage(), page);
        QCOMPARE(ModuleManager::instance()->current(), ModuleManager::IOSDeviceSelectiveBackup);
        QTRY_COMPARE(labels(newEvents(), "DeviceConnection"), QStringList {label});
        QCOMPARE(module->startScanButton()->isVisibleTo(module.data()), page == RecoverFromiOSDeviceFrm::SelectTypePage);
        if (restorable) {
            // Gone while no page looks: no message.
            jumps.reset();
            module.reset();
            fakequorlin::detachRestorable(restorable);
            flowfixtures::settle();
        }
    }

    void startScanFollowsThePageAndTheChoice()
    {
        module->show();
        openModule();
        QVERIFY(!module->startScanButton()->isVisible());
        plug(flowfixtures::phone(kUdid, "Ana"), false);
        QCOMPARE(module->currentPage(), int(RecoverFromiOSDeviceFrm::TrustPage));
        QVERIFY(!module->startScanButton()->isVisible());
        fakequorlin::trust(m_phone);
        flowfixtures::settle();
        QTRY_COMPARE(module->currentPage(), int(RecoverFromiOSDeviceFrm::SelectTypePage));
        QVERIFY(module->startScanButton()->isVisible());
        QVERIFY(module->startScanButton()->isEnabled());
        choose({});
        QVERIFY(!module->startScanButton()->isEnabled());
        choose({1});
        QVERIFY(module->startScanButton()->isEnabled());
        saveShot(module.data(), "categories");
        MessageBoxScript script({1});
        unplug();
        QTRY_COMPARE(module->currentPage(), int(RecoverFromiOSDeviceFrm::NotConnectedPage));
        QVERIFY(!module->startScanButton()->isVisible());
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.shown().at(0).text, kDisconnected);
    }

    // Texts of the device are shown as typed, in markup and out of it.
    void deviceNamesAreText()
    {
        plug(flowfixtures::phone(kUdid, "Ana <b>Phone</b>", "16.1", "iPhone 12"), false);
        openModule();
        QCOMPARE(module->trustPage()->titleText(),
                 QStringLiteral("Please trust this computer on Ana <b>Phone</b>(iPhone 12) device."));
        QCOMPARE(module->trustPage()->findChild<QLabel *>("TrustTitle")->textFormat(), Qt::PlainText);
        QVERIFY(module->selectTypePage()->titleText().startsWith(
            QStringLiteral("<font color=\"#558AF8\";>Ana &lt;b&gt;Phone&lt;/b&gt;(iPhone 12)</font> is connected!")));
        QCOMPARE(module->driver()->view()->deviceText(),
                 QStringLiteral("Device: <font color=\"#558AF8\";>Ana &lt;b&gt;Phone&lt;/b&gt;(iPhone 12)</font>"));
        fakequorlin::trust(m_phone);
        flowfixtures::settle();
        QTRY_COMPARE(module->currentPage(), int(RecoverFromiOSDeviceFrm::SelectTypePage));
        module->show();
        QVERIFY(QTest::qWaitForWindowExposed(module.data()));
        saveShot(module.data(), "markup-name");
    }

    void theChoiceIsLabelledInOrder()
    {
        plug(flowfixtures::phone(kUdid, "Ana", "12.5"));
        openModule();
        module->show();
        choose({1, 64});
        markEvents();
        pressStartScan();
        QTRY_COMPARE(labels(newEvents(), "SelelctAppType"), QStringList {"Contacts_FaceTime_"});
        QCOMPARE(DeviceParser::instance()->scanCategories(0), (QVector<int> {1, 64}));
        waitForBackupEnd();
    }

    void freeSpaceOnThePhone_data()
    {
        QTest::addColumn<qint64>("free");
        QTest::addColumn<bool>("ready");
        QTest::newRow("200 MB") << qint64(209715200) << false;
        QTest::newRow("one byte more") << qint64(209715201) << true;
        QTest::newRow("unreadable") << qint64(-1) << false;
    }

    void freeSpaceOnThePhone()
    {
        QFETCH(qint64, free);
        QFETCH(bool, ready);
        plug(flowfixtures::phone(kUdid, "Ana"));
        fakequorlin::setDiskSize(true, free);
        DeviceParser::instance()->setScanCategories(0, {1});
        DevicesRecoverManageFrm *driver = module->driver();
        driver->resetProgress();
        MessageBoxScript script(ready ? QList<int>() : QList<int> {1});
        QCOMPARE(driver->checkDeviceReady(), ready);
        if (!ready)
            QCOMPARE(script.shown().at(0).text, QStringLiteral("Not enough space! Please make sure there is more than "
                                                              "200MB of free space on your device and try again."));
    }

    // Without a device: version 15.0.0 (the encryption question for calls)
    // and the placeholder device id for the backup.
    void withoutADevice()
    {
        DevicesRecoverManageFrm *driver = module->driver();
        DeviceParser::instance()->setScanCategories(0, {1, 1024});
        driver->resetProgress();
        {
            MessageBoxScript script({2});
            QVERIFY(!driver->checkDeviceReady());
            QCOMPARE(script.shown().size(), 1);
            QVERIFY(script.shown().at(0).text.contains(QStringLiteral("set the backup password to")));
            QCOMPARE(script.shown().at(0).buttons, (QStringList {"Yes", "Cancel"}));
        }
        DeviceParser::instance()->setScanCategories(0, {1});
        driver->resetProgress();
        QVERIFY(driver->checkDeviceReady());
        driver->startBackup();
        QTRY_VERIFY(helperRan());
        QVERIFY2(helperArguments().value(1).contains("|-target|XXXXXXXX-XXXXXXXXXXXXXXXX|"),
                 qPrintable(helperArguments().join(' ')));
        QVERIFY(!helperArguments().value(1).contains("|-a|full"));
        waitForBackupEnd();
    }

    void photosAndAlbumVideosAloneNeedNoBackup()
    {
        plug(flowfixtures::phone(kUdid, "Ana"));
        openModule();
        module->show();
        choose({16, 32});
        pressStartScan();
        QCOMPARE(jumps->count(), 1);
        const QString folder = jumps->at(0).at(0).toString();
        QVERIFY2(QRegularExpression("/VXBackup_\\d+$").match(folder).hasMatch(), qPrintable(folder));
        QVERIFY(!helperRan());
        QVERIFY(!module->isStarted());
        QVERIFY(module->backButton()->isEnabled());
    }

    void thePasscodePrompt_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("passcode");
        QTest::addColumn<bool>("shown");
        QTest::newRow("15.7.1 with a passcode") << "15.7.1" << "1" << true;
        QTest::newRow("17.2 with a passcode") << "17.2" << "1" << true;
        QTest::newRow("15.7 with a passcode") << "15.7" << "1" << false;
        QTest::newRow("16.1 without a passcode") << "16.1" << "0" << false;
    }

    void thePasscodePrompt()
    {
        QFETCH(QString, version);
        QFETCH(QString, passcode);
        QFETCH(bool, shown);
        plug(flowfixtures::phone(kUdid, "Ana", version));
        fakequorlin::setQueryValue(true, passcode.toStdString());
        // The prompt, twice, then the first file: the dialog shows once and
        // goes by itself.
        useHelper(copyingHelper(m_plainBackup, QStringLiteral("2|1\\r\\n2|1\\r\\n"), 0.5)
                      .replace("sleep 0.5", "sleep 0.5\nprintf '2|2\\r\\n'\nsleep 0.3"));
        openModule();
        module->show();
        choose({1});
        QSignalSpy ended(module->driver()->passcodeDialog(), &QDialog::finished);
        int prompts = 0;
        if (shown) {
            ModalDriver::onNext<IOSEnterIphonePasscodeDialog>([&prompts](IOSEnterIphonePasscodeDialog *dialog) {
                ++prompts;
                saveShot(dialog, "passcode");
            });
        }
        pressStartScan();
        waitForBackupEnd();
        QTRY_COMPARE(jumps->count(), 1);
        QCOMPARE(prompts, shown ? 1 : 0);
        // Shown once and closed by the phone's first file, or never shown.
        QCOMPARE(ended.count(), shown ? 1 : 0);
        if (shown)
            QCOMPARE(ended.at(0).at(0).toInt(), 254);
        QVERIFY(!module->driver()->passcodeDialog()->isVisible());
    }

    void closingThePasscodePromptStopsTheBackup()
    {
        plug(flowfixtures::phone(kUdid, "Ana", "16.1"));
        fakequorlin::setQueryValue(true, "1");
        useHelper(copyingHelper(m_plainBackup, QStringLiteral("2|1\\r\\n"), 30));
        openModule();
        module->show();
        choose({1});
        ModalDriver::onNext<IOSEnterIphonePasscodeDialog>(
            [](IOSEnterIphonePasscodeDialog *dialog) { QTimer::singleShot(100, dialog, [dialog] { dialog->done(255); }); });
        MessageBoxScript script({1});
        pressStartScan();
        QTRY_VERIFY_WITH_TIMEOUT(!MobileDeviceBackupManager::instance()->isRunning(), 15000);
        QTRY_COMPARE(script.shown().size(), 1);
        QCOMPARE(script.shown().at(0).text, kFailed);
        QCOMPARE(jumps->count(), 0);
        QVERIFY(!module->isStarted());
        QVERIFY(module->startScanButton()->isEnabled());
    }

    // Error code 0 stands for the program's own words, which are text.
    void aHelperErrorWithoutCodeShowsItsText()
    {
        MessageBoxScript script({1, 1});
        module->driver()->onTaskRequested(0, 0, QStringLiteral("Error: <b>device</b> said no\r\n"));
        module->driver()->onTaskRequested(0, -35, QStringLiteral("Error: backup failed, -35\r\n"));
        const auto shown = script.shown();
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown.at(0).text.startsWith("Sorry, an error occurred(Error: &lt;b&gt;device&lt;/b&gt; said no)."),
                 qPrintable(shown.at(0).text));
        QVERIFY(shown.at(1).text.startsWith("Sorry, an error occurred(-35)."));
        QVERIFY(shown.at(1).text.contains("Check solutions"));
    }

    void progressAfterStopChangesNothing()
    {
        DevicesRecoverManageFrm *driver = module->driver();
        driver->resetProgress();
        driver->onTaskProgress(0, 2, 42.5, QVariant());
        QCOMPARE(driver->backupPercent(), 42.5);
        QCOMPARE(driver->view()->row(1)->text(), QStringLiteral("Back up iOS device data (42.5%)"));
        driver->stop();
        QCOMPARE(driver->view()->row(0)->state(), int(StepFailed));
        driver->onTaskProgress(0, 2, 80.0, QVariant());
        driver->onTaskProgress(0, 0, m_plainBackup, QVariant());
        driver->onTaskProgress(1, 2, 5, 10);
        QCOMPARE(driver->backupPercent(), 42.5);
        QCOMPARE(driver->decryptPercent(), -1.0);
        QCOMPARE(driver->stage(), 0);
        QCOMPARE(driver->view()->row(1)->text(), QStringLiteral("Back up iOS device data (42.5%)"));
        // A new scan starts clean.
        driver->resetProgress();
        QVERIFY(!driver->isStopped());
        QCOMPARE(driver->backupPercent(), -1.0);
        QCOMPARE(driver->view()->row(1)->text(), QStringLiteral("Back up iOS device data "));
        QCOMPARE(driver->view()->row(0)->state(), int(StepRunning));
    }

    void decryptionProgress_data()
    {
        QTest::addColumn<int>("done");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("text");
        QTest::newRow("a third") << 1 << 3 << "Decrypt data (33.3%)";
        QTest::newRow("nothing to decrypt") << 0 << 0 << "Decrypt data (0.0%)";
        QTest::newRow("all") << 7 << 7 << "Decrypt data (100.0%)";
    }

    void decryptionProgress()
    {
        QFETCH(int, done);
        QFETCH(int, total);
        QFETCH(QString, text);
        DevicesRecoverManageFrm *driver = module->driver();
        driver->resetProgress();
        driver->onTaskProgress(1, 1, QVariant(), QVariant());
        QCOMPARE(driver->view()->row(2)->state(), int(StepRunning));
        driver->onTaskProgress(1, 2, done, total);
        QVERIFY(qIsFinite(driver->decryptPercent()));
        QCOMPARE(driver->view()->row(2)->text(), text);
    }

    // A backup that ends soon is handed over finished; a longer one 1500 ms
    // after its first file, still running (the scan-result page takes its
    // end). Either way once.
    void oneHandOffPerScan_data()
    {
        QTest::addColumn<double>("seconds"); // the backup's length after its first file
        QTest::addColumn<bool>("running");   // the backup still runs at the hand-off
        QTest::newRow("ends before the fallback") << 0.2 << false;
        QTest::newRow("ends after the fallback") << 2.5 << true;
    }

    void oneHandOffPerScan()
    {
        QFETCH(double, seconds);
        QFETCH(bool, running);
        QList<bool> runningAtHandOff;
        const QMetaObject::Connection seen = connect(module.data(), &ModuleBaseFrm::sigJumptoScanDataView, this,
                [&] { runningAtHandOff << MobileDeviceBackupManager::instance()->isRunning(); });
        plug(flowfixtures::phone(kUdid, "Ana"));
        useHelper(copyingHelper(m_plainBackup, QStringLiteral("2|2\\r\\n"), seconds));
        openModule();
        module->show();
        choose({1, 2});
        pressStartScan();
        QVERIFY(module->isStarted());
        QVERIFY(!module->backButton()->isEnabled());
        QVERIFY(!module->startScanButton()->isEnabled());
        QVERIFY(module->selectTypePage()->typePage()->isAnalyzingShown());
        saveShot(module.data(), "backing-up");
        waitForBackupEnd();
        QTRY_COMPARE(jumps->count(), 1);
        QTest::qWait(RecoverFromiOSDeviceFrm::FallbackMs + 300);
        QCOMPARE(jumps->count(), 1);
        disconnect(seen);
        QCOMPARE(runningAtHandOff, QList<bool> {running});
        QCOMPARE(jumps->at(0).at(0).toString(), MobileDeviceBackupManager::instance()->backupDataPath());
        QVERIFY(jumps->at(0).at(0).toString().endsWith("/" + kUdid));
        QVERIFY(QFile::exists(jumps->at(0).at(0).toString() + "/Manifest.db"));
        QVERIFY(!module->isStarted());
        QVERIFY(module->backButton()->isEnabled());
        QVERIFY(!module->selectTypePage()->typePage()->isAnalyzingShown());
        QVERIFY(!module->fallbackTimer()->isActive());
    }

    // An encrypted phone: its password is verified (never removed), the
    // backup stays encrypted and its decrypted copy is what is scanned.
    void anEncryptedPhoneIsDecryptedAfterItsBackup()
    {
        plug(flowfixtures::phone(kUdid, "Ana", "16.1"));
        fakequorlin::setEncrypted(true);
        useHelper(copyingHelper(m_encryptedBackup, QStringLiteral("2|2\\r\\n")));
        openModule();
        module->show();
        choose({2, 1024});
        ModalDriver::onNext<verifyBackupPassword>([](verifyBackupPassword *dialog) {
            fakequorlin::setCode(fakequorlin::SetPassword, 3);
            answerAsThePersonDoes(dialog, QStringLiteral("wrong"));
            QCOMPARE(dialog->statusText(), QStringLiteral("Wrong password"));
            fakequorlin::setCode(fakequorlin::SetPassword, 0);
            dialog->passwordEdit()->clear();
            answerAsThePersonDoes(dialog, kBackupPassword);
        });
        pressStartScan();
        waitForBackupEnd();
        QTRY_COMPARE_WITH_TIMEOUT(jumps->count(), 1, 20000);
        QTest::qWait(RecoverFromiOSDeviceFrm::FallbackMs + 300);
        QCOMPARE(jumps->count(), 1);
        const QString folder = jumps->at(0).at(0).toString();
        QVERIFY2(folder.endsWith("/BackupDecrypt_" + kUdid), qPrintable(folder));
        QFile sms(folder + "/" + QString::fromStdString(testsupport::fileIdOf("HomeDomain", "Library/SMS/sms.db"))
                                     .left(2) + "/" + QString::fromStdString(testsupport::fileIdOf("HomeDomain", "Library/SMS/sms.db")));
        QVERIFY(sms.open(QIODevice::ReadOnly));
        QCOMPARE(sms.readAll(), QByteArray("the messages"));
        // Verified twice (the wrong one, then the right one), never switched off.
        QCOMPARE(fakequorlin::calls(fakequorlin::SetPassword), 2);
        QCOMPARE(fakequorlin::lastOldPassword(), kBackupPassword.toStdWString());
        QCOMPARE(fakequorlin::lastNewPassword(), kBackupPassword.toStdWString());
        QCOMPARE(module->driver()->view()->row(2)->state(), int(StepDone));
    }

    void aFailedDecryptionHandsNothingOver()
    {
        plug(flowfixtures::phone(kUdid, "Ana", "16.1"));
        fakequorlin::setEncrypted(true);
        useHelper(copyingHelper(m_encryptedBackup));
        openModule();
        module->show();
        choose({2});
        // The phone takes a password that is not the backup's.
        ModalDriver::onNext<verifyBackupPassword>(
            [](verifyBackupPassword *dialog) { answerAsThePersonDoes(dialog, QStringLiteral("not it")); });
        MessageBoxScript script({1});
        pressStartScan();
        waitForBackupEnd();
        QTRY_COMPARE_WITH_TIMEOUT(script.shown().size(), 1, 20000);
        QCOMPARE(script.shown().at(0).text, kFailed);
        QCOMPARE(module->driver()->view()->row(2)->state(), int(StepFailed));
        QCOMPARE(jumps->count(), 0);
        QVERIFY(!module->isStarted());
        QVERIFY(module->startScanButton()->isEnabled());
    }

    void anUnansweredEncryptionQuestionStartsNothing()
    {
        plug(flowfixtures::phone(kUdid, "Ana"));
        openModule();
        module->show();
        choose({1});
        fakequorlin::setCode(fakequorlin::CheckEncrypt, -5);
        {
            MessageBoxScript script({1});
            pressStartScan();
            QCOMPARE(script.shown().size(), 1);
            QCOMPARE(script.shown().at(0).text, kCannotRead);
        }
        QVERIFY(!helperRan());
        QVERIFY(!module->isStarted());
        QVERIFY(module->backButton()->isEnabled());
        QVERIFY(module->startScanButton()->isEnabled());
        QVERIFY(!module->selectTypePage()->typePage()->isAnalyzingShown());
        QCOMPARE(fakequorlin::calls(fakequorlin::SetPassword), 0);
        // Once the phone answers, the same choice goes on.
        fakequorlin::setCode(fakequorlin::CheckEncrypt, 0);
        pressStartScan();
        waitForBackupEnd();
        QTRY_COMPARE(jumps->count(), 1);
    }

    void unpluggingDuringTheBackup()
    {
        startLongBackup();
        const QString folder = module->driver()->pendingBackupFolder();
        QVERIFY(QFileInfo(folder).isDir());
        MessageBoxScript script({1});
        unplug();
        QTRY_COMPARE(script.shown().size(), 1);
        QCOMPARE(script.shown().at(0).text, kDisconnected);
        QCOMPARE(script.shown().at(0).kind, int(XMessageBox::Warning));
        QTRY_VERIFY_WITH_TIMEOUT(!MobileDeviceBackupManager::instance()->isRunning(), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(folder), 10000);
        flowfixtures::settle();
        QCOMPARE(module->currentPage(), int(RecoverFromiOSDeviceFrm::NotConnectedPage));
        QVERIFY(!module->isStarted());
        QVERIFY(module->backButton()->isEnabled());
        QCOMPARE(jumps->count(), 0);
        // The backup's failure comes after the warning: no second message.
        QCOMPARE(script.shown().size(), 1);
    }

    void quittingDuringTheBackup_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Exit") << 1;
        QTest::newRow("Cancel") << 2;
    }

    void quittingDuringTheBackup()
    {
        QFETCH(int, answer);
        startLongBackup();
        QVERIFY(MobileDeviceBackupManager::instance()->isRunning());
        {
            MessageBoxScript script({answer});
            QCOMPARE(module->quit(), answer == 1);
            QCOMPARE(script.shown().at(0).text,
                     QStringLiteral("Backing up data, are you sure you want to exit the program?"));
            QCOMPARE(script.shown().at(0).buttons, (QStringList {"Exit", "Cancel"}));
        }
        if (answer == 1) {
            QVERIFY(module->driver()->isStopped());
            QTRY_VERIFY_WITH_TIMEOUT(!MobileDeviceBackupManager::instance()->isRunning(), 15000);
        } else {
            QTest::qWait(200);
            QVERIFY(MobileDeviceBackupManager::instance()->isRunning());
            QVERIFY(!module->driver()->isStopped());
        }
        MessageBoxScript after({answer == 1 ? QList<int>() : QList<int> {1}});
        MobileDeviceBackupManager::instance()->stopBackup();
        QTRY_VERIFY_WITH_TIMEOUT(!module->isStarted(), 15000);
        waitForBackupEnd();
        QCOMPARE(jumps->count(), 0);
    }

    void helpForAPhoneThatIsNotSeen()
    {
        openModule();
        module->show();
        QCOMPARE(module->currentPage(), int(RecoverFromiOSDeviceFrm::NotConnectedPage));
        saveShot(module.data(), "not-connected");
        auto *link = module->findChild<FlowLinkLabel *>(QStringLiteral("NotRecognizedLink"));
        QVERIFY(link);
        QCOMPARE(link->accessibleName(), QStringLiteral("Device is connected but unrecognized?"));
        ModalDriver::onNext<DeviceNotrecognizedFrm>([](DeviceNotrecognizedFrm *help) {
            saveShot(help, "not-recognized");
            help->done(255);
        });
        markEvents();
        // Press, as the keyboard and assistive tools give it.
        link->click();
        QTRY_COMPARE(labels(newEvents(), "DeviceConnection"), QStringList {"Click_ConnectedNotRecognized"});
    }

    void theRepairToolIsASetting()
    {
        qputenv("QUENROW_REPAIR_URL", "http://127.0.0.1:9/repair");
        RecoverFromiOSDeviceFrm page;
        qunsetenv("QUENROW_REPAIR_URL");
        const auto *note = page.findChild<FlowLinkLabel *>(QStringLiteral("ExceptionNote"));
        QVERIFY(note);
        QCOMPARE(note->linkAddress(), QStringLiteral("http://127.0.0.1:9/repair"));
        QCOMPARE(note->accessibleName(), QStringLiteral("iOS System Repair Tool"));
        QVERIFY2(note->text().contains("href=\"http://127.0.0.1:9/repair\""), qPrintable(note->text()));
    }

    void backLeavesTheModule()
    {
        plug(flowfixtures::phone(kUdid, "Ana"));
        openModule();
        module->show();
        QCOMPARE(module->currentPage(), int(RecoverFromiOSDeviceFrm::SelectTypePage));
        QSignalSpy back(module.data(), &ModuleBaseFrm::sigBackButtonClicked);
        QTest::mouseClick(module->backButton(), Qt::LeftButton);
        QCOMPARE(back.count(), 1);
        QCOMPARE(module->currentPage(), int(RecoverFromiOSDeviceFrm::NotConnectedPage));
        QVERIFY(!module->startScanButton()->isVisible());
        // Opened again, it shows the phone's page.
        openModule();
        QCOMPARE(module->currentPage(), int(RecoverFromiOSDeviceFrm::SelectTypePage));
        QVERIFY(module->startScanButton()->isVisible());
    }

    void nothingRunsNothingAsksAtQuit()
    {
        MessageBoxScript script({});
        QVERIFY(module->quit());
    }

    void aNewDeviceDuringTheBackupChangesNothing()
    {
        startLongBackup();
        module->setNewDevice(nullptr);
        module->setDeviceStatusChanged(nullptr);
        QCOMPARE(module->currentPage(), int(RecoverFromiOSDeviceFrm::SelectTypePage));
        QVERIFY(module->isStarted());
        QVERIFY(!module->backButton()->isEnabled());
        MessageBoxScript script({1});
        MobileDeviceBackupManager::instance()->stopBackup();
        waitForBackupEnd();
        QTRY_COMPARE(script.shown().size(), 1);
        QCOMPARE(script.shown().at(0).text, kFailed);
    }
};

QTEST_MAIN(DeviceFlowTest)
#include "deviceflow_test.moc"
