#include "linechatmodel.h"

#include "chatsummarytexts.h"
#include "deviceparser.h"
#include "recordorder.h"

using DeviceData::LineInfo;
using DeviceData::LineSessionInfo;

namespace
{
    constexpr int CancelCheckEvery = 4096;

    LineInfo lastMessageOf(const LineSessionInfo &session)
    {
        LineInfo scratch;
        return RecordOrder::peekRecord(session.lastMessage, scratch);
    }
}

LineChatModel::LineChatModel(QObject *parent)
    : ChatSessionModel(parent)
{
}

const LineSessionInfo &LineChatModel::session(const QVariant &record)
{
    static const LineSessionInfo empty;
    if (record.userType() != qMetaTypeId<LineSessionInfo>())
        return empty;
    return *static_cast<const LineSessionInfo *>(record.constData());
}

int LineChatModel::sessionIdOf(const QVariant &record) const
{
    return session(record).id;
}

QString LineChatModel::keyOf(const QVariant &record) const
{
    return session(record).mid;
}

int LineChatModel::kindOf(const QVariant &record) const
{
    return session(record).chatKind;
}

bool LineChatModel::isVisible(const QVariant &record) const
{
    return session(record).valid;
}

qint64 LineChatModel::timeOf(const QVariant &record) const
{
    return session(record).time;
}

QString LineChatModel::nameOf(const QVariant &record) const
{
    return session(record).title;
}

QString LineChatModel::pictureOf(const QVariant &record) const
{
    return session(record).pictureFile;
}

bool LineChatModel::isGroup(const QVariant &record) const
{
    return !session(record).members.isEmpty();
}

QString LineChatModel::timeTextOf(const QVariant &record) const
{
    return lastMessageOf(session(record)).dateText;
}

QString LineChatModel::summaryOf(const QVariant &record) const
{
    const LineSessionInfo &info = session(record);
    if (!info.lastMessage.isValid())
        return QString();
    return lineMessageSummary(lastMessageOf(info));
}

void LineChatModel::setPicture(QVariant &record, const QString &path) const
{
    LineSessionInfo info = session(record);
    info.pictureFile = path;
    record = QVariant::fromValue(info);
}

void LineChatModel::apply(QVariant &record, const Found &found) const
{
    LineSessionInfo info = session(record);
    info.valid = found.visible;
    info.lastMessage = found.lastMessage;
    if (found.timeChanged)
        info.time = found.time;
    record = QVariant::fromValue(info);
}

ChatSessionModel::Matcher LineChatModel::matcher() const
{
    return [](const QVariant &record, const QString &keyword, const std::atomic<bool> &cancelled, Found &found) {
        const LineSessionInfo &info = session(record);
        const QList<LineInfo> messages = DeviceParser::instance()->lineSessions(info.id);
        if (keyword.isEmpty()) {
            found.timeChanged = true;
            if (messages.isEmpty())
                return true;
            found.lastMessage = QVariant::fromValue(messages.last());
            found.time = messages.last().time;
            return true;
        }
        for (int i = messages.size() - 1; i >= 0; --i) {
            if ((messages.size() - i) % CancelCheckEvery == 0 && cancelled)
                return false;
            if (lineMessageMatches(keyword, info, messages.at(i), true)) {
                found.lastMessage = QVariant::fromValue(messages.at(i));
                found.time = messages.at(i).time;
                found.timeChanged = true;
                return true;
            }
        }
        return false;
    };
}
