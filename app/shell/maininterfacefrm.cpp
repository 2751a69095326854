#include "maininterfacefrm.h"

#include "aboutdialog.h"
#include "analyticstracker.h"
#include "appevent.h"
#include "checkonlinetoolsversion.h"
#include "exportdeploydialog.h"
#include "fileutils.h"
#include "homepagefrm.h"
#include "itunessessionkiller.h"
#include "languagetable.h"
#include "maininterfacetitlefrm.h"
#include "mobiledevicebackupmanager.h"
#include "mobiledeviceconnect.h"
#include "mobiledeviceobject.h"
#include "modulebasefrm.h"
#include "moduleregistry.h"
#include "processutils.h"
#include "quitsequence.h"
#include "realtimekillitunessessionmanager.h"
#include "scanitunesbackupmanage.h"
#include "settingsentry.h"
#include "shellconstants.h"
#include "taskbarprogress.h"
#include "upgradedialog.h"
#include "xmessagebox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPair>
#include <QPointer>
#include <QScreen>
#include <QStackedLayout>
#include <QTableWidget>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>

#include <cmath>

namespace
{
    using TextRecord = QPair<QString, QString>; // untranslated text, tool tip

    QString translated(const QString &source)
    {
        return source.isEmpty() ? QString() : QCoreApplication::translate("QObject", source.toUtf8().constData());
    }

    bool isBypassed(const QObject *object)
    {
        return object->property("@Bypassed").toBool();
    }

    // The maker's pages are settings: the variable, else the setting, else
    // none (nothing is opened).
    QString webPage(const char *variable, const QString &key)
    {
        return SettingsEntry::instance()->endpoint(variable, key, QString());
    }
}

class MainInterfaceFrmPrivate
{
public:
    QMenu *menu = nullptr;
    MainInterfaceTitleFrm *title = nullptr;
    HomePageFrm *home = nullptr;
    ModuleBaseFrm *deviceModule = nullptr;
    ModuleBaseFrm *itunesModule = nullptr;
    ModuleBaseFrm *icloudModule = nullptr;
    ModuleBaseFrm *dataView = nullptr;
    TaskbarProgress *taskbarProgress = nullptr;
    QStackedLayout *stack = nullptr;
    UpgradeDialog *upgradeDialog = nullptr;
    QTranslator *translator = nullptr;
    // Untranslated texts of what existed when the window was built. Deleted
    // objects leave, so a later object at the same address never inherits
    // a record; list items are kept by row, header items by column.
    QHash<const QObject *, TextRecord> textRecords;
    QHash<const QListWidget *, QStringList> listRecords;
    QHash<const QTableWidget *, QStringList> headerRecords;
    QVector<QPointer<ModuleBaseFrm>> history;
    QVector<QMetaObject::Connection> recordConnections;
    QByteArray titleSource; // the page title's untranslated text; empty: the product alone
    bool iTunesWarningShown = false;
};

MainInterfaceFrm::MainInterfaceFrm(QWidget *parent)
    : XFramelessWindow(parent)
    , d(new MainInterfaceFrmPrivate)
{
    setupLayout();
    // Reused for every check; built hidden.
    d->upgradeDialog = new UpgradeDialog(this);
    buildMenu();
    d->taskbarProgress = new TaskbarProgress(this);
    d->taskbarProgress->setRange(0, 100);
    initWindow();
    recordTranslatableTexts();
    connectSignals();
}

MainInterfaceFrm::~MainInterfaceFrm()
{
    // QWidget's destructor deletes the children after this one's part is
    // gone: their destruction must not reach the records any more.
    for (const QMetaObject::Connection &connection : qAsConst(d->recordConnections))
        disconnect(connection);
    // Senders look key 0 up from any thread: never leave it pointing here.
    QMap<int, QObject *> &receivers = appEventReceivers();
    if (receivers.value(0) == this)
        receivers.remove(0);
    // Its language goes with it.
    QCoreApplication::removeTranslator(d->translator);
    delete d->translator;
}

