#include "dbaddtaskfunction.h"

#include "dbconnector.h"
#include "dbmediamanager.h"
#include "enginelog.h"
#include "engineutil.h"

#include "dbscan3rdaudio.h"
#include "dbscan3rddocument.h"
#include "dbscan3rdimage.h"
#include "dbscan3rdvideo.h"
#include "dbscanaddressbook.h"
#include "dbscanafcphotos.h"
#include "dbscanafcvedio.h"
#include "dbscanbookmarks.h"
#include "dbscancalender.h"
#include "dbscancallhistory.h"
#include "dbscanfacetime.h"
#include "dbscanline.h"
#include "dbscannotes.h"
#include "dbscanphotos.h"
#include "dbscanreminder.h"
#include "dbscansafarihistory.h"
#include "dbscansms.h"
#include "dbscanvideo.h"
#include "dbscanvoicemaill.h"
#include "dbscanvoicememo.h"
#include "dbscanwhatsapp.h"
#include "dbtaskmanifest.h"

#include <sqlite3.h>

#include <optional>
#include <utility>

namespace
{
    // Fixed databases, by backup file id ("/<first two digits>/<id>").
    const wchar_t *const SmsDb = L"/3d/3d0d7e5fb2ce288813306e4d4636395e047a3d28";
    const wchar_t *const ContactsDb = L"/31/31bb7ba8914766d4ba40d6dfb6113c8b614be442";
    const wchar_t *const ContactImagesDb = L"/cd/cd6702cea29fe89cf280a76794405adb17f9a0ee";
    const wchar_t *const BookmarksDb = L"/d1/d1f062e2da26192a6625d968274bfda8d07821e4";
    const wchar_t *const SafariHistoryDb = L"/1a/1a0e7afc19d307da602ccdcece51af33afe92c53";
    const wchar_t *const SafariHistoryDb2 = L"/e7/e74113c185fd8297e140cfcf9c99436c5cc06b57";
    const wchar_t *const CallHistoryDb = L"/5a/5a4935c78a5255723f707230a451d79c540d2741";
    const wchar_t *const VoicemailDb = L"/99/992df473bbb9e132f4b3b6e4d33f72171e97bc7a";
    const wchar_t *const VoiceMemoDb = L"/b3/b39e461eaa52a8cc6117e343be5f7abc6bd9fca4";
    const wchar_t *const NotesDb = L"/4f/4f98687d8ab0d6d1a371110e6b7300f6e465bef2";
    const wchar_t *const CalendarDb = L"/20/2041457d5fe04d39d0ab481178355df6781e6858";
    const wchar_t *const PhotosDb = L"/12/12b144c0bd44f2b3dffd9186d3f9c05b917cee25";
    const wchar_t *const LineGroupDb = L"/b1/b114ff9aff5c07711fa4049e57af4fdadb27cc92";
    const wchar_t *const LineChatDb = L"/17/17d16daa8bcac5625d2c72ba3e644336b72a0fe4";
    const wchar_t *const WhatsAppDb = L"/7c/7c7fba66680ef796b916b067077cc246adacf01d";
    const wchar_t *const ManifestDb = L"/Manifest.db";

