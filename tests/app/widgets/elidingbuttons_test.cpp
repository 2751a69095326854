// Fixed-size push buttons in a language whose words are longer than the
// English ones: the text is drawn elided, the whole text is the tool tip and
// the accessible name.
#include "elidingbuttons.h"
#include "widgetkit.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

class ElidingButtonsTest : public QObject
{
    Q_OBJECT

    static QImage drawn(QPushButton *button)
    {
        return button->grab().toImage();
    }

private slots:
    void initTestCase()
    {
        initWidgetKit();
        // As the program dresses its buttons.
        qApp->setStyleSheet(QStringLiteral("QPushButton { border: 1px solid #4C84FF; border-radius: 4px;"
                                           " font-size: 14px; color: #4C84FF; }"));
    }

    void textThatFitsIsLeftAlone()
    {
        QPushButton button(QStringLiteral("Back"));
        button.setFixedSize(154, 36);
        QCOMPARE(ElidingButtons::shownText(&button), QStringLiteral("Back"));
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), QPoint(5, 5));
        QCoreApplication::sendEvent(&button, &help);
        QVERIFY(!QToolTip::isVisible());
    }

    void longTextIsElidedAndWholeInItsToolTip()
    {
        const QString text = QStringLiteral("Datenwiederherstellung jetzt beginnen");
        QPushButton button(text);
        button.setFixedSize(154, 36);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        const QString shown = ElidingButtons::shownText(&button);
        QVERIFY2(shown.endsWith(QChar(0x2026)) && shown.size() < text.size(), qPrintable(shown));

        // Drawn as a button that holds the elided text.
        QPushButton same(shown);
        same.setFixedSize(154, 36);
        same.show();
        QVERIFY(QTest::qWaitForWindowExposed(&same));
        QCOMPARE(drawn(&button), drawn(&same));

        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button.mapToGlobal(QPoint(5, 5)));
        QVERIFY(QCoreApplication::sendEvent(&button, &help));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), text);
        QToolTip::hideText();

        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&button);
        QCOMPARE(accessible->text(QAccessible::Name), text);
    }

    void aToolTipOfItsOwnIsKept()
    {
        QPushButton button(QStringLiteral("Datenwiederherstellung jetzt beginnen"));
        button.setFixedSize(154, 36);
        button.setToolTip(QStringLiteral("Startet die Wiederherstellung"));
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button.mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(&button, &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("Startet die Wiederherstellung"));
        QToolTip::hideText();
    }
};

QTEST_MAIN(ElidingButtonsTest)
#include "elidingbuttons_test.moc"
