#pragma once

#include <QRunnable>
#include <QString>

class ThumbnailSessionManager;

// One video still to make: the video, the picture to write, and the
// manager's generation it was queued in (a clear or stop ends older ones).
struct ThumbnailJob
{
    QString videoPath;
    QString picturePath;
    quint64 generation = 0;
};

// Runs the converter for its job on a pool thread, then asks the manager
// for the next queued job and goes on with it on the same thread, so the
// queue drains without waiting for the next addTask.
class ThumbnailSessionTask : public QRunnable
{
public:
    ThumbnailSessionTask(ThumbnailSessionManager *manager, const ThumbnailJob &job);

    void run() override;

    // Runs the converter on one job and waits for it; kills it when the job
    // is cancelled or runs longer than the manager's time limit.
    static void convert(const ThumbnailJob &job, const ThumbnailSessionManager &manager);

private:
    ThumbnailSessionManager *m_manager;
    ThumbnailJob m_job;
};