void MainInterfaceFrm::setupLayout()
{
    ModuleRegistry *registry = ModuleRegistry::instance();
    d->stack = new QStackedLayout;
    d->title = new MainInterfaceTitleFrm;
    d->home = new HomePageFrm;
    d->deviceModule = registry->createPage(ModuleRegistry::Device);
    d->itunesModule = registry->createPage(ModuleRegistry::ITunes);
    d->dataView = registry->createPage(ModuleRegistry::DataView);
    d->icloudModule = registry->createPage(ModuleRegistry::ICloud);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("MainInterfaceCentral"));
    setCentralWidget(central);
    // The title bar moves the window (the window manager's move where there
    // is one); its labels are part of the caption, its buttons are not.
    setTitleBar(d->title);
    for (QLabel *label : d->title->findChildren<QLabel *>())
        addCaptionWidget(label);

    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(0);
    column->addWidget(d->title);
    column->addLayout(d->stack);
    for (ModuleBaseFrm *page : {static_cast<ModuleBaseFrm *>(d->home), d->deviceModule, d->itunesModule,
                                d->icloudModule, d->dataView})
        d->stack->addWidget(page);
    d->stack->setCurrentWidget(d->home);
    d->home->setCardEnabled(0, registry->isRegistered(ModuleRegistry::Device));
    d->home->setCardEnabled(1, registry->isRegistered(ModuleRegistry::ITunes));
    d->home->setCardEnabled(2, registry->isRegistered(ModuleRegistry::ICloud));
}

void MainInterfaceFrm::buildMenu()
{
    d->menu = new QMenu(this);
    d->menu->setObjectName(QStringLiteral("MainMenu"));
    const auto addEntry = [this](QMenu *menu, const QString &text, int id) {
        QAction *action = menu->addAction(text);
        action->setData(id);
        connect(action, &QAction::triggered, this, &MainInterfaceFrm::slotMenuActionTriggered);
        return action;
    };
    addEntry(d->menu, QObject::tr("About"), MenuAbout);
    addEntry(d->menu, QObject::tr("Settings"), MenuSettings);
    addEntry(d->menu, QObject::tr("Check for Updates"), MenuCheckForUpdates);

    // Each language in its own words: never translated.
    auto *languages = new QMenu(QObject::tr("Languages"), this);
    languages->setObjectName(QStringLiteral("LanguagesMenu"));
    const QStringList names {QStringLiteral("English"), QStringLiteral("Italiano"),
                             QString::fromUtf8("\xd0\xa0\xd1\x83\xd1\x81\xd1\x81\xd0\xba\xd0\xb8\xd0\xb9"),
                             QStringLiteral("Deutsch"), QString::fromUtf8("Fran\xc3\xa7" "ais"),
                             QString::fromUtf8("Espa\xc3\xb1ol"), QString::fromUtf8("Portugu\xc3\xaas"),
                             QStringLiteral("Japanese"), QString::fromUtf8("\xe7\xae\x80\xe4\xb8\xad"),
                             QString::fromUtf8("\xe7\xb9\x81\xe4\xb8\xad"), QStringLiteral("Yahei"),
                             QStringLiteral("Calibri")};
    for (int i = 0; i < names.size(); ++i)
        addEntry(languages, names.at(i), MenuFirstLanguage + i);
    const QList<QAction *> languageActions = languages->actions();
    languageActions.at(MenuCalibriRemix - MenuFirstLanguage)->setVisible(false);
    languageActions.at(MenuLastStoredLanguage - MenuFirstLanguage)->setVisible(false);
    d->menu->addMenu(languages);

    auto *help = new QMenu(QObject::tr("Help"), this);
    help->setObjectName(QStringLiteral("HelpMenu"));
    addEntry(help, QObject::tr("Guide"), MenuGuide);
    addEntry(help, QObject::tr("FAQ"), MenuFaq);
    addEntry(help, QObject::tr("Open Log Folder"), MenuOpenLogFolder);
    d->menu->addMenu(help);
}

