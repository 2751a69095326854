#pragma once

#include <string>

// What the command-line callers say about a category the engine could not
// scan, and the exit codes they share.
namespace ScanError
{
    // Exit codes beside 0 (everything read), 1 (a failure of the program's
    // own) and 2 (bad arguments).
    constexpr int SomeCategoryFailed = 3; // the rest was read in full
    constexpr int NoBackup = 4;           // the folder or its Manifest.db cannot be read: nothing scanned

    // The reason of a DBExecutorError, in a few words.
    std::string Reason(int error);
    // True for the errors that concern the whole backup folder.
    bool IsBackupError(int error);
    // The exit code for the worst of the errors seen (0 for none).
    int ExitCode(bool anyError, bool backupError);
}
