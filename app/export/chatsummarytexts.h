#pragma once

#include "devicedata.h"

#include <QString>

// One-line texts made from chat records: the summary of a last message, the
// "To: " line of a chat, WhatsApp event texts and LINE call-end texts. The
// session lists, the chat views and the chat export all show these, so they
// live in one place.

QString waMessageSummary(const DeviceData::WaMessageInfo &message);
// The "To: " line of a WhatsApp chat. ownerNumber is the backup owner's
// number; a group chat that does not list it gets a "You" entry for it.
QString waRecipientsText(const DeviceData::WaSessionInfo &session, const QString &ownerNumber);
// The event sentence with its first known phrase translated.
QString waSystemMessageText(const QString &text);

QString lineMessageSummary(const DeviceData::LineInfo &message);
QString lineRecipientsText(const DeviceData::LineSessionInfo &session);
QString callEndedText(const QString &text);

// The members of a mention markup ("_$!<" address ">!$_" items), in order.
QStringList markupMembers(const QString &markup);
