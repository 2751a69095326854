// The chat panes' image provider: thumbnail sizes, the placeholder for
// anything it cannot or must not show, and the scan's folders as the only
// place it reads from.
#include "chatdatafolders.h"
#include "imageprovider.h"
#include "picturefiles.h"
#include "widgetkit.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
    QImage placeholder()
    {
        QImage image(QString::fromLatin1(ImageProvider::PlaceholderPath));
        return image.convertToFormat(QImage::Format_RGB32);
    }

    bool samePicture(const QImage &a, const QImage &b)
    {
        return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
    }

    // Three upright bands: red, green, blue from left to right.
    QImage bands(const QSize &size)
    {
        QImage image(size, QImage::Format_RGB32);
        for (int x = 0; x < size.width(); ++x) {
            const QRgb colour = x < size.width() / 3 ? qRgb(255, 0, 0)
                                : x < 2 * size.width() / 3 ? qRgb(0, 255, 0) : qRgb(0, 0, 255);
            for (int y = 0; y < size.height(); ++y)
                image.setPixel(x, y, colour);
        }
        return image;
    }

    bool near(QRgb pixel, QRgb expected)
    {
        return qAbs(qRed(pixel) - qRed(expected)) < 40 && qAbs(qGreen(pixel) - qGreen(expected)) < 40
               && qAbs(qBlue(pixel) - qBlue(expected)) < 40;
    }
}

class ImageProviderTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_scan;
    QTemporaryDir m_elsewhere;
    ImageProvider m_provider;

    QString inScan(const QString &name) const { return m_scan.filePath(name); }

    // The provider's answer within a few seconds, on a thread of its own: a
    // read that blocks (a pipe opened) fails instead of hanging the test.
    QImage requestAway(const QString &id, const QString &pipeToRelease = QString())
    {
        std::future<QImage> future = std::async(std::launch::async, [this, id] {
            QSize size;
            return m_provider.requestImage(id, &size, QSize());
        });
        if (future.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            // Opening the other end lets the blocked read go on.
            const int writer = ::open(QFile::encodeName(pipeToRelease).constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
            future.wait();
            return QImage();
        }
        return future.get();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_scan.isValid() && m_elsewhere.isValid());
        initWidgetKit();
        ChatDataFolders::setRoots({m_scan.path()});
        QVERIFY(!placeholder().isNull());
    }

    void loadsOffTheGuiThread()
    {
        QVERIFY(m_provider.flags() & QQmlImageProviderBase::ForceAsynchronousImageLoading);
        QCOMPARE(m_provider.imageType(), QQmlImageProviderBase::Image);
    }

    void placeholderForAnEmptyId()
    {
        QSize size;
        const QImage image = m_provider.requestImage(QString(), &size, QSize(500, 500));
        QVERIFY(samePicture(image, placeholder()));
        QCOMPARE(size, QSize(120, 120));
        QCOMPARE(m_provider.requestPixmap(QString(), &size, QSize()).size(), QSize(120, 120));
    }

    void escapedPathsReachTheFile()
    {
        const QString path = inScan(QStringLiteral("a b ü%.png"));
        QVERIFY(bands(QSize(100, 100)).save(path));
        QSize size;
        // As QML hands it over: what the view's URL keeps escaped.
        const QUrl url(QStringLiteral("image://waprovider/") + ImageProvider::idOf(path));
        const QString id = url.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority).mid(1);
        QVERIFY2(id.contains(QStringLiteral("%20")) || id.contains(QLatin1Char(' ')), qPrintable(id));
        const QImage image = m_provider.requestImage(id, &size, QSize());
        QVERIFY(!samePicture(image, placeholder()));
        QCOMPARE(size, QSize(100, 100));
        QCOMPARE(m_provider.requestImage(inScan(QStringLiteral("a%20b%20%C3%BC%25.png")), &size, QSize()).size(),
                 QSize(100, 100));
    }

    void thumbnailSizes_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("thumbnail");
        QTest::newRow("4000 x 3000: 120 x 120 of its middle") << QSize(4000, 3000) << QSize(120, 120);
        QTest::newRow("50 x 50 up to 96 x 96") << QSize(50, 50) << QSize(96, 96);
        QTest::newRow("100 x 110 as it is") << QSize(100, 110) << QSize(100, 110);
    }

    void thumbnailSizes()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, thumbnail);
        const QString path = inScan(QStringLiteral("bands-%1.png").arg(picture.width()));
        QVERIFY(bands(picture).save(path));
        QSize size;
        const QImage image = m_provider.requestImage(path, &size, QSize(1000, 1000));
        QCOMPARE(image.size(), thumbnail);
        QCOMPARE(size, thumbnail);
        if (picture.width() > 1000) {
            // 160 x 120 with 20 columns cut from each side: all three bands.
            QVERIFY(near(image.pixel(2, 60), qRgb(255, 0, 0)));
            QVERIFY(near(image.pixel(60, 60), qRgb(0, 255, 0)));
            QVERIFY(near(image.pixel(117, 60), qRgb(0, 0, 255)));
            // The red band ends at 53 of 160, at 33 once 20 are cut.
            QVERIFY(near(image.pixel(29, 60), qRgb(255, 0, 0)));
            QVERIFY(near(image.pixel(37, 60), qRgb(0, 255, 0)));
        }
    }

    void damagedFilesGetThePlaceholder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << QStringLiteral("missing.png");
        QTest::newRow("no picture") << PictureFiles::writeNoPicture(inScan(QStringLiteral("noise.png")));
        QTest::newRow("corrupt JPEG") << PictureFiles::writeCorruptJpeg(inScan(QStringLiteral("corrupt.jpg")));
        QTest::newRow("JPEG cut short") << PictureFiles::writeTruncatedJpeg(inScan(QStringLiteral("short.jpg")));
        const QString png = inScan(QStringLiteral("short.png"));
        bands(QSize(300, 300)).save(png);
        PictureFiles::writeBytes(png, PictureFiles::readBytes(png).left(200));
        QTest::newRow("PNG cut short") << png;
        QTest::newRow("20000 x 20000 PNG header")
            << PictureFiles::writePngHeader(inScan(QStringLiteral("huge.png")), 20000, 20000);
    }

    void damagedFilesGetThePlaceholder()
    {
        QFETCH(QString, path);
        QSize size;
        const QImage image = m_provider.requestImage(QDir::isAbsolutePath(path) ? path : inScan(path), &size, QSize());
        QVERIFY(samePicture(image, placeholder()));
        QCOMPARE(size, QSize(120, 120));
    }

    // Outside the scan's folders nothing is opened: a pipe there would
    // block the read.
    void readsOnlyInsideTheScansFolders_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("pipe");
        const QString outside = m_elsewhere.filePath(QStringLiteral("pipe"));
        QTest::newRow("a path elsewhere") << outside << outside;
        const QString up = QDir(m_scan.path()).filePath(QStringLiteral("../") + QFileInfo(m_elsewhere.path()).fileName()
                                                         + QStringLiteral("/pipe"));
        QTest::newRow("up and out with ..") << up << outside;
        QTest::newRow("a link out of the folder") << inScan(QStringLiteral("link")) << outside;
    }

    void readsOnlyInsideTheScansFolders()
    {
        QFETCH(QString, id);
        QFETCH(QString, pipe);
        if (!QFile::exists(pipe))
            QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        if (!QFileInfo(inScan(QStringLiteral("link"))).isSymLink())
            QVERIFY(QFile::link(pipe, inScan(QStringLiteral("link"))));
        // A picture elsewhere is not read either.
        const QString picture = m_elsewhere.filePath(QStringLiteral("elsewhere.png"));
        QVERIFY(bands(QSize(100, 100)).save(picture));

        const QImage image = requestAway(id, pipe);
        QVERIFY2(!image.isNull(), "the provider opened the pipe");
        QVERIFY(samePicture(image, placeholder()));
        QVERIFY(samePicture(requestAway(picture), placeholder()));
        QVERIFY(!ChatDataFolders::contains(id));
    }

    void aPipeInsideIsNotReadEither()
    {
        const QString pipe = inScan(QStringLiteral("inner-pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QImage image = requestAway(pipe, pipe);
        QVERIFY2(!image.isNull(), "the provider opened the pipe");
        QVERIFY(samePicture(image, placeholder()));
    }

    void rootsFollowTheScan()
    {
        const QString path = m_elsewhere.filePath(QStringLiteral("next-scan.png"));
        QVERIFY(bands(QSize(100, 100)).save(path));
        QSize size;
        QVERIFY(samePicture(m_provider.requestImage(path, &size, QSize()), placeholder()));
        ChatDataFolders::setRoots({m_scan.path(), m_elsewhere.path()});
        QVERIFY(!samePicture(m_provider.requestImage(path, &size, QSize()), placeholder()));
        ChatDataFolders::setRoots({m_scan.path()});
        // A folder whose name starts like a root's is not inside it.
        const QString sibling = m_scan.path() + QStringLiteral("-sibling");
        QVERIFY(QDir().mkpath(sibling));
        QVERIFY(bands(QSize(100, 100)).save(sibling + QStringLiteral("/x.png")));
        QVERIFY(!ChatDataFolders::contains(sibling + QStringLiteral("/x.png")));
        QVERIFY(QDir(sibling).removeRecursively());
    }
};

QTEST_MAIN(ImageProviderTest)
#include "imageprovider_test.moc"
