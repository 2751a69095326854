#include "devicedata.h"
#include "flowsinit.h"
#include "flowstyle.h"
#include "shots.h"
#include "typeselectionview.h"
#include "typeselectstartingpage.h"
#include "widgetkit.h"

#include <QAccessible>
#include <QCheckBox>
#include <QListView>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

namespace
{
    const QVector<int> kDefaultIds {16, 32, 1, 2, 4, 512, 4096, 2048, 8, 128, 8192, 16384, 32768, 65536, 0x20000, 0x40000};

    int stateOf(const TypeSelectionView *view, int row)
    {
        return view->model()->item(row)->data(Qt::DisplayRole).value<Vx::DataItemInfo>().checkState;
    }

    QPoint cardCentre(const TypeSelectionView *view, int row)
    {
        return view->listView()->visualRect(view->model()->index(row, 0)).center();
    }

    void clickCard(TypeSelectionView *view, int row)
    {
        QTest::mouseClick(view->listView()->viewport(), Qt::LeftButton, Qt::NoModifier, cardCentre(view, row));
    }

    QList<bool> emitted(const QSignalSpy &spy)
    {
        QList<bool> values;
        for (const QList<QVariant> &arguments : spy)
            values << arguments.at(0).toBool();
        return values;
    }
}

class TypeSelectionTest : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<TypeSelectStartingPage> page;

    // Runs "X" (Select ALL), "S" (System Data), "A" (Third-party App Data),
    // "s<row>" and "a<row>" (a card of either grid), comma-separated.
    void play(const QString &steps)
    {
        for (const QString &step : steps.split(',', Qt::SkipEmptyParts)) {
            if (step == "X")
                QTest::mouseClick(page->selectAllBox(), Qt::LeftButton);
            else if (step == "S")
                QTest::mouseClick(page->systemBox(), Qt::LeftButton);
            else if (step == "A")
                QTest::mouseClick(page->appBox(), Qt::LeftButton);
            else
                clickCard(step.startsWith('s') ? page->systemView() : page->appView(), step.mid(1).toInt());
        }
    }

    QString boxStates() const
    {
        return QStringLiteral("%1%2%3")
            .arg(page->selectAllBox()->checkState())
            .arg(page->systemBox()->checkState())
            .arg(page->appBox()->checkState());
    }