    // Statement texts. A contact label or entry key is joined by its rowid:
    // row numbers would shift every later label after one deleted row.
    const wchar_t *const ManifestAll =
        L"SELECT * FROM Files";
    const wchar_t *const SmsProbe =
        L"SELECT * FROM chat_recoverable_message_join";
    const wchar_t *const SmsTextA =
        L"SELECT c.ROWID AS groupID, (m.cache_roomnames IS NOT NULL) AS is_group, h.id, h.uncanonicalized_id, m.subject, m.text, m.service, m.date, h.country, m.is_from_me, m.is_forward, m.error, (de.message_id IS NOT NULL) AS 'is_deleted' FROM message AS m LEFT JOIN handle AS h ON m.handle_id = h.ROWID LEFT JOIN chat AS c ON m.cache_roomnames = c.room_name AND c.is_filtered = 0 LEFT JOIN chat_recoverable_message_join AS de ON de.message_id = m.ROWID WHERE text is not null;";
    const wchar_t *const SmsAttachmentA =
        L"SELECT c.ROWID AS groupID, (m.cache_roomnames IS NOT NULL) AS is_group, h.id, h.uncanonicalized_id, m.subject, m.text, m.service, att.created_date, h.country, att.filename,  m.is_from_me, m.is_forward, m.error, (de.message_id IS NOT NULL) AS 'is_deleted' FROM message AS m LEFT JOIN handle AS h ON m.handle_id = h.ROWID LEFT JOIN (SELECT * FROM (SELECT * FROM message_attachment_join AS maj LEFT JOIN attachment AS a ON (maj.attachment_id = a.ROWID AND a.hide_attachment = 0)) WHERE ROWID is not null) AS att ON m.ROWID = att.message_id LEFT JOIN chat AS c ON m.cache_roomnames = c.room_name AND c.is_filtered = 0 LEFT JOIN chat_recoverable_message_join AS de ON de.message_id = m.ROWID WHERE att.filename is not null;";
    const wchar_t *const SmsTextB =
        L"SELECT c.ROWID AS groupID, (m.cache_roomnames IS NOT NULL) AS is_group, h.id, h.uncanonicalized_id, m.subject, m.text, m.service, m.date, h.country, m.is_from_me, m.is_forward, m.error, (0) AS 'is_deleted' FROM message AS m LEFT JOIN handle AS h ON m.handle_id = h.ROWID LEFT JOIN chat AS c ON m.cache_roomnames = c.room_name AND c.is_filtered = 0 WHERE text is not null;;";
    const wchar_t *const SmsAttachmentB =
        L"SELECT c.ROWID AS groupID, (m.cache_roomnames IS NOT NULL) AS is_group, h.id, h.uncanonicalized_id, m.subject, m.text, m.service, att.created_date, h.country, att.filename,  m.is_from_me, m.is_forward, m.error, (0) AS 'is_deleted' FROM message AS m LEFT JOIN handle AS h ON m.handle_id = h.ROWID LEFT JOIN (SELECT * FROM (SELECT * FROM message_attachment_join AS maj LEFT JOIN attachment AS a ON (maj.attachment_id = a.ROWID AND a.hide_attachment = 0)) WHERE ROWID is not null) AS att ON m.ROWID = att.message_id LEFT JOIN chat AS c ON m.cache_roomnames = c.room_name AND c.is_filtered = 0  WHERE att.filename is not null;";
    // Newer iOS keeps many texts only in this archive; older tables lack it.
    const wchar_t *const SmsBodyColumn =
        L"SELECT attributedBody FROM message";
    const wchar_t *const SmsMembers =
        L"SELECT ch.chat_id,h.id,h.uncanonicalized_id,h.country,h.service FROM chat_handle_join AS ch LEFT JOIN handle AS h ON ch.handle_id = h.ROWID WHERE chat_id IN (SELECT c.ROWID FROM message AS m LEFT JOIN chat AS c ON m.cache_roomnames=c.room_name WHERE m.cache_roomnames IS NOT NULL AND (c.is_filtered = 0 OR c.successful_query = 1));";
    const wchar_t *const ContactPersons =
        L"SELECT p.ROWID,p.First,p.Last,p.Middle,p.FirstPhonetic,p.MiddlePhonetic,p.LastPhonetic,p.Organization,p.Department,p.Note,p.Birthday,p.JobTitle,p.Nickname,p.Prefix,p.Suffix,p.CreationDate,\t\tp.ModificationDate,p.CompositeNameFallback,p.AlternateBirthday FROM ABPerson AS p;";
    const wchar_t *const ContactMultiValues =
        L"SELECT mv.UID,mv.record_id,mv.property,t_l.value,mv.value FROM ABMultiValue AS mv LEFT JOIN (SELECT ROWID AS RowNum,value FROM ABMultiValueLabel) AS t_l ON mv.label = t_l.RowNum;";
    const wchar_t *const ContactEntries =
        L"SELECT ve.parent_id,vek.value AS value2,ve.value AS value3 FROM ABMultiValueEntry AS ve LEFT JOIN (SELECT ROWID AS RowNum,value FROM ABMultiValueEntryKey) AS vek ON ve.key=vek.RowNum;";
    const wchar_t *const ContactImages =
        L"SELECT im.record_id,im.crop_width,im.data,LENGTH(im.data) FROM ABFullSizeImage AS im;";
    // The index holds every person, the living too: only a row whose id is no
    // person's is a deleted contact. Without that id, the processor tells
    // the living by their names and numbers.
    const wchar_t *const ContactFullTextDeleted =
        L"SELECT DISTINCT c0First, c1Last, c2Middle, c6Organization, c8Department, c9Note, c16Phone, c17Email, c18Address, c20URL, c10Birthday, c23Date, c21RelatedNames, c19SocialProfile, c22IM FROM ABPersonFullTextSearch_content WHERE docid NOT IN (SELECT ROWID FROM ABPerson);";
    const wchar_t *const ContactFullText =
        L"SELECT DISTINCT c0First, c1Last, c2Middle, c6Organization, c8Department, c9Note, c16Phone, c17Email, c18Address, c20URL, c10Birthday, c23Date, c21RelatedNames, c19SocialProfile, c22IM FROM ABPersonFullTextSearch_content;";
    const wchar_t *const Bookmarks =
        L"SELECT b.title,b.url,p.title FROM bookmarks AS b LEFT JOIN (SELECT id,title FROM bookmarks) AS p ON b.parent = p.id WHERE type = 0;";
    // Every visit of every item: matching the visit's score to the item's
    // dropped most visits. An item without visits still shows its address.
    const wchar_t *const SafariHistory =
        L"SELECT v.title,v.visit_time,i.url FROM history_items AS i LEFT JOIN history_visits AS v ON v.history_item=i.id;";
    const wchar_t *const CallHistory =
        L"SELECT case WHEN h.ZNORMALIZEDVALUE IS NOT NULL THEN h.ZNORMALIZEDVALUE ELSE c.ZNAME END,h.ZVALUE,c.ZDURATION,c.ZDATE,c.ZISO_COUNTRY_CODE,c.ZDISCONNECTED_CAUSE,c.ZORIGINATED,c.ZANSWERED FROM ZCALLRECORD AS c LEFT JOIN ZHANDLE AS h ON c.Z_PK = h.Z_PK WHERE c.ZSERVICE_PROVIDER = 'com.apple.Telephony' OR c.ZSERVICE_PROVIDER like '%.com.facebook.Messenger';";
    const wchar_t *const FaceTime =
        L"SELECT h.ZNORMALIZEDVALUE,h.ZVALUE,c.ZDURATION,c.ZDATE,c.ZISO_COUNTRY_CODE,c.ZDISCONNECTED_CAUSE,c.ZORIGINATED,c.ZANSWERED \t\tFROM ZCALLRECORD AS c LEFT JOIN ZHANDLE AS h ON c.Z_PK = h.Z_PK WHERE c.ZSERVICE_PROVIDER = 'com.apple.FaceTime';";
    const wchar_t *const Voicemail =
        L"SELECT v.remote_uid,v.date,v.sender,v.duration,v.receiver FROM voicemail AS v;";
    const wchar_t *const VoiceMemoFiles =
        L"SELECT fileID, relativePath FROM Files WHERE relativePath LIKE '%%/CloudRecordings.db' OR relativePath LIKE '%%/CloudRecordings.db-wal'";
    const wchar_t *const LeaveWal =
        L"PRAGMA journal_mode=DELETE;";
    const wchar_t *const VoiceMemoProbe =
        L"SELECT ZCUSTOMLABELFORSORTING FROM ZCLOUDRECORDING";
    const wchar_t *const VoiceMemoA =
        L"SELECT z.ZCUSTOMLABELFORSORTING,z.ZDATE,z.ZDURATION,z.ZPATH,d.pk IS NOT NULL AS del FROM ZCLOUDRECORDING AS z LEFT JOIN (SELECT a.ZENTITYPK AS pk,HEX(a.ZCOLUMNS) AS k FROM ACHANGE AS a WHERE HEX(a.ZCOLUMNS) = '0080') AS d ON z.Z_PK=d.pk;";
    const wchar_t *const VoiceMemoB =
        L"SELECT z.ZCUSTOMLABEL,z.ZDATE,z.ZDURATION,z.ZPATH,d.pk IS NOT NULL AS del FROM ZCLOUDRECORDING AS z LEFT JOIN (SELECT a.ZENTITYPK AS pk,HEX(a.ZCOLUMNS) AS k FROM ACHANGE AS a WHERE HEX(a.ZCOLUMNS) = '0080') AS d ON z.Z_PK=d.pk;";
    const wchar_t *const NotesProbe =
        L"SELECT ZCREATIONDATE3 FROM ZICCLOUDSYNCINGOBJECT";
    const wchar_t *const NotesA =
        L"SELECT z.Z_PK,z.ZTITLE1,z.ZSNIPPET,z.ZCREATIONDATE1,z.ZCREATIONDATE3, z.ZTHUMBNAILATTACHMENTIDENTIFIER,z.ZISPASSWORDPROTECTED,z.ZPASSWORDHINT, d.ZCRYPTOTAG,d.ZDATA, f.ZFOLDERTYPE ,(z.ZMARKEDFORDELETION = 1) AS isdelete,LENGTH(d.ZDATA) AS dataSize FROM ZICNOTEDATA AS d LEFT JOIN ZICCLOUDSYNCINGOBJECT AS z ON d.ZNOTE = z.Z_PK LEFT JOIN (SELECT Z_PK, ZFOLDERTYPE FROM ZICCLOUDSYNCINGOBJECT WHERE ZFOLDERTYPE IS NOT NULL) AS f ON F.Z_PK = z.ZFOLDER WHERE z.ZTITLE1 IS NOT NULL GROUP BY z.Z_PK;";
    const wchar_t *const NotesB =
        L"SELECT z.Z_PK,z.ZTITLE1,z.ZSNIPPET,z.ZCREATIONDATE,z.ZCREATIONDATE1, z.ZTHUMBNAILATTACHMENTIDENTIFIER,z.ZISPASSWORDPROTECTED,z.ZPASSWORDHINT, d.ZCRYPTOTAG,d.ZDATA, f.ZFOLDERTYPE ,(z.ZMARKEDFORDELETION = 1) AS isdelete,LENGTH(d.ZDATA) AS dataSize FROM ZICNOTEDATA AS d LEFT JOIN ZICCLOUDSYNCINGOBJECT AS z ON d.ZNOTE = z.Z_PK LEFT JOIN (SELECT Z_PK, ZFOLDERTYPE FROM ZICCLOUDSYNCINGOBJECT WHERE ZFOLDERTYPE IS NOT NULL) AS f ON F.Z_PK = z.ZFOLDER WHERE z.ZTITLE1 IS NOT NULL GROUP BY z.Z_PK;";
    const wchar_t *const NotesAttachments =
        L"SELECT z1.ZNOTE,z1.ZFILESIZE,z2.ZIDENTIFIER,z2.ZFILENAME FROM ZICCLOUDSYNCINGOBJECT AS z1 LEFT JOIN (SELECT z1.Z_PK AS at,\t\tz1.ZIDENTIFIER,z1.ZFILENAME FROM ZICCLOUDSYNCINGOBJECT AS z1 WHERE z1.ZFILENAME IS NOT NULL) AS z2 ON z1.ZMEDIA = z2.at WHERE z1.ZFILESIZE > 0;";
    const wchar_t *const CalendarOld =
        L"SELECT c.summary,c.start_date,c.end_date,c.description,at.filename,at.file_size FROM CalendarItem AS c LEFT JOIN Attachment AS at ON c.ROWID = at.owner_id WHERE c.entity_type = 2;";
    const wchar_t *const CalendarNew =
        L"SELECT c.summary,c.start_date,c.end_date,c.description,at.filename,at.file_size, a.file_id FROM CalendarItem AS c LEFT JOIN Attachment AS a ON c.ROWID = a.owner_id LEFT JOIN AttachmentFile AS at ON a.file_id = at.ROWID WHERE c.entity_type = 2;";
    const wchar_t *const ReminderStores =
        L"SELECT fileID FROM Files WHERE relativePath LIKE '%Container_v1/Stores/Data-%.sqlite' AND flags = 1;";
    const wchar_t *const RemindersOld =
        L"SELECT c.summary,c.description,c.due_date, c.creation_date, (0) AS 'is_deleted' FROM CalendarItem AS c WHERE c.entity_type = 3;";
    const wchar_t *const PhotosOld =
        L"select ZGENERICASSET.[Z_PK] as id, ZDIRECTORY as path, ZFILENAME as name, ZSORTTOKEN + 0978307200 as date, ZSAVEDASSETTYPE as type, ZKINDSUBTYPE, ZGENERICASSET.ZKIND, ZTRASHEDDATE + 0, ZFAVORITE, ZDURATION from ZGENERICASSET where name is not null and ZKIND = 0 order by date desc;";
    const wchar_t *const PhotosNew =
        L"select ZASSET.[Z_PK] as id, ZDIRECTORY as path, ZFILENAME as name, ZSORTTOKEN + 0978307200 as date, ZSAVEDASSETTYPE as type, ZKINDSUBTYPE, ZASSET.ZKIND, ZTRASHEDDATE + 0, ZFAVORITE, ZDURATION from ZASSET where name is not null and ZKIND = 0 order by date desc;";
    const wchar_t *const VideosOld =
        L"select ZGENERICASSET.[Z_PK] as id, ZDIRECTORY as path, ZFILENAME as name, ZSORTTOKEN + 0978307200 as date, ZSAVEDASSETTYPE as type, ZKINDSUBTYPE, ZGENERICASSET.ZKIND, ZTRASHEDDATE + 0, ZFAVORITE, ZDURATION from ZGENERICASSET where name is not null and ZKIND = 1 order by date desc;";
    const wchar_t *const VideosNew =
        L"select ZASSET.[Z_PK] as id, ZDIRECTORY as path, ZFILENAME as name, ZSORTTOKEN + 0978307200 as date, ZSAVEDASSETTYPE as type, ZKINDSUBTYPE, ZASSET.ZKIND, ZTRASHEDDATE + 0, ZFAVORITE, ZDURATION from ZASSET where name is not null and ZKIND = 1 order by date desc;";
    const wchar_t *const AppImages =
        L"SELECT f.fileID,f.relativePath FROM Files AS f WHERE f.flags = 1 AND NOT (f.relativePath LIKE 'Media/PhotoData/%.JP%G' OR f.relativePath LIKE 'Media/PhotoData/%.PNG' OR f.relativePath LIKE 'Media/PhotoData/Thumbnails/%') AND (f.relativePath LIKE '%.JPG' OR f.relativePath LIKE '%.JPEG' OR f.relativePath LIKE '%.PNG' OR f.relativePath LIKE '%.GIF' OR f.relativePath LIKE '%.ICO' OR f.relativePath LIKE '%.BMP' OR f.relativePath LIKE '%.TIFF' OR f.relativePath LIKE '%.SVG' OR f.relativePath LIKE '%.thumb' OR f.relativePath LIKE '%.WEBP' OR f.relativePath LIKE '%.ICO' OR f.relativePath LIKE '%.gif' OR f.relativePath LIKE '%.psd' OR f.relativePath LIKE '%.Exif' OR f.relativePath LIKE '%.bmp');";
    const wchar_t *const AppVideos =
        L"SELECT f.fileID,f.relativePath FROM Files AS f WHERE f.flags = 1 AND NOT (f.relativePath LIKE 'Media/PhotoData/%.MOV') AND (f.relativePath LIKE '%.MOV' OR f.relativePath LIKE '%.MP4' OR f.relativePath LIKE '%.AVI' OR f.relativePath LIKE '%.FLV' OR f.relativePath LIKE '%.M4V' OR f.relativePath LIKE '%.MKV' OR f.relativePath LIKE '%.RMVB' OR f.relativePath LIKE '%.WMV' OR f.relativePath LIKE '%.WebM' OR f.relativePath LIKE '%.MPG' OR f.relativePath LIKE '%.MPEG' OR f.relativePath LIKE '%.RM');";
    const wchar_t *const AppAudio =
        L"SELECT f.fileID,f.relativePath FROM Files AS f WHERE f.flags = 1 AND (f.relativePath LIKE '%.WAV' OR f.relativePath LIKE '%.MP3' OR f.relativePath LIKE '%.WMA' OR f.relativePath LIKE '%.OGG' OR f.relativePath LIKE '%.APE' OR f.relativePath LIKE '%.MID' OR f.relativePath LIKE '%.AAC' OR f.relativePath LIKE '%.AMR' OR f.relativePath LIKE '%.M4R' OR f.relativePath LIKE '%.M4A' OR f.relativePath LIKE '%.M4B' OR f.relativePath LIKE '%.FLAC' OR f.relativePath LIKE '%.AIFF' OR f.relativePath LIKE '%.OPUS' OR f.relativePath LIKE '%.Caf' OR f.relativePath LIKE '%.WV' OR f.relativePath LIKE '%.aac' OR f.relativePath LIKE '%.aifc')";
    const wchar_t *const AppDocuments =
        L"SELECT f.fileID,f.relativePath FROM Files AS f WHERE f.flags = 1 AND (f.relativePath LIKE '%.TXT' OR f.relativePath LIKE '%.EPUB' OR f.relativePath LIKE '%.PDF' OR f.relativePath LIKE '%.mobi' OR f.relativePath LIKE '%.doc' OR f.relativePath LIKE '%.docx' OR f.relativePath LIKE '%.xls' OR f.relativePath LIKE '%.xlsx' OR f.relativePath LIKE '%.ppt' OR f.relativePath LIKE '%.pptx' OR f.relativePath LIKE '%.csv' OR f.relativePath LIKE '%.vcf' OR f.relativePath LIKE '%.xml' OR f.relativePath LIKE '%.rar' OR f.relativePath LIKE '%.zip' OR f.relativePath LIKE '%.html' OR f.relativePath LIKE '%.apk' OR f.relativePath LIKE '%.EPUB' OR f.relativePath LIKE '%.CAJ' OR f.relativePath LIKE '%.CHM')";
    const wchar_t *const LineGroupDbFile =
        L"SELECT fileID FROM Files WHERE relativePath LIKE '%%UnifiedGroup.sqlite'";
    const wchar_t *const LineChatDbFile =
        L"SELECT fileID FROM Files WHERE relativePath LIKE '%%Line.sqlite'";
    const wchar_t *const LineGroups =
        L"SELECT ZID, ZNAME, ZPICTURESTATUS FROM ZUNIFIEDGROUP";
    const wchar_t *const LineGroupMembers =
        L"SELECT G.ZID, U.ZMID FROM Z_1MEMBERCHATUSERS AS M LEFT JOIN ZUNIFIEDGROUP AS G ON G.Z_PK = M.Z_1GROUPS LEFT JOIN ZUNIFIEDGROUPUSER AS U ON M.Z_2MEMBERCHATUSERS = U.Z_PK;";
    const wchar_t *const LineUsers =
        L"SELECT U.ZMID, U.ZNAME, U.ZSTATUSMESSAGE, U.ZPICTUREURL, U.ZCREATEDTIME FROM ZUSER AS U";
    const wchar_t *const LineChats =
        L"SELECT Z_PK, ZMID, ZTYPE FROM ZCHAT";
    const wchar_t *const LineMessages =
        L"SELECT M.ZCONTENTTYPE, M.ZCHAT, M.ZSENDSTATUS, M.ZTIMESTAMP, M.ZID, M.ZTEXT, M.ZLATITUDE, M.ZLONGITUDE, U.ZMID, M.ZCONTENTMETADATA, C.ZMID AS ZCHATMID FROM ZMESSAGE AS M LEFT JOIN ZUSER AS U ON M.ZSENDER = U.Z_PK LEFT JOIN ZCHAT AS C ON M.ZCHAT = C.Z_PK";
    const wchar_t *const WhatsAppPushNames =
        L"select * from ZWAPROFILEPUSHNAME";
    const wchar_t *const WhatsAppGroupMembers =
        L"select (select ZCONTACTJID from ZWACHATSESSION where Z_PK = ZWAGROUPMEMBER.ZCHATSESSION)as GNAME,ZMEMBERJID from ZWAGROUPMEMBER";
    const wchar_t *const WhatsAppSessions =
        L"select Z_PK AS SESSIONID, ZSESSIONTYPE AS ISGROUP, ZHIDDEN,ZARCHIVED,ZPARTNERNAME,ZCONTACTJID from ZWACHATSESSION WHERE ZSESSIONTYPE < 2 AND ZHIDDEN = 0";
    const wchar_t *const WhatsAppMessages =
        L"SELECT M.Z_PK, M.ZMESSAGETYPE, M.ZGROUPEVENTTYPE, M.ZISFROMME, M.ZMESSAGESTATUS, M.ZSTARRED, M.ZCHATSESSION, M.ZGROUPMEMBER, M.ZMEDIAITEM, M.ZMESSAGEDATE, M.ZFROMJID, M.ZMEDIASECTIONID, M.ZTEXT, M.ZTOJID, G.ZMEMBERJID AS groupmember, C.ZPUSHNAME AS displayname, S.ZPARTNERNAME AS sessionname, S1.ZPUSHNAME AS strref FROM ZWAMESSAGE AS M LEFT JOIN ZWAGROUPMEMBER AS G ON M.ZGROUPMEMBER = G.Z_PK LEFT JOIN ZWAPROFILEPUSHNAME AS C ON groupmember = C.ZJID LEFT JOIN ZWAPROFILEPUSHNAME AS S1 ON S1.ZJID = M.ZTEXT LEFT JOIN ZWACHATSESSION AS S ON S.Z_PK = M.ZCHATSESSION ";

