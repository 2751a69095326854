#include "widgetkit.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// The kit's images and style sheets as the program sees them.
class ResourcesTest : public QObject
{
    Q_OBJECT

private:
    struct Row
    {
        QString path;
        QSize size;
    };

    static QList<Row> rows()
    {
        QList<Row> rows;
        QFile file(QStringLiteral(QUENROW_IMAGES_TSV));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return rows;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QStringList fields = line.split(QLatin1Char('\t'));
            if (fields.size() == 3)
                rows.append({fields.at(0), QSize(fields.at(1).toInt(), fields.at(2).toInt())});
            else
                rows.append({line, QSize()});
        }
        return rows;
    }

    static int opaquePixels(const QImage &image)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) > 0)
                    ++count;
            }
        }
        return count;
    }

private slots:
    void initTestCase()
    {
        initWidgetKit();
        initWidgetKit(); // a second call changes nothing
    }

    void everyImageLoadsAtItsSize_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        const QList<Row> all = rows();
        QVERIFY2(all.size() >= 13, "images.tsv lists the kit's and the export's images");
        for (const Row &row : all)
            QTest::newRow(qPrintable(row.path)) << row.path << row.size;
    }

    void everyImageLoadsAtItsSize()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QVERIFY2(size.isValid(), "a row is path, width and height separated by tabs");
        QImageReader reader(QStringLiteral(":/") + path);
        reader.setDecideFormatFromContent(true);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
        // Not blank: a fair share of the picture is drawn.
        QVERIFY(opaquePixels(image) > size.width() * size.height() / 20);
    }

    // An image the code names is drawn: ":/Images/...", "qrc:/Images/..."
    // and ":/ATIcon/..." literals of the program's sources each have a row.
    void everyImageTheCodeNamesHasARow()
    {
        QSet<QString> listed;
        for (const Row &row : rows())
            listed.insert(row.path);
        const QRegularExpression literal(QStringLiteral(
            "(?:qrc)?:/((?:Images|ATIcon)/[^\"'\\s()%+]+\\.(?:png|ico|gif|jpg|jpeg|svg))\\b"));
        QDirIterator files(QStringLiteral(QUENROW_APP_SOURCES),
                           {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.qml"),
                            QStringLiteral("*.js")},
                           QDir::Files, QDirIterator::Subdirectories);
        int named = 0;
        QStringList missing;
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            auto matches = literal.globalMatch(QString::fromUtf8(file.readAll()));
            while (matches.hasNext()) {
                const QString path = matches.next().captured(1);
                ++named;
                if (!listed.contains(path))
                    missing << QFileInfo(file.fileName()).fileName() + QLatin1String(": ") + path;
            }
        }
        QVERIFY2(named >= 20, "the sources' image names are found");
        missing.removeDuplicates();
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String(", "))));
    }

    void theExportIconsSitInTheApplicationFolder_data()
    {
        QTest::addColumn<QString>("path");
        for (const Row &row : rows()) {
            if (row.path.startsWith(QLatin1String("ATIcon/")))
                QTest::newRow(qPrintable(row.path)) << row.path;
        }
    }

    void theExportIconsSitInTheApplicationFolder()
    {
        QFETCH(QString, path);
        QFile placed(qEnvironmentVariable("QUENROW_BIN_DIR") + QLatin1Char('/') + path);
        QFile served(QStringLiteral(":/") + path);
        QVERIFY(placed.open(QIODevice::ReadOnly));
        QVERIFY(served.open(QIODevice::ReadOnly));
        QCOMPARE(placed.readAll(), served.readAll());
    }

    void theIconIsAnIcoFile()
    {
        QFile icon(QStringLiteral(":/Images/app_logo_64.ico"));
        QVERIFY(icon.open(QIODevice::ReadOnly));
        QVERIFY(icon.read(4) == QByteArray("\0\0\1\0", 4));
    }

    void styleSheetUrlsNameReadableResources_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::newRow("global") << QStringLiteral(":/CSS/global.css");
        QTest::newRow("main window") << QStringLiteral(":/CSS/AppStyle.css");
    }

    void styleSheetUrlsNameReadableResources()
    {
        QFETCH(QString, sheet);
        QFile file(sheet);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(!text.trimmed().isEmpty());
        QVERIFY2(text.count(QLatin1Char('{')) == text.count(QLatin1Char('}')), "braces balance");
        const QRegularExpression url(QStringLiteral("url\\(\\s*[\"']?([^\"')]+)[\"']?\\s*\\)"));
        auto matches = url.globalMatch(text);
        while (matches.hasNext()) {
            const QString target = matches.next().captured(1).trimmed();
            QVERIFY2(target.startsWith(QLatin1String(":/")), qPrintable(target));
            QImageReader reader(target);
            QVERIFY2(!reader.read().isNull(), qPrintable(target));
        }
    }

    void theGlobalSheetStylesTheCloseButton()
    {
        QFile file(QStringLiteral(":/CSS/global.css"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains(QLatin1String("QPushButton#TitleCloseButton")));
        QVERIFY(text.contains(QLatin1String(":/Images/maintitlebar_close_1.png")));
    }
};

QTEST_MAIN(ResourcesTest)
#include "resources_test.moc"
