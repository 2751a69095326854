#pragma once

// The main program's scanned records: one small value type per kind of data.
// They travel inside QVariants (store lists, queued signals, view models).
//
// Later code (views, chat views, export) was written against other names for
// the same fields. The names below hold; each field's comment gives the other
// name after "aka", so a field can be found by its meaning:
//   - `finished` aka "checkable": set for every record of a category once the
//     category is complete; only then may the user check the record.
//   - the uint16 `reserved` (or `count`, `reserved2`, `spare2`) aka
//     "check state": the views keep the record's Qt::CheckState (0 or 2,
//     sometimes 1) there and write the record back into the store.
//   - `valid` aka "visible" on session records.
//   - `deleted` aka "isDeleted".
// Dates held as int64 are seconds since 1970-01-01 UTC; date texts are local
// time.

#include <QList>
#include <QMetaType>
#include <QPair>
#include <QString>
#include <QVariant>
#include <QVector>

#include <cstdint>

namespace DeviceData {

// First key of the store and first argument of its signals. Every device or
// backup scan uses group 0.
enum GroupType : int
{
    DeviceGroup = 0
};

// The categories the user sees and selects. A category's attachments are a
// category of their own with the id plus 1.
enum DataCategory : int
{
    Contacts = 1,
    Messages = 2,
    MessagesAttachment = 3,
    Voicemails = 4,
    VoiceMemos = 8,
    Photos = 16,
    AlbumVideos = 32,
    FaceTime = 64,
    SafariBookmarks = 128,
    SafariHistory = 256,
    Notes = 512,
    NotesAttachment = 513,
    CallHistory = 1024,
    Calendars = 2048,
    CalendarsAttachment = 2049,
    Reminders = 4096,
    RemindersAttachment = 4097,
    AppPhotos = 0x2000,
    AppVideos = 0x4000,
    AppAudios = 0x8000,
    AppDocuments = 0x10000,
    WhatsApp = 0x20000,
    WhatsAppAttachment = 0x20001,
    Line = 0x40000,
    LineAttachment = 0x40001
};

// The engine category (a DbAppCategory bit) whose records fill a category;
// 0 for an id that is not a category.
int engineCategoryOf(int dataCategory);

// What a file is, decided by its name; chooses the icon or thumbnail.
enum MediaKind : int
{
    VideoKind = 0,
    AudioKind = 1,
    ImageKind = 2,
    ArchiveKind = 3,
    WordKind = 4,
    SpreadsheetKind = 5,
    PresentationKind = 6,
    PdfKind = 7,
    TextKind = 8,
    OtherKind = 10,
    NoAttachmentKind = 11 // a message without attachment
};

using LabelledValues = QList<QPair<QString, QString>>;

// One message of a Messages conversation.
struct SMSInfo
{
    QString address;           // peer address, whitespace removed; a group's "_$!<chatId>!$_" key
    QString handle;            // peer handle; a group's comma-separated member ids
    QString dayText;           // aka "dateText": "yyyy-MM-dd"
    QString attachmentSizeText; // aka "sizeText"
    QString participants;      // aka "recipients": handles separated by ","
    QString subject;
    QString text;              // "<" and ">" escaped; the file name for an attachment
    QString attachmentPath;    // aka "localPath"
    QString attachmentPreview; // aka "thumbnailPath"
    qint64 time = 0;
    qint32 chatId = 0;
    quint16 error = 0;         // aka "sendState", error code (4 not sent)
    quint16 direction = 0;     // aka "alignment": 1 received (left), 2 sent (right)
    quint16 mediaKind = NoAttachmentKind; // aka "contentType", a MediaKind
    bool isFromMe = false;
    bool isForward = false;    // aka "forwarded"
    bool isSms = false;        // aka "viaSms"
    bool attachmentExists = false;
    bool deleted = false;
    bool isGroup = false;
};

// One Messages conversation (category 2).
struct SMSSessionInfo
{
    QString key;         // the handle; smsMessages(key) holds the messages
    QString displayName;
    QString avatar;      // aka "avatar path"
    QVariant lastMessage; // an SMSInfo
    QVariant extra;      // aka "previewMessage": an SMSInfo shown instead of lastMessage, or null
    qint64 time = 0;
    quint16 count = 0;   // aka "check state"
    bool deleted = false;
    bool finished = false; // aka "checkable"
    bool valid = false;  // aka "visible"
};

// One contact (category 1). List entries are (label, value).
struct ContactInfo
{
    QString firstName;
    QString middleName;
    QString lastName;
    QString sortName;     // aka "fullName", the display name
    QString photoPath;    // aka "picturePath"
    QString organization; // aka "company"
    QString department;
    QString note;
    QString birthday;     // "yyyy-MM-dd"
    QString jobTitle;
    QString nickname;
    QString countryCode;
    LabelledValues phones;
    LabelledValues emails;
    LabelledValues urls;
    LabelledValues addresses; // lines joined by "<br>"
    LabelledValues dates;
    LabelledValues relatedNames;
    LabelledValues socialProfiles;
    LabelledValues instantMessaging; // aka "instantMessages"
    qint64 time = 0;
    quint16 rowId = 0;     // low 16 bits of the database row id
    qint32 recordId = 0;   // the whole row id: photos and labelled values are matched on it
    quint16 reserved2 = 0; // aka "check state"
    bool deleted = false;  // aka "isDeleted"
    bool finished = false; // aka "checkable"
};

// One call (FaceTime 64, Call History 1024).
struct CHFTInfo
{
    QString displayName;  // aka "name"
    QString value;        // aka "number"
    QString address;
    QString dateText;     // "yyyy-MM-dd hh:mm:ss"; empty when date is 0
    QString durationText; // "hh:mm:ss"
    QString contactPhoto;
    qint64 date = 0;      // aka "time"
    quint16 originated = 0;        // aka "direction": 0 incoming, else outgoing
    quint16 disconnectedCause = 0; // aka "callStatus"
    quint16 reserved = 0;  // aka "check state"
    bool deleted = false;  // aka "isDeleted"
    bool finished = false; // aka "checkable"
};

// One bookmark (128) or history visit (256).
struct SafariInfo
{
    QString title;
    QString url;
    QString text3;    // aka "category": the bookmark folder
    QString timeText; // aka "dateText"
    qint64 time = 0;
    quint16 reserved = 0;  // aka "check state"
    bool deleted = false;  // aka "isDeleted"
    bool finished = false; // aka "checkable"
};

// One voicemail (4) or voice memo (8).
struct VMMInfo
{
    QString title;  // aka "name"
    QString sender; // aka "number"
    QString path;   // the audio file
    QString dateText;
    QString durationText;
    QString sizeText;
    qint64 size = 0;
    qint64 date = 0;
    quint16 reserved = 0;  // aka "check state"
    bool deleted = false;  // aka "isDeleted"
    bool finished = false; // aka "checkable"
};

// One photo, video or attachment file.
struct MediaInfo
{
    QString name;
    QString suffix;
    QString path;    // aka "filePath"
    QString preview; // aka "thumbPath", "second source path"
    qint64 time = 0;
    qint64 size = 0;
    quint16 mediaKind = 0; // aka "kind", a MediaKind
    quint16 reserved = 0;  // aka "check state"
    bool deleted = false;  // aka "isDeleted"
    bool finished = false; // aka "checkable"
    bool isAttachment = false;
};

// One note (category 512).
struct NotesInfo
{
    QString title;
    QString body;        // aka "content"
    QString createdText; // aka "dateText"
    QList<MediaInfo> attachments;
    qint64 created = 0;  // aka "time"
    quint16 noteId = 0;  // low 16 bits of the row id
    qint32 recordId = 0; // the whole row id: attachments are matched on it
    bool locked = false;
    quint16 reserved = 0;  // aka "check state"
    bool deleted = false;  // aka "isDeleted"
    bool finished = false; // aka "checkable"
};

// One calendar event (2048) or reminder (4096).
struct CalenderReminderInfo
{
    QString id; // a reminder's id as text; attachments match on it
    QString title;
    QString notes;
    QString location;
    QString url;
    QString listName;
    QString startText;
    QString endText;
    QList<MediaInfo> attachments;
    qint64 start = 0; // aka "startTime"
    qint64 end = 0;   // aka "endTime"
    quint16 priority = 0;
    quint16 completed = 0;
    quint16 reserved = 0;  // aka "checkValue", the check state
    bool deleted = false;  // aka "isDeleted"
    bool finished = false; // aka "checkable"
};

// One audio file or document of an app folder (0x8000, 0x10000).
struct DocumentInfo
{
    QString name;
    QString suffix; // aka "format"
    QString dateText;
    QString sizeText;
    QString path;   // the source file
    qint64 size = 0;
    qint64 time = 0;
    quint16 reserved = 0;  // aka "check state"
    bool deleted = false;  // aka "isDeleted"
    bool finished = false; // aka "checkable"
    bool reserved3 = false;
};

// One LINE chat session (0x40000).
struct LineSessionInfo
{
    qint32 id = 0;       // lineSessions(id) holds its messages
    QString mid;         // aka "key"
    QString title;       // aka "display name"
    QString pictureFile; // aka "picture path"
    QString members;     // aka "member markup"
    QString spare;
    QVariant lastMessage; // a LineInfo
    qint64 time = 0;
    quint16 chatKind = 0; // aka "kind": 0 one-to-one, 2 group, 100 LINE Keep
    quint16 spare2 = 0;   // aka "check state"
    bool deleted = false;
    bool finished = false; // aka "check enabled", "checkable"
    bool valid = false;    // aka "visible"
};

// One WhatsApp chat session (0x20000).
struct WaSessionInfo
{
    qint32 id = 0;      // sessionRecords(0x20000, id) holds its messages
    QString contactJid; // aka "key", the chat address
    QString title;      // aka "display name"
    QString spare;      // aka "avatar path"
    QString members;    // aka "member markup"
    QVariant lastMessage; // a WaMessageInfo
    qint64 time = 0;
    quint16 chatKind = 0; // aka "type": 0 individual, 2 group, 101 starred messages
    quint16 spare2 = 0;   // aka "check state"
    bool deleted = false;
    bool finished = false; // aka "checkable"
    bool valid = false;    // aka "visible"
};

// One LINE message (per session, and as LINE attachment records).
struct LineInfo
{
    qint32 chatId = 0;
    qint32 sendStatus = 0;  // aka "send state"
    qint32 ownFlag = 0;     // aka "group flag"
    qint32 contentType = 0;
    QString messageId;
    QString text;
    QString senderMid;      // aka "sender handle"; empty for the owner's messages
    qint64 time = 0;
    QString contentText;    // aka "media name"
    QString filePath;       // aka "local path"
    QString altPath;        // aka "thumbnail path"
    qint64 fileSize = 0;
    double latitude = 0;    // aka "duration in milliseconds" in the chat view
    double longitude = 0;
    qint32 extraNumber = 0; // aka "call kind"
    QString extraText1;     // aka "call-result text"
    QString extraText2;
    QString extraText3;     // aka "contact-card text"
    QString dateText;       // aka "list time text": "yyyy-MM-dd"
    QString dateTimeText;   // aka "time text"
    QString sizeText;
    quint16 direction = 0;  // aka "alignment": 2 sent, 1 received
    bool valid = false;     // aka "fileExists", "exists"
    bool spare = false;     // aka "deleted"
};

// One WhatsApp message (per session, and as WhatsApp attachment records).
// `date` is in seconds like every other record; a consumer that wants
// milliseconds converts on its side.
struct WaMessageInfo
{
    qint32 pk = 0;
    qint32 messageStatus = 0; // aka "send state"
    qint32 messageType = 0;   // WhatsApp message type, 0 to 42
    qint32 groupEventType = 0;
    qint32 groupMember = 0;
    qint32 starred = 0;
    qint32 chatSession = 0;
    qint32 isQuote = 0;       // aka "quote flag": a quoted copy stored after the message
    qint32 isFromMe = 0;
    qint32 hasQuote = 0;
    qint32 isSystemText = 0;  // aka "system-message flag"
    QString peerJid;
    QString sessionName;
    QString text;             // HTML-escaped
    qint32 movieDuration = 0; // aka "media duration", seconds
    QString fileName;         // aka "media name"
    QString mediaPath;        // aka "local path"
    QString thumbnailPath;
    QString fileSizeText;     // aka "attachment size text"
    QString mediaTitle;       // aka "media caption"
    QString dayText;          // aka "short time text": "yyyy-MM-dd"
    QString dateTimeText;     // aka "time text": "yyyy-MM-dd hh:mm:ss"
    QString senderName;       // aka "sender": push name, else the JID up to its last "@"
    float latitude = 0;
    float longitude = 0;
    bool mediaExists = false; // aka "exists"
    bool unsupported = false; // a kind the chat view does not render
    quint16 direction = 0;    // aka "alignment": 2 from the owner, else 1
    qint64 date = 0;          // aka "time": seconds, not milliseconds
    QString senderJid;        // the sender's cached JID
    QString senderNumber;     // and number
};

// Registers every record type, the QLists of them, GroupType and
// QVector<int> with the meta-type system. Idempotent; call before the first
// record crosses a thread.
void registerMetaTypes();

} // namespace DeviceData

