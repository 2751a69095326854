#include "picturefiles.h"
#include "thumbnailloader.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

namespace
{
    // A decode that waits at a gate for the files it holds, and counts the
    // files it was given.
    struct Gate
    {
        QSemaphore passes;
        QStringList held;
        QAtomicInt decodes;

        ThumbnailLoader::Decoder decoder()
        {
            return [this](const QString &path, const QString &, const ThumbnailLoader::Spec &spec) {
                decodes.fetchAndAddOrdered(1);
                if (held.contains(path))
                    passes.acquire();
                if (path.endsWith(QStringLiteral(".bad")))
                    return QImage();
                QImage image(spec.maximum, QImage::Format_RGB32);
                image.fill(Qt::darkGreen);
                return image;
            };
        }
    };

    const ThumbnailLoader::Spec tile = ThumbnailLoader::mediaTile();
}

class ThumbnailLoaderTest : public QObject
{
    Q_OBJECT

private slots:
    void decodesOnItsOwnThreadsAndAnswersOnTheGuiThread()
    {
        QTemporaryDir dir;
        const QString path = PictureFiles::writeJpeg(dir.filePath("red.jpg"),
                                                     PictureFiles::twoTone(QSize(600, 400), Qt::red, Qt::red));
        ThumbnailLoader loader;
        QVERIFY(loader.threadCount() >= 1 && loader.threadCount() <= 4);
        QObject asker;
        QImage answer;
        QThread *answeredOn = nullptr;
        loader.request(path, "JPG", tile, &asker, [&](const QImage &image) {
            answer = image;
            answeredOn = QThread::currentThread();
        });
        QCOMPARE(loader.pendingCount(), 1);
        QTRY_VERIFY(answeredOn);
        QCOMPARE(answeredOn, QThread::currentThread());
        QCOMPARE(answer.size(), QSize(141, 141));
        QVERIFY(answer.pixelColor(70, 70).red() > 200);
        QCOMPARE(loader.pendingCount(), 0);
        QImage cached;
        QVERIFY(loader.lookup(path, "JPG", tile, &cached));
        QCOMPARE(cached, answer);
        // Another size is another picture.
        QVERIFY(!loader.lookup(path, "JPG", ThumbnailLoader::Spec{QSize(36, 36), QSize(36, 36), -1}, &cached));
    }

    void oneDecodeServesEveryAsker()
    {
        Gate gate;
        ThumbnailLoader loader;
        loader.setDecoder(gate.decoder());
        QObject first;
        QObject second;
        int answers = 0;
        loader.request("/photos/a.jpg", "JPG", tile, &first, [&](const QImage &) { ++answers; });
        loader.request("/photos/a.jpg", "JPG", tile, &second, [&](const QImage &) { ++answers; });
        QTRY_COMPARE(answers, 2);
        QCOMPARE(gate.decodes.loadAcquire(), 1);
        // Asked again, it is known.
        QImage image;
        QVERIFY(loader.lookup("/photos/a.jpg", "JPG", tile, &image));
        QVERIFY(!image.isNull());
    }

    void failuresAreRemembered()
    {
        Gate gate;
        ThumbnailLoader loader;
        loader.setDecoder(gate.decoder());
        QObject asker;
        bool answered = false;
        QImage answer(1, 1, QImage::Format_RGB32);
        loader.request("/photos/broken.bad", QString(), tile, &asker, [&](const QImage &image) {
            answered = true;
            answer = image;
        });
        QTRY_VERIFY(answered);
        QVERIFY(answer.isNull());
        QImage known(1, 1, QImage::Format_RGB32);
        QVERIFY(loader.lookup("/photos/broken.bad", QString(), tile, &known));
        QVERIFY(known.isNull());
        QCOMPARE(gate.decodes.loadAcquire(), 1);
    }

