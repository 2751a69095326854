#pragma once

#include <cstddef>

// Our stand-in for the crash-reporting SDK the program hands its crashes to.
//
// One sender per process. Constructing it installs handlers for the fatal
// signals (SIGSEGV, SIGBUS, SIGFPE, SIGILL, on a stack of their own);
// crash() is the path the program routes its other fatal conditions into.
// A crash calls the callback with ExceptionNotice, then writes the report
// "crash-<yyyyMMdd-hhmmss>-<pid>.txt" into the log folder (the application,
// version, notes, reason, the files the callback attached and a backtrace)
// and ends the process by the signal's default action. The report stands
// for the SDK's minidump: getMinidumpPath() names it. Nothing is uploaded.
class MiniDmpSender
{
public:
    static constexpr unsigned int ExceptionNotice = 0x50;
    static constexpr int MaxAttachments = 16;
    using Callback = bool (*)(unsigned int code, void *context, void *data);

    // A second sender replaces the first as the one crashes are reported by.
    MiniDmpSender(const wchar_t *database, const wchar_t *application, const wchar_t *version,
                  const wchar_t *applicationId, unsigned int flags);
    ~MiniDmpSender();
    MiniDmpSender(const MiniDmpSender &) = delete;
    MiniDmpSender &operator=(const MiniDmpSender &) = delete;

    unsigned int getFlags() const;
    void setFlags(unsigned int flags);
    void setMiniDumpType(unsigned int type);
    unsigned int miniDumpType() const;
    // Memory held back from the start and given back when a crash is
    // reported, so that a report can still be written when memory ran out.
    void setGuardByteBufferSize(std::size_t bytes);
    std::size_t guardByteBufferSize() const;
    void setNotes(const wchar_t *notes);
    void setCallback(Callback callback);

    // The report's path; false when it does not fit the buffer (count wide
    // characters, the terminating zero included).
    bool getMinidumpPath(wchar_t *buffer, std::size_t count) const;
    // Names a file that travels with the report; false when the list is full
    // or the path too long. Safe inside the callback of a crash.
    bool sendAdditionalFile(const wchar_t *path);

    // Reports and ends the process with the signal's default action.
    [[noreturn]] void crash(const char *reason, int signal);

    // The sender crashes are reported by, or null.
    static MiniDmpSender *instance();

    struct State;

private:
    State *d;
};
