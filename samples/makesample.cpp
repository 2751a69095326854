// Writes the sample backup that `make run` scans.

#include "backupbuilder.h"
#include "photolibrary.h"
#include "samplemedia.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>

using testsupport::BackupBuilder;

namespace
{
    void addAppFiles(BackupBuilder &backup)
    {
        backup.addFile("HomeDomain", "Library/Preferences/com.apple.springboard.plist", "<plist/>");
        backup.addFile("AppDomain-com.example.reader", "Documents/Books/handbook.pdf", "%PDF-1.4\n%sample\n");
        backup.addFile("AppDomain-com.example.notes", "Documents/todo.txt", "buy milk\n");
        backup.addManifestRow(testsupport::fileIdOf("HomeDomain", "Library"), "HomeDomain", "Library", 2); // folders have no file behind them
        backup.addFile("AppDomain-com.example.chat", "Documents/Media/beach.jpg", samplemedia::picture(64, 48, 200, "JPG"));
        backup.addFile("AppDomain-com.example.chat", "Library/Caches/Sticker.PNG", samplemedia::picture(32, 32, 20, "PNG"));
        backup.addFile("AppDomain-com.example.chat", "Documents/Media/greeting.MOV", samplemedia::clip(64, 48, 4, 120));
        backup.addFile("AppDomain-com.example.recorder", "Documents/memo.wav", samplemedia::tone(440));
    }

    // The camera roll: photos with thumbnails, one whose content was not
    // backed up, and a short video.
    void addCameraRoll(BackupBuilder &backup)
    {
        using testsupport::CameraRollAsset;
        auto asset = [](const char *name, double sortToken, int kind, int hue, bool content) {
            const std::string thumbnail = samplemedia::picture(16, 12, hue, "JPG");
            std::optional<std::string> file;
            if (content)
                file = kind == 1 ? samplemedia::clip(80, 60, 6, hue) : samplemedia::picture(80, 60, hue, "JPG");
            return CameraRollAsset {"DCIM/100APPLE", name, sortToken, kind, file, thumbnail};
        };
        testsupport::addPhotoLibrary(backup, testsupport::PhotoSchema::Newer,
                                     {asset("IMG_0001.JPG", 690000000, 0, 30, true),
                                      asset("IMG_0002.JPG", 690086400, 0, 160, true),
                                      asset("IMG_0003.JPG", 690172800, 0, 280, false),
                                      asset("IMG_0004.MOV", 690259200, 1, 90, true)});
    }
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makesample FOLDER\n");
        return 2;
    }
    try {
        std::filesystem::remove_all(argv[1]);
        BackupBuilder backup(argv[1]);
        backup.setDeviceName("Sample iPhone");
        addAppFiles(backup);
        addCameraRoll(backup);
        backup.write();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "makesample: %s\n", error.what());
        return 1;
    }
    return 0;
}
