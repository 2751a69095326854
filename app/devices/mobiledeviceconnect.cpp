#include "mobiledeviceconnect.h"

#include "analyticstracker.h"
#include "fileutils.h"
#include "mobiledeviceobject.h"
#include "quorlin.h"
#include "settingsentry.h"
#include "vlog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFutureWatcher>
#include <QLibrary>
#include <QLocalSocket>
#include <QMap>
#include <QPointer>
#include <QProcess>
#include <QTcpSocket>
#include <QThreadPool>
#include <QVector>
#include <QtConcurrent>

#include <thread>

namespace
{
    // Shared by the service and the listener callbacks. Never freed: the
    // library's listeners may still call in while the process ends. Taken
    // before an object's own lock, never after it.
    struct DeviceState
    {
        std::mutex mutex;
        QMap<QString, MobileDeviceObject *> devices;
        MobileDeviceObject *current = nullptr;
    };

    using Locker = std::unique_lock<std::mutex>;

    DeviceState &deviceState()
    {
        static DeviceState *state = new DeviceState;
        return *state;
    }

    const int kConnectWaitMs = 1000;

    enum class Notice
    {
        None,
        New,
        Changed
    };

    // Device analytics waiting for the application's thread, where the
    // analytics client lives; the listener threads have no event loop. The
    // texts pass under this lock rather than inside a queued call.
    struct PendingTracks
    {
        std::mutex mutex;
        QVector<QPair<QString, QString>> events; // model, version
        bool posted = false;
    };

    PendingTracks &pendingTracks()
    {
        static PendingTracks *pending = new PendingTracks;
        return *pending;
    }

    void sendPendingTracks()
    {
        PendingTracks &pending = pendingTracks();
        QVector<QPair<QString, QString>> events;
        {
            std::lock_guard<std::mutex> lock(pending.mutex);
            events.swap(pending.events);
            pending.posted = false;
        }
        for (const auto &event : events) {
            trackEvent("iOSDeviceInformation", "DeviceModel", event.first);
            trackEvent("iOSDeviceInformation", "iOSsysVersion", event.second);
        }
    }

    void trackDevice(const QString &model, const QString &version)
    {
        QCoreApplication *app = QCoreApplication::instance();
        if (!app || QCoreApplication::closingDown())
            return;
        PendingTracks &pending = pendingTracks();
        {
            std::lock_guard<std::mutex> lock(pending.mutex);
            pending.events.append({model, version});
            if (pending.posted)
                return;
            pending.posted = true;
        }
        QMetaObject::invokeMethod(app, &sendPendingTracks, Qt::QueuedConnection);
    }

    // Objects are made on a listener thread, which has no event loop: they
    // live on the application's thread so that receivers may deleteLater them.
    MobileDeviceObject *newDeviceObject()
    {
        auto *object = new MobileDeviceObject;
        if (QCoreApplication *app = QCoreApplication::instance())
            object->moveToThread(app->thread());
        return object;
    }

    QString wide(const std::wstring &text)
    {
        return QString::fromStdWString(text);
    }

    // Adds or refreshes the device's object. Called with the state locked.
    Notice listDevice(DeviceState &state, const MobileDeviceInfo &fields, MobileDeviceObject **object)
    {
        const QString &key = fields.uniqueDeviceID;
        MobileDeviceObject *found = state.devices.value(key);
        if (!found) {
            found = newDeviceObject();
            found->setInfo(fields);
            state.devices.insert(key, found);
            vlogInfo(QString("-==> New device: %1, UUID: %2").arg(fields.displayName(), key));
            *object = found;
            if (state.current)
                return Notice::None;
            state.current = found;
            return Notice::New;
        }
        found->setInfo(fields);
        vlogInfo(QString("-==> Device changed: %1, UUID: %2").arg(fields.displayName(), key));
        *object = found;
        return found == state.current ? Notice::Changed : Notice::None;
    }

    void notify(Notice notice, MobileDeviceObject *object)
    {
        MobileDeviceConnect *service = MobileDeviceConnect::instance();
        if (!service)
            return;
        if (notice == Notice::New)
            emit service->newDevice(object);
        else if (notice == Notice::Changed)
            emit service->deviceStatusChanged(object);
    }

    // Drops key from the list. The current device's object goes with the
    // signal to its receiver; another one is freed here, since no one else
    // ever saw it.
    void removeDevice(Locker &locker, DeviceState &state, const QString &key)
    {
        MobileDeviceObject *object = state.devices.take(key);
        if (!object)
            return;
        vlogInfo(QString("-==> Device removed: %1, UUID: %2").arg(object->displayName(), key));
        // The library frees the handle as soon as this callback returns.
        object->clearDevice();
        if (object != state.current) {
            delete object;
            return;
        }
        state.current = state.devices.isEmpty() ? nullptr : state.devices.first();
        locker.unlock();
        if (MobileDeviceConnect *service = MobileDeviceConnect::instance())
            emit service->deviceDisconnected(object, false);
    }

