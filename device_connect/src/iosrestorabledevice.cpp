#include "quorlin.h"

CIOSRestorableDevice::CIOSRestorableDevice(const RestorableDeviceInfo &info) : m_info(info)
{
}

int CIOSRestorableDevice::GetDeviceType()
{
    return 0;
}

std::wstring CIOSRestorableDevice::GetUniqueDeviceID()
{
    return {};
}

std::wstring CIOSRestorableDevice::GetProductVersion()
{
    return {};
}

int CIOSRestorableDevice::GetConnectStatus()
{
    return m_info.ConnectStatus;
}