    // A locked database is waited for this long while tasks are built; past
    // that the category is reported as failed rather than built on a guess.
    constexpr int BuildWaitMs = 5000;

    CDBTask &appendTask(DBTaskList &tasks, int32_t category, std::vector<DBQuery> queries,
                        std::unique_ptr<IDBProcessor> processor)
    {
        tasks.push_back(std::make_unique<CDBTask>(category, DBTYPE_SQLITE, std::move(queries), std::move(processor)));
        return *tasks.back();
    }

    std::string utf8(const std::wstring &text)
    {
        return WideToUtf8(text);
    }

    bool isLocked(int result)
    {
        return result == SQLITE_BUSY || result == SQLITE_LOCKED;
    }

    // What the statement gives on the database: SQLITE_ROW or SQLITE_DONE
    // when it is stepped once, SQLITE_OK when it only prepares, an error
    // otherwise; SQLITE_CANTOPEN for a missing file. Nothing when the
    // database stays locked.
    std::optional<int> tryStatement(const std::wstring &dbPath, const wchar_t *statementText, bool step)
    {
        sqlite3 *db = nullptr;
        if (OpenBackupDatabase(dbPath, &db) != SQLITE_OK)
            return SQLITE_CANTOPEN;
        BusyWait wait {nullptr, BuildWaitMs};
        WaitWhileBusy(db, &wait);
        sqlite3_stmt *statement = nullptr;
        int result = sqlite3_prepare_v2(db, utf8(statementText).c_str(), -1, &statement, nullptr);
        if (result == SQLITE_OK && step)
            result = sqlite3_step(statement);
        sqlite3_finalize(statement);
        sqlite3_close_v2(db);
        if (isLocked(result))
            return std::nullopt;
        return result;
    }