    void cancelDropsWhatWaitsButNeverWaits()
    {
        Gate gate;
        gate.held << "/photos/stuck.jpg";
        ThumbnailLoader loader;
        loader.setThreadCount(1);
        loader.setDecoder(gate.decoder());
        QObject gone;
        QObject stays;
        QStringList answered;
        loader.request("/photos/stuck.jpg", "JPG", tile, &gone, [&](const QImage &) { answered << "stuck"; });
        QTRY_COMPARE(gate.decodes.loadAcquire(), 1);
        for (const QString name : {"1", "2", "3"})
            loader.request("/photos/" + name + ".jpg", "JPG", tile, &gone, [&answered, name](const QImage &) {
                answered << name;
            });
        loader.request("/photos/3.jpg", "JPG", tile, &stays, [&](const QImage &) { answered << "3 for stays"; });
        QCOMPARE(loader.pendingCount(), 4);
        QElapsedTimer timer;
        timer.start();
        loader.cancel(&gone);
        QVERIFY(timer.elapsed() < 100);
        // The stuck one is under way; 3 is still wanted.
        QCOMPARE(loader.pendingCount(), 2);
        gate.passes.release();
        QTRY_COMPARE(loader.pendingCount(), 0);
        QCOMPARE(answered, QStringList{"3 for stays"});
        QCOMPARE(gate.decodes.loadAcquire(), 2);
        // What ran to its end is kept for the next asker.
        QVERIFY(loader.lookup("/photos/stuck.jpg", "JPG", tile, nullptr));
    }

    void aContextThatGoesHearsNothing()
    {
        Gate gate;
        gate.held << "/photos/slow.jpg";
        ThumbnailLoader loader;
        loader.setDecoder(gate.decoder());
        bool answered = false;
        auto context = std::make_unique<QObject>();
        loader.request("/photos/slow.jpg", "JPG", tile, context.get(), [&](const QImage &) { answered = true; });
        QTRY_COMPARE(gate.decodes.loadAcquire(), 1);
        context.reset();
        gate.passes.release();
        QTRY_COMPARE(loader.pendingCount(), 0);
        QVERIFY(!answered);
    }

    void theCacheStaysUnderItsBound()
    {
        Gate gate;
        ThumbnailLoader loader;
        loader.setDecoder(gate.decoder());
        const qint64 tileBytes = 141 * 141 * 4;
        loader.setCacheLimit(10 * tileBytes);
        QObject asker;
        int answers = 0;
        for (int i = 0; i < 40; ++i)
            loader.request(QStringLiteral("/photos/%1.jpg").arg(i), "JPG", tile, &asker, [&](const QImage &) {
                ++answers;
                QVERIFY(loader.cacheBytes() <= loader.cacheLimit());
            });
        for (int i = 0; i < 200; ++i)
            loader.request(QStringLiteral("/photos/%1.bad").arg(i), "JPG", tile, &asker,
                           [&](const QImage &) { ++answers; });
        QTRY_COMPARE(answers, 240);
        QVERIFY(loader.cacheBytes() <= loader.cacheLimit());
        QVERIFY(loader.cachedCount() > 0);
        // The most recent answers are the ones kept.
        QVERIFY(loader.lookup("/photos/199.bad", "JPG", tile, nullptr));
        QVERIFY(!loader.lookup("/photos/0.jpg", "JPG", tile, nullptr));
        loader.setCacheLimit(0);
        QCOMPARE(loader.cachedCount(), 0);
        QCOMPARE(loader.cacheBytes(), 0);
    }

    void goingAwayNeverWaitsForAStuckDecode()
    {
        Gate gate;
        gate.held << "/photos/stuck.jpg" << "/photos/queued.jpg";
        auto loader = std::make_unique<ThumbnailLoader>();
        loader->setDecoder(gate.decoder());
        QObject asker;
        bool answered = false;
        loader->request("/photos/stuck.jpg", "JPG", tile, &asker, [&](const QImage &) { answered = true; });
        loader->request("/photos/queued.jpg", "JPG", tile, &asker, [&](const QImage &) { answered = true; });
        QTRY_VERIFY(gate.decodes.loadAcquire() >= 1);
        QElapsedTimer timer;
        timer.start();
        loader.reset();
        QVERIFY(timer.elapsed() < 1000);
        gate.passes.release(2);
        QTest::qWait(50);
        QVERIFY(!answered);
    }
};

QTEST_MAIN(ThumbnailLoaderTest)
#include "thumbnailloader_test.moc"
