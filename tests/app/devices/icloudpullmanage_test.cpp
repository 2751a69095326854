#include "icloudpullmanage.h"
#include "cirrane.h"
#include "vlog.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include <mutex>

namespace
{
    // What reached the store: records as "kind/subKind/name", ends as "end kind".
    struct Recorder
    {
        std::mutex mutex;
        QStringList events;

        CloudIntake intake()
        {
            return CloudIntake{[this](int kind, const void *record, int subKind, int) {
                                   std::lock_guard<std::mutex> lock(mutex);
                                   QString name = record ? QStringLiteral("record") : QStringLiteral("null");
                                   if (record && kind <= 2)
                                       name = QString::fromStdWString(static_cast<const Cirrane::STMedia *>(record)->fileName);
                                   events << QStringLiteral("%1/%2/%3").arg(kind).arg(subKind).arg(name);
                               },
                               [this](int kind) {
                                   std::lock_guard<std::mutex> lock(mutex);
                                   events << QStringLiteral("end %1").arg(kind);
                               }};
        }

        QStringList taken()
        {
            std::lock_guard<std::mutex> lock(mutex);
            return events;
        }
    };

    QJsonObject photo(const QString &name)
    {
        return QJsonObject{{"kind", 1}, {"subKind", 0}, {"record", QJsonObject{{"fileName", name}, {"size", 3}}}};
    }

    void useScript(const QJsonObject &script)
    {
        qputenv("QUENROW_CIRRANE", qgetenv("QUENROW_BIN_DIR") + "/libCirraneScripted.so");
        qputenv("QUENROW_CIRRANE_SCRIPT", QJsonDocument(script).toJson(QJsonDocument::Compact));
    }

    QString logText()
    {
        QFile file(qEnvironmentVariable("QUENROW_LOG_DIR") + "/app.txt");
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }
}

class ICloudPullManageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        vlogInit();
    }

    void signInNeverLogsThePassword()
    {
        useScript({{"login", QJsonArray{11, 0}}, {"accountInfo", 7}});
        Recorder recorder;
        iCloudPullManage pull(recorder.intake());
        QVERIFY(pull.isBound());
        QCOMPARE(pull.accountInfo(), -1);
        QCOMPARE(pull.login("someone@example.com", "s3cret pässword"), 11);
        QCOMPARE(pull.accountInfo(), -1); // a failure leaves it
        QCOMPARE(pull.login("someone@example.com", ""), 0);
        QCOMPARE(pull.accountInfo(), 7);
        const QString log = logText();
        QVERIFY(log.contains("[Login] arg1:someone@example.com arg2:********"));
        // An empty password is an empty second argument.
        QVERIFY(log.contains(QRegularExpression("\\[Login\\] arg1:someone@example.com arg2:$",
                                                QRegularExpression::MultilineOption)));
        QVERIFY(log.contains("Login=11"));
        QVERIFY(!log.contains("s3cret"));
    }

    void verificationCodes()
    {
        useScript({{"login", QJsonArray{12}}, {"verify", QJsonArray{1, 0}}, {"accountInfo", 0}});
        Recorder recorder;
        iCloudPullManage pull(recorder.intake());
        QCOMPARE(pull.login("a", "b"), 12);
        QCOMPARE(pull.accountInfo(), -1);
        QCOMPARE(pull.verifySecurityCode("111111", true), 1);
        QCOMPARE(pull.verifySecurityCode("222222", false), 0);
        QCOMPARE(pull.accountInfo(), 0);
        QVERIFY(logText().contains("[VerifySecurityCode] arg1:111111 arg2:1"));
        QVERIFY(logText().contains("VerifySecurityCode=0"));
    }

    void pullsOnlyTheKnownCategoriesInOrder()
    {
        const QJsonObject note{{"kind", 6}, {"subKind", 0}, {"record", QJsonObject{{"noteId", 1}, {"title", "n"}}}};
        const QJsonObject contact{{"kind", 4}, {"subKind", 0}, {"record", QJsonObject{{"contactId", 70000}}}};
        useScript({{"records", QJsonArray{photo("a.jpg"), note, photo("b.jpg"), contact}}});
        Recorder recorder;
        iCloudPullManage pull(recorder.intake());
        QSignalSpy started(&pull, &iCloudPullManage::sigPullBackupsStart);
        QSignalSpy stopped(&pull, &iCloudPullManage::sigPullBackupsStop);
        pull.pullBackups({512, 16, 999, 1}, "/tmp/unused");
        QCOMPARE(started.count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(stopped.count(), 1, 5000);
        QTest::qWait(100);
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(recorder.taken(), (QStringList{"6/0/record", "end 6", "1/0/a.jpg", "1/0/b.jpg", "end 1", "4/0/record", "end 4"}));
    }

    void aQueueOfUnknownFlagsStillEnds()
    {
        useScript({});
        Recorder recorder;
        iCloudPullManage pull(recorder.intake());
        QSignalSpy stopped(&pull, &iCloudPullManage::sigPullBackupsStop);
        pull.pullBackups({999}, "/tmp/unused");
        QTRY_COMPARE_WITH_TIMEOUT(stopped.count(), 1, 5000);
        QCOMPARE(recorder.taken(), QStringList());
    }

    void aStopDuringAPullEndsThatCategoryOnly()
    {
        QJsonArray records;
        for (int i = 0; i < 20; ++i)
            records << photo(QStringLiteral("p%1.jpg").arg(i));
        records << QJsonObject{{"kind", 4}, {"subKind", 0}, {"record", QJsonObject{{"contactId", 1}}}};
        useScript({{"records", records}, {"recordDelayMs", 300}});
        Recorder recorder;
        iCloudPullManage pull(recorder.intake());
        QSignalSpy stopped(&pull, &iCloudPullManage::sigPullBackupsStop);
        pull.pullBackups({16, 1, 512}, "/tmp/unused");
        QTRY_VERIFY(!recorder.taken().isEmpty());
        QElapsedTimer clock;
        clock.start();
        pull.stopPull();
        QTRY_COMPARE_WITH_TIMEOUT(stopped.count(), 1, 5000);
        QVERIFY2(clock.elapsed() < 1000, "the pull went on after the stop");
        QTest::qWait(300);
        QCOMPARE(stopped.count(), 1);
        const QStringList events = recorder.taken();
        QCOMPARE(events.last(), QStringLiteral("end 1"));
        QVERIFY(events.size() < 21);
        QVERIFY(!events.contains("end 4") && !events.contains("end 6"));
    }

    void aStopBeforeThePullStartsStillEnds()
    {
        useScript({{"records", QJsonArray{photo("p.jpg")}}, {"recordDelayMs", 200}});
        Recorder recorder;
        iCloudPullManage pull(recorder.intake());
        QSignalSpy stopped(&pull, &iCloudPullManage::sigPullBackupsStop);
        pull.pullBackups({16, 1, 512}, "/tmp/unused");
        pull.stopPull();
        QTRY_COMPARE_WITH_TIMEOUT(stopped.count(), 1, 5000);
        QTest::qWait(500);
        QCOMPARE(stopped.count(), 1);
    }

    void aNewRequestReplacesTheQueue()
    {
        QJsonArray records;
        for (int i = 0; i < 3; ++i)
            records << photo(QStringLiteral("p%1.jpg").arg(i));
        useScript({{"records", records}, {"recordDelayMs", 200}});
        Recorder recorder;
        iCloudPullManage pull(recorder.intake());
        QSignalSpy stopped(&pull, &iCloudPullManage::sigPullBackupsStop);
        pull.pullBackups({16, 1, 2048}, "/tmp/unused");
        QTRY_VERIFY(!recorder.taken().isEmpty());
        pull.pullBackups({512}, "/tmp/unused"); // taken up after the running category
        QTRY_COMPARE_WITH_TIMEOUT(stopped.count(), 1, 5000);
        const QStringList ends = recorder.taken().filter("end");
        QCOMPARE(ends, (QStringList{"end 1", "end 6"}));
    }

    void unboundStillEndsEachCategory()
    {
        qputenv("QUENROW_CIRRANE", "/nonexistent/libCirrane.so");
        Recorder recorder;
        iCloudPullManage pull(recorder.intake());
        QVERIFY(!pull.isBound());
        QVERIFY(logText().contains("load Cirrane.dll failed"));
        QCOMPARE(pull.login("a", "b"), int(CirraneNotAvailable));
        QCOMPARE(pull.verifySecurityCode("1", false), int(CirraneNotAvailable));
        QCOMPARE(pull.requestSecurityCode(), int(CirraneNotAvailable));
        QSignalSpy stopped(&pull, &iCloudPullManage::sigPullBackupsStop);
        pull.pullBackups({16, 4096}, "/tmp/unused");
        QTRY_COMPARE_WITH_TIMEOUT(stopped.count(), 1, 5000);
        QCOMPARE(recorder.taken(), (QStringList{"end 1", "end 7"}));
    }

    void theLibraryOfThisPlatformSaysNotAvailable()
    {
        qunsetenv("QUENROW_CIRRANE");
        Recorder recorder;
        iCloudPullManage pull(recorder.intake());
        QVERIFY(pull.isBound());
        QCOMPARE(pull.login("someone@example.com", "pw"), int(CirraneNotAvailable));
        QSignalSpy stopped(&pull, &iCloudPullManage::sigPullBackupsStop);
        pull.pullBackups({16}, "/tmp/unused");
        QTRY_COMPARE_WITH_TIMEOUT(stopped.count(), 1, 5000);
        QCOMPARE(recorder.taken(), QStringList{"end 1"});
        QFile log(qEnvironmentVariable("QUENROW_LOG_DIR") + "/Cirrane.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("iCloud is not available on this platform"));
    }
};

QTEST_GUILESS_MAIN(ICloudPullManageTest)
#include "icloudpullmanage_test.moc"
