#pragma once

// Display orders of the category lists. Each predicate answers whether the
// first record goes before the second. Unless named otherwise, a flagged
// (deleted) record goes first, then the larger key.

#include "devicedata.h"

#include <QCollator>
#include <QVariant>

namespace RecordOrder {

bool callBefore(const QVariant &a, const QVariant &b);     // CHFTInfo by date
bool eventBefore(const QVariant &a, const QVariant &b);    // CalenderReminderInfo by start
bool reminderBefore(const QVariant &a, const QVariant &b); // CalenderReminderInfo by end
bool documentBefore(const QVariant &a, const QVariant &b); // DocumentInfo by size
bool noteBefore(const QVariant &a, const QVariant &b);     // NotesInfo by created
bool voiceBefore(const QVariant &a, const QVariant &b);    // VMMInfo by date
bool historyBefore(const QVariant &a, const QVariant &b);  // SafariInfo by time
bool smsSessionBefore(const QVariant &a, const QVariant &b);
bool lineSessionBefore(const QVariant &a, const QVariant &b);
bool waSessionBefore(const QVariant &a, const QVariant &b);
// Pictures other than HEIF first (deleted first, then newest), then HEIF
// pictures oldest first.
bool mediaBefore(const QVariant &a, const QVariant &b);
// Flagged records newest first; the others by collated title or sort name.
bool bookmarkBefore(const QCollator &collator, const QVariant &a, const QVariant &b);
bool contactBefore(const QCollator &collator, const QVariant &a, const QVariant &b);
// Messages oldest first.
bool smsMessageBefore(const DeviceData::SMSInfo &a, const DeviceData::SMSInfo &b);
bool lineMessageBefore(const DeviceData::LineInfo &a, const DeviceData::LineInfo &b);
bool waMessageBefore(const DeviceData::WaMessageInfo &a, const DeviceData::WaMessageInfo &b);

// English, numeric, case-insensitive: the collation of names and titles.
QCollator nameCollator();

// The record inside a list entry without copying it; a default record when
// the entry holds another type.
template <typename T>
const T &peekRecord(const QVariant &value, T &scratch)
{
    if (value.userType() == qMetaTypeId<T>())
        return *static_cast<const T *>(value.constData());
    scratch = value.value<T>();
    return scratch;
}

} // namespace RecordOrder
