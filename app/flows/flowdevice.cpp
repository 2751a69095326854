#include "flowdevice.h"

#include "mobiledeviceconnect.h"

MobileDeviceInfo FlowDevice::current()
{
    const MobileDeviceConnect *devices = MobileDeviceConnect::instance();
    const MobileDeviceObject *device = devices ? devices->currentDevice() : nullptr;
    return device ? device->info() : MobileDeviceInfo();
}
