// The iCloud intake of DeviceParser: the library's records become the same
// records an engine scan gives, in the same lists.

#include "deviceparser.h"

#include "deviceparser_p.h"
#include "recordbuilders.h"

#include <cirranerecords.h>
#include <formatutils.h>
#include <idbexecutor.h>
#include <vlog.h>

#include <QDateTime>
#include <QFileInfo>

#include <mutex>

using namespace DeviceData;
using namespace RecordBuilders;

namespace {

using WriteLock = std::unique_lock<std::shared_mutex>;

// "yyyyMMddhhmm" as a number to "yyyy-MM-dd hh:mm"; empty for 0.
QString eventTimeText(qint64 value)
{
    if (value == 0)
        return QString();
    const QDateTime time = QDateTime::fromString(QString::number(value), QStringLiteral("yyyyMMddhhmm"));
    return time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd hh:mm")) : QString();
}

class CloudIntake
{
public:
    explicit CloudIntake(DeviceParserPrivate *d) : d(d) {}

    void dispatch(int kind, const void *record, int subKind);

private:
    void store(int type, const QVariant &value, bool deleted) { d->storeRecord(type, value, deleted); }

    template <typename T>
    const T *recordOrLog(const void *record, const char *message)
    {
        if (!record)
            vlogError(QString::fromLatin1(message));
        return static_cast<const T *>(record);
    }

    // The attachment on the first parent whose id matches, then in its own list.
    template <typename Parent, typename Id, typename Match>
    void attach(int parentType, int type, const MediaInfo &media, const Id &id, Match match)
    {
        for (QVariant &entry : d->store[DeviceGroup][parentType]) {
            Parent parent = entry.value<Parent>();
            if (match(parent, id)) {
                parent.attachments.append(media);
                entry = QVariant::fromValue(parent);
                break;
            }
        }
        store(type, QVariant::fromValue(media), media.deleted);
    }

    void media(int type, int mediaKind, const Cirrane::STMedia &r);
    void contacts(int subKind, const void *record);
    void note(const Cirrane::STNotes &r);
    void calendar(int subKind, const void *record);
    void reminders(int subKind, const void *record);

