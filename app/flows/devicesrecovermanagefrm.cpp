#include "devicesrecovermanagefrm.h"

#include "analyticstracker.h"
#include "appevent.h"
#include "backupdataflowtemplate.h"
#include "deviceparser.h"
#include "fileutils.h"
#include "flowdevice.h"
#include "flowlinks.h"
#include "formatutils.h"
#include "iosdevicesrecoverfrm.h"
#include "iosenteriphonepasscodedialog.h"
#include "mobiledevicebackupmanager.h"
#include "mobiledeviceconnect.h"
#include "settingsentry.h"
#include "verifybackuppassword.h"
#include "xmessagebox.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>

namespace
{
    const char *const kCategory = "RecoverfromiOSDevice";
    const char *const kAction = "RecoverDataProcess";
    const qint64 kMinimumDeviceSpace = 200 * 1024 * 1024;

    enum Task
    {
        BackupTask = 0,
        DecryptTask = 1,
        RequestTask = 2
    };

    const char *const kRowTexts[] = {QT_TRANSLATE_NOOP("QObject", "Analyze device environment"),
                                     QT_TRANSLATE_NOOP("QObject", "Back up iOS device data %1"),
                                     QT_TRANSLATE_NOOP("QObject", "Decrypt data %1")};

    QString analysisFailedText()
    {
        return QObject::tr("An error was encountered and the analysis device failed. Please try again!");
    }

    // The backup program's "2|" texts come with their line end.
    int requestCode(const QVariant &value)
    {
        return value.toString().trimmed().toInt();
    }
}

const QString DevicesRecoverManageFrm::FixedBackupPassword = QStringLiteral("Q");
const QString DevicesRecoverManageFrm::PlaceholderDeviceId = QStringLiteral("XXXXXXXX-XXXXXXXXXXXXXXXX");

class DevicesRecoverManageFrmPrivate
{
public:
    bool stopped = false;
    double backupPercent = -1.0;
    double decryptPercent = -1.0;
    int stage = 0;
    IOSDevicesRecoverFrm *view = nullptr;
    IOSEnterIphonePasscodeDialog *passcodeDialog = nullptr;
    // What the checks found of the phone's backup encryption.
    bool deviceEncrypted = false;
    QString pendingFolder;
};

DevicesRecoverManageFrm::DevicesRecoverManageFrm(QWidget *parent)
    : QWidget(parent)
    , d(new DevicesRecoverManageFrmPrivate)
{
    setObjectName(QStringLiteral("DevicesRecoverManageFrm"));
    d->view = new IOSDevicesRecoverFrm(this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->view);
    d->passcodeDialog = new IOSEnterIphonePasscodeDialog(this);
    resetProgress();
}

DevicesRecoverManageFrm::~DevicesRecoverManageFrm() = default;

void DevicesRecoverManageFrm::resetProgress()
{
    d->stopped = false;
    d->backupPercent = -1.0;
    d->decryptPercent = -1.0;
    d->stage = 0;
    d->deviceEncrypted = false;
    d->view->setRowState(0, StepRunning);
    d->view->setRowState(1, StepWaiting);
    d->view->setRowState(2, StepWaiting);
    refreshTexts();
}

QString DevicesRecoverManageFrm::rowText(int row, double percent, bool finished) const
{
    const QString text = QObject::tr(kRowTexts[row]);
    if (row == 0)
        return text;
    if (finished)
        return text.arg(QStringLiteral("(%1%)").arg(100));
    if (percent < 0)
        return text.arg(QString());
    return text.arg(QStringLiteral("(%1%)").arg(QString::number(percent, 'f', 1)));
}

void DevicesRecoverManageFrm::refreshTexts()
{
    d->view->setRowText(0, rowText(0, -1, false));
    d->view->setRowText(1, rowText(1, d->backupPercent, false));
    d->view->setRowText(2, rowText(2, d->decryptPercent, false));
    const MobileDeviceInfo device = FlowDevice::current();
    d->view->setDeviceText(QObject::tr("Device: <font color=\"#558AF8\";>%1(%2)</font>")
                               .arg(device.deviceName.toHtmlEscaped(), device.modelName.toHtmlEscaped()));
}

bool DevicesRecoverManageFrm::typesNeedEncryption() const
{
    const QVector<int> categories = DeviceParser::instance()->scanCategories(0);
    return categories.contains(64) || categories.contains(256) || categories.contains(1024);
}

