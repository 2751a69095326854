// The message view as the scan-result page drives it: filling, ticking by
// mouse, keyboard and assistive tools, writing ticks into the record store,
// and clearing.
#include "chatfixtures.h"
#include "chatinit.h"
#include "csortfilterproxymodel.h"
#include "itemroles.h"
#include "natsmsitemdelegate.h"
#include "natsmslistmodel.h"
#include "natsmsmodel.h"
#include "natsmsview.h"
#include "widgetkit.h"

#include <QAccessible>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace ChatFixtures;
using DeviceData::SMSInfo;

namespace
{
    std::unique_ptr<NatSmsView> shownView()
    {
        auto view = std::make_unique<NatSmsView>(DeviceData::Messages);
        view->resize(900, 600);
        view->show();
        if (!QTest::qWaitForWindowExposed(view.get()))
            qFatal("no window");
        return view;
    }

    QString keyAt(NatSmsView &view, int proxyRow)
    {
        return sessionOf(view.proxyModel()->index(proxyRow, 0).data()).key;
    }

    int storedState(const QString &key)
    {
        for (const QVariant &record : storedList())
            if (sessionOf(record).key == key)
                return DeviceData::checkState(record);
        return -1;
    }

    void clickBox(NatSmsView &view, int proxyRow)
    {
        const QRect row = view.listView()->visualRect(view.proxyModel()->index(proxyRow, 0));
        QTest::mouseClick(view.listView()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(row.x() + 25, row.center().y()));
    }
}

class MessageViewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initChatTests();
    }

    void init() { DeviceParser::instance()->clearAll(); }

    void fillsInPagesAndShowsTheFirst()
    {
        storeConversations(250);
        auto view = shownView();
        QSignalSpy changed(view.get(), &AbstractDataView::checkStateChanged);
        view->setDataList(storedList());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(view->proxyModel()->rowCount(), 100);
        QCOMPARE(view->listView()->currentIndex().row(), 0);
        QCOMPARE(view->itemDelegate()->currentRow(), 0);
        QCOMPARE(view->messageModel()->title(), QStringLiteral("To: +15550000000"));
        QCOMPARE(view->messageModel()->index(1).data(NatSmsModel::PlainTextRole).toString(),
                 QStringLiteral("Hello 0"));
        QCOMPARE(view->listView()->accessibleName(), QStringLiteral("Conversations"));

        // Scrolling to the end fetches the next page, then the rest.
        for (int expected : {200, 250}) {
            view->listView()->scrollToBottom();
            QTRY_COMPARE(view->proxyModel()->rowCount(), expected);
        }
        QVERIFY(!view->proxyModel()->canFetchMore(QModelIndex()));
    }

    void choosingARowShowsItsConversation()
    {
        storeConversations(3);
        auto view = shownView();
        view->setDataList(storedList());
        auto shownText = [&] {
            return view->messageModel()->index(1).data(NatSmsModel::PlainTextRole).toString();
        };
        // The mouse.
        const QRect second = view->listView()->visualRect(view->proxyModel()->index(1, 0));
        QTest::mouseClick(view->listView()->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        QCOMPARE(shownText(), QStringLiteral("Hello 1"));
        QCOMPARE(view->itemDelegate()->currentRow(), 1);
        // The arrow keys.
        view->listView()->setFocus();
        QTest::keyClick(view->listView(), Qt::Key_Down);
        QCOMPARE(shownText(), QStringLiteral("Hello 2"));
        // An assistive tool's selection.
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(view->listView());
        QVERIFY(list && list->tableInterface());
        list->tableInterface()->selectRow(0);
        QCOMPARE(shownText(), QStringLiteral("Hello 0"));
        QAccessibleInterface *cell = list->tableInterface()->cellAt(0, 0);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Person 0"));
        QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("2020-09-13 Hello 0"));
    }

    void ticks()
    {
        storeList({storeConversation("+1", "Only", {text("x", 1)})});
        auto view = shownView();
        view->setDataList(storedList());
        QSignalSpy changed(view.get(), &AbstractDataView::checkStateChanged);
        // Not checkable until the scan ends: a click changes nothing.
        QVariant locked = storedList().first();
        DeviceData::setCheckable(locked, false);
        view->setDataList({locked});
        changed.clear();
        clickBox(*view, 0);
        QCOMPARE(view->checkState(false), 0);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(storedState("+1"), 0);

        view->setCheckEnabled(true);
        QVERIFY(view->messageModel()->isEnabled());
        clickBox(*view, 0);
        QCOMPARE(view->checkState(false), 2);
        QCOMPARE(view->checkState(true), 2);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(storedState("+1"), 2);
        // Space ticks the current row as well.
        view->listView()->setFocus();
        QTest::keyClick(view->listView(), Qt::Key_Space);
        QCOMPARE(view->checkState(false), 0);
        QCOMPARE(storedState("+1"), 0);
        QCOMPARE(changed.count(), 2);
    }

    void ticksFollowTheConversationNotTheRow()
    {
        storeConversations(3);
        auto view = shownView();
        view->setDataList(storedList());
        view->setCheckEnabled(true);
        // The scan stores a deleted conversation at the front meanwhile.
        QList<QVariant> stored = storedList();
        stored.prepend(storeConversation("+deleted", "Gone", {text("old", 5)}, true));
        storeList(stored);

        clickBox(*view, 1);
        QCOMPARE(keyAt(*view, 1), QStringLiteral("+15550000001"));
        QCOMPARE(storedState("+15550000001"), 2);
        QCOMPARE(storedState("+deleted"), 0);
        QCOMPARE(storedState("+15550000000"), 0);

        // Ticking all writes the store's own list: the newcomer stays in it.
        view->setAllChecked(2, false, true);
        QCOMPARE(storedList().size(), 4);
        for (const QVariant &record : storedList())
            QCOMPARE(DeviceData::checkState(record), 2);
        QCOMPARE(view->checkedCount(), 3);
    }

    void tickAllCounts()
    {
        QList<QVariant> list = storeConversations(10);
        // The proxy shows four of them.
        for (int i = 0; i < list.size(); ++i) {
            DeviceData::SMSSessionInfo session = sessionOf(list.at(i));
            session.valid = i < 4;
            list[i] = QVariant::fromValue(session);
        }
        auto view = shownView();
        view->setDataList(list);
        view->setCheckEnabled(true);
        QCOMPARE(view->proxyModel()->rowCount(), 4);
        view->setAllChecked(2, false, true);
        QCOMPARE(view->checkedCount(), 10);
        QCOMPARE(view->shownCheckedCount(), 4);
        QCOMPARE(view->checkState(false), 2);
        view->setAllChecked(0, true, true);
        QCOMPARE(view->checkedCount(), 6);
        QCOMPARE(view->shownCheckedCount(), 0);
        QCOMPARE(view->checkState(false), 1);
        QCOMPARE(view->checkState(true), 0);
        // Only the shown ones were unticked in the store.
        int ticked = 0;
        for (const QVariant &record : storedList())
            ticked += DeviceData::checkState(record) == 2 ? 1 : 0;
        QCOMPARE(ticked, 6);
    }

    void listOperations()
    {
        QList<QVariant> list = storeConversations(3);
        auto view = shownView();
        view->setDataList(list);
        // A record changed by the store, found by its key.
        DeviceData::SMSSessionInfo renamed = sessionOf(list.at(2));
        renamed.displayName = QStringLiteral("Renamed");
        view->updateItem(renamed.key, QVariant::fromValue(renamed));
        QCOMPARE(view->listModel()->records().at(2).value<DeviceData::SMSSessionInfo>().displayName,
                 QStringLiteral("Renamed"));
        view->updateItem(QStringLiteral("nobody"), QVariant::fromValue(renamed));
        // Shown again newest first; the conversation on show stays current.
        QCOMPARE(view->messageModel()->title(), QStringLiteral("To: +15550000000"));
        view->resetMessages();
        QCOMPARE(keyAt(*view, 0), QStringLiteral("+15550000002"));
        QCOMPARE(view->itemDelegate()->currentRow(), 2);
        QCOMPARE(view->listView()->currentIndex().row(), 2);
        // A whole list, all of it shown.
        view->setMessageList(storeConversations(150));
        QCOMPARE(view->proxyModel()->rowCount(), 150);
        view->appendItem(storeConversation("+new", "New", {text("n", 1)}));
        QCOMPARE(view->listModel()->recordCount(), 151);
    }

    void clearEmptiesEverything()
    {
        storeConversations(5);
        auto view = shownView();
        view->setDataList(storedList());
        view->setCheckEnabled(true);
        clickBox(*view, 0);
        view->clear();
        QCOMPARE(view->proxyModel()->rowCount(), 0);
        QCOMPARE(view->messageModel()->rowCount(), 0);
        QCOMPARE(view->messageModel()->title(), QString());
        QCOMPARE(view->itemDelegate()->keyword(), QString());
        QCOMPARE(view->filterMode(), 0);
        QCOMPARE(view->checkState(false), 0);
    }

    void exportFromThePane()
    {
        storeList({storeConversation("+1", "Ann",
                                     {attachment(DeviceData::ImageKind, "cat.jpg", 1, "/files/cat.jpg", "/t.jpg")})});
        auto view = shownView();
        view->setDataList(storedList());
        QSignalSpy exported(view.get(), &NatSmsView::exported);
        view->messageModel()->exportFile(QStringLiteral("/files/cat.jpg"), QStringLiteral("cat.jpg"));
        QCOMPARE(exported.count(), 1);
        QCOMPARE(exported.first(), (QList<QVariant>{"/files/cat.jpg", "cat.jpg"}));
    }
};

QTEST_MAIN(MessageViewTest)
#include "messageview_test.moc"