void MainInterfaceFrm::initWindow()
{
    setObjectName(QStringLiteral("MainInterfaceFrm"));
    setWindowTitle(ShellConstants::ProductTitle);
    setTitleSource(nullptr);
    appEventReceivers().insert(0, this);
    ModuleManager::instance()->setCurrent(ModuleManager::Home);
    d->translator = new QTranslator(qApp);
}

void MainInterfaceFrm::recordTranslatableTexts()
{
    const auto keep = [this](const QObject *object, const QString &text, const QString &toolTip) {
        d->textRecords.insert(object, {text, toolTip});
        d->recordConnections << connect(object, &QObject::destroyed, this,
                                        [this](QObject *gone) { d->textRecords.remove(gone); });
    };
    for (const QLabel *label : findChildren<QLabel *>())
        keep(label, label->text(), label->toolTip());
    // Every text button: the kit's own buttons are no QPushButtons.
    for (const QAbstractButton *button : findChildren<QAbstractButton *>())
        keep(button, button->text(), button->toolTip());
    for (const QMenu *menu : findChildren<QMenu *>()) {
        keep(menu, menu->title(), menu->toolTip());
        for (const QAction *action : menu->actions())
            keep(action, action->text(), action->toolTip());
    }
    for (const QLineEdit *edit : findChildren<QLineEdit *>())
        keep(edit, edit->placeholderText(), edit->toolTip());
    for (const QListWidget *list : findChildren<QListWidget *>()) {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        d->listRecords.insert(list, texts);
        d->recordConnections << connect(list, &QObject::destroyed, this, [this](QObject *gone) {
            d->listRecords.remove(static_cast<QListWidget *>(gone));
        });
    }
    for (const QTableWidget *table : findChildren<QTableWidget *>()) {
        QStringList texts;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem *item = table->horizontalHeaderItem(column);
            texts << (item ? item->text() : QString());
        }
        d->headerRecords.insert(table, texts);
        d->recordConnections << connect(table, &QObject::destroyed, this, [this](QObject *gone) {
            d->headerRecords.remove(static_cast<QTableWidget *>(gone));
        });
    }
}

