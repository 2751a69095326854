#include "wachatinfomodel.h"

#include "chatmessagejson.h"
#include "chatsummarytexts.h"
#include "formatutils.h"

#include <QObject>

#include <charconv>

using DeviceData::WaMessageInfo;
using DeviceData::WaSessionInfo;

const char *const WaChatInfoModel::ProviderName = "waProvider";

namespace
{
    const WaMessageInfo &messageOf(const QVariant &record)
    {
        static const WaMessageInfo empty;
        if (record.userType() != qMetaTypeId<WaMessageInfo>())
            return empty;
        return *static_cast<const WaMessageInfo *>(record.constData());
    }

    QString sendStateImage(int state)
    {
        switch (state) {
        case 1:
        case 12: return QStringLiteral("qrc:/Images/wa/status_senting_icon.png");
        case 3: return QStringLiteral("qrc:/Images/wa/status_sentfall_icon.png");
        case 6: return QStringLiteral("qrc:/Images/wa/status_arrived_icon.png");
        case 8: return QStringLiteral("qrc:/Images/wa/status_readed_icon.png");
        case 9: return QStringLiteral("qrc:/Images/wa/status_waitting_icon.png");
        default: return QString();
        }
    }

    // The shortest text that reads back as the same float.
    QString shortestNumber(float value)
    {
        char text[32];
        const auto result = std::to_chars(text, text + sizeof text, value);
        return QString::fromLatin1(text, int(result.ptr - text));
    }
}

WaChatInfoModel::WaChatInfoModel(QObject *parent)
    : ChatInfoModel(parent)
{
}

const QHash<int, QByteArray> &WaChatInfoModel::roleTable() const
{
    static const QHash<int, QByteArray> roles = {
        {MessageTypeRole, "messageType"},     {MessageRole, "message"},
        {AlignmentRole, "alignment"},         {LocalPathRole, "localPath"},
        {ThumbnailPathRole, "thumbnailPath"}, {MediaNameRole, "mediaName"},
        {AttachmentSizeRole, "attachmentSize"}, {IsDeletedRole, "isDeleted"},
        {IsExistRole, "isExist"},             {IsQuoteRole, "isQuote"},
        {SendStateRole, "sendState"},         {SenderRole, "sender"},
        {MediaDurationRole, "mediaDuration"}, {MediaCaptionRole, "mediaCaption"},
        {IsMediaCaptionRole, "isMediaCaption"}, {IsGifRole, "isGif"},
        {SourceRowIdRole, "sourceRowId"},     {SendStatusImgRole, "sendstatusImg"},
        {CallTypeRole, "callType"}};
    return roles;
}

QVariant WaChatInfoModel::roleDefault(const QByteArray &name) const
{
    if (name == "messageType" || name == "sendState" || name == "callType")
        return 0;
    if (name == "alignment")
        return 1;
    if (name == "mediaDuration")
        return QStringLiteral("00:00");
    if (name == "sourceRowId")
        return -1;
    if (name == "isDeleted" || name == "isExist" || name == "isQuote" || name == "isMediaCaption" || name == "isGif")
        return false;
    return QString();
}

QString WaChatInfoModel::messageText(const QString &text, int messageType) const
{
    if (messageType == MSG_SystemMessages || messageType == MSG_VoiceCall)
        return waSystemMessageText(text);
    return text;
}

QString WaChatInfoModel::imageUrlPrefix() const
{
    return QStringLiteral("image://%1/").arg(QLatin1String(ProviderName));
}

QString WaChatInfoModel::locationText(float longitude, float latitude)
{
    return QStringLiteral("(Long:%1 Lat:%2)").arg(shortestNumber(longitude), shortestNumber(latitude));
}

QVariantHash WaChatInfoModel::timestampRow(const WaMessageInfo &message, const QString &pattern)
{
    return {{QStringLiteral("messageType"), int(MSG_Timestamp)},
            {QStringLiteral("regExp"), pattern},
            {QStringLiteral("message"), message.dateTimeText},
            {QStringLiteral("alignment"), TimestampAlignment}};
}

