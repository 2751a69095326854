#include "backupbuilder.h"
#include "dbmediamanager.h"
#include "scanrecorder.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <filesystem>
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
