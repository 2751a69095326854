// simdevice: one simulated device behind a usbmuxd socket, for tests and
// for trying the program without a phone.
//
//   simdevice --socket PATH --udid UDID --root DIR [--refuse device|lockdown|service|afc]
//             [--drop-after-bytes N] [--read-error-after-bytes N] [--delay-ms N]
//
// Prints "ready" once it accepts connections and serves until SIGTERM or SIGINT.

#include "simulateddevice.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

using namespace testsupport;

namespace
{
    int usage()
    {
        std::fputs("usage: simdevice --socket PATH --udid UDID --root DIR [--refuse device|lockdown|service|afc]\n"
                   "                 [--drop-after-bytes N] [--read-error-after-bytes N] [--delay-ms N]\n",
                   stderr);
        return 2;
    }

    bool number(const char *text, long long &value)
    {
        char *end = nullptr;
        value = std::strtoll(text, &end, 10);
        return end && end != text && !*end && value >= 0;
    }
}

int main(int argc, char **argv)
{
    const std::map<std::string, RefuseStage> stages = {{"device", RefuseStage::Device},
                                                       {"lockdown", RefuseStage::Lockdown},
                                                       {"service", RefuseStage::Service},
                                                       {"afc", RefuseStage::Afc}};
    SimulatedDeviceState state;
    std::string socketPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return usage();
        const char *value = argv[++i];
        long long count = 0;
        if (arg == "--socket") {
            socketPath = value;
        } else if (arg == "--udid") {
            state.udid = value;
        } else if (arg == "--root") {
            state.root = value;
        } else if (arg == "--refuse" && stages.count(value)) {
            state.refuse = stages.at(value);
        } else if (arg == "--drop-after-bytes" && number(value, count)) {
            state.dropAfterBytes = count;
        } else if (arg == "--read-error-after-bytes" && number(value, count)) {
            state.readErrorAfterBytes = count;
        } else if (arg == "--delay-ms" && number(value, count)) {
            state.delayMs = int(count);
        } else {
            return usage();
        }
    }
    if (socketPath.empty() || state.udid.empty() || state.root.empty())
        return usage();

    // Block the signals before any thread starts, so that only sigwait sees them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    SimulatedDevice device(state);
    if (!device.start(socketPath))
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    int received = 0;
    sigwait(&signals, &received);
    device.stop();
    return 0;
}
