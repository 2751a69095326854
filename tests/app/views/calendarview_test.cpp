#include "calendarsproxymodel.h"
#include "calendarsremindersview.h"
#include "calendarstablemodel.h"
#include "calendarstableview.h"
#include "checkableheaderview.h"
#include "checkabletableview.h"
#include "detailcarddelegate.h"
#include "itemroles.h"
#include "picturefiles.h"
#include "shots.h"
#include "thumbnailloader.h"
#include "viewfixtures.h"
#include "widgetkit.h"

#include <QAccessible>
#include <QCheckBox>
#include <QListView>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace ViewFixtures;
using DeviceData::CalenderReminderInfo;

namespace
{
    void addIds()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("Calendars") << int(DeviceData::Calendars);
        QTest::newRow("Reminders") << int(DeviceData::Reminders);
    }

    // A record whose every searched text holds a word of its own.
    QVariant searchable(bool deleted)
    {
        CalenderReminderInfo record;
        record.title = QStringLiteral("Dentist");
        record.notes = QStringLiteral("bring the card");
        record.location = QStringLiteral("High Street");
        record.url = QStringLiteral("https://example.org/urlonly");
        record.listName = QStringLiteral("Errands");
        record.startText = QStringLiteral("2024-05-01 09:00:00");
        record.endText = QStringLiteral("2024-06-30 10:00:00");
        record.attachments = {attachment(QStringLiteral("x-ray.jpg"), DeviceData::ImageKind)};
        record.deleted = deleted;
        record.finished = true;
        return QVariant::fromValue(record);
    }

    QStringList titles(calendarsRemindersView &view)
    {
        return shownTexts(view.proxyModel(), 1);
    }

    QStringList card(calendarsRemindersView &view)
    {
        return shownTexts(view.detailModel(), 0);
    }

    void waitForTheLoader()
    {
        QTRY_COMPARE_WITH_TIMEOUT(ThumbnailLoader::instance()->pendingCount(), 0, 15000);
        QCoreApplication::processEvents();
    }
}

class CalendarViewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        // The application's sheet, as the program loads it.
        qApp->setStyleSheet(QStringLiteral("file:///:/CSS/global.css"));
        DeviceData::registerMetaTypes();
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        DeviceParser::instance()->clearAll();
        ThumbnailLoader::instance()->clearCache();
    }

    void columnsPerCategory_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QString>("name");
        QTest::newRow("Calendars") << int(DeviceData::Calendars) << "Starts"
                                   << QStringList{"2024-05-03 09:00:00", "/"} << "Calendars";
        QTest::newRow("Reminders") << int(DeviceData::Reminders) << "Reminder Date"
                                   << QStringList{"/", "2024-05-06 09:00:00"} << "Reminders";
    }

    void columnsPerCategory()
    {
        QFETCH(int, type);
        QFETCH(QString, header);
        QFETCH(QStringList, dates);
        QFETCH(QString, name);
        calendarsRemindersView view(0, type);
        // An event with a start and no end, one with an end only.
        view.setDataList({entry("Starts only", 2, 0), entry("Ends only", 0, 5)});
        QAbstractItemModel *proxy = view.proxyModel();
        QCOMPARE(proxy->columnCount(), 3);
        QCOMPARE(proxy->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Title"));
        QCOMPARE(proxy->headerData(2, Qt::Horizontal).toString(), header);
        QCOMPARE(shownTexts(proxy, 2), dates);
        QCOMPARE(proxy->index(1, 2).data().toString(), dates.at(1)); // "/" shown too
        QCOMPARE(view.tableView()->tableView()->accessibleName(), name);
        QCOMPARE(view.detailList()->accessibleName(), QStringLiteral("Details"));
        QCOMPARE(view.tableView()->width(), 450);
        QCOMPARE(view.tableView()->tableView()->columnWidth(1), 190);
        // TimeRole in the date column only.
        QVERIFY(!proxy->index(0, 1).data(TimeRole).isValid());
        QCOMPARE(proxy->index(0, 2).data(TimeRole).toLongLong(), type == DeviceData::Calendars ? 2 : 0);
    }

    void search_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("title") << "dentist" << 0 << QStringList{"Dentist", "Dentist"};
        QTest::newRow("notes") << "THE CARD" << 0 << QStringList{"Dentist", "Dentist"};
        QTest::newRow("location") << "high st" << 0 << QStringList{"Dentist", "Dentist"};
        QTest::newRow("list name") << "errand" << 0 << QStringList{"Dentist", "Dentist"};
        QTest::newRow("start text") << "05-01" << 0 << QStringList{"Dentist", "Dentist"};
        QTest::newRow("end text") << "06-30" << 0 << QStringList{"Dentist", "Dentist"};
        QTest::newRow("attachment name") << "x-ray" << 0 << QStringList{"Dentist", "Dentist"};
        QTest::newRow("not the url") << "urlonly" << 0 << QStringList{};
        QTest::newRow("a dot is a dot") << "." << 0 << QStringList{"Dentist", "Dentist"};
        QTest::newRow("a star is a star") << "*" << 0 << QStringList{};
        QTest::newRow("deleted with keyword") << "x" << 2 << QStringList{"Dentist"};
        QTest::newRow("existing") << "" << 1 << QStringList{"Dentist", "Other"};
    }

    void search()
    {
        QFETCH(QString, keyword);
        QFETCH(int, mode);
        QFETCH(QStringList, titles);
        calendarsRemindersView view(0, DeviceData::Reminders);
        view.setDataList({searchable(true), searchable(false), entry("Other", 3, 4)});
        view.setFilterMode(mode);
        QSignalSpy counts(&view, &AbstractDataView::indexCountChanged);
        view.search(keyword);
        QCOMPARE(::titles(view), titles);
        QCOMPARE(counts.count(), 3);
        QCOMPARE(counts.at(0).at(1).toInt(), titles.size());
    }

    void sort_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("titles");
        // Deleted first in both orders; within each, the later time first
        // in the ascending order, on any column.
        QTest::newRow("title ascending") << 1 << int(Qt::AscendingOrder)
                                         << QStringList{"Gone late", "Gone early", "Apple", "Banana", "Cherry"};
        QTest::newRow("title descending") << 1 << int(Qt::DescendingOrder)
                                          << QStringList{"Gone early", "Gone late", "Cherry", "Banana", "Apple"};
        QTest::newRow("date ascending") << 2 << int(Qt::AscendingOrder)
                                        << QStringList{"Gone late", "Gone early", "Banana", "Cherry", "Apple"};
        QTest::newRow("date descending") << 2 << int(Qt::DescendingOrder)
                                         << QStringList{"Gone early", "Gone late", "Apple", "Cherry", "Banana"};
    }

    void sort()
    {
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(QStringList, titles);
        calendarsRemindersView view(0, DeviceData::Calendars);
        view.setDataList({entry("Cherry", 20, 0), entry("Gone early", 5, 0, true), entry("Apple", 10, 0),
                          entry("Gone late", 50, 0, true), entry("Banana", 30, 0)});
        view.proxyModel()->sort(column, Qt::SortOrder(order));
        QCOMPARE(::titles(view), titles);
    }

    // A time before the epoch stays in the past: the oldest row.
    void signedTimes()
    {
        calendarsRemindersView view(0, DeviceData::Reminders);
        view.setDataList({entry("Old", 0, 0), entry("Recent", 0, 1700000000)});
        auto *model = static_cast<CalendarsTableModel *>(view.tableView()->tableModel());
        QVERIFY(model->setData(model->index(0, 2), qint64(-86400), TimeRole));
        QCOMPARE(model->index(0, 2).data(TimeRole).toLongLong(), qint64(-86400));
        QVERIFY(model->index(0, 2).data(Qt::AccessibleTextRole).toString() != QStringLiteral("/"));
        view.proxyModel()->sort(2, Qt::AscendingOrder);
        QCOMPARE(titles(view), (QStringList{"Recent", "Old"}));
        QVERIFY(model->setData(model->index(0, 1), QStringLiteral("New title"), Qt::DisplayRole));
        QCOMPARE(model->index(0, 1).data(Qt::AccessibleTextRole).toString(), QStringLiteral("New title"));
        QVERIFY(!model->setData(model->index(0, 1), 5, TimeRole));
    }

    void cardRows_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("priority");
        QTest::addColumn<int>("completed");
        QTest::addColumn<QStringList>("rows");
        const QStringList event{"Title: Dentist", "Starts: 2024-05-01 09:00:00", "Ends: 2024-06-30 10:00:00",
                                "Notes: bring the card", "Attachments: x-ray.jpg"};
        QTest::newRow("event") << int(DeviceData::Calendars) << 1 << 0 << event;
        auto reminder = [](const QString &status, const QString &priority) {
            return QStringList{"Title: Dentist", "Creation Date: 2024-05-01 09:00:00",
                               "Reminder Date: 2024-06-30 10:00:00", "List: Errands", "Status: " + status,
                               "Priority: " + priority, "URL: https://example.org/urlonly", "Notes: bring the card",
                               "Location: High Street", "Attachments: x-ray.jpg"};
        };
        QTest::newRow("high, unfinished") << int(DeviceData::Reminders) << 1 << 0 << reminder("Unfinished", "High");
        QTest::newRow("middle, completed") << int(DeviceData::Reminders) << 5 << 1 << reminder("Completed", "Middle");
        QTest::newRow("low") << int(DeviceData::Reminders) << 9 << 0 << reminder("Unfinished", "Low");
        QTest::newRow("no priority") << int(DeviceData::Reminders) << 0 << 2 << reminder("Completed", "None");
        QTest::newRow("other priority") << int(DeviceData::Reminders) << 3 << 0 << reminder("Unfinished", "None");
    }

    void cardRows()
    {
        QFETCH(int, type);
        QFETCH(int, priority);
        QFETCH(int, completed);
        QFETCH(QStringList, rows);
        QVariant record = searchable(false);
        auto value = record.value<CalenderReminderInfo>();
        value.priority = quint16(priority);
        value.completed = quint16(completed);
        calendarsRemindersView view(0, type);
        view.setDataList({QVariant::fromValue(value)});
        QCOMPARE(card(view), rows);
        QCOMPARE(view.detailModel()->index(0, 0).data().toList().value(0).toString(), QStringLiteral("Title: "));
    }

    void emptyListNameShowsASlash()
    {
        calendarsRemindersView view(0, DeviceData::Reminders);
        view.setDataList({entry("No list", 0, 0)});
        const QVariantList list = view.detailModel()->index(3, 0).data().toList();
        QCOMPARE(list.value(0).toString(), QStringLiteral("List: "));
        QCOMPARE(list.value(1).toString(), QStringLiteral("/"));
        QCOMPARE(list.value(2).toString(), QStringLiteral("0"));
    }

    void oneTilePerAttachment()
    {
        const QString photo = PictureFiles::writeJpeg(m_dir.filePath("green.jpg"),
                                                      PictureFiles::twoTone(QSize(300, 200), Qt::green, Qt::green));
        const QString corrupt = PictureFiles::writeCorruptJpeg(m_dir.filePath("corrupt.jpg"));
        const QString pipe = m_dir.filePath("pipe.jpg");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        calendarsRemindersView view(0, DeviceData::Calendars);
        view.resize(1300, 900);
        view.setDataList({entry("Trip", 3, 4, true,
                                {attachment("green.jpg", DeviceData::ImageKind, photo),
                                 attachment("corrupt.jpg", DeviceData::ImageKind, corrupt, true),
                                 attachment("pipe.jpg", DeviceData::ImageKind, pipe)})});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QStandardItemModel *model = view.detailModel();
        QCOMPARE(model->rowCount(), 4 + 3);
        int sum = 0;
        for (int row = 0; row < model->rowCount(); ++row) {
            const int height = model->item(row)->sizeHint().height();
            QCOMPARE(height >= 160, row >= 4);
            if (row >= 4)
                QCOMPARE(height, 160);
            sum += height;
        }
        QCOMPARE(view.detailList()->size(), QSize(470, sum));
        // The painted tiles: the picture, then the placeholder of a damaged
        // file and of a pipe (the loader, not paint(), opens them).
        waitForTheLoader();
        QTRY_VERIFY(view.detailList()->grab().toImage().pixelColor(
                        view.detailList()->visualRect(model->index(4, 0)).topLeft() + QPoint(145 + 100, 50))
                        .green() > 200);
        const QImage shot = view.detailList()->grab().toImage();
        for (int row : {5, 6}) {
            const QRect rect = view.detailList()->visualRect(model->index(row, 0));
            const QColor tile = meanColour(shot, QRect(rect.x() + 145 + 90, rect.y() + 50, 20, 20));
            QVERIFY2(tile.blue() > tile.green() && tile.blue() > tile.red(), qPrintable(tile.name()));
        }
        // A deleted record's labels are red.
        const QRect first = view.detailList()->visualRect(model->index(0, 0));
        bool red = false;
        for (int x = first.x(); x < first.x() + 140 && !red; ++x)
            for (int y = first.y(); y < first.bottom() && !red; ++y)
                red = shot.pixelColor(x, y).red() > 180 && shot.pixelColor(x, y).green() < 120;
        QVERIFY(red);
        saveShot(&view, QStringLiteral("tiles"));
    }

    void clearEmptiesTableAndCard()
    {
        calendarsRemindersView view(0, DeviceData::Calendars);
        view.setDataList({entry("One", 1, 2), entry("Two", 3, 4, true)});
        view.setFilterMode(2);
        QCOMPARE(view.filterMode(), 2);
        QCOMPARE(card(view).value(0), QStringLiteral("Title: Two"));
        view.clear();
        QCOMPARE(view.proxyModel()->rowCount(), 0);
        QCOMPARE(view.detailModel()->rowCount(), 0);
        QCOMPARE(view.detailList()->height(), 0);
        QCOMPARE(view.filterMode(), 0);
    }

    void clickedRowFillsTheCard()
    {
        seedStore(DeviceData::Calendars, {entry("One", 1, 2), entry("Two", 3, 4)});
        calendarsRemindersView view(0, DeviceData::Calendars);
        view.setDataList(stored(DeviceData::Calendars));
        view.setCheckEnabled(true);
        view.resize(1300, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(card(view).value(0), QStringLiteral("Title: One"));
        CheckableTableView *table = view.tableView()->tableView();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                          table->visualRect(view.proxyModel()->index(1, 1)).center());
        QCOMPARE(card(view).value(0), QStringLiteral("Title: Two"));

        // An assistive tool's toggle ticks the record, as a click on its box.
        QSignalSpy changed(&view, &AbstractDataView::checkStateChanged);
        QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(table);
        QAccessibleInterface *cell = grid->tableInterface()->cellAt(0, 0);
        QVERIFY(cell->state().checkable);
        cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Calendars).at(0)), 2);
        QCOMPARE(changed.count(), 1);
        QVERIFY(grid->tableInterface()->cellAt(0, 0)->state().checked);
        QCOMPARE(grid->tableInterface()->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("One"));
        grid->tableInterface()->cellAt(0, 0)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Calendars).at(0)), 0);
        QCOMPARE(view.checkState(false), 0);
        QTest::qWait(20);
        saveShot(&view, QStringLiteral("clicked"));
    }

    void checkingAllWhileRowsRemain_data()
    {
        addIds();
    }

    void checkingAllWhileRowsRemain()
    {
        QFETCH(int, type);
        QList<QVariant> records;
        for (int i = 0; i < 250; ++i)
            records << entry(QStringLiteral("Entry %1").arg(i), i + 1, i + 2, i % 3 == 0);
        seedStore(type, records);
        calendarsRemindersView view(0, type);
        view.setDataList(stored(type));
        QCOMPARE(view.checkState(false), 0);
        QCOMPARE(view.proxyModel()->rowCount(), 100);
        view.setAllChecked(2, true, true);
        for (const QVariant &record : stored(type))
            QCOMPARE(DeviceData::checkState(record), 2);
        QCOMPARE(view.checkState(false), 2);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(CalendarViewTest)
#include "calendarview_test.moc"
