#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// quenrow-icloud as a user runs it, over our library and over the scripted one.
class ICloudToolTest : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int exitCode = -1;
        QStringList lines;
        QByteArray errors;
    };

    static QString program() { return qEnvironmentVariable("QUENROW_BIN_DIR") + "/quenrow-icloud"; }

    static QProcessEnvironment environment(const QJsonObject *script)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (script) {
            env.insert("QUENROW_CIRRANE", qEnvironmentVariable("QUENROW_BIN_DIR") + "/libCirraneScripted.so");
            env.insert("QUENROW_CIRRANE_SCRIPT", QString::fromUtf8(QJsonDocument(*script).toJson(QJsonDocument::Compact)));
        } else {
            env.remove("QUENROW_CIRRANE");
        }
        return env;
    }

    static Run run(const QStringList &arguments, const QByteArray &input, const QJsonObject *script)
    {
        QProcess process;
        process.setProcessEnvironment(environment(script));
        process.start(program(), arguments);
        process.write(input);
        process.closeWriteChannel();
        Run result;
        if (!process.waitForFinished(20000))
            return result;
        result.exitCode = process.exitCode();
        result.lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        result.errors = process.readAllStandardError();
        return result;
    }

    static QJsonObject photo(int i)
    {
        return {{"kind", 1}, {"subKind", 0},
                {"record", QJsonObject{{"fileName", QStringLiteral("IMG_%1.JPG").arg(i)}, {"size", 10}, {"date", 1600000000}}}};
    }

    static bool logsHold(const QByteArray &text)
    {
        QDirIterator it(qEnvironmentVariable("QUENROW_LOG_DIR"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly) && file.readAll().contains(text))
                return true;
        }
        return false;
    }

