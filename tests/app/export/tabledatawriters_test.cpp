#include "exportpages.h"
#include "exportseeds.h"
#include "recoverascsv.h"
#include "recoverasvcf.h"
#include "tabledatawriters.h"
#include "tableexportjob.h"

#include <QDirIterator>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

using namespace DeviceData;

namespace {

// The data files of one exported folder, relative paths, sorted.
QStringList dataFiles(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(".csv") || path.endsWith(".vcf") || path.endsWith(".js"))
            files << QDir(folder).relativeFilePath(path);
    }
    files.sort();
    return files;
}

QJsonValue readLinks(const QString &folder, const QString &prefix = "window.links_dict=")
{
    const QByteArray bytes = readBytes(folder + "/json/links.js");
    if (!bytes.startsWith(prefix.toUtf8()))
        return QJsonValue();
    const QJsonDocument document = QJsonDocument::fromJson(bytes.mid(prefix.size()));
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

} // namespace

class TableDataWritersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        registerMetaTypes();
        QVERIFY(m_dir.isValid());
        m_categories = seedCategories(m_dir.filePath("source"));
    }
    void init() { ExportPages::resetAttachmentNames(); }

    void seededFolders_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < m_categories.size(); ++i)
            QTest::newRow(qPrintable(m_categories.at(i).name)) << i;
    }
    // Each category exported from the seeded store equals its fixture
    // folder file by file; every file the data names holds the source's
    // bytes; the counters end at the records exported and files queued.
    void seededFolders()
    {
        QFETCH(int, index);
        const SeedCategory &category = m_categories.at(index);
        const QString folder = m_dir.filePath("export/" + category.name);
        RecordingSink sink;
        std::atomic<bool> running {true};
        QList<RecoverError::ErrorType> errors;
        TableExportJob::run(folder, category.name, category.id, category.records, running,
                            QStringLiteral(RESOURCES_FOLDER), [&](RecoverError::ErrorType e) { errors << e; });
        QVERIFY(errors.isEmpty());

        const QStringList files = dataFiles(folder);
        const QString fixture = "folders/" + category.name;
        if (!qEnvironmentVariableIsSet("QUENROW_UPDATE_FIXTURES"))
            QCOMPARE(files, dataFiles(goldenPath(fixture)));
        for (const QString &file : files)
            COMPARE_GOLDEN(folder + '/' + file, fixture + '/' + file);
        QVERIFY(QFile::exists(folder + '/' + category.name + ".html"));
        QVERIFY(QFile::exists(folder + "/favicon.ico"));
        QVERIFY(QFile::exists(folder + "/assets/nobody.svg"));

        QCOMPARE(sink.succeeded, category.checked);
        QCOMPARE(sink.processed, category.checked);
        QCOMPARE(sink.total, sink.copies.size());
        sink.runCopies();

        // Every referenced file is there with its source's bytes.
        QHash<QString, QString> sourceOf;
        for (const auto &copy : sink.copies)
            sourceOf.insert(QDir(folder).relativeFilePath(copy.second), copy.first);
        const QJsonValue links = readLinks(folder);
        const QJsonArray rows = links.isArray() ? links.toArray() : links.toObject().value("links").toArray();
        QCOMPARE(rows.size(), category.checked);
        for (const QJsonValue &row : rows) {
            for (const QString key : {"local_path", "avatar"}) {
                const QString path = row.toObject().value(key).toString();
                if (path.isEmpty() || path.startsWith("resource/ATIcon/")) {
                    if (!path.isEmpty())
                        QVERIFY2(QFile::exists(folder + '/' + path), qPrintable(path));
                    continue;
                }
                if (!sourceOf.contains(path) && !QFile::exists(folder + '/' + path))
                    continue; // a missing source: the path is kept, nothing to copy
                const QByteArray bytes = readBytes(folder + '/' + path);
                if (sourceOf.contains(path))
                    QCOMPARE(bytes, readBytes(sourceOf.value(path)));
                else
                    QVERIFY(bytes.startsWith("\xff\xd8"));
            }
        }
        QSet<QString> destinations;
        for (const auto &copy : sink.copies) {
            destinations.insert(copy.second.toLower());
            QCOMPARE(readBytes(copy.second), readBytes(copy.first));
        }
        QCOMPARE(destinations.size(), sink.copies.size());
    }

    void onlyCheckedRecordsCountFromZero()
    {
        SafariInfo a, b, c;
        a.title = "a";
        b.title = "b";
        b.reserved = 2;
        c.title = "c";
        QJsonObject table;
        RecoverAsCsv csv;
        std::atomic<bool> running {true};
        TableDataWriters::writeSafariHistoryTable(m_dir.path(), seedList<SafariInfo>({a, b, c}), table, csv, running);
        const QJsonArray links = table.value("links").toArray();
        QCOMPARE(links.size(), 1);
        QCOMPARE(links.at(0).toObject().value("id").toInt(), 0);
        QCOMPARE(links.at(0).toObject().value("title").toString(), QString("b"));
    }

    void nothingCheckedKeepsHeader()
    {
        CalenderReminderInfo r;
        QJsonObject table;
        RecoverAsCsv csv;
        std::atomic<bool> running {true};
        TableDataWriters::writeRemindersTable(m_dir.path(), seedList<CalenderReminderInfo>({r}), table, csv, running);
        QCOMPARE(table.value("links"), QJsonValue(QJsonArray()));
        QCOMPARE(table.value("header").toString(),
                 QString("Title|Creation Date|Reminder Date|Notes|Location|Attachments"));
    }

    void stopKeepsRowsSoFar()
    {
        RecordingSink sink;
        CHFTInfo call;
        call.reserved = 2;
        QJsonObject table;
        RecoverAsCsv csv;
        std::atomic<bool> running {false};
        TableDataWriters::writeCallHistoryTable(m_dir.path(), seedList<CHFTInfo>({call, call}), table, csv, running);
        QCOMPARE(table.value("links").toArray().size(), 0);
        QVERIFY(table.contains("header"));
        QCOMPARE(sink.processed, 0);

        QJsonArray contacts;
        RecoverAsVcf vcf;
        ContactInfo contact;
        contact.reserved2 = 2;
        TableDataWriters::writeContactsTable(m_dir.path(), seedList<ContactInfo>({contact}), contacts, csv, vcf,
                                             running);
        QVERIFY(contacts.isEmpty());
    }

    void emptyCategoryMakesNoFolder()
    {
        const QString folder = m_dir.filePath("empty/Notes");
        std::atomic<bool> running {true};
        TableExportJob::run(folder, "Notes", Notes, {}, running, QStringLiteral(RESOURCES_FOLDER), {});
        QVERIFY(!QFileInfo::exists(folder));
    }

    void noCheckedContactWritesNoLinks()
    {
        const QString folder = m_dir.filePath("nocontacts/Contacts");
        ContactInfo unchecked;
        std::atomic<bool> running {true};
        TableExportJob::run(folder, "Contacts", Contacts, seedList<ContactInfo>({unchecked}), running,
                            QStringLiteral(RESOURCES_FOLDER), {});
        QVERIFY(!QFile::exists(folder + "/json/links.js"));
        QVERIFY(QFile::exists(folder + "/json/links-common.js"));
        QVERIFY(QFile::exists(folder + "/resource/ATIcon/defult-user.png"));
        QCOMPARE(readBytes(folder + "/Contacts.vcf"), QByteArray());
    }

private:
    QTemporaryDir m_dir;
    QList<SeedCategory> m_categories;
};

QTEST_GUILESS_MAIN(TableDataWritersTest)
#include "tabledatawriters_test.moc"
