#include "dbafcservicebackup.h"

namespace
{
    constexpr int DeviceNotOpened = 1;
    constexpr int NotConnected = 1;
}

CDBAfcServiceBackup &CDBAfcServiceBackup::Instance()
{
    static CDBAfcServiceBackup instance;
    return instance;
}

int CDBAfcServiceBackup::Connect(const std::wstring &, DBExecutorCallback)
{
    return DeviceNotOpened;
}

int CDBAfcServiceBackup::Disconnect()
{
    return 0;
}

bool CDBAfcServiceBackup::PrepareDeviceScan(const std::wstring &)
{
    return false;
}

int CDBAfcServiceBackup::ExportFile(std::wstring, std::wstring, int, const std::atomic<bool> *)
{
    return NotConnected;
}
