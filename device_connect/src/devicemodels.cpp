#include "devicemodels.h"

namespace
{
    // Generated at configure time from data/device-models.tsv.
    const DeviceModelEntry kModels[] = {
#include "devicemodeltable.inc"
        {nullptr, nullptr, 0xFFFFFFFFu, 0xFFFFFFFFu, nullptr},
    };
}

uint32_t DeviceModelProductCode(const DeviceModelEntry &entry)
{
    return entry.ChipId + (entry.BoardId << 24);
}

const DeviceModelEntry *FindDeviceModelByProductType(const std::string &productType)
{
    for (const DeviceModelEntry *row = kModels; row->ProductType; ++row) {
        if (productType == row->ProductType)
            return row;
    }
    return nullptr;
}

const DeviceModelEntry *FindDeviceModelByProductCode(uint32_t code)
{
    for (const DeviceModelEntry *row = kModels; row->ProductType; ++row) {
        if (DeviceModelProductCode(*row) == code)
            return row;
    }
    return nullptr;
}

const DeviceModelEntry *DeviceModelTable()
{
    return kModels;
}
