#include "backupbuilder.h"
#include "foldersnapshot.h"
#include "photolibrary.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

using namespace testsupport;

namespace
{
    struct Outcome
    {
        int exitCode = -1;
        QJsonObject line;
        QByteArray errors;
    };

    Outcome finish(QProcess &process)
    {
        Outcome outcome;
        if (!process.waitForFinished(120000))
            return outcome;
        outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
        for (const QByteArray &line : lines) {
            if (!line.trimmed().isEmpty())
                outcome.line = QJsonDocument::fromJson(line).object();
        }
        outcome.errors = process.readAllStandardError();
        return outcome;
    }

    QByteArray digestOf(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
    }

    const QMap<int, QString> s_folders = {{0x2, "Videos"},        {0x2000, "Photos"},     {0x4000, "App Photos"},
                                          {0x8000, "App Videos"}, {0x10000, "App Audios"}, {0x20000, "App Documents"}};

    // The name a record's file may carry: its safe form, or that with "(n)".
    bool nameFits(const QString &recordName, const QString &fileName)
    {
        QString safe = recordName;
        for (QChar &c : safe) {
            if (QStringLiteral("\\/:*?\"<>|").contains(c))
                c = '_';
        }
        if (safe.isEmpty() || safe == "." || safe == "..")
            safe = "_";
        if (fileName.toUtf8().size() > 255)
            return false;
        if (safe.toUtf8().size() > 255) {
            // Cut: a prefix of the stem, the suffix kept.
            const int dot = safe.lastIndexOf('.');
            const QString suffix = dot > 0 ? safe.mid(dot) : QString();
            const QString stem = fileName.left(fileName.size() - suffix.size()).remove(QRegularExpression("\\(\\d+\\)$"));
            return fileName.endsWith(suffix) && safe.startsWith(stem) && !stem.isEmpty();
        }
        if (fileName == safe)
            return true;
        const int dot = safe.lastIndexOf('.');
        const QString stem = dot > 0 ? safe.left(dot) : safe;
        const QString suffix = dot > 0 ? safe.mid(dot) : QString();
        return QRegularExpression(QRegularExpression::anchoredPattern(QRegularExpression::escape(stem) + "\\(\\d+\\)"
                                                                      + QRegularExpression::escape(suffix)))
            .match(fileName)
            .hasMatch();
    }
}

class QuenrowExportTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_backup;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    QProcess *start(const QStringList &args)
    {
        auto *process = new QProcess(this);
        process->start(QUENROW_EXPORT_PATH, args);
        return process;
    }

    Outcome run(const QStringList &args)
    {
        std::unique_ptr<QProcess> process(start(args));
        return finish(*process);
    }

    QStringList exportArgs(const QString &out) const
    {
        // Photos, videos and the four kinds of app files: engine bits 0x3E002.
        return {"--backup", m_backup, "--categories", "16,32,8192,16384,32768,65536", "--out", out};
    }

    // The file records the engine reports, by category bit: (name, source).
    QMap<int, QList<QPair<QString, QString>>> engineRecords()
    {
        QMap<int, QList<QPair<QString, QString>>> records;
        QProcess scan;
        QDir().mkpath(path("scan"));
        scan.start(VARDEX_SCAN_PATH, {"--backup", m_backup, "--mask", "0x3E002", "--out", path("scan")});
        if (!scan.waitForFinished(60000))
            return records;
        for (const QByteArray &line : scan.readAllStandardOutput().split('\n')) {
            const QJsonObject event = QJsonDocument::fromJson(line).object();
            if (event.value("status").toInt() != 4)
                continue;
            const QJsonObject record = event.value("record").toObject();
            records[event.value("kind").toInt()].append(
                qMakePair(record.value("name").toString(), record.value("filePath").toString()));
        }
        return records;
    }

