#include "crashreporter.h"

#include "minidmpsender.h"

#include <csignal>
#include <exception>
#include <new>

namespace
{
    MiniDmpSender *g_sender = nullptr;     // made once, never deleted
    wchar_t g_logFolder[4096] = {};        // kept for the callback

    [[noreturn]] void crashWith(const char *reason)
    {
        if (MiniDmpSender *sender = MiniDmpSender::instance())
            sender->crash(reason, SIGABRT);
        std::signal(SIGABRT, SIG_DFL);
        std::abort();
    }

    [[noreturn]] void onTerminate()
    {
        // A pure virtual call ends here too: the run-time library calls
        // std::terminate for it.
        crashWith("std::terminate (an uncaught exception or a pure virtual call)");
    }

    void onOutOfMemory()
    {
        crashWith("out of memory (operator new failed)");
    }

    void onAbort(int)
    {
        crashWith("abort (SIGABRT)");
    }

    // The run-time library's fatal paths end through the crash path. There
    // is no invalid-parameter handler, no malloc "new mode" and no abort
    // message or system fault report to turn off on this platform.
    void routeFatalPaths()
    {
        std::set_terminate(onTerminate);
        std::set_new_handler(onOutOfMemory);
        struct sigaction action {};
        action.sa_handler = onAbort;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        ::sigaction(SIGABRT, &action, nullptr);
    }
}

void setupCrashReporter(const QString &logFolder, const QString &version)
{
    if (g_sender)
        return;
    const std::wstring folder = logFolder.toStdWString();
    const std::size_t length = qMin(folder.size(), sizeof g_logFolder / sizeof *g_logFolder - 1);
    std::wmemcpy(g_logFolder, folder.data(), length);
    g_logFolder[length] = L'\0';
    g_sender = CrashReporterSetup::configure<MiniDmpSender>(version, routeFatalPaths, crashReporterCallback);
}

bool crashReporterCallback(unsigned int code, void *, void *)
{
    return CrashReporterSetup::attachLogs(g_sender, code, g_logFolder);
}
