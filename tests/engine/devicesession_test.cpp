#include "backupbuilder.h"
#include "dbafcservicebackup.h"
#include "dbrecords.h"
#include "photolibrary.h"
#include "recordjson.h"
#include "scanrecorder.h"
#include "simulateddevice.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace testsupport;
namespace fs = std::filesystem;

namespace
{
    const std::string Udid = "00008030a1b2c3d4e5f60718293a4b5c6d7e8f90";
    constexpr int64_t Epoch2001 = 978307200;
    const std::string Thumbs = "/PhotoData/Thumbnails/V2";

    const CameraRollAsset Oldest {"DCIM/100APPLE", "IMG_0001.JPG", 600000000, 0, std::string(300000, 'p'), "thumb 1"};
    const CameraRollAsset NonAscii {"DCIM/101APPLE", "写真 Ünï.JPG", 620000000, 0, "jpeg 3", "thumb 3"};
    const CameraRollAsset Clip {"DCIM/100APPLE", "IMG_0004.MOV", 640000000, 1, "mov 4", "thumb 4"};
    // Only in the database's log, and gone from the device but for its thumbnail.
    const CameraRollAsset Newest {"DCIM/100APPLE", "IMG_0002.HEIC", 650000000, 0, std::nullopt, "thumb 2"};

    void put(const std::string &root, const std::string &path, const std::string &bytes)
    {
        fs::create_directories(fs::path(root + path).parent_path());
        ASSERT_TRUE(writeFile(root + path, bytes)) << path;
    }

    // The device's files: each asset's content and thumbnail ("5003.JPG", not
    // the engine's default), and the photo library; walAsset, when given, is
    // only in the library's log.
    std::string deviceRoot(const std::string &name, const std::vector<CameraRollAsset> &assets,
                           const std::optional<CameraRollAsset> &walAsset)
    {
        const std::string root = freshFolder(name);
        std::vector<CameraRollAsset> all = assets;
        if (walAsset)
            all.push_back(*walAsset);
        for (const CameraRollAsset &asset : all) {
            if (asset.content)
                put(root, "/" + asset.directory + "/" + asset.name, *asset.content);
            if (asset.thumbnail)
                put(root, Thumbs + "/" + asset.directory + "/" + asset.name + "/5003.JPG", *asset.thumbnail);
        }
        const std::string staging = freshFolder(name + "-staging");
        sqlite3 *db = nullptr;
        sqlite3_open((staging + "/Photos.sqlite").c_str(), &db);
        sqlite3_exec(db, "PRAGMA journal_mode=WAL;", nullptr, nullptr, nullptr);
        sqlite3_exec(db, photoLibrarySql(PhotoSchema::Newer, assets).c_str(), nullptr, nullptr, nullptr);
        sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE);", nullptr, nullptr, nullptr);
        if (walAsset) {
            const std::string sql = photoLibrarySql(PhotoSchema::Newer, {*walAsset});
            sqlite3_exec(db, sql.substr(sql.find("INSERT")).c_str(), nullptr, nullptr, nullptr);
        }
        // Copied while open: closing would fold the log into the database.
        fs::create_directories(root + "/PhotoData");
        fs::copy_file(staging + "/Photos.sqlite", root + "/PhotoData/Photos.sqlite");
        if (walAsset)
            fs::copy_file(staging + "/Photos.sqlite-wal", root + "/PhotoData/Photos.sqlite-wal");
        sqlite3_close(db);
        return root;
    }

    SimulatedDeviceState onRoot(const std::string &root)
    {
        SimulatedDeviceState state;
        state.root = root;
        return state;
    }

    std::string vardexScan(const std::string &arguments, int *exitCode = nullptr)
    {
        return runCommand(std::string(VARDEX_SCAN_PATH) + " " + arguments, exitCode);
    }

    std::string recordLine(int kind, const CameraRollAsset &asset, const std::string &out)
    {
        STFiles record;
        record.name = widen(asset.name);
        record.filePath = widen("/" + asset.directory + "/" + asset.name);
        record.extraPath = widen(out + Thumbs + "/" + asset.directory + "/" + asset.name + "/5003.JPG");
        record.date = int64_t(asset.sortToken) + Epoch2001;
        return EventToJson(DBSTATUS_RECORD, kind, 0, &record);
    }

    // Relative path -> bytes of every file below a folder.
    std::map<std::string, std::string> tree(const std::string &folder)
    {
        std::map<std::string, std::string> files;
        for (const auto &entry : fs::recursive_directory_iterator(folder))
            if (entry.is_regular_file())
                files[fs::relative(entry.path(), folder).string()] = readFile(entry.path().string());
        return files;
    }

    struct Export
    {
        int exitCode = -1;
        std::vector<std::string> lines;
        std::vector<double> percents;
    };

    Export exportFile(const std::string &devicePath, const std::string &out)
    {
        Export result;
        result.lines = splitLines(vardexScan("--udid " + Udid + " --export " + shellQuote(devicePath) + " --out " +
                                                 shellQuote(out),
                                             &result.exitCode));
        for (const std::string &line : result.lines) {
            const size_t at = line.find("\"percent\":");
            if (line.rfind("{\"status\":1,", 0) == 0 && at != std::string::npos)
                result.percents.push_back(std::strtod(line.c_str() + at + 10, nullptr));
        }
        return result;
    }

    class DeviceSession : public ::testing::Test
    {
    protected:
        // Each device listens on a socket of its own; the engine finds it
        // through the variable, set while no other thread runs.
        void startDevice(SimulatedDeviceState state)
        {
            m_device.reset();
            state.udid = state.udid.empty() ? Udid : state.udid;
            const std::string socket = SimulatedDevice::uniqueSocketPath("session");
            setenv("USBMUXD_SOCKET_ADDRESS", SimulatedDevice::muxAddress(socket).c_str(), 1);
            m_device = std::make_unique<SimulatedDevice>(state);
            ASSERT_TRUE(m_device->start(socket));
        }

        void TearDown() override
        {
            CDBAfcServiceBackup::Instance().DisconnectDevice();
            m_device.reset();
        }

        std::unique_ptr<SimulatedDevice> m_device;
    };
}