void MainInterfaceFrm::connectSignals()
{
    qRegisterMetaType<MobileDeviceObject *>("MobileDeviceObject*");

    connect(d->home, &HomePageFrm::sigRecoverFromiOSDeviceClicked, this, [this] {
        openModule(d->deviceModule, ModuleManager::IOSDevice, "RecoverfromiOSDevice",
                   QT_TRANSLATE_NOOP("QObject", "Recover Data from iOS Device"));
    });
    connect(d->home, &HomePageFrm::sigRecoverFromiTunesClicked, this, [this] {
        openModule(d->itunesModule, ModuleManager::ITunesBackup, "RecoverfromiTunesBackup",
                   QT_TRANSLATE_NOOP("QObject", "Recover Data from iTunes Backup"));
    });
    connect(d->home, &HomePageFrm::sigRecoverFromiCloudClicked, this, [this] {
        openModule(d->icloudModule, ModuleManager::ICloudBackup, "RecoverfromiCloudBackup",
                   QT_TRANSLATE_NOOP("QObject", "Recover Data from iCloud Backup"));
    });
    for (ModuleBaseFrm *page : {d->deviceModule, d->itunesModule, d->dataView, d->icloudModule})
        connect(page, &ModuleBaseFrm::sigBackButtonClicked, this, &MainInterfaceFrm::goBack);
    for (ModuleBaseFrm *module : {d->deviceModule, d->itunesModule, d->icloudModule}) {
        connect(module, &ModuleBaseFrm::sigJumptoScanDataView, this, [this, module](const QString &id) {
            d->history.append(module);
            showScanDataView(id);
        });
    }

    // The services signal on their own threads: queued, so that the pages
    // are always called on this one.
    MobileDeviceConnect *devices = MobileDeviceConnect::instance();
    connect(devices, &MobileDeviceConnect::newDevice, this, [this](MobileDeviceObject *device) {
        if (ModuleBaseFrm *page = currentPage())
            page->setNewDevice(device);
    }, Qt::QueuedConnection);
    connect(devices, &MobileDeviceConnect::deviceDisconnected, this,
            [this](MobileDeviceObject *device, bool current) {
                if (ModuleBaseFrm *page = currentPage())
                    page->setDeviceDisconnected(device, current);
                else if (device)
                    device->deleteLater(); // it belongs to whoever receives it
            },
            Qt::QueuedConnection);
    connect(devices, &MobileDeviceConnect::deviceStatusChanged, this, [this](MobileDeviceObject *device) {
        if (ModuleBaseFrm *page = currentPage())
            page->setDeviceStatusChanged(device);
    }, Qt::QueuedConnection);
    MobileDeviceBackupManager *backups = MobileDeviceBackupManager::instance();
    connect(backups, &MobileDeviceBackupManager::taskProgress, this,
            [this](int task, const QVariant &a, const QVariant &b, const QVariant &c) {
                if (ModuleBaseFrm *page = currentPage())
                    page->setTaskProgress(task, a, b, c);
            },
            Qt::QueuedConnection);
    connect(backups, &MobileDeviceBackupManager::taskRequested, this,
            [this](int task, const QVariant &a, const QVariant &b) {
                if (ModuleBaseFrm *page = currentPage())
                    page->setTaskRequested(task, a, b);
            },
            Qt::QueuedConnection);

    connect(d->title, &MainInterfaceTitleFrm::signalButtonMinClicked, this, &QWidget::showMinimized);
    connect(d->title, &MainInterfaceTitleFrm::signalButtonCloseClicked, this,
            &MainInterfaceFrm::slotButtonCloseClicked);
    connect(d->title, &MainInterfaceTitleFrm::signalButtonMenu, this, &MainInterfaceFrm::slotButtonMenu);

    // The registered pages' own service connections join the window's.
    ModuleRegistry *registry = ModuleRegistry::instance();
    registry->wirePage(ModuleRegistry::Device, d->deviceModule, this);
    registry->wirePage(ModuleRegistry::ITunes, d->itunesModule, this);
    registry->wirePage(ModuleRegistry::ICloud, d->icloudModule, this);
    registry->wirePage(ModuleRegistry::DataView, d->dataView, this);
}

void MainInterfaceFrm::activateWindow()
{
    raise();
    QWidget::activateWindow();
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
}

void MainInterfaceFrm::setTaskbarProgress(int value)
{
    d->taskbarProgress->setValue(value);
    if (!d->taskbarProgress->isVisible())
        d->taskbarProgress->setVisible(true);
}

void MainInterfaceFrm::setTaskbarProgressVisible(bool visible)
{
    d->taskbarProgress->setVisible(visible);
}

TaskbarProgress *MainInterfaceFrm::taskbarProgress() const
{
    return d->taskbarProgress;
}

MainInterfaceTitleFrm *MainInterfaceFrm::titleFrm() const
{
    return d->title;
}

HomePageFrm *MainInterfaceFrm::homePage() const
{
    return d->home;
}

ModuleBaseFrm *MainInterfaceFrm::page(int index) const
{
    return qobject_cast<ModuleBaseFrm *>(d->stack->widget(index));
}

ModuleBaseFrm *MainInterfaceFrm::currentPage() const
{
    return qobject_cast<ModuleBaseFrm *>(d->stack->currentWidget());
}

int MainInterfaceFrm::historySize() const
{
    return d->history.size();
}

QMenu *MainInterfaceFrm::menu() const
{
    return d->menu;
}

UpgradeDialog *MainInterfaceFrm::upgradeDialog() const
{
    return d->upgradeDialog;
}

void MainInterfaceFrm::setTitleSource(const char *source)
{
    d->titleSource = source;
    updateTitle();
}

void MainInterfaceFrm::updateTitle()
{
    d->title->setTitleText(d->titleSource.isEmpty() ? ShellConstants::ProductTitle
                                                    : QObject::tr(d->titleSource.constData()));
}