bool DevicesRecoverManageFrm::checkDeviceReady()
{
    MobileDeviceConnect *devices = MobileDeviceConnect::instance();
    if (!devices)
        return false;

    // 1. The phone's backup encryption. A phone that does not answer (locked
    // since it restarted, trust revoked meanwhile) is asked again by the
    // user, never taken as unencrypted.
    const MobileDeviceConnect::BackupEncryption encryption = devices->backupEncryption();
    if (d->stopped)
        return false;
    if (encryption == MobileDeviceConnect::BackupEncryption::Unknown && devices->currentDevice()) {
        XMessageBox::information(this, QString(),
                                 QObject::tr("Cannot read your device. Please unlock it, tap \"Trust\" on it if it "
                                             "asks, then try again."),
                                 {QObject::tr("OK")}, 1, false);
        return false;
    }
    d->deviceEncrypted = encryption == MobileDeviceConnect::BackupEncryption::On;
    if (d->deviceEncrypted) {
        trackEvent(kCategory, kAction, "Popup_DeviceEncrypted");
        // Verified only: the backup stays encrypted and is decrypted afterwards.
        QPointer<verifyBackupPassword> dialog = new verifyBackupPassword(false, true, this);
        const int result = d->stopped ? 0 : dialog->exec();
        delete dialog;
        if (d->stopped || result != verifyBackupPassword::Accepted)
            return false;
        trackEvent(kCategory, kAction, "DecryptionSuccess");
    }

    // 2. Room on the phone for the backup's own files.
    const qint64 free = devices->deviceFreeSpace();
    if (free < 0 || free <= kMinimumDeviceSpace) {
        if (d->stopped)
            return false;
        trackEvent(kCategory, kAction, "NotEnoughSpace");
        XMessageBox::information(this, QString(),
                                 QObject::tr("Not enough space! Please make sure there is more than 200MB of free "
                                             "space on your device and try again."),
                                 {QObject::tr("OK")}, 1, false);
        return false;
    }

    // 3. Calls, FaceTime and Safari history come only from an encrypted backup on iOS 13 and later.
    if (!d->stopped && typesNeedEncryption()) {
        const QString version =
            devices->currentDevice() ? devices->currentProductVersion() : QStringLiteral("15.0.0");
        if (compareVersion(version, QStringLiteral("13.0.0")) >= 0)
            return enableBackupEncryption();
    }
    return !d->stopped;
}

bool DevicesRecoverManageFrm::enableBackupEncryption()
{
    if (d->deviceEncrypted)
        return true;
    if (d->stopped)
        return false;
    const int answer = XMessageBox::information(
        this, QString(),
        QObject::tr("According to Apple's privacy policy, iOS13 and above versions require encrypted backups to scan "
                    "call logs, FaceTime and Safari history. The program will set the backup password to <font "
                    "color=\"#558AF8\";>%1 (please remember this password)</font>. It will take a long time, are "
                    "you confirm to continue?")
            .arg(FixedBackupPassword),
        {QObject::tr("Yes"), QObject::tr("Cancel")}, 1, false);
    if (answer != 1 || d->stopped)
        return false;
    if (MobileDeviceConnect::instance()->setDeviceBackupPassword(FixedBackupPassword))
        return !d->stopped;
    if (d->stopped)
        return false;
    XMessageBox::information(this, QString(), analysisFailedText(), {QObject::tr("OK")}, 1, true);
    return false;
}

void DevicesRecoverManageFrm::startBackup()
{
    trackEvent(kCategory, kAction, "StartDozadudEDData");
    d->stage = 1;
    d->view->setRowState(0, StepDone);
    SettingsEntry *settings = SettingsEntry::instance();
    MobileDeviceBackupManager *backups = MobileDeviceBackupManager::instance();
    const QString root = settings->backupRootPath();
    // A folder of its own: a second scan within the same second must not
    // write into the first one's backup, which its scan may still read.
    qint64 seconds = QDateTime::currentSecsSinceEpoch();
    QString folder;
    do
        folder = QStringLiteral("%1/VXBackup_%2").arg(root).arg(seconds++);
    while (QFileInfo::exists(folder));
    settings->addCleanupPath(root);
    settings->addCleanupPath(folder);
    backups->setBackupPath(folder);
    d->pendingFolder = folder;

    const MobileDeviceConnect *devices = MobileDeviceConnect::instance();
    QString udid = devices && devices->currentDevice() ? devices->currentUniqueDeviceID() : QString();
    if (udid.isEmpty())
        udid = PlaceholderDeviceId;
    QVector<int> categories = DeviceParser::instance()->scanCategories(0);
    // Photos and album videos are read from the phone itself.
    categories.removeAll(16);
    categories.removeAll(32);
    if (categories.isEmpty()) {
        d->pendingFolder.clear();
        emit sigBackupFinish(folder);
        return;
    }
    d->view->setRowState(1, StepRunning);
    if (!backups->startBackup(folder, udid, categories)) {
        // Another backup still runs.
        d->view->setRowState(1, StepFailed);
        emit sigBackupFailed();
    }
}

