#include "copyproxy.h"
#include "exporttestfiles.h"
#include "devicedata.h"
#include "deviceparser.h"
#include "loopbackhttpserver.h"
#include "recovernatmanager.h"
#include "settingsentry.h"
#include "taskworker.h"

#include <QDirIterator>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace DeviceData;

namespace
{
    QVariant media(const QString &name, const QString &path, quint16 check = 2, quint16 origin = 0,
                   const QString &second = QString())
    {
        MediaInfo record;
        record.name = name;
        record.path = path;
        record.preview = second;
        record.mediaKind = origin;
        record.reserved = check;
        return QVariant::fromValue(record);
    }

    QVariant document(const QString &name, const QString &path, quint16 check = 2)
    {
        DocumentInfo record;
        record.name = name;
        record.path = path;
        record.reserved = check;
        return QVariant::fromValue(record);
    }

    using Progress = QList<qulonglong>;
}

class RecoverNatManagerTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    RecoverNatManager *m_manager = nullptr;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    QString makeFile(const QString &name, const QByteArray &content) { return writeTestFile(path(name), content); }

    struct Run
    {
        QList<Progress> progress;
        QStringList order; // "progress", "reset", "over"
        int overs = 0;
    };

    // Starts through start(), waits for sigRecoverOver and a little more.
    Run runUntilOver(const std::function<void()> &start, int timeoutMs = 15000)
    {
        Run run;
        QList<QMetaObject::Connection> links;
        links << connect(m_manager, &RecoverNatManager::sigRecoverProgress, this,
                         [&run](qulonglong p, qulonglong t, qulonglong s) {
                             run.progress.append(Progress{p, t, s});
                             run.order.append("progress");
                         });
        links << connect(m_manager, &RecoverNatManager::sigResetFileProgress, this, [&run](bool value) {
            run.order.append(value ? "reset true" : "reset");
        });
        links << connect(m_manager, &RecoverNatManager::sigRecoverOver, this, [&run] {
            ++run.overs;
            run.order.append("over");
        });
        start();
        QElapsedTimer clock;
        clock.start();
        while (run.overs == 0 && clock.elapsed() < timeoutMs)
            QTest::qWait(5);
        QTest::qWait(60);
        for (const auto &link : links)
            disconnect(link);
        return run;
    }

    QString onlyRoot() const
    {
        const QStringList roots = QDir(path("out")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        return roots.size() == 1 ? path("out/" + roots.first()) : QString();
    }

private slots:
    void initTestCase()
    {
        registerMetaTypes();
        CopyProxy::setExecutorFactory([]() -> IDBExecutor * { return nullptr; });
        RecoverNatManager::setOverDelay(20);
        m_manager = RecoverNatManager::instance();
        QVERIFY(m_manager);
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QDir().mkpath(path("out"));
        DeviceParser::instance()->clearAll();
        RecoverNatManager::setRecoverFolder(path("out"));
        RecoverNatManager::setSourceNameProvider([] { return QStringLiteral("iPhone 12"); });
        RecoverNatManager::setICloudFlow(false);
        taskWorker::setFreeSpaceQuery(nullptr);
    }

    void emptyRunEndsOnceWithoutAFolder_data()
    {
        QTest::addColumn<QVector<int>>("ids");
        QTest::newRow("no ids") << QVector<int>{};
        QTest::newRow("unknown id") << QVector<int>{7};
        QTest::newRow("empty category") << QVector<int>{Photos, AppDocuments, WhatsAppAttachment};
    }

    void emptyRunEndsOnceWithoutAFolder()
    {
        QFETCH(QVector<int>, ids);
        const Run run = runUntilOver([&] { m_manager->startRecover(ids); });
        QCOMPARE(run.overs, 1);
        QCOMPARE(run.progress.first(), (Progress{0, 0, 0}));
        QCOMPARE(run.progress.last(), (Progress{0, 0, 0}));
        QCOMPARE(run.order.mid(run.order.size() - 2), (QStringList{"progress", "over"}));
        QVERIFY(run.order.contains("reset"));
        QCOMPARE(entriesUnder(path("out")), QStringList());
        QCOMPARE(m_manager->errorType(), 0);
    }

    void checkedFilesLandInTheirCategoryFolders()
    {
        // The stored setting names the folder here.
        RecoverNatManager::setRecoverFolder(QString());
        SettingsEntry::instance()->setValue(SettingsKey::RecoverPath, path("out"), SettingsEntry::UserScope);
        const QString a = makeFile("backup/aa/1", "photo one");
        const QString b = makeFile("backup/aa/2", "photo two");
        const QString c = makeFile("backup/aa/3", "from the second path");
        const QString d = makeFile("backup/aa/4", "a document");
        const QString e = makeFile("backup/aa/5", QByteArray());
        DeviceParser *store = DeviceParser::instance();
        store->setRecords(DeviceGroup, Photos,
                          {media("IMG.JPG", a), media("img.jpg", b), media("skipped.jpg", a, 0),
                           media("second.jpg", QString(), 2, 2, c), media("no:colon.jpg", a), media("..", b),
                           media("missing.jpg", path("backup/aa/none")), QVariant(QStringLiteral("not a record"))});
        store->setRecords(DeviceGroup, AppDocuments, {document("a/../../b.txt", d), document("empty.txt", e)});

        const Run run = runUntilOver([&] { m_manager->startRecover({Photos, 7, AppDocuments}); });
        QCOMPARE(run.overs, 1);
        const QString root = onlyRoot();
        QVERIFY(!root.isEmpty());
        QVERIFY(QFileInfo(root).fileName().startsWith("iPhone 12_"));
        QCOMPARE(m_manager->recoverPath(), root);
        QCOMPARE(entriesUnder(root),
                 (QStringList{"App Documents", "App Documents/a_.._.._b.txt", "App Documents/empty.txt", "Photos",
                              "Photos/IMG.JPG", "Photos/_", "Photos/img(1).jpg", "Photos/no_colon.jpg",
                              "Photos/second.jpg"}));
        QCOMPARE(readAll(root + "/Photos/IMG.JPG"), QByteArray("photo one"));
        QCOMPARE(readAll(root + "/Photos/img(1).jpg"), QByteArray("photo two"));
        QCOMPARE(readAll(root + "/Photos/second.jpg"), QByteArray("from the second path"));
        QCOMPARE(readAll(root + "/App Documents/a_.._.._b.txt"), QByteArray("a document"));

        QCOMPARE(m_manager->totalCount(), 8);
        QCOMPARE(m_manager->processedCount(), 8);
        QCOMPARE(m_manager->successCount(), 7);
        QCOMPARE(m_manager->errorType(), 0);
        QVERIFY(!m_manager->wasStopped());
        QCOMPARE(run.progress.first(), (Progress{0, 8, 0}));
        QCOMPARE(run.progress.last(), (Progress{8, 8, 7}));
        QCOMPARE(run.order.last(), QStringLiteral("over"));
        QCOMPARE(run.order.at(run.order.size() - 2), QStringLiteral("progress"));
        for (int i = 1; i < run.progress.size(); ++i)
            QVERIFY(run.progress.at(i).at(0) >= run.progress.at(i - 1).at(0));
        SettingsEntry::instance()->setValue(SettingsKey::RecoverPath, QVariant(), SettingsEntry::UserScope);
    }

    void quickRunsEachEndOnceWithTheirFinalCounts()
    {
        // Copies that end before the run's own end is seen must still be
        // counted before sigRecoverOver.
        QList<QVariant> list;
        for (int i = 0; i < 12; ++i)
            list.append(media(QStringLiteral("%1.png").arg(i), makeFile(QStringLiteral("backup/%1").arg(i), "tiny")));
        DeviceParser::instance()->setRecords(DeviceGroup, AppPhotos, list);
        for (int round = 0; round < 15; ++round) {
            const Run run = runUntilOver([&] { m_manager->startRecover({AppPhotos}); });
            QCOMPARE(run.overs, 1);
            QCOMPARE(run.progress.last(), (Progress{12, 12, 12}));
            QCOMPARE(m_manager->successCount(), 12);
        }
    }

    // A writer counts every record; the window hears of it at most about 20
    // times a second, and last of all the exact counters.
    void progressIsCoalescedAtTheSource()
    {
        constexpr int Calls = 30000;
        QList<QVariant> calls;
        for (int i = 0; i < Calls; ++i) {
            CHFTInfo call;
            call.value = QStringLiteral("+4131%1").arg(i);
            call.date = 1600000000 + i;
            call.reserved = 2;
            calls.append(QVariant::fromValue(call));
        }
        DeviceParser::instance()->setRecords(DeviceGroup, CallHistory, calls);
        QElapsedTimer clock;
        QList<qint64> times;
        auto timing = connect(m_manager, &RecoverNatManager::sigRecoverProgress, this,
                              [&] { times.append(clock.elapsed()); });
        clock.start();
        const Run run = runUntilOver([&] { m_manager->startRecover({CallHistory}); });
        disconnect(timing);
        QCOMPARE(run.overs, 1);
        QCOMPARE(run.progress.first(), (Progress{0, Calls, 0}));
        QCOMPARE(run.progress.last(), (Progress{Calls, Calls, Calls}));
        QCOMPARE(run.order.mid(run.order.size() - 2), (QStringList{"progress", "over"}));
        // The first report and the last one aside, one per interval at most
        // (a coarse timer may fire a little early).
        for (int i = 2; i < times.size() - 1; ++i)
            QVERIFY2(times.at(i) - times.at(i - 1) >= 45,
                     qPrintable(QStringLiteral("reports %1 ms apart").arg(times.at(i) - times.at(i - 1))));
        QVERIFY2(run.progress.size() <= 3 + times.last() / 45, qPrintable(QString::number(run.progress.size())));
    }

    void sameCategoryTwiceWritesTwice()
    {
        const QString a = makeFile("backup/1", "one");
        DeviceParser::instance()->setRecords(DeviceGroup, AppPhotos, {media("a.png", a)});
        const Run run = runUntilOver([&] { m_manager->startRecover({AppPhotos, AppPhotos}); });
        QCOMPARE(run.overs, 1);
        QCOMPARE(entriesUnder(onlyRoot()), (QStringList{"App Photos", "App Photos/a(1).png", "App Photos/a.png"}));
        QCOMPARE(m_manager->successCount(), 2);
    }

    void chatAttachmentsGetFourFolders()
    {
        const QString a = makeFile("backup/1", "photo");
        DeviceParser::instance()->setSessionRecords(WhatsAppAttachment, ImageKind, {media("chat.jpg", a)});
        DeviceParser::instance()->setSessionRecords(WhatsAppAttachment, 12, {document("unchecked.pdf", a, 0)});
        const Run run = runUntilOver([&] { m_manager->startRecover({WhatsAppAttachment}); });
        QCOMPARE(run.overs, 1);
        QCOMPARE(entriesUnder(onlyRoot()),
                 (QStringList{"WhatsApp Attachment", "WhatsApp Attachment/Audios", "WhatsApp Attachment/Documents",
                              "WhatsApp Attachment/Photos", "WhatsApp Attachment/Photos/chat.jpg",
                              "WhatsApp Attachment/Videos"}));
        QCOMPARE(m_manager->totalCount(), 1);
        QCOMPARE(m_manager->successCount(), 1);
    }

    void rootNamesAreSafeAndNeverShared()
    {
        const QString a = makeFile("backup/1", "one");
        DeviceParser::instance()->setRecords(DeviceGroup, AppPhotos, {media("a.png", a)});
        RecoverNatManager::setSourceNameProvider([] { return QStringLiteral("iPad: 9/10"); });
        runUntilOver([&] { m_manager->startRecover({AppPhotos}); });
        const QString first = m_manager->recoverPath();
        runUntilOver([&] { m_manager->startRecover({AppPhotos}); });
        const QString second = m_manager->recoverPath();
        QVERIFY(QFileInfo(first).fileName().startsWith("iPad_ 9_10_"));
        QVERIFY(first != second);
        // Within one second the stamp repeats, and the second root moves on.
        if (second.left(first.size()) == first)
            QCOMPARE(second, first + "_1");
        QCOMPARE(readAll(first + "/App Photos/a.png"), QByteArray("one"));
        QCOMPARE(readAll(second + "/App Photos/a.png"), QByteArray("one"));

        SettingsEntry::instance()->setValue(SettingsKey::ICloudAccount, "me:you@example.com", SettingsEntry::UserScope);
        RecoverNatManager::setICloudFlow(true);
        runUntilOver([&] { m_manager->startRecover({AppPhotos}); });
        QVERIFY(QFileInfo(m_manager->recoverPath()).fileName().startsWith("me_you@example.com_"));
        RecoverNatManager::setICloudFlow(false);
    }

    void exportFileNamesItsTarget_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("suffix added") << "IMG_1.JPG" << "photo" << "photo.JPG";
        QTest::newRow("no second dot") << "IMG_1.JPG" << "photo." << "photo.JPG";
        QTest::newRow("case-sensitive suffix") << "IMG_1.JPG" << "a.jpg" << "a.jpg.JPG";
        QTest::newRow("own name") << "IMG_1.JPG" << "" << "IMG_1.JPG";
        QTest::newRow("unsafe name") << "clip.mov" << "a/b:c" << "a_b_c.mov";
    }

    void exportFileNamesItsTarget()
    {
        QFETCH(QString, source);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const QString local = makeFile("cache/" + source, "content");
        const Run run = runUntilOver([&] { m_manager->exportFile(local, name); });
        QCOMPARE(run.overs, 1);
        QCOMPARE(run.progress.first(), (Progress{0, 1, 0}));
        QCOMPARE(run.progress.last(), (Progress{1, 1, 1}));
        QCOMPARE(entriesUnder(onlyRoot()), QStringList{expected});
    }

    void notEnoughSpaceStopsTheRun()
    {
        QList<QVariant> list;
        for (int i = 0; i < 30; ++i)
            list.append(media(QStringLiteral("%1.jpg").arg(i), makeFile(QStringLiteral("backup/%1").arg(i), "0123456789abcdef")));
        DeviceParser::instance()->setRecords(DeviceGroup, Photos, list);
        DeviceParser::instance()->setRecords(DeviceGroup, AppPhotos, list);
        // Photos find the disk full; App Photos wait until the manager has
        // heard of it.
        taskWorker::setFreeSpaceQuery([this](const QString &folder) {
            if (folder.endsWith("/Photos"))
                return qint64(4);
            QElapsedTimer clock;
            clock.start();
            while (m_manager->errorType() != 3 && clock.elapsed() < 5000)
                QThread::msleep(1);
            return qint64(1) << 40;
        });
        const Run run = runUntilOver([&] { m_manager->startRecover({Photos, AppPhotos}); });
        taskWorker::setFreeSpaceQuery(nullptr);
        QCOMPARE(run.overs, 1);
        QCOMPARE(m_manager->errorType(), 3);
        QVERIFY(!m_manager->wasStopped());
        QCOMPARE(m_manager->successCount(), 0);
        QVERIFY(m_manager->processedCount() >= 1);
        QVERIFY(m_manager->processedCount() <= 30 + CopyProxy::instance()->threadCount());
        QCOMPARE(entriesUnder(onlyRoot()), (QStringList{"App Photos", "Photos"}));
    }

    void unusableFolderEndsWithFour()
    {
        const QString file = makeFile("plain", "keep me");
        RecoverNatManager::setRecoverFolder(file);
        DeviceParser::instance()->setRecords(DeviceGroup, Photos, {media("a.jpg", makeFile("backup/1", "x"))});
        const Run run = runUntilOver([&] { m_manager->startRecover({Photos}); });
        QCOMPARE(run.overs, 1);
        QCOMPARE(m_manager->errorType(), 4);
        QCOMPARE(m_manager->successCount(), 0);
        QCOMPARE(readAll(file), QByteArray("keep me"));
        QVERIFY(QFileInfo(file).isFile());
    }

    void stopDuringTheCopiesEndsOnce()
    {
        testsupport::LoopbackHttpServer server;
        QVERIFY(server.start());
        server.setDefaultReply(testsupport::LoopbackHttpServer::Reply::neverAnswer());
        QList<QVariant> list;
        for (int i = 0; i < 20; ++i)
            list.append(document(QStringLiteral("%1.pdf").arg(i), server.url(QStringLiteral("/%1").arg(i))));
        DeviceParser::instance()->setRecords(DeviceGroup, AppDocuments, list);
        const Run run = runUntilOver([&] {
            m_manager->startRecover({AppDocuments});
            QVERIFY(server.waitForRequests(1, 10000));
            m_manager->stop();
        });
        QCOMPARE(run.overs, 1);
        QVERIFY(m_manager->wasStopped());
        QCOMPARE(m_manager->successCount(), 0);
        QVERIFY(m_manager->processedCount() < 20);
        QCOMPARE(entriesUnder(onlyRoot()), QStringList{"App Documents"});
        QVERIFY(!CopyProxy::instance()->isRunning());
    }
};

QTEST_GUILESS_MAIN(RecoverNatManagerTest)
#include "recovernatmanager_test.moc"
