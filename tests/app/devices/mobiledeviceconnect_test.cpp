#include "fakequorlin.h"
#include "mobiledeviceconnect.h"
#include "mobiledeviceobject.h"
#include "settingsentry.h"

#include <QLocalServer>
#include <QPointer>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>
#include <QtTest>

namespace
{
    IOSDeviceInfo normalInfo(const char *udid, const char *name, bool wifi = false)
    {
        IOSDeviceInfo info;
        info.UniqueDeviceID = QString(udid).toStdWString();
        info.DeviceName = QString(name).toStdWString();
        info.SerialNumber = L"SN-" + info.UniqueDeviceID;
        info.DisplayName = L"iPhone 13 Pro";
        info.ProductType = L"iPhone14,2";
        info.ProductVersion = L"16.1";
        info.isWifi = wifi;
        return info;
    }

    RestorableDeviceInfo restorableInfo(uint64_t ecid, int status)
    {
        RestorableDeviceInfo info;
        info.ECID = ecid;
        info.ProductType = L"iPhone14,2";
        info.DisplayName = L"iPhone 13 Pro";
        info.ConnectStatus = status;
        return info;
    }
}

// Receives the service's signals on the test thread, as the window does.
class Recorder : public QObject
{
    Q_OBJECT

public:
    explicit Recorder(MobileDeviceConnect *service)
    {
        connect(service, &MobileDeviceConnect::newDevice, this,
                [this](MobileDeviceObject *o) { events << "new:" + o->uniqueDeviceID(); }, Qt::QueuedConnection);
        connect(service, &MobileDeviceConnect::deviceStatusChanged, this,
                [this](MobileDeviceObject *o) { events << "changed:" + o->uniqueDeviceID(); }, Qt::QueuedConnection);
        connect(
            service, &MobileDeviceConnect::deviceDisconnected, this,
            [this](MobileDeviceObject *o, bool current) {
                events << QString("removed:%1:%2").arg(o->uniqueDeviceID()).arg(current);
                // The receiver owns the object; its handle is gone already.
                QVERIFY(!o->device());
                delete o;
            },
            Qt::QueuedConnection);
    }

    QStringList events;
};

class MobileDeviceConnectTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void firstDeviceIsCurrentUntilRemoved();
    void wifiDeviceIsNeverListed();
    void restorableAndNormalRecordsOfOnePhone_data();
    void restorableAndNormalRecordsOfOnePhone();
    void operationsWithoutDevice();
    void blockingOperations_data();
    void blockingOperations();
    void passwordKeptOrCleared();
    void deviceLeavesDuringBlockingCall();
    void serviceCheck_data();
    void serviceCheck();

private:
    void settle();
    MobileDeviceConnect *m_service = nullptr;
    QList<IBaseDevice *> m_attached;
};

