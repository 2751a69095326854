#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The password program over a stand-in for Debian's tool that writes down
// how it was run.
class BackupPasswordTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString toolPath() const { return m_dir.path() + "/tool.sh"; }
    QString argsPath() const { return m_dir.path() + "/args.txt"; }

    void writeTool(const QByteArray &ending)
    {
        QFile tool(toolPath());
        QVERIFY(tool.open(QIODevice::WriteOnly | QIODevice::Truncate));
        tool.write("#!/bin/sh\n"
                   ": > \"$ARGS_FILE\"\n"
                   "for a in \"$@\"; do printf '[%s]' \"$a\" >> \"$ARGS_FILE\"; done\n"
                   "readlink /proc/self/fd/0 >> \"$ARGS_FILE\"\n"
                   "echo 'tool says hello'\n"
                   "echo 'tool complains' >&2\n");
        tool.write(ending);
        tool.close();
        tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    struct Result
    {
        int code = -1;
        QByteArray out;
        QByteArray err;
    };

    Result run(const QStringList &arguments, const QString &tool)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUENROW_IDEVICEBACKUP2", tool);
        environment.insert("ARGS_FILE", argsPath());
        process.setProcessEnvironment(environment);
        process.start(qEnvironmentVariable("QUENROW_BIN_DIR") + "/idevicebackup2", arguments);
        Result result;
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.code = process.exitCode();
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }

    QByteArray recordedArguments() const
    {
        QFile file(argsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("(not run)");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        QFile::remove(argsPath());
    }

    void mapsTheCommand_data()
    {
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("set") << "" << "n3w pass" << QByteArray("[-u][UDID-1][encryption][on][n3w pass]/dev/null");
        QTest::newRow("remove") << "0ld \"pass\"" << ""
                                << QByteArray("[-u][UDID-1][encryption][off][0ld \"pass\"]/dev/null");
        QTest::newRow("change") << "old" << "ñew" << QByteArray("[-u][UDID-1][changepw][old][ñew]/dev/null");
        QTest::newRow("verify") << "same" << "same" << QByteArray("[-u][UDID-1][changepw][same][same]/dev/null");
    }

    void mapsTheCommand()
    {
        QFETCH(QString, oldPassword);
        QFETCH(QString, newPassword);
        QFETCH(QByteArray, expected);
        writeTool("exit 0\n");
        const Result result = run({"-u", "UDID-1", "changepw", oldPassword, newPassword}, toolPath());
        QCOMPARE(result.code, 100);
        QCOMPARE(recordedArguments(), expected);
        QCOMPARE(result.out, QByteArray("tool says hello\n"));
        QCOMPARE(result.err, QByteArray("tool complains\n"));
    }

    void mapsExitCodes_data()
    {
        QTest::addColumn<QByteArray>("ending");
        QTest::addColumn<int>("code");
        QTest::newRow("success") << QByteArray("exit 0\n") << 100;
        QTest::newRow("the tool's 100") << QByteArray("exit 100\n") << 1;
        QTest::newRow("other failure") << QByteArray("exit 7\n") << 7;
        QTest::newRow("killed") << QByteArray("kill -TERM $$\n") << 128 + 15;
    }

    void mapsExitCodes()
    {
        QFETCH(QByteArray, ending);
        QFETCH(int, code);
        writeTool(ending);
        QCOMPARE(run({"-u", "UDID-2", "changepw", "a", "b"}, toolPath()).code, code);
    }

    void refusesBadUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no passwords") << QStringList {"-u", "UDID-3", "changepw", "", ""};
        QTest::newRow("too few") << QStringList {"-u", "UDID-3", "changepw", "a"};
        QTest::newRow("too many") << QStringList {"-u", "UDID-3", "changepw", "a", "b", "c"};
        QTest::newRow("other command") << QStringList {"-u", "UDID-3", "backup", "a", "b"};
        QTest::newRow("no udid option") << QStringList {"-x", "UDID-3", "changepw", "a", "b"};
        QTest::newRow("nothing") << QStringList {};
    }

    void refusesBadUsage()
    {
        QFETCH(QStringList, arguments);
        writeTool("exit 0\n");
        QCOMPARE(run(arguments, toolPath()).code, 2);
        QCOMPARE(recordedArguments(), QByteArray("(not run)"));
    }

    void toolThatCannotStart()
    {
        const Result result = run({"-u", "UDID-4", "changepw", "a", "b"}, m_dir.path() + "/missing-tool");
        QCOMPARE(result.code, 127);
        QVERIFY(result.err.contains("cannot start"));
    }
};

QTEST_GUILESS_MAIN(BackupPasswordTest)
#include "backuppassword_test.moc"
