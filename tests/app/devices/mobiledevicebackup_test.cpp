#include "mobiledevicebackupmanager.h"

#include "fakebackuphelper.h"
#include "fileutils.h"
#include "vlog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <atomic>

namespace
{
    const char *kUdid = "00008030-001A2B3C4D5E6F70";

    // Every signal in the order it came: {"progress", task, a, b, c} or
    // {"request", task, a, b}.
    class Recorder : public QObject
    {
    public:
        explicit Recorder(MobileDeviceBackupManager &manager)
        {
            connect(&manager, &MobileDeviceBackupManager::taskProgress, this,
                    [this](int task, QVariant a, QVariant b, QVariant c) {
                        seen.append(QVariantList {"progress", task, a, b, c});
                    });
            connect(&manager, &MobileDeviceBackupManager::taskRequested, this,
                    [this](int task, QVariant a, QVariant b) {
                        seen.append(QVariantList {"request", task, a, b});
                    });
        }

        // The backup's end: 0, -1 or 3.
        bool ended() const
        {
            for (const QVariantList &s : seen) {
                if (s[0] == "progress" && s[1].toInt() == 0 && s[2].toInt() != 1 && s[2].toInt() != 2)
                    return true;
            }
            return false;
        }

        QList<QVariantList> seen;
    };

    QVariantList progress(int task, QVariant a, QVariant b = QVariant(), QVariant c = QVariant())
    {
        return {"progress", task, a, b, c};
    }

    QVariantList request(int task, QVariant a, QVariant b = QVariant())
    {
        return {"request", task, a, b};
    }

    void writeFile(const QString &path, const QByteArray &data)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
}

class MobileDeviceBackupTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work;
    int m_helpers = 0;

    QString fakeHelper(const QString &body)
    {
        const QString path = writeFakeBackupHelper(m_work.path() + QString("/helper%1.sh").arg(++m_helpers), body);
        qputenv("QUENROW_BACKUP_HELPER", path.toUtf8());
        return path;
    }

    static void waitForEnd(const Recorder &recorder)
    {
        QTRY_VERIFY_WITH_TIMEOUT(recorder.ended(), 15000);
    }

    // The cleaner runs detached: wait for it before looking.
    static void waitGone(const QString &path) { QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(path), 10000); }

