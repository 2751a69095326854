#include "backupbuilder.h"
#include "dbmediamanager.h"
#include "dbrecords.h"
#include "dbscanline.h"
#include "hostileplists.h"
#include "linebackup.h"
#include "loopbackhttpserver.h"
#include "recordjson.h"
#include "scanrecorder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

using namespace testsupport;
using Reply = LoopbackHttpServer::Reply;
using Message = LineBackup::Message;

namespace
{
    const char *const Domain = LineBackup::Domain;
    const std::string FriendChat = "u1c0ffee";
    const std::string GroupChat = "g100";
    const std::string Jpeg = std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11) + "pixels";

    std::string line(int value, const std::string &record)
    {
        return recordLine(DBAPP_LINE, value, record);
    }

    template <typename Record> std::string line(int value, const Record &r)
    {
        return line(value, RecordToJson(DBAPP_LINE, value, &r));
    }

    std::vector<std::string> scanLines(const std::vector<std::string> &records)
    {
        std::vector<std::string> lines = emptyCategoryEvents(DBAPP_LINE);
        lines.insert(lines.begin() + 2, records.begin(), records.end());
        return lines;
    }

    // The file of a backed-up path inside the backup folder.
    std::wstring inBackup(const BackupBuilder &backup, const std::string &relativePath)
    {
        return widen(backup.pathOf(fileIdOf(Domain, relativePath)));
    }

    STLineMessage message(int32_t chat, int32_t contentType, const std::wstring &id, int32_t isGroupChat = 0)
    {
        STLineMessage r;
        r.chat = chat;
        r.contentType = contentType;
        r.id = id;
        r.isGroupChat = isGroupChat;
        r.sendStatus = 1;
        r.senderMid = L"u1c0ffee";
        r.timestamp = 1600000000000;
        return r;
    }

    class EnvironmentValue
    {
    public:
        EnvironmentValue(const char *name, const std::string &value) : m_name(name)
        {
            if (const char *old = std::getenv(name))
                m_old = old;
            setenv(name, value.c_str(), 1);
        }
        ~EnvironmentValue()
        {
            if (m_old)
                setenv(m_name, m_old->c_str(), 1);
            else
                unsetenv(m_name);
        }

    private:
        const char *m_name;
        std::optional<std::string> m_old;
    };

    class LineScanTest : public ::testing::Test
    {
    protected:
        void SetUp() override { ASSERT_NE(server.start(), 0); }
        void TearDown() override
        {
            DBMediaManager::Instance().SetDownloadTimeouts(std::chrono::seconds(15), std::chrono::seconds(60));
        }

        std::string origin() const { return server.url("").toStdString(); }

        std::vector<QByteArray> targets() const
        {
            std::vector<QByteArray> out;
            for (const auto &request : server.requests())
                out.push_back(request.target);
            return out;
        }

        // A backup of users whose picture paths are given, one user each.
        std::string usersBackup(const std::string &name, const std::vector<std::pair<std::string, LineBackup::Text>> &users)
        {
            BackupBuilder backup(freshFolder(name));
            LineBackup line;
            int64_t pk = 1;
            for (const auto &[mid, picture] : users)
                line.addUser(pk++, mid, "User " + mid, std::nullopt, picture, 1);
            line.addTo(backup);
            backup.write();
            return backup.folder();
        }

        std::vector<std::string> pictureFiles(const std::vector<std::string> &lines) const
        {
            std::vector<std::string> files;
            for (const auto &l : recordLines(lines, DBAPP_LINE)) {
                const size_t at = l.find("\"pictureFile\":\"");
                if (at == std::string::npos)
                    continue;
                const size_t start = at + 15;
                files.push_back(l.substr(start, l.find('"', start) - start));
            }
            return files;
        }

        LoopbackHttpServer server;
    };
}

