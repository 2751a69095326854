#include "backupbuilder.h"
#include "dbmediamanager.h"
#include "scanrecorder.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <random>
#include <thread>

using namespace testsupport;
namespace fs = std::filesystem;

namespace
{
    const std::string Home = "HomeDomain";
    const std::string BadId = "../../x";

    // Rows that a careless LIKE or a pasted quote would confuse come first,
    // so that a wrong query returns them instead of the right row.
    class MediaManagerTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            BackupBuilder backup(freshFolder("media-backup"));
            imgX = backup.addFile(Home, "Media/DCIM/IMGX0001.jpeg", "imgx");
            img = backup.addFile(Home, "Media/DCIM/IMG_0001.jpeg", "img");
            john = backup.addFile(Home, "Media/DCIM/John's photo.jpg", "john's bytes");
            percentDecoy = backup.addFile(Home, "Library/rate 50percent.txt", "decoy");
            percent = backup.addFile(Home, "Library/rate 50%.txt", "percent");
            backslash = backup.addFile(Home, "Library/a\\b.txt", "backslash");
            bare = backup.addFile("AppDomain-com.app.x", "Library/com.app.x/file", "no extension");
            backup.addManifestRow(BadId, Home, "Media/evil.jpg");
            backup.addManifestRow(BadId, Home, "Media/evil-first.png");
            evilAfter = backup.addFile(Home, "Media/evil-first.png.later", "valid row after a bad one");
            backup.addFile(Home, "Library/Caches/report.pdf", "not a document");
            document = backup.addFile("AppDomain-com.app.docs", "Documents/report.pdf", "document");
            thumb = backup.addFile("AppDomainGroup-group.com.linecorp.line",
                                   "Library/Application Support/Line/Thumbnails/pic77.thumb", "t");
            full = backup.addFile("AppDomainGroup-group.com.linecorp.line", "Library/Line/pic77.jpg", "f");
            backup.addFile("MediaDomain", "Line/msgid123", "other domain");
            line = backup.addFile("AppDomainGroup-group.com.linecorp.line", "Line/msgid123", "line message");
            backup.addManifestRow(fileIdOf(Home, "Media/DCIM/Folder.jpg"), Home, "Media/DCIM/Folder.jpg", 2);
            backup.write();
            backupDir = backup.folder();
            outDir = freshFolder("media-out");
            media().SetPaths(widen(backupDir), widen(outDir));
        }

        void TearDown() override { media().EndScan(); }

        static DBMediaManager &media() { return DBMediaManager::Instance(); }
        std::string bytesOf(const std::wstring &path) const { return readFile(narrow(path)); }

        std::string backupDir, outDir;
        std::string imgX, img, john, percentDecoy, percent, backslash, bare, evilAfter, document, thumb, full, line;
    };
}

