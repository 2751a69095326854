#include "loopbackhttpserver.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSignalSpy>
#include <QtTest>

using testsupport::LoopbackHttpServer;
using Reply = LoopbackHttpServer::Reply;

// The server other tests rely on: what it answers and what it records.
class TestLoopbackHttpServer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void recordsRequestsWithHeadersAndBody();
    void closesEarlyAndStaysSilent();

private:
    struct Result
    {
        int status = 0;
        QByteArray body;
        QByteArray contentRange;
        QNetworkReply::NetworkError error = QNetworkReply::NoError;
    };
    Result get(const QString &path, const QByteArray &range = QByteArray(), int timeoutMs = 5000);

    LoopbackHttpServer *m_server = nullptr;
    QNetworkAccessManager m_network;
};

void TestLoopbackHttpServer::init()
{
    m_server = new LoopbackHttpServer;
    QVERIFY(m_server->start() != 0);
    m_server->setReply("/data", Reply::ok("0123456789"));
    m_server->setReply("/broken", Reply::withStatus(500));
}

void TestLoopbackHttpServer::cleanup()
{
    delete m_server;
    m_server = nullptr;
}

TestLoopbackHttpServer::Result TestLoopbackHttpServer::get(const QString &path, const QByteArray &range,
                                                           int timeoutMs)
{
    QNetworkRequest request(QUrl(m_server->url(path)));
    if (!range.isEmpty())
        request.setRawHeader("Range", range);
    QNetworkReply *reply = m_network.get(request);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    if (!reply->isFinished())
        finished.wait(timeoutMs);
    Result result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.body = reply->readAll();
    result.contentRange = reply->rawHeader("Content-Range");
    result.error = reply->isFinished() ? reply->error() : QNetworkReply::TimeoutError;
    reply->abort();
    reply->deleteLater();
    return result;
}

void TestLoopbackHttpServer::answers_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("range");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("contentRange");

    QTest::newRow("whole body") << "/data" << QByteArray() << 200 << QByteArray("0123456789") << QByteArray();
    QTest::newRow("query ignored for routing") << "/data?x=1" << QByteArray() << 200 << QByteArray("0123456789")
                                               << QByteArray();
    QTest::newRow("closed range") << "/data" << QByteArray("bytes=2-4") << 206 << QByteArray("234")
                                  << QByteArray("bytes 2-4/10");
    QTest::newRow("open range") << "/data" << QByteArray("bytes=7-") << 206 << QByteArray("789")
                                << QByteArray("bytes 7-9/10");
    QTest::newRow("suffix range") << "/data" << QByteArray("bytes=-2") << 206 << QByteArray("89")
                                  << QByteArray("bytes 8-9/10");
    QTest::newRow("range past the end") << "/data" << QByteArray("bytes=10-") << 416 << QByteArray()
                                        << QByteArray("bytes */10");
    QTest::newRow("unknown path") << "/nothing" << QByteArray() << 404 << QByteArray("404 Not Found\n")
                                  << QByteArray();
    QTest::newRow("server error") << "/broken" << QByteArray() << 500 << QByteArray("500 Internal Server Error\n")
                                  << QByteArray();
}

void TestLoopbackHttpServer::answers()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, range);
    const Result result = get(path, range);
    QTEST(result.status, "status");
    QTEST(result.body, "body");
    QTEST(result.contentRange, "contentRange");
}

void TestLoopbackHttpServer::recordsRequestsWithHeadersAndBody()
{
    QNetworkRequest request(QUrl(m_server->url("/upload?id=7")));
    request.setRawHeader("X-Test", "yes");
    request.setHeader(QNetworkRequest::ContentTypeHeader, "text/plain");
    QNetworkReply *reply = m_network.post(request, QByteArray("payload"));
    QSignalSpy finished(reply, &QNetworkReply::finished);
    QVERIFY(finished.wait(5000));
    reply->deleteLater();

    QVERIFY(m_server->waitForRequests(1, 1000));
    const auto requests = m_server->requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].method, QByteArray("POST"));
    QCOMPARE(requests[0].target, QByteArray("/upload?id=7"));
    QCOMPARE(requests[0].header("x-test"), QByteArray("yes"));
    QCOMPARE(requests[0].body, QByteArray("payload"));
    QVERIFY(!m_server->waitForRequests(2, 50));
}

void TestLoopbackHttpServer::closesEarlyAndStaysSilent()
{
    m_server->setReply("/cut", Reply::closeAfter(0, "never sent"));
    QVERIFY(get("/cut").error != QNetworkReply::NoError);

    m_server->setReply("/silent", Reply::neverAnswer());
    const Result silent = get("/silent", QByteArray(), 300);
    QCOMPARE(silent.error, QNetworkReply::TimeoutError);
    // The client retries a GET whose connection closed unanswered, so only
    // the silent request has an exact count.
    QCOMPARE(m_server->requests().last().target, QByteArray("/silent"));

    m_server->setReply("/slow", Reply::slow("abcdef", 2, 20));
    QCOMPARE(get("/slow").body, QByteArray("abcdef"));
}

QTEST_GUILESS_MAIN(TestLoopbackHttpServer)
#include "tst_loopbackhttpserver.moc"
