#pragma once

#include <QRunnable>
#include <QString>

#include <atomic>

class ThumbnailSessionManager;

// One video still to make: the video, the picture to write, and the
// manager's generation when it was taken (a clear or stop ends older ones).
struct ThumbnailJob
{
    QString videoPath;
    QString picturePath;
    quint64 generation = 0;
};

// On a pool thread: takes queued jobs from the manager one after the other
// and runs the converter for each, until the queue is empty, so the queue
// drains without waiting for the next addTask.
class ThumbnailSessionTask : public QRunnable
{
public:
    explicit ThumbnailSessionTask(ThumbnailSessionManager *manager);

    void run() override;

    // Runs the converter on one job and waits for it; kills it when the job
    // is cancelled or runs longer than the manager's time limit.
    static void convert(const ThumbnailJob &job, const ThumbnailSessionManager &manager);

private:
    // Atomic only so that thread checkers see the hand-over through the
    // pool, which happens inside Qt.
    std::atomic<ThumbnailSessionManager *> m_manager {nullptr};
};
