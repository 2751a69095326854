// Segmented downloads from a loopback server: how a file is cut, what each
// part must deliver, and that a failure never leaves a half file behind.

#include "loopbackhttpserver.h"
#include "segmenteddownloadmanager.h"
#include "toolsrequest.h"
#include "vlog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using testsupport::LoopbackHttpServer;
using Reply = LoopbackHttpServer::Reply;

Q_DECLARE_METATYPE(LoopbackHttpServer::Reply)

namespace
{
    const QByteArray kPath = "/file.bin";

    QByteArray pattern(int size)
    {
        QByteArray data(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            data[i] = char('a' + (i * 7 + i / 251) % 26);
        return data;
    }

    QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // The GET requests' Range headers, sorted, with "" for none.
    QList<QByteArray> rangesAsked(const LoopbackHttpServer &server, int from)
    {
        QList<QByteArray> ranges;
        const auto requests = server.requests();
        for (int i = from; i < requests.size(); ++i) {
            if (requests[i].method == "GET")
                ranges.append(requests[i].header("Range"));
        }
        std::sort(ranges.begin(), ranges.end());
        return ranges;
    }
}

class SegmentedDownloadTest : public QObject
{
    Q_OBJECT

    LoopbackHttpServer m_server;
    QTemporaryDir m_dir;

    // Runs one download into the folder; its verdict, or none after 20 s.
    QVariant download(SegmentedDownloadManager &manager, const QString &name = "target.bin")
    {
        QSignalSpy finished(&manager, &SegmentedDownloadManager::downloadFinished);
        manager.start(QUrl(m_server.url(kPath)), m_dir.path(), name);
        if (!finished.wait(20000) || finished.count() != 1)
            return QVariant();
        return finished.first().first();
    }

    QStringList leftovers() const
    {
        return QDir(m_dir.path()).entryList({"*.crdownload", "*.part"}, QDir::Files);
    }

private slots:
    void initTestCase()
    {
        vlogInit();
        QVERIFY(m_server.start() != 0);
        ToolsTimeouts timeouts;
        timeouts.contentLengthMs = 300;
        setToolsTimeoutsForTesting(timeouts);
    }

    void init()
    {
        QDir dir(m_dir.path());
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
            dir.remove(name);
    }

    void cutsTheFile_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("sendLength");
        QTest::addColumn<QList<QByteArray>>("ranges");
        QTest::newRow("10 bytes") << 10 << true
                                  << QList<QByteArray> {"bytes=0-1", "bytes=2-3", "bytes=4-5", "bytes=6-9"};
        QTest::newRow("4 bytes") << 4 << true
                                 << QList<QByteArray> {"bytes=0-0", "bytes=1-1", "bytes=2-2", "bytes=3-3"};
        QTest::newRow("3 bytes") << 3 << true << QList<QByteArray> {""};
        QTest::newRow("2 bytes") << 2 << true << QList<QByteArray> {""};
        QTest::newRow("1 byte") << 1 << true << QList<QByteArray> {""};
        QTest::newRow("no Content-Length") << 1000 << false << QList<QByteArray> {""};
    }

    void cutsTheFile()
    {
        QFETCH(int, length);
        QFETCH(bool, sendLength);
        QFETCH(QList<QByteArray>, ranges);
        const QByteArray data = pattern(length);
        Reply reply = Reply::ok(data);
        reply.contentLength = sendLength;
        m_server.setReply(kPath, reply);
        const int before = m_server.requests().size();
        SegmentedDownloadManager manager;
        QCOMPARE(download(manager), QVariant(true));
        // Qt may send a request again when a kept-alive connection closes
        // under it: the parts asked for count, not how often.
        QList<QByteArray> asked = rangesAsked(m_server, before);
        asked.erase(std::unique(asked.begin(), asked.end()), asked.end());
        QCOMPARE(asked, ranges);
        QCOMPARE(readAll(m_dir.filePath("target.bin")), data);
        QCOMPARE(leftovers(), QStringList());
    }

    void silentLengthProbeFallsBackToOnePart()
    {
        const QByteArray data = pattern(5000);
        m_server.setReply(kPath, Reply::ok(data));
        m_server.queueReply(kPath, Reply::neverAnswer()); // the HEAD
        const int before = m_server.requests().size();
        SegmentedDownloadManager manager;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(download(manager), QVariant(true));
        QVERIFY(clock.elapsed() >= 250);
        QCOMPARE(rangesAsked(m_server, before), QList<QByteArray> {""});
        QCOMPARE(readAll(m_dir.filePath("target.bin")), data);
    }

    void outcome_data()
    {
        QTest::addColumn<QList<Reply>>("queued"); // for the part of bytes=250-499
        QTest::addColumn<Reply>("served");        // the path's own reply
        QTest::addColumn<bool>("succeeds");
        const QByteArray data = pattern(1000);
        Reply ignoresRanges = Reply::ok(data);
        ignoresRanges.ranges = false;
        Reply shortPart = Reply::ok(data);
        shortPart.bodyBytes = 100;
        QTest::newRow("a part fails twice, then arrives")
            << QList<Reply> {Reply::withStatus(500), Reply::withStatus(404)} << Reply::ok(data) << true;
        QTest::newRow("a part closed early four times, then arrives")
            << QList<Reply> {shortPart, shortPart, shortPart, shortPart} << Reply::ok(data) << true;
        QTest::newRow("parts closed early every time") << QList<Reply> {} << shortPart << false;
        QTest::newRow("200 with the whole file to a Range") << QList<Reply> {} << ignoresRanges << false;
    }

