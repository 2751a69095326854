#include "thumbnailsessiontask.h"

#include "thumbnailsessionmanager.h"

#include <QElapsedTimer>
#include <QProcess>

namespace
{
    // How often a running conversion looks for a cancel.
    const int kPollMs = 50;
}

ThumbnailSessionTask::ThumbnailSessionTask(ThumbnailSessionManager *manager)
{
    setAutoDelete(true);
    m_manager.store(manager, std::memory_order_release);
}

void ThumbnailSessionTask::run()
{
    ThumbnailSessionManager *manager = m_manager.load(std::memory_order_acquire);
    ThumbnailJob job;
    while (manager->takeNextJob(job))
        convert(job, *manager);
}

void ThumbnailSessionTask::convert(const ThumbnailJob &job, const ThumbnailSessionManager &manager)
{
    QProcess converter;
    converter.setProgram(manager.converterProgram());
    // A list of arguments, never a command line: file names may hold
    // quotes, blanks and anything else.
    converter.setArguments({"-nostdin", "-i", job.videoPath, "-y", "-f", "image2", "-t", "0.001", "-s", "200x200",
                            job.picturePath});
    converter.setStandardInputFile(QProcess::nullDevice());
    converter.setStandardOutputFile(QProcess::nullDevice());
    converter.setStandardErrorFile(QProcess::nullDevice());
    converter.start();
    if (!converter.waitForStarted())
        return;
    QElapsedTimer clock;
    clock.start();
    while (!converter.waitForFinished(kPollMs) && converter.state() != QProcess::NotRunning) {
        if (!manager.isCurrent(job.generation) || clock.elapsed() >= manager.timeLimitMs()) {
            // Killed from its own thread, before it is reaped: the id can
            // not yet belong to anyone else.
            converter.kill();
            converter.waitForFinished(-1);
            return;
        }
    }
}