private slots:
    void initTestCase()
    {
        vlogInit();
        QVERIFY(m_work.isValid());
    }

    void maskTakesEachCategoryAlone_data()
    {
        QTest::addColumn<QVector<int>>("categories");
        QTest::addColumn<quint32>("mask");
        QTest::newRow("none") << QVector<int> {} << 0u;
        QTest::newRow("contacts and messages") << QVector<int> {1, 2} << 0xCu;
        QTest::newRow("attachment sub-item adds nothing") << QVector<int> {2, 3} << 0x4u;
        QTest::newRow("a combined value adds nothing") << QVector<int> {1 | 2} << 0u;
        QTest::newRow("whatsapp and line") << QVector<int> {0x20000, 0x40000} << 0xC0000u;
        QTest::newRow("photos, app documents") << QVector<int> {16, 0x10000} << 0x22000u;
    }

    void maskTakesEachCategoryAlone()
    {
        QFETCH(QVector<int>, categories);
        QFETCH(quint32, mask);
        QCOMPARE(MobileDeviceBackupManager::categoriesToBackupMask(categories), mask);
    }

    void argumentFollowsTheDeviceVersion_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QVector<int>>("categories");
        QTest::addColumn<QString>("tail");
        QTest::newRow("no current device") << QString("none") << QVector<int> {} << "|-backuptype|0";
        QTest::newRow("16.7.2") << "16.7.2" << QVector<int> {1} << "|-backuptype|8";
        QTest::newRow("17.0") << "17.0" << QVector<int> {} << "|-a|full|-backuptype|0";
        QTest::newRow("17") << "17" << QVector<int> {2} << "|-a|full|-backuptype|4";
        QTest::newRow("18.1") << "18.1" << QVector<int> {0x20000} << "|-a|full|-backuptype|524288";
    }

    void argumentFollowsTheDeviceVersion()
    {
        QFETCH(QString, version);
        QFETCH(QVector<int>, categories);
        QFETCH(QString, tail);
        const QString helper = fakeHelper("mkdir -p \"$target/$udid\"");
        MobileDeviceBackupManager manager(nullptr);
        if (version != "none")
            manager.setVersionProvider([version] { return version; });
        Recorder recorder(manager);
        const QString target = m_work.path() + "/args-" + QTest::currentDataTag();
        QVERIFY(manager.startBackup(target, kUdid, categories));
        waitForEnd(recorder);
        // One argument, slashes kept, the target absolute.
        QCOMPARE(fakeBackupHelperArguments(helper), (QStringList {"1", "-path|" + target + "|-target|" + kUdid + tail}));
        QCOMPARE(recorder.seen.last(), progress(0, 0, target + "/" + kUdid));
    }

    void helperOutputBecomesSignals_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QList<QVariantList>>("expected");
        QTest::addColumn<bool>("keepsFolder");

        const QString made = "mkdir -p \"$target/$udid\"; ";
        QTest::newRow("progress and requests")
            << made + "printf '1|37.5\\r\\n2|1\\r\\n2|2\\r\\n1| 100 \\r\\nnoise\\r\\n'"
            << QList<QVariantList> {progress(0, 2, 37.5), request(2, "1\r\n"), request(2, "2\r\n"),
                                    progress(0, 2, 100.0), progress(0, 0)}
            << true;
        QTest::newRow("a line split across reads is handled once")
            << made + "printf '1|1'; sleep 0.3; printf '2.5\\r'; sleep 0.3; printf '\\n2|a|b\\r\\n'"
            << QList<QVariantList> {progress(0, 2, 12.5), request(2, "a"), progress(0, 0)} << true;
        QTest::newRow("error with code, exit 0 still fails")
            << made + "printf 'Error: backup failed, -35\\r\\n'"
            << QList<QVariantList> {request(0, -35, "Error: backup failed, -35\r\n"), progress(0, -1)} << false;
        QTest::newRow("error without a comma has code 0")
            << made + "printf 'error: lost 7\\r\\n'; exit 1"
            << QList<QVariantList> {request(0, 0, "error: lost 7\r\n"), progress(0, -1)} << false;
        QTest::newRow("device code 105")
            << made + "printf 'ERROR: not enough space on the device, 105\\r\\n'; exit 1"
            << QList<QVariantList> {request(0, 105, "ERROR: not enough space on the device, 105\r\n"),
                                    progress(0, -1)}
            << false;
        QTest::newRow("commas in the device's words")
            << made + "printf 'Error: could not back up, 3 files, 105\\r\\n'; exit 1"
            << QList<QVariantList> {request(0, 105, "Error: could not back up, 3 files, 105\r\n"), progress(0, -1)}
            << false;
        QTest::newRow("last line without its line end")
            << made + "printf '1|50\\r\\nError: device lost, -4'"
            << QList<QVariantList> {progress(0, 2, 50.0), request(0, -4, "Error: device lost, -4"),
                                    progress(0, -1)}
            << false;
        QTest::newRow("exit code 1 without an error line")
            << made + "exit 1" << QList<QVariantList> {progress(0, -1)} << false;
        QTest::newRow("exit 0 without the device folder")
            << "printf '1|100\\r\\n'" << QList<QVariantList> {progress(0, 2, 100.0), progress(0, -1)} << false;
        QTest::newRow("multi-byte text split between reads")
            << made + "printf '2|\\xc3'; sleep 0.3; printf '\\xa9t\\xc3\\xa9\\r\\n'"
            << QList<QVariantList> {request(2, QString::fromUtf8("été\r\n")), progress(0, 0)} << true;
    }

    void helperOutputBecomesSignals()
    {
        QFETCH(QString, body);
        QFETCH(QList<QVariantList>, expected);
        QFETCH(bool, keepsFolder);
        fakeHelper(body);
        MobileDeviceBackupManager manager(nullptr);
        manager.setVersionProvider([] { return QString("16.0"); });
        Recorder recorder(manager);
        const QString target = m_work.path() + "/out-" + QTest::currentDataTag();
        const QString dataPath = target + "/" + kUdid;
        QVERIFY(manager.startBackup(target, kUdid, {}));
        QVERIFY(manager.isRunning());
        waitForEnd(recorder);
        QVERIFY(!manager.isRunning());

        QList<QVariantList> want {progress(0, 1)};
        for (QVariantList s : expected) {
            if (s[0] == "progress" && s[1] == 0 && (s[2] == 0 || s[2] == -1))
                s[3] = dataPath;
            want << s;
        }
        QCOMPARE(recorder.seen, want);
        QCOMPARE(manager.backupDataPath(), dataPath);
        if (keepsFolder) {
            QVERIFY(QFileInfo(dataPath).isDir());
        } else {
            // This backup created the target, so it goes.
            waitGone(target);
        }
    }

    void successMeasuresTheBackup()
    {
        fakeHelper("mkdir -p \"$target/$udid/ab\"; head -c 3000 /dev/zero > \"$target/$udid/ab/f\";"
                   " printf 'x' > \"$target/$udid/Status.plist\"");
        MobileDeviceBackupManager manager(nullptr);
        Recorder recorder(manager);
        QVERIFY(manager.startBackup(m_work.path() + "/size", kUdid, {}));
        QCOMPARE(manager.backupSize(), 0);
        waitForEnd(recorder);
        QCOMPARE(recorder.seen.last()[2].toInt(), 0);
        QCOMPARE(manager.backupSize(), 3001);
    }

    // A large backup takes long to measure: the window goes on meanwhile, and
    // the end still comes after the program's last line, with the size.
    void theWindowGoesOnWhileTheBackupIsMeasured()
    {
        fakeHelper("mkdir -p \"$target/$udid\"; head -c 500 /dev/zero > \"$target/$udid/f\"; printf '2|2\\r\\n'");
        MobileDeviceBackupManager manager(nullptr);
        QSemaphore measuring;
        QSemaphore measured;
        std::atomic<QThread *> measurer{nullptr};
        manager.m_sizeMeasure = [&](const QString &folder) {
            measurer = QThread::currentThread();
            measuring.release();
            // Bounded: measured on this thread, it would hold the test, not hang it.
            measured.tryAcquire(1, 3000);
            return directorySize(folder);
        };
        Recorder recorder(manager);
        const QString dataPath = m_work.path() + "/measured/" + kUdid;
        QVERIFY(manager.startBackup(m_work.path() + "/measured", kUdid, {}));
        QTRY_VERIFY_WITH_TIMEOUT(measuring.available() == 1, 10000);
        QVERIFY(measurer.load() != QThread::currentThread());

        int beats = 0;
        QTimer heartbeat;
        connect(&heartbeat, &QTimer::timeout, [&beats] { ++beats; });
        heartbeat.start(10);
        QTest::qWait(300);
        QVERIFY2(beats >= 10, qPrintable(QString("%1 beats in 300 ms").arg(beats)));
        // Until its end is told the backup runs: no second one starts over it.
        QVERIFY(manager.isRunning());
        QVERIFY(!recorder.ended());
        QVERIFY(!manager.startBackup(m_work.path() + "/second", kUdid, {}));

        measured.release();
        waitForEnd(recorder);
        QCOMPARE(recorder.seen, (QList<QVariantList> {progress(0, 1), request(2, "2\r\n"), progress(0, 0, dataPath)}));
        QCOMPARE(manager.backupSize(), 500);
        QVERIFY(!manager.isRunning());
    }

    void failureDeletesOnlyWhatTheBackupMade_data()
    {
        QTest::addColumn<bool>("targetExists");
        QTest::addColumn<bool>("olderBackup");
        QTest::addColumn<QString>("body");
        const QString partial = "mkdir -p \"$target/.$udid.partial\"; ";
        const QString failure = "printf 'Error: failed, -5\\r\\n'; exit 1";
        QTest::newRow("created target goes") << false << false << partial + failure;
        QTest::newRow("existing target keeps others") << true << false << partial + "mkdir \"$target/$udid\"; " + failure;
        QTest::newRow("an older backup stays") << true << true << partial + failure;
        QTest::newRow("helper killed, partial left") << true << false << partial + "kill -9 $$";
    }

    void failureDeletesOnlyWhatTheBackupMade()
    {
        QFETCH(bool, targetExists);
        QFETCH(bool, olderBackup);
        QFETCH(QString, body);
        fakeHelper(body);
        const QString target = m_work.path() + "/del-" + QString(QTest::currentDataTag()).replace(' ', '_');
        const QString dataPath = target + "/" + kUdid;
        if (targetExists) {
            writeFile(target + "/OTHER/Manifest.db", "other device");
            writeFile(target + "/notes.txt", "the user's");
        }
        if (olderBackup)
            writeFile(dataPath + "/Manifest.db", "older");

        MobileDeviceBackupManager manager(nullptr);
        Recorder recorder(manager);
        QVERIFY(manager.startBackup(target, kUdid, {}));
        waitForEnd(recorder);
        QVERIFY(recorder.seen.contains(progress(0, -1, dataPath)));
        if (!targetExists) {
            waitGone(target);
            return;
        }
        waitGone(target + "/." + kUdid + ".partial");
        if (olderBackup) {
            QVERIFY(QFileInfo::exists(dataPath + "/Manifest.db"));
        } else {
            waitGone(dataPath);
        }
        QVERIFY(QFileInfo::exists(target + "/OTHER/Manifest.db"));
        QVERIFY(QFileInfo::exists(target + "/notes.txt"));
    }

    void helperThatCannotStart()
    {
        qputenv("QUENROW_BACKUP_HELPER", (m_work.path() + "/no-such-helper").toUtf8());
        MobileDeviceBackupManager manager(nullptr);
        Recorder recorder(manager);
        const QString target = m_work.path() + "/nostart";
        QVERIFY(manager.startBackup(target, kUdid, {}));
        QTRY_COMPARE_WITH_TIMEOUT(recorder.seen.size(), 2, 5000);
        QCOMPARE(recorder.seen, (QList<QVariantList> {progress(0, 1), progress(0, 3)}));
        QVERIFY(!manager.isRunning());
        waitGone(target);
    }

    void helperThatCrashes()
    {
        fakeHelper("mkdir -p \"$target/$udid\"; printf '1|10\\r\\n'; kill -SEGV $$");
        MobileDeviceBackupManager manager(nullptr);
        Recorder recorder(manager);
        const QString target = m_work.path() + "/crash";
        QVERIFY(manager.startBackup(target, kUdid, {}));
        // A crash reports both ends: -1 at once, 3 half a second later.
        QTRY_COMPARE_WITH_TIMEOUT(recorder.seen.size(), 4, 5000);
        QCOMPARE(recorder.seen, (QList<QVariantList> {progress(0, 1), progress(0, 2, 10.0),
                                                         progress(0, -1, target + "/" + kUdid), progress(0, 3)}));
        waitGone(target);
    }

    void refusedStarts()
    {
        const QString helper = fakeHelper("sleep 5");
        MobileDeviceBackupManager manager(nullptr);
        Recorder recorder(manager);

        // "|" would split the argument; nothing is made and nothing started.
        const QString piped = m_work.path() + "/a|b";
        QVERIFY(manager.startBackup(piped, kUdid, {}));
        QCOMPARE(recorder.seen, (QList<QVariantList> {progress(0, -1, piped + "/" + kUdid)}));
        QVERIFY(!QFileInfo::exists(piped));
        QVERIFY(manager.startBackup(m_work.path() + "/dots", "..", {}));
        QVERIFY(!QFileInfo::exists(m_work.path() + "/dots"));
        QVERIFY(!QFileInfo::exists(helper + ".args"));

        recorder.seen.clear();
        const QString first = m_work.path() + "/first";
        QVERIFY(manager.startBackup(first, kUdid, {}));
        QVERIFY(!manager.startBackup(m_work.path() + "/second", "OTHER", {}));
        QCOMPARE(manager.backupDataPath(), first + "/" + kUdid);
        QVERIFY(!QFileInfo::exists(m_work.path() + "/second"));
        manager.stopBackup();
        waitForEnd(recorder);
    }

    void stopEndsOnlyOurChild()
    {
        // The program removes its partial folder on SIGTERM.
        const QString helper = fakeHelper("mkdir -p \"$target/.$udid.partial\";"
                                          " trap 'rm -rf \"$target/.$udid.partial\"; exit 1' TERM;"
                                          " printf '1|5\\r\\n'; for i in $(seq 100); do sleep 0.1; done");
        QProcess other;
        other.start(helper, {"-path|" + m_work.path() + "/other|-target|X"});
        QVERIFY(other.waitForStarted());

        MobileDeviceBackupManager manager(nullptr);
        Recorder recorder(manager);
        const QString target = m_work.path() + "/stop";
        writeFile(target + "/OTHER/Manifest.db", "other device");
        QVERIFY(manager.startBackup(target, kUdid, {}));
        QTRY_VERIFY(recorder.seen.size() >= 2);
        QElapsedTimer timer;
        timer.start();
        manager.stopBackup();
        waitForEnd(recorder);
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(recorder.seen.last(), progress(0, -1, target + "/" + kUdid));
        for (const QVariantList &s : recorder.seen)
            QVERIFY(s[0] != "request");
        QVERIFY(!QFileInfo::exists(target + "/." + kUdid + ".partial"));
        QVERIFY(QFileInfo::exists(target + "/OTHER/Manifest.db"));
        QCOMPARE(other.state(), QProcess::Running);
        other.kill();
        other.waitForFinished();
    }

    void stopKillsAProgramThatIgnoresTerm()
    {
        fakeHelper("trap '' TERM; mkdir -p \"$target/$udid\"; printf '1|5\\r\\n'; while :; do sleep 0.1; done");
        MobileDeviceBackupManager manager(nullptr);
        Recorder recorder(manager);
        QVERIFY(manager.startBackup(m_work.path() + "/stubborn", kUdid, {}));
        QTRY_VERIFY(recorder.seen.size() >= 2);
        manager.stopBackup();
        QTRY_VERIFY_WITH_TIMEOUT(recorder.ended(), 20000);
        QCOMPARE(recorder.seen.last()[2].toInt(), -1);
        waitGone(m_work.path() + "/stubborn");
    }

    void otherProgramsPlistsAreParsed_data()
    {
        const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>";
        const QByteArray tail = "</dict></plist>";
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QList<QVariantList>>("expected");
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<QString>("lastError");
        QTest::newRow("device identifier")
            << "noise" + head + "<key>AMSDeviceIdentifierKey</key><string>x</string>" + tail
            << QList<QVariantList> {request(2, 2)} << QByteArray() << QString();
        QTest::newRow("percent, then 100")
            << head + "<key>AMSBackupPercentageKey</key><integer>40</integer>" + tail + head
                   + "<key>AMSBackupPercentageKey</key><integer>100</integer>" + tail
            << QList<QVariantList> {progress(0, 2, qulonglong(40)), progress(0, 2, qulonglong(100)), request(2, 0)}
            << QByteArray() << QString();
        QTest::newRow("error code, every key acts in order")
            << head + "<key>AMSBackupPercentageKey</key><integer>7</integer><key>errorCode</key><integer>12</integer>"
                   "<key>AMSDeviceIdentifierKey</key><true/>" + tail
            << QList<QVariantList> {request(2, 2), request(0, 12), progress(0, 2, qulonglong(7))} << QByteArray()
            << "12";
        QTest::newRow("a piece that does not parse is dropped")
            << QByteArray("<?xml version=\"1.0\"?><plist><dict><key>a</plist>") + head
                   + "<key>AMSDeviceIdentifierKey</key><string>x</string>" + tail
            << QList<QVariantList> {request(2, 2)} << QByteArray() << QString();
        QTest::newRow("wrong types do nothing")
            << head + "<key>errorCode</key><string>3</string><key>AMSBackupPercentageKey</key><real>5.5</real>" + tail
            << QList<QVariantList> {} << QByteArray() << QString();
        QTest::newRow("an unfinished list waits")
            << head + "<key>AMSDeviceIdentifierKey</key>" << QList<QVariantList> {}
            << head + "<key>AMSDeviceIdentifierKey</key>" << QString();
    }

    void otherProgramsPlistsAreParsed()
    {
        QFETCH(QByteArray, output);
        QFETCH(QList<QVariantList>, expected);
        QFETCH(QByteArray, left);
        QFETCH(QString, lastError);
        MobileDeviceBackupManager manager(nullptr);
        QVERIFY(manager.usesNewHelper());
        manager.m_backupProgramMode = 0;
        QVERIFY(!manager.usesNewHelper());
        Recorder recorder(manager);
        manager.m_outputBuffer = output;
        manager.handlePlistOutput();
        QCOMPARE(recorder.seen, expected);
        QCOMPARE(manager.m_outputBuffer, left);
        QCOMPARE(manager.m_lastError, lastError);
    }

    void accessorsKeepWhatIsSet()
    {
        MobileDeviceBackupManager manager(nullptr);
        manager.setBackupPath("/some/where");
        manager.setBackupDataPath("/some/where/UDID");
        QCOMPARE(manager.backupPath(), QString("/some/where"));
        QCOMPARE(manager.backupDataPath(), QString("/some/where/UDID"));
        QCOMPARE(manager.backupSize(), 0);
        QVERIFY(!manager.isRunning());
    }
};

QTEST_GUILESS_MAIN(MobileDeviceBackupTest)
#include "mobiledevicebackup_test.moc"
