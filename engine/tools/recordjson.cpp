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
        if (value == 2)
            return smsMemberJson(*static_cast<const STSMSmember *>(record));
        return smsJson(*static_cast<const STSMS *>(record));
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
