#include "backupbuilder.h"
#include "backupdecrypter.h"
#include "backupencrypter.h"
#include "hostileplists.h"
#include "iosschemas.h"
#include "scanrecorder.h"

#include <gtest/gtest.h>
#include <plist/plist.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace fs = std::filesystem;
using namespace testsupport;

namespace
{
    const std::string kPassword = "pässwort 1";

    std::string program()
    {
        return std::string(VOLSARK_DECRYPT_PATH);
    }

    struct Fixture
    {
        std::string plain;
        std::string encrypted;
        std::string smallFile; // ids of interesting rows
        std::string asymmetricFile;
        std::string overclaimedFile;
        std::string shortenedFile;
    };

    // A backup with databases, empty and block-sized files, non-ASCII paths,
    // folder rows, a row without a file and a row whose id is not a file id,
    // then its encrypted copy.
    Fixture makeFixture(const std::string &name, EncryptionOptions options = {})
    {
        Fixture fixture;
        BackupBuilder backup(freshFolder(name + "-plain"));
        backup.addDatabase("HomeDomain", "Library/SMS/sms.db",
                           std::string(SmsSchema) +
                               "INSERT INTO handle (ROWID, id, service) VALUES (1, '+15550001', 'SMS');"
                               "INSERT INTO message (ROWID, guid, text, handle_id, date) VALUES "
                               "(1, 'g1', 'hello', 1, 700000000000000000), (2, 'g2', 'again', 1, 700000001000000000);");
        backup.addDatabase("HomeDomain", "Library/AddressBook/AddressBook.sqlitedb",
                           "CREATE TABLE ABPerson (ROWID INTEGER PRIMARY KEY, First TEXT, Last TEXT);"
                           "INSERT INTO ABPerson VALUES (1, 'Zoë', 'Ångström');");
        backup.addFile("HomeDomain", "Library/empty", "");
        fixture.smallFile = backup.addFile("MediaDomain", "Media/DCIM/100APPLE/IMG_0001.JPG", std::string(4096, 'x'));
        backup.addFile("AppDomain-com.example.notes", "Documents/日本語 ファイル.txt", "こんにちは");
        fixture.asymmetricFile = backup.addFile("HomeDomain", "Library/asymmetric", "class two");
        fixture.overclaimedFile = backup.addFile("HomeDomain", "Library/overclaimed", std::string(100, 'o'));
        fixture.shortenedFile = backup.addFile("HomeDomain", "Library/shortened", "0123456789abcdef0123");
        backup.addManifestRow(fileIdOf("MediaDomain", "Media/DCIM"), "MediaDomain", "Media/DCIM", 2);
        backup.addManifestRow(fileIdOf("HomeDomain", "Library/gone"), "HomeDomain", "Library/gone", 1);
        backup.addManifestRow("../../outside", "HomeDomain", "Library/evil", 1);
        backup.write();
        fixture.plain = backup.folder();
        fixture.encrypted = freshFolder(name + "-encrypted");
        options.password = kPassword;
        options.classOf[fixture.asymmetricFile] = 2;
        options.claimedSize[fixture.overclaimedFile] = int64_t(1) << 62;
        options.claimedSize[fixture.shortenedFile] = 10;
        encryptBackup(fixture.plain, fixture.encrypted, options);
        return fixture;
    }

    // Every file of a folder but Manifest.plist, which decryption rewrites,
    // by its path inside the folder.
    std::map<std::string, std::string> contents(const std::string &folder)
    {
        std::map<std::string, std::string> out;
        for (auto &[path, bytes] : snapshot(folder)) {
            const std::string relative = fs::relative(path, folder).generic_string();
            if (relative != "Manifest.plist" && fs::is_regular_file(path))
                out[relative] = bytes;
        }
        return out;
    }

    std::vector<std::string> differences(const std::map<std::string, std::string> &a,
                                         const std::map<std::string, std::string> &b)
    {
        std::vector<std::string> names;
        for (const auto &[name, bytes] : a)
            if (!b.count(name) || b.at(name) != bytes)
                names.push_back(name);
        for (const auto &[name, bytes] : b)
            if (!a.count(name))
                names.push_back(name);
        return names;
    }

