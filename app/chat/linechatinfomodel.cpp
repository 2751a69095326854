#include "linechatinfomodel.h"

#include "chatsummarytexts.h"
#include "deviceparser.h"
#include "formatutils.h"

#include <QtMath>

#include <algorithm>

using DeviceData::LineInfo;

const char *const LineChatInfoModel::ProviderName = "LineProvider";

namespace
{
    // A keep type with no kind of its own ("Other").
    constexpr int OtherKeepType = 5;

    int messageTypeOf(int contentType)
    {
        switch (contentType) {
        case 0:
        case 107: return ChatInfoModel::MSG_Text;
        case 1:
        case 96:
        case 112: return ChatInfoModel::MSG_Image;
        case 2: return ChatInfoModel::MSG_Video;
        case 3: return ChatInfoModel::MSG_Voice;
        case 6: return ChatInfoModel::MSG_VoiceCall;
        case 7: return ChatInfoModel::MSG_Emojis;
        case 13: return ChatInfoModel::MSG_ContactCard;
        case 14: return ChatInfoModel::MSG_Document;
        case 18: return ChatInfoModel::MSG_SystemMessages;
        case 100: return ChatInfoModel::MSG_Location;
        default: return ChatInfoModel::MSG_Unknown;
        }
    }

    int contentTypeOf(const LineInfo &message)
    {
        return quint16(message.contentType);
    }
}

LineChatInfoModel::LineChatInfoModel(QObject *parent)
    : ChatInfoModel(parent)
{
}

const QHash<int, QByteArray> &LineChatInfoModel::roleTable() const
{
    static const QHash<int, QByteArray> roles = {
        {MessageTypeRole, "messageType"},     {MessageRole, "message"},
        {AlignmentRole, "alignment"},         {LocalPathRole, "localPath"},
        {ThumbnailPathRole, "thumbnailPath"}, {MediaNameRole, "mediaName"},
        {AttachmentSizeRole, "attachmentSize"}, {IsDeletedRole, "isDeleted"},
        {IsExitsRole, "isExits"},             {IsQuoteRole, "isQuote"},
        {SendStateRole, "sendState"},         {SenderRole, "sender"},
        {MediaDurationRole, "mediaDuration"}, {MediaCaptionRole, "mediaCaption"},
        {IsMediaCaptionRole, "isMediaCaption"}, {CallTypeRole, "callType"},
        {IsGroupMessageRole, "isGroupMessage"}, {SourceRowIdRole, "sourceRowId"}};
    return roles;
}

QVariant LineChatInfoModel::roleDefault(const QByteArray &name) const
{
    if (name == "messageType" || name == "sendState" || name == "callType")
        return 0;
    if (name == "alignment")
        return 1;
    if (name == "mediaDuration")
        return QStringLiteral("00:00");
    if (name == "sourceRowId")
        return -1;
    if (name == "isDeleted" || name == "isExits" || name == "isQuote" || name == "isMediaCaption"
        || name == "isGroupMessage")
        return false;
    return QString();
}

QString LineChatInfoModel::messageText(const QString &text, int messageType) const
{
    return messageType == MSG_SystemMessages ? callEndedText(text) : text;
}

QString LineChatInfoModel::imageUrlPrefix() const
{
    return QStringLiteral("image://%1/").arg(QLatin1String(ProviderName));
}

bool LineChatInfoModel::fitsKeepType(int keepType, int contentType)
{
    switch (keepType) {
    case 0: return contentType == 0 || contentType == 107 || contentType == 18;
    case 1: return contentType == 1 || contentType == 96 || contentType == 112 || contentType == 7;
    case 2: return contentType == 2;
    case 3: return contentType == 3;
    case 4: return contentType == 14;
    default: return contentType == 100 || contentType == 13;
    }
}

bool LineChatInfoModel::hasMessageRow(int contentType)
{
    return messageTypeOf(contentType) != MSG_Unknown;
}

QVariantHash LineChatInfoModel::timestampRow(const LineInfo &message)
{
    return {{QStringLiteral("messageType"), int(MSG_Timestamp)},
            {QStringLiteral("message"), message.dateTimeText},
            {QStringLiteral("alignment"), TimestampAlignment}};
}

