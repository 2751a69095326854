#include "closebutton.h"
#include "fdialog.h"
#include "kitstyle.h"
#include "modaldriver.h"
#include "shots.h"
#include "widgetkit.h"

#include <QAccessible>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>
#include <QtTest>

namespace
{
    // A dialog of the family as the flows build them: a text, a line edit
    // and a default button in the content widget.
    class SampleDialog : public FDialog
    {
    public:
        SampleDialog()
        {
            auto *text = new QLabel(QStringLiteral("Enter the backup password"), m_contentWidget);
            m_edit = new QLineEdit(m_contentWidget);
            m_button = new QPushButton(QStringLiteral("OK"), m_contentWidget);
            m_button->setObjectName(QStringLiteral("OkButton"));
            m_button->setFixedSize(100, 35);
            m_button->setDefault(true);
            connect(m_button, &QPushButton::clicked, this, [this] { done(1); });
            auto *layout = new QVBoxLayout(m_contentWidget);
            layout->setContentsMargins(30, 10, 30, 20);
            layout->addWidget(text);
            layout->addWidget(m_edit);
            layout->addStretch();
            layout->addWidget(m_button, 0, Qt::AlignRight);
        }

        QWidget *content() const { return m_contentWidget; }
        QWidget *panel() const { return m_shadowWidget; }
        CloseButton *closeButton() const { return m_closeButton; }
        QLineEdit *edit() const { return m_edit; }

    private:
        QLineEdit *m_edit = nullptr;
        QPushButton *m_button = nullptr;
    };

    QColor shadowOf(SampleDialog *dialog)
    {
        auto *effect = qobject_cast<QGraphicsDropShadowEffect *>(dialog->panel()->graphicsEffect());
        return effect ? effect->color() : QColor();
    }
}

class FDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        QVERIFY(useApplicationStyleSheet());
    }

    void cleanup() { QCOMPARE(ModalDriver::pending(), 0); }

    void builtAsTheBaseOfTheSmallDialogs()
    {
        SampleDialog dialog;
        QCOMPARE(dialog.size(), QSize(500, 263));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Quenrow (iOS)"));
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(shadowOf(&dialog), QColor(88, 88, 88));
        QCOMPARE(dialog.closeButton()->objectName(), QStringLiteral("TitleCloseButton"));
        QCOMPARE(dialog.closeButton()->accessibleName(), QStringLiteral("Close"));
        // The panel fills the window but for the band the shadow falls into.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.panel()->geometry(), QRect(10, 10, 480, 243));
        QCOMPARE(dialog.content()->y(), 38);
        saveShot(&dialog, QStringLiteral("fdialog"));
    }

    void keysLeaveItOpen_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }

    void keysLeaveItOpen()
    {
        QFETCH(int, key);
        SampleDialog dialog;
        bool stayed = false;
        ModalDriver::onNext<SampleDialog>([&stayed, key](SampleDialog *shown) {
            // As the keyboard sends it: to the window, whose focus is in
            // the line edit; then to the dialog itself.
            shown->edit()->setFocus();
            QTest::keyClick(shown->windowHandle(), Qt::Key(key));
            QTest::keyClick(shown, Qt::Key(key));
            QCoreApplication::processEvents();
            stayed = shown->isVisible();
            shown->done(7);
        });
        QCOMPARE(dialog.exec(), 7);
        QVERIFY(stayed);
    }

    void keysStillReachItsLineEdit()
    {
        SampleDialog dialog;
        ModalDriver::onNext<SampleDialog>([](SampleDialog *shown) {
            shown->edit()->setFocus();
            QTest::keyClicks(shown->edit(), QStringLiteral("secret"));
            QTest::keyClick(shown->edit(), Qt::Key_Return);
            QTest::keyClick(shown->edit(), Qt::Key_Escape);
            QCoreApplication::processEvents();
            if (shown->isVisible())
                shown->done(7);
        });
        QCOMPARE(dialog.exec(), 7);
        QCOMPARE(dialog.edit()->text(), QStringLiteral("secret"));
    }

    void closeButtonGives255_data()
    {
        QTest::addColumn<bool>("assistive");
        QTest::newRow("mouse") << false;
        QTest::newRow("assistive Press") << true;
    }

    void closeButtonGives255()
    {
        QFETCH(bool, assistive);
        SampleDialog dialog;
        ModalDriver::onNext<SampleDialog>([assistive](SampleDialog *shown) {
            CloseButton *close = shown->closeButton();
            if (assistive) {
                QAccessibleInterface *face = QAccessible::queryAccessibleInterface(close);
                QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Close"));
                face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            } else {
                QTest::mouseClick(close, Qt::LeftButton);
            }
        });
        QCOMPARE(dialog.exec(), 255);
    }

    void dragMovesByTheCursor_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("moves");
        QTest::newRow("empty content area") << "content" << true;
        QTest::newRow("title bar") << "title" << true;
        QTest::newRow("close button") << "close" << false;
    }

    void dragMovesByTheCursor()
    {
        QFETCH(QString, where);
        QFETCH(bool, moves);
        SampleDialog dialog;
        dialog.move(200, 150);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        QPoint from;
        if (where == "content")
            from = dialog.content()->mapTo(&dialog, QPoint(dialog.content()->width() / 2, 8));
        else if (where == "title")
            from = dialog.panel()->mapTo(&dialog, QPoint(200, 19));
        else
            from = dialog.closeButton()->mapTo(&dialog, dialog.closeButton()->rect().center());
        QVERIFY(!qobject_cast<QLineEdit *>(dialog.childAt(from)));

        const QPoint start = dialog.pos();
        QWindow *window = dialog.windowHandle();
        const QPoint delta(-45, 30);
        const QPoint endGlobal = window->mapToGlobal(from) + delta;
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QTest::mouseMove(window, from + delta);
        QTest::mouseRelease(window, Qt::LeftButton, {}, window->mapFromGlobal(endGlobal));
        QTRY_COMPARE(dialog.pos(), moves ? start + delta : start);
        QVERIFY(dialog.isVisible());
    }

    void shadowFollowsActivation()
    {
        SampleDialog dialog;
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(shadowOf(&dialog), QColor(88, 88, 88));

        QWidget other;
        other.resize(100, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_COMPARE(shadowOf(&dialog), QColor(176, 176, 176));
        saveShot(&dialog, QStringLiteral("fdialog-inactive"));

        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTRY_COMPARE(shadowOf(&dialog), QColor(88, 88, 88));
    }

    void aSubclassSizesItself()
    {
        SampleDialog dialog;
        dialog.setFixedSize(680, 300);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.size(), QSize(680, 300));
        QCOMPARE(dialog.panel()->size(), QSize(660, 280));
    }
};

QTEST_MAIN(FDialogTest)
#include "fdialog_test.moc"
