// The scan-result page over the real engine and a backup built in code: the
// photo and video grids, the documents and the Safari tables as a person
// finds them after a scan.
#include "checkabletableview.h"
#include "mediabackup.h"
#include "mediaitemdelegate.h"
#include "medialistmodel.h"
#include "mediatableview.h"
#include "messageboxscript.h"
#include "scanresultfixture.h"
#include "shots.h"
#include "thumbnailloader.h"
#include "viewfixtures.h"
#include "widgetkit.h"

#include <QTextDocument>

#include <memory>

using namespace ViewFixtures;

namespace
{
    QString rendered(const QString &html)
    {
        QTextDocument document;
        document.setHtml(html);
        return document.toPlainText();
    }

    QSet<QString> asSet(const QStringList &list)
    {
        return QSet<QString>(list.cbegin(), list.cend());
    }
}

class MediaPageTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ScanResultFixture> m_fixture;

    // The page's grid of the category, once its window's thumbnails are in.
    MediaTableView *showGrid(int id)
    {
        m_fixture->pick(id);
        auto *grid = qobject_cast<MediaTableView *>(m_fixture->page->currentView());
        if (!grid)
            return nullptr;
        if (!QTest::qWaitFor([] { return ThumbnailLoader::instance()->pendingCount() == 0; }, 15000))
            return nullptr;
        QTest::qWait(100);
        return grid;
    }

    QColor tileFace(MediaTableView *grid, const QImage &shot, int proxyRow)
    {
        const QRect tile = grid->listView()->visualRect(grid->proxyModel()->index(proxyRow, 0));
        const QPoint origin = grid->listView()->viewport()->mapTo(m_fixture->page.get(), tile.topLeft());
        return meanColour(shot, QRect(origin + QPoint(70, 50), QSize(20, 6)));
    }

private slots:
    void initTestCase()
    {
        initWidgetKit();
        DeviceData::registerMetaTypes();
        m_fixture = std::make_unique<ScanResultFixture>(ScanVardex::ExecutorFactory());
        MediaBackup::write(QFile::encodeName(m_fixture->backup.path()).toStdString());
        m_fixture->show();
        // The scan's end tells its result in a box.
        MessageBoxScript boxes({1});
        m_fixture->startScan({DeviceData::Photos, DeviceData::AlbumVideos, DeviceData::SafariBookmarks,
                              DeviceData::SafariHistory, DeviceData::AppDocuments});
        QVERIFY(m_fixture->waitForResult(60000));
        QCOMPARE(m_fixture->countOf(DeviceData::Photos), MediaBackup::Photos + 2);
    }

    void cleanupTestCase() { m_fixture.reset(); }

    void photosShowTheirPictures()
    {
        MediaTableView *grid = showGrid(DeviceData::Photos);
        QVERIFY(grid);
        QCOMPARE(grid->listView()->accessibleName(), QStringLiteral("Photos"));
        // Newest first: the two damaged ones, then the photos.
        const QStringList names = shownTexts(grid->proxyModel(), 0);
        QCOMPARE(names.mid(0, 3), (QStringList{"IMG_0302.JPG", "IMG_0301.JPG", "IMG_0300.JPG"}));
        const QImage shot = m_fixture->page->grab().toImage();
        saveShot(m_fixture->page.get(), QStringLiteral("photos"));
        const QColor placeholder("#DCE6FD");
        auto isPlaceholder = [&](const QColor &c) {
            return qAbs(c.red() - placeholder.red()) < 20 && qAbs(c.green() - placeholder.green()) < 20
                   && qAbs(c.blue() - placeholder.blue()) < 20;
        };
        QVERIFY(isPlaceholder(tileFace(grid, shot, 0)));
        QVERIFY(isPlaceholder(tileFace(grid, shot, 1)));
        for (const int row : grid->windowRows()) {
            if (row < 2)
                continue;
            QVERIFY2(grid->mediaModel()->hasThumbnail(row), qPrintable(names.value(row)));
            QVERIFY2(!isPlaceholder(tileFace(grid, shot, row)), qPrintable(names.value(row)));
        }
    }

    void aVideoWithoutStillShowsItsPlaceholder()
    {
        MediaTableView *grid = showGrid(DeviceData::AlbumVideos);
        QVERIFY(grid);
        QCOMPARE(grid->listView()->accessibleName(), QStringLiteral("Video in album"));
        QCOMPARE(shownTexts(grid->proxyModel(), 0), QStringList{"IMG_0303.MOV"});
        const QColor face = tileFace(grid, m_fixture->page->grab().toImage(), 0);
        QVERIFY2(face.blue() > 200 && face.red() < 120, qPrintable(face.name()));
        saveShot(m_fixture->page.get(), QStringLiteral("videos"));
    }

    void documentsAndSafariMatchTheBackup_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("shot");
        QTest::newRow("App Documents") << int(DeviceData::AppDocuments) << "App Documents"
                                       << QStringList{"handbook.pdf", "atlas.pdf", "todo.txt", "Budget 2024.xlsx"}
                                       << "app-documents";
        QTest::newRow("Safari Bookmarks") << int(DeviceData::SafariBookmarks) << "Safari Bookmarks"
                                          << QStringList{"Example", "<b>Bold</b> & <img src=x>", "Weather"}
                                          << "safari-bookmarks";
        QTest::newRow("Safari History") << int(DeviceData::SafariHistory) << "Safari History"
                                        << QStringList{"Example Domain", "<b>Bold</b> & <img src=x>", "Today's news"}
                                        << "safari-history";
    }

    void documentsAndSafariMatchTheBackup()
    {
        QFETCH(int, id);
        QFETCH(QString, name);
        QFETCH(QStringList, titles);
        QFETCH(QString, shot);
        m_fixture->pick(id);
        TableDataView *table = m_fixture->table();
        QVERIFY(table);
        QCOMPARE(table->tableView()->accessibleName(), name);
        QAbstractItemModel *proxy = table->proxyModel();
        QCOMPARE(asSet(shownTexts(proxy, 1)), asSet(titles));
        for (int row = 0; row < proxy->rowCount(); ++row)
            QCOMPARE(rendered(proxy->index(row, 1).data().toString()), proxy->index(row, 1).data(Qt::AccessibleTextRole).toString());
        saveShot(m_fixture->page.get(), shot);
        // The tool bar's search narrows the table.
        emit m_fixture->page->toolBar()->searched(titles.last().left(5));
        QCOMPARE(shownTexts(proxy, 1), QStringList{titles.last()});
        emit m_fixture->page->toolBar()->searched(QString());
        QCOMPARE(proxy->rowCount(), titles.size());
    }
};

QTEST_MAIN(MediaPageTest)
#include "mediapage_test.moc"
