#pragma once

#include "modulebasefrm.h"

#include <QScopedPointer>

class DeviceNotConnectFrm;
class DevicesRecoverManageFrm;
class DevicEexceptionFrm;
class QPushButton;
class QStackedLayout;
class QTimer;
class RecoverFromiOSDeviceFrmPrivate;
class ScanBackupSelectTypeFrm;
class deviceTrustUnlockFrm;

// The main window's module for recovering from a connected phone. It shows
// the page for the current device's state (none, not trusted, Recovery or
// DFU, ready); on the ready page the user picks the categories and presses
// "Start Scan", and the driver checks, backs up and decrypts the phone.
// The folder goes to the scan through sigJumptoScanDataView, once per
// scan: the finished (and decrypted) backup when it ended quickly, else the
// running backup's folder 1500 ms after its first file, whose end the
// scan-result page then takes.
class RecoverFromiOSDeviceFrm : public ModuleBaseFrm
{
    Q_OBJECT

public:
    // The stack's pages, in order.
    enum Page
    {
        NotConnectedPage = 0,
        SelectTypePage = 1,
        DriverPage = 2,
        ExceptionPage = 3,
        TrustPage = 4
    };
    // How long after the phone's first file the flow hands the running
    // backup's folder over, when the backup has not ended by then.
    static constexpr int FallbackMs = 1500;

    explicit RecoverFromiOSDeviceFrm(QWidget *parent = nullptr);
    ~RecoverFromiOSDeviceFrm() override;

    void setInit() override;
    void resetUI() override;
    bool quit() override;
    void setNewDevice(MobileDeviceObject *device) override;
    void setDeviceDisconnected(MobileDeviceObject *device, bool current) override;
    void setDeviceStatusChanged(MobileDeviceObject *device) override;
    void setTaskProgress(int task, QVariant p1, QVariant p2, QVariant p3) override;
    void setTaskRequested(int task, QVariant p1, QVariant p2) override;

    int currentPage() const;
    bool isStarted() const;
    QPushButton *backButton() const;
    QPushButton *startScanButton() const;
    DevicesRecoverManageFrm *driver() const;
    ScanBackupSelectTypeFrm *selectTypePage() const;
    deviceTrustUnlockFrm *trustPage() const;
    QTimer *fallbackTimer() const;

public slots:
    void slotBackButtonClicked();

private:
    void refreshModule();
    void updatePage();
    void closeDialogs();
    void commitCategories();
    void startScan();
    void onBackupFinished(const QString &folder);
    void onBackupFailed();
    void onBackupTimeout();
    void updateStartScanButton();
    void setButtonsEnabled(bool enabled);
    void endFlow();

    QScopedPointer<RecoverFromiOSDeviceFrmPrivate> d;
};
