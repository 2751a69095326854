// Writes the sample backup that `make run` scans.

#include "backupbuilder.h"
#include "iosschemas.h"
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

    // A short conversation, a group chat with a photo, and one recently deleted message.
    void addMessages(BackupBuilder &backup)
    {
        const std::string rows =
            "INSERT INTO handle (ROWID, id, country, service, uncanonicalized_id) VALUES"
            " (1, '+15555550101', 'us', 'iMessage', '5555550101'), (2, 'anna@example.com', 'us', 'iMessage', NULL);"
            "INSERT INTO chat (ROWID, guid, style, chat_identifier, service_name, room_name) VALUES"
            " (1, 'iMessage;-;+15555550101', 45, '+15555550101', 'iMessage', NULL),"
            " (2, 'iMessage;+;chat4711', 43, 'chat4711', 'iMessage', 'chat4711');"
            "INSERT INTO chat_handle_join VALUES (1, 1), (2, 1), (2, 2);"
            "INSERT INTO message (ROWID, guid, text, handle_id, service, date, is_from_me, cache_roomnames) VALUES"
            " (1, 's1', 'Are we still on for lunch?', 1, 'iMessage', 700000000000000000, 0, NULL),"
            " (2, 's2', 'Yes, 12:30 at the usual place', 1, 'iMessage', 700000060000000000, 1, NULL),"
            " (3, 's3', 'Forget what I said', 1, 'iMessage', 700000120000000000, 1, NULL),"
            " (4, 's4', 'Photos from the trip \xEF\xBF\xBC', 2, 'iMessage', 700000180000000000, 0, 'chat4711');"
            "INSERT INTO attachment (ROWID, guid, created_date, filename, mime_type, transfer_name) VALUES"
            " (1, 'p1', 700000180000000000, '~/Library/SMS/Attachments/4a/10/IMG_0420.JPG', 'image/jpeg',"
            " 'IMG_0420.JPG');"
            "INSERT INTO message_attachment_join VALUES (4, 1);"
            "INSERT INTO chat_recoverable_message_join (chat_id, message_id, delete_date)"
            " VALUES (1, 3, 700000130000000000);";
        backup.addDatabase("HomeDomain", "Library/SMS/sms.db",
                           std::string(testsupport::SmsSchema) + testsupport::SmsRecoverableSchema + rows);
        backup.addFile("MediaDomain", "Library/SMS/Attachments/4a/10/IMG_0420.JPG",
                       std::string("\xFF\xD8\xFF\xE0", 4) + "sample photo");
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
        addMessages(backup);
        addCameraRoll(backup);
        backup.write();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "makesample: %s\n", error.what());
        return 1;
    }
    return 0;
}
