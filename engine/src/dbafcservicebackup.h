#pragma once

#include "idbexecutor.h"

#include <atomic>
#include <string>

// The one AFC session of the process. Until device access exists every
// operation answers as for a device that cannot be opened.
class CDBAfcServiceBackup
{
public:
    static CDBAfcServiceBackup &Instance();

    int Connect(const std::wstring &udid, DBExecutorCallback callback);
    int Disconnect();
    bool PrepareDeviceScan(const std::wstring &outputDir);
    int ExportFile(std::wstring localFolder, std::wstring devicePath, int user, const std::atomic<bool> *stopFlag);

private:
    CDBAfcServiceBackup() = default;
};
