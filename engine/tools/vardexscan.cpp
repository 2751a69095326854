// vardex-scan: drives one scan of the engine and prints its events as JSON Lines.
//
//   vardex-scan --backup DIR --mask HEX [--mode 1|2] [--udid UDID] --out DIR [--count]
//   vardex-scan --owner --backup DIR
//   vardex-scan --udid UDID --export DEVICEPATH --out DIR

#include "idbexecutor.h"
#include "jsonline.h"
#include "recordjson.h"
#include "scanerror.h"
#include "utf8codec.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace
{
    struct Options
    {
        std::string backup;
        std::string out;
        std::string udid;
        std::string exportPath;
        bool exportGiven = false; // an empty path is the engine's to refuse
        long long mask = 0;
        int mode = DBMODE_BACKUP;
        bool count = false;
        bool owner = false;
        bool backupGiven = false; // an empty --backup is a valid (ownerless) answer
    };

    struct ScanState
    {
        bool count = false;
        std::map<int, long long> records;
        bool failed = false;
        bool backupFailed = false;
    };

    void writeLine(const std::string &line)
    {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }

    // SIGINT or SIGTERM stops a running export the way the program's stop button does.
    std::atomic<IDBExecutor *> g_running {nullptr};

    void requestStop(int)
    {
        if (IDBExecutor *executor = g_running.load())
            executor->Stop();
    }

    void printEvent(const int *status, int kind, int value, const void *record, void *)
    {
        writeLine(EventToJson(*status, kind, value, record));
    }

    // Every event as its line, or with --count one line per category; a
    // category that could not be scanned is also told on stderr.
    void scanEvent(const int *status, int kind, int value, const void *record, void *user)
    {
        auto *state = static_cast<ScanState *>(user);
        if (*status == DBSTATUS_ERROR) {
            state->failed = true;
            state->backupFailed = state->backupFailed || ScanError::IsBackupError(value);
            std::fprintf(stderr, "vardex-scan: category 0x%X could not be read: %s\n", unsigned(kind),
                         ScanError::Reason(value).c_str());
        }
        if (!state->count) {
            writeLine(EventToJson(*status, kind, value, record));
        } else if (*status == DBSTATUS_RECORD) {
            ++state->records[kind];
        } else if (*status == DBSTATUS_PROGRESS && kind == DBPROGRESS_CATEGORY_END) {
            writeLine(JsonLine().add("kind", value).add("records", int64_t(state->records[value])).str());
        }
    }

    int usage()
    {
        std::fputs("usage: vardex-scan --backup DIR --mask HEX [--mode 1|2] [--udid UDID] --out DIR [--count]\n"
                   "       vardex-scan --owner --backup DIR\n"
                   "       vardex-scan --udid UDID --export DEVICEPATH --out DIR\n",
                   stderr);
        return 2;
    }

    bool parse(int argc, char **argv, Options &options)
    {
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            const bool hasValue = i + 1 < argc;
            if (arg == "--count") {
                options.count = true;
            } else if (arg == "--owner") {
                options.owner = true;
            } else if (!hasValue) {
                return false;
            } else if (arg == "--backup") {
                options.backup = argv[++i];
                options.backupGiven = true;
            } else if (arg == "--out") {
                options.out = argv[++i];
            } else if (arg == "--udid") {
                options.udid = argv[++i];
            } else if (arg == "--export") {
                options.exportPath = argv[++i];
                options.exportGiven = true;
            } else if (arg == "--mask") {
                char *end = nullptr;
                options.mask = std::strtoll(argv[++i], &end, 16);
                if (!end || *end)
                    return false;
            } else if (arg == "--mode") {
                options.mode = std::atoi(argv[++i]);
            } else {
                return false;
            }
        }
        if (options.exportGiven && options.owner)
            return false;
        return options.owner ? options.backupGiven : true;
    }
}

int main(int argc, char **argv)
{
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);

    Options options;
    if (!parse(argc, argv, options))
        return usage();

    IDBExecutor *raw = nullptr;
    if (!InitDBExecutor(&raw)) {
        std::fputs("vardex-scan: the engine could not be started\n", stderr);
        return 1;
    }
    std::unique_ptr<IDBExecutor> executor(raw);

    if (options.owner) {
        // A plain line: the owner, or nothing when there is none.
        writeLine(utf8codec::encode(executor->GetWhatsAppOwner(utf8codec::decode(options.backup))));
        return 0;
    }

    if (options.exportGiven) {
        std::setvbuf(stdout, nullptr, _IOLBF, 0); // progress is read while the copy runs
        executor->SetCallback(printEvent, nullptr);
        const int connected = executor->ConnectDevice(utf8codec::decode(options.udid));
        if (connected != 0) {
            std::fprintf(stderr, "vardex-scan: could not connect to the device (%d)\n", connected);
            return 1;
        }
        g_running = executor.get();
        struct sigaction action {};
        action.sa_handler = requestStop;
        sigaction(SIGINT, &action, nullptr);
        sigaction(SIGTERM, &action, nullptr);
        const int result = executor->ExportFromDevice(utf8codec::decode(options.out),
                                                      utf8codec::decode(options.exportPath), 0);
        g_running = nullptr;
        executor->DisconnectDevice();
        writeLine(JsonLine().add("export", result).str());
        std::fflush(stdout);
        return result == 0 ? 0 : 1;
    }

    DBExecutorParam param;
    param.backupPath = utf8codec::decode(options.backup);
    param.outputDir = utf8codec::decode(options.out);
    param.mode = options.mode;
    param.categoryMask = int32_t(options.mask);
    executor->SetParam(param);

    ScanState state;
    state.count = options.count;
    executor->SetCallback(scanEvent, &state);

    if (!options.udid.empty()) {
        const int connected = executor->ConnectDevice(utf8codec::decode(options.udid));
        if (connected != 0) {
            std::fprintf(stderr, "vardex-scan: could not connect to the device (%d)\n", connected);
            return 1;
        }
    }
    executor->Start();
    if (!options.udid.empty())
        executor->DisconnectDevice();
    std::fflush(stdout);
    return ScanError::ExitCode(state.failed, state.backupFailed);
}
