#include "wachatmodel.h"

#include "chatsummarytexts.h"
#include "chattext.h"
#include "deviceparser.h"
#include "recordorder.h"

using DeviceData::WaMessageInfo;
using DeviceData::WaSessionInfo;

namespace
{
    constexpr int StarredType = 101;
    constexpr int CancelCheckEvery = 4096;

    WaMessageInfo lastMessageOf(const WaSessionInfo &session)
    {
        WaMessageInfo scratch;
        return RecordOrder::peekRecord(session.lastMessage, scratch);
    }
}

WaChatModel::WaChatModel(QObject *parent)
    : ChatSessionModel(parent)
{
}

const WaSessionInfo &WaChatModel::session(const QVariant &record)
{
    static const WaSessionInfo empty;
    if (record.userType() != qMetaTypeId<WaSessionInfo>())
        return empty;
    return *static_cast<const WaSessionInfo *>(record.constData());
}

int WaChatModel::sessionIdOf(const QVariant &record) const
{
    return session(record).id;
}

QString WaChatModel::keyOf(const QVariant &record) const
{
    return session(record).contactJid;
}

int WaChatModel::kindOf(const QVariant &record) const
{
    return session(record).chatKind;
}

bool WaChatModel::isVisible(const QVariant &record) const
{
    return session(record).valid;
}

qint64 WaChatModel::timeOf(const QVariant &record) const
{
    return session(record).time;
}

QString WaChatModel::nameOf(const QVariant &record) const
{
    return session(record).title;
}

QString WaChatModel::pictureOf(const QVariant &record) const
{
    return session(record).spare;
}

bool WaChatModel::isGroup(const QVariant &record) const
{
    return !session(record).members.isEmpty();
}

bool WaChatModel::isStarred(const QVariant &record) const
{
    return session(record).chatKind == StarredType;
}

QString WaChatModel::timeTextOf(const QVariant &record) const
{
    return lastMessageOf(session(record)).dayText;
}

QString WaChatModel::summaryOf(const QVariant &record) const
{
    const WaSessionInfo &info = session(record);
    if (!info.lastMessage.isValid())
        return QString();
    return ChatText::plain(waMessageSummary(lastMessageOf(info)));
}

void WaChatModel::setPicture(QVariant &record, const QString &path) const
{
    WaSessionInfo info = session(record);
    info.spare = path;
    record = QVariant::fromValue(info);
}

void WaChatModel::apply(QVariant &record, const Found &found) const
{
    WaSessionInfo info = session(record);
    info.valid = found.visible;
    info.lastMessage = found.lastMessage;
    if (found.timeChanged)
        info.time = found.time;
    record = QVariant::fromValue(info);
}

ChatSessionModel::Matcher WaChatModel::matcher() const
{
    return [](const QVariant &record, const QString &keyword, const std::atomic<bool> &cancelled, Found &found) {
        const WaSessionInfo &info = session(record);
        const QList<QVariant> messages = DeviceParser::instance()->sessionRecords(DeviceData::WhatsApp, info.id);
        WaMessageInfo scratch;
        if (keyword.isEmpty()) {
            found.timeChanged = true;
            if (messages.isEmpty())
                return true;
            // A quoted copy stored after its reply is older than it.
            int last = messages.size() - 1;
            while (last > 0 && RecordOrder::peekRecord(messages.at(last), scratch).isQuote != 0)
                --last;
            found.lastMessage = messages.at(last);
            found.time = RecordOrder::peekRecord(messages.at(last), scratch).date;
            return true;
        }
        for (int i = messages.size() - 1; i >= 0; --i) {
            if ((messages.size() - i) % CancelCheckEvery == 0 && cancelled)
                return false;
            const WaMessageInfo &message = RecordOrder::peekRecord(messages.at(i), scratch);
            if (waMessageMatches(keyword, message, info)) {
                found.lastMessage = messages.at(i);
                found.time = message.date;
                found.timeChanged = true;
                return true;
            }
        }
        return false;
    };
}
