#include "categorytablemodel.h"
#include "csortfilterproxymodel.h"
#include "checkableheaderview.h"
#include "checkabletableview.h"
#include "facetimecallhistorview.h"
#include "shots.h"
#include "viewfixtures.h"
#include "widgetkit.h"

#include <QCheckBox>
#include <QHash>
#include <QScrollBar>
#include <QtTest>

using namespace ViewFixtures;

namespace
{
    constexpr int Calls = DeviceData::CallHistory;

    QString numberOf(const QVariant &record)
    {
        return record.value<DeviceData::CHFTInfo>().value;
    }

    // The store's check state by phone number (unique per record).
    QHash<QString, int> storeStates()
    {
        QHash<QString, int> states;
        for (const QVariant &record : stored(Calls))
            states.insert(numberOf(record), DeviceData::checkState(record));
        return states;
    }

    QSet<QString> tickedInStore()
    {
        QSet<QString> ticked;
        const QHash<QString, int> states = storeStates();
        for (auto it = states.cbegin(); it != states.cend(); ++it) {
            if (it.value() == 2)
                ticked.insert(it.key());
        }
        return ticked;
    }

    QString numberAt(const QAbstractItemModel *proxy, int row)
    {
        return proxy->index(row, 2).data(Qt::AccessibleTextRole).toString();
    }
}

class TicksFollowRecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        DeviceData::registerMetaTypes();
    }

    void init()
    {
        DeviceParser::instance()->clearAll();
        seedStore(Calls, calls(250));
    }

    void ticksStayOnTheirRecordsThroughSortAndSearch()
    {
        FaceTimeCallHistorView view(0, Calls);
        view.setDataList(stored(Calls));
        view.setCheckEnabled(true);
        view.resize(900, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        CheckableTableView *table = view.tableView();
        QAbstractItemModel *proxy = view.proxyModel();

        // Name, descending: row 0 is some record far from source row 0.
        table->sortByColumn(1, Qt::DescendingOrder);
        const QString first = numberAt(proxy, 0);
        QVERIFY(first != numberAt(view.tableModel(), 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(proxy->index(0, 0)).center());
        QCOMPARE(tickedInStore(), QSet<QString>{first});

        // The search's rows, ticked by the header box: exactly those records.
        view.search(QStringLiteral("Caller 1"));
        QSet<QString> matching;
        for (const QVariant &record : stored(Calls)) {
            const auto call = record.value<DeviceData::CHFTInfo>();
            if (call.displayName.contains(QStringLiteral("caller 1"), Qt::CaseInsensitive))
                matching.insert(call.value);
        }
        QCOMPARE(proxy->rowCount(), matching.size());
        QTest::mouseClick(table->checkableHeader()->checkBox(), Qt::LeftButton);
        QCOMPARE(tickedInStore(), matching + QSet<QString>{first});

        // Every row again, by date: what is painted, what assistive tools
        // read and what the store holds agree row by row.
        view.search(QString());
        table->sortByColumn(3, Qt::DescendingOrder);
        QCOMPARE(proxy->rowCount(), 250);
        const QHash<QString, int> states = storeStates();
        for (int row = 0; row < proxy->rowCount(); ++row)
            QCOMPARE(proxy->index(row, 0).data(Qt::CheckStateRole).toInt(), states.value(numberAt(proxy, row)));
        for (int scroll : {0, 60, 170}) {
            table->verticalScrollBar()->setValue(scroll);
            const QImage shot = table->viewport()->grab().toImage();
            int probed = 0;
            for (int row = 0; row < proxy->rowCount(); ++row) {
                const QRect cell = table->visualRect(proxy->index(row, 0));
                if (!table->viewport()->rect().contains(cell))
                    continue;
                const QPoint c = cell.center();
                const bool painted = looksTicked(meanColour(shot, QRect(c.x() - 7, c.y() - 7, 14, 14)));
                QCOMPARE(painted, states.value(numberAt(proxy, row)) == 2);
                ++probed;
            }
            QVERIFY(probed > 5);
        }
        saveShot(&view, "by-date");
    }

    void anOlderCopyNeitherOverwritesNorDrops()
    {
        // The view got the first 100 records; the store then changed one and
        // holds 250.
        const QList<QVariant> older = stored(Calls).mid(0, 100);
        FaceTimeCallHistorView view(0, Calls);
        view.setDataList(older);
        view.setCheckEnabled(true);
        QList<QVariant> current = stored(Calls);
        DeviceData::CHFTInfo renamed = current.at(5).value<DeviceData::CHFTInfo>();
        renamed.displayName = QStringLiteral("Renamed by the store");
        DeviceParser::instance()->setRecord(0, Calls, 5, QVariant::fromValue(renamed));

        view.tableView()->setCurrentIndex(view.proxyModel()->index(5, 1));
        QTest::keyClick(view.tableView(), Qt::Key_Space);
        current = stored(Calls);
        QCOMPARE(current.size(), 250);
        QCOMPARE(current.at(5).value<DeviceData::CHFTInfo>().displayName, QStringLiteral("Renamed by the store"));
        QCOMPARE(DeviceData::checkState(current.at(5)), 2);

        view.setAllChecked(2, false, true);
        current = stored(Calls);
        QCOMPARE(current.size(), 250);
        QCOMPARE(current.at(5).value<DeviceData::CHFTInfo>().displayName, QStringLiteral("Renamed by the store"));
        for (int row = 0; row < 250; ++row)
            QCOMPARE(DeviceData::checkState(current.at(row)), row < 100 ? 2 : 0);
        QCOMPARE(view.checkState(false), 2);
    }

    void theViewAndTheStoreShareOneList()
    {
        FaceTimeCallHistorView view(0, Calls);
        view.setDataList(stored(Calls));
        view.setCheckEnabled(true);
        view.setAllChecked(2, false, true);
        // Written once, held by both.
        QVERIFY(view.tableModel()->records().isSharedWith(stored(Calls)));
        view.setAllChecked(0, true, true);
        for (const QVariant &record : stored(Calls))
            QCOMPARE(DeviceData::checkState(record), 0);
    }
};

QTEST_MAIN(TicksFollowRecordsTest)
#include "ticksfollowrecords_test.moc"
