#include "backupbuilder.h"
#include "dbrecords.h"
#include "recordjson.h"
#include "scanrecorder.h"
#include "systemschemas.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace testsupport;

namespace
{
    using schema::reminderStore;
    const char *const StoreFolder = schema::ReminderStoreFolder;

    const char *const CalendarSchema =
        "CREATE TABLE CalendarItem (ROWID INTEGER PRIMARY KEY, summary TEXT, description TEXT, start_date REAL, "
        "end_date REAL, due_date REAL, creation_date REAL, entity_type INTEGER);";

    STReminder reminder(const std::wstring &id, const std::wstring &title, const std::wstring &notes,
                        int64_t creationDate, int64_t dueDate)
    {
        STReminder record;
        record.id = id;
        record.title = title;
        record.notes = notes;
        record.creationDate = creationDate;
        record.dueDate = dueDate;
        return record;
    }

    std::string reminderLine(const STReminder &record)
    {
        return EventToJson(DBSTATUS_RECORD, DBAPP_REMINDERS, 0, &record);
    }

    std::string attachmentLine(int64_t fileSize, int32_t height, int32_t width, const std::wstring &reminderId,
                               const std::wstring &filePath, const std::wstring &fileName,
                               const std::wstring &identifier)
    {
        STReminderAttachment record;
        record.fileSize = fileSize;
        record.height = height;
        record.width = width;
        record.reminderId = reminderId;
        record.filePath = filePath;
        record.fileName = fileName;
        record.identifier = identifier;
        return EventToJson(DBSTATUS_RECORD, DBAPP_REMINDERS, REMINDER_ATTACHMENT_SUBTYPE, &record);
    }

