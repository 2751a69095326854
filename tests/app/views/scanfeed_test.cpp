#include "scanfeed.h"

#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

// The feed between the scan's thread and the page: writers on several
// threads while the page follows another category and takes what gathered.
class ScanFeedTest : public QObject
{
    Q_OBJECT

private slots:
    void keepsTheFollowedCategoryAndTheLatestCounts()
    {
        ScanFeed feed;
        feed.addRecord(64, QVariant(1), 1);
        feed.follow(1024);
        feed.addRecord(64, QVariant(2), 2);
        feed.addRecord(1024, QVariant(3), 7);
        feed.addKindRecord(0x20001, 2, QVariant(4), 1);
        feed.addSessionUpdate(1024, QStringLiteral("chat"), QVariant(5));
        feed.addSessionUpdate(2, QStringLiteral("other"), QVariant(6));
        feed.addFinished(64);
        feed.addFinished(64);
        ScanFeed::Batch batch = feed.take();
        QCOMPARE(batch.counts, (QMap<int, int>{{64, 2}, {1024, 7}, {0x20001, 1}}));
        QCOMPARE(batch.records.size(), 1);
        QCOMPARE(batch.records.first().record, QVariant(3));
        QCOMPARE(batch.records.first().total, 7);
        QCOMPARE(batch.records.first().kind, -1);
        QCOMPARE(batch.updates.size(), 1);
        QCOMPARE(batch.updates.first().session, QStringLiteral("chat"));
        QCOMPARE(batch.finished, QList<int>{64});
        QVERIFY(feed.take().isEmpty());

        // Following another category drops what was kept for the last one.
        feed.addRecord(1024, QVariant(8), 8);
        feed.follow(0x20001);
        feed.addKindRecord(0x20001, 0, QVariant(9), 2);
        batch = feed.take();
        QCOMPARE(batch.records.size(), 1);
        QCOMPARE(batch.records.first().kind, 0);
        QCOMPARE(batch.counts.value(1024), 8);
    }

    void writersAndTheTakerMeetOnlyUnderTheLock()
    {
        ScanFeed feed;
        feed.follow(1024);
        constexpr int Writers = 4;
        constexpr int Records = 5000;
        std::atomic<bool> go{false};
        std::vector<std::thread> writers;
        for (int w = 0; w < Writers; ++w) {
            writers.emplace_back([&feed, &go, w] {
                while (!go)
                    std::this_thread::yield();
                for (int i = 1; i <= Records; ++i) {
                    feed.addRecord(w == 0 ? 1024 : 64 + w, QVariant(i), i);
                    if (i % 100 == 0)
                        feed.addFinished(w);
                }
            });
        }
        go = true;
        int taken = 0;
        int lastTotal = 0;
        bool ordered = true;
        while (taken < Records) {
            const ScanFeed::Batch batch = feed.take();
            for (const ScanFeed::Record &record : batch.records) {
                ordered = ordered && record.total == lastTotal + 1;
                lastTotal = record.total;
                ++taken;
            }
            std::this_thread::yield();
        }
        for (std::thread &writer : writers)
            writer.join();
        QVERIFY(ordered);
        QCOMPARE(taken, Records);
        const ScanFeed::Batch rest = feed.take();
        QVERIFY(rest.records.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ScanFeedTest)
#include "scanfeed_test.moc"