void MobileDeviceConnectTest::settle()
{
    fakequorlin::waitIdle();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void MobileDeviceConnectTest::initTestCase()
{
    // Listeners block for the life of the process; the blocking operations
    // must still find pool threads.
    QThreadPool::globalInstance()->setMaxThreadCount(2);
    const QByteArray library = qgetenv("QUENROW_QUORLIN");
    QVERIFY(!library.isEmpty());
    m_service = MobileDeviceConnect::instance();
    QVERIFY(m_service);
    QCOMPARE(MobileDeviceConnect::instance(), m_service);

    qputenv("QUENROW_QUORLIN", QDir::temp().filePath("no-such-quorlin.so").toUtf8());
    QVERIFY(!m_service->startIOSListen());
    qputenv("QUENROW_QUORLIN", library);
    QVERIFY(m_service->startIOSListen());
    QVERIFY(m_service->startIOSListen());
}

void MobileDeviceConnectTest::cleanup()
{
    for (IBaseDevice *device : m_attached)
        fakequorlin::detach(device);
    m_attached.clear();
    settle();
    QVERIFY(!m_service->currentDevice());
    fakequorlin::hold(false);
    fakequorlin::resetCounts();
}

void MobileDeviceConnectTest::firstDeviceIsCurrentUntilRemoved()
{
    Recorder recorder(m_service);
    IBaseDevice *first = fakequorlin::attach(normalInfo("UDID-A", "Anna"), true);
    IBaseDevice *second = fakequorlin::attach(normalInfo("UDID-B", "Ben"), false);
    settle();
    QTRY_COMPARE(recorder.events, QStringList({"new:UDID-A", "changed:UDID-A"}));
    QCOMPARE(m_service->currentDevice()->deviceName(), QString("Anna"));

    // A trust event of a device that is not current refreshes it silently.
    fakequorlin::trust(second);
    fakequorlin::detach(first);
    settle();
    QTRY_COMPARE(recorder.events, QStringList({"new:UDID-A", "changed:UDID-A", "removed:UDID-A:0"}));
    MobileDeviceObject *current = m_service->currentDevice();
    QVERIFY(current);
    QCOMPARE(current->uniqueDeviceID(), QString("UDID-B"));
    QCOMPARE(current->state(), int(DEVICE_TRUSTED));
    QCOMPARE(current->serialNumber(), QString("SN-UDID-B"));
    QCOMPARE(current->modelName(), QString("iPhone 13 Pro"));
    QCOMPARE(current->productType(), QString("iPhone14,2"));
    QCOMPARE(current->productVersion(), QString("16.1"));
    QCOMPARE(current->reservedStatus(), -1);
    QVERIFY(!current->restorable());
    QCOMPARE(current->device(), second);
    m_attached << second;
}

void MobileDeviceConnectTest::wifiDeviceIsNeverListed()
{
    Recorder recorder(m_service);
    IBaseDevice *device = fakequorlin::attach(normalInfo("UDID-W", "Air", true), true);
    settle();
    QVERIFY(!m_service->currentDevice());
    fakequorlin::detach(device);
    settle();
    QCOMPARE(recorder.events, QStringList());
}

void MobileDeviceConnectTest::restorableAndNormalRecordsOfOnePhone_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("dfu");
    QTest::addColumn<bool>("recovery");
    QTest::newRow("recovery") << int(DEVICE_CONNECT_RECOVERY) << false << true;
    QTest::newRow("dfu") << int(DEVICE_CONNECT_DFU) << true << false;
}

void MobileDeviceConnectTest::restorableAndNormalRecordsOfOnePhone()
{
    QFETCH(int, status);
    QFETCH(bool, dfu);
    QFETCH(bool, recovery);
    Recorder recorder(m_service);
    IBaseDevice *restorable = fakequorlin::attachRestorable(restorableInfo(1311768467294899695ull, status));
    settle();
    IBaseDevice *normal = fakequorlin::attach(normalInfo("UDID-R", "Rita"), true);
    settle();
    QTRY_COMPARE(recorder.events, QStringList({"new:1311768467294899695"}));
    MobileDeviceObject *current = m_service->currentDevice();
    QCOMPARE(current->serialNumber(), QString("1311768467294899695"));
    QVERIFY(current->deviceName().isEmpty());
    QVERIFY(current->productVersion().isEmpty());
    QCOMPARE(current->productType(), QString("iPhone14,2"));
    QVERIFY(current->restorable());
    QCOMPARE(m_service->isCurrentDeviceDFU(), dfu);
    QCOMPARE(m_service->isCurrentDeviceRecovery(), recovery);

    fakequorlin::detachRestorable(restorable);
    settle();
    QTRY_COMPARE(recorder.events.size(), 2);
    QCOMPARE(recorder.events.last(), QString("removed:1311768467294899695:0"));
    QCOMPARE(m_service->currentDevice()->uniqueDeviceID(), QString("UDID-R"));
    QVERIFY(!m_service->isCurrentDeviceDFU());
    QVERIFY(!m_service->isCurrentDeviceRecovery());
    m_attached << normal;
}

void MobileDeviceConnectTest::operationsWithoutDevice()
{
    QVERIFY(!m_service->checkDeviceBackupIsEncrypt());
    QVERIFY(m_service->backupEncryption() == MobileDeviceConnect::BackupEncryption::Unknown);
    QVERIFY(!m_service->setDeviceBackupPassword("pw"));
    QVERIFY(!m_service->verifyDeviceBackupPassword("pw"));
    QVERIFY(!m_service->removeDeviceBackupPassword("pw"));
    QVERIFY(!m_service->isPasswordProtect());
    QCOMPARE(m_service->deviceFreeSpace(), qint64(268435455));
    for (int op = 0; op < fakequorlin::OperationCount; ++op)
        QCOMPARE(fakequorlin::calls(fakequorlin::Operation(op)), 0);
}

