#include "spdlogcore.h"
#include "utf8codec.h"

#include <dlfcn.h>
#include <unistd.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <spdlog/sinks/basic_file_sink.h>
#include <spdlog/spdlog.h>

namespace fs = std::filesystem;

namespace
{
    std::mutex g_mutex;
    std::map<const void *, std::shared_ptr<spdlog::logger>> g_byModule; // module base -> its log
    std::map<std::string, std::shared_ptr<spdlog::logger>> g_byFile;    // one logger per file
    std::shared_ptr<spdlog::logger> g_lastOpened;                       // for modules that opened none
    std::atomic<bool> g_console {false};

    const void *moduleOf(const void *address)
    {
        Dl_info info {};
        if (address && dladdr(address, &info) && info.dli_fbase)
            return info.dli_fbase;
        return nullptr;
    }

    bool usableFolder(const fs::path &dir)
    {
        std::error_code ec;
        fs::create_directories(dir, ec);
        return fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0;
    }

    fs::path binaryFolderLog()
    {
        Dl_info info {};
        if (dladdr(reinterpret_cast<const void *>(&binaryFolderLog), &info) && info.dli_fname)
            return fs::path(info.dli_fname).parent_path() / "log";
        return {};
    }

    fs::path userFolderLog()
    {
        const char *xdg = std::getenv("XDG_DATA_HOME");
        const char *home = std::getenv("HOME");
        fs::path base = (xdg && *xdg) ? fs::path(xdg) : fs::path(home ? home : "/tmp") / ".local/share";
        return base / "Quenrow(iOS)" / "log";
    }

    const std::string &logFolder()
    {
        static const std::string folder = [] {
            const char *env = std::getenv("QUENROW_LOG_DIR");
            if (env && *env && usableFolder(env))
                return std::string(env);
            const fs::path beside = binaryFolderLog();
            if (!beside.empty() && usableFolder(beside))
                return beside.string();
            const fs::path user = userFolderLog();
            usableFolder(user);
            return user.string();
        }();
        return folder;
    }

    std::string toUtf8(const wchar_t *text)
    {
        return text ? utf8codec::encode(text) : std::string();
    }

    void openLog(const void *module, const std::string &fileName)
    {
        if (fileName.empty())
            return;
        const fs::path path = fs::path(fileName).is_absolute() ? fs::path(fileName) : fs::path(logFolder()) / fileName;
        std::lock_guard<std::mutex> lock(g_mutex);
        auto &logger = g_byFile[path.string()];
        if (!logger) {
            auto sink = std::make_shared<spdlog::sinks::basic_file_sink_mt>(path.string(), false);
            logger = std::make_shared<spdlog::logger>(path.filename().string(), sink);
            logger->set_pattern("[%Y-%m-%d %H:%M:%S.%e] [%t] %v");
            logger->set_level(spdlog::level::trace);
            logger->flush_on(spdlog::level::trace); // a crash must not eat the last lines
        }
        g_byModule[module] = logger;
        g_lastOpened = logger;
    }

    std::shared_ptr<spdlog::logger> loggerFor(const void *module)
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        auto it = g_byModule.find(module);
        return it != g_byModule.end() ? it->second : g_lastOpened;
    }

    spdlog::level::level_enum toSpdLevel(int level)
    {
        switch (level) {
        case 0: return spdlog::level::trace;
        case 1: return spdlog::level::debug;
        case SPDLOG_LEVEL_INFO: return spdlog::level::info;
        case 3: return spdlog::level::warn;
        case SPDLOG_LEVEL_ERROR: return spdlog::level::err;
        default: return spdlog::level::critical;
        }
    }

    void writeEntry(const void *module, const char *sourceFile, int line, int level, std::string text)
    {
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        const char *base = sourceFile ? std::strrchr(sourceFile, '/') : nullptr;
        const char *file = base ? base + 1 : (sourceFile ? sourceFile : "");
        if (g_console)
            std::fprintf(stderr, "[%d] %s:%d %s\n", level, file, line, text.c_str());
        auto logger = loggerFor(module);
        if (logger)
            logger->log(toSpdLevel(level), "[{}] {}:{} {}", level, file, line, text);
    }

    std::string formatNarrow(const char *format, va_list args)
    {
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

    std::string formatWide(const wchar_t *format, va_list args)
    {
        // vswprintf cannot measure; grow the buffer until the text fits.
        for (size_t capacity = 512; capacity <= (size_t(1) << 22); capacity *= 4) {
            std::vector<wchar_t> buffer(capacity);
            va_list attempt;
            va_copy(attempt, args);
            const int size = std::vswprintf(buffer.data(), capacity, format, attempt);
            va_end(attempt);
            if (size >= 0)
                return toUtf8(buffer.data());
        }
        return toUtf8(format); // the values could not be formatted; keep the message itself
    }
}

extern "C" {

void InitSpdLogA(const char *fileName, const char *)
{
    try {
        openLog(moduleOf(__builtin_return_address(0)), fileName ? fileName : "");
    } catch (...) {
    }
}

void InitSpdLogW(const wchar_t *fileName, const wchar_t *)
{
    try {
        openLog(moduleOf(__builtin_return_address(0)), toUtf8(fileName));
    } catch (...) {
    }
}

void SpdLogA(const char *sourceFile, int line, int level, const char *format, ...)
{
    if (!format)
        return;
    try {
        const void *module = moduleOf(__builtin_return_address(0));
        va_list args;
        va_start(args, format);
        std::string text = formatNarrow(format, args);
        va_end(args);
        writeEntry(module, sourceFile, line, level, std::move(text));
    } catch (...) {
    }
}

void SpdLogW(const char *sourceFile, int line, int level, const wchar_t *format, ...)
{
    if (!format)
        return;
    try {
        const void *module = moduleOf(__builtin_return_address(0));
        va_list args;
        va_start(args, format);
        std::string text = formatWide(format, args);
        va_end(args);
        writeEntry(module, sourceFile, line, level, std::move(text));
    } catch (...) {
    }
}

void SpdLogEnableConsoleOutput(bool enable)
{
    g_console = enable;
}

const char *SpdLogFolder(void)
{
    try {
        return logFolder().c_str();
    } catch (...) {
        return "";
    }
}

}