void MainInterfaceFrm::openModule(ModuleBaseFrm *module, ModuleManager::ModuleType type, const char *action,
                                  const char *title)
{
    trackEvent("Function", action);
    ModuleManager::instance()->setCurrent(type);
    d->history.append(d->home);
    d->stack->setCurrentWidget(module);
    setTitleSource(title);
    // After the switch, from the event loop.
    QMetaObject::invokeMethod(module, "setInit", Qt::QueuedConnection);
}

void MainInterfaceFrm::goBack()
{
    // Nothing to go back to: stay where we are.
    ModuleBaseFrm *page = nullptr;
    while (!page && !d->history.isEmpty())
        page = d->history.takeLast();
    if (!page)
        return;
    if (page == d->deviceModule) {
        page->setInit();
    } else if (page == d->home) {
        ModuleManager::instance()->setCurrent(ModuleManager::Home);
        setTitleSource(nullptr);
    }
    d->stack->setCurrentWidget(page);
}

void MainInterfaceFrm::showScanDataView(const QString &id)
{
    const MobileDeviceConnect *devices = MobileDeviceConnect::instance();
    const QString deviceId = devices ? devices->currentUniqueDeviceID() : QString();
    QMetaObject::invokeMethod(d->dataView, "startScan", Qt::DirectConnection, Q_ARG(QString, id),
                              Q_ARG(QString, deviceId));
    d->stack->setCurrentWidget(d->dataView);
}

void MainInterfaceFrm::customEvent(QEvent *event)
{
    const auto *appEvent = dynamic_cast<const AppEvent *>(event);
    if (!appEvent)
        return XFramelessWindow::customEvent(event);
    const QVariant data = appEvent->data();
    switch (int(event->type())) {
    case AboutEvent:
        showAbout();
        break;
    case UpdateCheckEvent:
        checkForUpdates();
        break;
    case UpdateResultEvent:
        onUpdateCheckResult(data.toMap());
        break;
    case ExportSettingsEvent:
        showExportSettings();
        break;
    case RestoreEvent:
        if (isMinimized()) {
            raise();
            QWidget::activateWindow();
            setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
            show();
        }
        break;
    case ITunesRunningEvent:
        warnITunesRunning();
        break;
    case CopyMessageEvent:
        handleCopyMessage(data);
        break;
    case TaskbarProgressVisibleEvent:
        setTaskbarProgressVisible(data.toBool());
        break;
    case TaskbarProgressValueEvent: {
        bool ok = false;
        const double percent = data.toDouble(&ok);
        if (!ok || !std::isfinite(percent))
            break;
        // Truncated, within the range (a cast of a double out of int's range
        // would be undefined).
        setTaskbarProgress(int(std::trunc(qBound(-1.0, percent, 101.0))));
        break;
    }
    default:
        break;
    }
}

void MainInterfaceFrm::showAbout()
{
    AboutDialog about(this);
    about.exec();
}

void MainInterfaceFrm::checkForUpdates()
{
    // The user's own check: the dialog waits, open, for the result.
    d->upgradeDialog->showChecking();
    checkOnLineToolsVersion::instance()->checkUpdate();
    d->upgradeDialog->exec();
}

void MainInterfaceFrm::onUpdateCheckResult(const QVariantMap &result)
{
    d->upgradeDialog->showCheckResult(result);
    // Open: the user's check, which the result only fills. Hidden: the
    // check at start, which speaks only of a new version.
    if (!d->upgradeDialog->isVisible() && result.value(QStringLiteral("CheckResult")).toInt() == 1)
        d->upgradeDialog->exec();
}

void MainInterfaceFrm::showExportSettings()
{
    ExportDeployDialog settings(this);
    settings.exec();
}

void MainInterfaceFrm::warnITunesRunning()
{
    // The killer tells every few seconds while iTunes runs: one box at a time.
    if (d->iTunesWarningShown)
        return;
    d->iTunesWarningShown = true;
    XMessageBox::information(this, QString(),
                             QObject::tr("Don't open iTunes while the program is running, or the recovery will fail."),
                             {QObject::tr("OK")}, 1, false);
    d->iTunesWarningShown = false;
}

