#include "copyproxy.h"

#include "taskworker.h"
#include "threadpool.h"
#include "vlog.h"

#include "idbexecutor.h"

#include <atomic>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QThread>

#include <algorithm>
#include <memory>
#include <mutex>
#include <utility>

namespace
{
    std::mutex s_seamMutex;
    CopyProxy::ExecutorFactory s_executorFactory;
    CopyProxy::DeviceIdProvider s_deviceIdProvider;

    IDBExecutor *makeExecutor()
    {
        {
            std::unique_lock<std::mutex> locker(s_seamMutex);
            if (s_executorFactory)
                return s_executorFactory();
        }
        IDBExecutor *executor = nullptr;
        if (!InitDBExecutor(&executor))
            return nullptr;
        return executor;
    }

    QString currentDeviceId()
    {
        std::unique_lock<std::mutex> locker(s_seamMutex);
        return s_deviceIdProvider ? s_deviceIdProvider() : QString();
    }

    // Device copies name their file through the user value: an id looked up
    // here, which fits whatever integer type the engine passes.
    // Never destroyed: a copy still running at exit goes on using them.
    std::mutex &s_deviceNamesMutex = *new std::mutex;
    auto &s_deviceNames = *new QHash<qint64, QPair<QString, QString>>; // id -> file name, last progress text
    qint64 s_nextDeviceId = 1;

    void onDeviceCopyProgress(const int *status, int kind, int value, const void *record, void *user)
    {
        Q_UNUSED(kind)
        Q_UNUSED(value)
        if (!status || *status != DBSTATUS_COPY_PROGRESS || !record)
            return;
        const double percent = *static_cast<const double *>(record);
        const qint64 id = static_cast<qint64>(reinterpret_cast<intptr_t>(user));
        const QString text = QStringLiteral("[%1%]").arg(percent, 0, 'g', -1);
        QString file;
        {
            std::unique_lock<std::mutex> locker(s_deviceNamesMutex);
            auto it = s_deviceNames.find(id);
            if (it == s_deviceNames.end() || it->second == text)
                return;
            // Strings of their own, shared with no signal: a queued signal's
            // copies are released inside Qt, where the thread checker cannot
            // see the count that orders the hash's free after them.
            it->second = text;
            it->second.detach();
            file = it->first;
            file.detach();
        }
        if (CopyProxy *proxy = CopyProxy::instance())
            emit proxy->sigCopyProcess(file, text);
    }

    // The engine holds one device connection for the process: an executor
    // freed after a newer one connected must not close the newer one's.
    std::atomic<IDBExecutor *> s_connected {nullptr};

    void releaseExecutor(IDBExecutor *executor)
    {
        IDBExecutor *expected = executor;
        if (s_connected.compare_exchange_strong(expected, nullptr))
            executor->DisconnectDevice();
        delete executor;
    }

    using Job = QPair<QString, QString>;
}

class CopyProxyImpl
{
public:
    explicit CopyProxyImpl(CopyProxy *owner)
        : q(owner)
        , pool(std::make_unique<ThreadPool>(
              static_cast<std::uint16_t>(std::min(16, std::max(4, QThread::idealThreadCount() / 2)))))
    {
    }

    void initExecutor();
    QList<Job> takeJobsLocked();
    void dispatch(const QList<Job> &jobs, quint64 generation);
    void runCopyTask(const QString &source, const QString &destination, quint64 generation);
    void onTaskDone(RecoverError::ErrorType err, const QString &source, const QString &destination,
                    taskWorker *worker, quint64 generation);
    void requeueFailed(const char *logLine);

    CopyProxy *q;
    QList<Job> pending;
    QMap<QString, QString> failed;
    std::shared_ptr<IDBExecutor> executor;
    std::unique_ptr<ThreadPool> pool;
    mutable std::mutex lock;
    QList<std::shared_ptr<taskWorker>> workers;
    bool running = false;
    bool paused = false;
    bool terminated = false; // since the last start, resume, retry or clear
    int inFlight = 0;        // jobs handed to the pool and not yet reported
    quint64 generation = 0;  // a clear starts a new one; older jobs stay silent
    quint64 overs = 0;       // sigCopyOver decided so far, counted before it is sent
};

void CopyProxyImpl::initExecutor()
{
    IDBExecutor *made = makeExecutor();
    std::shared_ptr<IDBExecutor> fresh;
    if (!made) {
        vlogError(QStringLiteral("[CopyProxy]InitDBExecutor Err"));
    } else {
        fresh.reset(made, releaseExecutor);
        fresh->SetCallback(onDeviceCopyProgress, this);
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (fresh->ConnectDevice(currentDeviceId().toStdWString()) == 0)
                break;
        }
        s_connected = fresh.get();
    }
    // The previous executor goes once no running job uses it.
    std::unique_lock<std::mutex> locker(lock);
    executor.swap(fresh);
}