QVariantHash LineChatInfoModel::messageRow(const LineInfo &message, int sessionId, int row)
{
    const int contentType = contentTypeOf(message);
    const int type = messageTypeOf(contentType);
    if (type == MSG_Unknown)
        return {};
    QVariantHash hash;
    hash.insert(QStringLiteral("messageType"), type);
    switch (type) {
    case MSG_Text:
    case MSG_SystemMessages:
    case MSG_Location:
        hash.insert(QStringLiteral("message"), message.text);
        break;
    case MSG_ContactCard:
        hash.insert(QStringLiteral("message"), message.extraText3);
        break;
    case MSG_VoiceCall:
        hash.insert(QStringLiteral("mediaDuration"), lineCallText(message));
        break;
    case MSG_Voice:
        hash.insert(QStringLiteral("message"), message.contentText);
        // The record keeps the length in milliseconds.
        hash.insert(QStringLiteral("mediaDuration"), formatDuration(qRound(message.latitude / 1000.0)));
        break;
    default:
        hash.insert(QStringLiteral("message"), message.contentText);
        break;
    }
    hash.insert(QStringLiteral("isExits"), message.valid);
    hash.insert(QStringLiteral("isDeleted"), message.spare);
    hash.insert(QStringLiteral("mediaCaption"), QString());
    hash.insert(QStringLiteral("isMediaCaption"), false);
    hash.insert(QStringLiteral("callType"), message.extraNumber);
    hash.insert(QStringLiteral("isGroupMessage"), message.ownFlag);
    hash.insert(QStringLiteral("alignment"), int(message.direction));
    hash.insert(QStringLiteral("localPath"), message.filePath);
    hash.insert(QStringLiteral("thumbnailPath"), message.altPath);
    hash.insert(QStringLiteral("mediaName"), message.contentText);
    hash.insert(QStringLiteral("attachmentSize"), message.sizeText);
    hash.insert(QStringLiteral("sendState"), message.sendStatus);
    hash.insert(QStringLiteral("sender"), DeviceParser::instance()->displayName(message.senderMid));
    hash.insert(QStringLiteral("sourceRowId"), QStringLiteral("%1|%2").arg(sessionId).arg(row));
    return hash;
}

void LineChatInfoModel::showSession(const Conversation &conversation, const QString &keyword)
{
    show({conversation}, -1, keyword);
}

void LineChatInfoModel::showKeep(const QVector<Conversation> &keep, int keepType, const QString &keyword)
{
    show(keep, qBound(0, keepType, OtherKeepType), keyword);
}

void LineChatInfoModel::show(const QVector<Conversation> &conversations, int keepType, const QString &keyword)
{
    m_conversations = conversations;
    m_firsts.clear();
    int records = 0;
    for (const Conversation &conversation : conversations) {
        m_firsts.append(records);
        records += conversation.messages.size();
    }
    setKeyword(keyword);
    const IndexTask task = [conversations, keepType, keyword](const std::atomic<bool> &cancelled,
                                                              QVector<quint32> &index) {
        quint32 record = 0;
        for (const Conversation &conversation : conversations) {
            for (const LineInfo &message : conversation.messages) {
                const quint32 number = record++;
                if ((number & 0xFFF) == 0 && cancelled)
                    return false;
                const int contentType = contentTypeOf(message);
                if (keepType >= 0 && !fitsKeepType(keepType, contentType))
                    continue;
                // A session found by its name shows all of it; the Keep
                // sessions' name is the app's own.
                if (!lineMessageMatches(keyword, conversation.session, message, keepType < 0))
                    continue;
                index.append(number << 1);
                if (hasMessageRow(contentType))
                    index.append((number << 1) | 1);
            }
        }
        return true;
    };
    showRecords(records, false, task);
}

QVariantHash LineChatInfoModel::recordRow(int record, bool message) const
{
    // The conversation holding the record: the last whose first is not after it.
    const auto next = std::upper_bound(m_firsts.cbegin(), m_firsts.cend(), record);
    if (next == m_firsts.cbegin())
        return {};
    const int at = int(next - m_firsts.cbegin()) - 1;
    const Conversation &conversation = m_conversations.at(at);
    const int row = record - m_firsts.at(at);
    if (row < 0 || row >= conversation.messages.size())
        return {};
    const LineInfo &info = conversation.messages.at(row);
    return message ? messageRow(info, conversation.session.id, row) : timestampRow(info);
}
