#include "copyproxy.h"
#include "deviceparser.h"
#include "exportpages.h"
#include "exportseeds.h"
#include "recovernatmanager.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

using namespace DeviceData;

// A whole export run of the seeded table and voice categories through the
// manager: the same folders as the writers' fixtures, under the run's root,
// with every file copied and the counters at the total.
class TableExportRunTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        registerMetaTypes();
        QVERIFY(m_dir.isValid());
        CopyProxy::setExecutorFactory([]() -> IDBExecutor * { return nullptr; });
        RecoverNatManager::setOverDelay(20);
        RecoverNatManager::setRecoverFolder(m_dir.filePath("out"));
        RecoverNatManager::setSourceNameProvider([] { return QStringLiteral("iPhone 12"); });
        RecoverNatManager::setICloudFlow(false);
        QDir().mkpath(m_dir.filePath("out"));
    }

    void seededRun()
    {
        ExportPages::resetAttachmentNames();
        const QList<SeedCategory> categories = seedCategories(m_dir.filePath("source"));
        QVector<int> ids;
        int checked = 0;
        for (const SeedCategory &category : categories) {
            DeviceParser::instance()->setRecords(DeviceGroup, category.id, category.records);
            ids << category.id;
            checked += category.checked;
        }
        RecoverNatManager *manager = RecoverNatManager::instance();
        QList<QList<qulonglong>> progress;
        bool over = false;
        connect(manager, &RecoverNatManager::sigRecoverProgress, this,
                [&](qulonglong p, qulonglong t, qulonglong s) { progress.append({p, t, s}); });
        connect(manager, &RecoverNatManager::sigRecoverOver, this, [&] { over = true; });
        manager->startRecover(ids);
        QElapsedTimer clock;
        clock.start();
        while (!over && clock.elapsed() < 30000)
            QTest::qWait(10);
        QVERIFY(over);
        QCOMPARE(manager->errorType(), 0);

        const QStringList roots = QDir(m_dir.filePath("out")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(roots.size(), 1);
        const QString root = m_dir.filePath("out/" + roots.first());
        for (const SeedCategory &category : categories) {
            const QString folder = root + '/' + category.name;
            const QString fixture = goldenPath("folders/" + category.name);
            QDirIterator it(fixture, QDir::Files, QDirIterator::Subdirectories);
            int compared = 0;
            while (it.hasNext()) {
                const QString relative = QDir(fixture).relativeFilePath(it.next());
                QCOMPARE(readBytes(folder + '/' + relative), readBytes(fixture + '/' + relative));
                ++compared;
            }
            QVERIFY(compared >= 2);
            QVERIFY(QFile::exists(folder + '/' + category.name + ".html"));
        }
        // Both contacts named their photo "photo.jpg": each keeps its own.
        QCOMPARE(readBytes(root + "/Contacts/resource/Attachment/photo.jpg"), QByteArray("\xff\xd8 ann \xff\xd9"));
        QCOMPARE(readBytes(root + "/Contacts/resource/Attachment/photo(1).jpg"), QByteArray("\xff\xd8 bob \xff\xd9"));
        QCOMPARE(readBytes(root + "/Calendars/resource/Attachment/a.jpg"), QByteArray("first"));
        QCOMPARE(readBytes(root + "/Calendars/resource/Attachment/a(1).jpg"), QByteArray("second"));
        QCOMPARE(readBytes(root + "/Voice Memos/resource/Attachment/Idea_ song.m4a"), QByteArray("memo audio"));
        QCOMPARE(readBytes(root + "/Contacts/resource/ATIcon/defult-user.png").left(4), QByteArray("\x89PNG"));
        QVERIFY(QFile::exists(root + "/Safari History/assets/nobody.svg"));

        QVERIFY(!progress.isEmpty());
        const QList<qulonglong> last = progress.last();
        QCOMPARE(last.at(0), last.at(1));
        QVERIFY(last.at(2) >= qulonglong(checked));
        QCOMPARE(manager->processedCount(), manager->totalCount());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TableExportRunTest)
#include "tableexportrun_test.moc"
