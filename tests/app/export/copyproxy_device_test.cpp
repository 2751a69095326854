// A device copy through the real engine, against the simulated device.
#include "copyproxy.h"
#include "exporttestfiles.h"
#include "simulateddevice.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using testsupport::SimulatedDevice;
using testsupport::SimulatedDeviceState;

namespace
{
    const char Udid[] = "00008030001A2B3C4D5E6F7081A2B3C4D5E6F708";

    // Set before any thread starts: libusbmuxd reads it at each connection.
    const std::string &socketPath()
    {
        static const std::string path = SimulatedDevice::uniqueSocketPath("export");
        return path;
    }
}

class CopyProxyDeviceTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QTemporaryDir m_out;
    std::unique_ptr<SimulatedDevice> m_device;
    std::string m_content;

    void startDevice(int64_t dropAfterBytes)
    {
        if (m_device)
            m_device->stop();
        SimulatedDeviceState state;
        state.udid = Udid;
        state.root = m_root.path().toStdString();
        state.dropAfterBytes = dropAfterBytes;
        m_device = std::make_unique<SimulatedDevice>(state);
        QVERIFY(m_device->start(socketPath()));
    }

    struct Batch
    {
        QList<RecoverError::ErrorType> errors;
        QStringList progress;
    };

    Batch copy(const QString &source, const QString &destination)
    {
        CopyProxy *proxy = CopyProxy::instance();
        Batch batch;
        int overs = 0;
        QList<QMetaObject::Connection> links;
        links << connect(proxy, &CopyProxy::sigError, this, [&](RecoverError::ErrorType e) { batch.errors << e; },
                         Qt::QueuedConnection);
        links << connect(proxy, &CopyProxy::sigCopyProcess, this,
                         [&](const QString &, const QString &text) { batch.progress << text; }, Qt::QueuedConnection);
        links << connect(proxy, &CopyProxy::sigCopyOver, this, [&] { ++overs; }, Qt::QueuedConnection);
        proxy->addTask(source, destination);
        proxy->start();
        QElapsedTimer clock;
        clock.start();
        while (overs == 0 && clock.elapsed() < 20000)
            QTest::qWait(5);
        for (const auto &link : links)
            disconnect(link);
        return batch;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<RecoverError::ErrorType>("RecoverError::ErrorType");
        CopyProxy::setDeviceIdProvider([] { return QString::fromLatin1(Udid); });
        m_content = testsupport::patternBytes(300 * 1000, 7);
        QVERIFY(QDir().mkpath(m_root.filePath("DCIM/100APPLE")));
        std::ofstream(m_root.filePath("DCIM/100APPLE/IMG_0001.JPG").toStdString(), std::ios::binary) << m_content;
    }

    void cleanupTestCase()
    {
        CopyProxy::instance()->clear();
        if (m_device)
            m_device->stop();
    }

    void copiesAFileOffTheDevice()
    {
        startDevice(-1);
        const QString target = m_out.filePath("holiday.jpg");
        const Batch batch = copy("/DCIM/100APPLE/IMG_0001.JPG", target);
        QCOMPARE(batch.errors, QList<RecoverError::ErrorType>{RecoverError::NoError});
        QCOMPARE(readAll(target), QByteArray::fromStdString(m_content));
        QCOMPARE(entriesUnder(m_out.path()), QStringList{"holiday.jpg"});
        QVERIFY2(batch.progress.size() >= 2, qPrintable(batch.progress.join('|')));
        QCOMPARE(batch.progress.last(), QStringLiteral("[100%]"));
    }

    // Each start connects anew; the run before it must not close the new connection.
    void aSecondRunCopiesToo()
    {
        startDevice(-1);
        for (const QString &name : {QStringLiteral("first.jpg"), QStringLiteral("second.jpg")}) {
            const QString target = m_out.filePath(name);
            const Batch batch = copy("/DCIM/100APPLE/IMG_0001.JPG", target);
            QCOMPARE(batch.errors, QList<RecoverError::ErrorType>{RecoverError::NoError});
            QCOMPARE(readAll(target), QByteArray::fromStdString(m_content));
        }
    }

    // Without a provider no device is current: nothing is copied.
    void withoutACurrentDeviceNothingIsCopied()
    {
        startDevice(-1);
        CopyProxy::setDeviceIdProvider(nullptr);
        const QString target = m_out.filePath("nodevice.jpg");
        const Batch batch = copy("/DCIM/100APPLE/IMG_0001.JPG", target);
        CopyProxy::setDeviceIdProvider([] { return QString::fromLatin1(Udid); });
        QCOMPARE(batch.errors.size(), 1);
        QVERIFY(batch.errors.first() != RecoverError::NoError);
        QVERIFY(!QFile::exists(target));
    }

    void aDeviceLeavingMidFileIsAFailure()
    {
        startDevice(100 * 1000);
        const QString target = m_out.filePath("unplugged.jpg");
        const Batch batch = copy("/DCIM/100APPLE/IMG_0001.JPG", target);
        QCOMPARE(batch.errors.size(), 1);
        QVERIFY(batch.errors.first() != RecoverError::NoError);
        QVERIFY(!QFile::exists(target));
        QVERIFY(!entriesUnder(m_out.path()).contains("unplugged.jpg"));
    }
};

int main(int argc, char **argv)
{
    setenv("USBMUXD_SOCKET_ADDRESS", SimulatedDevice::muxAddress(socketPath()).c_str(), 1);
    QCoreApplication app(argc, argv);
    CopyProxyDeviceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "copyproxy_device_test.moc"
