#pragma once

#include <QString>

#include <cwchar>

// The crash reporter's set-up. setupCrashReporter() makes the process's
// sender, routes the run-time library's fatal paths into its crash path and
// names the logs that travel with a report; main calls it once.
void setupCrashReporter(const QString &logFolder, const QString &version);

// The sender's callback: on the exception notice (0x50) it attaches the
// decryption library's, the device library's and the program's own log
// from the log folder; never stops the report (false).
bool crashReporterCallback(unsigned int code, void *context, void *data);

namespace CrashReporterSetup
{
    // The crash-reporting service's account.
    inline const wchar_t *const DatabaseName = L"quenrow";
    constexpr unsigned int ConstructionFlags = 0x2014;
    constexpr unsigned int AddedFlag = 0x2;
    constexpr unsigned int MiniDumpType = 0x1826;
    constexpr std::size_t GuardBufferBytes = 0x1400000;
    constexpr unsigned int ExceptionNotice = 0x50;
    inline const wchar_t *const Notes = L"Channel:Com";
    inline const wchar_t *const LogFiles[] = {L"/Volsark.log", L"/QuorlinMac.log", L"/app.txt"};

    // The calls made on a sender, in order; routeFatalPaths runs between the
    // dump type and the guard buffer. Any class with the sender's
    // operations will do, so that tests can watch the calls.
    template<typename Sender>
    Sender *configure(const QString &version, void (*routeFatalPaths)(),
                      bool (*callback)(unsigned int, void *, void *))
    {
        const std::wstring wideVersion = version.toStdWString();
        auto *sender =
            new Sender(DatabaseName, L"Quenrow(iOS)", wideVersion.c_str(), nullptr, ConstructionFlags);
        sender->setFlags(sender->getFlags() | AddedFlag);
        sender->setMiniDumpType(MiniDumpType);
        if (routeFatalPaths)
            routeFatalPaths();
        sender->setGuardByteBufferSize(GuardBufferBytes);
        sender->setNotes(Notes);
        sender->setCallback(callback);
        return sender;
    }

    // What the callback does with a sender: on the notice, each log's full
    // path (logFolder + name) goes with the report. Allocates nothing: it
    // runs while the program crashes.
    template<typename Sender>
    bool attachLogs(Sender *sender, unsigned int code, const wchar_t *logFolder)
    {
        if (code != ExceptionNotice || !sender)
            return false;
        wchar_t dumpPath[260];
        sender->getMinidumpPath(dumpPath, 260);
        for (const wchar_t *name : LogFiles) {
            wchar_t path[4096];
            const std::size_t folderLength = std::wcslen(logFolder);
            const std::size_t nameLength = std::wcslen(name);
            if (folderLength + nameLength + 1 > sizeof path / sizeof *path)
                continue;
            std::wmemcpy(path, logFolder, folderLength);
            std::wmemcpy(path + folderLength, name, nameLength + 1);
            sender->sendAdditionalFile(path);
        }
        return false;
    }
}
