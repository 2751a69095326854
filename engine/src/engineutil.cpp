#include "engineutil.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <vector>

namespace
{
    void appendUtf8(std::string &out, char32_t c)
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

    std::wstring vformatW(const wchar_t *format, va_list args)
    {
        if (!format || !*format)
            return {};
        // vswprintf has no measuring pass: grow until the text fits.
        for (size_t capacity = 256; capacity <= (size_t(1) << 24); capacity *= 4) {
            std::vector<wchar_t> buffer(capacity);
            va_list attempt;
            va_copy(attempt, args);
            const int size = std::vswprintf(buffer.data(), capacity, format, attempt);
            va_end(attempt);
            if (size >= 0)
                return std::wstring(buffer.data(), size_t(size));
        }
        return {};
    }

    std::string vformatA(const char *format, va_list args)
    {
        if (!format || !*format)
            return {};
        va_list measure;
        va_copy(measure, args);
        const int size = std::vsnprintf(nullptr, 0, format, measure);
        va_end(measure);
        if (size <= 0)
            return {};
        std::string out(size_t(size) + 1, '\0');
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(size_t(size));
        return out;
    }
}

bool DebugTraceEnabled()
{
    static const bool enabled = [] {
        const char *env = std::getenv("QUENROW_DEBUG_TRACE");
        return env && *env && std::string(env) != "0";
    }();
    return enabled;
}

void DebugTraceA(const char *format, ...)
{
    if (!DebugTraceEnabled())
        return;
    va_list args;
    va_start(args, format);
    const std::string text = vformatA(format, args);
    va_end(args);
    if (!text.empty())
        std::fputs(text.c_str(), stderr);
}

void DebugTraceW(const wchar_t *format, ...)
{
    if (!DebugTraceEnabled())
        return;
    va_list args;
    va_start(args, format);
    const std::wstring text = vformatW(format, args);
    va_end(args);
    if (!text.empty())
        std::fputs(WideToUtf8(text).c_str(), stderr);
}

std::string FormatA(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = vformatA(format, args);
    va_end(args);
    return text;
}

std::wstring FormatW(const wchar_t *format, ...)
{
    va_list args;
    va_start(args, format);
    std::wstring text = vformatW(format, args);
    va_end(args);
    return text;
}

std::string WideToUtf8(const std::wstring &text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text)
        appendUtf8(out, char32_t(c));
    return out;
}

std::wstring Utf8ToWide(const std::string &text)
{
    return Utf8ToWide(text.data(), text.size());
}

std::wstring Utf8ToWide(const char *text, size_t length)
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

void NormalizePath(std::wstring &path)
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

bool PathExists(const std::wstring &path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(std::filesystem::path(WideToUtf8(path)), ec);
}