    // Variant A when one step of the probe gives a row; B otherwise (also for
    // a missing file, table or column, or an empty table). Nothing when the
    // database stays locked.
    std::optional<bool> probe(const std::wstring &dbPath, const wchar_t *statementText)
    {
        const std::optional<int> result = tryStatement(dbPath, statementText, true);
        return result ? std::optional<bool>(*result == SQLITE_ROW) : std::nullopt;
    }

    // Whether the statement prepares on the database: its tables and
    // columns exist. False for a missing file; nothing when it stays locked.
    std::optional<bool> prepares(const std::wstring &dbPath, const wchar_t *statementText)
    {
        const std::optional<int> result = tryStatement(dbPath, statementText, false);
        return result ? std::optional<bool>(*result == SQLITE_OK) : std::nullopt;
    }

    void replaceOnce(std::wstring &text, const std::wstring &pattern, const std::wstring &replacement)
    {
        const size_t at = text.find(pattern);
        if (at != std::wstring::npos)
            text.replace(at, pattern.size(), replacement);
    }

    // A message statement with the archived text as its last column; the
    // text messages then include those whose text is only there.
    std::wstring withAttributedBody(std::wstring statement)
    {
        replaceOnce(statement, L" FROM message AS m", L", m.attributedBody FROM message AS m");
        replaceOnce(statement, L"WHERE text is not null", L"WHERE (m.text IS NOT NULL OR m.attributedBody IS NOT NULL)");
        return statement;
    }

