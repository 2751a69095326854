#pragma once

#include "thumbnailsessiontask.h"

#include <QList>
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <mutex>

// Makes the still pictures of videos in the background with the outside
// converter (QUENROW_FFMPEG, else the setting "FfmpegProgram", else "ffmpeg"
// beside the program, else on PATH), a few conversions at a time. Only the
// conversions it started itself are ever ended.
class ThumbnailSessionManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTimeLimitMs = 30000;

    explicit ThumbnailSessionManager(QObject *parent = nullptr);
    // Stops and waits, so no conversion outlives the manager.
    ~ThumbnailSessionManager() override;

    static ThumbnailSessionManager *instance();

    // max(4, idealThreadCount / 2)
    static int maxConversions(int idealThreadCount);
    int maxThreadCount() const;

    // Queues the job and starts it when fewer than the maximum run.
    void addTask(const QString &videoPath, const QString &picturePath);
    // Drops the queued jobs and ends the running conversions; does not wait.
    // Jobs added later run as usual.
    void clearTasks();
    // Ends everything and waits for it; no job starts afterwards.
    void stopAll();

    // A conversion still running after this long is killed.
    void setTimeLimitMs(int milliseconds);
    int timeLimitMs() const;

    QString converterProgram() const;

    // For the tasks: whether a job of this generation may still run, and the
    // next queued job for a task's thread (false: the thread is done).
    bool isCurrent(quint64 generation) const;
    bool takeNextJob(ThumbnailJob &next);

private:
    // Guards the queue, the running count and m_stopped. A standard mutex,
    // so that thread checkers see the hand-over of jobs.
    mutable std::mutex m_mutex;
    QThreadPool m_pool;
    QList<ThumbnailJob> m_queue;
    int m_running = 0; // tasks handed to the pool and not yet done
    bool m_stopped = false;
    std::atomic<quint64> m_generation {0};
    std::atomic<int> m_timeLimitMs {DefaultTimeLimitMs};
};