// The whole output of a scan through vardex-scan: every record of the five
// queries in query order, every field as the databases and the backup give it.
TEST_F(LineScanTest, ScanReportsEveryRecordInQueryOrder)
{
    server.setReply("/g100/pic", Reply::ok(QByteArray::fromStdString(Jpeg), "image/jpeg"));
    server.setReply("/u1/pic", Reply::ok("user picture", "image/jpeg"));

    BackupBuilder backup(freshFolder("line-all"));
    LineBackup db;
    db.addGroup(1, GroupChat, "Family", "/g100/pic");
    db.addGroup(2, "g200", std::nullopt, std::nullopt);
    db.addGroup(3, std::nullopt, "Nameless", "");
    db.addGroupUser(1, "u1c0ffee");
    db.addGroupUser(2, "u2");
    db.addGroupUser(3, std::nullopt);
    db.addMember(1, 1);
    db.addMember(1, 2);
    db.addMember(2, 3);
    db.addMember(99, 1); // its group is gone
    db.addUser(1, FriendChat, "Anna \xC3\x9C", "Out for lunch", "/u1/pic", 1500000000123);
    db.addUser(2, "u2", std::nullopt, std::nullopt, std::nullopt, std::nullopt);
    db.addChat(1, FriendChat, 0);
    db.addChat(2, GroupChat, 1);
    db.addChat(3, std::nullopt, std::nullopt);

    auto add = [&](int64_t pk, int64_t chat, int64_t type, LineBackup::Text id, LineBackup::Text metadata = {},
                   LineBackup::Text text = {}, LineBackup::Real latitude = {}) {
        db.addMessage({pk, type, chat, 1, 1, 1600000000000, id, text, latitude, std::nullopt, metadata});
    };
    add(1, 1, 0, "15000000000001", {}, "Hello", 35.5);
    add(2, 1, 0, std::nullopt, {}, "no id");
    add(3, 1, 1, "15000000000003");
    add(4, 1, 2, "15000000000004");
    add(5, 1, 3, "15000000000005");
    add(6, 1, 7, "15000000000006");
    add(7, 1, 96, "15000000000007");
    add(8, 1, 112, "15000000000008");
    add(9, 1, 6, "15000000000009", lineMetadata({"$null", "DURATION", "TYPE", "RESULT", "65", "V", "NORMAL"}));
    add(10, 1, 6, "15000000000010", lineMetadata({"$null", "DURATION", "TYPE", "abc", "A"}), {}, 12.5);
    add(11, 2, 6, "15000000000011", lineMetadata({"$null", "VIDEO", "GroupCallEnded", "AUDIO"}), "call");
    add(12, 2, 6, "15000000000012", lineMetadata({"AUDIO", "VIDEO", "AUDIO"}));
    add(13, 1, 13, "15000000000013", lineMetadata({"$null", "mid", "displayName", "u9", "Carol"}));
    add(14, 1, 14, "15000000000014", lineMetadata({"$null", "FILE_NAME", "FILE_SIZE", "1.pdf", "-5"}));
    add(15, 2, 14, "15000000000015",
        lineMetadata({"$null", "FILE_NAME", "FILE_SIZE", "report_2.pdf", "18446744073709551616"}));
    add(16, 1, 14, "15000000000016", lineMetadata({"$null", "FILE_NAME", "FILE_SIZE", "notes.txt", "12"}));
    add(17, 1, 14, "15000000000017", std::string("bplist00 broken"));
    add(18, 1, 5, "15000000000018");
    add(19, 3, 18, "15000000000019", {}, "sticker");
    add(20, 1, 100, "15000000000020");
    add(21, 1, 107, "15000000000021");
    db.addMessage({22, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                   std::nullopt, std::nullopt, std::nullopt, std::nullopt});
    db.addTo(backup);

    const std::string image = LineBackup::attachmentPath(FriendChat, "15000000000003.jpg");
    const std::string imageThumb = LineBackup::thumbnailPath(FriendChat, "15000000000003.thumb");
    const std::string video = LineBackup::attachmentPath(FriendChat, "15000000000005.mp4");
    const std::string sticker = LineBackup::attachmentPath(FriendChat, "15000000000007.png");
    const std::string thumbOnly = LineBackup::thumbnailPath(FriendChat, "15000000000008.thumb");
    // Names a plain "contains" search would take for the wrong file, listed first.
    const std::string otherReport = LineBackup::attachmentPath("u7", "report_1.pdf");
    const std::string preview = LineBackup::attachmentPath("u7", "1.pdf.preview.png");
    const std::string pdf = LineBackup::attachmentPath(FriendChat, "1.pdf");
    const std::string lookalike = LineBackup::attachmentPath(GroupChat, "reportX2.pdf");
    const std::string report = LineBackup::attachmentPath(GroupChat, "report_2.pdf");
    const std::string byId = LineBackup::attachmentPath(FriendChat, "15000000000016");
    for (const auto &path : {image, imageThumb, video, sticker, thumbOnly, otherReport, preview, pdf, lookalike})
        backup.addFile(Domain, path, Jpeg);
    backup.addFile(Domain, LineBackup::thumbnailPath(FriendChat, "15000000000005.thumb"), Jpeg);
    backup.addFile(Domain, report, "report");
    backup.addFile("AppDomain-com.example.other", "Documents/15000000000016", "another app");
    backup.addManifestRow(fileIdOf(Domain, byId + ".d"), std::string(Domain), byId + ".d", 2);
    backup.addFile(Domain, byId, "notes");
    backup.write();

    const std::string out = freshFolder("line-all-out");
    EnvironmentValue setting("QUENROW_LINE_PICTURE_URL", origin());
    const auto lines = splitLines(runCommand(std::string(VARDEX_SCAN_PATH) + " --backup " + shellQuote(backup.folder()) +
                                             " --mask 40000 --out " + shellQuote(out)));

    std::vector<std::string> records;
    records.push_back(line(0, STLineGroup {L"g100", L"Family", widen(out + "/Line/g100.jpg")}));
    records.push_back(line(0, STLineGroup {L"g200", L"", L""}));
    records.push_back(line(0, STLineGroup {L"", L"Nameless", L""}));
    records.push_back(line(1, STLineGroupMember {L"g100", L"u1c0ffee"}));
    records.push_back(line(1, STLineGroupMember {L"g100", L"u2"}));
    records.push_back(line(1, STLineGroupMember {L"g200", L""}));
    records.push_back(line(1, STLineGroupMember {L"", L"u1c0ffee"}));
    records.push_back(line(2, STLineUser {L"u1c0ffee", L"Anna \u00DC", L"Out for lunch",
                                          widen(out + "/Line/u1c0ffee.jpg"), 1500000000123}));
    records.push_back(line(2, STLineUser {L"u2", L"", L"", L"", 0}));
    records.push_back(line(3, STLineChat {1, 0, L"u1c0ffee"}));
    records.push_back(line(3, STLineChat {2, 1, L"g100"}));
    records.push_back(line(3, STLineChat {3, 0, L""}));

    STLineMessage m = message(1, 0, L"15000000000001");
    m.text = L"Hello";
    m.latitudeOrDuration = 35.5;
    records.push_back(line(4, m));
    m = message(1, 18, L"");
    m.text = L"no id";
    records.push_back(line(4, m));
    m = message(1, 1, L"15000000000003");
    m.attachmentName = L"15000000000003.jpg";
    m.attachmentFile = inBackup(backup, image);
    m.thumbnailFile = inBackup(backup, imageThumb);
    records.push_back(line(4, m));
    m = message(1, 2, L"15000000000004");
    m.attachmentName = L"15000000000004.mov";
    records.push_back(line(4, m));
    m = message(1, 3, L"15000000000005");
    m.attachmentName = L"15000000000005.mp4";
    m.attachmentFile = inBackup(backup, video);
    records.push_back(line(4, m));
    m = message(1, 7, L"15000000000006");
    m.attachmentName = L"15000000000006.jpeg";
    records.push_back(line(4, m));
    m = message(1, 96, L"15000000000007");
    m.attachmentName = L"15000000000007.png";
    m.attachmentFile = inBackup(backup, sticker);
    records.push_back(line(4, m));
    m = message(1, 112, L"15000000000008");
    m.attachmentName = L"15000000000008.jpeg";
    m.thumbnailFile = inBackup(backup, thumbOnly);
    records.push_back(line(4, m));
    m = message(1, 6, L"15000000000009");
    m.latitudeOrDuration = 65;
    m.isVideoCall = 1;
    m.callResult = L"NORMAL";
    records.push_back(line(4, m));
    m = message(1, 6, L"15000000000010");
    m.latitudeOrDuration = 12.5;
    records.push_back(line(4, m));
    m = message(2, 18, L"15000000000011", 1);
    m.text = L"Group call ended.";
    m.isVideoCall = 1;
    records.push_back(line(4, m));
    m = message(2, 6, L"15000000000012", 1);
    records.push_back(line(4, m));
    m = message(1, 13, L"15000000000013");
    m.metaMid = L"u9";
    m.metaDisplayName = L"Carol";
    records.push_back(line(4, m));
    m = message(1, 14, L"15000000000014");
    m.attachmentName = L"1.pdf";
    m.fileSize = -5;
    m.attachmentFile = inBackup(backup, pdf);
    records.push_back(line(4, m));
    m = message(2, 14, L"15000000000015", 1);
    m.attachmentName = L"report_2.pdf";
    m.attachmentFile = inBackup(backup, report);
    records.push_back(line(4, m));
    m = message(1, 14, L"15000000000016");
    m.attachmentName = L"notes.txt";
    m.fileSize = 12;
    m.attachmentFile = inBackup(backup, byId);
    records.push_back(line(4, m));
    records.push_back(line(4, message(1, 14, L"15000000000017")));
    m = message(3, 18, L"15000000000019");
    m.text = L"sticker";
    records.push_back(line(4, m));
    records.push_back(line(4, message(1, 100, L"15000000000020")));
    records.push_back(line(4, message(1, 107, L"15000000000021")));
    STLineMessage empty;
    empty.contentType = 18; // no id
    records.push_back(line(4, empty));

    const auto expected = scanLines(records);
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << i;
    EXPECT_EQ(readFile(out + "/Line/g100.jpg"), Jpeg);
    EXPECT_EQ(readFile(out + "/Line/u1c0ffee.jpg"), "user picture");
}