    plist_t readPlist(const std::string &path)
    {
        const std::string bytes = readFile(path);
        plist_t root = nullptr;
        plist_from_memory(bytes.data(), uint32_t(bytes.size()), &root);
        return root;
    }

    std::string decryptCommand(const std::string &backup, const std::string &out, const std::string &password)
    {
        return program() + " --backup " + shellQuote(backup) + " --out " + shellQuote(out) + " --password " +
               shellQuote(password);
    }

    bool exists(const std::string &path)
    {
        std::error_code error;
        return fs::exists(path, error);
    }
}

TEST(DecryptPrimitives, KeyWrapMatchesRfc3394)
{
    // RFC 3394 4.6: 256 bits of key data with a 256-bit KEK.
    const std::string kek = hexBytes("000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F");
    const std::string key = hexBytes("00112233445566778899AABBCCDDEEFF000102030405060708090A0B0C0D0E0F");
    const std::string wrapped =
        hexBytes("28C9F404C4B810F4CBCCB35CFB87F8263F5786E2D80ED326CBC7F0E71A99F43BFB988B9B7A02DD21");
    EXPECT_EQ(aesWrap(kek, key), wrapped);
    std::string unwrapped;
    ASSERT_TRUE(volsark::aesUnwrap(kek, wrapped, unwrapped));
    EXPECT_EQ(unwrapped, key);

    std::string otherKek = kek;
    otherKek[0] ^= 1;
    EXPECT_FALSE(volsark::aesUnwrap(otherKek, wrapped, unwrapped));
    EXPECT_FALSE(volsark::aesUnwrap(kek, wrapped.substr(0, 20), unwrapped));
}

TEST(DecryptPrimitives, Pbkdf2MatchesPublishedVectors)
{
    struct Case
    {
        std::string digest, password, salt;
        uint32_t iterations;
        std::string expected;
    };
    const Case cases[] = {
        // RFC 6070
        {"sha1", "password", "salt", 1, "0c60c80f961f0e71f3a9b524af6012062fe037a6"},
        {"sha1", "password", "salt", 2, "ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957"},
        {"sha1", "password", "salt", 4096, "4b007901b765489abead49d926f721d065a429c1"},
        {"sha1", "passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096,
         "3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038"},
        {"sha1", std::string("pass\0word", 9), std::string("sa\0lt", 5), 4096, "56fa6aa75548099dcc37d7f03425e0c3"},
        // RFC 7914 section 11
        {"sha256", "passwd", "salt", 1,
         "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
         "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783"},
        {"sha256", "Password", "NaCl", 80000,
         "4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab56"
         "a1d425a1225833549adb841b51c9b3176a272bdebba1d078478f62b397f33c8d"},
    };
    for (const Case &c : cases) {
        const std::string expected = hexBytes(c.expected);
        const int length = int(expected.size());
        EXPECT_EQ(pbkdf2(c.digest, c.password, c.salt, c.iterations, length), expected) << c.password;
        const std::string ours = c.digest == "sha1"
                                     ? volsark::pbkdf2Sha1(c.password, c.salt, int(c.iterations), length)
                                     : volsark::pbkdf2Sha256(c.password, c.salt, int(c.iterations), length);
        EXPECT_EQ(ours, expected) << c.password;
    }
}

