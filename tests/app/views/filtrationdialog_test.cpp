#include "filtrationdialog.h"
#include "widgetkit.h"
#include "xlineedit.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace
{
    QPushButton *button(FiltrationDialog &dialog, const QString &text)
    {
        for (QPushButton *candidate : dialog.findChildren<QPushButton *>()) {
            if (candidate->text() == text)
                return candidate;
        }
        return nullptr;
    }

    QList<XLineEdit *> fields(FiltrationDialog &dialog)
    {
        return dialog.findChildren<XLineEdit *>();
    }
}

class FiltrationDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initWidgetKit(); }

    void eachButtonHasItsCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("All") << "All" << 0;
        QTest::newRow("Last 7 Days") << "Last 7 Days" << 1;
        QTest::newRow("Last Month") << "Last Month" << 2;
        QTest::newRow("Last three Months") << "Last three Months" << 3;
        QTest::newRow("Last Six Months") << "Last Six Months" << 4;
        QTest::newRow("Last Year") << "Last Year" << 5;
        QTest::newRow("Custom Range") << "Custom Range" << 8;
    }

    void eachButtonHasItsCode()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        FiltrationDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.size(), QSize(680, 400));
        QVERIFY(button(dialog, "All")->isDown());
        QPushButton *pressed = button(dialog, text);
        QVERIFY(pressed);
        QCOMPARE(pressed->objectName(), QStringLiteral("TimerButton"));
        QTest::mouseClick(pressed, Qt::LeftButton);
        QCOMPARE(dialog.choice(), code);
        for (QPushButton *other : dialog.findChildren<QPushButton *>()) {
            if (other->objectName() == QStringLiteral("TimerButton"))
                QCOMPARE(other->isDown(), other == pressed);
        }
        QCOMPARE(fields(dialog).first()->isVisible(), code == FiltrationDialog::CustomRange);
    }

    void theDayFieldsTakeDigitsOnly()
    {
        FiltrationDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.fromDays(), 0);
        QCOMPARE(dialog.toDays(), 0);
        QTest::mouseClick(button(dialog, "Custom Range"), Qt::LeftButton);
        QTest::keyClicks(fields(dialog).at(0), QStringLiteral("1a2"));
        QTest::keyClicks(fields(dialog).at(1), QStringLiteral("x"));
        QCOMPARE(dialog.fromDays(), 12);
        QCOMPARE(dialog.toDays(), 0);
        // Another choice hides the range but keeps what was typed.
        QTest::mouseClick(button(dialog, "Last Year"), Qt::LeftButton);
        QVERIFY(!fields(dialog).at(0)->isVisible());
        QCOMPARE(dialog.fromDays(), 12);
        QTest::mouseClick(button(dialog, "Custom Range"), Qt::LeftButton);
        QCOMPARE(fields(dialog).at(0)->text(), QStringLiteral("12"));
    }

    void resetIsSilentAndKeepsTheFilterInForce()
    {
        FiltrationDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy applied(&dialog, &FiltrationDialog::sigFliter);
        QTest::mouseClick(button(dialog, "Last Month"), Qt::LeftButton);
        QTest::mouseClick(button(dialog, "OK"), Qt::LeftButton);
        QTest::mouseClick(button(dialog, "OK"), Qt::LeftButton);
        QCOMPARE(applied.count(), 2);
        QCOMPARE(dialog.choice(), 2);
        QTest::mouseClick(button(dialog, "Custom Range"), Qt::LeftButton);
        QTest::keyClicks(fields(dialog).at(0), QStringLiteral("4"));
        QTest::mouseClick(button(dialog, "Reset"), Qt::LeftButton);
        QCOMPARE(applied.count(), 2);
        QCOMPARE(dialog.choice(), 0);
        QCOMPARE(dialog.fromDays(), 0);
        QVERIFY(button(dialog, "All")->isDown());
        QVERIFY(!fields(dialog).at(0)->isVisible());
        dialog.close();
        // Opened again, it shows the choice of the last OK.
        dialog.restoreChoice();
        dialog.show();
        QVERIFY(button(dialog, "Last Month")->isDown());
    }
};

QTEST_MAIN(FiltrationDialogTest)
#include "filtrationdialog_test.moc"
