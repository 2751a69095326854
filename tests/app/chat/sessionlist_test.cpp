// The session lists of the WhatsApp and LINE views: reloads by keyword and
// filter mode, counts per kind, ticks written to the store's rows by session
// id, the row's box, the Keep selector, and reloads that are cancelled or
// outlived by their view. Runs under the thread checker too.
#include "appevent.h"
#include "chatinfomodel.h"
#include "chatinit.h"
#include "chatsearchpool.h"
#include "chatsessiondelegate.h"
#include "chatsessionfixtures.h"
#include "chatsessionmodel.h"
#include "chatsessionproxymodel.h"
#include "customtabbar.h"
#include "itemroles.h"
#include "linechat.h"
#include "linechatinfomodel.h"
#include "linechatproxymodel.h"
#include "linechatmodel.h"
#include "linekeeptableheaderview.h"
#include "recordaccess.h"
#include "threadpool.h"
#include "wachatinfomodel.h"
#include "wachatmodel.h"
#include "whatsappchat.h"
#include "widgetkit.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QListView>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace ChatSessionFixtures;
using DeviceData::WaMessageInfo;

namespace
{
    constexpr qint64 Start = 1650000000;

    // Ann: an older message holds "kiwi"; Bob: nothing; Carol (deleted): her
    // newest holds "KIWI"; Dan: no messages; a group and a starred message
    // that hold it too.
    void storeWhatsApp()
    {
        WaMessageInfo quote = waText(QStringLiteral("the quoted one"), Start + 1);
        quote.isQuote = 1;
        storeWaList({
            storeWa(waSession(1, "ann@s.whatsapp.net", "Ann"),
                    {waText("kiwi tonight?", Start + 100), waText("ok", Start + 400), quote}),
            storeWa(waSession(2, "bob@s.whatsapp.net", "Bob"), {waText("hi", Start + 200)}),
            storeWa(waSession(3, "carol@s.whatsapp.net", "Carol", 0, QString(), true),
                    {waText("no", Start + 150), waText("KIWI!", Start + 500)}),
            storeWa(waSession(4, "dan@s.whatsapp.net", "Dan kiwi"), {}),
            storeWa(waSession(5, "club@g.us", "Club", 2, "_$!<ann@s.whatsapp.net>!$_"), {waText("kiwi", Start + 50)}),
            storeWa(waSession(6, "ann@s.whatsapp.net", "Ann to you", 101), {waText("kiwi star", Start + 60)}),
        });
    }

    QStringList shownNames(ChatSessionView &view)
    {
        QStringList names;
        for (int row = 0; row < view.proxyModel()->rowCount(); ++row)
            names << view.proxyModel()->index(row, 0).data(ChatSessionModel::NameRole).toString();
        return names;
    }

    QVariant shownRecord(ChatSessionView &view, const QString &name)
    {
        for (int row = 0; row < view.proxyModel()->rowCount(); ++row) {
            const QModelIndex index = view.proxyModel()->index(row, 0);
            if (index.data(ChatSessionModel::NameRole).toString() == name)
                return index.data(Qt::DisplayRole);
        }
        return {};
    }

    struct Spies
    {
        explicit Spies(AbstractDataView &view)
            : started(&view, &AbstractDataView::started)
            , finished(&view, &AbstractDataView::finish)
            , counts(&view, &AbstractDataView::indexCountChanged)
        {
        }
        QSignalSpy started;
        QSignalSpy finished;
        QSignalSpy counts;

        QList<int> lastCounts() const
        {
            QList<int> last;
            for (int i = qMax(0, counts.size() - 3); i < counts.size(); ++i)
                last << counts.at(i).at(1).toInt();
            return last;
        }
    };

    void waitForReload(Spies &spies, int finishes)
    {
        QTRY_COMPARE_WITH_TIMEOUT(spies.finished.count(), finishes, 10000);
        QCOMPARE(spies.started.count(), spies.finished.count());
    }

