#include "startsession.h"

#include "itunesmobiledevice.h"
#include "quorlinlog.h"

namespace
{
    constexpr int kMissingFunction = -4;
}

CStartSession::CStartSession(AMDeviceRef device) : m_device(device)
{
}

CStartSession::~CStartSession()
{
    const CiTunesMobileDevice &md = CiTunesMobileDevice::instance();
    if (m_sessionStarted && md.AMDeviceStopSession)
        md.AMDeviceStopSession(m_device);
    if (m_connected && md.AMDeviceDisconnect)
        md.AMDeviceDisconnect(m_device);
}

bool CStartSession::Start()
{
    const CiTunesMobileDevice &md = CiTunesMobileDevice::instance();
    if (!md.AMDeviceConnect || !md.AMDeviceIsPaired || !md.AMDeviceStartSession) {
        m_connectResult = kMissingFunction;
        return false;
    }
    m_connectResult = md.AMDeviceConnect(m_device);
    if (m_connectResult != 0) {
        QLOG("ERR: AMDeviceConnect fail %d\n", m_connectResult);
        return false;
    }
    m_connected = true;
    if (md.AMDeviceIsPaired(m_device) == 1)
        m_paired = true;
    else if (md.AMDevicePair)
        md.AMDevicePair(m_device);
    m_startSessionResult = md.AMDeviceStartSession(m_device);
    if (m_startSessionResult == 0) {
        m_sessionStarted = true;
        return true;
    }
    QLOG("ERR: AMDeviceStartSession fail %d\n", m_startSessionResult);
    return false;
}

int CStartSession::failureCode() const
{
    if (m_startSessionResult != 0)
        return m_startSessionResult;
    return m_connectResult != 0 ? m_connectResult : kMissingFunction;
}
