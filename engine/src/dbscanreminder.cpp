#include "dbscanreminder.h"

#include "dbconnector.h"
#include "dbmediamanager.h"
#include "dbrecords.h"
#include "engineutil.h"

#include <sqlite3.h>

namespace
{
    enum QueryIndex : int32_t
    {
        StoreCatalogue = 0,
        CalendarReminders = 1
    };

    // The reminders statements of the store schemas, newest first; all give
    // the same columns: key, title, notes, due date, location title, URL,
    // latitude, longitude, radius, creation date, priority, completed,
    // deletion mark, list name.
    const char *const RemindersStatements[] = {
        "SELECT z.Z_PK, z.ZTITLE,z.ZNOTES,z.ZDISPLAYDATEDATE,d.ZTITLE, u.ZURL, d.ZLATITUDE,d.ZLONGITUDE,d.ZRADIUS,z.ZCREATIONDATE, z.ZPRIORITY, z.ZCOMPLETED, z.ZMARKEDFORDELETION, list.ZNAME2 AS ZLIST FROM ZREMCDREMINDER AS z LEFT JOIN (SELECT o.ZREMINDER,c.* FROM ZREMCDOBJECT AS o LEFT JOIN (SELECT b.Z_PK,b.ZTITLE,b.ZLATITUDE,b.ZLONGITUDE,b.ZRADIUS FROM ZREMCDOBJECT AS b WHERE b.ZPROXIMITY = 1) AS c ON c.Z_PK = o.ZTRIGGER WHERE o.ZREMINDER IS NOT NULL AND c.Z_PK IS NOT NULL) AS d ON z.Z_PK = d.ZREMINDER LEFT JOIN (SELECT (case when ZREMINDER is not null then ZREMINDER else (case when ZREMINDER1 is not null then ZREMINDER1 else ZREMINDER2 end) end) as ZREMINDER,ZCKIDENTIFIER,ZURL FROM ZREMCDOBJECT WHERE ZURL is not null) AS u ON z.Z_PK = u.ZREMINDER LEFT JOIN (SELECT Z_PK, ZNAME2 FROM ZREMCDOBJECT WHERE ZNAME2 IS NOT NULL) AS list ON list.Z_PK = z.ZLIST;",
        "SELECT obj.Z_PK, obj.ZTITLE1, obj.ZNOTES, obj.ZDUEDATE, ad.ZTITLE, u.ZURL, ad.ZLATITUDE, ad.ZLONGITUDE, ad.ZRADIUS,obj.ZCREATIONDATE, obj.ZPRIORITY, obj.ZCOMPLETED, obj.ZMARKEDFORDELETION AS 'is_deleted', list.ZNAME1 AS ZLIST FROM ZREMCDOBJECT AS obj LEFT JOIN (SELECT ob.ZTITLE,ob.ZLATITUDE,ob.ZLONGITUDE,ob.ZRADIUS,o.ZREMINDER FROM ZREMCDOBJECT AS ob LEFT JOIN (SELECT o.Z_PK,o.ZTRIGGER,o.ZREMINDER FROM ZREMCDOBJECT AS o) AS o ON ob.ZALARM = o.Z_PK AND ZPROXIMITY = 1) AS ad ON ad.ZREMINDER = obj.Z_PK LEFT JOIN (SELECT (case when ZREMINDER is not null then ZREMINDER else (case when ZREMINDER1 is not null then ZREMINDER1 else ZREMINDER2 end) end) as ZREMINDER,ZCKIDENTIFIER,ZURL FROM ZREMCDOBJECT WHERE ZURL is not null) AS u ON obj.Z_PK = u.ZREMINDER LEFT JOIN (SELECT Z_PK, ZNAME1 FROM ZREMCDOBJECT WHERE ZNAME1 IS NOT NULL) AS list ON list.Z_PK = obj.ZLIST WHERE obj.ZTITLE1 IS NOT NULL;",
        "SELECT z.Z_PK, z.ZTITLE,z.ZNOTES,z.ZDISPLAYDATEDATE,d.ZTITLE, u.ZURL, d.ZLATITUDE,d.ZLONGITUDE,d.ZRADIUS,z.ZCREATIONDATE, z.ZPRIORITY, z.ZCOMPLETED, z.ZMARKEDFORDELETION, list.ZNAME AS ZLIST FROM ZREMCDREMINDER AS z LEFT JOIN (SELECT o.ZREMINDER,c.* FROM ZREMCDOBJECT AS o LEFT JOIN (SELECT b.Z_PK,b.ZTITLE,b.ZLATITUDE,b.ZLONGITUDE,b.ZRADIUS FROM ZREMCDOBJECT AS b WHERE b.ZPROXIMITY = 1) AS c ON c.Z_PK = o.ZTRIGGER WHERE o.ZREMINDER IS NOT NULL AND c.Z_PK IS NOT NULL) AS d ON z.Z_PK = d.ZREMINDER LEFT JOIN (SELECT (case when ZREMINDER is not null then ZREMINDER else (case when ZREMINDER1 is not null then ZREMINDER1 else ZREMINDER2 end) end) as ZREMINDER,ZCKIDENTIFIER,ZURL FROM ZREMCDOBJECT WHERE ZURL is not null) AS u ON z.Z_PK = u.ZREMINDER LEFT JOIN (SELECT Z_PK, ZNAME FROM ZREMCDOBJECT WHERE ZNAME IS NOT NULL) AS list ON list.Z_PK = z.ZLIST;",
    };

