#include "closebutton.h"
#include "customtabbar.h"
#include "fscrollarea.h"
#include "ftabbar.h"
#include "ftablewidget.h"
#include "kitstyle.h"
#include "mytablewidgetitem.h"
#include "nameagencyfrm.h"
#include "shots.h"
#include "widgetkit.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

namespace
{
    QImage imageOf(const QIcon &icon)
    {
        return icon.pixmap(QSize(30, 30)).toImage().convertToFormat(QImage::Format_ARGB32);
    }

    QImage imageOf(const QString &path)
    {
        return QPixmap(path).scaled(30, 30, Qt::KeepAspectRatio, Qt::SmoothTransformation).toImage().convertToFormat(
            QImage::Format_ARGB32);
    }

    const QString kGrey = QStringLiteral(":/Images/search.png");
    const QString kColoured = QStringLiteral(":/Images/search_green.png");
}

class SmallControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        QVERIFY(useApplicationStyleSheet());
    }

    void closeButtonIgnoresKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }

    void closeButtonIgnoresKeys()
    {
        QFETCH(int, key);
        QWidget window;
        auto *close = new CloseButton(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        close->setFocus(); // even when something gives it the focus
        QSignalSpy clicked(close, &CloseButton::clicked);
        QTest::keyClick(close, Qt::Key(key));
        QCOMPARE(clicked.count(), 0);
        QTest::mouseClick(close, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(close->accessibleName(), QStringLiteral("Close"));
    }

    void tabBarChoosesById()
    {
        CustomTabBar bar;
        bar.addTab(kGrey, kColoured, QStringLiteral("Individual message"));
        bar.addTab(kGrey, kColoured, QStringLiteral("Group message"));
        bar.addTab(kGrey);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QCOMPARE(bar.count(), 3);
        const QList<QPushButton *> tabs = bar.findChildren<QPushButton *>();
        QCOMPARE(tabs.size(), 3);
        QCOMPARE(tabs.at(0)->toolTip(), QStringLiteral("Individual message"));
        QCOMPARE(tabs.at(0)->accessibleName(), QStringLiteral("Individual message"));
        QCOMPARE(tabs.at(1)->accessibleName(), QStringLiteral("Group message"));
        QCOMPARE(tabs.at(2)->accessibleName(), QStringLiteral("Tab 3"));

        // Nothing chosen yet: no underline, every tab grey.
        QCOMPARE(bar.currentIndex(), -1);
        for (QPushButton *tab : tabs) {
            QVERIFY(!tab->styleSheet().contains(QLatin1String("border-bottom-color")));
            QCOMPARE(imageOf(tab->icon()), imageOf(kGrey));
            QCOMPARE(tab->iconSize(), QSize(30, 30));
        }
        saveShot(&bar, QStringLiteral("tabbar-none"));

        QSignalSpy changed(&bar, &CustomTabBar::currentChanged);
        bar.setCurrentIndex(0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.takeFirst().first().toInt(), 0);
        QCOMPARE(bar.currentIndex(), 0);
        QVERIFY(tabs.at(0)->styleSheet().contains(QLatin1String("border-bottom-color: #558AF8")));
        QCOMPARE(imageOf(tabs.at(0)->icon()), imageOf(kColoured));
        QCOMPARE(imageOf(tabs.at(1)->icon()), imageOf(kGrey));
        saveShot(&bar, QStringLiteral("tabbar-first"));

        // The same choice again is told again.
        bar.setCurrentIndex(0);
        QCOMPARE(changed.count(), 1);

        QTest::mouseClick(tabs.at(1), Qt::LeftButton);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.last().first().toInt(), 1);
        QVERIFY(!tabs.at(0)->styleSheet().contains(QLatin1String("border-bottom-color")));
        QVERIFY(tabs.at(1)->isChecked());
        QVERIFY(QAccessible::queryAccessibleInterface(tabs.at(1))->state().checked);

        bar.setCurrentIndex(7); // no such tab
        QCOMPARE(bar.currentIndex(), 1);
        QCOMPARE(changed.count(), 2);

        bar.refreshTabs();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(imageOf(tabs.at(1)->icon()), imageOf(kColoured));
    }

    void scrollAreaDrags_data()
    {
        QTest::addColumn<QPoint>("move");
        QTest::addColumn<QPoint>("scrolled"); // change of the scroll bars' values
        QTest::newRow("9 px both ways: a click still") << QPoint(9, 9) << QPoint(0, 0);
        QTest::newRow("9 px back: a click still") << QPoint(-9, -9) << QPoint(0, 0);
        QTest::newRow("10 px right") << QPoint(10, 0) << QPoint(-10, 0);
        QTest::newRow("10 px up") << QPoint(0, -10) << QPoint(0, 10);
        QTest::newRow("10 px left, 4 down") << QPoint(-10, 4) << QPoint(10, -4);
    }

    void scrollAreaDrags()
    {
        QFETCH(QPoint, move);
        QFETCH(QPoint, scrolled);
        FScrollArea area(true);
        area.resize(200, 200);
        auto *content = new QWidget;
        content->setMinimumSize(1000, 1000);
        area.setWidget(content);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QCOMPARE(area.objectName(), QStringLiteral("FScrollArea"));
        QCOMPARE(area.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        area.horizontalScrollBar()->setValue(400);
        area.verticalScrollBar()->setValue(400);

        QWindow *window = area.windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(100, 99));
        const QPoint start(100, 100);
        QTest::mouseMove(window, start); // the first move with the button held marks the start
        QTest::mouseMove(window, start + move);
        QCOMPARE(area.horizontalScrollBar()->value(), 400 + scrolled.x());
        QCOMPARE(area.verticalScrollBar()->value(), 400 + scrolled.y());
        if (scrolled != QPoint(0, 0)) {
            // Once dragging, every pixel counts.
            QTest::mouseMove(window, start + move + QPoint(1, 1));
            QCOMPARE(area.horizontalScrollBar()->value(), 400 + scrolled.x() - 1);
            QCOMPARE(area.verticalScrollBar()->value(), 400 + scrolled.y() - 1);
        }
        QTest::mouseRelease(window, Qt::LeftButton, {}, start + move + QPoint(1, 1));

        // A new drag starts from its own start.
        const int h = area.horizontalScrollBar()->value();
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(50, 49));
        QTest::mouseMove(window, QPoint(50, 50));
        QTest::mouseMove(window, QPoint(55, 50));
        QCOMPARE(area.horizontalScrollBar()->value(), h);
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(55, 50));
    }

    void scrollAreaBackground()
    {
        FScrollArea area(false);
        QCOMPARE(area.viewport()->styleSheet(), QString());
        area.setBackgroundColor(245, 247, 251);
        QCOMPARE(area.viewport()->styleSheet(), QStringLiteral("background-color:rgb(245, 247, 251);"));
        FScrollArea clear(true);
        QCOMPARE(clear.viewport()->styleSheet(), QStringLiteral("background-color:transparent;"));
    }

    void dateOrder_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<bool>("before"); // left sorts before right, ascending
        QTest::newRow("2021 before 2020") << "2021-03-01 08:00:00" << "2020-03-01 08:00:00" << true;
        QTest::newRow("2020 after 2021") << "2020-03-01 08:00:00" << "2021-03-01 08:00:00" << false;
        QTest::newRow("a second later") << "2021-03-01 08:00:01" << "2021-03-01 08:00:00" << true;
        QTest::newRow("same time") << "2021-03-01 08:00:00" << "2021-03-01 08:00:00" << false;
        QTest::newRow("blanks around") << " 2022-01-01 00:00:00 " << "2021-12-31 23:59:59" << true;
        QTest::newRow("empty first") << "" << "2021-03-01 08:00:00" << true;
        QTest::newRow("not a time first") << "yesterday" << "2038-01-20 00:00:00" << true;
        QTest::newRow("1969 after 2021") << "1969-07-20 20:17:40" << "2021-03-01 08:00:00" << false;
        QTest::newRow("2021 before 1969") << "2021-03-01 08:00:00" << "1969-07-20 20:17:40" << true;
        QTest::newRow("past 2106") << "2107-01-01 00:00:00" << "2106-01-01 00:00:00" << true;
    }

    void dateOrder()
    {
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(bool, before);
        const MyTableWidgetItem a(left);
        const MyTableWidgetItem b(right);
        QCOMPARE(a < b, before);
    }

    void tableSortsLatestFirst()
    {
        FTableWidget table(4, 2);
        table.setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Date")});
        const QStringList dates {"2020-05-01 10:00:00", "1969-07-20 20:17:40", "2021-05-01 10:00:00", ""};
        for (int row = 0; row < dates.size(); ++row) {
            table.setItem(row, 0, new QTableWidgetItem(QStringLiteral("Backup %1").arg(row)));
            table.setItem(row, 1, new MyTableWidgetItem(dates.at(row)));
        }
        table.sortItems(1, Qt::AscendingOrder);
        QStringList sorted;
        for (int row = 0; row < table.rowCount(); ++row)
            sorted << table.item(row, 1)->text();
        QCOMPARE(sorted, QStringList({"", "2021-05-01 10:00:00", "2020-05-01 10:00:00", "1969-07-20 20:17:40"}));
        QCOMPARE(table.objectName(), QStringLiteral("FTableWidget"));
        QCOMPARE(table.selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(table.selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(table.focusPolicy() != Qt::NoFocus);
        table.resize(420, 170);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        saveShot(&table, QStringLiteral("table-sorted"));

        FTableWidget backupList;
        QCOMPARE(backupList.focusPolicy(), Qt::NoFocus);
        FTabBar tabs;
        QCOMPARE(tabs.count(), 0);
    }

    void lockImages_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("description");
        QTest::newRow("locked") << true << ":/Images/Lock.png" << "Encrypted";
        QTest::newRow("open") << false << ":/Images/dotLock.png" << "";
    }

    void lockImages()
    {
        QFETCH(bool, locked);
        QFETCH(QString, image);
        QFETCH(QString, description);
        QWidget cell;
        cell.resize(120, 30);
        auto *frame = new NameAgencyFrm(&cell);
        frame->setGeometry(cell.rect());
        auto *label = frame->findChild<QLabel *>();
        QVERIFY(label->pixmap(Qt::ReturnByValue).isNull()); // nothing before the first setLocked
        QVERIFY(!frame->isLocked());

        frame->setLocked(locked);
        QCOMPARE(frame->isLocked(), locked);
        QCOMPARE(label->pixmap(Qt::ReturnByValue).toImage(), QPixmap(image).toImage());
        QCOMPARE(frame->accessibleDescription(), description);
        cell.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cell));
        QCOMPARE(label->size(), QSize(22, 22));
        QCOMPARE(label->geometry().right(), frame->width() - 1); // at the right end
        saveShot(&cell, locked ? QStringLiteral("lock-locked") : QStringLiteral("lock-open"));

        frame->setLocked(!locked);
        QCOMPARE(frame->accessibleDescription(), locked ? QString() : QStringLiteral("Encrypted"));
    }
};

QTEST_MAIN(SmallControlsTest)
#include "smallcontrols_test.moc"
