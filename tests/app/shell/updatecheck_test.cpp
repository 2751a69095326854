// The update check against a loopback server: the verdict for each answer,
// the request it sends, its time-out and one event per check.

#include "appevent.h"
#include "checkonlinetoolsversion.h"
#include "loopbackhttpserver.h"
#include "qreplytimeout.h"
#include "toolsrequest.h"
#include "vlog.h"

#include <QElapsedTimer>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QtTest>

using testsupport::LoopbackHttpServer;

Q_DECLARE_METATYPE(LoopbackHttpServer::Reply)

namespace
{
    const QByteArray kPath = "/updateinfo/quenrow_ios_com_update_win.json";

    // Stands in for the main window under key 0.
    class EventSink : public QObject
    {
    public:
        QList<QVariantMap> results;

    protected:
        void customEvent(QEvent *event) override
        {
            if (event->type() == QEvent::Type(1013))
                results.append(static_cast<AppEvent *>(event)->data().toMap());
        }
    };

    QString logText()
    {
        QFile file(qEnvironmentVariable("QUENROW_LOG_DIR") + "/app.txt");
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }
}

class UpdateCheckTest : public QObject
{
    Q_OBJECT

    LoopbackHttpServer m_server;
    EventSink m_sink;

    void pointAt(const LoopbackHttpServer &server)
    {
        qputenv("QUENROW_UPDATE_URL", server.url(QString()).toUtf8());
    }

    QVariantMap checkOnce(checkOnLineToolsVersion &check)
    {
        m_sink.results.clear();
        check.checkUpdate();
        if (!QTest::qWaitFor([&] { return !m_sink.results.isEmpty(); }, 10000))
            return QVariantMap();
        return m_sink.results.first();
    }

private slots:
    void initTestCase()
    {
        QFile::remove(qEnvironmentVariable("QUENROW_LOG_DIR") + "/app.txt");
        vlogInit();
        QVERIFY(m_server.start() != 0);
        pointAt(m_server);
        appEventReceivers().insert(0, &m_sink);
        ToolsTimeouts timeouts;
        timeouts.updateCheckMs = 400;
        setToolsTimeoutsForTesting(timeouts);
    }

    void cleanupTestCase()
    {
        appEventReceivers().remove(0);
    }

    void verdict_data()
    {
        QTest::addColumn<LoopbackHttpServer::Reply>("reply");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<bool>("onlyVerdict"); // the map holds nothing but "CheckResult"
        auto json = [](const QByteArray &body) { return LoopbackHttpServer::Reply::ok(body, "application/json"); };
        QTest::newRow("8.1.1") << json("{\"Version\":\"8.1.1\"}") << 1 << false;
        QTest::newRow("8.2") << json("{\"Version\":\"8.2\"}") << 1 << false;
        QTest::newRow("8.1.0") << json("{\"Version\":\"8.1.0\"}") << 0 << false;
        QTest::newRow("8.1 padded") << json("{\"Version\":\"8.1\"}") << 0 << false;
        QTest::newRow("8.0.9") << json("{\"Version\":\"8.0.9\"}") << 0 << false;
        QTest::newRow("blanks trimmed") << json("{\"Version\":\" 8.2 \"}") << 1 << false;
        QTest::newRow("8.10 compared as numbers") << json("{\"Version\":\"8.10\"}") << 1 << false;
        QTest::newRow("no Version") << json("{\"Size\":\"98MB\"}") << 0 << false;
        QTest::newRow("not JSON") << json("<html>maintenance</html>") << -1 << true;
        QTest::newRow("JSON array") << json("[\"8.2\"]") << -1 << true;
        QTest::newRow("empty object") << json("{}") << -1 << true;
        QTest::newRow("empty body") << json("") << -1 << true;
        QTest::newRow("404") << LoopbackHttpServer::Reply::withStatus(404) << -1 << true;
        QTest::newRow("500 with JSON") << [] {
            auto reply = LoopbackHttpServer::Reply::ok("{\"Version\":\"9.0\"}", "application/json");
            reply.status = 500;
            return reply;
        }() << -1 << true;
        QTest::newRow("closed early") << LoopbackHttpServer::Reply::closeAfter(5, "{\"Version\":\"9.0\"}") << -1
                                      << true;
    }

    void verdict()
    {
        QFETCH(LoopbackHttpServer::Reply, reply);
        QFETCH(int, verdict);
        QFETCH(bool, onlyVerdict);
        m_server.setReply(kPath, reply);
        checkOnLineToolsVersion check;
        const QVariantMap result = checkOnce(check);
        QCOMPARE(result.value("CheckResult").toInt(), verdict);
        QVERIFY(result.value("CheckResult").type() == QVariant::Int);
        if (onlyVerdict)
            QCOMPARE(result.keys(), QStringList {"CheckResult"});
    }

    void otherKeysArePassedOnUntouched()
    {
        m_server.setReply(kPath, LoopbackHttpServer::Reply::ok(
                                     "{\"Version\":\"8.2\",\"Size\":\"98.6MB\",\"Release Date\":\"2024-03-15\","
                                     "\"What's New\":\"<b>Faster</b>\",\"Download URL\":\"https://example.org/q.deb\","
                                     "\"CheckResult\":\"stale\",\"Extra\":{\"a\":1}}",
                                     "application/json"));
        checkOnLineToolsVersion check;
        const QVariantMap result = checkOnce(check);
        QCOMPARE(result.value("CheckResult").toInt(), 1);
        QCOMPARE(result.value("Size").toString(), QString("98.6MB"));
        QCOMPARE(result.value("Release Date").toString(), QString("2024-03-15"));
        QCOMPARE(result.value("What's New").toString(), QString("<b>Faster</b>"));
        QCOMPARE(result.value("Download URL").toString(), QString("https://example.org/q.deb"));
        QCOMPARE(result.value("Extra").toMap().value("a").toInt(), 1);
        QVERIFY(logText().contains("lastedVersion: 8.2, currentVersion: 8.1.0"));
    }

