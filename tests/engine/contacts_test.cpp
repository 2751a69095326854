#include "backupbuilder.h"
#include "scanrecorder.h"
#include "systemschemas.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <sys/resource.h>

using namespace testsupport;
namespace fs = std::filesystem;

namespace
{
    const std::string People =
        "INSERT INTO ABPerson (ROWID, First, Last, Middle, FirstPhonetic, MiddlePhonetic, LastPhonetic, Organization,"
        " Department, Note, Birthday, JobTitle, Nickname, Prefix, Suffix, CreationDate, ModificationDate,"
        " CompositeNameFallback, AlternateBirthday) VALUES"
        " (1, 'Zoë', 'Ångström', 'Q', 'zo', 'kyu', 'ang', 'Acme \"AG\"', 'R&D', 'line1\nline2', '-31536000',"
        " 'Engineer', 'Zo', 'Dr.', 'Jr.', 3000000000, 700000001, 'Fallback', '1990-01-01'),"
        " (2, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 600000000, NULL,"
        " NULL, NULL);";

    // A deleted label and key shift every later row number: the joins must
    // go by rowid, so Mobile stays Mobile and City stays City.
    const std::string MultiValues =
        "INSERT INTO ABMultiValueLabel (ROWID, value) VALUES (1, '_$!<Home>!$_'), (2, '_$!<Work>!$_'),"
        " (3, '_$!<Mobile>!$_');"
        "DELETE FROM ABMultiValueLabel WHERE ROWID = 2;"
        "INSERT INTO ABMultiValue (UID, record_id, property, label, value) VALUES"
        " (10, 1, 3, 3, '+41 79 123 45 67'), (11, 1, 4, 1, 'zoe@example.com'), (12, 1, 5, 1, NULL),"
        " (13, 2, 3, NULL, '555');"
        "INSERT INTO ABMultiValueEntryKey (ROWID, value) VALUES (1, 'Street'), (2, 'ZIP'), (3, 'City');"
        "DELETE FROM ABMultiValueEntryKey WHERE ROWID = 2;"
        "INSERT INTO ABMultiValueEntry (parent_id, key, value) VALUES (12, 1, 'Bahnhofstr. 1'), (12, 3, 'Zürich'),"
        " (12, 9, 'orphan');";

    const std::string FullText =
        "INSERT INTO ABPersonFullTextSearch_content (docid, c0First, c1Last, c2Middle, c6Organization, c8Department,"
        " c9Note, c10Birthday, c11JobTitle, c16Phone, c17Email, c18Address, c19SocialProfile, c20URL,"
        " c21RelatedNames, c22IM, c23Date) VALUES"
        " (7, 'Gone', 'Person', 'M', 'Org', 'Dept', 'Note', 'Bday', 'Job', '555 0101', 'gone@example.com',"
        " 'Main St', 'social', 'https://example.com', 'Mum', 'im:gone', '2019'),"
        " (8, 'Gone', 'Person', 'M', 'Org', 'Dept', 'Note', 'Bday', 'Job', '555 0101', 'gone@example.com',"
        " 'Main St', 'social', 'https://example.com', 'Mum', 'im:gone', '2019');";

    std::string contactsBackup(const std::string &name, const std::string &contactsSql, const std::string &imagesSql)
    {
        BackupBuilder backup(freshFolder(name));
        backup.addDatabase(schema::HomeDomain, schema::ContactsPath, contactsSql);
        backup.addDatabase(schema::HomeDomain, schema::ContactImagesPath, std::string(schema::ContactImagesSchema) + imagesSql);
        backup.write();
        return backup.folder();
    }

    std::vector<std::string> contactRecords(const std::string &backup, const std::string &out)
    {
        return recordLines(scanEvents({backup, out, DBAPP_ADDRESSBOOK}), DBAPP_ADDRESSBOOK);
    }

    std::string imageLine(int recordId, int cropWidth, const std::string &file)
    {
        return recordLine(DBAPP_ADDRESSBOOK, 3,
                          "{\"recordId\":" + std::to_string(recordId) + ",\"cropWidth\":" + std::to_string(cropWidth) +
                              ",\"imageFile\":\"" + file + "\"}");
    }