// libplist copies a binary property list's object at every reference and
// recurses at every level: such metadata gives no strings, at once.
TEST(LineMetadata, ArchivesMadeToExhaustTheReaderGiveNoStrings)
{
    const struct
    {
        const char *name;
        std::string blob;
    } cases[] = {
        {"references copied a billion times", sharedArraysPlist(30)},
        {"nested past any stack", nestedArraysPlist(200000, true)},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(CDBScanLINE::MetadataStrings(c.blob.data(), int(c.blob.size())).empty()) << c.name;
    const std::string call = lineMetadata({"DURATION", "65"});
    EXPECT_EQ(CDBScanLINE::MetadataStrings(call.data(), int(call.size())), std::vector<std::wstring>({L"DURATION", L"65"}));
}

TEST(LinePictureUrl, EncodesTheStoredPathAndRefusesDotSegments)
{
    const std::wstring origin = L"http://127.0.0.1:1";
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"/os/p/u123", L"/os/p/u123"},
        {L"/a b?c#d%", L"/a%20b%3Fc%23d%25"},
        {L"@other.example/x", L"/%40other.example/x"},
        {L"/0h\u00DC", L"/0h%C3%9C"},
        {L"u5/small", L"/u5/small"},
        {L"/A-z_0.9~/", L"/A-z_0.9~/"},
        {L"/", L"/"},
        {L"//x", L"//x"},
        {L"/x\\y:z", L"/x%5Cy%3Az"},
        {L"/..x/y..", L"/..x/y.."},
        {L"", L""},
        {L"/../../secret", L""},
        {L"/a/./b", L""},
        {L"..", L""},
        {L"/a/..", L""},
    };
    for (const auto &[stored, path] : cases)
        EXPECT_EQ(CDBScanLINE::PictureUrl(origin, stored), path.empty() ? L"" : origin + path) << narrow(stored);
}

