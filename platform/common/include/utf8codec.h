#pragma once

// UTF-8 <-> wide text for the engine, the stand-ins, their callers and their
// tests. Never throws; malformed input becomes U+FFFD.

#include <string>

namespace utf8codec
{
    inline void append(std::string &out, char32_t c)
    {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }

    inline std::string encode(const std::wstring &text)
    {
        std::string out;
        out.reserve(text.size());
        for (wchar_t c : text)
            append(out, char32_t(c));
        return out;
    }

    inline std::wstring decode(const char *text, size_t length)
    {
        // Never more characters than bytes: decode into a buffer of that size.
        std::wstring out(text ? length : 0, L'\0');
        if (!text)
            return out;
        const auto *p = reinterpret_cast<const unsigned char *>(text);
        const auto *end = p + length;
        size_t n = 0;
        while (p < end) {
            const unsigned char lead = *p;
            if (lead < 0x80) {
                out[n++] = wchar_t(lead);
                ++p;
                continue;
            }
            int extra = 0;
            char32_t c = 0;
            char32_t minimum = 0;
            if ((lead & 0xE0) == 0xC0) {
                extra = 1; c = lead & 0x1F; minimum = 0x80;
            } else if ((lead & 0xF0) == 0xE0) {
                extra = 2; c = lead & 0x0F; minimum = 0x800;
            } else if ((lead & 0xF8) == 0xF0) {
                extra = 3; c = lead & 0x07; minimum = 0x10000;
            } else {
                out[n++] = wchar_t(0xFFFD);
                ++p;
                continue;
            }
            int taken = 0;
            while (taken < extra && p + 1 + taken < end && (p[1 + taken] & 0xC0) == 0x80) {
                c = (c << 6) | (p[1 + taken] & 0x3F);
                ++taken;
            }
            if (taken < extra || c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
                out[n++] = wchar_t(0xFFFD);
                p += 1 + taken;
                continue;
            }
            out[n++] = wchar_t(c);
            p += 1 + extra;
        }
        out.resize(n);
        return out;
    }

    inline std::wstring decode(const std::string &text)
    {
        return decode(text.data(), text.size());
    }
}
