#include "settingsentry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <type_traits>

using Scope = SettingsEntry::Scope;

// A scope is a SettingsEntry::Scope and nothing else: a number, or the
// default value given where the scope belongs, does not compile.
template <typename ScopeArg, typename Third, typename = void>
struct ValueCompiles : std::false_type
{
};
template <typename ScopeArg, typename Third>
struct ValueCompiles<ScopeArg, Third,
                     std::void_t<decltype(std::declval<const SettingsEntry &>().value(
                         QString(), std::declval<ScopeArg>(), std::declval<Third>()))>> : std::true_type
{
};
static_assert(ValueCompiles<Scope, QVariant>::value);
static_assert(!ValueCompiles<int, QVariant>::value);
static_assert(!ValueCompiles<QVariant, Scope>::value);
static_assert(!ValueCompiles<QVariant, int>::value);

class SettingsEntryTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString makeFolder(const QString &relative)
    {
        const QString path = m_dir.path() + '/' + relative;
        QDir().mkpath(path);
        QFile file(path + "/data.bin");
        file.open(QIODevice::WriteOnly);
        file.write("data");
        return path;
    }

    // Each clean-up runs once in process and once through the deletion program.
    static void addDeletionRows()
    {
        QTest::addColumn<bool>("viaCleaner");
        QTest::newRow("in process") << false;
        QTest::newRow("deletion program") << true;
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName("QuenrowTest");
        QCoreApplication::setApplicationName("SettingsEntryTest");
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        QSettings().clear();
    }

    void scopes_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("setScope");
        QTest::addColumn<int>("getScope");
        QTest::addColumn<QVariant>("expected");
        const QVariant nothing;
        QTest::newRow("memory value") << "m" << QVariant(42) << 0 << 0 << QVariant(42);
        QTest::newRow("memory is not the user store") << "m2" << QVariant(42) << 0 << 1 << QVariant("default");
        QTest::newRow("user value") << "RecoverPath" << QVariant("/x") << 1 << 1 << QVariant("/x");
        QTest::newRow("user absent") << "RecoverPath" << nothing << -1 << 1 << QVariant("default");
        QTest::newRow("language id read back") << "Language" << QVariant(12) << 2 << 2 << QVariant(12);
        QTest::newRow("language id stored as its name") << "Language" << QVariant(9) << 2 << 3 << QVariant("french");
        QTest::newRow("unknown language id stores english") << "Language" << QVariant(99) << 2 << 3 << QVariant("english");
        QTest::newRow("unknown stored name reads english") << "Language" << QVariant("klingon") << 1 << 2 << QVariant(5);
        QTest::newRow("nothing stored reads english") << "Language" << nothing << -1 << 2 << QVariant(5);
        QTest::newRow("nothing stored reads empty name") << "Language" << nothing << -1 << 3 << QVariant(QString());
        QTest::newRow("name scope stores nothing") << "Language" << QVariant("german") << 3 << 3 << QVariant(QString());
        QTest::newRow("unknown scope stores nothing") << "k" << QVariant(1) << 7 << 1 << QVariant("default");
        QTest::newRow("unknown scope reads the default") << "k" << QVariant(1) << 1 << 7 << QVariant("default");
    }

    void scopes()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(int, setScope);
        QFETCH(int, getScope);
        QFETCH(QVariant, expected);
        SettingsEntry entry;
        // Rows name scopes by number, as they are stored; 7 is none of them.
        if (setScope >= 0)
            entry.setValue(key, stored, Scope(setScope));
        const QVariant read = entry.value(key, Scope(getScope), QVariant("default"));
        QCOMPARE(read.toString(), expected.toString());
        // The user store is shared: a second object reads the same.
        if (getScope != 0)
            QCOMPARE(SettingsEntry().value(key, Scope(getScope), QVariant("default")).toString(), expected.toString());
    }

    void contains()
    {
        SettingsEntry entry;
        entry.setValue("inMemory", 1, Scope::Memory);
        entry.setValue("inStore", 1, Scope::User);
        QVERIFY(entry.contains("inMemory", Scope::Memory));
        QVERIFY(!entry.contains("inMemory", Scope::User));
        QVERIFY(entry.contains("inStore", Scope::User));
        QVERIFY(!entry.contains("inStore", Scope::Memory));
        QVERIFY(!entry.contains("inStore", Scope::LanguageId));
    }

    void endpointPrefersEnvironmentThenSetting()
    {
        SettingsEntry entry;
        qunsetenv("QUENROW_TEST_ENDPOINT");
        QCOMPARE(entry.endpoint("QUENROW_TEST_ENDPOINT", "TestEndpoint", "built-in"), QString("built-in"));
        entry.setValue("TestEndpoint", "from settings", Scope::User);
        QCOMPARE(entry.endpoint("QUENROW_TEST_ENDPOINT", "TestEndpoint", "built-in"), QString("from settings"));
        qputenv("QUENROW_TEST_ENDPOINT", "from environment");
        QCOMPARE(entry.endpoint("QUENROW_TEST_ENDPOINT", "TestEndpoint", "built-in"), QString("from environment"));
    }

    void rubbishProgramIsAnEndpoint()
    {
        SettingsEntry entry;
        const QByteArray saved = qgetenv("QUENROW_RUBBISH");
        qunsetenv("QUENROW_RUBBISH");
        QCOMPARE(entry.rubbishProgram(), QCoreApplication::applicationDirPath() + "/rubbish");
        entry.setValue("RubbishProgram", "/opt/cleaner", Scope::User);
        QCOMPARE(entry.rubbishProgram(), QString("/opt/cleaner"));
        qputenv("QUENROW_RUBBISH", "/usr/local/bin/cleaner");
        QCOMPARE(entry.rubbishProgram(), QString("/usr/local/bin/cleaner"));
        saved.isNull() ? qunsetenv("QUENROW_RUBBISH") : qputenv("QUENROW_RUBBISH", saved);
    }

    void cleanupListKeepsAbsolutePaths()
    {
        SettingsEntry entry;
        entry.addCleanupPath("");
        QVERIFY(entry.cleanupPaths().isEmpty());
        entry.addCleanupPath("relative/folder");
        QCOMPARE(entry.cleanupPaths(), QStringList {QDir::currentPath() + "/relative/folder"});
    }

    void cleanLastRemovesOnlyTheLastFolder_data()
    {
        addDeletionRows();
    }

    void cleanLastRemovesOnlyTheLastFolder()
    {
        QFETCH(bool, viaCleaner);
        SettingsEntry entry;
        entry.cleanBackupFolders(false, viaCleaner); // empty list: nothing to do
        const QString first = makeFolder(QString("first-%1").arg(viaCleaner));
        const QString last = makeFolder(QString("last-%1/inner").arg(viaCleaner));
        entry.addCleanupPath(first);
        entry.addCleanupPath(last);
        entry.cleanBackupFolders(false, viaCleaner);
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(last), 10000);
        QVERIFY(QFileInfo::exists(first + "/data.bin"));
        QCOMPARE(entry.cleanupPaths(), QStringList {first});
    }

    void cleanRefusesTheHomeFolder()
    {
        SettingsEntry entry;
        QFile marker(QDir::homePath() + "/keep.txt");
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        entry.addCleanupPath(QDir::homePath());
        entry.cleanBackupFolders(false, false);
        QVERIFY(marker.exists());
    }

    void backupFoldersOnOneVolumeAreOneCandidate()
    {
        SettingsEntry entry;
        const QString backup = m_dir.path() + "/volume/Quenrow(iOS)_Backup";
        entry.addCleanupPath(makeFolder("volume/Quenrow(iOS)_Backup/device-a"));
        entry.addCleanupPath(makeFolder("volume/Quenrow(iOS)_Backup/device-b/decrypted"));
        entry.addCleanupPath(makeFolder("elsewhere"));
        QCOMPARE(entry.backupFolderCandidates(), QStringList {backup});
    }

    void cleanAllRemovesTheBackupFolders_data()
    {
        addDeletionRows();
    }

    void cleanAllRemovesTheBackupFolders()
    {
        QFETCH(bool, viaCleaner);
        SettingsEntry entry;
        const QString volume = QString("all-%1").arg(viaCleaner);
        const QString backup = m_dir.path() + '/' + volume + "/Quenrow(iOS)_Backup";
        entry.addCleanupPath(makeFolder(volume + "/Quenrow(iOS)_Backup/device"));
        const QString outside = makeFolder(volume + "/kept");
        entry.addCleanupPath(outside);
        entry.cleanBackupFolders(true, viaCleaner);
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(backup), 10000);
        QVERIFY(QFileInfo::exists(outside + "/data.bin"));
    }

    void folders()
    {
        SettingsEntry entry;
        QCOMPARE(entry.logPath(), qEnvironmentVariable("QUENROW_LOG_DIR"));
        QVERIFY(QFileInfo(entry.logPath()).isDir());
        QCOMPARE(entry.cacheMediaPath(), QCoreApplication::applicationDirPath() + "/cache_media");
        QVERIFY(QFileInfo(entry.resourcesPath()).isDir());
        QVERIFY(entry.resourcesPath().endsWith("/resources"));
        QVERIFY(entry.desktopPath().startsWith(QDir::homePath()));
        const QString backup = entry.backupRootPath();
        QCOMPARE(backup, qEnvironmentVariable("QUENROW_DATA_ROOT") + "/Quenrow(iOS)_Backup");
        QVERIFY(QFileInfo(backup).isDir());
        QVERIFY(SettingsEntry::instance() == SettingsEntry::instance());
    }

    void backupRootFallsBackToAUserFolder()
    {
        const QByteArray saved = qgetenv("QUENROW_DATA_ROOT");
        QFile blocker(m_dir.path() + "/a-file");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("QUENROW_DATA_ROOT", (blocker.fileName() + "/below").toLocal8Bit());
        SettingsEntry entry;
        const QString backup = entry.backupRootPath();
        qputenv("QUENROW_DATA_ROOT", saved);
        QCOMPARE(backup, entry.fallbackBackupRootPath());
        QVERIFY(backup.startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
        QVERIFY(QFileInfo(backup).isDir());

        // Backups kept there are found by the full clean-up too.
        entry.addCleanupPath(backup + "/device");
        QCOMPARE(entry.backupFolderCandidates(), QStringList {backup});
    }
};

QTEST_GUILESS_MAIN(SettingsEntryTest)
#include "settingsentry_test.moc"
