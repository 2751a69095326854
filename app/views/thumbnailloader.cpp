#include "thumbnailloader.h"

#include "imageutils.h"

#include <QCoreApplication>
#include <QRunnable>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <deque>
#include <mutex>

// What the loader and its workers share. The workers hold it too, so a
// worker that outlives the loader (stuck on a file) still finds it.
struct ThumbnailLoaderShared
{
    // The loader's reference and one per worker; the last frees it.
    static void release(ThumbnailLoaderShared *shared)
    {
        if (shared->references.fetch_sub(1, std::memory_order_acq_rel) == 1)
            delete shared;
    }

    struct Job
    {
        QString key;
        QString path;
        QString formatHint;
        ThumbnailLoader::Spec spec;
    };

    std::atomic<int> references{1};
    std::mutex mutex;
    std::deque<Job> queue;
    int threads = 1;
    int workers = 0; // started and not yet ended, stuck ones included
    int running = 0; // jobs being decoded
    ThumbnailLoader *owner = nullptr; // null once the loader is gone
    ThumbnailLoader::Decoder decoder;
};

// Takes jobs off the queue until it is empty, and posts each result to the
// loader's thread.
class ThumbnailWorker : public QRunnable
{
public:
    explicit ThumbnailWorker(ThumbnailLoaderShared *shared)
    {
        shared->references.fetch_add(1, std::memory_order_relaxed);
        m_shared.store(shared, std::memory_order_release);
    }

    void run() override
    {
        ThumbnailLoaderShared *held = m_shared.load(std::memory_order_acquire);
        work(*held);
        ThumbnailLoaderShared::release(held);
    }

private:
    static void work(ThumbnailLoaderShared &shared)
    {
        for (;;) {
            ThumbnailLoaderShared::Job job;
            ThumbnailLoader::Decoder decode;
            {
                std::lock_guard<std::mutex> lock(shared.mutex);
                if (shared.queue.empty() || !shared.owner || shared.workers > shared.threads) {
                    --shared.workers;
                    return;
                }
                job = std::move(shared.queue.front());
                shared.queue.pop_front();
                ++shared.running;
                decode = shared.decoder;
            }
            const QImage image = decode ? decode(job.path, job.formatHint, job.spec)
                                        : loadScaledImage(job.path, job.spec.minimum, job.spec.maximum,
                                                          job.formatHint, job.spec.quality);
            std::lock_guard<std::mutex> lock(shared.mutex);
            --shared.running;
            // Posted under the lock: the loader clears owner under it before
            // it goes, and its destruction drops what is still posted.
            if (shared.owner) {
                QMetaObject::invokeMethod(shared.owner, "deliver", Qt::QueuedConnection, Q_ARG(QString, job.key),
                                          Q_ARG(QImage, image));
            }
        }
    }

    // Atomic so that thread checkers see the hand-over through the pool,
    // which happens inside Qt.
    std::atomic<ThumbnailLoaderShared *> m_shared{nullptr};
};

ThumbnailLoader::Spec ThumbnailLoader::mediaTile()
{
    return Spec{QSize(96, 96), QSize(141, 141), 30};
}

ThumbnailLoader *ThumbnailLoader::instance()
{
    static QPointer<ThumbnailLoader> loader;
    if (!loader)
        loader = new ThumbnailLoader(QCoreApplication::instance());
    return loader;
}

ThumbnailLoader::ThumbnailLoader(QObject *parent)
    : QObject(parent)
    , m_shared(new ThumbnailLoaderShared)
    , m_pool(new QThreadPool)
{
    m_shared->owner = this;
    m_pool->setStackSize(1024 * 1024);
    setThreadCount(std::min(QThread::idealThreadCount() / 2, 4));
}

ThumbnailLoader::~ThumbnailLoader()
{
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->owner = nullptr;
        m_shared->queue.clear();
    }
    // A worker stuck on a file would hold the pool's destructor forever: the
    // pool is then left to the end of the process (kept reachable, not leaked).
    static auto *abandoned = new QVector<QThreadPool *>;
    if (m_pool->waitForDone(200))
        delete m_pool;
    else
        abandoned->append(m_pool);
    ThumbnailLoaderShared::release(m_shared);
}

QString ThumbnailLoader::keyOf(const QString &path, const QString &formatHint, const Spec &spec)
{
    return QStringLiteral("%1x%2-%3x%4-%5|%6|%7")
        .arg(spec.minimum.width())
        .arg(spec.minimum.height())
        .arg(spec.maximum.width())
        .arg(spec.maximum.height())
        .arg(spec.quality)
        .arg(formatHint, path);
}

bool ThumbnailLoader::lookup(const QString &path, const QString &formatHint, const Spec &spec, QImage *image) const
{
    const auto found = m_index.constFind(keyOf(path, formatHint, spec));
    if (found == m_index.constEnd())
        return false;
    // Most recently used at the back.
    m_entries.splice(m_entries.end(), m_entries, found.value());
    if (image)
        *image = found.value()->image;
    return true;
}

