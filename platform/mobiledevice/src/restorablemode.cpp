#include "restorablemode.h"

#include "mobiledevice.h"

namespace RestorableMode
{
    int StateForMode(int mode)
    {
        if (mode == 0x1227)
            return kAMRestorableDeviceStateDFU;
        if (mode >= 0x1280 && mode <= 0x1283)
            return kAMRestorableDeviceStateRecovery;
        return 0;
    }

    uint32_t ProductCode(unsigned int chipId, unsigned int boardId)
    {
        return uint32_t(chipId) + (uint32_t(boardId) << 24);
    }
}
