#pragma once

#include "recovererror.h"

#include <QMap>
#include <QObject>
#include <QPair>
#include <QScopedPointer>
#include <QString>

#include <functional>

class CopyProxyImpl;
class IDBExecutor;

// The export's file mover: a queue of (source, destination) jobs worked off
// on a pool of its own threads, with progress, per-file results and the end
// of each batch as signals (emitted on worker threads; connect queued).
class CopyProxy : public QObject
{
    Q_OBJECT

public:
    using ExecutorFactory = std::function<IDBExecutor *()>;
    using DeviceIdProvider = std::function<QString()>;

    static CopyProxy *instance();
    ~CopyProxy() override;

    void addTask(const QString &source, const QString &destination);
    void pause();
    void resume();
    void retry();
    // Drops what is pending and stops the files in progress; each of them
    // still reports its result.
    void terminate();
    // Back to the initial state; files still in progress report nothing.
    void clear();
    bool isRunning() const;
    // Not running, and every sigCopyOver sent so far (counted when decided,
    // before the results it follows could be missed) has been received.
    bool isSettled(quint64 oversReceived) const;
    // Returns once no other thread holds the queue's lock.
    void waitIdle();

    int pendingCount() const;
    QMap<QString, QString> failedJobs() const;
    int threadCount() const;

    // How device copies get their executor and the device's identifier.
    // The identifier is read afresh at each connection attempt; whoever owns
    // the device-connection service provides it (its current device's
    // unique id). Without a provider no device is current and device copies
    // fail.
    static void setExecutorFactory(ExecutorFactory factory);
    static void setDeviceIdProvider(DeviceIdProvider provider);

public slots:
    void start();

signals:
    void sigCopyOver();
    void sigCopyFinished(bool bIsSuccess);
    void sigCopyProcess(QString strFile, QString strProcess);
    void sigError(RecoverError::ErrorType err);

private:
    CopyProxy();
    Q_DISABLE_COPY(CopyProxy)

    friend class CopyProxyImpl;
    QScopedPointer<CopyProxyImpl> d;
};
