#include "quorlin.h"

CIOSDevice::CIOSDevice(const IOSDeviceInfo &info) : m_info(info)
{
}

int CIOSDevice::GetDeviceType()
{
    return 0;
}

std::wstring CIOSDevice::GetUniqueDeviceID()
{
    return m_info.UniqueDeviceID;
}

std::wstring CIOSDevice::GetProductVersion()
{
    return m_info.ProductVersion;
}

int CIOSDevice::GetConnectStatus()
{
    return DEVICE_CONNECT_NORMAL;
}