    DeviceParserPrivate *d;
};

void CloudIntake::dispatch(int kind, const void *record, int subKind)
{
    switch (kind) {
    case 1:
        if (auto r = recordOrLog<Cirrane::STMedia>(record, "[PHOTO]reinterpret_cast<Cirrane::pSTMedia>(data) nullptr"))
            media(Photos, ImageKind, *r);
        break;
    case 2:
        if (auto r = recordOrLog<Cirrane::STMedia>(record, "[VIDEO]reinterpret_cast<Cirrane::pSTMedia>(data) nullptr"))
            media(AlbumVideos, VideoKind, *r);
        break;
    case 4:
        contacts(subKind, record);
        break;
    case 5:
        calendar(subKind, record);
        break;
    case 6:
        if (auto r = recordOrLog<Cirrane::STNotes>(record, "reinterpret_cast<pSTNotes>(data) nullptr"))
            note(*r);
        break;
    case 7:
        reminders(subKind, record);
        break;
    default:
        break;
    }
}

void CloudIntake::media(int type, int mediaKind, const Cirrane::STMedia &r)
{
    MediaInfo info;
    info.name = fromWide(r.fileName);
    info.suffix = QFileInfo(info.name).suffix();
    info.path = fromWide(r.localPath);
    info.preview = fromWide(r.previewPath);
    info.time = toUnixSeconds(r.date);
    info.size = r.size;
    info.mediaKind = quint16(mediaKind);
    info.deleted = r.deleted != 0;
    store(type, QVariant::fromValue(info), info.deleted);
}

void CloudIntake::contacts(int subKind, const void *record)
{
    if (subKind == 0) {
        if (auto r = recordOrLog<Cirrane::STContacts>(record, "reinterpret_cast<Cirrane::pSTContacts>(data) nullptr"))
            store(Contacts, QVariant::fromValue(convertCloudContact(*r)), false);
    } else if (subKind == 1) {
        if (auto r = recordOrLog<Cirrane::STContactsInfo>(record,
                                                          "reinterpret_cast<Cirrane::pSTContactsInfo>(data) nullptr"))
            d->recordPartsB[r->contactId].append({r->contactId, r->kind, fromWide(r->label), fromWide(r->value)});
    }
}

void CloudIntake::note(const Cirrane::STNotes &r)
{
    NotesInfo info;
    info.title = fromWide(r.title);
    info.body = fromWide(r.body);
    info.created = r.created;
    info.createdText = dateTextOf(r.created);
    info.noteId = quint16(r.noteId);
    info.recordId = r.noteId;
    info.deleted = (r.deleted & 0xFF) != 0;
    store(Notes, QVariant::fromValue(info), info.deleted);

    MediaInfo media;
    if (!buildAttachmentMedia(fromWide(r.attachmentPath), fromWide(r.attachmentName), media))
        return;
    // Matched on the whole id: two notes 65536 apart are different notes.
    attach<NotesInfo>(Notes, NotesAttachment, media, r.noteId,
                      [](const NotesInfo &n, int32_t id) { return n.recordId == id; });
}

void CloudIntake::calendar(int subKind, const void *record)
{
    if (subKind == 0) {
        auto r = recordOrLog<Cirrane::STCalendarEvent>(record, "reinterpret_cast<pSTReminders>(data) nullptr");
        if (!r)
            return;
        CalenderReminderInfo event;
        event.id = QString::number(r->eventId);
        event.title = fromWide(r->title);
        event.notes = fromWide(r->notes);
        event.location = fromWide(r->location);
        event.start = r->start;
        event.end = r->end;
        event.startText = eventTimeText(r->start);
        event.endText = eventTimeText(r->end);
        store(Calendars, QVariant::fromValue(event), false);
    } else if (subKind == 1) {
        auto r = recordOrLog<Cirrane::STCalendarAttachment>(
            record, "reinterpret_cast<Cirrane::pSTCalendarAttachment>(data) nullptr");
        if (!r)
            return;
        MediaInfo media;
        if (!buildAttachmentMedia(fromWide(r->localPath), fromWide(r->name), media))
            return;
        media.size = r->size;
        attach<CalenderReminderInfo>(Calendars, CalendarsAttachment, media, QString::number(r->eventId),
                                     [](const CalenderReminderInfo &e, const QString &id) { return e.id == id; });
    }
}

void CloudIntake::reminders(int subKind, const void *record)
{
    if (subKind == 0) {
        auto r = recordOrLog<Cirrane::STReminders>(record, "reinterpret_cast<pSTReminders>(data) nullptr");
        if (!r)
            return;
        CalenderReminderInfo reminder;
        reminder.id = QString::number(r->reminderId);
        reminder.title = fromWide(r->title);
        reminder.notes = fromWide(r->notes);
        reminder.listName = fromWide(r->listName);
        reminder.priority = r->priority;
        reminder.completed = r->completed;
        reminder.start = r->start;
        reminder.end = r->end;
        reminder.startText = dateTextOf(r->start);
        reminder.endText = dateTextOf(r->end);
        reminder.deleted = r->deleted != 0;
        store(Reminders, QVariant::fromValue(reminder), reminder.deleted);
    } else if (subKind == 1) {
        auto r = recordOrLog<Cirrane::STRemindersAttachment>(record,
                                                             "reinterpret_cast<pSTRemindersAttachment>(data) nullptr");
        if (!r)
            return;
        MediaInfo media;
        if (!buildAttachmentMedia(fromWide(r->localPath), fromWide(r->name), media))
            return;
        attach<CalenderReminderInfo>(Reminders, RemindersAttachment, media, QString::number(r->reminderId),
                                     [](const CalenderReminderInfo &e, const QString &id) { return e.id == id; });
    } else if (subKind == 2) {
        auto r = recordOrLog<Cirrane::STRemindersAlarmTrigger>(
            record, "reinterpret_cast<pSTRemindersAlarmTrigger>(data) nullptr");
        if (!r)
            return;
        const QString id = QString::number(r->reminderId);
        for (QVariant &entry : d->store[DeviceGroup][Reminders]) {
            CalenderReminderInfo reminder = entry.value<CalenderReminderInfo>();
            if (reminder.id == id) {
                reminder.location = fromWide(r->title);
                entry = QVariant::fromValue(reminder);
                break;
            }
        }
    }
}

} // namespace

void DeviceParser::parseCloudRecord(int group, int kind, const void *record, int subKind, int extra)
{
    Q_UNUSED(extra);
    if (isScanFinished(group)) {
        vlogInfo(QStringLiteral("Parse End Receives the packet repeatedly\n"));
        return;
    }
    WriteLock lock(d->lock);
    CloudIntake(d.data()).dispatch(kind, record, subKind);
}

void DeviceParser::finishCloudCategory(int kind)
{
    static const QMap<int, int> engineBits = {{1, DBAPP_PHOTOS},   {2, DBAPP_VIDEO},     {4, DBAPP_ADDRESSBOOK},
                                              {5, DBAPP_CALENDAR}, {6, DBAPP_NOTES},     {7, DBAPP_REMINDERS}};
    const auto it = engineBits.constFind(kind);
    if (it != engineBits.constEnd())
        finishCategory(it.value());
}
