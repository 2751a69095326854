#include "backupbuilder.h"
#include "systemschemas.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace testsupport;

namespace {

// Two people with pictures, hostile texts and labelled values; three visits.
const std::string ContactsSql =
    std::string(schema::ContactsSchema)
    + "INSERT INTO ABPerson (ROWID, First, Last, Organization, Note, Nickname, CreationDate) VALUES"
      " (3, 'Ann', 'Lee', 'Acme, \"Inc\"', 'x' || char(10) || 'END:VCARD' || char(10) || 'BEGIN:VCARD'"
      " || char(10) || 'FN:Fake', NULL, 700000000),"
      " (4, '=Bob', NULL, NULL, NULL, 'B;b\\', 700000001);"
      "INSERT INTO ABMultiValueLabel (ROWID, value) VALUES (1, '_$!<Mobile>!$_'), (2, '_$!<Home>!$_');"
      "INSERT INTO ABMultiValue (UID, record_id, property, label, value) VALUES"
      " (30, 3, 3, 1, '+1 555 0100'), (31, 3, 3, 2, '=cmd'), (32, 3, 4, 2, '-HYPERLINK(\"x\")'),"
      " (33, 3, 22, 2, 'https://example.com/a,b'), (34, 4, 3, 1, '+15550101');";
const std::string ImagesSql =
    std::string(schema::ContactImagesSchema)
    + "INSERT INTO ABFullSizeImage (record_id, crop_width, data) VALUES (3, 9, X'89504E470D0A1A0A0001'),"
      " (4, 9, X'FFD8FFE000104A464946');";
const std::string HistorySql =
    std::string(schema::SafariHistorySchema)
    + "INSERT INTO history_items (id, url, visit_count, daily_visit_counts, should_recompute_derived_visit_counts,"
      " visit_count_score) VALUES (1, 'https://example.com/', 1, X'', 0, 0), (2, 'javascript:alert(1)', 1, X'', 0, 0),"
      " (3, 'http://example.org/q?a=1,b=\"2\"', 1, X'', 0, 0);"
      "INSERT INTO history_visits (history_item, visit_time, title) VALUES (1, 700000000, 'Plain \"q\"'),"
      " (2, 700000100, '<img src=x onerror=alert(1)>'), (3, 700000200, '=1+2');";

QList<QJsonObject> jsonLines(const QByteArray &output)
{
    QList<QJsonObject> lines;
    for (const QByteArray &line : output.split('\n'))
        if (!line.trimmed().isEmpty())
            lines << QJsonDocument::fromJson(line).object();
    return lines;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Python's csv module reads the table back.
QList<QStringList> readCsv(const QString &path)
{
    QProcess python;
    python.start("python3", {"-c", "import csv, json, sys\n"
                                   "sys.stdout.write(json.dumps(list(csv.reader("
                                   "open(sys.argv[1], newline='', encoding='utf-8')))))",
                             path});
    QList<QStringList> rows;
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        return rows;
    for (const QJsonValue &row : QJsonDocument::fromJson(python.readAllStandardOutput()).array())
        rows << row.toVariant().toStringList();
    return rows;
}

QJsonValue readLinks(const QString &path)
{
    const QByteArray prefix = "window.links_dict=";
    const QByteArray bytes = readAll(path);
    if (!bytes.startsWith(prefix))
        return QJsonValue();
    const QJsonDocument document = QJsonDocument::fromJson(bytes.mid(prefix.size()));
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

QString unescapeVcard(const QString &value)
{
    QString out;
    for (int i = 0; i < value.size(); ++i) {
        if (value.at(i) == '\\' && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            out += next == 'n' || next == 'N' ? QChar('\n') : next;
        } else {
            out += value.at(i);
        }
    }
    return out;
}

// The cards of a file: property name (without parameters) -> raw value.
QList<QMultiMap<QString, QString>> readCards(const QByteArray &bytes)
{
    QList<QMultiMap<QString, QString>> cards;
    for (const QString &line : QString::fromUtf8(bytes).split("\r\n")) {
        const int colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QString property = line.left(colon).section(';', 0, 0);
        const QString value = line.mid(colon + 1);
        if (property == "BEGIN")
            cards.append(QMultiMap<QString, QString>());
        else if (!cards.isEmpty())
            cards.last().insert(property, value);
    }
    return cards;
}

} // namespace

// quenrow-export of a real-schema address book with pictures and a Safari
// history: the folders a user gets, read back by ordinary tools.
class QuenrowExportTablesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        BackupBuilder backup(m_dir.filePath("backup").toStdString());
        backup.addDatabase(schema::HomeDomain, schema::ContactsPath, ContactsSql);
        backup.addDatabase(schema::HomeDomain, schema::ContactImagesPath, ImagesSql);
        backup.addDatabase(schema::SafariDomain, schema::SafariHistoryPath, HistorySql);
        backup.write();

        QDir().mkpath(m_dir.filePath("dump"));
        QProcess dump;
        dump.start(STORE_DUMP_PATH, {"--backup", m_dir.filePath("backup"), "--categories", "1,256", "--out",
                                     m_dir.filePath("dump")});
        QVERIFY(dump.waitForFinished(120000));
        QCOMPARE(dump.exitCode(), 0);
        for (const QJsonObject &line : jsonLines(dump.readAllStandardOutput())) {
            if (line.value("list").toString() != "records")
                continue;
            if (line.value("type").toInt() == 1)
                m_contacts << line.value("record").toObject();
            if (line.value("type").toInt() == 256)
                m_visits << line.value("record").toObject();
        }
        QCOMPARE(m_contacts.size(), 2);
        QCOMPARE(m_visits.size(), 3);

        QDir().mkpath(m_dir.filePath("out"));
        QProcess run;
        run.start(QUENROW_EXPORT_PATH, {"--backup", m_dir.filePath("backup"), "--categories", "1,256", "--out",
                                        m_dir.filePath("out")});
        QVERIFY(run.waitForFinished(120000));
        QCOMPARE(run.exitCode(), 0);
        const QList<QJsonObject> lines = jsonLines(run.readAllStandardOutput());
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.last().value("error").toInt(), 0);
        m_root = lines.last().value("root").toString();
        QVERIFY(QFileInfo(m_root).isDir());
    }

    void foldersHoldWhatAUserOpens()
    {
        const QString contacts = m_root + "/Contacts";
        for (const QString file : {"Contacts.csv", "Contacts.vcf", "Contacts.html", "favicon.ico", "json/links.js",
                                    "json/links-common.js", "assets/nobody.svg",
                                    "resource/ATIcon/defult-user.png"})
            QVERIFY2(QFileInfo(contacts + '/' + file).isFile(), qPrintable(file));
        QCOMPARE(QDir(contacts + "/resource/Attachment").entryList(QDir::Files).size(), 2);
        const QString history = m_root + "/Safari History";
        for (const QString file : {"Safari History.csv", "Safari History.html", "favicon.ico", "json/links.js",
                                    "json/links-common.js", "assets/nobody.svg"})
            QVERIFY2(QFileInfo(history + '/' + file).isFile(), qPrintable(file));
    }

    void contactsTableReadsBack()
    {
        const QList<QStringList> rows = readCsv(m_root + "/Contacts/Contacts.csv");
        QCOMPARE(rows.size(), 1 + m_contacts.size());
        const QStringList header = rows.first();
        QCOMPARE(header.mid(0, 7), (QStringList {"First name", "Middle name", "Last name", "Company", "Department",
                                                 "Job Title", "Nickname"}));
        QCOMPARE(header.last(), QString("Notes"));
        const int mobile = header.indexOf("Mobile Number");
        const int home = header.indexOf("Home Number");
        const int email = header.indexOf("Home Email");
        QVERIFY(mobile > 0 && home > 0 && email > 0);
        for (int i = 0; i < m_contacts.size(); ++i) {
            const QJsonObject store = m_contacts.at(i);
            const QStringList row = rows.at(i + 1);
            QCOMPARE(row.size(), header.size());
            const QString first = store.value("firstName").toString();
            QCOMPARE(row.at(0), first.startsWith('=') ? "'" + first : first);
            QCOMPARE(row.at(2), store.value("lastName").toString());
            QCOMPARE(row.at(3), store.value("organization").toString());
            QCOMPARE(row.at(6), store.value("nickname").toString());
            QCOMPARE(row.last(), store.value("note").toString());
            QCOMPARE(row.at(mobile), store.value("phones").toArray().at(0).toArray().at(1).toString());
        }
        QStringList ann;
        for (const QStringList &row : rows)
            if (row.first() == "Ann")
                ann = row;
        QCOMPARE(ann.value(home), QString("'=cmd"));
        QCOMPARE(ann.value(email), QString("'-HYPERLINK(\"x\")"));
    }

    void oneCardPerContact()
    {
        const QList<QMultiMap<QString, QString>> cards = readCards(readAll(m_root + "/Contacts/Contacts.vcf"));
        QCOMPARE(cards.size(), m_contacts.size());
        for (int i = 0; i < cards.size(); ++i) {
            const QJsonObject store = m_contacts.at(i);
            const auto &card = cards.at(i);
            QCOMPARE(unescapeVcard(card.value("FN")), store.value("sortName").toString());
            QCOMPARE(unescapeVcard(card.value("NOTE")), store.value("note").toString());
            QCOMPARE(unescapeVcard(card.value("NICKNAME")), store.value("nickname").toString());
            QCOMPARE(unescapeVcard(card.value("ORG")), store.value("organization").toString());
            const QByteArray photo = QByteArray::fromBase64(card.value("PHOTO").toLatin1());
            QVERIFY(!photo.isEmpty());
            QCOMPARE(photo, readAll(store.value("photoPath").toString()));
            QCOMPARE(card.values("TEL").size(), store.value("phones").toArray().size());
        }
    }

    void contactsDataMatchesStore()
    {
        const QJsonArray contacts = readLinks(m_root + "/Contacts/json/links.js").toArray();
        QCOMPARE(contacts.size(), m_contacts.size());
        for (int i = 0; i < contacts.size(); ++i) {
            const QJsonObject contact = contacts.at(i).toObject();
            QCOMPARE(contact.value("id").toInt(), i + 1);
            QCOMPARE(contact.value("firstname").toObject().value("value").toString(),
                     m_contacts.at(i).value("firstName").toString());
            const QString avatar = contact.value("avatar").toString();
            QVERIFY(avatar.startsWith("resource/Attachment/"));
            QCOMPARE(readAll(m_root + "/Contacts/" + avatar), readAll(m_contacts.at(i).value("photoPath").toString()));
        }
    }

    void historyReadsBack()
    {
        const QList<QStringList> rows = readCsv(m_root + "/Safari History/Safari History.csv");
        QCOMPARE(rows.size(), 1 + m_visits.size());
        QCOMPARE(rows.first(), (QStringList {"Title", "URL", "Date"}));
        for (int i = 0; i < m_visits.size(); ++i) {
            const QJsonObject visit = m_visits.at(i);
            const QString title = visit.value("title").toString();
            QCOMPARE(rows.at(i + 1), (QStringList {title.startsWith('=') ? "'" + title : title,
                                                   visit.value("url").toString(), visit.value("timeText").toString()}));
        }
        const QJsonArray links = readLinks(m_root + "/Safari History/json/links.js").toObject().value("links").toArray();
        QCOMPARE(links.size(), m_visits.size());
        for (int i = 0; i < links.size(); ++i) {
            QCOMPARE(links.at(i).toObject().value("title").toString(), m_visits.at(i).value("title").toString());
            QCOMPARE(links.at(i).toObject().value("link_url").toString(), m_visits.at(i).value("url").toString());
        }
    }

    // --check: only the named rows of the store are written.
    void checkedRowsOnly()
    {
        const QString out = m_dir.filePath("checked");
        QDir().mkpath(out);
        QProcess run;
        run.start(QUENROW_EXPORT_PATH, {"--backup", m_dir.filePath("backup"), "--categories", "1,256", "--out", out,
                                        "--check", "256:2,0", "--check", "1:all"});
        QVERIFY(run.waitForFinished(120000));
        QCOMPARE(run.exitCode(), 0);
        const QString root = jsonLines(run.readAllStandardOutput()).last().value("root").toString();
        const QList<QStringList> rows = readCsv(root + "/Safari History/Safari History.csv");
        QCOMPARE(rows.size(), 3);
        for (int i : {0, 1})
            QCOMPARE(rows.at(i + 1).at(1), m_visits.at(i * 2).value("url").toString()); // store order
        QCOMPARE(readCsv(root + "/Contacts/Contacts.csv").size(), 1 + m_contacts.size());
    }

    void badChecksWriteNothing_data()
    {
        QTest::addColumn<QStringList>("check");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("a row the store lacks") << QStringList{"--check", "256:1,3"} << QByteArray("has no row 3");
        QTest::newRow("not a number") << QStringList{"--check", "256:x"} << QByteArray("usage:");
        QTest::newRow("no rows") << QStringList{"--check", "256:"} << QByteArray("usage:");
        QTest::newRow("rows of a chat attachment list") << QStringList{"--check", "131073:0"}
                                                        << QByteArray("usage:");
    }

    void badChecksWriteNothing()
    {
        QFETCH(QStringList, check);
        QFETCH(QByteArray, message);
        QTemporaryDir out;
        QProcess run;
        run.start(QUENROW_EXPORT_PATH, QStringList{"--backup", m_dir.filePath("backup"), "--categories", "1,256",
                                                   "--out", out.path()} + check);
        QVERIFY(run.waitForFinished(120000));
        QCOMPARE(run.exitCode(), 2);
        QVERIFY2(run.readAllStandardError().contains(message), qPrintable(check.join(' ')));
        QVERIFY(QDir(out.path()).isEmpty());
    }

private:
    QTemporaryDir m_dir;
    QString m_root;
    QList<QJsonObject> m_contacts;
    QList<QJsonObject> m_visits;
};

QTEST_GUILESS_MAIN(QuenrowExportTablesTest)
#include "quenrowexporttables_test.moc"
