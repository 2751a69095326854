#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QSize>
#include <QString>
#include <QVector>

#include <functional>
#include <list>

class QThreadPool;
struct ThumbnailLoaderShared;

// Decodes pictures for the views on a small thread pool of its own and
// hands the results back on the GUI thread. One loader serves the whole
// process (instance()); every public function is called on the GUI thread.
//
//   ThumbnailLoader *loader = ThumbnailLoader::instance();
//   QImage image;
//   if (!loader->lookup(path, hint, spec, &image))
//       loader->request(path, hint, spec, this, [this, row, path](const QImage &image) { ... });
//   ...
//   loader->cancel(this); // before the view goes, and whenever its rows change
//
// - A request is decoded once however many ask for it; each asker's callback
//   runs on the GUI thread, unless its context was deleted or cancelled
//   first. A callback may check that what it asked for is still wanted.
// - The decode is loadScaledImage (imageutils.h). A file that cannot be
//   decoded answers a null image; failures are remembered as well.
// - Results stay in an LRU cache bounded in bytes (48 MiB by default), so a
//   view scrolled back finds them with lookup().
// - cancel() drops the context's requests still waiting; it never waits
//   for a decode that is under way, and neither does deleting the loader:
//   a thread stuck on a file keeps only itself busy.
class ThumbnailLoader : public QObject
{
    Q_OBJECT

public:
    // What to decode a file to: sizes as for fitImageReaderSize, JPEG quality
    // (-1 the reader's default).
    struct Spec
    {
        QSize minimum;
        QSize maximum;
        int quality = -1;
    };
    // The media grids' tiles: between 96 x 96 and 141 x 141, quality 30.
    static Spec mediaTile();

    using Callback = std::function<void(const QImage &image)>;
    using Decoder = std::function<QImage(const QString &path, const QString &formatHint, const Spec &spec)>;

    static constexpr qint64 DefaultCacheBytes = 48 * 1024 * 1024;

    // The process-wide loader, made on first use as a child of the
    // application object.
    static ThumbnailLoader *instance();

    // min(idealThreadCount / 2, 4) threads, at least 1, with 1 MiB stacks.
    explicit ThumbnailLoader(QObject *parent = nullptr);
    ~ThumbnailLoader() override;

    // True when the result for this file is cached; *image is then set
    // (null for a file that could not be decoded).
    bool lookup(const QString &path, const QString &formatHint, const Spec &spec, QImage *image) const;
    // Asks for the file's picture; done(image) runs later on the GUI thread.
    void request(const QString &path, const QString &formatHint, const Spec &spec, QObject *context,
                 Callback done);
    // Forgets every callback of context; requests nobody else waits for are
    // dropped unless already under way.
    void cancel(QObject *context);

    // Requests queued or under way.
    int pendingCount() const;
    int threadCount() const;
    void setThreadCount(int threads);
    qint64 cacheLimit() const;
    void setCacheLimit(qint64 bytes);
    qint64 cacheBytes() const;
    int cachedCount() const;
    void clearCache();
    // Tests and benchmarks replace the decode; null restores loadScaledImage.
    void setDecoder(Decoder decoder);

private:
    struct Waiter
    {
        QObject *context = nullptr; // compared only; guard tells whether it lives
        QPointer<QObject> guard;
        Callback done;
    };
    struct Entry
    {
        QString key;
        QImage image;
        qint64 cost = 0;
    };

    static QString keyOf(const QString &path, const QString &formatHint, const Spec &spec);
    // A worker's result, posted to the loader's thread.
    Q_INVOKABLE void deliver(const QString &key, const QImage &image);
    void store(const QString &key, const QImage &image);
    void startWorkers();
    void forgetContext(QObject *context);

    ThumbnailLoaderShared *m_shared = nullptr; // shared with the workers
    QThreadPool *m_pool = nullptr;
    QHash<QString, QVector<Waiter>> m_waiting;
    QHash<QObject *, QMetaObject::Connection> m_contexts;
    QSet<QString> m_inFlight; // queued, under way or on its way back

    // The cache: most recently used at the back.
    mutable std::list<Entry> m_entries;
    mutable QHash<QString, std::list<Entry>::iterator> m_index;
    qint64 m_cacheBytes = 0;
    qint64 m_cacheLimit = DefaultCacheBytes;
};
