#pragma once

#include <QFile>
#include <QString>

// Whether the process runs: it exists and is not merely waiting to be reaped
// (a container's first process may never reap the orphans it inherits).
inline bool isProcessAlive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const int close = line.lastIndexOf(')');
    return close > 0 && line.size() > close + 2 && line.at(close + 2) != 'Z';
}
