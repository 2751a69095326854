#include "csortfilterproxymodel.h"
#include "imageutils.h"
#include "itemroles.h"
#include "medialistmodel.h"
#include "mediatableview.h"
#include "picturefiles.h"
#include "shots.h"
#include "thumbnailloader.h"
#include "viewfixtures.h"
#include "widgetkit.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QListView>
#include <QScrollBar>
#include <QSemaphore>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <memory>

using namespace ViewFixtures;

namespace
{
    // The loader's real decode behind a gate that holds the files it is told
    // to, counting every decode.
    struct Gate
    {
        QSemaphore passes;
        QStringList held;
        bool holdAll = false;
        QAtomicInt decodes;
        QAtomicInt waiting;

        ThumbnailLoader::Decoder decoder()
        {
            return [this](const QString &path, const QString &hint, const ThumbnailLoader::Spec &spec) {
                decodes.fetchAndAddOrdered(1);
                if (holdAll || held.contains(path)) {
                    waiting.fetchAndAddOrdered(1);
                    passes.acquire();
                    waiting.fetchAndAddOrdered(-1);
                }
                return loadScaledImage(path, spec.minimum, spec.maximum, hint, spec.quality);
            };
        }
    };

    QColor tileColour(MediaTableView &view, int sourceRow)
    {
        const QPixmap thumbnail = view.mediaModel()->index(sourceRow).data(Qt::DecorationRole).value<QPixmap>();
        if (thumbnail.isNull())
            return QColor();
        return thumbnail.toImage().pixelColor(thumbnail.width() / 2, thumbnail.height() / 2);
    }

    // The tile of a record row as the window shows it.
    QRect tileRect(MediaTableView &view, int sourceRow)
    {
        CSortFilterProxyModel *proxy = view.proxyModel();
        const QRect rect = view.listView()->visualRect(proxy->mapFromSource(view.mediaModel()->index(sourceRow)));
        return QRect(view.listView()->viewport()->mapTo(&view, rect.topLeft()), rect.size());
    }

    bool near(const QColor &c, const QColor &expected, int tolerance = 60)
    {
        return qAbs(c.red() - expected.red()) <= tolerance && qAbs(c.green() - expected.green()) <= tolerance
               && qAbs(c.blue() - expected.blue()) <= tolerance;
    }

    void waitForTheLoader()
    {
        QTRY_COMPARE_WITH_TIMEOUT(ThumbnailLoader::instance()->pendingCount(), 0, 15000);
        QCoreApplication::processEvents();
    }
}

class MediaThumbnailsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString good(const QString &name, const QColor &colour)
    {
        return PictureFiles::writeJpeg(m_dir.filePath(name), PictureFiles::twoTone(QSize(400, 300), colour, colour));
    }

