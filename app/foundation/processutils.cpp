#include "processutils.h"

#include "fileutils.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <QWidget>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include <fcntl.h>
#include <malloc.h>
#include <pwd.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace
{
    struct ProcessEntry
    {
        qint64 pid = 0;
        qint64 parent = -1;
    };

    QString procPath(qint64 pid, const char *leaf)
    {
        return QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(leaf));
    }

    bool isOwnProcess(qint64 pid)
    {
        struct stat info {};
        return pid > 0 && ::stat(QStringLiteral("/proc/%1").arg(pid).toLocal8Bit().constData(), &info) == 0
            && info.st_uid == ::getuid();
    }

    qint64 readParent(qint64 pid)
    {
        QFile stat(procPath(pid, "stat"));
        if (!stat.open(QIODevice::ReadOnly))
            return -1;
        // "pid (comm) state ppid ...": the name may hold blanks and ')'.
        const QByteArray line = stat.readAll();
        const int close = line.lastIndexOf(')');
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        return close < 0 || fields.size() < 2 ? -1 : fields.at(1).toLongLong();
    }

    QList<ProcessEntry> ownProcesses()
    {
        QList<ProcessEntry> processes;
        const QStringList names = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &name : names) {
            bool number = false;
            const qint64 pid = name.toLongLong(&number);
            if (!number || !isOwnProcess(pid))
                continue;
            processes.append({pid, readParent(pid)});
        }
        return processes;
    }

    QString imageName(qint64 pid)
    {
        const QString exe = QFileInfo(procPath(pid, "exe")).symLinkTarget();
        if (!exe.isEmpty())
            return QFileInfo(exe).fileName();
        QFile comm(procPath(pid, "comm"));
        return comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed() : QString();
    }

    // The program the system starts under the name: in the application
    // folder, else on PATH.
    QString resolveProgram(const QString &name)
    {
        const QString linuxName = linuxModuleName(QDir::fromNativeSeparators(name));
        if (linuxName.isEmpty())
            return {};
        if (linuxName.contains('/'))
            return QFileInfo(linuxName).isFile() ? linuxName : QString();
        const QString beside = QCoreApplication::applicationDirPath() + '/' + linuxName;
        if (QFileInfo(beside).isFile() && QFileInfo(beside).isExecutable())
            return beside;
        return QStandardPaths::findExecutable(linuxName);
    }

    bool runsFile(qint64 pid, const struct stat &program)
    {
        struct stat running {};
        return ::stat(procPath(pid, "exe").toLocal8Bit().constData(), &running) == 0
            && running.st_dev == program.st_dev && running.st_ino == program.st_ino;
    }

    int pageSize()
    {
        static const int size = int(::sysconf(_SC_PAGESIZE));
        return size;
    }

    qintptr openOwnProcess(qint64 pid)
    {
        if (pid <= 0 || pid > INT_MAX)
            return 0;
        int fd = int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
        if (fd < 0)
            return 0;
        // The descriptor holds whoever has the id now; while that process
        // still exists, the owner read from /proc is its owner.
        if (!isOwnProcess(pid) || ::syscall(SYS_pidfd_send_signal, fd, 0, nullptr, 0) != 0) {
            ::close(fd);
            return 0;
        }
        // 0 stands for "none": never hand out the descriptors 0 to 2.
        if (fd <= STDERR_FILENO) {
            const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
            ::close(fd);
            fd = moved;
        }
        return fd < 0 ? 0 : qintptr(fd);
    }

    template <typename Reply>
    using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

    // XCB_ATOM_NONE when the server knows no such name: then no window has it.
    xcb_atom_t existingAtom(xcb_connection_t *connection, const char *name)
    {
        const XcbReply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, uint16_t(qstrlen(name)), name), nullptr),
            &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    // The window manager's clients (their frames are the root's children),
    // then the root's children themselves, for a display without one.
    std::vector<xcb_window_t> topLevelWindows(xcb_connection_t *connection, xcb_window_t root)
    {
        std::vector<xcb_window_t> windows;
        const xcb_atom_t clientList = existingAtom(connection, "_NET_CLIENT_LIST");
        if (clientList != XCB_ATOM_NONE) {
            const XcbReply<xcb_get_property_reply_t> clients(
                xcb_get_property_reply(connection,
                                       xcb_get_property(connection, 0, root, clientList, XCB_ATOM_WINDOW, 0, 1 << 16),
                                       nullptr),
                &std::free);
            if (clients && clients->format == 32) {
                const auto *ids = static_cast<const xcb_window_t *>(xcb_get_property_value(clients.get()));
                windows.assign(ids, ids + xcb_get_property_value_length(clients.get()) / 4);
            }
        }
        const XcbReply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr), &std::free);
        if (tree) {
            const xcb_window_t *children = xcb_query_tree_children(tree.get());
            windows.insert(windows.end(), children, children + xcb_query_tree_children_length(tree.get()));
        }
        return windows;
    }
}

void enableDebugPrivilege()
{
}

