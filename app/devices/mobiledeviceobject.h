#pragma once

#include <QObject>
#include <QString>

#include <mutex>

class IBaseDevice;

// What the listeners last told of one device: a plain value, copied whole.
struct MobileDeviceInfo
{
    // The library's handle. Not owned: the library frees it right after the
    // removal event, and only the library may use it.
    IBaseDevice *device = nullptr;
    QString uniqueDeviceID; // the ECID in decimal for Recovery/DFU devices
    QString serialNumber;   // likewise the ECID for Recovery/DFU devices
    QString deviceName;
    QString modelName;
    int state = 0;               // the last listener event for this device
    int deviceType = 0;          // 1 is refused by every device operation
    int deviceConnectStatus = 0; // 0 normal, 1 Recovery, 2 DFU
    int reservedStatus = -1;
    QString productType;
    QString productVersion;
    bool restorable = false;

    // The name for log lines: the device's own name, else its model's name.
    QString displayName() const;
};

// The program's record of one attached device, normal or Recovery/DFU. The
// device connection service refills it on the listener threads while the
// window reads it, so every field is read and written under the object's
// own lock; info() hands out one consistent copy of them all.
class MobileDeviceObject : public QObject
{
    Q_OBJECT

public:
    explicit MobileDeviceObject(QObject *parent = nullptr);

    MobileDeviceInfo info() const;
    // The device connection service's refill.
    void setInfo(const MobileDeviceInfo &info);
    // The library freed the handle.
    void clearDevice();

    IBaseDevice *device() const { return read(&MobileDeviceInfo::device); }
    QString uniqueDeviceID() const { return read(&MobileDeviceInfo::uniqueDeviceID); }
    QString serialNumber() const { return read(&MobileDeviceInfo::serialNumber); }
    QString deviceName() const { return read(&MobileDeviceInfo::deviceName); }
    QString modelName() const { return read(&MobileDeviceInfo::modelName); }
    int state() const { return read(&MobileDeviceInfo::state); }
    int deviceType() const { return read(&MobileDeviceInfo::deviceType); }
    int deviceConnectStatus() const { return read(&MobileDeviceInfo::deviceConnectStatus); }
    int reservedStatus() const { return read(&MobileDeviceInfo::reservedStatus); }
    QString productType() const { return read(&MobileDeviceInfo::productType); }
    QString productVersion() const { return read(&MobileDeviceInfo::productVersion); }
    bool restorable() const { return read(&MobileDeviceInfo::restorable); }
    QString displayName() const;

private:
    template <typename T> T read(T MobileDeviceInfo::*field) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_info.*field;
    }

    mutable std::mutex m_mutex;
    MobileDeviceInfo m_info;
};
