#include "thumbnailsessionmanager.h"

#include "fileutils.h"
#include "settingsentry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

ThumbnailSessionManager::ThumbnailSessionManager(QObject *parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(maxConversions(QThread::idealThreadCount()));
}

ThumbnailSessionManager::~ThumbnailSessionManager()
{
    stopAll();
    // The tasks' last touch of the queue was under the lock: take it once
    // more so that it visibly comes before the members go.
    std::lock_guard<std::mutex> lock(m_mutex);
}

ThumbnailSessionManager *ThumbnailSessionManager::instance()
{
    static ThumbnailSessionManager manager;
    return &manager;
}

int ThumbnailSessionManager::maxConversions(int idealThreadCount)
{
    return qMax(4, idealThreadCount / 2);
}

int ThumbnailSessionManager::maxThreadCount() const
{
    return m_pool.maxThreadCount();
}

void ThumbnailSessionManager::addTask(const QString &videoPath, const QString &picturePath)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_stopped)
        return; // at quit: it would never run
    m_queue.append({videoPath, picturePath, 0});
    if (m_running >= m_pool.maxThreadCount())
        return; // a finishing task takes it
    ++m_running;
    // The task takes its job from the queue itself, so one dropped by
    // clearTasks before the pool runs it is never started.
    auto *task = new ThumbnailSessionTask(this);
    lock.unlock();
    m_pool.start(task);
}

bool ThumbnailSessionManager::takeNextJob(ThumbnailJob &next)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_stopped && !m_queue.isEmpty()) {
        next = m_queue.takeFirst();
        next.generation = m_generation.load();
        return true;
    }
    --m_running;
    return false;
}

bool ThumbnailSessionManager::isCurrent(quint64 generation) const
{
    return generation == m_generation.load();
}

void ThumbnailSessionManager::clearTasks()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queue.clear();
    // Running conversions see the new generation and end themselves.
    m_generation.fetch_add(1);
}

void ThumbnailSessionManager::stopAll()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopped = true;
        m_queue.clear();
        m_generation.fetch_add(1);
    }
    m_pool.waitForDone();
}

void ThumbnailSessionManager::setTimeLimitMs(int milliseconds)
{
    m_timeLimitMs.store(milliseconds);
}

int ThumbnailSessionManager::timeLimitMs() const
{
    return m_timeLimitMs.load();
}

QString ThumbnailSessionManager::converterProgram() const
{
    const QString name = linuxModuleName("ffmpeg.exe");
    const QString beside = QCoreApplication::applicationDirPath() + '/' + name;
    QString fallback = QFileInfo(beside).isExecutable() ? beside : QStandardPaths::findExecutable(name);
    if (fallback.isEmpty())
        fallback = name;
    return SettingsEntry::instance()->endpoint("QUENROW_FFMPEG", QStringLiteral("FfmpegProgram"), fallback);
}