    std::vector<std::string> sorted(std::vector<std::string> lines)
    {
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    // A store of an unknown shape that has attachments without sums.
    const char *const AttachmentsOnlyStore =
        "CREATE TABLE ZREMCDOBJECT (Z_PK INTEGER PRIMARY KEY, ZREMINDER INTEGER, ZREMINDER1 INTEGER, "
        "ZREMINDER2 INTEGER, ZCKIDENTIFIER VARCHAR, ZFILENAME VARCHAR, ZFILESIZE INTEGER, ZHEIGHT INTEGER, "
        "ZWIDTH INTEGER);";

    std::string addStore(BackupBuilder &backup, const std::string &name, const std::string &sql)
    {
        return backup.addDatabase("HomeDomain", StoreFolder + name + ".sqlite", sql);
    }
}

TEST(Reminders, EveryStoreShapeAndTheCalendarGiveTheirReminders)
{
    BackupBuilder backup(freshFolder("reminders"));
    const std::string newest = addStore(
        backup, "Data-A1",
        reminderStore("ZNAME2", true) +
            "INSERT INTO ZREMCDREMINDER VALUES (1, 'Buy milk', '2 litres', 690000000, 680000000.9, 1, 0, 0, 10);"
            "INSERT INTO ZREMCDREMINDER VALUES (2, 'Old task', NULL, NULL, 670000000, 0, 1, 1, NULL);"
            "INSERT INTO ZREMCDOBJECT (Z_PK, ZNAME2) VALUES (10, 'Groceries');"
            "INSERT INTO ZREMCDOBJECT (Z_PK, ZPROXIMITY, ZTITLE, ZLATITUDE, ZLONGITUDE, ZRADIUS) "
            "VALUES (20, 1, 'Home', 52.5, 13.25, 100);"
            "INSERT INTO ZREMCDOBJECT (Z_PK, ZREMINDER, ZTRIGGER) VALUES (21, 1, 20);"
            "INSERT INTO ZREMCDOBJECT (Z_PK, ZREMINDER2, ZURL) VALUES (30, 1, 'https://example.com/milk');");
    const std::string middle = addStore(
        backup, "Data-B2",
        std::string(schema::ReminderObjectStore) +
            "INSERT INTO ZREMCDOBJECT (Z_PK, ZNAME1) VALUES (5, 'Work');"
            "INSERT INTO ZREMCDOBJECT (Z_PK, ZTITLE1, ZDUEDATE, ZCREATIONDATE, ZPRIORITY, ZCOMPLETED, "
            "ZMARKEDFORDELETION, ZLIST) VALUES (1, 'Call Bob', 700000000, 690000000, 5, 0, 0, 5);"
            "INSERT INTO ZREMCDOBJECT (Z_PK, ZREMINDER) VALUES (7, 1);"
            "INSERT INTO ZREMCDOBJECT (Z_PK, ZALARM, ZPROXIMITY, ZTITLE, ZLATITUDE, ZLONGITUDE, ZRADIUS) "
            "VALUES (8, 7, 1, 'Office', 1.5, 2.5, 50);");
    const std::string oldest = addStore(
        backup, "Data-C3",
        reminderStore("ZNAME", false) +
            "INSERT INTO ZREMCDREMINDER VALUES (4, 'Third shape', 'n', 1, 2, 9, 0, 0, 6);"
            "INSERT INTO ZREMCDOBJECT (Z_PK, ZNAME) VALUES (6, 'Home list');");
    backup.addDatabase("HomeDomain", "Library/Calendar/Calendar.sqlitedb",
                       std::string(CalendarSchema) +
                           "INSERT INTO CalendarItem VALUES (1, 'Old reminder', 'from calendar', NULL, NULL, "
                           "400000000, 390000000, 3);"
                           "INSERT INTO CalendarItem VALUES (2, 'An event', NULL, 1, 2, NULL, 3, 2);");
    backup.write();

    const auto records = recordLines(scanEvents({backup.folder(), freshFolder("out"), DBAPP_REMINDERS}),
                                     DBAPP_REMINDERS);

    STReminder milk = reminder(widen(newest) + L"-1", L"Buy milk", L"2 litres", 680000000, 690000000);
    milk.locationTitle = L"Home", milk.url = L"https://example.com/milk";
    milk.latitude = 52.5, milk.longitude = 13.25, milk.radius = 100, milk.priority = 1, milk.listName = L"Groceries";
    STReminder oldTask = reminder(widen(newest) + L"-2", L"Old task", L"", 670000000, 0);
    oldTask.completed = 1, oldTask.isDeleted = true;
    // The same key in another store gives another id.
    STReminder bob = reminder(widen(middle) + L"-1", L"Call Bob", L"", 690000000, 700000000);
    bob.locationTitle = L"Office", bob.latitude = 1.5, bob.longitude = 2.5, bob.radius = 50, bob.priority = 5, bob.listName = L"Work";
    STReminder third = reminder(widen(oldest) + L"-4", L"Third shape", L"n", 2, 1);
    third.priority = 9, third.listName = L"Home list";
    // Calendar reminders have no id, place, priority or state.
    const STReminder calendar = reminder(L"", L"Old reminder", L"from calendar", 390000000, 400000000);
    EXPECT_EQ(sorted(records), sorted({reminderLine(milk), reminderLine(oldTask), reminderLine(bob),
                                       reminderLine(third), reminderLine(calendar)}));
}

TEST(Reminders, AttachmentsAreFoundBySumOrByNameAndNeverByNothing)
{
    BackupBuilder backup(freshFolder("reminder-attachments"));
    const std::string photo = backup.addFile("HomeDomain", std::string(StoreFolder) + "Files/abc123sum.jpeg", "jpg");
    const std::string scan = backup.addFile("HomeDomain", std::string(StoreFolder) + "Files/scan.pdf", "pdf");
    const std::string withSums = addStore(
        backup, "Data-S",
        reminderStore("ZNAME2", true) +
            "INSERT INTO ZREMCDOBJECT (Z_PK, ZREMINDER, ZCKIDENTIFIER, ZSHA512SUM, ZFILENAME, ZFILESIZE, ZHEIGHT, "
            "ZWIDTH) VALUES (40, 1, 'att-1', 'abc123sum', 'photo.jpg', 3000000000, 480, 640);"
            "INSERT INTO ZREMCDOBJECT (Z_PK, ZREMINDER1, ZCKIDENTIFIER, ZSHA512SUM, ZFILENAME) "
            "VALUES (41, 2, 'att-2', NULL, 'lost.png');"
            "INSERT INTO ZREMCDOBJECT (Z_PK, ZREMINDER2, ZCKIDENTIFIER, ZSHA512SUM, ZFILENAME, ZFILESIZE) "
            "VALUES (42, 3, 'att-3', 'missingsum', 'gone.pdf', 7);");
    // No reminders table of any known shape: its attachments still count.
    const std::string unknownShape = addStore(
        backup, "Data-U",
        std::string(AttachmentsOnlyStore) +
        "INSERT INTO ZREMCDOBJECT VALUES (1, 9, NULL, NULL, 'att-u', 'scan.pdf', 2048, 0, 0);"
        "INSERT INTO ZREMCDOBJECT VALUES (2, 9, NULL, NULL, 'att-v', '', 1, 0, 0);");
    backup.write();

    const auto records = recordLines(scanEvents({backup.folder(), freshFolder("out"), DBAPP_REMINDERS}),
                                     DBAPP_REMINDERS);

    auto inBackup = [&](const std::string &id) { return widen(backup.pathOf(id)); };
    EXPECT_EQ(sorted(records),
              sorted({attachmentLine(3000000000, 480, 640, widen(withSums) + L"-1", inBackup(photo), L"photo.jpg",
                                     L"att-1"),
                      attachmentLine(0, 0, 0, widen(withSums) + L"-2", L"", L"lost.png", L"att-2"),
                      attachmentLine(7, 0, 0, widen(withSums) + L"-3", L"", L"gone.pdf", L"att-3"),
                      attachmentLine(2048, 0, 0, widen(unknownShape) + L"-9", inBackup(scan), L"scan.pdf", L"att-u"),
                      attachmentLine(1, 0, 0, widen(unknownShape) + L"-9", L"", L"", L"att-v")}));
}

// An older store finds its attachment by file name: only a file of exactly
// that name, never another one whose name merely ends in it, starts with it
// or matches it as a pattern.
TEST(Reminders, AttachmentNameFindsOnlyAFileOfThatWholeName)
{
    BackupBuilder backup(freshFolder("reminder-names"));
    const std::string files = std::string(StoreFolder) + "Files/";
    backup.addFile("HomeDomain", files + "myphoto.jpg", "someone else's");
    backup.addFile("HomeDomain", files + "1.jpg.preview.png", "preview");
    backup.addFile("HomeDomain", files + "1.jpg/other", "inside a folder of that name");
    const std::string one = backup.addFile("HomeDomain", files + "1.jpg", "the picture");
    backup.addFile("HomeDomain", files + "x-y.jpg", "not x_y.jpg");
    const std::string plan = backup.addFile("HomeDomain", files + "plan.pdf", "pdf");
    const std::string store = addStore(
        backup, "Data-N",
        std::string(AttachmentsOnlyStore) +
        "INSERT INTO ZREMCDOBJECT VALUES (1, 5, NULL, NULL, 'att-p', 'photo.jpg', 3, 0, 0);"
        "INSERT INTO ZREMCDOBJECT VALUES (2, 5, NULL, NULL, 'att-q', 'plan.pdf', 3, 0, 0);"
        "INSERT INTO ZREMCDOBJECT VALUES (3, 5, NULL, NULL, 'att-1', '1.jpg', 3, 0, 0);"
        "INSERT INTO ZREMCDOBJECT VALUES (4, 5, NULL, NULL, 'att-x', 'x_y.jpg', 3, 0, 0);");
    backup.write();

    const auto records = recordLines(scanEvents({backup.folder(), freshFolder("out"), DBAPP_REMINDERS}),
                                     DBAPP_REMINDERS);
    const std::wstring id = widen(store) + L"-5";
    EXPECT_EQ(sorted(records), sorted({attachmentLine(3, 0, 0, id, L"", L"photo.jpg", L"att-p"),
                                       attachmentLine(3, 0, 0, id, widen(backup.pathOf(plan)), L"plan.pdf",
                                                      L"att-q"),
                                       attachmentLine(3, 0, 0, id, widen(backup.pathOf(one)), L"1.jpg", L"att-1"),
                                       attachmentLine(3, 0, 0, id, L"", L"x_y.jpg", L"att-x")}));
}

TEST(Reminders, StoresThatCannotBeReadGiveNothing)
{
    BackupBuilder backup(freshFolder("reminder-bad-stores"));
    addStore(backup, "Data-Empty", reminderStore("ZNAME2", true));
    backup.addFile("HomeDomain", std::string(StoreFolder) + "Data-Broken.sqlite", "not a database");
    // Catalogue rows whose id is no file id, or whose file is missing.
    backup.addManifestRow("../../../Manifest", "HomeDomain", std::string(StoreFolder) + "Data-Escape.sqlite");
    backup.addManifestRow(std::string(40, 'a'), "HomeDomain", std::string(StoreFolder) + "Data-Missing.sqlite");
    backup.write();
    EXPECT_EQ(scanEvents({backup.folder(), freshFolder("out"), DBAPP_REMINDERS}),
              emptyCategoryEvents(DBAPP_REMINDERS));
}

TEST(Reminders, StopWhileReadingAStoreEndsTheScanAfterTheCurrentRow)
{
    BackupBuilder backup(freshFolder("reminder-stop"));
    addStore(backup, "Data-Many",
             reminderStore("ZNAME2", true) +
                 "WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s WHERE i < 500) "
                 "INSERT INTO ZREMCDREMINDER (Z_PK, ZTITLE) SELECT i, 'r' || i FROM s;"
                 "INSERT INTO ZREMCDOBJECT (Z_PK, ZREMINDER, ZFILENAME) VALUES (1, 1, 'a.jpg');");
    backup.write();
    const auto lines = scanEvents({backup.folder(), freshFolder("out"), DBAPP_REMINDERS},
                                  [](IDBExecutor &executor, const std::string &line) {
                                      if (line.find("\"status\":4") != std::string::npos)
                                          executor.Stop();
                                  });
    EXPECT_EQ(lines.size(), 3u); // scan begin, category begin, one reminder
    EXPECT_EQ(recordLines(lines, DBAPP_REMINDERS).size(), 1u);
}
