#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

// Ends a running iTunes every few seconds while resumed, and tells the main
// window (application event 1018) each time it found one. iTunes runs here
// only under Wine, which names its process "iTunes.exe".
class RealtimekilliTunesSessionManager : public QThread
{
    Q_OBJECT

public:
    static constexpr int FoundEvent = 1018;

    explicit RealtimekilliTunesSessionManager(QObject *parent = nullptr, int intervalMs = 5000);
    ~RealtimekilliTunesSessionManager() override;

    void resume();
    void pause();
    void stop();

    // One pass: ends this user's iTunes processes; true when one was found.
    static bool killPass();

protected:
    void run() override;

private:
    QMutex m_mutex;
    QWaitCondition m_wake;
    bool m_paused = true;
    bool m_quitRequested = false;
    const int m_intervalMs;
};
