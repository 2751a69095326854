#pragma once

// What a processor's file field holds for a file the backup has. Until the
// media manager's lookups and copies exist they find nothing, so the field
// stays empty; tests state the full path and this picks the one that holds.

#include "dbmediamanager.h"

#include <string>

namespace testsupport
{
    inline bool mediaLookupsAvailable()
    {
        return DBMediaManager::GetExtension(L"a.b") == L".b";
    }

    inline std::wstring ifMediaLookups(const std::wstring &path)
    {
        return mediaLookupsAvailable() ? path : std::wstring();
    }
}