void MobileDeviceConnectTest::blockingOperations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<qint64>("result");
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("newPassword");

    QTest::newRow("encrypted") << "encrypt" << 0 << true << qint64(1) << "" << "";
    QTest::newRow("not encrypted") << "encrypt" << 0 << false << qint64(0) << "" << "";
    QTest::newRow("encrypt check fails") << "encrypt" << 7 << true << qint64(0) << "" << "";
    // An unanswered question is not a "no" (Off 0, On 1, Unknown 2).
    QTest::newRow("encryption on") << "encryption" << 0 << true << qint64(1) << "" << "";
    QTest::newRow("encryption off") << "encryption" << 0 << false << qint64(0) << "" << "";
    QTest::newRow("encryption unanswered") << "encryption" << -3 << false << qint64(2) << "" << "";
    QTest::newRow("set") << "set" << 0 << false << qint64(1) << "" << "secret";
    QTest::newRow("set refused") << "set" << 2 << false << qint64(0) << "" << "secret";
    QTest::newRow("verify") << "verify" << 0 << false << qint64(1) << "secret" << "secret";
    QTest::newRow("verify wrong") << "verify" << -4 << false << qint64(0) << "secret" << "secret";
    QTest::newRow("remove") << "remove" << 0 << false << qint64(1) << "secret" << "";
    QTest::newRow("remove wrong") << "remove" << 1 << false << qint64(0) << "secret" << "";
    QTest::newRow("free space") << "free" << 0 << true << qint64(123456789012) << "" << "";
    QTest::newRow("free space fails") << "free" << 0 << false << qint64(268435455) << "" << "";
    QTest::newRow("passcode on") << "passcode" << 0 << true << qint64(1) << "1" << "";
    QTest::newRow("passcode off") << "passcode" << 0 << true << qint64(0) << "0" << "";
    QTest::newRow("passcode query fails") << "passcode" << 0 << false << qint64(0) << "1" << "";
}

void MobileDeviceConnectTest::blockingOperations()
{
    QFETCH(QString, operation);
    QFETCH(int, code);
    QFETCH(bool, flag);
    QFETCH(qint64, result);
    QFETCH(QString, oldPassword);
    QFETCH(QString, newPassword);
    m_attached << fakequorlin::attach(normalInfo("UDID-OP", "Olga"), true);
    settle();
    QVERIFY(m_service->currentDevice());

    const QString password = "secret";
    qint64 got = -1;
    if (operation == "encrypt") {
        fakequorlin::setCode(fakequorlin::CheckEncrypt, code);
        fakequorlin::setEncrypted(flag);
        got = m_service->checkDeviceBackupIsEncrypt();
    } else if (operation == "encryption") {
        fakequorlin::setCode(fakequorlin::CheckEncrypt, code);
        fakequorlin::setEncrypted(flag);
        got = static_cast<qint64>(m_service->backupEncryption());
    } else if (operation == "free") {
        fakequorlin::setDiskSize(flag, 123456789012);
        got = m_service->deviceFreeSpace();
    } else if (operation == "passcode") {
        fakequorlin::setQueryValue(flag, oldPassword.toStdString());
        got = m_service->isPasswordProtect();
        QCOMPARE(fakequorlin::lastQueryKey(), std::string("PasswordProtected"));
    } else {
        fakequorlin::setCode(fakequorlin::SetPassword, code);
        if (operation == "set")
            got = m_service->setDeviceBackupPassword(password);
        else if (operation == "verify")
            got = m_service->verifyDeviceBackupPassword(password);
        else
            got = m_service->removeDeviceBackupPassword(password);
        QCOMPARE(fakequorlin::lastOldPassword(), oldPassword.toStdWString());
        QCOMPARE(fakequorlin::lastNewPassword(), newPassword.toStdWString());
    }
    QCOMPARE(got, result);
    QCOMPARE(fakequorlin::refusedCalls(), 0);
    fakequorlin::setCode(fakequorlin::CheckEncrypt, 0);
    fakequorlin::setCode(fakequorlin::SetPassword, 0);
    fakequorlin::setQueryValue(true, "");
}