void MainInterfaceFrm::handleCopyMessage(const QVariant &data)
{
    if (!data.isValid()) {
        XMessageBox::information(this, QString(), QObject::tr("Please export the data locally for viewing."),
                                 {QObject::tr("OK")}, 1, false);
        return;
    }
    const auto request = data.value<QPair<QString, QVariant>>();
    if (request.first == QLatin1String("copy-message"))
        QGuiApplication::clipboard()->setText(request.second.toString());
}

void MainInterfaceFrm::onReady()
{
    setWindowTitle(ShellConstants::ProductTitle);
    setStyleSheet(readFileText(QStringLiteral(":/CSS/AppStyle.css")));
    setFixedSize(1240, 740);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        moveToCenter(this, screen->geometry().width(), screen->geometry().height());
    switchLanguage(SettingsEntry::instance()->value(SettingsKey::Language, SettingsEntry::LanguageIdScope).toInt());

    MobileDeviceConnect *devices = MobileDeviceConnect::instance();
    devices->startAppleMobileDeviceService();
    devices->startIOSListen();

    openWelcomePageOnce();
    QTimer::singleShot(5000, this, [] { iTunesSessionKiller()->resume(); });
    // Its verdict comes back as event 1013.
    checkOnLineToolsVersion::instance()->checkUpdate();
    openBackupFromCommandLine(QCoreApplication::arguments());
    show();
}

void MainInterfaceFrm::openWelcomePageOnce()
{
    SettingsEntry *settings = SettingsEntry::instance();
    if (settings->value(SettingsKey::FirstLaunch, SettingsEntry::UserScope, false).toBool())
        return;
    const QString page = webPage("QUENROW_WELCOME_URL", QStringLiteral("WelcomeUrl"));
    if (!page.isEmpty())
        openUrl(page);
    settings->setValue(SettingsKey::FirstLaunch, 1, SettingsEntry::UserScope);
}

bool MainInterfaceFrm::openBackupFromCommandLine(const QStringList &arguments)
{
    const QString flag = QStringLiteral("--from-context-menu");
    if (!arguments.contains(flag))
        return false;
    // The folder is the first argument after the program; when that is the
    // flag itself, the one after it.
    QString folder = arguments.value(1);
    if (folder == flag)
        folder = arguments.value(2);
    if (folder.isEmpty())
        return false;
    // A regular file only: a pipe or a device under that name would block.
    const QString manifest = folder + QStringLiteral("/Manifest.plist");
    if (!QFileInfo(manifest).isFile())
        return false;
    QFile file(manifest);
    if (!file.open(QIODevice::ReadOnly) || !file.read(64).startsWith("bplist"))
        return false;
    ScaniTunesBackupManage::instance()->appendBackupPath(folder);
    return true;
}

void MainInterfaceFrm::slotButtonMenu()
{
    QPoint at = QCursor::pos() + QPoint(-20, 20);
    // Opened from the keyboard or a screen reader, the pointer may be
    // anywhere: then the menu opens below its button.
    const auto *button = d->title->findChild<QWidget *>(QStringLiteral("ButtonMenu"));
    if (button && !button->rect().contains(button->mapFromGlobal(QCursor::pos())))
        at = button->mapToGlobal(QPoint(button->width() - d->menu->sizeHint().width(), button->height()));
    d->menu->exec(at);
}

void MainInterfaceFrm::slotMenuActionTriggered()
{
    const auto *action = qobject_cast<const QAction *>(sender());
    if (!action)
        return;
    const int id = action->data().toInt();
    switch (id) {
    case MenuAbout:
        QCoreApplication::postEvent(this, new AppEvent(AboutEvent, QVariant()));
        break;
    case MenuSettings:
        QCoreApplication::postEvent(this, new AppEvent(ExportSettingsEvent, QVariant()));
        break;
    case MenuCheckForUpdates:
        QCoreApplication::postEvent(this, new AppEvent(UpdateCheckEvent, QVariant()));
        break;
    case MenuCalibriRemix:
        switchLanguage(id);
        break;
    case MenuGuide:
    case MenuFaq: {
        const QString page = id == MenuGuide ? webPage("QUENROW_GUIDE_URL", QStringLiteral("GuideUrl"))
                                             : webPage("QUENROW_FAQ_URL", QStringLiteral("FaqUrl"));
        if (!page.isEmpty())
            openUrl(page);
        break;
    }
    case MenuOpenLogFolder:
        openUrl(SettingsEntry::instance()->logPath(), true);
        break;
    default:
        if (id >= MenuFirstLanguage && id <= MenuLastStoredLanguage) {
            SettingsEntry::instance()->setValue(SettingsKey::Language, id, SettingsEntry::LanguageIdScope);
            switchLanguage(id);
        }
        break;
    }
}

