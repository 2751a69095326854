#pragma once

// Records handed to DBExecutorCallback with status DBSTATUS_RECORD. Text is
// wide; NULL columns give empty strings or 0. Dates stay in the database's
// own epoch unless a field says otherwise.

#include <cstdint>
#include <string>

// DBAPP_MANIFEST: one row of Manifest.db's Files table.
struct STManifestFile
{
    int32_t flags = 0;
    std::wstring fileID;
    std::wstring domain;
    std::wstring relativePath;
};

// A file: photos, videos and the files of other apps.
struct STFiles
{
    std::wstring name;      // as shown to the user
    std::wstring filePath;  // local path of the content
    std::wstring extraPath; // the thumbnail, where there is one
    int64_t date = 0;       // seconds since 1970, 0 when unknown
};

// DBAPP_SMS, sub-types 0 (text message) and 1 (message with an attachment).
struct STSMS
{
    bool isDeleted = false; // listed among the recoverable (deleted) messages
    bool isGroup = false;
    int32_t groupId = 0; // row id of the chat, 0 when there is none
    int32_t isFromMe = 0;
    int32_t isForward = 0;
    int32_t error = 0;
    int64_t date = 0; // message date, or the attachment's creation date
    std::wstring id;  // handle of the other party
    std::wstring uncanonicalizedId;
    std::wstring service;
    std::wstring subject;
    std::wstring text;
    std::wstring country;
    std::wstring attachmentFile; // local copy; empty when none or not found
};

// DBAPP_SMS, sub-type 2: one member of a group chat.
constexpr int SMS_MEMBER_SUBTYPE = 2;
struct STSMSmember
{
    int32_t chatId = 0;
    std::wstring id;
    std::wstring uncanonicalizedId;
    std::wstring country;
    std::wstring service;
};

// DBAPP_ADDRESSBOOK, sub-type 0: one person.
struct STAddressBook
{
    int32_t rowId = 0;
    int64_t creationDate = 0;
    std::wstring modificationDate;
    std::wstring first;
    std::wstring middle;
    std::wstring last;
    std::wstring firstPhonetic;
    std::wstring middlePhonetic;
    std::wstring lastPhonetic;
    std::wstring organization;
    std::wstring department;
    std::wstring note;
    std::wstring birthday;
    std::wstring jobTitle;
    std::wstring nickname;
    std::wstring prefix;
    std::wstring suffix;
    std::wstring compositeNameFallback;
    std::wstring alternateBirthday;
};

// DBAPP_ADDRESSBOOK, sub-type 1: one multi-value (phone, e-mail, ...) of a person.
struct STAddressBookProperty
{
    int32_t recordId = 0; // the person's rowId
    int32_t uid = 0;      // this multi-value's own id
    int32_t property = 0;
    std::wstring label;
    std::wstring value;
};

// DBAPP_ADDRESSBOOK, sub-type 2: one keyed entry of a structured multi-value.
struct STAddressBookPropertyValue
{
    int32_t parentId = 0; // the uid of the owning multi-value
    std::wstring key;
    std::wstring value;
};

// DBAPP_ADDRESSBOOK, sub-type 3: a contact picture written to the output folder.
struct STAddressBookImage
{
    int32_t recordId = 0;
    int32_t cropWidth = 0;
    std::wstring imageFile; // "" when the picture could not be written
};

// DBAPP_ADDRESSBOOK, sub-type 4: one row of the contacts full-text index,
// where deleted contacts remain.
struct STDeletedAddressBook
{
    std::wstring first;
    std::wstring middle;
    std::wstring last;
    std::wstring organization;
    std::wstring department;
    std::wstring note;
    std::wstring birthday;
    std::wstring date;
    std::wstring address;
    std::wstring im;
    std::wstring phone;
    std::wstring email;
    std::wstring url;
    std::wstring relatedNames;
    std::wstring socialProfile;
};

// DBAPP_CALL_HISTORY: one call.
struct STCallHistory
{
    std::wstring address; // the handle's normalized value, else the call's name
    std::wstring value;
    double duration = 0;
    int64_t date = 0;
    std::wstring countryCode;
    int32_t originated = 0;
    int32_t answered = 0;
    int32_t disconnectedCause = 0;
};

// DBAPP_FACETIME: one FaceTime call, laid out as a call.
using STFaceTime = STCallHistory;

// DBAPP_CALENDAR: one event with its attachment.
struct STCalender
{
    std::wstring summary;
    double startDate = 0;
    double endDate = 0;
    std::wstring description;
    std::wstring attachmentName;
    std::wstring attachmentPath; // the file inside the backup, "" when not found
    int64_t attachmentSize = 0;
};

// DBAPP_BOOKMARKS: one Safari bookmark.
struct STBookMarks
{
    std::wstring title;
    std::wstring url;
    std::wstring folder; // the parent folder's title
};

// DBAPP_SAFARI_HISTORY: one Safari visit.
struct STSafariHistory
{
    std::wstring title;
    int64_t visitTime = 0;
    std::wstring url;
};

// DBAPP_REMINDERS, sub-type 0: one reminder, from a reminders store or from
// the calendar database (which leaves id, location, priority and completed empty).
struct STReminder
{
    bool isDeleted = false;
    std::wstring id; // "<store file id>-<row key>"
    std::wstring title;
    std::wstring notes;
    int64_t creationDate = 0;
    int64_t dueDate = 0;
    std::wstring locationTitle;
    std::wstring url;
    double latitude = 0;
    double longitude = 0;
    double radius = 0;
    int32_t priority = 0;
    int32_t completed = 0;
    std::wstring listName;
};

