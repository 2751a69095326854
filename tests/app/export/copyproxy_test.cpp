#include "copyproxy.h"
#include "exporttestfiles.h"
#include "fakeexecutor.h"
#include "loopbackhttpserver.h"
#include "taskworker.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <memory>

namespace
{
    // Answers TLS with a certificate nobody signed.
    class SelfSignedServer : public QTcpServer
    {
    public:
        QSslCertificate certificate;
        QSslKey key;

    protected:
        void incomingConnection(qintptr handle) override
        {
            auto *socket = new QSslSocket(this);
            if (!socket->setSocketDescriptor(handle)) {
                delete socket;
                return;
            }
            socket->setLocalCertificate(certificate);
            socket->setPrivateKey(key);
            connect(socket, &QSslSocket::encrypted, socket, [socket] {
                socket->write("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\nhello");
            });
            connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
            socket->startServerEncryption();
        }
    };

    QByteArray patterned(qint64 size)
    {
        QByteArray bytes(static_cast<int>(size), Qt::Uninitialized);
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>((i * 131 + i / 977) & 0xff);
        return bytes;
    }
}

class CopyProxyTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    FakeExecutor::Shared m_device;
    bool m_noExecutor = false;
    QString m_udid;
    CopyProxy *m_proxy = nullptr;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    QString makeFile(const QString &name, const QByteArray &content) { return writeTestFile(path(name), content); }

    struct Batch
    {
        QList<RecoverError::ErrorType> errors;
        int succeeded = 0;
        int failed = 0;
        int overs = 0;
        QStringList progress;
    };

    // Runs what was added and waits for the batch's end. The limit only ends
    // a failing wait: under the thread checker on a loaded machine a first
    // batch has taken more than ten seconds.
    Batch runBatch(int timeoutMs = 60000)
    {
        Batch batch;
        QList<QMetaObject::Connection> links;
        links << connect(m_proxy, &CopyProxy::sigError, this,
                         [&batch](RecoverError::ErrorType err) { batch.errors.append(err); }, Qt::QueuedConnection);
        links << connect(m_proxy, &CopyProxy::sigCopyFinished, this,
                         [&batch](bool ok) { ++(ok ? batch.succeeded : batch.failed); }, Qt::QueuedConnection);
        links << connect(m_proxy, &CopyProxy::sigCopyOver, this, [&batch] { ++batch.overs; }, Qt::QueuedConnection);
        links << connect(m_proxy, &CopyProxy::sigCopyProcess, this,
                         [&batch](const QString &file, const QString &text) { batch.progress.append(file + ' ' + text); },
                         Qt::QueuedConnection);
        m_proxy->start();
        QElapsedTimer clock;
        clock.start();
        while (batch.overs == 0 && clock.elapsed() < timeoutMs)
            QTest::qWait(5);
        QTest::qWait(20); // a second end would show here
        for (const auto &link : links)
            disconnect(link);
        return batch;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<RecoverError::ErrorType>("RecoverError::ErrorType");
        CopyProxy::setExecutorFactory([this]() -> IDBExecutor * {
            return m_noExecutor ? nullptr : new FakeExecutor(&m_device);
        });
        CopyProxy::setDeviceIdProvider([this] { return m_udid; });
        m_proxy = CopyProxy::instance();
        QVERIFY(m_proxy);
        QVERIFY(m_proxy->threadCount() >= 4 && m_proxy->threadCount() <= 16);
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QDir().mkpath(path("out"));
        m_proxy->clear();
        m_noExecutor = false;
        m_udid.clear();
        QMutexLocker locker(&m_device.mutex);
        m_device.files.clear();
        m_device.connectIds.clear();
        m_device.blockingPath.clear();
        taskWorker::setFreeSpaceQuery(nullptr);
        taskWorker::setDownloadTimeout(60000);
    }

    void localCopiesAreByteIdentical_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::newRow("empty") << qint64(0);
        QTest::newRow("one byte") << qint64(1);
        QTest::newRow("one short block") << qint64(65535);
        QTest::newRow("many blocks") << qint64(3 * 1024 * 1024 + 4099);
    }

    void localCopiesAreByteIdentical()
    {
        QFETCH(qint64, size);
        const QByteArray content = patterned(size);
        const QString source = makeFile("src/file.bin", content);
        m_proxy->addTask(source, path("out/file.bin"));
        const Batch batch = runBatch();
        QCOMPARE(batch.errors, QList<RecoverError::ErrorType>{RecoverError::NoError});
        QCOMPARE(batch.succeeded, 1);
        QCOMPARE(batch.overs, 1);
        QCOMPARE(readAll(path("out/file.bin")), content);
        QCOMPARE(readAll(source), content);
        QVERIFY(batch.progress.startsWith("file.bin "));
        if (size == 0)
            QCOMPARE(batch.progress, QStringList{"file.bin "});
        else
            QCOMPARE(batch.progress.last(), QStringLiteral("file.bin [100%]"));
        QCOMPARE(batch.progress.size(), QSet<QString>(batch.progress.begin(), batch.progress.end()).size()); // a percentage once
    }

    void repeatedNamesNeverOverwrite()
    {
        const QString a = makeFile("src/a", "first");
        const QString b = makeFile("src/b", "second");
        const QString c = makeFile("src/c", "third");
        const QString e = makeFile("src/e", "fifth");
        makeFile("out/photo.jpg", "already here");
        m_proxy->addTask(a, path("out/IMG.JPG"));
        m_proxy->addTask(b, path("out/img.jpg"));
        m_proxy->addTask(c, path("out/name"));
        m_proxy->addTask(a, path("out\\name"));
        m_proxy->addTask(e, path("out/photo.jpg"));
        const Batch batch = runBatch();
        QCOMPARE(batch.succeeded, 5);
        QCOMPARE(entriesUnder(path("out")),
                 (QStringList{"IMG.JPG", "img(1).jpg", "name", "name(1)", "photo(1).jpg", "photo.jpg"}));
        QCOMPARE(readAll(path("out/IMG.JPG")), QByteArray("first"));
        QCOMPARE(readAll(path("out/img(1).jpg")), QByteArray("second"));
        QCOMPARE(readAll(path("out/name")), QByteArray("third"));
        QCOMPARE(readAll(path("out/name(1)")), QByteArray("first"));
        QCOMPARE(readAll(path("out/photo.jpg")), QByteArray("already here"));
        QCOMPARE(readAll(path("out/photo(1).jpg")), QByteArray("fifth"));
    }

    void generatedNamesStayUniqueIgnoringCase_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("a name before the rename it meets") << QStringList {"x.jpg", "X(1).JPG", "x.jpg"};
        QTest::newRow("a rename before the name it meets") << QStringList {"x.jpg", "x.jpg", "X(1).JPG"};
    }

    void generatedNamesStayUniqueIgnoringCase()
    {
        QFETCH(QStringList, names);
        const QString a = makeFile("src/a", "a");
        for (const QString &name : names)
            m_proxy->addTask(a, path("out/" + name));
        const Batch batch = runBatch();
        QCOMPARE(batch.succeeded, 3);
        QStringList lower;
        for (const QString &name : entriesUnder(path("out")))
            lower.append(name.toLower());
        QCOMPARE(lower.size(), 3);
        QCOMPARE(QSet<QString>(lower.begin(), lower.end()).size(), 3);
    }

    void failuresEndWithTheirCode_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("code");
        QTest::newRow("empty source") << "empty" << 5;
        QTest::newRow("missing destination folder") << "no folder" << 4;
        QTest::newRow("destination folder is a file") << "folder is file" << 4;
        QTest::newRow("unreadable source") << "dangling link" << 6;
        QTest::newRow("source is a folder") << "folder" << 6;
        QTest::newRow("source is a FIFO") << "fifo" << 6;
        QTest::newRow("device path without executor") << "no executor" << 6;
        QTest::newRow("device file missing") << "device missing" << 6;
        QTest::newRow("not enough space") << "no space" << 3;
    }

    void failuresEndWithTheirCode()
    {
        QFETCH(QString, kind);
        QFETCH(int, code);
        QString source = makeFile("src/file.bin", patterned(1000));
        QString destination = path("out/file.bin");
        if (kind == "empty") {
            source.clear();
        } else if (kind == "no folder") {
            destination = path("gone/file.bin");
        } else if (kind == "folder is file") {
            makeFile("plain", "x");
            destination = path("plain/file.bin");
        } else if (kind == "dangling link") {
            source = path("src/link");
            QVERIFY(QFile::link(path("src/nothing"), source));
        } else if (kind == "folder") {
            source = path("src");
        } else if (kind == "fifo") {
            source = path("src/pipe");
            QCOMPARE(::mkfifo(QFile::encodeName(source).constData(), 0600), 0);
        } else if (kind == "no executor") {
            m_noExecutor = true;
            source = "/DCIM/100APPLE/IMG_0001.JPG";
        } else if (kind == "device missing") {
            source = "/DCIM/100APPLE/IMG_0002.JPG";
        } else if (kind == "no space") {
            taskWorker::setFreeSpaceQuery([](const QString &) { return qint64(10); });
        }
        m_proxy->addTask(source, destination);
        const Batch batch = runBatch();
        QCOMPARE(batch.errors, QList<RecoverError::ErrorType>{RecoverError::ErrorType(code)});
        QCOMPARE(batch.failed, 1);
        QCOMPARE(batch.succeeded, 0);
        QCOMPARE(batch.overs, 1);
        QCOMPARE(entriesUnder(path("out")), QStringList());
        QCOMPARE(m_proxy->failedJobs().value(source), destination);
    }

    void downloads_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("code");
        QTest::newRow("200") << "ok" << 0;
        QTest::newRow("upper-case scheme") << "ok upper" << 0;
        QTest::newRow("404") << "404" << 7;
        QTest::newRow("closed early") << "early close" << 7;
        QTest::newRow("no answer") << "timeout" << 7;
        QTest::newRow("self-signed https") << "https" << 7;
    }

    void downloads()
    {
        QFETCH(QString, kind);
        QFETCH(int, code);
        testsupport::LoopbackHttpServer server;
        QVERIFY(server.start());
        const QByteArray body = patterned(200000);
        server.setReply("/ok", testsupport::LoopbackHttpServer::Reply::ok(body));
        // Headers with the full length, then the connection closes mid-body.
        server.setReply("/short", testsupport::LoopbackHttpServer::Reply::closeAfter(1000, body));
        server.setReply("/silent", testsupport::LoopbackHttpServer::Reply::neverAnswer());
        SelfSignedServer tls;
        QString source;
        if (kind == "ok") {
            source = server.url("/ok");
        } else if (kind == "ok upper") {
            source = server.url("/ok").replace("http:", "HTTP:");
        } else if (kind == "404") {
            source = server.url("/missing");
        } else if (kind == "early close") {
            source = server.url("/short");
        } else if (kind == "timeout") {
            taskWorker::setDownloadTimeout(300);
            source = server.url("/silent");
        } else {
            QProcess openssl;
            openssl.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj",
                                      "/CN=127.0.0.1", "-keyout", path("key.pem"), "-out", path("cert.pem")});
            QVERIFY(openssl.waitForFinished(30000));
            QCOMPARE(openssl.exitCode(), 0);
            QFile certFile(path("cert.pem"));
            QFile keyFile(path("key.pem"));
            QVERIFY(certFile.open(QIODevice::ReadOnly) && keyFile.open(QIODevice::ReadOnly));
            tls.certificate = QSslCertificate(certFile.readAll());
            tls.key = QSslKey(keyFile.readAll(), QSsl::Rsa);
            QVERIFY(tls.listen(QHostAddress::LocalHost));
            source = QStringLiteral("https://127.0.0.1:%1/file.bin").arg(tls.serverPort());
        }
        makeFile("out/file.bin", "kept");
        m_proxy->addTask(source, path("out/file.bin"));
        const Batch batch = runBatch(20000);
        QCOMPARE(batch.errors, QList<RecoverError::ErrorType>{RecoverError::ErrorType(code)});
        QCOMPARE(readAll(path("out/file.bin")), QByteArray("kept"));
        if (code == 0) {
            QCOMPARE(entriesUnder(path("out")), (QStringList{"file(1).bin", "file.bin"}));
            QCOMPARE(readAll(path("out/file(1).bin")), body);
            const auto requests = server.requests();
            QCOMPARE(requests.size(), 1);
            QVERIFY(requests.first().header("User-Agent").startsWith("Mozilla/5.0"));
        } else {
            QCOMPARE(entriesUnder(path("out")), QStringList{"file.bin"});
        }
    }

    void deviceCopyReportsItsProgress()
    {
        m_udid = "00008030-001A2B3C4D5E6F70";
        const QByteArray content = patterned(5000);
        {
            QMutexLocker locker(&m_device.mutex);
            m_device.files.insert("/DCIM/100APPLE/IMG_0001.JPG", content);
        }
        m_proxy->addTask("/DCIM/100APPLE/IMG_0001.JPG", path("out/holiday.jpg"));
        const Batch batch = runBatch();
        QCOMPARE(batch.errors, QList<RecoverError::ErrorType>{RecoverError::NoError});
        QCOMPARE(readAll(path("out/holiday.jpg")), content);
        QCOMPARE(entriesUnder(path("out")), QStringList{"holiday.jpg"}); // no staging folder left
        QVERIFY2(batch.progress.contains("holiday.jpg [37.5%]"), qPrintable(batch.progress.join('|')));
        QMutexLocker locker(&m_device.mutex);
        QCOMPARE(m_device.connectIds, QStringList{m_udid});
    }

    void withoutDeviceFiveAttemptsWithEmptyId()
    {
        m_device.connectResult = 1;
        m_proxy->start();
        m_device.connectResult = 0;
        QMutexLocker locker(&m_device.mutex);
        QCOMPARE(m_device.connectIds, (QStringList{QString(), QString(), QString(), QString(), QString()}));
    }

    void startWithNothingPendingEndsAtOnce()
    {
        const Batch batch = runBatch();
        QCOMPARE(batch.overs, 1);
        QVERIFY(batch.errors.isEmpty());
        QVERIFY(!m_proxy->isRunning());
    }

    void terminateMidCopyThenRetry()
    {
        const QByteArray content = patterned(8 * 1024 * 1024);
        const QString source = makeFile("src/big.bin", content);
        m_proxy->addTask(source, path("out/big.bin"));
        // Stopped from inside its first block report, so the next block sees it.
        auto link = connect(m_proxy, &CopyProxy::sigCopyProcess, this, [this](const QString &, const QString &text) {
            if (!text.isEmpty())
                m_proxy->terminate();
        }, Qt::DirectConnection);
        Batch batch = runBatch();
        disconnect(link);
        QCOMPARE(batch.errors, QList<RecoverError::ErrorType>{RecoverError::CopyFailed});
        QCOMPARE(entriesUnder(path("out")), QStringList());
        QCOMPARE(m_proxy->failedJobs().size(), 1);

        Batch again;
        auto over = connect(m_proxy, &CopyProxy::sigCopyOver, this, [&again] { ++again.overs; }, Qt::QueuedConnection);
        auto errors = connect(m_proxy, &CopyProxy::sigError, this,
                              [&again](RecoverError::ErrorType err) { again.errors.append(err); }, Qt::QueuedConnection);
        m_proxy->retry();
        QTRY_COMPARE(again.overs, 1);
        disconnect(over);
        disconnect(errors);
        QCOMPARE(again.errors, QList<RecoverError::ErrorType>{RecoverError::NoError});
        QCOMPARE(readAll(path("out/big.bin")), content);
        QVERIFY(m_proxy->failedJobs().isEmpty());
    }

    void terminateStopsADeviceCopyAndKeepsItsExecutorAlive()
    {
        {
            QMutexLocker locker(&m_device.mutex);
            m_device.files.insert("/var/mobile/slow.mov", patterned(100));
            m_device.blockingPath = "/var/mobile/slow.mov";
        }
        m_proxy->addTask("/var/mobile/slow.mov", path("out/slow.mov"));
        Batch batch;
        auto over = connect(m_proxy, &CopyProxy::sigCopyOver, this, [&batch] { ++batch.overs; }, Qt::QueuedConnection);
        auto errors = connect(m_proxy, &CopyProxy::sigError, this,
                              [&batch](RecoverError::ErrorType err) { batch.errors.append(err); }, Qt::QueuedConnection);
        m_proxy->start();
        QTRY_VERIFY(m_device.copying.load());
        const int alive = m_device.alive;
        m_proxy->terminate();
        m_proxy->clear();
        // The running copy still holds its executor until it returns.
        QTRY_VERIFY(!m_device.copying.load());
        QTRY_VERIFY(m_device.alive < alive);
        disconnect(over);
        disconnect(errors);
        QCOMPARE(entriesUnder(path("out")), QStringList());
    }

    void resultsPrecedeTheEndOfEveryBatch()
    {
        // Many small files over several batches, each batch ending once.
        QStringList sources;
        for (int i = 0; i < 40; ++i)
            sources.append(makeFile(QStringLiteral("src/%1.bin").arg(i), patterned(i * 97)));
        for (int round = 0; round < 25; ++round) {
            for (int i = 0; i < sources.size(); ++i)
                m_proxy->addTask(i % 7 == 3 ? QString() : sources.at(i),
                                 path(QStringLiteral("out/%1/f.bin").arg(round)));
            QDir().mkpath(path(QStringLiteral("out/%1").arg(round)));
            int finishedAtOver = -1;
            int results = 0;
            int overs = 0;
            auto f = connect(m_proxy, &CopyProxy::sigCopyFinished, this, [&](bool) { ++results; }, Qt::QueuedConnection);
            auto o = connect(m_proxy, &CopyProxy::sigCopyOver, this, [&] {
                ++overs;
                finishedAtOver = results;
            }, Qt::QueuedConnection);
            m_proxy->start();
            QTRY_VERIFY(overs > 0);
            QTest::qWait(5);
            disconnect(f);
            disconnect(o);
            QCOMPARE(overs, 1);
            QCOMPARE(finishedAtOver, sources.size());
            QCOMPARE(QDir(path(QStringLiteral("out/%1").arg(round))).entryList(QDir::Files).size(), 34);
        }
    }

    void namesLongerThanTheFileSystemAllows()
    {
        const QString stem = QString(150, QChar(0x00e9)); // 300 bytes
        const QString fitted = taskWorker::fitFileName(stem + ".jpg");
        QVERIFY(fitted.toUtf8().size() <= 255 - 7);
        QVERIFY(fitted.endsWith(".jpg"));
        QVERIFY(taskWorker::numberedName(fitted, 12345).toUtf8().size() <= 255);
        QCOMPARE(taskWorker::numberedName("a(3).jpg", 4), QStringLiteral("a(4).jpg"));
        QCOMPARE(taskWorker::numberedName("name", 1), QStringLiteral("name(1)"));
        // A name just short of the limit gives way to its number, which stays.
        const QString edge = QString(251, QChar('b')) + ".jpg";
        const QString one = taskWorker::numberedName(edge, 1);
        const QString two = taskWorker::numberedName(edge, 2);
        QVERIFY(one.toUtf8().size() <= 255 && two.toUtf8().size() <= 255);
        QVERIFY(one.endsWith("(1).jpg") && two.endsWith("(2).jpg"));
        QCOMPARE(taskWorker::fitFileName(one), one);
        // A cut never splits a character.
        const QString emoji = taskWorker::fitFileName(QString::fromUtf8("\xf0\x9f\x98\x80").repeated(80) + ".png");
        QVERIFY(QString::fromUtf8(emoji.toUtf8()) == emoji);
    }
};

QTEST_GUILESS_MAIN(CopyProxyTest)
#include "copyproxy_test.moc"
