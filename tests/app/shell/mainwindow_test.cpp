#include "aboutdialog.h"
#include "appevent.h"
#include "exportdeploydialog.h"
#include "pathdoesnotexistdialog.h"
#include "pathinvaliddialog.h"
#include "fileutils.h"
#include "homepagefrm.h"
#include "maininterfacefrm.h"
#include "maininterfacetitlefrm.h"
#include "messageboxscript.h"
#include "mobiledevicebackupmanager.h"
#include "mobiledeviceconnect.h"
#include "mobiledeviceobject.h"
#include "oneclickwidget.h"
#include "modaldriver.h"
#include "moduleregistry.h"
#include "quitsequence.h"
#include "scanitunesbackupmanage.h"
#include "settingsentry.h"
#include "shellinit.h"
#include "shots.h"
#include "taskbarprogress.h"
#include "upgradedialog.h"
#include "vlog.h"
#include "widgetkit.h"

#include "loopbackhttpserver.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace
{
    // What the window did to a page.
    struct Calls
    {
        int init = 0;
        int reset = 0;
        int newDevice = 0;
        int taskProgress = 0;
        QStringList scans; // "backup|device"
    };

    QMap<QString, Calls> g_calls;
    bool g_quitAnswer = true;

    QString labelText(QWidget *root, const QString &objectName)
    {
        const auto *label = root->findChild<QLabel *>(objectName);
        return label ? label->text() : QStringLiteral("<no %1>").arg(objectName);
    }

    bool labelShowing(QWidget *root, const QString &objectName)
    {
        const auto *label = root->findChild<QLabel *>(objectName);
        return label && label->isVisible();
    }

    // Visible texts of the dialog that do not fit their place: a label wider
    // than itself (or taller, when it wraps), a button narrower than its text.
    QStringList clippedTexts(QWidget *dialog)
    {
        QStringList clipped;
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                                : label->sizeHint().width() <= label->width();
            if (!fits)
                clipped << label->text();
        }
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->isVisible() && !button->text().isEmpty()
                && button->fontMetrics().horizontalAdvance(button->text()) + 8 > button->width())
                clipped << button->text();
        }
        return clipped;
    }

    QVariantMap newVersion()
    {
        return {{"CheckResult", 1},
                {"Version", "8.2"},
                {"Size", "92.4 MB"},
                {"Release Date", "2024-03-15"},
                {"What's New", "Faster scans"},
                {"Download URL", "https://downloads.example.org/quenrow.exe"}};
    }

    // Notes whether the widget was ever shown, and closes a dialog that was,
    // so that an unexpected exec() cannot hold the test.
    class ShowWatch : public QObject
    {
    public:
        bool shown = false;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Show) {
                shown = true;
                if (auto *dialog = qobject_cast<QDialog *>(watched))
                    QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            }
            return false;
        }
    };
}

class FakeModule : public ModuleBaseFrm
{
    Q_OBJECT

public:
    explicit FakeModule(const QString &name)
    {
        setObjectName(name);
    }
    void setInit() override { ++g_calls[objectName()].init; }
    void resetUI() override { ++g_calls[objectName()].reset; }
    bool quit() override { return g_quitAnswer; }
    void setNewDevice(MobileDeviceObject *) override { ++g_calls[objectName()].newDevice; }
    void setTaskProgress(int, QVariant, QVariant, QVariant) override { ++g_calls[objectName()].taskProgress; }
};

