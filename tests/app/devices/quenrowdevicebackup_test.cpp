#include "fakebackuphelper.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace
{
    const char *kUdid = "00008101-000A1B2C3D4E5F60";

    struct Run
    {
        int exitCode = -100;
        QStringList lines;
    };

    QString tool()
    {
        return qEnvironmentVariable("QUENROW_BIN_DIR") + "/quenrow-devicebackup";
    }

    void collect(QProcess &process, Run &result)
    {
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
            return;
        }
        if (process.exitStatus() == QProcess::NormalExit)
            result.exitCode = process.exitCode();
        for (const QByteArray &line : process.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                result.lines << QString::fromUtf8(line);
    }

    Run run(const QStringList &arguments, const QString &helper)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUENROW_BACKUP_HELPER", helper);
        process.setProcessEnvironment(environment);
        process.start(tool(), arguments);
        Run result;
        collect(process, result);
        return result;
    }
}

class QuenrowDeviceBackupTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work;
    int m_helpers = 0;

    QString helper(const QString &body)
    {
        return writeFakeBackupHelper(m_work.path() + QString("/helper%1.sh").arg(++m_helpers), body);
    }

private slots:
    void initTestCase() { QVERIFY(m_work.isValid()); }

    void printsEachSignal_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("exitCode");
        const QString made = "mkdir -p \"$target/$udid\"; ";
        QTest::newRow("success")
            << made + "printf '1|37.5\\r\\n2|1\\r\\n2|2\\r\\n1|100\\r\\n'"
            << QStringList {R"({"taskProgress":[0,1]})", R"({"taskProgress":[0,2,37.5]})",
                            R"({"taskRequested":[2,"1\r\n"]})", R"({"taskRequested":[2,"2\r\n"]})",
                            R"({"taskProgress":[0,2,100]})", R"({"taskProgress":[0,0,"DIR/UDID"]})"}
            << 0;
        QTest::newRow("device error")
            << made + "printf 'Error: not enough space on the device, 105\\r\\n'; exit 1"
            << QStringList {R"({"taskProgress":[0,1]})",
                            R"({"taskRequested":[0,105,"Error: not enough space on the device, 105\r\n"]})",
                            R"({"taskProgress":[0,-1,"DIR/UDID"]})"}
            << 1;
        QTest::newRow("crash reports 3 after its end")
            << made + "kill -SEGV $$"
            << QStringList {R"({"taskProgress":[0,1]})", R"({"taskProgress":[0,-1,"DIR/UDID"]})",
                            R"({"taskProgress":[0,3]})"}
            << 1;
    }

    void printsEachSignal()
    {
        QFETCH(QString, body);
        QFETCH(QStringList, expected);
        QFETCH(int, exitCode);
        const QString target = m_work.path() + "/print-" + QString(QTest::currentDataTag()).replace(' ', '_');
        const Run result = run({"--target", target, "--udid", kUdid}, helper(body));
        QCOMPARE(result.exitCode, exitCode);
        expected.replaceInStrings("DIR/UDID", target + "/" + kUdid);
        QCOMPARE(result.lines, expected);
    }

    void versionAndCategoriesReachTheArgument()
    {
        const QString script = helper("mkdir -p \"$target/$udid\"");
        const QString target = m_work.path() + "/args";
        const Run result = run({"--target", target, "--udid", kUdid, "--version", "17.0", "--categories", "1,2,3"},
                               script);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(fakeBackupHelperArguments(script),
                 (QStringList {"1", "-path|" + target + "|-target|" + kUdid + "|-a|full|-backuptype|12"}));
    }

    void helperThatCannotStart()
    {
        const QString target = m_work.path() + "/nostart";
        const Run result = run({"--target", target, "--udid", kUdid}, m_work.path() + "/no-such-helper");
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.lines, (QStringList {R"({"taskProgress":[0,1]})", R"({"taskProgress":[0,3]})"}));
    }

    void interruptStopsTheBackup_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGTERM") << SIGTERM;
    }

    void interruptStopsTheBackup()
    {
        QFETCH(int, signalNumber);
        // The trap first: the test stops the backup once the folder is there.
        const QString script = helper("trap 'rm -rf \"$target/.$udid.partial\"; exit 1' TERM;"
                                      " mkdir -p \"$target/.$udid.partial\";"
                                      " printf '1|5\\r\\n'; for i in $(seq 200); do sleep 0.1; done");
        const QString target = m_work.path() + "/stop-" + QTest::currentDataTag();
        QDir().mkpath(target + "/OTHER");
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUENROW_BACKUP_HELPER", script);
        process.setProcessEnvironment(environment);
        process.start(tool(), {"--target", target, "--udid", kUdid});
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(target + "/." + kUdid + ".partial"), 10000);
        ::kill(static_cast<pid_t>(process.processId()), signalNumber);
        Run result;
        collect(process, result);
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.lines.last(), R"({"taskProgress":[0,-1,")" + target + "/" + kUdid + R"("]})");
        for (const QString &line : result.lines)
            QVERIFY2(!line.startsWith(R"({"taskRequested":[0)"), qPrintable(line));
        QVERIFY(QFileInfo(target + "/OTHER").isDir());
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(target + "/." + kUdid + ".partial"), 10000);
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList {};
        QTest::newRow("no udid") << QStringList {"--target", "/tmp/x"};
        QTest::newRow("no target") << QStringList {"--udid", "U"};
        QTest::newRow("bad categories") << QStringList {"--target", "/tmp/x", "--udid", "U", "--categories", "1,x"};
        QTest::newRow("unknown option") << QStringList {"--target", "/tmp/x", "--udid", "U", "--force"};
        QTest::newRow("stray argument") << QStringList {"--target", "/tmp/x", "--udid", "U", "more"};
    }

    void badArguments()
    {
        QFETCH(QStringList, arguments);
        const QString script = helper("exit 0");
        const Run result = run(arguments, script);
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.lines.isEmpty());
        QVERIFY(!QFileInfo::exists(script + ".args"));
    }
};

QTEST_GUILESS_MAIN(QuenrowDeviceBackupTest)
#include "quenrowdevicebackup_test.moc"
