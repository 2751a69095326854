#include "imageutils.h"

#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

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

    void scalesKeepingTheRatio()
    {
        QPixmap pixmap(400, 200);
        pixmap.fill(Qt::red);
        QCOMPARE(scalePixmap(pixmap, 100, 100).size(), QSize(100, 50));
    }
};

QTEST_MAIN(ImageUtilsTest)
#include "imageutils_test.moc"