void keepSystemAwake()
{
    static int held = -1;
    if (held >= 0)
        return;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QStringLiteral("Quenrow(iOS)")
         << QStringLiteral("Recovering data from a device") << QStringLiteral("block");
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return;
    const QDBusUnixFileDescriptor descriptor = reply.arguments().constFirst().value<QDBusUnixFileDescriptor>();
    // The inhibitor lasts as long as the descriptor is open: keep a copy
    // until the process ends, out of reach of the programs it starts.
    if (descriptor.isValid())
        held = ::fcntl(descriptor.fileDescriptor(), F_DUPFD_CLOEXEC, 3);
}

void killProcessByName(const QString &imageName)
{
    const QString program = resolveProgram(imageName);
    struct stat programInfo {};
    if (program.isEmpty() || ::stat(program.toLocal8Bit().constData(), &programInfo) != 0)
        return;

    const qint64 self = ::getpid();
    const QList<ProcessEntry> processes = ownProcesses();
    QHash<qint64, QList<qint64>> children;
    for (const ProcessEntry &entry : processes)
        children[entry.parent].append(entry.pid);

    // Collect the whole tree first: once a parent dies its children move
    // to another parent and could no longer be found.
    QList<qint64> doomed;
    QSet<qint64> seen;
    for (const ProcessEntry &entry : processes) {
        if (entry.pid == self || !runsFile(entry.pid, programInfo) || seen.contains(entry.pid))
            continue;
        QList<qint64> pending {entry.pid};
        while (!pending.isEmpty()) {
            const qint64 pid = pending.takeFirst();
            if (pid == self || seen.contains(pid))
                continue;
            seen.insert(pid);
            doomed.append(pid);
            pending.append(children.value(pid));
        }
    }
    for (qint64 pid : doomed)
        ::kill(pid_t(pid), SIGKILL);
}

void terminateCurrentProcess(int exitCode)
{
    // The log writes through on every entry; only stdio may still hold text.
    std::fflush(nullptr);
    ::_exit(exitCode);
}

void trimProcessWorkingSet(const QString &imageNamePrefix)
{
    const QString prefix = linuxModuleName(imageNamePrefix);
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (!prefix.isEmpty() && self.startsWith(prefix))
        ::malloc_trim(0);
}

bool is64BitWindows()
{
    return QSysInfo::currentCpuArchitecture().contains(QLatin1String("64"));
}

void moveToCenter(QWidget *widget, int width, int height)
{
    if (widget)
        widget->move(width / 2 - widget->width() / 2, height / 2 - widget->height() / 2);
}

