#include "deviceparser.h"

#include "deviceparser_p.h"

#include <mutex>

using namespace DeviceData;

namespace {

using ReadLock = std::shared_lock<std::shared_mutex>;
using WriteLock = std::unique_lock<std::shared_mutex>;

QList<QVariant> listAt(const QMap<int, RecordLists> &outer, int key, int innerKey)
{
    auto it = outer.constFind(key);
    return it == outer.constEnd() ? QList<QVariant>() : it->value(innerKey);
}

void replaceRow(QMap<int, RecordLists> &outer, int key, int innerKey, int row, const QVariant &value)
{
    auto it = outer.find(key);
    if (it == outer.end())
        return;
    auto list = it->find(innerKey);
    if (list != it->end() && row >= 0 && row < list->size())
        (*list)[row] = value;
}

} // namespace

const QVector<int> &DeviceParserPrivate::chatScanTypes()
{
    static const QVector<int> types = {Line, LineAttachment, WhatsApp, WhatsAppAttachment};
    return types;
}

bool DeviceParserPrivate::findContactByNumber(const QString &number, ContactInfo *out) const
{
    const auto group = store.constFind(DeviceGroup);
    if (number.isEmpty() || group == store.constEnd())
        return false;
    const auto contacts = group->constFind(Contacts);
    if (contacts == group->constEnd())
        return false;
    // The message intake asks once per message: read contacts in place.
    for (const QVariant &entry : *contacts) {
        ContactInfo converted;
        const ContactInfo *contact = &converted;
        if (entry.userType() == qMetaTypeId<ContactInfo>())
            contact = static_cast<const ContactInfo *>(entry.constData());
        else
            converted = entry.value<ContactInfo>();
        for (const auto &phone : contact->phones) {
            if (phone.second == number) {
                *out = *contact;
                return true;
            }
        }
    }
    return false;
}

void DeviceParserPrivate::storeRecord(int type, const QVariant &value, bool atFront, bool announce)
{
    QList<QVariant> &list = store[DeviceGroup][type];
    if (atFront)
        list.prepend(value);
    else
        list.append(value);
    // The record itself: one stored at the front is not the list's last.
    if (announce)
        emit q->dataReceived(DeviceGroup, type, value, list.size());
}

int DeviceParserPrivate::appendRecord(int group, int type, const QVariant &value)
{
    QList<QVariant> &list = store[group][type];
    list.append(value);
    return list.size();
}

SmsConversation *DeviceParserPrivate::conversation(const QString &key)
{
    const auto known = conversations.find(key);
    if (known != conversations.end())
        return &known.value();
    const auto it = smsMessages.find(key);
    if (it == smsMessages.end())
        return nullptr;
    SmsConversation found;
    found.messages = &it.value();
    found.key = it.key();
    if (!it->isEmpty()) {
        found.participants = it->lastRecord().participants;
        found.address = it->lastRecord().address;
    }
    return &conversations.insert(it.key(), found).value();
}

SmsConversation &DeviceParserPrivate::addConversation(const QString &key)
{
    auto it = smsMessages.find(key);
    if (it == smsMessages.end())
        it = smsMessages.insert(key, SmsMessageList());
    SmsConversation added;
    added.messages = &it.value();
    added.key = it.key();
    return conversations.insert(key, added).value();
}

int DeviceParserPrivate::appendSessionRecord(int scanType, int key, const QVariant &value)
{
    RecordLists &lists = sessionStore[scanType];
    lists[key].append(value);
    int total = 0;
    for (const QList<QVariant> &list : qAsConst(lists))
        total += list.size();
    return total;
}

DeviceParser *DeviceParser::instance()
{
    static DeviceParser parser;
    return &parser;
}

DeviceParser::DeviceParser()
    : d(new DeviceParserPrivate(this))
{
    registerMetaTypes();
}

