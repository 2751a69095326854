#include "kitstyle.h"
#include "oneclickwidget.h"
#include "shots.h"
#include "widgetkit.h"
#include "ximagebox.h"
#include "xlabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

namespace
{
    // The home page: it counts the presses that its cards pass on.
    class HomePage : public QWidget
    {
    public:
        int presses = 0;

    protected:
        void mousePressEvent(QMouseEvent *event) override
        {
            ++presses;
            event->accept();
        }
    };

    OneClickWidget *makeCard(int kind, QWidget *parent)
    {
        auto *card = new OneClickWidget(kind, parent);
        const QPixmap logo(QStringLiteral(":/Images/app_logo_128.png"));
        card->setIcon(logo.scaled(80, 80, Qt::KeepAspectRatio, Qt::SmoothTransformation), QSize(80, 80));
        card->setTitle(QStringLiteral("Recover Data from iOS Device"));
        card->setDescription(QStringLiteral("Scan the phone or tablet connected to this computer"));
        return card;
    }

    QPoint centreIn(QWidget *window, QWidget *widget)
    {
        return widget->mapTo(window, widget->rect().center());
    }
}

class OneClickWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        QVERIFY(useApplicationStyleSheet());
    }

    void layoutKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("pictureAbove");
        QTest::newRow("0 tall") << 0 << true;
        QTest::newRow("2 compact") << 2 << true;
        QTest::newRow("other: a row") << 5 << false;
    }

    void layoutKinds()
    {
        QFETCH(int, kind);
        QFETCH(bool, pictureAbove);
        HomePage page;
        page.resize(kind == 5 ? 520 : 340, kind == 0 ? 420 : 260);
        OneClickWidget *card = makeCard(kind, &page);
        card->setGeometry(page.rect().adjusted(10, 10, -10, -10));
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto *picture = card->findChild<XImageBox *>();
        const QList<XLabel *> labels = card->findChildren<XLabel *>();
        XLabel *title = labels.first();
        QCOMPARE(title->text(), card->title());
        const QRect pictureRect(picture->mapTo(card, QPoint()), picture->size());
        const QRect titleRect(title->mapTo(card, QPoint()), title->size());
        if (pictureAbove)
            QVERIFY(pictureRect.bottom() < titleRect.top());
        else
            QVERIFY(pictureRect.right() < titleRect.left());
        QCOMPARE(picture->size(), QSize(80, 80));
        saveShot(&page, QStringLiteral("card-kind-%1").arg(kind));
    }

    void clicks_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left press and release") << "left" << 1;
        QTest::newRow("press, move out, release") << "out" << 0;
        QTest::newRow("right button") << "right" << 0;
        QTest::newRow("disabled") << "disabled" << 0;
    }

    void clicks()
    {
        QFETCH(QString, gesture);
        QFETCH(int, clicks);
        HomePage page;
        page.resize(500, 400);
        OneClickWidget *card = makeCard(2, &page);
        card->setGeometry(50, 50, 300, 260);
        card->setEnabled(gesture != "disabled");
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy clicked(card, &OneClickWidget::clicked);

        QWindow *window = page.windowHandle();
        const QPoint inside = centreIn(&page, card);
        const Qt::MouseButton button = gesture == "right" ? Qt::RightButton : Qt::LeftButton;
        QTest::mousePress(window, button, {}, inside);
        if (gesture == "out") {
            QVERIFY(card->isPressed());
            QTest::mouseMove(window, QPoint(450, 380));
            QTest::mouseRelease(window, button, {}, QPoint(450, 380));
        } else {
            QTest::mouseRelease(window, button, {}, inside);
        }
        QCOMPARE(clicked.count(), clicks);
        QVERIFY(!card->isPressed());
        // A disabled card passes the press on to the page.
        QCOMPARE(page.presses, gesture == "disabled" ? 1 : 0);
    }

    void hoverChangesTheLook_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::newRow("enabled") << true;
        QTest::newRow("disabled") << false;
    }

    void hoverChangesTheLook()
    {
        QFETCH(bool, enabled);
        HomePage page;
        page.resize(400, 340);
        OneClickWidget *card = makeCard(2, &page);
        card->setGeometry(40, 40, 300, 260);
        card->setEnabled(enabled);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy entered(card, &OneClickWidget::entered);
        QSignalSpy left(card, &OneClickWidget::leaved);
        const QString normalSheet = card->styleSheet();

        QWindow *window = page.windowHandle();
        QTest::mouseMove(window, QPoint(6, 7));
        QTest::mouseMove(window, centreIn(&page, card));
        QTRY_COMPARE(entered.count(), 1);
        QVERIFY(card->isHovered());
        QVERIFY(card->styleSheet().contains(QLatin1String("qlineargradient")));
        saveShot(&page, enabled ? QStringLiteral("card-hovered") : QStringLiteral("card-disabled-hovered"));

        QTest::mouseMove(window, QPoint(5, 5));
        QTRY_COMPARE(left.count(), 1);
        QVERIFY(!card->isHovered());
        QCOMPARE(card->styleSheet(), normalSheet);
        saveShot(&page, enabled ? QStringLiteral("card-normal") : QStringLiteral("card-disabled"));
    }

    void assistivePressClicksOnceAfterTheLoop()
    {
        HomePage page;
        OneClickWidget *card = makeCard(0, &page);
        QSignalSpy clicked(card, &OneClickWidget::clicked);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(card);
        QCOMPARE(face->role(), QAccessible::Button);
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Recover Data from iOS Device"));
        QCOMPARE(face->text(QAccessible::Description),
                 QStringLiteral("Scan the phone or tablet connected to this computer"));
        card->setTitle(QStringLiteral("Recover from iTunes Backup"));
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Recover from iTunes Backup"));

        QAccessibleActionInterface *actions = face->actionInterface();
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.count(), 0); // queued: a modal exec() never runs inside the assistive call
        QCoreApplication::processEvents();
        QCOMPARE(clicked.count(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(clicked.count(), 1);

        card->setEnabled(false);
        QVERIFY(!actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QVERIFY(face->state().disabled);
        card->click();
        QCOMPARE(clicked.count(), 1);
    }

    void aPictureWithoutSizeKeepsTheBox()
    {
        OneClickWidget card(2);
        card.setIcon(QPixmap(QStringLiteral(":/Images/app_logo_128.png")), QSize(90, 90));
        auto *picture = card.findChild<XImageBox *>();
        QCOMPARE(picture->size(), QSize(90, 90));
        card.setIcon(QPixmap(QStringLiteral(":/Images/information.png")), QSize());
        QCOMPARE(picture->size(), QSize(90, 90));
        QCOMPARE(picture->pixmap().size(), QSize(50, 50));
        card.setIconPath(QStringLiteral(":/Images/question.png"), QSize(-1, 40));
        QCOMPARE(picture->size(), QSize(90, 90));
    }
};

QTEST_MAIN(OneClickWidgetTest)
#include "oneclickwidget_test.moc"