QVariantHash WaChatInfoModel::messageRow(const WaMessageInfo &message, int sessionId, int row)
{
    QVariantHash hash;
    hash.insert(QStringLiteral("isExist"), message.mediaExists);
    hash.insert(QStringLiteral("isQuote"), message.isQuote);
    // Our WhatsApp records carry no deleted flag.
    hash.insert(QStringLiteral("isDeleted"), false);
    hash.insert(QStringLiteral("alignment"), int(message.direction));
    hash.insert(QStringLiteral("mediaName"), message.fileName);
    hash.insert(QStringLiteral("isMediaCaption"), !message.mediaTitle.isEmpty());
    hash.insert(QStringLiteral("sender"), message.senderName);
    hash.insert(QStringLiteral("sourceRowId"), QStringLiteral("%1|%2").arg(sessionId).arg(row));
    hash.insert(QStringLiteral("sendState"), message.messageStatus);
    const QString image = sendStateImage(message.messageStatus);
    if (!image.isEmpty())
        hash.insert(QStringLiteral("sendstatusImg"), image);

    const auto media = [&](int type) {
        hash.insert(QStringLiteral("messageType"), type);
        hash.insert(QStringLiteral("localPath"), message.mediaPath);
        hash.insert(QStringLiteral("thumbnailPath"), message.thumbnailPath);
        hash.insert(QStringLiteral("mediaCaption"), message.mediaTitle);
    };
    const auto text = [&](int type, const QString &value) {
        hash.insert(QStringLiteral("messageType"), type);
        hash.insert(QStringLiteral("message"), value);
    };
    switch (message.messageType) {
    case 0:
    case 6:
    case 7:
        // As sent: the store keeps "<" and ">" as entities.
        text(message.isSystemText ? MSG_SystemMessages : MSG_Text, plainMessageText(message.text));
        break;
    case 1:
    case 15:
    case 38:
    case 42:
        media(MSG_Image);
        break;
    case 2:
    case 13:
    case 39:
        media(MSG_Video);
        break;
    case 11:
        media(MSG_Video);
        hash.insert(QStringLiteral("isGif"), true);
        break;
    case 3:
        // Our record keeps an audio file's title in the media caption; a
        // voice note has none.
        if (message.mediaTitle.isEmpty()) {
            text(MSG_Voice, message.fileName);
            hash.insert(QStringLiteral("mediaDuration"), formatDuration(message.movieDuration));
        } else {
            text(MSG_Audio, message.fileName);
            hash.insert(QStringLiteral("mediaDuration"), QString());
        }
        hash.insert(QStringLiteral("localPath"), message.mediaPath);
        break;
    case 4:
        text(MSG_ContactCard, message.fileName);
        hash.insert(QStringLiteral("localPath"), message.mediaPath);
        break;
    case 5:
        text(MSG_Location, message.mediaTitle.isEmpty() ? locationText(message.longitude, message.latitude)
                                                         : message.mediaTitle);
        break;
    case 8:
        text(MSG_Document, message.fileName);
        hash.insert(QStringLiteral("localPath"), message.mediaPath);
        hash.insert(QStringLiteral("attachmentSize"), message.fileSizeText);
        break;
    case 10: {
        const QString call = plainMessageText(message.text);
        text(MSG_VoiceCall, call);
        hash.insert(QStringLiteral("callType"),
                    call.contains(QLatin1String("started a video call"), Qt::CaseInsensitive));
        break;
    }
    case 12:
        text(MSG_Unsent, QObject::tr("This file has expired!"));
        break;
    case 14:
        text(MSG_SystemMessages, QObject::tr("This message has been deleted!"));
        break;
    default:
        text(MSG_SystemMessages, QObject::tr("Unsupported data type!"));
        break;
    }
    return hash;
}

void WaChatInfoModel::showSession(const WaSessionInfo &session, const QList<QVariant> &messages,
                                  const QString &keyword)
{
    m_session = session;
    m_messages = messages;
    m_pattern = keyword;
    setKeyword(keyword);
    const IndexTask task = [session, messages, keyword](const std::atomic<bool> &cancelled,
                                                          QVector<quint32> &index) {
        for (int i = 0; i < messages.size(); ++i) {
            if ((i & 0xFFF) == 0 && cancelled)
                return false;
            if (!waMessageMatches(keyword, messageOf(messages.at(i)), session))
                continue;
            index.append(quint32(i) << 1);
            index.append((quint32(i) << 1) | 1);
        }
        return true;
    };
    showRecords(messages.size(), keyword.isEmpty(), task);
}

QVariantHash WaChatInfoModel::recordRow(int record, bool message) const
{
    if (record < 0 || record >= m_messages.size())
        return {};
    const WaMessageInfo &info = messageOf(m_messages.at(record));
    return message ? messageRow(info, m_session.id, record) : timestampRow(info, m_pattern);
}
