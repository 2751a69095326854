#include "singleinstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{
    int boundSocket(const QString &path)
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray bytes = path.toLocal8Bit();
        ::strncpy(address.sun_path, bytes.constData(), sizeof address.sun_path - 1);
        if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    }

    // Connections that nobody accepts, until the listener's queue is full:
    // a further connect then waits, as for an instance too busy to answer.
    QList<int> fillQueue(const QString &path)
    {
        QList<int> waiting;
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray bytes = path.toLocal8Bit();
        ::strncpy(address.sun_path, bytes.constData(), sizeof address.sun_path - 1);
        for (int i = 0; i < 64; ++i) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
            if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
                ::close(fd);
                break;
            }
            waiting << fd;
        }
        return waiting;
    }

    ino_t inodeOf(const QString &path)
    {
        struct stat info {};
        return ::lstat(path.toLocal8Bit().constData(), &info) == 0 ? info.st_ino : 0;
    }

    QByteArray readAllFrom(int fd)
    {
        QByteArray bytes;
        char buffer[256];
        ssize_t got = 0;
        while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, int(got));
        return bytes;
    }
}

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private:
    int m_serial = 0;
    QString freshName() { return QStringLiteral("instance-test-%1-%2").arg(::getpid()).arg(++m_serial); }

private slots:
    void theNameLivesInTheRuntimeFolder()
    {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        QVERIFY(!runtime.isEmpty());
        QCOMPARE(SingleInstance::serverPath(QStringLiteral("zodOzerizar")),
                 QDir(QString::fromLocal8Bit(runtime)).filePath(QStringLiteral("zodOzerizar")));
        qunsetenv("XDG_RUNTIME_DIR");
        QCOMPARE(SingleInstance::serverPath(QStringLiteral("zodOzerizar")),
                 QDir(QDir::tempPath()).filePath(QStringLiteral("zodOzerizar-%1").arg(::getuid())));
        qputenv("XDG_RUNTIME_DIR", runtime);
    }

    void aSecondStartHandsItsMessageToTheFirst()
    {
        const QString name = freshName();
        SingleInstance first(name);
        QCOMPARE(first.probe(QString()), SingleInstance::Role::First);
        QVERIFY(first.server());
        // Only the owner may reach it.
        QCOMPARE(QFileInfo(first.path()).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup),
                 QFile::Permissions());

        QByteArray received;
        connect(first.server(), &QLocalServer::newConnection, this, [&] {
            QLocalSocket *socket = first.server()->nextPendingConnection();
            connect(socket, &QLocalSocket::readyRead, this, [&received, socket] { received += socket->readAll(); });
        });
        SingleInstance second(name);
        QCOMPARE(second.probe(QStringLiteral("/backups/phone")), SingleInstance::Role::Second);
        QVERIFY(!second.server());
        QTRY_COMPARE(received, QByteArray("/backups/phone"));
    }

    void aStaleSocketIsReplaced()
    {
        const QString name = freshName();
        const QString path = SingleInstance::serverPath(name);
        const int stale = boundSocket(path); // bound, never listening: a crashed instance's
        QVERIFY(stale >= 0);
        ::close(stale);
        QVERIFY(QFileInfo::exists(path));

        SingleInstance instance(name);
        QCOMPARE(instance.probe(QString()), SingleInstance::Role::First);
        SingleInstance next(name);
        QCOMPARE(next.probe(QString()), SingleInstance::Role::Second);
    }

    void aListenerThatAnswersLateKeepsItsSocket()
    {
        const QString name = freshName();
        const QString path = SingleInstance::serverPath(name);
        const int listener = boundSocket(path);
        QVERIFY(listener >= 0);
        QCOMPARE(::listen(listener, 0), 0);
        QList<int> queued = fillQueue(path);
        QVERIFY(!queued.isEmpty());
        const ino_t before = inodeOf(path);

        // The first instance gets to its connections only after 400 ms:
        // later than the first try, within the second.
        std::atomic<int> accepted {-1};
        std::thread late([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
            for (int i = 0; i <= queued.size(); ++i) {
                const int fd = ::accept(listener, nullptr, nullptr);
                if (i == queued.size())
                    accepted = fd; // the probe's, queued behind the others
                else
                    ::close(fd);
            }
        });
        SingleInstance probe(name);
        const SingleInstance::Role role = probe.probe(QStringLiteral("late"), 100, 3000);
        late.join();
        QCOMPARE(role, SingleInstance::Role::Second);
        QCOMPARE(inodeOf(path), before);
        QVERIFY(accepted >= 0);
        QCOMPARE(readAllFrom(accepted), QByteArray("late"));
        ::close(accepted);
        for (int fd : queued)
            ::close(fd);
        ::close(listener);
    }

    void aListenerThatNeverAnswersIsLeftAlone()
    {
        const QString name = freshName();
        const QString path = SingleInstance::serverPath(name);
        const int listener = boundSocket(path);
        QVERIFY(listener >= 0);
        QCOMPARE(::listen(listener, 0), 0);
        const QList<int> queued = fillQueue(path);
        const ino_t before = inodeOf(path);

        SingleInstance probe(name);
        QCOMPARE(probe.probe(QString(), 50, 200), SingleInstance::Role::Alone);
        QVERIFY(!probe.server());
        // The live instance's name is untouched.
        QCOMPARE(inodeOf(path), before);
        for (int fd : queued)
            ::close(fd);
        ::close(listener);
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "singleinstance_test.moc"
