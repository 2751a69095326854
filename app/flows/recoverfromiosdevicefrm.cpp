#include "recoverfromiosdevicefrm.h"

#include "analyticstracker.h"
#include "deviceexceptionfrm.h"
#include "devicenotconnectfrm.h"
#include "devicenotrecognizedfrm.h"
#include "deviceparser.h"
#include "devicesrecovermanagefrm.h"
#include "devicetrustunlockfrm.h"
#include "mobiledevicebackupmanager.h"
#include "mobiledeviceconnect.h"
#include "mobiledeviceobject.h"
#include "modulemanager.h"
#include "quorlin.h"
#include "scanbackupselecttypefrm.h"
#include "settingsentry.h"
#include "xmessagebox.h"
#include "vlog.h"

#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace
{
    const char *const kCategory = "RecoverfromiOSDevice";

    // The analytics label of each chosen category, in the order chosen.
    QString categoryFragment(int id)
    {
        switch (id) {
        case 1: return QStringLiteral("Contacts_");
        case 2: return QStringLiteral("Messages_");
        case 4: return QStringLiteral("Voicemails_");
        case 8: return QStringLiteral("VoiceMemos_");
        case 16: return QStringLiteral("Photos_");
        case 32: return QStringLiteral("Video in album_");
        case 64: return QStringLiteral("FaceTime_");
        case 128: return QStringLiteral("SafariBookmarks_");
        case 256: return QStringLiteral("SafariHistory_");
        case 512: return QStringLiteral("Notes_");
        case 1024: return QStringLiteral("CallHistory_");
        case 2048: return QStringLiteral("Calendars_");
        case 4096: return QStringLiteral("Reminders_");
        case 8192: return QStringLiteral("AppPhotos_");
        case 16384: return QStringLiteral("AppVideos_");
        case 32768: return QStringLiteral("AppAudios_");
        case 65536: return QStringLiteral("AppDocuments_");
        case 131072: return QStringLiteral("AppWhatsApp_");
        case 262144: return QStringLiteral("AppLINE_");
        default: return QString();
        }
    }

    bool isSelectiveModule()
    {
        return ModuleManager::instance()->current() == ModuleManager::IOSDeviceSelectiveBackup;
    }

    void setModuleType()
    {
        ModuleManager::instance()->setCurrent(MobileDeviceBackupManager::instance()->usesNewHelper()
                                                  ? ModuleManager::IOSDeviceSelectiveBackup
                                                  : ModuleManager::IOSDevice);
    }
}

class RecoverFromiOSDeviceFrmPrivate
{
public:
    bool stopping = false;
    bool started = false;
    QTimer *timer = nullptr;
    DeviceNotConnectFrm *notConnected = nullptr;
    ScanBackupSelectTypeFrm *selectType = nullptr;
    DevicesRecoverManageFrm *driver = nullptr;
    DevicEexceptionFrm *exception = nullptr;
    deviceTrustUnlockFrm *trust = nullptr;
    QStackedLayout *stack = nullptr;
    QPushButton *backButton = nullptr;
    QPushButton *startScanButton = nullptr;
};

