#include "folderdeleter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class RubbishTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString makeTree(const QString &name)
    {
        const QString root = m_dir.path() + '/' + name;
        QDir().mkpath(root + "/a/.hidden/b");
        for (const char *file : {"/top.txt", "/a/.hidden/b/deep.bin", "/a/.dot"}) {
            QFile f(root + file);
            f.open(QIODevice::WriteOnly);
            f.write("x");
        }
        return root;
    }

    static int runRubbish(const QStringList &arguments, QString *errors = nullptr)
    {
        QProcess process;
        process.start(qEnvironmentVariable("QUENROW_BIN_DIR") + "/rubbish", arguments);
        if (!process.waitForFinished(30000))
            return -1;
        if (errors)
            *errors = QString::fromLocal8Bit(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    static bool removeWith(bool viaProgram, const QString &path)
    {
        return viaProgram ? runRubbish({path}) == 0 : FolderDeleter::remove(path);
    }

    // A folder that even root cannot empty: read-only, and immutable when the
    // file system allows it.
    static bool lockFolder(const QString &folder, bool locked)
    {
        const auto mode = locked ? QFile::ReadOwner | QFile::ExeOwner
                                 : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QFile::setPermissions(folder, mode);
        if (geteuid() != 0)
            return true;
        return QProcess::execute("chattr", {locked ? "+i" : "-i", folder}) == 0;
    }

    static void addDeletionRows()
    {
        QTest::addColumn<bool>("viaProgram");
        QTest::newRow("in process") << false;
        QTest::newRow("deletion program") << true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("path");
        const QString home = QDir::homePath();
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << "  ";
        QTest::newRow("relative") << "some/folder";
        QTest::newRow("dot") << ".";
        QTest::newRow("root") << "/";
        QTest::newRow("root written oddly") << "//";
        QTest::newRow("root through dot-dot") << "/tmp/..";
        QTest::newRow("home") << home;
        QTest::newRow("home with a slash") << home + "/";
        QTest::newRow("parent of home") << QFileInfo(home).path();
        QTest::newRow("home through dot-dot") << home + "/x/..";
        QTest::newRow("proc mount") << "/proc";
    }

    void refuses()
    {
        QFETCH(QString, path);
        if (path == "/proc" && !QFileInfo::exists(path))
            QSKIP("no /proc here");
        QVERIFY(!FolderDeleter::refusal(path).isEmpty());
        QString error;
        QVERIFY(!FolderDeleter::remove(path, &error));
        QVERIFY(!error.isEmpty());
    }

    void removesAWholeTree()
    {
        const QString tree = makeTree("tree");
        QVERIFY(FolderDeleter::refusal(tree).isEmpty());
        QVERIFY(FolderDeleter::remove(tree));
        QVERIFY(!QFileInfo::exists(tree));
        QVERIFY(FolderDeleter::remove(tree)); // already gone is fine
    }

    void removesALinkButNotItsTarget()
    {
        const QString target = makeTree("target");
        const QString link = m_dir.path() + "/link";
        QVERIFY(QFile::link(target, link));
        QVERIFY(FolderDeleter::remove(link));
        QVERIFY(!QFileInfo(link).isSymLink());
        QVERIFY(QFileInfo::exists(target + "/a/.hidden/b/deep.bin"));
    }

    void linksInsideTheTreeAreNotFollowed_data()
    {
        addDeletionRows();
    }

    void linksInsideTheTreeAreNotFollowed()
    {
        QFETCH(bool, viaProgram);
        const QString outside = makeTree(QString("outside-%1").arg(viaProgram));
        const QString tree = makeTree(QString("linked-%1").arg(viaProgram));
        QVERIFY(QFile::link(outside, tree + "/a/folder-link"));
        QVERIFY(QFile::link(outside + "/top.txt", tree + "/a/.hidden/file-link"));
        QVERIFY(QFile::link(m_dir.path() + "/missing", tree + "/dangling"));
        QVERIFY(removeWith(viaProgram, tree));
        QVERIFY(!QFileInfo::exists(tree));
        QVERIFY(QFileInfo::exists(outside + "/top.txt"));
        QVERIFY(QFileInfo::exists(outside + "/a/.hidden/b/deep.bin"));
    }

    // When a link cannot be removed, its target is left exactly as it was:
    // no permission of a file outside the tree is changed to force it.
    void unremovableLinkLeavesItsTargetAlone_data()
    {
        addDeletionRows();
    }

    void unremovableLinkLeavesItsTargetAlone()
    {
        QFETCH(bool, viaProgram);
        const QString outside = makeTree(QString("kept-%1").arg(viaProgram));
        const QString target = outside + "/top.txt";
        const auto readOnly = QFile::ReadOwner | QFile::ReadUser;
        QVERIFY(QFile::setPermissions(target, readOnly));
        const QString tree = makeTree(QString("locked-%1").arg(viaProgram));
        const QString locked = tree + "/locked";
        QVERIFY(QDir().mkpath(locked));
        QVERIFY(QFile::link(target, locked + "/file-link"));
        if (!lockFolder(locked, true)) {
            lockFolder(locked, false);
            QSKIP("cannot make a folder unremovable here");
        }
        const bool removed = removeWith(viaProgram, tree);
        lockFolder(locked, false);
        QVERIFY(!removed);
        QCOMPARE(QFile::permissions(target) & QFile::WriteOwner, QFile::Permissions());
        QVERIFY(FolderDeleter::remove(tree));
    }

    void programRemovesFoldersAndRefusesRoot()
    {
        // Only ever hand "/" to the program when the shared rule refuses it.
        QVERIFY(!FolderDeleter::refusal("/").isEmpty());
        QVERIFY(!FolderDeleter::refusal(QDir::homePath()).isEmpty());

        const QString first = makeTree("first");
        const QString second = makeTree("second");
        QCOMPARE(runRubbish({first, second}), 0);
        QVERIFY(!QFileInfo::exists(first));
        QVERIFY(!QFileInfo::exists(second));

        const QString third = makeTree("third");
        QString errors;
        QCOMPARE(runRubbish({"/", QDir::homePath(), third}, &errors), 1);
        QVERIFY(!QFileInfo::exists(third));
        QVERIFY(QFileInfo(QDir::homePath()).isDir());
        QVERIFY2(errors.contains("refusing"), qPrintable(errors));

        QCOMPARE(runRubbish({}), 2);
    }
};

QTEST_GUILESS_MAIN(RubbishTest)
#include "rubbish_test.moc"
