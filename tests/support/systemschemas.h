#pragma once

// The iOS schemas of system databases, as far as the engine reads them, for
// tests and the sample backup.

#include <string>

namespace testsupport::schema
{
    // A reminders store whose reminders have a table of their own. The list
    // name column tells the newest shape ("ZNAME2", with attachment sums)
    // from the oldest ("ZNAME").
    inline std::string reminderStore(const std::string &listColumn, bool sums)
    {
        return "CREATE TABLE ZREMCDREMINDER (Z_PK INTEGER PRIMARY KEY, ZTITLE VARCHAR, ZNOTES VARCHAR, "
               "ZDISPLAYDATEDATE TIMESTAMP, ZCREATIONDATE TIMESTAMP, ZPRIORITY INTEGER, ZCOMPLETED INTEGER, "
               "ZMARKEDFORDELETION INTEGER, ZLIST INTEGER);"
               "CREATE TABLE ZREMCDOBJECT (Z_PK INTEGER PRIMARY KEY, ZREMINDER INTEGER, ZREMINDER1 INTEGER, "
               "ZREMINDER2 INTEGER, ZTRIGGER INTEGER, ZPROXIMITY INTEGER, ZTITLE VARCHAR, ZLATITUDE FLOAT, "
               "ZLONGITUDE FLOAT, ZRADIUS FLOAT, ZCKIDENTIFIER VARCHAR, ZURL VARCHAR, " +
               listColumn + " VARCHAR, " + (sums ? "ZSHA512SUM VARCHAR, " : "") +
               "ZFILENAME VARCHAR, ZFILESIZE INTEGER, ZHEIGHT INTEGER, ZWIDTH INTEGER);";
    }

    // The middle shape: every object, reminders too, in one table.
    inline const char *const ReminderObjectStore =
        "CREATE TABLE ZREMCDOBJECT (Z_PK INTEGER PRIMARY KEY, ZTITLE1 VARCHAR, ZNOTES VARCHAR, ZDUEDATE TIMESTAMP, "
        "ZCREATIONDATE TIMESTAMP, ZPRIORITY INTEGER, ZCOMPLETED INTEGER, ZMARKEDFORDELETION INTEGER, ZLIST INTEGER, "
        "ZALARM INTEGER, ZTRIGGER INTEGER, ZREMINDER INTEGER, ZREMINDER1 INTEGER, ZREMINDER2 INTEGER, "
        "ZPROXIMITY INTEGER, ZTITLE VARCHAR, ZLATITUDE FLOAT, ZLONGITUDE FLOAT, ZRADIUS FLOAT, ZCKIDENTIFIER VARCHAR, "
        "ZURL VARCHAR, ZNAME1 VARCHAR, ZFILENAME VARCHAR, ZFILESIZE INTEGER, ZHEIGHT INTEGER, ZWIDTH INTEGER);";
    inline const char *const ReminderStoreFolder = "Library/Reminders/Container_v1/Stores/";

    // Library/Voicemail/voicemail.db
    inline const char *const Voicemail =
        "CREATE TABLE voicemail (ROWID INTEGER PRIMARY KEY AUTOINCREMENT, remote_uid INTEGER, date INTEGER, "
        "token TEXT, sender TEXT, callback_num TEXT, duration INTEGER, expiration INTEGER, trashed_date INTEGER, "
        "flags INTEGER, receiver TEXT);";

    // CloudRecordings.db of newer iOS, and the older recordings database.
    inline const char *const CloudRecordings =
        "CREATE TABLE ZCLOUDRECORDING (Z_PK INTEGER PRIMARY KEY, Z_ENT INTEGER, ZCUSTOMLABEL VARCHAR, "
        "ZCUSTOMLABELFORSORTING VARCHAR, ZDATE TIMESTAMP, ZDURATION FLOAT, ZPATH VARCHAR);"
        "CREATE TABLE ACHANGE (Z_PK INTEGER PRIMARY KEY, ZENTITYPK INTEGER, ZCOLUMNS BLOB);";
    inline const char *const OldRecordings =
        "CREATE TABLE ZCLOUDRECORDING (Z_PK INTEGER PRIMARY KEY, ZCUSTOMLABEL VARCHAR, ZDATE TIMESTAMP, "
        "ZDURATION FLOAT, ZPATH VARCHAR);"
        "CREATE TABLE ACHANGE (Z_PK INTEGER PRIMARY KEY, ZENTITYPK INTEGER, ZCOLUMNS BLOB);";
    inline const char *const CloudRecordingsDomain = "AppDomainGroup-group.com.apple.VoiceMemos.shared";
}
