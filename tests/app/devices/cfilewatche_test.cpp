#include "cfilewatche.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class CFileWatcheTest : public QObject
{
    Q_OBJECT

private:
    static void touch(const QString &path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

private slots:
    void reportsEachChange()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath("a"), b = dir.filePath("b");
        QVERIFY(QDir().mkpath(a) && QDir().mkpath(b));
        touch(a + "/one.txt");
        CFileWatche watcher;
        QVERIFY(watcher.addWatchPath(a));
        QVERIFY(watcher.addWatchPath(b));
        QCOMPARE(watcher.watchedDirectories(), (QStringList{a, b}));
        QSignalSpy added(&watcher, &CFileWatche::signalNewFile);
        QSignalSpy deleted(&watcher, &CFileWatche::signalDelFile);
        QSignalSpy renamed(&watcher, &CFileWatche::signalRenameFile);

        QVERIFY(QFile::rename(a + "/one.txt", a + "/two.txt"));
        QVERIFY(renamed.wait(5000));
        QCOMPARE(renamed.takeFirst(), (QVariantList{a + "/one.txt", a + "/two.txt"}));
        QCOMPARE(added.count() + deleted.count(), 0);

        touch(a + "/new.txt");
        QVERIFY(added.wait(5000));
        QCOMPARE(added.takeFirst().first().toString(), a + "/new.txt");

        QVERIFY(QFile::remove(a + "/new.txt"));
        QVERIFY(deleted.wait(5000));
        QCOMPARE(deleted.takeFirst().first().toString(), a + "/new.txt");

        // A move between two watched folders: gone from one, new in the other.
        QVERIFY(QFile::rename(a + "/two.txt", b + "/two.txt"));
        QTRY_COMPARE_WITH_TIMEOUT(added.count() + deleted.count(), 2, 5000);
        QCOMPARE(deleted.takeFirst().first().toString(), a + "/two.txt");
        QCOMPARE(added.takeFirst().first().toString(), b + "/two.txt");
        QCOMPARE(renamed.count(), 0);
    }

    void aDeletedFolderReportsItsEntries()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath("gone");
        QVERIFY(QDir().mkpath(a + "/sub"));
        touch(a + "/x.txt");
        CFileWatche watcher;
        QVERIFY(watcher.addWatchPath(a));
        QSignalSpy deleted(&watcher, &CFileWatche::signalDelFile);
        QVERIFY(QDir(a).removeRecursively());
        QTRY_COMPARE_WITH_TIMEOUT(deleted.count(), 2, 5000);
        QStringList names;
        for (const QList<QVariant> &signal : qAsConst(deleted))
            names << signal.first().toString();
        names.sort();
        QCOMPARE(names, (QStringList{a + "/sub", a + "/x.txt"}));
        // Its snapshot goes by its key, though it is no folder any more.
        watcher.removeWatchPath(a);
        QCOMPARE(watcher.watchedDirectories(), QStringList());
    }

    void twoNewAndOneGoneInOneNotificationSaysNothing()
    {
        QTemporaryDir dir;
        touch(dir.filePath("old.txt"));
        CFileWatche watcher;
        QVERIFY(watcher.addWatchPath(dir.path()));
        QSignalSpy added(&watcher, &CFileWatche::signalNewFile);
        QSignalSpy deleted(&watcher, &CFileWatche::signalDelFile);
        QSignalSpy renamed(&watcher, &CFileWatche::signalRenameFile);
        // All three before the loop runs again: one notification.
        touch(dir.filePath("p.txt"));
        touch(dir.filePath("q.txt"));
        QFile::remove(dir.filePath("old.txt"));
        QTest::qWait(500);
        QCOMPARE(added.count() + deleted.count() + renamed.count(), 0);
        touch(dir.filePath("r.txt")); // compared with the new state
        QVERIFY(added.wait(5000));
        QCOMPARE(added.takeFirst().first().toString(), dir.filePath("r.txt"));
    }

    void aFileChange()
    {
        QTemporaryDir dir;
        touch(dir.filePath("f.txt"));
        CFileWatche watcher;
        QVERIFY(watcher.addWatchPath(dir.filePath("f.txt")));
        QCOMPARE(watcher.watchedDirectories(), QStringList());
        QSignalSpy changed(&watcher, &CFileWatche::signalFileChange);
        QFile file(dir.filePath("f.txt"));
        QVERIFY(file.open(QIODevice::Append));
        file.write("more");
        file.close();
        QVERIFY(changed.wait(5000));
        QCOMPARE(changed.first().first().toString(), dir.filePath("f.txt"));
    }

    // The watcher refuses a missing folder, and nothing comes when it appears.
    void aMissingFolderIsRefused()
    {
        QTemporaryDir dir;
        const QString later = dir.filePath("later");
        CFileWatche watcher;
        QVERIFY(!watcher.addWatchPath(later));
        QSignalSpy added(&watcher, &CFileWatche::signalNewFile);
        QVERIFY(QDir().mkpath(later));
        touch(later + "/x.txt");
        QTest::qWait(500);
        QCOMPARE(added.count(), 0);
    }
};

QTEST_GUILESS_MAIN(CFileWatcheTest)
#include "cfilewatche_test.moc"
