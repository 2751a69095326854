// The engine record intake of DeviceParser: every engine record becomes a
// DeviceData record in the store, converted and copied during the callback.

#include "deviceparser.h"

#include "deviceparser_p.h"
#include "exifreader.h"
#include "recordbuilders.h"

#include <dbrecords.h>
#include <formatutils.h>
#include <idbexecutor.h>
#include <vlog.h>

#include <QFileInfo>
#include <QHash>
#include <QStringList>

#include <mutex>

using namespace DeviceData;
using namespace RecordBuilders;

namespace {

using WriteLock = std::unique_lock<std::shared_mutex>;

// A member id is listed when it is one of the comma-separated ids.
bool listsId(const QString &handle, const QString &id)
{
    // Asked once per message of a group and member: no list of parts.
    for (int from = 0;;) {
        const int comma = handle.indexOf(QLatin1Char(','), from);
        const int end = comma < 0 ? handle.size() : comma;
        if (QStringView(handle).mid(from, end - from) == id)
            return true;
        if (comma < 0)
            return false;
        from = comma + 1;
    }
}

LabelledValues splitValues(const std::wstring &text)
{
    LabelledValues values;
    for (const QString &part : fromWide(text).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        values.append({QString(), part});
    return values;
}

// The record's own date, else the picture's EXIF date, else the file's
// last-modified time; 0 without either.
qint64 fileTime(int64_t engineDate, const QString &path)
{
    if (engineDate != 0)
        return toUnixSeconds(engineDate);
    if (path.isEmpty())
        return 0;
    const QDateTime exif = ExifReader::toDateTime(ExifReader::readExifDateTime(path));
    if (exif.isValid())
        return exif.toSecsSinceEpoch();
    const QDateTime modified = QFileInfo(path).lastModified();
    return modified.isValid() ? modified.toSecsSinceEpoch() : 0;
}

// An atomic reference count update waits for the thread's pending writes,
// which during a scan are many: none when the texts are one already.
void assignShared(QString &target, const QString &source)
{
    if (!target.isSharedWith(source))
        target = source;
}

// The audio file's size, 0 when it is missing.
void setAudioSize(VMMInfo &info)
{
    const QFileInfo file(info.path);
    info.size = file.exists() ? file.size() : 0;
    info.sizeText = formatFileSize(quint64(info.size), 1);
}

class Intake
{
public:
    Intake(DeviceParser *parser, DeviceParserPrivate *d) : q(parser), d(d) {}

    void dispatch(int category, int subType, const void *record);

private:
    void store(int type, const QVariant &value, bool deleted, bool announce = true)
    {
        d->storeRecord(type, value, deleted, announce);
    }

    template <typename T>
    const T *recordOrLog(const void *record, const char *message)
    {
        if (!record)
            vlogError(QString::fromLatin1(message));
        return static_cast<const T *>(record);
    }

    void sms(int subType, const void *record);
    void smsMember(const STSMSmember &member);
    void contacts(int subType, const void *record);
    void call(int type, const STCallHistory &r);
    void notes(int subType, const void *record);
    void calendar(const STCalender &r);
    void reminders(int subType, const void *record);
    void picture(int type, const STFiles &r);
    void video(int type, const STFiles &r);
    void document(int type, const STFiles &r);
    // An app file whose Manifest row names no backup file (its file id is
    // not 40 hex digits) is counted for one log line at the category's end.
    void countFileWithoutId(int category, const STFiles &r);

    DeviceParser *q;
    DeviceParserPrivate *d;
};

void Intake::dispatch(int category, int subType, const void *record)
{
    switch (category) {
    case DBAPP_SMS:
        sms(subType, record);
        break;
    case DBAPP_ADDRESSBOOK:
        contacts(subType, record);
        break;
    case DBAPP_BOOKMARKS:
        if (auto r = recordOrLog<STBookMarks>(record, "reinterpret_cast<pSTBookMarks>(data) nullptr")) {
            SafariInfo info;
            info.title = fromWide(r->title);
            info.url = fromWide(r->url);
            info.text3 = fromWide(r->folder);
            store(SafariBookmarks, QVariant::fromValue(info), false);
        }
        break;
    case DBAPP_SAFARI_HISTORY:
        if (auto r = recordOrLog<STSafariHistory>(record, "reinterpret_cast<pSTSafariHistory>(data) nullptr")) {
            SafariInfo info;
            info.title = fromWide(r->title);
            info.url = fromWide(r->url);
            info.time = r->visitTime;
            info.timeText = dateTextOf(r->visitTime);
            store(SafariHistory, QVariant::fromValue(info), false);
        }
        break;
    case DBAPP_CALL_HISTORY:
        if (auto r = recordOrLog<STCallHistory>(record, "reinterpret_cast<pSTCallHistory>(data) nullptr"))
            call(CallHistory, *r);
        break;
    case DBAPP_FACETIME:
        if (auto r = recordOrLog<STFaceTime>(record, "reinterpret_cast<pSTFaceTime>(data) nullptr"))
            call(FaceTime, *r);
        break;
    case DBAPP_VOICEMAIL:
        if (auto r = recordOrLog<STVoiceMail>(record, "reinterpret_cast<pSTVoiceMail>(data) nullptr")) {
            VMMInfo info;
            info.title = fromWide(r->sender);
            info.sender = info.title;
            info.path = fromWide(r->audioFile);
            info.date = r->date;
            info.dateText = dateTextOf(r->date);
            info.durationText = durationTextOf(r->duration);
            setAudioSize(info);
            store(Voicemails, QVariant::fromValue(info), false);
        }
        break;
    case DBAPP_VOICEMEMO:
        if (auto r = recordOrLog<STVoicememo>(record, "reinterpret_cast<pSTVoicememo>(data) nullptr")) {
            VMMInfo info;
            info.title = fromWide(r->label);
            info.path = fromWide(r->file);
            info.date = r->date;
            info.dateText = dateTextOf(r->date);
            info.durationText = durationTextOf(qint64(r->duration));
            setAudioSize(info);
            info.deleted = r->deleted;
            store(VoiceMemos, QVariant::fromValue(info), info.deleted);
        }
        break;
    case DBAPP_NOTES:
        notes(subType, record);
        break;
    case DBAPP_CALENDAR:
        if (auto r = recordOrLog<STCalender>(record, "reinterpret_cast<pSTCalender>(data) nullptr"))
            calendar(*r);
        break;
    case DBAPP_REMINDERS:
        reminders(subType, record);
        break;
    case DBAPP_PHOTOS:
    case DBAPP_3RD_IMAGE:
        if (auto r = recordOrLog<STFiles>(record, "[DBAPP_PHOTOS|DBAPP_3RD_IMAGE]reinterpret_cast<pSTFiles>(data) nullptr")) {
            countFileWithoutId(category, *r);
            picture(category == DBAPP_PHOTOS ? Photos : AppPhotos, *r);
        }
        break;
    case DBAPP_VIDEO:
    case DBAPP_3RD_VIDEO:
        if (auto r = recordOrLog<STFiles>(record, "[DBAPP_3RD_VIDEO|DBAPP_VIDEO]reinterpret_cast<pSTFiles>(data) nullptr")) {
            countFileWithoutId(category, *r);
            video(category == DBAPP_VIDEO ? AlbumVideos : AppVideos, *r);
        }
        break;
    case DBAPP_3RD_AUDIO:
    case DBAPP_3RD_DOCUMENT:
        if (auto r = recordOrLog<STFiles>(record,
                                          "[DBAPP_3RD_AUDIO|DBAPP_3RD_DOCUMENT]reinterpret_cast<pSTFiles>(data) nullptr")) {
            countFileWithoutId(category, *r);
            document(category == DBAPP_3RD_AUDIO ? AppAudios : AppDocuments, *r);
        }
        break;
    case DBAPP_LINE:
        q->parseLineRecord(subType, record);
        break;
    case DBAPP_WHATSAPP:
        q->parseWhatsAppRecord(subType, record);
        break;
    default:
        break;
    }
}

void Intake::sms(int subType, const void *record)
{
    if (subType == SMS_MEMBER_SUBTYPE) {
        if (auto r = recordOrLog<STSMSmember>(record, "reinterpret_cast<pSTSMSmember>(data) nullptr"))
            smsMember(*r);
        return;
    }
    auto r = recordOrLog<STSMS>(record, "reinterpret_cast<pSTSMS>(data) nullptr");
    if (!r)
        return;

    SMSInfo message;
    message.address = addressOf(r->uncanonicalizedId);
    message.handle = addressOf(r->id);
    if (message.handle.isEmpty())
        message.handle = message.address;
    message.isFromMe = r->isFromMe != 0;
    message.direction = message.isFromMe ? 2 : 1;
    message.isForward = r->isForward != 0;
    message.error = quint16(r->error);
    message.isSms = isSmsService(r->service);
    message.isGroup = r->isGroup;
    message.chatId = r->groupId;
    message.deleted = r->isDeleted;
    message.time = toUnixSeconds(r->date);
    message.dayText = dayTextOf(message.time);
    message.subject = fromWide(r->subject);
    // The list keeps texts in UTF-8, written straight from the engine's
    // text, with no UTF-16 text made and dropped on the way.
    thread_local QByteArray utf8;
    const bool inUtf8 = r->attachmentFile.empty() && escapedUtf8(r->text, utf8);
    if (!inUtf8) {
        message.text = fromWide(r->text);
        if (message.text.contains(QLatin1Char('<')) || message.text.contains(QLatin1Char('>')))
            escapeHtml(message.text);
    }
    const auto append = [&](SmsMessageList &list) {
        if (inUtf8)
            list.appendUtf8(std::move(message), utf8.constData(), utf8.size());
        else
            list.append(std::move(message));
    };
    message.attachmentPath = fromWide(r->attachmentFile);
    if (!message.attachmentPath.isEmpty()) {
        const QFileInfo file(message.attachmentPath);
        message.attachmentExists = file.exists();
        message.attachmentSizeText = formatFileSize(quint64(message.attachmentExists ? file.size() : 0), 1);
        const MediaInfo media = buildMessageAttachment(message);
        store(MessagesAttachment, QVariant::fromValue(media), media.deleted);
    } else {
        message.mediaKind = NoAttachmentKind;
    }

    if (message.isGroup) {
        SmsMessageList &list = d->smsMessagesById[message.chatId];
        if (!list.isEmpty() && list.lastRecord().address == message.address)
            message.address = list.lastRecord().address;
        if (!list.isEmpty() && list.lastRecord().handle == message.handle)
            message.handle = list.lastRecord().handle;
        append(list);
        return;
    }

    if (SmsConversation *conversation = d->conversation(message.handle)) {
        // A conversation's messages share its texts instead of holding copies.
        assignShared(message.handle, conversation->key);
        if (conversation->messages->isEmpty()) {
            message.participants = message.handle + QLatin1Char(',');
        } else {
            message.participants = conversation->participants;
            if (conversation->address == message.address)
                assignShared(message.address, conversation->address);
        }
        assignShared(conversation->participants, message.participants);
        assignShared(conversation->address, message.address);
        append(*conversation->messages);
        return;
    }
    message.participants = message.handle + QLatin1Char(',');
    // The conversation's record shows its first message, text and all.
    if (inUtf8)
        message.text = QString::fromUtf8(utf8.constData(), utf8.size());
    const SMSSessionInfo session = buildSmsSession(*d, message);
    SmsConversation &added = d->addConversation(message.handle);
    added.participants = message.participants;
    added.address = message.address;
    added.messages->append(std::move(message));
    store(Messages, QVariant::fromValue(session), session.deleted);
}

void Intake::smsMember(const STSMSmember &member)
{
    auto it = d->smsMessagesById.find(member.chatId);
    if (it == d->smsMessagesById.end())
        return;
    const QString memberId = fromWide(member.id.empty() ? member.uncanonicalizedId : member.id);
    const bool viaSms = isSmsService(member.service);
    const QString address = QStringLiteral("_$!<%1>!$_").arg(member.chatId);
    // Each distinct member list is extended once, and messages with the same
    // members end with one shared text: a chat's senders alternate.
    QHash<QString, QString> extended;
    it->updateRecords([&](SMSInfo &message) {
        message.isSms = viaSms;
        const auto known = extended.constFind(message.handle);
        if (known != extended.constEnd()) {
            message.handle = *known;
        } else {
            const QString before = message.handle;
            if (message.handle.isEmpty())
                message.handle = memberId;
            else if (!memberId.isEmpty() && !listsId(message.handle, memberId))
                message.handle += QLatin1Char(',') + memberId;
            extended.insert(before, message.handle);
        }
        message.address = address;
        message.participants = message.handle;
    });
}

void Intake::contacts(int subType, const void *record)
{
    const bool announce = d->scanCategories.value(DeviceGroup).contains(Contacts);
    switch (subType) {
    case 0:
        if (auto r = recordOrLog<STAddressBook>(record, "reinterpret_cast<pSTAddressBook>(data) nullptr"))
            store(Contacts, QVariant::fromValue(convertDeviceContact(*r)), false, announce);
        break;
    case 1:
        if (auto r = recordOrLog<STAddressBookProperty>(record, "reinterpret_cast<pSTAddressBookProperty>(data) nullptr"))
            d->recordPartsA[r->recordId].append({r->uid, r->property, fromWide(r->label), fromWide(r->value)});
        break;
    case 2:
        if (auto r = recordOrLog<STAddressBookPropertyValue>(
                record, "reinterpret_cast<pSTAddressBookPropertyValue>(data) nullptr"))
            d->stringPairs[r->parentId].append({fromWide(r->key), fromWide(r->value)});
        break;
    case 3:
        if (auto r = recordOrLog<STAddressBookImage>(record, "reinterpret_cast<pSTAddressBookImage>(data) nullptr")) {
            if (!r->imageFile.empty())
                d->intTexts[r->recordId] = fromWide(r->imageFile);
        }
        break;
    case 4:
        if (auto r = recordOrLog<STDeletedAddressBook>(record, "reinterpret_cast<pSTDeletedAddressBook>(data) nullptr")) {
            ContactInfo contact;
            contact.firstName = fromWide(r->first);
            contact.middleName = fromWide(r->middle);
            contact.lastName = fromWide(r->last);
            contact.sortName = contact.lastName + contact.firstName + contact.middleName;
            contact.time = QDateTime::currentSecsSinceEpoch();
            contact.organization = fromWide(r->organization);
            contact.department = fromWide(r->department);
            contact.note = fromWide(r->note);
            const QString birthday = fromWide(r->birthday);
            contact.birthday = birthday.isEmpty() ? birthday : contactDateText(birthday);
            contact.deleted = true;
            contact.dates = splitValues(r->date);
            contact.addresses = splitValues(r->address);
            contact.instantMessaging = splitValues(r->im);
            contact.phones = splitValues(r->phone);
            contact.emails = splitValues(r->email);
            contact.urls = splitValues(r->url);
            contact.relatedNames = splitValues(r->relatedNames);
            contact.socialProfiles = splitValues(r->socialProfile);
            store(Contacts, QVariant::fromValue(contact), true, announce);
        }
        break;
    default:
        break;
    }
}

void Intake::call(int type, const STCallHistory &r)
{
    CHFTInfo info;
    info.address = fromWide(r.address);
    info.value = fromWide(r.value);
    if (info.address.isEmpty() && info.value.isEmpty())
        return;
    info.date = r.date;
    info.dateText = dateTextOf(r.date);
    info.durationText = durationTextOf(r.duration > 0 ? qint64(r.duration) : 0);
    info.originated = quint16(r.originated);
    info.disconnectedCause = quint16(r.disconnectedCause);

    ContactInfo contact;
    const QString address = withoutWhitespace(info.address);
    const QString value = withoutWhitespace(info.value);
    if (d->findContactByNumber(address, &contact)) {
        info.displayName = contact.sortName.isEmpty() ? address : contact.sortName;
        info.contactPhoto = contact.photoPath;
    } else if (d->findContactByNumber(value, &contact)) {
        info.displayName = contact.sortName.isEmpty() ? value : contact.sortName;
        info.contactPhoto = contact.photoPath;
    } else {
        info.displayName = info.address.isEmpty() ? info.value : info.address;
    }
    store(type, QVariant::fromValue(info), false);
}

void Intake::notes(int subType, const void *record)
{
    if (subType == 0) {
        auto r = recordOrLog<STNotes>(record, "reinterpret_cast<pSTNotes>(data) nullptr");
        if (!r)
            return;
        NotesInfo note;
        note.title = fromWide(r->title);
        note.body = fromWide(r->body);
        note.locked = r->isPasswordProtected != 0;
        note.created = r->creationDate;
        note.createdText = dateTextOf(r->creationDate);
        note.noteId = quint16(r->pk);
        note.recordId = r->pk;
        note.deleted = r->inSpecialFolder != 0;
        store(Notes, QVariant::fromValue(note), note.deleted);
        return;
    }
    if (subType != NOTES_ATTACHMENT_SUBTYPE)
        return;
    auto r = recordOrLog<STNotesAttachment>(record, "reinterpret_cast<pSTNotesAttachment>(data) nullptr");
    if (!r)
        return;
    const QString path = fromWide(r->file);
    MediaInfo media;
    if (!buildAttachmentMedia(path, QFileInfo(path).fileName(), media))
        return;
    // Matched on the whole id: two notes 65536 apart are different notes.
    QList<QVariant> &notes = d->store[DeviceGroup][Notes];
    for (QVariant &entry : notes) {
        NotesInfo note = entry.value<NotesInfo>();
        if (note.recordId == r->noteId) {
            note.attachments.append(media);
            entry = QVariant::fromValue(note);
            break;
        }
    }
    store(NotesAttachment, QVariant::fromValue(media), media.deleted);
}

void Intake::calendar(const STCalender &r)
{
    CalenderReminderInfo event;
    event.title = fromWide(r.summary);
    event.notes = fromWide(r.description);
    event.start = qint64(r.startDate);
    event.end = qint64(r.endDate);
    event.startText = dateTextOf(event.start, true);
    event.endText = dateTextOf(event.end, true);
    MediaInfo media;
    const bool withAttachment = buildAttachmentMedia(fromWide(r.attachmentPath), fromWide(r.attachmentName), media);
    if (withAttachment)
        event.attachments.append(media);
    store(Calendars, QVariant::fromValue(event), false);
    if (withAttachment)
        store(CalendarsAttachment, QVariant::fromValue(media), media.deleted);
}

void Intake::reminders(int subType, const void *record)
{
    if (subType == REMINDER_ATTACHMENT_SUBTYPE) {
        auto r = recordOrLog<STReminderAttachment>(record, "reinterpret_cast<pSTReminderAttachment>(data) nullptr");
        if (!r)
            return;
        MediaInfo media;
        if (!buildAttachmentMedia(fromWide(r->filePath), fromWide(r->fileName), media))
            return;
        const QString reminderId = fromWide(r->reminderId);
        QList<QVariant> &reminders = d->store[DeviceGroup][Reminders];
        for (QVariant &entry : reminders) {
            CalenderReminderInfo reminder = entry.value<CalenderReminderInfo>();
            if (reminder.id == reminderId) {
                reminder.attachments.append(media);
                entry = QVariant::fromValue(reminder);
                break;
            }
        }
        store(RemindersAttachment, QVariant::fromValue(media), media.deleted);
        return;
    }
    auto r = recordOrLog<STReminder>(record, "reinterpret_cast<pSTReminder>(data) nullptr");
    if (!r)
        return;
    CalenderReminderInfo reminder;
    reminder.id = fromWide(r->id);
    reminder.title = fromWide(r->title);
    reminder.notes = fromWide(r->notes);
    reminder.location = fromWide(r->locationTitle);
    reminder.url = fromWide(r->url);
    reminder.listName = fromWide(r->listName);
    reminder.start = r->creationDate;
    reminder.end = r->dueDate;
    reminder.startText = dateTextOf(reminder.start);
    reminder.endText = dateTextOf(reminder.end);
    reminder.priority = quint16(r->priority);
    reminder.completed = quint16(r->completed);
    reminder.deleted = r->isDeleted;
    store(Reminders, QVariant::fromValue(reminder), reminder.deleted);
}

void Intake::picture(int type, const STFiles &r)
{
    MediaInfo media;
    media.name = fromWide(r.name);
    media.path = fromWide(r.filePath);
    media.preview = fromWide(r.extraPath);
    media.mediaKind = ImageKind;
    if (media.name.isEmpty())
        media.name = QFileInfo(media.path).completeBaseName() + ".jpg";
    media.time = fileTime(r.date, media.path);
    media.suffix = QFileInfo(media.name).suffix();
    store(type, QVariant::fromValue(media), false);
}

void Intake::video(int type, const STFiles &r)
{
    MediaInfo media;
    media.name = fromWide(r.name);
    media.path = fromWide(r.filePath);
    media.preview = fromWide(r.extraPath);
    media.mediaKind = VideoKind;
    if (media.name.isEmpty())
        media.name = QFileInfo(media.path).completeBaseName() + ".mov";
    media.time = fileTime(r.date, media.path);
    media.suffix = QFileInfo(media.name).suffix();
    // No still without a video to take it from.
    if (!media.path.isEmpty() && (media.preview.isEmpty() || !QFileInfo::exists(media.preview))) {
        media.preview = videoThumbnailPath(media.path);
        queueThumbnail(media.path, media.preview);
    }
    store(type, QVariant::fromValue(media), false);
}

void Intake::countFileWithoutId(int category, const STFiles &r)
{
    // Camera-roll files are looked up by a hash, never by a Manifest id.
    const bool manifestRow = category == DBAPP_3RD_IMAGE || category == DBAPP_3RD_VIDEO
                             || category == DBAPP_3RD_AUDIO || category == DBAPP_3RD_DOCUMENT;
    if (manifestRow && r.filePath.empty())
        ++d->filesWithoutId[category];
}

void Intake::document(int type, const STFiles &r)
{
    DocumentInfo info;
    info.name = fromWide(r.name);
    info.path = fromWide(r.filePath);
    const QFileInfo file(info.path);
    info.deleted = !file.exists();
    info.size = info.deleted ? 0 : file.size();
    info.sizeText = formatFileSize(quint64(info.size), 1);
    info.time = fileTime(r.date, info.path);
    info.dateText = dateTextOf(info.time);
    info.suffix = QFileInfo(info.name).suffix();
    store(type, QVariant::fromValue(info), info.deleted);
}

// The postal address text: parts in a fixed order, each followed by "<br>",
// the last break cut.
QString postalAddress(const QList<QPair<QString, QString>> &pairs, QString &countryCode)
{
    static const QStringList order = {"Country", "State", "City", "SubLocality", "Street", "ZIP"};
    QStringList parts(QVector<QString>(order.size()).toList());
    for (const auto &pair : pairs) {
        if (pair.first.compare(QLatin1String("CountryCode"), Qt::CaseInsensitive) == 0) {
            countryCode = pair.second;
            continue;
        }
        for (int i = 0; i < order.size(); ++i)
            if (pair.first.compare(order.at(i), Qt::CaseInsensitive) == 0 && !pair.second.isEmpty())
                parts[i] = pair.second + QStringLiteral("<br>");
    }
    QString text = parts.join(QString());
    if (text.endsWith(QLatin1String("<br>")))
        text.chop(4);
    return text;
}

QPair<QString, QString> serviceAndUser(const QList<QPair<QString, QString>> &pairs)
{
    QPair<QString, QString> result;
    for (const auto &pair : pairs) {
        if (pair.first.compare(QLatin1String("service"), Qt::CaseInsensitive) == 0)
            result.first = pair.second;
        else if (pair.first.compare(QLatin1String("username"), Qt::CaseInsensitive) == 0)
            result.second = pair.second;
    }
    return result;
}

} // namespace

void DeviceParser::onEngineCallback(int group, int status, int kind, int value, const void *record)
{
    switch (status) {
    case DBSTATUS_ERROR: {
        vlogError(QStringLiteral("Scan Backup Error:%1").arg(kind));
        {
            // The first reason a category gives is the one kept.
            WriteLock lock(d->lock);
            QMap<int, int> &errors = d->scanErrors[group];
            if (!errors.contains(kind))
                errors.insert(kind, value);
        }
        emit scanError(GroupType(group), kind, value);
        break;
    }
    case DBSTATUS_PROGRESS:
        if (kind == DBPROGRESS_CATEGORY_BEGIN || kind == DBPROGRESS_CATEGORY_END) {
            int withoutId = 0;
            {
                WriteLock lock(d->lock);
                withoutId = d->filesWithoutId.take(value);
            }
            if (kind == DBPROGRESS_CATEGORY_END && withoutId > 0)
                vlogInfo(QStringLiteral("Manifest: %1 files of category %2 have a file id that is not 40 hex "
                                        "digits; they were listed without their file")
                             .arg(withoutId)
                             .arg(value));
        }
        if (kind == DBPROGRESS_CATEGORY_END)
            finishCategory(value);
        break;
    case DBSTATUS_RECORD:
        parseEngineRecord(kind, value, record);
        break;
    default:
        break;
    }
}

void DeviceParser::parseEngineRecord(int engineCategory, int subType, const void *record)
{
    // One lock for the check and the record: each lock waits for the
    // thread's pending writes.
    WriteLock lock(d->lock);
    if (d->scanFinished.value(DeviceGroup, false)) {
        lock.unlock();
        vlogInfo(QStringLiteral("Parse End Receives the packet repeatedly\n"));
        return;
    }
    Intake(this, d.data()).dispatch(engineCategory, subType, record);
}

bool DeviceParser::takesEngineRecords() const
{
    return !d->deviceScanFinished;
}

quint64 DeviceParser::resetCount() const
{
    return d->resets;
}

void DeviceParser::parseEngineRecords(int engineCategory, quint64 resets,
                                      const QVector<QPair<int, const void *>> &records)
{
    WriteLock lock(d->lock);
    if (d->resets != resets)
        return;
    Intake intake(this, d.data());
    for (const auto &record : records)
        intake.dispatch(engineCategory, record.first, record.second);
}

void DeviceParser::applyContactValues(const QList<ContactValuePart> &parts, ContactInfo &contact) const
{
    for (const ContactValuePart &part : parts) {
        const QList<QPair<QString, QString>> pairs = d->stringPairs.value(part.uid);
        switch (part.property) {
        case 3:
            if (!part.value.isEmpty())
                contact.phones.append({part.label, withoutWhitespace(part.value)});
            break;
        case 4:
            if (!part.value.isEmpty())
                contact.emails.append({part.label, part.value});
            break;
        case 5: {
            const QString text = postalAddress(pairs, contact.countryCode);
            if (!text.isEmpty())
                contact.addresses.append({part.label, text});
            break;
        }
        case 12:
            if (!part.value.isEmpty())
                contact.dates.append({part.label, contactDateText(part.value)});
            break;
        case 13:
            contact.instantMessaging.append(serviceAndUser(pairs));
            break;
        case 22:
            if (!part.value.isEmpty())
                contact.urls.append({part.label, part.value});
            break;
        case 23:
            if (!part.value.isEmpty())
                contact.relatedNames.append({part.label, part.value});
            break;
        case 46:
            contact.socialProfiles.append(serviceAndUser(pairs));
            break;
        default:
            break;
        }
    }
}

void DeviceParser::applyCloudContactValues(const QList<ContactValuePart> &parts, ContactInfo &contact) const
{
    for (const ContactValuePart &part : parts) {
        const QString label = QStringLiteral("_$!<%1>!$_").arg(part.label);
        QString value = part.value;
        switch (part.property) {
        case 0:
            contact.phones.append({label, withoutWhitespace(value)});
            break;
        case 1:
            contact.dates.append({label, value.remove(QStringLiteral("1604-"))});
            break;
        case 2:
            if (value.endsWith(QLatin1String("<br>")))
                value.chop(4);
            contact.addresses.append({label, value});
            break;
        case 3:
            contact.urls.append({label, value});
            break;
        case 4:
            contact.emails.append({label, value});
            break;
        case 5:
            contact.relatedNames.append({label, value});
            break;
        case 6:
            contact.socialProfiles.append({label, value});
            break;
        case 7:
            contact.instantMessaging.append({label, value});
            break;
        default:
            break;
        }
    }
}
