#include "quorlinutil.h"

#include "utf8codec.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace QuorlinUtil
{
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
