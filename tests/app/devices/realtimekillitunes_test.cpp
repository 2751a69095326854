#include "appevent.h"
#include "realtimekillitunessessionmanager.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
    class Receiver : public QObject
    {
    public:
        int found = 0;

    protected:
        bool event(QEvent *event) override
        {
            if (event->type() == RealtimekilliTunesSessionManager::FoundEvent) {
                ++found;
                return true;
            }
            return QObject::event(event);
        }
    };
}

class RealtimeKilliTunesTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    std::unique_ptr<QProcess> sleeper(const QString &name)
    {
        const QString copy = m_dir.filePath(name);
        if (!QFile::exists(copy))
            QFile::copy("/bin/sleep", copy);
        QFile(copy).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        auto process = std::make_unique<QProcess>();
        process->start(copy, {"60"});
        process->waitForStarted(5000);
        return process;
    }

private slots:
    void stopBeforeResumeEndsTheThread()
    {
        RealtimekilliTunesSessionManager manager;
        QVERIFY(manager.isRunning());
        manager.stop();
        QVERIFY(manager.wait(2000));
    }

    void killsITunesOnlyAndSaysSoOncePerPass()
    {
        Receiver receiver;
        appEventReceivers().insert(0, &receiver);
        auto itunes = sleeper("iTunes.exe");
        auto lookalike = sleeper("iTunes.exe.bak");
        QCOMPARE(itunes->state(), QProcess::Running);

        RealtimekilliTunesSessionManager manager(nullptr, 1000);
        QElapsedTimer clock;
        clock.start();
        manager.resume();
        QVERIFY(itunes->waitForFinished(6000));
        QCOMPARE(itunes->exitStatus(), QProcess::CrashExit); // SIGKILL
        QTRY_COMPARE_WITH_TIMEOUT(receiver.found, 1, 2000);
        QTest::qWait(2500); // two more passes, no iTunes
        QCOMPARE(receiver.found, 1);
        QCOMPARE(lookalike->state(), QProcess::Running);

        clock.restart();
        manager.stop();
        QVERIFY(manager.wait(2000));
        QVERIFY(clock.elapsed() < 1000);
        lookalike->kill();
        lookalike->waitForFinished(2000);
        appEventReceivers().remove(0);
    }
};

QTEST_GUILESS_MAIN(RealtimeKilliTunesTest)
#include "realtimekillitunes_test.moc"
