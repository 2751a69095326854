#include "filtrationdialog.h"
#include "../widgets/kitstyle.h"
#include "shots.h"
#include "widgetkit.h"
#include "xlabel.h"
#include "xlineedit.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace
{
    QPushButton *buttonOf(FiltrationDialog &dialog, const QString &text)
    {
        for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
            if (button->text() == text)
                return button;
        }
        return nullptr;
    }

    QList<XLineEdit *> dayFields(FiltrationDialog &dialog)
    {
        return dialog.findChildren<XLineEdit *>();
    }

    const QStringList kTimeTexts{"All", "Last 7 Days", "Last Month", "Last three Months", "Last Six Months",
                                 "Last Year", "Custom Range"};

    // The time buttons shown pressed.
    QStringList pressed(FiltrationDialog &dialog)
    {
        QStringList down;
        for (const QString &text : kTimeTexts) {
            if (buttonOf(dialog, text)->isDown())
                down << text;
        }
        return down;
    }

    // The "to" and "days" labels and both fields.
    bool customShown(FiltrationDialog &dialog)
    {
        bool shown = true;
        bool hidden = true;
        QList<QWidget *> widgets;
        for (XLineEdit *edit : dayFields(dialog))
            widgets << edit;
        for (XLabel *label : dialog.findChildren<XLabel *>()) {
            if (label->text() == "to" || label->text() == "days")
                widgets << label;
        }
        if (widgets.size() != 4)
            return false;
        for (QWidget *widget : widgets) {
            shown = shown && widget->isVisibleTo(&dialog);
            hidden = hidden && !widget->isVisibleTo(&dialog);
        }
        // Never half of them.
        if (!shown && !hidden)
            qWarning("the custom range widgets are partly shown");
        return shown;
    }

    void click(FiltrationDialog &dialog, const QString &text)
    {
        QPushButton *button = buttonOf(dialog, text);
        QVERIFY2(button, qPrintable(text));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void showDialog(FiltrationDialog &dialog)
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
}

class FiltrationDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        QVERIFY(useApplicationStyleSheet());
    }

    void eachTimeButtonGivesItsCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        const QList<int> codes{0, 1, 2, 3, 4, 5, 8};
        for (int i = 0; i < kTimeTexts.size(); ++i)
            QTest::newRow(qPrintable(kTimeTexts.at(i))) << kTimeTexts.at(i) << codes.at(i);
    }

    void eachTimeButtonGivesItsCode()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        FiltrationDialog dialog;
        showDialog(dialog);
        QCOMPARE(dialog.choice(), 0);
        QCOMPARE(pressed(dialog), QStringList{"All"});
        QVERIFY(!customShown(dialog));
        // From another choice, so that each button is seen to take over.
        click(dialog, text == "Last Year" ? "Last Month" : "Last Year");
        click(dialog, text);
        QCOMPARE(dialog.choice(), code);
        QCOMPARE(pressed(dialog), QStringList{text});
        QCOMPARE(customShown(dialog), code == 8);
    }

    void leavingTheCustomRangeKeepsItsNumbers()
    {
        FiltrationDialog dialog;
        showDialog(dialog);
        click(dialog, "Custom Range");
        QVERIFY(customShown(dialog));
        const QList<XLineEdit *> fields = dayFields(dialog);
        QCOMPARE(fields.size(), 2);
        QTest::keyClicks(fields.at(0), "3");
        QTest::keyClicks(fields.at(1), "40");
        click(dialog, "Last Year");
        QVERIFY(!customShown(dialog));
        QCOMPARE(dialog.fromDays(), 3);
        QCOMPARE(dialog.toDays(), 40);
        saveShot(&dialog, QStringLiteral("last-year"));
        click(dialog, "Custom Range");
        QCOMPARE(fields.at(0)->text(), QStringLiteral("3"));
        saveShot(&dialog, QStringLiteral("custom-range"));
    }

    void dayFieldsTakeDigitsOnly()
    {
        FiltrationDialog dialog;
        showDialog(dialog);
        click(dialog, "Custom Range");
        const QList<XLineEdit *> fields = dayFields(dialog);
        QCOMPARE(dialog.fromDays(), 0);
        QCOMPARE(dialog.toDays(), 0);
        QTest::keyClicks(fields.at(0), "a1b-2 c");
        QCOMPARE(fields.at(0)->text(), QStringLiteral("12"));
        QCOMPARE(dialog.fromDays(), 12);
        fields.at(1)->setFocus();
        QTest::keyClicks(fields.at(1), "x");
        QVERIFY(fields.at(1)->text().isEmpty());
        QCOMPARE(dialog.toDays(), 0);
    }

    void resetIsSilentAndKeepsTheConfirmedChoice()
    {
        FiltrationDialog dialog;
        showDialog(dialog);
        QSignalSpy filtered(&dialog, &FiltrationDialog::sigFliter);
        click(dialog, "Last Month");
        click(dialog, "OK");
        QCOMPARE(filtered.count(), 1);
        QVERIFY(dialog.isVisible()); // it does not close itself

        click(dialog, "Custom Range");
        QTest::keyClicks(dayFields(dialog).at(0), "9");
        click(dialog, "Reset");
        QCOMPARE(filtered.count(), 1);
        QCOMPARE(dialog.choice(), 0);
        QCOMPARE(pressed(dialog), QStringList{"All"});
        QVERIFY(!customShown(dialog));
        QCOMPARE(dialog.fromDays(), 0);
        for (XLineEdit *field : dayFields(dialog))
            QVERIFY(field->text().isEmpty());

        // Closed without OK: the next showing presents the confirmed choice,
        // and an OK pressed then keeps it.
        dialog.close();
        dialog.restoreChoice();
        showDialog(dialog);
        QCOMPARE(pressed(dialog), QStringList{"Last Month"});
        QCOMPARE(dialog.choice(), 2);
        QCOMPARE(filtered.count(), 1);
        click(dialog, "OK");
        QCOMPARE(dialog.choice(), 2);
    }

    void aConfirmedCustomRangeComesBackWithItsNumbers()
    {
        FiltrationDialog dialog;
        showDialog(dialog);
        click(dialog, "Custom Range");
        QTest::keyClicks(dayFields(dialog).at(0), "5");
        QTest::keyClicks(dayFields(dialog).at(1), "30");
        click(dialog, "OK");
        click(dialog, "Reset");
        click(dialog, "Last 7 Days");
        dialog.close();
        dialog.restoreChoice();
        showDialog(dialog);
        QCOMPARE(pressed(dialog), QStringList{"Custom Range"});
        QVERIFY(customShown(dialog));
        QCOMPARE(dialog.choice(), 8);
        QCOMPARE(dialog.fromDays(), 5);
        QCOMPARE(dialog.toDays(), 30);
    }

    void okTwiceFiltersTwice()
    {
        FiltrationDialog dialog;
        showDialog(dialog);
        QSignalSpy filtered(&dialog, &FiltrationDialog::sigFliter);
        QList<int> choices;
        connect(&dialog, &FiltrationDialog::sigFliter, this, [&] { choices << dialog.choice(); });
        click(dialog, "Last Six Months");
        click(dialog, "OK");
        click(dialog, "OK");
        QCOMPARE(filtered.count(), 2);
        QCOMPARE(choices, (QList<int>{4, 4}));
    }

    void laidOutAsAFixedModalDialog()
    {
        FiltrationDialog dialog;
        QCOMPARE(dialog.size(), QSize(680, 400));
        QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
        for (const QString &text : kTimeTexts + QStringList{"Reset", "OK"})
            QCOMPARE(buttonOf(dialog, text)->size(), QSize(144, 40));
        QCOMPARE(buttonOf(dialog, "Reset")->objectName(), QStringLiteral("ResetButton"));
        QCOMPARE(buttonOf(dialog, "OK")->objectName(), QStringLiteral("ConfirmButton"));
        showDialog(dialog);
        // Two rows of buttons, the first holding four.
        QCOMPARE(buttonOf(dialog, "Last three Months")->y(), buttonOf(dialog, "All")->y());
        QVERIFY(buttonOf(dialog, "Last Six Months")->y() > buttonOf(dialog, "All")->y());
        QVERIFY(buttonOf(dialog, "Custom Range")->y() > buttonOf(dialog, "Last Year")->y());
        for (XLineEdit *field : dayFields(dialog))
            QVERIFY(!field->accessibleName().isEmpty());
        saveShot(&dialog, QStringLiteral("all"));
    }
};

QTEST_MAIN(FiltrationDialogTest)
#include "filtrationdialog_test.moc"