TEST(LinePictureUrl, OriginComesFromTheSettingElseLinesServer)
{
    {
        EnvironmentValue setting("QUENROW_LINE_PICTURE_URL", "http://127.0.0.1:5/");
        EXPECT_EQ(CDBScanLINE::PictureOrigin(), L"http://127.0.0.1:5");
    }
    EnvironmentValue empty("QUENROW_LINE_PICTURE_URL", "");
    EXPECT_EQ(CDBScanLINE::PictureOrigin(), L"https://profile.line-scdn.net");
}

TEST_F(LineScanTest, PictureRequestsCarryTheEncodedPathAndErrorsFailOnlyTheirPicture)
{
    server.setDefaultReply(Reply::ok("picture", "image/jpeg"));
    server.setReply("/missing", Reply::withStatus(404));
    server.setReply("/broken", Reply::withStatus(500));
    const std::string backup = usersBackup("line-pictures", {{"u1", "/a b?c#d%"},
                                                             {"u2", "@other.example/x"},
                                                             {"u3", "/0h\xC3\x9C"},
                                                             {"u4", "/../../secret"},
                                                             {"u5", ""},
                                                             {"u6", std::nullopt},
                                                             {"../u5", "/valid"},
                                                             {"u7", "/missing"},
                                                             {"u8", "/broken"},
                                                             {"u9", "/after"}});
    const std::string out = freshFolder("line-pictures-out");
    EnvironmentValue setting("QUENROW_LINE_PICTURE_URL", origin());
    const auto lines = scanEvents({backup, out, DBAPP_LINE, DBMODE_BACKUP});

    const std::vector<QByteArray> expectedTargets = {"/a%20b%3Fc%23d%25", "/%40other.example/x", "/0h%C3%9C",
                                                     "/missing", "/broken", "/after"};
    EXPECT_EQ(targets(), expectedTargets);
    const std::vector<std::string> expectedFiles = {
        out + "/Line/u1.jpg", out + "/Line/u2.jpg", out + "/Line/u3.jpg", "", "", "", "", "", "",
        out + "/Line/u9.jpg"};
    EXPECT_EQ(pictureFiles(lines), expectedFiles);
    EXPECT_EQ(readFile(out + "/Line/u9.jpg"), "picture");
    EXPECT_FALSE(std::filesystem::exists(out + "/Line/u7.jpg"));
}

