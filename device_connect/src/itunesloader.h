#pragma once

#include <mutex>

// Loads the mobile-device and CoreFoundation libraries once per process and
// fills their function tables.
class CiTunesLoader
{
public:
    static CiTunesLoader &instance();

    // The first call loads; every later call, from any thread, gives its result.
    bool Init();

private:
    bool load();

    std::once_flag m_once;
    bool m_initialised = false;
};
