#include "scanvardex.h"

#include "categorytable.h"
#include "deviceparser.h"
#include "idbexecutor.h"
#include "scanintake.h"
#include "settingsentry.h"
#include "tlsthreadstate.h"
#include "vlog.h"


namespace
{
    const int kEngineSource = 0;
    const int kStoreGroup = 0;

    // Categories whose views show contact names.
    bool needsContacts(const QList<int> &queue)
    {
        return queue.contains(2) || queue.contains(64) || queue.contains(1024);
    }
}

ScanVardex::ScanVardex(Sink sink, ExecutorFactory factory, QObject *parent)
    : QThread(parent), m_sink(std::move(sink)), m_factory(std::move(factory))
{
    if (!m_factory)
        m_factory = &InitDBExecutor;
    if (!m_sink) {
        m_intake = std::make_unique<ScanIntake>(DeviceParser::instance());
        m_sink = [this](int source, int status, int kind, int value, const void *record) {
            m_intake->onEngineCallback(source, status, kind, value, record);
        };
    }
    start(QThread::InheritPriority);
}

ScanVardex::~ScanVardex()
{
    // Not stopScan: the store may be gone already when the process ends.
    requestInterruption();
    halt();
    wait();
    // Pairs with the last lock in run: QThread::wait orders the thread's end,
    // but race checkers do not see it.
    std::lock_guard<std::mutex> joined(m_mutex);
}

int ScanVardex::engineCode(int category)
{
    return CategoryTable::scanBit(category);
}

void ScanVardex::queueScan(const QList<int> &categories, const QString &backupPath, const QString &deviceUdid,
                           bool fromDevice, const QString &outputDir)
{
    // Announced before the worker can take the request, so that receivers
    // see the start before any of its records.
    emit sigScanBackupsDbStart();
    std::lock_guard<std::mutex> locker(m_mutex);
    // Under the queue's lock: the end of an earlier request, which marks the
    // scan finished under the same lock, cannot overtake this start.
    DeviceParser::instance()->setScanFinished(kStoreGroup, false);
    m_request = Request {backupPath, deviceUdid, fromDevice,
                         outputDir.isEmpty() ? SettingsEntry::instance()->cacheMediaPath() : outputDir};
    m_queue = categories;
    if (needsContacts(m_queue) && !m_queue.contains(1))
        m_queue.prepend(1);
    m_stopRequested = false;
    m_pendingStop = true;
    m_wakeUp.notify_one();
}

void ScanVardex::stopScan()
{
    DeviceParser::instance()->setScanFinished(kStoreGroup, true);
    halt();
}

void ScanVardex::requestQuit()
{
    requestInterruption();
    stopScan();
}

void ScanVardex::halt()
{
    m_stopRequested = true;
    {
        std::lock_guard<std::mutex> locker(m_executorMutex);
        if (m_executor) {
            m_executor->Stop();
            m_categoryStopped = true;
        }
    }
    std::lock_guard<std::mutex> locker(m_mutex);
    m_queue.clear();
    m_wakeUp.notify_all();
}

void ScanVardex::run()
{
    while (!isInterruptionRequested()) {
        std::unique_lock<std::mutex> locker(m_mutex);
        m_wakeUp.wait(locker, [this] { return !m_queue.isEmpty() || m_pendingStop || isInterruptionRequested(); });
        if (m_queue.isEmpty()) {
            // The request's queue ran empty: its end is told once, whatever
            // its last flag was.
            const bool signal = m_pendingStop;
            m_pendingStop = false;
            if (signal)
                DeviceParser::instance()->setScanFinished(kStoreGroup, true);
            locker.unlock();
            if (signal)
                emit sigScanBackupsDbStop();
            continue;
        }
        const int code = engineCode(m_queue.takeFirst());
        const Request request = m_request;
        locker.unlock();
        if (code != 0 && !m_stopRequested)
            scanCategory(code, request);
    }
    // The engine hashes file ids and downloads pictures with OpenSSL here.
    releaseThreadTlsState();
    std::lock_guard<std::mutex> ended(m_mutex);
}

void ScanVardex::scanCategory(int code, const Request &request)
{
    IDBExecutor *executor = nullptr;
    if (!m_factory(&executor) || !executor) {
        vlogError("InitDBExecutor Err");
        return;
    }
    executor->SetCallback(&ScanVardex::onEngineRecord, this);
    m_engineEndedCategory = false;
    DBExecutorParam param;
    param.backupPath = request.backupPath.toStdWString();
    param.mode = request.fromDevice ? DBMODE_DEVICE : DBMODE_BACKUP;
    param.categoryMask = code;
    param.outputDir = request.outputDir.toStdWString();
    executor->SetParam(param);
    bool started;
    {
        std::lock_guard<std::mutex> locker(m_executorMutex);
        m_executor = executor;
        m_categoryStopped = false;
        started = !m_stopRequested;
    }
    if (started) {
        if (request.fromDevice)
            executor->ConnectDevice(request.deviceUdid.toStdWString());
        executor->Start();
    }
    executor->DisconnectDevice();
    bool stopped;
    {
        std::lock_guard<std::mutex> locker(m_executorMutex);
        m_executor = nullptr;
        stopped = m_categoryStopped || m_stopRequested;
    }
    delete executor;
    // A stopped engine does not end its category; the store still needs it.
    if (started && stopped && !m_engineEndedCategory)
        m_sink(kEngineSource, DBSTATUS_PROGRESS, DBPROGRESS_CATEGORY_END, code, nullptr);
    // Whatever the engine gave is in the store before the next category.
    if (m_intake)
        m_intake->drain();
}

void ScanVardex::onEngineRecord(const int *status, int kind, int value, const void *record, void *user)
{
    auto *self = static_cast<ScanVardex *>(user);
    // The engine clears its stop flag when Start begins; a stop that came
    // just before is repeated here, on the worker thread itself.
    if (self->m_stopRequested) {
        std::lock_guard<std::mutex> locker(self->m_executorMutex);
        if (self->m_executor)
            self->m_executor->Stop();
    }
    if (!status)
        return;
    if (*status == DBSTATUS_PROGRESS && kind == DBPROGRESS_CATEGORY_END)
        self->m_engineEndedCategory = true;
    self->m_sink(kEngineSource, *status, kind, value, record);
}

QString ScanVardex::getRegisterPhoneNum(const QString &backupPath)
{
    std::lock_guard<std::mutex> locker(m_phoneMutex);
    if (!m_phoneExecutor) {
        IDBExecutor *executor = nullptr;
        if (!m_factory(&executor) || !executor) {
            vlogError("getRegisterPhoneNum Err");
            return QString();
        }
        m_phoneExecutor.reset(executor);
    }
    return QString::fromStdWString(m_phoneExecutor->GetWhatsAppOwner(backupPath.toStdWString()));
}