TEST_F(DeviceSession, ConnectResultTellsTheStageThatFailed)
{
    struct Case
    {
        const char *what;
        RefuseStage refuse;
        std::string udid;
        int expected;
    };
    const std::vector<Case> cases = {
        {"attached device", RefuseStage::None, Udid, 0},
        {"unknown UDID", RefuseStage::None, "ffffffffffffffffffffffffffffffffffffffff", 1},
        {"empty UDID is never the first device", RefuseStage::None, "", 1},
        {"device not listed", RefuseStage::Device, Udid, 1},
        {"lockdown refused", RefuseStage::Lockdown, Udid, 2},
        {"file service refused", RefuseStage::Service, Udid, 3},
        {"file-service port refused", RefuseStage::Afc, Udid, 4},
    };
    const std::string root = freshFolder("connect-root");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SimulatedDeviceState state;
        state.root = root;
        state.refuse = c.refuse;
        startDevice(state);
        IDBExecutor *raw = nullptr;
        ASSERT_TRUE(InitDBExecutor(&raw));
        std::unique_ptr<IDBExecutor> executor(raw);
        EXPECT_EQ(executor->ConnectDevice(widen(c.udid)), c.expected);
        EXPECT_EQ(CDBAfcServiceBackup::Instance().IsConnected(), c.expected == 0);
        EXPECT_EQ(executor->DisconnectDevice(), 0);
        EXPECT_FALSE(CDBAfcServiceBackup::Instance().IsConnected());
    }
}

