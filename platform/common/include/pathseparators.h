#pragma once

// Paths given with "\\" (as a Windows program writes them) use '/' here.

#include <string>

namespace pathseparators
{
    // Every '\\' becomes '/', then each run of separators becomes one.
    inline void normalize(std::wstring &path)
    {
        std::wstring out;
        out.reserve(path.size());
        for (wchar_t c : path) {
            if (c == L'\\')
                c = L'/';
            if (c == L'/' && !out.empty() && out.back() == L'/')
                continue;
            out += c;
        }
        path.swap(out);
    }
}
