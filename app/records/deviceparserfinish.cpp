// The end of a category: conversations and contacts completed, every list in
// its display order, every record finished, the assembly tables emptied.

#include "deviceparser.h"

#include "deviceparser_p.h"
#include "recordbuilders.h"
#include "recordorder.h"

#include <idbexecutor.h>

#include <algorithm>
#include <functional>
#include <mutex>
#include <utility>
#include <vector>

using namespace DeviceData;
using namespace RecordOrder;

namespace {

using WriteLock = std::unique_lock<std::shared_mutex>;
using Order = std::function<bool(const QVariant &, const QVariant &)>;

template <typename T>
void flagAll(QList<QVariant> &list)
{
    for (QVariant &entry : list) {
        T record = entry.value<T>();
        record.finished = true;
        entry = QVariant::fromValue(record);
    }
}

// Equal keys keep their arrival order, so a list reads the same every time.
void sortList(QList<QVariant> &list, const Order &before)
{
    std::stable_sort(list.begin(), list.end(), before);
}

template <typename T>
void sortAndFlag(QList<QVariant> &list, const Order &before)
{
    sortList(list, before);
    flagAll<T>(list);
}

QString firstValue(const ContactInfo &c)
{
    for (const LabelledValues *values : {&c.phones, &c.relatedNames, &c.socialProfiles, &c.instantMessaging,
                                         &c.emails, &c.dates, &c.addresses, &c.urls})
        if (!values->isEmpty())
            return values->first().second;
    for (const QString *text : {&c.birthday, &c.nickname, &c.jobTitle, &c.department, &c.organization, &c.note})
        if (!text->isEmpty())
            return *text;
    return QString();
}

// Chat attachments: pictures and videos are media records, the rest documents.
void finishChatAttachments(RecordLists &kinds)
{
    for (auto it = kinds.begin(); it != kinds.end(); ++it) {
        if (it.key() == VideoKind || it.key() == ImageKind)
            sortAndFlag<MediaInfo>(it.value(), mediaBefore);
        else
            sortAndFlag<DocumentInfo>(it.value(), documentBefore);
    }
}

// Oldest first. A quoted copy keeps its place right after the reply that
// quotes it, whatever the quoted message's own date.
void sortWaMessages(QList<QVariant> &list)
{
    std::vector<std::pair<qint64, int>> keys;
    keys.reserve(size_t(list.size()));
    qint64 replyDate = 0;
    bool sorted = true;
    for (int i = 0; i < list.size(); ++i) {
        WaMessageInfo scratch;
        const WaMessageInfo &message = peekRecord(list.at(i), scratch);
        if (message.isQuote == 0)
            replyDate = message.date;
        sorted = sorted && (keys.empty() || keys.back().first <= replyDate);
        keys.emplace_back(replyDate, i);
    }
    if (sorted)
        return;
    std::stable_sort(keys.begin(), keys.end(),
                     [](const std::pair<qint64, int> &a, const std::pair<qint64, int> &b) { return a.first < b.first; });
    QList<QVariant> ordered;
    ordered.reserve(list.size());
    for (const auto &key : keys)
        ordered.append(list.at(key.second));
    list = ordered;
}

// Messages oldest first, each session's time and last message from its
// newest, sessions newest first.
template <typename Session, typename Messages, typename Sort, typename Last>
void finishSessions(QList<QVariant> &sessions, Messages &messages, Sort sortMessages, Last lastOf,
                    bool (*sessionBefore)(const QVariant &, const QVariant &))
{
    for (auto it = messages.begin(); it != messages.end(); ++it)
        sortMessages(it.value());
    for (QVariant &entry : sessions) {
        Session session = entry.value<Session>();
        session.finished = true;
        const auto found = messages.constFind(session.id);
        if (found != messages.constEnd() && !found->isEmpty())
            lastOf(*found, session);
        entry = QVariant::fromValue(session);
    }
    sortList(sessions, sessionBefore);
}

} // namespace

