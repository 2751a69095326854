#include "recordjson.h"

#include "dbrecords.h"
#include "idbexecutor.h"
#include "jsonline.h"

namespace
{
    std::string manifestJson(const STManifestFile &r)
    {
        return JsonLine()
            .add("flags", r.flags)
            .add("fileID", r.fileID)
            .add("domain", r.domain)
            .add("relativePath", r.relativePath)
            .str();
    }

    std::string filesJson(const STFiles &r)
    {
        return JsonLine()
            .add("name", r.name)
            .add("filePath", r.filePath)
            .add("extraPath", r.extraPath)
            .add("date", r.date)
            .str();
    }

    std::string smsJson(const STSMS &r)
    {
        return JsonLine()
            .add("isDeleted", r.isDeleted)
            .add("isGroup", r.isGroup)
            .add("groupId", r.groupId)
            .add("isFromMe", r.isFromMe)
            .add("isForward", r.isForward)
            .add("error", r.error)
            .add("date", r.date)
            .add("id", r.id)
            .add("uncanonicalizedId", r.uncanonicalizedId)
            .add("service", r.service)
            .add("subject", r.subject)
            .add("text", r.text)
            .add("country", r.country)
            .add("attachmentFile", r.attachmentFile)
            .str();
    }

    std::string smsMemberJson(const STSMSmember &r)
    {
        return JsonLine()
            .add("chatId", r.chatId)
            .add("id", r.id)
            .add("uncanonicalizedId", r.uncanonicalizedId)
            .add("country", r.country)
            .add("service", r.service)
            .str();
    }

    std::string personJson(const STAddressBook &r)
    {
        return JsonLine()
            .add("rowId", r.rowId)
            .add("creationDate", r.creationDate)
            .add("modificationDate", r.modificationDate)
            .add("first", r.first)
            .add("middle", r.middle)
            .add("last", r.last)
            .add("firstPhonetic", r.firstPhonetic)
            .add("middlePhonetic", r.middlePhonetic)
            .add("lastPhonetic", r.lastPhonetic)
            .add("organization", r.organization)
            .add("department", r.department)
            .add("note", r.note)
            .add("birthday", r.birthday)
            .add("jobTitle", r.jobTitle)
            .add("nickname", r.nickname)
            .add("prefix", r.prefix)
            .add("suffix", r.suffix)
            .add("compositeNameFallback", r.compositeNameFallback)
            .add("alternateBirthday", r.alternateBirthday)
            .str();
    }

    std::string multiValueJson(const STAddressBookProperty &r)
    {
        return JsonLine()
            .add("recordId", r.recordId)
            .add("uid", r.uid)
            .add("property", r.property)
            .add("label", r.label)
            .add("value", r.value)
            .str();
    }

    std::string entryJson(const STAddressBookPropertyValue &r)
    {
        return JsonLine().add("parentId", r.parentId).add("key", r.key).add("value", r.value).str();
    }

    std::string imageJson(const STAddressBookImage &r)
    {
        return JsonLine().add("recordId", r.recordId).add("cropWidth", r.cropWidth).add("imageFile", r.imageFile).str();
    }

    std::string fullTextJson(const STDeletedAddressBook &r)
    {
        return JsonLine()
            .add("first", r.first)
            .add("middle", r.middle)
            .add("last", r.last)
            .add("organization", r.organization)
            .add("department", r.department)
            .add("note", r.note)
            .add("birthday", r.birthday)
            .add("date", r.date)
            .add("address", r.address)
            .add("im", r.im)
            .add("phone", r.phone)
            .add("email", r.email)
            .add("url", r.url)
            .add("relatedNames", r.relatedNames)
            .add("socialProfile", r.socialProfile)
            .str();
    }

    // The contact records differ by sub-type.
    std::string contactJson(int value, const void *record)
    {
        switch (value) {
        case 0: return personJson(*static_cast<const STAddressBook *>(record));
        case 1: return multiValueJson(*static_cast<const STAddressBookProperty *>(record));
        case 2: return entryJson(*static_cast<const STAddressBookPropertyValue *>(record));
        case 3: return imageJson(*static_cast<const STAddressBookImage *>(record));
        case 4: return fullTextJson(*static_cast<const STDeletedAddressBook *>(record));
        default: return "{}";
        }
    }

    std::string callJson(const STCallHistory &r)
    {
        return JsonLine()
            .add("address", r.address)
            .add("value", r.value)
            .add("duration", r.duration)
            .add("date", r.date)
            .add("countryCode", r.countryCode)
            .add("originated", r.originated)
            .add("answered", r.answered)
            .add("disconnectedCause", r.disconnectedCause)
            .str();
    }

    std::string calendarJson(const STCalender &r)
    {
        return JsonLine()
            .add("summary", r.summary)
            .add("startDate", r.startDate)
            .add("endDate", r.endDate)
            .add("description", r.description)
            .add("attachmentName", r.attachmentName)
            .add("attachmentPath", r.attachmentPath)
            .add("attachmentSize", r.attachmentSize)
            .str();
    }

