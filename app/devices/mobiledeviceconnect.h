#pragma once

#include <QFuture>
#include <QObject>
#include <QString>

#include <functional>
#include <mutex>

class IBaseDevice;
class IQuorlinManager;
class MobileDeviceObject;

// The program's one contact with the device-connection library: loads it,
// runs its two listeners, keeps a record of every attached device, picks the
// current one and answers the blocking device questions of the flow pages.
//
// The signals are emitted on the listener threads; connect to them queued.
// The object handed with deviceDisconnected belongs to the receiver. The
// listeners refill the objects they hand out: read them through their
// accessors, which take the object's lock.
class MobileDeviceConnect : public QObject
{
    Q_OBJECT

public:
    // Null during shutdown.
    static MobileDeviceConnect *instance();
    ~MobileDeviceConnect() override;

    // Loads the library (QUENROW_QUORLIN, else "Quorlin" in the application
    // folder) and starts both listeners on threads of their own. True once
    // bound; may be called again after a failure.
    bool startIOSListen();

    MobileDeviceObject *currentDevice() const;
    // Copies taken under the lock the listeners write under; "" without a device.
    QString currentProductVersion() const;
    QString currentUniqueDeviceID() const;
    bool isCurrentDeviceDFU() const;
    bool isCurrentDeviceRecovery() const;
    QString backupPassword() const;

    // Blocking: each runs on the global pool while the caller's thread keeps
    // handling events in a local loop.
    bool checkDeviceBackupIsEncrypt();
    // The same question, where a device that did not answer (locked, trust
    // revoked, gone) is Unknown rather than Off.
    enum class BackupEncryption
    {
        Off,
        On,
        Unknown
    };
    BackupEncryption backupEncryption();
    bool setDeviceBackupPassword(const QString &password);
    bool verifyDeviceBackupPassword(const QString &password);
    bool removeDeviceBackupPassword(const QString &password);
    qint64 deviceFreeSpace();
    static constexpr qint64 UnknownFreeSpace = 268435455;

    bool isPasswordProtect();

    // Checks on the pool that the mobile-device service answers; when it does
    // not, records "LocalAMDS" and tries to start Apple's device program.
    QFuture<void> startAppleMobileDeviceService();
    void checkAppleMobileDeviceService();

signals:
    void newDevice(MobileDeviceObject *device);
    void deviceDisconnected(MobileDeviceObject *device, bool current);
    void deviceStatusChanged(MobileDeviceObject *device);

private:
    MobileDeviceConnect();
    Q_DISABLE_COPY(MobileDeviceConnect)

    static void listenDeviceCallback(int event, IBaseDevice *device, void *ctx);
    static void listenRestorableDeviceCallback(int event, IBaseDevice *device, void *ctx);

    static bool isCurrentRestorableIn(int connectStatus);
    // The current device's handle, or null when there is none or it is refused.
    static IBaseDevice *currentHandle();
    template <typename T> T runBlocking(const std::function<T()> &body);

    IQuorlinManager *m_manager = nullptr;
    bool m_bound = false;
    mutable std::mutex m_passwordMutex; // backupPassword is set on pool threads
    QString m_backupPassword;
};
