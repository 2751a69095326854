#pragma once

#include <cstdint>
#include <string>

#define VARDEX_API __attribute__((visibility("default")))

// Category bits of DBExecutorParam::categoryMask. The same value is the kind
// of a category's records and the value of its category events.
enum DbAppCategory : int32_t
{
    DBAPP_MANIFEST = 0x1,
    DBAPP_VIDEO = 0x2,
    DBAPP_SMS = 0x4,
    DBAPP_ADDRESSBOOK = 0x8,
    DBAPP_BOOKMARKS = 0x10,
    DBAPP_SAFARI_HISTORY = 0x20,
    DBAPP_CALL_HISTORY = 0x40,
    DBAPP_FACETIME = 0x80,
    DBAPP_VOICEMAIL = 0x100,
    DBAPP_VOICEMEMO = 0x200,
    DBAPP_NOTES = 0x400,
    DBAPP_CALENDAR = 0x800,
    DBAPP_REMINDERS = 0x1000,
    DBAPP_PHOTOS = 0x2000,
    DBAPP_3RD_IMAGE = 0x4000,
    DBAPP_3RD_VIDEO = 0x8000,
    DBAPP_3RD_AUDIO = 0x10000,
    DBAPP_3RD_DOCUMENT = 0x20000,
    DBAPP_LINE = 0x40000,
    DBAPP_WHATSAPP = 0x80000
};

// What *status points to in a callback.
enum DBExecutorStatus : int
{
    // record points to the double percentage, kind is it truncated, user is
    // the value given to ExportFromDevice
    DBSTATUS_COPY_PROGRESS = 1,
    DBSTATUS_ERROR = 2,         // kind is a category bit that could not be scanned, value a DBExecutorError
    DBSTATUS_PROGRESS = 3,      // kind is one of DBExecutorProgress
    DBSTATUS_RECORD = 4         // kind is the category bit, value the record sub-type
};

enum DBExecutorProgress : int
{
    DBPROGRESS_SCAN_BEGIN = 1,
    DBPROGRESS_SCAN_END = 2, // only when the scan was not stopped
    DBPROGRESS_CATEGORY_BEGIN = 3,
    DBPROGRESS_CATEGORY_END = 4
};

// Why a category could not be scanned: the value of a DBSTATUS_ERROR event.
// A database that is simply missing is no error: its category is empty.
enum DBExecutorError : int
{
    DBERROR_LOCKED = 1,         // a database it needs stayed locked by another program
    DBERROR_UNREADABLE = 2,     // a database exists but cannot be opened or read
    DBERROR_NOT_A_DATABASE = 3, // a file it needs is not an SQLite database (scrambled or encrypted)
    DBERROR_MALFORMED = 4,      // a database is damaged (truncated, malformed)
    DBERROR_NO_TABLES = 5,      // a database lacks the tables the category reads
    DBERROR_NO_BACKUP = 6,      // the backup folder does not exist or cannot be read
    DBERROR_NO_MANIFEST = 7     // the backup's Manifest.db is missing or cannot be read
};

enum DBExecutorMode : int32_t
{
    DBMODE_BACKUP = 1,
    DBMODE_DEVICE = 2
};

struct DBExecutorParam
{
    std::wstring backupPath; // the folder holding Manifest.db
    int32_t mode = 0;        // DBExecutorMode; anything else makes Start do nothing
    int32_t categoryMask = 0;
    std::wstring outputDir; // where extracted and downloaded files go
};

// Called on the scanning thread. The record is valid only during the call.
typedef void (*DBExecutorCallback)(const int *status, int kind, int value, const void *record, void *user);

class IDBExecutor
{
public:
    virtual void Start() = 0;
    virtual void Stop() = 0; // the one call meant for another thread
    virtual void SetParam(const DBExecutorParam &param) = 0;
    virtual void SetCallback(DBExecutorCallback callback, void *user) = 0;
    virtual std::wstring GetWhatsAppOwner(std::wstring backupPath) = 0;
    // 0 connected, 1 device not opened, 2 lockdown failed, 3 AFC not started, 4 no AFC client
    virtual int ConnectDevice(std::wstring udid) = 0;
    virtual int DisconnectDevice() = 0;
    // 0 copied whole, 1 stopped/not connected/empty path/device gone, 2 nothing could be
    // opened, 3 read or write error, -1 path without "/". user comes back with each event.
    virtual int ExportFromDevice(std::wstring localFolder, std::wstring devicePath, intptr_t user) = 0;
    virtual ~IDBExecutor() = default;
};

// Creates a new executor; the caller deletes it through the interface.
VARDEX_API bool InitDBExecutor(IDBExecutor **out);
