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
}

std::string RecordToJson(int kind, int /*value*/, const void *record)
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
