// The window reading the current device while the listener threads refill
// and replace it. `make test-tsan` runs it under ThreadSanitizer.

#include "fakequorlin.h"
#include "mobiledeviceconnect.h"
#include "mobiledeviceobject.h"

#include <QtTest>

#include <atomic>
#include <mutex>
#include <thread>

namespace
{
    IOSDeviceInfo normalInfo(const QString &udid, const QString &name, const QString &version)
    {
        IOSDeviceInfo info;
        info.UniqueDeviceID = udid.toStdWString();
        info.DeviceName = name.toStdWString();
        info.SerialNumber = L"SN-" + info.UniqueDeviceID;
        info.DisplayName = L"iPhone 13 Pro";
        info.ProductType = L"iPhone14,2";
        info.ProductVersion = version.toStdWString();
        return info;
    }

    RestorableDeviceInfo restorableInfo(uint64_t ecid)
    {
        RestorableDeviceInfo info;
        info.ECID = ecid;
        info.ProductType = L"iPhone14,2";
        info.DisplayName = L"iPhone 13 Pro";
        info.ConnectStatus = DEVICE_CONNECT_DFU;
        return info;
    }

    // One fill of a record, never parts of two: every field agrees with the
    // identifier it was read with.
    bool consistent(const MobileDeviceInfo &info)
    {
        if (info.restorable)
            return info.serialNumber == info.uniqueDeviceID && info.deviceName.isEmpty()
                   && info.deviceConnectStatus == DEVICE_CONNECT_DFU;
        return info.serialNumber == "SN-" + info.uniqueDeviceID && info.deviceName == "Name of " + info.uniqueDeviceID
               && info.productVersion.startsWith(info.uniqueDeviceID.right(1) + '.');
    }
}

class MobileDeviceConnectRaceTest : public QObject
{
    Q_OBJECT

private slots:
    void readsWhileDevicesComeAndGo();
};

void MobileDeviceConnectRaceTest::readsWhileDevicesComeAndGo()
{
    MobileDeviceConnect *service = MobileDeviceConnect::instance();
    QVERIFY(service);
    QVERIFY(service->startIOSListen());
    // What leaves with deviceDisconnected goes to this thread, which owns
    // it, as a queued signal would take it there; this hand-over is one
    // that ThreadSanitizer sees, unlike Qt's event queue.
    std::mutex leftMutex;
    QList<MobileDeviceObject *> left;
    connect(
        service, &MobileDeviceConnect::deviceDisconnected, this,
        [&](MobileDeviceObject *object, bool) {
            std::lock_guard<std::mutex> lock(leftMutex);
            left << object;
        },
        Qt::DirectConnection);
    int removed = 0;
    int removedMismatch = 0;
    const auto deliverRemovals = [&] {
        QList<MobileDeviceObject *> taken;
        {
            std::lock_guard<std::mutex> lock(leftMutex);
            taken.swap(left);
        }
        for (MobileDeviceObject *object : qAsConst(taken)) {
            ++removed;
            if (object->device() || !consistent(object->info()))
                ++removedMismatch;
            delete object;
        }
    };

    constexpr int Rounds = 300;
    std::atomic<bool> done{false};
    std::thread plugging([&done] {
        for (int round = 0; round < Rounds; ++round) {
            // Two phones whose versions change every round, and a phone in
            // DFU mode: the current device changes hands often.
            IBaseDevice *a = fakequorlin::attach(
                normalInfo("UDID-1", "Name of UDID-1", QString("1.%1").arg(round)), false);
            IBaseDevice *b = fakequorlin::attach(
                normalInfo("UDID-2", "Name of UDID-2", QString("2.%1").arg(round)), true);
            IBaseDevice *dfu = fakequorlin::attachRestorable(restorableInfo(1000 + uint64_t(round % 3)));
            // Trust events refill the device in place, current or not.
            for (int refill = 0; refill < 4; ++refill) {
                fakequorlin::trust(a);
                fakequorlin::trust(b);
            }
            fakequorlin::detach(round % 2 ? a : b);
            for (int refill = 0; refill < 4; ++refill)
                fakequorlin::trust(round % 2 ? b : a);
            fakequorlin::detachRestorable(dfu);
            fakequorlin::detach(round % 2 ? b : a);
        }
        fakequorlin::waitIdle();
        done = true;
    });

    int reads = 0;
    int mismatches = 0;
    while (!done) {
        if (MobileDeviceObject *current = service->currentDevice()) {
            // Single fields, then the whole record, while the listeners
            // refill it; the object stays alive until its removal reaches
            // this thread.
            for (int field = 0; field < 100; ++field) {
                const bool restorable = current->restorable();
                if (current->displayName().isEmpty() || current->productVersion().isNull() != restorable
                    || current->serialNumber().isEmpty() || current->uniqueDeviceID().isEmpty()
                    || current->state() <= 0 || current->deviceType() != 0)
                    ++mismatches;
                ++reads;
            }
            if (!consistent(current->info()))
                ++mismatches;
        }
        service->isCurrentDeviceDFU();
        service->isCurrentDeviceRecovery();
        const QString udid = service->currentUniqueDeviceID();
        const QString version = service->currentProductVersion();
        Q_UNUSED(udid);
        Q_UNUSED(version);
        deliverRemovals();
    }
    plugging.join();
    QVERIFY(!service->currentDevice());
    deliverRemovals();
    // The device analytics wait in the application's queue; the analytics
    // client is not under test here and meets its threads through Qt's locks.
    QCoreApplication::removePostedEvents(QCoreApplication::instance(), QEvent::MetaCall);
    QCOMPARE(mismatches, 0);
    QCOMPARE(removedMismatch, 0);
    QVERIFY(removed > 0);
    qInfo("%d reads of the current device", reads);
}

QTEST_GUILESS_MAIN(MobileDeviceConnectRaceTest)
#include "mobiledeviceconnect_race_test.moc"
