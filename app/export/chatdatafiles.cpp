#include "chatdatafiles.h"

#include "exporttextfile.h"

#include "chatmessagejson.h"
#include "chatpages.h"
#include "chatsummarytexts.h"
#include "deviceparser.h"
#include "exportpages.h"
#include "recordaccess.h"
#include "vlog.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QObject>

using namespace DeviceData;

namespace {

const QByteArray kListStart = "window.dict=[";
const QByteArray kMessagesStart = "\"messages\":[\n";
const QByteArray kMessagesEnd = "\n],\n}";

// The head's compact text with its closing brace turned into the comma
// that the messages member follows.
QByteArray openHead(const QJsonObject &head)
{
    QByteArray text = QJsonDocument(head).toJson(QJsonDocument::Compact);
    text[text.size() - 1] = ',';
    return text;
}

bool openList(QFile &file)
{
    // Truncating: a longer file of an earlier run must not leave its tail.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(kListStart);
    return true;
}

// Ends the list; a write that failed anywhere in the file counts, so a full
// disk is not taken for a finished page.
RecoverError::ErrorType closeList(QFile &file)
{
    file.write("]");
    const bool whole = file.flush() && file.error() == QFileDevice::NoError;
    file.close();
    if (whole)
        return RecoverError::NoError;
    vlogError(QStringLiteral("chat export: cannot write %1: %2").arg(file.fileName(), file.errorString()));
    return file.exists() ? RecoverError::NotEnoughSpace : RecoverError::DiskNotFound;
}

QString avatarFor(int block)
{
    return block == 1 ? QStringLiteral("resource/ATIcon/default_Group.png")
                      : QStringLiteral("resource/ATIcon/default_Persion.png");
}

struct Block
{
    const char *subFolder;
    const char *pageName;   // translated
    const char *titleSuffix; // translated
};

// Blocks of one chat app, in the order they are written; the caller sorts
// its chats into them.
template <typename Session>
struct ChatApp
{
    int category;
    const char *chatTitle; // the third header line, translated
    Block blocks[3];
    int (*blockOf)(quint16 kind);                 // -1: not written
    QString (*recipients)(const Session &, const QString &owner);
    QString (*summary)(const QVariant &last);
    qint64 (*timer)(const QVariant &last);
    bool (*deleted)(const QVariant &last);
    void (*messages)(const QString &, const int *, QIODevice &);
};

int lineBlockOf(quint16 kind)
{
    switch (kind) {
    case 0:
        return 0;
    case 2:
        return 1;
    case 100:
        return 2;
    default:
        return -1;
    }
}

int waBlockOf(quint16 kind)
{
    return kind == 2 ? 1 : kind == 101 ? 2 : 0;
}

const ChatApp<LineSessionInfo> kLine = {
    Line,
    QT_TRANSLATE_NOOP("QObject", "'s LINE Chat"),
    {{"single", QT_TRANSLATE_NOOP("QObject", "Single Messages"), QT_TRANSLATE_NOOP("QObject", "'s Single Messages")},
     {"group", QT_TRANSLATE_NOOP("QObject", "Group Messages"), QT_TRANSLATE_NOOP("QObject", "'s Group Messages")},
     {"keep", QT_TRANSLATE_NOOP("QObject", "LINE Keep"), QT_TRANSLATE_NOOP("QObject", "'s LINE Keep")}},
    lineBlockOf,
    [](const LineSessionInfo &s, const QString &) { return lineRecipientsText(s); },
    [](const QVariant &last) { return lineMessageSummary(last.value<LineInfo>()); },
    [](const QVariant &last) { return last.value<LineInfo>().time; },
    [](const QVariant &last) { return last.value<LineInfo>().spare; },
    writeLineMessageList,
};

const ChatApp<WaSessionInfo> kWhatsApp = {
    WhatsApp,
    QT_TRANSLATE_NOOP("QObject", "'s WhatsApp Chat"),
    {{"single", QT_TRANSLATE_NOOP("QObject", "Single Messages"), QT_TRANSLATE_NOOP("QObject", "'s Single Messages")},
     {"group", QT_TRANSLATE_NOOP("QObject", "Group Messages"), QT_TRANSLATE_NOOP("QObject", "'s Group Messages")},
     {"star", QT_TRANSLATE_NOOP("QObject", "Starred Messages"),
      QT_TRANSLATE_NOOP("QObject", "'s Starred Messages")}},
    waBlockOf,
    waRecipientsText,
    [](const QVariant &last) { return plainMessageText(waMessageSummary(last.value<WaMessageInfo>())); },
    // Seconds in our record: written as stored.
    [](const QVariant &last) { return last.value<WaMessageInfo>().date; },
    [](const QVariant &) { return false; }, // our WhatsApp records carry no deleted flag
    writeWaMessageList,
};

template <typename Session>
RecoverError::ErrorType writeChatBlocks(const ChatApp<Session> &app, const QString &folder, const QString &owner,
                     const QList<QVariant> &conversations, const std::atomic<bool> &running, bool stopWhileSorting)
{
    initChatPageResources();
    QList<Session> blocks[3];
    for (const QVariant &entry : conversations) {
        if (DeviceData::checkState(entry) != 2)
            continue;
        const Session session = entry.value<Session>();
        if (stopWhileSorting && !running)
            break;
        const int block = app.blockOf(session.chatKind);
        if (block >= 0)
            blocks[block].append(session);
    }

    for (int b = 0; b < 3; ++b) {
        if (blocks[b].isEmpty() || !running)
            continue;
        const Block &block = app.blocks[b];
        const QString blockFolder = QStringLiteral("%1/json/%2").arg(folder, QLatin1String(block.subFolder));
        QDir().mkpath(blockFolder);
        QFile file(QStringLiteral("%1/contacts.js").arg(blockFolder));
        if (!openList(file)) {
            vlogError(QStringLiteral("chat export: cannot write %1: %2").arg(file.fileName(), file.errorString()));
            return ExportTextFile::openFailureCode(file.fileName());
        }
        int id = 0;
        for (const Session &session : qAsConst(blocks[b])) {
            if (id > 0)
                file.write(",");
            QJsonObject head;
            head.insert(QStringLiteral("avatar"), avatarFor(b));
            head.insert(QStringLiteral("grpMembers"), app.recipients(session, owner));
            head.insert(QStringLiteral("id"), ++id);
            head.insert(QStringLiteral("isDeleted"), app.deleted(session.lastMessage));
            head.insert(QStringLiteral("latest_msg"), app.summary(session.lastMessage));
            head.insert(QStringLiteral("name"), session.title);
            head.insert(QStringLiteral("timer"), app.timer(session.lastMessage));
            file.write(openHead(head));
            file.write(kMessagesStart);
            app.messages(folder, &session.id, file);
            file.write(kMessagesEnd);
            if (!running)
                break;
        }
        if (const RecoverError::ErrorType error = closeList(file))
            return error;

        ExportPages::writeHeaderFile(blockFolder,
                                        QStringLiteral("%1%2").arg(owner, QObject::tr(block.titleSuffix)),
                                        QString::fromUtf8(block.pageName), app.category,
                                        QStringLiteral("common.js"), QStringLiteral("window.common="), owner,
                                        QObject::tr(app.chatTitle));
        ExportPages::writeHtmlPage(folder, QObject::tr(block.pageName), app.category,
                                      QLatin1String(block.subFolder));
    }
    return RecoverError::NoError;
}

template <typename Message, typename Build>
void writeMessageItems(const QString &folder, const QList<Message> &messages, QIODevice &file, Build build)
{
    int n = 0;
    for (const Message &message : messages) {
        if (++n > 1)
            file.write(",");
        QJsonObject item;
        QJsonObject info;
        item.insert(QStringLiteral("id"), n);
        build(folder, message, item, info);
        item.insert(QStringLiteral("info"), info);
        file.write(QJsonDocument(item).toJson(QJsonDocument::Compact));
    }
}

} // namespace

