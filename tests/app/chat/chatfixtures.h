#pragma once

#include "chatinit.h"
#include "devicedata.h"
#include "deviceparser.h"
#include "recordaccess.h"
#include "widgetkit.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

// Conversations, messages and contacts for the chat tests, built in code and
// put into the record store as the scan's intake leaves them.
namespace ChatFixtures {

// What every chat test does first, once the application exists.
inline void initChatTests()
{
    initWidgetKit();
    initChat();
    DeviceData::registerMetaTypes();
}

inline DeviceData::SMSInfo text(const QString &body, qint64 time, bool fromMe = false,
                                const QString &subject = QString())
{
    DeviceData::SMSInfo message;
    message.text = body;
    message.subject = subject;
    message.time = time;
    message.dayText = QDateTime::fromSecsSinceEpoch(time).toString(QStringLiteral("yyyy-MM-dd"));
    message.direction = fromMe ? 2 : 1;
    message.isFromMe = fromMe;
    message.mediaKind = DeviceData::NoAttachmentKind;
    return message;
}

inline DeviceData::SMSInfo attachment(int kind, const QString &name, qint64 time, const QString &path = QString(),
                                      const QString &preview = QString(), const QString &size = QStringLiteral("12KB"))
{
    DeviceData::SMSInfo message = text(name, time);
    message.mediaKind = quint16(kind);
    message.attachmentPath = path;
    message.attachmentPreview = preview;
    message.attachmentSizeText = size;
    return message;
}

inline DeviceData::SMSSessionInfo conversation(const QString &key, const QString &name,
                                               const QList<DeviceData::SMSInfo> &messages, bool deleted = false)
{
    DeviceData::SMSSessionInfo session;
    session.key = key;
    session.displayName = name;
    if (!messages.isEmpty()) {
        session.lastMessage = QVariant::fromValue(messages.last());
        session.time = messages.last().time;
    }
    session.deleted = deleted;
    session.finished = true;
    session.valid = true;
    return session;
}

// Stores the messages under the key with the recipients the intake gives
// them, and returns the conversation's record.
inline QVariant storeConversation(const QString &key, const QString &name, QList<DeviceData::SMSInfo> messages,
                                  bool deleted = false, const QString &recipients = QString())
{
    for (DeviceData::SMSInfo &message : messages) {
        message.handle = key;
        message.participants = recipients.isEmpty() ? key + QLatin1Char(',') : recipients;
    }
    DeviceParser::instance()->setSmsMessages(key, messages);
    return QVariant::fromValue(conversation(key, name, messages, deleted));
}

// The conversations as the store's Messages list.
inline void storeList(const QList<QVariant> &records)
{
    DeviceParser::instance()->setRecords(DeviceData::DeviceGroup, DeviceData::Messages, records);
}

inline QList<QVariant> storedList()
{
    return DeviceParser::instance()->records(DeviceData::DeviceGroup, DeviceData::Messages);
}

inline DeviceData::SMSSessionInfo sessionOf(const QVariant &record)
{
    return record.value<DeviceData::SMSSessionInfo>();
}

inline void storeContact(const QString &name, const QString &number)
{
    DeviceData::ContactInfo contact;
    contact.sortName = name;
    contact.phones.append({QStringLiteral("mobile"), number});
    QList<QVariant> contacts = DeviceParser::instance()->records(DeviceData::DeviceGroup, DeviceData::Contacts);
    contacts.append(QVariant::fromValue(contact));
    DeviceParser::instance()->setRecords(DeviceData::DeviceGroup, DeviceData::Contacts, contacts);
}

// n conversations "Person i" of one text each, times rising with i.
inline QList<QVariant> storeConversations(int n)
{
    QList<QVariant> list;
    for (int i = 0; i < n; ++i)
        list.append(storeConversation(QStringLiteral("+1555%1").arg(i, 7, 10, QLatin1Char('0')),
                                      QStringLiteral("Person %1").arg(i),
                                      {text(QStringLiteral("Hello %1").arg(i), 1600000000 + i * 60)}));
    storeList(list);
    return list;
}

} // namespace ChatFixtures