    std::string bookmarkJson(const STBookMarks &r)
    {
        return JsonLine().add("title", r.title).add("url", r.url).add("folder", r.folder).str();
    }

    std::string safariHistoryJson(const STSafariHistory &r)
    {
        return JsonLine().add("title", r.title).add("visitTime", r.visitTime).add("url", r.url).str();
    }

    std::string reminderJson(const STReminder &r)
    {
        return JsonLine()
            .add("isDeleted", r.isDeleted)
            .add("id", r.id)
            .add("title", r.title)
            .add("notes", r.notes)
            .add("creationDate", r.creationDate)
            .add("dueDate", r.dueDate)
            .add("locationTitle", r.locationTitle)
            .add("url", r.url)
            .add("latitude", r.latitude)
            .add("longitude", r.longitude)
            .add("radius", r.radius)
            .add("priority", r.priority)
            .add("completed", r.completed)
            .add("listName", r.listName)
            .str();
    }

    std::string reminderAttachmentJson(const STReminderAttachment &r)
    {
        return JsonLine()
            .add("fileSize", r.fileSize)
            .add("height", r.height)
            .add("width", r.width)
            .add("reminderId", r.reminderId)
            .add("filePath", r.filePath)
            .add("fileName", r.fileName)
            .add("identifier", r.identifier)
            .str();
    }

    std::string voiceMailJson(const STVoiceMail &r)
    {
        return JsonLine()
            .add("sender", r.sender)
            .add("receiver", r.receiver)
            .add("date", r.date)
            .add("duration", r.duration)
            .add("audioFile", r.audioFile)
            .str();
    }

    std::string notesJson(const STNotes &r)
    {
        return JsonLine()
            .add("inSpecialFolder", int(r.inSpecialFolder))
            .add("pk", r.pk)
            .add("title", r.title)
            .add("snippet", r.snippet)
            .add("creationDate", r.creationDate)
            .add("thumbnailFile", r.thumbnailFile)
            .add("isPasswordProtected", r.isPasswordProtected)
            .add("passwordHint", r.passwordHint)
            .add("cryptoTag", r.cryptoTag)
            .add("body", r.body)
            .str();
    }

    std::string notesAttachmentJson(const STNotesAttachment &r)
    {
        return JsonLine()
            .add("noteId", r.noteId)
            .add("file", r.file)
            .add("fileSize", r.fileSize)
            .str();
    }

    std::string voicememoJson(const STVoicememo &r)
    {
        return JsonLine()
            .add("deleted", r.deleted)
            .add("label", r.label)
            .add("date", r.date)
            .add("duration", r.duration)
            .add("file", r.file)
            .str();
    }

    std::string lineJson(int value, const void *record)
    {
        switch (value) {
        case 0: {
            const auto &r = *static_cast<const STLineGroup *>(record);
            return JsonLine().add("id", r.id).add("name", r.name).add("pictureFile", r.pictureFile).str();
        }
        case 1: {
            const auto &r = *static_cast<const STLineGroupMember *>(record);
            return JsonLine().add("groupId", r.groupId).add("memberMid", r.memberMid).str();
        }
        case 2: {
            const auto &r = *static_cast<const STLineUser *>(record);
            return JsonLine()
                .add("mid", r.mid)
                .add("name", r.name)
                .add("statusMessage", r.statusMessage)
                .add("pictureFile", r.pictureFile)
                .add("createdTime", r.createdTime)
                .str();
        }
        case 3: {
            const auto &r = *static_cast<const STLineChat *>(record);
            return JsonLine().add("chatPk", r.chatPk).add("type", r.type).add("mid", r.mid).str();
        }
        case 4: {
            const auto &r = *static_cast<const STLineMessage *>(record);
            return JsonLine()
                .add("chat", r.chat)
                .add("sendStatus", r.sendStatus)
                .add("isGroupChat", r.isGroupChat)
                .add("contentType", r.contentType)
                .add("id", r.id)
                .add("text", r.text)
                .add("senderMid", r.senderMid)
                .add("timestamp", r.timestamp)
                .add("attachmentName", r.attachmentName)
                .add("attachmentFile", r.attachmentFile)
                .add("thumbnailFile", r.thumbnailFile)
                .add("fileSize", r.fileSize)
                .add("latitudeOrDuration", r.latitudeOrDuration)
                .add("longitude", r.longitude)
                .add("isVideoCall", r.isVideoCall)
                .add("callResult", r.callResult)
                .add("metaMid", r.metaMid)
                .add("metaDisplayName", r.metaDisplayName)
                .str();
        }
        default:
            return "{}";
        }
    }