TEST_F(DeviceSession, ConnectsAgainAfterDisconnectAndOverAnOpenSession)
{
    const std::string root = freshFolder("reconnect-root");
    put(root, "/a.txt", "abc");
    startDevice(onRoot(root));
    IDBExecutor *raw = nullptr;
    ASSERT_TRUE(InitDBExecutor(&raw));
    std::unique_ptr<IDBExecutor> executor(raw);
    const std::string out = freshFolder("reconnect-out");
    ASSERT_EQ(executor->ConnectDevice(widen(Udid)), 0);
    ASSERT_EQ(executor->DisconnectDevice(), 0);
    ASSERT_EQ(executor->ConnectDevice(widen(Udid)), 0);
    ASSERT_EQ(executor->ConnectDevice(widen(Udid)), 0); // the first session is closed, not leaked
    EXPECT_EQ(executor->ExportFromDevice(widen(out), L"/a.txt", 0), 0);
    EXPECT_EQ(readFile(out + "/a.txt"), "abc");
    // A session whose device left counts as not connected.
    m_device->unplug();
    EXPECT_FALSE(CDBAfcServiceBackup::Instance().IsConnected());
    EXPECT_EQ(executor->ExportFromDevice(widen(out), L"/a.txt", 0), 1);
}

TEST_F(DeviceSession, ScanCopiesTheLibraryAndThumbnailsThenExportsFromIt)
{
    const std::string root = deviceRoot("scan-root", {Oldest, NonAscii, Clip}, Newest);
    put(root, "/DCIM/100APPLE/IMG_0001.JPG", patternBytes(300000));
    startDevice(onRoot(root));
    const std::string out = freshFolder("scan-out");

    int exitCode = -1;
    const auto lines = splitLines(vardexScan("--backup " + shellQuote(out) + " --out " + shellQuote(out) +
                                                 " --mode 2 --mask 2002 --udid " + Udid,
                                             &exitCode));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(lines, (std::vector<std::string> {
                         progressLine(1, 0),
                         progressLine(3, DBAPP_VIDEO),
                         recordLine(DBAPP_VIDEO, Clip, out),
                         progressLine(4, DBAPP_VIDEO),
                         progressLine(3, DBAPP_PHOTOS),
                         recordLine(DBAPP_PHOTOS, Newest, out), // from the log
                         recordLine(DBAPP_PHOTOS, NonAscii, out),
                         recordLine(DBAPP_PHOTOS, Oldest, out),
                         progressLine(4, DBAPP_PHOTOS),
                         progressLine(2, 0),
                     }));
    EXPECT_EQ(tree(out + Thumbs), tree(root + Thumbs));
    EXPECT_EQ(readFile(out + "/Photos.sqlite"), readFile(root + "/PhotoData/Photos.sqlite"));

    // Each export is a process of its own, as each copy job is.
    {
        SCOPED_TRACE("a whole file in chunks");
        const std::string to = freshFolder("export-whole");
        const Export result = exportFile("/DCIM/100APPLE/IMG_0001.JPG", to);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(readFile(to + "/IMG_0001.JPG") == patternBytes(300000));
        ASSERT_EQ(result.percents.size(), 5u); // 300000 bytes in chunks of at most 64 KiB
        for (size_t i = 1; i < result.percents.size(); ++i)
            EXPECT_LT(result.percents[i - 1], result.percents[i]);
        EXPECT_EQ(result.percents.back(), 100.0);
        EXPECT_EQ(result.lines[1], "{\"status\":1,\"kind\":21,\"value\":0,\"percent\":21.845333333333333}");
        EXPECT_EQ(result.lines.front(), progressLine(1, 0));
        EXPECT_EQ(result.lines[result.lines.size() - 2], progressLine(2, 0));
        EXPECT_EQ(result.lines.back(), "{\"export\":0}");
    }
    {
        SCOPED_TRACE("a photo gone from the device gives its thumbnail under its own name");
        const std::string to = freshFolder("export-thumb");
        const Export result = exportFile("/DCIM/100APPLE/IMG_0002.HEIC", to);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(readFile(to + "/IMG_0002.HEIC"), "thumb 2");
        EXPECT_EQ(result.percents, std::vector<double> {100.0});
    }
    const std::string blocked = freshFolder("export-blocked") + "/file";
    ASSERT_TRUE(writeFile(blocked, "x"));
    struct Failure
    {
        const char *what;
        std::string devicePath;
        std::string out;
        int expected;
    };
    for (const Failure &f : std::vector<Failure> {
             {"no slash", "IMG_0001.JPG", freshFolder("export-noslash"), -1},
             {"nothing to open", "/DCIM/100APPLE/IMG_9999.JPG", freshFolder("export-missing"), 2},
             {"path out of the device's tree", "/../../etc/passwd", freshFolder("export-escape"), 2},
             {"empty device path", "", freshFolder("export-empty"), 1},
             {"empty local folder", "/DCIM/100APPLE/IMG_0001.JPG", "", 1},
             {"local file cannot be made", "/DCIM/100APPLE/IMG_0001.JPG", blocked + "/below", 3},
         }) {
        SCOPED_TRACE(f.what);
        const Export result = exportFile(f.devicePath, f.out);
        EXPECT_EQ(result.exitCode, 1);
        ASSERT_FALSE(result.lines.empty());
        EXPECT_EQ(result.lines.back(), "{\"export\":" + std::to_string(f.expected) + "}");
        if (!f.out.empty() && f.expected != 3) {
            EXPECT_TRUE(tree(f.out).empty());
        }
    }
    EXPECT_NE(logText("Vardex.log").find("export fail, prama is empty"), std::string::npos);

    // A second scan into the same folder, of a device whose library has no
    // log: the log of the first copy must not bring the newest photo back.
    const std::string second = deviceRoot("scan-root-2", {Oldest}, std::nullopt);
    startDevice(onRoot(second));
    const auto again = splitLines(vardexScan("--backup " + shellQuote(out) + " --out " + shellQuote(out) +
                                             " --mode 2 --mask 2000 --udid " + Udid));
    const auto photos = recordLines(again, DBAPP_PHOTOS);
    ASSERT_EQ(photos.size(), 1u);
    EXPECT_NE(photos[0].find("\"filePath\":\"/DCIM/100APPLE/IMG_0001.JPG\""), std::string::npos) << photos[0];
    EXPECT_FALSE(fs::exists(out + "/Photos.sqlite-wal"));
}

