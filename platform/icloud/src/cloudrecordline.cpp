#include "cloudrecordline.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace
{
    std::wstring text(const QJsonObject &o, const char *key)
    {
        return o.value(QLatin1String(key)).toString().toStdWString();
    }

    qint64 number(const QJsonObject &o, const char *key)
    {
        const QJsonValue value = o.value(QLatin1String(key));
        return value.isBool() ? qint64(value.toBool()) : qint64(value.toDouble());
    }
}

const void *CloudRecordLine::data() const
{
    return std::visit(
        [](const auto &value) -> const void * {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::monostate>)
                return nullptr;
            else
                return &value;
        },
        record);
}

bool parseCloudEndLine(const QByteArray &line, int &kind)
{
    const QJsonDocument document = QJsonDocument::fromJson(line);
    if (!document.isObject() || !document.object().value("end").isDouble())
        return false;
    kind = document.object().value("end").toInt();
    return true;
}

bool parseCloudRecordLine(const QByteArray &line, CloudRecordLine &out, QString *error)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &parseError);
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!document.isObject())
        return fail(parseError.error != QJsonParseError::NoError ? parseError.errorString() : QStringLiteral("not an object"));
    const QJsonObject object = document.object();
    if (!object.value("kind").isDouble() || !object.contains("record"))
        return fail(QStringLiteral("no kind or record"));
    const QJsonValue recordValue = object.value("record");
    if (!recordValue.isObject() && !recordValue.isNull())
        return fail(QStringLiteral("the record is not an object"));
    out = CloudRecordLine();
    out.kind = object.value("kind").toInt();
    out.subKind = object.value("subKind").toInt();
    if (recordValue.isNull() || out.subKind < 0 || out.subKind > 9)
        return true;
    const QJsonObject r = recordValue.toObject();
    using namespace Cirrane;
    switch (out.kind * 10 + out.subKind) {
    case 10:
    case 20:
        out.record = STMedia{uint8_t(number(r, "deleted")), number(r, "size"), number(r, "date"),
                             text(r, "fileName"), text(r, "localPath"), text(r, "previewPath")};
        break;
    case 40:
        out.record = STContacts{int32_t(number(r, "contactId")), text(r, "firstName"), text(r, "middleName"),
                                text(r, "lastName"), text(r, "birthday")};
        break;
    case 41:
        out.record = STContactsInfo{int32_t(number(r, "contactId")), int32_t(number(r, "kind")), text(r, "label"),
                                    text(r, "value")};
        break;
    case 50:
        out.record = STCalendarEvent{int32_t(number(r, "eventId")), text(r, "title"), text(r, "notes"),
                                     text(r, "location"), number(r, "start"), number(r, "end")};
        break;
    case 51:
        out.record = STCalendarAttachment{int32_t(number(r, "eventId")), text(r, "name"), text(r, "localPath"),
                                          int32_t(number(r, "size"))};
        break;
    case 60:
        out.record = STNotes{int32_t(number(r, "noteId")), int32_t(number(r, "deleted")), number(r, "created"),
                             text(r, "title"), text(r, "body"), text(r, "attachmentName"), text(r, "attachmentPath")};
        break;
    case 70:
        out.record = STReminders{int32_t(number(r, "reminderId")), uint8_t(number(r, "deleted")),
                                 uint8_t(number(r, "completed")), uint16_t(number(r, "priority")), number(r, "start"),
                                 number(r, "end"), text(r, "listName"), text(r, "title"), text(r, "notes")};
        break;
    case 71:
        out.record = STRemindersAttachment{int32_t(number(r, "reminderId")), text(r, "name"), text(r, "localPath")};
        break;
    case 72:
        out.record = STRemindersAlarmTrigger{int32_t(number(r, "reminderId")), text(r, "title")};
        break;
    default:
        break; // a kind without a layout: the intake ignores it
    }
    return true;
}
