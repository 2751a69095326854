#pragma once

// A path as SQLite reads it inside a "file:" URI: every byte but ASCII
// letters, digits and "/-_.~" is percent-encoded, since "#", "?" and "%"
// would end or change the path.

#include <string>

inline std::string uriEscaped(const std::string &path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size());
    for (const unsigned char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/'
                           || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            out += char(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0xF];
        }
    }
    return out;
}