    void outcome()
    {
        QFETCH(QList<Reply>, queued);
        QFETCH(Reply, served);
        QFETCH(bool, succeeds);
        const QByteArray data = pattern(1000);
        m_server.setReply(kPath, served);
        for (const Reply &reply : queued)
            m_server.queueReply(kPath, reply, "bytes=250-499");
        // What was there before is replaced only by a whole new file.
        const QByteArray old = "the previous version";
        QFile previous(m_dir.filePath("target.bin"));
        QVERIFY(previous.open(QIODevice::WriteOnly));
        previous.write(old);
        previous.close();

        SegmentedDownloadManager manager;
        QCOMPARE(download(manager), QVariant(succeeds));
        QCOMPARE(readAll(m_dir.filePath("target.bin")), succeeds ? data : old);
        QCOMPARE(leftovers(), QStringList());
    }

    void aPartWithoutItsContentRangeIsRefused()
    {
        // Every part gets 206 and exactly its length, but not its bytes (no
        // Content-Range says which): joined, the lengths would add up to a
        // file of the right size and the wrong content.
        const QByteArray data = pattern(1000);
        Reply unplaced = Reply::ok(data.left(250));
        unplaced.status = 206;
        m_server.setReply(kPath, unplaced);
        m_server.queueReply(kPath, Reply::ok(data)); // the HEAD: 1000 bytes
        SegmentedDownloadManager manager;
        QCOMPARE(download(manager), QVariant(false));
        QVERIFY(!QFile::exists(m_dir.filePath("target.bin")));
        QCOMPARE(leftovers(), QStringList());
    }

    void failedDownloadLeavesNoTarget()
    {
        Reply shortBody = Reply::ok(pattern(1000));
        shortBody.bodyBytes = 10;
        m_server.setReply(kPath, shortBody);
        const int before = m_server.requests().size();
        SegmentedDownloadManager manager;
        QCOMPARE(download(manager, "apk.crdownload"), QVariant(false));
        QVERIFY(!QFile::exists(m_dir.filePath("apk.crdownload")));
        QCOMPARE(leftovers(), QStringList());
        // Each of the four parts tried five times; Qt itself may send a
        // request again once when a kept-alive connection closes under it.
        const int asked = rangesAsked(m_server, before).count("bytes=0-249");
        QVERIFY2(asked >= 5 && asked <= 10, qPrintable(QString::number(asked)));
    }

    void staleDownloadNameIsReplaced()
    {
        const QByteArray data = pattern(100);
        m_server.setReply(kPath, Reply::ok(data));
        QFile stale(m_dir.filePath("apk.crdownload"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("stale and longer than the new file......................................................");
        stale.close();
        SegmentedDownloadManager manager;
        QCOMPARE(download(manager, "apk.crdownload"), QVariant(true));
        QCOMPARE(readAll(m_dir.filePath("apk.crdownload")), data);
    }

    void threeMebibytesArriveByteEqual()
    {
        QByteArray data(3 * 1024 * 1024 + 3, Qt::Uninitialized);
        QRandomGenerator random(40);
        random.fillRange(reinterpret_cast<quint32 *>(data.data()), data.size() / 4);
        m_server.setReply(kPath, Reply::slow(data, 64 * 1024, 1));
        SegmentedDownloadManager manager;
        QSignalSpy progress(&manager, &SegmentedDownloadManager::downloadProgress);
        QCOMPARE(download(manager), QVariant(true));
        QVERIFY(readAll(m_dir.filePath("target.bin")) == data);
        QVERIFY(!progress.isEmpty());
        QCOMPARE(leftovers(), QStringList());
    }

    void fixedPartsCoverTheFile()
    {
        const QByteArray data = pattern(10);
        m_server.setReply(kPath, Reply::ok(data));
        const int before = m_server.requests().size();
        SegmentedDownloadManager manager;
        QSignalSpy finished(&manager, &SegmentedDownloadManager::downloadFinished);
        manager.startFixedParts(QUrl(m_server.url(kPath)), m_dir.path(), "fixed.bin", 4, 10);
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.first().first(), QVariant(true));
        QCOMPARE(rangesAsked(m_server, before), (QList<QByteArray> {"bytes=0-3", "bytes=4-7", "bytes=8-9"}));
        QCOMPARE(readAll(m_dir.filePath("fixed.bin")), data);
    }

    void unwritableFolderFails()
    {
        m_server.setReply(kPath, Reply::ok(pattern(100)));
        SegmentedDownloadManager manager;
        QSignalSpy finished(&manager, &SegmentedDownloadManager::downloadFinished);
        manager.start(QUrl(m_server.url(kPath)), m_dir.filePath("missing/folder"), "target.bin");
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.first().first(), QVariant(false));
    }
};

QTEST_GUILESS_MAIN(SegmentedDownloadTest)
#include "segmenteddownload_test.moc"
