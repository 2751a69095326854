#include "manifestfixture.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using devicestest::ManifestSpec;
using devicestest::writeBytes;
using devicestest::writeManifestPlist;

namespace
{
    using Record = QMap<QString, QString>;

    QString program(const QString &name)
    {
        return qEnvironmentVariable("QUENROW_BIN_DIR") + "/" + name;
    }

    struct Run
    {
        int exitCode = -1;
        QList<QByteArray> lines;
    };

    Run run(const QString &name, const QStringList &arguments, const QProcessEnvironment &environment)
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program(name), arguments);
        Run result;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.exitCode = process.exitCode();
        for (const QByteArray &line : process.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                result.lines << line;
        return result;
    }

    QList<Record> records(const Run &run)
    {
        QList<Record> list;
        for (const QByteArray &line : run.lines) {
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            Record record;
            for (auto it = object.begin(); it != object.end(); ++it)
                record.insert(it.key(), it.value().toString());
            list << record;
        }
        return list;
    }

    // Events only: the records' contents are the engine's business.
    QStringList events(const QList<QByteArray> &lines)
    {
        QStringList list;
        for (const QByteArray &line : lines) {
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            if (object.contains("signal"))
                list << object.value("signal").toString();
            else if (object.contains("status"))
                list << QString("%1/%2/%3")
                            .arg(object.value("status").toInt())
                            .arg(object.value("kind").toInt())
                            .arg(object.value("value").toInt());
        }
        return list;
    }
}

class QuenrowBackupsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listsBackupsOfAllRoots_data();
    void listsBackupsOfAllRoots();
    void readsOneFolder();
    void noRootAtAll();
    void badArguments_data();
    void badArguments();
    void scanRunsTheEnginePasses_data();
    void scanRunsTheEnginePasses();

private:
    Record backup(const QString &folder, const ManifestSpec &spec, const QByteArray *manifestDb,
                  const QString &model, const QString &date, const QString &encrypted);

    QTemporaryDir m_dir;
    QProcessEnvironment m_environment;
    QList<Record> m_expected;
};

Record QuenrowBackupsTest::backup(const QString &folder, const ManifestSpec &spec, const QByteArray *manifestDb,
                                  const QString &model, const QString &date, const QString &encrypted)
{
    qint64 size = writeManifestPlist(folder, spec);
    if (manifestDb)
        size += writeBytes(folder + "/Manifest.db", *manifestDb);
    // Files in sub-folders count towards the size too.
    size += writeBytes(folder + "/ab/ab12", QByteArray(1000, 'x'));
    size += writeBytes(folder + "/cd/deeper/cd34", QByteArray(24, 'y'));
    Record record {{"IsEncrypted", encrypted}, {"LocalPath", folder}, {"Size", QString::number(size)}};
    if (spec.date)
        record.insert("Date", date);
    if (spec.lockdown) {
        record.insert("DeviceName", spec.deviceName);
        record.insert("ProductType", model);
        record.insert("ProductVersion", spec.productVersion);
    }
    return record;
}

void QuenrowBackupsTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString root = m_dir.filePath("itunes");
    const QString wine = m_dir.filePath("wine");
    const QString alice = wine + "/drive_c/users/alice/";
    const QString bob = wine + "/drive_c/users/bob/";
    const QString date = "2023-03-08 20:26:40";
    const QByteArray plain = devicestest::sqliteHeader();
    const QByteArray random = QByteArray::fromHex("8f3a11c2d4e5f60718293a4b5c6d7e8f") + QByteArray(80, '\x5a');
    const QByteArray nulFirst = QByteArray(1, '\0') + QByteArray::fromHex("e3b0c44298fc1c149afbf4c8996fb924");
    const QByteArray empty;

    ManifestSpec binary;
    ManifestSpec bom;
    bom.format = ManifestSpec::XmlWithBom;
    bom.productType = "iPhone16,1";
    ManifestSpec noLockdown;
    noLockdown.lockdown = false;
    ManifestSpec noDate;
    noDate.format = ManifestSpec::Xml;
    noDate.date = false;
    noDate.productType = "iPhone10,6";
    ManifestSpec epoch;
    epoch.dateSeconds = 0;
    epoch.productType = "iPhone3,2";

    m_expected << backup(root + "/a-binary", binary, &plain, "iPhone 14 Pro Max", date, "0")
               << backup(root + "/B-xml-bom", bom, &random, "iPhone16,1", date, "1")
               << backup(root + "/c-no-lockdown", noLockdown, nullptr, "", date, "0")
               << backup(root + "/d-no-date", noDate, &empty, "iPhone X", date, "0")
               << backup(root + "/e-nul-first", binary, &nulFirst, "iPhone 14 Pro Max", date, "1");
    // Not backups: no Manifest.plist, a 3-byte one, a loose file, a
    // Manifest.plist that is no property list and an oversized one.
    writeBytes(root + "/f-no-plist/Manifest.db", plain);
    writeBytes(root + "/g-tiny/Manifest.plist", "bpl");
    writeBytes(root + "/h-garbage/Manifest.plist", "this is not a property list");
    writeBytes(root + "/loose.txt", "hello");
    // Sparse: too big to be read into memory, cheap to make.
    writeBytes(root + "/i-huge/Manifest.plist", "bplist00");
    QVERIFY(QFile::resize(root + "/i-huge/Manifest.plist", 65 * 1024 * 1024));
    m_expected << backup(alice + "AppData/Roaming/Apple Computer/MobileSync/Backup/z-wine", epoch, &plain,
                         "iPhone 4", "2001-01-01 00:00:00", "0")
               << backup(alice + "Apple/MobileSync/Backup/m-wine", binary, &random, "iPhone 14 Pro Max", date, "1")
               << backup(bob + "Apple/MobileSync/Backup/k-bob", noLockdown, &plain, "", date, "0");

    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert("QUENROW_ITUNES_BACKUP_ROOT", root);
    m_environment.insert("WINEPREFIX", wine);
}