class FakeDataView : public FakeModule
{
    Q_OBJECT

public:
    FakeDataView()
        : FakeModule(QStringLiteral("data"))
    {
    }
    Q_INVOKABLE void startScan(const QString &backupId, const QString &deviceId)
    {
        g_calls[objectName()].scans << backupId + '|' + deviceId;
    }
};

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<MainInterfaceFrm> window;

    FakeModule *module(int index) { return qobject_cast<FakeModule *>(window->page(index)); }
    QString shownTitle() { return window->titleFrm()->titleText(); }

    QAction *menuAction(int id)
    {
        for (QMenu *menu : window->findChildren<QMenu *>()) {
            for (QAction *action : menu->actions()) {
                if (!action->menu() && action->data().toInt() == id)
                    return action;
            }
        }
        return nullptr;
    }

    QLabel *heading()
    {
        for (QLabel *label : window->homePage()->findChildren<QLabel *>()) {
            if (label->objectName() == QLatin1String("HomeHeading"))
                return label;
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        initWidgetKit();
        initShell();
        QCoreApplication::setOrganizationName(QStringLiteral("Brandle"));
        QCoreApplication::setApplicationName(QStringLiteral("Quenrow(iOS)"));
        vlogInit();
        ModuleRegistry *registry = ModuleRegistry::instance();
        registry->registerPage(ModuleRegistry::Device, [] { return new FakeModule(QStringLiteral("device")); });
        registry->registerPage(ModuleRegistry::ITunes, [] { return new FakeModule(QStringLiteral("itunes")); });
        registry->registerPage(ModuleRegistry::ICloud, [] { return new FakeModule(QStringLiteral("icloud")); });
        registry->registerPage(ModuleRegistry::DataView, [] { return new FakeDataView; });
    }

    void init()
    {
        g_calls.clear();
        g_quitAnswer = true;
        window.reset(new MainInterfaceFrm);
        window->switchLanguage(5);
    }

    void cleanup()
    {
        QCOMPARE(ModalDriver::pending(), 0);
        ModalDriver::clear();
        QuitSequence::setObserver({});
        QuitSequence::setProcessEnd({});
        window.reset();
        QSettings().remove(QStringLiteral("Language"));
    }

    void theWindowIsReceiverZeroWhileItLives()
    {
        QCOMPARE(appEventReceivers().value(0), window.data());
        window.reset();
        QVERIFY(!appEventReceivers().contains(0));
    }

    void aCardOpensItsModuleAndBackReturnsHome_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("title");
        QTest::newRow("device") << 1 << int(ModuleManager::IOSDevice) << "Recover Data from iOS Device";
        QTest::newRow("iTunes") << 2 << int(ModuleManager::ITunesBackup) << "Recover Data from iTunes Backup";
        QTest::newRow("iCloud") << 3 << int(ModuleManager::ICloudBackup) << "Recover Data from iCloud Backup";
    }

    void aCardOpensItsModuleAndBackReturnsHome()
    {
        QFETCH(int, index);
        QFETCH(int, type);
        QFETCH(QString, title);
        HomePageFrm *home = window->homePage();
        const QList<void (HomePageFrm::*)()> clicks {&HomePageFrm::sigRecoverFromiOSDeviceClicked,
                                                      &HomePageFrm::sigRecoverFromiTunesClicked,
                                                      &HomePageFrm::sigRecoverFromiCloudClicked};
        emit(home->*clicks.at(index - 1))();
        FakeModule *opened = module(index);
        QCOMPARE(window->currentPage(), opened);
        QCOMPARE(int(ModuleManager::instance()->current()), type);
        QCOMPARE(shownTitle(), "Quenrow (iOS) > " + title);
        QCOMPARE(window->historySize(), 1);
        // The module's set-up runs after the switch, from the event loop.
        QCOMPARE(g_calls[opened->objectName()].init, 0);
        QTRY_COMPARE(g_calls[opened->objectName()].init, 1);

        emit opened->sigBackButtonClicked();
        QCOMPARE(window->currentPage(), window->homePage());
        QCOMPARE(ModuleManager::instance()->current(), ModuleManager::Home);
        QCOMPARE(shownTitle(), QStringLiteral("Quenrow (iOS)"));
        QCOMPARE(window->historySize(), 0);
        QCOMPARE(g_calls[opened->objectName()].init, 1);
    }

    void backFromTheScanViewRestartsTheDeviceModule()
    {
        emit window->homePage()->sigRecoverFromiOSDeviceClicked();
        QTRY_COMPARE(g_calls["device"].init, 1);
        emit module(1)->sigJumptoScanDataView(QStringLiteral("/backups/VXBackup_1"));
        QCOMPARE(window->currentPage(), module(4));
        QCOMPARE(g_calls["data"].scans, QStringList {QStringLiteral("/backups/VXBackup_1|")});
        QCOMPARE(shownTitle(), QStringLiteral("Quenrow (iOS) > Recover Data from iOS Device"));
        QCOMPARE(window->historySize(), 2);

        emit module(4)->sigBackButtonClicked();
        QCOMPARE(window->currentPage(), module(1));
        QCOMPARE(g_calls["device"].init, 2); // at once, not queued
        QCOMPARE(ModuleManager::instance()->current(), ModuleManager::IOSDevice);

        emit module(1)->sigBackButtonClicked();
        QCOMPARE(window->currentPage(), window->homePage());
        QCOMPARE(ModuleManager::instance()->current(), ModuleManager::Home);
        QCOMPARE(shownTitle(), QStringLiteral("Quenrow (iOS)"));
    }

    void backWithNothingToGoBackToStays()
    {
        window->goBack();
        QCOMPARE(window->currentPage(), window->homePage());
        emit window->homePage()->sigRecoverFromiTunesClicked();
        emit module(2)->sigBackButtonClicked();
        emit module(2)->sigBackButtonClicked(); // a second back: nothing left
        QCOMPARE(window->currentPage(), window->homePage());
        QCOMPARE(window->historySize(), 0);
        emit window->homePage()->sigRecoverFromiTunesClicked();
        QCOMPARE(window->currentPage(), module(2));
        QTRY_COMPARE(g_calls["itunes"].init, 2); // again on every visit
    }

    void deviceAndTaskEventsReachTheCurrentPageOnly()
    {
        emit window->homePage()->sigRecoverFromiTunesClicked();
        auto *device = new MobileDeviceObject;
        emit MobileDeviceConnect::instance()->newDevice(device);
        emit MobileDeviceBackupManager::instance()->taskProgress(0, 1, QVariant(), QVariant());
        QCOMPARE(g_calls["itunes"].newDevice, 0); // queued
        QTRY_COMPARE(g_calls["itunes"].newDevice, 1);
        QTRY_COMPARE(g_calls["itunes"].taskProgress, 1);
        QCOMPARE(g_calls["device"].newDevice, 0);

        // At home, a removed device is released by the page's default.
        emit module(2)->sigBackButtonClicked();
        QPointer<MobileDeviceObject> removed = device;
        emit MobileDeviceConnect::instance()->deviceDisconnected(device, true);
        QTRY_VERIFY(!removed);
    }

    void restoreUnminimises()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());
        postAppEvent(MainInterfaceFrm::RestoreEvent);
        QTRY_VERIFY(!window->isMinimized());
        QVERIFY(window->isVisible());
        postAppEvent(MainInterfaceFrm::RestoreEvent); // not minimised: nothing
        QCoreApplication::processEvents();
        QVERIFY(!window->isMinimized());
    }

    void aRunningITunesIsToldOnceAtATime()
    {
        int boxes = 0;
        ModalDriver::onNext<XMessageBox>([&](XMessageBox *box) {
            ++boxes;
            QCOMPARE(box->text(),
                     QStringLiteral("Don't open iTunes while the program is running, or the recovery will fail."));
            // The killer tells again while the box is up.
            postAppEvent(MainInterfaceFrm::ITunesRunningEvent);
            QTest::qWait(50);
            const QWidgetList windows = QApplication::topLevelWidgets();
            QCOMPARE(std::count_if(windows.begin(), windows.end(),
                                   [](QWidget *w) { return qobject_cast<XMessageBox *>(w) && w->isVisible(); }),
                     1);
            QVERIFY(ModalDriver::clickButton(box, QStringLiteral("OK")));
        });
        postAppEvent(MainInterfaceFrm::ITunesRunningEvent);
        QTRY_COMPARE(boxes, 1);
        QTRY_COMPARE(ModalDriver::pending(), 0);
        // Once closed, the next notice shows again.
        MessageBoxScript script({1});
        postAppEvent(MainInterfaceFrm::ITunesRunningEvent);
        QTRY_COMPARE(script.shown().size(), 1);
        QCOMPARE(script.shown().first().buttons, QStringList {QStringLiteral("OK")});
        QCOMPARE(script.shown().first().title, QString());
    }

    void copyMessage_data()
    {
        QTest::addColumn<QVariant>("data");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("box");
        QTest::newRow("copy-message") << QVariant::fromValue(qMakePair(QStringLiteral("copy-message"),
                                                                       QVariant(QStringLiteral("See you <b>at 5</b>"))))
                                      << "See you <b>at 5</b>" << false;
        QTest::newRow("another request") << QVariant::fromValue(qMakePair(QStringLiteral("open-message"),
                                                                          QVariant(QStringLiteral("x"))))
                                         << "untouched" << false;
        QTest::newRow("invalid: export first") << QVariant() << "untouched" << true;
    }

    void copyMessage()
    {
        QFETCH(QVariant, data);
        QFETCH(QString, clipboard);
        QFETCH(bool, box);
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        MessageBoxScript script(box ? QList<int> {1} : QList<int> {});
        sendAppEvent(MainInterfaceFrm::CopyMessageEvent, data);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        QCOMPARE(script.shown().size(), box ? 1 : 0);
        if (box)
            QCOMPARE(script.shown().first().text, QStringLiteral("Please export the data locally for viewing."));
    }

    void taskbarProgress_data()
    {
        QTest::addColumn<QVariant>("percent");
        QTest::addColumn<int>("value");
        QTest::newRow("42.9 is 42") << QVariant(42.9) << 42;
        QTest::newRow("150 is 100") << QVariant(150.0) << 100;
        QTest::newRow("-5 is 0") << QVariant(-5.0) << 0;
        QTest::newRow("huge is 100") << QVariant(1e300) << 100;
        QTest::newRow("an int") << QVariant(7) << 7;
    }

    void taskbarProgress()
    {
        QFETCH(QVariant, percent);
        QFETCH(int, value);
        TaskbarProgress *progress = window->taskbarProgress();
        QCOMPARE(progress->maximum(), 100);
        QVERIFY(!progress->isVisible());
        sendAppEvent(MainInterfaceFrm::TaskbarProgressValueEvent, percent);
        QCOMPARE(progress->value(), value);
        QVERIFY(progress->isVisible());
        sendAppEvent(MainInterfaceFrm::TaskbarProgressVisibleEvent, false);
        QVERIFY(!progress->isVisible());
        sendAppEvent(MainInterfaceFrm::TaskbarProgressValueEvent, QVariant(QStringLiteral("not a number")));
        QVERIFY(!progress->isVisible());
        QCOMPARE(progress->value(), value);
        sendAppEvent(MainInterfaceFrm::TaskbarProgressVisibleEvent, true);
        QVERIFY(progress->isVisible());
    }

    void aPageThatRefusesKeepsTheProgramRunning()
    {
        QStringList steps;
        QuitSequence::setObserver([&](const QString &step) { steps << step; });
        QuitSequence::setProcessEnd([](int) { QFAIL("the process must not end"); });
        emit window->homePage()->sigRecoverFromiTunesClicked();
        g_quitAnswer = false;
        QPushButton *close = window->titleFrm()->findChild<QPushButton *>(QStringLiteral("ButtonClose"));
        QVERIFY(close);
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(steps.isEmpty());
    }

    void theAcceptedQuitRunsItsStepsInOrder()
    {
        // The deletion program is a recorder here: the media cache of the
        // build folder is no test's to delete.
        QTemporaryDir work;
        const QString handed = work.filePath(QStringLiteral("handed"));
        const QString recorder = work.filePath(QStringLiteral("rubbish"));
        QFile script(recorder);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nfor f in \"$@\"; do echo \"$f\"; done > '%1.part'\nmv '%1.part' '%1'\n")
                         .arg(handed)
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray rubbish = qgetenv("QUENROW_RUBBISH");
        qputenv("QUENROW_RUBBISH", recorder.toLocal8Bit());

        QStringList steps;
        int ended = -1;
        QuitSequence::setObserver([&](const QString &step) { steps << step; });
        QuitSequence::setProcessEnd([&](int code) {
            ended = code;
            steps << QStringLiteral("(ended)");
        });
        QTest::mouseClick(window->titleFrm()->findChild<QPushButton *>(QStringLiteral("ButtonClose")), Qt::LeftButton);
        qputenv("QUENROW_RUBBISH", rubbish);

        QCOMPARE(steps, QuitSequence::stepNames() << QStringLiteral("(ended)"));
        QCOMPARE(QuitSequence::stepNames(),
                 (QStringList {"analytics", "log", "iTunes killer", "backup", "scan", "iCloud", "thumbnails",
                               "clean-up", "end"}));
        QCOMPARE(ended, 0);
        QTRY_VERIFY(QFile::exists(handed));
        QFile list(handed);
        QVERIFY(list.open(QIODevice::ReadOnly));
        const QStringList folders = QString::fromUtf8(list.readAll()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(!folders.isEmpty());
        QCOMPARE(folders.first(), SettingsEntry::instance()->cacheMediaPath());
        for (const QString &folder : folders.mid(1))
            QVERIFY2(folder.endsWith(QStringLiteral("/Quenrow(iOS)_Backup")), qPrintable(folder));
        QFile log(SettingsEntry::instance()->logPath() + QStringLiteral("/app.txt"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("app quit"));
    }

    void contextMenuStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("manifest");
        QTest::addColumn<bool>("added");
        QTest::newRow("folder, then the flag") << QStringList {"quenrow", "%1", "--from-context-menu"} << "bplist00"
                                               << true;
        QTest::newRow("flag, then the folder") << QStringList {"quenrow", "--from-context-menu", "%1"} << "bplist00"
                                               << true;
        QTest::newRow("no flag") << QStringList {"quenrow", "%1"} << "bplist00" << false;
        QTest::newRow("an XML Manifest") << QStringList {"quenrow", "%1", "--from-context-menu"}
                                         << "<?xml version=\"1.0\"?><plist/>" << false;
        QTest::newRow("no Manifest") << QStringList {"quenrow", "%1", "--from-context-menu"} << "" << false;
        QTest::newRow("the flag alone") << QStringList {"quenrow", "--from-context-menu"} << "bplist00" << false;
    }

    void contextMenuStart()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, manifest);
        QFETCH(bool, added);
        QTemporaryDir backup;
        if (!manifest.isEmpty()) {
            QFile file(backup.filePath(QStringLiteral("Manifest.plist")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(manifest.toUtf8());
        }
        arguments.replaceInStrings(QStringLiteral("%1"), backup.path());
        const int before = ScaniTunesBackupManage::instance()->backupFolders().count(backup.path());
        QCOMPARE(MainInterfaceFrm::openBackupFromCommandLine(arguments), added);
        QCOMPARE(ScaniTunesBackupManage::instance()->backupFolders().count(backup.path()), before + (added ? 1 : 0));
    }

    void theMenuCarriesItsIds()
    {
        QMenu *menu = window->menu();
        QStringList main;
        for (QAction *action : menu->actions())
            main << action->text() + (action->menu() ? QString() : ':' + action->data().toString());
        QCOMPARE(main, (QStringList {"About:0", "Settings:3", "Check for Updates:4", "Languages", "Help"}));

        const QList<QAction *> top = menu->actions();
        QStringList languages;
        for (QAction *action : top.at(3)->menu()->actions())
            languages << QStringLiteral("%1:%2%3").arg(action->text()).arg(action->data().toInt())
                             .arg(action->isVisible() ? "" : " hidden");
        QCOMPARE(languages, (QStringList {"English:5", "Italiano:6", QString::fromUtf8("Русский:7"), "Deutsch:8",
                                          QString::fromUtf8("Français:9"), QString::fromUtf8("Español:10"),
                                          QString::fromUtf8("Português:11"), "Japanese:12",
                                          QString::fromUtf8("简中:13"), QString::fromUtf8("繁中:14"),
                                          "Yahei:15 hidden", "Calibri:16 hidden"}));
        QStringList help;
        for (QAction *action : top.at(4)->menu()->actions())
            help << action->text() + ':' + action->data().toString();
        QCOMPARE(help, (QStringList {"Guide:17", "FAQ:18", "Open Log Folder:19"}));
    }

    void theMenuPostsItsDialogsAfterItCloses()
    {
        // About, Settings and Check for Updates are answered from the event
        // loop, once the menu is gone (taken away here before they show).
        QList<int> posted;
        class Spy : public QObject
        {
        public:
            QList<int> *seen;
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() < 1010 || event->type() > 1014)
                    return false;
                seen->append(int(event->type()));
                return true;
            }
        } spy;
        spy.seen = &posted;
        window->installEventFilter(&spy);
        for (int id : {0, 3, 4})
            menuAction(id)->trigger();
        QVERIFY(posted.isEmpty());
        QTRY_COMPARE(posted, (QList<int> {1010, 1014, 1012}));
        window->removeEventFilter(&spy);
    }

    void aLanguageIsStoredExceptTheHiddenCalibri_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Deutsch") << 8 << "german";
        QTest::newRow("Japanese") << 12 << "japanese";
        QTest::newRow("hidden Yahei: stored") << 15 << "english";
        QTest::newRow("hidden Calibri: for this run only") << 16 << "italian";
    }

    void aLanguageIsStoredExceptTheHiddenCalibri()
    {
        QFETCH(int, id);
        QFETCH(QString, stored);
        QSettings().setValue(QStringLiteral("Language"), QStringLiteral("italian"));
        menuAction(id)->trigger();
        QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), stored);
    }

    void germanReplacesTheTextsButNotTheTitle()
    {
        emit window->homePage()->sigRecoverFromiTunesClicked();
        emit module(2)->sigBackButtonClicked();
        // Made after the window: no record, so the retranslation leaves them.
        auto *later = new QLabel(QStringLiteral("About"), window->homePage());
        auto *laterButton = new QPushButton(QStringLiteral("Help"), window->homePage());
        later->setToolTip(QStringLiteral("Settings"));
        const int resets = g_calls["itunes"].reset;

        window->switchLanguage(8);
        QTRY_COMPARE(heading()->text(), QStringLiteral("Stellen Sie Ihre Daten vom iOS-Gerät vollständig wieder her"));
        QCOMPARE(shownTitle(), QStringLiteral("Quenrow (iOS)"));
        QCOMPARE(window->menu()->actions().at(0)->text(), QStringLiteral("Über"));
        QCOMPARE(window->menu()->actions().at(3)->text(), QStringLiteral("Sprachen"));
        QCOMPARE(window->menu()->actions().at(3)->menu()->actions().at(3)->text(), QStringLiteral("Deutsch"));
        QPushButton *close = window->titleFrm()->findChild<QPushButton *>(QStringLiteral("ButtonClose"));
        QCOMPARE(close->accessibleName(), QStringLiteral("Schließen"));
        // The kit's dialogs speak it too, the long-lived update dialog included.
        UpgradeDialog *update = window->upgradeDialog();
        QCOMPARE(update->windowTitle(), QStringLiteral("Nach Updates suchen"));
        QVERIFY(update->findChild<QPushButton *>(QStringLiteral("SecondaryButton")));
        QCOMPARE(update->findChild<QPushButton *>(QStringLiteral("SecondaryButton"))->text(),
                 QStringLiteral("Später erinnern"));
        update->showCheckResult({{"CheckResult", -1}});
        QCOMPARE(labelText(update, "UpdateHeadline"),
                 QStringLiteral("Die Update-Informationen konnten nicht abgerufen werden. Bitte versuchen Sie es "
                                "später erneut."));
        // Screen readers hear the cards in the language shown.
        QCOMPARE(window->homePage()->card(0)->accessibleName(), QStringLiteral("Daten vom iOS-Gerät wiederherstellen"));
        QCOMPARE(window->homePage()->card(2)->accessibleDescription(), window->homePage()->card(2)->description());
        QCOMPARE(later->text(), QStringLiteral("About"));
        QCOMPARE(later->toolTip(), QStringLiteral("Settings"));
        QCOMPARE(laterButton->text(), QStringLiteral("Help"));
        QVERIFY(g_calls["itunes"].reset > resets);
        // The shot shows the window as a person sees it, without the test's own widgets.
        delete later;
        delete laterButton;
        // As onReady() dresses it.
        qApp->setStyleSheet(QStringLiteral("file:///:/CSS/global.css"));
        window->setStyleSheet(readFileText(QStringLiteral(":/CSS/AppStyle.css")));
        window->setFixedSize(1240, 740);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        saveShot(window.data(), QStringLiteral("german"));

        // A page title follows the language too.
        emit window->homePage()->sigRecoverFromiCloudClicked();
        QCOMPARE(shownTitle(), QStringLiteral("Quenrow (iOS) > Daten aus iCloud-Backup wiederherstellen"));
        window->switchLanguage(5);
        QTRY_COMPARE(heading()->text(), QStringLiteral("Recover Your Data from iOS Device Completely"));
        QCOMPARE(shownTitle(), QStringLiteral("Quenrow (iOS) > Recover Data from iCloud Backup"));
        QCOMPARE(close->accessibleName(), QStringLiteral("Close"));
        QCOMPARE(update->windowTitle(), QStringLiteral("Check for Updates"));
    }

    void theTitleLabelIsNeverSetFromItsRecord()
    {
        auto *title = window->titleFrm()->findChild<QLabel *>(QStringLiteral("TitleLabe"));
        QVERIFY(title->property("@Bypassed").toBool());
        // Recorded as the product alone: in a module it keeps the page's title.
        emit window->homePage()->sigRecoverFromiOSDeviceClicked();
        window->switchLanguage(8);
        QTRY_COMPARE(heading()->text(), QStringLiteral("Stellen Sie Ihre Daten vom iOS-Gerät vollständig wieder her"));
        QCOMPARE(title->text(), QStringLiteral("Quenrow (iOS) > Daten vom iOS-Gerät wiederherstellen"));
    }

    void japaneseChangesEveryFontFamilyKeepingSizes()
    {
        auto *label = new QLabel(QStringLiteral("Sized"), window->homePage());
        QFont big = label->font();
        big.setPointSize(20);
        big.setBold(true);
        label->setFont(big);
        window->switchLanguage(12);
        QCOMPARE(QApplication::font().family(), QStringLiteral("Microsoft Yahei"));
        QCOMPARE(QApplication::font().pointSize(), 9);
        QCOMPARE(label->font().family(), QStringLiteral("Microsoft Yahei"));
        QCOMPARE(label->font().pointSize(), 20);
        QCOMPARE(label->font().weight(), int(QFont::Normal));

        // The same family again leaves every font alone.
        QFont marked = label->font();
        marked.setFamily(QStringLiteral("Marker"));
        label->setFont(marked);
        window->switchLanguage(13);
        QCOMPARE(label->font().family(), QStringLiteral("Marker"));
        window->switchLanguage(99); // outside the table: English, Calibri
        QCOMPARE(QApplication::font().family(), QStringLiteral("Calibri"));
        QCOMPARE(QApplication::font().pointSize(), 11);
        QTRY_COMPARE(heading()->text(), QStringLiteral("Recover Your Data from iOS Device Completely"));
    }

    void aboutShowsTheKitsDialog()
    {
        bool seen = false;
        ModalDriver::onNext<AboutDialog>([&](AboutDialog *about) {
            seen = true;
            QCOMPARE(about->parentWidget(), window.data());
            QStringList texts;
            for (const QLabel *label : about->findChildren<QLabel *>())
                texts << label->text();
            QVERIFY2(texts.contains(QStringLiteral("Version:8.1.0")), qPrintable(texts.join('|')));
            QVERIFY(ModalDriver::clickButton(about, QStringLiteral("Close")));
        });
        sendAppEvent(MainInterfaceFrm::AboutEvent);
        QVERIFY(seen);
        // Destroyed once closed.
        QTRY_VERIFY(window->findChildren<AboutDialog *>().isEmpty());
    }

    void settingsOpensTheExportFolderDialog()
    {
        bool seen = false;
        ModalDriver::onNext<ExportDeployDialog>([&](ExportDeployDialog *settings) {
            seen = true;
            QCOMPARE(settings->parentWidget(), window.data());
            QVERIFY(ModalDriver::clickButton(settings, QStringLiteral("TitleCloseButton")));
        });
        sendAppEvent(MainInterfaceFrm::ExportSettingsEvent);
        QVERIFY(seen);
        QTRY_VERIFY(window->findChildren<ExportDeployDialog *>().isEmpty());
    }

    void theCheckAtStartSpeaksOnlyOfANewVersion_data()
    {
        QTest::addColumn<int>("verdict");
        QTest::newRow("up to date") << 0;
        QTest::newRow("failed") << -1;
        QTest::newRow("unknown verdict") << 7;
    }

    void theCheckAtStartSpeaksOnlyOfANewVersion()
    {
        QFETCH(int, verdict);
        UpgradeDialog *dialog = window->upgradeDialog();
        QCOMPARE(dialog->parentWidget(), window.data());
        QVERIFY(!dialog->isVisible());
        ShowWatch watch;
        dialog->installEventFilter(&watch);
        sendAppEvent(MainInterfaceFrm::UpdateResultEvent, QVariantMap {{"CheckResult", verdict}});
        QCoreApplication::processEvents();
        QVERIFY(!watch.shown);
        dialog->removeEventFilter(&watch);

        // A new version is shown at once, modally, with what the server said.
        bool seen = false;
        ModalDriver::onNext<UpgradeDialog>([&](UpgradeDialog *shown) {
            seen = true;
            QCOMPARE(shown, dialog);
            QVERIFY(shown->isModal());
            QCOMPARE(labelText(shown, "UpdateHeadline"), QStringLiteral("A new version is available!"));
            QCOMPARE(labelText(shown, "UpdateDetails"),
                     QStringLiteral("Version: 8.2 | Size: 92.4 MB | Release Date: 03-15.2024"));
            QVERIFY(labelShowing(shown, "UpdateDetails"));
            QCOMPARE(shown->findChild<QTextBrowser *>()->toPlainText(), QStringLiteral("Faster scans"));
            QVERIFY(ModalDriver::clickButton(shown, QStringLiteral("Remind Me Later")));
        });
        sendAppEvent(MainInterfaceFrm::UpdateResultEvent, newVersion());
        QVERIFY(seen);
        QVERIFY(!dialog->isVisible());
    }

    void theMenusCheckWaitsInTheOpenDialog_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("headline");
        QTest::addColumn<bool>("details");
        QTest::newRow("newer") << 200 << QByteArray(R"({"Version": "8.2", "Size": "92.4 MB",
                                                        "Release Date": "2024-03-15"})")
                               << "A new version is available!" << true;
        QTest::newRow("same") << 200 << QByteArray(R"({"Version": "8.1.0"})") << "Current version is up to date."
                              << false;
        QTest::newRow("server error") << 500 << QByteArray() << "Fetch update info failed. Please try again later.."
                                      << false;
    }

    void theMenusCheckWaitsInTheOpenDialog()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, headline);
        QFETCH(bool, details);
        testsupport::LoopbackHttpServer server;
        QVERIFY(server.start());
        const QByteArray path = "/updateinfo/quenrow_ios_com_update_win.json";
        auto reply = status == 200 ? testsupport::LoopbackHttpServer::Reply::ok(body, "application/json")
                                   : testsupport::LoopbackHttpServer::Reply::withStatus(status);
        // Trickled: the dialog is seen waiting before the answer is whole.
        reply.chunkBytes = 4;
        reply.chunkIntervalMs = 40;
        server.setReply(path, reply);
        const QByteArray previous = qgetenv("QUENROW_UPDATE_URL");
        qputenv("QUENROW_UPDATE_URL", server.url(QString()).toUtf8());

        QString waiting;
        QString result;
        bool detailsShown = false;
        ModalDriver::onNext<UpgradeDialog>([&](UpgradeDialog *dialog) {
            waiting = labelText(dialog, "UpdateHeadline");
            QTRY_VERIFY_WITH_TIMEOUT(labelText(dialog, "UpdateHeadline") != waiting, 10000);
            result = labelText(dialog, "UpdateHeadline");
            detailsShown = labelShowing(dialog, "UpdateDetails");
            dialog->done(0);
        });
        postAppEvent(MainInterfaceFrm::UpdateCheckEvent);
        QTRY_COMPARE_WITH_TIMEOUT(ModalDriver::pending(), 0, 15000);
        qputenv("QUENROW_UPDATE_URL", previous);
        QCOMPARE(waiting, QStringLiteral("Waiting for checking..."));
        QCOMPARE(result, headline);
        QCOMPARE(detailsShown, details);
        QCOMPARE(server.requests().first().target, path);
        server.stop();
    }

    void theKitsDialogsFitTheirTexts_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("english") << 5;
        QTest::newRow("german") << 8;
        QTest::newRow("french") << 9;
        QTest::newRow("russian") << 7;
        QTest::newRow("japanese") << 12;
        QTest::newRow("chinese") << 13;
    }

    void theKitsDialogsFitTheirTexts()
    {
        QFETCH(int, language);
        window->switchLanguage(language);
        qApp->setStyleSheet(QStringLiteral("file:///:/CSS/global.css"));
        // The new texts and the layouts they ask for, as the event loop
        // brings them before anything is painted.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        QList<QPair<QString, QWidget *>> dialogs;
        UpgradeDialog *update = window->upgradeDialog();
        update->showCheckResult(newVersion());
        dialogs.append({"update", update});
        auto *about = new AboutDialog(window.data());
        dialogs.append({"about", about});
        auto *settings = new ExportDeployDialog(window.data());
        dialogs.append({"settings", settings});
        auto *missing = new PathDoesNotExistDialog(window.data());
        dialogs.append({"path-missing", missing});
        auto *unwritable = new PathInvalidDialog(window.data());
        dialogs.append({"path-unwritable", unwritable});
        for (const auto &named : qAsConst(dialogs)) {
            QWidget *dialog = named.second;
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QCoreApplication::sendPostedEvents();
            saveShot(dialog, QStringLiteral("%1-%2").arg(named.first, tag));
            QVERIFY2(clippedTexts(dialog).isEmpty(),
                     qPrintable(named.first + ": " + clippedTexts(dialog).join(" | ")));
            if (dialog == update) {
                update->showCheckResult({{"CheckResult", -1}});
                QCoreApplication::sendPostedEvents();
                saveShot(dialog, QStringLiteral("%1-failed-%2").arg(named.first, tag));
                QVERIFY2(clippedTexts(dialog).isEmpty(), qPrintable(clippedTexts(dialog).join(" | ")));
            }
            dialog->hide();
        }
        for (QWidget *dialog : {static_cast<QWidget *>(about), static_cast<QWidget *>(settings),
                                static_cast<QWidget *>(missing), static_cast<QWidget *>(unwritable)})
            delete dialog;
        qApp->setStyleSheet(QString());
    }

    void titleText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a page") << "Recover Data from iOS Device" << "Quenrow (iOS) > Recover Data from iOS Device";
        QTest::newRow("the product") << "Quenrow (iOS)" << "Quenrow (iOS)";
        QTest::newRow("the product inside") << "About Quenrow (iOS)" << "Quenrow (iOS)";
        QTest::newRow("empty") << "" << "Quenrow (iOS) > ";
        QTest::newRow("markup stays text") << "<b>Ann</b>" << "Quenrow (iOS) > <b>Ann</b>";
    }

    void titleText()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        MainInterfaceTitleFrm title;
        title.setTitleText(text);
        QCOMPARE(title.titleText(), shown);
        QCOMPARE(title.findChild<QLabel *>(QStringLiteral("TitleLabe"))->textFormat(), Qt::PlainText);
    }

    void titleBarButtonsAreNamedAndSignal()
    {
        MainInterfaceTitleFrm title;
        QSignalSpy menu(&title, &MainInterfaceTitleFrm::signalButtonMenu);
        QSignalSpy minimise(&title, &MainInterfaceTitleFrm::signalButtonMinClicked);
        QSignalSpy close(&title, &MainInterfaceTitleFrm::signalButtonCloseClicked);
        const QList<QPair<QString, QString>> buttons {
            {"ButtonMenu", "Menu"}, {"ButtonMin", "Minimize"}, {"ButtonClose", "Close"}};
        for (const auto &button : buttons) {
            auto *widget = title.findChild<QPushButton *>(button.first);
            QVERIFY(widget);
            QCOMPARE(widget->accessibleName(), button.second);
            QVERIFY(widget->text().isEmpty());
            widget->click();
        }
        QCOMPARE(menu.size(), 1);
        QCOMPARE(minimise.size(), 1);
        QCOMPARE(close.size(), 1);
        QVERIFY(title.findChild<QLabel *>(QStringLiteral("TitleLabe"))->accessibleName().isEmpty());
    }

    void draggingTheTitleWithTheRightButtonMovesTheWindow()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        window->move(100, 100);
        const QPoint start = window->pos();
        MainInterfaceTitleFrm *title = window->titleFrm();
        const QPoint at(title->width() / 2, title->height() / 2);
        QTest::mousePress(title, Qt::RightButton, {}, at);
        QMouseEvent move(QEvent::MouseMove, at + QPoint(30, 20), title->mapToGlobal(at + QPoint(30, 20)),
                         Qt::NoButton, Qt::RightButton, {});
        QCoreApplication::sendEvent(title, &move);
        QTest::mouseRelease(title, Qt::RightButton, {}, at + QPoint(30, 20));
        QCOMPARE(window->pos(), start + QPoint(30, 20));
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
