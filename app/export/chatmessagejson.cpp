#include "chatmessagejson.h"

#include "chatsummarytexts.h"
#include "deviceparser.h"
#include "exportpages.h"
#include "exportsink.h"
#include "jsondatafile.h"
#include "formatutils.h"

#include <QObject>
#include <QtMath>

using namespace DeviceData;

namespace {

const QString kMessage = QStringLiteral("message");
const QString kMessageType = QStringLiteral("messageType");
const QString kLocalPath = QStringLiteral("local_path");
const QString kThumbnail = QStringLiteral("thumbnail_path");
const QString kCaption = QStringLiteral("media_caption");
const QString kDuration = QStringLiteral("media_duration");
const QString kMapIcon = QStringLiteral("resource/ATIcon/wa/test_map.png");

QString downloadHint()
{
    return QObject::tr("Before restoring data, please download the file first!");
}

// An attachment row: queued, or the hint and counted at once.
void attach(const QString &folder, const QString &source, QJsonObject &item, QJsonObject &info,
            const QString &targetName)
{
    if (ExportPages::addAttachment(folder, source, info, targetName))
        return;
    item.insert(kMessage, downloadHint());
    countWrittenMessage();
}

// A row that shows only a text: nothing to copy, counted at once.
void textRow(QJsonObject &item, int messageType, const QString &text)
{
    item.insert(kMessageType, messageType);
    item.insert(kMessage, text);
    countWrittenMessage();
}

QString durationText(double milliseconds)
{
    return formatDuration(qRound(milliseconds / 1000.0));
}

} // namespace

void countWrittenMessage()
{
    ExportSink *sink = ExportSink::current();
    sink->increaseSucceeded();
    sink->increaseProcessed();
}

QString plainMessageText(const QString &stored)
{
    if (!stored.contains(QLatin1Char('&')))
        return stored;
    QString text = stored;
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    return text;
}

void appendJsonString(QByteArray &out, const QString &text)
{
    JsonDataFile::appendString(out, text);
}

namespace {

void appendMember(QByteArray &out, const char *key)
{
    out.append('"').append(key).append("\":");
}

void appendBool(QByteArray &out, const char *key, bool value)
{
    appendMember(out, key);
    out.append(value ? "true," : "false,");
}

void appendNumber(QByteArray &out, const char *key, qint64 value)
{
    appendMember(out, key);
    out.append(QByteArray::number(value)).append(',');
}

void appendText(QByteArray &out, const char *key, const QString &value)
{
    appendMember(out, key);
    appendJsonString(out, value);
    out.append(',');
}

} // namespace

void appendSmsMessageJson(QByteArray &out, const QString &folder, const SMSInfo &message, int id, bool *queued)
{
    int messageType = 6;
    switch (message.mediaKind) {
    case NoAttachmentKind: messageType = 2; break;
    case ImageKind: messageType = 3; break;
    case VideoKind: messageType = 4; break;
    default: break;
    }
    bool copying = false;
    QJsonObject paths;
    if (message.mediaKind != NoAttachmentKind) {
        copying = ExportPages::addAttachment(folder, message.attachmentPath, paths, QString());
        if (message.mediaKind == VideoKind)
            ExportPages::copyThumbnail(folder, message.attachmentPreview, paths);
    }

    out.append('{');
    appendNumber(out, "alignment", message.direction);
    appendNumber(out, "error", message.error);
    //: State of a chat message that never left the phone, shown beside it in the exported page.
    appendText(out, "errorMeaning", message.error == 4 ? QObject::tr("Unsent") : QString());
    appendNumber(out, "id", id);
    appendMember(out, "info");
    out.append('{');
    if (message.mediaKind != NoAttachmentKind)
        appendText(out, "local_path", paths.value(kLocalPath).toString());
    appendText(out, "message", plainMessageText(message.text));
    appendNumber(out, "messageType", messageType);
    if (message.mediaKind != NoAttachmentKind)
        appendText(out, "size", message.attachmentSizeText);
    if (message.mediaKind == VideoKind)
        appendText(out, "thumbnailPath", paths.value(QStringLiteral("thumbnailPath")).toString());
    appendMember(out, "timeStamp");
    out.append(QByteArray::number(message.time)).append("},");
    appendBool(out, "isDeleted", message.deleted);
    appendBool(out, "isExist", message.attachmentExists);
    appendBool(out, "isForward", message.isForward);
    appendBool(out, "isFromme", message.isFromMe);
    appendBool(out, "isGroupChat", message.isGroup);
    appendBool(out, "isSMS", message.isSms);
    appendMember(out, "type");
    out.append(QByteArray::number(message.mediaKind)).append('}');
    if (queued)
        *queued = copying;
}