QList<Job> CopyProxyImpl::takeJobsLocked()
{
    QList<Job> jobs;
    if (!running || paused)
        return jobs;
    while (!pending.isEmpty() && inFlight < pool->threadCount()) {
        jobs.append(pending.takeFirst());
        ++inFlight;
    }
    return jobs;
}

void CopyProxyImpl::dispatch(const QList<Job> &jobs, quint64 jobGeneration)
{
    for (const Job &job : jobs) {
        pool->commit([this, job, jobGeneration] { runCopyTask(job.first, job.second, jobGeneration); });
    }
}

void CopyProxyImpl::runCopyTask(const QString &source, const QString &destination, quint64 jobGeneration)
{
    auto worker = std::make_shared<taskWorker>();
    qint64 deviceId = 0;
    {
        std::unique_lock<std::mutex> locker(lock);
        worker->setExecutor(executor);
        if (terminated || jobGeneration != generation)
            worker->setStop();
        workers.append(worker);
    }
    {
        std::unique_lock<std::mutex> locker(s_deviceNamesMutex);
        deviceId = s_nextDeviceId++;
        s_deviceNames.insert(deviceId, qMakePair(QFileInfo(destination).fileName(), QString()));
    }
    worker->setDeviceUserValue(static_cast<taskWorker::UserValue>(deviceId));
    worker->copy(
        source, destination,
        [this](const QString &file, const QString &text) { emit q->sigCopyProcess(file, text); },
        [this, jobGeneration](RecoverError::ErrorType err, const QString &src, const QString &dst, taskWorker *w) {
            onTaskDone(err, src, dst, w, jobGeneration);
        });
    std::unique_lock<std::mutex> locker(s_deviceNamesMutex);
    s_deviceNames.remove(deviceId);
}

void CopyProxyImpl::onTaskDone(RecoverError::ErrorType err, const QString &source, const QString &destination,
                               taskWorker *worker, quint64 jobGeneration)
{
    std::shared_ptr<taskWorker> keep; // the worker is still on the stack below us
    {
        std::unique_lock<std::mutex> locker(lock);
        auto it = std::find_if(workers.begin(), workers.end(),
                               [worker](const std::shared_ptr<taskWorker> &w) { return w.get() == worker; });
        if (it != workers.end()) {
            keep = *it;
            workers.erase(it);
        }
        if (jobGeneration != generation)
            return;
        if (err != RecoverError::NoError)
            failed.insert(source, destination);
    }
    emit q->sigCopyFinished(err == RecoverError::NoError);
    emit q->sigError(err);

    // Counted down only after the signals, so that the batch's end is
    // reported after every file's result.
    bool over = false;
    QList<Job> jobs;
    {
        std::unique_lock<std::mutex> locker(lock);
        if (jobGeneration != generation)
            return;
        --inFlight;
        jobs = takeJobsLocked();
        if (running && inFlight == 0 && (pending.isEmpty() || terminated)) {
            running = false;
            over = true;
            ++overs;
        }
    }
    dispatch(jobs, jobGeneration);
    if (over)
        emit q->sigCopyOver();
}

void CopyProxyImpl::requeueFailed(const char *logLine)
{
    vlogInfo(QString::fromLatin1(logLine));
    QList<Job> jobs;
    quint64 jobGeneration;
    bool over = false;
    {
        std::unique_lock<std::mutex> locker(lock);
        paused = false;
        terminated = false;
        for (auto it = failed.cbegin(); it != failed.cend(); ++it)
            pending.append(qMakePair(it.key(), it.value()));
        failed.clear();
        if (!running) {
            running = true;
            if (pending.isEmpty() && inFlight == 0) {
                running = false;
                over = true;
                ++overs;
            }
        }
        jobs = takeJobsLocked();
        jobGeneration = generation;
    }
    dispatch(jobs, jobGeneration);
    if (over)
        emit q->sigCopyOver();
}

CopyProxy::CopyProxy()
    : d(new CopyProxyImpl(this))
{
    qRegisterMetaType<RecoverError::ErrorType>("RecoverError::ErrorType");
}

CopyProxy::~CopyProxy()
{
    terminate();
    // The pool joins its threads; jobs still running finish first.
    d->pool.reset();
}

CopyProxy *CopyProxy::instance()
{
    static std::mutex mutex;
    static QPointer<CopyProxy> held;
    std::unique_lock<std::mutex> locker(mutex);
    if (!held) {
        if (QCoreApplication::closingDown())
            return nullptr;
        held = new CopyProxy;
    }
    return held.data();
}

