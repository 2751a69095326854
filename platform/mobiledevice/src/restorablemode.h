#pragma once

#include <cstdint>

// How a Recovery/DFU device's USB mode and chip read to the device-connection
// library.
namespace RestorableMode
{
    // kAMRestorableDeviceState* for a USB product id of the restore modes.
    int StateForMode(int mode);
    // Chip id + (board id << 24).
    uint32_t ProductCode(unsigned int chipId, unsigned int boardId);
}
