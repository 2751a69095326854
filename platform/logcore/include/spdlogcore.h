#pragma once

// The logging library every deliverable writes through. Each module (the
// program or a shared library) opens its own log file once; later entries
// from that module go to it. Nothing here throws.

#ifdef __cplusplus
extern "C" {
#endif

#define SPDLOGCORE_API __attribute__((visibility("default")))

enum SpdLogLevel
{
    SPDLOG_LEVEL_INFO = 2,
    SPDLOG_LEVEL_ERROR = 4
};

// Opens the calling module's log. fileName is taken relative to the log
// folder unless it is absolute. Calling it again is harmless.
SPDLOGCORE_API void InitSpdLogA(const char *fileName, const char *reserved);
SPDLOGCORE_API void InitSpdLogW(const wchar_t *fileName, const wchar_t *reserved);

// One entry, formatted printf-style. Wide formats follow glibc: %ls for a
// wide string, %s for a narrow one.
SPDLOGCORE_API void SpdLogA(const char *sourceFile, int line, int level, const char *format, ...)
    __attribute__((format(printf, 4, 5)));
SPDLOGCORE_API void SpdLogW(const char *sourceFile, int line, int level, const wchar_t *format, ...);

SPDLOGCORE_API void SpdLogEnableConsoleOutput(bool enable);

// The folder logs are written to: QUENROW_LOG_DIR when set, else "log"
// beside the binaries, else a per-user data folder.
SPDLOGCORE_API const char *SpdLogFolder(void);

#ifdef __cplusplus
}
#endif
