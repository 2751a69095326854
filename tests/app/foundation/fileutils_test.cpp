#include "fileutils.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

class FileUtilsTest : public QObject
{
    Q_OBJECT

private:
    // A stand-in deletion program that only records its arguments.
    static QString recordingProgram(const QString &folder)
    {
        const QString path = folder + "/record-args";
        QFile script(path);
        if (!script.open(QIODevice::WriteOnly))
            return {};
        script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$0.out\"; done\n"
                     "touch \"$0.done\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

private slots:
    void linuxModuleName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("linuxName");
        QTest::newRow("program") << "rubbish.exe" << "rubbish";
        QTest::newRow("library") << "Volsark.dll" << "Volsark";
        QTest::newRow("upper case suffix") << "ffmpeg.EXE" << "ffmpeg";
        QTest::newRow("no suffix") << "adb" << "adb";
        QTest::newRow("suffix only at the end") << "a.exe.txt" << "a.exe.txt";
    }

    void linuxModuleName()
    {
        QFETCH(QString, name);
        QFETCH(QString, linuxName);
        QCOMPARE(::linuxModuleName(name), linuxName);
    }

    void freeBytesOfMissingPathsAreTheirVolumes()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QCOMPARE(existingAncestor(dir.path() + "/no/such/folder"), dir.path());
        QVERIFY(diskFreeBytes(dir.path()) > 0);
        QCOMPARE(diskFreeBytes(""), quint64(0));
        // A drive-letter style prefix of a folder still reads its volume.
        const quint64 below = diskFreeBytes(dir.path() + "/missing");
        QVERIFY(below > 0);
    }

    void driveWithMostFreeSpaceIsAMountedRoot()
    {
        const QString root = driveWithMostFreeSpace();
        if (root.isEmpty())
            QSKIP("no local block-device volume here");
        QCOMPARE(QStorageInfo(root).rootPath(), root);
        for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
            if (volume.isValid() && volume.isReady() && !volume.isReadOnly() && volume.device().startsWith("/dev/"))
                QVERIFY(QStorageInfo(root).bytesFree() + (qint64(1) << 30) >= volume.bytesFree());
        }
    }

    void rubbishCleanerGetsOneArgumentPerPath()
    {
        QTemporaryDir dir;
        const QString program = recordingProgram(dir.path());
        QVERIFY(!program.isEmpty());
        qputenv("QUENROW_RUBBISH", program.toLocal8Bit());

        runRubbishCleaner(QStringList());
        runRubbishCleaner(QString());
        runRubbishCleaner(QStringList {"/tmp/a b; rm -rf x", "", "/tmp/c"});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(program + ".done"), 10000);
        QFile out(program + ".out");
        QVERIFY(out.open(QIODevice::ReadOnly));
        // One run only: the empty calls started nothing.
        QCOMPARE(QString::fromUtf8(out.readAll()), QString("/tmp/a b; rm -rf x\n/tmp/c\n"));
    }
};

QTEST_GUILESS_MAIN(FileUtilsTest)
#include "fileutils_test.moc"