void DeviceParser::finishCategory(int engineCategory)
{
    WriteLock lock(d->lock);
    // Nothing stored at all: nothing to finish or announce. Group messages
    // wait outside the store until their conversations are built here.
    if (d->store.isEmpty() && (engineCategory != DBAPP_SMS || d->smsMessagesById.isEmpty()))
        return;
    RecordLists &lists = d->store[DeviceGroup];
    int type = -1;
    bool announce = true;

    switch (engineCategory) {
    case DBAPP_SMS: {
        type = Messages;
        const QList<int> chats = d->smsMessagesById.keys();
        lock.unlock();
        for (int chatId : chats) {
            lock.lock();
            // Moved, not copied: sorting a shared list would copy every message.
            SmsMessageList messages = d->smsMessagesById.take(chatId);
            if (messages.isEmpty()) {
                lock.unlock();
                continue;
            }
            SMSSessionInfo session = RecordBuilders::buildSmsSession(*d, messages.first());
            if (session.displayName.endsWith(QLatin1Char(',')))
                session.displayName.chop(1);
            // A key already taken (a one-to-one chat with the only member, or
            // another group of the same members) would hand this chat's
            // messages to that conversation: use the chat's own address.
            if (session.key.isEmpty() || d->smsMessages.contains(session.key)) {
                const QString address = QStringLiteral("_$!<%1>!$_").arg(chatId);
                session.key = address;
                for (int n = 2; d->smsMessages.contains(session.key); ++n)
                    session.key = address + QStringLiteral("#%1").arg(n);
            }
            d->smsMessages.insert(session.key, messages);
            messages.clear();
            QList<QVariant> &sessions = d->store[DeviceGroup][Messages];
            const QVariant value = QVariant::fromValue(session);
            if (session.deleted)
                sessions.prepend(value);
            else
                sessions.append(value);
            const int count = sessions.size();
            lock.unlock();
            emit dataReceived(DeviceGroup, Messages, value, count);
        }
        lock.lock();
        QList<QVariant> &sessions = d->store[DeviceGroup][Messages];
        for (QVariant &entry : sessions) {
            SMSSessionInfo session = entry.value<SMSSessionInfo>();
            auto it = d->smsMessages.find(session.key);
            if (it != d->smsMessages.end() && !it->isEmpty()) {
                // Messages mostly arrive in order already.
                it->sortByTime();
                session.time = it->lastRecord().time;
                session.lastMessage = QVariant::fromValue(it->last());
            }
            session.finished = true;
            entry = QVariant::fromValue(session);
        }
        sortList(sessions, smsSessionBefore);
        sortAndFlag<MediaInfo>(d->store[DeviceGroup][MessagesAttachment], mediaBefore);
        d->smsMessagesById.clear();
        // Sorted lists may end in another message than the intake's last.
        d->conversations.clear();
        break;
    }
    case DBAPP_ADDRESSBOOK: {
        type = Contacts;
        QList<QVariant> &contacts = lists[Contacts];
        QList<int> nameless;
        for (int row = 0; row < contacts.size(); ++row) {
            ContactInfo contact = contacts.at(row).value<ContactInfo>();
            contact.finished = true;
            // A deleted contact has no row id: nothing of the tables is its own.
            if (!contact.deleted) {
                const int id = contact.recordId;
                contact.photoPath = d->intTexts.value(id);
                if (d->recordPartsA.contains(id))
                    applyContactValues(d->recordPartsA.value(id), contact);
                else if (d->recordPartsB.contains(id))
                    applyCloudContactValues(d->recordPartsB.value(id), contact);
            }
            if (contact.sortName.isEmpty())
                contact.sortName = firstValue(contact);
            if (contact.sortName.isEmpty())
                nameless.append(row);
            else
                contacts[row] = QVariant::fromValue(contact);
        }
        for (int i = nameless.size() - 1; i >= 0; --i)
            contacts.removeAt(nameless.at(i));
        const QCollator collator = nameCollator();
        sortList(contacts, [&collator](const QVariant &a, const QVariant &b) { return contactBefore(collator, a, b); });
        d->intTexts.clear();
        d->recordPartsA.clear();
        d->stringPairs.clear();
        d->recordPartsB.clear();
        announce = d->scanCategories.value(DeviceGroup).contains(Contacts);
        break;
    }
    case DBAPP_BOOKMARKS: {
        type = SafariBookmarks;
        const QCollator collator = nameCollator();
        sortAndFlag<SafariInfo>(lists[SafariBookmarks], [&collator](const QVariant &a, const QVariant &b) {
            return bookmarkBefore(collator, a, b);
        });
        break;
    }
    case DBAPP_SAFARI_HISTORY:
        type = SafariHistory;
        sortAndFlag<SafariInfo>(lists[SafariHistory], historyBefore);
        break;
    case DBAPP_CALL_HISTORY:
        type = CallHistory;
        sortAndFlag<CHFTInfo>(lists[CallHistory], callBefore);
        break;
    case DBAPP_FACETIME:
        type = FaceTime;
        sortAndFlag<CHFTInfo>(lists[FaceTime], callBefore);
        break;
    case DBAPP_VOICEMAIL:
        type = Voicemails;
        sortAndFlag<VMMInfo>(lists[Voicemails], voiceBefore);
        break;
    case DBAPP_VOICEMEMO:
        type = VoiceMemos;
        sortAndFlag<VMMInfo>(lists[VoiceMemos], voiceBefore);
        break;
    case DBAPP_NOTES:
        type = Notes;
        sortAndFlag<NotesInfo>(lists[Notes], noteBefore);
        sortAndFlag<MediaInfo>(lists[NotesAttachment], mediaBefore);
        break;
    case DBAPP_CALENDAR:
        type = Calendars;
        sortAndFlag<CalenderReminderInfo>(lists[Calendars], eventBefore);
        sortAndFlag<MediaInfo>(lists[CalendarsAttachment], mediaBefore);
        break;
    case DBAPP_REMINDERS:
        type = Reminders;
        sortAndFlag<CalenderReminderInfo>(lists[Reminders], reminderBefore);
        sortAndFlag<MediaInfo>(lists[RemindersAttachment], mediaBefore);
        break;
    case DBAPP_PHOTOS:
        type = Photos;
        sortAndFlag<MediaInfo>(lists[Photos], mediaBefore);
        break;
    case DBAPP_3RD_IMAGE:
        type = AppPhotos;
        sortAndFlag<MediaInfo>(lists[AppPhotos], mediaBefore);
        break;
    case DBAPP_VIDEO:
        type = AlbumVideos;
        flagAll<MediaInfo>(lists[AlbumVideos]);
        break;
    case DBAPP_3RD_VIDEO:
        type = AppVideos;
        flagAll<MediaInfo>(lists[AppVideos]);
        break;
    case DBAPP_3RD_AUDIO:
        type = AppAudios;
        sortAndFlag<DocumentInfo>(lists[AppAudios], documentBefore);
        break;
    case DBAPP_3RD_DOCUMENT:
        type = AppDocuments;
        sortAndFlag<DocumentInfo>(lists[AppDocuments], documentBefore);
        break;
    case DBAPP_LINE:
        type = Line;
        finishSessions<LineSessionInfo>(
            lists[Line], d->lineMessages,
            [](QList<LineInfo> &list) {
                if (!std::is_sorted(list.cbegin(), list.cend(), lineMessageBefore))
                    std::stable_sort(list.begin(), list.end(), lineMessageBefore);
            },
            [](const QList<LineInfo> &list, LineSessionInfo &session) {
                session.time = list.last().time;
                session.lastMessage = QVariant::fromValue(list.last());
            },
            lineSessionBefore);
        finishChatAttachments(d->sessionStore[LineAttachment]);
        d->memberInfo.clear();
        break;
    case DBAPP_WHATSAPP:
        type = WhatsApp;
        finishSessions<WaSessionInfo>(
            lists[WhatsApp], d->sessionStore[WhatsApp],
            sortWaMessages,
            [](const QList<QVariant> &list, WaSessionInfo &session) {
                // A quoted copy is older than the reply it follows.
                int last = list.size() - 1;
                WaMessageInfo scratch;
                while (last > 0 && peekRecord(list.at(last), scratch).isQuote != 0)
                    --last;
                session.time = peekRecord(list.at(last), scratch).date;
                session.lastMessage = list.at(last);
            },
            waSessionBefore);
        finishChatAttachments(d->sessionStore[WhatsAppAttachment]);
        d->pendingNames.clear();
        d->nextSessionId = DeviceParserPrivate::FirstStarredSessionId;
        break;
    default:
        break;
    }

    lock.unlock();
    if (announce)
        emit dataFinished(DeviceGroup, type);
}
