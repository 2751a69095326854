// Writes the backup of the records case: contacts (one named like markup,
// one in Arabic letters, one with a picture, one left only in the search
// index), notes (one with a photo, one deleted, one locked), calendar events
// (one with a photo) and reminders (one deleted, one with a picture).
//   e2e-recordsbackup FOLDER
#include "backupbuilder.h"
#include "notestore.h"
#include "samplemedia.h"
#include "sqlliteral.h"
#include "systemschemas.h"

#include <cstdio>
#include <exception>
#include <string>

using testsupport::BackupBuilder;
namespace schema = testsupport::schema;

namespace
{
    void addContacts(BackupBuilder &backup)
    {
        backup.addDatabase(
            schema::HomeDomain, schema::ContactsPath,
            std::string(schema::ContactsSchema) + schema::ContactsFullTextSchema +
                "INSERT INTO ABPerson (ROWID, First, Last, Organization, CreationDate) VALUES"
                " (1, 'Anna', 'Muster', 'Example AG', 600000000),"
                " (2, '<img src=x onerror=alert(1)>', NULL, NULL, 610000000),"
                " (3, '\xD8\xB3\xD8\xA7\xD8\xB1\xD8\xA9', '\xD8\xA3\xD8\xAD\xD9\x85\xD8\xAF', NULL, 620000000);"
                "INSERT INTO ABMultiValueLabel (ROWID, value) VALUES (1, '_$!<Mobile>!$_'), (2, '_$!<Home>!$_'),"
                " (3, '_$!<Work>!$_');"
                "INSERT INTO ABMultiValue (UID, record_id, property, label, value) VALUES"
                " (1, 1, 3, 1, '+41 79 000 00 01'), (2, 1, 4, 2, 'anna@example.com'),"
                " (3, 2, 3, 3, '(919) 555-0100'), (4, 3, 3, 1, '+20 100 000 0003');"
                "INSERT INTO ABPersonFullTextSearch_content (docid, c0First, c1Last, c16Phone) VALUES"
                " (1, 'Anna', 'Muster', '+41 79 000 00 01'), (9, 'Carla', 'Deleted', '+41 31 000 00 03');");
        backup.addDatabase(schema::HomeDomain, schema::ContactImagesPath,
                           std::string(schema::ContactImagesSchema) +
                               "INSERT INTO ABFullSizeImage (record_id, crop_width, data) VALUES (1, 96, " +
                               testsupport::sqlBlob(samplemedia::picture(96, 96, 20, "JPG")) + ");");
    }

    void addNotes(BackupBuilder &backup)
    {
        namespace notes = testsupport::notes;
        const std::string media = "Accounts/LocalAccount/";
        backup.addFile(notes::Domain, media + "Media/6B1F0C2E-3D4A-4E5B-8C6D-7E8F9A0B1C2D/1/plants.jpeg",
                       samplemedia::picture(160, 120, 120, "JPG"));
        backup.addFile(notes::Domain, media + "Previews/A4C2E8D0-9B7F-4A61-B3D5-0E2C4F6A8B1D-1-192x144-0.png",
                       samplemedia::picture(192, 144, 120, "PNG"));
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

    void addCalendar(BackupBuilder &backup)
    {
        backup.addDatabase(schema::HomeDomain, schema::CalendarPath,
                           std::string(schema::CalendarItemSchema) + schema::CalendarNewAttachmentSchema +
                               "INSERT INTO CalendarItem (ROWID, summary, description, start_date, end_date, entity_type)"
                               " VALUES (1, 'Team lunch', 'Bring the agenda', 700020000, 700023600, 2),"
                               " (2, 'Dentist', NULL, 700100000, 700101800, 2);"
                               "INSERT INTO AttachmentFile (ROWID, filename, file_size) VALUES (1, 'venue.jpg', 4096);"
                               "INSERT INTO Attachment (owner_id, file_id) VALUES (1, 1);");
        backup.addFile("AppDomain-com.apple.mobilecal", "Documents/Attachments/venue.jpg",
                       samplemedia::picture(300, 200, 200, "JPG"));
    }

    void addReminders(BackupBuilder &backup)
    {
        const std::string folder = schema::ReminderStoreFolder;
        backup.addFile("HomeDomain", folder + "Files/5a3c9e0b1f.jpeg", samplemedia::picture(240, 180, 60, "JPG"));
        backup.addDatabase(
            "HomeDomain", folder + "Data-7D2E4C1A-5B3F-4E8D-9A6C-1F0B2D3E4A5B.sqlite",
            schema::reminderStore("ZNAME2", true) +
                "INSERT INTO ZREMCDREMINDER VALUES (1, 'Water the plants', 'the ones on the balcony', 690200000, "
                "690000000, 1, 0, 0, 10);"
                "INSERT INTO ZREMCDREMINDER VALUES (2, 'Return library books', NULL, 689000000, 688000000, 0, 1, 1, 10);"
                "INSERT INTO ZREMCDOBJECT (Z_PK, ZNAME2) VALUES (10, 'Home');"
                "INSERT INTO ZREMCDOBJECT (Z_PK, ZREMINDER, ZCKIDENTIFIER, ZSHA512SUM, ZFILENAME, ZFILESIZE, ZHEIGHT, "
                "ZWIDTH) VALUES (30, 1, 'C0FFEE01', '5a3c9e0b1f', 'balcony.jpeg', 2048, 180, 240);");
    }
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: e2e-recordsbackup FOLDER\n");
        return 2;
    }
    try {
        BackupBuilder backup(argv[1]);
        backup.setDeviceName("Records iPhone");
        addContacts(backup);
        addNotes(backup);
        addCalendar(backup);
        addReminders(backup);
        backup.write();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "e2e-recordsbackup: %s\n", error.what());
        return 1;
    }
    return 0;
}
