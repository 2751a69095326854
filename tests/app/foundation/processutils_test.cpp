#include "processprobe.h"
#include "processutils.h"
#include "vlog.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xcb/xcb.h>

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

    // A program of a name nobody else runs, and one that has ended.
    QTemporaryDir m_programs;
    QString m_uniqueName;
    QProcess m_unique;
    qint64 m_endedPid = 0;

    // An X server of the test's own, with windows claiming process ids.
    QProcess m_xServer;
    QString m_display;
    xcb_connection_t *m_x = nullptr;
    QHash<QString, quintptr> m_windows;

    // The id of the process a process descriptor stands for; 0 for none.
    static qint64 pidOfDescriptor(qintptr fd)
    {
        QFile info(QStringLiteral("/proc/self/fdinfo/%1").arg(fd));
        if (fd <= 0 || !info.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray &line : info.readAll().split('\n')) {
            if (line.startsWith("Pid:"))
                return line.mid(4).trimmed().toLongLong();
        }
        return 0;
    }

    static qint64 otherUsersProcess()
    {
        for (const QString &name : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            struct stat info {};
            if (name.toLongLong() > 0 && ::stat(("/proc/" + name).toLocal8Bit().constData(), &info) == 0
                && info.st_uid != ::getuid())
                return name.toLongLong();
        }
        return 0;
    }

    xcb_atom_t atom(const char *name)
    {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(m_x, xcb_intern_atom(m_x, 0, uint16_t(std::strlen(name)), name), nullptr),
            &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    xcb_window_t addWindow(xcb_window_t parent, quint32 pid)
    {
        const xcb_window_t window = xcb_generate_id(m_x);
        xcb_create_window(m_x, XCB_COPY_FROM_PARENT, window, parent, 0, 0, 10, 10, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        if (pid)
            xcb_change_property(m_x, XCB_PROP_MODE_REPLACE, window, atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, 1,
                                &pid);
        return window;
    }

    // Starts the server once: a plain top-level window of 4001, a framed
    // client of 4002 listed as the window manager would list it, and a
    // window that claims no process.
    bool startXServer()
    {
        if (m_x)
            return true;
        const QString server = QStandardPaths::findExecutable("Xvfb");
        if (server.isEmpty())
            return false;
        m_xServer.start(server, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "64x64x24"});
        if (!m_xServer.waitForStarted() || !m_xServer.waitForReadyRead(30000))
            return false;
        m_display = ':' + QString::fromLatin1(m_xServer.readLine().trimmed());
        m_x = xcb_connect(m_display.toLatin1().constData(), nullptr);
        if (xcb_connection_has_error(m_x))
            return false;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_x)).data->root;
        addWindow(root, 0);
        m_windows["plain"] = addWindow(root, 4001);
        const xcb_window_t frame = addWindow(root, 0);
        const xcb_window_t client = addWindow(frame, 4002);
        m_windows["client"] = client;
        xcb_change_property(m_x, XCB_PROP_MODE_REPLACE, root, atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 32, 1,
                            &client);
        return xcb_flush(m_x) > 0;
    }

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
    void initTestCase()
    {
        m_uniqueName = QStringLiteral("quenrow-opentest-%1").arg(::getpid());
        const QString program = m_programs.path() + '/' + m_uniqueName;
        QVERIFY(QFile::copy("/bin/sleep", program));
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        m_unique.start(program, {"60"});
        QVERIFY(m_unique.waitForStarted());

        QProcess ended;
        ended.start("/bin/sh", {"-c", "echo $$"});
        QVERIFY(ended.waitForFinished());
        m_endedPid = ended.readAll().trimmed().toLongLong();
        QVERIFY(m_endedPid > 0);
    }

    void cleanupTestCase()
    {
        m_unique.kill();
        m_unique.waitForFinished();
        if (m_x)
            xcb_disconnect(m_x);
        m_xServer.terminate();
        m_xServer.waitForFinished();
    }

    void openProcessIsLimitedToOwnProcesses_data()
    {
        QTest::addColumn<qint64>("pid");
        QTest::addColumn<bool>("opens");
        QTest::newRow("this program") << qint64(::getpid()) << true;
        QTest::newRow("a child") << m_unique.processId() << true;
        QTest::newRow("a process that has ended") << m_endedPid << false;
        QTest::newRow("another user's") << otherUsersProcess() << false;
        QTest::newRow("id 0") << qint64(0) << false;
        QTest::newRow("id -1") << qint64(-1) << false;
        QTest::newRow("beyond any id") << (qint64(1) << 40) << false;
    }

    void openProcessIsLimitedToOwnProcesses()
    {
        QFETCH(qint64, pid);
        QFETCH(bool, opens);
        if (QByteArray(QTest::currentDataTag()) == "another user's" && pid == 0)
            QSKIP("every process here belongs to this user");
        const qintptr fd = openProcessAsDebugger(pid);
        QCOMPARE(fd != 0, opens);
        if (!opens)
            return;
        QVERIFY(fd > STDERR_FILENO);
        QCOMPARE(pidOfDescriptor(fd), pid);
        QVERIFY(::fcntl(int(fd), F_GETFD) & FD_CLOEXEC);
        ::close(int(fd));
    }

    void openProcessByNamePrefix_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("opens");
        QTest::newRow("whole name") << m_uniqueName << true;
        QTest::newRow("prefix") << m_uniqueName.left(m_uniqueName.size() - 1) << true;
        QTest::newRow("with .exe") << m_uniqueName + ".exe" << true;
        QTest::newRow("nothing matches") << m_uniqueName + "-none" << false;
        QTest::newRow("different case") << m_uniqueName.toUpper() << false;
    }

    void openProcessByNamePrefix()
    {
        QFETCH(QString, prefix);
        QFETCH(bool, opens);
        for (qintptr fd : {::openProcessByNamePrefix(prefix), openProcessByNamePrefixAsDebugger(prefix)}) {
            QCOMPARE(pidOfDescriptor(fd), opens ? m_unique.processId() : qint64(0));
            if (fd)
                ::close(int(fd));
        }
    }

    void windowOfProcess_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<qint64>("pid");
        QTest::addColumn<QString>("window");
        QTest::newRow("top-level window") << "test server" << qint64(4001) << "plain";
        QTest::newRow("client in a frame") << "test server" << qint64(4002) << "client";
        QTest::newRow("no window of the process") << "test server" << qint64(4003) << "";
        QTest::newRow("id 0") << "test server" << qint64(0) << "";
        QTest::newRow("no display") << "" << qint64(4001) << "";
        QTest::newRow("display nobody serves") << ":65000" << qint64(4001) << "";
    }

    void windowOfProcess()
    {
        QFETCH(QString, display);
        QFETCH(qint64, pid);
        QFETCH(QString, window);
        const QByteArray saved = qgetenv("DISPLAY");
        if (display == "test server") {
            if (!startXServer())
                QSKIP("no Xvfb to run an X server");
            display = m_display;
        }
        display.isEmpty() ? qunsetenv("DISPLAY") : qputenv("DISPLAY", display.toLatin1());
        const quintptr found = ::windowOfProcess(pid);
        saved.isNull() ? qunsetenv("DISPLAY") : qputenv("DISPLAY", saved);
        QCOMPARE(found, window.isEmpty() ? quintptr(0) : m_windows.value(window));
    }

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
