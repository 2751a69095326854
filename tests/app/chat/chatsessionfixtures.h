#pragma once

#include "devicedata.h"
#include "deviceparser.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

// WhatsApp and LINE chats for the chat tests, built in code and put into the
// record store as the scan's intake and its end leave them: sessions with
// their last message and time, messages per session, checkable.
namespace ChatSessionFixtures {

inline QString dayOf(qint64 time)
{
    return QDateTime::fromSecsSinceEpoch(time).toString(QStringLiteral("yyyy-MM-dd"));
}

inline QString timeOf(qint64 time)
{
    return QDateTime::fromSecsSinceEpoch(time).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

// A WhatsApp message of a type; a text as the store keeps it ("<" and ">"
// as entities).
inline DeviceData::WaMessageInfo waMessage(int type, const QString &text, qint64 time, bool fromMe = false)
{
    DeviceData::WaMessageInfo message;
    message.messageType = type;
    message.text = text;
    message.date = time;
    message.dayText = dayOf(time);
    message.dateTimeText = timeOf(time);
    message.isFromMe = fromMe ? 1 : 0;
    message.direction = fromMe ? 2 : 1;
    message.senderName = fromMe ? QString() : QStringLiteral("Mia");
    message.messageStatus = fromMe ? 8 : 0;
    return message;
}

inline DeviceData::WaMessageInfo waText(const QString &text, qint64 time, bool fromMe = false)
{
    return waMessage(0, text, time, fromMe);
}

// A picture (type 1) of the file at path, there or not.
inline DeviceData::WaMessageInfo waPicture(const QString &path, qint64 time, bool exists, bool fromMe = false)
{
    DeviceData::WaMessageInfo message = waMessage(1, QString(), time, fromMe);
    message.fileName = path.section(QLatin1Char('/'), -1);
    message.mediaPath = path;
    message.thumbnailPath = path;
    message.mediaExists = exists;
    return message;
}

inline DeviceData::WaSessionInfo waSession(int id, const QString &jid, const QString &title, int type = 0,
                                           const QString &members = QString(), bool deleted = false)
{
    DeviceData::WaSessionInfo session;
    session.id = id;
    session.contactJid = jid;
    session.title = title;
    session.chatKind = quint16(type);
    session.members = members;
    session.deleted = deleted;
    session.finished = true;
    session.valid = true;
    return session;
}

// Stores the messages under the session's id and returns its record.
inline QVariant storeWa(DeviceData::WaSessionInfo session, const QList<DeviceData::WaMessageInfo> &messages)
{
    QList<QVariant> list;
    for (const DeviceData::WaMessageInfo &message : messages) {
        DeviceData::WaMessageInfo stored = message;
        stored.chatSession = session.id;
        list.append(QVariant::fromValue(stored));
    }
    DeviceParser::instance()->setSessionRecords(DeviceData::WhatsApp, session.id, list);
    if (!list.isEmpty()) {
        session.lastMessage = list.last();
        session.time = messages.last().date;
    }
    return QVariant::fromValue(session);
}

inline void storeWaList(const QList<QVariant> &sessions)
{
    DeviceParser::instance()->setRecords(DeviceData::DeviceGroup, DeviceData::WhatsApp, sessions);
}

inline DeviceData::WaSessionInfo waOf(const QVariant &record)
{
    return record.value<DeviceData::WaSessionInfo>();
}

// A LINE message of a content type; the owner's when fromMe.
inline DeviceData::LineInfo lineMessage(int contentType, const QString &text, qint64 time, bool fromMe = false)
{
    DeviceData::LineInfo message;
    message.contentType = contentType;
    message.text = text;
    message.time = time;
    message.dateText = dayOf(time);
    message.dateTimeText = timeOf(time);
    message.senderMid = fromMe ? QString() : QStringLiteral("u7a1b2c3");
    message.direction = fromMe ? 2 : 1;
    message.valid = true;
    return message;
}

inline DeviceData::LineInfo lineText(const QString &text, qint64 time, bool fromMe = false)
{
    return lineMessage(0, text, time, fromMe);
}

inline DeviceData::LineSessionInfo lineSession(int id, const QString &mid, const QString &title, int kind = 0,
                                               const QString &members = QString(), bool deleted = false)
{
    DeviceData::LineSessionInfo session;
    session.id = id;
    session.mid = mid;
    session.title = title;
    session.chatKind = quint16(kind);
    session.members = members;
    session.deleted = deleted;
    session.finished = true;
    session.valid = true;
    return session;
}

inline QVariant storeLine(DeviceData::LineSessionInfo session, const QList<DeviceData::LineInfo> &messages)
{
    QList<DeviceData::LineInfo> stored = messages;
    for (DeviceData::LineInfo &message : stored)
        message.chatId = session.id;
    DeviceParser::instance()->setLineSessions(session.id, stored);
    if (!stored.isEmpty()) {
        session.lastMessage = QVariant::fromValue(stored.last());
        session.time = stored.last().time;
    }
    return QVariant::fromValue(session);
}

inline void storeLineList(const QList<QVariant> &sessions)
{
    DeviceParser::instance()->setRecords(DeviceData::DeviceGroup, DeviceData::Line, sessions);
}

inline DeviceData::LineSessionInfo lineOf(const QVariant &record)
{
    return record.value<DeviceData::LineSessionInfo>();
}

inline QList<QVariant> storedList(int category)
{
    return DeviceParser::instance()->records(DeviceData::DeviceGroup, category);
}

} // namespace ChatSessionFixtures
