#include "reachability.h"
#include "loopbackhttpserver.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using testsupport::LoopbackHttpServer;

namespace
{
    // A TLS server with a certificate made for this run; it only completes
    // handshakes.
    class TlsServer : public QTcpServer
    {
    public:
        QSslCertificate certificate;
        QSslKey key;

    protected:
        void incomingConnection(qintptr descriptor) override
        {
            auto *socket = new QSslSocket(this);
            socket->setSocketDescriptor(descriptor);
            socket->setLocalCertificate(certificate);
            socket->setPrivateKey(key);
            socket->startServerEncryption();
        }
    };
}

class ReachabilityTest : public QObject
{
    Q_OBJECT

private:
    LoopbackHttpServer m_server;

    static void pointAt(const QString &url)
    {
        qputenv("QUENROW_REACHABILITY_URL", url.toUtf8());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start());
        m_server.setReply("/ok", LoopbackHttpServer::Reply::ok("<html>"));
        m_server.setReply("/empty", LoopbackHttpServer::Reply::ok(""));
        m_server.setReply("/missing", LoopbackHttpServer::Reply::withStatus(404));
        m_server.setReply("/broken", LoopbackHttpServer::Reply::withStatus(500));
        m_server.setReply("/silent", LoopbackHttpServer::Reply::neverAnswer());
    }

    void reachableByStatus_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("reachable");
        QTest::newRow("200") << "/ok" << true;
        QTest::newRow("404") << "/missing" << false;
        QTest::newRow("500") << "/broken" << false;
    }

    void reachableByStatus()
    {
        QFETCH(QString, path);
        QFETCH(bool, reachable);
        pointAt(m_server.url(path));
        QCOMPARE(isNetworkReachable(), reachable);
    }

    void aRefusedConnectionAnswersAtOnce()
    {
        pointAt(QStringLiteral("http://127.0.0.1:9/"));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!isNetworkReachable());
        QVERIFY2(clock.elapsed() < 1500, "refused, yet waited");
    }

    // The wait is the caller's event loop: its timers go on firing.
    void aSilentServerIsFalseAfterTheWaitWhileTimersFire()
    {
        pointAt(m_server.url("/silent"));
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(100);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!isNetworkReachable());
        QVERIFY2(clock.elapsed() >= 4900, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(clock.elapsed() < 8000);
        QVERIFY2(ticks >= 30, qPrintable(QString::number(ticks)));
    }

    void bodyOrNot_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<bool>("hasBody");
        QTest::newRow("body") << "/ok" << 3000 << true;
        QTest::newRow("empty body") << "/empty" << 3000 << false;
        QTest::newRow("error status") << "/broken" << 3000 << false;
        QTest::newRow("time-out") << "/silent" << 300 << false;
    }

    void bodyOrNot()
    {
        QFETCH(QString, path);
        QFETCH(int, timeoutMs);
        QFETCH(bool, hasBody);
        QCOMPARE(httpGetHasBody(m_server.url(path), timeoutMs), hasBody);
    }

    void httpGetSendsItsHeaders()
    {
        const int before = m_server.requests().size();
        QVERIFY(httpGetHasBody(m_server.url("/ok"), 3000));
        const auto request = m_server.requests().at(before);
        QCOMPARE(request.header("Accept-Language"), QByteArray("zh-CN,zh;q=0.9"));
        QCOMPARE(request.header("User-Agent"), QByteArray("Microsoft Edge/104.0.1293.63 Windows"));
    }

    void tlsHandshakeWithAnUnverifiedPeer()
    {
        if (!QSslSocket::supportsSsl())
            QFAIL("Qt has no TLS backend");
        QTemporaryDir dir;
        QProcess openssl;
        openssl.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj", "/CN=localhost",
                                  "-keyout", dir.filePath("key.pem"), "-out", dir.filePath("cert.pem")});
        QVERIFY(openssl.waitForFinished(30000));
        QCOMPARE(openssl.exitCode(), 0);
        TlsServer server;
        QFile certFile(dir.filePath("cert.pem")), keyFile(dir.filePath("key.pem"));
        QVERIFY(certFile.open(QIODevice::ReadOnly) && keyFile.open(QIODevice::ReadOnly));
        server.certificate = QSslCertificate(&certFile);
        server.key = QSslKey(&keyFile, QSsl::Rsa);
        QVERIFY(!server.key.isNull());
        QVERIFY(server.listen(QHostAddress::LocalHost));

        qputenv("QUENROW_TLS_PROBE_HOST", QByteArray("127.0.0.1:") + QByteArray::number(server.serverPort()));
        QVERIFY(tlsProbeInBackground());

        // A plain HTTP server never completes the handshake.
        qputenv("QUENROW_TLS_PROBE_HOST", QByteArray("127.0.0.1:") + QByteArray::number(m_server.port()));
        QVERIFY(!tlsProbeInBackground());
        qputenv("QUENROW_TLS_PROBE_HOST", "127.0.0.1:9");
        QVERIFY(!tlsProbe());
        qputenv("QUENROW_TLS_PROBE_HOST", "127.0.0.1:notaport");
        QVERIFY(!tlsProbe());
    }
};

QTEST_GUILESS_MAIN(ReachabilityTest)
#include "reachability_test.moc"