private slots:
    void initTestCase()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_backup = path("backup");
        BackupBuilder backup(m_backup.toStdString());
        addPhotoLibrary(backup, PhotoSchema::Newer,
                        {{"DCIM/100APPLE", "IMG_0001.JPG", 600000000, 0, std::string("camera photo"), std::nullopt},
                         {"DCIM/100APPLE", "IMG_0004.MOV", 640000000, 1, std::string("camera video"), std::nullopt},
                         {"DCIM/100APPLE", "IMG_0005.MOV", 630000000, 1, std::nullopt, std::nullopt}});
        const std::string a = "AppDomain-com.example.a";
        const std::string b = "AppDomain-com.example.b";
        backup.addFile(a, "Documents/Pic.JPG", "upper-case picture");
        backup.addFile(b, "Documents/pic.jpg", "lower-case picture");
        backup.addFile(b, "Documents/same.pdf", "first same");
        backup.addFile(a, "Documents/same.pdf", "second same");
        backup.addFile(a, "Documents/empty.pdf", "");
        backup.addFile(a, "Documents/big.mp4", std::string(3 * 1024 * 1024 + 11, 'v'));
        backup.addFile(a, "Documents/song.m4a", "a song");
        backup.addManifestRow(fileIdOf(a, "Documents/gone.m4a"), a, "Documents/gone.m4a");
        const std::string folderId = backup.addFile(a, "Documents/folder.pdf", "replaced by a folder");
        backup.addFile(a, "Documents/..", "dots");
        backup.addFile(a, "Documents/a/../../b.jpg", "climbing");
        backup.addFile(a, "Documents/" + std::string(296, 'n') + ".txt", "long name");
        backup.write();
        const QString folderPath = QString::fromStdString(backup.pathOf(folderId));
        QVERIFY(QFile::remove(folderPath));
        QVERIFY(QDir().mkpath(folderPath));
    }

    void everyPresentFileIsCopiedOnce()
    {
        const auto before = folderSnapshot(m_backup);
        const auto records = engineRecords();
        QVERIFY(!records.isEmpty());
        QDir().mkpath(path("out"));
        const Outcome outcome = run(exportArgs(path("out")));
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.line.value("error").toInt(), 0);
        QCOMPARE(outcome.line.value("stopped").toBool(), false);
        QVERIFY(outcome.line.value("seconds").toDouble() >= 0);

        const QString root = outcome.line.value("root").toString();
        QCOMPARE(QFileInfo(root).path(), path("out"));
        QVERIFY(QFileInfo(root).fileName().startsWith("iPhone 8_"));
        QCOMPARE(QDir(path("out")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);

        int total = 0;
        int present = 0;
        QStringList expectedFolders;
        for (auto it = records.cbegin(); it != records.cend(); ++it) {
            const QString folder = root + '/' + s_folders.value(it.key());
            expectedFolders.append(s_folders.value(it.key()));
            QStringList files = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            QStringList lower;
            for (const QString &file : files)
                lower.append(file.toLower());
            QCOMPARE(QSet<QString>(lower.begin(), lower.end()).size(), files.size());
            int presentHere = 0;
            for (const auto &record : it.value()) {
                ++total;
                if (!QFileInfo(record.second).isFile())
                    continue;
                ++present;
                ++presentHere;
                const QByteArray digest = digestOf(record.second);
                bool found = false;
                for (int i = 0; i < files.size() && !found; ++i) {
                    if (nameFits(record.first, files.at(i)) && digestOf(folder + '/' + files.at(i)) == digest) {
                        files.removeAt(i);
                        found = true;
                    }
                }
                QVERIFY2(found, qPrintable(record.first + " in " + folder));
            }
            QVERIFY2(files.isEmpty(), qPrintable(files.join(", ")));
            QVERIFY(presentHere < it.value().size() || it.key() != 0x2); // the lost clip
        }
        expectedFolders.sort();
        QStringList folders = QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        folders.sort();
        QCOMPARE(folders, expectedFolders);
        QCOMPARE(outcome.line.value("total").toInt(), total);
        QCOMPARE(outcome.line.value("processed").toInt(), total);
        QCOMPARE(outcome.line.value("succeeded").toInt(), present);
        QVERIFY(present < total);
        QCOMPARE(folderSnapshot(m_backup), before);
    }

    void relativeFoldersAreTheCurrentFolders()
    {
        QProcess process;
        process.setWorkingDirectory(m_dir->path());
        process.start(QUENROW_EXPORT_PATH, {"--backup", "backup", "--categories", "65536", "--out", "relative"});
        const Outcome outcome = finish(process);
        QCOMPARE(outcome.exitCode, 0);
        QVERIFY(outcome.line.value("root").toString().startsWith(path("relative") + '/'));
        QVERIFY(outcome.line.value("succeeded").toInt() >= 3);
    }

    void concurrentRunsGetTheirOwnRoots()
    {
        QDir().mkpath(path("both"));
        std::unique_ptr<QProcess> first(start(exportArgs(path("both"))));
        std::unique_ptr<QProcess> second(start(exportArgs(path("both"))));
        const Outcome one = finish(*first);
        const Outcome two = finish(*second);
        QCOMPARE(one.exitCode, 0);
        QCOMPARE(two.exitCode, 0);
        const QString rootOne = one.line.value("root").toString();
        const QString rootTwo = two.line.value("root").toString();
        QVERIFY(rootOne != rootTwo);
        QCOMPARE(QDir(path("both")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 2);
        QCOMPARE(one.line.value("succeeded").toInt(), two.line.value("succeeded").toInt());
        auto a = folderSnapshot(rootOne);
        auto b = folderSnapshot(rootTwo);
        QCOMPARE(a.size(), b.size());
    }

    void outNamingAFileFailsWithFour()
    {
        QFile file(path("plain"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("untouched");
        file.close();
        const Outcome outcome = run(exportArgs(path("plain")));
        QCOMPARE(outcome.exitCode, 1);
        QCOMPARE(outcome.line.value("error").toInt(), 4);
        QVERIFY(!outcome.errors.isEmpty());
        QVERIFY(QFileInfo(path("plain")).isFile());
        QCOMPARE(digestOf(path("plain")), QCryptographicHash::hash("untouched", QCryptographicHash::Sha1).toHex());
    }

    void terminatedRunSaysSo()
    {
        QDir().mkpath(path("stopped"));
        std::unique_ptr<QProcess> process(start(exportArgs(path("stopped"))));
        QVERIFY(process->waitForStarted());
        // Once the program catches SIGTERM (bit 15 of SigCgt), send it.
        const QString status = QStringLiteral("/proc/%1/status").arg(process->processId());
        bool caught = false;
        for (int i = 0; i < 5000 && !caught; ++i) {
            QFile file(status);
            if (file.open(QIODevice::ReadOnly)) {
                for (const QByteArray &line : file.readAll().split('\n')) {
                    if (line.startsWith("SigCgt:"))
                        caught = (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
                }
            }
            if (!caught)
                QThread::msleep(1);
        }
        QVERIFY(caught);
        ::kill(static_cast<pid_t>(process->processId()), SIGTERM);
        const Outcome outcome = finish(*process);
        QCOMPARE(outcome.exitCode, 1);
        QCOMPARE(outcome.line.value("stopped").toBool(), true);
        const QString root = outcome.line.value("root").toString();
        QVERIFY(!root.isEmpty());
        // Whatever was written is whole: each file matches one of the backup's.
        QSet<QByteArray> sources;
        for (const QByteArray &digest : folderSnapshot(m_backup))
            sources.insert(digest);
        const auto written = folderSnapshot(root);
        for (auto it = written.cbegin(); it != written.cend(); ++it)
            QVERIFY2(it.value() == "<dir>" || sources.contains(it.value()), qPrintable(it.key()));
    }

    // What cannot be read is told; the rest is still exported.
    void aCategoryThatCannotBeReadIsToldAndTheRestExported()
    {
        BackupBuilder backup(path("damaged").toStdString());
        backup.addFile("HomeDomain", "Library/SMS/sms.db", std::string(8192, '\x5A'));
        backup.addFile("AppDomain-com.example.a", "Documents/kept.pdf", "kept");
        backup.write();
        QDir().mkpath(path("damaged-out"));
        const Outcome outcome = run({"--backup", path("damaged"), "--categories", "2,65536", "--out", path("damaged-out")});
        QCOMPARE(outcome.exitCode, 3);
        QCOMPARE(outcome.errors, QByteArray("quenrow-export: category 2 could not be read: a file it needs is not a "
                                            "database (scrambled or encrypted)\n"));
        QCOMPARE(outcome.line.value("error").toInt(), 0);
        QCOMPARE(outcome.line.value("succeeded").toInt(), 1);
        const QString root = outcome.line.value("root").toString();
        QCOMPARE(digestOf(root + "/App Documents/kept.pdf"), digestOf(QString::fromStdString(backup.pathOf(
                                                                 fileIdOf("AppDomain-com.example.a", "Documents/kept.pdf")))));
    }

    // A folder that is no readable backup: told, and nothing is made.
    void anUnreadableBackupExportsNothing()
    {
        QDir().mkpath(path("nothing-out"));
        const Outcome outcome = run({"--backup", path("no-such-backup"), "--categories", "65536", "--out",
                                     path("nothing-out")});
        QCOMPARE(outcome.exitCode, 4);
        QCOMPARE(outcome.errors, QByteArray("quenrow-export: category 65536 could not be read: the backup folder does "
                                            "not exist or cannot be read\n"));
        QVERIFY(outcome.line.isEmpty());
        QVERIFY(QDir(path("nothing-out")).isEmpty());
    }

    void badArgumentsShowUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("no out") << QStringList{"--backup", "x", "--categories", "2"};
        QTest::newRow("bad categories") << QStringList{"--backup", "x", "--categories", "zz", "--out", "y"};
        QTest::newRow("attachment category") << QStringList{"--backup", "x", "--categories", "2,3", "--out", "y"};
        QTest::newRow("old mask") << QStringList{"--backup", "x", "--mask", "4", "--out", "y"};
        QTest::newRow("unknown option") << QStringList{"--backup", "x", "--categories", "2", "--out", "y", "--fast", "1"};
    }

    void badArgumentsShowUsage()
    {
        QFETCH(QStringList, args);
        const Outcome outcome = run(args);
        QCOMPARE(outcome.exitCode, 2);
        QVERIFY(outcome.errors.startsWith("usage: quenrow-export"));
    }
};

QTEST_GUILESS_MAIN(QuenrowExportTest)
#include "quenrowexport_test.moc"
