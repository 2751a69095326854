#include "appevent.h"

#include <QCoreApplication>
#include <QtTest>

namespace
{
    class Receiver : public QObject
    {
    public:
        QList<QPair<int, QVariant>> received;

    protected:
        void customEvent(QEvent *event) override
        {
            received.append({int(event->type()), static_cast<AppEvent *>(event)->data()});
        }
    };
}

class AppEventTest : public QObject
{
    Q_OBJECT

private slots:
    void withoutReceiverNothingHappens()
    {
        QVERIFY(appEventReceivers().isEmpty());
        sendAppEvent(1255, 42.5);
        postAppEvent(1010);
        QCoreApplication::processEvents();
        // The lookups added no key 0 with a null receiver.
        QVERIFY(appEventReceivers().isEmpty());
    }

    void sentArriveAtOncePostedLater()
    {
        Receiver window;
        appEventReceivers().insert(0, &window);

        sendAppEvent(1255, 42.5);
        QCOMPARE(window.received.size(), 1);
        QCOMPARE(window.received.at(0).first, 1255);
        QCOMPARE(window.received.at(0).second.toDouble(), 42.5);

        postAppEvent(1254, false);
        postAppEvent(1010);
        QCOMPARE(window.received.size(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(window.received.size(), 3);
        QCOMPARE(window.received.at(1).first, 1254);
        QCOMPARE(window.received.at(1).second, QVariant(false));
        QCOMPARE(window.received.at(2).first, 1010);
        QVERIFY(!window.received.at(2).second.isValid());

        // Another key is not the main window.
        Receiver other;
        appEventReceivers().insert(3, &other);
        sendAppEvent(1014);
        QVERIFY(other.received.isEmpty());

        appEventReceivers().clear();
    }
};

QTEST_GUILESS_MAIN(AppEventTest)
#include "appevent_test.moc"
