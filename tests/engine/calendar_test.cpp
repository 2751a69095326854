#include "backupbuilder.h"
#include "scanrecorder.h"
#include "systemschemas.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace
{
    // Three events and a reminder (entity type 3), which is not an event.
    const std::string Items =
        "INSERT INTO CalendarItem (ROWID, summary, description, start_date, end_date, entity_type) VALUES"
        " (1, 'Board meeting', 'Room \"4\"', 600000000.5, 600003600.25, 2),"
        " (2, 'Dentist', NULL, 610000000, 610001800, 2),"
        " (3, NULL, NULL, 620000000, 620000000, 2),"
        " (4, 'Buy milk', NULL, 630000000, 630000000, 3);";

    // Event 1 has a 3 GB attachment that the backup holds, event 3 one it lacks.
    const std::string OldAttachments =
        "INSERT INTO Attachment (owner_id, filename, file_size) VALUES"
        " (1, 'agenda.pdf', 3000000000), (3, 'lost.key', 12);";
    const std::string NewAttachments =
        "INSERT INTO AttachmentFile (ROWID, filename, file_size) VALUES (7, 'agenda.pdf', 3000000000),"
        " (8, 'lost.key', 12);"
        "INSERT INTO Attachment (owner_id, file_id) VALUES (1, 7), (3, 8);";

    std::string eventLine(const std::string &fields)
    {
        return recordLine(DBAPP_CALENDAR, 0, "{" + fields + "}");
    }
}

TEST(Calendar, EachEventOnceOnTheOldAndTheNewSchema)
{
    struct Case
    {
        const char *name;
        std::string sql;
    };
    const Case cases[] = {
        {"old", std::string(schema::CalendarItemSchema) + schema::CalendarOldAttachmentSchema + Items + OldAttachments},
        {"new", std::string(schema::CalendarItemSchema) + schema::CalendarNewAttachmentSchema + Items + NewAttachments},
    };
    for (const Case &c : cases) {
        BackupBuilder backup(freshFolder(std::string("calendar-") + c.name));
        backup.addDatabase(schema::HomeDomain, schema::CalendarPath, c.sql);
        const std::string agendaId = backup.addFile("AppDomain-com.apple.mobilecal", "Documents/Attachments/agenda.pdf",
                                                    "%PDF-1.4");
        backup.write();
        const std::string agendaPath = backup.pathOf(agendaId);

        const auto lines = scanEvents({backup.folder(), freshFolder("calendar-out"), DBAPP_CALENDAR});
        const std::vector<std::string> expected = {
            eventLine(R"("summary":"Board meeting","startDate":600000000.5,"endDate":600003600.25,)"
                      R"("description":"Room \"4\"","attachmentName":"agenda.pdf","attachmentPath":")" +
                      agendaPath + R"(","attachmentSize":3000000000)"),
            eventLine(R"("summary":"Dentist","startDate":610000000,"endDate":610001800,"description":"",)"
                      R"("attachmentName":"","attachmentPath":"","attachmentSize":0)"),
            eventLine(R"("summary":"","startDate":620000000,"endDate":620000000,"description":"",)"
                      R"("attachmentName":"lost.key","attachmentPath":"","attachmentSize":12)"),
        };
        EXPECT_EQ(recordLines(lines, DBAPP_CALENDAR), expected) << c.name;
    }
}
