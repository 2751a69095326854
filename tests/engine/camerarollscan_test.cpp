#include "backupbuilder.h"
#include "dbaddtaskfunction.h"
#include "dbmediamanager.h"
#include "dbrecords.h"
#include "photolibrary.h"
#include "recordjson.h"
#include "scanrecorder.h"
#include "vardex.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace
{
    constexpr int64_t Epoch2001 = 978307200;

    const CameraRollAsset Oldest {"DCIM/100APPLE", "IMG_0001.JPG", 600000000.75, 0, "jpeg 1", "thumb 1"};
    const CameraRollAsset Newest {"DCIM/100APPLE", "IMG_0002.HEIC", 650000000, 0, std::nullopt, "thumb 2"};
    const CameraRollAsset NonAscii {"DCIM/101APPLE", "写真 Ünï.JPG", 620000000, 0, "jpeg 3", std::nullopt};
    const CameraRollAsset Clip {"DCIM/100APPLE", "IMG_0004.MOV", 640000000, 1, "mov 4", "thumb 4"};
    const CameraRollAsset LostClip {"DCIM/100APPLE", "IMG_0005.MOV", 630000000, 1, std::nullopt, std::nullopt};
    const std::vector<CameraRollAsset> Assets = {Oldest, Newest, NonAscii, Clip, LostClip};

    std::string recordLine(int kind, const std::string &name, const std::string &filePath,
                           const std::string &extraPath, int64_t date)
    {
        STFiles record;
        record.name = widen(name);
        record.filePath = widen(filePath);
        record.extraPath = widen(extraPath);
        record.date = date;
        return EventToJson(DBSTATUS_RECORD, kind, 0, &record);
    }

    // The record a backup scan must give: each path only where the file was backed up.
    std::string backupRecord(const BackupBuilder &backup, int kind, const CameraRollAsset &asset, int64_t date)
    {
        return recordLine(kind, asset.name, asset.content ? backup.pathOf(cameraRollContentId(asset)) : "",
                          asset.thumbnail ? backup.pathOf(cameraRollThumbnailId(asset)) : "", date);
    }
}

TEST(CameraRollScan, BothSchemasGiveEachAssetOnceNewestFirst)
{
    for (PhotoSchema schema : {PhotoSchema::Older, PhotoSchema::Newer}) {
        SCOPED_TRACE(schema == PhotoSchema::Newer ? "newer schema" : "older schema");
        BackupBuilder backup(freshFolder("cameraroll"));
        const std::string library = addPhotoLibrary(backup, schema, Assets);
        // A row without a file name is no asset.
        execSql(library, std::string("INSERT INTO ") + (schema == PhotoSchema::Newer ? "ZASSET" : "ZGENERICASSET") +
                             " (ZDIRECTORY, ZSORTTOKEN, ZKIND) VALUES ('DCIM/100APPLE', 700000000, 0);");
        backup.write();
        const std::string out = freshFolder("cameraroll-out");

        const auto photos = scanEvents({backup.folder(), out, DBAPP_PHOTOS});
        EXPECT_EQ(recordLines(photos, DBAPP_PHOTOS),
                  (std::vector<std::string> {
                      backupRecord(backup, DBAPP_PHOTOS, Newest, 650000000 + Epoch2001),
                      backupRecord(backup, DBAPP_PHOTOS, NonAscii, 620000000 + Epoch2001),
                      backupRecord(backup, DBAPP_PHOTOS, Oldest, 600000000 + Epoch2001), // fraction cut off
                  }));
        EXPECT_EQ(photos.size(), 3u + 4u);

        const auto videos = scanEvents({backup.folder(), out, DBAPP_VIDEO});
        EXPECT_EQ(recordLines(videos, DBAPP_VIDEO),
                  (std::vector<std::string> {
                      backupRecord(backup, DBAPP_VIDEO, Clip, 640000000 + Epoch2001),
                      backupRecord(backup, DBAPP_VIDEO, LostClip, 630000000 + Epoch2001),
                  }));
        EXPECT_EQ(videos.size(), 2u + 4u);
    }
}