// DBAPP_REMINDERS, sub-type 2: one attachment of a reminder.
constexpr int REMINDER_ATTACHMENT_SUBTYPE = 2;
struct STReminderAttachment
{
    int64_t fileSize = 0;
    int32_t height = 0;
    int32_t width = 0;
    std::wstring reminderId; // the id of the owning STReminder
    std::wstring filePath;   // the file inside the backup folder, or empty
    std::wstring fileName;
    std::wstring identifier; // the attachment's cloud identifier
};

// DBAPP_VOICEMAIL: one voicemail.
struct STVoiceMail
{
    std::wstring sender;
    std::wstring receiver;
    int64_t date = 0;
    int32_t duration = 0;
    std::wstring audioFile; // local copy of the audio, or empty
};

// DBAPP_VOICEMEMO: one recording.
struct STVoicememo
{
    bool deleted = false;
    std::wstring label;
    int64_t date = 0;
    double duration = 0;
    std::wstring file; // local copy of the recording, or empty
};

// DBAPP_WHATSAPP, sub-type 0: a contact's chosen display name.
struct STWhatsAppPushName
{
    std::wstring jid;
    std::wstring number; // jid up to its first '@'
    std::wstring pushName;
};

// DBAPP_WHATSAPP, sub-type 1: one member of a group chat.
struct STWhatsAppGroupMember
{
    std::wstring groupJid;
    std::wstring memberJid;
};

// DBAPP_WHATSAPP, sub-type 2: one chat (single or group).
struct STWhatsAppSession
{
    int32_t sessionId = 0;
    int32_t isGroup = 0;
    int32_t hidden = 0;
    int32_t archived = 0;
    std::wstring contactJid;
    std::wstring partnerName;
};

// DBAPP_WHATSAPP, sub-type 3: one message. It owns the message it quotes;
// both live only for the callback.
struct STWhatsAppMessage
{
    STWhatsAppMessage() = default;
    STWhatsAppMessage(const STWhatsAppMessage &) = delete;
    STWhatsAppMessage &operator=(const STWhatsAppMessage &) = delete;
    ~STWhatsAppMessage() { delete quoted; }

    int32_t pk = 0;
    int32_t isFromMe = 0;
    int32_t messageStatus = 0;
    int32_t messageType = 0;
    int32_t groupEventType = 0;
    int32_t groupMember = 0;
    int32_t starred = 0;
    int32_t chatSession = 0;
    std::wstring sessionName;
    int32_t hasQuote = 0;
    STWhatsAppMessage *quoted = nullptr;
    int64_t date = 0; // milliseconds since 1970
    std::wstring peerJid;
    std::wstring text; // an event sentence when isSystemText is 1
    int32_t movieDuration = 0;
    int64_t fileSize = 0;
    std::wstring title;
    std::wstring mediaTitle;
    std::wstring mediaFile;     // inside the backup (a contact card: in the output folder), or ""
    std::wstring thumbnailFile; // inside the backup, or ""
    std::wstring mediaSectionId;
    float latitude = 0;
    float longitude = 0;
    uint8_t isSystemText = 0;
    uint8_t reserved = 0;
};

// DBAPP_LINE, sub-type 0: one group.
struct STLineGroup
{
    std::wstring id;
    std::wstring name;
    std::wstring pictureFile; // the downloaded picture, or empty
};

// DBAPP_LINE, sub-type 1: one member of a group.
struct STLineGroupMember
{
    std::wstring groupId; // empty when the group is missing
    std::wstring memberMid;
};

// DBAPP_LINE, sub-type 2: one user.
struct STLineUser
{
    std::wstring mid;
    std::wstring name;
    std::wstring statusMessage;
    std::wstring pictureFile; // the downloaded picture, or empty
    int64_t createdTime = 0;
};

// DBAPP_LINE, sub-type 3: one chat.
struct STLineChat
{
    int32_t chatPk = 0;
    int32_t type = 0;
    std::wstring mid;
};

// DBAPP_LINE, sub-type 4: one message.
struct STLineMessage
{
    int32_t chat = 0;
    int32_t sendStatus = 0;
    int32_t isGroupChat = 0;
    int32_t contentType = 0; // 18 for a text without id and an ended group call
    std::wstring id;
    std::wstring text;
    std::wstring senderMid;
    int64_t timestamp = 0;
    std::wstring attachmentName;
    std::wstring attachmentFile; // the file inside the backup folder, or empty
    std::wstring thumbnailFile;  // the thumbnail inside the backup folder, or empty
    int64_t fileSize = 0;
    double latitudeOrDuration = 0; // a one-to-one call's duration in seconds
    double longitude = 0;
    int32_t isVideoCall = 0;
    std::wstring callResult;
    std::wstring metaMid;
    std::wstring metaDisplayName;
};

// DBAPP_NOTES, sub-type 0: one note.
struct STNotes
{
    uint8_t inSpecialFolder = 0; // 1 when the note's folder has a type, such as "Recently Deleted"
    int32_t pk = 0;
    std::wstring title;
    std::wstring snippet;
    int64_t creationDate = 0; // whole seconds since 2001-01-01
    std::wstring thumbnailFile; // local copy of the thumbnail, or empty
    int32_t isPasswordProtected = 0;
    std::wstring passwordHint;
    std::wstring cryptoTag; // lowercase hex of a binary tag; a text tag as stored
    std::wstring body;      // empty when locked or when it cannot be decoded
};

// DBAPP_NOTES, sub-type 1: one attachment of a note.
constexpr int NOTES_ATTACHMENT_SUBTYPE = 1;
struct STNotesAttachment
{
    int32_t noteId = 0; // the pk of the owning note
    std::wstring file;  // local copy of the attachment, or empty
    int64_t fileSize = 0;
};
