#pragma once

#include "ganalytics.h"

#include <QMutex>
#include <QPointer>
#include <QStringList>

#include <atomic>

class QEventLoop;

class GAnalytics::GAnalyticsImpl
{
public:
    GAnalyticsImpl(GAnalytics *owner, const QString &measurementId);
    ~GAnalyticsImpl();

    QString buildUrl(const QString &eventName, const QStringList &parameters, bool debug) const;

    // An empty URL is ignored; otherwise it is queued and, when no send job
    // runs, a job is started on the global thread pool.
    void enqueue(const QString &url);
    // The send job: until the queue is empty or the client is stopped.
    void sendPending();

    // Ends the job at once, abandoning a request in flight, and starts no
    // other; the process is about to lose its application object.
    void shutdown();
    void waitUntilIdle();

    QString baseUrl;
    GAnalytics *owner;
    QString measurementId; // under mutex: events are built on any thread
    QString clientId;
    QString sessionId;
    std::atomic<bool> debug{false};
    QStringList queue;
    mutable QMutex mutex;
    std::atomic<bool> busy{false};
    std::atomic<bool> stopped{false};
    std::atomic<bool> closing{false};
    std::atomic<int> transferTimeoutMs{15000};

private:
    QEventLoop *m_loop = nullptr; // the job's wait, under the mutex
};