// An origin that takes every connection and closes it at once: the first
// failure without an answer ends the downloads of this scan, not the next.
TEST_F(LineScanTest, AnOriginThatNeverAnswersIsAskedOncePerScan)
{
    std::vector<std::pair<std::string, LineBackup::Text>> users;
    for (int i = 0; i < 20; ++i)
        users.push_back({"u" + std::to_string(i), "/p/" + std::to_string(i)});
    const std::string backup = usersBackup("line-closed", users);
    EnvironmentValue setting("QUENROW_LINE_PICTURE_URL", origin());
    DBMediaManager::Instance().SetDownloadTimeouts(std::chrono::milliseconds(300), std::chrono::milliseconds(500));

    const std::pair<const char *, Reply> origins[] = {{"closes", Reply::closeAfter(0)},
                                                      {"silent", Reply::neverAnswer()}};
    for (const auto &[name, reply] : origins) {
        server.setDefaultReply(reply);
        for (int scan = 1; scan <= 2; ++scan) {
            const auto before = server.requests().size();
            const auto lines = scanEvents({backup, freshFolder("line-closed-out"), DBAPP_LINE, DBMODE_BACKUP});
            EXPECT_EQ(lines.size(), users.size() + 4) << name;
            EXPECT_EQ(pictureFiles(lines), std::vector<std::string>(users.size())) << name;
            EXPECT_GE(server.requests().size() - before, 1) << name << " scan " << scan;
            EXPECT_LE(server.requests().size() - before, 2) << name << " scan " << scan;
        }
    }
    EXPECT_NE(logText("Vardex.log").find("The picture server does not answer"), std::string::npos);
}

TEST_F(LineScanTest, AStopDuringASlowDownloadEndsTheScan)
{
    // A minute of trickling: only the stop can end it in time.
    server.setDefaultReply(Reply::slow(QByteArray(600, 'x'), 10, 1000));
    const std::string backup = usersBackup("line-slow", {{"u1", "/slow"}, {"u2", "/slow"}});
    EnvironmentValue setting("QUENROW_LINE_PICTURE_URL", origin());

    std::atomic<IDBExecutor *> running {nullptr};
    std::thread stopper([&] {
        if (server.waitForRequests(1, 20000)) {
            while (!running.load())
                std::this_thread::yield();
            running.load()->Stop();
        }
    });
    const auto started = std::chrono::steady_clock::now();
    const auto lines = scanEvents({backup, freshFolder("line-slow-out"), DBAPP_LINE, DBMODE_BACKUP},
                                  [&](IDBExecutor &executor, const std::string &) { running = &executor; });
    stopper.join();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_LE(recordLines(lines, DBAPP_LINE).size(), 1u);
}
