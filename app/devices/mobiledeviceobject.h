#pragma once

#include <QObject>
#include <QString>

class IBaseDevice;

// The program's record of one attached device, normal or Recovery/DFU. The
// device connection service fills and refreshes it on the listener threads.
class MobileDeviceObject : public QObject
{
    Q_OBJECT

public:
    explicit MobileDeviceObject(QObject *parent = nullptr);

    // The name for log lines: the device's own name, else its model's name.
    QString displayName() const;

    // The library's handle. Not owned: the library frees it right after the
    // removal event, and only the library may use it.
    IBaseDevice *device = nullptr;
    QString uniqueDeviceID; // the ECID in decimal for Recovery/DFU devices
    QString serialNumber;   // likewise the ECID for Recovery/DFU devices
    QString deviceName;
    QString modelName;
    int state = 0;         // the last listener event for this device
    int deviceType = 0;    // 1 is refused by every device operation
    int deviceConnectStatus = 0; // 0 normal, 1 Recovery, 2 DFU
    int reservedStatus = -1;
    QString productType;
    QString productVersion;
    bool restorable = false;
};
