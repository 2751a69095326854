#include "recovernatmanager.h"

#include "chatdatafiles.h"

#include "categorytable.h"
#include "copyproxy.h"
#include "devicedata.h"
#include "deviceparser.h"
#include "exportjobs.h"
#include "fileutils.h"
#include "recordaccess.h"
#include "recovernatmanager_p.h"
#include "settingsentry.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QThread>
#include <QtConcurrent>

#include <cerrno>
#include <sys/stat.h>

namespace
{
    std::mutex s_seamMutex;
    bool s_iCloudFlow = false;
    RecoverNatManager::SourceNameProvider s_sourceName;
    QString s_recoverFolder;
    std::atomic<int> s_overDelay{500};

    // Progress reaches the window at most this often (20 times a second);
    // the run's end always reports the exact counters.
    constexpr int ProgressIntervalMs = 50;

    quint64 countChecked(const QList<QVariant> &list)
    {
        quint64 n = 0;
        for (const QVariant &value : list)
            n += DeviceData::checkState(value) == 2 ? 1 : 0;
        return n;
    }
}

RecoverNatManagerPrivate::RecoverNatManagerPrivate(RecoverNatManager *owner)
    : q(owner)
{
    qRegisterMetaType<RecoverError::ErrorType>("RecoverError::ErrorType");
    DeviceData::registerMetaTypes();
    progressTimer.setSingleShot(true);
    progressTimer.setInterval(ProgressIntervalMs);
    QObject::connect(&progressTimer, &QTimer::timeout, q, [this] {
        // Cleared before the counters are read: a count after this read asks again.
        progressPending = false;
        emitProgress();
    });

    CopyProxy *proxy = CopyProxy::instance();
    QObject::connect(proxy, &CopyProxy::sigCopyProcess, q,
                     [this](const QString &file, const QString &text) { emit q->sigReocverFileProcess(file, text, QString()); });
    QObject::connect(proxy, &CopyProxy::sigCopyFinished, q, [this](bool success) {
        if (success)
            ++succeeded;
        ++processed;
        requestProgress();
    });
    QObject::connect(proxy, &CopyProxy::sigCopyOver, q, [this] {
        ++oversReceived;
        emit q->sigResetFileProgress(false);
        endCheck();
    });
    QObject::connect(proxy, &CopyProxy::sigError, q, &RecoverNatManager::slotError, Qt::QueuedConnection);
}

QString RecoverNatManagerPrivate::exportRootFolder()
{
    QString folder;
    bool iCloud;
    RecoverNatManager::SourceNameProvider provider;
    {
        std::unique_lock<std::mutex> locker(s_seamMutex);
        folder = s_recoverFolder;
        iCloud = s_iCloudFlow;
        provider = s_sourceName;
    }
    if (folder.isEmpty()) {
        SettingsEntry *settings = SettingsEntry::instance();
        folder = settings->value(SettingsKey::RecoverPath, SettingsEntry::UserScope, settings->desktopPath()).toString();
    }
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss"));
    QString name;
    if (iCloud)
        name = SettingsEntry::instance()->value(SettingsKey::ICloudAccount, SettingsEntry::UserScope, QString()).toString();
    else if (provider)
        name = provider();
    // Only the characters a file name cannot hold; an empty name stays empty.
    if (!name.isEmpty())
        sanitizeFileName(name);
    std::unique_lock<std::mutex> locker(rootMutex);
    sourceName = name;
    return QStringLiteral("%1/%2_%3").arg(folder, name, stamp);
}