TEST_F(MediaManagerTest, LookupsMatchTheTextLiterally)
{
    struct Case
    {
        const char *name;
        std::wstring found;
        std::string expected;
    };
    const Case cases[] = {
        {"exact path with a quote", media().FindFileIdByPath(L"Media/DCIM/John's photo.jpg"), john},
        {"exact path", media().FindFileIdByPath(L"Media/DCIM/IMG_0001.jpeg"), img},
        {"like with a quote", media().FindFileIdLike(L"John's"), john},
        {"underscore is no wildcard", media().FindFileIdLike(L"IMG_0001"), img},
        {"plain like", media().FindFileIdLike(L"IMGX0001"), imgX},
        {"percent is no wildcard", media().FindFileIdLike(L"50%"), percent},
        {"backslash is literal", media().FindFileIdLike(L"a\\b"), backslash},
        {"like is case-insensitive", media().FindFileIdLike(L"john's PHOTO"), john},
        {"domain and path", media().FindFileIdByDomainAndPath(L"linecorp", L"msgid123"), line},
        {"document storage only", media().FindDocumentFileId(L"report"), document},
        {"folders are no files", media().FindFileIdLike(L"Folder.jpg"), ""},
        {"no such file", media().FindFileIdLike(L"nothing like this"), ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(narrow(c.found), c.expected) << c.name;
}

TEST_F(MediaManagerTest, EmptyTextFindsNothing)
{
    EXPECT_EQ(media().FindFileIdByPath(L""), L"");
    EXPECT_EQ(media().FindFileIdLike(L""), L"");
    EXPECT_EQ(media().FindFileIdByDomainAndPath(L"", L""), L"");
    EXPECT_EQ(media().FindFileIdByDomainAndPath(L"HomeDomain", L""), L"");
    EXPECT_EQ(media().FindDocumentFileId(L""), L"");
    std::wstring name;
    EXPECT_EQ(media().FindFileWithExtension(name, false), L"");
    EXPECT_EQ(media().ExportLike(L"", L".jpg"), L"");
    EXPECT_TRUE(snapshot(outDir).empty());
}

TEST_F(MediaManagerTest, RowsWithoutAFileIdAreNeverUsed)
{
    EXPECT_EQ(media().FindFileIdByPath(L"Media/evil.jpg"), L"");
    EXPECT_EQ(media().ExportByPath(L"Media/evil.jpg"), L"");
    EXPECT_EQ(media().ExportLike(L"evil", L".jpg"), widen(outDir + "/" + evilAfter + ".jpg"));
    EXPECT_EQ(media().CopyBackupFile(widen(BadId), L".jpg"), L"");
    EXPECT_EQ(media().CopyBackupFile(widen(img), L"/../../escape"), L"");
    EXPECT_EQ(snapshot(outDir).size(), 1u);
    EXPECT_FALSE(fs::exists(fs::path(backupDir) / "x"));
}

TEST_F(MediaManagerTest, FindFileWithExtensionAppendsTheFoundExtension)
{
    std::wstring name = L"pic77";
    EXPECT_EQ(narrow(media().FindFileWithExtension(name, false)), full);
    EXPECT_EQ(name, L"pic77.jpg");
    name = L"pic77";
    EXPECT_EQ(narrow(media().FindFileWithExtension(name, true)), thumb);
    EXPECT_EQ(name, L"pic77.thumb");
    name = L"missing";
    EXPECT_EQ(media().FindFileWithExtension(name, true), L"");
    EXPECT_EQ(name, L"");
}

TEST_F(MediaManagerTest, GetExtensionLooksAtTheLastComponentOnly)
{
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"Media/DCIM/IMG_0001.JPG", L".JPG"}, {L"Library/com.app.x/file", L""}, {L"a.tar.gz", L".gz"},
        {L"noext", L""},                       {L"", L""},                        {L"C:\\a.b\\c", L""},
    };
    for (const auto &[path, extension] : cases)
        EXPECT_EQ(DBMediaManager::GetExtension(path), extension) << narrow(path);
}

TEST_F(MediaManagerTest, CopiesAreByteIdenticalAndReplaceEarlierOnes)
{
    const std::wstring expected = widen(outDir + "/" + john + ".jpg");
    writeFile(narrow(expected), "an older, longer copy that must be replaced");
    EXPECT_EQ(media().ExportByPath(L"Media/DCIM/John's photo.jpg"), expected);
    EXPECT_EQ(bytesOf(expected), "john's bytes");
    EXPECT_EQ(media().CopyBackupFile(widen(john), L".jpg"), expected);
    EXPECT_EQ(bytesOf(expected), "john's bytes");

    EXPECT_EQ(media().ExportByPath(L"Library/com.app.x/file"), widen(outDir + "/" + bare));
    EXPECT_EQ(media().ExportLike(L"IMG_0001.jpeg", L""), widen(outDir + "/" + img + ".jpeg"));
    EXPECT_EQ(media().ExportLike(L"IMG_0001", L".png"), widen(outDir + "/" + img + ".png"));
    EXPECT_EQ(bytesOf(widen(outDir + "/" + img + ".png")), "img");
}

TEST_F(MediaManagerTest, MissingFoldersOrFilesWriteNothing)
{
    fs::remove(fs::path(backupDir) / img.substr(0, 2) / img);
    EXPECT_EQ(media().CopyBackupFile(widen(img), L".jpeg"), L"");

    const std::wstring target = widen(outDir + "/nested/out");
    media().SetPaths(widen(backupDir), target);
    EXPECT_EQ(media().CopyBackupFile(widen(john), L".jpg"), target + L"/" + widen(john) + L".jpg");

    media().SetPaths(widen(backupDir), L"");
    EXPECT_EQ(media().CopyBackupFile(widen(john), L".jpg"), L"");
    EXPECT_FALSE(fs::exists("/" + john + ".jpg"));
    EXPECT_EQ(media().DownloadPicture(L"http://127.0.0.1:9/x", L"mid"), L"");
    EXPECT_FALSE(fs::exists("/Line"));

    media().SetPaths(L"", widen(outDir));
    EXPECT_EQ(media().GetManifestPath(), L"");
    EXPECT_EQ(media().FindFileIdLike(L"John"), L"");
    EXPECT_EQ(media().CopyBackupFile(widen(john), L".jpg"), L"");
}

