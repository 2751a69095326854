#include "recordorder.h"

#include <formatutils.h>

#include <QLocale>

using namespace DeviceData;

namespace RecordOrder {

namespace {

template <typename T, typename Flag, typename Key>
bool flaggedThenLarger(const QVariant &a, const QVariant &b, Flag flag, Key key)
{
    T sa, sb;
    const T &ra = peekRecord(a, sa);
    const T &rb = peekRecord(b, sb);
    if (ra.*flag != rb.*flag)
        return ra.*flag;
    return qint64(ra.*key) > qint64(rb.*key);
}

template <typename T>
bool flaggedThenCollated(const QCollator &collator, const QVariant &a, const QVariant &b, QString T::*text)
{
    T sa, sb;
    const T &ra = peekRecord(a, sa);
    const T &rb = peekRecord(b, sb);
    if (ra.deleted != rb.deleted)
        return ra.deleted;
    if (ra.deleted)
        return ra.time > rb.time;
    return collator.compare(ra.*text, rb.*text) < 0;
}

bool isHeifSuffix(const QString &suffix)
{
    static const QStringList words = {"heic", "heif", "heics", "heifs"};
    return endsWithAny(suffix, words, Qt::CaseInsensitive);
}

} // namespace

bool callBefore(const QVariant &a, const QVariant &b)
{
    return flaggedThenLarger<CHFTInfo>(a, b, &CHFTInfo::deleted, &CHFTInfo::date);
}

bool eventBefore(const QVariant &a, const QVariant &b)
{
    return flaggedThenLarger<CalenderReminderInfo>(a, b, &CalenderReminderInfo::deleted, &CalenderReminderInfo::start);
}

bool reminderBefore(const QVariant &a, const QVariant &b)
{
    return flaggedThenLarger<CalenderReminderInfo>(a, b, &CalenderReminderInfo::deleted, &CalenderReminderInfo::end);
}

bool documentBefore(const QVariant &a, const QVariant &b)
{
    return flaggedThenLarger<DocumentInfo>(a, b, &DocumentInfo::deleted, &DocumentInfo::size);
}

bool noteBefore(const QVariant &a, const QVariant &b)
{
    return flaggedThenLarger<NotesInfo>(a, b, &NotesInfo::deleted, &NotesInfo::created);
}

bool voiceBefore(const QVariant &a, const QVariant &b)
{
    return flaggedThenLarger<VMMInfo>(a, b, &VMMInfo::deleted, &VMMInfo::date);
}

bool historyBefore(const QVariant &a, const QVariant &b)
{
    return flaggedThenLarger<SafariInfo>(a, b, &SafariInfo::deleted, &SafariInfo::time);
}

bool smsSessionBefore(const QVariant &a, const QVariant &b)
{
    return flaggedThenLarger<SMSSessionInfo>(a, b, &SMSSessionInfo::deleted, &SMSSessionInfo::time);
}

bool lineSessionBefore(const QVariant &a, const QVariant &b)
{
    return flaggedThenLarger<LineSessionInfo>(a, b, &LineSessionInfo::deleted, &LineSessionInfo::time);
}

bool waSessionBefore(const QVariant &a, const QVariant &b)
{
    return flaggedThenLarger<WaSessionInfo>(a, b, &WaSessionInfo::deleted, &WaSessionInfo::time);
}

bool mediaBefore(const QVariant &a, const QVariant &b)
{
    MediaInfo sa, sb;
    const MediaInfo &ra = peekRecord(a, sa);
    const MediaInfo &rb = peekRecord(b, sb);
    const bool heifA = isHeifSuffix(ra.suffix);
    const bool heifB = isHeifSuffix(rb.suffix);
    if (heifA != heifB)
        return heifB;
    if (heifA)
        return ra.time < rb.time;
    if (ra.deleted != rb.deleted)
        return ra.deleted;
    return ra.time > rb.time;
}

bool bookmarkBefore(const QCollator &collator, const QVariant &a, const QVariant &b)
{
    return flaggedThenCollated<SafariInfo>(collator, a, b, &SafariInfo::title);
}

bool contactBefore(const QCollator &collator, const QVariant &a, const QVariant &b)
{
    return flaggedThenCollated<ContactInfo>(collator, a, b, &ContactInfo::sortName);
}

bool smsMessageBefore(const SMSInfo &a, const SMSInfo &b)
{
    return a.time < b.time;
}

bool lineMessageBefore(const LineInfo &a, const LineInfo &b)
{
    return a.time < b.time;
}

bool waMessageBefore(const WaMessageInfo &a, const WaMessageInfo &b)
{
    return a.date < b.date;
}

QCollator nameCollator()
{
    QCollator collator{QLocale(QLocale::English)};
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

} // namespace RecordOrder
