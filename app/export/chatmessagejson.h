#pragma once

#include "devicedata.h"

#include <QJsonObject>
#include <QString>

// The JSON objects of one chat message and one chat head as the exported
// chat pages read them. Attachments are copied or queued into the folder's
// "resource/Attachment"; a message whose file is not queued is counted at
// once, a queued one when its copy ends.

// The store keeps "<" and ">" of message texts as entities; the pages show
// text as text, so the writers turn them back.
QString plainMessageText(const QString &stored);

// One message written without a file to copy: processed and succeeded now.
void countWrittenMessage();

// Appends text as a JSON string in the bytes QJsonDocument writes: UTF-8,
// only the quote, the backslash and control characters escaped.
void appendJsonString(QByteArray &out, const QString &text);

// Appends one Messages message with its "id" as compact JSON (members in
// sorted order, as QJsonDocument writes them); queued tells whether its
// attachment went to the copy queue. Written directly: a message export
// holds millions of these.
void appendSmsMessageJson(QByteArray &out, const QString &folder, const DeviceData::SMSInfo &message, int id,
                          bool *queued);

// "name", "grpMembers" and "avatar" of a Messages chat head.
void chatMembersToJson(QJsonObject &head, const DeviceData::SMSSessionInfo &chat,
                       const DeviceData::SMSInfo &lastMessage);

// The members of one LINE / WhatsApp message element: item gets the
// message's own members, info the attachment and media members.
void chatMessageToJson(const QString &folder, const DeviceData::LineInfo &message, QJsonObject &item,
                       QJsonObject &info);
void waMessageToJson(const QString &folder, const DeviceData::WaMessageInfo &message, QJsonObject &item,
                     QJsonObject &info);
