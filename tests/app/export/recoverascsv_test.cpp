#include "devicedata.h"
#include "exporttestsupport.h"
#include "recoverascsv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace DeviceData;

namespace {

ContactInfo contact(const QString &first, quint16 check = 2)
{
    ContactInfo c;
    c.firstName = first;
    c.reserved2 = check;
    return c;
}

QVariantList variants(const QList<ContactInfo> &contacts)
{
    QVariantList list;
    for (const ContactInfo &c : contacts)
        list << QVariant::fromValue(c);
    return list;
}

} // namespace

class RecoverAsCsvTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void formulaGuard_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Ann" << "Ann";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("phone") << "+15550100" << "+15550100";
        QTest::newRow("phone with punctuation") << "+1(555)010-0199" << "+1(555)010-0199";
        QTest::newRow("phone with blanks") << "+44 20 7946 0958" << "+44 20 7946 0958";
        QTest::newRow("negative number") << "-3.5" << "-3.5";
        QTest::newRow("lone sign") << "-" << "-";
        QTest::newRow("date with slashes") << "-1/2/3" << "-1/2/3";
        QTest::newRow("equals") << "=1+1" << "'=1+1";
        QTest::newRow("at") << "@SUM(A1)" << "'@SUM(A1)";
        QTest::newRow("plus command") << "+cmd|'/C calc'!A0" << "'+cmd|'/C calc'!A0";
        QTest::newRow("minus function") << "-HYPERLINK(\"http://x\")" << "'-HYPERLINK(\"http://x\")";
        QTest::newRow("tab") << "\tx" << "'\tx";
        QTest::newRow("carriage return") << "\r=1" << "'\r=1";
        QTest::newRow("line feed") << "\nx" << "'\nx";
        QTest::newRow("equals later") << "a=1" << "a=1";
    }
    void formulaGuard()
    {
        QFETCH(QString, cell);
        QFETCH(QString, expected);
        QCOMPARE(guardSpreadsheetCell(cell), expected);
    }

    void rowQuoting_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << QStringList {"a", "b"} << QByteArray("\"a\",\"b\"\r\n");
        QTest::newRow("empty field") << QStringList {"", "x"} << QByteArray("\"\",\"x\"\r\n");
        QTest::newRow("inner quote doubled") << QStringList {"say \"hi\""} << QByteArray("\"say \"\"hi\"\"\"\r\n");
        QTest::newRow("comma and line break kept inside") << QStringList {"a,b\nc"} << QByteArray("\"a,b\nc\"\r\n");
        QTest::newRow("guarded and quoted") << QStringList {"=\"x\""} << QByteArray("\"'=\"\"x\"\"\"\r\n");
        QTest::newRow("utf-8") << QStringList {QString::fromUtf8("東京 é")}
                               << QByteArray("\"\xe6\x9d\xb1\xe4\xba\xac \xc3\xa9\"\r\n");
        QTest::newRow("no fields") << QStringList {} << QByteArray();
    }
    void rowQuoting()
    {
        QFETCH(QStringList, fields);
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath("row.csv");
        {
            RecoverAsCsv csv;
            QVERIFY(csv.open(path));
            QVERIFY(csv.writeRow(fields));
            csv.close();
        }
        QCOMPARE(readBytes(path), bytes);
    }

    // A standard reader gets every cell back as written (guarded cells
    // with their quote mark).
    void standardReaderReadsCellsBack()
    {
        const QStringList fields {"plain", "", "say \"hi\"", "a,b", "two\nlines", "cr\r\nlf", "=1+1",
                                  QString::fromUtf8("東京"), "\"", "trailing \""};
        const QString path = m_dir.filePath("roundtrip.csv");
        {
            RecoverAsCsv csv;
            QVERIFY(csv.open(path));
            QVERIFY(csv.writeRow(fields));
            QVERIFY(csv.writeRow({"second"}));
        }
        QProcess python;
        python.start("python3", {"-c", "import csv, json, sys\n"
                                       "rows = list(csv.reader(open(sys.argv[1], newline='', encoding='utf-8')))\n"
                                       "sys.stdout.write(json.dumps(rows))",
                                 path});
        QVERIFY(python.waitForFinished(30000));
        QCOMPARE(python.exitCode(), 0);
        const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
        QCOMPARE(rows.size(), 2);
        QStringList expected = fields;
        expected[6] = "'=1+1";
        QCOMPARE(rows.at(0).toVariant().toStringList(), expected);
        QCOMPARE(rows.at(1).toVariant().toStringList(), QStringList {"second"});
    }

    void openTruncatesOlderFile()
    {
        const QString path = makeFile(m_dir.path(), "old.csv", QByteArray(200, 'x'));
        RecoverAsCsv csv;
        QVERIFY(csv.open(path));
        csv.writeRow({"a"});
        csv.close();
        QCOMPARE(readBytes(path), QByteArray("\"a\"\r\n"));
    }

    void fullDiskLeavesNoTable_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("fails at close") << 1;
        QTest::newRow("fails while writing") << 2000;
    }

    // A table cut short by a full disk is removed, not left as if whole.
    void fullDiskLeavesNoTable()
    {
        QFETCH(int, rows);
        const QString path = m_dir.filePath(QStringLiteral("full-%1.csv").arg(rows));
        QVERIFY(QFile::link("/dev/full", path));
        RecoverAsCsv csv;
        QSignalSpy errors(&csv, &RecoverAsCsv::sigError);
        QVERIFY(csv.open(path));
        int written = 0;
        for (int i = 0; i < rows; ++i)
            written += csv.writeRow({QString(100, QChar('x')), QString::number(i)}) ? 1 : 0;
        if (rows > 1)
            QVERIFY(written < rows);
        csv.close();
        QVERIFY(!errors.isEmpty());
        QCOMPARE(errors.last().at(0).value<RecoverError::ErrorType>(), RecoverError::NotEnoughSpace);
        QVERIFY(!QFileInfo(path).exists());
        QVERIFY(!QFileInfo(path).isSymLink());
    }

    void openFailureIsReported()
    {
        // The parent is a file: nothing can be created there although the
        // volume has space, so the failure must not stay silent.
        const QString blocker = makeFile(m_dir.path(), "blocker", "x");
        RecoverAsCsv csv;
        QSignalSpy errors(&csv, &RecoverAsCsv::sigError);
        QVERIFY(!csv.open(blocker + "/Contacts.csv"));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).value<RecoverError::ErrorType>(), RecoverError::DiskNotFound);
        QVERIFY(!csv.writeRow({"a"}));
    }

    void labelNames_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("name");
        QTest::newRow("mobile") << 0 << "_$!<Mobile>!$_" << "Mobile Number";
        QTest::newRow("home phone") << 0 << "_$!<Home>!$_" << "Home Number";
        QTest::newRow("home fax is not home") << 0 << "_$!<HomeFax>!$_" << "Home Fax Number";
        QTest::newRow("iphone any case") << 0 << "iphone" << "iPhone Number";
        QTest::newRow("marked iphone") << 0 << "_$!<iPhone>!$_" << "iPhone Number";
        QTest::newRow("unknown marked word") << 0 << "_$!<Car>!$_" << "Car";
        QTest::newRow("marked nothing") << 0 << "_$!<>!$_" << "Other Number";
        QTest::newRow("empty") << 0 << "" << "Other Number";
        QTest::newRow("plain label") << 0 << "Cabin" << "Cabin";
        QTest::newRow("home email") << 1 << "_$!<Home>!$_" << "Home Email";
        QTest::newRow("empty email") << 1 << "" << "Other Email";
        QTest::newRow("homepage") << 2 << "_$!<Homepage>!$_" << "Homepage";
        QTest::newRow("home url") << 2 << "_$!<Home>!$_" << "Home URL";
        QTest::newRow("work address") << 3 << "_$!<Work>!$_" << "Work Address";
        QTest::newRow("anniversary") << 4 << "_$!<Anniversary>!$_" << "Anniversary";
        QTest::newRow("colleague") << 5 << "_$!<Colleague>!$_" << "Co-worker";
        QTest::newRow("plain twitter") << 6 << "twitter" << "Twitter";
        QTest::newRow("weibo") << 6 << "_$!<SinaWeibo>!$_" << "Sina Weibo";
        QTest::newRow("empty social") << 6 << "" << "Other social profile";
        QTest::newRow("facebook messenger") << 7 << "_$!<Facebook>!$_" << "Facebook Messenger";
        QTest::newRow("empty im") << 7 << "" << "Other instant message";
    }
    void labelNames()
    {
        QFETCH(int, kind);
        QFETCH(QString, label);
        QFETCH(QString, name);
        QString (*const functions[])(const QString &) = {phoneLabelName,    emailLabelName,  urlLabelName,
                                                         addressLabelName,  dateLabelName,   relationLabelName,
                                                         socialLabelName,   imLabelName};
        QCOMPARE(functions[kind](label), name);
    }

    void contactsTable_data()
    {
        QTest::addColumn<QVariantList>("contacts");
        QTest::addColumn<QString>("golden");

        QTest::newRow("no checked contact: eight columns")
            << variants({contact("Unchecked", 0)}) << "csv/contacts-none.csv";

        ContactInfo ann = contact("Ann");
        ann.lastName = "Lee";
        ann.organization = "Acme, \"Inc\"";
        ann.note = "line one\nline two";
        ann.phones = {{"_$!<Home>!$_", "+1 555 0100"}, {"_$!<Home>!$_", "+1 555 0101"}, {"_$!<Car>!$_", "555"}};
        ann.emails = {{"_$!<Work>!$_", "ann@example.com"}};
        ann.addresses = {{"_$!<Home>!$_", "1 Main St<br>Springfield<br>USA"}};
        ContactInfo bob = contact("Bob");
        bob.phones = {{"iphone", "=2+3"}, {"", "0"}};
        bob.relatedNames = {{"_$!<Mother>!$_", "Carol"}};
        ContactInfo hidden = contact("Hidden", 0);
        hidden.phones = {{"_$!<Pager>!$_", "9"}};
        QTest::newRow("labels, repeats, guard, unselected labels left out")
            << variants({ann, hidden, bob}) << "csv/contacts.csv";
    }
    void contactsTable()
    {
        QFETCH(QVariantList, contacts);
        QFETCH(QString, golden);
        const QString path = m_dir.filePath("Contacts.csv");
        {
            RecoverAsCsv csv;
            QVERIFY(csv.open(path));
            QVERIFY(csv.writeContactsHeader(contacts));
            for (const QVariant &entry : contacts) {
                const auto c = entry.value<ContactInfo>();
                if (c.reserved2 == 2)
                    QVERIFY(csv.writeContactRow(c));
            }
            csv.close();
        }
        COMPARE_GOLDEN(path, golden);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(RecoverAsCsvTest)
#include "recoverascsv_test.moc"
