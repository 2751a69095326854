#include "mobiledeviceobject.h"

QString MobileDeviceInfo::displayName() const
{
    return deviceName.isEmpty() ? modelName : deviceName;
}

MobileDeviceObject::MobileDeviceObject(QObject *parent) : QObject(parent) {}

MobileDeviceInfo MobileDeviceObject::info() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_info;
}

void MobileDeviceObject::setInfo(const MobileDeviceInfo &info)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_info = info;
}

void MobileDeviceObject::clearDevice()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_info.device = nullptr;
}

QString MobileDeviceObject::displayName() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_info.displayName();
}
