#include "processprobe.h"
#include "thumbnailsessionmanager.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

namespace
{
    struct LogLine
    {
        QString kind;
        qint64 pid = 0;
        QString video;
    };
}

class ThumbnailSessionManagerTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_log;
    QProcess m_foreign; // a converter the manager did not start
    int m_counter = 0;

    // A "video" the stand-in reads its wait from (seconds or "forever").
    QString video(const QByteArray &wait)
    {
        const QString path = QStringLiteral("%1/video %2.mov").arg(m_dir->path()).arg(++m_counter);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(wait);
        return path;
    }

    QString pictureFor(const QString &videoPath) const
    {
        return videoPath + ".jpg";
    }

    QList<LogLine> logLines() const
    {
        QList<LogLine> lines;
        QFile file(m_log);
        if (!file.open(QIODevice::ReadOnly))
            return lines;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).chopped(1);
            const QStringList parts = line.split(' ');
            if (parts.size() >= 3)
                lines.append({parts.at(0), parts.at(1).toLongLong(), line.section(' ', 2)});
        }
        return lines;
    }

    QList<qint64> startedPids() const
    {
        QList<qint64> pids;
        for (const LogLine &line : logLines()) {
            if (line.kind == "start")
                pids.append(line.pid);
        }
        return pids;
    }

    // Starts forever-running jobs and waits until all have started.
    QList<qint64> startForeverJobs(ThumbnailSessionManager &manager, int count)
    {
        const int before = startedPids().size();
        for (int i = 0; i < count; ++i) {
            const QString path = video("forever");
            manager.addTask(path, pictureFor(path));
        }
        QElapsedTimer clock;
        clock.start();
        while (startedPids().size() < before + count && clock.elapsed() < 10000)
            QThread::msleep(20);
        return startedPids().mid(before);
    }

