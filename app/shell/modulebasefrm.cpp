#include "modulebasefrm.h"

#include "mobiledeviceobject.h"

ModuleBaseFrm::ModuleBaseFrm(QWidget *parent)
    : QWidget(parent)
{
}

ModuleBaseFrm::~ModuleBaseFrm() = default;

void ModuleBaseFrm::setInit()
{
}

void ModuleBaseFrm::setDestroy()
{
}

void ModuleBaseFrm::resetUI()
{
}

bool ModuleBaseFrm::quit()
{
    return true;
}

void ModuleBaseFrm::setNewDevice(MobileDeviceObject *)
{
}

void ModuleBaseFrm::setDeviceDisconnected(MobileDeviceObject *device, bool)
{
    if (device)
        device->deleteLater();
}

void ModuleBaseFrm::setDeviceStatusChanged(MobileDeviceObject *)
{
}

void ModuleBaseFrm::setTaskProgress(int, QVariant, QVariant, QVariant)
{
}

void ModuleBaseFrm::setTaskRequested(int, QVariant, QVariant)
{
}