RecoverFromiOSDeviceFrm::RecoverFromiOSDeviceFrm(QWidget *parent)
    : ModuleBaseFrm(parent)
    , d(new RecoverFromiOSDeviceFrmPrivate)
{
    setObjectName(QStringLiteral("RecoverFromiOSDeviceFrm"));
    d->timer = new QTimer(this);
    d->notConnected = new DeviceNotConnectFrm(this);
    d->selectType = new ScanBackupSelectTypeFrm(this);
    d->driver = new DevicesRecoverManageFrm(this);
    d->exception = new DevicEexceptionFrm(this);
    d->trust = new deviceTrustUnlockFrm(this);
    d->stack = new QStackedLayout;
    d->stack->addWidget(d->notConnected);
    d->stack->addWidget(d->selectType);
    d->stack->addWidget(d->driver);
    d->stack->addWidget(d->exception);
    d->stack->addWidget(d->trust);

    d->backButton = new QPushButton(QObject::tr("Back"));
    d->backButton->setObjectName(QStringLiteral("BackButton"));
    d->backButton->setFixedSize(100, 36);
    //: Button that starts reading the chosen categories from the device or backup; about 14 characters fit.
    d->startScanButton = new QPushButton(QObject::tr("Start Scan"));
    d->startScanButton->setObjectName(QStringLiteral("StartScanButton"));
    d->startScanButton->setFixedSize(154, 36);
    d->startScanButton->hide();

    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("DeviceModuleBar"));
    bar->setFixedHeight(68);
    bar->setStyleSheet(QStringLiteral("QFrame{border-top: 2px solid rgb(240,240,240);background: #FFFFFF;}"));
    d->backButton->setParent(bar);
    d->startScanButton->setParent(bar);
    auto *barRow = new QHBoxLayout(bar);
    barRow->setContentsMargins(0, 0, 0, 0);
    barRow->addSpacing(10);
    barRow->addWidget(d->backButton);
    barRow->addStretch();
    barRow->addWidget(d->startScanButton);
    barRow->addSpacing(10);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(d->stack);
    layout->addWidget(bar);

    connect(d->backButton, &QPushButton::clicked, this, &RecoverFromiOSDeviceFrm::slotBackButtonClicked);
    connect(d->driver, &DevicesRecoverManageFrm::sigBackupFinish, this, &RecoverFromiOSDeviceFrm::onBackupFinished);
    connect(d->driver, &DevicesRecoverManageFrm::sigBackupFailed, this, &RecoverFromiOSDeviceFrm::onBackupFailed);
    connect(d->notConnected, &DeviceNotConnectFrm::sigDeviceNotrecognized, this, [this] {
        DeviceNotrecognizedFrm help(this);
        help.exec();
    });
    connect(d->selectType, &ScanBackupSelectTypeFrm::sigSelectState, this, [this](bool anySelected) {
        // The cards stay live while the flow runs; the button does not.
        if (!d->started || !isSelectiveModule())
            d->startScanButton->setEnabled(anySelected);
    });
    connect(d->stack, &QStackedLayout::currentChanged, this, &RecoverFromiOSDeviceFrm::updateStartScanButton);
    connect(d->startScanButton, &QPushButton::clicked, this, [this] {
        commitCategories();
        startScan();
    });
    connect(d->timer, &QTimer::timeout, this, &RecoverFromiOSDeviceFrm::onBackupTimeout);
}

RecoverFromiOSDeviceFrm::~RecoverFromiOSDeviceFrm() = default;

void RecoverFromiOSDeviceFrm::setInit()
{
    if (d->stack->currentIndex() == NotConnectedPage)
        emit d->stack->currentChanged(NotConnectedPage);
    else
        d->stack->setCurrentIndex(NotConnectedPage);
    refreshModule();
}

void RecoverFromiOSDeviceFrm::resetUI()
{
    d->notConnected->refreshTexts();
    d->exception->refreshTexts();
    d->trust->refreshTexts();
    d->selectType->refreshTexts();
    d->driver->refreshTexts();
}

void RecoverFromiOSDeviceFrm::refreshModule()
{
    resetUI();
    setModuleType();
    d->started = false;
    d->timer->stop();
    updatePage();
}

void RecoverFromiOSDeviceFrm::updatePage()
{
    MobileDeviceConnect *devices = MobileDeviceConnect::instance();
    const MobileDeviceObject *device = devices ? devices->currentDevice() : nullptr;
    const MobileDeviceInfo info = device ? device->info() : MobileDeviceInfo();
    QString label = QStringLiteral("NotDeviceConnectedPage");
    QString value;
    int page = NotConnectedPage;
    if (device && info.restorable) {
        if (info.state == RESTORABLE_DEVICE_ARRIVED) {
            label = QStringLiteral("DeviceAbnormalPage");
            value = devices->isCurrentDeviceDFU() ? QStringLiteral("DFU") : QStringLiteral("Recover");
            page = ExceptionPage;
        }
    } else if (device) {
        if (info.state == DEVICE_CONNECTED) {
            label = QStringLiteral("Trust_UnlockPage");
            page = TrustPage;
        } else if (info.state == DEVICE_TRUSTED) {
            label = QStringLiteral("DeviceConnectedSuccPage");
            page = SelectTypePage;
        }
    }
    trackEvent(QString::fromLatin1(kCategory), QStringLiteral("DeviceConnection"), label,
               value.isEmpty() ? QVariant() : QVariant(value));
    d->stack->setCurrentIndex(page);
}

