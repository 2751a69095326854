#pragma once

#include "mobiledeviceobject.h"

// What the flow pages read of the device connection service's current
// device, copied at once: empty fields without a device.
namespace FlowDevice
{
    MobileDeviceInfo current();
}
