#pragma once

#include <QList>
#include <QString>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class IDBExecutor;
class ScanIntake;

// The thread that runs the scanning engine: one engine pass per requested
// category, in order, each engine callback handed to the sink unchanged.
class ScanVardex : public QThread
{
    Q_OBJECT

public:
    // Receives (source, status, kind, value, record) on the worker thread;
    // the record is valid only during the call. By default the record store's
    // intake (ScanIntake, drained at each category's end); by default the
    // engine is made with InitDBExecutor.
    using Sink = std::function<void(int source, int status, int kind, int value, const void *record)>;
    using ExecutorFactory = std::function<bool(IDBExecutor **out)>;

    explicit ScanVardex(Sink sink = Sink(), ExecutorFactory factory = ExecutorFactory(),
                        QObject *parent = nullptr);
    ~ScanVardex() override;

    // The engine code of a category flag; 0 for a flag without one.
    static int engineCode(int category);

    // Replaces what is queued; a running category finishes first. The
    // engine writes its copies into outputDir, by default the media cache.
    // The store's scan is marked finished once the request's queue ran
    // empty or was stopped, before sigScanBackupsDbStop.
    void queueScan(const QList<int> &categories, const QString &backupPath, const QString &deviceUdid,
                   bool fromDevice, const QString &outputDir = QString());
    // Ends the running category early and drops what is queued.
    void stopScan();
    // stopScan, and the thread ends.
    void requestQuit();

    QString getRegisterPhoneNum(const QString &backupPath);

signals:
    void sigScanBackupsDbStart();
    void sigScanBackupsDbStop();

protected:
    void run() override;

private:
    struct Request
    {
        QString backupPath;
        QString deviceUdid;
        bool fromDevice = false;
        QString outputDir;
    };

    static void onEngineRecord(const int *status, int kind, int value, const void *record, void *user);
    void scanCategory(int code, const Request &request);
    void halt();

    Sink m_sink;
    ExecutorFactory m_factory;
    std::unique_ptr<ScanIntake> m_intake; // the default sink's; worker thread only

    // Standard locks, so that race checkers see them.
    std::mutex m_mutex; // the queue, the request and m_pendingStop
    std::condition_variable m_wakeUp;
    QList<int> m_queue;
    Request m_request;
    bool m_pendingStop = false; // a request whose end is still to be signalled

    std::atomic<bool> m_stopRequested {false};

    std::mutex m_executorMutex; // the executor, for Stop from another thread
    IDBExecutor *m_executor = nullptr;
    bool m_categoryStopped = false;
    bool m_engineEndedCategory = false; // worker thread only

    std::mutex m_phoneMutex;
    std::unique_ptr<IDBExecutor> m_phoneExecutor;
};
