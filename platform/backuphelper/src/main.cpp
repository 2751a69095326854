// Harrowmoss: backs a connected device up over its backup service.
//   Harrowmoss "-path|DIR|-target|UDID[|-a|full][|-backuptype|N]"
// Lines on stdout, each ended by "\r\n": "1|p" progress, "2|1" passcode
// prompt shown, "2|2" first file, "Error: reason, code" before a failure.

#include "backupsession.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace
{
    std::mutex outputMutex;

    void emitLine(const std::string &line)
    {
        std::lock_guard<std::mutex> lock(outputMutex);
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputs("\r\n", stdout);
        std::fflush(stdout);
    }
}

int main(int argc, char **argv)
{
    BackupRequest request;
    if (argc != 2 || !parseBackupRequest(argv[1], request)) {
        std::fputs("usage: Harrowmoss \"-path|DIR|-target|UDID[|-a|full][|-backuptype|N]\"\n", stderr);
        return 2;
    }
    // A full disk or a file-size limit must come back as a failed write.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    // Ended like the other lines: the caller reads both streams merged.
    std::fprintf(stderr, "backup of %s into %s, categories %s (the whole device is backed up)\r\n",
                 request.target.c_str(), request.path.c_str(), request.backupType.c_str());

    sigset_t waited;
    sigemptyset(&waited);
    sigaddset(&waited, SIGINT);
    sigaddset(&waited, SIGTERM);
    sigaddset(&waited, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &waited, nullptr);

    std::atomic<bool> stop {false};
    std::atomic<bool> done {false};
    int result = 1;
    const pthread_t mainThread = pthread_self();
    std::thread worker([&] {
        result = runBackup(request, emitLine, stop);
        done = true;
        pthread_kill(mainThread, SIGUSR1);
    });

    int received = 0;
    while (!done) {
        sigwait(&waited, &received);
        if (received == SIGINT || received == SIGTERM)
            break;
    }
    if (done) {
        worker.join();
        return result;
    }

    // Stopped: the session ends at its next read; one stuck on a silent
    // device is left behind once the partial folder is gone.
    stop = true;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!done && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::error_code error;
    std::filesystem::remove_all(partialFolder(request), error);
    std::fflush(stdout);
    _exit(1);
}
