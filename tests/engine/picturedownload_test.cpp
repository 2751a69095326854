#include "backupbuilder.h"
#include "dbmediamanager.h"
#include "loopbackhttpserver.h"
#include "scanrecorder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

using namespace testsupport;
using Reply = LoopbackHttpServer::Reply;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace
{
    QByteArray pictureBytes(int size)
    {
        QByteArray bytes;
        for (int i = 0; i < size; ++i)
            bytes.append(char(i * 7 % 256));
        return bytes;
    }

    class PictureDownloadTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_NE(server.start(), 0);
            outDir = freshFolder("download-out");
            media().SetPaths(L"", widen(outDir), &stop);
        }

        void TearDown() override
        {
            media().EndScan();
            media().SetDownloadTimeouts(std::chrono::seconds(15), std::chrono::seconds(60));
        }

        static DBMediaManager &media() { return DBMediaManager::Instance(); }
        std::wstring url(const char *path) const { return server.url(path).toStdWString(); }
        std::string picturePath(const std::string &id) const { return outDir + "/Line/" + id + ".jpg"; }
        // Files in the picture folder: no partial download may stay behind.
        size_t filesInLine() const { return fs::exists(outDir + "/Line") ? snapshot(outDir + "/Line").size() : 0; }

        LoopbackHttpServer server;
        std::string outDir;
        std::atomic<bool> stop {false};
    };
}

TEST_F(PictureDownloadTest, SavesTheServersBytes)
{
    const QByteArray bytes = pictureBytes(70000);
    server.setReply("/os/p/u1234", Reply::ok(bytes, "image/jpeg"));
    EXPECT_EQ(media().DownloadPicture(url("/os/p/u1234?type=small"), L"u1234"), widen(picturePath("u1234")));
    EXPECT_EQ(readFile(picturePath("u1234")), bytes.toStdString());
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(server.requests().front().method, "GET");
    EXPECT_EQ(server.requests().front().target, "/os/p/u1234?type=small");
    EXPECT_EQ(filesInLine(), 1u);
}

TEST_F(PictureDownloadTest, FailuresLeaveNoFileAndKeepAnEarlierOne)
{
    const QByteArray bytes = pictureBytes(1000);
    const std::pair<const char *, Reply> cases[] = {
        {"/not-found", Reply::withStatus(404)},
        {"/server-error", Reply::withStatus(500)},
        {"/closed-at-once", Reply::closeAfter(0, bytes)},
        {"/closed-in-the-body", Reply::closeAfter(200, bytes)},
    };
    for (const auto &[path, reply] : cases) {
        server.setReply(path, reply);
        EXPECT_EQ(media().DownloadPicture(url(path), L"fresh"), L"") << path;
        EXPECT_EQ(filesInLine(), 0u) << path;
    }
    writeFile(picturePath("earlier"), "earlier picture");
    EXPECT_EQ(media().DownloadPicture(url("/not-found"), L"earlier"), L"");
    EXPECT_EQ(readFile(picturePath("earlier")), "earlier picture");
    EXPECT_EQ(server.requests().size(), 5);
}

TEST_F(PictureDownloadTest, AServerThatNeverAnswersTimesOut)
{
    server.setReply("/silent", Reply::neverAnswer());
    media().SetDownloadTimeouts(std::chrono::seconds(2), std::chrono::milliseconds(800));
    const auto started = Clock::now();
    EXPECT_EQ(media().DownloadPicture(url("/silent"), L"silent"), L"");
    EXPECT_LT(Clock::now() - started, std::chrono::seconds(10));
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_EQ(filesInLine(), 0u);
}

TEST_F(PictureDownloadTest, AStopRequestEndsASlowTransfer)
{
    // About a minute at this pace: only the stop can end it in time.
    server.setReply("/slow", Reply::slow(pictureBytes(60000), 100, 100));
    std::thread stopper([&] {
        server.waitForRequests(1, 10000);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        stop = true;
    });
    const auto started = Clock::now();
    const std::wstring result = media().DownloadPicture(url("/slow"), L"slow");
    stopper.join();
    EXPECT_EQ(result, L"");
    EXPECT_LT(Clock::now() - started, std::chrono::seconds(10));
    EXPECT_EQ(filesInLine(), 0u);

    // Once stopped, nothing more is fetched.
    EXPECT_EQ(media().DownloadPicture(url("/slow"), L"slow"), L"");
    EXPECT_EQ(server.requests().size(), 1);
}

TEST_F(PictureDownloadTest, UnsafeNamesAndAddressesFetchNothing)
{
    server.setDefaultReply(Reply::ok("x"));
    for (const std::wstring id : {L"", L"..", L"../up", L"a/b", L"a\\b", L"x..y"})
        EXPECT_EQ(media().DownloadPicture(url("/p"), id), L"") << narrow(id);
    EXPECT_EQ(media().DownloadPicture(L"", L"mid"), L"");
    EXPECT_EQ(media().DownloadPicture(L"file:///etc/hostname", L"local"), L"");
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_EQ(filesInLine(), 0u);
    EXPECT_FALSE(fs::exists(outDir + "/up.jpg"));
}

// A picture server speaking HTTPS with a certificate made here: refused while
// only the system's authorities are trusted, accepted once the bundle names
// it, and still refused for a host name the certificate does not carry.
TEST_F(PictureDownloadTest, HttpsPeersAreVerified)
{
    const std::string dir = freshFolder("tls");
    int exitCode = -1;
    const std::string made = runCommand(
        "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1"
        " -keyout " + shellQuote(dir + "/key.pem") + " -out " + shellQuote(dir + "/cert.pem") + " 2>&1",
        &exitCode);
    ASSERT_EQ(exitCode, 0) << made;
    LoopbackHttpServer tls;
    tls.setTls(QByteArray::fromStdString(readFile(dir + "/cert.pem")),
               QByteArray::fromStdString(readFile(dir + "/key.pem")));
    ASSERT_NE(tls.start(), 0);
    const QByteArray bytes = pictureBytes(5000);
    tls.setReply("/os/p/u1", Reply::ok(bytes, "image/jpeg"));
    const std::wstring byAddress = tls.url("/os/p/u1").toStdWString();
    ASSERT_EQ(byAddress.rfind(L"https://127.0.0.1:", 0), 0u);
    std::wstring byName = byAddress;
    byName.replace(8, 9, L"localhost");

    unsetenv("QUENROW_CA_BUNDLE");
    EXPECT_EQ(media().DownloadPicture(byAddress, L"untrusted"), L"");
    EXPECT_TRUE(tls.requests().isEmpty()) << "no request may pass an unverified peer";

    setenv("QUENROW_CA_BUNDLE", (dir + "/cert.pem").c_str(), 1);
    EXPECT_EQ(media().DownloadPicture(byName, L"othername"), L"");
    EXPECT_TRUE(tls.requests().isEmpty());
    EXPECT_EQ(filesInLine(), 0u);

    EXPECT_EQ(media().DownloadPicture(byAddress, L"trusted"), widen(picturePath("trusted")));
    unsetenv("QUENROW_CA_BUNDLE");
    EXPECT_EQ(readFile(picturePath("trusted")), bytes.toStdString());
    ASSERT_EQ(tls.requests().size(), 1);
    EXPECT_EQ(tls.requests().front().target, "/os/p/u1");
}
