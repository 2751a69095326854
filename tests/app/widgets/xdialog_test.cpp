#include "shots.h"
#include "widgetkit.h"
#include "xdialog.h"
#include "ximagebox.h"
#include "xlabel.h"
#include "xpushbutton.h"

#include <QGraphicsDropShadowEffect>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWindow>
#include <QtTest>

namespace
{
    QWidget *panelOf(XDialog *dialog)
    {
        return dialog->findChild<QWidget *>(QStringLiteral("shadowWidget"));
    }

    QColor shadowOf(XDialog *dialog)
    {
        auto *effect = qobject_cast<QGraphicsDropShadowEffect *>(panelOf(dialog)->graphicsEffect());
        return effect ? effect->color() : QColor();
    }

    XPushButton *closeButtonOf(XDialog *dialog)
    {
        return dialog->findChild<XPushButton *>(QStringLiteral("TitleCloseButton"));
    }

    // A press, one move by delta and a release, through the window as a
    // real mouse would come.
    void drag(QWidget *window, const QPoint &from, const QPoint &delta)
    {
        QWindow *handle = window->windowHandle();
        const QPoint end = handle->mapToGlobal(from) + delta;
        QTest::mousePress(handle, Qt::LeftButton, {}, from);
        QTest::mouseMove(handle, from + delta);
        // Released where the pointer went, wherever the window is now.
        QTest::mouseRelease(handle, Qt::LeftButton, {}, handle->mapFromGlobal(end));
    }
}

class XDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initWidgetKit(); }

    void builtAsTheBaseOfTheFamily()
    {
        XDialog dialog;
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
        QWidget *panel = panelOf(&dialog);
        QVERIFY(panel);
        QVERIFY(panel->hasMouseTracking());
        QCOMPARE(panel->styleSheet(), QStringLiteral("QWidget#shadowWidget {  background-color: #ffffff;  border: 1 "
                                                     "solid #ffffff;  border-radius: 8px;}"));
        auto *effect = qobject_cast<QGraphicsDropShadowEffect *>(panel->graphicsEffect());
        QVERIFY(effect);
        QCOMPARE(effect->color(), QColor(88, 88, 88));
        QCOMPARE(effect->blurRadius(), 10.0);
        QCOMPARE(effect->offset(), QPointF(0, 0));
        QCOMPARE(dialog.layout()->contentsMargins(), QMargins(10, 10, 10, 10));
        XPushButton *close = closeButtonOf(&dialog);
        QVERIFY(close);
        QCOMPARE(close->size(), QSize(25, 25));
        QCOMPARE(close->paintMode(), int(XPushButton::HoverImageMode));
        QVERIFY(dialog.contentWidget());
        QVERIFY(panel->isAncestorOf(dialog.contentWidget()));
    }

    void borderStyleSheets_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("radius");
        QTest::addColumn<QString>("sheet");
        QTest::newRow("all three") << 2.0 << QColor(Qt::red) << 12
                                   << "QWidget#shadowWidget {  background-color: #ffffff;  border: 2 solid #ff0000;  border-radius: 12px;}";
        QTest::newRow("width only: radius -1, invalid colour") << 1.5 << QColor() << -1
                                   << "QWidget#shadowWidget {  background-color: #ffffff;  border: 1.5 solid #ffffff;  border-radius: 8px;}";
        QTest::newRow("zero width and radius") << 0.0 << QColor(0, 0, 255) << 0
                                   << "QWidget#shadowWidget {  background-color: #ffffff;  border: 0 solid #0000ff;  border-radius: 0px;}";
    }

    void borderStyleSheets()
    {
        QFETCH(double, width);
        QFETCH(QColor, color);
        QFETCH(int, radius);
        QFETCH(QString, sheet);
        XDialog dialog;
        dialog.setBorder(width, color, radius);
        QCOMPARE(panelOf(&dialog)->styleSheet(), sheet);
    }

    void backgroundColour()
    {
        XDialog dialog;
        dialog.setBorder(3, QColor(0, 0, 255), 4);
        dialog.setBackgroundColor(QColor(245, 247, 251));
        QCOMPARE(panelOf(&dialog)->styleSheet(), QStringLiteral("QWidget#shadowWidget {  background-color: #f5f7fb;  "
                                                                "border: 3 solid #0000ff;  border-radius: 4px;}"));
    }

    void shadowFollowsActivation_data()
    {
        QTest::addColumn<bool>("tracking");
        QTest::addColumn<QColor>("inactive");
        QTest::newRow("tracking on") << true << QColor(176, 176, 176);
        QTest::newRow("tracking off") << false << QColor(88, 88, 88);
    }

    void shadowFollowsActivation()
    {
        QFETCH(bool, tracking);
        QFETCH(QColor, inactive);
        XDialog dialog;
        dialog.setTrackActivation(tracking);
        dialog.resize(300, 200);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(shadowOf(&dialog), QColor(88, 88, 88));

        QWidget other;
        other.resize(100, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_COMPARE(shadowOf(&dialog), inactive);

        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTRY_COMPARE(shadowOf(&dialog), QColor(88, 88, 88));
    }

    void shadowColoursTakeEffect()
    {
        XDialog dialog;
        dialog.setTrackActivation(true);
        dialog.resize(300, 200);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));

        dialog.setInactiveShadowColor(QColor(10, 20, 30));
        QCOMPARE(shadowOf(&dialog), QColor(88, 88, 88)); // only at the next deactivation
        dialog.setActiveShadowColor(QColor(1, 2, 3));
        QCOMPARE(shadowOf(&dialog), QColor(1, 2, 3)); // at once

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_COMPARE(shadowOf(&dialog), QColor(10, 20, 30));
    }

    void dragsFromEmptyPlaces_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("moves");
        QTest::newRow("empty content") << "content" << true;
        QTest::newRow("title bar") << "title" << true;
        QTest::newRow("title text") << "label" << true;
        QTest::newRow("close button") << "close" << false;
    }

    void dragsFromEmptyPlaces()
    {
        QFETCH(QString, where);
        QFETCH(bool, moves);
        XDialog dialog;
        dialog.setTitle(QStringLiteral("Backup"));
        dialog.resize(400, 300);
        dialog.move(100, 100);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy finished(&dialog, &QDialog::finished);

        QWidget *target = dialog.contentWidget();
        if (where == "title")
            target = closeButtonOf(&dialog)->parentWidget();
        else if (where == "label")
            target = dialog.findChild<XLabel *>();
        else if (where == "close")
            target = closeButtonOf(&dialog);
        QPoint from = target->mapTo(&dialog, target->rect().center());
        if (where == "title")
            from = target->mapTo(&dialog, QPoint(target->width() - 60, target->height() / 2));

        const QPoint start = dialog.pos();
        drag(&dialog, from, QPoint(-30, 20));
        QCOMPARE(dialog.pos(), moves ? start + QPoint(-30, 20) : start);
        QVERIFY(dialog.isVisible());
        QCOMPARE(finished.count(), 0);
    }

    void closeButtonCloses()
    {
        XDialog dialog;
        dialog.resize(300, 200);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy finished(&dialog, &QDialog::finished);
        closeButtonOf(&dialog)->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Rejected));
    }

    void titleIcon_data()
    {
        QTest::addColumn<QString>("second");
        QTest::newRow("missing file") << "/nonexistent/icon.png";
        QTest::newRow("empty path") << "";
    }

    void titleIcon()
    {
        QFETCH(QString, second);
        XDialog dialog;
        auto *icon = dialog.findChild<XImageBox *>();
        QVERIFY(icon->isHidden());
        dialog.setTitleIcon(QStringLiteral(":/Images/question.png"));
        QVERIFY(!icon->isHidden());
        QCOMPARE(icon->pixmap().size(), QSize(50, 50)); // unscaled, drawn centred
        dialog.setTitleIcon(second);
        QVERIFY(icon->isHidden());
    }

    void titleAndWindowTitle()
    {
        XDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Quenrow (iOS)"));
        dialog.setTitle(QStringLiteral("<b>iPhone</b> of Anna"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("<b>iPhone</b> of Anna"));
        auto *label = dialog.findChild<XLabel *>();
        QCOMPARE(label->text(), QStringLiteral("<b>iPhone</b> of Anna"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        dialog.setTitle(QString());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Quenrow (iOS)"));
        QCOMPARE(label->text(), QString());
        dialog.setTitleBarVisible(false);
        QVERIFY(closeButtonOf(&dialog)->parentWidget()->isHidden());
    }

    void shot()
    {
        XDialog dialog;
        dialog.setTitle(QStringLiteral("Decrypting backup"));
        auto *layout = new QVBoxLayout(dialog.contentWidget());
        auto *text = new XLabel(QStringLiteral("The content widget holds what a subclass lays out."));
        text->setWordWrap(true);
        layout->addWidget(text);
        dialog.resize(420, 180);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!saveShot(&dialog, QStringLiteral("xdialog")).isEmpty());
    }
};

QTEST_MAIN(XDialogTest)
#include "xdialog_test.moc"