    // Columns: owning reminder, cloud identifier, SHA-512 sum, file name, size, height, width.
    const char *const AttachmentsBySum =
        "SELECT (case when ZREMINDER is not null then ZREMINDER else (case when ZREMINDER1 is not null then ZREMINDER1 else ZREMINDER2 end) end) as ZREMINDER,ZCKIDENTIFIER,ZSHA512SUM, ZFILENAME, ZFILESIZE, ZHEIGHT, ZWIDTH FROM ZREMCDOBJECT WHERE ZFILENAME is not null";
    // Older stores have no sum: owning reminder, cloud identifier, file name, size, height, width.
    const char *const AttachmentsByName =
        "SELECT (case when ZREMINDER is not null then ZREMINDER else (case when ZREMINDER1 is not null then ZREMINDER1 else ZREMINDER2 end) end) as ZREMINDER,ZCKIDENTIFIER, ZFILENAME, ZFILESIZE, ZHEIGHT, ZWIDTH FROM ZREMCDOBJECT WHERE ZFILENAME is not null";

    enum class StoreRows
    {
        Reminders,
        AttachmentsBySum,
        AttachmentsByName
    };

    // The rows of one statement on a store, counted so that the caller can
    // fall back to the next statement when one yields nothing.
    class StoreRowProcessor : public IDBProcessor
    {
    public:
        StoreRowProcessor(const std::wstring &storeId, StoreRows kind)
            : m_storeId(storeId)
            , m_kind(kind)
        {
        }

        void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t) override
        {
            ++m_rows;
            if (m_kind == StoreRows::Reminders)
                deliverReminder(row, user, callback);
            else
                deliverAttachment(row, user, callback);
        }

        int rows() const { return m_rows; }

    private:
        std::wstring keyOf(sqlite3_stmt *row) const { return m_storeId + L"-" + TextColumn(row, 0); }

        void deliverReminder(sqlite3_stmt *row, void *user, DBExecutorCallback callback) const
        {
            STReminder reminder;
            reminder.id = keyOf(row);
            reminder.title = TextColumn(row, 1);
            reminder.notes = TextColumn(row, 2);
            reminder.dueDate = Int64Column(row, 3);
            reminder.locationTitle = TextColumn(row, 4);
            reminder.url = TextColumn(row, 5);
            reminder.latitude = DoubleColumn(row, 6);
            reminder.longitude = DoubleColumn(row, 7);
            reminder.radius = DoubleColumn(row, 8);
            reminder.creationDate = Int64Column(row, 9);
            reminder.priority = IntColumn(row, 10);
            reminder.completed = IntColumn(row, 11);
            reminder.isDeleted = IntColumn(row, 12) != 0;
            reminder.listName = TextColumn(row, 13);
            Deliver(callback, DBAPP_REMINDERS, 0, &reminder, user);
        }

