// Writes the sample backup that `make run` scans.

#include "backupbuilder.h"
#include "chatstoragebuilder.h"
#include "iosschemas.h"
#include "linebackup.h"
#include "notestore.h"
#include "photolibrary.h"
#include "samplemedia.h"
#include "sqlliteral.h"
#include "systemschemas.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>

using testsupport::BackupBuilder;
namespace schema = testsupport::schema;

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

    // Two contacts (one with a 1x1 picture) and one left only in the search index.
    void addContacts(BackupBuilder &backup)
    {
        backup.addDatabase(schema::HomeDomain, schema::ContactsPath,
                           std::string(schema::ContactsSchema) + schema::ContactsFullTextSchema +
                               "INSERT INTO ABPerson (ROWID, First, Last, Organization, CreationDate) VALUES"
                               " (1, 'Anna', 'Muster', 'Example AG', 600000000), (2, 'Ben', 'Beispiel', NULL, 610000000);"
                               "INSERT INTO ABMultiValueLabel (ROWID, value) VALUES (1, '_$!<Mobile>!$_'), (2, '_$!<Home>!$_');"
                               "INSERT INTO ABMultiValue (UID, record_id, property, label, value) VALUES"
                               " (1, 1, 3, 1, '+41 79 000 00 01'), (2, 1, 4, 2, 'anna@example.com'), (3, 2, 5, 2, NULL);"
                               "INSERT INTO ABMultiValueEntryKey (ROWID, value) VALUES (1, 'Street'), (2, 'City');"
                               "INSERT INTO ABMultiValueEntry (parent_id, key, value) VALUES (3, 1, 'Hauptstr. 5'), (3, 2, 'Bern');"
                               "INSERT INTO ABPersonFullTextSearch_content (docid, c0First, c1Last, c16Phone) VALUES"
                               " (1, 'Anna', 'Muster', '+41 79 000 00 01'), (3, 'Carla', 'Deleted', '+41 31 000 00 03');");
        backup.addDatabase(schema::HomeDomain, schema::ContactImagesPath,
                           std::string(schema::ContactImagesSchema) +
                               "INSERT INTO ABFullSizeImage (record_id, crop_width, data) VALUES (1, 1, X'"
                               "89504E470D0A1A0A0000000D4948445200000001000000010806000000"
                               "1F15C4890000000D49444154789C6360F8CFC0F01F0005000201E2213BC50000000049454E44AE426082');");
    }

    void addCalls(BackupBuilder &backup)
    {
        backup.addDatabase(schema::HomeDomain, schema::CallHistoryPath,
                           std::string(schema::CallHistorySchema) +
                               "INSERT INTO ZCALLRECORD (Z_PK, ZANSWERED, ZORIGINATED, ZDATE, ZDURATION, ZISO_COUNTRY_CODE,"
                               " ZNAME, ZSERVICE_PROVIDER) VALUES"
                               " (1, 1, 1, 700000000, 125, 'ch', 'Anna', 'com.apple.Telephony'),"
                               " (2, 0, 0, 700003600, 0, 'ch', 'Ben', 'com.apple.Telephony'),"
                               " (3, 1, 1, 700007200, 300, 'ch', NULL, 'com.apple.FaceTime');"
                               "INSERT INTO ZHANDLE (Z_PK, ZNORMALIZEDVALUE, ZVALUE) VALUES"
                               " (1, '+41790000001', '079 000 00 01'), (3, 'anna@example.com', 'anna@example.com');");
    }

    void addCalendar(BackupBuilder &backup)
    {
        backup.addDatabase(schema::HomeDomain, schema::CalendarPath,
                           std::string(schema::CalendarItemSchema) + schema::CalendarNewAttachmentSchema +
                               "INSERT INTO CalendarItem (ROWID, summary, description, start_date, end_date, entity_type)"
                               " VALUES (1, 'Team lunch', 'Bring the agenda', 700020000, 700023600, 2),"
                               " (2, 'Dentist', NULL, 700100000, 700101800, 2);"
                               "INSERT INTO AttachmentFile (ROWID, filename, file_size) VALUES (1, 'lunch-agenda.txt', 14);"
                               "INSERT INTO Attachment (owner_id, file_id) VALUES (1, 1);");
        backup.addFile("AppDomain-com.apple.mobilecal", "Documents/Attachments/lunch-agenda.txt", "1. soup\n2. pie\n");
    }

    void addSafari(BackupBuilder &backup)
    {
        backup.addDatabase(schema::HomeDomain, schema::BookmarksPath,
                           std::string(schema::BookmarksSchema) +
                               "INSERT INTO bookmarks (id, parent, type, title, url, order_index) VALUES"
                               " (1, 0, 1, 'BookmarksBar', NULL, 0), (2, 1, 0, 'Example', 'https://example.com/', 0);");
        backup.addDatabase(schema::SafariDomain, schema::SafariHistoryPath,
                           std::string(schema::SafariHistorySchema) +
                               "INSERT INTO history_items (id, url, visit_count, daily_visit_counts,"
                               " should_recompute_derived_visit_counts, visit_count_score) VALUES"
                               " (1, 'https://example.com/', 2, X'', 0, 200);"
                               "INSERT INTO history_visits (history_item, visit_time, title) VALUES"
                               " (1, 700000500.5, 'Example Domain'), (1, 700090000.25, 'Example Domain');");
    }

    // A reminders store with a place, a list, a deleted reminder and a picture attachment.
    void addReminders(BackupBuilder &backup)
    {
        namespace schema = testsupport::schema;
        const std::string folder = schema::ReminderStoreFolder;
        backup.addFile("HomeDomain", folder + "Files/5a3c9e0b1f.jpeg", samplemedia::picture(40, 30, 60, "JPG"));
        backup.addDatabase(
            "HomeDomain", folder + "Data-7D2E4C1A-5B3F-4E8D-9A6C-1F0B2D3E4A5B.sqlite",
            schema::reminderStore("ZNAME2", true) +
                "INSERT INTO ZREMCDREMINDER VALUES (1, 'Water the plants', 'the ones on the balcony', 690200000, "
                "690000000, 1, 0, 0, 10);"
                "INSERT INTO ZREMCDREMINDER VALUES (2, 'Return library books', NULL, 689000000, 688000000, 0, 1, 1, 10);"
                "INSERT INTO ZREMCDOBJECT (Z_PK, ZNAME2) VALUES (10, 'Home');"
                "INSERT INTO ZREMCDOBJECT (Z_PK, ZPROXIMITY, ZTITLE, ZLATITUDE, ZLONGITUDE, ZRADIUS) "
                "VALUES (20, 1, 'Home', 48.8566, 2.3522, 150);"
                "INSERT INTO ZREMCDOBJECT (Z_PK, ZREMINDER, ZTRIGGER) VALUES (21, 1, 20);"
                "INSERT INTO ZREMCDOBJECT (Z_PK, ZREMINDER, ZCKIDENTIFIER, ZSHA512SUM, ZFILENAME, ZFILESIZE, ZHEIGHT, "
                "ZWIDTH) VALUES (30, 1, 'C0FFEE01', '5a3c9e0b1f', 'balcony.jpeg', 2048, 30, 40);");
    }

    // Voicemails: the first with its audio (AMR frames without data: silence), the second without.
    void addVoicemail(BackupBuilder &backup)
    {
        backup.addFile("HomeDomain", "Library/Voicemail/101.amr", "#!AMR\n" + std::string(250, '\x7C'));
        backup.addDatabase("HomeDomain", "Library/Voicemail/voicemail.db",
                           std::string(testsupport::schema::Voicemail) +
                               "INSERT INTO voicemail (remote_uid, date, sender, duration, receiver) "
                               "VALUES (101, 1650000000, '+33142685300', 5, '+33612345678');"
                               "INSERT INTO voicemail (remote_uid, date, sender, duration, receiver) "
                               "VALUES (102, 1650090000, '+33145678900', 12, '+33612345678');");
    }

    // Voice memos of newer iOS: one deleted, one still only in the database's log.
    void addVoiceMemos(BackupBuilder &backup)
    {
        namespace schema = testsupport::schema;
        // WAV sound under the recorder's names; players go by the content.
        backup.addFile("MediaDomain", "Media/Recordings/20220301 091500.m4a", samplemedia::tone(330));
        backup.addFile("MediaDomain", "Media/Recordings/20220302 174500.m4a", samplemedia::tone(523));
        backup.addWalDatabase(schema::CloudRecordingsDomain, "Recordings/CloudRecordings.db",
                              std::string(schema::CloudRecordings) +
                                  "INSERT INTO ZCLOUDRECORDING VALUES (1, 5, 'Market street', 'Market street', "
                                  "667818900, 1, '20220301 091500.m4a');"
                                  "INSERT INTO ACHANGE VALUES (1, 1, X'0080');",
                              "INSERT INTO ZCLOUDRECORDING VALUES (2, 5, 'Piano lesson', 'Piano lesson', 667935900, "
                              "1, '20220302 174500.m4a');");
    }

    // WhatsApp: a chat with a picture and a reply, and a group with its events.
    void addWhatsApp(BackupBuilder &backup)
    {
        using testsupport::ChatStorageBuilder;
        const std::string friendJid = "15550107788@s.whatsapp.net";
        ChatStorageBuilder chat;
        chat.addPushName(friendJid, "Mia");
        const int single = chat.addSession(friendJid, "Mia Rossi");
        const int group = chat.addSession("120363000000000001@g.us", "Hiking Club", 1);
        const int mia = chat.addGroupMember(group, friendJid);
        chat.addGroupMember(group, "15550103344@s.whatsapp.net");
        ChatStorageBuilder::Message m;
        m.session = single;
        m.fromJid = friendJid;
        m.date = 667818000;
        m.stanzaId = "3A0000000000000000A1";
        m.text = "Are you coming on Saturday?";
        chat.addMessage(m);
        m.isFromMe = 1;
        m.date += 120;
        m.stanzaId = "3A0000000000000000A2";
        m.text = "Yes! I'll bring the map.";
        ChatStorageBuilder::MediaItem quote;
        quote.metadata = ChatStorageBuilder::quoteMetadata("3A0000000000000000A1");
        chat.addMessage(m, quote);
        m.type = 1;
        m.date += 60;
        m.stanzaId = "3A0000000000000000A3";
        m.text.clear();
        ChatStorageBuilder::MediaItem picture;
        picture.localPath = "Media/" + friendJid + "/1/2/trail.jpg";
        picture.fileSize = 4096;
        chat.addMessage(m, picture);
        ChatStorageBuilder::Message event;
        event.type = 6;
        event.session = group;
        event.groupEventType = 12;
        event.date = 667700000;
        chat.addMessage(event);
        event.groupMember = mia;
        event.groupEventType = 50;
        event.date += 60;
        event.text = friendJid + ";15550103344@s.whatsapp.net";
        chat.addMessage(event);
        chat.addTo(backup);
        ChatStorageBuilder::addMediaFile(backup, picture.localPath, samplemedia::picture(64, 48, 120, "JPG"));
        ChatStorageBuilder::addOwner(backup, "15550100000@s.whatsapp.net");
    }

    // LINE: a one-to-one chat with a photo and a call, and a small group.
    // No group or user has a picture path, so a scan makes no request.
    void addLine(BackupBuilder &backup)
    {
        using testsupport::LineBackup;
        LineBackup line;
        line.addGroup(1, "c5f1a2b3", "Hiking club", std::nullopt);
        line.addGroupUser(1, "u7a1b2c3");
        line.addGroupUser(2, "u9d8e7f6");
        line.addMember(1, 1);
        line.addMember(1, 2);
        line.addUser(1, "u7a1b2c3", "Mika", "On the trail", std::nullopt, 1640000000000);
        line.addUser(2, "u9d8e7f6", "Ren", std::nullopt, std::nullopt, 1640100000000);
        line.addChat(1, "u7a1b2c3", 0);
        line.addChat(2, "c5f1a2b3", 1);
        line.addMessage({1, 0, 1, 1, 1, 1650000000000, "16500000000001", "Are we still on for Sunday?", {}, {}, {}});
        line.addMessage({2, 0, 1, 0, 1, 1650000060000, "16500000000002", "Yes, 8 o'clock at the station", {}, {}, {}});
        line.addMessage({3, 1, 1, 1, 1, 1650000120000, "16500000000003", std::nullopt, {}, {}, {}});
        line.addMessage({4, 6, 1, 1, 1, 1650000180000, "16500000000004", std::nullopt, {}, {},
                         testsupport::lineMetadata({"$null", "DURATION", "TYPE", "RESULT", "95", "A", "NORMAL"})});
        line.addMessage({5, 0, 2, 2, 1, 1650000240000, "16500000000005", "See you all there", {}, {}, {}});
        line.addTo(backup);
        backup.addFile(LineBackup::Domain, LineBackup::attachmentPath("u7a1b2c3", "16500000000003.jpg"),
                       samplemedia::picture(64, 48, 120, "JPG"));
        backup.addFile(LineBackup::Domain, LineBackup::thumbnailPath("u7a1b2c3", "16500000000003.thumb"),
                       samplemedia::picture(16, 12, 120, "JPG"));
    }

    // Notes: one with a photo and its preview, one recently deleted and one
    // locked. A preview is named by the attachment, the photo by its media.
    void addNotes(BackupBuilder &backup)
    {
        namespace notes = testsupport::notes;
        const std::string media = "Accounts/LocalAccount/";
        backup.addFile(notes::Domain, media + "Media/6B1F0C2E-3D4A-4E5B-8C6D-7E8F9A0B1C2D/1/plants.jpeg",
                       samplemedia::picture(48, 36, 120, "JPG"));
        backup.addFile(notes::Domain, media + "Previews/A4C2E8D0-9B7F-4A61-B3D5-0E2C4F6A8B1D-1-192x144-0.png",
                       samplemedia::picture(19, 14, 120, "PNG"));
        const std::string plants =
            notes::gzip(notes::bodyMessage("Balcony plants\n\nWater twice a week, less in winter. \xEF\xBF\xBC\n"));
        const std::string recipe = notes::gzip(notes::bodyMessage("Pancakes\n\n2 eggs, 250 ml milk, 125 g flour"));
        const std::string locked("\x3A\x91\x5C\x07\xE2\x4F\x10\xB8\x66\x0D\x93\xC4\x21\x7E\x58\xAF", 16);
        backup.addDatabase(
            notes::Domain, notes::StorePath,
            notes::storeSchema(true) +
                "INSERT INTO ZICCLOUDSYNCINGOBJECT (Z_PK, ZTITLE2, ZFOLDERTYPE) VALUES (1, 'Notes', 0), "
                "(2, 'Recently Deleted', 1);"
                "INSERT INTO ZICCLOUDSYNCINGOBJECT (Z_PK, ZTITLE1, ZSNIPPET, ZCREATIONDATE1, ZCREATIONDATE3, "
                "ZTHUMBNAILATTACHMENTIDENTIFIER, ZISPASSWORDPROTECTED, ZPASSWORDHINT, ZFOLDER) VALUES"
                " (10, 'Balcony plants', 'Water twice a week', 690000000.5, 690000100.25, "
                "'A4C2E8D0-9B7F-4A61-B3D5-0E2C4F6A8B1D', 0, NULL, 1),"
                " (11, 'Pancakes', '2 eggs, 250 ml milk', 689000000, 0, NULL, 0, NULL, 2),"
                " (12, 'Door codes', NULL, 688000000, 688000500, NULL, 1, 'the usual', 1);"
                "INSERT INTO ZICCLOUDSYNCINGOBJECT (Z_PK, ZIDENTIFIER, ZFILENAME) VALUES"
                " (20, '6B1F0C2E-3D4A-4E5B-8C6D-7E8F9A0B1C2D', 'plants.jpeg');"
                "INSERT INTO ZICCLOUDSYNCINGOBJECT (Z_PK, ZNOTE, ZMEDIA, ZFILESIZE) VALUES (21, 10, 20, 2048);"
                "INSERT INTO ZICNOTEDATA (ZNOTE, ZCRYPTOTAG, ZDATA) VALUES (10, NULL, " +
                testsupport::sqlBlob(plants) + "), (11, NULL, " + testsupport::sqlBlob(recipe) + "), (12, " +
                testsupport::sqlBlob(locked) + ", X'5E0D17A3C2B4F6081929');");
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
        addContacts(backup);
        addCalls(backup);
        addCalendar(backup);
        addSafari(backup);
        addCameraRoll(backup);
        addReminders(backup);
        addVoicemail(backup);
        addVoiceMemos(backup);
        addWhatsApp(backup);
        addLine(backup);
        addNotes(backup);
        backup.write();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "makesample: %s\n", error.what());
        return 1;
    }
    return 0;
}
