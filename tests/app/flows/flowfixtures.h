#pragma once

// What the flow tests share: phones attached to the scripted
// device-connection library (tests/app/devices/fakequorlin.h), which the
// device connection service loads by name (QUENROW_QUORLIN).

#include "fakequorlin.h"
#include "mobiledeviceconnect.h"
#include "mobiledeviceobject.h"

#include <QCoreApplication>
#include <QString>
#include <QThreadPool>
#include <QtTest>

namespace flowfixtures
{
    inline IOSDeviceInfo phone(const QString &udid, const QString &name, const QString &version = "16.1",
                               const QString &model = "iPhone 13 Pro")
    {
        IOSDeviceInfo info;
        info.UniqueDeviceID = udid.toStdWString();
        info.DeviceName = name.toStdWString();
        info.SerialNumber = L"SN-" + info.UniqueDeviceID;
        info.DisplayName = model.toStdWString();
        info.ProductType = L"iPhone14,2";
        info.ProductVersion = version.toStdWString();
        return info;
    }

    // Delivers what the listeners hold and the queued signals behind it.
    inline void settle()
    {
        fakequorlin::waitIdle();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    // Binds the service to the scripted library; a device the service
    // hands out on its removal is freed when no page takes it.
    inline bool startService()
    {
        // The blocking device calls need pool threads of their own.
        QThreadPool::globalInstance()->setMaxThreadCount(qMax(4, QThreadPool::globalInstance()->maxThreadCount()));
        MobileDeviceConnect *service = MobileDeviceConnect::instance();
        return service && service->startIOSListen();
    }

    inline void freeRemovedDevices(QObject *context)
    {
        QObject::connect(MobileDeviceConnect::instance(), &MobileDeviceConnect::deviceDisconnected, context,
                         [](MobileDeviceObject *device, bool) { device->deleteLater(); }, Qt::QueuedConnection);
    }
}
