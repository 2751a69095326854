#include "fileutils.h"
#include "processutils.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <cstring>
#include <memory>

namespace
{
    // The child mode: take the inhibitor, say so, and hold it until stdin
    // has a line.
    int keepAwakeChild()
    {
        keepSystemAwake();
        std::puts("held");
        std::fflush(stdout);
        char line[16];
        return std::fgets(line, sizeof line, stdin) ? 0 : 1;
    }
}

class DesktopBusTest : public QObject
{
    Q_OBJECT

public slots:
    void openedByDesktop(const QUrl &url)
    {
        m_opened.append(url);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QList<std::shared_ptr<QProcess>> m_daemons;
    QProcess m_standIns;
    QString m_log;
    QList<QUrl> m_opened;

    // A private bus daemon listening on a socket in our folder; its address.
    QString startBus(const QString &name)
    {
        const QString config = m_dir->path() + '/' + name + ".conf";
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                                  " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                                  "<busconfig><type>session</type><listen>unix:path=%1/%2.sock</listen>"
                                  "<auth>EXTERNAL</auth><policy context=\"default\">"
                                  "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                                  "<allow own=\"*\"/></policy></busconfig>\n")
                       .arg(m_dir->path(), name)
                       .toUtf8());
        file.close();
        auto daemon = std::make_shared<QProcess>();
        daemon->start("dbus-daemon", {"--nofork", "--print-address", "--config-file=" + config});
        if (!daemon->waitForStarted() || !daemon->waitForReadyRead(10000))
            return {};
        m_daemons.append(daemon);
        return QString::fromUtf8(daemon->readLine()).trimmed();
    }

    QString log() const
    {
        QFile file(m_log);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
            QSKIP("dbus-daemon is not installed");
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_log = m_dir->path() + "/calls.log";
        const QString session = startBus("session");
        const QString system = startBus("system");
        QVERIFY(!session.isEmpty() && !system.isEmpty());
        // Before the first use of either bus in this process.
        qputenv("DBUS_SESSION_BUS_ADDRESS", session.toUtf8());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", system.toUtf8());
        QDesktopServices::setUrlHandler("file", this, "openedByDesktop");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("file");
        m_standIns.kill();
        m_standIns.waitForFinished();
        for (const auto &daemon : m_daemons) {
            daemon->kill();
            daemon->waitForFinished();
        }
    }

    void withoutFileManagerTheFolderOpens()
    {
        const QString file = m_dir->path() + "/sub folder/picture #1.jpg";
        QVERIFY(QDir().mkpath(m_dir->path() + "/sub folder"));
        m_opened.clear();
        showInExplorer(file);
        QCOMPARE(m_opened, QList<QUrl> {QUrl::fromLocalFile(m_dir->path() + "/sub folder")});
    }

    void openUrlHandsTheAddressOver()
    {
        m_opened.clear();
        QDesktopServices::setUrlHandler("https", this, "openedByDesktop");
        QVERIFY(openUrl("https://example.invalid/a b?q=1"));
        QVERIFY(openUrl(m_dir->path() + "/report #2.html", true));
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(m_opened, (QList<QUrl> {QUrl("https://example.invalid/a%20b?q=1"),
                                         QUrl::fromLocalFile(m_dir->path() + "/report #2.html")}));
    }

    void keepSystemAwakeWithoutLoginManagerReturns()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--keep-awake"});
        QVERIFY(child.waitForReadyRead(10000));
        QCOMPARE(child.readLine(), QByteArray("held\n"));
        child.write("done\n");
        QVERIFY(child.waitForFinished(5000));
        QCOMPARE(child.exitCode(), 0);
    }

    void startStandIns()
    {
        m_standIns.start(QCoreApplication::applicationDirPath() + "/bus-standins", {m_log});
        QVERIFY(m_standIns.waitForReadyRead(10000));
        QCOMPARE(m_standIns.readLine(), QByteArray("ready\n"));
    }

    void fileManagerShowsTheItem()
    {
        const QString file = m_dir->path() + "/sub folder/picture #1.jpg";
        m_opened.clear();
        showInExplorer(file);
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(log(), "ShowItems " + QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded) + " startup=\n");
    }

    void inhibitorIsHeldUntilTheProgramEnds()
    {
        QFile::remove(m_log);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--keep-awake"});
        QVERIFY(child.waitForReadyRead(10000));
        QCOMPARE(child.readLine(), QByteArray("held\n"));
        QCOMPARE(log(), QString("Inhibit sleep:idle|Quenrow(iOS)|Recovering data from a device|block\n"));
        QTest::qWait(300);
        QVERIFY(!log().contains("released"));

        child.write("done\n");
        QVERIFY(child.waitForFinished(5000));
        QTRY_VERIFY_WITH_TIMEOUT(log().endsWith("released\n"), 5000);
    }
};

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--keep-awake") == 0) {
        QCoreApplication app(argc, argv);
        return keepAwakeChild();
    }
    QGuiApplication app(argc, argv);
    DesktopBusTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "desktopbus_test.moc"