TEST_F(DeviceSession, ScanOfADeviceWithoutAUsableLibrarySendsNoEvent)
{
    for (const char *library : {"missing", "empty"}) {
        SCOPED_TRACE(library);
        const std::string root = freshFolder(std::string("nolib-") + library);
        put(root, Thumbs + "/DCIM/100APPLE/IMG_0001.JPG/5003.JPG", "thumb");
        if (std::string(library) == "empty")
            put(root, "/PhotoData/Photos.sqlite", "");
        startDevice(onRoot(root));
        const std::string out = freshFolder(std::string("nolib-out-") + library);
        int exitCode = -1;
        EXPECT_EQ(vardexScan("--backup " + shellQuote(out) + " --out " + shellQuote(out) +
                                 " --mode 2 --mask 2002 --udid " + Udid,
                             &exitCode),
                  "");
        EXPECT_EQ(exitCode, 0);
        EXPECT_NE(logText("Vardex.log").find("error: BackupPhotosDB Failed!"), std::string::npos);
    }
}

TEST_F(DeviceSession, ExportEndsNonZeroWhenTheDeviceFailsMidFile)
{
    struct Case
    {
        const char *what;
        int64_t dropAfter;
        int64_t errorAfter;
        int expected;
    };
    for (const Case &c : std::vector<Case> {
             {"device unplugged", 100000, -1, 1},
             {"read error", -1, 100000, 3},
         }) {
        SCOPED_TRACE(c.what);
        const std::string root = freshFolder("midfile-root");
        put(root, "/DCIM/100APPLE/IMG_0001.JPG", patternBytes(300000));
        SimulatedDeviceState state;
        state.root = root;
        state.dropAfterBytes = c.dropAfter;
        state.readErrorAfterBytes = c.errorAfter;
        startDevice(state);
        const std::string to = freshFolder("midfile-out");
        const Export result = exportFile("/DCIM/100APPLE/IMG_0001.JPG", to);
        EXPECT_EQ(result.exitCode, 1);
        ASSERT_FALSE(result.lines.empty());
        EXPECT_EQ(result.lines.back(), "{\"export\":" + std::to_string(c.expected) + "}");
        ASSERT_FALSE(result.percents.empty());
        EXPECT_LT(result.percents.back(), 100.0);
        // What arrived stays, and is what the device sent.
        EXPECT_TRUE(readFile(to + "/IMG_0001.JPG") == patternBytes(300000).substr(0, 100000));
    }
}

