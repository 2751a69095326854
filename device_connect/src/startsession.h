#pragma once

#include "mobiledevice.h"

// One lockdown session with a device: connects, pairs when the device does
// not yet trust the computer, starts the session; the destructor ends what
// was started.
class CStartSession
{
public:
    explicit CStartSession(AMDeviceRef device);
    ~CStartSession();
    CStartSession(const CStartSession &) = delete;
    CStartSession &operator=(const CStartSession &) = delete;

    bool Start();

    bool paired() const { return m_paired; }
    // AMDeviceStartSession's result, 0 when it was not reached.
    int startSessionResult() const { return m_startSessionResult; }
    // Why Start failed: the start-session code, else the connect code; never
    // 0 after a failure, so that callers do not take it for success.
    int failureCode() const;

private:
    AMDeviceRef m_device;
    bool m_paired = false;
    bool m_connected = false;
    bool m_sessionStarted = false;
    int m_connectResult = 0;
    int m_startSessionResult = 0;
};