DeviceParser::~DeviceParser()
{
    // The store goes at exit, possibly after a worker's last write: taking
    // the lock orders that write before the store is freed.
    std::unique_lock<std::shared_mutex> lock(d->lock);
}

QList<QVariant> DeviceParser::records(int group, int type) const
{
    ReadLock lock(d->lock);
    return listAt(d->store, group, type);
}

QMap<int, QList<QVariant>> DeviceParser::recordMap(int group) const
{
    ReadLock lock(d->lock);
    return d->store.value(group);
}

QList<QVariant> DeviceParser::sessionRecords(int scanType, int key) const
{
    ReadLock lock(d->lock);
    return listAt(d->sessionStore, scanType, key);
}

QMap<int, QList<QVariant>> DeviceParser::sessionMap(int scanType) const
{
    ReadLock lock(d->lock);
    return d->sessionStore.value(scanType);
}

SmsMessageList DeviceParser::smsMessages(const QString &key) const
{
    ReadLock lock(d->lock);
    return d->smsMessages.value(key);
}

SMSInfo DeviceParser::lastSmsMessage(const QString &key) const
{
    ReadLock lock(d->lock);
    const auto it = d->smsMessages.constFind(key);
    return it == d->smsMessages.constEnd() || it->isEmpty() ? SMSInfo() : it->last();
}

QList<LineInfo> DeviceParser::lineSessions(int sessionId) const
{
    ReadLock lock(d->lock);
    return d->lineMessages.value(sessionId);
}

LineInfo DeviceParser::lastLineMessage(int sessionId) const
{
    ReadLock lock(d->lock);
    const auto it = d->lineMessages.constFind(sessionId);
    return it == d->lineMessages.constEnd() || it->isEmpty() ? LineInfo() : it->last();
}

bool DeviceParser::findContactByNumber(const QString &number, ContactInfo &out) const
{
    ReadLock lock(d->lock);
    return d->findContactByNumber(number, &out);
}

QString DeviceParser::contactNameForNumber(const QString &number) const
{
    ReadLock lock(d->lock);
    ContactInfo contact;
    if (number.isEmpty())
        return QString();
    return d->findContactByNumber(number, &contact) ? contact.sortName : number;
}

QString DeviceParser::displayName(const QString &handle) const
{
    ReadLock lock(d->lock);
    const auto it = d->handleNames.constFind(handle);
    return it == d->handleNames.constEnd() || it->name.isEmpty() ? handle : it->name;
}

bool DeviceParser::findCachedName(const QString &key, QString &jid, QString &number, QString &pushName) const
{
    ReadLock lock(d->lock);
    const auto it = d->cachedNames.constFind(key);
    if (it == d->cachedNames.constEnd())
        return false;
    jid = it->jid;
    number = it->number;
    pushName = it->pushName;
    return true;
}

bool DeviceParser::isScanFinished(int group) const
{
    ReadLock lock(d->lock);
    return d->scanFinished.value(group, false);
}

QVector<int> DeviceParser::scanCategories(int group) const
{
    ReadLock lock(d->lock);
    return d->scanCategories.value(group);
}

QMap<int, int> DeviceParser::scanErrors(int group) const
{
    ReadLock lock(d->lock);
    return d->scanErrors.value(group);
}

QList<QString> DeviceParser::smsMessageKeys() const
{
    ReadLock lock(d->lock);
    return d->smsMessages.keys();
}

QList<int> DeviceParser::lineSessionIds() const
{
    ReadLock lock(d->lock);
    return d->lineMessages.keys();
}

QList<int> DeviceParser::sessionScanTypes() const
{
    ReadLock lock(d->lock);
    return d->sessionStore.keys();
}

void DeviceParser::setScanCategories(int group, const QVector<int> &categories)
{
    WriteLock lock(d->lock);
    d->scanCategories[group] = categories;
}

void DeviceParser::setRecords(int group, int type, const QList<QVariant> &list)
{
    WriteLock lock(d->lock);
    d->store[group][type] = list;
}