    void requestAsTheServerExpectsIt()
    {
        m_server.setReply(kPath, LoopbackHttpServer::Reply::ok("{\"Version\":\"8.1.0\"}"));
        const int before = m_server.requests().size();
        checkOnLineToolsVersion check;
        checkOnce(check);
        const auto request = m_server.requests().at(before);
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.target, kPath);
        QCOMPARE(request.header("User-Agent"),
                 QByteArray("Mozilla/5.0 (Macintosh; Intel Mac OS X 10_12_6) AppleWebKit/537.36 (KHTML, like Gecko) "
                            "Chrome/60.0.3112.113 Safari/537.36"));
        QCOMPARE(request.header("Content-Type"), QByteArray("application/json; charset=utf-8"));
    }

    void silentServerIsAbortedAtTheTimeout()
    {
        m_server.setReply(kPath, LoopbackHttpServer::Reply::neverAnswer());
        const int linesBefore = logText().count("Check lasted version failed!");
        checkOnLineToolsVersion check;
        QElapsedTimer clock;
        clock.start();
        const QVariantMap result = checkOnce(check);
        QCOMPARE(result.value("CheckResult").toInt(), -1);
        QCOMPARE(result.keys(), QStringList {"CheckResult"});
        QVERIFY(clock.elapsed() >= 350);
        // The abort finishes the reply; nothing else may report it again.
        QTest::qWait(300);
        QCOMPARE(m_sink.results.size(), 1);
        QCOMPARE(logText().count("Check lasted version failed!"), linesBefore + 1);
    }

    void twoChecksPostTwoEvents()
    {
        m_server.setReply(kPath, LoopbackHttpServer::Reply::slow("{\"Version\":\"8.2\"}", 4, 20));
        m_sink.results.clear();
        checkOnLineToolsVersion check;
        check.checkUpdate();
        check.checkUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(m_sink.results.size(), 2, 10000);
        QTest::qWait(100);
        QCOMPARE(m_sink.results.size(), 2);
        for (const QVariantMap &result : qAsConst(m_sink.results))
            QCOMPARE(result.value("CheckResult").toInt(), 1);
    }

    void timeoutGuardIgnoresAFinishedReply()
    {
        m_server.setReply("/quick", LoopbackHttpServer::Reply::ok("x"));
        QNetworkAccessManager network;
        QNetworkReply *reply = network.get(QNetworkRequest(QUrl(m_server.url("/quick"))));
        auto *guard = new QReplyTimeout(reply, 50);
        QSignalSpy fired(guard, &QReplyTimeout::timeout);
        QVERIFY(QSignalSpy(reply, &QNetworkReply::finished).wait(5000) || reply->isFinished());
        QTest::qWait(150);
        QCOMPARE(fired.count(), 0);
        QCOMPARE(reply->error(), QNetworkReply::NoError);
        // A guard made for a reply that is over never starts.
        auto *late = new QReplyTimeout(reply, 1);
        QVERIFY(!late->isActive());
        delete reply; // takes both guards with it
    }

    void untrustedCertificateFailsTheCheck()
    {
        if (!QSslSocket::supportsSsl())
            QFAIL("Qt has no TLS backend");
        QTemporaryDir dir;
        auto makeCertificate = [&](const QString &name) {
            QProcess openssl;
            openssl.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj",
                                      "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                                      dir.filePath(name + ".key"), "-out", dir.filePath(name + ".pem")});
            return openssl.waitForFinished(30000) && openssl.exitCode() == 0;
        };
        QVERIFY(makeCertificate("trusted"));
        QVERIFY(makeCertificate("stranger"));
        auto read = [&](const QString &name) {
            QFile file(dir.filePath(name));
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        };
        const QSslConfiguration original = QSslConfiguration::defaultConfiguration();
        QSslConfiguration trusting = original;
        trusting.setCaCertificates({QSslCertificate(read("trusted.pem"))});
        QSslConfiguration::setDefaultConfiguration(trusting);

        const QByteArray body = "{\"Version\":\"8.2\"}";
        LoopbackHttpServer trusted;
        trusted.setTls(read("trusted.pem"), read("trusted.key"));
        trusted.setReply(kPath, LoopbackHttpServer::Reply::ok(body));
        QVERIFY(trusted.start() != 0);
        LoopbackHttpServer stranger;
        stranger.setTls(read("stranger.pem"), read("stranger.key"));
        stranger.setReply(kPath, LoopbackHttpServer::Reply::ok(body));
        QVERIFY(stranger.start() != 0);

        checkOnLineToolsVersion check;
        pointAt(trusted);
        const int trustedVerdict = checkOnce(check).value("CheckResult").toInt();
        pointAt(stranger);
        const int strangerVerdict = checkOnce(check).value("CheckResult").toInt();
        QSslConfiguration::setDefaultConfiguration(original);
        pointAt(m_server);
        QCOMPARE(trustedVerdict, 1);
        QCOMPARE(strangerVerdict, -1);
        QVERIFY(stranger.requests().isEmpty());
    }
};

QTEST_GUILESS_MAIN(UpdateCheckTest)
#include "updatecheck_test.moc"
