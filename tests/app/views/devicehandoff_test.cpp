// The device flow's hand-off to the scan-result page through the real main
// window: the device module backs a scripted phone up through a stand-in
// backup program (quick, or slower than the module's fallback), decrypts
// where it must, and the page scans every chosen category exactly once,
// the phone's photos and videos first, the rest from the backup. The
// engine is scripted; the decryption is the real library's.

#include "../devices/fakebackuphelper.h"
#include "../flows/flowfixtures.h"
#include "backupbuilder.h"
#include "backupencrypter.h"
#include "ctoolbar.h"
#include "deviceparser.h"
#include "fakescanengine.h"
#include "flowsinit.h"
#include "homepagefrm.h"
#include "icloudhelp.h"
#include "maininterfacefrm.h"
#include "messageboxscript.h"
#include "modaldriver.h"
#include "mobiledevicebackupmanager.h"
#include "moduleregistry.h"
#include "recoverfromiosdevicefrm.h"
#include "recovernatmanager.h"
#include "scanbackupselecttypefrm.h"
#include "scanitunesbackupmanage.h"
#include "scanresultwiring.h"
#include "shellinit.h"
#include "shots.h"
#include "typeselectionview.h"
#include "typeselectstartingpage.h"
#include "verifybackuppassword.h"
#include "viewnativedatamanage.h"
#include "vlog.h"
#include "widgetkit.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace DeviceData;

namespace
{
    const QString kUdid = QStringLiteral("00008101-000A1B2C3D4E5F60");
    const QString kBackupPassword = QStringLiteral("phone pass");
    const QString kFailed = QStringLiteral("An error was encountered and the analysis device failed. Please try again!");

    // Photos and album videos come from the phone, the rest from its backup
    // (the worker puts Contacts before Messages).
    const QVector<int> kChosen{Photos, AlbumVideos, Messages, Notes};
    const QList<int> kPhonePasses{DBAPP_PHOTOS, DBAPP_VIDEO};
    const QList<int> kBackupPasses{DBAPP_ADDRESSBOOK, DBAPP_SMS, DBAPP_NOTES};
}

class DeviceHandOffTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work;
    QString m_plainBackup;
    QString m_encryptedBackup;
    int m_helpers = 0;
    IBaseDevice *m_phone = nullptr;
    std::unique_ptr<EngineScript> m_script;
    std::unique_ptr<ScaniTunesBackupManage> m_scanner;
    QScopedPointer<MainInterfaceFrm> m_window;

    RecoverFromiOSDeviceFrm *module() const { return qobject_cast<RecoverFromiOSDeviceFrm *>(m_window->page(1)); }
    ViewNativeDataManage *page() const { return qobject_cast<ViewNativeDataManage *>(m_window->page(4)); }

    // The stand-in backup program copies folder as the phone's backup,
    // after its first file ("2|2") and the given pause.
    void useHelper(const QString &folder, double pauseSeconds)
    {
        const QString body = QStringLiteral("printf '2|2\\r\\n'\nsleep %1\nmkdir -p \"$target\" && cp -r '%2' "
                                            "\"$target/$udid\"\nprintf '1|100\\r\\n'\nexit 0\n")
                                 .arg(pauseSeconds)
                                 .arg(folder);
        const QString helper = writeFakeBackupHelper(m_work.filePath(QStringLiteral("helper%1.sh").arg(++m_helpers)), body);
        QVERIFY(!helper.isEmpty());
        qputenv("QUENROW_BACKUP_HELPER", helper.toUtf8());
    }

    void choose(const QVector<int> &ids)
    {
        TypeSelectStartingPage *types = module()->selectTypePage()->typePage();
        for (TypeSelectionView *view : {types->systemView(), types->appView()}) {
            QStandardItemModel *model = view->model();
            for (int row = 0; row < model->rowCount(); ++row) {
                const auto info = model->item(row)->data(Qt::DisplayRole).value<Vx::DataItemInfo>();
                if (ids.contains(info.category) != (info.checkState == Qt::Checked))
                    QTest::mouseClick(view->listView()->viewport(), Qt::LeftButton, Qt::NoModifier,
                                      view->listView()->visualRect(model->index(row, 0)).center());
            }
        }
        QCOMPARE(types->selectedItems().size(), ids.size());
    }

    void plugPhone(bool encrypted)
    {
        m_phone = fakequorlin::attach(flowfixtures::phone(kUdid, "Ana"), true);
        flowfixtures::settle();
        QTRY_VERIFY(MobileDeviceConnect::instance()->currentDevice());
        fakequorlin::setEncrypted(encrypted);
    }

    // The device module from the home page, the categories chosen; the
    // password dialog, when the phone encrypts, gets password.
    void openAndChoose(const QString &password)
    {
        m_window->show();
        emit m_window->homePage()->sigRecoverFromiOSDeviceClicked();
        QTRY_COMPARE(module()->currentPage(), int(RecoverFromiOSDeviceFrm::SelectTypePage));
        choose(kChosen);
        if (!password.isEmpty())
            ModalDriver::onNext<verifyBackupPassword>([password](verifyBackupPassword *dialog) {
                QTest::keyClicks(dialog->passwordEdit(), password);
                QTest::mouseClick(dialog->decryptButton(), Qt::LeftButton);
            });
    }

    // The page has taken the scan's end and shows its result.
    bool waitForResult(int timeoutMs)
    {
        return QTest::qWaitFor(
            [this] {
                return m_window->currentPage() == page() && !page()->toolBar()->isScanning()
                       && (page()->recoverButton()->isEnabled() || page()->shownPage() == page()->noDataPage());
            },
            timeoutMs);
    }

    QStringList backupFolders()
    {
        return m_script->folders().mid(kPhonePasses.size());
    }