TEST_F(DeviceSession, StopDuringASlowExportGivesOneWithoutTheEndEvent)
{
    const std::string root = freshFolder("slow-root");
    put(root, "/big.bin", patternBytes(600000));
    SimulatedDeviceState state;
    state.root = root;
    state.delayMs = 100;
    startDevice(state);
    const std::string to = freshFolder("slow-out");
    // In a fresh folder: the lines of an earlier run would end the wait below
    // before this run's program has set up its stop.
    const std::string printed = freshFolder("slow-lines") + "/lines";
    // Stopped once the first chunk has been reported.
    const std::string script = std::string(VARDEX_SCAN_PATH) + " --udid " + Udid + " --export /big.bin --out " +
                               shellQuote(to) + " > " + shellQuote(printed) + " & pid=$!; until grep -q percent " +
                               shellQuote(printed) + "; do sleep 0.02; done; kill -TERM $pid; wait $pid; echo $?";
    EXPECT_EQ(runCommand("sh -c " + shellQuote(script)), "1\n");
    const auto lines = splitLines(readFile(printed));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.front(), progressLine(1, 0));
    EXPECT_EQ(lines.back(), "{\"export\":1}");
    for (const std::string &line : lines)
        EXPECT_NE(line, progressLine(2, 0));
}

TEST_F(DeviceSession, SimdeviceProgramServesUntilTerminated)
{
    const std::string root = freshFolder("program-root");
    put(root, "/a b/ü.txt", "served");
    const std::string socket = SimulatedDevice::uniqueSocketPath("program");
    const std::string to = freshFolder("program-out");
    const std::string ready = to + ".ready";
    const std::string script =
        std::string(SIMDEVICE_PATH) + " --socket " + shellQuote(socket) + " --udid " + Udid + " --root " +
        shellQuote(root) + " > " + shellQuote(ready) + " & pid=$!; until grep -q ready " + shellQuote(ready) +
        "; do sleep 0.02; done; USBMUXD_SOCKET_ADDRESS=UNIX:" + socket + " " + VARDEX_SCAN_PATH + " --udid " + Udid +
        " --export " + shellQuote("/a b/ü.txt") + " --out " + shellQuote(to) +
        " | tail -n 1; kill -TERM $pid; wait $pid; echo $?";
    EXPECT_EQ(runCommand("sh -c " + shellQuote(script)), "{\"export\":0}\n0\n");
    EXPECT_EQ(readFile(to + "/ü.txt"), "served");
    EXPECT_FALSE(fs::exists(socket));
}

TEST(ThumbConfig, FallsBackToTheUserFolderWhenTheProgramFolderIsNotWritable)
{
    const std::string folder = freshFolder("thumbconfig");
    ASSERT_TRUE(writeFile(folder + "/file", "x"));
    const char *data = std::getenv("XDG_DATA_HOME");
    ASSERT_TRUE(data);
    // A folder below a regular file cannot be written, not even by root.
    EXPECT_EQ(narrow(CDBAfcServiceBackup::ThumbConfigPath(widen(folder + "/file/bin"))),
              std::string(data) + "/Quenrow(iOS)/thumb.ini");
    EXPECT_EQ(narrow(CDBAfcServiceBackup::ThumbConfigPath(widen(folder))), folder + "/thumb.ini");
}