void chatMembersToJson(QJsonObject &head, const SMSSessionInfo &chat, const SMSInfo &lastMessage)
{
    head.insert(QStringLiteral("name"), chat.displayName);
    QString members = QObject::tr("To: ");
    DeviceParser *store = DeviceParser::instance();
    const QStringList numbers = lastMessage.participants.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &number : numbers) {
        ContactInfo contact;
        if (store->findContactByNumber(number, contact))
            members += QStringLiteral("%1(%2), ").arg(contact.sortName, number);
        else
            members += number + QStringLiteral(", ");
    }
    if (members.endsWith(QLatin1String(", ")))
        members.chop(2);
    head.insert(QStringLiteral("grpMembers"), members);
    head.insert(QStringLiteral("avatar"), lastMessage.isGroup ? QStringLiteral("resource/ATIcon/default_Group.png")
                                                               : QStringLiteral("resource/ATIcon/default_Persion.png"));
}

void chatMessageToJson(const QString &folder, const LineInfo &message, QJsonObject &item, QJsonObject &info)
{
    item.insert(QStringLiteral("alignment"), message.direction);
    item.insert(QStringLiteral("callType"), message.extraNumber);
    item.insert(QStringLiteral("isDelete"), message.spare);
    item.insert(QStringLiteral("isExist"), message.valid);
    item.insert(QStringLiteral("isGif"), false);
    item.insert(QStringLiteral("isIOSBackup"), true);
    item.insert(QStringLiteral("isQuote"), false);
    item.insert(QStringLiteral("isSysInfo"), false);
    item.insert(QStringLiteral("sender"), DeviceParser::instance()->displayName(message.senderMid));
    QString status;
    if (message.sendStatus == 2)
        status = QObject::tr("Failed to send");
    else if (message.sendStatus == 4)
        status = QObject::tr("Unsent");
    item.insert(QStringLiteral("sendstatus"), status);
    item.insert(QStringLiteral("timesStamp"), message.time);
    const int kind = message.contentType & 0xFFFF;
    item.insert(QStringLiteral("waType"), kind);

    info.insert(QStringLiteral("dataSize"), message.sizeText);
    info.insert(kLocalPath, message.filePath);
    info.insert(kCaption, QString());
    info.insert(kDuration, QString());
    info.insert(QStringLiteral("media_name"), message.contentText);
    info.insert(kThumbnail, message.altPath);

    const double duration = message.latitude; // milliseconds in a LINE record
    switch (kind) {
    case 0:
    case 107:
        textRow(item, 2, message.text);
        break;
    case 1:
    case 96:
    case 112:
        item.insert(kMessageType, 3);
        attach(folder, message.filePath, item, info, message.contentText);
        break;
    case 2:
        item.insert(kMessageType, 4);
        ExportPages::copyAttachment(folder, message.altPath, info, kThumbnail);
        attach(folder, message.filePath, item, info, message.contentText);
        break;
    case 3:
        item.insert(kMessageType, 6);
        if (ExportPages::addAttachment(folder, message.filePath, info, message.contentText)) {
            info.insert(kDuration, durationText(duration));
        } else {
            item.insert(kMessage, downloadHint());
            countWrittenMessage();
        }
        break;
    case 6:
        item.insert(kMessageType, 13);
        if (message.ownFlag) {
            info.insert(kCaption, message.extraNumber ? translateText("LineChat", "Group video started.")
                                                      : translateText("LineChat", "Group voice started."));
        } else if (message.extraText1.contains(QLatin1String("NORMAL"))) {
            info.insert(kDuration, durationText(duration));
            info.insert(kCaption, message.extraNumber ? translateText("LineChat", "Video call")
                                                      : translateText("LineChat", "Voice call"));
        } else {
            info.insert(kCaption, message.extraText1);
        }
        countWrittenMessage();
        break;
    case 7:
        item.insert(kMessageType, 11);
        info.insert(kLocalPath, QStringLiteral("resource/ATIcon/emojis_invalid.png"));
        countWrittenMessage();
        break;
    case 13:
        item.insert(kMessageType, 8);
        info.insert(QStringLiteral("media_name"), message.extraText3);
        info.insert(kThumbnail, QString());
        countWrittenMessage();
        break;
    case 14:
        item.insert(kMessageType, 7);
        attach(folder, message.filePath, item, info, message.contentText);
        break;
    case 18:
        textRow(item, 12, callEndedText(message.text));
        break;
    case 100:
        item.insert(kMessageType, 9);
        info.insert(kCaption, message.text);
        info.insert(kThumbnail, kMapIcon);
        countWrittenMessage();
        break;
    default:
        textRow(item, 12, QObject::tr("Unsupported data type!"));
        break;
    }
}

