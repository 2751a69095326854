#include "fileutils.h"

#include <QDir>
#include <QDirIterator>
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

    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Every path below root, relative, sorted: what a walk must leave alone.
    static QStringList tree(const QString &root)
    {
        QStringList paths;
        QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            paths << QDir(root).relativeFilePath(it.next());
        paths.sort();
        return paths;
    }

    // outside/keep.txt beside a folder "walk" that holds a file, a sub
    // folder and links to its parent, to itself and out of it.
    struct LinkedTree
    {
        QTemporaryDir dir;
        QString walk;
        QString outside;
        bool ok = false;

        LinkedTree()
        {
            walk = dir.path() + "/walk";
            outside = dir.path() + "/outside";
            ok = writeFile(walk + "/a.bin", QByteArray(10, 'a')) && writeFile(walk + "/sub/b.bin", QByteArray(5, 'b'))
                && writeFile(outside + "/keep.txt", "keep")
                && QFile::link(dir.path(), walk + "/sub/to-parent")
                && QFile::link(walk, walk + "/to-self")
                && QFile::link(outside, walk + "/to-outside")
                && QFile::link(outside + "/keep.txt", walk + "/keep-link.txt");
        }
    };

private slots:
    void sanitizeFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("safe");
        QTest::newRow("separators and wildcards") << "a:b/c?.txt" << "a_b_c_.txt";
        QTest::newRow("all nine") << "\\/:*?\"<>|x" << "_________x";
        QTest::newRow("unchanged") << "IMG 0001 (2).jpg" << "IMG 0001 (2).jpg";
        QTest::newRow("empty") << "" << "_";
        QTest::newRow("dot") << "." << "_";
        QTest::newRow("dot dot") << ".." << "_";
        QTest::newRow("parent through separators") << "../x" << ".._x";
        QTest::newRow("three dots stay") << "..." << "...";
        QTest::newRow("nul") << QString("a.jpg") + QChar(0) + "x" << "a.jpg_x";
        QTest::newRow("line break and delete") << QString("a\nb\x7f.txt") << "a_b_.txt";
    }

    void sanitizeFileName()
    {
        QFETCH(QString, name);
        QFETCH(QString, safe);
        ::sanitizeFileName(name);
        QCOMPARE(name, safe);
    }

    void makeNamesUnique_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("unique");
        QTest::newRow("repeats numbered per name")
            << QStringList {"x", "y", "x", "x"} << QStringList {"x", "y", "x_1", "x_2"};
        QTest::newRow("numbers in the list are skipped")
            << QStringList {"x", "x_1", "x", "y", "x"} << QStringList {"x", "x_1", "x_2", "y", "x_3"};
        QTest::newRow("a later name is not taken")
            << QStringList {"x", "x", "x_1"} << QStringList {"x", "x_2", "x_1"};
        QTest::newRow("numbered names repeat too")
            << QStringList {"x_1", "x_1", "x"} << QStringList {"x_1", "x_1_1", "x"};
        QTest::newRow("empty list") << QStringList() << QStringList();
    }

    void makeNamesUnique()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, unique);
        QStringList bySet = names;
        ::makeNamesUnique(names);
        QCOMPARE(names, unique);
        ::makeNamesUniqueBySet(bySet);
        QCOMPARE(bySet, unique);
    }

    void textFilesRoundTripInUtf8()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/page.html";
        const QString text = QString::fromUtf8("Zoë 😀 \u4e2d\u6587 <b>");
        QVERIFY(writeTextFile(path, text));
        QCOMPARE(contents(path), text.toUtf8());
        QCOMPARE(readFileText(path), text);
        QCOMPARE(readFileText(path, true), QString::fromLatin1(text.toUtf8().toBase64()));
        // Shorter text replaces the file; empty text writes nothing.
        QVERIFY(writeTextFile(path, "ascii"));
        QCOMPARE(contents(path), QByteArray("ascii"));
        QVERIFY(!writeTextFile(path, QString()));
        QCOMPARE(contents(path), QByteArray("ascii"));
        QVERIFY(!writeTextFile(dir.path() + "/missing/page.html", "x"));
        QCOMPARE(readFileText(dir.path() + "/missing.txt"), QString());
    }

    void copyDirectoryCopiesTheTree()
    {
        QTemporaryDir dir;
        const QString source = dir.path() + "/assets";
        QVERIFY(writeFile(source + "/style.css", "css"));
        QVERIFY(writeFile(source + "/js/app.js", "js"));
        QVERIFY(QDir().mkpath(source + "/empty"));
        QVERIFY(copyDirectory(source, dir.path() + "/out", false));
        QCOMPARE(tree(dir.path() + "/out"), tree(source));
        QCOMPARE(contents(dir.path() + "/out/js/app.js"), QByteArray("js"));

        // An existing file: kept and the copy fails without overwrite, replaced with it.
        QVERIFY(writeFile(dir.path() + "/out/style.css", "mine"));
        QVERIFY(!copyDirectory(source, dir.path() + "/out", false));
        QCOMPARE(contents(dir.path() + "/out/style.css"), QByteArray("mine"));
        QVERIFY(copyDirectory(source, dir.path() + "/out", true));
        QCOMPARE(contents(dir.path() + "/out/style.css"), QByteArray("css"));
    }

    void copyDirectoryRefusals()
    {
        QTemporaryDir dir;
        const QString source = dir.path() + "/src";
        QVERIFY(writeFile(source + "/f.txt", "f"));
        // The target's parent must exist: only one level is created.
        QVERIFY(!copyDirectory(source, dir.path() + "/no/parent", false));
        QVERIFY(!QFileInfo::exists(dir.path() + "/no"));
        // Into itself or below itself would never end.
        QVERIFY(!copyDirectory(source, source, true));
        QVERIFY(!copyDirectory(source, source + "/inner", false));
        QVERIFY(!QFileInfo::exists(source + "/inner"));
        QVERIFY(!copyDirectory(dir.path() + "/missing", dir.path() + "/t", false));
        // A linked folder in the target would write outside it.
        QVERIFY(writeFile(dir.path() + "/elsewhere/f.txt", "theirs"));
        QVERIFY(QDir().mkpath(dir.path() + "/t2"));
        QVERIFY(QFile::link(dir.path() + "/elsewhere", dir.path() + "/t2/sub"));
        QVERIFY(writeFile(source + "/sub/f.txt", "ours"));
        QVERIFY(!copyDirectory(source, dir.path() + "/t2", true));
        QCOMPARE(contents(dir.path() + "/elsewhere/f.txt"), QByteArray("theirs"));
    }

    void folderWalksNeverFollowLinks()
    {
        LinkedTree linked;
        QVERIFY(linked.ok);
        QCOMPARE(directorySize(linked.walk), qint64(15));
        QVERIFY(copyDirectory(linked.walk, linked.dir.path() + "/copy", false));
        // The linked file arrives as a file of its own; linked folders not at all.
        QCOMPARE(directorySize(linked.dir.path() + "/copy"), qint64(15 + 4));
        QVERIFY(!QFileInfo::exists(linked.dir.path() + "/copy/to-self"));
        QVERIFY(!QFileInfo::exists(linked.dir.path() + "/copy/sub/to-parent"));
        QCOMPARE(contents(linked.dir.path() + "/copy/keep-link.txt"), QByteArray("keep"));

        const QStringList outsideBefore = tree(linked.outside);
        QVERIFY(clearAndRemoveFolder(linked.walk));
        QVERIFY(!QFileInfo::exists(linked.walk));
        QCOMPARE(tree(linked.outside), outsideBefore);
        QCOMPARE(contents(linked.outside + "/keep.txt"), QByteArray("keep"));
        QVERIFY(QFileInfo::exists(linked.dir.path() + "/copy/a.bin"));
    }

    void directorySizeCountsFilesOnly()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.path() + "/a/b/c"));
        QCOMPARE(directorySize(dir.path()), qint64(0));
        QCOMPARE(directorySize(dir.path() + "/missing"), qint64(0));
        QCOMPARE(directorySize(QString()), qint64(0));
        QVERIFY(writeFile(dir.path() + "/a/b/c/x", QByteArray(7, 'x')));
        QVERIFY(writeFile(dir.path() + "/.hidden/y", QByteArray(100, 'y')));
        QCOMPARE(directorySize(dir.path()), qint64(7));
    }

    void clearAndRemoveFolderRefusesAndSparesLinkTargets()
    {
        QTemporaryDir dir;
        QVERIFY(!clearAndRemoveFolder(QDir::homePath()));
        QVERIFY(QFileInfo::exists(QDir::homePath()));
        QVERIFY(!clearAndRemoveFolder("/"));
        QVERIFY(!clearAndRemoveFolder("relative/folder"));
        QVERIFY(!clearAndRemoveFolder(QString()));

        // A link to a folder is removed itself.
        QVERIFY(writeFile(dir.path() + "/target/f.txt", "f"));
        QVERIFY(QFile::link(dir.path() + "/target", dir.path() + "/link"));
        QVERIFY(clearAndRemoveFolder(dir.path() + "/link"));
        QVERIFY(!QFileInfo(dir.path() + "/link").isSymLink());
        QCOMPARE(contents(dir.path() + "/target/f.txt"), QByteArray("f"));

        QVERIFY(!clearAndRemoveFolder(dir.path() + "/missing"));
    }

    void uniqueNamesAvoidExistingFiles()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/v1.2";
        QVERIFY(writeFile(folder + "/a.txt", ""));
        QVERIFY(writeFile(folder + "/a(1).txt", ""));
        QVERIFY(writeFile(folder + "/noext", ""));

        QString path = folder + "/a.txt";
        uniqueFilePath(path);
        QCOMPARE(path, folder + "/a(2).txt");
        // The dot of the folder name is no suffix.
        path = folder + "/noext";
        uniqueFilePath(path);
        QCOMPARE(path, folder + "/noext(1)");
        path = folder + "/free.txt";
        uniqueFilePath(path);
        QCOMPARE(path, folder + "/free.txt");

        QCOMPARE(uniqueFileNameInFolder("a.txt", folder), folder + "/a(2).txt");
        QCOMPARE(uniqueFileNameInFolder("noext", folder), folder + "/noext(1)");
        QCOMPARE(uniqueFileNameInFolder("b.tar.gz", folder), folder + "/b.tar.gz");
    }

    void writableFolderProbeLeavesUserFilesAlone()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.path() + "/TestWriteAble.txt", "the user's"));
        QVERIFY(isFolderWritable(dir.path()));
        QCOMPARE(contents(dir.path() + "/TestWriteAble.txt"), QByteArray("the user's"));
        QCOMPARE(tree(dir.path()), QStringList {"TestWriteAble.txt"});
        QVERIFY(!isFolderWritable(dir.path() + "/missing"));
        QVERIFY(ensurePath(dir.path() + "/a/b"));
        QVERIFY(ensurePath(dir.path() + "/a/b"));
        QVERIFY(QFileInfo(dir.path() + "/a/b").isDir());
    }

    void smallPathHelpers()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.path() + "/B.txt", ""));
        QVERIFY(writeFile(dir.path() + "/a.txt", ""));
        QVERIFY(writeFile(dir.path() + "/.hidden", ""));
        QCOMPARE(directoryEntries(dir.path()), (QStringList {"a.txt", "B.txt"}));
        QCOMPARE(directoryEntries(QString()), QStringList());
        QCOMPARE(directoryEntries(dir.path() + "/missing"), QStringList());

        QVERIFY(isSamePath(dir.path() + "/x/../a.txt", dir.path() + "/a.txt"));
        QString name;
        QCOMPARE(splitFilesPath("/root/files/Media/IMG_1.jpg", name), QString("Media"));
        QCOMPARE(name, QString("IMG_1.jpg"));
        QCOMPARE(splitFilesPath("files/top.txt", name), QString());
        QCOMPARE(name, QString("top.txt"));

        QCOMPARE(androidChatBackupKind("msgstore.db.crypt15"), 1);
        QCOMPARE(androidChatBackupKind("msgstore.db.crypt14"), 0);
        QCOMPARE(androidChatBackupKind("notes.db"), -1);
        QVERIFY(writeFile(dir.path() + "/wa/Databases/msgstore.db.crypt14", ""));
        QCOMPARE(androidChatBackupKindOfFolder(dir.path() + "/wa"), 0);
        QCOMPARE(androidChatBackupKindOfFolder(dir.path() + "/none"), -1);

        QVERIFY(writeFile(dir.path() + "/picture", QByteArray::fromHex("89504e470d0a1a0a0000000d49484452")));
        QCOMPARE(fileSuffixOrMime(dir.path() + "/picture"), QString("png"));
        QCOMPARE(fileSuffixOrMime(dir.path() + "/a.txt"), QString("txt"));
    }

    void moveFolderContentsReplacesFiles()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.path() + "/from/a.txt", "new"));
        QVERIFY(writeFile(dir.path() + "/from/sub/b.txt", "b"));
        QVERIFY(writeFile(dir.path() + "/to/a.txt", "old"));
        QVERIFY(moveFolderContents(dir.path() + "/from", dir.path() + "/to"));
        QCOMPARE(contents(dir.path() + "/to/a.txt"), QByteArray("new"));
        QCOMPARE(contents(dir.path() + "/to/sub/b.txt"), QByteArray("b"));
        QCOMPARE(directoryEntries(dir.path() + "/from"), QStringList());
    }

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

        runRubbishCleaner(program, QStringList());
        runRubbishCleaner(program, QString());
        runRubbishCleaner(QString(), QStringList {"/tmp/never"});
        runRubbishCleaner(program, QStringList {"/tmp/a b; rm -rf x", "", "/tmp/c"});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(program + ".done"), 10000);
        QFile out(program + ".out");
        QVERIFY(out.open(QIODevice::ReadOnly));
        // One run only: the empty calls started nothing.
        QCOMPARE(QString::fromUtf8(out.readAll()), QString("/tmp/a b; rm -rf x\n/tmp/c\n"));
    }
};

QTEST_GUILESS_MAIN(FileUtilsTest)
#include "fileutils_test.moc"
