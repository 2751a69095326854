#include "imageutils.h"
#include "picturefiles.h"

#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class ImageUtilsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString picture(int width, int height)
    {
        const QString path = m_dir.filePath(QStringLiteral("%1x%2.png").arg(width).arg(height));
        if (!QFile::exists(path)) {
            QImage image(width, height, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            image.save(path);
        }
        return path;
    }

private slots:
    void fitsTheBox_data()
    {
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QSize>("maximum");
        QTest::addColumn<QSize>("scaled");
        QTest::addColumn<QRect>("clip");
        const QSize box(100, 100);
        QTest::newRow("wide, too tall a fit: cropped sides") << QSize(400, 200) << box << box << QSize(200, 100) << QRect(50, 0, 100, 100);
        QTest::newRow("inside the box: left alone") << QSize(100, 100) << box << box << QSize() << QRect();
        QTest::newRow("narrow and tall") << QSize(50, 400) << box << box << QSize(12, 100) << QRect();
        QTest::newRow("a side never reaches zero") << QSize(1, 1000) << box << box << QSize(1, 100) << QRect();
        QTest::newRow("too wide only") << QSize(400, 100) << box << box << QSize(100, 25) << QRect();
        QTest::newRow("too narrow only, height overflows") << QSize(50, 100) << box << box << QSize(100, 200) << QRect(0, 50, 100, 100);
        QTest::newRow("small both ways") << QSize(20, 40) << box << box << QSize(100, 200) << QRect(0, 50, 100, 100);
        QTest::newRow("short but wide enough") << QSize(300, 50) << box << box << QSize(600, 100) << QRect(250, 0, 100, 100);
        QTest::newRow("range, inside") << QSize(150, 150) << QSize(100, 100) << QSize(200, 200) << QSize() << QRect();
    }

    void fitsTheBox()
    {
        QFETCH(QSize, image);
        QFETCH(QSize, minimum);
        QFETCH(QSize, maximum);
        QFETCH(QSize, scaled);
        QFETCH(QRect, clip);
        QImageReader reader(picture(image.width(), image.height()));
        fitImageReaderSize(reader, minimum, maximum);
        QCOMPARE(reader.scaledSize(), scaled);
        QCOMPARE(reader.scaledClipRect(), clip);
    }

    void anUnreadableFileIsLeftAlone()
    {
        const QString path = m_dir.filePath("broken.png");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
        file.close();
        QImageReader reader(path);
        fitImageReaderSize(reader, QSize(100, 100), QSize(100, 100));
        QCOMPARE(reader.scaledSize(), QSize());
        QCOMPARE(reader.scaledClipRect(), QRect());
    }

    void loadsScaled_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("cropped to the box") << picture(400, 200) << QSize(100, 100);
        QTest::newRow("narrow") << picture(50, 400) << QSize(12, 100);
        QTest::newRow("empty path") << QString() << QSize();
        QTest::newRow("missing file") << m_dir.filePath("none.png") << QSize();
        QTest::newRow("content decides, not the name") << [this] {
            const QString path = m_dir.filePath("really-a-png.jpg");
            QFile::copy(picture(400, 200), path);
            return path;
        }() << QSize(100, 100);
    }

    void loadsScaled()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QPixmap byBox = loadScaledPixmap(path, QSize(100, 100));
        const QPixmap bySides = loadScaledPixmap(path, 100, 100);
        QCOMPARE(byBox.isNull(), !size.isValid());
        if (size.isValid())
            QCOMPARE(byBox.size(), size);
        QCOMPARE(bySides.size(), byBox.size());
    }

    void turnsByTheExifOrientation()
    {
        // Stored on its side, shown upright: red above, blue below.
        const QString path = PictureFiles::writeTurnedJpeg(m_dir.filePath("turned.jpg"), QSize(300, 400), Qt::red, Qt::blue);
        QVERIFY(!path.isEmpty());
        const QImage image = loadScaledImage(path, QSize(96, 96), QSize(141, 141), QStringLiteral("JPG"), 30);
        QCOMPARE(image.size(), QSize(105, 141));
        const QColor top = image.pixelColor(image.width() / 2, 10);
        const QColor bottom = image.pixelColor(image.width() / 2, image.height() - 10);
        QVERIFY2(top.red() > 200 && top.blue() < 60, qPrintable(top.name()));
        QVERIFY2(bottom.blue() > 200 && bottom.red() < 60, qPrintable(bottom.name()));
    }

    void damagedFilesGiveNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("hint");
        QTest::newRow("corrupt JPEG") << PictureFiles::writeCorruptJpeg(m_dir.filePath("corrupt.jpg")) << "JPG";
        QTest::newRow("JPEG cut in half") << PictureFiles::writeTruncatedJpeg(m_dir.filePath("cut.jpg")) << "JPG";
        QTest::newRow("a .CR2 that is no RAW") << PictureFiles::writeNoPicture(m_dir.filePath("IMG_0001.CR2")) << "CR2";
        QTest::newRow("30000 x 30000 PNG header")
            << PictureFiles::writePngHeader(m_dir.filePath("huge.png"), 30000, 30000) << "PNG";
        QTest::newRow("a folder") << m_dir.path() << "JPG";
    }

    void damagedFilesGiveNothing()
    {
        QFETCH(QString, path);
        QFETCH(QString, hint);
        QVERIFY(!path.isEmpty());
        QVERIFY(loadScaledImage(path, QSize(96, 96), QSize(141, 141), hint, 30).isNull());
        QVERIFY(loadScaledPixmap(path, 36, 36).isNull());
    }

    void aWholeJpegWithTrailingBytesStillDecodes()
    {
        // Some cameras append data after the picture's end marker.
        const QString path = PictureFiles::writeJpeg(m_dir.filePath("trailer.jpg"),
                                                     PictureFiles::twoTone(QSize(400, 300), Qt::red, Qt::blue));
        QByteArray bytes = PictureFiles::readBytes(path);
        bytes += QByteArray(40000, 'x');
        QVERIFY(PictureFiles::writeBytes(path, bytes));
        QCOMPARE(loadScaledImage(path, QSize(96, 96), QSize(141, 141), "JPG", 30).size(), QSize(141, 141));
    }

    void aPipeIsNeverOpened()
    {
        const QString path = m_dir.filePath("pipe.jpg");
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QElapsedTimer timer;
        timer.start();
        // Opening it for reading would wait for a writer that never comes.
        QVERIFY(loadScaledImage(path, QSize(96, 96), QSize(141, 141), "JPG", 30).isNull());
        QVERIFY(timer.elapsed() < 5000);
    }

    void scalesKeepingTheRatio()
    {
        QPixmap pixmap(400, 200);
        pixmap.fill(Qt::red);
        QCOMPARE(scalePixmap(pixmap, 100, 100).size(), QSize(100, 50));
    }
};

QTEST_MAIN(ImageUtilsTest)
#include "imageutils_test.moc"