void smsChatToJson(const QString &folder, const SmsMessageList &messages, QIODevice &file)
{
    file.write(kMessagesStart);
    QByteArray chunk;
    int i = 0;
    for (const SMSInfo &message : messages) {
        if (i > 0)
            chunk.append(',');
        bool queued = false;
        appendSmsMessageJson(chunk, folder, message, ++i, &queued);
        if (!queued)
            countWrittenMessage();
        if (chunk.size() >= 64 * 1024) {
            file.write(chunk);
            chunk.clear();
        }
    }
    chunk.append(kMessagesEnd);
    file.write(chunk);
}

RecoverError::ErrorType writeSmsDataFile(const QString &folder, const QList<QVariant> &conversations,
                                         const std::atomic<bool> &running)
{
    const QString jsonFolder = QStringLiteral("%1/json").arg(folder);
    QDir().mkpath(jsonFolder);
    QFile file(QStringLiteral("%1/message.js").arg(jsonFolder));
    if (!openList(file)) {
        vlogError(QStringLiteral("chat export: cannot write %1: %2").arg(file.fileName(), file.errorString()));
        return ExportTextFile::openFailureCode(file.fileName());
    }
    DeviceParser *store = DeviceParser::instance();
    int written = 0;
    for (const QVariant &entry : conversations) {
        if (DeviceData::checkState(entry) != 2)
            continue;
        const SMSSessionInfo chat = entry.value<SMSSessionInfo>();
        if (!running)
            break;
        const SmsMessageList messages = store->smsMessages(chat.key);
        if (messages.isEmpty())
            continue;
        if (written > 0)
            file.write(",");
        const SMSInfo &last = messages.last();
        QJsonObject head;
        switch (last.mediaKind) {
        case VideoKind:
            head.insert(QStringLiteral("latest_msg"), QObject::tr("[Videos]"));
            break;
        case AudioKind:
            head.insert(QStringLiteral("latest_msg"), QObject::tr("[Audios]"));
            break;
        case ImageKind:
            head.insert(QStringLiteral("latest_msg"), QObject::tr("[Photos]"));
            break;
        case NoAttachmentKind:
            head.insert(QStringLiteral("latest_msg"), plainMessageText(last.text));
            break;
        default:
            head.insert(QStringLiteral("latest_msg"), QObject::tr("[Attachment]"));
            break;
        }
        head.insert(QStringLiteral("id"), ++written);
        head.insert(QStringLiteral("timer"), chat.time);
        head.insert(QStringLiteral("isDeleted"), chat.deleted);
        chatMembersToJson(head, chat, last);
        file.write(openHead(head));
        smsChatToJson(folder, messages, file);
    }
    return closeList(file);
}

