#pragma once

#include "devicedata.h"
#include "recovererror.h"
#include "smsmessagelist.h"

#include <QIODevice>
#include <QList>
#include <QString>
#include <QVariant>

#include <atomic>

// The data files of the exported chat pages. Each is a streamed list,
// "window.dict=[" ... "]", of chat elements: the chat's head object (its
// closing brace turned into a comma), then "\"messages\":[\n", the messages
// joined by ",", and "\n],\n}". Only checked chats are written; running
// false stops between chats and still closes the list. The writers give
// the first file they could not write whole as an error, else NoError.

// folder/json/message.js of the checked Messages chats that have messages.
RecoverError::ErrorType writeSmsDataFile(const QString &folder, const QList<QVariant> &conversations,
                                         const std::atomic<bool> &running);
// One Messages chat's messages part, from "\"messages\":[\n" to "\n],\n}".
void smsChatToJson(const QString &folder, const DeviceData::SmsMessageList &messages, QIODevice &file);

// The items of one LINE / WhatsApp chat's "messages" array.
void writeLineMessageList(const QString &folder, const int *sessionId, QIODevice &file);
void writeWaMessageList(const QString &folder, const int *sessionId, QIODevice &file);

// json/single, json/group and json/keep (LINE) or json/star (WhatsApp):
// each non-empty block gets contacts.js, common.js and its page. owner is
// the source name (LINE) or the owner's phone number (WhatsApp).
// Whether a LINE chat of this kind is written (one-to-one, group, Keep).
bool isWrittenLineChat(quint16 kind);
RecoverError::ErrorType writeLineDataFiles(const QString &folder, const QString &owner,
                                           const QList<QVariant> &conversations, const std::atomic<bool> &running);
RecoverError::ErrorType writeWhatsAppDataFiles(const QString &folder, const QString &owner,
                                               const QList<QVariant> &conversations,
                                               const std::atomic<bool> &running);