bool RecoverNatManagerPrivate::ensureRoot()
{
    std::unique_lock<std::mutex> locker(rootMutex);
    if (rootCreated)
        return true;
    const QString base = recoverPath;
    const QString parent = QFileInfo(base).path();
    if (!QDir().mkpath(parent))
        return false;
    for (int n = 0; n < 10000; ++n) {
        const QString candidate = n == 0 ? base : QStringLiteral("%1_%2").arg(base).arg(n);
        if (::mkdir(QFile::encodeName(candidate).constData(), 0755) == 0) {
            recoverPath = candidate;
            rootCreated = true;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool RecoverNatManagerPrivate::ensureFolder(const QString &folder)
{
    {
        std::unique_lock<std::mutex> locker(rootMutex);
        if (!rootCreated)
            return false;
    }
    return QDir().mkpath(folder);
}

QString RecoverNatManagerPrivate::rootPath() const
{
    std::unique_lock<std::mutex> locker(rootMutex);
    return recoverPath;
}

void RecoverNatManagerPrivate::resetRun(quint64 count)
{
    progressTimer.stop();
    progressPending = false;
    succeeded = 0;
    processed = 0;
    total = count;
    running = true;
    finished = false;
    stopped = false;
    producing = true;
    errorType = 0;
    overEmitted = false;
    ++runId;
    const QString root = exportRootFolder();
    std::unique_lock<std::mutex> locker(rootMutex);
    recoverPath = root;
    rootCreated = false;
}

quint64 RecoverNatManagerPrivate::countTotal(const QVector<int> &categoryIds) const
{
    using namespace DeviceData;
    DeviceParser *store = DeviceParser::instance();
    quint64 sum = 0;
    for (int id : categoryIds) {
        switch (id) {
        case Contacts:
            sum += countChecked(store->records(DeviceGroup, id));
            break;
        case Messages:
            for (const QVariant &value : store->records(DeviceGroup, id)) {
                const SMSSessionInfo session = value.value<SMSSessionInfo>();
                if (checkState(value) == 2)
                    sum += store->smsMessages(session.key).size();
            }
            break;
        case Voicemails:
        case VoiceMemos:
            sum += countChecked(store->records(DeviceGroup, id));
            break;
        case FaceTime:
        case CallHistory:
            sum += countChecked(store->records(DeviceGroup, id));
            break;
        case SafariBookmarks:
        case SafariHistory:
            sum += countChecked(store->records(DeviceGroup, id));
            break;
        case Notes:
            sum += countChecked(store->records(DeviceGroup, id));
            break;
        case Calendars:
        case Reminders:
            sum += countChecked(store->records(DeviceGroup, id));
            break;
        case MessagesAttachment:
        case Photos:
        case AlbumVideos:
        case NotesAttachment:
        case CalendarsAttachment:
        case RemindersAttachment:
        case AppPhotos:
        case AppVideos:
            sum += countChecked(store->records(DeviceGroup, id));
            break;
        case AppAudios:
        case AppDocuments:
            sum += countChecked(store->records(DeviceGroup, id));
            break;
        case WhatsApp:
            for (const QVariant &value : store->records(DeviceGroup, id)) {
                const WaSessionInfo session = value.value<WaSessionInfo>();
                if (checkState(value) == 2)
                    sum += store->sessionRecords(WhatsApp, session.id).size();
            }
            break;
        case Line:
            for (const QVariant &value : store->records(DeviceGroup, id)) {
                const LineSessionInfo session = value.value<LineSessionInfo>();
                // Chats of other kinds are not written, so never counted as done.
                if (checkState(value) == 2 && isWrittenLineChat(session.chatKind))
                    sum += store->lineSessions(session.id).size();
            }
            break;
        case WhatsAppAttachment:
        case LineAttachment: {
            const QMap<int, QList<QVariant>> map = store->sessionMap(id);
            for (auto it = map.cbegin(); it != map.cend(); ++it)
                sum += countChecked(it.value());
            break;
        }
        default:
            break;
        }
    }
    return sum;
}

void RecoverNatManagerPrivate::run(const QVector<int> &categoryIds)
{
    total = countTotal(categoryIds);
    emit q->sigRecoverProgress(processed, total, succeeded);
    CopyProxy *proxy = CopyProxy::instance();
    proxy->clear();

    bool needsRoot = false;
    for (int id : categoryIds)
        needsRoot = needsRoot || ExportJobs::writesFolder(id);
    if (needsRoot && !ensureRoot())
        fail(RecoverError::DiskNotFound);

    for (int id : categoryIds) {
        if (!running)
            break; // stopped: no more folders, copies or pages
        const ExportJobs::Entry *entry = ExportJobs::findJob(id);
        const CategoryTable::Row *category = CategoryTable::find(id);
        if (!entry || !category)
            continue;
        const QString name = QObject::tr(category->name);
        entry->job(this, rootPath() + '/' + name, name, id);
    }
    if (running)
        proxy->start();
    producerDone();
}

void RecoverNatManagerPrivate::exportOneFile(const QString &localPath, const QString &strFilename)
{
    QString name = strFilename;
    if (!name.isEmpty())
        name = ExportJobs::safeFileName(name);
    QString target = QStringLiteral("%1/%2").arg(rootPath(), name.isEmpty() ? QFileInfo(localPath).fileName() : name);
    const QString suffix = QFileInfo(localPath).suffix();
    if (!suffix.isEmpty() && !target.endsWith(suffix)) {
        if (!target.endsWith('.'))
            target += '.';
        target += suffix;
    }
    CopyProxy *proxy = CopyProxy::instance();
    proxy->clear();
    if (running) {
        proxy->addTask(localPath, target);
        proxy->start();
    }
    producerDone();
}

void RecoverNatManagerPrivate::producerDone()
{
    const quint64 id = runId;
    QMetaObject::invokeMethod(q, [this, id] {
        if (id != runId)
            return;
        producing = false;
        endCheck();
    }, Qt::QueuedConnection);
}

void RecoverNatManagerPrivate::endCheck()
{
    finished = true;
    // Settled: every result the copies sent has arrived here.
    copyIdle = CopyProxy::instance()->isSettled(oversReceived);
    if (producing || !copyIdle || overEmitted)
        return;
    overEmitted = true;
    running = false;
    progressTimer.stop();
    emitProgress();
    const int delay = s_overDelay;
    if (delay > 0) {
        QEventLoop loop;
        QTimer::singleShot(delay, &loop, &QEventLoop::quit);
        loop.exec();
    }
    emit q->sigRecoverOver();
}

void RecoverNatManagerPrivate::fail(RecoverError::ErrorType err)
{
    errorType = err;
    CopyProxy::instance()->terminate();
    finished = true;
    running = false;
}

void RecoverNatManagerPrivate::emitProgress()
{
    emit q->sigRecoverProgress(processed, total, succeeded);
}

void RecoverNatManagerPrivate::requestProgress()
{
    // One report per interval, however many counts came in: a writer counts
    // every message, and a queued signal for each would flood the window.
    if (progressPending.exchange(true))
        return;
    if (QThread::currentThread() == q->thread())
        progressTimer.start();
    else
        QMetaObject::invokeMethod(q, [this] { progressTimer.start(); }, Qt::QueuedConnection);
}

RecoverNatManager::RecoverNatManager()
    : d(nullptr)
{
    d = new RecoverNatManagerPrivate(this);
}

RecoverNatManager::~RecoverNatManager()
{
    delete d;
}

RecoverNatManager *RecoverNatManager::instance()
{
    static std::mutex mutex;
    static QPointer<RecoverNatManager> held;
    std::unique_lock<std::mutex> locker(mutex);
    if (!held && !QCoreApplication::closingDown())
        held = new RecoverNatManager;
    return held.data();
}

void RecoverNatManager::setICloudFlow(bool current)
{
    std::unique_lock<std::mutex> locker(s_seamMutex);
    s_iCloudFlow = current;
}

void RecoverNatManager::setSourceNameProvider(SourceNameProvider provider)
{
    std::unique_lock<std::mutex> locker(s_seamMutex);
    s_sourceName = std::move(provider);
}

void RecoverNatManager::setRecoverFolder(const QString &folder)
{
    std::unique_lock<std::mutex> locker(s_seamMutex);
    s_recoverFolder = folder;
}

void RecoverNatManager::setOverDelay(int milliseconds) { s_overDelay = milliseconds; }

void RecoverNatManager::startRecover(const QVector<int> &categoryIds)
{
    d->resetRun(0);
    QtConcurrent::run(QThreadPool::globalInstance(), [this, categoryIds] { d->run(categoryIds); });
}

void RecoverNatManager::exportFile(const QString &localPath, const QString &strFilename)
{
    d->resetRun(1);
    emit sigRecoverProgress(0, 1, 0);
    if (!d->ensureRoot())
        d->fail(RecoverError::DiskNotFound);
    QtConcurrent::run(QThreadPool::globalInstance(),
                      [this, localPath, strFilename] { d->exportOneFile(localPath, strFilename); });
}

void RecoverNatManager::stop()
{
    CopyProxy::instance()->terminate();
    d->finished = true;
    if (d->running)
        d->stopped = true;
    d->running = false;
}

void RecoverNatManager::waitCopyProxy() { CopyProxy::instance()->waitIdle(); }
void RecoverNatManager::clearCopyProxy() { CopyProxy::instance()->clear(); }

int RecoverNatManager::totalCount() const { return static_cast<int>(d->total.load()); }
int RecoverNatManager::processedCount() const { return static_cast<int>(d->processed.load()); }
int RecoverNatManager::successCount() const { return static_cast<int>(d->succeeded.load()); }
QString RecoverNatManager::recoverPath() const { return d->rootPath(); }
int RecoverNatManager::errorType() const { return d->errorType; }
bool RecoverNatManager::wasStopped() const { return d->stopped; }

void RecoverNatManager::increaseTotal() { ++d->total; }

void RecoverNatManager::increaseProcessed()
{
    ++d->processed;
    d->requestProgress();
}

void RecoverNatManager::increaseSucceeded() { ++d->succeeded; }

void RecoverNatManager::slotError(RecoverError::ErrorType err)
{
    if (err != RecoverError::NotEnoughSpace && err != RecoverError::DiskNotFound)
        return;
    if (d->running || !d->overEmitted)
        d->fail(err);
}
