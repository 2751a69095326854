#include "acquireitunesbackupfrm.h"
#include "backupbuilder.h"
#include "backupencrypter.h"
#include "decodebackupdialog.h"
#include "deviceparser.h"
#include "fileutils.h"
#include "flowlinklabel.h"
#include "flowsinit.h"
#include "flowstyle.h"
#include "foldersnapshot.h"
#include "ftablewidget.h"
#include "itunesbackupfrm.h"
#include "itunesbackupnullfrm.h"
#include "manifestfixture.h"
#include "messageboxscript.h"
#include "mobiledevicebackupmanager.h"
#include "modaldriver.h"
#include "nameagencyfrm.h"
#include "recoverfromitunesfrm.h"
#include "scanitunesbackupmanage.h"
#include "settingsentry.h"
#include "shots.h"
#include "typeselectionview.h"
#include "typeselectstartingpage.h"
#include "verifybackuppassword.h"
#include "vlog.h"
#include "widgetkit.h"
#include "xprogressbar.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSemaphore>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedLayout>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>

namespace
{
    const QString kPassword = QStringLiteral("Horse battery 9");
    const QByteArray kSms = "the messages database";

    // A backup folder written by the builder, its Manifest.plist replaced
    // by one with the given device's values.
    QString plainBackup(const QString &folder, const devicestest::ManifestSpec &spec, const QByteArray &padding = {})
    {
        testsupport::BackupBuilder builder(folder.toStdString());
        builder.addFile("HomeDomain", "Library/SMS/sms.db", kSms.toStdString());
        builder.write();
        devicestest::writeManifestPlist(folder, spec);
        if (!padding.isEmpty())
            devicestest::writeBytes(folder + "/padding.bin", padding);
        return folder;
    }

    // An encrypted backup of `files` files in root, padded to exactly `size`
    // bytes when size is given; its plain source lies beside the root.
    QString encryptedBackup(const QString &root, const QString &name, int files, qint64 size = 0)
    {
        const QString plain = root + "-plain-" + name;
        testsupport::BackupBuilder builder(plain.toStdString());
        builder.setDeviceName("Locked phone");
        builder.addFile("HomeDomain", "Library/SMS/sms.db", kSms.toStdString());
        for (int index = 1; index < files; ++index)
            builder.addFile("MediaDomain", "Media/file" + std::to_string(index), std::string(512, char('a' + index % 26)));
        builder.write();
        const QString encrypted = root + "/" + name;
        testsupport::EncryptionOptions options;
        options.password = kPassword.toStdString();
        testsupport::encryptBackup(plain.toStdString(), encrypted.toStdString(), options);
        if (size > 0) {
            const qint64 missing = size - directorySize(encrypted);
            if (missing <= 0)
                qFatal("the encrypted backup is larger than %lld bytes", size);
            devicestest::writeBytes(encrypted + "/padding.bin", QByteArray(int(missing), 'p'));
        }
        return encrypted;
    }

    QString smsPath(const QString &backup)
    {
        const std::string id = testsupport::fileIdOf("HomeDomain", "Library/SMS/sms.db");
        return backup + "/" + QString::fromStdString(id.substr(0, 2) + "/" + id);
    }

    QStringList rowTexts(const QTableWidget *table, int row)
    {
        QStringList texts;
        for (int column = iTunesBackupFrm::NameColumn; column <= iTunesBackupFrm::SizeColumn; ++column)
            texts << table->item(row, column)->text();
        return texts;
    }

    bool rowLocked(const QTableWidget *table, int row)
    {
        const auto *lock = qobject_cast<const NameAgencyFrm *>(table->cellWidget(row, iTunesBackupFrm::LockColumn));
        return lock && lock->isLocked();
    }

    // The decryption library's first step holds until the test lets it go,
    // so that the test acts while a decryption runs.
    struct FirstStepGate
    {
        QSemaphore release;
        std::atomic<bool> reached{false};
        QMetaObject::Connection connection;

        void arm()
        {
            connection = QObject::connect(
                MobileDeviceBackupManager::instance(), &MobileDeviceBackupManager::taskProgress,
                MobileDeviceBackupManager::instance(),
                [this](int task, const QVariant &state, const QVariant &done) {
                    if (task == 1 && state.toInt() == 2 && done.toInt() == 1) {
                        reached = true;
                        release.acquire();
                    }
                },
                Qt::DirectConnection);
        }
        void open() { release.release(); }
        ~FirstStepGate() { QObject::disconnect(connection); }
    };
}

class ITunesFlowTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work;
    int m_rootCount = 0;
    QScopedPointer<ScaniTunesBackupManage> m_service;
    QScopedPointer<RecoverFromiTunesFrm> m_module;
    QMetaObject::Connection m_forward;

    // A fresh backup root holding the given backups (folder names), and a
    // listing service over it.
    QString newRoot()
    {
        const QString root = m_work.filePath(QStringLiteral("root%1").arg(++m_rootCount));
        QDir().mkpath(root);
        return root;
    }

    // The module as the window has it: its listing service and, like the
    // window, the decryption's progress handed to it queued.
    RecoverFromiTunesFrm *openModule(const QString &root, bool show = true)
    {
        qputenv("QUENROW_ITUNES_BACKUP_ROOT", root.toUtf8());
        m_service.reset(new ScaniTunesBackupManage);
        m_module.reset(new RecoverFromiTunesFrm);
        m_module->setBackupService(m_service.data());
        RecoverFromiTunesFrm *module = m_module.data();
        m_forward = connect(MobileDeviceBackupManager::instance(), &MobileDeviceBackupManager::taskProgress, module,
                            [module](int task, const QVariant &a, const QVariant &b, const QVariant &c) {
                                module->setTaskProgress(task, a, b, c);
                            },
                            Qt::QueuedConnection);
        if (show) {
            module->resize(1240, 700);
            module->show();
            if (!QTest::qWaitForWindowExposed(module))
                qWarning("the module was not exposed");
        }
        return module;
    }

    // setInit as the window does, and the listing to its end.
    void listBackups(RecoverFromiTunesFrm *module)
    {
        module->setInit();
        waitForListing(module);
    }

    // The overlay goes when the page has heard the listing's end.
    static void waitForListing(RecoverFromiTunesFrm *module)
    {
        QTRY_VERIFY_WITH_TIMEOUT(module->listPage()->acquireFrm()->isHidden(), 10000);
    }

    FTableWidget *table() { return m_module->listPage()->table(); }

    int rowOfPath(const QString &path)
    {
        for (int row = 0; row < table()->rowCount(); ++row) {
            if (table()->item(row, iTunesBackupFrm::PathColumn)->text() == path)
                return row;
        }
        return -1;
    }

    QStringList decryptedCopies()
    {
        return QDir(SettingsEntry::instance()->backupRootPath())
            .entryList({QStringLiteral("BackupDecrypt_*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    }

    // Next on the encrypted row, then the password as the dialog's user types it.
    static void typePassword(verifyBackupPassword *dialog, const QString &password)
    {
        dialog->passwordEdit()->clear();
        QTest::keyClicks(dialog->passwordEdit(), password);
        QTest::mouseClick(dialog->decryptButton(), Qt::LeftButton);
    }

    // The same from the dialog's own loop: the decryption waits in a loop
    // of its own, and the driver must be free to answer the next dialog.
    static void typePasswordLater(verifyBackupPassword *dialog, const QString &password)
    {
        QTimer::singleShot(0, dialog, [dialog, password] { typePassword(dialog, password); });
    }

private slots:
    void initTestCase()
    {
        initWidgetKit();
        initFlows();
        useApplicationStyleSheet();
        vlogInit();
        QCoreApplication::setOrganizationName(QStringLiteral("Brandle"));
        QCoreApplication::setApplicationName(QStringLiteral("Quenrow(iOS)"));
        QVERIFY(m_work.isValid());
        // The decryption and its waiting caller need pool threads of their own.
        QThreadPool::globalInstance()->setMaxThreadCount(qMax(4, QThreadPool::globalInstance()->maxThreadCount()));
        // Copies an earlier run left behind.
        for (const QString &copy : decryptedCopies())
            QDir(SettingsEntry::instance()->backupRootPath() + "/" + copy).removeRecursively();
    }

    void cleanup()
    {
        QCOMPARE(ModalDriver::pending(), 0);
        ModalDriver::clear();
        disconnect(m_forward);
        m_module.reset();
        m_service.reset();
        DeviceParser::instance()->setScanCategories(0, {});
        QSettings().remove(SettingsKey::ImportBackupPath);
    }

    void listsBackupsNewestFirstWithTheirTexts()
    {
        const QString root = newRoot();
        devicestest::ManifestSpec older;
        older.dateSeconds = 600000000;
        older.deviceName = QString::fromUtf8("Ann\u2019s iPhone");
        // 3 MiB of padding: the size column reads "3MB".
        const QString olderPath = plainBackup(root + "/older", older, QByteArray(3 * 1024 * 1024, 'x'));
        devicestest::writeBytes(olderPath + "/Manifest.db", devicestest::sqliteHeader());

        devicestest::ManifestSpec newest;
        newest.format = devicestest::ManifestSpec::XmlWithBom;
        newest.dateSeconds = 700000000;
        newest.deviceName = QStringLiteral("<b>x</b>");
        newest.productType = QStringLiteral("iPhone16,1");
        newest.productVersion = QStringLiteral("17.0");
        const QString newestPath = plainBackup(root + "/newest", newest);
        // Not SQLite: an encrypted Manifest.db.
        devicestest::writeBytes(newestPath + "/Manifest.db", QByteArray(100, '\x9c'));

        devicestest::ManifestSpec bare;
        bare.lockdown = false;
        bare.dateSeconds = 650000000;
        const QString barePath = plainBackup(root + "/bare", bare);
        QDir().mkpath(root + "/not-a-backup");

        RecoverFromiTunesFrm *module = openModule(root);
        listBackups(module);
        QCOMPARE(table()->rowCount(), 3);
        QCOMPARE(rowTexts(table(), 0), QStringList({"<b>x</b>", "2023-03-08 20:26:40", "iPhone16,1(17.0)",
                                                    rowTexts(table(), 0).last()}));
        QCOMPARE(rowTexts(table(), 1), QStringList({"", "2021-08-07 03:33:20", "()", rowTexts(table(), 1).last()}));
        QCOMPARE(rowTexts(table(), 2), QStringList({QString::fromUtf8("Ann\u2019s iPhone"), "2020-01-06 10:40:00",
                                                    "iPhone 14 Pro Max(16.4)", "3MB"}));
        QCOMPARE(table()->item(0, iTunesBackupFrm::PathColumn)->text(), newestPath);
        QCOMPARE(table()->item(1, iTunesBackupFrm::PathColumn)->text(), barePath);
        QCOMPARE(table()->item(2, iTunesBackupFrm::PathColumn)->text(), olderPath);
        QCOMPARE(table()->item(2, iTunesBackupFrm::RawSizeColumn)->text(), QString::number(directorySize(olderPath)));
        QVERIFY(table()->isColumnHidden(iTunesBackupFrm::RawSizeColumn));
        QVERIFY(table()->isColumnHidden(iTunesBackupFrm::PathColumn));

        // The lock follows its row through the sort, and says itself.
        QVERIFY(rowLocked(table(), 0));
        QVERIFY(!rowLocked(table(), 1));
        QVERIFY(!rowLocked(table(), 2));
        QCOMPARE(table()->item(0, 0)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Encrypted"));
        QCOMPARE(table()->item(2, 0)->data(Qt::AccessibleTextRole).toString(), QString());
        QCOMPARE(table()->currentRow(), 0);
        QVERIFY(module->nextButton()->isEnabled());
        QVERIFY(!module->listPage()->nullFrm()->isVisible());
        QCOMPARE(module->titleLabel()->text(), QStringLiteral("Please select an iTunes backup to scan."));
        saveShot(module, "list");
    }

    void withoutBackupsTheNotFoundPageShowsAndNextStaysOff()
    {
        RecoverFromiTunesFrm *module = openModule(newRoot());
        module->setInit();
        // While it lists: the overlay turns over the page, Next is off.
        QVERIFY(module->listPage()->acquireFrm()->isVisible());
        QVERIFY(module->listPage()->acquireFrm()->isAnimating());
        QVERIFY(!module->nextButton()->isEnabled());
        waitForListing(module);
        QVERIFY(!module->listPage()->acquireFrm()->isAnimating());
        QVERIFY(module->listPage()->nullFrm()->isVisible());
        QCOMPARE(module->listPage()->nullFrm()->findChild<QLabel *>("iTunesBackupNullText")->text(),
                 QStringLiteral("Sorry, your iTunes backup file was not found."));
        QCOMPARE(table()->rowCount(), 0);
        QVERIFY(!module->nextButton()->isEnabled());
        saveShot(module, "not-found");
    }

    void theListIsListedOncePerModuleLife()
    {
        const QString root = newRoot();
        plainBackup(root + "/one", devicestest::ManifestSpec());
        RecoverFromiTunesFrm *module = openModule(root);
        QSignalSpy started(m_service.data(), &ScaniTunesBackupManage::sigScanBackupsListStart);
        listBackups(module);
        // Entering the module again: no second listing, the rows stay.
        module->setInit();
        module->setInit();
        QTest::qWait(50);
        QCOMPARE(started.count(), 1);
        QCOMPARE(table()->rowCount(), 1);
        QVERIFY(module->nextButton()->isEnabled());
    }

    void importChecksTheFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("added");
        QTest::newRow("binary Manifest.plist") << "binary" << true;
        QTest::newRow("XML Manifest.plist") << "xml" << false;
        QTest::newRow("no Manifest.plist") << "none" << false;
        QTest::newRow("Manifest.plist is a folder") << "folder" << false;
    }

    void importChecksTheFolder()
    {
        QFETCH(QString, kind);
        QFETCH(bool, added);
        const QString root = newRoot();
        plainBackup(root + "/listed", devicestest::ManifestSpec());
        const QString elsewhere = m_work.filePath("elsewhere-" + kind);
        const QString folder = elsewhere + "/chosen";
        devicestest::ManifestSpec spec;
        spec.dateSeconds = 710000000;
        spec.deviceName = QStringLiteral("Imported");
        if (kind == "binary") {
            plainBackup(folder, spec);
        } else if (kind == "xml") {
            spec.format = devicestest::ManifestSpec::Xml;
            plainBackup(folder, spec);
        } else if (kind == "none") {
            QDir().mkpath(folder);
        } else {
            QDir().mkpath(folder + "/Manifest.plist");
        }
        QSettings().setValue(SettingsKey::ImportBackupPath, m_work.path());

        RecoverFromiTunesFrm *module = openModule(root);
        listBackups(module);
        QCOMPARE(table()->rowCount(), 1);
        MessageBoxScript boxes(added ? QList<int>() : QList<int>({1}));
        QSignalSpy started(m_service.data(), &ScaniTunesBackupManage::sigScanBackupsListStart);
        QString openedIn;
        ModalDriver::onNext<QFileDialog>([&](QFileDialog *dialog) {
            openedIn = dialog->directory().absolutePath();
            dialog->setDirectory(folder);
            static_cast<QDialog *>(dialog)->accept();
        });
        // From the keyboard: the link takes focus and Return presses it.
        module->listPage()->importLink()->setFocus();
        QTest::keyClick(module->listPage()->importLink(), Qt::Key_Return);

        QCOMPARE(openedIn, m_work.path());
        QCOMPARE(QSettings().value(SettingsKey::ImportBackupPath).toString(), elsewhere);
        if (added) {
            QCOMPARE(started.count(), 1);
            waitForListing(module);
            QCOMPARE(table()->rowCount(), 2);
            QCOMPARE(table()->item(0, iTunesBackupFrm::NameColumn)->text(), QStringLiteral("Imported"));
            QCOMPARE(table()->item(0, iTunesBackupFrm::PathColumn)->text(), folder);
            QVERIFY(boxes.shown().isEmpty());
        } else {
            QCOMPARE(boxes.shown().size(), 1);
            QCOMPARE(boxes.shown().first().text,
                     QStringLiteral("There is no iTunes backup file in this folder, please select another backup."));
            QCOMPARE(boxes.shown().first().buttons, QStringList({"OK"}));
            QCOMPARE(started.count(), 0);
            QCOMPARE(table()->rowCount(), 1);
        }
    }

    void importingTheSameFolderTwiceAddsTwoRows()
    {
        const QString root = newRoot();
        const QString folder = plainBackup(m_work.filePath("twice/backup"), devicestest::ManifestSpec());
        RecoverFromiTunesFrm *module = openModule(root);
        listBackups(module);
        QVERIFY(module->listPage()->nullFrm()->isVisible());
        for (int round = 1; round <= 2; ++round) {
            ModalDriver::onNext<QFileDialog>([&](QFileDialog *dialog) {
                dialog->setDirectory(folder);
                static_cast<QDialog *>(dialog)->accept();
            });
            QMetaObject::invokeMethod(module->listPage()->importLink(), "click");
            waitForListing(module);
            QCOMPARE(table()->rowCount(), round);
        }
        QVERIFY(!module->listPage()->nullFrm()->isVisible());
        QCOMPARE(table()->item(1, iTunesBackupFrm::PathColumn)->text(), folder);
        QVERIFY(module->nextButton()->isEnabled());
    }

    void aCancelledImportChangesNothing()
    {
        const QString root = newRoot();
        plainBackup(root + "/listed", devicestest::ManifestSpec());
        RecoverFromiTunesFrm *module = openModule(root);
        listBackups(module);
        ModalDriver::onNext<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
        module->listPage()->importLink()->click();
        QVERIFY(!QSettings().contains(SettingsKey::ImportBackupPath));
        QCOMPARE(table()->rowCount(), 1);
    }

    void aPlainBackupGoesStraightToTheDataTypes_data()
    {
        QTest::addColumn<QByteArray>("manifestDb");
        QTest::newRow("SQLite Manifest.db") << devicestest::sqliteHeader();
        QTest::newRow("no Manifest.db") << QByteArray();
    }

    void aPlainBackupGoesStraightToTheDataTypes()
    {
        QFETCH(QByteArray, manifestDb);
        const QString root = newRoot();
        const QString backup = plainBackup(root + "/plain", devicestest::ManifestSpec());
        QFile::remove(backup + "/Manifest.db");
        if (!manifestDb.isEmpty())
            devicestest::writeBytes(backup + "/Manifest.db", manifestDb);
        RecoverFromiTunesFrm *module = openModule(root);
        listBackups(module);
        QVERIFY(!rowLocked(table(), 0));
        // No password dialog may come: a modal here would fail the test's timing.
        QTest::mouseClick(module->nextButton(), Qt::LeftButton);
        QCOMPARE(module->stack()->currentIndex(), 1);
        QCOMPARE(module->listPage()->selectedBackupPath(), backup);
        QCOMPARE(module->nextButton()->text(), QStringLiteral("Start Scan"));
        QVERIFY(module->nextButton()->isEnabled());
        QCOMPARE(module->titleLabel()->text(), QStringLiteral("Please select the data type you need to recover."));
    }

    void startScanHandsTheFolderAndTheCategoriesOn()
    {
        const QString root = newRoot();
        const QString backup = plainBackup(root + "/plain", devicestest::ManifestSpec());
        RecoverFromiTunesFrm *module = openModule(root);
        listBackups(module);
        QTest::mouseClick(module->nextButton(), Qt::LeftButton);
        QCOMPARE(module->stack()->currentIndex(), 1);
        QSignalSpy handedOn(module, &ModuleBaseFrm::sigJumptoScanDataView);
        QSignalSpy back(module, &ModuleBaseFrm::sigBackButtonClicked);
        QTest::mouseClick(module->nextButton(), Qt::LeftButton);
        QCOMPARE(handedOn.count(), 1);
        QCOMPARE(handedOn.first().first().toString(), backup);
        QCOMPARE(DeviceParser::instance()->scanCategories(0), module->typePage()->selectedItems());
        QCOMPARE(DeviceParser::instance()->scanCategories(0).size(), 16);
        // The list again the next time the module is entered.
        QCOMPARE(module->stack()->currentIndex(), 0);
        QCOMPARE(module->nextButton()->text(), QStringLiteral("Next"));
        QCOMPARE(back.count(), 0);
    }

    void aScanLabelNamesItsCategories_data()
    {
        QTest::addColumn<QVector<int>>("ids");
        QTest::addColumn<QString>("label");
        QTest::newRow("calendars") << QVector<int>{2048} << "Calenda_";
        QTest::newRow("voicemail and reminders") << QVector<int>{4, 4096} << "VoiceMail_Reminder_";
        QTest::newRow("in the given order") << QVector<int>{0x40000, 1} << "AppLINE_Contacts_";
        QTest::newRow("an attachment id adds nothing") << QVector<int>{3, 2} << "Messages_";
        QTest::newRow("none") << QVector<int>{} << "";
    }

    void aScanLabelNamesItsCategories()
    {
        QFETCH(QVector<int>, ids);
        QFETCH(QString, label);
        QCOMPARE(RecoverFromiTunesFrm::categoriesLabel(ids), label);
    }

    void backLeavesTheDataTypesForTheListAndTheListForHome()
    {
        const QString root = newRoot();
        plainBackup(root + "/plain", devicestest::ManifestSpec());
        RecoverFromiTunesFrm *module = openModule(root);
        listBackups(module);
        QSignalSpy back(module, &ModuleBaseFrm::sigBackButtonClicked);
        QTest::mouseClick(module->nextButton(), Qt::LeftButton);
        QCOMPARE(module->stack()->currentIndex(), 1);
        QTest::mouseClick(module->backButton(), Qt::LeftButton);
        QCOMPARE(module->stack()->currentIndex(), 0);
        QCOMPARE(back.count(), 0);
        QVERIFY(module->nextButton()->isEnabled());
        QTest::mouseClick(module->backButton(), Qt::LeftButton);
        QCOMPARE(back.count(), 1);
    }

    void startScanFollowsTheChoice()
    {
        const QString root = newRoot();
        plainBackup(root + "/plain", devicestest::ManifestSpec());
        RecoverFromiTunesFrm *module = openModule(root);
        listBackups(module);
        QTest::mouseClick(module->nextButton(), Qt::LeftButton);
        QCheckBox *all = module->typePage()->selectAllBox();
        // Partial at first: a click checks all, a second unchecks all.
        QTest::mouseClick(all, Qt::LeftButton);
        QVERIFY(module->nextButton()->isEnabled());
        QTest::mouseClick(all, Qt::LeftButton);
        QVERIFY(!module->nextButton()->isEnabled());
        QTest::mouseClick(all, Qt::LeftButton);
        QVERIFY(module->nextButton()->isEnabled());
        // Back to the list and on again: the choice is kept.
        QTest::mouseClick(module->backButton(), Qt::LeftButton);
        QTest::mouseClick(module->nextButton(), Qt::LeftButton);
        QCOMPARE(module->typePage()->selectedItems().size(), 19);
    }

    void tooLittleSpaceSaysHowMuchIsNeeded_data()
    {
        QTest::addColumn<quint64>("free");
        QTest::addColumn<bool>("starts");
        QTest::newRow("a byte short") << quint64(11999999) << false;
        QTest::newRow("just enough") << quint64(12000000) << true;
    }

    void tooLittleSpaceSaysHowMuchIsNeeded()
    {
        QFETCH(quint64, free);
        QFETCH(bool, starts);
        const QString root = newRoot();
        // 10,000,000 bytes need 12,000,000 free.
        const QString backup = encryptedBackup(root, "space", 3, 10000000);
        QCOMPARE(directorySize(backup), qint64(10000000));
        RecoverFromiTunesFrm *module = openModule(root);
        module->listPage()->setFreeSpaceProvider([free] { return free; });
        listBackups(module);
        QVERIFY(rowLocked(table(), 0));
        MessageBoxScript boxes(starts ? QList<int>() : QList<int>({1}));
        bool asked = false;
        if (starts)
            ModalDriver::onNext<verifyBackupPassword>([&](verifyBackupPassword *dialog) {
                asked = true;
                dialog->done(verifyBackupPassword::Closed);
            });
        QTest::mouseClick(module->nextButton(), Qt::LeftButton);
        QCOMPARE(asked, starts);
        if (!starts) {
            QCOMPARE(boxes.shown().size(), 1);
            QCOMPARE(boxes.shown().first().text,
                     QStringLiteral("Sorry, decrypting this backup will take approximately 11.4MB of space. Please "
                                    "clean up your disk and try again."));
        }
        QCOMPARE(module->stack()->currentIndex(), 0);
        QVERIFY(decryptedCopies().isEmpty());
    }

    void aWrongThenTheRightPasswordDecryptsIntoACopy()
    {
        const QString root = newRoot();
        const QString backup = encryptedBackup(root, "locked", 40);
        const auto before = folderSnapshot(backup);
        RecoverFromiTunesFrm *module = openModule(root);
        listBackups(module);
        bool progressShown = false;
        connect(module->listPage()->decodeDialog(), &QDialog::finished, this, [&] { progressShown = true; });
        ModalDriver::onNext<verifyBackupPassword>([&](verifyBackupPassword *dialog) {
            saveShot(dialog, "password");
            typePassword(dialog, QStringLiteral("not it"));
            QCOMPARE(dialog->statusText(), QStringLiteral("Wrong password"));
            QCOMPARE(dialog->passwordEdit()->text(), QStringLiteral("not it"));
            QVERIFY(dialog->isVisible());
            // The end of the failed try reaches the page: nothing changes.
            QTest::qWait(50);
            QVERIFY(dialog->isVisible());
            QCOMPARE(module->stack()->currentIndex(), 0);
            QVERIFY(decryptedCopies().isEmpty());
            typePassword(dialog, kPassword);
        });
        QTest::mouseClick(module->nextButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(module->stack()->currentIndex(), 1, 20000);
        QVERIFY(progressShown);
        QVERIFY(!module->listPage()->decodeDialog()->isVisible());

        const QString copy = module->listPage()->selectedBackupPath();
        QCOMPARE(QFileInfo(copy).absolutePath(), SettingsEntry::instance()->backupRootPath());
        QVERIFY2(QFileInfo(copy).fileName().startsWith("BackupDecrypt_locked_"), qPrintable(copy));
        QCOMPARE(readFileText(smsPath(copy)).toUtf8(), kSms);
        QVERIFY(QFile::exists(copy + "/Manifest.plist"));
        QVERIFY(SettingsEntry::instance()->cleanupPaths().contains(copy));
        QCOMPARE(decryptedCopies().size(), 1);
        QCOMPARE(folderSnapshot(backup), before);

        // Start Scan reads the copy.
        QSignalSpy handedOn(module, &ModuleBaseFrm::sigJumptoScanDataView);
        QTest::mouseClick(module->nextButton(), Qt::LeftButton);
        QCOMPARE(handedOn.first().first().toString(), copy);
        QDir(copy).removeRecursively();
    }

    void cancellingTheProgress_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes: stopped, the copy removed") << 1;
        QTest::newRow("Cancel: the decryption goes on") << 2;
    }

    void cancellingTheProgress()
    {
        QFETCH(int, answer);
        const QString root = newRoot();
        encryptedBackup(root, "cancel", 40);
        RecoverFromiTunesFrm *module = openModule(root);
        listBackups(module);
        FirstStepGate gate;
        gate.arm();
        MessageBoxScript boxes({answer});
        ModalDriver::onNext<verifyBackupPassword>([](verifyBackupPassword *dialog) { typePasswordLater(dialog, kPassword); });
        ModalDriver::onNext<DecodeBackupDialog>([&](DecodeBackupDialog *dialog) {
            QVERIFY(gate.reached);
            QVERIFY(module->listPage()->findChildren<verifyBackupPassword *>().first()->isHidden());
            saveShot(dialog, "progress");
            dialog->done(DecodeBackupDialog::Cancelled);
            QCOMPARE(dialog->isVisible(), answer != 1);
            gate.open();
        });
        QTest::mouseClick(module->nextButton(), Qt::LeftButton);
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().first().text,
                 QStringLiteral("You are decrypting your iTunes backup, do you want to cancel?"));
        QCOMPARE(boxes.shown().first().buttons, QStringList({"Yes", "Cancel"}));
        if (answer == 1) {
            QCOMPARE(module->stack()->currentIndex(), 0);
            QVERIFY(module->listPage()->selectedBackupPath().isEmpty());
            QTRY_VERIFY_WITH_TIMEOUT(decryptedCopies().isEmpty(), 10000);
            // Nothing further comes of it: no message, the list stays.
            QTest::qWait(100);
            QCOMPARE(module->stack()->currentIndex(), 0);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(module->stack()->currentIndex(), 1, 20000);
            QVERIFY(!module->listPage()->decodeDialog()->isVisible());
            const QString copy = module->listPage()->selectedBackupPath();
            QCOMPARE(readFileText(smsPath(copy)).toUtf8(), kSms);
            QDir(copy).removeRecursively();
        }
    }

    // Closed while it decrypts, before any progress reached the page.
    void closingThePasswordDialogStopsAndKeepsNothing()
    {
        const QString root = newRoot();
        encryptedBackup(root, "closed", 40);
        // The gate first: the page hears of no progress while it holds.
        FirstStepGate gate;
        gate.arm();
        RecoverFromiTunesFrm *module = openModule(root);
        listBackups(module);
        const QStringList cleanupBefore = SettingsEntry::instance()->cleanupPaths();
        ModalDriver::onNext<verifyBackupPassword>([&](verifyBackupPassword *dialog) {
            QTimer::singleShot(0, dialog, [&, dialog] {
                QTRY_VERIFY(gate.reached);
                QVERIFY(dialog->isChecking());
                dialog->done(verifyBackupPassword::Closed);
                gate.open();
            });
            typePassword(dialog, kPassword);
        });
        QTest::mouseClick(module->nextButton(), Qt::LeftButton);
        QVERIFY(!MobileDeviceBackupManager::instance()->isRunning());
        QTest::qWait(100);
        QCOMPARE(module->stack()->currentIndex(), 0);
        QVERIFY(module->listPage()->selectedBackupPath().isEmpty());
        QVERIFY(!module->listPage()->decodeDialog()->isVisible());
        QCOMPARE(SettingsEntry::instance()->cleanupPaths(), cleanupBefore);
        QTRY_VERIFY_WITH_TIMEOUT(decryptedCopies().isEmpty(), 10000);
    }

    void closingThePasswordDialogUnusedKeepsNothing()
    {
        const QString root = newRoot();
        encryptedBackup(root, "unused", 2);
        RecoverFromiTunesFrm *module = openModule(root);
        listBackups(module);
        const QStringList cleanupBefore = SettingsEntry::instance()->cleanupPaths();
        ModalDriver::onNext<verifyBackupPassword>([](verifyBackupPassword *dialog) { dialog->done(255); });
        QTest::mouseClick(module->nextButton(), Qt::LeftButton);
        QCOMPARE(module->stack()->currentIndex(), 0);
        QVERIFY(module->listPage()->selectedBackupPath().isEmpty());
        QCOMPARE(SettingsEntry::instance()->cleanupPaths(), cleanupBefore);
        QVERIFY(decryptedCopies().isEmpty());
    }

    // The copy cannot be written once the decryption is under way.
    void aFailedDecryptionRemovesThePartialCopy()
    {
        const QString root = newRoot();
        encryptedBackup(root, "failing", 40);
        RecoverFromiTunesFrm *module = openModule(root);
        listBackups(module);
        FirstStepGate gate;
        gate.arm();
        MessageBoxScript boxes({1});
        ModalDriver::onNext<verifyBackupPassword>([](verifyBackupPassword *dialog) { typePasswordLater(dialog, kPassword); });
        ModalDriver::onNext<DecodeBackupDialog>([&](DecodeBackupDialog *) {
            // A file where the decryption puts a folder of files.
            const QString copy = module->listPage()->selectedBackupPath();
            const std::string id = testsupport::fileIdOf("HomeDomain", "Library/SMS/sms.db");
            for (char high : QByteArray("0123456789abcdef"))
                for (char low : QByteArray("0123456789abcdef"))
                    devicestest::writeBytes(copy + "/" + QString(QChar(high)) + QChar(low), "in the way");
            Q_UNUSED(id);
            gate.open();
        });
        QTest::mouseClick(module->nextButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.shown().size(), 1, 20000);
        QCOMPARE(boxes.shown().first().text, QStringLiteral("Sorry, the backup could not be decrypted. Please try again."));
        QVERIFY(!module->listPage()->decodeDialog()->isVisible());
        QCOMPARE(module->stack()->currentIndex(), 0);
        QVERIFY(module->listPage()->selectedBackupPath().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(decryptedCopies().isEmpty(), 10000);
    }

    void theProgressDialogEndsOnlyOnItsTwoResults_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("254") << 254 << -1 << true;
        QTest::newRow("255, Yes") << 255 << 1 << true;
        QTest::newRow("255, Cancel") << 255 << 2 << false;
        QTest::newRow("255, the question closed") << 255 << 0 << false;
        QTest::newRow("0 (reject)") << 0 << -1 << false;
        QTest::newRow("1 (accept)") << 1 << -1 << false;
        QTest::newRow("253") << 253 << -1 << false;
    }

    void theProgressDialogEndsOnlyOnItsTwoResults()
    {
        QFETCH(int, result);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        DecodeBackupDialog dialog;
        dialog.show();
        MessageBoxScript boxes(answer >= 0 ? QList<int>({answer}) : QList<int>());
        dialog.done(result);
        QCOMPARE(dialog.isVisible(), !closes);
        if (closes)
            QCOMPARE(dialog.result(), result);
        QCOMPARE(boxes.shown().size(), answer >= 0 ? 1 : 0);
    }

    void theProgressDialogIgnoresEscapeAndShowsItsRange()
    {
        DecodeBackupDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.setRange(0, 8);
        dialog.setValue(2);
        QCOMPARE(dialog.progressBar()->labelText(), QStringLiteral("25.0%"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.accept();
        dialog.reject();
        QVERIFY(dialog.isVisible());
        // A new range starts from its minimum.
        dialog.setRange(0, 4);
        QCOMPARE(dialog.progressBar()->value(), 0);
    }

    void theOverlayTurnsOnlyWhileShown()
    {
        QWidget page;
        page.resize(400, 300);
        auto *overlay = new AcquireiTunesBackupFrm(&page);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(!overlay->isVisible());
        QVERIFY(!overlay->isAnimating());
        overlay->show();
        QVERIFY(overlay->isAnimating());
        page.hide();
        QVERIFY(!overlay->isAnimating());
        page.show();
        QVERIFY(overlay->isAnimating());
        overlay->hide();
        QVERIFY(!overlay->isAnimating());
    }
};

QTEST_MAIN(ITunesFlowTest)
#include "itunesflow_test.moc"
