#pragma once

#include <cstdint>
#include <string>

// Apple device identifiers with their boards, chips and model names.
struct DeviceModelEntry
{
    const char *ProductType; // "iPhone12,1"; null ends the table
    const char *BoardConfig; // "n104ap"
    uint32_t BoardId;
    uint32_t ChipId;
    const char *DisplayName; // "iPhone 11"
};

// chip id + (board id << 24), as the Recovery/DFU listener reports it.
uint32_t DeviceModelProductCode(const DeviceModelEntry &entry);

// The first row with this identifier (case-sensitive), or null.
const DeviceModelEntry *FindDeviceModelByProductType(const std::string &productType);
const DeviceModelEntry *FindDeviceModelByProductCode(uint32_t code);

// All rows, followed by the end row.
const DeviceModelEntry *DeviceModelTable();