void RecoverFromiOSDeviceFrm::updateStartScanButton()
{
    if (d->stack->currentIndex() != SelectTypePage) {
        d->startScanButton->hide();
        return;
    }
    d->startScanButton->setEnabled(d->selectType->isAnySelected());
    d->startScanButton->show();
}

void RecoverFromiOSDeviceFrm::closeDialogs()
{
    for (QDialog *dialog : findChildren<QDialog *>()) {
        if (dialog->isVisible())
            dialog->done(254);
    }
}

void RecoverFromiOSDeviceFrm::commitCategories()
{
    const QVector<int> ids = d->selectType->selectedItems();
    QString label;
    for (int id : ids)
        label += categoryFragment(id);
    trackEvent(QString::fromLatin1(kCategory), QStringLiteral("SelelctAppType"), label);
    DeviceParser::instance()->setScanCategories(0, ids);
    QStringList numbers;
    for (int id : ids)
        numbers << QString::number(id);
    vlogInfo(QStringLiteral("Start Scan: categories %1").arg(numbers.join(',')));
}

void RecoverFromiOSDeviceFrm::setButtonsEnabled(bool enabled)
{
    d->backButton->setEnabled(enabled);
    d->startScanButton->setEnabled(enabled && d->selectType->isAnySelected());
}

void RecoverFromiOSDeviceFrm::startScan()
{
    trackEvent(kCategory, "RecoverDataProcess", "Click_StartScan");
    d->driver->resetProgress();
    d->started = true;
    if (isSelectiveModule()) {
        trackEvent(kCategory, "RecoverDataProcess", "EnterAnalyseDevicePage");
        setButtonsEnabled(false);
        d->selectType->showAnalyzing(true);
    }
    QPointer<RecoverFromiOSDeviceFrm> self(this);
    const bool ready = d->driver->checkDeviceReady();
    if (!self)
        return;
    if (!ready) {
        // Nothing runs: the person may change the choice or try again.
        endFlow();
        return;
    }
    d->driver->startBackup();
}

void RecoverFromiOSDeviceFrm::endFlow()
{
    d->timer->stop();
    d->started = false;
    setButtonsEnabled(true);
    d->selectType->showAnalyzing(false);
}

void RecoverFromiOSDeviceFrm::onBackupFinished(const QString &folder)
{
    if (!d->started)
        return;
    endFlow();
    emit sigJumptoScanDataView(folder);
}

void RecoverFromiOSDeviceFrm::onBackupFailed()
{
    if (d->started)
        endFlow();
}

void RecoverFromiOSDeviceFrm::onBackupTimeout()
{
    // The backup goes on: the scan-result page takes its end (and the
    // decryption) from here. Only once per scan, and never once the backup
    // ended (the driver hands over then).
    if (!d->started)
        return;
    endFlow();
    emit sigJumptoScanDataView(MobileDeviceBackupManager::instance()->backupDataPath());
}

void RecoverFromiOSDeviceFrm::setTaskProgress(int task, QVariant p1, QVariant p2, QVariant p3)
{
    if (!d->started)
        return;
    const int what = p1.toInt();
    // The backup ended: the driver hands over (after the decryption when
    // there is one), never the fallback.
    if (task == 0 && (what == 0 || what == -1 || what == 3))
        d->timer->stop();
    QPointer<RecoverFromiOSDeviceFrm> self(this);
    d->driver->onTaskProgress(task, p1, p2, p3);
    if (!self || !d->started)
        return;
    if (isSelectiveModule() && task == 0 && (what == -1 || what == 3)) {
        // A crash may report twice (3, then -1): one message per scan.
        endFlow();
        if (!d->stopping)
            XMessageBox::information(this, QString(),
                                     QObject::tr("An error was encountered and the analysis device failed. Please try "
                                                 "again!"),
                                     {QObject::tr("OK")}, 1, true);
    }
}

