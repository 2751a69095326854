#include "devicedata.h"
#include "exporttestsupport.h"
#include "recoverasvcf.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace DeviceData;

Q_DECLARE_METATYPE(QList<DeviceData::ContactInfo>)

class RecoverAsVcfTest : public QObject
{
    Q_OBJECT

private slots:
    void escaping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("plain") << "Ann" << "Ann";
        QTest::newRow("backslash") << "a\\b" << "a\\\\b";
        QTest::newRow("comma and semicolon") << "a,b;c" << "a\\,b\\;c";
        QTest::newRow("crlf") << "a\r\nb" << "a\\nb";
        QTest::newRow("cr") << "a\rb" << "a\\nb";
        QTest::newRow("lf") << "a\nb" << "a\\nb";
        QTest::newRow("card injection") << "x\nEND:VCARD\nBEGIN:VCARD\nFN:Fake"
                                        << "x\\nEND:VCARD\\nBEGIN:VCARD\\nFN:Fake";
    }
    void escaping()
    {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(RecoverAsVcf::escapeValue(text), escaped);
    }

    void typeWords_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("parameter");
        QTest::newRow("marked") << "_$!<Home>!$_" << "Home";
        QTest::newRow("plain") << "Cabin" << "Cabin";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("quote and control dropped") << "a\"b\nc" << "abc";
        QTest::newRow("separator quoted") << "x;TYPE=y:z" << "\"x;TYPE=y:z\"";
        QTest::newRow("comma quoted") << "_$!<a,b>!$_" << "\"a,b\"";
    }
    void typeWords()
    {
        QFETCH(QString, label);
        QFETCH(QString, parameter);
        QCOMPARE(RecoverAsVcf::parameterValue(RecoverAsVcf::typeWord(label)), parameter);
    }

    void cards_data()
    {
        QTest::addColumn<QList<ContactInfo>>("contacts");
        QTest::addColumn<QString>("golden");

        ContactInfo first;
        first.firstName = "Ann";
        QTest::newRow("first name only") << QList<ContactInfo> {first} << "vcf/first-name-only.vcf";

        ContactInfo items;
        items.firstName = "Bob";
        items.addresses = {{"_$!<Home>!$_", "Main St"}, {"_$!<Work>!$_", "2 Side Rd<br>Town"}};
        items.dates = {{"_$!<Anniversary>!$_", "2001-02-03"}};
        items.relatedNames = {{"Coach", "Dan"}};
        items.socialProfiles = {{"_$!<Twitter>!$_", "bob"}};
        items.instantMessaging = {{"_$!<Skype>!$_", "bob.s"}};
        items.countryCode = "us";
        QTest::newRow("item numbering and addresses") << QList<ContactInfo> {items} << "vcf/items.vcf";

        ContactInfo hostile;
        hostile.sortName = "Lee, Ann";
        hostile.firstName = "Ann;x";
        hostile.lastName = "Lee\\";
        hostile.note = "x\nEND:VCARD\nBEGIN:VCARD\nFN:Fake";
        hostile.phones = {{"_$!<Mo\"bile;TYPE=x>!$_", "+1 555\r\n0100"}};
        hostile.addresses = {{"_$!<Home>!$_", "a;b<br>c,d"}};
        ContactInfo second;
        second.sortName = "Second";
        second.organization = "Org";
        QTest::newRow("escaping and two cards") << QList<ContactInfo> {hostile, second} << "vcf/escaping.vcf";
    }
    void cards()
    {
        QFETCH(QList<ContactInfo>, contacts);
        QFETCH(QString, golden);
        QTemporaryDir dir;
        const QString path = dir.filePath("Contacts.vcf");
        {
            RecoverAsVcf vcf;
            QVERIFY(vcf.open(path));
            for (const ContactInfo &c : contacts)
                QVERIFY(vcf.vcardFromContact(c));
            vcf.close();
        }
        COMPARE_GOLDEN(path, golden);
    }

    void photoIsEmbedded()
    {
        QTemporaryDir dir;
        const QByteArray picture("\xff\xd8\xff\xe0picture\xff\xd9", 13);
        ContactInfo c;
        c.photoPath = makeFile(dir.path(), "p.jpg", picture);
        const QString path = dir.filePath("Contacts.vcf");
        {
            RecoverAsVcf vcf;
            QVERIFY(vcf.open(path));
            QVERIFY(vcf.vcardFromContact(c));
        }
        const QByteArray bytes = readBytes(path);
        QVERIFY(bytes.contains("PHOTO;ENCODING=b;TYPE=JPEG:" + picture.toBase64() + "\r\nEND:VCARD\r\n"));
    }

    void fullDiskLeavesNoAddressBook_data()
    {
        QTest::addColumn<int>("cards");
        QTest::newRow("fails at close") << 1;
        QTest::newRow("fails while writing") << 300;
    }

    // Cards cut short by a full disk are removed, not left as if whole.
    void fullDiskLeavesNoAddressBook()
    {
        QFETCH(int, cards);
        QTemporaryDir dir;
        const QString path = dir.filePath("Contacts.vcf");
        QVERIFY(QFile::link("/dev/full", path));
        RecoverAsVcf vcf;
        QSignalSpy errors(&vcf, &RecoverAsVcf::sigError);
        QVERIFY(vcf.open(path));
        ContactInfo c;
        c.firstName = "Ann";
        c.note = QString(200, QChar('n'));
        int written = 0;
        for (int i = 0; i < cards; ++i)
            written += vcf.vcardFromContact(c) ? 1 : 0;
        if (cards > 1)
            QVERIFY(written < cards);
        vcf.close();
        QVERIFY(!errors.isEmpty());
        QCOMPARE(errors.last().at(0).value<RecoverError::ErrorType>(), RecoverError::NotEnoughSpace);
        QVERIFY(!QFileInfo(path).exists());
        QVERIFY(!QFileInfo(path).isSymLink());
    }

    void missingPhotoGivesEmptyValue()
    {
        QTemporaryDir dir;
        ContactInfo c;
        c.photoPath = dir.filePath("gone.jpg");
        const QString path = dir.filePath("Contacts.vcf");
        {
            RecoverAsVcf vcf;
            QVERIFY(vcf.open(path));
            QVERIFY(vcf.vcardFromContact(c));
        }
        QVERIFY(readBytes(path).contains("\r\nPHOTO;ENCODING=b;TYPE=JPEG:\r\nEND:VCARD\r\n"));
    }
};

QTEST_GUILESS_MAIN(RecoverAsVcfTest)
#include "recoverasvcf_test.moc"
