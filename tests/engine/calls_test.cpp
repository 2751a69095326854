#include "backupbuilder.h"
#include "scanrecorder.h"
#include "systemschemas.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace
{
    // Calls and their handles share primary keys; 3 and 5 have no handle.
    const std::string Calls =
        "INSERT INTO ZCALLRECORD (Z_PK, ZANSWERED, ZDISCONNECTED_CAUSE, ZORIGINATED, ZDATE, ZDURATION,"
        " ZISO_COUNTRY_CODE, ZNAME, ZSERVICE_PROVIDER) VALUES"
        " (1, 1, 0, 1, 700000000.75, 62.5, 'ch', 'Anna', 'com.apple.Telephony'),"
        " (2, 0, 6, 0, 1.9, 0, 'us', NULL, 'com.apple.FaceTime'),"
        " (3, 1, 0, 0, 2000000000, 3, NULL, 'Voicemail Box', 'com.apple.Telephony'),"
        " (4, 1, 0, 1, 650000000, 12, 'de', NULL, 'com.example.com.facebook.Messenger'),"
        " (5, 0, 2, 1, 660000000, 0, 'fr', 'Bob', 'com.apple.FaceTime'),"
        " (6, 1, 0, 1, 670000000, 9, 'it', 'Skipped', 'com.example.voip');"
        "INSERT INTO ZHANDLE (Z_PK, ZNORMALIZEDVALUE, ZVALUE) VALUES (1, '+41791234567', '079 123 45 67'),"
        " (2, 'bob@example.com', 'Bob@Example.com'), (4, NULL, 'messenger-user'), (6, '+390000', '0000');";

    std::string callsBackup()
    {
        BackupBuilder backup(freshFolder("calls"));
        backup.addDatabase(schema::HomeDomain, schema::CallHistoryPath, std::string(schema::CallHistorySchema) + Calls);
        backup.write();
        return backup.folder();
    }
}

TEST(Calls, CallHistoryAndFaceTimeAreSplitByServiceProvider)
{
    const auto lines = scanEvents({callsBackup(), freshFolder("calls-out"), DBAPP_CALL_HISTORY | DBAPP_FACETIME});
    // A missing handle falls back to the call's name for call history only;
    // dates lose their fraction.
    const std::vector<std::string> calls = {
        recordLine(0x40, 0,
                   R"({"address":"+41791234567","value":"079 123 45 67","duration":62.5,"date":700000000,)"
                   R"("countryCode":"ch","originated":1,"answered":1,"disconnectedCause":0})"),
        recordLine(0x40, 0,
                   R"({"address":"Voicemail Box","value":"","duration":3,"date":2000000000,"countryCode":"",)"
                   R"("originated":0,"answered":1,"disconnectedCause":0})"),
        recordLine(0x40, 0,
                   R"({"address":"","value":"messenger-user","duration":12,"date":650000000,"countryCode":"de",)"
                   R"("originated":1,"answered":1,"disconnectedCause":0})"),
    };
    const std::vector<std::string> faceTime = {
        recordLine(0x80, 0,
                   R"({"address":"bob@example.com","value":"Bob@Example.com","duration":0,"date":1,)"
                   R"("countryCode":"us","originated":0,"answered":0,"disconnectedCause":6})"),
        recordLine(0x80, 0,
                   R"({"address":"","value":"","duration":0,"date":660000000,"countryCode":"fr","originated":1,)"
                   R"("answered":0,"disconnectedCause":2})"),
    };
    EXPECT_EQ(recordLines(lines, DBAPP_CALL_HISTORY), calls);
    EXPECT_EQ(recordLines(lines, DBAPP_FACETIME), faceTime);
}
