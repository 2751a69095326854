#include "engineutil.h"

#include "pathseparators.h"
#include "utf8codec.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <vector>

namespace
{
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
    return utf8codec::encode(text);
}

std::wstring Utf8ToWide(const std::string &text)
{
    return utf8codec::decode(text);
}

std::wstring Utf8ToWide(const char *text, size_t length)
{
    return utf8codec::decode(text, length);
}

void NormalizePath(std::wstring &path)
{
    pathseparators::normalize(path);
}

bool PathExists(const std::wstring &path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(std::filesystem::path(WideToUtf8(path)), ec);
}

std::string WideToAnsi(const std::wstring &text)
{
    return WideToUtf8(text);
}

std::wstring AnsiToWide(const std::string &text)
{
    return Utf8ToWide(text);
}

std::string AnsiToUtf8(const std::string &text)
{
    return WideToUtf8(AnsiToWide(text));
}

std::string Utf8ToAnsi(const std::string &text)
{
    return WideToAnsi(Utf8ToWide(text));
}

std::string AfterFirst(const std::string &text, const std::string &separator)
{
    const size_t at = text.find(separator);
    return at == std::string::npos ? std::string() : text.substr(at + separator.size());
}

void ReplaceAllW(std::wstring &text, const std::wstring &pattern, const std::wstring &replacement)
{
    if (pattern.empty())
        return;
    for (size_t at = text.find(pattern); at != std::wstring::npos;
         at = text.find(pattern, at + replacement.size()))
        text.replace(at, pattern.size(), replacement);
}

std::vector<std::string> SplitQuoted(const std::string &text, const std::string &separator)
{
    std::vector<std::string> pieces;
    if (text.empty() || separator.empty()) {
        if (!text.empty())
            pieces.push_back(text);
        return pieces;
    }
    size_t start = 0;
    while (true) {
        size_t searchFrom = start;
        if (text.compare(start, 1, "\"") == 0) {
            const size_t closing = text.find('"', start + 1);
            searchFrom = closing == std::string::npos ? text.size() : closing + 1;
        }
        const size_t at = text.find(separator, searchFrom);
        if (at == std::string::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
}

std::wstring ModuleFolder()
{
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::wstring() : Utf8ToWide(program.parent_path().string());
}

void SplitPath(const std::wstring &path, std::wstring &folder, std::wstring &fileName)
{
    std::wstring normal = path;
    NormalizePath(normal);
    const size_t slash = normal.rfind(L'/');
    if (slash == std::wstring::npos) {
        folder.clear();
        fileName = normal;
        return;
    }
    fileName = normal.substr(slash + 1);
    folder = normal.substr(0, slash == 0 ? 1 : slash);
}

bool MakeFolders(const std::wstring &folder)
{
    if (folder.empty())
        return false;
    std::wstring normal = folder;
    NormalizePath(normal);
    const std::filesystem::path target(WideToUtf8(normal));
    std::error_code ec;
    std::filesystem::create_directories(target, ec);
    return std::filesystem::is_directory(target, ec);
}

FILE *OpenFileW(const std::wstring &path, const std::wstring &mode)
{
    if (path.empty() || mode.empty())
        return nullptr;
    return std::fopen(WideToUtf8(path).c_str(), WideToUtf8(mode).c_str());
}

std::string ReadWholeFile(const std::wstring &path, long long limit)
{
    // A folder (or a device) also opens, with no size that could be allocated.
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(std::filesystem::path(WideToUtf8(path)), ec))
        return {};
    FILE *file = OpenFileW(path, L"rb");
    if (!file)
        return {};
    std::string bytes;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long long size = ftello(file);
        const long long wanted = (limit > 0 && limit < size) ? limit : size;
        if (wanted > 0 && std::fseek(file, 0, SEEK_SET) == 0) {
            bytes.resize(size_t(wanted));
            const size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
            if (read != bytes.size()) {
                DebugTraceA("ERR:fread fail, %lld != %zu\n", wanted, read);
                bytes.clear();
            }
        }
    }
    std::fclose(file);
    return bytes;
}

bool WriteWholeFile(const std::wstring &path, const char *bytes, size_t length)
{
    FILE *file = OpenFileW(path, L"wb");
    if (!file)
        return false;
    const bool written = length == 0 || (bytes && std::fwrite(bytes, 1, length, file) == length);
    const bool closed = std::fclose(file) == 0;
    if (written && closed)
        return true;
    const std::filesystem::path target(WideToUtf8(path));
    std::error_code ec;
    if (std::filesystem::is_regular_file(target, ec))
        std::filesystem::remove(target, ec);
    return false;
}