    // Events up to lastListed add or refresh, removed drops the device; the
    // analytics label is the version, or the type of a Recovery/DFU device.
    void handleEvent(Locker &locker, DeviceState &state, const MobileDeviceInfo &fields, int lastListed,
                     int removed, const QString &label)
    {
        if (fields.state < 0)
            return;
        if (fields.state == removed) {
            removeDevice(locker, state, fields.uniqueDeviceID);
            return;
        }
        if (fields.state > lastListed)
            return;
        MobileDeviceObject *object = nullptr;
        const Notice notice = listDevice(state, fields, &object);
        locker.unlock();
        notify(notice, object);
        trackDevice(fields.modelName, label);
    }
}

MobileDeviceConnect::MobileDeviceConnect() = default;

MobileDeviceConnect::~MobileDeviceConnect() = default;

MobileDeviceConnect *MobileDeviceConnect::instance()
{
    static std::mutex *mutex = new std::mutex;
    static QPointer<MobileDeviceConnect> *living = new QPointer<MobileDeviceConnect>;
    std::lock_guard<std::mutex> locker(*mutex);
    if (!QCoreApplication::instance() || QCoreApplication::closingDown())
        return nullptr;
    if (!*living)
        *living = new MobileDeviceConnect;
    return *living;
}

bool MobileDeviceConnect::startIOSListen()
{
    if (m_bound)
        return true;
    vlogInfo("MobileDeviceConnect::startIOSListen");
    const QString path = SettingsEntry::instance()->endpoint(
        "QUENROW_QUORLIN", QStringLiteral("QuorlinLibrary"), QCoreApplication::applicationDirPath() + "/Quorlin");
    // The library stays loaded when this object goes.
    QLibrary library(path);
    using InitFunction = bool (*)(IQuorlinManager **);
    auto init = reinterpret_cast<InitFunction>(library.resolve("InitQuorlinMgr"));
    IQuorlinManager *manager = nullptr;
    if (!init || !init(&manager) || !manager) {
        vlogInfo("InitQuorlinMgr error.");
        return false;
    }
    m_manager = manager;
    m_bound = true;
    // Both listeners block for the life of the process: they get threads of
    // their own so that the global pool stays free for the blocking queries.
    std::thread([manager] { manager->StartListener(&MobileDeviceConnect::listenDeviceCallback, nullptr, false); })
        .detach();
    std::thread([manager] {
        manager->StartRestorableListener(&MobileDeviceConnect::listenRestorableDeviceCallback, nullptr);
    }).detach();
    return true;
}

void MobileDeviceConnect::listenDeviceCallback(int event, IBaseDevice *device, void *)
{
    auto *ios = dynamic_cast<CIOSDevice *>(device);
    if (!ios)
        return;
    const IOSDeviceInfo &info = ios->m_info;
    MobileDeviceInfo fields;
    fields.device = device;
    fields.state = event;
    fields.deviceType = device->GetDeviceType();
    fields.deviceConnectStatus = device->GetConnectStatus();
    fields.uniqueDeviceID = wide(info.UniqueDeviceID);
    fields.serialNumber = wide(info.SerialNumber);
    fields.deviceName = wide(info.DeviceName);
    fields.modelName = wide(info.DisplayName);
    fields.productType = wide(info.ProductType);
    fields.productVersion = wide(info.ProductVersion);
    DeviceState &state = deviceState();
    Locker locker(state.mutex);
    vlogInfo(QString("listenDeviceCallback {state: %1, deviceName: %2, modelName: %3, serialNumber: %4, "
                     "uniqueDeviceID: %5, deviceConnectStatus: %6, DeviceType: %7, isWifiConnect: %8}")
                 .arg(event)
                 .arg(fields.deviceName, fields.modelName, fields.serialNumber, fields.uniqueDeviceID)
                 .arg(fields.deviceConnectStatus)
                 .arg(fields.deviceType)
                 .arg(info.isWifi ? 1 : 0));
    if (info.isWifi)
        return;
    handleEvent(locker, state, fields, DEVICE_TRUSTED, DEVICE_REMOVED, fields.productVersion);
}

