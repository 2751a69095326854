#include "quorlinutil.h"

#include "pathseparators.h"
#include "utf8codec.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <memory>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
    template <typename Text>
    void replaceAll(Text &text, const Text &search, const Text &replacement)
    {
        if (text.empty() || search.empty())
            return;
        for (size_t at = text.find(search); at != Text::npos; at = text.find(search, at)) {
            text.replace(at, search.size(), replacement);
            at += replacement.size();
        }
    }
}

namespace QuorlinUtil
{
    std::string FormatString(const char *format, ...)
    {
        if (!format || !*format)
            return {};
        va_list arguments;
        va_start(arguments, format);
        va_list measure;
        va_copy(measure, arguments);
        const int length = std::vsnprintf(nullptr, 0, format, measure);
        va_end(measure);
        std::string text;
        if (length > 0) {
            text.resize(size_t(length) + 1);
            std::vsnprintf(text.data(), text.size(), format, arguments);
            text.resize(size_t(length));
        }
        va_end(arguments);
        return text;
    }

    std::wstring FormatWString(const wchar_t *format, ...)
    {
        if (!format || !*format)
            return {};
        // vswprintf cannot measure its output; a memory stream grows as it writes.
        wchar_t *buffer = nullptr;
        size_t size = 0;
        FILE *stream = open_wmemstream(&buffer, &size);
        if (!stream)
            return {};
        va_list arguments;
        va_start(arguments, format);
        const int written = std::vfwprintf(stream, format, arguments);
        va_end(arguments);
        const bool closed = std::fclose(stream) == 0;
        std::unique_ptr<wchar_t, decltype(&std::free)> owner(buffer, &std::free);
        if (written < 0 || !closed || !buffer)
            return {};
        return std::wstring(buffer, size);
    }

    void ReplaceAll(std::string &text, const std::string &search, const std::string &replacement)
    {
        replaceAll(text, search, replacement);
    }

    void ReplaceAll(std::wstring &text, const std::wstring &search, const std::wstring &replacement)
    {
        replaceAll(text, search, replacement);
    }

    void NormalizeSeparators(std::wstring &path)
    {
        pathseparators::normalize(path);
    }

    std::string WStringToAnsi(const std::wstring &text)
    {
        return utf8codec::encode(text);
    }

    std::wstring AnsiToWString(const std::string &text)
    {
        return utf8codec::decode(text);
    }

    std::wstring Utf8ToWString(const std::string &text)
    {
        return utf8codec::decode(text);
    }

    bool IsFileExist(const std::string &path)
    {
        std::error_code ec;
        return !path.empty() && fs::exists(path, ec);
    }

    bool IsRegularFile(const std::string &path)
    {
        std::error_code ec;
        return !path.empty() && fs::is_regular_file(path, ec);
    }

    std::string GetModuleDir()
    {
        std::error_code ec;
        const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
        return ec ? std::string() : exe.parent_path().string();
    }

    bool WriteDataToFile(const std::string &path, const void *data, size_t length)
    {
        FILE *file = std::fopen(path.c_str(), "wb");
        if (!file)
            return false;
        const bool written = length == 0 || std::fwrite(data, 1, length, file) == length;
        // A full disk may only show when the buffer is flushed.
        return std::fclose(file) == 0 && written;
    }
}
