// makeseeds OUT: writes the seed inputs of every fuzz target into
// OUT/<target>/, made by the builders the tests use. Nothing binary is kept
// in the tree; the seeds are made at build time.
#include "attributedbody.h"
#include "backupbuilder.h"
#include "backupencrypter.h"
#include "chatstoragebuilder.h"
#include "decryptfixture.h"
#include "hostileplists.h"
#include "jpegbuilder.h"
#include "linebackup.h"
#include "notestore.h"

#include <plist/plist.h>
#include <sqlite3.h>

#include <QByteArray>

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace testsupport;

namespace
{
    fs::path g_out;

    void seed(const std::string &target, const std::string &name, const std::string &bytes)
    {
        fs::create_directories(g_out / target);
        if (!writeFile((g_out / target / name).string(), bytes))
            throw std::runtime_error("cannot write seed " + target + "/" + name);
    }

    // Inputs of the targets that take several texts: each as
    // FuzzedDataProvider::ConsumeRandomLengthString reads it, numbers at the
    // end, taken from the last byte backwards.
    class Texts
    {
    public:
        Texts &text(const std::string &value)
        {
            for (char c : value) {
                m_front += c;
                if (c == '\\')
                    m_front += '\\';
            }
            m_front += "\\e";
            return *this;
        }
        Texts &texts(std::initializer_list<std::string> values)
        {
            for (const std::string &value : values)
                text(value);
            return *this;
        }
        Texts &number(std::initializer_list<unsigned char> bytes)
        {
            for (unsigned char b : bytes)
                m_back.insert(m_back.begin(), char(b));
            return *this;
        }
        std::string bytes() const { return m_front + m_back; }

    private:
        std::string m_front;
        std::string m_back;
    };

    std::string plistOf(plist_t node, bool binary)
    {
        return plistBytes(node, binary);
    }

    plist_t readPlist(const std::string &path)
    {
        const std::string bytes = readFile(path);
        plist_t root = nullptr;
        plist_from_memory(bytes.data(), uint32_t(bytes.size()), &root);
        if (!root)
            throw std::runtime_error("no property list in " + path);
        return root;
    }

    std::string dataItem(plist_t dict, const char *key)
    {
        plist_t node = plist_dict_get_item(dict, key);
        char *bytes = nullptr;
        uint64_t length = 0;
        if (node)
            plist_get_data_val(node, &bytes, &length);
        std::string out(bytes ? bytes : "", bytes ? length : 0);
        free(bytes);
        return out;
    }

