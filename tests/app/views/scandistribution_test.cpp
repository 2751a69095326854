// Records a scan stores reach the page's views and counts: on the GUI
// thread, once each, and with the view's rows being the store's rows once
// a category has ended.

#include "checkableheaderview.h"
#include "checkabletableview.h"
#include "ctoolbar.h"
#include "dataviewfactory.h"
#include "facetimecallhistorview.h"
#include "messageboxscript.h"
#include "recordaccess.h"
#include "scanresultfixture.h"
#include "shots.h"
#include "widgetkit.h"

#include <QCheckBox>
#include <QPointer>
#include <QScopeGuard>
#include <QSet>
#include <QThread>
#include <QtTest>

#include <thread>

using namespace DeviceData;

namespace
{
    QString addressOf(const QVariant &record)
    {
        return record.value<CHFTInfo>().address;
    }

    QStringList addresses(const QList<QVariant> &records)
    {
        QStringList list;
        for (const QVariant &record : records)
            list << addressOf(record);
        return list;
    }

    QStringList scriptedAddresses(const std::vector<STCallHistory> &calls)
    {
        QStringList list;
        for (const STCallHistory &call : calls)
            list << QString::fromStdWString(call.address);
        return list;
    }

    // A call view that notes the thread of every call the page makes.
    class ThreadNotingView : public FaceTimeCallHistorView
    {
    public:
        using FaceTimeCallHistorView::FaceTimeCallHistorView;
        static inline QList<QThread *> threads;
        static inline int appended = 0;

        void appendItem(const QVariant &record) override
        {
            threads << QThread::currentThread();
            ++appended;
            FaceTimeCallHistorView::appendItem(record);
        }
        void setDataList(const QList<QVariant> &records) override
        {
            threads << QThread::currentThread();
            FaceTimeCallHistorView::setDataList(records);
        }
    };

    // A chat attachment view: what arrives by kind.
    class KindNotingView : public AbstractDataView
    {
    public:
        using AbstractDataView::AbstractDataView;
        QList<QPair<int, QVariant>> received;
        void appendItemByKind(int kind, const QVariant &record) override { received << qMakePair(kind, record); }
    };

    // A view the page keeps, as it keeps the messages.
    class KeptView : public AbstractDataView
    {
    public:
        explicit KeptView(int type) : AbstractDataView(type) { setAttribute(Qt::WA_DeleteOnClose, false); }
    };

    QVariant contact(const QString &name)
    {
        ContactInfo record;
        record.sortName = name;
        record.firstName = name;
        return QVariant::fromValue(record);
    }

    QVariant picture(const QString &name)
    {
        MediaInfo record;
        record.name = name;
        record.mediaKind = ImageKind;
        return QVariant::fromValue(record);
    }
}

class ScanDistributionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        registerMetaTypes();
    }

    void aViewOpenedMidScanGetsEachRecordOnce()
    {
        ScanResultFixture f;
        f.show();
        const std::vector<STCallHistory> calls = scriptedCalls(50);
        f.script.setCalls(DBAPP_CALL_HISTORY, calls);
        f.script.holdAt(DBAPP_CALL_HISTORY, 30);
        f.startScan({CallHistory});
        QVERIFY(f.script.waitHeld());
        QTRY_COMPARE(f.countOf(CallHistory), 30);

        f.pick(CallHistory);
        QCOMPARE(f.page->currentCategory(), int(CallHistory));
        TableDataView *view = f.table();
        QVERIFY(view);
        QCOMPARE(addresses(view->tableModel()->records()), scriptedAddresses(calls).mid(0, 30));
        // Nothing is ticked while the scan runs.
        QVERIFY(!view->tableModel()->isRowCheckable(0));
        QVERIFY(!view->tableView()->checkableHeader()->checkBox()->isEnabled());
        saveShot(f.page.get(), QStringLiteral("mid-scan"));

        // The rest arrives while the view is open: each record once.
        f.script.holdAt(DBAPP_CALL_HISTORY, 50);
        QVERIFY(f.script.waitHeld());
        QTRY_COMPARE(view->tableModel()->recordCount(), 50);
        QTest::qWait(3 * ViewNativeDataManage::FeedIntervalMs);
        QCOMPARE(addresses(view->tableModel()->records()), scriptedAddresses(calls));
        QCOMPARE(f.countOf(CallHistory), 50);

        MessageBoxScript boxes({1});
        f.script.release();
        QVERIFY(f.waitForResult());
        QCOMPARE(f.table(), view);
        // The store sorted the calls, newest first, when the category ended:
        // the view holds the store's list.
        const QList<QVariant> stored = DeviceParser::instance()->records(DeviceGroup, CallHistory);
        QCOMPARE(addresses(stored).first(), scriptedAddresses(calls).last());
        QCOMPARE(addresses(view->tableModel()->records()), addresses(stored));
        QVERIFY(view->tableModel()->isRowCheckable(0));
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.shown().first().text.contains(QStringLiteral("50 data has been scanned completely")));

        // A tick on row 3 as shown is the store's record 3, and only that one.
        CheckableTableView *table = view->tableView();
        const QModelIndex cell = view->proxyModel()->index(3, 0);
        const QString shownAddress = view->proxyModel()->index(3, 1).data(Qt::AccessibleTextRole).toString();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(cell).center());
        const QList<QVariant> after = DeviceParser::instance()->records(DeviceGroup, CallHistory);
        for (int row = 0; row < after.size(); ++row)
            QCOMPARE(checkState(after.at(row)), row == 3 ? 2 : 0);
        QCOMPARE(after.at(3).value<CHFTInfo>().displayName, shownAddress);
        QCOMPARE(f.rowOf(CallHistory).checkState, 1);
        saveShot(f.page.get(), QStringLiteral("ticked"));

        // Ticking the category in the list ticks every record of the store.
        f.tickCategory(CallHistory);
        for (const QVariant &record : DeviceParser::instance()->records(DeviceGroup, CallHistory))
            QCOMPARE(checkState(record), 2);
        QCOMPARE(view->checkState(false), 2);
    }

    void recordsReachViewsOnTheGuiThreadOnly()
    {
        DataViewFactory::registerView(FaceTime, 2, [](int id) { return new ThreadNotingView(DeviceGroup, id); });
        ThreadNotingView::threads.clear();
        ThreadNotingView::appended = 0;
        {
            ScanResultFixture f;
            f.show();
            f.script.setCalls(DBAPP_FACETIME, scriptedCalls(200));
            f.script.holdAt(DBAPP_FACETIME, 1);
            f.startScan({FaceTime});
            QVERIFY(f.script.waitHeld());
            QTRY_COMPARE(f.countOf(FaceTime), 1);
            f.pick(FaceTime);
            QVERIFY(f.table());
            f.script.holdAt(DBAPP_FACETIME, 200);
            QVERIFY(f.script.waitHeld());
            QTRY_COMPARE(f.table()->tableModel()->recordCount(), 200);
            QCOMPARE(ThreadNotingView::appended, 199);
            MessageBoxScript boxes({1});
            f.script.release();
            QVERIFY(f.waitForResult());
        }
        for (QThread *thread : qAsConst(ThreadNotingView::threads))
            QCOMPARE(thread, qApp->thread());
        DataViewFactory::registerView(FaceTime, 2,
                                      [](int id) { return new FaceTimeCallHistorView(DeviceGroup, id); });
    }

    // The first argument of the kind form is the attachment category, the
    // second the kind: a picture (kind 2) never counts for Messages (2).
    void kindRecordsTouchOnlyTheirAttachmentRow()
    {
        QPointer<KindNotingView> attachments;
        DataViewFactory::registerView(WhatsAppAttachment, 2, [&attachments](int id) {
            attachments = new KindNotingView(id);
            return attachments.data();
        });
        ScanResultFixture f;
        f.show();
        f.script.setCalls(DBAPP_CALL_HISTORY, scriptedCalls(2));
        f.script.holdAt(DBAPP_CALL_HISTORY, 2);
        f.startScan({Messages, CallHistory, WhatsApp});
        QVERIFY(f.script.waitHeld());
        std::thread([] {
            DeviceParser::instance()->dataReceivedV1(WhatsAppAttachment, ImageKind, picture("a.jpg"), 3);
        }).join();
        QTRY_COMPARE(f.countOf(WhatsAppAttachment), 3);
        QCOMPARE(f.countOf(CallHistory), 2);
        for (int id : {Messages, MessagesAttachment, WhatsApp})
            QCOMPARE(f.countOf(id), 0);

        // Its view gets the records above what it was given, by kind.
        f.pick(WhatsAppAttachment);
        QVERIFY(attachments);
        std::thread([] {
            DeviceParser *store = DeviceParser::instance();
            store->dataReceivedV1(WhatsAppAttachment, VideoKind, picture("b.mov"), 4);
            store->dataReceivedV1(CallHistory, ImageKind, picture("c.jpg"), 5); // not its category
        }).join();
        QTRY_COMPARE(attachments->received.size(), 1);
        QTest::qWait(3 * ViewNativeDataManage::FeedIntervalMs);
        QCOMPARE(attachments->received.size(), 1);
        QCOMPARE(attachments->received.first().first, int(VideoKind));
        QCOMPARE(attachments->received.first().second.value<MediaInfo>().name, QStringLiteral("b.mov"));
        QCOMPARE(f.countOf(WhatsAppAttachment), 4);
        QCOMPARE(f.countOf(Messages), 0);

        MessageBoxScript boxes({1});
        f.script.release();
        QVERIFY(f.waitForResult());
        DataViewFactory::registerView(WhatsAppAttachment, 2, nullptr);
    }

    void aCategoryWithoutAViewStillCountsAndTicks()
    {
        // Contacts without their view for this test.
        const DataViewFactory::Row contactsRow = *DataViewFactory::find(Contacts);
        DataViewFactory::registerView(Contacts, 2, nullptr);
        const auto restore = qScopeGuard(
            [&contactsRow] { DataViewFactory::registerView(contactsRow.id, contactsRow.barType, contactsRow.create); });
        ScanResultFixture f;
        f.show();
        f.script.setCalls(DBAPP_CALL_HISTORY, scriptedCalls(4));
        f.script.holdAt(DBAPP_CALL_HISTORY, 0);
        f.startScan({CallHistory, Contacts});
        QVERIFY(f.script.waitHeld());
        std::thread([] {
            for (const char *name : {"Ann", "Ben", "Cem"})
                DeviceParser::instance()->appendRecord(DeviceGroup, Contacts, contact(name));
        }).join();
        QTRY_COMPARE(f.countOf(Contacts), 3);

        MessageBoxScript boxes({1});
        f.script.release();
        QVERIFY(f.waitForResult());
        QVERIFY(boxes.shown().first().text.contains(QStringLiteral("7 data has been scanned completely")));
        // The first category with records is shown by itself.
        QCOMPARE(f.page->currentCategory(), int(CallHistory));

        f.pick(Contacts);
        QCOMPARE(f.page->currentCategory(), -1);
        QVERIFY(!f.page->currentView());
        QVERIFY(f.page->shownPage() != f.page->noDataPage());
        QVERIFY(f.page->shownPage() != f.page->analysingPage());

        f.tickCategory(Contacts);
        QCOMPARE(f.rowOf(Contacts).checkState, 2);
        const QList<QVariant> contacts = DeviceParser::instance()->records(DeviceGroup, Contacts);
        QCOMPARE(contacts.size(), 3);
        for (const QVariant &record : contacts)
            QCOMPARE(checkState(record), 2);
        // The calls are untouched; the export's list is the ticked one.
        for (const QVariant &record : DeviceParser::instance()->records(DeviceGroup, CallHistory))
            QCOMPARE(checkState(record), 0);
        QCOMPARE(f.page->navigation()->checkedCategories(), QList<int>{Contacts});
        f.tickCategory(Contacts);
        for (const QVariant &record : DeviceParser::instance()->records(DeviceGroup, Contacts))
            QCOMPARE(checkState(record), 0);

        f.pick(CallHistory);
        QVERIFY(f.table());
        QCOMPARE(f.table()->tableModel()->recordCount(), 4);
    }

    void switchingMakesNewViewsButKeepsAKeptOne()
    {
        QList<QPointer<AbstractDataView>> made;
        DataViewFactory::registerView(Messages, 3, [&made](int id) {
            auto *view = new KeptView(id);
            made << view;
            return view;
        });
        ScanResultFixture f;
        f.show();
        f.script.setCalls(DBAPP_CALL_HISTORY, scriptedCalls(3));
        f.script.setCalls(DBAPP_FACETIME, scriptedCalls(2, 5000));
        {
            MessageBoxScript boxes({1});
            f.startScan({Messages, CallHistory, FaceTime});
            // Messages has no records: make its row usable.
            f.page->navigation()->setCategoryCount(Messages, 1);
            QVERIFY(f.waitForResult());
        }
        f.pick(Messages);
        QPointer<AbstractDataView> messages = f.page->currentView();
        QVERIFY(messages);
        QCOMPARE(f.page->toolBar()->barType(), 3);

        f.pick(CallHistory);
        QPointer<AbstractDataView> calls = f.page->currentView();
        QCOMPARE(f.page->toolBar()->barType(), 2);
        // A search; the next view starts without one, and the same word
        // typed there searches again.
        emit f.page->toolBar()->searched(QStringLiteral("1001"));
        QCOMPARE(f.table()->proxyModel()->rowCount(), 1);
        f.pick(Messages);
        QCOMPARE(f.page->currentView(), messages.data());
        QTRY_VERIFY(!calls); // deleted
        f.pick(CallHistory);
        QVERIFY(f.page->currentView() != calls.data());
        QCOMPARE(f.table()->proxyModel()->rowCount(), 3);
        emit f.page->toolBar()->searched(QStringLiteral("1001"));
        QCOMPARE(f.table()->proxyModel()->rowCount(), 1);
        QCOMPARE(made.size(), 1);
        DataViewFactory::registerView(Messages, 3, nullptr);
    }
};

QTEST_MAIN(ScanDistributionTest)
#include "scandistribution_test.moc"
