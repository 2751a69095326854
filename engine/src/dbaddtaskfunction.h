#pragma once

#include "dbtask.h"

// A builder appends exactly one task for its category, also when the
// category's database is missing.
using DBTaskBuilder = void (*)(const std::wstring &backupPath, DBTaskList &tasks);

// The builder of a category bit in a backup scan, or null when it has none.
DBTaskBuilder BackupTaskBuilder(int32_t categoryBit);
// The builder of a category bit in a device scan, or null when it has none.
DBTaskBuilder DeviceTaskBuilder(int32_t categoryBit);

void AddManifestTask(const std::wstring &backupPath, DBTaskList &tasks);