    using ManifestRows = std::vector<std::pair<std::wstring, std::wstring>>;

    // Rows of a statement on Manifest.db, as (first column, second column)
    // texts. 0 also for a missing file list (no rows); else the
    // DBExecutorError of a file list that stays locked or cannot be read.
    int manifestRows(const std::wstring &backupPath, const wchar_t *statementText, bool firstOnly, ManifestRows &rows)
    {
        rows.clear();
        const std::wstring path = backupPath + ManifestDb;
        if (!PathExists(path))
            return 0;
        sqlite3 *db = nullptr;
        int result = OpenBackupDatabase(path, &db);
        if (result != SQLITE_OK)
            return DBERROR_UNREADABLE;
        BusyWait wait {nullptr, BuildWaitMs};
        WaitWhileBusy(db, &wait);
        sqlite3_stmt *statement = nullptr;
        result = sqlite3_prepare_v2(db, utf8(statementText).c_str(), -1, &statement, nullptr);
        const bool prepared = result == SQLITE_OK;
        if (prepared) {
            while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
                auto text = [&](int column) {
                    const auto *value = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
                    return value ? Utf8ToWide(value) : std::wstring();
                };
                // A row without a file id names nothing; the rows after it still count.
                if (sqlite3_column_type(statement, 0) != SQLITE_NULL)
                    rows.emplace_back(text(0), sqlite3_column_count(statement) > 1 ? text(1) : std::wstring());
                if (firstOnly)
                    break;
            }
        }
        sqlite3_finalize(statement);
        sqlite3_close_v2(db);
        if (isLocked(result)) {
            VARDEX_LOGW(L"Manifest.db stays locked: %ls", backupPath.c_str());
            return DBERROR_LOCKED;
        }
        if (const int error = CategoryErrorOf(result))
            return error;
        return prepared ? 0 : DBERROR_NO_TABLES;
    }

    // A task that stands for a category that could not be built.
    void appendFailedTask(DBTaskList &tasks, int32_t category, int error)
    {
        appendTask(tasks, category, {}, nullptr).error = error;
    }

    bool endsWith(const std::wstring &text, const std::wstring &suffix)
    {
        return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
    }

    // The recordings database to read. Its newer copy and write-ahead log,
    // when the file list names them, are copied into scratch so that the log
    // is applied to our copy: nothing is ever created in the backup. Returns
    // the file list's DBExecutorError, 0 when it could be read.
    int prepareVoiceMemoDatabase(const std::wstring &backupPath, const ScratchFolder &scratch, std::wstring &database)
    {
        database = backupPath + VoiceMemoDb;
        ManifestRows rows;
        if (const int error = manifestRows(backupPath, VoiceMemoFiles, false, rows))
            return error;
        if (scratch.Path().empty())
            return 0;
        const std::wstring copy = scratch.Path() + L"/CloudRecordings.db";

        int copied = 0;
        for (const auto &[fileID, relativePath] : rows) {
            if (relativePath.find(L"CloudRecordings.db") == std::wstring::npos)
                continue;
            const std::wstring source = DBMediaManager::FileIdPath(backupPath, fileID);
            if (source.empty())
                continue;
            if (endsWith(relativePath, L"-wal")) {
                if (DBMediaManager::CopyLocalFile(source, copy + L"-wal"))
                    ++copied;
            } else {
                database = source;
                if (DBMediaManager::CopyLocalFile(source, copy)) {
                    database = copy;
                    ++copied;
                }
            }
        }
        if (copied == 2) {
            // Our own copy: open it writable so that leaving WAL mode folds the log in.
            sqlite3 *db = nullptr;
            if (sqlite3_open_v2(utf8(copy).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK)
                sqlite3_exec(db, utf8(LeaveWal).c_str(), nullptr, nullptr, nullptr);
            sqlite3_close_v2(db);
        }
        return 0;
    }

    // The database the file list names for a statement, else defaultDb.
    // Returns the file list's DBExecutorError, 0 when it could be read.
    int manifestDatabase(const std::wstring &backupPath, const wchar_t *statementText, const wchar_t *defaultDb,
                         std::wstring &database)
    {
        database = backupPath + defaultDb;
        ManifestRows rows;
        if (const int error = manifestRows(backupPath, statementText, true, rows))
            return error;
        if (!rows.empty()) {
            const std::wstring path = DBMediaManager::FileIdPath(backupPath, rows.front().first);
            if (!path.empty())
                database = path;
        }
        return 0;
    }

    std::vector<DBQuery> cameraRollQueries(const std::wstring &db, bool videos)
    {
        return {{0, db, videos ? VideosOld : PhotosOld}, {0, db, videos ? VideosNew : PhotosNew}};
    }

    std::vector<DBQuery> manifestQuery(const std::wstring &backupPath, const wchar_t *statementText)
    {
        return {{0, backupPath + ManifestDb, statementText}};
    }
}

void AddManifestTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_MANIFEST, {{0, backupPath + ManifestDb, ManifestAll}}, std::make_unique<CDBTaskManifest>());
    VARDEX_LOG("Add scan task:manifest");
}

void AddSmsTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    const std::wstring db = backupPath + SmsDb;
    const std::optional<bool> withDeleted = probe(db, SmsProbe);
    if (!withDeleted)
        return;
    const std::optional<bool> withBody = prepares(db, SmsBodyColumn);
    if (!withBody)
        return;
    std::wstring text = *withDeleted ? SmsTextA : SmsTextB;
    std::wstring attachments = *withDeleted ? SmsAttachmentA : SmsAttachmentB;
    if (*withBody) {
        text = withAttributedBody(std::move(text));
        attachments = withAttributedBody(std::move(attachments));
    }
    appendTask(tasks, DBAPP_SMS, {{0, db, std::move(text)}, {1, db, std::move(attachments)}, {2, db, SmsMembers}},
               std::make_unique<CDBScanSMS>());
    VARDEX_LOG("Add scan task:SMS");
}

void AddAddressBookTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    const std::wstring db = backupPath + ContactsDb;
    const std::optional<bool> byRowId = prepares(db, ContactFullTextDeleted);
    if (!byRowId)
        return;
    appendTask(tasks, DBAPP_ADDRESSBOOK,
               {{0, db, ContactPersons},
                {1, db, ContactMultiValues},
                {2, db, ContactEntries},
                {3, backupPath + ContactImagesDb, ContactImages},
                {4, db, *byRowId ? ContactFullTextDeleted : ContactFullText}},
               std::make_unique<CDBScanAddressBook>(*byRowId ? CDBScanAddressBook::LiveByRowId
                                                             : CDBScanAddressBook::LiveByContent));
    VARDEX_LOG("Add scan task:AddressBook");
}

void AddBookmarksTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_BOOKMARKS, {{0, backupPath + BookmarksDb, Bookmarks}}, std::make_unique<CDBScanBookmarks>());
    VARDEX_LOG("Add scan task:BookMarks");
}

void AddSafariHistoryTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_SAFARI_HISTORY,
               {{0, backupPath + SafariHistoryDb, SafariHistory}, {1, backupPath + SafariHistoryDb2, SafariHistory}},
               std::make_unique<CDBScanSafariHistory>());
    VARDEX_LOG("Add scan task:fariHistory");
}

void AddCallHistoryTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_CALL_HISTORY, {{0, backupPath + CallHistoryDb, CallHistory}},
               std::make_unique<CDBScanCallHistory>());
    VARDEX_LOG("Add scan task:CallHistory");
}

void AddFaceTimeTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_FACETIME, {{0, backupPath + CallHistoryDb, FaceTime}}, std::make_unique<CDBScanFaceTime>());
    VARDEX_LOG("Add scan task:FaceTime");
}

void AddVoicemailTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_VOICEMAIL, {{0, backupPath + VoicemailDb, Voicemail}},
               std::make_unique<CDBScanVoiceMaill>());
    VARDEX_LOG("Add scan task:VoiceMail");
}

void AddVoiceMemoTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    auto scratch = std::make_unique<ScratchFolder>();
    std::wstring db;
    if (const int error = prepareVoiceMemoDatabase(backupPath, *scratch, db))
        return appendFailedTask(tasks, DBAPP_VOICEMEMO, error);
    const std::optional<bool> sortingLabel = probe(db, VoiceMemoProbe);
    if (!sortingLabel)
        return;
    CDBTask &task = appendTask(tasks, DBAPP_VOICEMEMO,
                               {{*sortingLabel ? 0 : 1, db, *sortingLabel ? VoiceMemoA : VoiceMemoB}},
                               std::make_unique<CDBScanVoicememo>());
    task.scratch = std::move(scratch);
    VARDEX_LOG("Add scan task:VoiceMemo");
}

void AddNotesTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    const std::wstring db = backupPath + NotesDb;
    const std::optional<bool> newer = probe(db, NotesProbe);
    if (!newer)
        return;
    appendTask(tasks, DBAPP_NOTES, {{0, db, *newer ? NotesA : NotesB}, {1, db, NotesAttachments}},
               std::make_unique<CDBScanNotes>());
    VARDEX_LOG("Add scan task:Notes");
}

void AddCalendarTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    const std::wstring db = backupPath + CalendarDb;
    // One of the two fails to prepare on any given database.
    appendTask(tasks, DBAPP_CALENDAR, {{0, db, CalendarOld}, {0, db, CalendarNew}},
               std::make_unique<CDBScanCalender>());
    VARDEX_LOG("Add scan task:Calendar");
}

void AddRemindersTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_REMINDERS,
               {{0, backupPath + ManifestDb, ReminderStores}, {1, backupPath + CalendarDb, RemindersOld}},
               std::make_unique<CDBScanReminder>());
    VARDEX_LOG("Add scan task:Reminders");
}

void AddPhotosTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_PHOTOS, cameraRollQueries(backupPath + PhotosDb, false), std::make_unique<CDBScanPhotos>());
    VARDEX_LOG("Add scan task:Photos");
}

void AddVideoTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_VIDEO, cameraRollQueries(backupPath + PhotosDb, true), std::make_unique<CDBScanVideo>());
    VARDEX_LOG("Add scan task:Video");
}

void AddDevicePhotosTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_PHOTOS, cameraRollQueries(backupPath + L"/Photos.sqlite", false),
               std::make_unique<CDBScanAFCPhotos>());
    DebugTraceA("Add scan task: AFCPhotos\n");
}

void AddDeviceVideoTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_VIDEO, cameraRollQueries(backupPath + L"/Photos.sqlite", true),
               std::make_unique<CDBScanAFCVedio>());
    DebugTraceA("Add scan task:AFCVideo\n");
}

void Add3rdImageTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_3RD_IMAGE, manifestQuery(backupPath, AppImages), std::make_unique<CDBScan3rdImage>());
    VARDEX_LOG("Add scan task:3rdImage");
}

void Add3rdVideoTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_3RD_VIDEO, manifestQuery(backupPath, AppVideos), std::make_unique<CDBScan3rdVideo>());
    VARDEX_LOG("Add scan task:3rdVideo");
}

void Add3rdAudioTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_3RD_AUDIO, manifestQuery(backupPath, AppAudio), std::make_unique<CDBScan3rdAudio>());
    VARDEX_LOG("Add scan task:3rdAudio");
}

void Add3rdDocumentTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_3RD_DOCUMENT, manifestQuery(backupPath, AppDocuments),
               std::make_unique<CDBScan3rdDocument>());
    DebugTraceA("Add scan task:3rdDocument\n");
}

void AddLineTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    std::wstring groupDb, chatDb;
    int error = manifestDatabase(backupPath, LineGroupDbFile, LineGroupDb, groupDb);
    if (!error)
        error = manifestDatabase(backupPath, LineChatDbFile, LineChatDb, chatDb);
    if (error)
        return appendFailedTask(tasks, DBAPP_LINE, error);
    appendTask(tasks, DBAPP_LINE,
               {{0, groupDb, LineGroups},
                {1, groupDb, LineGroupMembers},
                {2, chatDb, LineUsers},
                {3, chatDb, LineChats},
                {4, chatDb, LineMessages}},
               std::make_unique<CDBScanLINE>());
    VARDEX_LOG("Add scan task: Line");
}

void AddWhatsAppTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    const std::wstring db = backupPath + WhatsAppDb;
    appendTask(tasks, DBAPP_WHATSAPP,
               {{0, db, WhatsAppPushNames}, {1, db, WhatsAppGroupMembers}, {2, db, WhatsAppSessions},
                {3, db, WhatsAppMessages}},
               std::make_unique<CDBScanWhatsApp>());
    VARDEX_LOG("Add scan task: WhatsApp");
}

DBTaskBuilder BackupTaskBuilder(int32_t categoryBit)
{
    switch (categoryBit) {
    case DBAPP_MANIFEST: return AddManifestTask;
    case DBAPP_VIDEO: return AddVideoTask;
    case DBAPP_SMS: return AddSmsTask;
    case DBAPP_ADDRESSBOOK: return AddAddressBookTask;
    case DBAPP_BOOKMARKS: return AddBookmarksTask;
    case DBAPP_SAFARI_HISTORY: return AddSafariHistoryTask;
    case DBAPP_CALL_HISTORY: return AddCallHistoryTask;
    case DBAPP_FACETIME: return AddFaceTimeTask;
    case DBAPP_VOICEMAIL: return AddVoicemailTask;
    case DBAPP_VOICEMEMO: return AddVoiceMemoTask;
    case DBAPP_NOTES: return AddNotesTask;
    case DBAPP_CALENDAR: return AddCalendarTask;
    case DBAPP_REMINDERS: return AddRemindersTask;
    case DBAPP_PHOTOS: return AddPhotosTask;
    case DBAPP_3RD_IMAGE: return Add3rdImageTask;
    case DBAPP_3RD_VIDEO: return Add3rdVideoTask;
    case DBAPP_3RD_AUDIO: return Add3rdAudioTask;
    case DBAPP_3RD_DOCUMENT: return Add3rdDocumentTask;
    case DBAPP_LINE: return AddLineTask;
    case DBAPP_WHATSAPP: return AddWhatsAppTask;
    default: return nullptr;
    }
}

DBTaskBuilder DeviceTaskBuilder(int32_t categoryBit)
{
    switch (categoryBit) {
    case DBAPP_VIDEO: return AddDeviceVideoTask;
    case DBAPP_PHOTOS: return AddDevicePhotosTask;
    default: return nullptr;
    }
}
