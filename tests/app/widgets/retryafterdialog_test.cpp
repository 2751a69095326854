#include "retryafterdialog.h"
#include "shots.h"
#include "widgetkit.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

class RetryAfterDialogTest : public QObject
{
    Q_OBJECT

private:
    // One tick of the one-second timer, without waiting for it.
    static void tick(RetryAfterDialog *overlay) { QVERIFY(QMetaObject::invokeMethod(overlay, "onTick")); }

private slots:
    void initTestCase() { initWidgetKit(); }

    void countsDownInRealTime()
    {
        QWidget page;
        page.resize(600, 400);
        QPalette white = page.palette();
        white.setColor(QPalette::Window, Qt::white);
        page.setPalette(white);
        page.setAutoFillBackground(true);
        auto *overlay = new RetryAfterDialog(&page);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(!overlay->isVisible());
        QCOMPARE(overlay->size(), QSize(162, 62));

        QSignalSpy done(overlay, &RetryAfterDialog::sigRetryafte);
        QStringList seen;
        connect(overlay, &RetryAfterDialog::sigRetryafte, this, [&seen] { seen << QStringLiteral("end"); });
        QElapsedTimer clock;
        clock.start();
        overlay->start(3);
        seen << overlay->text();
        QVERIFY(overlay->isVisible());
        QCOMPARE(overlay->pos(), QPoint(300 - 81, 200 - 31));
        saveShot(&page, QStringLiteral("retry-overlay"));
        while (done.isEmpty() && clock.elapsed() < 6000) {
            QTest::qWait(50);
            if (overlay->isVisible() && overlay->text() != seen.last())
                seen << overlay->text();
        }
        QCOMPARE(seen, QStringList({"3", "2", "1", "end"}));
        // A second apart each: Qt's coarse timers may fire up to 5 % early.
        QVERIFY(clock.elapsed() >= 2800);
        QVERIFY(!overlay->isVisible());
        QTest::qWait(1200);
        QCOMPARE(done.count(), 1);
    }

    void endings_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<bool>("resetFirst");
        QTest::addColumn<int>("ticksToEnd");
        QTest::newRow("3") << 3 << false << 3;
        QTest::newRow("1") << 1 << false << 1;
        QTest::newRow("0 ends at the first tick") << 0 << false << 1;
        QTest::newRow("negative ends at the first tick") << -5 << false << 1;
        QTest::newRow("reset ends at the next tick") << 30 << true << 1;
    }

    void endings()
    {
        QFETCH(int, seconds);
        QFETCH(bool, resetFirst);
        QFETCH(int, ticksToEnd);
        QWidget page;
        page.resize(400, 300);
        RetryAfterDialog overlay(&page);
        page.show();
        QSignalSpy done(&overlay, &RetryAfterDialog::sigRetryafte);
        overlay.start(seconds);
        QCOMPARE(overlay.text(), QString::number(seconds));
        if (resetFirst) {
            tick(&overlay);
            QCOMPARE(overlay.text(), QString::number(seconds - 1));
            overlay.reset();
            QVERIFY(overlay.isVisible());
        }
        for (int i = 1; i < ticksToEnd; ++i) {
            tick(&overlay);
            QCOMPARE(overlay.text(), QString::number(seconds - i));
            QVERIFY(done.isEmpty());
        }
        tick(&overlay);
        QCOMPARE(done.count(), 1);
        QVERIFY(!overlay.isVisible());
        QCOMPARE(overlay.text(), QString());
    }

    void aSecondStartRestarts()
    {
        QWidget page;
        page.resize(400, 300);
        RetryAfterDialog overlay(&page);
        page.show();
        QSignalSpy done(&overlay, &RetryAfterDialog::sigRetryafte);
        overlay.start(2);
        tick(&overlay);
        overlay.start(5);
        QCOMPARE(overlay.text(), QStringLiteral("5"));
        tick(&overlay);
        tick(&overlay);
        QCOMPARE(overlay.text(), QStringLiteral("3"));
        QVERIFY(done.isEmpty());
    }

    void withoutParentItStaysWhereItIs()
    {
        RetryAfterDialog overlay;
        overlay.move(70, 40);
        QSignalSpy done(&overlay, &RetryAfterDialog::sigRetryafte);
        overlay.start(1);
        QVERIFY(overlay.isVisible());
        QCOMPARE(overlay.pos(), QPoint(70, 40));
        tick(&overlay);
        QCOMPARE(done.count(), 1);
        QVERIFY(!overlay.isVisible());
    }
};

QTEST_MAIN(RetryAfterDialogTest)
#include "retryafterdialog_test.moc"