void writeLineMessageList(const QString &folder, const int *sessionId, QIODevice &file)
{
    writeMessageItems(folder, DeviceParser::instance()->lineSessions(*sessionId), file, chatMessageToJson);
}

void writeWaMessageList(const QString &folder, const int *sessionId, QIODevice &file)
{
    QList<WaMessageInfo> messages;
    const QList<QVariant> records = DeviceParser::instance()->sessionRecords(WhatsApp, *sessionId);
    messages.reserve(records.size());
    for (const QVariant &record : records)
        messages.append(record.value<WaMessageInfo>());
    writeMessageItems(folder, messages, file, waMessageToJson);
}

bool isWrittenLineChat(quint16 kind)
{
    return lineBlockOf(kind) >= 0;
}

RecoverError::ErrorType writeLineDataFiles(const QString &folder, const QString &owner,
                                           const QList<QVariant> &conversations, const std::atomic<bool> &running)
{
    return writeChatBlocks(kLine, folder, owner, conversations, running, true);
}

RecoverError::ErrorType writeWhatsAppDataFiles(const QString &folder, const QString &owner,
                                               const QList<QVariant> &conversations,
                                               const std::atomic<bool> &running)
{
    return writeChatBlocks(kWhatsApp, folder, owner, conversations, running, false);
}