private slots:
    void initTestCase()
    {
        initWidgetKit();
        initFlows();
        useApplicationStyleSheet();
    }

    void init()
    {
        page.reset(new TypeSelectStartingPage);
        page->resize(1080, 560);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.data()));
    }

    void cleanup() { page.reset(); }

    void startsWithSixteenCategoriesInOrder()
    {
        QCOMPARE(page->selectedItems(), kDefaultIds);
        QCOMPARE(boxStates(), QStringLiteral("112"));
        QVERIFY(page->isAnySelected());
        QCOMPARE(page->systemView()->model()->rowCount(), 13);
        QCOMPARE(page->appView()->model()->rowCount(), 6);
        saveShot(page.data(), "default");
    }

    void boxesAndCardsFollowEachOther_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("boxes"); // Select ALL, System Data, Third-party App Data
        QTest::addColumn<int>("selected");
        QTest::addColumn<QList<bool>>("announced");
        // Select ALL applies both groups, each telling its state.
        QTest::newRow("select all from partial") << "X" << "222" << 19 << QList<bool> {true, true};
        QTest::newRow("select all twice") << "X,X" << "000" << 0 << QList<bool> {true, true, false, false};
        QTest::newRow("select all three times")
            << "X,X,X" << "222" << 19 << QList<bool> {true, true, false, false, true, true};
        QTest::newRow("system from partial") << "S" << "222" << 19 << QList<bool> {true};
        QTest::newRow("system twice") << "S,S" << "102" << 6 << QList<bool> {true, true};
        QTest::newRow("apps off") << "A" << "110" << 10 << QList<bool> {true};
        QTest::newRow("apps off and on") << "A,A" << "112" << 16 << QList<bool> {true, true};
        QTest::newRow("the three unchecked cards") << "s10,s11,s12" << "222" << 19 << QList<bool> {true, true, true};
        QTest::newRow("one card after none")
            << "X,X,s0" << "110" << 1 << QList<bool> {true, true, false, false, true};
        QTest::newRow("one card, then its group")
            << "X,X,s0,S" << "120" << 13 << QList<bool> {true, true, false, false, true, true};
        QTest::newRow("the last app card") << "A,a5" << "111" << 11 << QList<bool> {true, true};
        QTest::newRow("every app card off by hand")
            << "a0,a1,a2,a3,a4,a5" << "110" << 10 << QList<bool> {true, true, true, true, true, true};
    }

    void boxesAndCardsFollowEachOther()
    {
        QFETCH(QString, steps);
        QFETCH(QString, boxes);
        QFETCH(int, selected);
        QFETCH(QList<bool>, announced);
        QSignalSpy spy(page.data(), &TypeSelectStartingPage::sigSelectState);
        play(steps);
        QCOMPARE(boxStates(), boxes);
        QCOMPARE(page->selectedItems().size(), selected);
        QCOMPARE(emitted(spy), announced);
        QCOMPARE(page->isAnySelected(), page->selectAllBox()->checkState() != Qt::Unchecked);
    }

    // The ten checked system cards one by one: the group ends unchecked, the
    // whole stays partial while the apps are checked, and only the apps'
    // group turns the choice into nothing.
    void uncheckingEverySystemCard()
    {
        QSignalSpy spy(page.data(), &TypeSelectStartingPage::sigSelectState);
        for (int row = 0; row < 10; ++row) {
            clickCard(page->systemView(), row);
            QCOMPARE(page->systemBox()->checkState(), row < 9 ? Qt::PartiallyChecked : Qt::Unchecked);
            QCOMPARE(page->selectAllBox()->checkState(), Qt::PartiallyChecked);
        }
        QCOMPARE(emitted(spy), QVector<bool>(10, true).toList());
        QCOMPARE(page->selectedItems(), kDefaultIds.mid(10));
        QTest::mouseClick(page->appBox(), Qt::LeftButton);
        QCOMPARE(boxStates(), QStringLiteral("000"));
        QCOMPARE(emitted(spy).last(), false);
        QVERIFY(!page->isAnySelected());
        QVERIFY(page->selectedItems().isEmpty());
    }

    void onlyALeftClickEndingOnTheCardToggles()
    {
        TypeSelectionView *view = page->systemView();
        QWidget *viewport = view->listView()->viewport();
        QSignalSpy changes(view, &TypeSelectionView::checkStateChanged);
        QSignalSpy clicks(view, &TypeSelectionView::clicked);
        const QPoint photos = cardCentre(view, 0);

        QTest::mouseClick(viewport, Qt::RightButton, Qt::NoModifier, photos);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, photos);
        QCOMPARE(stateOf(view, 0), int(Qt::Checked));
        // Ends on another card.
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, cardCentre(view, 1));
        // Ends where there is no card: right of the second row's last one.
        QPoint empty = cardCentre(view, 12) + QPoint(145, 0);
        QVERIFY(!view->listView()->indexAt(empty).isValid());
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, photos);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, empty);
        QCOMPARE(stateOf(view, 0), int(Qt::Checked));
        QCOMPARE(stateOf(view, 1), int(Qt::Checked));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(clicks.count(), 0);

        clickCard(view, 0);
        QCOMPARE(stateOf(view, 0), int(Qt::Unchecked));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.at(0), (QList<QVariant> {0, int(Qt::Unchecked)}));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).toInt(), 16);
    }

    void showAnalyzingMakesTheBarBusy()
    {
        QVERIFY(!page->isAnalyzingShown());
        page->showAnalyzing(true);
        QVERIFY(page->isAnalyzingShown());
        const QProgressBar *bar = page->findChild<QProgressBar *>();
        QVERIFY(bar);
        QCOMPARE(bar->maximum(), 0);
        saveShot(page.data(), "analyzing");
        page->showAnalyzing(false);
        QVERIFY(!page->isAnalyzingShown());
        QCOMPARE(bar->maximum(), 100);
    }

    // Assistive tools see each card as a checkable list item named by its
    // category; their Toggle is the card's click, and a group box's Toggle
    // is its click too (Qt's own toggles without clicked()).
    void assistiveToolsTickCardsAndGroups()
    {
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(page->systemView()->listView());
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), 13);
        QAccessibleInterface *contacts = list->child(2);
        QVERIFY(contacts);
        QCOMPARE(contacts->role(), QAccessible::ListItem);
        QCOMPARE(contacts->text(QAccessible::Name), QStringLiteral("Contacts"));
        QCOMPARE(list->indexOfChild(contacts), 2);
        QVERIFY(contacts->state().checkable);
        QVERIFY(contacts->state().checked);
        QVERIFY(!contacts->state().invisible);
        QVERIFY(!list->child(12)->state().checked); // FaceTime
        QVERIFY(contacts->actionInterface());
        QCOMPARE(contacts->actionInterface()->actionNames(), QStringList {QAccessibleActionInterface::toggleAction()});

        QSignalSpy spy(page.data(), &TypeSelectStartingPage::sigSelectState);
        contacts->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QTRY_COMPARE(stateOf(page->systemView(), 2), int(Qt::Unchecked));
        QVERIFY(!contacts->state().checked);
        QVERIFY(!page->selectedItems().contains(1));
        QCOMPARE(spy.count(), 1);

        QAccessibleInterface *apps = QAccessible::queryAccessibleInterface(page->appBox());
        QVERIFY(apps);
        QCOMPARE(apps->role(), QAccessible::CheckBox);
        QCOMPARE(apps->text(QAccessible::Name), QStringLiteral("Third-party App Data"));
        QVERIFY(apps->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        apps->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QTRY_COMPARE(page->appBox()->checkState(), Qt::Unchecked);
        for (int row = 0; row < 6; ++row)
            QCOMPARE(stateOf(page->appView(), row), int(Qt::Unchecked));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(QAccessible::queryAccessibleInterface(page->selectAllBox())->text(QAccessible::Name),
                 QStringLiteral("Select ALL"));
    }
};

QTEST_MAIN(TypeSelectionTest)
#include "typeselection_test.moc"
