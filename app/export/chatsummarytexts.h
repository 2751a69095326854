#pragma once

#include "devicedata.h"

#include <QRegExp>
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

// Whether a search keyword finds the message, compared without regard to
// case with what the chat views show of it: by the message's type its text,
// caption, media name, size or duration (a voice note's). An empty keyword
// finds every message; expired and deleted messages and the types the views
// do not show are never found. The session is not consulted.
bool waMessageMatches(const QString &keyword, const DeviceData::WaMessageInfo &message,
                      const DeviceData::WaSessionInfo &session);
// The same with the expression's pattern as the keyword.
bool waMessageMatchesRegExp(const QRegExp &pattern, const DeviceData::WaMessageInfo &message,
                            const DeviceData::WaSessionInfo &session);

QString lineMessageSummary(const DeviceData::LineInfo &message);
QString lineRecipientsText(const DeviceData::LineSessionInfo &session);
QString callEndedText(const QString &text);
// What a LINE call shows: a group call's start, a normally ended call's kind
// and duration ("Video call 01:05"), else the call's result as the app left it.
QString lineCallText(const DeviceData::LineInfo &message);
// The same as the LINE view shows it; matchSessionName lets a session whose
// name holds the keyword find every message of it.
bool lineMessageMatches(const QString &keyword, const DeviceData::LineSessionInfo &session,
                        const DeviceData::LineInfo &message, bool matchSessionName);
bool lineMessageMatchesRegExp(const QRegExp &pattern, const DeviceData::LineSessionInfo &session,
                              const DeviceData::LineInfo &message, bool matchSessionName);

// The members of a mention markup ("_$!<" address ">!$_" items), in order.
QStringList markupMembers(const QString &markup);