void delayMs(int milliseconds, bool busyWait)
{
    if (milliseconds <= 0)
        return;
    QElapsedTimer clock;
    clock.start();
    if (busyWait) {
        while (clock.elapsed() < milliseconds) {
        }
        return;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    // A nested loop quit early by someone else goes on waiting.
    while (clock.elapsed() < milliseconds) {
        timer.start(int(milliseconds - clock.elapsed()));
        loop.exec(QEventLoop::AllEvents);
    }
}

void *virtualAllocOrThrow(std::size_t size)
{
    // One page in front keeps the size, so release needs only the pointer.
    const std::size_t page = std::size_t(pageSize());
    if (size == 0 || size > SIZE_MAX - 2 * page)
        throw std::bad_alloc();
    const std::size_t total = (size + page - 1) / page * page + page;
    void *block = ::mmap(nullptr, total, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    *static_cast<std::size_t *>(block) = total;
    return static_cast<char *>(block) + page;
}

bool virtualRelease(void *pointer)
{
    if (!pointer)
        return false;
    char *block = static_cast<char *>(pointer) - pageSize();
    return ::munmap(block, *reinterpret_cast<std::size_t *>(block)) == 0;
}

qint64 processIdByNamePrefix(const QString &prefix)
{
    const QString linuxPrefix = linuxModuleName(prefix);
    for (const ProcessEntry &entry : ownProcesses()) {
        if (imageName(entry.pid).startsWith(linuxPrefix))
            return entry.pid;
    }
    return 0;
}

qintptr openProcessAsDebugger(qint64 pid)
{
    return openOwnProcess(pid);
}

qintptr openProcessByNamePrefix(const QString &prefix)
{
    return openOwnProcess(processIdByNamePrefix(prefix));
}

qintptr openProcessByNamePrefixAsDebugger(const QString &prefix)
{
    return openProcessByNamePrefix(prefix);
}

qint64 processWorkingSetMegabytes(qint64 pid)
{
    QFile status(procPath(pid, "status"));
    if (!isOwnProcess(pid) || !status.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression rss(QStringLiteral("^VmRSS:\\s+(\\d+) kB"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = rss.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() >> 10 : 0;
}

QString processImagePath(qint64 pid)
{
    return isOwnProcess(pid) ? QFileInfo(procPath(pid, "exe")).symLinkTarget() : QString();
}

QString processOwnerName(qint64 pid)
{
    struct stat info {};
    if (pid <= 0 || ::stat(QStringLiteral("/proc/%1").arg(pid).toLocal8Bit().constData(), &info) != 0)
        return {};
    passwd entry {};
    passwd *found = nullptr;
    QByteArray buffer(16384, '\0');
    if (::getpwuid_r(info.st_uid, &entry, buffer.data(), size_t(buffer.size()), &found) != 0 || !found)
        return {};
    return QString::fromLocal8Bit(found->pw_name);
}

qint64 parentProcessId(qint64 pid)
{
    return isOwnProcess(pid) ? readParent(pid) : -1;
}

bool isProcessRunning(const QString &name)
{
    const QString linuxName = linuxModuleName(name);
    for (const ProcessEntry &entry : ownProcesses()) {
        if (imageName(entry.pid) == linuxName)
            return true;
    }
    return false;
}

bool killProcessById(qint64 pid)
{
    return pid != ::getpid() && isOwnProcess(pid) && ::kill(pid_t(pid), SIGKILL) == 0;
}

bool runHidden(const QString &commandLine)
{
    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty())
        return false;
    const QString program = arguments.takeFirst();
    return QProcess::startDetached(program, arguments);
}

bool tcpOwnersOfLocalPort(quint16 port, QList<qint64> &pids)
{
    QSet<QByteArray> inodes;
    for (const char *table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        QFile file {QString::fromLatin1(table)};
        if (!file.open(QIODevice::ReadOnly))
            continue;
        file.readLine(); // heading
        while (!file.atEnd()) {
            // "sl local_address rem_address st tx:rx tr:when retrnsmt uid timeout inode"
            const QList<QByteArray> fields = file.readLine().simplified().split(' ');
            if (fields.size() < 10)
                continue;
            const QByteArray local = fields.at(1);
            bool ok = false;
            if (local.mid(local.lastIndexOf(':') + 1).toUInt(&ok, 16) == port && ok && fields.at(9) != "0")
                inodes.insert("socket:[" + fields.at(9) + "]");
        }
    }
    if (inodes.isEmpty())
        return true;
    for (const ProcessEntry &entry : ownProcesses()) {
        const QString fdFolder = procPath(entry.pid, "fd");
        for (const QString &fd : QDir(fdFolder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            char target[128] = {};
            const QByteArray link = (fdFolder + '/' + fd).toLocal8Bit();
            const ssize_t length = ::readlink(link.constData(), target, sizeof target - 1);
            if (length > 0 && inodes.contains(QByteArray(target, int(length)))) {
                if (!pids.contains(entry.pid))
                    pids.append(entry.pid);
                break;
            }
        }
    }
    return true;
}

QStringList serialPortNames()
{
    QStringList ports;
    const QString classFolder = QStringLiteral("/sys/class/tty");
    for (const QString &name : QDir(classFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        // Only lines with a device behind them; virtual consoles have none.
        if (QFileInfo::exists(classFolder + '/' + name + "/device/driver"))
            ports << "/dev/" + name;
    }
    return ports;
}

quint64 totalVirtualMemory()
{
    rlimit limit {};
    if (::getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        return quint64(limit.rlim_cur);
    // The user half of the address space of a 64-bit (47-bit) or 32-bit process.
    return sizeof(void *) == 8 ? (quint64(1) << 47) : (quint64(3) << 30);
}

quint64 availableVirtualMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression size(QStringLiteral("^VmSize:\\s+(\\d+) kB"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = size.match(QString::fromLatin1(status.readAll()));
    const quint64 used = match.hasMatch() ? match.captured(1).toULongLong() << 10 : 0;
    const quint64 total = totalVirtualMemory();
    return used < total ? total - used : 0;
}

quintptr windowOfProcess(qint64 pid)
{
    // Only an X display named in the environment; a Wayland-only or headless
    // session has none to ask.
    if (pid <= 0 || pid > qint64(UINT32_MAX) || qEnvironmentVariableIsEmpty("DISPLAY"))
        return 0;
    int screenNumber = 0;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(xcb_connect(nullptr, &screenNumber),
                                                                                 &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return 0;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    const xcb_atom_t wmPid = existingAtom(connection.get(), "_NET_WM_PID");
    if (!screens.rem || wmPid == XCB_ATOM_NONE)
        return 0;

    const std::vector<xcb_window_t> windows = topLevelWindows(connection.get(), screens.data->root);
    // Every question first, then the answers: one round trip, not one per window.
    std::vector<xcb_get_property_cookie_t> cookies;
    cookies.reserve(windows.size());
    for (xcb_window_t window : windows)
        cookies.push_back(xcb_get_property(connection.get(), 0, window, wmPid, XCB_ATOM_CARDINAL, 0, 1));
    quintptr found = 0;
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        const XcbReply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(connection.get(), cookies[i], nullptr), &std::free);
        if (!found && reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) >= 4
            && *static_cast<const uint32_t *>(xcb_get_property_value(reply.get())) == quint32(pid))
            found = windows[i];
    }
    return found;
}

bool isValidHandle(qintptr handle)
{
    return handle != 0 && handle != -1;
}
