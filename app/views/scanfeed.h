#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

#include <atomic>
#include <mutex>

// What the record store announces during a scan, gathered for the
// scan-result page. The store's signals arrive on the scan's thread (some
// while the store's lock is held): the add functions only append under this
// object's own mutex and read nothing else. The page takes what gathered
// on the GUI thread, from a timer.
//
// Kept: the latest count of every category; the records of the category
// the page follows, with their running counts; that category's chat session
// updates; the categories that ended.
class ScanFeed
{
public:
    struct Record
    {
        int kind = -1; // the attachment kind of a chat attachment record, else -1
        QVariant record;
        int total = 0; // the category's count once the record was stored
    };
    struct SessionUpdate
    {
        QString session;
        QVariant record;
    };
    struct Batch
    {
        QMap<int, int> counts; // category -> latest count
        QList<Record> records; // of the followed category, in arrival order
        QList<SessionUpdate> updates;
        QList<int> finished;
        bool isEmpty() const { return counts.isEmpty() && records.isEmpty() && updates.isEmpty() && finished.isEmpty(); }
    };

    // Any thread.
    void addRecord(int type, const QVariant &record, int total);
    void addKindRecord(int type, int kind, const QVariant &record, int total);
    void addSessionUpdate(int type, const QString &session, const QVariant &record);
    void addFinished(int type);

    // The category whose records and updates are kept from now on (-1 none);
    // what was kept for another one is dropped.
    void follow(int type);
    // Everything gathered since the last take.
    Batch take();
    void clear();

    // Whether the scan worker is inside a request (between its start and
    // its stop), told from the worker's own signals.
    void setWorkerRunning(bool running) { m_workerRunning = running; }
    bool workerRunning() const { return m_workerRunning; }

private:
    std::atomic<bool> m_workerRunning{false};
    std::mutex m_mutex; // a standard one, so that race checkers see it
    int m_followed = -1;
    Batch m_batch;
};