void MobileDeviceConnectTest::passwordKeptOrCleared()
{
    m_attached << fakequorlin::attach(normalInfo("UDID-PW", "Pia"), true);
    settle();
    fakequorlin::setCode(fakequorlin::SetPassword, 0);
    QVERIFY(m_service->verifyDeviceBackupPassword("first"));
    QCOMPARE(m_service->backupPassword(), QString("first"));

    fakequorlin::setCode(fakequorlin::SetPassword, 3);
    QVERIFY(!m_service->verifyDeviceBackupPassword("other"));
    QCOMPARE(m_service->backupPassword(), QString("first"));
    QVERIFY(!m_service->removeDeviceBackupPassword("first"));
    QCOMPARE(m_service->backupPassword(), QString("first"));
    QVERIFY(!m_service->setDeviceBackupPassword("second"));
    QCOMPARE(m_service->backupPassword(), QString());

    fakequorlin::setCode(fakequorlin::SetPassword, 0);
    QVERIFY(m_service->setDeviceBackupPassword("third"));
    QCOMPARE(m_service->backupPassword(), QString("third"));
    QVERIFY(m_service->removeDeviceBackupPassword("third"));
    QCOMPARE(m_service->backupPassword(), QString());
}

void MobileDeviceConnectTest::deviceLeavesDuringBlockingCall()
{
    Recorder recorder(m_service);
    IBaseDevice *device = fakequorlin::attach(normalInfo("UDID-GONE", "Gus"), true);
    settle();
    fakequorlin::hold(true);
    // While the window waits in its local loop, the device leaves; the
    // library frees its handle before the call goes on.
    QTimer::singleShot(0, this, [device] {
        QTRY_COMPARE(fakequorlin::waitingCalls(), 1);
        fakequorlin::detach(device);
        fakequorlin::waitIdle();
        fakequorlin::hold(false);
    });
    QVERIFY(!m_service->verifyDeviceBackupPassword("secret"));
    QCOMPARE(fakequorlin::refusedCalls(), 1);
    QTRY_COMPARE(recorder.events.last(), QString("removed:UDID-GONE:0"));
    QVERIFY(!m_service->currentDevice());
    QCOMPARE(m_service->deviceFreeSpace(), qint64(268435455));
}

void MobileDeviceConnectTest::serviceCheck_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("listening");
    QTest::newRow("unix socket answers") << "unix" << true;
    QTest::newRow("tcp port answers") << "tcp" << true;
    QTest::newRow("unix socket missing") << "unix" << false;
    QTest::newRow("tcp port closed") << "tcp" << false;
}

void MobileDeviceConnectTest::serviceCheck()
{
    QFETCH(QString, kind);
    QFETCH(bool, listening);
    // Short: a socket path has room for about a hundred bytes.
    QTemporaryDir dir(QDir::tempPath() + "/mXXXXXX");
    QVERIFY(dir.isValid());
    QLocalServer unixServer;
    QTcpServer tcpServer;
    QString address;
    if (kind == "unix") {
        const QString path = dir.filePath("s");
        if (listening)
            QVERIFY(unixServer.listen(path));
        address = "UNIX:" + path;
    } else {
        QVERIFY(tcpServer.listen(QHostAddress::LocalHost, 0));
        address = QString("127.0.0.1:%1").arg(tcpServer.serverPort());
        if (!listening)
            tcpServer.close();
    }
    qputenv("USBMUXD_SOCKET_ADDRESS", address.toUtf8());
    SettingsEntry *settings = SettingsEntry::instance();
    settings->setValue(SettingsKey::LocalAmds, "0", SettingsEntry::UserScope);

    QFuture<void> check = m_service->startAppleMobileDeviceService();
    QTRY_VERIFY(check.isFinished());
    QCOMPARE(settings->value(SettingsKey::LocalAmds, SettingsEntry::UserScope).toString(),
             listening ? QString("0") : QString("1"));
    qunsetenv("USBMUXD_SOCKET_ADDRESS");
}

QTEST_GUILESS_MAIN(MobileDeviceConnectTest)
#include "mobiledeviceconnect_test.moc"
