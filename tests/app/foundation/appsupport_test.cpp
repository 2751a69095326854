#include "appsupport.h"
#include "vlog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class AppSupportTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString script(const QString &name, const QByteArray &body)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write("#!/bin/sh\n" + body + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    // The support folder: the program, our two libraries beside it.
    QString supportFolder(const QString &name, bool withCoreFoundation)
    {
        QDir(m_dir.path()).mkpath(name);
        const QString folder = m_dir.filePath(name);
        for (const char *file : {"quenrow", "libMobileDevice.so", "libCoreFoundation.so"}) {
            if (!withCoreFoundation && QByteArray(file) == "libCoreFoundation.so")
                continue;
            QFile f(folder + "/" + file);
            f.open(QIODevice::WriteOnly);
        }
        return folder + "/quenrow";
    }

    static QString logText()
    {
        QFile file(qEnvironmentVariable("QUENROW_LOG_DIR") + "/app.txt");
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }

private slots:
    void initTestCase()
    {
        QFile::remove(qEnvironmentVariable("QUENROW_LOG_DIR") + "/app.txt");
        vlogInit();
    }

    void versionIsTheFirstDottedNumber_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("version");
        QTest::newRow("name and version") << QByteArray("echo 'usbmuxd 1.1.1'") << "1.1.1";
        QTest::newRow("first of two") << QByteArray("echo 'tool 2 built with lib 3.4.5'; echo '6.7'") << "3.4.5";
        QTest::newRow("on stderr") << QByteArray("echo 'v10.0.2' >&2") << "10.0.2";
        QTest::newRow("no dotted number") << QByteArray("echo 'version 7'") << QString();
        QTest::newRow("nothing") << QByteArray("exit 1") << QString();
    }

    void versionIsTheFirstDottedNumber()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, version);
        QCOMPARE(fileVersionText(script(QTest::currentDataTag(), body)), version);
    }

    void notAProgramHasNoVersion()
    {
        QFile plain(m_dir.filePath("plain.txt"));
        plain.open(QIODevice::WriteOnly);
        plain.write("1.2.3");
        plain.close();
        QCOMPARE(fileVersionText(plain.fileName()), QString());
        QCOMPARE(fileVersionText(m_dir.filePath("missing")), QString());
        QCOMPARE(fileVersionText(m_dir.path()), QString());
    }

    void aProgramThatHangsIsGivenUp()
    {
        QCOMPARE(fileVersionText(script("hangs", "sleep 30")), QString());
    }

    void daemonVersion()
    {
        qputenv("QUENROW_USBMUXD", script("usbmuxd-old", "echo 'usbmuxd 1.0.9'").toUtf8());
        QCOMPARE(findAppleSupportVersion(), QStringLiteral("1.0.9"));
        qputenv("QUENROW_USBMUXD", m_dir.filePath("no-usbmuxd").toUtf8());
        QCOMPARE(findAppleSupportVersion(), QString());
    }

    void checksTheFolderAndTheVersion()
    {
        const QString program = supportFolder("old", true);
        const QString folder = QFileInfo(program).absolutePath();
        qputenv("QUENROW_USBMUXD", script("usbmuxd-old", "echo 'usbmuxd 1.0.9'").toUtf8());
        QVERIFY(!checkAppleSupportFolder(program));
        QVERIFY(logText().contains(QStringLiteral("Find Apple mobile device support (%1)").arg(folder)));
        QVERIFY(logText().contains(QStringLiteral("Apple mobile device support too old, version: 1.0.9 (%1)").arg(folder)));

        const QString current = supportFolder("current", true);
        const QString currentFolder = QFileInfo(current).absolutePath();
        qputenv("QUENROW_USBMUXD", script("usbmuxd-new", "echo 'usbmuxd 1.1.1'").toUtf8());
        QVERIFY(checkAppleSupportFolder(current));
        QVERIFY(logText().contains(QStringLiteral("Find Apple mobile device support (%1)").arg(currentFolder)));
        QVERIFY(!logText().contains(QStringLiteral("too old, version: 1.1.1")));

        // A missing daemon counts as too old.
        qputenv("QUENROW_USBMUXD", m_dir.filePath("no-usbmuxd").toUtf8());
        QVERIFY(!checkAppleSupportFolder(current));
    }

    void anIncompleteFolderIsFalseAndSilent()
    {
        qputenv("QUENROW_USBMUXD", script("usbmuxd-new", "echo 'usbmuxd 1.1.1'").toUtf8());
        const QString program = supportFolder("incomplete", false);
        QVERIFY(!checkAppleSupportFolder(program));
        QVERIFY(!logText().contains(QFileInfo(program).absolutePath()));
        QVERIFY(!checkAppleSupportFolder(m_dir.filePath("nowhere/quenrow")));
        QVERIFY(!checkPackagedAppleSupport(program));
    }
};

QTEST_GUILESS_MAIN(AppSupportTest)
#include "appsupport_test.moc"
