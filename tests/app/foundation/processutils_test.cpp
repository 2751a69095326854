#include "processprobe.h"
#include "processutils.h"
#include "vlog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <cstring>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

namespace
{
    struct LoudAtExit
    {
        ~LoudAtExit() { std::fputs("destructor ran", stdout); }
    };

    // The child mode: write, then end at once with the code.
    int terminateChild(int code)
    {
        static LoudAtExit loud;
        vlogInit();
        vlogInfo("last entry before the end");
        std::fputs("buffered text", stdout); // no newline: still in stdio's buffer
        terminateCurrentProcess(code);
    }
}

class ProcessUtilsTest : public QObject
{
    Q_OBJECT

private:
    // A shell that starts a child and prints its id, run from program.
    static bool startParentWithChild(QProcess &process, const QString &program, qint64 &child)
    {
        process.start(program, {"-c", "sleep 60 & echo $!; wait"});
        if (!process.waitForStarted() || !process.waitForReadyRead(5000))
            return false;
        child = process.readLine().trimmed().toLongLong();
        return child > 0 && isProcessAlive(child);
    }

private slots:
    void killProcessByNameEndsOnlyThatProgramsTree()
    {
        // A blank in the name is no problem: no command line is built.
        const QString name = QStringLiteral("quenrow killtest %1").arg(::getpid());
        const QString inAppFolder = QCoreApplication::applicationDirPath() + '/' + name;
        QTemporaryDir elsewhere;
        const QString copyElsewhere = elsewhere.path() + '/' + name;
        QFile::remove(inAppFolder);
        QVERIFY(QFile::copy("/bin/sh", inAppFolder));
        QVERIFY(QFile::copy("/bin/sh", copyElsewhere));
        for (const QString &path : {inAppFolder, copyElsewhere})
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        QProcess target, spared;
        qint64 targetChild = 0, sparedChild = 0;
        QVERIFY(startParentWithChild(target, inAppFolder, targetChild));
        QVERIFY(startParentWithChild(spared, copyElsewhere, sparedChild));

        // Neither a name nor the arguments match anything: the file does.
        killProcessByName(name + ".exe");
        QVERIFY(target.waitForFinished(5000));
        QCOMPARE(target.exitStatus(), QProcess::CrashExit);
        QTRY_VERIFY_WITH_TIMEOUT(!isProcessAlive(targetChild), 5000);

        QVERIFY(spared.state() == QProcess::Running);
        QVERIFY(isProcessAlive(sparedChild));

        // The program itself is never ended; unknown names do nothing.
        killProcessByName(QFileInfo(QCoreApplication::applicationFilePath()).fileName() + ".exe");
        killProcessByName("no-such-program-here.exe");
        killProcessByName(QString());
        QVERIFY(spared.state() == QProcess::Running);

        spared.kill();
        spared.waitForFinished();
        ::kill(pid_t(sparedChild), SIGKILL);
        QFile::remove(inAppFolder);
    }

    void delayMsRunsTheEventLoop()
    {
        bool fired = false;
        QTimer::singleShot(50, this, [&fired] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        delayMs(200);
        QVERIFY(fired);
        QVERIFY(clock.elapsed() >= 200);
        QVERIFY(clock.elapsed() < 2000);

        // Someone quitting the inner loop early does not shorten the wait.
        QTimer::singleShot(20, this, [] {
            if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
                dispatcher->interrupt();
        });
        clock.restart();
        delayMs(150);
        QVERIFY(clock.elapsed() >= 150);

        bool firedWhileBusy = false;
        QTimer::singleShot(0, this, [&firedWhileBusy] { firedWhileBusy = true; });
        clock.restart();
        delayMs(100, true);
        QVERIFY(clock.elapsed() >= 100);
        QVERIFY(!firedWhileBusy);
        QTRY_VERIFY(firedWhileBusy);

        clock.restart();
        delayMs(-5);
        delayMs(0);
        QVERIFY(clock.elapsed() < 50);
    }

    void terminateCurrentProcessEndsWithTheCode()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--terminate-with", "7"});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 7);
        // stdio was flushed, destructors did not run.
        QCOMPARE(child.readAllStandardOutput(), QByteArray("buffered text"));
        QFile log(qEnvironmentVariable("QUENROW_LOG_DIR") + "/app.txt");
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("last entry before the end"));
    }

    void pagesAreZeroedAndReleased()
    {
        const std::size_t size = 3 * 4096 + 17;
        auto *bytes = static_cast<unsigned char *>(virtualAllocOrThrow(size));
        QVERIFY(bytes);
        QCOMPARE(quintptr(bytes) % 4096, quintptr(0));
        for (std::size_t i = 0; i < size; ++i)
            QCOMPARE(bytes[i], (unsigned char)0);
        std::memset(bytes, 0xab, size);
        QVERIFY(virtualRelease(bytes));
        QVERIFY(!virtualRelease(nullptr));
        QVERIFY_EXCEPTION_THROWN(virtualAllocOrThrow(0), std::bad_alloc);
        QVERIFY_EXCEPTION_THROWN(virtualAllocOrThrow(SIZE_MAX - 100), std::bad_alloc);
    }

    void queriesAboutOwnProcesses()
    {
        const qint64 self = ::getpid();
        const QString selfName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QCOMPARE(QFileInfo(processImagePath(self)).canonicalFilePath(),
                 QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
        QCOMPARE(parentProcessId(self), qint64(::getppid()));
        QCOMPARE(processOwnerName(self), QString::fromLocal8Bit(getpwuid(getuid())->pw_name));
        QVERIFY(isProcessRunning(selfName + ".exe"));
        QVERIFY(!isProcessRunning(selfName.left(5)));
        QVERIFY(processIdByNamePrefix(selfName.left(8)) > 0);
        QCOMPARE(processIdByNamePrefix("no-such-program-prefix"), qint64(0));
        QVERIFY(processWorkingSetMegabytes(self) >= 0);
        QCOMPARE(processWorkingSetMegabytes(-1), qint64(-1));
        QCOMPARE(parentProcessId(0), qint64(-1));
        QVERIFY(!killProcessById(self));
        QVERIFY(totalVirtualMemory() > availableVirtualMemory());
        QVERIFY(availableVirtualMemory() > 0);
        trimProcessWorkingSet(selfName + ".exe");
        trimProcessWorkingSet("nothing-matches");
        for (const QString &port : serialPortNames())
            QVERIFY(port.startsWith("/dev/tty"));
        QCOMPARE(is64BitWindows(), sizeof(void *) == 8);
        QVERIFY(!isValidHandle(0));
        QVERIFY(!isValidHandle(-1));
        QVERIFY(isValidHandle(5));
    }

    void tcpOwnersListEachProcessOnce()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        QList<qint64> pids {42};
        QVERIFY(tcpOwnersOfLocalPort(server.serverPort(), pids));
        QVERIFY(tcpOwnersOfLocalPort(server.serverPort(), pids));
        QCOMPARE(pids, (QList<qint64> {42, qint64(::getpid())}));
    }

    void runHiddenUsesNoShell()
    {
        QTemporaryDir dir;
        const QString file = dir.path() + "/a b;$(echo c)";
        QVERIFY(runHidden(QStringLiteral("touch \"%1\"").arg(file)));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(file), 5000);
        QVERIFY(!runHidden(QString()));
    }
};

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--terminate-with") == 0) {
        QCoreApplication app(argc, argv);
        return terminateChild(std::atoi(argv[2]));
    }
    QCoreApplication app(argc, argv);
    ProcessUtilsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "processutils_test.moc"
