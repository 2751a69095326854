#include "ganalytics.h"
#include "ganalytics_p.h"
#include "loopbackhttpserver.h"

#include <QElapsedTimer>
#include <QUrlQuery>
#include <QtTest>

#include <thread>
#include <vector>

using testsupport::LoopbackHttpServer;

namespace
{
    // The query of a request as a server reads it, decoded.
    QList<QPair<QString, QString>> decodedQuery(const QByteArray &target)
    {
        const QUrl url(QString::fromLatin1(target));
        return QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    }

    QString eventOf(const LoopbackHttpServer::Request &request)
    {
        return QUrlQuery(QUrl(QString::fromLatin1(request.target))).queryItemValue("en", QUrl::FullyDecoded);
    }
}

class GAnalyticsTest : public QObject
{
    Q_OBJECT

private:
    LoopbackHttpServer m_server;

    // A client whose base URL is the loopback server's /g/collect.
    std::unique_ptr<GAnalytics> client(const QByteArray &path = "/g/collect")
    {
        qputenv("QUENROW_ANALYTICS_URL", m_server.url(QString::fromLatin1(path) + "?v=2&sct=1&seg=1").toUtf8());
        auto analytics = std::make_unique<GAnalytics>(QStringLiteral("G-TEST"));
        analytics->setTransferTimeout(500);
        return analytics;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start());
    }

    void init()
    {
        m_server.setDefaultReply(LoopbackHttpServer::Reply::ok("ok"));
    }

    void cleanup()
    {
        // Each test waits for what it sent; nothing may spill into the next.
        QTest::qWait(50);
    }

    void buildsTheEventQuery_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QStringList>("parameters");
        QTest::addColumn<bool>("debug");
        QTest::addColumn<QString>("tail");
        QTest::newRow("key and value") << "Lifecycle" << QStringList{"action", "Start"} << false
                                       << "&en=Lifecycle&ep.action=Start";
        QTest::newRow("a lone key gets 1") << "Odd" << QStringList{"only"} << false << "&en=Odd&ep.only=1";
        QTest::newRow("three items") << "E" << QStringList{"a", "1", "b"} << false << "&en=E&ep.a=1&ep.b=1";
        QTest::newRow("debug") << "E" << QStringList{"a", "1"} << true << "&en=E&ep.a=1&_dbg=1";
        QTest::newRow("unreserved stays") << "E-1_x.y~z" << QStringList{"k", "AZaz09-._~"} << false
                                          << "&en=E-1_x.y~z&ep.k=AZaz09-._~";
        QTest::newRow("delimiters are encoded") << "a b" << QStringList{"l&k", "a&b=c #1+2%"} << false
                                                << "&en=a%20b&ep.l%26k=a%26b%3Dc%20%231%2B2%25";
        QTest::newRow("non-ASCII as UTF-8") << "E" << QStringList{"label", QString::fromUtf8("läbel ü/?")} << false
                                            << "&en=E&ep.label=l%C3%A4bel%20%C3%BC%2F%3F";
    }

    void buildsTheEventQuery()
    {
        QFETCH(QString, event);
        QFETCH(QStringList, parameters);
        QFETCH(bool, debug);
        QFETCH(QString, tail);
        auto analytics = client();
        const QString url = analytics->impl()->buildUrl(event, parameters, debug);
        const QString head = m_server.url("/g/collect?v=2&sct=1&seg=1") + "&tid=G-TEST&cid=" + analytics->clientId()
                             + "&sid=" + analytics->sessionId();
        QCOMPARE(url, head + tail);
    }

    void clientIdFromMachineId_data()
    {
        QTest::addColumn<QByteArray>("machineId");
        QTest::addColumn<QString>("clientId");
        QTest::newRow("short is doubled") << QByteArray("\x01\x02") << "12.12";
        QTest::newRow("negative bytes keep their sign") << QByteArray("\xff\x05") << "-15.-15";
        QTest::newRow("20 digits: 15 and 5") << QByteArray("abcdefg\x01\x02") << "979899100101102.10312";
        QTest::newRow("long is cut at 30") << QByteArray("3d1219c7c4c5404aaa1f6d2a48adfda4")
                                           << "511004950495799.559952995352485";
        QTest::newRow("none") << QByteArray() << ".";
    }

    void clientIdFromMachineId()
    {
        QFETCH(QByteArray, machineId);
        QFETCH(QString, clientId);
        QCOMPARE(GAnalytics::clientIdFor(machineId), clientId);
    }

    void sendsInOrderBehindASlowReply()
    {
        auto analytics = client("/slow");
        m_server.setReply("/slow", LoopbackHttpServer::Reply::slow("0123456789", 2, 100));
        const int before = m_server.requests().size();
        for (const char *name : {"first", "second", "third"})
            analytics->sendMeasurement(name, {}, false);
        QVERIFY(m_server.waitForRequests(before + 3, 5000));
        const auto requests = m_server.requests().mid(before);
        QCOMPARE(eventOf(requests.at(0)), QStringLiteral("first"));
        QCOMPARE(eventOf(requests.at(1)), QStringLiteral("second"));
        QCOMPARE(eventOf(requests.at(2)), QStringLiteral("third"));
        QTRY_VERIFY(!analytics->isBusy());
    }

    void failuresNeitherBlockNorRepeat_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("status");
        QTest::newRow("404") << QByteArray("/missing") << 404;
        QTest::newRow("500") << QByteArray("/broken") << 500;
    }

    void failuresNeitherBlockNorRepeat()
    {
        QFETCH(QByteArray, path);
        QFETCH(int, status);
        m_server.setReply(path, LoopbackHttpServer::Reply::withStatus(status));
        auto analytics = client();
        const int before = m_server.requests().size();
        analytics->impl()->enqueue(m_server.url(QString::fromLatin1(path)));
        analytics->impl()->enqueue(m_server.url("/after"));
        QVERIFY(m_server.waitForRequests(before + 2, 5000));
        QTRY_VERIFY(!analytics->isBusy());
        QTest::qWait(200);
        const auto requests = m_server.requests().mid(before);
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.at(0).target, path);
        QCOMPARE(requests.at(1).target, QByteArray("/after"));
    }

    void aRefusedConnectionDoesNotBlock()
    {
        auto analytics = client();
        const int before = m_server.requests().size();
        analytics->impl()->enqueue(QStringLiteral("http://127.0.0.1:9/refused"));
        analytics->impl()->enqueue(m_server.url("/after-refused"));
        QVERIFY(m_server.waitForRequests(before + 1, 5000));
        QCOMPARE(m_server.requests().at(before).target, QByteArray("/after-refused"));
    }

    void aSilentServerIsGivenUpAtTheTimeOut()
    {
        m_server.setReply("/silent", LoopbackHttpServer::Reply::neverAnswer());
        auto analytics = client();
        const int before = m_server.requests().size();
        QElapsedTimer clock;
        clock.start();
        analytics->impl()->enqueue(m_server.url("/silent"));
        analytics->impl()->enqueue(m_server.url("/after-silent"));
        QVERIFY(m_server.waitForRequests(before + 2, 5000));
        QCOMPARE(m_server.requests().at(before + 1).target, QByteArray("/after-silent"));
        QVERIFY2(clock.elapsed() >= 400, "the next event waited for the time-out");
    }

    void theDefaultTimeOutIsFifteenSeconds()
    {
        GAnalytics analytics;
        QCOMPARE(analytics.impl()->transferTimeoutMs.load(), 15000);
    }

    void concurrentEnqueuesStrandNothing()
    {
        auto analytics = client();
        const int before = m_server.requests().size();
        const int threads = 50, each = 10;
        std::vector<std::thread> workers;
        for (int t = 0; t < threads; ++t)
            workers.emplace_back([&, t] {
                for (int i = 0; i < each; ++i)
                    analytics->impl()->enqueue(m_server.url(QStringLiteral("/burst/%1/%2").arg(t).arg(i)));
            });
        for (auto &worker : workers)
            worker.join();
        QVERIFY(m_server.waitForRequests(before + threads * each, 20000));
        QTRY_VERIFY(!analytics->isBusy());
        QCOMPARE(m_server.requests().size(), before + threads * each);
    }

    void anEmptyUrlIsIgnored()
    {
        auto analytics = client();
        analytics->impl()->enqueue(QString());
        QVERIFY(!analytics->isBusy());
    }

    void flushSendsOnTheCallingThread()
    {
        auto analytics = client();
        const int before = m_server.requests().size();
        {
            QMutexLocker lock(&analytics->impl()->mutex);
            analytics->impl()->queue << m_server.url("/flushed");
        }
        analytics->flush();
        QVERIFY(!analytics->isBusy());
        QVERIFY(m_server.waitForRequests(before + 1, 1000));
        QCOMPARE(m_server.requests().at(before).target, QByteArray("/flushed"));
    }

    void theServerReadsEveryValueAsGiven()
    {
        auto analytics = client("/decode");
        const int before = m_server.requests().size();
        analytics->sendMeasurement("Odd", {"k", "a&b=c #1+2%", "l", QString::fromUtf8("läbel ü/?"), "only"}, false);
        QVERIFY(m_server.waitForRequests(before + 1, 5000));
        const auto query = decodedQuery(m_server.requests().at(before).target);
        const QList<QPair<QString, QString>> expected{{"v", "2"}, {"sct", "1"}, {"seg", "1"}, {"tid", "G-TEST"},
                                                     {"cid", analytics->clientId()}, {"sid", analytics->sessionId()},
                                                     {"en", "Odd"}, {"ep.k", "a&b=c #1+2%"},
                                                     {"ep.l", QString::fromUtf8("läbel ü/?")}, {"ep.only", "1"}};
        QCOMPARE(query, expected);
    }
};

QTEST_GUILESS_MAIN(GAnalyticsTest)
#include "ganalytics_test.moc"
