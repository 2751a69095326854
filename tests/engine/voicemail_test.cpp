#include "backupbuilder.h"
#include "dbrecords.h"
#include "recordjson.h"
#include "scanrecorder.h"
#include "systemschemas.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace
{
    std::string voicemailLine(const std::wstring &sender, const std::wstring &receiver, int64_t date, int32_t duration,
                              const std::wstring &audioFile)
    {
        STVoiceMail voicemail;
        voicemail.sender = sender;
        voicemail.receiver = receiver;
        voicemail.date = date;
        voicemail.duration = duration;
        voicemail.audioFile = audioFile;
        return EventToJson(DBSTATUS_RECORD, DBAPP_VOICEMAIL, 0, &voicemail);
    }

    void addVoicemailDb(BackupBuilder &backup, const std::string &rows)
    {
        backup.addDatabase("HomeDomain", "Library/Voicemail/voicemail.db", schema::Voicemail + rows);
    }
}

TEST(Voicemail, EachVoicemailComesWithItsCopiedAudioOrAnEmptyPath)
{
    BackupBuilder backup(freshFolder("voicemail"));
    const std::string audio17 = backup.addFile("HomeDomain", "Library/Voicemail/17.amr", "#!AMR 17");
    backup.addFile("HomeDomain", "Library/Voicemail/0.amr", "#!AMR 0");
    addVoicemailDb(backup,
                   "INSERT INTO voicemail (remote_uid, date, sender, duration, receiver) "
                   "VALUES (17, 1650000000, '+4930123456', 42, '+4917012345');"
                   "INSERT INTO voicemail (remote_uid, date, sender, duration, receiver) "
                   "VALUES (18, 1650000100, 'Ünknown \"caller\"', 5, NULL);"
                   "INSERT INTO voicemail (remote_uid, date, sender, duration, receiver) "
                   "VALUES (NULL, 1650000200, NULL, 0, '+4917012345');");
    backup.write();
    const std::string out = freshFolder("voicemail-out");

    const auto lines = scanEvents({backup.folder(), out, DBAPP_VOICEMAIL});

    const std::vector<std::string> expected = {
        voicemailLine(L"+4930123456", L"+4917012345", 1650000000, 42,
                      widen(out + "/" + audio17 + ".amr")),
        voicemailLine(L"Ünknown \"caller\"", L"", 1650000100, 5, L""), // 18.amr is not in the backup
        // Without its number a voicemail must not take the file of another.
        voicemailLine(L"", L"+4917012345", 1650000200, 0, L""),
    };
    EXPECT_EQ(recordLines(lines, DBAPP_VOICEMAIL), expected);
    EXPECT_EQ(readFile(out + "/" + audio17 + ".amr"), "#!AMR 17");
}

TEST(Voicemail, EmptyDatabaseGivesOnlyTheCategoryEvents)
{
    BackupBuilder backup(freshFolder("voicemail-empty"));
    addVoicemailDb(backup, "");
    backup.write();
    EXPECT_EQ(scanEvents({backup.folder(), freshFolder("voicemail-out"), DBAPP_VOICEMAIL}),
              emptyCategoryEvents(DBAPP_VOICEMAIL));
}