private slots:
    void initTestCase()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_log = m_dir->path() + "/converter.log";
        qputenv("STANDIN_CONVERTER_LOG", m_log.toLocal8Bit());
        const QString foreignVideo = video("forever");
        m_foreign.start(STANDIN_CONVERTER, {"-i", foreignVideo, pictureFor(foreignVideo)});
        QVERIFY(m_foreign.waitForStarted());
    }

    void cleanupTestCase()
    {
        m_foreign.kill();
        m_foreign.waitForFinished();
    }

    void init()
    {
        QFile::remove(m_log);
        qputenv("QUENROW_FFMPEG", STANDIN_CONVERTER);
    }

    void cleanup()
    {
        // No test may end the converter that is not ours.
        QCOMPARE(m_foreign.state(), QProcess::Running);
    }

    void maxConversions_data()
    {
        QTest::addColumn<int>("ideal");
        QTest::addColumn<int>("max");
        QTest::newRow("1 processor") << 1 << 4;
        QTest::newRow("2 processors") << 2 << 4;
        QTest::newRow("9 processors") << 9 << 4;
        QTest::newRow("10 processors") << 10 << 5;
        QTest::newRow("16 processors") << 16 << 8;
    }

    void maxConversions()
    {
        QFETCH(int, ideal);
        QFETCH(int, max);
        QCOMPARE(ThumbnailSessionManager::maxConversions(ideal), max);
    }

    void realConverterWritesAStillForAnAwkwardName()
    {
        if (QStandardPaths::findExecutable("ffmpeg").isEmpty())
            QSKIP("ffmpeg is not installed");
        qputenv("QUENROW_FFMPEG", "ffmpeg");
        const QString clip = m_dir->path() + "/clip \"quoted\" 'single' $(touch injected) a b.mp4";
        QProcess maker;
        maker.setProcessChannelMode(QProcess::MergedChannels);
        maker.start("ffmpeg", {"-nostdin", "-v", "error", "-f", "lavfi", "-i", "testsrc=duration=1:size=320x240:rate=10",
                               "-pix_fmt", "yuv420p", "-y", clip});
        QVERIFY(maker.waitForFinished(60000));
        QVERIFY2(maker.exitCode() == 0, maker.readAll().constData());

        const QString still = m_dir->path() + "/still \"of\" $(touch injected).jpg";
        ThumbnailSessionManager::instance()->addTask(clip, still);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(still) && QImageReader(still).canRead(), 30000);
        QImageReader reader(still);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(200, 200));
        QVERIFY(!QFile::exists("injected"));
        QVERIFY(!QFile::exists(m_dir->path() + "/injected"));
    }

    void missingConverterLeavesNoPictureAndNoHang()
    {
        qputenv("QUENROW_FFMPEG", QFile::encodeName(m_dir->path() + "/no-such-converter"));
        const QString path = video("0");
        QElapsedTimer clock;
        clock.start();
        {
            ThumbnailSessionManager manager;
            manager.addTask(path, pictureFor(path));
        }
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(!QFile::exists(pictureFor(path)));
    }

    void queueRunsAtMostTheMaximumAtOnce()
    {
        ThumbnailSessionManager manager;
        const int max = manager.maxThreadCount();
        QCOMPARE(max, ThumbnailSessionManager::maxConversions(QThread::idealThreadCount()));
        QStringList videos;
        for (int i = 0; i < 10; ++i) {
            videos << video("1");
            manager.addTask(videos.last(), pictureFor(videos.last()));
        }
        for (const QString &path : videos)
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pictureFor(path)), 30000);

        const QList<LogLine> lines = logLines();
        QSet<QString> firstStarted;
        int running = 0, most = 0, ends = 0;
        for (const LogLine &line : lines) {
            if (line.kind == "start") {
                most = qMax(most, ++running);
                if (firstStarted.size() < max && ends == 0)
                    firstStarted.insert(line.video);
            } else {
                --running;
                ++ends;
            }
        }
        QCOMPARE(most, max);
        QCOMPARE(ends, 10);
        const QStringList first = videos.mid(0, max);
        QCOMPARE(firstStarted, QSet<QString>(first.cbegin(), first.cend()));

        // Every argument as one, never through a shell.
        QFile args(pictureFor(videos.first()) + ".args");
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(args.readAll()).split('\n', Qt::SkipEmptyParts),
                 (QStringList {"-nostdin", "-i", videos.first(), "-y", "-f", "image2", "-t", "0.001", "-s", "200x200",
                               pictureFor(videos.first())}));
    }

    void conversionThatNeverEndsIsKilled()
    {
        ThumbnailSessionManager manager;
        manager.setTimeLimitMs(400);
        QElapsedTimer clock;
        clock.start();
        const QList<qint64> pids = startForeverJobs(manager, 1);
        QCOMPARE(pids.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!isProcessAlive(pids.first()), 10000);
        QVERIFY(clock.elapsed() >= 400);

        // The thread is free again. A loaded machine may need more than the
        // short limit for a real conversion.
        manager.setTimeLimitMs(30000);
        const QString next = video("0");
        manager.addTask(next, pictureFor(next));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pictureFor(next)), 10000);
    }

    void clearTasksEndsRunningDropsQueuedAndStaysUsable()
    {
        ThumbnailSessionManager manager;
        const int max = manager.maxThreadCount();
        const QList<qint64> running = startForeverJobs(manager, max);
        QCOMPARE(running.size(), max);
        QStringList queued;
        for (int i = 0; i < 3; ++i) {
            queued << video("0");
            manager.addTask(queued.last(), pictureFor(queued.last()));
        }

        QElapsedTimer clock;
        clock.start();
        manager.clearTasks();
        QVERIFY(clock.elapsed() < 1000); // it does not wait
        for (qint64 pid : running)
            QTRY_VERIFY_WITH_TIMEOUT(!isProcessAlive(pid), 5000);

        const QString later = video("0");
        manager.addTask(later, pictureFor(later));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pictureFor(later)), 10000);
        for (const QString &path : queued)
            QVERIFY(!QFile::exists(pictureFor(path)));
        QCOMPARE(startedPids().size(), max + 1);
    }

    void stopAllReturnsSoonAndNothingStartsAfter()
    {
        ThumbnailSessionManager manager;
        const int max = manager.maxThreadCount();
        const QList<qint64> running = startForeverJobs(manager, max);
        QCOMPARE(running.size(), max);
        const QString queued = video("0");
        manager.addTask(queued, pictureFor(queued));

        QElapsedTimer clock;
        clock.start();
        manager.stopAll();
        QVERIFY(clock.elapsed() < 5000);
        for (qint64 pid : running)
            QVERIFY(!isProcessAlive(pid));

        const QString after = video("0");
        manager.addTask(after, pictureFor(after));
        QTest::qWait(300);
        QCOMPARE(startedPids().size(), max);
        QVERIFY(!QFile::exists(pictureFor(after)));
        QVERIFY(!QFile::exists(pictureFor(queued)));
    }

    void destructorEndsRunningConversions()
    {
        QList<qint64> running;
        QElapsedTimer clock;
        {
            ThumbnailSessionManager manager;
            running = startForeverJobs(manager, 2);
            clock.start();
        }
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(running.size(), 2);
        for (qint64 pid : running)
            QVERIFY(!isProcessAlive(pid));
    }
};

QTEST_GUILESS_MAIN(ThumbnailSessionManagerTest)
#include "thumbnailsessionmanager_test.moc"
