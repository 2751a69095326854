// The message search and the filter modes: what they show, and that they
// never wait, race or write into a view that is gone. Runs under the thread
// checker too.
#include "chatfixtures.h"
#include "chatinit.h"
#include "chatsearchpool.h"
#include "csortfilterproxymodel.h"
#include "itemroles.h"
#include "natsmslistmodel.h"
#include "natsmsmodel.h"
#include "natsmsview.h"
#include "threadpool.h"
#include "widgetkit.h"

#include <QListView>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace ChatFixtures;
using DeviceData::SMSInfo;

namespace
{
    // Ann: an older message holds "pizza"; Bob: the name holds "Pizza";
    // Carol (deleted): her newest holds "pizza"; Dan: nothing; Eve (named
    // "pizza club"): no messages at all.
    void storeFive()
    {
        storeList({storeConversation("ann", "Ann", {text("pizza tonight?", 100), text("ok", 400)}),
                   storeConversation("bob", "Bob Pizza", {text("hi", 200), text("bye", 300)}),
                   storeConversation("carol", "Carol", {text("no", 150), text("PIZZA!", 500)}, true),
                   storeConversation("dan", "Dan", {text("nothing", 600)}),
                   QVariant::fromValue(conversation("eve", "pizza club", {}))});
    }

    QStringList shownKeys(NatSmsView &view)
    {
        QStringList keys;
        for (int row = 0; row < view.proxyModel()->rowCount(); ++row)
            keys << sessionOf(view.proxyModel()->index(row, 0).data()).key;
        return keys;
    }

    DeviceData::SMSSessionInfo shownSession(NatSmsView &view, const QString &key)
    {
        for (int row = 0; row < view.proxyModel()->rowCount(); ++row) {
            const DeviceData::SMSSessionInfo session = sessionOf(view.proxyModel()->index(row, 0).data());
            if (session.key == key)
                return session;
        }
        return {};
    }

    QString previewOf(NatSmsView &view, const QString &key)
    {
        return NatSmsListModel::previewedMessage(shownSession(view, key)).text;
    }

    struct Spies
    {
        explicit Spies(NatSmsView &view)
            : started(&view, &AbstractDataView::started)
            , finished(&view, &AbstractDataView::finish)
            , counts(&view, &AbstractDataView::indexCountChanged)
            , checks(&view, &AbstractDataView::checkStateChanged)
        {
        }
        QSignalSpy started;
        QSignalSpy finished;
        QSignalSpy counts;
        QSignalSpy checks;
    };

    // Waits for the finish and for the pane's rows.
    void waitForSearch(NatSmsView &view, QSignalSpy &finished, int expected = 1)
    {
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), expected, 10000);
        QTRY_VERIFY(!view.messageModel()->isFiltering());
    }

    QStringList paneTexts(NatSmsView &view)
    {
        QStringList texts;
        NatSmsModel *model = view.messageModel();
        for (int row = 1; row < model->rowCount(); row += 2)
            texts << model->index(row).data(NatSmsModel::PlainTextRole).toString();
        return texts;
    }

    // Waits until the pool has run everything handed to it so far.
    void drainPool()
    {
        chatSearchPool().commit([] {}).wait();
    }
}

class SearchTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initChatTests();
    }

    void init() { DeviceParser::instance()->clearAll(); }

    void keywordSearch()
    {
        storeFive();
        NatSmsView view(DeviceData::Messages);
        view.setDataList(storedList());
        Spies spies(view);
        view.search(QStringLiteral("pizza"));
        // It returns at once; the result comes with the finish.
        QCOMPARE(spies.started.count(), 1);
        QVERIFY(view.isSearching());
        waitForSearch(view, spies.finished);
        QCOMPARE(spies.checks.count(), 1);

        // Newest match first: Carol's at 500, Bob's newest at 300 (by his
        // name), Ann's older message at 100. Dan and Eve are hidden.
        QCOMPARE(shownKeys(view), (QStringList{"carol", "bob", "ann"}));
        QCOMPARE(previewOf(view, "ann"), QStringLiteral("pizza tonight?"));
        QCOMPARE(shownSession(view, "ann").time, 100);
        QCOMPARE(previewOf(view, "bob"), QStringLiteral("bye"));
        QCOMPARE(spies.counts.count(), 3);
        QCOMPARE(spies.counts.at(0), (QList<QVariant>{0, 3}));
        QCOMPARE(spies.counts.at(1), (QList<QVariant>{1, 2}));
        QCOMPARE(spies.counts.at(2), (QList<QVariant>{2, 1}));

        // The first is shown with its matching messages only, highlighted.
        QCOMPARE(view.listView()->currentIndex().row(), 0);
        QCOMPARE(paneTexts(view), QStringList{"PIZZA!"});
        QVERIFY(view.messageModel()->index(1).data(NatSmsModel::MessageRole).toString().contains("#558AF8"));

        // Bob's name holds the keyword: all of his messages.
        view.buildMessageRows(view.proxyModel()->index(1, 0));
        QTRY_VERIFY(!view.messageModel()->isFiltering());
        QCOMPARE(paneTexts(view), (QStringList{"hi", "bye"}));
    }

    void emptyKeywordBringsBackEverything()
    {
        storeFive();
        NatSmsView view(DeviceData::Messages);
        view.setDataList(storedList());
        Spies spies(view);
        view.search(QStringLiteral("pizza"));
        waitForSearch(view, spies.finished);
        view.search(QString());
        waitForSearch(view, spies.finished, 2);
        // Every conversation, in the list's order, previewing and sorting by
        // its own last message again.
        QCOMPARE(shownKeys(view), (QStringList{"ann", "bob", "carol", "dan", "eve"}));
        QCOMPARE(previewOf(view, "ann"), QStringLiteral("ok"));
        QCOMPARE(shownSession(view, "ann").time, 400);
        QVERIFY(shownSession(view, "ann").extra.isNull());
        QCOMPARE(paneTexts(view), (QStringList{"pizza tonight?", "ok"}));
        QCOMPARE(spies.started.count(), 2);
    }

    void filterModes_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("deleted, with a keyword") << "pizza" << 2 << QStringList{"carol"};
        QTest::newRow("existing, with a keyword") << "pizza" << 1 << QStringList{"bob", "ann"};
        QTest::newRow("deleted") << "" << 2 << QStringList{"carol"};
        QTest::newRow("existing, newest first") << "" << 1 << QStringList{"dan", "ann", "bob", "eve"};
    }

    void filterModes()
    {
        QFETCH(QString, keyword);
        QFETCH(int, mode);
        QFETCH(QStringList, keys);
        storeFive();
        NatSmsView view(DeviceData::Messages);
        view.setDataList(storedList());
        Spies spies(view);
        view.search(keyword);
        waitForSearch(view, spies.finished);
        spies.counts.clear();
        // The filter applies the search's keyword.
        view.setFilterMode(mode);
        waitForSearch(view, spies.finished, 2);
        QCOMPARE(view.filterMode(), mode);
        QCOMPARE(shownKeys(view), keys);
        QCOMPARE(spies.counts.count(), 0);
        QCOMPARE(spies.started.count(), 2);
    }

    void nothingMatches()
    {
        storeFive();
        NatSmsView view(DeviceData::Messages);
        view.setDataList(storedList());
        QVERIFY(!view.messageModel()->title().isEmpty());
        Spies spies(view);
        view.search(QStringLiteral("sushi"));
        waitForSearch(view, spies.finished);
        QCOMPARE(view.proxyModel()->rowCount(), 0);
        QCOMPARE(view.messageModel()->rowCount(), 0);
        QCOMPARE(view.messageModel()->title(), QString());
        QCOMPARE(spies.counts.at(0), (QList<QVariant>{0, 0}));
    }

    void emptyListFinishesAtOnce()
    {
        NatSmsView view(DeviceData::Messages);
        Spies spies(view);
        view.search(QStringLiteral("x"));
        QCOMPARE(spies.started.count(), 1);
        QCOMPARE(spies.finished.count(), 1);
    }

    void aNewerSearchCancelsTheRunningOne()
    {
        storeFive();
        NatSmsView view(DeviceData::Messages);
        view.setDataList(storedList());
        Spies spies(view);
        view.search(QStringLiteral("pizza"));
        view.search(QStringLiteral("nothing"));
        // The first ended when the second began: every start has its finish.
        QCOMPARE(spies.started.count(), 2);
        QCOMPARE(spies.finished.count(), 1);
        waitForSearch(view, spies.finished, 2);
        drainPool();
        QTest::qWait(50);
        QCOMPARE(spies.finished.count(), 2);
        // The superseded result never came in.
        QCOMPARE(shownKeys(view), QStringList{"dan"});
        QCOMPARE(spies.checks.count(), 1);
    }

    void clearDuringASearch()
    {
        storeFive();
        NatSmsView view(DeviceData::Messages);
        view.setDataList(storedList());
        Spies spies(view);
        view.search(QStringLiteral("pizza"));
        view.clear();
        QCOMPARE(spies.finished.count(), 1);
        QVERIFY(!view.isSearching());
        drainPool();
        QTest::qWait(50);
        QCOMPARE(spies.finished.count(), 1);
        QCOMPARE(view.proxyModel()->rowCount(), 0);
        QCOMPARE(view.messageModel()->rowCount(), 0);
    }

    void aTickDuringASearchStays()
    {
        storeFive();
        NatSmsView view(DeviceData::Messages);
        view.resize(900, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setDataList(storedList());
        view.setCheckEnabled(true);
        Spies spies(view);
        view.search(QStringLiteral("pizza"));
        // Ann's box, ticked while the search runs.
        const int annRow = shownKeys(view).indexOf("ann");
        const QRect row = view.listView()->visualRect(view.proxyModel()->index(annRow, 0));
        QTest::mouseClick(view.listView()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(row.x() + 25, row.center().y()));
        QCOMPARE(view.checkedCount(), 1);
        waitForSearch(view, spies.finished);
        QCOMPARE(DeviceData::checkState(QVariant::fromValue(shownSession(view, "ann"))), 2);
        QCOMPARE(view.shownCheckedCount(), 1);
        QCOMPARE(view.checkState(true), 1);
        // The store got the tick, and none of the search's previews.
        for (const QVariant &record : storedList()) {
            const DeviceData::SMSSessionInfo session = sessionOf(record);
            if (session.key == QLatin1String("ann")) {
                QCOMPARE(DeviceData::checkState(record), 2);
                QCOMPARE(session.lastMessage.value<SMSInfo>().text, QStringLiteral("ok"));
            }
        }
    }

    void destroyedDuringASearch()
    {
        // Enough to keep the pool busy while the view goes.
        QList<QVariant> list;
        QList<SMSInfo> messages;
        for (int i = 0; i < 20000; ++i)
            messages << text(QStringLiteral("message %1").arg(i), i);
        for (int c = 0; c < 40; ++c)
            list << storeConversation(QStringLiteral("k%1").arg(c), QStringLiteral("N%1").arg(c), messages);
        storeList(list);
        for (int round = 0; round < 3; ++round) {
            auto view = std::make_unique<NatSmsView>(DeviceData::Messages);
            view->setDataList(storedList());
            QSignalSpy finished(view.get(), &AbstractDataView::finish);
            view->search(QStringLiteral("not there"));
            if (round == 1)
                QTest::qWait(1);
            view.reset();
            QCOMPARE(finished.count(), 0);
            drainPool();
            QTest::qWait(20);
        }
        // And the pane's filter, for a conversation shown with a keyword.
        auto view = std::make_unique<NatSmsView>(DeviceData::Messages);
        view->setDataList(storedList());
        view->search(QStringLiteral("message 1999"));
        QTRY_VERIFY(view->messageModel()->isFiltering() || !view->isSearching());
        view.reset();
        drainPool();
        QTest::qWait(20);
    }
};

QTEST_MAIN(SearchTest)
#include "search_test.moc"