void DevicesRecoverManageFrm::onTaskProgress(int task, QVariant p1, QVariant p2, QVariant p3)
{
    if (d->stopped)
        return;
    const int what = p1.toInt();
    if (task == BackupTask) {
        if (what == 0) {
            d->stage = 2;
            d->backupPercent = 100;
            d->view->setRowText(1, rowText(1, 100, true));
            d->view->setRowState(1, StepDone);
            // The folder says whether it is encrypted, not a second question to the phone.
            const QString folder = p2.toString();
            if (!MobileDeviceBackupManager::instance()->checkIOSBackupEncrypt(folder))
                finishDecryption(folder);
            else
                startDecryption();
        } else if (what == 2) {
            d->backupPercent = p2.toDouble();
            d->view->setRowText(1, rowText(1, d->backupPercent, false));
            sendAppEvent(1255, d->backupPercent);
        } else if (what == -1 || what == 3) {
            d->view->setRowState(d->stage, StepFailed);
            postAppEvent(1254, false);
        }
    } else if (task == DecryptTask) {
        if (what == 1) {
            d->view->setRowState(2, StepRunning);
        } else if (what == 2) {
            const double total = p3.toDouble();
            d->decryptPercent = total > 0 ? p2.toDouble() / total * 100.0 : 0.0;
            d->view->setRowText(2, rowText(2, d->decryptPercent, false));
            sendAppEvent(1255, d->decryptPercent);
        } else if (what == 0) {
            // The end tells its result; an end without one counts as done.
            if (p3.isValid() && !p3.toBool())
                failDecryption();
            else
                finishDecryption(p2.toString());
        }
    }
}

void DevicesRecoverManageFrm::finishDecryption(const QString &folder)
{
    trackEvent(kCategory, kAction, "DozadudEDDataSuccess");
    d->decryptPercent = 100;
    d->view->setRowText(2, rowText(2, 100, true));
    d->view->setRowState(2, StepDone);
    postAppEvent(1254, false);
    MobileDeviceBackupManager::instance()->setBackupDataPath(folder);
    d->pendingFolder.clear();
    emit sigBackupFinish(folder);
}

void DevicesRecoverManageFrm::failDecryption()
{
    d->view->setRowState(2, StepFailed);
    postAppEvent(1254, false);
    XMessageBox::information(this, QString(), analysisFailedText(), {QObject::tr("OK")}, 1, true);
    emit sigBackupFailed();
}

void DevicesRecoverManageFrm::startDecryption()
{
    MobileDeviceBackupManager *backups = MobileDeviceBackupManager::instance();
    const QString backupPath = backups->backupPath();
    const QString dataPath = backups->backupDataPath();
    const qint64 size = backups->backupSize();
    // The volume of the folder itself: it need not be a drive's root here.
    const quint64 free = diskFreeBytes(backupPath);
    if (double(free) < double(size) * 1.2) {
        const int answer = XMessageBox::information(
            this, QString(), QObject::tr("There is not enough disk space to decrypt all backup. Do you want to continue?"),
            {QObject::tr("No"), QObject::tr("Continue")}, 2, false);
        if (answer != 2) {
            d->view->setRowState(2, StepFailed);
            postAppEvent(1254, false);
            if (!d->stopped)
                emit sigBackupFailed();
            return;
        }
    }
    if (d->stopped)
        return;
    const QString target = QStringLiteral("%1/BackupDecrypt_%2").arg(backupPath, QFileInfo(dataPath).fileName());
    backups->decryptBackupAsync(dataPath, target, MobileDeviceConnect::instance()->backupPassword());
}

void DevicesRecoverManageFrm::onTaskRequested(int task, QVariant p1, QVariant p2)
{
    if (d->stopped)
        return;
    if (task == BackupTask) {
        const int code = p1.toInt();
        const QString reason = code == 0 ? p2.toString().trimmed().toHtmlEscaped() : QString::number(code);
        XMessageBox::information(this, QString(),
                                 QObject::tr("Sorry, an error occurred(%1).<br><br><a style='color:#558AF8;'href "
                                             "=\"%2\">Check solutions</a>")
                                     .arg(reason, FlowLinks::errorCodeHelpPage().toHtmlEscaped()),
                                 {QObject::tr("OK")}, 1, true);
    } else if (task == RequestTask) {
        const int request = requestCode(p1);
        if (request == 1) {
            MobileDeviceConnect *devices = MobileDeviceConnect::instance();
            if (!devices || d->passcodeDialog->isVisible())
                return;
            if (compareVersion(devices->currentProductVersion(), QStringLiteral("15.7.1")) >= 0
                && devices->isPasswordProtect() && d->passcodeDialog->exec() == 255)
                MobileDeviceBackupManager::instance()->stopBackup();
        } else if (request == 2) {
            if (d->passcodeDialog->isVisible())
                d->passcodeDialog->done(254);
        }
    }
}

void DevicesRecoverManageFrm::stop()
{
    d->stopped = true;
    d->view->setRowState(d->stage, StepFailed);
    postAppEvent(1254, false);
    for (QDialog *dialog : findChildren<QDialog *>()) {
        if (dialog->isVisible())
            dialog->done(254);
    }
}

QString DevicesRecoverManageFrm::pendingBackupFolder() const
{
    return d->pendingFolder;
}

bool DevicesRecoverManageFrm::isStopped() const
{
    return d->stopped;
}

int DevicesRecoverManageFrm::stage() const
{
    return d->stage;
}

double DevicesRecoverManageFrm::backupPercent() const
{
    return d->backupPercent;
}

double DevicesRecoverManageFrm::decryptPercent() const
{
    return d->decryptPercent;
}

IOSDevicesRecoverFrm *DevicesRecoverManageFrm::view() const
{
    return d->view;
}

IOSEnterIphonePasscodeDialog *DevicesRecoverManageFrm::passcodeDialog() const
{
    return d->passcodeDialog;
}