TEST(CameraRollScan, NonAsciiNameResolvesToItsUtf8FileId)
{
    // SHA-1 of the key's UTF-8 bytes, worked out apart from the fixture's hashing.
    const std::string expectedId = "5e1458205512f8b0999f2449b7cb5f8245e36d60";
    BackupBuilder backup(freshFolder("utf8id"));
    addPhotoLibrary(backup, PhotoSchema::Newer, {NonAscii});
    backup.write();
    ASSERT_EQ(cameraRollContentId(NonAscii), expectedId);
    const auto lines = recordLines(scanEvents({backup.folder(), freshFolder("utf8id-out"), DBAPP_PHOTOS}), DBAPP_PHOTOS);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("\"filePath\":\"" + backup.pathOf(expectedId) + "\""), std::string::npos) << lines[0];
}

TEST(CameraRollScan, MissingLibraryGivesAnEmptyCategory)
{
    BackupBuilder backup(freshFolder("nolibrary"));
    backup.write();
    EXPECT_EQ(scanEvents({backup.folder(), freshFolder("nolibrary-out"), DBAPP_PHOTOS | DBAPP_VIDEO}),
              (std::vector<std::string> {progressLine(1, 0), progressLine(3, DBAPP_VIDEO), progressLine(4, DBAPP_VIDEO),
                                         progressLine(3, DBAPP_PHOTOS), progressLine(4, DBAPP_PHOTOS),
                                         progressLine(2, 0)}));
}

namespace
{
    void collect(const int *status, int kind, int value, const void *record, void *user)
    {
        if (*status == DBSTATUS_RECORD)
            static_cast<std::vector<std::string> *>(user)->push_back(EventToJson(*status, kind, value, record));
    }

    // Runs the device-mode tasks over a local copy of the photo library.
    std::vector<std::string> deviceScan(const std::string &folder, const std::string &out)
    {
        DBMediaManager::Instance().SetPaths(widen(folder), widen(out));
        DBTaskList tasks;
        DeviceTaskBuilder(DBAPP_VIDEO)(widen(folder), tasks);
        DeviceTaskBuilder(DBAPP_PHOTOS)(widen(folder), tasks);
        std::vector<std::string> records;
        CVardex vardex(widen(folder), collect);
        vardex.SetUser(&records);
        for (auto &task : tasks)
            vardex.AddTask(std::move(task));
        vardex.Run();
        DBMediaManager::Instance().EndScan();
        return records;
    }
}

TEST(CameraRollScan, DeviceCopyGivesDevicePathsAndLocalThumbnails)
{
    const std::string folder = freshFolder("device");
    const CameraRollAsset escaping {"../../..", "passwd", 610000000, 0, std::nullopt, std::nullopt};
    execSql(folder + "/Photos.sqlite", photoLibrarySql(PhotoSchema::Newer, {Oldest, Clip, NonAscii, escaping}));
    const std::string out = freshFolder("device-out");
    const std::string thumbs = out + "/PhotoData/Thumbnails/V2";

    // A trailing separator on the output folder collapses into one.
    EXPECT_EQ(deviceScan(folder, out + "/"),
              (std::vector<std::string> {
                  recordLine(DBAPP_VIDEO, Clip.name, "/DCIM/100APPLE/IMG_0004.MOV",
                             thumbs + "/DCIM/100APPLE/IMG_0004.MOV/5005.JPG", 640000000 + Epoch2001),
                  recordLine(DBAPP_PHOTOS, NonAscii.name, "/DCIM/101APPLE/写真 Ünï.JPG",
                             thumbs + "/DCIM/101APPLE/写真 Ünï.JPG/5005.JPG", 620000000 + Epoch2001),
                  // Names that would lead out of the output folder get no local thumbnail.
                  recordLine(DBAPP_PHOTOS, "passwd", "/../../../passwd", "", 610000000 + Epoch2001),
                  recordLine(DBAPP_PHOTOS, Oldest.name, "/DCIM/100APPLE/IMG_0001.JPG",
                             thumbs + "/DCIM/100APPLE/IMG_0001.JPG/5005.JPG", 600000000 + Epoch2001),
              }));

    // The thumbnail name the device copy recorded replaces the default.
    DBMediaManager::Instance().SetThumbName(L"5003.JPG");
    const auto renamed = deviceScan(folder, out);
    DBMediaManager::Instance().SetThumbName(L"");
    ASSERT_EQ(renamed.size(), 4u);
    EXPECT_NE(renamed[0].find(thumbs + "/DCIM/100APPLE/IMG_0004.MOV/5003.JPG"), std::string::npos) << renamed[0];
}
