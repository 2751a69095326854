#include "realtimekillitunessessionmanager.h"

#include "appevent.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
    bool isITunes(const QString &name)
    {
        return name.compare(QLatin1String("iTunes.exe"), Qt::CaseInsensitive) == 0;
    }

    // A process that has ended but is not yet reaped is no running iTunes.
    bool hasEnded(const QString &folder)
    {
        QFile stat(folder + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            return true;
        const QByteArray text = stat.readAll();
        const int close = text.lastIndexOf(')');
        const char state = close >= 0 && close + 2 < text.size() ? text.at(close + 2) : 'X';
        return state == 'Z' || state == 'X';
    }

    QString firstArgumentName(const QByteArray &cmdline)
    {
        QString first = QString::fromLocal8Bit(cmdline.left(cmdline.indexOf('\0')));
        const int cut = std::max(first.lastIndexOf(QLatin1Char('/')), first.lastIndexOf(QLatin1Char('\\')));
        return first.mid(cut + 1);
    }
}

RealtimekilliTunesSessionManager::RealtimekilliTunesSessionManager(QObject *parent, int intervalMs)
    : QThread(parent)
    , m_intervalMs(intervalMs)
{
    start();
}

RealtimekilliTunesSessionManager::~RealtimekilliTunesSessionManager()
{
    stop();
    wait();
}

void RealtimekilliTunesSessionManager::resume()
{
    QMutexLocker lock(&m_mutex);
    m_paused = false;
    m_wake.wakeAll();
}

void RealtimekilliTunesSessionManager::pause()
{
    QMutexLocker lock(&m_mutex);
    m_paused = true;
    m_wake.wakeAll();
}

void RealtimekilliTunesSessionManager::stop()
{
    requestInterruption();
    QMutexLocker lock(&m_mutex);
    m_paused = false;
    m_quitRequested = true;
    m_wake.wakeAll();
}

bool RealtimekilliTunesSessionManager::killPass()
{
    const uid_t self = ::getuid();
    const pid_t own = ::getpid();
    bool found = false;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool numeric = false;
        const pid_t pid = entry.toInt(&numeric);
        if (!numeric || pid == own)
            continue;
        const QString folder = QStringLiteral("/proc/") + entry;
        struct stat info{};
        if (::stat(QFile::encodeName(folder).constData(), &info) != 0 || info.st_uid != self)
            continue;
        QFile comm(folder + QStringLiteral("/comm"));
        QFile cmdline(folder + QStringLiteral("/cmdline"));
        const QString name = comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed() : QString();
        const QString first = cmdline.open(QIODevice::ReadOnly) ? firstArgumentName(cmdline.readAll()) : QString();
        if ((isITunes(name) || isITunes(first)) && !hasEnded(folder)) {
            found = true;
            ::kill(pid, SIGKILL);
        }
    }
    return found;
}

void RealtimekilliTunesSessionManager::run()
{
    if (isInterruptionRequested())
        return;
    QMutexLocker lock(&m_mutex);
    for (;;) {
        if (m_paused) {
            m_wake.wait(&m_mutex);
        } else if (m_quitRequested) {
            if (isInterruptionRequested())
                return;
        } else {
            // The pass runs without the lock, so resume and stop never wait for it.
            lock.unlock();
            if (killPass())
                postAppEvent(FoundEvent);
            lock.relock();
            if (!m_paused && !m_quitRequested)
                m_wake.wait(&m_mutex, m_intervalMs);
        }
        if (isInterruptionRequested())
            return;
    }
}
