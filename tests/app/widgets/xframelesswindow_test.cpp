#include "widgetkit.h"
#include "xframelesswindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWindow>
#include <QtTest>

Q_DECLARE_METATYPE(Qt::Edges)

// The screen-change handler is protected; the main window calls it through
// its window's signal, a test calls it directly.
class ProbeWindow : public XFramelessWindow
{
    Q_OBJECT

public:
    using XFramelessWindow::onScreenChanged;
};

// A window laid out as the main window is: a title bar with a caption label
// and a button above the pages.
class CaptionedWindow : public XFramelessWindow
{
    Q_OBJECT

public:
    CaptionedWindow()
    {
        auto *central = new QWidget;
        auto *layout = new QVBoxLayout(central);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        bar = new QWidget;
        bar->setFixedHeight(40);
        auto *barLayout = new QHBoxLayout(bar);
        barLayout->setContentsMargins(16, 5, 15, 5);
        caption = new QLabel(QStringLiteral("Quenrow (iOS)"));
        button = new QPushButton(QStringLiteral("Menu"));
        barLayout->addWidget(caption);
        barLayout->addStretch();
        barLayout->addWidget(button);
        page = new QWidget;
        layout->addWidget(bar);
        layout->addWidget(page, 1);
        setCentralWidget(central);
        setTitleBar(bar);
        resize(400, 300);
        move(200, 150);
    }

    QWidget *bar;
    QLabel *caption;
    QPushButton *button;
    QWidget *page;
};

namespace
{
    QPoint centreIn(QWidget *window, QWidget *child)
    {
        return child->mapTo(window, child->rect().center());
    }

    // Press at from, move by delta, release where the pointer went.
    void drag(QWidget *window, const QPoint &from, const QPoint &delta)
    {
        QWindow *handle = window->windowHandle();
        const QPoint end = handle->mapToGlobal(from) + delta;
        QTest::mousePress(handle, Qt::LeftButton, {}, from);
        QTest::mouseMove(handle, from + delta);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, handle->mapFromGlobal(end));
    }
}

class XFramelessWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initWidgetKit(); }

    void hitTest_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("resizeable");
        QTest::addColumn<bool>("widthFree");
        QTest::addColumn<bool>("heightFree");
        QTest::addColumn<Qt::Edges>("edges");
        const QRect w(100, 50, 400, 300); // right edge 500, bottom 350, exclusive
        const Qt::Edges none;
        QTest::newRow("inside") << w << QPoint(300, 200) << true << true << true << none;
        QTest::newRow("left strip") << w << QPoint(100, 200) << true << true << true << Qt::Edges(Qt::LeftEdge);
        QTest::newRow("left strip, last pixel") << w << QPoint(104, 200) << true << true << true << Qt::Edges(Qt::LeftEdge);
        QTest::newRow("just past the left strip") << w << QPoint(105, 200) << true << true << true << none;
        QTest::newRow("right strip") << w << QPoint(495, 200) << true << true << true << Qt::Edges(Qt::RightEdge);
        QTest::newRow("right, outside the window") << w << QPoint(500, 200) << true << true << true << none;
        QTest::newRow("top") << w << QPoint(300, 54) << true << true << true << Qt::Edges(Qt::TopEdge);
        QTest::newRow("bottom") << w << QPoint(300, 345) << true << true << true << Qt::Edges(Qt::BottomEdge);
        QTest::newRow("top left") << w << QPoint(102, 52) << true << true << true << (Qt::TopEdge | Qt::LeftEdge);
        QTest::newRow("top right") << w << QPoint(499, 50) << true << true << true << (Qt::TopEdge | Qt::RightEdge);
        QTest::newRow("bottom left") << w << QPoint(100, 349) << true << true << true << (Qt::BottomEdge | Qt::LeftEdge);
        QTest::newRow("bottom right") << w << QPoint(497, 347) << true << true << true << (Qt::BottomEdge | Qt::RightEdge);
        QTest::newRow("fixed width: no left") << w << QPoint(100, 200) << true << false << true << none;
        QTest::newRow("fixed width: top stays") << w << QPoint(300, 50) << true << false << true << Qt::Edges(Qt::TopEdge);
        QTest::newRow("fixed width: a corner is only its top") << w << QPoint(100, 50) << true << false << true << Qt::Edges(Qt::TopEdge);
        QTest::newRow("fixed height: a corner is only its side") << w << QPoint(499, 349) << true << true << false << Qt::Edges(Qt::RightEdge);
        QTest::newRow("fixed size: nothing") << w << QPoint(100, 50) << true << false << false << none;
        QTest::newRow("not resizeable") << w << QPoint(100, 50) << false << true << true << none;
        QTest::newRow("not resizeable, edge") << w << QPoint(300, 349) << false << true << true << none;
        // A window narrower than two strips: the later test wins.
        QTest::newRow("tiny: right wins over left") << QRect(0, 0, 8, 100) << QPoint(4, 50) << true << true << true << Qt::Edges(Qt::RightEdge);
        QTest::newRow("tiny: top wins over bottom") << QRect(0, 0, 100, 8) << QPoint(50, 4) << true << true << true << Qt::Edges(Qt::TopEdge);
        // At a scale of 1.5 a 100-pixel window is 150 physical pixels; the
        // strip stays 5 physical pixels, not 7.5.
        QTest::newRow("dpr 1.5: in the strip") << QRect(0, 0, 150, 150) << QPoint(4, 75) << true << true << true << Qt::Edges(Qt::LeftEdge);
        QTest::newRow("dpr 1.5: past the strip") << QRect(0, 0, 150, 150) << QPoint(6, 75) << true << true << true << none;
        QTest::newRow("dpr 1.5: right strip") << QRect(0, 0, 150, 150) << QPoint(146, 75) << true << true << true << Qt::Edges(Qt::RightEdge);
    }

    void hitTest()
    {
        QFETCH(QRect, window);
        QFETCH(QPoint, point);
        QFETCH(bool, resizeable);
        QFETCH(bool, widthFree);
        QFETCH(bool, heightFree);
        QFETCH(Qt::Edges, edges);
        QCOMPARE(XFramelessWindow::hitTest(window, point, 5, resizeable, widthFree, heightFree), edges);
    }

    void theCaptionMovesTheWindow_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("captionWidget");
        QTest::addColumn<bool>("moves");
        QTest::newRow("empty title bar") << "bar" << false << true;
        QTest::newRow("a label in the bar") << "caption" << false << false;
        QTest::newRow("a label named a caption widget") << "caption" << true << true;
        QTest::newRow("a button in the bar") << "button" << false << false;
        QTest::newRow("the page below") << "page" << false << false;
    }

    void theCaptionMovesTheWindow()
    {
        QFETCH(QString, where);
        QFETCH(bool, captionWidget);
        QFETCH(bool, moves);
        CaptionedWindow window;
        if (captionWidget)
            window.addCaptionWidget(window.caption);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(window.button, &QPushButton::clicked);

        QPoint from = centreIn(&window, window.page);
        if (where == "bar")
            from = window.bar->mapTo(&window, QPoint(200, 20));
        else if (where == "caption")
            from = centreIn(&window, window.caption);
        else if (where == "button")
            from = centreIn(&window, window.button);
        const QPoint start = window.pos();
        drag(&window, from, QPoint(40, 25));
        QCOMPARE(window.pos(), moves ? start + QPoint(40, 25) : start);
        QCOMPARE(window.size(), QSize(400, 300));

        if (where == "button") {
            // The button keeps its click.
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, from);
            QCOMPARE(clicks.count(), 1);
        }
    }

    void withoutATitleBarOnlyTheStripsAreSpecial()
    {
        XFramelessWindow window;
        auto *central = new QPushButton(QStringLiteral("Everything"));
        window.setCentralWidget(central);
        window.resize(300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(central, &QPushButton::clicked);
        const QPoint start = window.pos();
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(150, 100));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(window.pos(), start);
        // A press in a strip goes to the window, not to the button under it.
        drag(&window, QPoint(298, 100), QPoint(20, 0));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(window.width(), 320);
    }

    void stripsResize_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QRect>("expected"); // relative to the start geometry
        QTest::newRow("right") << QPoint(398, 150) << QPoint(30, 10) << QRect(0, 0, 430, 300);
        QTest::newRow("bottom") << QPoint(200, 297) << QPoint(10, 25) << QRect(0, 0, 400, 325);
        QTest::newRow("left") << QPoint(1, 150) << QPoint(20, 0) << QRect(20, 0, 380, 300);
        QTest::newRow("top left") << QPoint(1, 1) << QPoint(-10, -15) << QRect(-10, -15, 410, 315);
        QTest::newRow("left, down to the minimum") << QPoint(1, 150) << QPoint(250, 0) << QRect(100, 0, 300, 300);
    }

    void stripsResize()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, delta);
        QFETCH(QRect, expected);
        CaptionedWindow window;
        window.setMinimumSize(300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect start = window.geometry();
        drag(&window, from, delta);
        QCOMPARE(window.geometry(), expected.translated(start.topLeft()));
    }

    void stripsShowTheirCursor_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("fixedWidth");
        QTest::addColumn<int>("shape");
        QTest::newRow("left") << QPoint(1, 150) << false << int(Qt::SizeHorCursor);
        QTest::newRow("top") << QPoint(200, 2) << false << int(Qt::SizeVerCursor);
        QTest::newRow("bottom right") << QPoint(398, 298) << false << int(Qt::SizeFDiagCursor);
        QTest::newRow("top right") << QPoint(398, 1) << false << int(Qt::SizeBDiagCursor);
        QTest::newRow("fixed width: no side cursor") << QPoint(1, 150) << true << int(Qt::PointingHandCursor);
        QTest::newRow("fixed width: top still") << QPoint(200, 2) << true << int(Qt::SizeVerCursor);
    }

    void stripsShowTheirCursor()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, fixedWidth);
        QFETCH(int, shape);
        CaptionedWindow window;
        window.page->setCursor(Qt::PointingHandCursor);
        if (fixedWidth)
            window.setFixedWidth(400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWindow *handle = window.windowHandle();
        const QPoint onPage = centreIn(&window, window.page);
        // The pointer comes into the window as a window system reports it.
        QEnterEvent enter(onPage, onPage, handle->mapToGlobal(onPage));
        QCoreApplication::sendEvent(handle, &enter);
        QTest::mouseMove(handle, onPage);
        QCOMPARE(int(handle->cursor().shape()), int(Qt::PointingHandCursor));
        QTest::mouseMove(handle, at);
        QCOMPARE(int(handle->cursor().shape()), shape);
        // Back inside: the cursor of what lies under the pointer.
        QTest::mouseMove(handle, onPage + QPoint(1, 1));
        QCOMPARE(int(handle->cursor().shape()), int(Qt::PointingHandCursor));
    }

    void notResizeableStillMoves()
    {
        CaptionedWindow window;
        window.setResizeable(false);
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        drag(&window, QPoint(398, 150), QPoint(30, 0));
        QCOMPARE(window.size(), QSize(400, 300));
        const QPoint start = window.pos();
        drag(&window, window.bar->mapTo(&window, QPoint(200, 20)), QPoint(-20, 10));
        QCOMPARE(window.pos(), start + QPoint(-20, 10));
        window.setResizeable(true);
        QVERIFY(window.isVisible()); // the new flags keep it shown
        QVERIFY(window.windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        drag(&window, QPoint(398, 150), QPoint(30, 0));
        QCOMPARE(window.size(), QSize(430, 300));
    }

    void borderWidth()
    {
        CaptionedWindow window;
        QCOMPARE(window.resizeBorderWidth(), 5);
        window.setResizeBorderWidth(0);
        QCOMPARE(window.resizeBorderWidth(), 1);
        window.setResizeBorderWidth(12);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        drag(&window, QPoint(390, 150), QPoint(10, 0));
        QCOMPARE(window.width(), 410);
    }

    void titleBarDestroyed()
    {
        XFramelessWindow window;
        auto *bar = new QWidget(&window);
        window.setTitleBar(bar);
        QCOMPARE(window.titleBar(), bar);
        delete bar;
        QCOMPARE(window.titleBar(), nullptr);
        window.addCaptionWidget(nullptr); // ignored

        // A title bar given up for another, and the one in use, both die
        // with the window: neither reaches it after its own part is gone.
        auto *window2 = new XFramelessWindow;
        auto *first = new QWidget(window2);
        window2->setTitleBar(first);
        window2->setTitleBar(new QWidget(window2));
        window2->show();
        QVERIFY(QTest::qWaitForWindowExposed(window2));
        delete window2;
    }

    void marginsAreKept()
    {
        XFramelessWindow window;
        window.setContentsMargins(1, 2, 3, 4);
        QCOMPARE(window.contentsMargins(), QMargins(1, 2, 3, 4));
        int l = 0, t = 0, r = 0, b = 0;
        window.getContentsMargins(&l, &t, &r, &b);
        QCOMPARE(QMargins(l, t, r, b), QMargins(1, 2, 3, 4));
        window.resize(200, 100);
        QCOMPARE(window.contentsRect(), QRect(1, 2, 196, 94));
        window.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.contentsMargins(), QMargins(1, 2, 3, 4));
        window.showFullScreen();
        QCOMPARE(window.contentsMargins(), QMargins(1, 2, 3, 4));
    }

    void aScreenChangeLaysOutAgain()
    {
        ProbeWindow window;
        window.resize(320, 240);
        // Never shown: no size was taken on the primary screen, so there is
        // nothing to go back to and the window keeps its size.
        window.onScreenChanged(QGuiApplication::primaryScreen());
        QCOMPARE(window.size(), QSize(320, 240));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(360, 250);
        QTRY_COMPARE(window.size(), QSize(360, 250));
        window.onScreenChanged(QGuiApplication::primaryScreen());
        QCOMPARE(window.size(), QSize(360, 250));
        window.onScreenChanged(nullptr);
        QCOMPARE(window.size(), QSize(360, 250));
    }
};

QTEST_MAIN(XFramelessWindowTest)
#include "xframelesswindow_test.moc"