namespace Vx {

// One entry of the category lists and type-selection lists.
struct DataItemInfo
{
    QString name;          // display text, or a group heading
    qint32 category = 0;   // aka "id": the DataCategory id; 0 for a heading
    bool flagA = false;    // aka "hasData": the category produced records
    bool flagB = false;    // aka "checkable"
    qint32 checkState = 0; // Qt::CheckState value
    qint32 value = 0;      // aka "count": number of records
    qint32 isHeading = 0;  // aka "isGroup": 1 for a group heading
};

} // namespace Vx

Q_DECLARE_METATYPE(DeviceData::GroupType)
Q_DECLARE_METATYPE(DeviceData::SMSInfo)
Q_DECLARE_METATYPE(DeviceData::SMSSessionInfo)
Q_DECLARE_METATYPE(DeviceData::ContactInfo)
Q_DECLARE_METATYPE(DeviceData::CHFTInfo)
Q_DECLARE_METATYPE(DeviceData::SafariInfo)
Q_DECLARE_METATYPE(DeviceData::VMMInfo)
Q_DECLARE_METATYPE(DeviceData::MediaInfo)
Q_DECLARE_METATYPE(DeviceData::NotesInfo)
Q_DECLARE_METATYPE(DeviceData::CalenderReminderInfo)
Q_DECLARE_METATYPE(DeviceData::DocumentInfo)
Q_DECLARE_METATYPE(DeviceData::LineSessionInfo)
Q_DECLARE_METATYPE(DeviceData::WaSessionInfo)
Q_DECLARE_METATYPE(DeviceData::LineInfo)
Q_DECLARE_METATYPE(DeviceData::WaMessageInfo)
Q_DECLARE_METATYPE(Vx::DataItemInfo)