void MobileDeviceConnect::listenRestorableDeviceCallback(int event, IBaseDevice *device, void *)
{
    auto *restorable = dynamic_cast<CIOSRestorableDevice *>(device);
    if (!restorable)
        return;
    const RestorableDeviceInfo &info = restorable->m_info;
    const QString ecid = QString::number(info.ECID);
    MobileDeviceInfo fields;
    fields.device = device;
    fields.state = event;
    fields.deviceType = device->GetDeviceType();
    fields.deviceConnectStatus = device->GetConnectStatus();
    fields.restorable = true;
    fields.uniqueDeviceID = ecid;
    fields.serialNumber = ecid;
    fields.modelName = wide(info.DisplayName);
    fields.productType = wide(info.ProductType);
    DeviceState &state = deviceState();
    Locker locker(state.mutex);
    vlogInfo(QString("listenRestorableDeviceCallback {state: %1, modelName: %2, uniqueDeviceID: %3, "
                     "deviceConnectStatus: %4, DeviceType: %5}")
                 .arg(event)
                 .arg(fields.modelName, ecid)
                 .arg(fields.deviceConnectStatus)
                 .arg(fields.deviceType));
    handleEvent(locker, state, fields, RESTORABLE_DEVICE_ARRIVED, RESTORABLE_DEVICE_REMOVED, fields.productType);
}

MobileDeviceObject *MobileDeviceConnect::currentDevice() const
{
    DeviceState &state = deviceState();
    Locker locker(state.mutex);
    return state.current;
}

QString MobileDeviceConnect::currentProductVersion() const
{
    DeviceState &state = deviceState();
    Locker locker(state.mutex);
    return state.current ? state.current->productVersion() : QString();
}

QString MobileDeviceConnect::currentUniqueDeviceID() const
{
    DeviceState &state = deviceState();
    Locker locker(state.mutex);
    return state.current ? state.current->uniqueDeviceID() : QString();
}

bool MobileDeviceConnect::isCurrentDeviceDFU() const
{
    return isCurrentRestorableIn(DEVICE_CONNECT_DFU);
}

bool MobileDeviceConnect::isCurrentDeviceRecovery() const
{
    return isCurrentRestorableIn(DEVICE_CONNECT_RECOVERY);
}

bool MobileDeviceConnect::isCurrentRestorableIn(int connectStatus)
{
    DeviceState &state = deviceState();
    Locker locker(state.mutex);
    if (!state.current)
        return false;
    const MobileDeviceInfo current = state.current->info();
    return current.deviceType != 1 && current.restorable && current.deviceConnectStatus == connectStatus;
}

QString MobileDeviceConnect::backupPassword() const
{
    std::lock_guard<std::mutex> locker(m_passwordMutex);
    return m_backupPassword;
}

IBaseDevice *MobileDeviceConnect::currentHandle()
{
    DeviceState &state = deviceState();
    Locker locker(state.mutex);
    if (!state.current)
        return nullptr;
    const MobileDeviceInfo current = state.current->info();
    // Only the library uses the handle: the device may leave once the lock
    // is released, and the library refuses a handle it no longer tracks.
    return current.deviceType == 1 ? nullptr : current.device;
}

template <typename T> T MobileDeviceConnect::runBlocking(const std::function<T()> &body)
{
    QFutureWatcher<T> watcher;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    const QFuture<T> future = QtConcurrent::run(QThreadPool::globalInstance(), body);
    watcher.setFuture(future);
    if (!future.isFinished())
        loop.exec();
    return future.result();
}

bool MobileDeviceConnect::checkDeviceBackupIsEncrypt()
{
    return runBlocking<bool>([this] {
        IBaseDevice *device = currentHandle();
        if (!device || !m_manager)
            return false;
        bool encrypted = false;
        const int code = m_manager->CheckDeviceBackupIsEncrypt(device, &encrypted);
        vlogInfo(QString("checkDeviceBackupIsEncrypt:%1 outValue(%2)").arg(code).arg(encrypted ? 1 : 0));
        return code == 0 && encrypted;
    });
}

MobileDeviceConnect::BackupEncryption MobileDeviceConnect::backupEncryption()
{
    return runBlocking<BackupEncryption>([this] {
        IBaseDevice *device = currentHandle();
        if (!device || !m_manager)
            return BackupEncryption::Unknown;
        bool encrypted = false;
        const int code = m_manager->CheckDeviceBackupIsEncrypt(device, &encrypted);
        vlogInfo(QString("checkDeviceBackupIsEncrypt:%1 outValue(%2)").arg(code).arg(encrypted ? 1 : 0));
        if (code != 0)
            return BackupEncryption::Unknown;
        return encrypted ? BackupEncryption::On : BackupEncryption::Off;
    });
}

