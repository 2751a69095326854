#include "mobiledevicebackupmanager.h"

#include "backupbuilder.h"
#include "backupencrypter.h"
#include "vlog.h"
#include "volsark.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace
{
    // A stand-in for the decryption library: reports two steps, or waits
    // until it is asked to stop.
    class FakeVolsark final : public IVolsarkMgr
    {
    public:
        bool result = true;
        bool waitForStop = false;
        std::atomic<bool> started{false};
        std::wstring backupPath, cryptPath, password;
        bool stopFlagAtStart = true;

        bool DecryptBackup(std::wstring backup, std::wstring crypt, std::wstring pass,
                           VolsarkProgressCallback progress, std::atomic<bool> *stopFlag) override
        {
            backupPath = backup;
            cryptPath = crypt;
            password = pass;
            stopFlagAtStart = stopFlag->load();
            started = true;
            if (waitForStop) {
                while (!stopFlag->load())
                    QThread::msleep(1);
                return false;
            }
            progress(1, 3);
            if (result)
                progress(3, 3);
            return result;
        }

        bool CheckIOSBackupEncrypt(std::wstring backup) override { return backup == L"/encrypted"; }
    };

    // Keeps every signal as its receivers see it: queued, on this thread.
    class Recorder : public QObject
    {
    public:
        explicit Recorder(MobileDeviceBackupManager &manager)
        {
            connect(&manager, &MobileDeviceBackupManager::taskProgress, this,
                    [this](int task, QVariant a, QVariant b, QVariant c) {
                        progress.append(QVariantList{task, a, b, c});
                    },
                    Qt::QueuedConnection);
            connect(&manager, &MobileDeviceBackupManager::taskRequested, this,
                    [this](int, QVariant, QVariant) { ++requests; }, Qt::QueuedConnection);
        }

        bool ended() const { return !progress.isEmpty() && progress.last().value(1).toInt() == 0; }

        QList<QVariantList> progress;
        int requests = 0;
    };

    QVariantList signal(int task, QVariant a, QVariant b = QVariant(), QVariant c = QVariant())
    {
        return {task, a, b, c};
    }

    QString logText()
    {
        QFile file(qEnvironmentVariable("QUENROW_LOG_DIR") + "/app.txt");
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }
}

class MobileDeviceBackupManagerTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work;

    // An encrypted backup with two files, built from a plain one.
    QString encryptedFixture(const QString &name)
    {
        const std::string plain = (m_work.path() + "/" + name + "-plain").toStdString();
        testsupport::BackupBuilder builder(plain);
        builder.addFile("HomeDomain", "Library/Notes/notes.txt", "written down");
        builder.addFile("MediaDomain", "Media/DCIM/IMG_0001.JPG", std::string(5000, 'j'));
        builder.write();
        const QString encrypted = m_work.path() + "/" + name;
        testsupport::EncryptionOptions options;
        options.password = "pa55wörd";
        testsupport::encryptBackup(plain, encrypted.toStdString(), options);
        return encrypted;
    }

