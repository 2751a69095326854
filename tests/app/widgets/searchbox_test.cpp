#include "searchbox.h"
#include "shots.h"
#include "widgetkit.h"
#include "xlineedit.h"
#include "xpushbutton.h"

#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

namespace
{
    XLineEdit *editOf(SearchBox *box)
    {
        return box->findChild<XLineEdit *>();
    }

    XPushButton *buttonNamed(SearchBox *box, const QString &name)
    {
        for (XPushButton *button : box->findChildren<XPushButton *>()) {
            if (button->accessibleName() == name)
                return button;
        }
        return nullptr;
    }
}

class SearchBoxTest : public QObject
{
    Q_OBJECT

private:
    QWidget *m_window = nullptr;
    SearchBox *m_box = nullptr;
    QLineEdit *m_other = nullptr;

private slots:
    void initTestCase() { initWidgetKit(); }

    void init()
    {
        m_window = new QWidget;
        m_box = new SearchBox(m_window);
        m_box->setFixedSize(200, 32);
        m_other = new QLineEdit(m_window);
        auto *layout = new QVBoxLayout(m_window);
        layout->addWidget(m_box);
        layout->addWidget(m_other);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        editOf(m_box)->setFocus();
        QTRY_VERIFY(editOf(m_box)->hasFocus());
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
    }

    void namedForAssistiveTools()
    {
        QCOMPARE(editOf(m_box)->accessibleName(), QStringLiteral("Search"));
        QCOMPARE(editOf(m_box)->placeholderText(), QStringLiteral("Search"));
        QVERIFY(buttonNamed(m_box, QStringLiteral("Search")));
        QVERIFY(buttonNamed(m_box, QStringLiteral("Clear")));
        saveShot(m_box, QStringLiteral("searchbox-empty"));
    }

    void returnAndTheButtonSearch()
    {
        QSignalSpy searched(m_box, &SearchBox::textChanged);
        QTest::keyClicks(editOf(m_box), QStringLiteral("anna"));
        QCOMPARE(searched.count(), 0); // typing alone does not search
        saveShot(m_box, QStringLiteral("searchbox-typed"));
        QTest::keyClick(editOf(m_box), Qt::Key_Return);
        QCOMPARE(searched.count(), 1);
        QCOMPARE(searched.takeFirst().first().toString(), QStringLiteral("anna"));
        QTest::mouseClick(buttonNamed(m_box, QStringLiteral("Search")), Qt::LeftButton);
        QCOMPARE(searched.count(), 1);
        QCOMPARE(searched.takeFirst().first().toString(), QStringLiteral("anna"));
    }

    void deletingToEmptySearchesOnce()
    {
        QTest::keyClicks(editOf(m_box), QStringLiteral("abc"));
        QSignalSpy searched(m_box, &SearchBox::textChanged);
        QTest::keyClick(editOf(m_box), Qt::Key_Backspace);
        QTest::keyClick(editOf(m_box), Qt::Key_Backspace);
        QCOMPARE(searched.count(), 0);
        QTest::keyClick(editOf(m_box), Qt::Key_Backspace);
        QCOMPARE(searched.count(), 1);
        QCOMPARE(searched.first().first().toString(), QString());
        QTest::keyClick(editOf(m_box), Qt::Key_Backspace); // nothing left to delete
        QCOMPARE(searched.count(), 1);
    }

    void clearButtonOnlyWithText()
    {
        XPushButton *clear = buttonNamed(m_box, QStringLiteral("Clear"));
        QVERIFY(!clear->isVisible());
        QTest::keyClicks(editOf(m_box), QStringLiteral("x"));
        QVERIFY(clear->isVisible());
        QSignalSpy searched(m_box, &SearchBox::textChanged);
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(m_box->text(), QString());
        QVERIFY(!clear->isVisible());
        QCOMPARE(searched.count(), 1);
        QCOMPARE(searched.first().first().toString(), QString());
    }

    void tabStaysInTheField()
    {
        QTest::keyClicks(editOf(m_box), QStringLiteral("ab"));
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Tab);
        QVERIFY(editOf(m_box)->hasFocus());
        QCOMPARE(m_box->text(), QStringLiteral("ab"));
        // Shift+Tab still leaves it, so the keyboard is never caught.
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_VERIFY(!editOf(m_box)->hasFocus());
    }

    void inputCanBeDisabled()
    {
        m_box->setInputEnabled(false);
        QVERIFY(!editOf(m_box)->isEnabled());
        for (XPushButton *button : m_box->findChildren<XPushButton *>())
            QVERIFY(!button->isEnabled());
        m_box->setInputEnabled(true);
        QVERIFY(editOf(m_box)->isEnabled());
    }
};

QTEST_MAIN(SearchBoxTest)
#include "searchbox_test.moc"