void QuenrowBackupsTest::listsBackupsOfAllRoots_data()
{
    QTest::addColumn<QString>("timeZone");
    QTest::addColumn<int>("hours");
    QTest::newRow("utc") << "UTC" << 0;
    QTest::newRow("local time east of utc") << "Asia/Tokyo" << 9;
}

void QuenrowBackupsTest::listsBackupsOfAllRoots()
{
    QFETCH(QString, timeZone);
    QFETCH(int, hours);
    QProcessEnvironment environment = m_environment;
    environment.insert("TZ", timeZone);
    const Run result = run("quenrow-backups", {}, environment);
    QCOMPARE(result.exitCode, 0);
    QList<Record> expected = m_expected;
    for (Record &record : expected)
        if (record.contains("Date"))
            record["Date"] = QDateTime::fromString(record["Date"], "yyyy-MM-dd hh:mm:ss")
                                 .addSecs(hours * 3600)
                                 .toString("yyyy-MM-dd hh:mm:ss");
    QCOMPARE(records(result), expected);
}

void QuenrowBackupsTest::readsOneFolder()
{
    const QString folder = m_expected[1]["LocalPath"];
    const Run one = run("quenrow-backups", {"--folder", folder}, m_environment);
    QCOMPARE(one.exitCode, 0);
    QCOMPARE(records(one), QList<Record> {m_expected[1]});

    const Run none = run("quenrow-backups", {"--folder", m_dir.filePath("itunes/g-tiny")}, m_environment);
    QCOMPARE(none.exitCode, 0);
    QVERIFY(none.lines.isEmpty());
}

void QuenrowBackupsTest::noRootAtAll()
{
    QProcessEnvironment environment = m_environment;
    environment.insert("QUENROW_ITUNES_BACKUP_ROOT", m_dir.filePath("missing"));
    environment.insert("WINEPREFIX", m_dir.filePath("missing-wine"));
    const Run result = run("quenrow-backups", {}, environment);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.lines.isEmpty());
}

void QuenrowBackupsTest::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList {"--frobnicate"};
    QTest::newRow("positional") << QStringList {"somewhere"};
    QTest::newRow("scan without categories") << QStringList {"--scan", "/tmp"};
    QTest::newRow("categories without scan") << QStringList {"--categories", "2"};
    QTest::newRow("categories not decimal") << QStringList {"--scan", "/tmp", "--categories", "0x2"};
    QTest::newRow("empty category") << QStringList {"--scan", "/tmp", "--categories", "2,,4"};
    QTest::newRow("folder without value") << QStringList {"--folder"};
}

void QuenrowBackupsTest::badArguments()
{
    QFETCH(QStringList, arguments);
    const Run result = run("quenrow-backups", arguments, m_environment);
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.lines.isEmpty());
}

void QuenrowBackupsTest::scanRunsTheEnginePasses_data()
{
    QTest::addColumn<QString>("categories");
    QTest::addColumn<QStringList>("masks");
    QTest::newRow("messages") << "2" << QStringList {"0x8", "0x4"};
    QTest::newRow("messages and a flag without code") << "2,3" << QStringList {"0x8", "0x4"};
    QTest::newRow("only a flag without code") << "3" << QStringList {};
    QTest::newRow("call history first") << "1024,1,2" << QStringList {"0x40", "0x8", "0x4"};
}

void QuenrowBackupsTest::scanRunsTheEnginePasses()
{
    QFETCH(QString, categories);
    QFETCH(QStringList, masks);
    const QString sample = QUENROW_SAMPLE_BACKUP;
    QStringList expected {"sigScanBackupsDbStart"};
    for (const QString &mask : masks) {
        const Run pass = run("vardex-scan", {"--backup", sample, "--mask", mask, "--out", m_dir.filePath("out")},
                             m_environment);
        QCOMPARE(pass.exitCode, 0);
        expected << events(pass.lines);
    }
    expected << "sigScanBackupsDbStop";
    QVERIFY(expected.size() > 2 * masks.size());

    const Run scan = run("quenrow-backups", {"--scan", sample, "--categories", categories}, m_environment);
    QCOMPARE(scan.exitCode, 0);
    QCOMPARE(events(scan.lines), expected);
}

QTEST_GUILESS_MAIN(QuenrowBackupsTest)
#include "quenrowbackups_test.moc"
