#include "loopbackhttpserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QtTest>

#include <sys/stat.h>

using testsupport::LoopbackHttpServer;

namespace
{
    QByteArray frame(const QString &url)
    {
        return "_$!<" + url.toUtf8().toBase64() + ">!$_";
    }

    QString socketPath()
    {
        return QDir::tempPath() + "/NIMBREL";
    }
}

// The relay as a user runs it: its own process, clients on its local socket,
// the analytics endpoint a loopback server.
class NimbrelTest : public QObject
{
    Q_OBJECT

private:
    LoopbackHttpServer m_server;
    LoopbackHttpServer m_other; // a second port: never to be fetched
    std::unique_ptr<QProcess> m_relay;
    int m_seen = 0;

    std::unique_ptr<QProcess> startRelay()
    {
        auto relay = std::make_unique<QProcess>();
        relay->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        relay->start(QString::fromUtf8(qgetenv("QUENROW_BIN_DIR")) + "/nimbrel", QStringList());
        relay->waitForStarted(5000);
        return relay;
    }

    static bool waitForServer(int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            QLocalSocket probe;
            probe.connectToServer("NIMBREL");
            if (probe.waitForConnected(100))
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    // Targets that reached the endpoint since the last call; a sentinel frame
    // on a connection of its own marks the end of what was sent before it.
    QList<QByteArray> arrivedUntilSentinel()
    {
        static int sentinel = 0;
        const QByteArray mark = "/g/sentinel" + QByteArray::number(++sentinel);
        QLocalSocket socket;
        socket.connectToServer("NIMBREL");
        if (!socket.waitForConnected(2000))
            return {"(no relay)"};
        socket.write(frame(m_server.url(QString::fromLatin1(mark))));
        socket.waitForBytesWritten(2000);
        QList<QByteArray> targets;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            const auto requests = m_server.requests();
            for (int i = m_seen; i < requests.size(); ++i) {
                if (requests.at(i).target == mark) {
                    m_seen = i + 1;
                    return targets;
                }
                targets << requests.at(i).target;
            }
            targets.clear();
            QTest::qWait(20);
        }
        return {"(sentinel never arrived)"};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start());
        QVERIFY(m_other.start());
        m_server.setDefaultReply(LoopbackHttpServer::Reply::ok("ok"));
        m_other.setDefaultReply(LoopbackHttpServer::Reply::ok("ok"));
        qputenv("QUENROW_ANALYTICS_URL", m_server.url("/g/collect?v=2&sct=1&seg=1").toUtf8());
        QFile::remove(socketPath());
        m_relay = startRelay();
        QVERIFY(waitForServer(5000));
    }

    void cleanupTestCase()
    {
        if (m_relay) {
            m_relay->kill();
            m_relay->waitForFinished(5000);
        }
    }

    void framesOnTheWire_data()
    {
        QTest::addColumn<QList<QByteArray>>("writes");
        QTest::addColumn<QList<QByteArray>>("arrived");
        const auto url = [this](const char *path) { return m_server.url(QString::fromLatin1(path)); };
        const QByteArray a = frame(url("/g/a")), b = frame(url("/g/b"));
        QTest::newRow("two frames in one write, in order") << QList<QByteArray>{a + b} << QList<QByteArray>{"/g/a", "/g/b"};
        QTest::newRow("one frame over two writes") << QList<QByteArray>{a.left(10), a.mid(10)} << QList<QByteArray>{"/g/a"};
        QTest::newRow("bytes before the start marker") << QList<QByteArray>{"xyz" + a} << QList<QByteArray>{"/g/a"};
        QTest::newRow("an end marker without a start drops that frame only")
            << QList<QByteArray>{"junk>!$_" + b} << QList<QByteArray>{"/g/b"};
        QTest::newRow("seven bytes wait for more") << QList<QByteArray>{a.left(7), a.mid(7)} << QList<QByteArray>{"/g/a"};
        const QByteArray longFrame = frame(url("/g/long?") + QString(600, 'x'));
        QTest::newRow("a first part over 500 bytes is lost")
            << QList<QByteArray>{longFrame.left(520), longFrame.mid(520) + b} << QList<QByteArray>{"/g/b"};
        QTest::newRow("a first part of 500 bytes is kept")
            << QList<QByteArray>{longFrame.left(500), longFrame.mid(500)}
            << QList<QByteArray>{QByteArray("/g/long?") + QByteArray(600, 'x')};
    }

    void framesOnTheWire()
    {
        QFETCH(QList<QByteArray>, writes);
        QFETCH(QList<QByteArray>, arrived);
        QLocalSocket socket;
        socket.connectToServer("NIMBREL");
        QVERIFY(socket.waitForConnected(2000));
        for (const QByteArray &bytes : writes) {
            socket.write(bytes);
            QVERIFY(socket.waitForBytesWritten(2000));
            QTest::qWait(150); // each write its own read on the relay's side
        }
        QCOMPARE(arrivedUntilSentinel(), arrived);
    }

    void onlyTheEndpointIsFetched_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString otherPort = m_other.url("/g/collect?v=2");
        QTest::newRow("another port") << frame(otherPort);
        QTest::newRow("another host") << frame(QString(m_server.url("/g/x")).replace("127.0.0.1", "127.0.0.2"));
        QTest::newRow("file URL") << frame("file:///etc/passwd");
        QTest::newRow("not a URL") << frame("just text");
        QTest::newRow("undecodable Base64") << QByteArray("_$!<@@@@!!!!>!$_");
        QTest::newRow("another scheme") << frame(QString(m_server.url("/g/x")).replace("http://", "ftp://"));
    }

    void onlyTheEndpointIsFetched()
    {
        QFETCH(QByteArray, bytes);
        const int otherBefore = m_other.requests().size();
        QLocalSocket socket;
        socket.connectToServer("NIMBREL");
        QVERIFY(socket.waitForConnected(2000));
        socket.write(bytes);
        QVERIFY(socket.waitForBytesWritten(2000));
        QCOMPARE(arrivedUntilSentinel(), QList<QByteArray>());
        QCOMPARE(m_other.requests().size(), otherBefore);
    }

    void onlyItsUserMayConnect()
    {
        struct stat info{};
        QCOMPARE(::stat(QFile::encodeName(socketPath()).constData(), &info), 0);
        QVERIFY(S_ISSOCK(info.st_mode));
        QCOMPARE(info.st_mode & (S_IRWXG | S_IRWXO), mode_t(0));
    }

    void aSecondRelayLeavesTheFirstServing()
    {
        QElapsedTimer clock;
        clock.start();
        auto second = startRelay();
        QVERIFY(second->waitForFinished(3000));
        QCOMPARE(second->exitCode(), 1);
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(m_relay->state(), QProcess::Running);
        QCOMPARE(arrivedUntilSentinel(), QList<QByteArray>());
    }

    void aDeadRelaysNameIsTakenOver()
    {
        m_relay->kill(); // SIGKILL: the socket file stays behind
        QVERIFY(m_relay->waitForFinished(5000));
        QVERIFY(QFileInfo::exists(socketPath()));
        m_relay = startRelay();
        QVERIFY(waitForServer(5000));
        QLocalSocket socket;
        socket.connectToServer("NIMBREL");
        QVERIFY(socket.waitForConnected(2000));
        socket.write(frame(m_server.url("/g/revived")));
        QVERIFY(socket.waitForBytesWritten(2000));
        QCOMPARE(arrivedUntilSentinel(), QList<QByteArray>{"/g/revived"});
    }
};

QTEST_GUILESS_MAIN(NimbrelTest)
#include "nimbrel_test.moc"
