#include "devicedata.h"
#include "itemroles.h"
#include "navigationitemdelegate.h"
#include "navigationitemmodel.h"
#include "navigationitemview.h"
#include "shots.h"
#include "widgetkit.h"

#include <QAccessible>
#include <QCheckBox>
#include <QListView>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

namespace
{
    QVariant category(const QString &name, int id, bool hasData = true, int count = 3)
    {
        Vx::DataItemInfo info;
        info.name = name;
        info.category = id;
        info.flagA = hasData;
        info.value = count;
        return QVariant::fromValue(info);
    }

    // Reaches a row past the list, which index() would not give.
    struct ExposedModel : NavigationItemModel
    {
        using NavigationItemModel::createIndex;
    };

    Vx::DataItemInfo rowOf(NavigationItemView &view, int row)
    {
        return view.model()->item(row).value<Vx::DataItemInfo>();
    }

    QStringList rowNames(NavigationItemView &view)
    {
        QStringList names;
        for (int row = 0; row < view.model()->count(); ++row)
            names << rowOf(view, row).name;
        return names;
    }

    // On the box's indicator: the rest of its 270 pixels takes no click.
    void clickSelectAll(NavigationItemView &view)
    {
        QTest::mouseClick(view.selectAllBox(), Qt::LeftButton, {}, QPoint(8, view.selectAllBox()->height() / 2));
    }

    void clickRow(NavigationItemView &view, int row, bool onBox)
    {
        QListView *list = view.listView();
        const QRect rect = list->visualRect(view.model()->index(row));
        const QPoint at = onBox ? NavigationItemDelegate::checkBoxRect(rect).center() : rect.center() + QPoint(60, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    // Contacts (with data), Messages (none), Call History (with data).
    void fillThree(NavigationItemView &view)
    {
        view.setCategories({DeviceData::Contacts, DeviceData::Messages, DeviceData::CallHistory});
        view.setCategoryCount(DeviceData::Contacts, 12);
        view.setCategoryCount(DeviceData::MessagesAttachment, 5);
        view.setCategoryCount(DeviceData::CallHistory, 250);
    }
}

class NavigationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        DeviceData::registerMetaTypes();
    }

    void rowsFollowTheIds_data()
    {
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("groups in input order")
            << QList<int>{4096, 1, 8192}
            << QStringList{"System Data", "Reminders", "Reminders Attachment", "Contacts", "Third-party App Data",
                           "App Photos"};
        QTest::newRow("an attachment id alone") << QList<int>{3} << QStringList{};
        QTest::newRow("unknown ids skipped") << QList<int>{7, 262144, 0} << QStringList{"Third-party App Data", "LINE",
                                                                                   "LINE Attachment"};
    }

    void rowsFollowTheIds()
    {
        QFETCH(QList<int>, ids);
        QFETCH(QStringList, names);
        NavigationItemView view;
        view.setCategories(ids);
        QCOMPARE(rowNames(view), names);
        for (int row = 0; row < names.size(); ++row) {
            const Vx::DataItemInfo info = rowOf(view, row);
            const bool header = names.at(row).endsWith(QStringLiteral("Data"));
            QCOMPARE(bool(info.isHeading), header);
            QVERIFY(!info.flagA);
            if (!header)
                QVERIFY(!view.delegate()->activeIcons.value(row).isNull());
        }
    }

    void countsGiveDataOnceAndKeepIt()
    {
        NavigationItemView view;
        view.setCategories({DeviceData::Notes});
        view.setCategoryCount(DeviceData::Notes, 0);
        QVERIFY(!rowOf(view, 1).flagA);
        view.setCategoryCount(DeviceData::Notes, 5);
        QVERIFY(rowOf(view, 1).flagA);
        view.setCategoryCount(DeviceData::Notes, 0);
        QVERIFY(rowOf(view, 1).flagA);
        QCOMPARE(rowOf(view, 1).value, 0);
        view.setCategoryCount(DeviceData::NotesAttachment, 4);
        QCOMPARE(view.totalCount(), qint64(4));
    }

    void countsFromAnotherThreadArriveOnThisOne()
    {
        NavigationItemView view;
        view.setCategories({DeviceData::Photos});
        QThread *worker = QThread::create([&view] { view.setCategoryCount(DeviceData::Photos, 9); });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;
        QTRY_COMPARE(rowOf(view, 1).value, 9);
    }

