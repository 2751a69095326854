#include "detailcarddelegate.h"
#include "itemroles.h"
#include "memoitemdelegate.h"
#include "memolistmodel.h"
#include "memoview.h"
#include "picturefiles.h"
#include "recordlistproxymodel.h"
#include "shots.h"
#include "thumbnailloader.h"
#include "viewfixtures.h"
#include "widgetkit.h"
#include "xlabel.h"

#include <QAccessible>
#include <QListView>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace ViewFixtures;

namespace
{
    QStringList titles(MemoView &view)
    {
        return shownTexts(view.proxyModel(), 0);
    }

    QStringList card(MemoView &view)
    {
        return shownTexts(view.detailModel(), 0);
    }

    void waitForTheLoader()
    {
        QTRY_COMPARE_WITH_TIMEOUT(ThumbnailLoader::instance()->pendingCount(), 0, 15000);
        QCoreApplication::processEvents();
    }

    // Titles, bodies, dates and attachment names that only one note holds.
    QList<QVariant> fiveNotes()
    {
        return {note("Shopping", "eggs, milk", 1), note("Recipe", "bake at 180.5 degrees", 2),
                note("Stars", "rate it *****", 3, true),
                note("Trip", "", 4, false, {attachment("boarding-pass.pdf", DeviceData::PdfKind)}),
                note("Old", "gone", 0, true)};
    }
}

class MemoViewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        qApp->setStyleSheet(QStringLiteral("file:///:/CSS/global.css"));
        DeviceData::registerMetaTypes();
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        DeviceParser::instance()->clearAll();
        ThumbnailLoader::instance()->clearCache();
    }

    void search_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("title, any case") << "sHOP" << 0 << QStringList{"Shopping"};
        QTest::newRow("content") << "milk" << 0 << QStringList{"Shopping"};
        QTest::newRow("date text") << "2023-03-05" << 0 << QStringList{"Trip"};
        QTest::newRow("only an attachment's name") << "boarding" << 0 << QStringList{"Trip"};
        QTest::newRow("a dot is a dot") << "." << 0 << QStringList{"Recipe", "Trip"};
        QTest::newRow("a star is a star") << "*" << 0 << QStringList{"Stars"};
        QTest::newRow("deleted with keyword") << "t" << 2 << QStringList{"Stars"};
        QTest::newRow("existing with keyword") << "t" << 1 << QStringList{"Recipe", "Trip"};
        QTest::newRow("nothing") << "zzz" << 0 << QStringList{};
    }

    void search()
    {
        QFETCH(QString, keyword);
        QFETCH(int, mode);
        QFETCH(QStringList, titles);
        MemoView view(0, DeviceData::Notes);
        view.setDataList(fiveNotes());
        view.setFilterMode(mode);
        QSignalSpy counts(&view, &AbstractDataView::indexCountChanged);
        view.search(keyword);
        QCOMPARE(::titles(view), titles);
        QCOMPARE(counts.count(), 3);
        QCOMPARE(counts.at(0).at(1).toInt(), titles.size());
        QCOMPARE(counts.at(1).at(1).toInt() + counts.at(2).at(1).toInt(), titles.size());
        if (titles.isEmpty()) {
            QCOMPARE(view.detailModel()->rowCount(), 0);
            QVERIFY(view.headingLabel()->text().isEmpty());
        } else {
            QCOMPARE(card(view).value(0), QStringLiteral("Title: ") + titles.first());
        }
    }

    void deletedFirstInBothOrders_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("ascending") << int(Qt::AscendingOrder)
                                   << QStringList{"Stars", "Old", "Trip", "Recipe", "Shopping"};
        QTest::newRow("descending") << int(Qt::DescendingOrder)
                                    << QStringList{"Old", "Stars", "Shopping", "Recipe", "Trip"};
    }

    void deletedFirstInBothOrders()
    {
        QFETCH(int, order);
        QFETCH(QStringList, titles);
        MemoView view(0, DeviceData::Notes);
        view.setDataList(fiveNotes());
        view.proxyModel()->sort(0, Qt::SortOrder(order));
        QCOMPARE(::titles(view), titles);
    }

    void cardOfANote()
    {
        MemoView view(0, DeviceData::Notes);
        view.setDataList(fiveNotes());
        // Without attachments: two rows, "/" for an empty content.
        QCOMPARE(card(view), (QStringList{"Title: Shopping", "Content: eggs, milk"}));
        QCOMPARE(view.headingLabel()->text(), QStringLiteral("2023-03-02 08:00:00"));
        view.listView()->clicked(view.proxyModel()->index(3, 0));
        QCOMPARE(card(view), (QStringList{"Title: Trip", "Content: /", "Attachments: boarding-pass.pdf"}));
        QCOMPARE(view.detailModel()->index(1, 0).data().toList().value(1).toString(), QStringLiteral("/"));
        QCOMPARE(view.detailModel()->item(2)->sizeHint(), QSize(510, 160));
        QCOMPARE(view.detailList()->height(), view.detailModel()->item(0)->sizeHint().height()
                                                  + view.detailModel()->item(1)->sizeHint().height() + 160);
        QCOMPARE(view.listView()->accessibleName(), QStringLiteral("Notes"));
        QCOMPARE(view.detailList()->accessibleName(), QStringLiteral("Details"));
        QCOMPARE(view.listView()->width(), 400);
    }

    void lockedNote_data()
    {
        QTest::addColumn<bool>("deleted");
        QTest::newRow("existing") << false;
        QTest::newRow("deleted") << true;
    }

    void lockedNote()
    {
        QFETCH(bool, deleted);
        MemoView view(0, DeviceData::Notes);
        view.setDataList({note("Secret", "hidden text", 5, deleted, {}, true)});
        QCOMPARE(view.headingLabel()->text(), QStringLiteral("This note is locked!"));
        QCOMPARE(view.detailModel()->rowCount(), 0);
        QCOMPARE(view.headingLabel()->styleSheet().contains(QStringLiteral("#e73e28")), deleted);
        view.resize(1000, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QImage heading = view.headingLabel()->grab().toImage();
        bool red = false;
        for (int x = 0; x < heading.width() && !red; ++x)
            for (int y = 0; y < heading.height() && !red; ++y)
                red = heading.pixelColor(x, y).red() > 180 && heading.pixelColor(x, y).green() < 120;
        QCOMPARE(red, deleted);
    }

    // A click on a box ticks without changing the card; the next plain
    // click shows its note.
    void ticksFollowRecords()
    {
        seedStore(DeviceData::Notes, fiveNotes());
        MemoView view(0, DeviceData::Notes);
        view.setDataList(stored(DeviceData::Notes));
        view.setCheckEnabled(true);
        view.resize(1000, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.search(QStringLiteral("t")); // Recipe, Stars, Trip
        QCOMPARE(card(view).value(0), QStringLiteral("Title: Recipe"));
        QListView *list = view.listView();
        const QRect third = list->visualRect(view.proxyModel()->index(2, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, RecordRowDelegate::checkRect(third).center());
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Notes).at(3)), 2);
        QCOMPARE(card(view).value(0), QStringLiteral("Title: Recipe"));
        QCOMPARE(view.checkState(true), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, third.center());
        QCOMPARE(card(view).value(0), QStringLiteral("Title: Trip"));

        QAccessibleInterface *notes = QAccessible::queryAccessibleInterface(list);
        QAccessibleInterface *cell = notes->tableInterface()->cellAt(0, 0);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Recipe"));
        cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Notes).at(1)), 2);
        QCOMPARE(view.checkState(true), 1);
        QCOMPARE(view.checkState(false), 1);
        QTest::qWait(20);
        saveShot(&view, QStringLiteral("ticked"));

        view.setAllChecked(2, false, false);
        QCOMPARE(view.checkState(false), 2);
        for (const QVariant &record : stored(DeviceData::Notes))
            QCOMPARE(DeviceData::checkState(record), 2);
    }

    // The box of a note that may not be checked still reports its click;
    // nothing changes.
    void uncheckableBoxStillReportsItsClick()
    {
        seedStore(DeviceData::Notes, {note("Early", "text", 1, false, {}, false, 0, false)});
        MemoView view(0, DeviceData::Notes);
        view.setDataList(stored(DeviceData::Notes));
        view.resize(900, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy clicked(view.rowDelegate(), &RecordRowDelegate::checkBoxclicked);
        QSignalSpy changed(&view, &AbstractDataView::checkStateChanged);
        const QRect row = view.listView()->visualRect(view.proxyModel()->index(0, 0));
        QTest::mouseClick(view.listView()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          RecordRowDelegate::checkRect(row).center());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Notes).at(0)), 0);
    }

    void attachmentTiles()
    {
        const QString still = PictureFiles::writeJpeg(m_dir.filePath("still.jpg"),
                                                      PictureFiles::twoTone(QSize(320, 240), Qt::green, Qt::green));
        const QString corrupt = PictureFiles::writeCorruptJpeg(m_dir.filePath("corrupt.jpg"));
        const QString pipe = m_dir.filePath("pipe.jpg");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        // A video tile shows its still; pictures come from the preview file.
        MemoView view(0, DeviceData::Notes);
        view.resize(1200, 1000);
        view.setDataList({note("Holiday", "photos below", 7, false,
                               {attachment("clip.mov", DeviceData::VideoKind, m_dir.filePath("clip.mov"), false, still),
                                attachment("corrupt.jpg", DeviceData::ImageKind, corrupt, true),
                                attachment("pipe.jpg", DeviceData::ImageKind, pipe)})});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        waitForTheLoader();
        QListView *detail = view.detailList();
        auto tileColour = [&](int row, int dx, int dy) {
            const QImage shot = detail->grab().toImage();
            const QRect rect = detail->visualRect(view.detailModel()->index(row, 0));
            return meanColour(shot, QRect(rect.x() + 145 + dx, rect.y() + dy, 8, 8));
        };
        QTRY_VERIFY(tileColour(2, 10, 40).green() > 200);
        // The play mark in the middle of the still.
        QVERIFY(tileColour(2, 96, 66).red() > 150);
        for (int row : {3, 4}) {
            const QColor tile = tileColour(row, 96, 50);
            QVERIFY2(tile.blue() > tile.green() && tile.blue() > tile.red(), qPrintable(tile.name()));
        }
        // The list clicks and paints on while the pipe stays unopened.
        view.listView()->clicked(view.proxyModel()->index(0, 0));
        QCOMPARE(card(view).value(3), QStringLiteral("Attachments: corrupt.jpg"));
        QTest::qWait(20);
        saveShot(&view, QStringLiteral("tiles"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(MemoViewTest)
#include "memoview_test.moc"