void RecoverFromiOSDeviceFrm::setTaskRequested(int task, QVariant p1, QVariant p2)
{
    if (!d->started)
        return;
    if (isSelectiveModule()) {
        if (task == 0) {
            setButtonsEnabled(true);
            d->selectType->showAnalyzing(false);
            d->timer->stop();
        } else if (task == 2 && p1.toString().trimmed().toInt() == 2) {
            d->timer->start(FallbackMs);
        }
    }
    d->driver->onTaskRequested(task, p1, p2);
}

void RecoverFromiOSDeviceFrm::setNewDevice(MobileDeviceObject *)
{
    if (!d->started && !d->stopping && !MobileDeviceBackupManager::instance()->isRunning())
        refreshModule();
}

void RecoverFromiOSDeviceFrm::setDeviceStatusChanged(MobileDeviceObject *)
{
    if (!d->started && !d->stopping && !MobileDeviceBackupManager::instance()->isRunning())
        refreshModule();
}

void RecoverFromiOSDeviceFrm::setDeviceDisconnected(MobileDeviceObject *device, bool)
{
    if (device)
        device->deleteLater();
    closeDialogs();
    if (isSelectiveModule()) {
        d->stopping = true;
        d->driver->stop();
        MobileDeviceBackupManager::instance()->stopBackup();
        QPointer<RecoverFromiOSDeviceFrm> self(this);
        XMessageBox::warning(this, QString(), QObject::tr("Your device is disconnected, please reconnect."),
                             {QObject::tr("OK")}, 1, false);
        if (!self)
            return;
        d->stopping = false;
        // Only a backup of this flow that never reached the scan.
        if (!d->driver->pendingBackupFolder().isEmpty())
            SettingsEntry::instance()->cleanBackupFolders(false, true);
    }
    setButtonsEnabled(true);
    d->selectType->showAnalyzing(false);
    resetUI();
    setModuleType();
    d->started = false;
    d->timer->stop();
    updatePage();
}

bool RecoverFromiOSDeviceFrm::quit()
{
    MobileDeviceBackupManager *backups = MobileDeviceBackupManager::instance();
    if (!backups->isRunning())
        return true;
    const int answer = XMessageBox::question(this, QString(),
                                             QObject::tr("Backing up data, are you sure you want to exit the program?"),
                                             {QObject::tr("Exit"), QObject::tr("Cancel")}, 1, false);
    if (answer != 1)
        return false;
    d->driver->stop();
    backups->stopBackup();
    // The program ends: the stopped backup's end is no failure to tell.
    endFlow();
    return true;
}

void RecoverFromiOSDeviceFrm::slotBackButtonClicked()
{
    closeDialogs();
    d->stack->setCurrentIndex(NotConnectedPage);
    emit sigBackButtonClicked();
}

int RecoverFromiOSDeviceFrm::currentPage() const
{
    return d->stack->currentIndex();
}

bool RecoverFromiOSDeviceFrm::isStarted() const
{
    return d->started;
}

QPushButton *RecoverFromiOSDeviceFrm::backButton() const
{
    return d->backButton;
}

QPushButton *RecoverFromiOSDeviceFrm::startScanButton() const
{
    return d->startScanButton;
}

DevicesRecoverManageFrm *RecoverFromiOSDeviceFrm::driver() const
{
    return d->driver;
}

ScanBackupSelectTypeFrm *RecoverFromiOSDeviceFrm::selectTypePage() const
{
    return d->selectType;
}

deviceTrustUnlockFrm *RecoverFromiOSDeviceFrm::trustPage() const
{
    return d->trust;
}

QTimer *RecoverFromiOSDeviceFrm::fallbackTimer() const
{
    return d->timer;
}
