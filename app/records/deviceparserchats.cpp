// The LINE and WhatsApp intake of DeviceParser: chat directories, one session
// record per chat, messages per session and the chats' attachments. Runs
// inside the write lock that parseEngineRecord holds.

#include "deviceparser.h"

#include "deviceparser_p.h"
#include "recordbuilders.h"
#include "recordorder.h"

#include <dbrecords.h>
#include <formatutils.h>
#include <vlog.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <utility>

using namespace DeviceData;
using namespace RecordBuilders;

namespace {

// Attachment kinds of the chat attachment lists, as the chat views and the
// export read them: pictures and videos hold MediaInfo, the others
// DocumentInfo.
enum ChatAttachmentKind
{
    ChatVideo = 0,
    ChatAudio = 1,
    ChatPicture = 2,
    ChatDocument = 12
};

QString memberMarkup(const QString &id)
{
    return QStringLiteral("_$!<%1>!$_").arg(id);
}

enum class FileClass
{
    Document,
    Audio,
    Picture,
    Video
};

// A WhatsApp file by its name's extension, in the order the chat view
// tests them.
FileClass classifyWaFile(const QString &fileName)
{
    static const QStringList documents = {".txt", ".doc", ".docx", ".xls", ".xlsx", ".ppt", ".pptx", ".csv",
                                          ".vcf", ".xml", ".html", ".pdf", ".EPUB", ".mobi", ".CAJ", ".CHM"};
    static const QStringList audio = {".wav", ".mp3", ".wma", ".ogg", ".ape", ".mid", ".aac", ".amr",
                                      ".m4r", ".m4b", ".flac", ".aiff", ".opus", ".caf", ".wv", ".m4a"};
    static const QStringList images = {".jpg", ".jpeg", ".png", ".ico", ".bmp", ".tiff",
                                       ".tif", ".svg", ".thumb", ".psd", ".exif"};
    static const QStringList videos = {".mov", ".mp4", ".avi", ".flv", ".m4v", ".mkv", ".rmvb", ".wmv", ".webm"};
    if (endsWithAny(fileName, documents, Qt::CaseInsensitive))
        return FileClass::Document;
    if (endsWithAny(fileName, audio, Qt::CaseInsensitive))
        return FileClass::Audio;
    if (endsWithAny(fileName, images, Qt::CaseInsensitive))
        return FileClass::Picture;
    if (endsWithAny(fileName, videos, Qt::CaseInsensitive))
        return FileClass::Video;
    if (fileName.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive))
        return FileClass::Picture;
    return FileClass::Document;
}

