#include "storejson.h"

#include <devicedata.h>
#include <deviceparser.h>

#include <QJsonArray>
#include <QJsonDocument>

using namespace DeviceData;

namespace StoreJson {

namespace {

QJsonValue json(const QString &v) { return v; }
QJsonValue json(qint64 v) { return QJsonValue(v); }
QJsonValue json(qint32 v) { return QJsonValue(v); }
QJsonValue json(quint16 v) { return QJsonValue(int(v)); }
QJsonValue json(bool v) { return QJsonValue(v); }
QJsonValue json(double v) { return QJsonValue(v); }
QJsonValue json(float v) { return QJsonValue(double(v)); }
QJsonValue json(const QVariant &v) { return recordJson(v); }

QJsonValue json(const LabelledValues &values)
{
    QJsonArray array;
    for (const auto &pair : values)
        array.append(QJsonArray {pair.first, pair.second});
    return array;
}

QJsonObject object(const MediaInfo &r);

QJsonValue json(const QList<MediaInfo> &list)
{
    QJsonArray array;
    for (const MediaInfo &media : list)
        array.append(object(media));
    return array;
}

#define FIELD(name) o.insert(QStringLiteral(#name), json(r.name))

QJsonObject object(const SMSInfo &r)
{
    QJsonObject o;
    FIELD(address); FIELD(handle); FIELD(dayText); FIELD(attachmentSizeText); FIELD(participants);
    FIELD(subject); FIELD(text); FIELD(attachmentPath); FIELD(attachmentPreview); FIELD(time); FIELD(chatId);
    FIELD(error); FIELD(direction); FIELD(mediaKind); FIELD(isFromMe); FIELD(isForward); FIELD(isSms);
    FIELD(attachmentExists); FIELD(deleted); FIELD(isGroup);
    return o;
}

QJsonObject object(const SMSSessionInfo &r)
{
    QJsonObject o;
    FIELD(key); FIELD(displayName); FIELD(avatar); FIELD(lastMessage); FIELD(extra); FIELD(time); FIELD(count);
    FIELD(deleted); FIELD(finished); FIELD(valid);
    return o;
}

QJsonObject object(const ContactInfo &r)
{
    QJsonObject o;
    FIELD(firstName); FIELD(middleName); FIELD(lastName); FIELD(sortName); FIELD(photoPath); FIELD(organization);
    FIELD(department); FIELD(note); FIELD(birthday); FIELD(jobTitle); FIELD(nickname); FIELD(countryCode);
    FIELD(phones); FIELD(emails); FIELD(urls); FIELD(addresses); FIELD(dates); FIELD(relatedNames);
    FIELD(socialProfiles); FIELD(instantMessaging); FIELD(time); FIELD(rowId); FIELD(recordId); FIELD(reserved2);
    FIELD(deleted); FIELD(finished);
    return o;
}

QJsonObject object(const CHFTInfo &r)
{
    QJsonObject o;
    FIELD(displayName); FIELD(value); FIELD(address); FIELD(dateText); FIELD(durationText); FIELD(contactPhoto);
    FIELD(date); FIELD(originated); FIELD(disconnectedCause); FIELD(reserved); FIELD(deleted); FIELD(finished);
    return o;
}

QJsonObject object(const SafariInfo &r)
{
    QJsonObject o;
    FIELD(title); FIELD(url); FIELD(text3); FIELD(timeText); FIELD(time); FIELD(reserved); FIELD(deleted);
    FIELD(finished);
    return o;
}

QJsonObject object(const VMMInfo &r)
{
    QJsonObject o;
    FIELD(title); FIELD(sender); FIELD(path); FIELD(dateText); FIELD(durationText); FIELD(sizeText); FIELD(size);
    FIELD(date); FIELD(reserved); FIELD(deleted); FIELD(finished);
    return o;
}

QJsonObject object(const MediaInfo &r)
{
    QJsonObject o;
    FIELD(name); FIELD(suffix); FIELD(path); FIELD(preview); FIELD(time); FIELD(size); FIELD(mediaKind);
    FIELD(reserved); FIELD(deleted); FIELD(finished); FIELD(isAttachment);
    return o;
}

QJsonObject object(const NotesInfo &r)
{
    QJsonObject o;
    FIELD(title); FIELD(body); FIELD(createdText); FIELD(attachments); FIELD(created); FIELD(noteId);
    FIELD(recordId); FIELD(locked); FIELD(reserved); FIELD(deleted); FIELD(finished);
    return o;
}

QJsonObject object(const CalenderReminderInfo &r)
{
    QJsonObject o;
    FIELD(id); FIELD(title); FIELD(notes); FIELD(location); FIELD(url); FIELD(listName); FIELD(startText);
    FIELD(endText); FIELD(attachments); FIELD(start); FIELD(end); FIELD(priority); FIELD(completed);
    FIELD(reserved); FIELD(deleted); FIELD(finished);
    return o;
}

QJsonObject object(const DocumentInfo &r)
{
    QJsonObject o;
    FIELD(name); FIELD(suffix); FIELD(dateText); FIELD(sizeText); FIELD(path); FIELD(size); FIELD(time);
    FIELD(reserved); FIELD(deleted); FIELD(finished); FIELD(reserved3);
    return o;
}

QJsonObject object(const LineSessionInfo &r)
{
    QJsonObject o;
    FIELD(id); FIELD(mid); FIELD(title); FIELD(pictureFile); FIELD(members); FIELD(spare); FIELD(lastMessage);
    FIELD(time); FIELD(chatKind); FIELD(spare2); FIELD(deleted); FIELD(finished); FIELD(valid);
    return o;
}

QJsonObject object(const WaSessionInfo &r)
{
    QJsonObject o;
    FIELD(id); FIELD(contactJid); FIELD(title); FIELD(spare); FIELD(members); FIELD(lastMessage); FIELD(time);
    FIELD(chatKind); FIELD(spare2); FIELD(deleted); FIELD(finished); FIELD(valid);
    return o;
}

QJsonObject object(const LineInfo &r)
{
    QJsonObject o;
    FIELD(chatId); FIELD(sendStatus); FIELD(ownFlag); FIELD(contentType); FIELD(messageId); FIELD(text);
    FIELD(senderMid); FIELD(time); FIELD(contentText); FIELD(filePath); FIELD(altPath); FIELD(fileSize);
    FIELD(latitude); FIELD(longitude); FIELD(extraNumber); FIELD(extraText1); FIELD(extraText2); FIELD(extraText3);
    FIELD(dateText); FIELD(dateTimeText); FIELD(sizeText); FIELD(direction); FIELD(valid); FIELD(spare);
    return o;
}

QJsonObject object(const WaMessageInfo &r)
{
    QJsonObject o;
    FIELD(pk); FIELD(messageStatus); FIELD(messageType); FIELD(groupEventType); FIELD(groupMember); FIELD(starred);
    FIELD(chatSession); FIELD(isQuote); FIELD(isFromMe); FIELD(hasQuote); FIELD(isSystemText); FIELD(peerJid);
    FIELD(sessionName); FIELD(text); FIELD(movieDuration); FIELD(fileName); FIELD(mediaPath); FIELD(thumbnailPath);
    FIELD(fileSizeText); FIELD(mediaTitle); FIELD(dayText); FIELD(dateTimeText); FIELD(senderName);
    FIELD(latitude); FIELD(longitude); FIELD(mediaExists); FIELD(unsupported); FIELD(direction); FIELD(date);
    FIELD(senderJid); FIELD(senderNumber);
    return o;
}

#undef FIELD

template <typename T>
bool tryRecord(const QVariant &value, const char *name, QJsonValue &out, QString *typeName)
{
    if (value.userType() != qMetaTypeId<T>())
        return false;
    out = object(value.value<T>());
    if (typeName)
        *typeName = QString::fromLatin1(name);
    return true;
}

} // namespace

QJsonValue recordJson(const QVariant &value, QString *typeName)
{
    QJsonValue out = QJsonValue::Null;
    if (typeName)
        typeName->clear();
    tryRecord<SMSInfo>(value, "SMSInfo", out, typeName) || tryRecord<SMSSessionInfo>(value, "SMSSessionInfo", out, typeName)
        || tryRecord<ContactInfo>(value, "ContactInfo", out, typeName)
        || tryRecord<CHFTInfo>(value, "CHFTInfo", out, typeName)
        || tryRecord<SafariInfo>(value, "SafariInfo", out, typeName)
        || tryRecord<VMMInfo>(value, "VMMInfo", out, typeName)
        || tryRecord<MediaInfo>(value, "MediaInfo", out, typeName)
        || tryRecord<NotesInfo>(value, "NotesInfo", out, typeName)
        || tryRecord<CalenderReminderInfo>(value, "CalenderReminderInfo", out, typeName)
        || tryRecord<DocumentInfo>(value, "DocumentInfo", out, typeName)
        || tryRecord<LineSessionInfo>(value, "LineSessionInfo", out, typeName)
        || tryRecord<WaSessionInfo>(value, "WaSessionInfo", out, typeName)
        || tryRecord<LineInfo>(value, "LineInfo", out, typeName)
        || tryRecord<WaMessageInfo>(value, "WaMessageInfo", out, typeName);
    return out;
}

QByteArray quoted(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray {text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

namespace {

// One list: each record on a line of its own, or one line with the count.
// head is the line's opening, up to the list's own keys.
template <typename List, typename Wrap>
void writeList(const QByteArray &head, const List &list, bool count, Wrap wrap, const LineWriter &writeLine)
{
    if (count) {
        writeLine(head + ",\"records\":" + QByteArray::number(list.size()) + "}");
        return;
    }
    for (int row = 0; row < list.size(); ++row) {
        QString typeName;
        const QJsonValue record = recordJson(wrap(list.at(row)), &typeName);
        const QByteArray body = record.isObject() ? QJsonDocument(record.toObject()).toJson(QJsonDocument::Compact)
                                                  : QByteArray("null");
        writeLine(head + ",\"row\":" + QByteArray::number(row) + ",\"recordType\":" + quoted(typeName)
                  + ",\"record\":" + body + "}");
    }
}

} // namespace

void writeStore(bool count, const LineWriter &writeLine)
{
    DeviceParser *parser = DeviceParser::instance();
    const auto asIs = [](const QVariant &v) { return v; };
    const QMap<int, QList<QVariant>> lists = parser->recordMap(DeviceGroup);
    for (auto it = lists.constBegin(); it != lists.constEnd(); ++it)
        writeList("{\"list\":\"records\",\"type\":" + QByteArray::number(it.key()), it.value(), count, asIs,
                  writeLine);

    const QList<QString> smsKeys = parser->smsMessageKeys();
    const QList<int> scanTypes = parser->sessionScanTypes();
    const QList<int> lineChats = parser->lineSessionIds();
    for (const QString &key : smsKeys)
        writeList("{\"list\":\"messages\",\"key\":" + quoted(key), parser->smsMessages(key), count,
                  [](const SMSInfo &m) { return QVariant::fromValue(m); }, writeLine);
    for (int scanType : scanTypes) {
        const QMap<int, QList<QVariant>> sessions = parser->sessionMap(scanType);
        for (auto it = sessions.constBegin(); it != sessions.constEnd(); ++it)
            writeList("{\"list\":\"sessions\",\"scanType\":" + QByteArray::number(scanType)
                          + ",\"key\":" + QByteArray::number(it.key()),
                      it.value(), count, asIs, writeLine);
    }
    for (int chatId : lineChats)
        writeList("{\"list\":\"lineMessages\",\"chatId\":" + QByteArray::number(chatId),
                  parser->lineSessions(chatId), count, [](const LineInfo &m) { return QVariant::fromValue(m); },
                  writeLine);
}

} // namespace StoreJson