void ThumbnailLoader::request(const QString &path, const QString &formatHint, const Spec &spec, QObject *context,
                              Callback done)
{
    if (!context || !done)
        return;
    const QString key = keyOf(path, formatHint, spec);
    if (!m_contexts.contains(context)) {
        m_contexts.insert(context, connect(context, &QObject::destroyed, this,
                                           [this, context] { forgetContext(context); }));
    }
    m_waiting[key].append(Waiter{context, QPointer<QObject>(context), std::move(done)});
    if (m_inFlight.contains(key))
        return;
    m_inFlight.insert(key);
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->queue.push_back(ThumbnailLoaderShared::Job{key, path, formatHint, spec});
    }
    startWorkers();
}

void ThumbnailLoader::cancel(QObject *context)
{
    QStringList unwanted;
    for (auto it = m_waiting.begin(); it != m_waiting.end();) {
        QVector<Waiter> &waiters = it.value();
        waiters.erase(std::remove_if(waiters.begin(), waiters.end(),
                                     [context](const Waiter &waiter) { return waiter.context == context; }),
                      waiters.end());
        if (waiters.isEmpty()) {
            unwanted.append(it.key());
            it = m_waiting.erase(it);
        } else {
            ++it;
        }
    }
    if (unwanted.isEmpty())
        return;
    const QSet<QString> drop(unwanted.cbegin(), unwanted.cend());
    std::lock_guard<std::mutex> lock(m_shared->mutex);
    std::deque<ThumbnailLoaderShared::Job> &queue = m_shared->queue;
    for (auto it = queue.begin(); it != queue.end();) {
        if (drop.contains(it->key)) {
            // Never started: nothing will come back for it.
            m_inFlight.remove(it->key);
            it = queue.erase(it);
        } else {
            ++it;
        }
    }
}

void ThumbnailLoader::forgetContext(QObject *context)
{
    m_contexts.remove(context);
    cancel(context);
}

int ThumbnailLoader::pendingCount() const
{
    return m_inFlight.size();
}

int ThumbnailLoader::threadCount() const
{
    std::lock_guard<std::mutex> lock(m_shared->mutex);
    return m_shared->threads;
}

void ThumbnailLoader::setThreadCount(int threads)
{
    threads = std::max(1, threads);
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->threads = threads;
    }
    // Room for a thread more than the workers may use: one that is ending
    // never keeps a new one waiting.
    m_pool->setMaxThreadCount(threads + 1);
    startWorkers();
}

qint64 ThumbnailLoader::cacheLimit() const
{
    return m_cacheLimit;
}

void ThumbnailLoader::setCacheLimit(qint64 bytes)
{
    m_cacheLimit = std::max<qint64>(0, bytes);
    while (m_cacheBytes > m_cacheLimit && !m_entries.empty()) {
        m_cacheBytes -= m_entries.front().cost;
        m_index.remove(m_entries.front().key);
        m_entries.pop_front();
    }
}

qint64 ThumbnailLoader::cacheBytes() const
{
    return m_cacheBytes;
}

int ThumbnailLoader::cachedCount() const
{
    return m_index.size();
}

void ThumbnailLoader::clearCache()
{
    m_entries.clear();
    m_index.clear();
    m_cacheBytes = 0;
}

void ThumbnailLoader::setDecoder(Decoder decoder)
{
    std::lock_guard<std::mutex> lock(m_shared->mutex);
    m_shared->decoder = std::move(decoder);
}

void ThumbnailLoader::deliver(const QString &key, const QImage &image)
{
    {
        // The worker posted the picture holding this lock: taking it shows
        // thread checkers the hand-over, which Qt's event queue makes.
        std::lock_guard<std::mutex> lock(m_shared->mutex);
    }
    m_inFlight.remove(key);
    store(key, image);
    // Taken first: a callback may ask again.
    const QVector<Waiter> waiters = m_waiting.take(key);
    for (const Waiter &waiter : waiters) {
        if (waiter.guard)
            waiter.done(image);
    }
}

void ThumbnailLoader::store(const QString &key, const QImage &image)
{
    // A failure costs its bookkeeping only, so many damaged files stay known.
    const qint64 cost = qint64(image.sizeInBytes()) + key.size() * qint64(sizeof(QChar)) + 96;
    const auto found = m_index.find(key);
    if (found != m_index.end()) {
        m_cacheBytes -= found.value()->cost;
        m_entries.erase(found.value());
        m_index.erase(found);
    }
    if (cost > m_cacheLimit)
        return;
    m_entries.push_back(Entry{key, image, cost});
    m_index.insert(key, std::prev(m_entries.end()));
    m_cacheBytes += cost;
    while (m_cacheBytes > m_cacheLimit) {
        m_cacheBytes -= m_entries.front().cost;
        m_index.remove(m_entries.front().key);
        m_entries.pop_front();
    }
}

void ThumbnailLoader::startWorkers()
{
    std::lock_guard<std::mutex> lock(m_shared->mutex);
    ThumbnailLoaderShared &shared = *m_shared;
    const int wanted = std::min<int>(shared.threads, int(shared.queue.size()) + shared.running);
    while (shared.workers < wanted) {
        ++shared.workers;
        m_pool->start(new ThumbnailWorker(m_shared));
    }
}