private slots:
    void initTestCase()
    {
        initWidgetKit();
        initShell();
        initFlows();
        vlogInit();
        registerMetaTypes();
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

        // The window's pages: the real device module, and the scan-result
        // page over the scripted engine.
        ModuleRegistry *registry = ModuleRegistry::instance();
        registry->registerPage(ModuleRegistry::Device, [] { return new RecoverFromiOSDeviceFrm; });
        registry->registerPage(
            ModuleRegistry::DataView, [] { return new ViewNativeDataManage; },
            [this](ModuleBaseFrm *page, QWidget *) {
                ScanResultWiring::wire(static_cast<ViewNativeDataManage *>(page),
                                       {m_scanner.get(), iCloudHelp::instance(), DeviceParser::instance(),
                                        RecoverNatManager::instance()});
            });
    }

    void init()
    {
        fakequorlin::resetCounts();
        fakequorlin::setCode(fakequorlin::SetPassword, 0);
        fakequorlin::setEncrypted(false);
        fakequorlin::setDiskSize(true, 5000000000);
        DeviceParser::instance()->clearAll();
        m_script = std::make_unique<EngineScript>();
        m_scanner = std::make_unique<ScaniTunesBackupManage>(ScanVardex::Sink(), [this](IDBExecutor **out) {
            *out = new FakeScanEngine(*m_script);
            return true;
        });
        m_window.reset(new MainInterfaceFrm);
        m_window->resize(1238, 760);
    }

    void cleanup()
    {
        QCOMPARE(ModalDriver::pending(), 0);
        ModalDriver::clear();
        MobileDeviceBackupManager::instance()->stopBackup();
        QTRY_VERIFY_WITH_TIMEOUT(!MobileDeviceBackupManager::instance()->isRunning(), 20000);
        m_script->release();
        QTest::qWait(100);
        m_window.reset();
        m_scanner.reset();
        m_script.reset();
        if (m_phone) {
            fakequorlin::detach(m_phone);
            m_phone = nullptr;
            flowfixtures::settle();
        }
    }

    void everyCategoryIsScannedOnce_data()
    {
        QTest::addColumn<double>("pause");     // seconds of the backup after its first file
        QTest::addColumn<bool>("encrypted");   // the phone's backups, and the backup made
        QTest::addColumn<bool>("holdPhotos");  // the photos' pass holds until the backup part is ready
        QTest::addColumn<QString>("scanned");  // the folder the backup's part reads
        // Within the module's fallback the module hands the finished backup over.
        QTest::newRow("quick backup") << 0.0 << false << false << "backup";
        QTest::newRow("quick backup, decrypted by the flow") << 0.0 << true << false << "decrypted";
        QTest::newRow("quick backup, photos still scanning") << 0.0 << false << true << "backup";
        // After it the running backup's folder; its end comes to the page.
        QTest::newRow("slow backup") << 2.5 << false << false << "backup";
        QTest::newRow("slow backup, decrypted by the page") << 2.5 << true << false << "decrypted";
        QTest::newRow("slow backup, photos still scanning") << 2.5 << true << true << "decrypted";
    }

    void everyCategoryIsScannedOnce()
    {
        QFETCH(double, pause);
        QFETCH(bool, encrypted);
        QFETCH(bool, holdPhotos);
        QFETCH(QString, scanned);
        plugPhone(encrypted);
        useHelper(encrypted ? m_encryptedBackup : m_plainBackup, pause);
        if (holdPhotos)
            m_script->holdAt(DBAPP_PHOTOS, 0);
        openAndChoose(encrypted ? kBackupPassword : QString());
        QTest::mouseClick(module()->startScanButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->currentPage(), page(), 20000);

        const QString made = MobileDeviceBackupManager::instance()->backupPath() + "/" + kUdid;
        const QString folder =
            scanned == "decrypted" ? MobileDeviceBackupManager::instance()->backupPath() + "/BackupDecrypt_" + kUdid : made;
        if (holdPhotos) {
            // The backup part is ready while the phone's part still runs.
            QVERIFY(m_script->waitHeld());
            QTRY_VERIFY_WITH_TIMEOUT(!MobileDeviceBackupManager::instance()->isRunning(), 20000);
            QTest::qWait(300);
            QCOMPARE(m_script->passes(), QList<int>{DBAPP_PHOTOS});
            m_script->release();
        }
        QVERIFY(waitForResult(30000));
        // Nothing more comes after the result.
        QTest::qWait(ViewNativeDataManage::ResultDelayMs + 300);
        QCOMPARE(m_script->passes(), kPhonePasses + kBackupPasses);
        QCOMPARE(backupFolders(), QStringList(QVector<QString>(kBackupPasses.size(), folder).toList()));
        if (scanned == "decrypted") {
            QFile sms(folder + "/" + QString::fromStdString(testsupport::fileIdOf("HomeDomain", "Library/SMS/sms.db")).left(2)
                      + "/" + QString::fromStdString(testsupport::fileIdOf("HomeDomain", "Library/SMS/sms.db")));
            QVERIFY(sms.open(QIODevice::ReadOnly));
            QCOMPARE(sms.readAll(), QByteArray("the messages"));
        }
        QCOMPARE(module()->isStarted(), false);
        if (QLatin1String(QTest::currentDataTag()) == QLatin1String("quick backup"))
            saveShot(m_window.data(), QStringLiteral("quick-backup-result"));
    }

    // The backup says whether it needs decrypting, and a decryption that
    // fails scans nothing of the backup.
    void theBackupFolderDecides_data()
    {
        QTest::addColumn<QString>("backup");   // what the program copies: plain, encrypted
        QTest::addColumn<QString>("password"); // the one the phone took
        QTest::addColumn<bool>("scansBackup");
        QTest::newRow("an encrypting phone's plain backup") << "plain" << kBackupPassword << true;
        QTest::newRow("a password that is not the backup's") << "encrypted" << "not it" << false;
    }

    void theBackupFolderDecides()
    {
        QFETCH(QString, backup);
        QFETCH(QString, password);
        QFETCH(bool, scansBackup);
        plugPhone(true);
        useHelper(backup == "plain" ? m_plainBackup : m_encryptedBackup, 2.5);
        openAndChoose(password);
        MessageBoxScript boxes(scansBackup ? QList<int>{} : QList<int>{1});
        QTest::mouseClick(module()->startScanButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->currentPage(), page(), 20000);
        const QString made = MobileDeviceBackupManager::instance()->backupPath() + "/" + kUdid;
        const QString decrypted = MobileDeviceBackupManager::instance()->backupPath() + "/BackupDecrypt_" + kUdid;
        QVERIFY(waitForResult(30000));
        QTest::qWait(ViewNativeDataManage::ResultDelayMs + 300);
        if (scansBackup) {
            QCOMPARE(m_script->passes(), kPhonePasses + kBackupPasses);
            QCOMPARE(backupFolders(), QStringList(QVector<QString>(kBackupPasses.size(), made).toList()));
            QVERIFY(!QFileInfo::exists(decrypted));
            QVERIFY(boxes.shown().isEmpty());
        } else {
            QCOMPARE(m_script->passes(), kPhonePasses);
            QCOMPARE(boxes.shown().size(), 1);
            QCOMPARE(boxes.shown().first().text, kFailed);
            QCOMPARE(page()->shownPage(), page()->noDataPage());
        }
    }
};

QTEST_MAIN(DeviceHandOffTest)
#include "devicehandoff_test.moc"