    void checkingStartsAtTheEndOfTheScan()
    {
        NavigationItemView empty;
        empty.setCategories({DeviceData::Contacts});
        QSignalSpy none(&empty, &NavigationItemView::currentTypeChanged);
        empty.enableChecking();
        QCOMPARE(none.count(), 0);
        QCOMPARE(empty.currentRow(), -1);
        QVERIFY(!empty.selectAllBox()->isEnabled());

        NavigationItemView view;
        fillThree(view);
        QSignalSpy current(&view, &NavigationItemView::currentTypeChanged);
        view.enableChecking();
        QCOMPARE(current.count(), 1);
        QCOMPARE(current.first().first().toInt(), int(DeviceData::Contacts));
        QCOMPARE(view.currentRow(), 1);
        QVERIFY(view.selectAllBox()->isEnabled());
        QVERIFY(rowOf(view, 1).flagB);
        QVERIFY(!rowOf(view, 2).flagB); // Messages: no records
    }

    void selectAllIsTriState()
    {
        NavigationItemView view;
        fillThree(view);
        view.enableChecking();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy checked(&view, &NavigationItemView::checkStateChanged);
        clickRow(view, 1, true);
        QCOMPARE(checked.count(), 1);
        QCOMPARE(checked.takeFirst(), (QList<QVariant>{int(DeviceData::Contacts), 2}));
        QCOMPARE(view.selectAllBox()->checkState(), Qt::PartiallyChecked);

        clickSelectAll(view);
        QCOMPARE(view.selectAllBox()->checkState(), Qt::Checked);
        // Messages Attachment and Call History; Contacts was checked already.
        QCOMPARE(checked.count(), 2);
        QCOMPARE(checked.at(0).at(0).toInt(), int(DeviceData::MessagesAttachment));
        QCOMPARE(checked.at(1).at(0).toInt(), int(DeviceData::CallHistory));
        QCOMPARE(view.checkedCategories(),
                 (QList<int>{DeviceData::Contacts, DeviceData::MessagesAttachment, DeviceData::CallHistory}));
        saveShot(&view, "checked");

        checked.clear();
        view.setCategoryCheckState(DeviceData::CallHistory, 1);
        QCOMPARE(checked.count(), 0);
        QCOMPARE(view.selectAllBox()->checkState(), Qt::PartiallyChecked);
        clickSelectAll(view);
        QCOMPARE(checked.count(), 1);
        clickSelectAll(view);
        QCOMPARE(view.selectAllBox()->checkState(), Qt::Unchecked);
        QVERIFY(view.checkedCategories().isEmpty());
    }

    void headersAndEmptyRowsAreInert()
    {
        NavigationItemView view;
        fillThree(view);
        view.enableChecking();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy current(&view, &NavigationItemView::currentTypeChanged);
        QSignalSpy checked(&view, &NavigationItemView::checkStateChanged);
        for (int row : {0, 2}) { // "System Data", Messages without records
            clickRow(view, row, false);
            clickRow(view, row, true);
        }
        QCOMPARE(current.count(), 0);
        QCOMPARE(checked.count(), 0);
        QCOMPARE(view.currentRow(), 1);

        clickRow(view, 4, false);
        QCOMPARE(current.count(), 1);
        QCOMPARE(current.first().first().toInt(), int(DeviceData::CallHistory));
        QCOMPARE(view.currentRow(), 4);
    }

    void theKeyboardAndAssistiveToolsChooseRowsToo()
    {
        NavigationItemView view;
        fillThree(view);
        view.enableChecking();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy current(&view, &NavigationItemView::currentTypeChanged);
        QListView *list = view.listView();
        list->setFocus();

        // Down from Contacts passes Messages, which has no records.
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(current.count(), 1);
        QCOMPARE(current.takeFirst().first().toInt(), int(DeviceData::MessagesAttachment));
        QCOMPARE(view.currentRow(), 3);

        // A screen reader's "Toggle" selects the row: it is shown, and Space
        // then ticks it, not the row the keyboard left.
        QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(list)->tableInterface()->cellAt(4, 0);
        QVERIFY(cell && cell->actionInterface());
        cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(current.count(), 1);
        QCOMPARE(current.takeFirst().first().toInt(), int(DeviceData::CallHistory));
        QCOMPARE(view.currentRow(), 4);
        QSignalSpy checked(&view, &NavigationItemView::checkStateChanged);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(checked.count(), 1);
        QCOMPARE(checked.first(), (QList<QVariant>{int(DeviceData::CallHistory), 2}));

        // A click on the row shown already tells nothing new.
        clickRow(view, 4, false);
        QCOMPARE(current.count(), 0);
    }