void DeviceParser::setRecord(int group, int type, int row, const QVariant &value)
{
    WriteLock lock(d->lock);
    replaceRow(d->store, group, type, row, value);
}

void DeviceParser::setSessionRecords(int scanType, int key, const QList<QVariant> &list)
{
    WriteLock lock(d->lock);
    d->sessionStore[scanType][key] = list;
}

void DeviceParser::setSessionRecord(int scanType, int key, int row, const QVariant &value)
{
    WriteLock lock(d->lock);
    replaceRow(d->sessionStore, scanType, key, row, value);
}

int DeviceParser::appendRecord(int group, int type, const QVariant &value)
{
    WriteLock lock(d->lock);
    const int size = d->appendRecord(group, type, value);
    emit dataReceived(DeviceData::GroupType(group), type, value, size);
    return size;
}

int DeviceParser::appendSessionRecord(int scanType, int key, const QVariant &value)
{
    WriteLock lock(d->lock);
    return d->appendSessionRecord(scanType, key, value);
}

void DeviceParser::setSmsMessages(const QString &key, const SmsMessageList &messages)
{
    WriteLock lock(d->lock);
    d->smsMessages[key] = messages;
    // Its newest message may have changed.
    d->conversations.remove(key);
}

void DeviceParser::setLineSessions(int sessionId, const QList<LineInfo> &messages)
{
    WriteLock lock(d->lock);
    d->lineMessages[sessionId] = messages;
}

void DeviceParser::setDisplayName(const QString &handle, const QString &name)
{
    WriteLock lock(d->lock);
    LineUserEntry &user = d->handleNames[handle];
    user.mid = handle;
    user.name = name;
}

void DeviceParser::setCachedName(const QString &key, const QString &jid, const QString &number,
                                 const QString &pushName)
{
    WriteLock lock(d->lock);
    d->cachedNames[key] = WaPushName {jid, number, pushName};
}

int DeviceParser::takeSessionId()
{
    WriteLock lock(d->lock);
    return d->takeSessionId();
}

void DeviceParser::setScanFinished(int group, bool finished)
{
    WriteLock lock(d->lock);
    d->scanFinished[group] = finished;
    if (group == DeviceGroup)
        d->deviceScanFinished = finished;
}

void DeviceParser::resetRecords(int group)
{
    WriteLock lock(d->lock);
    ++d->resets;
    d->store[group] = RecordLists();
    d->scanErrors.remove(group);
    for (int scanType : DeviceParserPrivate::chatScanTypes())
        d->sessionStore[scanType] = RecordLists();
}

void DeviceParser::reset()
{
    WriteLock lock(d->lock);
    ++d->resets;
    d->scanFinished.clear();
    d->deviceScanFinished = false;
    d->scanCategories.clear();
    d->store.clear();
    d->smsMessages.clear();
    d->conversations.clear();
    d->smsMessagesById.clear();
    d->intTexts.clear();
    d->recordPartsA.clear();
    d->stringPairs.clear();
    d->recordPartsB.clear();
    d->memberInfo.clear();
    d->handleNames.clear();
    d->lineMessages.clear();
    d->cachedNames.clear();
    d->pendingNames.clear();
    d->sessionStore.clear();
    d->nextSessionId = DeviceParserPrivate::FirstStarredSessionId;
}

void DeviceParser::clearAll()
{
    // The scan flags, chosen categories, contact assembly tables, pending
    // group members and the starred-session counter belong to the scan's
    // own life cycle and stay.
    WriteLock lock(d->lock);
    ++d->resets;
    d->sessionStore.clear();
    d->store.clear();
    d->scanErrors.clear();
    d->lineMessages.clear();
    d->handleNames.clear();
    d->smsMessages.clear();
    d->conversations.clear();
    d->smsMessagesById.clear();
    d->cachedNames.clear();
}
