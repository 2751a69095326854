#include "mobiledeviceobject.h"

MobileDeviceObject::MobileDeviceObject(QObject *parent) : QObject(parent) {}

QString MobileDeviceObject::displayName() const
{
    return deviceName.isEmpty() ? modelName : deviceName;
}
