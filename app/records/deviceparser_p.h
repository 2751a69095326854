#pragma once

// The store's members, for the intake code of this library that fills them.
// Everything here is guarded by `lock`: take it exclusive (std::unique_lock)
// to write, shared (std::shared_lock) to read, and never call a public
// DeviceParser operation while holding it. Code outside the library uses
// DeviceParser's own operations, which take the lock themselves.

#include "deviceparser.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QVariant>
#include <QVector>

#include <atomic>
#include <shared_mutex>

// One multi-value entry of a contact.
struct ContactValuePart
{
    int uid = 0;
    int property = 0;
    QString label;
    QString value;
};

// A LINE group, keyed by its id.
struct LineGroupEntry
{
    int chatId = -1;
    QString id;
    QString name;
    QString pictureFile;
    QString members;
};

// A LINE user, keyed by its mid.
struct LineUserEntry
{
    int chatId = -1;
    QString mid;
    QString name;
    QString statusMessage;
    QString pictureFile;
    qint64 createdTime = 0;
};

// A WhatsApp push name, keyed by its JID.
struct WaPushName
{
    QString jid;
    QString number;
    QString pushName;
};

using RecordLists = QMap<int, QList<QVariant>>;

// A one-to-one conversation as the message intake continues it: its list in
// smsMessages, the key the map holds, and the texts its newest message
// shares with the next one. Kept here so that a message does not read the
// newest one, which is long out of the cache when the next message comes.
struct SmsConversation
{
    DeviceData::SmsMessageList *messages = nullptr;
    QString key;
    QString participants; // of the newest message
    QString address;      // of the newest message
};

class DeviceParserPrivate
{
public:
    static constexpr int FirstStarredSessionId = 300000000;
    // Chat scan types in the order the store resets and clears them.
    static const QVector<int> &chatScanTypes();

    explicit DeviceParserPrivate(DeviceParser *parser) : q(parser) {}

    // The callers below hold the lock.
    bool findContactByNumber(const QString &number, DeviceData::ContactInfo *out) const;
    // Stores a record of the device group in category `type`, at the front
    // when atFront (a deleted record), and announces it with dataReceived
    // (the record, the list's new size), still under the lock.
    void storeRecord(int type, const QVariant &value, bool atFront, bool announce = true);
    int appendRecord(int group, int type, const QVariant &value);          // returns the list's size
    int appendSessionRecord(int scanType, int key, const QVariant &value); // returns the scan type's total
    // The conversation of a key in smsMessages, null when there is none.
    // Valid until the next change of `conversations`.
    SmsConversation *conversation(const QString &key);
    SmsConversation &addConversation(const QString &key);
    int takeSessionId() { return nextSessionId++; }

    QMap<int, bool> scanFinished;
    QMap<int, QVector<int>> scanCategories;
    QMap<int, QMap<int, int>> scanErrors; // group -> engine category -> DBExecutorError
    QMap<int, RecordLists> store;
    QMap<QString, DeviceData::SmsMessageList> smsMessages;
    // smsMessages' lists by key: the message intake looks one up per message,
    // where the ordered map compares a dozen texts. Emptied with smsMessages,
    // whose nodes stay in place while it is not copied, and whenever a list
    // changes other than by the intake's appending.
    QHash<QString, SmsConversation> conversations;
    QMap<int, DeviceData::SmsMessageList> smsMessagesById;
    QMap<int, QString> intTexts;
    QMap<int, QList<ContactValuePart>> recordPartsA;
    QMap<int, QList<QPair<QString, QString>>> stringPairs;
    QMap<int, QList<ContactValuePart>> recordPartsB;
    QMap<QString, LineGroupEntry> memberInfo;
    QMap<QString, LineUserEntry> handleNames;
    QMap<int, QList<DeviceData::LineInfo>> lineMessages;
    QMap<QString, WaPushName> cachedNames;
    QMap<QString, QString> pendingNames;
    QMap<int, RecordLists> sessionStore;
    int nextSessionId = FirstStarredSessionId;
    QMap<int, int> filesWithoutId; // engine category -> its app files without a backup file
    mutable std::shared_mutex lock;
    // Outside the lock, for an intake that stores records after the engine
    // gave them: scanFinished of the device group, and how many times the
    // store was emptied. Written under the lock with what they mirror.
    std::atomic<bool> deviceScanFinished {false};
    std::atomic<quint64> resets {0};
    DeviceParser *const q;
};
