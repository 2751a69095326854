#include "chatmessagejson.h"

#include "chatexportseam.h"
#include "chatsummarytexts.h"
#include "deviceparser.h"
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
    if (ChatExportSeam::addAttachment(folder, source, info, targetName))
        return;
    item.insert(kMessage, downloadHint());
    ChatExportSeam::countDone();
}

// A row that shows only a text: nothing to copy, counted at once.
void textRow(QJsonObject &item, int messageType, const QString &text)
{
    item.insert(kMessageType, messageType);
    item.insert(kMessage, text);
    ChatExportSeam::countDone();
}

QString durationText(double milliseconds)
{
    return formatDuration(qRound(milliseconds / 1000.0));
}

} // namespace

QString plainMessageText(const QString &stored)
{
    if (!stored.contains(QLatin1Char('&')))
        return stored;
    QString text = stored;
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    return text;
}

QJsonObject smsMessageToJson(const QString &folder, const SMSInfo &message, int id, bool *queued)
{
    QJsonObject info;
    info.insert(kMessage, plainMessageText(message.text));
    info.insert(QStringLiteral("timeStamp"), message.time);
    bool copying = false;
    switch (message.mediaKind) {
    case NoAttachmentKind:
        info.insert(kMessageType, 2);
        break;
    case ImageKind:
        info.insert(kMessageType, 3);
        break;
    case VideoKind:
        info.insert(kMessageType, 4);
        break;
    default:
        info.insert(kMessageType, 6);
        break;
    }
    if (message.mediaKind != NoAttachmentKind) {
        info.insert(QStringLiteral("size"), message.attachmentSizeText);
        copying = ChatExportSeam::addAttachment(folder, message.attachmentPath, info, QString());
        if (message.mediaKind == VideoKind)
            ChatExportSeam::copyThumbnail(folder, message.attachmentPreview, info);
    }

    QJsonObject object;
    object.insert(QStringLiteral("alignment"), message.direction);
    object.insert(QStringLiteral("error"), message.error);
    object.insert(QStringLiteral("errorMeaning"), message.error == 4 ? QObject::tr("Unsent") : QString());
    object.insert(QStringLiteral("id"), id);
    object.insert(QStringLiteral("info"), info);
    object.insert(QStringLiteral("isDeleted"), message.deleted);
    object.insert(QStringLiteral("isExist"), message.attachmentExists);
    object.insert(QStringLiteral("isForward"), message.isForward);
    object.insert(QStringLiteral("isFromme"), message.isFromMe);
    object.insert(QStringLiteral("isGroupChat"), message.isGroup);
    object.insert(QStringLiteral("isSMS"), message.isSms);
    object.insert(QStringLiteral("type"), message.mediaKind);
    if (queued)
        *queued = copying;
    return object;
}

void chatMembersToJson(QJsonObject &head, const SMSSessionInfo &chat, const SMSInfo &lastMessage)
{
    head.insert(QStringLiteral("name"), chat.displayName);
    QString members = QStringLiteral("To: ");
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
        ChatExportSeam::copyAttachment(folder, message.altPath, info, kThumbnail);
        attach(folder, message.filePath, item, info, message.contentText);
        break;
    case 3:
        item.insert(kMessageType, 6);
        if (ChatExportSeam::addAttachment(folder, message.filePath, info, message.contentText)) {
            info.insert(kDuration, durationText(duration));
        } else {
            item.insert(kMessage, downloadHint());
            ChatExportSeam::countDone();
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
        ChatExportSeam::countDone();
        break;
    case 7:
        item.insert(kMessageType, 11);
        info.insert(kLocalPath, QStringLiteral("resource/ATIcon/emojis_invalid.png"));
        ChatExportSeam::countDone();
        break;
    case 13:
        item.insert(kMessageType, 8);
        info.insert(QStringLiteral("media_name"), message.extraText3);
        info.insert(kThumbnail, QString());
        ChatExportSeam::countDone();
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
        ChatExportSeam::countDone();
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
        ChatExportSeam::copyAttachment(folder, message.thumbnailPath, info, kThumbnail);
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
        ChatExportSeam::countDone();
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
        ChatExportSeam::countDone();
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