void waMessageToJson(const QString &folder, const WaMessageInfo &message, QJsonObject &item, QJsonObject &info)
{
    const int kind = message.messageType;
    const QString text = plainMessageText(message.text);
    item.insert(QStringLiteral("alignment"), message.direction);
    // Our WhatsApp records carry no deleted flag.
    item.insert(QStringLiteral("isDelete"), false);
    item.insert(QStringLiteral("isExist"), message.mediaExists);
    item.insert(QStringLiteral("isIOSBackup"), true);
    item.insert(QStringLiteral("isQuote"), message.isQuote);
    item.insert(QStringLiteral("isSysInfo"), message.isSystemText != 0);
    item.insert(QStringLiteral("sender"), message.senderName);
    item.insert(QStringLiteral("sendstatus"), message.messageStatus);
    item.insert(QStringLiteral("timesStamp"), message.date); // seconds in our record
    item.insert(QStringLiteral("waType"), kind);

    info.insert(QStringLiteral("dataSize"), message.fileSizeText);
    info.insert(kLocalPath, message.mediaPath);
    info.insert(kCaption, message.mediaTitle);
    info.insert(kDuration, message.movieDuration);
    info.insert(QStringLiteral("media_name"), message.fileName);
    info.insert(kThumbnail, message.thumbnailPath);

    switch (kind) {
    case 0:
    case 6:
    case 7:
        textRow(item, message.isSystemText ? 12 : 2, message.isSystemText ? waSystemMessageText(text) : text);
        break;
    case 1:
    case 15:
    case 38:
    case 42:
        item.insert(kMessageType, 3);
        attach(folder, message.mediaPath, item, info, QString());
        break;
    case 2:
    case 11:
    case 13:
    case 39:
        item.insert(kMessageType, 4);
        item.insert(QStringLiteral("isGif"), kind == 11);
        ExportPages::copyAttachment(folder, message.thumbnailPath, info, kThumbnail);
        attach(folder, message.mediaPath, item, info, message.fileName);
        break;
    case 3:
        // The audio title stands in the media caption of our record.
        item.insert(kMessageType, message.mediaTitle.isEmpty() ? 6 : 5);
        attach(folder, message.mediaPath, item, info, message.fileName);
        break;
    case 4:
        item.insert(kMessageType, 8);
        attach(folder, message.mediaPath, item, info, message.fileName + QStringLiteral(".vcf"));
        break;
    case 5:
        item.insert(kMessageType, 9);
        info.insert(kThumbnail, kMapIcon);
        if (message.mediaTitle.isEmpty())
            info.insert(kCaption, QStringLiteral("(Long:%1 Lat:%2)")
                                      .arg(QString::number(double(message.longitude), 'g', 6),
                                           QString::number(double(message.latitude), 'g', 6)));
        countWrittenMessage();
        break;
    case 8:
        item.insert(kMessageType, 7);
        attach(folder, message.mediaPath, item, info, message.fileName);
        break;
    case 10:
        item.insert(kMessageType, 13);
        item.insert(QStringLiteral("isExist"), true);
        item.insert(QStringLiteral("callType"),
                    message.text.contains(QLatin1String("started a video call"), Qt::CaseInsensitive) ? 1 : 0);
        info.insert(kCaption, waSystemMessageText(text));
        countWrittenMessage();
        break;
    case 12:
        textRow(item, 10, QObject::tr("This file has expired!"));
        break;
    case 14:
        textRow(item, 12, QObject::tr("This message has been deleted!"));
        break;
    default:
        textRow(item, 12, QObject::tr("Unsupported data type!"));
        break;
    }
}
