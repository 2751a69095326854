#pragma once

// Runs engine scans for tests and keeps every event as its JSON line, the
// same text vardex-scan prints. The test links the engine itself.

#include "idbexecutor.h"

#include <functional>
#include <string>
#include <vector>

namespace testsupport
{
    std::wstring widen(const std::string &utf8);
    std::string narrow(const std::wstring &wide);

    struct ScanRequest
    {
        std::string backup;
        std::string out;
        int32_t mask = 0;
        int32_t mode = DBMODE_BACKUP;
    };

    // Scans in process and returns the events in order. onEvent, when set,
    // sees each line as it comes (a test can stop the executor from there).
    std::vector<std::string> scanEvents(const ScanRequest &request,
                                        const std::function<void(IDBExecutor &, const std::string &)> &onEvent = {});

    // Runs a shell command and returns what it printed on stdout.
    std::string runCommand(const std::string &command, int *exitCode = nullptr);
    std::string shellQuote(const std::string &text);
    std::vector<std::string> splitLines(const std::string &text);

    // The lines that are records (status 4) of a category.
    std::vector<std::string> recordLines(const std::vector<std::string> &lines, int kind);
    std::string progressLine(int kind, int value);
    // The line of a category that could not be scanned, with its DBExecutorError.
    std::string errorLine(int kind, int error);
    // The line of one record, given the record's JSON object.
    std::string recordLine(int kind, int value, const std::string &recordJson);
    // The events of a scan of one category that finds no records.
    std::vector<std::string> emptyCategoryEvents(int kind);

    // A fresh empty folder under the test's temporary folder.
    std::string freshFolder(const std::string &name);
    // Every file below a folder with its bytes, to tell that nothing changed.
    std::vector<std::pair<std::string, std::string>> snapshot(const std::string &folder);
    // The test's log folder (QUENROW_LOG_DIR) and one log's text.
    std::string logText(const std::string &fileName);
}