TEST(BackupDecrypter, GivesBackThePlainBackupByteForByte)
{
    for (const bool withDpsl : {true, false}) {
        SCOPED_TRACE(withDpsl ? "with the SHA-256 round" : "SHA-1 only");
        EncryptionOptions options;
        options.withDpsl = withDpsl;
        const Fixture fixture = makeFixture(withDpsl ? "dpsl" : "nodpsl", options);
        const std::string out = freshFolder(withDpsl ? "dpsl-out" : "nodpsl-out") + "/new/parents";

        volsark::BackupDecrypter decrypter(fixture.encrypted, out, kPassword);
        const volsark::DecryptResult result = decrypter.run();
        ASSERT_TRUE(result.ok()) << result.message();
        // 0-byte, 4096, SMS, contacts, non-ASCII, overclaimed, shortened; skipped:
        // the asymmetric class, the missing file and the bad id.
        EXPECT_EQ(result.decrypted, 7);
        EXPECT_EQ(result.skipped, 3);

        auto wanted = contents(fixture.plain);
        // Class 2 cannot be opened from a backup; the shortened file keeps its claimed length.
        wanted.erase(fixture.asymmetricFile.substr(0, 2) + "/" + fixture.asymmetricFile);
        wanted[fixture.shortenedFile.substr(0, 2) + "/" + fixture.shortenedFile] = "0123456789";
        ASSERT_EQ(wanted.size(), 10u); // Manifest.db, Info.plist, Status.plist and seven files
        EXPECT_EQ(differences(contents(out), wanted), std::vector<std::string>());
        EXPECT_FALSE(exists(fixture.encrypted + "/../outside"));

        plist_t manifest = readPlist(out + "/Manifest.plist");
        ASSERT_NE(manifest, nullptr);
        uint8_t encrypted = 1;
        plist_get_bool_val(plist_dict_get_item(manifest, "IsEncrypted"), &encrypted);
        EXPECT_EQ(encrypted, 0);
        EXPECT_NE(plist_dict_get_item(manifest, "Lockdown"), nullptr);
        EXPECT_NE(plist_dict_get_item(manifest, "Version"), nullptr);
        plist_free(manifest);
        EXPECT_FALSE(volsark::isBackupEncrypted(out));
    }
}

TEST(BackupDecrypter, ScansLikeThePlainBackup)
{
    const Fixture fixture = makeFixture("scan");
    const std::string out = freshFolder("scan-out");
    ASSERT_TRUE(volsark::BackupDecrypter(fixture.encrypted, out, kPassword).run().ok());
    auto count = [](const std::string &backup) {
        return runCommand(std::string(VARDEX_SCAN_PATH) + " --count --mask 0xFFFFF --backup " + shellQuote(backup) +
                          " --out " + shellQuote(freshFolder("scan-results")));
    };
    const std::string plainCounts = count(fixture.plain);
    EXPECT_NE(plainCounts.find("\"records\":2"), std::string::npos) << plainCounts;
    EXPECT_EQ(count(out), plainCounts);
}

// A file id that leads out of the backup, with a real file that decrypts
// where it leads: the id is refused, and nothing is written outside the
// output folder.
TEST(BackupDecrypter, RefusesAnIdLeadingOutOfTheBackupEvenWhenItsFileDecrypts)
{
    // Folders at different depths, so that the id's "../../" leads each of
    // them somewhere else.
    const std::string root = freshFolder("escape");
    const std::string plain = root + "/p/plain";
    const std::string encrypted = root + "/e/x/encrypted";
    const std::string out = root + "/o/y/z/out";
    fs::create_directories(fs::path(out).parent_path());
    BackupBuilder backup(plain);
    backup.addFile("HomeDomain", "Library/kept", "a file of the backup");
    // Read at <folder>/../../escaped: an id is used as "<first two>/<id>".
    backup.addManifestRow("../escaped", "HomeDomain", "Library/escaped", 1);
    backup.write();
    ASSERT_TRUE(writeFile(root + "/escaped", "a file beside the backup"));
    EncryptionOptions options;
    options.password = kPassword;
    encryptBackup(plain, encrypted, options);
    ASSERT_TRUE(fs::is_regular_file(encrypted + "/../../escaped"));

    auto outside = [&] {
        auto files = snapshot(root);
        files.erase(std::remove_if(files.begin(), files.end(),
                                   [&](const auto &file) { return file.first.rfind(out, 0) == 0; }),
                    files.end());
        return files;
    };
    auto namesOf = [](const std::vector<std::pair<std::string, std::string>> &files) {
        std::vector<std::string> names;
        for (const auto &file : files)
            names.push_back(file.first);
        return names;
    };
    const auto before = outside();
    const volsark::DecryptResult result = volsark::BackupDecrypter(encrypted, out, kPassword).run();
    ASSERT_TRUE(result.ok()) << result.message();
    EXPECT_EQ(result.decrypted, 1);
    EXPECT_EQ(result.skipped, 1);
    const auto after = outside();
    EXPECT_EQ(namesOf(after), namesOf(before));
    EXPECT_TRUE(after == before) << "a file outside the output folder changed";
    EXPECT_FALSE(exists(out + "/../../escaped"));
    const std::string kept = fileIdOf("HomeDomain", "Library/kept");
    EXPECT_EQ(readFile(out + "/" + kept.substr(0, 2) + "/" + kept), "a file of the backup");
}

