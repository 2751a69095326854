#pragma once

#include <QVariant>
#include <QWidget>

class MobileDeviceObject;

// The base of the main window's pages. The window drives whichever page is
// current through these operations (each also invokable by name); a page
// asks the window to go back or to open the scan result through the two
// signals.
//
// The device handed to setDeviceDisconnected belongs to the page: the
// default releases it (deleteLater), and an override that does not call the
// default must do so itself. The devices of setNewDevice and
// setDeviceStatusChanged stay the device service's.
class ModuleBaseFrm : public QWidget
{
    Q_OBJECT

public:
    explicit ModuleBaseFrm(QWidget *parent = nullptr);
    ~ModuleBaseFrm() override;

    Q_INVOKABLE virtual void setInit();
    Q_INVOKABLE virtual void setDestroy();
    // Sets again the texts the page builds in code (after a language change).
    Q_INVOKABLE virtual void resetUI();
    // False keeps the program running.
    Q_INVOKABLE virtual bool quit();
    Q_INVOKABLE virtual void setNewDevice(MobileDeviceObject *device);
    Q_INVOKABLE virtual void setDeviceDisconnected(MobileDeviceObject *device, bool current);
    Q_INVOKABLE virtual void setDeviceStatusChanged(MobileDeviceObject *device);
    Q_INVOKABLE virtual void setTaskProgress(int task, QVariant param1, QVariant param2, QVariant param3);
    Q_INVOKABLE virtual void setTaskRequested(int task, QVariant param1, QVariant param2);

signals:
    void sigBackButtonClicked();
    // The backup (or pull) to scan, handed on to the scan-result page unchanged.
    void sigJumptoScanDataView(QString backupId);
};