    // Lowers the largest file this process may write, for the life of the object.
    class FileSizeLimit
    {
    public:
        explicit FileSizeLimit(rlim_t bytes)
        {
            getrlimit(RLIMIT_FSIZE, &m_saved);
            m_handler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit = m_saved;
            limit.rlim_cur = bytes;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        ~FileSizeLimit()
        {
            setrlimit(RLIMIT_FSIZE, &m_saved);
            std::signal(SIGXFSZ, m_handler);
        }

    private:
        rlimit m_saved {};
        void (*m_handler)(int) = nullptr;
    };
}

TEST(Contacts, DeliversPersonsMultiValuesEntriesAndFullTextRows)
{
    const std::string backup = contactsBackup(
        "contacts", std::string(schema::ContactsSchema) + schema::ContactsFullTextSchema + People + MultiValues + FullText,
        "");
    const std::vector<std::string> expected = {
        recordLine(8, 0,
                   R"({"rowId":1,"creationDate":3000000000,"modificationDate":"700000001","first":"Zoë","middle":"Q",)"
                   R"("last":"Ångström","firstPhonetic":"zo","middlePhonetic":"kyu","lastPhonetic":"ang",)"
                   R"("organization":"Acme \"AG\"","department":"R&D","note":"line1\nline2","birthday":"-31536000",)"
                   R"("jobTitle":"Engineer","nickname":"Zo","prefix":"Dr.","suffix":"Jr.",)"
                   R"("compositeNameFallback":"Fallback","alternateBirthday":"1990-01-01"})"),
        recordLine(8, 0,
                   R"({"rowId":2,"creationDate":600000000,"modificationDate":"","first":"","middle":"","last":"",)"
                   R"("firstPhonetic":"","middlePhonetic":"","lastPhonetic":"","organization":"","department":"",)"
                   R"("note":"","birthday":"","jobTitle":"","nickname":"","prefix":"","suffix":"",)"
                   R"("compositeNameFallback":"","alternateBirthday":""})"),
        recordLine(8, 1, R"({"recordId":1,"uid":10,"property":3,"label":"_$!<Mobile>!$_","value":"+41 79 123 45 67"})"),
        recordLine(8, 1, R"({"recordId":1,"uid":11,"property":4,"label":"_$!<Home>!$_","value":"zoe@example.com"})"),
        recordLine(8, 1, R"({"recordId":1,"uid":12,"property":5,"label":"_$!<Home>!$_","value":""})"),
        recordLine(8, 1, R"({"recordId":2,"uid":13,"property":3,"label":"","value":"555"})"),
        recordLine(8, 2, R"({"parentId":12,"key":"Street","value":"Bahnhofstr. 1"})"),
        recordLine(8, 2, R"({"parentId":12,"key":"City","value":"Zürich"})"),
        recordLine(8, 2, R"({"parentId":12,"key":"","value":"orphan"})"),
        // Two index rows with the same content come out once.
        recordLine(8, 4,
                   R"({"first":"Gone","middle":"M","last":"Person","organization":"Org","department":"Dept",)"
                   R"("note":"Note","birthday":"Bday","date":"2019","address":"Main St","im":"im:gone",)"
                   R"("phone":"555 0101","email":"gone@example.com","url":"https://example.com",)"
                   R"("relatedNames":"Mum","socialProfile":"social"})"),
    };
    EXPECT_EQ(contactRecords(backup, freshFolder("contacts-out")), expected);
}

TEST(Contacts, WithoutTheFullTextTableTheOtherRecordsStillCome)
{
    const std::string backup = contactsBackup("nofulltext", std::string(schema::ContactsSchema) + People + MultiValues,
                                              "INSERT INTO ABFullSizeImage (record_id, crop_width, data) "
                                              "VALUES (1, 9, X'89504E47');");
    const std::string out = freshFolder("nofulltext-out");
    const auto records = contactRecords(backup, out);
    ASSERT_EQ(records.size(), 10u);
    EXPECT_EQ(records.back(), imageLine(1, 9, out + "/1.png"));
}

TEST(Contacts, PicturesAreWrittenByteIdenticalUnderTheRecordId)
{
    const std::string binary("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18);
    // A picture stored with text affinity: LENGTH() counts its characters,
    // which are fewer than its bytes.
    const std::string textTyped = "é€😀 not ascii";
    const std::string backup = contactsBackup(
        "pictures", schema::ContactsSchema,
        "INSERT INTO ABFullSizeImage (record_id, crop_width, data) VALUES"
        " (17, 320, X'89504E470D0A1A0A0000000D49484452FFFE'), (-3, 0, '" + textTyped + "'),"
        " (4, 100, NULL), (5, 100, X'');");
    const std::string out = freshFolder("pictures-out");
    const auto records = contactRecords(backup, out);
    EXPECT_EQ(records, (std::vector<std::string> {imageLine(17, 320, out + "/17.png"),
                                                  imageLine(-3, 0, out + "/-3.png")}));
    EXPECT_EQ(readFile(out + "/17.png"), binary);
    EXPECT_EQ(readFile(out + "/-3.png"), textTyped);
    EXPECT_FALSE(fs::exists(out + "/4.png"));
    EXPECT_FALSE(fs::exists(out + "/5.png"));
}

TEST(Contacts, APictureThatCannotBeWrittenComesWithoutAFile)
{
    const std::string backup = contactsBackup("unwritable", schema::ContactsSchema,
                                              "INSERT INTO ABFullSizeImage (record_id, crop_width, data) VALUES"
                                              " (987654, 1, X'0102'), (987655, 2, CAST(zeroblob(300000) AS BLOB));");
    const std::string root = freshFolder("unwritable-out");
    struct Case
    {
        const char *name;
        std::string out;
        bool smallWritten;
    };
    const Case cases[] = {
        {"missing output folder", root + "/missing", false},
        {"no output folder at all", "", false},
        {"write fails half way", root, true},
    };
    for (const Case &c : cases) {
        std::vector<std::string> records;
        {
            std::optional<FileSizeLimit> limit;
            if (c.smallWritten)
                limit.emplace(65536);
            records = contactRecords(backup, c.out);
        }
        const std::string small = c.smallWritten ? c.out + "/987654.png" : "";
        EXPECT_EQ(records, (std::vector<std::string> {imageLine(987654, 1, small), imageLine(987655, 2, "")}))
            << c.name;
        EXPECT_FALSE(fs::exists(c.out + "/987655.png")) << c.name;
        EXPECT_FALSE(fs::exists("/987654.png")) << c.name;
    }
    EXPECT_EQ(readFile(root + "/987654.png"), std::string("\x01\x02"));
}
