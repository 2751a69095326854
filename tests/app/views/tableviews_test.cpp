#include "categorysortmodel.h"
#include "categorytablemodel.h"
#include "checkableheaderview.h"
#include "checkabletableview.h"
#include "facetimecallhistorview.h"
#include "itemroles.h"
#include "shots.h"
#include "viewfixtures.h"
#include "voicemailmemoview.h"
#include "widgetkit.h"

#include <QAccessible>
#include <QCheckBox>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace ViewFixtures;

namespace
{
    bool isCallCategory(int type)
    {
        return type == DeviceData::FaceTime || type == DeviceData::CallHistory;
    }

    std::unique_ptr<TableDataView> viewFor(int type)
    {
        if (isCallCategory(type))
            return std::make_unique<FaceTimeCallHistorView>(0, type);
        return std::make_unique<VoiceMailMemoView>(0, type);
    }

    // Six records of the category: 0 and 3 deleted, 2 not checkable; for
    // calls 1 is an incoming call that was not answered and 4 an outgoing
    // one with the same status; the memo of 5 is "3.2 MB".
    QList<QVariant> sixRecords(int type)
    {
        QList<QVariant> list;
        for (int i = 0; i < 6; ++i) {
            const bool deleted = i == 0 || i == 3;
            const qint64 date = 1600000000 + (i * 7 % 6) * 3600;
            if (isCallCategory(type))
                list << call(QStringLiteral("Person %1").arg(i), QStringLiteral("+4420%1").arg(i), date, i == 4,
                             i == 1 || i == 4 ? 2 : 0, deleted, 0, i != 2);
            else
                list << voice(QStringLiteral("Memo %1").arg(i), QStringLiteral("+4420%1").arg(i), date,
                              i == 5 ? QStringLiteral("3.2 MB") : QStringLiteral("%1 KB").arg(i), deleted, 0, i != 2);
        }
        return list;
    }

    QList<QPair<int, int>> counts(const QSignalSpy &spy)
    {
        QList<QPair<int, int>> sent;
        for (const QList<QVariant> &args : spy)
            sent << qMakePair(args.at(0).toInt(), args.at(1).toInt());
        return sent;
    }

    QStringList shownNames(TableDataView &view)
    {
        QStringList names;
        QAbstractItemModel *proxy = view.proxyModel();
        for (int row = 0; row < proxy->rowCount(); ++row)
            names << proxy->index(row, 1).data(Qt::AccessibleTextRole).toString();
        return names;
    }

    void addIds()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("FaceTime") << int(DeviceData::FaceTime);
        QTest::newRow("Call History") << int(DeviceData::CallHistory);
        QTest::newRow("Voicemails") << int(DeviceData::Voicemails);
        QTest::newRow("Voice Memos") << int(DeviceData::VoiceMemos);
    }
}

class TableViewsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        DeviceData::registerMetaTypes();
    }

    void init() { DeviceParser::instance()->clearAll(); }

    void headersAndNames_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("widths");
        const QStringList callHeaders{"Name", "Phone Number", "Date", "Call Type", "Duration"};
        const QList<int> callWidths{50, 190, 190, 190, 160};
        const QList<int> voiceWidths{50, 260, 260, 260};
        QTest::newRow("FaceTime") << int(DeviceData::FaceTime) << callHeaders << "FaceTime" << callWidths;
        QTest::newRow("Call History") << int(DeviceData::CallHistory) << callHeaders << "Call History" << callWidths;
        QTest::newRow("Voicemails") << int(DeviceData::Voicemails)
                                    << QStringList{"mailName", "Number", "Date", "Duration"} << "Voicemails"
                                    << voiceWidths;
        QTest::newRow("Voice Memos") << int(DeviceData::VoiceMemos)
                                     << QStringList{"memoName", "Date", "Duration", "Size"} << "Voice Memos"
                                     << voiceWidths;
    }

    void headersAndNames()
    {
        QFETCH(int, type);
        QFETCH(QStringList, headers);
        QFETCH(QString, name);
        QFETCH(QList<int>, widths);
        auto view = viewFor(type);
        QAbstractItemModel *proxy = view->proxyModel();
        QCOMPARE(proxy->columnCount(), headers.size() + 1);
        QVERIFY(proxy->headerData(0, Qt::Horizontal).toString().isEmpty());
        for (int section = 1; section <= headers.size(); ++section)
            QCOMPARE(proxy->headerData(section, Qt::Horizontal).toString(), headers.at(section - 1));
        QCOMPARE(view->tableView()->accessibleName(), name);
        for (int column = 0; column < widths.size(); ++column)
            QCOMPARE(view->tableView()->columnWidth(column), widths.at(column));
        QVERIFY(view->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(view->typeId(), type);
        // Nothing can be checked before the scan ends.
        QVERIFY(!view->tableView()->checkableHeader()->checkBox()->isEnabled());
        QVERIFY(!view->tableView()->checkableHeader()->sectionsClickable());
    }

    void assistiveToolsReachTheHeaderBox()
    {
        FaceTimeCallHistorView view(0, DeviceData::CallHistory);
        view.setDataList(sixRecords(DeviceData::CallHistory));
        view.setCheckEnabled(true);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // Walk the tree assistive tools see, from the view down.
        QAccessibleInterface *found = nullptr;
        QList<QAccessibleInterface *> pending{QAccessible::queryAccessibleInterface(&view)};
        while (!pending.isEmpty() && !found) {
            QAccessibleInterface *node = pending.takeFirst();
            if (node->role() == QAccessible::CheckBox && node->text(QAccessible::Name) == QStringLiteral("Check all rows"))
                found = node;
            if (node->role() != QAccessible::Cell)
                for (int i = 0; i < node->childCount(); ++i)
                    pending << node->child(i);
        }
        QVERIFY(found);
        QVERIFY(found->actionInterface());
        found->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(view.checkState(false), 2);
        found->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(view.checkState(false), 0);
    }

    void foregroundColours_data()
    {
        addIds();
    }

    void foregroundColours()
    {
        QFETCH(int, type);
        auto view = viewFor(type);
        view->setDataList(sixRecords(type));
        QAbstractItemModel *model = view->tableModel();
        const QColor red("#e73e28");
        const QColor grey(51, 51, 51);
        for (int row = 0; row < 6; ++row) {
            // Calls: a missed incoming call; voice: a deleted record.
            const bool redRow = isCallCategory(type) ? row == 1 : row == 0 || row == 3;
            for (int column = 0; column < model->columnCount(); ++column)
                QCOMPARE(model->index(row, column).data(Qt::ForegroundRole).value<QColor>(), redRow ? red : grey);
        }
    }

    void searchTestsWhatTheColumnsShow_data()
    {
        addIds();
    }

    void searchTestsWhatTheColumnsShow()
    {
        QFETCH(int, type);
        auto view = viewFor(type);
        view->setDataList(sixRecords(type));
        // "Incoming" is only in the call-type column of incoming calls.
        view->search(QStringLiteral("Incoming"));
        QCOMPARE(view->proxyModel()->rowCount(), isCallCategory(type) ? 5 : 0);
        // A size text is in the memos' fourth column; a voicemail's is its duration.
        view->search(QStringLiteral("3.2 MB"));
        QCOMPARE(view->proxyModel()->rowCount(), type == DeviceData::VoiceMemos ? 1 : 0);
        view->search(QStringLiteral("person 4"));
        QCOMPARE(shownNames(*view), isCallCategory(type) ? QStringList{"Person 4"} : QStringList{});
        view->search(QString());
        QCOMPARE(view->proxyModel()->rowCount(), 6);
    }

    void deletedModeCounts_data()
    {
        addIds();
    }

    void deletedModeCounts()
    {
        QFETCH(int, type);
        auto view = viewFor(type);
        view->setDataList(sixRecords(type));
        QSignalSpy sent(view.get(), &AbstractDataView::indexCountChanged);
        view->setFilterMode(2);
        QCOMPARE(sent.count(), 0);
        QCOMPARE(view->proxyModel()->rowCount(), 2);
        view->search(QString());
        QCOMPARE(counts(sent), (QList<QPair<int, int>>{{0, 2}, {1, 0}, {2, 2}}));
        sent.clear();
        view->setFilterMode(0);
        view->search(QStringLiteral("0"));
        // Every record holds a "0" somewhere (a date or a number).
        QCOMPARE(counts(sent), (QList<QPair<int, int>>{{0, 6}, {1, 4}, {2, 2}}));
    }

    void deletedRowsLeadInBothOrders_data()
    {
        addIds();
    }

    void deletedRowsLeadInBothOrders()
    {
        QFETCH(int, type);
        auto view = viewFor(type);
        view->setDataList(sixRecords(type));
        const int dateColumn = view->tableModel()->dateColumn();
        for (int column : {dateColumn, 1}) {
            for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                view->proxyModel()->sort(column, order);
                const QAbstractItemModel *proxy = view->proxyModel();
                QCOMPARE(proxy->index(0, 0).data(DeletedRole).toBool(), true);
                QCOMPARE(proxy->index(1, 0).data(DeletedRole).toBool(), true);
                for (int row = 2; row < 6; ++row)
                    QCOMPARE(proxy->index(row, 0).data(DeletedRole).toBool(), false);
            }
        }
        // Ascending by date puts the newest first, deleted ones among themselves too.
        view->proxyModel()->sort(dateColumn, Qt::AscendingOrder);
        const QAbstractItemModel *proxy = view->proxyModel();
        QList<qint64> existing;
        for (int row = 2; row < 6; ++row)
            existing << proxy->index(row, dateColumn).data(TimeRole).toLongLong();
        QVERIFY(std::is_sorted(existing.rbegin(), existing.rend()));
        QVERIFY(proxy->index(0, dateColumn).data(TimeRole).toLongLong()
                > proxy->index(1, dateColumn).data(TimeRole).toLongLong());
    }

    void aPartialHeaderTicksEveryShownRow_data()
    {
        addIds();
    }

    void aPartialHeaderTicksEveryShownRow()
    {
        QFETCH(int, type);
        seedStore(type, sixRecords(type));
        auto view = viewFor(type);
        view->setDataList(stored(type));
        view->setCheckEnabled(true);
        view->resize(900, 400);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        CheckableTableView *table = view->tableView();
        QCheckBox *box = table->checkableHeader()->checkBox();
        QVERIFY(box->isEnabled());

        view->setFilterMode(1);
        const int shown = view->proxyModel()->rowCount();
        QCOMPARE(shown, 4);
        QSignalSpy changed(view.get(), &AbstractDataView::checkStateChanged);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(view->proxyModel()->index(0, 0)).center());
        QCOMPARE(box->checkState(), Qt::PartiallyChecked);
        QCOMPARE(view->checkState(true), 1);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->checkState(), Qt::Checked);
        QCOMPARE(view->checkState(true), 2);
        QCOMPARE(changed.count(), 2);
        for (int row = 0; row < shown; ++row)
            QCOMPARE(view->proxyModel()->index(row, 0).data(Qt::CheckStateRole).toInt(), 2);
        QCOMPARE(view->checkedCount(false), shown);
        QCOMPARE(view->checkState(false), 1);
        saveShot(view.get(), QStringLiteral("partial-%1").arg(type));

        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(view->checkState(true), 0);
        for (const QVariant &record : stored(type))
            QCOMPARE(DeviceData::checkState(record), 0);
    }

    void aLockedRowIgnoresClicksAndSpace_data()
    {
        addIds();
    }

    void aLockedRowIgnoresClicksAndSpace()
    {
        QFETCH(int, type);
        seedStore(type, sixRecords(type));
        auto view = viewFor(type);
        view->setDataList(stored(type));
        view->setCheckEnabled(true);
        view->resize(900, 400);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        CheckableTableView *table = view->tableView();
        const QModelIndex locked = view->proxyModel()->index(2, 0);
        QVERIFY(!locked.data(CheckableRole).toBool());
        QSignalSpy changed(view.get(), &AbstractDataView::checkStateChanged);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(locked).center());
        table->setCurrentIndex(locked.siblingAtColumn(1));
        QTest::keyClick(table, Qt::Key_Space);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(DeviceData::checkState(stored(type).at(2)), 0);

        // Space on a checkable row ticks it, in the store too.
        table->setCurrentIndex(view->proxyModel()->index(4, 2));
        QTest::keyClick(table, Qt::Key_Space);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(DeviceData::checkState(stored(type).at(4)), 2);
        QCOMPARE(view->checkState(false), 1);
    }

    void checkEnablingKeepsTicks()
    {
        QList<QVariant> records = sixRecords(DeviceData::CallHistory);
        for (QVariant &record : records) {
            DeviceData::setCheckable(record, false);
            DeviceData::setCheckState(record, 2);
        }
        FaceTimeCallHistorView view(0, DeviceData::CallHistory);
        view.setDataList(records);
        QCOMPARE(view.checkState(false), 2);
        view.setCheckEnabled(true);
        for (int row = 0; row < 6; ++row)
            QVERIFY(view.tableModel()->isRowCheckable(row));
        view.setCheckEnabled(false);
        QCOMPARE(view.checkState(false), 2);
        QVERIFY(!view.tableView()->checkableHeader()->checkBox()->isEnabled());
    }

    void checkingAllBeforeEveryRowIsLoaded()
    {
        seedStore(DeviceData::CallHistory, calls(250));
        FaceTimeCallHistorView view(0, DeviceData::CallHistory);
        view.setDataList(stored(DeviceData::CallHistory));
        QCOMPARE(view.proxyModel()->rowCount(), 100);
        view.setAllChecked(2, true, true);
        QCOMPARE(view.checkState(true), 2);
        QCOMPARE(view.checkState(false), 2);
        QCOMPARE(view.tableView()->checkableHeader()->checkBox()->checkState(), Qt::Checked);
        for (const QVariant &record : stored(DeviceData::CallHistory))
            QCOMPARE(DeviceData::checkState(record), 2);
        view.setAllChecked(0, false, true);
        QCOMPARE(view.checkState(false), 0);
        QCOMPARE(view.tableView()->checkableHeader()->checkBox()->checkState(), Qt::Unchecked);
    }

    void aLongListIsCountedAfterItsFirstPage()
    {
        QList<QVariant> records = calls(120001);
        int ticked = 0;
        for (int row = 0; row < records.size(); row += 3, ++ticked)
            DeviceData::setCheckState(records[row], 2);
        FaceTimeCallHistorView view(0, DeviceData::CallHistory);
        QSignalSpy changed(&view, &AbstractDataView::checkStateChanged);
        view.setDataList(records);
        QCOMPARE(view.proxyModel()->rowCount(), 100);
        // Asked at once, the count is whole already.
        QCOMPARE(view.checkedCount(false), ticked);
        QCOMPARE(view.checkState(false), 1);
        QTRY_COMPARE(changed.count(), 1);
        QTest::qWait(20);
        QCOMPARE(changed.count(), 1);

        // Left to the event loop, it arrives with the signal.
        FaceTimeCallHistorView later(0, DeviceData::CallHistory);
        QSignalSpy announced(&later, &AbstractDataView::checkStateChanged);
        later.setDataList(records);
        QCOMPARE(announced.count(), 0);
        QTRY_COMPARE(announced.count(), 1);
        QCOMPARE(later.checkedCount(true), ticked);
        QCOMPARE(later.tableView()->checkableHeader()->checkBox()->checkState(), Qt::PartiallyChecked);
    }

    void clearEmptiesTheView()
    {
        FaceTimeCallHistorView view(0, DeviceData::FaceTime);
        view.setDataList(sixRecords(DeviceData::FaceTime));
        view.search(QStringLiteral("Person"));
        view.clear();
        QCOMPARE(view.proxyModel()->rowCount(), 0);
        QCOMPARE(view.tableModel()->keyword(), QString());
        QCOMPARE(view.filterMode(), 0);
        view.setDataList(sixRecords(DeviceData::FaceTime));
        QCOMPARE(view.proxyModel()->rowCount(), 6);
    }

    void theBaseAnswersNothing()
    {
        AbstractDataView view(7);
        QCOMPARE(view.checkState(true), 0);
        QCOMPARE(view.proxyModel(), nullptr);
        view.setFilterMode(2);
        QCOMPARE(view.filterMode(), 2);
        QVERIFY(view.autoFillBackground());
        QCOMPARE(view.palette().color(QPalette::Window), QColor(Qt::white));
    }
};

QTEST_MAIN(TableViewsTest)
#include "tableviews_test.moc"
