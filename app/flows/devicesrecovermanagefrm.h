#pragma once

#include <QScopedPointer>
#include <QVariant>
#include <QWidget>

class DevicesRecoverManageFrmPrivate;
class IOSDevicesRecoverFrm;
class IOSEnterIphonePasscodeDialog;

// Takes a connected, trusted phone from "Start Scan" to a folder to scan:
// the device checks (backup encryption and its password, free space on the
// phone, the encrypted backup that newer iOS needs for some categories),
// the backup into a folder of its own, and the decryption of that backup
// when it is encrypted. The module forwards the backup manager's signals.
//
// The phone's backup encryption is never switched off: an encrypted backup
// is decrypted afterwards with the password the user verified.
class DevicesRecoverManageFrm : public QWidget
{
    Q_OBJECT

public:
    // Set on a phone whose categories need an encrypted backup; the user is
    // told it first.
    static const QString FixedBackupPassword;
    static const QString PlaceholderDeviceId;

    explicit DevicesRecoverManageFrm(QWidget *parent = nullptr);
    ~DevicesRecoverManageFrm() override;

    void resetProgress();
    bool checkDeviceReady();
    void startBackup();
    void onTaskProgress(int task, QVariant p1, QVariant p2, QVariant p3);
    void onTaskRequested(int task, QVariant p1, QVariant p2);
    // Abandons the flow: later progress is ignored, open dialogs close.
    void stop();
    void refreshTexts();

    // The folder this flow made and has not handed over (empty otherwise).
    QString pendingBackupFolder() const;
    bool isStopped() const;
    int stage() const;
    double backupPercent() const;
    double decryptPercent() const;
    IOSDevicesRecoverFrm *view() const;
    IOSEnterIphonePasscodeDialog *passcodeDialog() const;

signals:
    void sigBackupFinish(QString backupFolder);
    // The flow ended without a folder (a failed or declined decryption);
    // the module lets the user start again.
    void sigBackupFailed();

private:
    bool typesNeedEncryption() const;
    bool enableBackupEncryption();
    void startDecryption();
    void finishDecryption(const QString &folder);
    void failDecryption();
    QString rowText(int row, double percent, bool finished) const;

    QScopedPointer<DevicesRecoverManageFrmPrivate> d;
};
