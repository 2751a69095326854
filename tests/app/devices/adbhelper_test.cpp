#include "adbhelper.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// A stand-in adb: prints $ADB_OUTPUT for "devices", records its arguments
// one a line, and for "shell" shows the words the device's shell would see.
class AdbHelperTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString argumentsFile() const { return m_dir.filePath("arguments"); }

    QStringList recorded() const
    {
        QFile file(argumentsFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    void writeScript(const QString &name, const QByteArray &body)
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("#!/bin/sh\n" + body);
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private slots:
    void initTestCase()
    {
        writeScript("adb",
                    "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$ADB_RECORD\"; done\n"
                    "case \"$1\" in -s) shift 2;; esac\n"
                    "if [ \"$1\" = devices ]; then printf \"$ADB_OUTPUT\"; exit 0; fi\n"
                    "if [ \"$1\" = shell ]; then shift; eval \"set -- $*\"; for w in \"$@\"; do printf 'word:%s\\n' \"$w\" >> \"$ADB_RECORD\"; done; fi\n");
        writeScript("hung-adb", "sleep 20\n");
        qputenv("QUENROW_ADB", m_dir.filePath("adb").toUtf8());
        qputenv("ADB_RECORD", argumentsFile().toUtf8());
    }

    void init()
    {
        QFile::remove(argumentsFile());
        qputenv("QUENROW_ADB", m_dir.filePath("adb").toUtf8());
    }

    void deviceState_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("state");
        const QByteArray crlf = "List of devices attached\\r\\n0123456789ABCDEF\\tunauthorized\\r\\nZZ99\\tdevice\\r\\n\\r\\n";
        const QByteArray lf = "List of devices attached\\n0123456789ABCDEF\\tunauthorized\\nZZ99\\tdevice\\n\\n";
        QTest::newRow("CRLF, first device") << crlf << "" << "unauthorized";
        QTest::newRow("CRLF, serial prefix") << crlf << "0123" << "unauthorized";
        QTest::newRow("CRLF, second device") << crlf << "ZZ" << "device";
        QTest::newRow("LF, first device") << lf << "" << "unauthorized";
        QTest::newRow("LF, serial prefix") << lf << "0123" << "unauthorized";
        QTest::newRow("LF, offline") << QByteArray("List of devices attached\\nAB\\toffline\\n") << "A" << "offline";
        QTest::newRow("no such serial") << lf << "XYZ" << "";
        QTest::newRow("header only") << QByteArray("List of devices attached\\n\\n") << "" << "";
        QTest::newRow("nothing") << QByteArray() << "" << "";
    }

    void deviceState()
    {
        QFETCH(QByteArray, output);
        QFETCH(QString, serial);
        QFETCH(QString, state);
        qputenv("ADB_OUTPUT", output);
        QCOMPARE(adbHelper().deviceState(serial), state);
        QCOMPARE(recorded(), QStringList{"devices"});
    }

    void aMissingProgramGivesNoState()
    {
        qputenv("QUENROW_ADB", m_dir.filePath("no-adb").toUtf8());
        QCOMPARE(adbHelper().deviceState(QString()), QString());
    }

    void aHungProgramIsGivenUp()
    {
        qputenv("QUENROW_ADB", m_dir.filePath("hung-adb").toUtf8());
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(adbHelper(nullptr, 1000).deviceState(QString()), QString());
        QVERIFY(clock.elapsed() < 5000);
    }

    void serverCommands()
    {
        adbHelper adb;
        adb.startServer(false);
        adb.killServer(false);
        adb.restartServer();
        QCOMPARE(recorded(), (QStringList{"start-server", "kill-server", "kill-server", "devices"}));
    }

    // Paths reach the device's shell as one word, whatever they hold.
    void devicePathsStayOneWord_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("blank") << "/sdcard/My Files";
        QTest::newRow("quote") << "/sdcard/it's";
        QTest::newRow("separator") << "/sdcard/a;rm -rf x";
        QTest::newRow("substitution") << "/sdcard/$(touch pwned)`id`";
    }

    void devicePathsStayOneWord()
    {
        QFETCH(QString, path);
        adbHelper adb;
        adb.listPath("SER", path);
        QCOMPARE(recorded().filter("word:"), (QStringList{"word:ls", "word:" + path}));
        QFile::remove(argumentsFile());
        adb.moveOnDevice("SER", path, path + ".moved");
        QCOMPARE(recorded().filter("word:"), (QStringList{"word:mv", "word:-f", "word:" + path, "word:" + path + ".moved"}));
        QFile::remove(argumentsFile());
        adb.makeFolder(path);
        QCOMPARE(recorded().filter("word:"), (QStringList{"word:mkdir", "word:" + path}));
        QVERIFY(!QFile::exists(QDir::current().filePath("pwned")));
    }

    void serialGoesFirst()
    {
        adbHelper adb;
        adb.copyToDevice("SER", "/tmp/a b", "/sdcard/a b");
        QCOMPARE(recorded(), (QStringList{"-s", "SER", "push", "/tmp/a b", "/sdcard/a b"}));
    }
};

QTEST_GUILESS_MAIN(AdbHelperTest)
#include "adbhelper_test.moc"