TEST(MediaManager, ScanEndClearsTheFoldersAndTheOwnerAlsoWhenStopped)
{
    BackupBuilder backup(freshFolder("owner-scan"));
    backup.addFile("AppDomainGroup-group.net.whatsapp.WhatsApp.shared",
                   "Library/Preferences/group.net.whatsapp.WhatsApp.shared.plist",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>"
                   "<key>LastOwnJabberID</key><string>4915112345678@s.whatsapp.net</string></dict></plist>");
    backup.write();
    DBMediaManager &media = DBMediaManager::Instance();
    for (const bool stop : {false, true}) {
        IDBExecutor *raw = nullptr;
        ASSERT_TRUE(InitDBExecutor(&raw));
        std::unique_ptr<IDBExecutor> executor(raw);
        EXPECT_EQ(executor->GetWhatsAppOwner(widen(backup.folder())), L"4915112345678");
        EXPECT_EQ(media.CachedWhatsAppOwner(), L"4915112345678");
        std::wstring outputSeen;
        scanEvents({backup.folder(), freshFolder("owner-out"), DBAPP_MANIFEST, DBMODE_BACKUP},
                   [&](IDBExecutor &running, const std::string &line) {
                       if (line != progressLine(1, 0))
                           return;
                       outputSeen = media.GetOutputDir();
                       if (stop)
                           running.Stop();
                   });
        EXPECT_FALSE(outputSeen.empty()) << stop;
        EXPECT_EQ(media.GetOutputDir(), L"") << stop;
        EXPECT_EQ(media.CachedWhatsAppOwner(), L"") << stop;
        EXPECT_EQ(media.GetBackupDir(), widen(backup.folder())) << stop;
    }
}