    // Runs everything handed to the search pool so far.
    void drainPool()
    {
        chatSearchPool().commit([] {}).wait();
    }
}

class SessionListTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        initChat();
        DeviceData::registerMetaTypes();
    }

    void init() { DeviceParser::instance()->clearAll(); }

    void whatsAppSearchAndModes()
    {
        storeWhatsApp();
        WhatsAppChat view(DeviceData::WhatsApp);
        view.setDataList(storedList(DeviceData::WhatsApp));
        QCOMPARE(shownNames(view), (QStringList{"Ann", "Bob", "Carol", "Dan kiwi"}));
        Spies spies(view);

        view.search(QStringLiteral("kiwi"));
        // It returns at once; the result comes with the finish.
        QCOMPARE(spies.started.count(), 1);
        QVERIFY(view.isReloading());
        waitForReload(spies, 1);
        // A name is not searched; Carol is found by her newest message, Ann by
        // an older one, which she now previews.
        QCOMPARE(shownNames(view), (QStringList{"Ann", "Carol"}));
        const auto ann = waOf(shownRecord(view, "Ann"));
        QCOMPARE(ann.time, Start + 100);
        QCOMPARE(ann.lastMessage.value<WaMessageInfo>().text, QStringLiteral("kiwi tonight?"));
        QCOMPARE(spies.lastCounts(), (QList<int>{2, 1, 1}));
        QCOMPARE(view.waMessages()->keyword(), QStringLiteral("kiwi"));

        view.setFilterMode(2);
        waitForReload(spies, 2);
        QCOMPARE(shownNames(view), QStringList{"Carol"});
        view.setFilterMode(1);
        waitForReload(spies, 3);
        QCOMPARE(shownNames(view), QStringList{"Ann"});

        // Counts per kind: the group tab has its own.
        view.tabBar()->setCurrentIndex(WhatsAppChat::GroupTab);
        QCOMPARE(shownNames(view), QStringList{"Club"});
        QCOMPARE(spies.lastCounts(), (QList<int>{1, 1, 0}));

        // Without a keyword every session is back with its own last message,
        // not a quoted copy; one without messages has time 0.
        view.tabBar()->setCurrentIndex(WhatsAppChat::IndividualTab);
        view.setFilterMode(0);
        waitForReload(spies, 4);
        view.search(QString());
        waitForReload(spies, 5);
        QCOMPARE(shownNames(view), (QStringList{"Ann", "Bob", "Carol", "Dan kiwi"}));
        QCOMPARE(waOf(shownRecord(view, "Ann")).lastMessage.value<WaMessageInfo>().text, QStringLiteral("ok"));
        QCOMPARE(waOf(shownRecord(view, "Dan kiwi")).time, 0);
        QCOMPARE(spies.lastCounts(), (QList<int>{4, 3, 1}));
    }

    void aKeywordNothingHoldsShowsNoSession()
    {
        storeWhatsApp();
        WhatsAppChat view(DeviceData::WhatsApp);
        view.setDataList(storedList(DeviceData::WhatsApp));
        Spies spies(view);
        view.search(QStringLiteral("nowhere"));
        waitForReload(spies, 1);
        QCOMPARE(view.proxyModel()->rowCount(), 0);
        QCOMPARE(spies.lastCounts(), (QList<int>{0, 0, 0}));
        QCOMPARE(view.messageModel()->totalRows(), 0);
        QCOMPARE(view.messageModel()->title(), QString());
    }

    void lineSearchFindsNamesAndMessages()
    {
        storeLineList({
            storeLine(lineSession(1, "u1", "Kiwi fans"), {lineText("hello", Start), lineText("bye", Start + 10)}),
            storeLine(lineSession(2, "u2", "Ren"), {lineText("a kiwi", Start + 20), lineText("no", Start + 30)}),
            storeLine(lineSession(3, "g1", "Group", 2, "_$!<u2>!$_"), {lineText("kiwi", Start + 5)}),
            storeLine(lineSession(4, "keep", "LINE Keep", 100), {lineText("kiwi kept", Start + 1)}),
        });
        LineChat view(DeviceData::Line);
        view.setDataList(storedList(DeviceData::Line));
        Spies spies(view);
        view.search(QStringLiteral("kiwi"));
        waitForReload(spies, 1);
        QCOMPARE(shownNames(view), (QStringList{"Kiwi fans", "Ren"}));
        // Found by its name, the session shows every message.
        QCOMPARE(view.messageModel()->totalRows(), 4);
        QCOMPARE(lineOf(shownRecord(view, "Ren")).time, Start + 20);
        QCOMPARE(view.lineSessions()->kindCounts().value(0).total, 2);
        QCOMPARE(view.lineSessions()->kindCounts().value(2).total, 1);
        QCOMPARE(view.lineSessions()->kindCounts().value(100).total, 1);
        QCOMPARE(view.currentSessionKind(), 0);
    }

    void aNewerSearchCancelsTheRunningOne()
    {
        storeWhatsApp();
        WhatsAppChat view(DeviceData::WhatsApp);
        view.setDataList(storedList(DeviceData::WhatsApp));
        Spies spies(view);
        view.search(QStringLiteral("kiwi"));
        view.search(QStringLiteral("hi"));
        // The first ended at once, unfinished.
        QCOMPARE(spies.finished.count(), 1);
        waitForReload(spies, 2);
        drainPool();
        QCoreApplication::processEvents();
        QCOMPARE(spies.finished.count(), 2);
        QCOMPARE(shownNames(view), QStringList{"Bob"});

        // A tab change makes the running one again for the new tab.
        view.search(QStringLiteral("kiwi"));
        view.tabBar()->setCurrentIndex(WhatsAppChat::StarredTab);
        waitForReload(spies, 4);
        QCOMPARE(shownNames(view), QStringList{"Ann to you"});
        // clear ends one too.
        view.search(QStringLiteral("kiwi"));
        view.clear();
        QCOMPARE(spies.finished.count(), 5);
        QCOMPARE(spies.started.count(), 5);
        drainPool();
        QCoreApplication::processEvents();
        QCOMPARE(view.proxyModel()->rowCount(), 0);
    }

    void aViewGoneDuringAReload()
    {
        // Enough messages that the reload is still running when the view goes.
        QList<QVariant> sessions;
        for (int s = 0; s < 20; ++s) {
            QList<WaMessageInfo> messages;
            for (int i = 0; i < 2000; ++i)
                messages.append(waText(QStringLiteral("message %1").arg(i), Start + i));
            sessions.append(storeWa(waSession(s + 1, QStringLiteral("p%1@s.whatsapp.net").arg(s), "P"), messages));
        }
        storeWaList(sessions);
        for (int round = 0; round < 3; ++round) {
            auto view = std::make_unique<WhatsAppChat>(DeviceData::WhatsApp);
            view->setDataList(storedList(DeviceData::WhatsApp));
            view->search(QStringLiteral("nothing holds this"));
            if (round == 1)
                QTest::qWait(1);
            view.reset();
            drainPool();
            QCoreApplication::processEvents();
        }
    }

    void ticksReachTheStoresRowById()
    {
        storeWhatsApp();
        WhatsAppChat view(DeviceData::WhatsApp);
        view.resize(800, 500);
        view.setDataList(storedList(DeviceData::WhatsApp));
        view.setCheckEnabled(true);
        // The store has moved on meanwhile: another session stands first.
        QList<QVariant> stored = storedList(DeviceData::WhatsApp);
        stored.prepend(storeWa(waSession(9, "zed@s.whatsapp.net", "Zed"), {waText("late", Start)}));
        storeWaList(stored);

        QSignalSpy checks(&view, &AbstractDataView::checkStateChanged);
        emit view.sessionDelegate()->checkBoxClicked(view.proxyModel()->index(1, 0));
        QCOMPARE(checks.count(), 1);
        const QList<QVariant> after = storedList(DeviceData::WhatsApp);
        QCOMPARE(waOf(after.at(0)).title, QStringLiteral("Zed"));
        QCOMPARE(DeviceData::checkState(after.at(0)), 0);
        QCOMPARE(waOf(after.at(2)).title, QStringLiteral("Bob"));
        QCOMPARE(DeviceData::checkState(after.at(2)), 2);
        QCOMPARE(view.checkedCount(), 1);

        // All: only the check states of the store's own list change, a
        // search's previews do not reach it.
        Spies spies(view);
        view.search(QStringLiteral("kiwi"));
        waitForReload(spies, 1);
        view.setAllChecked(2, false, true);
        const QList<QVariant> all = storedList(DeviceData::WhatsApp);
        QCOMPARE(all.size(), 7);
        for (const QVariant &record : all)
            QCOMPARE(DeviceData::checkState(record), 2);
        QCOMPARE(waOf(all.at(1)).lastMessage.value<WaMessageInfo>().text, QStringLiteral("the quoted one"));
        QCOMPARE(view.checkState(false), 2);
        // The shown rows alone: Ann and Carol.
        view.setAllChecked(0, true, true);
        QCOMPARE(view.checkState(true), 0);
        QCOMPARE(view.checkState(false), 1);
        QCOMPARE(DeviceData::checkState(storedList(DeviceData::WhatsApp).at(1)), 0);
        QCOMPARE(DeviceData::checkState(storedList(DeviceData::WhatsApp).at(2)), 2);
    }

    void theOnlySessionChecked()
    {
        storeWaList({storeWa(waSession(1, "a@s.whatsapp.net", "A"), {waText("x", Start)})});
        WhatsAppChat view(DeviceData::WhatsApp);
        Spies spies(view);
        view.setDataList(storedList(DeviceData::WhatsApp));
        // The tool bar gets the tab's counts with the list.
        QCOMPARE(spies.lastCounts(), (QList<int>{1, 1, 0}));
        view.setCheckEnabled(true);
        const QModelIndex row = view.proxyModel()->index(0, 0);
        emit view.sessionDelegate()->checkBoxClicked(row);
        QCOMPARE(view.checkState(false), 2);
        QCOMPARE(view.checkState(true), 2);
        emit view.sessionDelegate()->checkBoxClicked(row);
        QCOMPARE(view.checkState(false), 0);
        // Not while checking is off.
        view.setCheckEnabled(false);
        emit view.sessionDelegate()->checkBoxClicked(row);
        QCOMPARE(view.checkState(false), 0);
        QCOMPARE(DeviceData::checkState(storedList(DeviceData::WhatsApp).at(0)), 0);
    }

    void theRowsBoxAndTheRow()
    {
        storeWhatsApp();
        WhatsAppChat view(DeviceData::WhatsApp);
        view.resize(900, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setDataList(storedList(DeviceData::WhatsApp));
        view.setCheckEnabled(true);
        QListView *list = view.listView();
        const QRect bob = list->visualRect(view.proxyModel()->index(1, 0));
        // Inside the drawn box but left of where clicks count: no tick.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(bob.x() + 17, bob.center().y()));
        QCOMPARE(view.checkedCount(), 0);
        QCOMPARE(view.sessionDelegate()->currentRow(), 1);
        QTRY_COMPARE(view.messageModel()->title(), QStringLiteral("To: bob(+bob)"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(bob.x() + 38, bob.center().y()));
        QCOMPARE(view.checkedCount(), 1);
        // Keys: the next row shows, Space ticks it.
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(view.sessionDelegate()->currentRow(), 2);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(view.checkedCount(), 2);
        QCOMPARE(view.proxyModel()->index(2, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(view.proxyModel()->index(2, 0).flags() & Qt::ItemIsUserCheckable);
    }

    void sessionModelRolesAndPages()
    {
        WaChatModel model;
        QList<QVariant> sessions;
        for (int i = 0; i < 250; ++i)
            sessions.append(QVariant::fromValue(waSession(i, QStringLiteral("%1@s").arg(i), "S")));
        model.setList(sessions, false);
        QCOMPARE(model.rowCount(), 100);
        model.fetchMore(QModelIndex());
        QCOMPARE(model.rowCount(), 200);
        model.fetchMore(QModelIndex());
        QCOMPARE(model.rowCount(), 250);
        QVERIFY(!model.canFetchMore(QModelIndex()));
        model.setList(sessions, true);
        QCOMPARE(model.rowCount(), 250);

        const QModelIndex first = model.index(0);
        QVERIFY(!model.setData(first, 2, 100));
        QVERIFY(!model.setData(first, 2, 358));
        QVERIFY(!model.setData(first, Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(first.data(CheckStateRole).toInt(), 0);
        QVERIFY(model.setData(first, 2, CheckStateRole));
        QCOMPARE(DeviceData::checkState(model.record(0)), 2);
        QVERIFY(model.setData(first, QStringLiteral("/pictures/s.jpg"), Qt::DisplayRole));
        QCOMPARE(first.data(ContactTextRole).toString(), QStringLiteral("/pictures/s.jpg"));
        QCOMPARE(first.data(Qt::TextAlignmentRole).toInt(), 129);
        QCOMPARE(first.data(Qt::ForegroundRole).value<QColor>(), QColor(51, 51, 51));
        QVERIFY(!model.index(250).data(Qt::DisplayRole).isValid());
    }

    void emptySessionsKeepTheirTitle()
    {
        storeWaList({storeWa(waSession(1, "mia@s.whatsapp.net", "Mia"), {})});
        storeLineList({storeLine(lineSession(1, "u7", "Mika"), {})});
        DeviceParser::instance()->setDisplayName(QStringLiteral("u7"), QStringLiteral("Mika"));
        WhatsAppChat wa(DeviceData::WhatsApp);
        wa.setDataList(storedList(DeviceData::WhatsApp));
        QCOMPARE(wa.messageModel()->totalRows(), 0);
        QCOMPARE(wa.messageModel()->title(), QStringLiteral("To: mia(+mia)"));
        LineChat line(DeviceData::Line);
        line.setDataList(storedList(DeviceData::Line));
        QCOMPARE(line.messageModel()->totalRows(), 0);
        QCOMPARE(line.messageModel()->title(), QStringLiteral("To: Mika"));
    }

    void keepSelector()
    {
        LineKeepTableHeaderView keep;
        keep.resize(300, 400);
        keep.show();
        QVERIFY(QTest::qWaitForWindowExposed(&keep));
        QCOMPARE(keep.currentRow(), 0);
        QListView *list = keep.listView();
        QCOMPARE(list->accessibleName(), QStringLiteral("LINE Keep types"));
        QCOMPARE(list->model()->index(5, 0).data(Qt::AccessibleTextRole).toString(), QStringLiteral("Other"));
        QSignalSpy chosen(&keep, &LineKeepTableHeaderView::sigClickedKeepType);
        const QPoint other = list->visualRect(list->model()->index(5, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, other);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, other);
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen.at(0).at(0).toInt(), 5);
        QCOMPARE(chosen.at(1).at(0).toInt(), 5);
        QCOMPARE(keep.currentRow(), 5);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(chosen.count(), 3);
        QCOMPARE(chosen.at(2).at(0).toInt(), 4);
    }

    // In the Keep tab the pane shows what fits the kind, from every Keep
    // session.
    void keepKindsFilterThePane()
    {
        auto typed = [](int type, const QString &text, qint64 time) { return lineMessage(type, text, time); };
        storeLineList({storeLine(lineSession(1, "k1", "LINE Keep", 100),
                                 {typed(1, "p1", Start), typed(2, "v1", Start + 1), typed(96, "p2", Start + 2)}),
                       storeLine(lineSession(2, "k2", "LINE Keep", 100),
                                 {typed(112, "p3", Start + 3), typed(7, "s1", Start + 4), typed(0, "t1", Start + 5)})});
        LineChat view(DeviceData::Line);
        view.setDataList(storedList(DeviceData::Line));
        view.tabBar()->setCurrentIndex(LineChat::KeepTab);
        QCOMPARE(view.selectedCount(), 100);
        QCOMPARE(view.lineProxy()->keepType(), 0);
        QCOMPARE(view.messageModel()->totalRows(), 2);
        emit view.keepHeader()->sigClickedKeepType(1);
        QCOMPARE(view.messageModel()->totalRows(), 8);
        QStringList ids;
        for (int row = 1; row < 8; row += 2)
            ids << view.messageModel()->index(row).data(LineChatInfoModel::SourceRowIdRole).toString();
        QCOMPARE(ids, (QStringList{"1|0", "1|2", "2|0", "2|1"}));
        emit view.keepHeader()->sigClickedKeepType(2);
        QCOMPARE(view.messageModel()->totalRows(), 2);
    }

    // An assistive tool toggles a tab rather than clicking it.
    void tabsAnswerAssistiveTools()
    {
        storeWhatsApp();
        WhatsAppChat view(DeviceData::WhatsApp);
        view.setDataList(storedList(DeviceData::WhatsApp));
        QAbstractButton *group = nullptr;
        for (QAbstractButton *button : view.tabBar()->findChildren<QAbstractButton *>())
            if (button->accessibleName() == QStringLiteral("Group message"))
                group = button;
        QVERIFY(group);
        QAccessibleInterface *tab = QAccessible::queryAccessibleInterface(group);
        QVERIFY(tab && tab->actionInterface());
        QSignalSpy changed(view.tabBar(), &CustomTabBar::currentChanged);
        tab->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QTRY_COMPARE(view.currentSessionType(), 2);
        QCOMPARE(shownNames(view), QStringList{"Club"});
        QTest::qWait(20);
        QCOMPARE(changed.count(), 1);
        // A click chooses it once.
        QAbstractButton *individual = view.tabBar()->findChildren<QAbstractButton *>().first();
        individual->click();
        QTest::qWait(20);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(view.currentSessionType(), 0);
    }

    void copyRequestsCarryTheText()
    {
        QuickCatcher catcher;
        appEventReceivers().insert(0, &catcher);
        storeWaList({storeWa(waSession(3, "a@s.whatsapp.net", "A"), {waText("&lt;b&gt;x&lt;/b&gt;", Start)})});
        WhatsAppChat view(DeviceData::WhatsApp);
        view.setDataList(storedList(DeviceData::WhatsApp));
        view.messageModel()->tryToUse(QStringLiteral("copy-message"), QStringLiteral("3|0"));
        view.messageModel()->tryToUse(QStringLiteral("copy-message"), QStringLiteral("30"));
        view.messageModel()->tryToUse(QStringLiteral("copy-message"), QStringLiteral("3|7"));
        view.messageModel()->tryToUse();
        QTRY_COMPARE(catcher.caught.size(), 4);
        appEventReceivers().remove(0);
        auto text = [&](int i) { return catcher.caught.at(i).value<QPair<QString, QVariant>>().second.toString(); };
        QCOMPARE(text(0), QStringLiteral("<b>x</b>"));
        QCOMPARE(text(1), QString());
        QCOMPARE(text(2), QString());
        QVERIFY(!catcher.caught.at(3).isValid());
    }

private:
    class QuickCatcher : public QObject
    {
    public:
        QList<QVariant> caught;

    protected:
        void customEvent(QEvent *event) override
        {
            if (const auto *appEvent = dynamic_cast<const AppEvent *>(event); appEvent && event->type() == 1019)
                caught.append(appEvent->data());
        }
    };
};

QTEST_MAIN(SessionListTest)
#include "sessionlist_test.moc"
