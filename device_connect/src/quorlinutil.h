#pragma once

#include <cstddef>
#include <string>

// Text, path and file services of the library. "ANSI" text is UTF-8 here.
namespace QuorlinUtil
{
    // printf-style formatting; a null or empty format gives "".
    std::string FormatString(const char *format, ...) __attribute__((format(printf, 1, 2)));
    // The same for wide text; "" also when a narrow argument is not valid
    // text in the current locale.
    std::wstring FormatWString(const wchar_t *format, ...);

    // Replaces every occurrence of search, going on after each inserted
    // replacement (so a replacement holding search is not replaced again).
    // An empty text or search changes nothing.
    void ReplaceAll(std::string &text, const std::string &search, const std::string &replacement);
    void ReplaceAll(std::wstring &text, const std::wstring &search, const std::wstring &replacement);

    // Every '\\' becomes '/', then each doubled separator becomes one.
    void NormalizeSeparators(std::wstring &path);

    std::string WStringToAnsi(const std::wstring &text);
    std::wstring AnsiToWString(const std::string &text);
    std::wstring Utf8ToWString(const std::string &text);

    bool IsFileExist(const std::string &path);
    bool IsRegularFile(const std::string &path);
    // The folder of the running program, without a trailing separator.
    std::string GetModuleDir();
    bool WriteDataToFile(const std::string &path, const void *data, size_t length);
}