        void deliverAttachment(sqlite3_stmt *row, void *user, DBExecutorCallback callback) const
        {
            // Without the sum column every later column sits one place further left.
            const int shift = m_kind == StoreRows::AttachmentsBySum ? 1 : 0;
            STReminderAttachment attachment;
            attachment.reminderId = keyOf(row);
            attachment.identifier = TextColumn(row, 1);
            attachment.fileName = TextColumn(row, 2 + shift);
            // 64-bit: a size read as 32 bits would turn negative above 2 GiB.
            attachment.fileSize = Int64Column(row, 3 + shift);
            attachment.height = IntColumn(row, 4 + shift);
            attachment.width = IntColumn(row, 5 + shift);
            attachment.filePath = backupFileContaining(TextColumn(row, 2), m_kind == StoreRows::AttachmentsByName);
            if (m_kind == StoreRows::AttachmentsBySum)
                trace(attachment);
            Deliver(callback, DBAPP_REMINDERS, REMINDER_ATTACHMENT_SUBTYPE, &attachment, user);
        }

        // An empty search text would match any file: it finds none. A file
        // name matches only a whole last path component: "photo.jpg" finds
        // neither "myphoto.jpg" nor "photo.jpg.preview.png".
        static std::wstring backupFileContaining(const std::wstring &text, bool wholeName)
        {
            if (text.empty())
                return {};
            const DBMediaManager &media = DBMediaManager::Instance();
            const std::wstring fileId = wholeName ? media.FindFileIdByFileName(text) : media.FindFileIdLike(text);
            return DBMediaManager::FileIdPath(media.GetBackupDir(), fileId);
        }

        static void trace(const STReminderAttachment &attachment)
        {
            if (!DebugTraceEnabled())
                return;
            DebugTraceA("===========ReminderAttachment========\n");
            DebugTraceW(L"ReminderID: %ls\n", attachment.reminderId.c_str());
            DebugTraceW(L"identifier: %ls\n", attachment.identifier.c_str());
            DebugTraceW(L"filename: %ls\n", attachment.fileName.c_str());
            DebugTraceW(L"filepath: %ls\n", attachment.filePath.c_str());
            DebugTraceA("fileSize: %lld\n", static_cast<long long>(attachment.fileSize));
            DebugTraceA("fileheight: %d\n", attachment.height);
            DebugTraceA("filewidth: %d\n", attachment.width);
            DebugTraceA("===========================\n");
        }

        std::wstring m_storeId;
        StoreRows m_kind;
        int m_rows = 0;
    };
}

void CDBScanReminder::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex)
{
    if (queryIndex == StoreCatalogue)
        ReadStore(TextColumn(row, 0), user, callback);
    else if (queryIndex == CalendarReminders)
        DeliverCalendarReminder(row, user, callback);
}

void CDBScanReminder::ReadStore(const std::wstring &storeId, void *user, DBExecutorCallback callback) const
{
    // Only a well-formed file id may name a file of the backup.
    const std::wstring path = DBMediaManager::FileIdPath(DBMediaManager::Instance().GetBackupDir(), storeId);
    if (path.empty())
        return;
    sqlite3 *store = nullptr;
    if (OpenBackupDatabase(path, &store) != SQLITE_OK)
        return;

    CMySqliteReader reader;
    reader.SetStopFlag(StopFlag());
    StoreRowProcessor reminders(storeId, StoreRows::Reminders);
    for (const char *statement : RemindersStatements) {
        reader.Read(store, statement, &reminders, callback, StoreCatalogue, user);
        if (reminders.rows() > 0 || StopRequested())
            break;
    }
    if (!StopRequested()) {
        StoreRowProcessor bySum(storeId, StoreRows::AttachmentsBySum);
        reader.Read(store, AttachmentsBySum, &bySum, callback, StoreCatalogue, user);
        if (bySum.rows() == 0 && !StopRequested()) {
            StoreRowProcessor byName(storeId, StoreRows::AttachmentsByName);
            reader.Read(store, AttachmentsByName, &byName, callback, StoreCatalogue, user);
        }
    }
    sqlite3_close_v2(store);
}

void CDBScanReminder::DeliverCalendarReminder(sqlite3_stmt *row, void *user, DBExecutorCallback callback)
{
    STReminder reminder;
    reminder.title = TextColumn(row, 0);
    reminder.notes = TextColumn(row, 1);
    reminder.dueDate = Int64Column(row, 2);
    reminder.creationDate = Int64Column(row, 3);
    reminder.isDeleted = IntColumn(row, 4) != 0;
    Deliver(callback, DBAPP_REMINDERS, 0, &reminder, user);
}