    void aPressAloneDoesNotTick()
    {
        NavigationItemView view;
        fillThree(view);
        view.enableChecking();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy checked(&view, &NavigationItemView::checkStateChanged);
        QListView *list = view.listView();
        const QPoint box = NavigationItemDelegate::checkBoxRect(list->visualRect(view.model()->index(1))).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, box);
        QCOMPARE(checked.count(), 0);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, box);
        QCOMPARE(checked.count(), 1);
    }

    void assistiveToolsReadNameCountAndState()
    {
        NavigationItemView view;
        fillThree(view);
        view.enableChecking();
        view.setCategoryCheckState(DeviceData::CallHistory, 2);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.listView()->accessibleName(), QStringLiteral("Categories"));
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(view.listView());
        QVERIFY(list);
        QAccessibleTableInterface *table = list->tableInterface();
        QVERIFY(table);
        auto cell = [&](int row) { return table->cellAt(row, 0); };
        QCOMPARE(cell(0)->text(QAccessible::Name), QStringLiteral("System Data"));
        QVERIFY(!cell(0)->state().selectable);
        QVERIFY(!cell(0)->state().checkable);
        QCOMPARE(cell(4)->text(QAccessible::Name), QStringLiteral("Call History"));
        QCOMPARE(cell(4)->text(QAccessible::Description), QStringLiteral("250"));
        QVERIFY(cell(4)->state().checkable);
        QVERIFY(cell(4)->state().checked);
        QVERIFY(!cell(1)->state().checked);
        QVERIFY(!cell(2)->state().selectable); // Messages: no records
        QVERIFY(!cell(2)->state().checkable);

        // Space ticks the current row.
        QSignalSpy checked(&view, &NavigationItemView::checkStateChanged);
        view.listView()->setFocus();
        QTest::keyClick(view.listView(), Qt::Key_Space);
        QCOMPARE(checked.count(), 1);
        QCOMPARE(checked.first(), (QList<QVariant>{int(DeviceData::Contacts), 2}));
        QVERIFY(cell(1)->state().checked);
    }

    void selectAllTextIsElidedWithItsToolTip()
    {
        NavigationItemView view;
        const QString longText = QString("Select every category of this scan").repeated(3);
        view.setSelectAllText(longText);
        QVERIFY(view.selectAllBox()->text() != longText);
        QVERIFY(view.selectAllBox()->fontMetrics().horizontalAdvance(view.selectAllBox()->text()) <= 230);
        QCOMPARE(view.selectAllBox()->toolTip(), longText);
        view.setSelectAllText(QStringLiteral("All"));
        QCOMPARE(view.selectAllBox()->text(), QStringLiteral("All"));
    }

    void resetEmptiesTheList()
    {
        NavigationItemView view;
        fillThree(view);
        view.enableChecking();
        view.reset();
        QCOMPARE(view.model()->count(), 0);
        QCOMPARE(view.currentRow(), -1);
        QVERIFY(!view.selectAllBox()->isEnabled());
        QVERIFY(!view.indexOfCategory(DeviceData::Contacts).isValid());
    }

    void modelPagesAndGuardsItsRows()
    {
        ExposedModel model;
        QList<QVariant> items;
        for (int i = 0; i < 250; ++i)
            items << category(QStringLiteral("Row %1").arg(i), i);
        model.setItems(items);
        QCOMPARE(model.rowCount(), 100);
        model.fetchMore(QModelIndex());
        QCOMPARE(model.rowCount(), 200);
        model.fetchMore(QModelIndex());
        QCOMPARE(model.rowCount(), 250);
        QVERIFY(!model.canFetchMore(QModelIndex()));
        model.fetchMore(QModelIndex());
        QCOMPARE(model.rowCount(), 250);

        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(!model.setData(model.createIndex(250, 0), 2, CheckStateRole));
        QCOMPARE(changed.count(), 0);
        QVERIFY(model.setData(model.index(3), 1, CheckStateRole));
        QCOMPARE(model.index(3).data(CheckStateRole).toInt(), 1);
        QCOMPARE(changed.count(), 1);
        QVERIFY(!model.setData(model.index(3), 1, Qt::ToolTipRole));
        // Another variant type reads as an empty row.
        model.setItem(4, QVariant(17));
        QCOMPARE(model.item(4).value<Vx::DataItemInfo>().name, QString());
    }

    void rowsAreSizedByKind()
    {
        NavigationItemView view;
        fillThree(view);
        QStyleOptionViewItem option;
        QCOMPARE(view.delegate()->sizeHint(option, view.model()->index(0)).height(), 24);
        QCOMPARE(view.delegate()->sizeHint(option, view.model()->index(1)).height(), 40);
    }
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
