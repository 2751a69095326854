#include "thumbnailsessionmanager.h"

#include "fileutils.h"
#include "settingsentry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutexLocker>
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
    QMutexLocker lock(&m_mutex);
    if (m_stopped)
        return; // at quit: it would never run
    m_queue.append({videoPath, picturePath, m_generation.load()});
    if (m_running >= m_pool.maxThreadCount())
        return;
    const ThumbnailJob job = m_queue.takeFirst();
    ++m_running;
    lock.unlock();
    m_pool.start(new ThumbnailSessionTask(this, job));
}

bool ThumbnailSessionManager::onTaskFinished(ThumbnailJob &next)
{
    QMutexLocker lock(&m_mutex);
    if (!m_stopped && !m_queue.isEmpty() && m_running <= m_pool.maxThreadCount()) {
        next = m_queue.takeFirst();
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
    QMutexLocker lock(&m_mutex);
    m_queue.clear();
    // Running conversions see the new generation and end themselves; tasks
    // the pool has not yet started skip their job.
    m_generation.fetch_add(1);
}

void ThumbnailSessionManager::stopAll()
{
    {
        QMutexLocker lock(&m_mutex);
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
