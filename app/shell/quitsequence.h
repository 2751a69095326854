#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What the program does on its way out once the current page agreed to
// quit, in order: the analytics event, the log line, then it stops the
// iTunes-session killer, a running backup, the scan worker, the iCloud
// worker and the thumbnail jobs, hands the media cache and its backup
// folders to the deletion program, and ends the process with 0.
class QuitSequence
{
public:
    using Observer = std::function<void(const QString &step)>;
    using ProcessEnd = std::function<void(int exitCode)>;

    // The steps' names, in order.
    static QStringList stepNames();
    static void run();

    // The default end: the log flushed, the settings synced, the heartbeat
    // written, then the process ends at once (no destructors).
    [[noreturn]] static void endProcess(int exitCode);

    // Test hooks: the observer hears each step's name before it runs; a
    // replaced end runs in place of endProcess. Empty restores the default.
    static void setObserver(Observer observer);
    static void setProcessEnd(ProcessEnd end);
};
