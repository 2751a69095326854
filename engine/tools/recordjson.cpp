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
    case DBAPP_REMINDERS:
        if (value == REMINDER_ATTACHMENT_SUBTYPE)
            return reminderAttachmentJson(*static_cast<const STReminderAttachment *>(record));
        return reminderJson(*static_cast<const STReminder *>(record));
    case DBAPP_VOICEMAIL:
        return voiceMailJson(*static_cast<const STVoiceMail *>(record));
    case DBAPP_VOICEMEMO:
        return voicememoJson(*static_cast<const STVoicememo *>(record));
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
    return line.str();
}
