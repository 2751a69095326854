#pragma once

#include <cstddef>
#include <string>

// Text, path and file services of the library. "ANSI" text is UTF-8 here.
namespace QuorlinUtil
{
    std::string WStringToAnsi(const std::wstring &text);
    std::wstring AnsiToWString(const std::string &text);
    std::wstring Utf8ToWString(const std::string &text);

    bool IsFileExist(const std::string &path);
    bool IsRegularFile(const std::string &path);
    // The folder of the running program, without a trailing separator.
    std::string GetModuleDir();
    bool WriteDataToFile(const std::string &path, const void *data, size_t length);
}
