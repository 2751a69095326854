#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

// A 10 ms timer on the GUI thread that keeps the longest gap between its
// ticks: how long the window stalled at worst. With QUENROW_HEARTBEAT_LOG
// set, the program starts one and writes that gap (whole milliseconds, one
// line) to the file when it ends. The first gap is measured from the first
// tick, when the event loop runs.
class Heartbeat : public QObject
{
    Q_OBJECT

public:
    explicit Heartbeat(QObject *parent = nullptr);

    // The process's heartbeat when QUENROW_HEARTBEAT_LOG is set, else null;
    // started by startFromEnvironment().
    static Heartbeat *process();
    static void startFromEnvironment();
    // Writes the process's heartbeat to its file; nothing without one.
    static void writeProcessReport();

    void start();
    qint64 longestGapMs() const;
    bool writeReport(const QString &path) const;

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = -1;
    qint64 m_longest = 0;
};