TEST(BackupDecrypter, LogsWithoutThePassword)
{
    const Fixture fixture = makeFixture("log");
    EXPECT_FALSE(volsark::BackupDecrypter(fixture.encrypted, freshFolder("log-out-1"), "wrong").run().ok());
    EXPECT_TRUE(volsark::BackupDecrypter(fixture.encrypted, freshFolder("log-out-2"), kPassword).run().ok());
    // The in-process decrypter logs into whatever this program opened; the
    // command line opens Volsark.log.
    int exitCode = -1;
    runCommand(decryptCommand(fixture.encrypted, freshFolder("log-out-3"), kPassword), &exitCode);
    EXPECT_EQ(exitCode, 0);
    const std::string log = logText("Volsark.log");
    EXPECT_NE(log.find("decrypted"), std::string::npos) << log;
    EXPECT_EQ(log.find(kPassword), std::string::npos);
}

TEST(VolsarkDecrypt, ReportsResultsAndCauses)
{
    const Fixture fixture = makeFixture("cli");
    int exitCode = -1;
    const std::string out = freshFolder("cli-out") + "/result";
    EXPECT_EQ(runCommand(decryptCommand(fixture.encrypted, out, kPassword), &exitCode),
              "7 files decrypted, 3 skipped\n");
    EXPECT_EQ(exitCode, 0);

    // The password from standard input, without its line end.
    const std::string fromStdin = freshFolder("cli-stdin") + "/result";
    EXPECT_EQ(runCommand("printf '%s\\n' " + shellQuote(kPassword) + " | " + program() + " --backup " +
                             shellQuote(fixture.encrypted) + " --out " + shellQuote(fromStdin) + " --password-stdin",
                         &exitCode),
              "7 files decrypted, 3 skipped\n");
    EXPECT_EQ(exitCode, 0);

    // An output path with the characters a SQLite URI gives meaning to.
    const std::string oddName = freshFolder("cli-out #2?x=%41") + "/result";
    EXPECT_EQ(runCommand(decryptCommand(fixture.encrypted, oddName, kPassword), &exitCode),
              "7 files decrypted, 3 skipped\n");
    EXPECT_EQ(exitCode, 0);

    // Copies of the encrypted backup with a broken keybag, a keybag asking for
    // endless key rounds, a broken Manifest.db and an empty Info.plist.
    const std::string badKeybag = freshFolder("cli-bad-keybag");
    const std::string endlessKeybag = freshFolder("cli-endless-keybag");
    const std::string badManifest = freshFolder("cli-bad-manifest");
    const std::string emptyInfo = freshFolder("cli-empty-info");
    for (const std::string &copy : {badKeybag, endlessKeybag, badManifest, emptyInfo})
        fs::copy(fixture.encrypted, copy, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    plist_t manifest = readPlist(badKeybag + "/Manifest.plist");
    plist_dict_set_item(manifest, "BackupKeyBag", plist_new_data("SALT\0\0\0\x40xx", 10));
    writeFile(badKeybag + "/Manifest.plist", plistBytes(manifest, true));
    manifest = readPlist(endlessKeybag + "/Manifest.plist");
    {
        char *data = nullptr;
        uint64_t length = 0;
        plist_get_data_val(plist_dict_get_item(manifest, "BackupKeyBag"), &data, &length);
        std::string keybag(data, length);
        free(data);
        const size_t iter = keybag.find(std::string("ITER\0\0\0\x04", 8));
        ASSERT_NE(iter, std::string::npos);
        keybag.replace(iter + 8, 4, "\x7f\xff\xff\xff");
        plist_dict_set_item(manifest, "BackupKeyBag", plist_new_data(keybag.data(), keybag.size()));
    }
    writeFile(endlessKeybag + "/Manifest.plist", plistBytes(manifest, true));
    writeFile(badManifest + "/Manifest.db", readFile(badManifest + "/Manifest.db").substr(0, 4096));
    writeFile(emptyInfo + "/Info.plist", "");
    const std::string fromEmptyInfo = freshFolder("cli-empty-info-out") + "/result";
    EXPECT_EQ(runCommand(decryptCommand(emptyInfo, fromEmptyInfo, kPassword), &exitCode),
              "7 files decrypted, 3 skipped\n");
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(readFile(fromEmptyInfo + "/Info.plist"), "");

    struct Case
    {
        std::string name, backup, password, stderrText;
    };
    const Case cases[] = {
        {"bad-keybag", badKeybag, kPassword, "volsark-decrypt: bad keybag\n"},
        {"endless-keybag", endlessKeybag, kPassword, "volsark-decrypt: bad keybag\n"},
        {"bad-manifest", badManifest, kPassword, "volsark-decrypt: Manifest.db cannot be decrypted\n"},
        {"wrong", fixture.encrypted, "not it", "volsark-decrypt: wrong password\n"},
        {"plain", fixture.plain, kPassword, "volsark-decrypt: not encrypted\n"},
        {"missing", fixture.plain + "/nowhere", kPassword,
         "volsark-decrypt: cannot read " + fixture.plain + "/nowhere/Manifest.plist\n"},
    };
    for (const Case &c : cases) {
        const std::string parent = freshFolder("cli-fail-" + c.name);
        const std::string target = parent + "/result";
        EXPECT_EQ(runCommand(decryptCommand(c.backup, target, c.password) + " 2>&1 >/dev/null", &exitCode),
                  c.stderrText);
        EXPECT_EQ(exitCode, 1) << c.name;
        EXPECT_TRUE(snapshot(parent).empty()) << c.name;
        EXPECT_FALSE(exists(target)) << c.name;
    }
}

TEST(VolsarkDecrypt, RefusesANonEmptyOutputFolderUntouched)
{
    const Fixture fixture = makeFixture("busy");
    const std::string out = freshFolder("busy-out");
    writeFile(out + "/keep.txt", "mine");
    const auto before = snapshot(out);
    int exitCode = -1;
    EXPECT_EQ(runCommand(decryptCommand(fixture.encrypted, out, kPassword) + " 2>&1 >/dev/null", &exitCode),
              "volsark-decrypt: output folder is not empty\n");
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(snapshot(out), before);
}

TEST(VolsarkDecrypt, AFailedWriteLeavesNothing)
{
    const Fixture fixture = makeFixture("full");
    for (const bool outExists : {false, true}) {
        const std::string parent = freshFolder(outExists ? "full-empty" : "full-new");
        const std::string out = outExists ? parent : parent + "/result";
        int exitCode = -1;
        // Manifest.db fits under the file-size limit (in the shell's 512-byte
        // blocks), the SMS database does not. A fresh log folder keeps the
        // log itself under the limit.
        const auto blocks = fs::file_size(fixture.plain + "/Manifest.db") / 512 + 8;
        const std::string sms = fileIdOf("HomeDomain", "Library/SMS/sms.db");
        ASSERT_GT(fs::file_size(fixture.plain + "/" + sms.substr(0, 2) + "/" + sms), blocks * 512);
        const std::string printed =
            runCommand("trap '' XFSZ; ulimit -f " + std::to_string(blocks) + "; QUENROW_LOG_DIR=" +
                           shellQuote(freshFolder(outExists ? "full-log-1" : "full-log-2")) + " " +
                           decryptCommand(fixture.encrypted, out, kPassword) + " 2>&1",
                       &exitCode);
        EXPECT_EQ(exitCode, 1) << printed;
        EXPECT_EQ(printed, "volsark-decrypt: cannot write " + out + "/" + sms.substr(0, 2) + "/" + sms + "\n");
        EXPECT_TRUE(snapshot(parent).empty());
        EXPECT_EQ(exists(out), outExists);
    }
}

TEST(VolsarkDecrypt, RejectsBadArguments)
{
    const std::string arguments[] = {
        "",
        "--backup /a --out /b",
        "--backup /a --password p",
        "--out /b --password p",
        "--backup /a --out /b --password p --password-stdin",
        "--backup /a --out /b --password",
        "--backup /a --out /b --password p --extra",
    };
    for (const std::string &argument : arguments) {
        int exitCode = -1;
        EXPECT_EQ(runCommand(program() + " " + argument + " 2>&1"),
                  "usage: volsark-decrypt --backup DIR --out DIR (--password P | --password-stdin)\n")
            << argument;
        runCommand(program() + " " + argument + " 2>/dev/null", &exitCode);
        EXPECT_EQ(exitCode, 2) << argument;
    }
}

// libplist copies a binary property list's object at every reference and
// recurses at every level: a record of a few hundred bytes could keep it
// busy for hours or overflow its stack. Such a record is skipped like any
// unreadable one, and the rest of the backup decrypts.
TEST(BackupDecrypter, RecordsMadeToExhaustTheReaderAreSkipped)
{
    const struct
    {
        const char *name;
        std::string record;
    } cases[] = {
        {"references copied a billion times", sharedArraysPlist(30)},
        {"nested past any stack", nestedArraysPlist(200000, true)},
    };
    for (const auto &c : cases) {
        BackupBuilder backup(freshFolder(std::string("hostile-plain-") + c.name));
        const std::string kept = backup.addFile("HomeDomain", "Library/kept", "a file of the backup");
        const std::string hostile = backup.addFile("HomeDomain", "Library/hostile", "its record hurts");
        backup.write();
        EncryptionOptions options;
        options.password = kPassword;
        options.record[hostile] = c.record;
        const std::string encrypted = freshFolder(std::string("hostile-encrypted-") + c.name);
        encryptBackup(backup.folder(), encrypted, options);
        const std::string out = freshFolder(std::string("hostile-out-") + c.name);
        const volsark::DecryptResult result = volsark::BackupDecrypter(encrypted, out, kPassword).run();
        ASSERT_TRUE(result.ok()) << c.name << ": " << result.message();
        EXPECT_EQ(result.decrypted, 1) << c.name;
        EXPECT_EQ(result.skipped, 1) << c.name;
        EXPECT_EQ(readFile(out + "/" + kept.substr(0, 2) + "/" + kept), "a file of the backup") << c.name;
    }
}

TEST(BackupDecrypter, IsBackupEncryptedReadsTheFlagThenTheDatabase)
{
    struct Case
    {
        std::string name;
        std::optional<bool> flag;
        std::string manifestDb; // empty: no file
        bool expected;
    };
    const Case cases[] = {
        {"flag-true", true, "", true},
        {"flag-false", false, "garbage bytes", false},
        {"no-flag-garbage", std::nullopt, "not a database at all", true},
        {"no-flag-sqlite", std::nullopt, std::string("SQLite format 3\0rest", 20), false},
        {"no-flag-empty", std::nullopt, "", false},
    };
    // A Manifest.plist that would hurt libplist is no answer: the database decides.
    for (const std::string &hostile : {sharedArraysPlist(30), nestedArraysPlist(200000, true)}) {
        const std::string folder = freshFolder("enc-hostile");
        writeFile(folder + "/Manifest.plist", hostile);
        writeFile(folder + "/Manifest.db", "not a database at all");
        EXPECT_TRUE(volsark::isBackupEncrypted(folder));
    }
    for (const Case &c : cases) {
        const std::string folder = freshFolder("enc-" + c.name);
        plist_t manifest = plist_new_dict();
        if (c.flag)
            plist_dict_set_item(manifest, "IsEncrypted", plist_new_bool(*c.flag));
        writeFile(folder + "/Manifest.plist", plistBytes(manifest, false));
        if (!c.manifestDb.empty() || c.name == "no-flag-empty")
            writeFile(folder + "/Manifest.db", c.manifestDb);
        EXPECT_EQ(volsark::isBackupEncrypted(folder), c.expected) << c.name;
    }
    EXPECT_FALSE(volsark::isBackupEncrypted(freshFolder("enc-nothing")));
}