    std::string whatsAppMessageJson(const STWhatsAppMessage &r)
    {
        return JsonLine()
            .add("pk", r.pk)
            .add("isFromMe", r.isFromMe)
            .add("messageStatus", r.messageStatus)
            .add("messageType", r.messageType)
            .add("groupEventType", r.groupEventType)
            .add("groupMember", r.groupMember)
            .add("starred", r.starred)
            .add("chatSession", r.chatSession)
            .add("sessionName", r.sessionName)
            .add("hasQuote", r.hasQuote)
            .addRaw("quoted", r.quoted ? whatsAppMessageJson(*r.quoted) : "null")
            .add("date", r.date)
            .add("peerJid", r.peerJid)
            .add("text", r.text)
            .add("movieDuration", r.movieDuration)
            .add("fileSize", r.fileSize)
            .add("title", r.title)
            .add("mediaTitle", r.mediaTitle)
            .add("mediaFile", r.mediaFile)
            .add("thumbnailFile", r.thumbnailFile)
            .add("mediaSectionId", r.mediaSectionId)
            .add("latitude", double(r.latitude))
            .add("longitude", double(r.longitude))
            .add("isSystemText", int(r.isSystemText))
            .add("reserved", int(r.reserved))
            .str();
    }

    // The WhatsApp records differ by sub-type (the query index).
    std::string whatsAppJson(int value, const void *record)
    {
        switch (value) {
        case 0: {
            const auto &r = *static_cast<const STWhatsAppPushName *>(record);
            return JsonLine().add("jid", r.jid).add("number", r.number).add("pushName", r.pushName).str();
        }
        case 1: {
            const auto &r = *static_cast<const STWhatsAppGroupMember *>(record);
            return JsonLine().add("groupJid", r.groupJid).add("memberJid", r.memberJid).str();
        }
        case 2: {
            const auto &r = *static_cast<const STWhatsAppSession *>(record);
            return JsonLine()
                .add("sessionId", r.sessionId)
                .add("isGroup", r.isGroup)
                .add("hidden", r.hidden)
                .add("archived", r.archived)
                .add("contactJid", r.contactJid)
                .add("partnerName", r.partnerName)
                .str();
        }
        case 3: return whatsAppMessageJson(*static_cast<const STWhatsAppMessage *>(record));
        default: return "{}";
        }
    }
}

std::string RecordToJson(int kind, int value, const void *record)
{
    if (!record)
        return "{}";
    switch (kind) {
    case DBAPP_MANIFEST:
        return manifestJson(*static_cast<const STManifestFile *>(record));
    case DBAPP_VIDEO:
    case DBAPP_PHOTOS:
    case DBAPP_3RD_IMAGE:
    case DBAPP_3RD_VIDEO:
    case DBAPP_3RD_AUDIO:
    case DBAPP_3RD_DOCUMENT:
        return filesJson(*static_cast<const STFiles *>(record));
    case DBAPP_SMS:
        if (value == SMS_MEMBER_SUBTYPE)
            return smsMemberJson(*static_cast<const STSMSmember *>(record));
        return smsJson(*static_cast<const STSMS *>(record));
    case DBAPP_ADDRESSBOOK:
        return contactJson(value, record);
    case DBAPP_CALL_HISTORY:
    case DBAPP_FACETIME:
        return callJson(*static_cast<const STCallHistory *>(record));
    case DBAPP_CALENDAR:
        return calendarJson(*static_cast<const STCalender *>(record));
    case DBAPP_BOOKMARKS:
        return bookmarkJson(*static_cast<const STBookMarks *>(record));
    case DBAPP_SAFARI_HISTORY:
        return safariHistoryJson(*static_cast<const STSafariHistory *>(record));

    case DBAPP_REMINDERS:
        if (value == REMINDER_ATTACHMENT_SUBTYPE)
            return reminderAttachmentJson(*static_cast<const STReminderAttachment *>(record));
        return reminderJson(*static_cast<const STReminder *>(record));
    case DBAPP_VOICEMAIL:
        return voiceMailJson(*static_cast<const STVoiceMail *>(record));
    case DBAPP_VOICEMEMO:
        return voicememoJson(*static_cast<const STVoicememo *>(record));
    case DBAPP_LINE:
        return lineJson(value, record);
    case DBAPP_WHATSAPP:
        return whatsAppJson(value, record);
    case DBAPP_NOTES:
        if (value == NOTES_ATTACHMENT_SUBTYPE)
            return notesAttachmentJson(*static_cast<const STNotesAttachment *>(record));
        return notesJson(*static_cast<const STNotes *>(record));
    default:
        return "{}";
    }
}

std::string EventToJson(int status, int kind, int value, const void *record)
{
    JsonLine line;
    line.add("status", status).add("kind", kind).add("value", value);
    if (status == DBSTATUS_RECORD)
        line.addRaw("record", RecordToJson(kind, value, record));
    else if (status == DBSTATUS_COPY_PROGRESS && record)
        line.add("percent", *static_cast<const double *>(record));
    return line.str();
}
