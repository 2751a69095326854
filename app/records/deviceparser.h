#pragma once

#include "devicedata.h"
#include "smsmessagelist.h"

#include <QMap>
#include <QObject>
#include <QPair>
#include <QScopedPointer>
#include <QString>
#include <QVariant>
#include <QVector>

class DeviceParserPrivate;
struct ContactValuePart;

// The one store of scanned records. Scan and iCloud workers write into it
// (a scan's messages from a thread of its own, ScanIntake); the views, chat
// views, export and recovery pages read copies out of it. One read-write
// lock guards everything; it is not recursive.
//
// The intake emits dataReceived, dataReceivedV1 and dataFinished while it
// still holds the write lock. Connect to them queued
// (Qt::QueuedConnection, or auto with the receiver in another thread than
// the writer): a slot run directly on the writer's thread that calls any
// reader of this store deadlocks on the lock.
class DeviceParser : public QObject
{
    Q_OBJECT

public:
    static DeviceParser *instance();
    ~DeviceParser() override;

    // Readers: each returns copies; a missing key gives an empty or default
    // value and leaves the store unchanged.
    QList<QVariant> records(int group, int type) const;
    QMap<int, QList<QVariant>> recordMap(int group) const;
    QList<QVariant> sessionRecords(int scanType, int key) const;
    QMap<int, QList<QVariant>> sessionMap(int scanType) const;
    DeviceData::SmsMessageList smsMessages(const QString &key) const;
    DeviceData::SMSInfo lastSmsMessage(const QString &key) const;
    QList<DeviceData::LineInfo> lineSessions(int sessionId) const;
    DeviceData::LineInfo lastLineMessage(int sessionId) const;
    bool findContactByNumber(const QString &number, DeviceData::ContactInfo &out) const;
    QString contactNameForNumber(const QString &number) const;
    QString displayName(const QString &handle) const;
    bool findCachedName(const QString &key, QString &jid, QString &number, QString &pushName) const;
    bool isScanFinished(int group) const;
    QVector<int> scanCategories(int group) const;
    // The categories of the group's scan that could not be read: engine
    // category (engineCategoryOf) -> the engine's reason (DBExecutorError).
    // Kept until resetRecords or clearAll.
    QMap<int, int> scanErrors(int group) const;
    // The keys of the conversations, LINE chats and chat scan types held.
    QList<QString> smsMessageKeys() const;
    QList<int> lineSessionIds() const;
    QList<int> sessionScanTypes() const;

    // Writers.
    void setScanCategories(int group, const QVector<int> &categories);
    void setRecords(int group, int type, const QList<QVariant> &list);
    void setRecord(int group, int type, int row, const QVariant &value); // ignores a row outside the list
    void setSessionRecords(int scanType, int key, const QList<QVariant> &list);
    void setSessionRecord(int scanType, int key, int row, const QVariant &value);
    void setScanFinished(int group, bool finished);
    void resetRecords(int group); // empties the group and the chat session stores
    void clearAll();              // drops every record and the chat directories
    void reset();                 // everything as at start-up, scan flags and assembly tables too

    // What the intake stores, for callers that stand in for it (tools, tests).
    // Appends a record and announces it with dataReceived; returns the list's size.
    int appendRecord(int group, int type, const QVariant &value);
    // Appends to a chat session list; returns the records of the scan type.
    int appendSessionRecord(int scanType, int key, const QVariant &value);
    void setSmsMessages(const QString &key, const DeviceData::SmsMessageList &messages);
    void setLineSessions(int sessionId, const QList<DeviceData::LineInfo> &messages);
    void setDisplayName(const QString &handle, const QString &name); // a LINE user's name
    void setCachedName(const QString &key, const QString &jid, const QString &number, const QString &pushName);
    int takeSessionId(); // the next starred-message session id

    // Engine intake, on the scan worker thread; each takes the lock itself.
    // The callback's status is passed by value, the user pointer not at all.
    void onEngineCallback(int group, int status, int kind, int value, const void *record);
    // One engine record of a DbAppCategory bit; the record is copied.
    void parseEngineRecord(int engineCategory, int subType, const void *record);
    // For an intake that stores records after the engine gave them
    // (ScanIntake). Whether a record given now would be stored (not after a
    // stop), and how many times the store has been emptied.
    bool takesEngineRecords() const;
    quint64 resetCount() const;
    // Records of one category as parseEngineRecord would have taken them
    // when the store's reset count was `resets`, in their order, under one
    // lock. Dropped when the store has been emptied since.
    void parseEngineRecords(int engineCategory, quint64 resets, const QVector<QPair<int, const void *>> &records);
    // Completes, sorts and flags the category's lists and announces them.
    void finishCategory(int engineCategory);
    // LINE and WhatsApp records by the index of the query that produced
    // them. Called with the write lock held by parseEngineRecord.
    void parseLineRecord(int queryIndex, const void *record);
    void parseWhatsAppRecord(int queryIndex, const void *record);

    // iCloud intake, on the iCloud worker thread; each takes the lock itself.
    // The record is the library's, valid only during the call.
    void parseCloudRecord(int group, int kind, const void *record, int subKind, int extra);
    // The end step of the category an iCloud data kind fills.
    void finishCloudCategory(int kind);

    // The contact's labelled values from its multi-value entries (engine) or
    // value entries (iCloud). Called with the write lock held.
    void applyContactValues(const QList<ContactValuePart> &parts, DeviceData::ContactInfo &contact) const;
    void applyCloudContactValues(const QList<ContactValuePart> &parts, DeviceData::ContactInfo &contact) const;

    // The raw members, for the intake of this library (deviceparser_p.h).
    DeviceParserPrivate *storage() const { return d.data(); }

signals:
    void dataReceived(DeviceData::GroupType group, int type, QVariant data, int totalCount);
    void dataReceivedV1(int scanType, int type, QVariant data, int totalCount);
    void dataUpDate(DeviceData::GroupType group, int type, QString sessionName, QVariant data);
    void dataFinished(DeviceData::GroupType group, int type);
    // A category could not be read (what it read before stays); emitted
    // after the lock is released.
    void scanError(DeviceData::GroupType group, int engineCategory, int error);

private:
    DeviceParser();
    Q_DISABLE_COPY(DeviceParser)

    QScopedPointer<DeviceParserPrivate> d;
};
