#include "ctoolbar.h"
#include "kitstyle.h"
#include "searchbox.h"
#include "shots.h"
#include "widgetkit.h"
#include "xcombobox.h"
#include "xprogressbar.h"
#include "xpushbutton.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using Control = QPair<int, QString>; // accessible role, name
Q_DECLARE_METATYPE(QList<Control>)

namespace
{
    // Role and name of every visible control below iface, left to right.
    void collectControls(QAccessibleInterface *iface, QList<Control> &out)
    {
        static const QList<QAccessible::Role> roles {QAccessible::Button, QAccessible::PushButton,
                                                     QAccessible::ComboBox, QAccessible::CheckBox,
                                                     QAccessible::EditableText, QAccessible::ProgressBar};
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface *child = iface->child(i);
            if (!child || child->state().invisible)
                continue;
            if (roles.contains(child->role())) {
                out << Control(child->role(), child->text(QAccessible::Name));
                if (child->role() == QAccessible::ComboBox)
                    continue; // its list is part of it
            }
            collectControls(child, out);
        }
    }

    QList<Control> controlsOf(CToolBar *bar)
    {
        QList<Control> controls;
        collectControls(QAccessible::queryAccessibleInterface(bar), controls);
        return controls;
    }

    void runDeferredDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    int progressOf(CToolBar *bar)
    {
        XProgressBar *progress = bar->findChild<XProgressBar *>();
        return progress ? progress->value() : -1;
    }

    void tick(CToolBar *bar)
    {
        QVERIFY(QMetaObject::invokeMethod(bar, "onProgressTick"));
    }

    QStringList entriesOf(CToolBar *bar)
    {
        QStringList texts;
        if (auto *selector = bar->findChild<XComboBox *>(); selector) {
            for (int i = 0; i < selector->count(); ++i)
                texts << selector->itemText(i);
        }
        return texts;
    }
}

class CToolBarTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        QVERIFY(useApplicationStyleSheet());
    }

    void controlsOfEachType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<Control>>("controls");
        QTest::addColumn<bool>("checkAll");
        const Control progress(QAccessible::ProgressBar, QString());
        const Control stop(QAccessible::Button, "Stop");
        const Control show(QAccessible::ComboBox, "Show");
        const Control selectAll(QAccessible::CheckBox, "Select All");
        const Control filter(QAccessible::Button, "Filter");
        const Control searchField(QAccessible::EditableText, "Search");
        const Control searchButton(QAccessible::Button, "Search");
        const Control type(QAccessible::ComboBox, "Type");
        QList<Control> typeButtons;
        for (int i = 1; i <= 5; ++i)
            typeButtons << Control(QAccessible::CheckBox, QStringLiteral("Type %1").arg(i)); // toggles
        QTest::newRow("0 scanning") << 0 << QList<Control> {progress, stop} << false;
        QTest::newRow("1") << 1 << QList<Control> {show, selectAll, filter} << true;
        QTest::newRow("2") << 2 << QList<Control> {show, searchField, searchButton} << false;
        QTest::newRow("3") << 3 << QList<Control> {show, selectAll, searchField, searchButton} << true;
        QTest::newRow("4") << 4 << QList<Control> {show, searchField, searchButton} << false;
        QTest::newRow("5") << 5 << (typeButtons + QList<Control> {selectAll, searchField, searchButton}) << true;
        QTest::newRow("6") << 6 << QList<Control> {show, type, selectAll, searchField, searchButton} << true;
        QTest::newRow("9: empty") << 9 << QList<Control>() << false;
    }

    void controlsOfEachType()
    {
        QFETCH(int, type);
        QFETCH(QList<Control>, controls);
        QFETCH(bool, checkAll);
        CToolBar bar;
        bar.resize(900, 48);
        bar.setBarType(3); // a page to replace
        bar.setBarType(type);
        runDeferredDeletes();
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QCOMPARE(bar.height(), 48);
        QCOMPARE(bar.barType(), type);
        QCOMPARE(controlsOf(&bar), controls);
        QCOMPARE(bar.hasCheckAll(), checkAll);
        if (type == 9 || type == 0)
            QCOMPARE(bar.currentIndex(), -1);
        else
            QCOMPARE(bar.currentIndex(), 0);

        if (type != 9) {
            bar.setTypeCount(0, 1284);
            bar.setTypeCount(1, 1200);
            bar.setTypeCount(2, 84);
        }
        if (type == 0) {
            bar.startScanning();
            bar.setProgressValue(288000);
        }
        QCoreApplication::processEvents(); // the layout follows the new texts
        saveShot(&bar, QStringLiteral("toolbar-type-%1").arg(type));
    }

    void selectorSaysItsNameAndValue()
    {
        CToolBar bar;
        bar.setBarType(1);
        bar.setTypeCount(0, 42);
        auto *selector = bar.findChild<XComboBox *>();
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(selector);
        QCOMPARE(face->role(), QAccessible::ComboBox);
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Show"));
        QCOMPARE(face->text(QAccessible::Value), QStringLiteral("Show All (42)"));
        QCOMPARE(face->childCount(), 1);
        QCOMPARE(face->child(0)->role(), QAccessible::List);
        QCOMPARE(face->indexOfChild(face->child(0)), 0);

        // A box without a name of its own is named by its text, as Qt does.
        XComboBox plain;
        plain.addItem(QStringLiteral("Photos"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&plain)->text(QAccessible::Name), QStringLiteral("Photos"));
    }

    void typeCountChangesOneEntry()
    {
        CToolBar bar;
        bar.setBarType(1);
        QCOMPARE(entriesOf(&bar), QStringList({"Show All (0)", "Show Existing (0)", "Show Deleted (0)"}));
        bar.setTypeCount(0, 12);
        bar.setTypeCount(1, 7);
        bar.setTypeCount(2, 5);
        QCOMPARE(entriesOf(&bar), QStringList({"Show All (12)", "Show Existing (7)", "Show Deleted (5)"}));
        bar.setTypeCount(2, 6);
        QCOMPARE(entriesOf(&bar), QStringList({"Show All (12)", "Show Existing (7)", "Show Deleted (6)"}));
        bar.setTypeCount(3, 99); // no such entry
        bar.resetUI();
        QCOMPARE(entriesOf(&bar), QStringList({"Show All (12)", "Show Existing (7)", "Show Deleted (6)"}));
    }

    void checkAllClick_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("partially checked") << int(Qt::PartiallyChecked) << int(Qt::Checked);
        QTest::newRow("unchecked") << int(Qt::Unchecked) << int(Qt::Checked);
        QTest::newRow("checked") << int(Qt::Checked) << int(Qt::Unchecked);
    }

    void checkAllClick()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        CToolBar bar;
        bar.setBarType(3);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy clicked(&bar, &CToolBar::checkAllClicked);
        bar.setCheckState(before);
        QCOMPARE(clicked.count(), 0);
        QCheckBox *box = bar.findChild<QCheckBox *>();
        QCOMPARE(int(box->checkState()), before);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        QCOMPARE(int(box->checkState()), after);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().toInt(), after);
    }

    void tickSteps_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("bound");
        QTest::newRow("start") << 0 << 7200;
        QTest::newRow("20 %") << 144000 << 7200;
        QTest::newRow("above 20 %") << 144001 << 2400;
        QTest::newRow("50 %") << 360000 << 2400;
        QTest::newRow("70 %") << 504000 << 1200;
        QTest::newRow("90 %") << 648000 << 240;
        QTest::newRow("past 90 %") << 648001 << 24;
        QTest::newRow("near the end") << 700000 << 24;
    }

    void tickSteps()
    {
        QFETCH(int, value);
        QFETCH(int, bound);
        CToolBar bar;
        bar.setBarType(0);
        QSet<int> steps;
        for (int i = 0; i < 200; ++i) {
            bar.setProgressValue(value);
            tick(&bar);
            const int step = progressOf(&bar) - value;
            QVERIFY2(step >= 0 && step < bound, qPrintable(QString::number(step)));
            steps << step;
            if (i % 20 == 19)
                QTest::qWait(3); // the random numbers are seeded from the clock's milliseconds
        }
        QVERIFY(steps.size() > 1);
    }

    void tickStartsOverAtTheEnd()
    {
        CToolBar bar;
        bar.setBarType(0);
        bar.setProgressValue(CToolBar::ProgressMaximum);
        tick(&bar);
        QCOMPARE(progressOf(&bar), 0);
        // Just below the end a step either stays below it or starts over.
        for (int i = 0; i < 50; ++i) {
            bar.setProgressValue(CToolBar::ProgressMaximum - 1);
            tick(&bar);
            QVERIFY(progressOf(&bar) == 0 || progressOf(&bar) == CToolBar::ProgressMaximum - 1);
        }
    }

    void startAndStopScanning()
    {
        CToolBar bar;
        QSignalSpy stopped(&bar, &CToolBar::scanningStopped);
        bar.resize(900, 48);
        bar.setBarType(0);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        bar.startScanning();
        QVERIFY(bar.isScanning());
        auto *progress = bar.findChild<XProgressBar *>();
        auto *stop = bar.findChild<XPushButton *>();
        QCOMPARE(progress->value(), 0);
        QVERIFY(progress->isVisible());
        QVERIFY(stop->isVisible());
        // The timer moves it on by itself.
        QTRY_VERIFY_WITH_TIMEOUT(progress->value() > 0, 5000);

        QTest::mouseClick(stop, Qt::LeftButton);
        QCOMPARE(stopped.count(), 1);

        bar.stopScanning();
        QVERIFY(!bar.isScanning());
        QCOMPARE(progress->value(), CToolBar::ProgressMaximum);
        QCOMPARE(progress->labelText(), QStringLiteral("100.0%"));
        QVERIFY(progress->isVisible());
        QVERIFY(!stop->isVisible());
        QCoreApplication::processEvents();
        saveShot(&bar, QStringLiteral("toolbar-stopped"));
        QTest::qWait(1200); // no tick after the stop
        QCOMPARE(progress->value(), CToolBar::ProgressMaximum);

        bar.hideScanWidgets();
        QVERIFY(!progress->isVisible());
    }

    void hideScanWidgetsEmptiesTheSearch()
    {
        CToolBar bar;
        bar.setBarType(2);
        QSignalSpy searched(&bar, &CToolBar::searched);
        auto *box = bar.findChild<SearchBox *>();
        box->setText(QStringLiteral("mum"));
        QCOMPARE(searched.count(), 0);
        bar.hideScanWidgets();
        QCOMPARE(searched.count(), 1);
        QCOMPARE(searched.first().first().toString(), QString());
        QCOMPARE(box->text(), QString());
        bar.hideScanWidgets(); // already empty: no second search
        QCOMPARE(searched.count(), 1);
    }

    void controlsReachTheBarSignals()
    {
        CToolBar bar;
        QSignalSpy index(&bar, &CToolBar::currentIndexChanged);
        QSignalSpy filter(&bar, &CToolBar::filterClicked);
        QSignalSpy typeIndex(&bar, &CToolBar::typeIndexChanged);
        QSignalSpy searched(&bar, &CToolBar::searched);

        bar.setBarType(1);
        bar.setCurrentIndex(2);
        QCOMPARE(bar.currentIndex(), 2);
        QCOMPARE(index.takeFirst().first().toInt(), 2);
        QTest::mouseClick(bar.findChild<XPushButton *>(), Qt::LeftButton);
        QCOMPARE(filter.count(), 1);

        bar.setBarType(5);
        QList<XPushButton *> buttons = bar.findChildren<XPushButton *>();
        QList<XPushButton *> typeButtons;
        for (XPushButton *button : buttons) {
            if (button->isCheckable())
                typeButtons << button;
        }
        QCOMPARE(typeButtons.size(), 5);
        QCOMPARE(bar.currentIndex(), 0);
        typeButtons.at(3)->click();
        QCOMPARE(bar.currentIndex(), 3);
        QCOMPARE(index.takeLast().first().toInt(), 3);
        bar.setSearchEnabled(false);
        QVERIFY(!bar.findChild<QLineEdit *>()->isEnabled());

        bar.setBarType(6);
        runDeferredDeletes();
        const QList<XComboBox *> selectors = bar.findChildren<XComboBox *>();
        QCOMPARE(selectors.size(), 2);
        XComboBox *second = selectors.at(1);
        second->addItems({QStringLiteral("Photos"), QStringLiteral("Videos")});
        typeIndex.clear();
        second->setCurrentIndex(1);
        QCOMPARE(typeIndex.count(), 1);
        QCOMPARE(typeIndex.first().first().toInt(), 1);
        // Only the page's own controls speak for the bar.
        QCOMPARE(searched.count(), 0);
    }

    void aControlMayChangeThePageItSitsOn()
    {
        CToolBar bar;
        bar.setBarType(1);
        // The owner answers the selector by choosing another page, whose
        // build replaces the selector that is still sending.
        connect(&bar, &CToolBar::currentIndexChanged, &bar, [&bar](int index) { bar.setBarType(index == 1 ? 2 : 3); });
        QSignalSpy index(&bar, &CToolBar::currentIndexChanged);
        bar.setCurrentIndex(1);
        QCOMPARE(index.count(), 1);
        QCOMPARE(bar.barType(), 2);
        runDeferredDeletes();
        QCOMPARE(bar.findChildren<XComboBox *>().size(), 1);
        QCOMPARE(bar.currentIndex(), 0);
        bar.setCurrentIndex(2);
        QCOMPARE(bar.barType(), 3);
        runDeferredDeletes();
        QCOMPARE(bar.findChildren<XComboBox *>().size(), 1);
    }
};

QTEST_MAIN(CToolBarTest)
#include "ctoolbar_test.moc"