void MainInterfaceFrm::switchLanguage(const int &id)
{
    const LanguageTable::Language language = LanguageTable::language(id);
    // Out and in again: installing the same translator twice would list it
    // twice, and an empty one (English) announces no change by itself.
    QCoreApplication::removeTranslator(d->translator);
    d->translator->load(language.translationFile);
    QCoreApplication::installTranslator(d->translator);

    if (QApplication::font().family() == language.fontFamily)
        return;
    QFont font = QApplication::font();
    font.setFamily(language.fontFamily);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setPointSize(language.pointSize);
    font.setWeight(QFont::Normal);
    QApplication::setFont(font);
    for (QWidget *widget : findChildren<QWidget *>()) {
        QFont own = widget->font();
        own.setFamily(language.fontFamily);
        own.setStyleStrategy(QFont::PreferAntialias);
        own.setWeight(QFont::Normal);
        widget->setFont(own);
    }
}

void MainInterfaceFrm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    XFramelessWindow::changeEvent(event);
}

void MainInterfaceFrm::retranslate()
{
    // Only what has a record: what was made later keeps the texts its page
    // gave it, and "@Bypassed" widgets are their page's own.
    const auto recordOf = [this](const QObject *object, TextRecord *record) {
        const auto found = d->textRecords.constFind(object);
        if (found == d->textRecords.constEnd())
            return false;
        *record = found.value();
        return true;
    };
    TextRecord record;
    for (QLabel *label : findChildren<QLabel *>()) {
        if (isBypassed(label) || !recordOf(label, &record))
            continue;
        if (!record.first.isEmpty())
            label->setText(translated(record.first));
        label->setToolTip(translated(record.second));
    }
    for (QAbstractButton *button : findChildren<QAbstractButton *>()) {
        if (!isBypassed(button) && recordOf(button, &record))
            button->setText(translated(record.first));
    }
    for (QMenu *menu : findChildren<QMenu *>()) {
        if (recordOf(menu, &record))
            menu->setTitle(translated(record.first));
        for (QAction *action : menu->actions()) {
            if (recordOf(action, &record))
                action->setText(translated(record.first));
        }
    }
    for (QListWidget *list : findChildren<QListWidget *>()) {
        const QStringList texts = d->listRecords.value(list);
        for (int row = 0; row < qMin(texts.size(), list->count()); ++row)
            list->item(row)->setText(translated(texts.at(row)));
    }
    for (QTableWidget *table : findChildren<QTableWidget *>()) {
        const QStringList texts = d->headerRecords.value(table);
        for (int column = 0; column < qMin(texts.size(), table->columnCount()); ++column) {
            if (QTableWidgetItem *item = table->horizontalHeaderItem(column))
                item->setText(translated(texts.at(column)));
        }
    }
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        if (!isBypassed(edit) && recordOf(edit, &record))
            edit->setPlaceholderText(translated(record.first));
    }
    updateTitle();
    for (int index = 0; index < d->stack->count(); ++index) {
        if (ModuleBaseFrm *module = page(index))
            module->resetUI();
    }
}

void MainInterfaceFrm::showEvent(QShowEvent *event)
{
    setAttribute(Qt::WA_Mapped);
    XFramelessWindow::showEvent(event);
}

void MainInterfaceFrm::slotButtonCloseClicked()
{
    ModuleBaseFrm *page = currentPage();
    if (!page || !page->quit())
        return;
    QuitSequence::run();
}
