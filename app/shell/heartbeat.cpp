#include "heartbeat.h"

#include <QFile>
#include <QSaveFile>

namespace
{
    Heartbeat *g_process = nullptr;
}

Heartbeat::Heartbeat(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(10);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Heartbeat::tick);
}

Heartbeat *Heartbeat::process()
{
    return g_process;
}

void Heartbeat::startFromEnvironment()
{
    if (g_process || qEnvironmentVariableIsEmpty("QUENROW_HEARTBEAT_LOG"))
        return;
    // Lives until the process ends: the report is written on the way out.
    g_process = new Heartbeat;
    g_process->start();
}

void Heartbeat::writeProcessReport()
{
    if (g_process)
        g_process->writeReport(qEnvironmentVariable("QUENROW_HEARTBEAT_LOG"));
}

void Heartbeat::start()
{
    m_clock.start();
    m_last = -1;
    m_longest = 0;
    m_timer.start();
}

qint64 Heartbeat::longestGapMs() const
{
    return m_longest;
}

bool Heartbeat::writeReport(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(QByteArray::number(m_longest) + '\n');
    return file.commit();
}

void Heartbeat::tick()
{
    const qint64 now = m_clock.elapsed();
    if (m_last >= 0)
        m_longest = qMax(m_longest, now - m_last);
    m_last = now;
}