    // The "file" records of a Manifest.db, by file id.
    std::vector<std::pair<std::string, std::string>> fileRecords(const std::string &manifestDb)
    {
        std::vector<std::pair<std::string, std::string>> records;
        sqlite3 *db = nullptr;
        sqlite3_open_v2(manifestDb.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt *rows = nullptr;
        sqlite3_prepare_v2(db, "SELECT fileID, file FROM Files WHERE file IS NOT NULL", -1, &rows, nullptr);
        while (rows && sqlite3_step(rows) == SQLITE_ROW) {
            const auto *blob = static_cast<const char *>(sqlite3_column_blob(rows, 1));
            records.emplace_back(reinterpret_cast<const char *>(sqlite3_column_text(rows, 0)),
                                 std::string(blob ? blob : "", size_t(sqlite3_column_bytes(rows, 1))));
        }
        sqlite3_finalize(rows);
        sqlite3_close(db);
        return records;
    }

    void backupPlists(const fs::path &work)
    {
        BackupBuilder backup((work / "plain").string());
        backup.setDeviceName("Zoë's iPhone <&>");
        ChatStorageBuilder::addOwner(backup, "15550100@s.whatsapp.net");
        backup.write();
        for (const char *name : {"Manifest.plist", "Info.plist", "Status.plist"}) {
            const std::string binary = readFile(backup.folder() + "/" + name);
            seed("plist", std::string(name) + ".bin", binary);
            seed("plist", std::string(name) + ".xml", plistOf(readPlist(backup.folder() + "/" + name), false));
        }
        seed("plist", "Manifest.plist.bom.xml",
             "\xEF\xBB\xBF" + plistOf(readPlist(backup.folder() + "/Manifest.plist"), false));
        seed("plist", "whatsapp-preferences.bin",
             readFile(backup.pathOf(fileIdOf(ChatStorageBuilder::Domain, ChatStorageBuilder::PreferencesPath))));

        for (const bool dpsl : {true, false}) {
            EncryptionOptions options;
            options.withDpsl = dpsl;
            const std::string encrypted = (work / (dpsl ? "encrypted-dpsl" : "encrypted")).string();
            encryptBackup(backup.folder(), encrypted, options);
            plist_t manifest = readPlist(encrypted + "/Manifest.plist");
            seed("keybag", dpsl ? "keybag-dpsl" : "keybag", dataItem(manifest, "BackupKeyBag"));
            if (dpsl)
                seed("plist", "Manifest.plist.encrypted.bin", plistOf(manifest, true));
            else
                plist_free(manifest);
        }
    }

    // Records as the encrypter writes them for the target's backup: the file
    // as it is, of an asymmetric class, of a class without a key, claiming
    // another size.
    void decryptRecords(const fs::path &work)
    {
        const std::string plain = (work / "decrypt-plain").string();
        const std::string fileId = fuzzsupport::decrypt::writePlainBackup(plain);
        struct Variant
        {
            const char *name;
            void (*change)(EncryptionOptions &, const std::string &);
        };
        const Variant variants[] = {
            {"record", [](EncryptionOptions &, const std::string &) {}},
            {"record-asymmetric-class", [](EncryptionOptions &o, const std::string &id) { o.classOf[id] = 2; }},
            {"record-unknown-class", [](EncryptionOptions &o, const std::string &id) { o.classOf[id] = 99; }},
            {"record-size-short", [](EncryptionOptions &o, const std::string &id) { o.claimedSize[id] = 10; }},
            {"record-size-huge", [](EncryptionOptions &o, const std::string &id) { o.claimedSize[id] = 1LL << 40; }},
        };
        for (const Variant &variant : variants) {
            EncryptionOptions options = fuzzsupport::decrypt::options();
            variant.change(options, fileId);
            encryptBackup(plain, (work / "decrypt-encrypted").string(), options);
            for (const auto &[id, record] : fileRecords(plain + "/Manifest.db")) {
                if (id != fileId)
                    continue;
                seed("decrypt", variant.name, record);
                plist_t root = nullptr;
                plist_from_bin(record.data(), uint32_t(record.size()), &root);
                if (root)
                    seed("decrypt", std::string(variant.name) + ".xml", plistOf(root, false));
            }
        }
    }

    void messageTexts()
    {
        seed("streamtyped", "short", attributedBody("Hello world"));
        seed("streamtyped", "empty", attributedBody(""));
        seed("streamtyped", "two-byte-length", attributedBody(std::string(200, 'c')));
        seed("streamtyped", "mutable", attributedBody("Edited text", {{}, true}));
        seed("streamtyped", "attachment", attributedBody("\xEF\xBF\xBC" "Look at this 😀"));
        seed("streamtyped", "stated-length-long", attributedBody("abc", {4u}));
    }

    void noteBodies()
    {
        seed("notes", "gzip", notes::gzip(notes::bodyMessage("Shopping: milk, eggs")));
        seed("notes", "zlib", notes::zlib(notes::bodyMessage("Grüße 😀 中文")));
        seed("notes", "gzip-no-text", notes::gzip(notes::bodyMessage(std::nullopt)));
        seed("notes", "gzip-long", notes::gzip(notes::bodyMessage(std::string(5000, 'n'))));
        seed("notes", "plain-message", notes::bodyMessage("not compressed"));
    }

    void whatsAppQuotes()
    {
        for (const char *id : {"3A1001", "3A1002", "3A1003", "3A1004"})
            seed("whatsapp", std::string("quotes-") + id, ChatStorageBuilder::quoteMetadata(id));
        seed("whatsapp", "quotes-unknown", ChatStorageBuilder::quoteMetadata(std::string(40, 'Q')));
    }

    void lineMetadataSeeds()
    {
        seed("line", "call", lineMetadata({"DURATION", "RESULT", "TYPE", "65000", "NORMAL", "V"}));
        seed("line", "group-call", lineMetadata({"GroupCallEnded", "VIDEO", "AUDIO"}));
        seed("line", "contact", lineMetadata({"mid", "displayName", "u1c0ffee", "Ann"}));
        seed("line", "file", lineMetadata({"FILE_NAME", "FILE_SIZE", "report.pdf", "1234"}));
        seed("line", "file-path", lineMetadata({"FILE_NAME", "FILE_SIZE", "/../../etc/passwd", "-1"}));
    }

    void photos()
    {
        for (const bool littleEndian : {true, false}) {
            JpegBuilder b(littleEndian);
            b.add(JpegBuilder::Ifd0, 271, 2, 6, b.ascii("Maker"));
            b.add(JpegBuilder::Ifd0, 274, 3, 1, b.shorts({6}));
            b.add(JpegBuilder::Ifd0, 306, 2, 20, b.ascii("2020:01:01 12:00:00"));
            b.add(JpegBuilder::ExifIfd, 33434, 5, 1, b.rationals({{1, 125}}));
            b.add(JpegBuilder::ExifIfd, 36867, 2, 20, b.ascii("2019:12:31 23:59:59"));
            b.add(JpegBuilder::ExifIfd, 37385, 3, 1, b.shorts({0x19}));
            b.add(JpegBuilder::ExifIfd, 40962, 4, 1, b.longs({4032}));
            b.add(JpegBuilder::ExifIfd, 42034, 5, 4, b.rationals({{4, 1}, {6, 1}, {18, 10}, {24, 10}}));
            b.add(JpegBuilder::GpsIfd, 1, 2, 2, b.ascii("S"));
            b.add(JpegBuilder::GpsIfd, 2, 5, 3, b.rationals({{33, 1}, {30, 1}, {0, 1}}));
            b.add(JpegBuilder::GpsIfd, 5, 1, 1, QByteArray(1, '\1'));
            b.add(JpegBuilder::GpsIfd, 6, 5, 1, b.rationals({{120, 2}}));
            const QByteArray jpeg = b.jpeg();
            seed("exif", littleEndian ? "camera-ii" : "camera-mm", jpeg.toStdString());
        }
    }

    std::string frame(const std::string &url)
    {
        return "_$!<" + QByteArray::fromStdString(url).toBase64().toStdString() + ">!$_";
    }

    void relayReads()
    {
        const std::string event = "http://127.0.0.1:9/analytics?v=2&tid=G-1&cid=1.2&sid=3&en=Start&ep.kind=Lifecycle";
        seed("relay", "one-frame", Texts().text(frame(event)).bytes());
        seed("relay", "two-frames", Texts().text(frame(event) + frame("https://example.com/")).bytes());
        const std::string split = frame(event);
        seed("relay", "split", Texts().texts({split.substr(0, 10), split.substr(10, 30), split.substr(40)}).bytes());
        seed("relay", "not-base64", Texts().text("_$!<%%%>!$_").bytes());
        seed("relay", "unended", Texts().texts({"_$!<" + std::string(600, 'A'), frame(event)}).bytes());
    }

    void lockdownAnswers()
    {
        plist_t values = plist_new_dict();
        plist_dict_set_item(values, "DeviceName", plist_new_string("Zoë's iPhone"));
        plist_dict_set_item(values, "ProductType", plist_new_string("iPhone14,2"));
        plist_dict_set_item(values, "ProductVersion", plist_new_string("17.1"));
        plist_dict_set_item(values, "UniqueDeviceID", plist_new_string("00008101-000A1B2C3D4E5F60"));
        plist_dict_set_item(values, "UniqueChipID", plist_new_uint(0x1A2B3C4D5E6F));
        plist_dict_set_item(values, "PasswordProtected", plist_new_bool(1));
        plist_dict_set_item(values, "BatteryCurrentCapacity", plist_new_real(0.87));
        plist_dict_set_item(values, "ActivationDate", plist_new_date(700000000, 5));
        plist_dict_set_item(values, "WiFiAddressData", plist_new_data("\x01\x02\x03\x04\x05\x06", 6));
        plist_t versions = plist_new_array();
        plist_array_append_item(versions, plist_new_string("17.0"));
        plist_array_append_item(versions, plist_new_uid(3));
        plist_dict_set_item(values, "SupportedVersions", versions);

        plist_t answer = plist_new_dict();
        plist_dict_set_item(answer, "Request", plist_new_string("GetValue"));
        plist_dict_set_item(answer, "Value", plist_copy(values));
        seed("lockdown", "all-values.xml", plistOf(plist_copy(answer), false));
        seed("lockdown", "all-values.bin", plistOf(answer, true));

        plist_t one = plist_new_dict();
        plist_dict_set_item(one, "Key", plist_new_string("ProductVersion"));
        plist_dict_set_item(one, "Request", plist_new_string("GetValue"));
        plist_dict_set_item(one, "Value", plist_new_string("17.1"));
        seed("lockdown", "one-value.xml", plistOf(one, false));

        plist_t apps = plist_new_dict();
        for (const char *id : {"com.example.notes", "net.whatsapp.WhatsApp"}) {
            plist_t app = plist_new_dict();
            plist_dict_set_item(app, "CFBundleIdentifier", plist_new_string(id));
            plist_dict_set_item(apps, id, app);
        }
        seed("lockdown", "apps.bin", plistOf(apps, true));
        plist_free(values);
    }

    void countryTables()
    {
        plist_t countries = plist_new_array();
        const char *rows[][5] = {{"CN", "86", "China", "\xe4\xb8\xad\xe5\x9b\xbd", "\xe4\xb8\xad\xe5\x9b\xbd"},
                                 {"JP", "81", "Japan", "\xe6\x97\xa5\xe6\x9c\xac", "\xe6\x97\xa5\xe6\x9c\xac"},
                                 {"GB", "44", "United Kingdom", "United Kingdom", "\xe8\x8b\xb1\xe5\x9b\xbd"}};
        for (const auto &row : rows) {
            plist_t country = plist_new_dict();
            const char *keys[] = {"CountryCode", "CountryNumberPre", "EN_Name", "LOCAL_Name", "ZN_Name"};
            for (int i = 0; i < 5; ++i)
                plist_dict_set_item(country, keys[i], plist_new_string(row[i]));
            plist_array_append_item(countries, country);
        }
        seed("countries", "table.xml", plistOf(plist_copy(countries), false));
        seed("countries", "table-bom.xml", "\xEF\xBB\xBF" + plistOf(plist_copy(countries), false));
        seed("countries", "table.bin", plistOf(countries, true));
    }

    // Close to what the readers refuse: shared references and nesting.
    void hostilePlists()
    {
        for (const char *target : {"plist", "decrypt", "line", "lockdown", "countries"}) {
            seed(target, "shared-references", sharedArraysPlist(12));
            seed(target, "nested", nestedArraysPlist(60, true));
            seed(target, "nested.xml", nestedArraysPlist(60, false));
        }
    }

    void exportTexts()
    {
        const std::initializer_list<std::string> cells = {
            "Zoë", "=HYPERLINK(\"http://x\")", "a \"quoted\" word", "one, two", "line\r\nbreak",
            "+1 555 0100", "-12.5", "@SUM(A1)", "\ttab", "", "back\\slash"};
        seed("exportcsv", "cells", Texts().texts(cells).bytes());
        seed("exportcsv", "formula", Texts().texts({"-2+3", "+cmd|' /C calc'!A0"}).bytes());

        Texts contact;
        contact.texts({"Zoë Ångström", "Zoë", "M", "Ångström", "ACME; Inc.", "zo", "1990-01-01", "ch",
                       "a note\r\nover lines, with ; and \\"});
        // Two entries in each list: label, value.
        for (int list = 0; list < 8; ++list)
            contact.texts({"_$!<Home>!$_", "+41 44 000 00 00", "custom: \"label\"", "value;2"});
        contact.number({2, 2, 2, 2, 2, 2, 2, 2});
        seed("exportvcard", "contact", contact.bytes());
        seed("exportvcard", "address",
             Texts().texts({"A", "", "", "", "", "", "", "", ""}).texts({"_$!<Work>!$_", "Street 1<br>8000<br>Zürich"})
                 .number({0, 0, 0, 1}).bytes());

        Texts page;
        page.texts({"Bookmarks", "15550100", "Title 'quoted' \"double\""});
        page.texts({"</script><script>alert(1)</script>", "https://example.com/?a=1&b=\"2\""});
        page.number({0, 0, 0, 0, 0, 0, 0, 42});
        page.texts({"line\u2028separator \u2029", "\\u0000 \x01\x1f\x7f"});
        page.number({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});
        seed("exporthtml", "rows", page.bytes());
    }
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeseeds OUT\n");
        return 2;
    }
    try {
        g_out = argv[1];
        const fs::path work = g_out / ".work";
        fs::remove_all(g_out);
        fs::create_directories(work);
        backupPlists(work);
        decryptRecords(work);
        messageTexts();
        noteBodies();
        whatsAppQuotes();
        lineMetadataSeeds();
        photos();
        relayReads();
        lockdownAnswers();
        exportTexts();
        countryTables();
        hostilePlists();
        fs::remove_all(work);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "makeseeds: %s\n", error.what());
        return 1;
    }
    return 0;
}