bool isCallEvent(const QString &text)
{
    return text.contains(QLatin1String("started a call"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("started a video call"), Qt::CaseInsensitive);
}

// Equal texts of consecutive messages of one chat share one copy.
void shareText(QString &text, const QString &earlier)
{
    if (!text.isSharedWith(earlier) && text == earlier)
        text = earlier;
}

class ChatIntake
{
public:
    ChatIntake(DeviceParser *parser, DeviceParserPrivate *d) : q(parser), d(d) {}

    void line(int queryIndex, const void *record);
    void whatsApp(int queryIndex, const void *record);

private:
    void appendSession(int type, const QVariant &session) { d->storeRecord(type, session, false); }
    void appendAttachment(int scanType, int kind, const QVariant &record)
    {
        const int total = d->appendSessionRecord(scanType, kind, record);
        emit q->dataReceivedV1(scanType, kind, record, total);
    }

    void lineChat(const STLineChat &chat);
    void lineMessage(const STLineMessage &message);
    void lineAttachment(LineInfo &message);

    void waMessage(const STWhatsAppMessage &message);
    void storeWaMessage(const STWhatsAppMessage &message, WaMessageInfo &&info);
    QString chatNameOf(int sessionId, bool *group) const;
    void waMedia(const WaMessageInfo &info, int kind, const QString &preview);
    void waDocument(const WaMessageInfo &info, int kind);
    void waVideo(const WaMessageInfo &info);
    void waPicture(const WaMessageInfo &info);
    void waAnimated(const WaMessageInfo &info);
    void waContactCard(const WaMessageInfo &info);
    void waFileByName(const WaMessageInfo &info);

    DeviceParser *q;
    DeviceParserPrivate *d;
};

void ChatIntake::line(int queryIndex, const void *record)
{
    if (!record)
        return;
    switch (queryIndex) {
    case 0: {
        const auto &r = *static_cast<const STLineGroup *>(record);
        const QString id = fromWide(r.id);
        d->memberInfo.insert(id, {-1, id, fromWide(r.name), fromWide(r.pictureFile), QString()});
        break;
    }
    case 1: {
        const auto &r = *static_cast<const STLineGroupMember *>(record);
        auto it = d->memberInfo.find(fromWide(r.groupId));
        if (it != d->memberInfo.end())
            it->members += memberMarkup(fromWide(r.memberMid));
        break;
    }
    case 2: {
        const auto &r = *static_cast<const STLineUser *>(record);
        const QString mid = fromWide(r.mid);
        d->handleNames.insert(mid, {-1, mid, fromWide(r.name), fromWide(r.statusMessage), fromWide(r.pictureFile),
                                    qint64(r.createdTime)});
        break;
    }
    case 3:
        lineChat(*static_cast<const STLineChat *>(record));
        break;
    case 4:
        lineMessage(*static_cast<const STLineMessage *>(record));
        break;
    default:
        break;
    }
}

void ChatIntake::lineChat(const STLineChat &chat)
{
    LineSessionInfo session;
    session.id = chat.chatPk;
    session.valid = true;
    const QString mid = fromWide(chat.mid);
    if (chat.type == 2) {
        auto it = d->memberInfo.find(mid);
        if (it == d->memberInfo.end())
            return;
        it->chatId = chat.chatPk;
        session.mid = it->id;
        session.title = it->name;
        session.pictureFile = it->pictureFile;
        session.members = it->members;
        session.chatKind = 2;
    } else if (chat.type == 0) {
        auto it = d->handleNames.find(mid);
        if (it == d->handleNames.end())
            return;
        it->chatId = chat.chatPk;
        session.mid = it->mid;
        session.title = it->name;
        session.pictureFile = it->pictureFile;
        session.chatKind = 0;
    } else {
        session.mid = mid;
        session.title = QStringLiteral("LINE Keep");
        session.chatKind = 100;
    }
    appendSession(Line, QVariant::fromValue(session));
}

void ChatIntake::lineMessage(const STLineMessage &r)
{
    LineInfo message;
    message.chatId = r.chat;
    message.sendStatus = r.sendStatus;
    message.ownFlag = r.isGroupChat;
    message.contentType = r.contentType & 0xFFFF;
    message.messageId = fromWide(r.id);
    message.text = fromWide(r.text);
    message.senderMid = fromWide(r.senderMid);
    message.time = toUnixSeconds(r.timestamp);
    message.contentText = fromWide(r.attachmentName);
    message.altPath = fromWide(r.thumbnailFile);
    message.filePath = r.attachmentFile.empty() ? message.altPath : fromWide(r.attachmentFile);
    message.fileSize = r.fileSize;
    message.latitude = r.latitudeOrDuration;
    message.longitude = r.longitude;
    message.extraNumber = r.isVideoCall;
    message.extraText1 = fromWide(r.callResult);
    message.extraText2 = fromWide(r.metaMid);
    message.extraText3 = fromWide(r.metaDisplayName);
    message.dateText = dayTextOf(message.time);
    message.dateTimeText = formatTimestamp(message.time, false, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    message.sizeText = formatFileSize(quint64(qMax<qint64>(message.fileSize, 0)), 1);
    message.direction = message.senderMid.isEmpty() ? 2 : 1;
    message.valid = true;
    lineAttachment(message);

    QList<LineInfo> &list = d->lineMessages[message.chatId];
    if (!list.isEmpty()) {
        shareText(message.senderMid, list.last().senderMid);
        shareText(message.dateText, list.last().dateText);
    }
    list.append(message);
}

void ChatIntake::lineAttachment(LineInfo &message)
{
    switch (message.contentType) {
    case 1: case 2: case 3: case 7: case 14: case 96: case 112:
        break;
    default:
        return;
    }
    const QFileInfo file(message.filePath);
    if (message.filePath.isEmpty() || !file.exists()) {
        message.valid = false;
        return;
    }
    const QString name = message.contentText.isEmpty() ? file.fileName() : message.contentText;
    const int kind = mediaKindOf(name);
    const QString suffix = QFileInfo(name).suffix();
    const qint64 time = modifiedSeconds(file);
    if (kind == VideoKind || kind == ImageKind) {
        MediaInfo media;
        media.name = name;
        media.suffix = suffix;
        media.time = time;
        media.size = message.fileSize;
        media.mediaKind = quint16(kind);
        media.path = message.filePath;
        media.preview = message.altPath.isEmpty() ? message.filePath : message.altPath;
        appendAttachment(LineAttachment, kind, QVariant::fromValue(media));
        return;
    }
    DocumentInfo document;
    document.name = name;
    document.suffix = suffix;
    document.time = time;
    document.dateText = dateTextOf(time);
    document.size = message.fileSize;
    document.sizeText = message.sizeText;
    document.path = message.filePath;
    appendAttachment(LineAttachment, kind == AudioKind ? ChatAudio : ChatDocument, QVariant::fromValue(document));
}

void ChatIntake::whatsApp(int queryIndex, const void *record)
{
    if (!record)
        return;
    switch (queryIndex) {
    case 0: {
        const auto &r = *static_cast<const STWhatsAppPushName *>(record);
        const QString jid = fromWide(r.jid);
        d->cachedNames.insert(jid, {jid, fromWide(r.number), fromWide(r.pushName)});
        break;
    }
    case 1: {
        const auto &r = *static_cast<const STWhatsAppGroupMember *>(record);
        d->pendingNames[fromWide(r.groupJid)] += memberMarkup(fromWide(r.memberJid));
        break;
    }
    case 2: {
        const auto &r = *static_cast<const STWhatsAppSession *>(record);
        WaSessionInfo session;
        session.id = r.sessionId;
        session.contactJid = fromWide(r.contactJid);
        session.title = fromWide(r.partnerName);
        session.chatKind = r.isGroup != 0 ? 2 : 0;
        if (r.isGroup != 0)
            session.members = d->pendingNames.value(session.contactJid);
        session.valid = true;
        appendSession(WhatsApp, QVariant::fromValue(session));
        break;
    }
    case 3:
        waMessage(*static_cast<const STWhatsAppMessage *>(record));
        break;
    default:
        break;
    }
}

void ChatIntake::waMessage(const STWhatsAppMessage &message)
{
    if (message.messageType == -1 || message.messageType == 28)
        return;
    const WaMessageInfo *previous = nullptr;
    WaMessageInfo scratch;
    // Found without copying or inserting: a copy alive while the message is
    // stored would make the store copy all its lists.
    const QMap<int, RecordLists> &sessions = d->sessionStore;
    const auto chats = sessions.constFind(WhatsApp);
    if (chats != sessions.constEnd()) {
        const auto chat = chats->constFind(message.chatSession);
        if (chat != chats->constEnd() && !chat->isEmpty())
            previous = &RecordOrder::peekRecord(chat->last(), scratch);
    }
    WaMessageInfo info = buildWaMessage(*d, message, false, previous);
    switch (info.messageType) {
    case 0: case 6: case 7: case 12:
        break;
    case 1: case 11: case 15: case 38: case 42:
        if (info.mediaExists)
            info.messageType == 11 ? waAnimated(info) : waPicture(info);
        break;
    case 2: case 13: case 39:
        if (info.mediaExists)
            waVideo(info);
        break;
    case 3: case 8:
        if (info.mediaExists) {
            if (info.messageType == 3 && info.mediaTitle.isEmpty())
                waDocument(info, ChatAudio);
            else
                waFileByName(info);
        }
        break;
    case 4:
        waContactCard(info);
        break;
    case 10:
        if (!isCallEvent(info.text))
            return;
        break;
    default:
        info.unsupported = true;
        break;
    }
    storeWaMessage(message, std::move(info));
}

QString ChatIntake::chatNameOf(int sessionId, bool *group) const
{
    *group = false;
    const QList<QVariant> sessions = d->store.value(DeviceGroup).value(WhatsApp);
    for (const QVariant &entry : sessions) {
        WaSessionInfo scratch;
        const WaSessionInfo &session = RecordOrder::peekRecord(entry, scratch);
        if (session.id == sessionId && session.chatKind != 101) {
            *group = session.chatKind == 2;
            return session.title;
        }
    }
    return QString();
}

void ChatIntake::storeWaMessage(const STWhatsAppMessage &message, WaMessageInfo &&info)
{
    RecordLists &chats = d->sessionStore[WhatsApp];
    // Moved into the variant: a copy would touch every text's count twice.
    QVariant value = QVariant::fromValue(WaMessageInfo());
    WaMessageInfo &stored = *static_cast<WaMessageInfo *>(value.data());
    stored = std::move(info);

    if (stored.starred != 0) {
        WaSessionInfo entry;
        entry.id = d->takeSessionId();
        entry.contactJid = stored.peerJid;
        entry.members = stored.peerJid;
        entry.chatKind = 101;
        entry.valid = true;
        bool group = false;
        const QString chatName = chatNameOf(stored.chatSession, &group);
        const auto cached = d->cachedNames.constFind(stored.peerJid);
        const QString peerName =
            cached != d->cachedNames.constEnd() && !cached->pushName.isEmpty() ? cached->pushName : stored.senderName;
        const QString you = stored.isFromMe != 0 ? QCoreApplication::translate("DeviceParser", "You") : QString();
        if (stored.isFromMe != 0)
            //: Title of a starred WhatsApp message: who sent it, then the chat or person it went to.
            entry.title = QCoreApplication::translate("DeviceParser", "%1 to %2").arg(you, chatName);
        else if (group)
            entry.title = QCoreApplication::translate("DeviceParser", "%1 to %2").arg(stored.senderName, chatName);
        else
            entry.title = QCoreApplication::translate("DeviceParser", "%1 to %2")
                              .arg(peerName, QCoreApplication::translate("DeviceParser", "you"));
        entry.time = stored.date;
        entry.lastMessage = value;
        appendSession(WhatsApp, QVariant::fromValue(entry));
        chats[entry.id].append(value);
    }

    // The lookup above may have added lists: find the chat's again.
    QList<QVariant> &list = chats[stored.chatSession];
    list.append(value);
    if (message.hasQuote != 0 && message.quoted)
        list.append(QVariant::fromValue(buildWaMessage(*d, *message.quoted, true)));
}

void ChatIntake::waMedia(const WaMessageInfo &info, int kind, const QString &preview)
{
    const QFileInfo file(info.mediaPath);
    MediaInfo media;
    media.name = info.fileName.isEmpty() ? file.fileName() : info.fileName;
    media.suffix = QFileInfo(media.name).suffix();
    media.path = info.mediaPath;
    media.preview = preview;
    media.time = info.date;
    media.size = file.size();
    media.mediaKind = quint16(kind == ChatVideo ? VideoKind : ImageKind);
    appendAttachment(WhatsAppAttachment, kind, QVariant::fromValue(media));
}

void ChatIntake::waDocument(const WaMessageInfo &info, int kind)
{
    const QFileInfo file(info.mediaPath);
    DocumentInfo document;
    document.name = info.fileName.isEmpty() ? file.fileName() : info.fileName;
    document.suffix = QFileInfo(document.name).suffix();
    document.path = info.mediaPath;
    document.size = file.size();
    document.sizeText = formatFileSize(quint64(document.size), 1);
    document.time = info.date;
    document.dateText = info.dateTimeText;
    appendAttachment(WhatsAppAttachment, kind, QVariant::fromValue(document));
}

void ChatIntake::waVideo(const WaMessageInfo &info)
{
    QString preview = info.thumbnailPath;
    if (preview.isEmpty() || !QFileInfo::exists(preview)) {
        preview = copyThumbnail(info.thumbnailPath, cacheMediaFolder() + QStringLiteral("/video"), info.mediaPath);
        queueThumbnail(info.mediaPath, preview);
    }
    waMedia(info, ChatVideo, preview);
}

void ChatIntake::waPicture(const WaMessageInfo &info)
{
    waMedia(info, ChatPicture, info.mediaPath);
}

void ChatIntake::waAnimated(const WaMessageInfo &info)
{
    QString preview = info.mediaPath;
    if (info.mediaPath.endsWith(QLatin1String(".mp4"), Qt::CaseInsensitive)) {
        preview = info.thumbnailPath;
        if (preview.isEmpty() || !QFileInfo::exists(preview)) {
            preview = copyThumbnail(info.thumbnailPath, cacheMediaFolder() + QStringLiteral("/gif"), info.mediaPath);
            queueThumbnail(info.mediaPath, preview);
        }
    }
    waMedia(info, ChatPicture, preview);
}

void ChatIntake::waFileByName(const WaMessageInfo &info)
{
    switch (classifyWaFile(info.fileName)) {
    case FileClass::Document: waDocument(info, ChatDocument); break;
    case FileClass::Audio: waDocument(info, ChatAudio); break;
    case FileClass::Picture: waPicture(info); break;
    case FileClass::Video: waVideo(info); break;
    }
}

void ChatIntake::waContactCard(const WaMessageInfo &info)
{
    QFile file(info.mediaPath);
    if (info.mediaPath.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        vlogInfo(QStringLiteral("[createWaVcf] Unable read %1").arg(info.mediaPath));
        return;
    }
    const QByteArray card = file.readAll();
    DocumentInfo document;
    document.name = contactCardTitle(card) + QStringLiteral(".vcf");
    document.suffix = QStringLiteral("vcf");
    document.path = info.mediaPath;
    document.size = card.size();
    document.sizeText = formatFileSize(quint64(document.size), 1);
    document.time = info.date;
    document.dateText = info.dateTimeText;
    appendAttachment(WhatsAppAttachment, ChatDocument, QVariant::fromValue(document));
}

} // namespace

void DeviceParser::parseLineRecord(int queryIndex, const void *record)
{
    ChatIntake(this, d.data()).line(queryIndex, record);
}

void DeviceParser::parseWhatsAppRecord(int queryIndex, const void *record)
{
    ChatIntake(this, d.data()).whatsApp(queryIndex, record);
}
