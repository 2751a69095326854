#pragma once

#include "devicedata.h"

#include <QString>

// Whether a message of a conversation named name holds keyword, without
// regard to case: the name itself, else by the message's kind its text
// (pictures and videos), its text or subject (texts), its text or size text
// (other attachments). An empty keyword matches every message. Texts are
// compared as they were sent, not as the store keeps them.
bool smsMatchesKeyword(const DeviceData::SMSInfo &message, const QString &name, const QString &keyword);
// The same without the name: the message's own texts.
bool smsTextsMatchKeyword(const DeviceData::SMSInfo &message, const QString &keyword);