TEST_F(MediaManagerTest, LookupsWaitForALockedFileListUnlessTheScanStops)
{
    sqlite3 *holder = nullptr;
    ASSERT_EQ(sqlite3_open((backupDir + "/Manifest.db").c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread release([holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
    });
    EXPECT_EQ(narrow(media().FindFileIdByPath(L"Media/DCIM/IMG_0001.jpeg")), img);
    release.join();

    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const std::atomic<bool> stop {true};
    media().SetPaths(widen(backupDir), widen(outDir), &stop);
    EXPECT_EQ(media().FindFileIdByPath(L"Media/DCIM/IMG_0001.jpeg"), L"");
    sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
}

namespace
{
    // Every lookup of a text, as a line of results, with the file list index on or off.
    std::vector<std::string> allLookups(const std::vector<std::wstring> &texts, const std::vector<std::wstring> &domains)
    {
        DBMediaManager &media = DBMediaManager::Instance();
        std::vector<std::string> results;
        for (const std::wstring &text : texts) {
            std::wstring full = text, thumb = text;
            const std::string fullId = narrow(media.FindFileWithExtension(full, false));
            const std::string thumbId = narrow(media.FindFileWithExtension(thumb, true));
            std::string line = narrow(text) + ": like " + narrow(media.FindFileIdLike(text)) + ", name " +
                               narrow(media.FindFileIdByFileName(text)) + ", document " +
                               narrow(media.FindDocumentFileId(text)) + ", full " + fullId + " " + narrow(full) +
                               ", thumbnail " + thumbId + " " + narrow(thumb);
            for (const std::wstring &domain : domains)
                line += ", in " + narrow(domain) + " " + narrow(media.FindFileIdByDomainAndPath(domain, text));
            results.push_back(line);
        }
        return results;
    }

    // The same lookups answered from the index and by the statements over the whole list.
    void expectIndexAnswersAsStatements(const std::string &backupDir, const std::vector<std::wstring> &texts,
                                        const std::vector<std::wstring> &domains)
    {
        DBMediaManager &media = DBMediaManager::Instance();
        media.SetPaths(widen(backupDir), L"");
        media.UseFileListIndex(false);
        const std::vector<std::string> expected = allLookups(texts, domains);
        media.UseFileListIndex(true);
        media.SetPaths(widen(backupDir), L"");
        const std::vector<std::string> found = allLookups(texts, domains);
        media.EndScan();
        ASSERT_EQ(found.size(), expected.size());
        for (size_t i = 0; i < found.size(); ++i)
            EXPECT_EQ(found[i], expected[i]);
    }

    std::string idOf(int n, bool upper = false)
    {
        char id[41];
        std::snprintf(id, sizeof id, upper ? "%040X" : "%040x", 0xABC000 + n);
        return id;
    }
}

// Rows that an index could get wrong: case, LIKE's wildcards, letters that
// LIKE does not fold, malformed UTF-8, NULs, BLOBs and NULLs, long runs of
// digits inside longer ones, ids that are not file ids, flags other than 1.
TEST(MediaManagerIndex, AnswersAsTheStatementsOnTrickyNames)
{
    const std::string line = "AppDomainGroup-group.com.linecorp.line";
    BackupBuilder backup(freshFolder("index-tricky"));
    int n = 0;
    const auto row = [&](const std::string &domain, const std::string &path, int flags = 1) {
        backup.addManifestRow(idOf(++n), domain, path, flags);
    };
    backup.addManifestRow(BadId, Home, "Media/DCIM/IMG_0001.JPG");
    row(Home, "Media/DCIM/IMG_0001.JPG", 2);
    row(Home, "Media/DCIM/IMG_0001.JPG");
    row(Home, "media/dcim/img_0001.jpg");
    row(Home, "Library/aXbYc\\d.txt");
    row(Home, "Library/a%b_c\\d.txt");
    row("AppDomain-com.app.docs", "Documents/\xC3\x89" "b\xC3\xA8ne.pdf");
    row("AppDomain-com.app.docs", "Documents/\xC3\xA9" "b\xC3\xA8ne.pdf");
    row("AppDomain-com.app.docs", "File Provider Storage/report.pdf");
    row(Home, "Library/Caches/report.pdf");
    row(line, "Library/Line/Thumbnails/pic77.thumb");
    row(line, "Library/Line/pic77.thumbnail.jpg");
    row(line, "Line/Message Attachments/u1/1160000000000101.jpg");
    row(line, "Line/Message Attachments/u1/16000000000010.jpg");
    row(line, "Line/Message Thumbnails/u1/16000000000010.thumb");
    row("MediaDomain", "Line/16000000000010");
    row(Home, "dir/");
    backup.write();
    // What BackupBuilder cannot write: raw bytes, NULs, BLOBs, NULLs, upper-case ids.
    const std::string values[] = {
        "'" + idOf(++n) + "', 'HomeDomain', CAST(X'4C6962726172792FC3A9A97265706F72742E706466' AS TEXT), 1", // é + stray byte
        "'" + idOf(++n) + "', 'HomeDomain', CAST(X'4C6962726172792FC3A9A920373737303030303030303030303737372E6A7067' AS TEXT), 1",
        "'" + idOf(++n) + "', 'HomeDomain', CAST(X'4C6962726172792F78EFBFBE792E747874' AS TEXT), 1", // U+FFFE
        "'" + idOf(++n) + "', 'HomeDomain', CAST(X'4C6962726172792F78EFBFBD7A2E747874' AS TEXT), 1", // U+FFFD
        "'" + idOf(++n) + "', 'HomeDomain', CAST(X'4C6962726172792FC181782E747874' AS TEXT), 1", // overlong "A"
        "'" + idOf(++n) + "', 'HomeDomain', CAST(X'4C6962726172792FC380782E747874' AS TEXT), 1", // "À" then "x"
        "'" + idOf(++n) + "', 'HomeDomain', CAST(X'4C6962726172792F6265666F72650061667465723136303030303030"
                          "3030303031302E6A7067' AS TEXT), 1", // NUL inside
        "'" + idOf(++n) + "', 'HomeDomain', CAST('Library/blob-photo.jpg' AS BLOB), 1",
        "'" + idOf(++n) + "', NULL, NULL, 1",
        "'" + idOf(++n, true) + "', NULL, 'Library/UPPER-id 16000000000010 photo.jpg', 1",
        "'" + idOf(++n) + "', CAST('" + line + "' AS BLOB), 'Line/blob-domain-16000000000010.jpg', 1",
    };
    for (const std::string &value : values)
        execSql(backup.folder() + "/Manifest.db", "INSERT INTO Files VALUES (" + value + ", NULL)");

    const std::vector<std::wstring> texts = {
        L"img_0001", L"IMG_0001.jpg", L"Media/DCIM/IMG_0001.JPG", L"a%b_c\\d", L"a%b", L"a_b", L"%", L"_", L"\\",
        L"\u00e9b\u00e8ne", L"\u00c9b\u00e8ne.pdf", L"\u00e9b\u00e8ne.pdf", L"\u3a69report", L"7770000000000777",
        L"\ufffd", L"\ufffdx", L"x\ufffdy", L"x\ufffez", L"x\uffffz",
        L"\u0080x", L"x.txt", L"before", std::wstring(L"before\0after", 12), L"after16000000000010", L"blob-photo",
        L"16000000000010", L"16000000000010.jpg", L"/16000000000010.jpg", L"Line/16000000000010",
        L"600000000001", L"60000000000101", L"1600000000001", L"0000000001", L"report", L"report.pdf", L"pic77",
        L"PIC77.thumb", L"thumb", L"THUMBNAILS", L"ab", L"e", L".", L"/", L"dir/", L"line", L"UPPER-id",
    };
    expectIndexAnswersAsStatements(backup.folder(), texts, {L"line", L"LINE", L"Domain", L"\u00c9", L"%"});
}

// Many rows of a few pieces: names share trigrams and digits all over, and
// the first of several matches must be the one the statement gives.
TEST(MediaManagerIndex, AnswersAsTheStatementsOnManySimilarNames)
{
    const char *const pieces[] = {"a", "B", "ab", "_", "%", "/", ".", "Thumb", "thumbnails", "Documents",
                                  "1", "12", "160000000000", "99", "x", "\xC3\xA9", "\xC3\x89", " "};
    const char *const domains[] = {"HomeDomain", "AppDomain-line", "MediaDomain"};
    std::mt19937 random(36);
    const auto pick = [&](size_t count) { return size_t(random() % count); };
    BackupBuilder backup(freshFolder("index-similar"));
    std::vector<std::string> paths;
    for (int i = 0; i < 1500; ++i) {
        std::string path;
        for (size_t parts = 1 + pick(8); parts > 0; --parts)
            path += pieces[pick(std::size(pieces))];
        paths.push_back(path);
        backup.addManifestRow(i % 50 == 0 ? BadId : idOf(i), domains[pick(std::size(domains))], path,
                              i % 7 == 0 ? 2 : 1);
    }
    backup.write();

    std::vector<std::wstring> texts;
    for (int i = 0; i < 250; ++i) {
        // A piece of a stored path, a path with its case changed, or new pieces.
        std::string text = paths[pick(paths.size())];
        if (i % 3 == 0) {
            text = text.substr(pick(text.size()), 1 + pick(12));
        } else if (i % 3 == 1) {
            for (char &c : text)
                c = char(std::toupper(static_cast<unsigned char>(c)));
        } else {
            text.clear();
            for (size_t parts = 1 + pick(4); parts > 0; --parts)
                text += pieces[pick(std::size(pieces))];
        }
        texts.push_back(widen(text));
    }
    expectIndexAnswersAsStatements(backup.folder(), texts, {L"line", L"domain"});
}

// Executors on several threads share the manager: lookups that build the
// indexes and lookups that use them run at once.
TEST_F(MediaManagerTest, LookupsFromSeveralThreadsAgree)
{
    std::vector<std::thread> threads;
    std::atomic<int> wrong {0};
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 50; ++i) {
                std::wstring name = L"pic77";
                if (narrow(media().FindFileWithExtension(name, (i + t) % 2 == 0)) != ((i + t) % 2 == 0 ? thumb : full))
                    ++wrong;
                if (narrow(media().FindFileIdLike(L"IMG_0001")) != img ||
                    narrow(media().FindDocumentFileId(L"report")) != document)
                    ++wrong;
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(wrong, 0);
}