void CopyProxy::setExecutorFactory(ExecutorFactory factory)
{
    std::unique_lock<std::mutex> locker(s_seamMutex);
    s_executorFactory = std::move(factory);
}

void CopyProxy::setDeviceIdProvider(DeviceIdProvider provider)
{
    std::unique_lock<std::mutex> locker(s_seamMutex);
    s_deviceIdProvider = std::move(provider);
}

void CopyProxy::addTask(const QString &source, const QString &destination)
{
    std::unique_lock<std::mutex> locker(d->lock);
    d->pending.append(qMakePair(source, destination));
}

void CopyProxy::start()
{
    d->initExecutor();
    QList<Job> jobs;
    quint64 jobGeneration;
    {
        std::unique_lock<std::mutex> locker(d->lock);
        if (d->running)
            return;
        if (d->pending.isEmpty()) {
            ++d->overs;
            locker.unlock();
            emit sigCopyOver();
            return;
        }
        d->running = true;
        d->terminated = false;

        // Repeated destinations get "(n)" before their suffix; a key is the
        // destination in lower case, and no name is handed out twice.
        QHash<QString, int> counts;
        QSet<QString> used;
        for (Job &job : d->pending) {
            job.second.replace('\\', '/');
            const QString key = job.second.toLower();
            auto it = counts.find(key);
            if (it == counts.end()) {
                it = counts.insert(key, 1);
                // A name an earlier rename already took counts as a repeat.
                if (!used.contains(key)) {
                    used.insert(key);
                    continue;
                }
            }
            const int cut = job.second.lastIndexOf('/');
            const QString folder = job.second.left(cut);
            const QString name = job.second.mid(cut + 1);
            QString renamed;
            do {
                const int n = (*it)++;
                const int dot = name.lastIndexOf('.');
                renamed = dot >= 0 ? QStringLiteral("%1/%2(%3)%4").arg(folder, name.left(dot)).arg(n).arg(name.mid(dot))
                                   : QStringLiteral("%1/%2(%3)").arg(folder, name).arg(n);
            } while (used.contains(renamed.toLower()));
            used.insert(renamed.toLower());
            job.second = renamed;
        }
        jobs = d->takeJobsLocked();
        jobGeneration = d->generation;
    }
    d->dispatch(jobs, jobGeneration);
}

void CopyProxy::pause()
{
    std::unique_lock<std::mutex> locker(d->lock);
    d->paused = true;
}

void CopyProxy::resume() { d->requeueFailed("copyProxt->resume"); }
void CopyProxy::retry() { d->requeueFailed("copyProxt->retry"); }

void CopyProxy::terminate()
{
    vlogInfo(QStringLiteral("copyProxt->terminate"));
    bool over = false;
    std::shared_ptr<IDBExecutor> executor;
    {
        std::unique_lock<std::mutex> locker(d->lock);
        d->pending.clear();
        d->terminated = true;
        for (const std::shared_ptr<taskWorker> &worker : qAsConst(d->workers))
            worker->stop();
        executor.swap(d->executor);
        if (d->running && d->inFlight == 0) {
            d->running = false;
            over = true;
            ++d->overs;
        }
    }
    if (executor)
        executor->Stop();
    executor.reset(); // disconnected and destroyed once the last job lets go
    if (over)
        emit sigCopyOver();
}

void CopyProxy::clear()
{
    std::unique_lock<std::mutex> locker(d->lock);
    d->running = false;
    d->paused = false;
    d->terminated = false;
    d->pending.clear();
    d->failed.clear();
    for (const std::shared_ptr<taskWorker> &worker : qAsConst(d->workers))
        worker->stop();
    d->workers.clear();
    d->inFlight = 0;
    ++d->generation;
}

bool CopyProxy::isRunning() const
{
    std::unique_lock<std::mutex> locker(d->lock);
    return d->running;
}

bool CopyProxy::isSettled(quint64 oversReceived) const
{
    std::unique_lock<std::mutex> locker(d->lock);
    return !d->running && d->overs == oversReceived;
}

void CopyProxy::waitIdle()
{
    std::unique_lock<std::mutex> locker(d->lock);
}

int CopyProxy::pendingCount() const
{
    std::unique_lock<std::mutex> locker(d->lock);
    return d->pending.size();
}

QMap<QString, QString> CopyProxy::failedJobs() const
{
    std::unique_lock<std::mutex> locker(d->lock);
    return d->failed;
}

int CopyProxy::threadCount() const { return d->pool->threadCount(); }
