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

// Contacts, calls, calendar and Safari: where iOS keeps them in a backup and
// the parts of their schemas that the engine reads.
namespace testsupport::schema
{
    inline const char *const HomeDomain = "HomeDomain";

    inline const char *const ContactsPath = "Library/AddressBook/AddressBook.sqlitedb";
    inline const char *const ContactsSchema =
        "CREATE TABLE ABPerson (ROWID INTEGER PRIMARY KEY AUTOINCREMENT, First TEXT, Last TEXT, Middle TEXT,"
        " FirstPhonetic TEXT, MiddlePhonetic TEXT, LastPhonetic TEXT, Organization TEXT, Department TEXT, Note TEXT,"
        " Kind INTEGER, Birthday TEXT, JobTitle TEXT, Nickname TEXT, Prefix TEXT, Suffix TEXT, FirstSort TEXT,"
        " LastSort TEXT, CreationDate INTEGER, ModificationDate INTEGER, CompositeNameFallback TEXT,"
        " ExternalIdentifier TEXT, StoreID INTEGER, DisplayName TEXT, AlternateBirthday TEXT);"
        "CREATE TABLE ABMultiValue (UID INTEGER PRIMARY KEY, record_id INTEGER, property INTEGER,"
        " identifier INTEGER, label INTEGER, value TEXT, guid TEXT);"
        "CREATE TABLE ABMultiValueLabel (value TEXT, UNIQUE(value));"
        "CREATE TABLE ABMultiValueEntry (parent_id INTEGER, key INTEGER, value TEXT, UNIQUE(parent_id, key));"
        "CREATE TABLE ABMultiValueEntryKey (value TEXT, UNIQUE(value));";
    // The content table behind the full-text index; iOS's own index needs a
    // tokenizer that stock SQLite lacks, so only this table is built.
    inline const char *const ContactsFullTextSchema =
        "CREATE TABLE ABPersonFullTextSearch_content (docid INTEGER PRIMARY KEY, c0First, c1Last, c2Middle,"
        " c3FirstPhonetic, c4MiddlePhonetic, c5LastPhonetic, c6Organization, c7OrganizationPhonetic, c8Department,"
        " c9Note, c10Birthday, c11JobTitle, c12Nickname, c13Prefix, c14Suffix, c15DisplayName, c16Phone, c17Email,"
        " c18Address, c19SocialProfile, c20URL, c21RelatedNames, c22IM, c23Date);";

    inline const char *const ContactImagesPath = "Library/AddressBook/AddressBookImages.sqlitedb";
    inline const char *const ContactImagesSchema =
        "CREATE TABLE ABFullSizeImage (ROWID INTEGER PRIMARY KEY AUTOINCREMENT, record_id INTEGER, crop_x INTEGER,"
        " crop_y INTEGER, crop_width INTEGER, data BLOB, UNIQUE(record_id));";

    inline const char *const CallHistoryPath = "Library/CallHistoryDB/CallHistory.storedata";
    inline const char *const CallHistorySchema =
        "CREATE TABLE ZCALLRECORD (Z_PK INTEGER PRIMARY KEY, Z_ENT INTEGER, Z_OPT INTEGER, ZANSWERED INTEGER,"
        " ZCALLTYPE INTEGER, ZDISCONNECTED_CAUSE INTEGER, ZFACE_TIME_DATA BLOB, ZNUMBER_AVAILABILITY INTEGER,"
        " ZORIGINATED INTEGER, ZREAD INTEGER, ZDATE TIMESTAMP, ZDURATION FLOAT, ZADDRESS BLOB, ZDEVICE_ID VARCHAR,"
        " ZISO_COUNTRY_CODE VARCHAR, ZLOCATION VARCHAR, ZNAME VARCHAR, ZSERVICE_PROVIDER VARCHAR,"
        " ZUNIQUE_ID VARCHAR);"
        "CREATE TABLE ZHANDLE (Z_PK INTEGER PRIMARY KEY, Z_ENT INTEGER, Z_OPT INTEGER, ZTYPE INTEGER,"
        " ZNORMALIZEDVALUE VARCHAR, ZVALUE VARCHAR);";

    inline const char *const CalendarPath = "Library/Calendar/Calendar.sqlitedb";
    inline const char *const CalendarItemSchema =
        "CREATE TABLE CalendarItem (ROWID INTEGER PRIMARY KEY AUTOINCREMENT, summary TEXT, location_id INTEGER,"
        " description TEXT, start_date REAL, start_tz TEXT, end_date REAL, all_day INTEGER, calendar_id INTEGER,"
        " entity_type INTEGER, due_date REAL, creation_date REAL);";
    // Older iOS keeps the attachment's name and size on the attachment row.
    inline const char *const CalendarOldAttachmentSchema =
        "CREATE TABLE Attachment (ROWID INTEGER PRIMARY KEY AUTOINCREMENT, owner_id INTEGER, format TEXT,"
        " url TEXT, filename TEXT, file_size INTEGER, UUID TEXT);";
    // Newer iOS moves them to a file row that attachments point to.
    inline const char *const CalendarNewAttachmentSchema =
        "CREATE TABLE Attachment (ROWID INTEGER PRIMARY KEY AUTOINCREMENT, owner_id INTEGER, file_id INTEGER,"
        " UUID TEXT);"
        "CREATE TABLE AttachmentFile (ROWID INTEGER PRIMARY KEY AUTOINCREMENT, url TEXT, filename TEXT,"
        " file_size INTEGER, format TEXT, local_path TEXT);";

    inline const char *const BookmarksPath = "Library/Safari/Bookmarks.db";
    inline const char *const BookmarksSchema =
        "CREATE TABLE bookmarks (id INTEGER PRIMARY KEY AUTOINCREMENT, special_id INTEGER DEFAULT 0,"
        " parent INTEGER, type INTEGER, title TEXT, url TEXT COLLATE NOCASE, num_children INTEGER DEFAULT 0,"
        " editable INTEGER DEFAULT 1, deletable INTEGER DEFAULT 1, hidden INTEGER DEFAULT 0,"
        " order_index INTEGER NOT NULL, external_uuid TEXT UNIQUE);";

    // Safari history: the home domain of older iOS and Safari's own domain of newer.
    inline const char *const SafariHistoryPath = "Library/Safari/History.db";
    inline const char *const SafariDomain = "AppDomain-com.apple.mobilesafari";
    inline const char *const SafariHistorySchema =
        "CREATE TABLE history_items (id INTEGER PRIMARY KEY AUTOINCREMENT, url TEXT NOT NULL UNIQUE,"
        " domain_expansion TEXT NULL, visit_count INTEGER NOT NULL, daily_visit_counts BLOB NOT NULL,"
        " weekly_visit_counts BLOB NULL, autocomplete_triggers BLOB NULL,"
        " should_recompute_derived_visit_counts INTEGER NOT NULL, visit_count_score INTEGER NOT NULL);"
        "CREATE TABLE history_visits (id INTEGER PRIMARY KEY AUTOINCREMENT, history_item INTEGER NOT NULL"
        " REFERENCES history_items(id) ON DELETE CASCADE, visit_time REAL NOT NULL, title TEXT NULL,"
        " load_successful BOOLEAN NOT NULL DEFAULT 1, http_non_get BOOLEAN NOT NULL DEFAULT 0,"
        " synthesized BOOLEAN NOT NULL DEFAULT 0, origin INTEGER NOT NULL DEFAULT 0,"
        " generation INTEGER NOT NULL DEFAULT 0, attributes INTEGER NOT NULL DEFAULT 0,"
        " score INTEGER NOT NULL DEFAULT 0);";
}
