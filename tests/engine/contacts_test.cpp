#include "backupbuilder.h"
#include "contactnumbers.h"
#include "scanrecorder.h"
#include "systemschemas.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <set>
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
        // Two index rows with the same content come out once, its number whole.
        recordLine(8, 4,
                   R"({"first":"Gone","middle":"M","last":"Person","organization":"Org","department":"Dept",)"
                   R"("note":"Note","birthday":"Bday","date":"2019","address":"Main St","im":"im:gone",)"
                   R"("phone":"5550101","email":"gone@example.com","url":"https://example.com",)"
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

TEST(Contacts, IndexPhoneTextGivesEachNumberOnceAndWhole)
{
    const struct
    {
        const char *text;
        std::vector<std::wstring> numbers;
    } cases[] = {
        {"(919) 802-7080 +19198027080 01119198027080 19198027080 9198027080 8027080", {L"+19198027080"}},
        {"+1 (919) 802-7080 +19198027080 8027080", {L"+19198027080"}},
        {"(919) 802-7080 +19198027080 8027080 +41 79 123 45 67 +41791234567 0041791234567 0791234567 791234567",
         {L"+19198027080", L"+41791234567"}},
        // Without an international spelling: the longest compact one.
        {"079 123 45 67 0791234567 791234567", {L"0791234567"}},
        // Without any compact spelling: as typed, spaces left out.
        {"+41 31 000 00 03", {L"+41310000003"}},
        {"112 (919) 802-7080 +19198027080", {L"112", L"+19198027080"}},
        {"+15550100999 +15550100999 (555) 010-0999", {L"+15550100999"}},
        {"  ", {}},
        {"", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IndexPhoneNumbers(widen(c.text)), c.numbers) << c.text;

    EXPECT_TRUE(SamePhoneNumber(L"+41 79 123 45 67", L"0791234567"));
    EXPECT_TRUE(SamePhoneNumber(L"(919) 802-7080", L"+19198027080"));
    EXPECT_FALSE(SamePhoneNumber(L"+41791234567", L"+41791234568"));
    EXPECT_TRUE(SamePhoneNumber(L"112", L"112"));
    EXPECT_FALSE(SamePhoneNumber(L"1234", L"91234"));
    EXPECT_FALSE(SamePhoneNumber(L"", L""));
}

// Many numbers that all end alike, and many pieces that spell none.
TEST(Contacts, ALongIndexTextKeepsEveryNumber)
{
    std::wstring numbers, pieces;
    for (int i = 0; i < 20000; ++i) {
        numbers += L"+" + std::to_wstring(100000000 + i) + L"1234567 ";
        pieces += L"(" + std::to_wstring(i % 1000) + L") ";
    }
    EXPECT_EQ(IndexPhoneNumbers(numbers).size(), 20000u);
    EXPECT_EQ(IndexPhoneNumbers(pieces).size(), 1u);
}

namespace
{
    // Three people, each also in the index as iOS keeps them (row id = the
    // person's, each number as typed and compact), and one deleted person
    // whom only the index remembers.
    const std::string LivingAndDeleted =
        "INSERT INTO ABPerson (ROWID, First, Last, CreationDate) VALUES (1, 'Anna', 'Muster', 1),"
        " (2, 'Ben', 'Beispiel', 2), (5, NULL, NULL, 5);"
        "INSERT INTO ABMultiValue (UID, record_id, property, label, value) VALUES"
        " (1, 1, 3, NULL, '+41 79 000 00 01'), (2, 2, 3, NULL, '(919) 802-7080'), (3, 2, 3, NULL, '+41 31 000 00 02');";
    const std::string LivingAndDeletedIndex =
        " ('Anna', 'Muster', '+41 79 000 00 01 +41790000001 0041790000001 0790000001 790000001'),"
        " ('Ben', 'Beispiel', '(919) 802-7080 +19198027080 01119198027080 9198027080 8027080"
        " +41 31 000 00 02 +41310000002 0310000002'),"
        " (NULL, NULL, NULL),"
        " ('Dora', 'Deleted', '079 123 45 67 +41791234567 0791234567 (919) 555-0142 +19195550142 5550142');";
    const std::string LivingAndDeletedRows =
        "INSERT INTO ABPersonFullTextSearch_content (docid, c0First, c1Last, c16Phone) VALUES"
        " (1, 'Anna', 'Muster', '+41 79 000 00 01 +41790000001 0041790000001 0790000001 790000001'),"
        " (2, 'Ben', 'Beispiel', '(919) 802-7080 +19198027080 01119198027080 9198027080 8027080"
        " +41 31 000 00 02 +41310000002 0310000002'),"
        " (5, NULL, NULL, NULL),"
        " (4, 'Dora', 'Deleted', '079 123 45 67 +41791234567 0791234567 (919) 555-0142 +19195550142 5550142');";

    std::string field(const std::string &recordLine, const std::string &name)
    {
        const std::string key = "\"" + name + "\":\"";
        const size_t at = recordLine.find(key);
        if (at == std::string::npos)
            return {};
        return recordLine.substr(at + key.size(), recordLine.find('"', at + key.size()) - at - key.size());
    }

    std::vector<std::string> ofSubType(const std::vector<std::string> &records, int subType)
    {
        const std::string prefix = "{\"status\":4,\"kind\":8,\"value\":" + std::to_string(subType) + ",";
        std::vector<std::string> out;
        for (const std::string &line : records)
            if (line.rfind(prefix, 0) == 0)
                out.push_back(line);
        return out;
    }

    // Each contact's names, persons and deleted contacts together.
    std::multiset<std::string> namesOf(const std::vector<std::string> &records)
    {
        std::multiset<std::string> names;
        for (int subType : {0, 4})
            for (const std::string &line : ofSubType(records, subType))
                names.insert(field(line, "first") + "|" + field(line, "middle") + "|" + field(line, "last"));
        return names;
    }

    int sqlCount(const std::string &db, const std::string &statement)
    {
        sqlite3 *handle = nullptr;
        sqlite3_stmt *query = nullptr;
        int count = -1;
        if (sqlite3_open_v2(db.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(handle, statement.c_str(), -1, &query, nullptr) == SQLITE_OK &&
            sqlite3_step(query) == SQLITE_ROW)
            count = sqlite3_column_int(query, 0);
        sqlite3_finalize(query);
        sqlite3_close(handle);
        return count;
    }
}

// The index holds every living person too: only the others are deleted
// contacts, and nobody comes twice.
TEST(Contacts, OnlyPeopleMissingFromTheAddressBookAreDeletedContacts)
{
    BackupBuilder backup(freshFolder("living"));
    const std::string id = backup.addDatabase(
        schema::HomeDomain, schema::ContactsPath,
        std::string(schema::ContactsSchema) + schema::ContactsFullTextSchema + LivingAndDeleted + LivingAndDeletedRows);
    backup.write();
    const auto records = contactRecords(backup.folder(), freshFolder("living-out"));

    EXPECT_EQ(int(ofSubType(records, 0).size()), sqlCount(backup.pathOf(id), "SELECT count(*) FROM ABPerson"));
    const auto deleted = ofSubType(records, 4);
    ASSERT_EQ(deleted.size(), 1u);
    EXPECT_EQ(field(deleted.front(), "first"), "Dora");
    EXPECT_EQ(field(deleted.front(), "phone"), "+41791234567 +19195550142");
    const auto names = namesOf(records);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
}

// An index without row ids: a row with a living person's names and numbers
// is that person; the same names with other numbers are someone deleted.
TEST(Contacts, WithoutRowIdsTheLivingAreKnownByNamesAndNumbers)
{
    const std::string indexWithoutRowIds =
        "CREATE TABLE ABPersonFullTextSearch_content (c0First, c1Last, c2Middle, c6Organization, c8Department,"
        " c9Note, c10Birthday, c16Phone, c17Email, c18Address, c19SocialProfile, c20URL, c21RelatedNames, c22IM,"
        " c23Date);"
        "INSERT INTO ABPersonFullTextSearch_content (c0First, c1Last, c16Phone) VALUES" + LivingAndDeletedIndex +
        "INSERT INTO ABPersonFullTextSearch_content (c0First, c1Last, c16Phone) VALUES"
        " ('Anna', 'Muster', '+41 79 999 99 99 +41799999999');";
    BackupBuilder backup(freshFolder("living-noid"));
    backup.addDatabase(schema::HomeDomain, schema::ContactsPath,
                       std::string(schema::ContactsSchema) + indexWithoutRowIds + LivingAndDeleted);
    backup.write();
    const auto records = contactRecords(backup.folder(), freshFolder("living-noid-out"));

    EXPECT_EQ(ofSubType(records, 0).size(), 3u);
    std::multiset<std::string> deleted;
    for (const std::string &line : ofSubType(records, 4))
        deleted.insert(field(line, "first") + " " + field(line, "phone"));
    EXPECT_EQ(deleted, (std::multiset<std::string> {"Anna +41799999999", "Dora +41791234567 +19195550142"}));
}

// The bundled sample keeps two people and one deleted contact in its index.
TEST(Contacts, TheSampleShowsNobodyTwice)
{
    const std::string backup = freshFolder("sample-contacts");
    fs::copy(SAMPLE_BACKUP_PATH, backup, fs::copy_options::recursive);
    const auto records = contactRecords(backup, freshFolder("sample-contacts-out"));
    EXPECT_EQ(ofSubType(records, 0).size(), 2u);
    const auto deleted = ofSubType(records, 4);
    ASSERT_EQ(deleted.size(), 1u);
    EXPECT_EQ(field(deleted.front(), "first"), "Carla");
    EXPECT_EQ(field(deleted.front(), "phone"), "+41310000003");
    const auto names = namesOf(records);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
}