bool MobileDeviceConnect::setDeviceBackupPassword(const QString &password)
{
    return runBlocking<bool>([this, password] {
        IBaseDevice *device = currentHandle();
        if (!device || !m_manager)
            return false;
        const int code = m_manager->SetDeviceBackupPasswd(device, std::wstring(), password.toStdWString());
        vlogInfo(QString("setDeviceBackupPassword:%1").arg(code));
        std::lock_guard<std::mutex> locker(m_passwordMutex);
        m_backupPassword = code == 0 ? password : QString();
        return code == 0;
    });
}

bool MobileDeviceConnect::verifyDeviceBackupPassword(const QString &password)
{
    return runBlocking<bool>([this, password] {
        IBaseDevice *device = currentHandle();
        if (!device || !m_manager)
            return false;
        const std::wstring wide = password.toStdWString();
        const int code = m_manager->SetDeviceBackupPasswd(device, wide, wide);
        if (code != 0) {
            vlogInfo("Failed to verify the backup password");
            return false;
        }
        vlogInfo("The backup password is verified successfully. Procedure");
        std::lock_guard<std::mutex> locker(m_passwordMutex);
        m_backupPassword = password;
        return true;
    });
}

bool MobileDeviceConnect::removeDeviceBackupPassword(const QString &password)
{
    return runBlocking<bool>([this, password] {
        IBaseDevice *device = currentHandle();
        if (!device || !m_manager)
            return false;
        const int code = m_manager->SetDeviceBackupPasswd(device, password.toStdWString(), std::wstring());
        vlogInfo(QString("removeDeviceBackupPassword:%1").arg(code));
        if (code != 0)
            return false;
        std::lock_guard<std::mutex> locker(m_passwordMutex);
        m_backupPassword.clear();
        return true;
    });
}

qint64 MobileDeviceConnect::deviceFreeSpace()
{
    return runBlocking<qint64>([this]() -> qint64 {
        IBaseDevice *device = currentHandle();
        if (!device || !m_manager)
            return UnknownFreeSpace;
        int64_t bytes = 0;
        const bool ok = m_manager->GetDeviceDiskSize(device, "TotalDataAvailable", &bytes);
        vlogInfo(QString("DeviceFreeAvailable:%1 outValue:%2").arg(ok ? 1 : 0).arg(bytes));
        return ok ? bytes : UnknownFreeSpace;
    });
}

bool MobileDeviceConnect::isPasswordProtect()
{
    IBaseDevice *device = currentHandle();
    if (!device || !m_manager)
        return false;
    std::string text;
    const bool ok = m_manager->QueryDeviceInfo(device, "PasswordProtected", &text, nullptr);
    vlogInfo(QString("isPasswordProtect:%1 outValue:%2").arg(ok ? 1 : 0).arg(QString::fromStdString(text)));
    return ok && QString::fromStdString(text).trimmed().toLongLong() != 0;
}

QFuture<void> MobileDeviceConnect::startAppleMobileDeviceService()
{
    return QtConcurrent::run(QThreadPool::globalInstance(), [this] { checkAppleMobileDeviceService(); });
}

void MobileDeviceConnect::checkAppleMobileDeviceService()
{
    // The mobile-device service here is usbmuxd: its socket, as libusbmuxd
    // finds it.
    const QString address = qEnvironmentVariable("USBMUXD_SOCKET_ADDRESS");
    bool listening = false;
    if (address.isEmpty() || address.startsWith("UNIX:")) {
        QLocalSocket socket;
        socket.connectToServer(address.isEmpty() ? QStringLiteral("/var/run/usbmuxd") : address.mid(5));
        listening = socket.waitForConnected(kConnectWaitMs);
    } else {
        const int colon = address.lastIndexOf(':');
        bool portOk = false;
        const int port = colon > 0 ? address.mid(colon + 1).toInt(&portOk) : 0;
        if (portOk && port > 0 && port < 65536) {
            QTcpSocket socket;
            socket.connectToHost(address.left(colon), quint16(port));
            listening = socket.waitForConnected(kConnectWaitMs);
        }
    }
    if (listening)
        return;

    vlogInfo("Error: Port numbers supported by Apple mobile devices are not open.");
    SettingsEntry::instance()->setValue(SettingsKey::LocalAmds, "1", SettingsEntry::UserScope);
    const QString program =
        linuxModuleName(QCoreApplication::applicationDirPath() + "/AppleSupport/AppleMobileDeviceProcess.exe");
    const QString command = QString("\"%1\"").arg(program);
    if (QProcess::startDetached(program, {}))
        vlogInfo(QString("The successful running->%1").arg(command));
    else
        vlogInfo(QString("Run the loss->%1\texists:%2").arg(command).arg(QFile::exists(program) ? 1 : 0));
}