private slots:
    void initTestCase()
    {
        vlogInit();
        QVERIFY(m_work.isValid());
    }

    void decryptionReportsItsResult_data()
    {
        QTest::addColumn<bool>("async");
        QTest::addColumn<bool>("result");
        QTest::newRow("waiting, success") << false << true;
        QTest::newRow("waiting, failure") << false << false;
        QTest::newRow("async, success") << true << true;
        QTest::newRow("async, failure") << true << false;
    }

    void decryptionReportsItsResult()
    {
        QFETCH(bool, async);
        QFETCH(bool, result);
        FakeVolsark library;
        library.result = result;
        MobileDeviceBackupManager manager(&library);
        Recorder recorder(manager);
        manager.stopBackup(); // an earlier stop must not reach this decryption

        if (async) {
            manager.decryptBackupAsync("/backup/ä", "/out/ü", "pässword");
            QTRY_VERIFY(recorder.ended());
        } else {
            QCOMPARE(manager.decryptBackup("/backup/ä", "/out/ü", "pässword"), result);
        }
        QVERIFY(!manager.isRunning());
        QCOMPARE(library.backupPath, std::wstring(L"/backup/ä"));
        QCOMPARE(library.cryptPath, std::wstring(L"/out/ü"));
        QCOMPARE(library.password, std::wstring(L"pässword"));
        QVERIFY(!library.stopFlagAtStart);

        QList<QVariantList> expected{signal(1, 1), signal(1, 2, 1, 3)};
        if (result)
            expected.append(signal(1, 2, 3, 3));
        expected.append(signal(1, 0, "/out/ü", result));
        QTRY_COMPARE(recorder.progress, expected);
        QCOMPARE(recorder.requests, 0);
    }

    void stopBackupStopsARunningDecryption()
    {
        FakeVolsark library;
        library.waitForStop = true;
        MobileDeviceBackupManager manager(&library);
        Recorder recorder(manager);
        manager.decryptBackupAsync("/backup", "/out", "pw");
        QVERIFY(manager.isRunning());
        QTRY_VERIFY(library.started.load());
        QVERIFY(manager.isRunning());
        manager.stopBackup();
        QTRY_VERIFY(recorder.ended());
        QVERIFY(!manager.isRunning());
        QCOMPARE(recorder.progress.last(), signal(1, 0, "/out", false));
    }

    void withoutTheLibrary()
    {
        MobileDeviceBackupManager manager(static_cast<IVolsarkMgr *>(nullptr));
        Recorder recorder(manager);
        QVERIFY(!manager.decryptBackup("/backup", "/out", "pw"));
        QVERIFY(!manager.checkIOSBackupEncrypt("/encrypted"));
        QCoreApplication::processEvents();
        QVERIFY(recorder.progress.isEmpty());

        manager.decryptBackupAsync("/backup", "/out", "pw");
        QTRY_VERIFY(recorder.ended());
        QCOMPARE(recorder.progress, (QList<QVariantList>{signal(1, 1), signal(1, 0, "/out", false)}));
        QVERIFY(!manager.isRunning());
    }

    void aMissingLibraryIsLoggedOnce()
    {
        const int before = logText().count("InitVolsarkMgr error.");
        QTemporaryDir empty;
        MobileDeviceBackupManager manager(empty.path());
        QVERIFY(!manager.checkIOSBackupEncrypt("/encrypted"));
        QVERIFY(!manager.decryptBackup("/backup", "/out", "pw"));
        QCOMPARE(logText().count("InitVolsarkMgr error."), before + 1);
    }

    void checkIOSBackupEncryptAsksTheLibrary()
    {
        FakeVolsark library;
        MobileDeviceBackupManager manager(&library);
        QVERIFY(manager.checkIOSBackupEncrypt("/encrypted"));
        QVERIFY(!manager.checkIOSBackupEncrypt("/plain"));
        QVERIFY(logText().contains("Execute the CheckIOSBackupEncrypt function"));
    }

    void theRealLibraryDecryptsAFixture()
    {
        MobileDeviceBackupManager *manager = MobileDeviceBackupManager::instance();
        QCOMPARE(MobileDeviceBackupManager::instance(), manager);
        const QString encrypted = encryptedFixture("real");
        QVERIFY(manager->checkIOSBackupEncrypt(encrypted));

        Recorder recorder(*manager);
        const QString wrongOut = m_work.path() + "/wrong/out";
        QVERIFY(!manager->decryptBackup(encrypted, wrongOut, "not it"));
        QTRY_COMPARE(recorder.progress, (QList<QVariantList>{signal(1, 1), signal(1, 0, wrongOut, false)}));
        QVERIFY(!QDir(wrongOut).exists());

        recorder.progress.clear();
        const QString out = m_work.path() + "/real-out";
        QVERIFY(manager->decryptBackup(encrypted, out, "pa55wörd"));
        QTRY_VERIFY(recorder.ended());
        QCOMPARE(recorder.progress.first(), signal(1, 1));
        QCOMPARE(recorder.progress.value(1), signal(1, 2, 1, 4));
        QCOMPARE(recorder.progress.value(recorder.progress.size() - 2), signal(1, 2, 4, 4));
        QCOMPARE(recorder.progress.last(), signal(1, 0, out, true));
        QVERIFY(!manager->checkIOSBackupEncrypt(out));
        const std::string notes = testsupport::fileIdOf("HomeDomain", "Library/Notes/notes.txt");
        QCOMPARE(testsupport::readFile(out.toStdString() + "/" + notes.substr(0, 2) + "/" + notes),
                 std::string("written down"));

        recorder.progress.clear();
        const QString asyncOut = m_work.path() + "/real-async-out";
        manager->decryptBackupAsync(encrypted, asyncOut, "pa55wörd");
        QTRY_VERIFY(recorder.ended());
        QCOMPARE(recorder.progress.last(), signal(1, 0, asyncOut, true));
        QVERIFY(QFile::exists(asyncOut + "/Manifest.db"));
    }
};

QTEST_GUILESS_MAIN(MobileDeviceBackupManagerTest)
#include "mobiledevicebackupmanager_test.moc"