private slots:
    void notAvailableHere()
    {
        const Run result = run({"--apple-id", "someone@example.com"}, "Never-Logged-9\n", nullptr);
        QCOMPARE(result.exitCode, 3);
        QCOMPARE(result.lines, QStringList{"{\"login\":503}"});
        QCOMPARE(result.errors, QByteArray("quenrow-icloud: iCloud is not available on this platform\n"));
        QVERIFY(!logsHold("Never-Logged-9"));
        QVERIFY(logsHold("iCloud is not available on this platform"));
    }

    void signInOutcomes_data()
    {
        QTest::addColumn<QJsonObject>("script");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("two steps, a wrong then a right code")
            << QJsonObject{{"login", QJsonArray{12}}, {"verify", QJsonArray{1, 0}}, {"accountInfo", 4}}
            << QByteArray("pw\n111111\n222222\n")
            << QStringList{"{\"login\":12}", "{\"verify\":1}", "{\"verify\":0}", "{\"accountInfo\":4}"} << 0;
        QTest::newRow("too many attempts reads no further")
            << QJsonObject{{"login", QJsonArray{12}}, {"verify", QJsonArray{15, 0}}}
            << QByteArray("pw\n111111\n222222\n") << QStringList{"{\"login\":12}", "{\"verify\":15}"} << 1;
        QTest::newRow("codes run out") << QJsonObject{{"login", QJsonArray{12}}, {"verify", QJsonArray{1}}}
                                       << QByteArray("pw\n1\n") << QStringList{"{\"login\":12}", "{\"verify\":1}"} << 1;
        QTest::newRow("wrong password") << QJsonObject{{"password", "right"}, {"login", QJsonArray{0}}}
                                        << QByteArray("wrong\n") << QStringList{"{\"login\":11}"} << 1;
        QTest::newRow("a non-ASCII password arrives intact")
            << QJsonObject{{"password", QString::fromUtf8("pässwörd ✓")}, {"login", QJsonArray{0}}, {"accountInfo", 0}}
            << QString::fromUtf8("pässwörd ✓\n").toUtf8() << QStringList{"{\"login\":0}", "{\"accountInfo\":0}"} << 0;
    }

    void signInOutcomes()
    {
        QFETCH(QJsonObject, script);
        QFETCH(QByteArray, input);
        QFETCH(QStringList, lines);
        QFETCH(int, exitCode);
        const Run result = run({"--apple-id", "someone@example.com"}, input, &script);
        QCOMPARE(result.lines, lines);
        QCOMPARE(result.exitCode, exitCode);
    }

    void pullsTheChosenCategories()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("new/pull");
        QJsonArray records;
        for (int i = 0; i < 3; ++i)
            records << photo(i);
        records << QJsonObject{{"kind", 4}, {"subKind", 0},
                               {"record", QJsonObject{{"contactId", 70000}, {"firstName", "Ada"}}}};
        records << QJsonObject{{"kind", 6}, {"subKind", 0}, {"record", QJsonObject{{"noteId", 3}, {"title", "Plan"}}}};
        const QJsonObject script{{"login", QJsonArray{0}}, {"records", records}};
        const Run result = run({"--apple-id", "a@b.c", "--categories", "512,16,999,1", "--folder", folder}, "pw\n", &script);
        QCOMPARE(result.exitCode, 0);
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(result.lines.filter("sigPullBackups"),
                 (QStringList{"{\"signal\":\"sigPullBackupsStart\"}", "{\"signal\":\"sigPullBackupsStop\"}"}));
        const QStringList finished = result.lines.filter("dataFinished");
        QCOMPARE(finished.filter("\"type\":512}").size(), 1);
        QVERIFY(result.lines.indexOf("{\"signal\":\"dataFinished\",\"type\":512}")
                < result.lines.indexOf("{\"signal\":\"dataFinished\",\"type\":16}"));
        QVERIFY(result.lines.indexOf("{\"signal\":\"dataFinished\",\"type\":16}")
                < result.lines.indexOf("{\"signal\":\"dataFinished\",\"type\":1}"));
        QVERIFY(result.lines.contains("{\"type\":16,\"records\":3}"));
        QVERIFY(result.lines.contains("{\"type\":1,\"records\":1}"));
        QVERIFY(result.lines.contains("{\"type\":512,\"records\":1}"));
        QVERIFY(finished.filter("\"type\":32}").isEmpty());
    }

    void aSignalStopsThePull()
    {
        QTemporaryDir dir;
        QJsonArray records;
        for (int i = 0; i < 30; ++i)
            records << photo(i);
        records << QJsonObject{{"kind", 4}, {"subKind", 0}, {"record", QJsonObject{{"contactId", 1}, {"firstName", "B"}}}};
        const QJsonObject script{{"login", QJsonArray{0}}, {"records", records}, {"recordDelayMs", 100}};
        QProcess process;
        process.setProcessEnvironment(environment(&script));
        process.start(program(), {"--apple-id", "a@b.c", "--categories", "16,1,512", "--folder", dir.path()});
        process.write("pw\n");
        process.closeWriteChannel();
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += process.readAllStandardOutput()).contains("sigPullBackupsStart"), 5000);
        QTest::qWait(500); // a few photos in
        ::kill(pid_t(process.processId()), SIGINT);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 1);
        out += process.readAllStandardOutput();
        const QStringList lines = QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.filter("sigPullBackupsStop").size(), 1);
        QVERIFY(lines.filter("\"type\":1}").isEmpty() && lines.filter("\"type\":1,").isEmpty());
        QVERIFY(lines.filter("\"type\":512").isEmpty());
        const QStringList photos = lines.filter("{\"type\":16,\"records\":");
        QCOMPARE(photos.size(), 1);
        const int count = photos.first().section(':', 2).chopped(1).toInt();
        QVERIFY2(count > 0 && count < 30, qPrintable(photos.first()));
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no Apple ID") << QStringList();
        QTest::newRow("categories without a folder") << QStringList{"--apple-id", "a", "--categories", "16"};
        QTest::newRow("not a number") << QStringList{"--apple-id", "a", "--categories", "x", "--folder", "/tmp/x"};
        QTest::newRow("unknown option") << QStringList{"--apple-id", "a", "--password", "p"};
    }

    void badArguments()
    {
        QFETCH(QStringList, arguments);
        QCOMPARE(run(arguments, "", nullptr).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(ICloudToolTest)
#include "icloudtool_test.moc"