private slots:
    void initTestCase()
    {
        initWidgetKit();
        DeviceData::registerMetaTypes();
        // Two at least, so that one stuck decode leaves the others going.
        if (ThumbnailLoader::instance()->threadCount() < 2)
            ThumbnailLoader::instance()->setThreadCount(2);
    }

    void init()
    {
        ThumbnailLoader *loader = ThumbnailLoader::instance();
        loader->setDecoder(nullptr);
        loader->clearCache();
        loader->setCacheLimit(ThumbnailLoader::DefaultCacheBytes);
    }

    void cleanup() { ThumbnailLoader::instance()->setDecoder(nullptr); }

    void goodTilesFillWhileDamagedOnesShowThePlaceholder()
    {
        const QString pipe = m_dir.filePath("pipe.jpg");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString turned = PictureFiles::writeTurnedJpeg(m_dir.filePath("turned.jpg"), QSize(300, 400), Qt::red,
                                                              Qt::blue);
        const QString noPicture = PictureFiles::writeNoPicture(m_dir.filePath("clip.mov"));
        QList<QVariant> records;
        QList<int> goodRows;
        for (int i = 0; i < 8; ++i) {
            goodRows << records.size();
            records << media(QStringLiteral("good%1.jpg").arg(i), DeviceData::ImageKind,
                             good(QStringLiteral("good%1.jpg").arg(i), Qt::green));
        }
        const int turnedRow = records.size();
        records << media("turned.jpg", DeviceData::ImageKind, turned);
        const int firstDamaged = records.size();
        records << media("corrupt.jpg", DeviceData::ImageKind, PictureFiles::writeCorruptJpeg(m_dir.filePath("corrupt.jpg")))
                << media("cut.jpg", DeviceData::ImageKind, PictureFiles::writeTruncatedJpeg(m_dir.filePath("cut.jpg")))
                << media("IMG_0001.CR2", DeviceData::ImageKind, PictureFiles::writeNoPicture(m_dir.filePath("IMG_0001.CR2")))
                << media("huge.png", DeviceData::ImageKind,
                         PictureFiles::writePngHeader(m_dir.filePath("huge.png"), 30000, 30000))
                << media("pipe.jpg", DeviceData::ImageKind, pipe)
                << media("missing.jpg", DeviceData::ImageKind, m_dir.filePath("missing.jpg"));
        const int lastDamaged = records.size() - 1;
        const int clipRow = records.size();
        records << media("clip.mov", DeviceData::VideoKind, noPicture);
        const int stillRow = records.size();
        records << media("still.mov", DeviceData::VideoKind, noPicture, 0, false, 0, true,
                         good("still.jpg", Qt::green));

        MediaTableView view(0, DeviceData::Photos);
        view.resize(1000, 700);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setDataList(records);
        waitForTheLoader();
        for (int row : goodRows)
            QTRY_VERIFY(view.mediaModel()->hasThumbnail(row));
        QTRY_VERIFY(view.mediaModel()->hasThumbnail(stillRow));
        for (int row = firstDamaged; row <= lastDamaged; ++row)
            QVERIFY2(!view.mediaModel()->hasThumbnail(row), qPrintable(QString::number(row)));
        QVERIFY(!view.mediaModel()->hasThumbnail(clipRow));

        const QPixmap upright = view.mediaModel()->index(turnedRow).data(Qt::DecorationRole).value<QPixmap>();
        QVERIFY(upright.width() >= 96 && upright.width() <= 141);
        QVERIFY(upright.height() >= 96 && upright.height() <= 141);

        QTest::qWait(50);
        const QImage shot = view.grab().toImage();
        saveShot(&view, QStringLiteral("damaged"));
        auto at = [&](int row, int dx, int dy) {
            const QRect tile = tileRect(view, row);
            return meanColour(shot, QRect(tile.x() + dx, tile.y() + dy, 6, 6));
        };
        for (int row : goodRows)
            QVERIFY2(near(at(row, 68, 60), Qt::green), qPrintable(at(row, 68, 60).name()));
        QVERIFY2(near(at(turnedRow, 68, 15), Qt::red), qPrintable(at(turnedRow, 68, 15).name()));
        QVERIFY2(near(at(turnedRow, 68, 95), Qt::blue), qPrintable(at(turnedRow, 68, 95).name()));
        const QColor pale("#DCE6FD");
        for (int row = firstDamaged; row <= lastDamaged; ++row)
            QVERIFY2(near(at(row, 70, 50), pale, 20), qPrintable(at(row, 70, 50).name()));
        QVERIFY2(near(at(clipRow, 70, 50), QColor("#558AF8"), 20), qPrintable(at(clipRow, 70, 50).name()));
        // A video's still with the play mark over it.
        QVERIFY(near(at(stillRow, 10, 40), Qt::green));
        QVERIFY(near(at(stillRow, 68, 68), Qt::white, 40));
    }

    void aStuckDecodeNeverHoldsTheWindow()
    {
        Gate gate;
        const QString stuck = good("stuck.jpg", Qt::red);
        gate.held << stuck;
        ThumbnailLoader::instance()->setDecoder(gate.decoder());
        QList<QVariant> records{media("stuck.jpg", DeviceData::ImageKind, stuck)};
        for (int i = 0; i < 6; ++i)
            records << media(QStringLiteral("a%1.jpg").arg(i), DeviceData::ImageKind,
                             good(QStringLiteral("a%1.jpg").arg(i), Qt::green));
        auto first = std::make_unique<MediaTableView>(0, DeviceData::Photos);
        first->resize(800, 500);
        first->show();
        QVERIFY(QTest::qWaitForWindowExposed(first.get()));
        first->setDataList(records);
        QTRY_COMPARE(gate.waiting.loadAcquire(), 1);

        QElapsedTimer timer;
        timer.start();
        first->stopLoading();
        QVERIFY(timer.elapsed() < 100);
        timer.restart();
        first->clear();
        QVERIFY(timer.elapsed() < 100);
        timer.restart();
        first.reset();
        QVERIFY(timer.elapsed() < 100);

        // The next grid loads on the other threads.
        MediaTableView second(0, DeviceData::Photos);
        QList<QVariant> others;
        for (int i = 0; i < 6; ++i)
            others << media(QStringLiteral("b%1.jpg").arg(i), DeviceData::ImageKind,
                            good(QStringLiteral("b%1.jpg").arg(i), Qt::blue));
        second.resize(800, 500);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        second.setDataList(others);
        for (int row = 0; row < others.size(); ++row)
            QTRY_VERIFY(second.mediaModel()->hasThumbnail(row));
        QCOMPARE(gate.waiting.loadAcquire(), 1);
        gate.passes.release();
        waitForTheLoader();
    }

    void lateAnswersChangeNoTile_data()
    {
        QTest::addColumn<bool>("refilter");
        QTest::newRow("after clear and a new list") << false;
        QTest::newRow("after a refilter") << true;
    }

    void lateAnswersChangeNoTile()
    {
        QFETCH(bool, refilter);
        Gate gate;
        gate.holdAll = true;
        ThumbnailLoader::instance()->setDecoder(gate.decoder());
        const QList<QColor> colours{Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};
        QList<QVariant> before;
        QList<QVariant> after;
        for (int i = 0; i < colours.size(); ++i) {
            const QString tag = refilter ? QStringLiteral("f") : QStringLiteral("c");
            before << media(QStringLiteral("%1-old%2.jpg").arg(tag).arg(i), DeviceData::ImageKind,
                            good(QStringLiteral("%1-old%2.jpg").arg(tag).arg(i), colours.at(i)), 0, i % 2 == 1);
            after << media(QStringLiteral("%1-new%2.jpg").arg(tag).arg(i), DeviceData::ImageKind,
                           good(QStringLiteral("%1-new%2.jpg").arg(tag).arg(i), colours.at(colours.size() - 1 - i)));
        }
        MediaTableView view(0, DeviceData::Photos);
        view.resize(800, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setDataList(before);
        QTRY_VERIFY(gate.waiting.loadAcquire() >= 1);
        if (refilter) {
            view.setFilterMode(2);
        } else {
            view.clear();
            view.setDataList(after);
        }
        gate.passes.release(100);
        waitForTheLoader();
        QTest::qWait(50);
        for (int row = 0; row < colours.size(); ++row) {
            if (refilter) {
                // Only the deleted records are shown, each with its own picture.
                QCOMPARE(view.mediaModel()->hasThumbnail(row), row % 2 == 1);
                if (row % 2 == 1)
                    QVERIFY(near(tileColour(view, row), colours.at(row)));
            } else {
                QVERIFY(near(tileColour(view, row), colours.at(colours.size() - 1 - row)));
            }
        }
        gate.holdAll = false;
    }

    void theCacheStaysBoundedAndScrollingBackReusesIt()
    {
        Gate gate;
        ThumbnailLoader *loader = ThumbnailLoader::instance();
        loader->setDecoder(gate.decoder());
        const QImage sample = loadScaledImage(good("sample.jpg", Qt::green), QSize(96, 96), QSize(141, 141), "jpg", 30);
        const qint64 tileBytes = sample.sizeInBytes() + 1024;
        loader->setCacheLimit(80 * tileBytes);
        QList<QVariant> records;
        const QString picture = good("shared.jpg", Qt::green);
        for (int i = 0; i < 400; ++i) {
            const QString path = m_dir.filePath(QStringLiteral("scroll%1.jpg").arg(i));
            QVERIFY(QFile::exists(path) || QFile::copy(picture, path));
            records << media(QStringLiteral("scroll%1.jpg").arg(i), DeviceData::ImageKind, path);
        }
        MediaTableView view(0, DeviceData::Photos);
        view.resize(800, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setDataList(records);
        view.setFilterMode(0); // every row loaded, so the grid can scroll to its end
        waitForTheLoader();
        const QVector<int> top = view.windowRows();
        for (int row : top)
            QTRY_VERIFY(view.mediaModel()->hasThumbnail(row));
        const int decodedAtTop = gate.decodes.loadAcquire();

        QScrollBar *bar = view.listView()->verticalScrollBar();
        for (int step = 1; step <= 8; ++step) {
            const QVector<int> previous = view.windowRows();
            bar->setValue(bar->maximum() * step / 8);
            QTRY_VERIFY(view.windowRows() != previous);
            waitForTheLoader();
            QVERIFY(loader->cacheBytes() <= loader->cacheLimit());
            QVERIFY(view.mediaModel()->thumbnailCount() <= view.windowRows().size());
        }
        // Back to a window seen a moment ago: from the cache, no decode.
        const QVector<int> end = view.windowRows();
        const int decodedBefore = gate.decodes.loadAcquire();
        bar->setValue(bar->maximum() * 7 / 8);
        QTRY_VERIFY(view.windowRows() != end);
        waitForTheLoader();
        for (int row : view.windowRows())
            QVERIFY(view.mediaModel()->hasThumbnail(row));
        QCOMPARE(gate.decodes.loadAcquire(), decodedBefore);
        // The top was pushed out of the cache long ago: it is decoded again.
        bar->setValue(0);
        QTRY_COMPARE(view.windowRows(), top);
        waitForTheLoader();
        QVERIFY(gate.decodes.loadAcquire() > decodedBefore);
        QVERIFY(decodedAtTop > 0);
        QVERIFY(loader->cacheBytes() <= loader->cacheLimit());
    }
};

QTEST_MAIN(MediaThumbnailsTest)
#include "mediathumbnails_test.moc"
