// simdevice: simulated devices behind a usbmuxd socket, for tests and for
// trying the program without a phone.
//
//   simdevice --socket PATH --udid UDID --root DIR [--refuse device|lockdown|service|afc]
//             [--drop-after-bytes N] [--read-error-after-bytes N] [--delay-ms N]
//             [--backup-file-delay-ms N] [--backup-error-after-files N --backup-error-code C]
//             [--backup-drop-after-files N] [--backup-extra-path PATH] [--passcode-prompt-ms N]
//   simdevice --socket PATH --devices FILE
//
// FILE is an XML property list: an array of dictionaries with "Lockdown"
// (values without domain, "UniqueDeviceID" among them), "Domains" (domain ->
// values), "Apps" (bundle ids), "Paired", "AcceptedHostId" (the host id
// the device starts sessions for; another than the pair record's refuses
// them, as a phone that revoked trust), "Plugged" (default true),
// "Connection" ("USB" or "Network"), "Root" (its file system; a backup is
// made of Root/Backup) and the backup knobs "BackupFileDelayMs",
// "BackupErrorAfterFiles", "BackupErrorCode", "BackupDropAfterFiles",
// "BackupExtraPath" and "PasscodePromptMs".
//
// Prints "ready" once it accepts connections and serves until SIGTERM or
// SIGINT. Reads commands from stdin, one a line, each answered "ok" once its
// event went out: "plug UDID", "unplug UDID", "trust UDID".

#include "simulateddevice.h"

#include <plist/plist.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace testsupport;

namespace
{
    int usage()
    {
        std::fputs("usage: simdevice --socket PATH --udid UDID --root DIR [--refuse device|lockdown|service|afc]\n"
                   "                 [--drop-after-bytes N] [--read-error-after-bytes N] [--delay-ms N]\n"
                   "                 [--backup-file-delay-ms N] [--backup-error-after-files N --backup-error-code C]\n"
                   "                 [--backup-drop-after-files N] [--backup-extra-path PATH] [--passcode-prompt-ms N]\n"
                   "       simdevice --socket PATH --devices FILE\n",
                   stderr);
        return 2;
    }

    bool number(const char *text, long long &value)
    {
        char *end = nullptr;
        value = std::strtoll(text, &end, 10);
        return end && end != text && !*end && value >= 0;
    }

    std::string xmlOf(plist_t node)
    {
        char *xml = nullptr;
        uint32_t length = 0;
        plist_to_xml(node, &xml, &length);
        std::string text(xml ? xml : "", xml ? length : 0);
        free(xml);
        return text;
    }

    std::string text(plist_t node)
    {
        char *value = nullptr;
        if (node && plist_get_node_type(node) == PLIST_STRING)
            plist_get_string_val(node, &value);
        std::string result = value ? value : "";
        free(value);
        return result;
    }

    int whole(plist_t dict, const char *key, int fallback)
    {
        plist_t node = plist_dict_get_item(dict, key);
        uint64_t value = 0;
        if (!node || plist_get_node_type(node) != PLIST_UINT)
            return fallback;
        plist_get_uint_val(node, &value);
        return int(value);
    }

    bool flag(plist_t dict, const char *key, bool fallback)
    {
        plist_t node = plist_dict_get_item(dict, key);
        uint8_t value = fallback;
        if (node && plist_get_node_type(node) == PLIST_BOOLEAN)
            plist_get_bool_val(node, &value);
        return value;
    }

    // The devices of a --devices file; false with a message when it is unusable.
    bool readDevices(const std::string &path, std::vector<SimulatedDeviceState> &devices)
    {
        std::ifstream in(path, std::ios::binary);
        const std::string xml((std::istreambuf_iterator<char>(in)), {});
        plist_t root = nullptr;
        if (!xml.empty())
            plist_from_memory(xml.data(), uint32_t(xml.size()), &root);
        if (!root || plist_get_node_type(root) != PLIST_ARRAY) {
            std::fprintf(stderr, "simdevice: %s is not a property-list array of devices\n", path.c_str());
            plist_free(root);
            return false;
        }
        bool good = true;
        for (uint32_t i = 0; i < plist_array_get_size(root) && good; ++i) {
            plist_t entry = plist_array_get_item(root, i);
            plist_t lockdown = plist_get_node_type(entry) == PLIST_DICT ? plist_dict_get_item(entry, "Lockdown") : nullptr;
            SimulatedDeviceState state;
            state.udid = text(lockdown ? plist_dict_get_item(lockdown, "UniqueDeviceID") : nullptr);
            if (state.udid.empty()) {
                std::fprintf(stderr, "simdevice: device %u has no Lockdown UniqueDeviceID\n", i);
                good = false;
                break;
            }
            state.domains[""] = xmlOf(lockdown);
            if (plist_t domains = plist_dict_get_item(entry, "Domains")) {
                plist_dict_iter iter = nullptr;
                plist_dict_new_iter(domains, &iter);
                char *key = nullptr;
                plist_t values = nullptr;
                for (plist_dict_next_item(domains, iter, &key, &values); key;
                     plist_dict_next_item(domains, iter, &key, &values)) {
                    if (*key)
                        state.domains[key] = xmlOf(values);
                    free(key);
                    key = nullptr;
                }
                free(iter);
            }
            if (plist_t apps = plist_dict_get_item(entry, "Apps")) {
                for (uint32_t a = 0; plist_get_node_type(apps) == PLIST_ARRAY && a < plist_array_get_size(apps); ++a)
                    state.apps.push_back(text(plist_array_get_item(apps, a)));
            }
            state.paired = flag(entry, "Paired", false);
            state.acceptedHostId = text(plist_dict_get_item(entry, "AcceptedHostId"));
            state.plugged = flag(entry, "Plugged", true);
            state.network = text(plist_dict_get_item(entry, "Connection")) == "Network";
            state.root = text(plist_dict_get_item(entry, "Root"));
            state.backupFileDelayMs = whole(entry, "BackupFileDelayMs", 0);
            state.backupErrorAfterFiles = whole(entry, "BackupErrorAfterFiles", -1);
            state.backupErrorCode = whole(entry, "BackupErrorCode", 0);
            state.backupDropAfterFiles = whole(entry, "BackupDropAfterFiles", -1);
            state.backupExtraPath = text(plist_dict_get_item(entry, "BackupExtraPath"));
            state.passcodePromptMs = whole(entry, "PasscodePromptMs", -1);
            devices.push_back(std::move(state));
        }
        plist_free(root);
        return good;
    }

    // Commands from stdin until it ends.
    void serveCommands(SimulatedDevice &device)
    {
        std::string line;
        while (std::getline(std::cin, line)) {
            std::istringstream words(line);
            std::string command, udid;
            words >> command >> udid;
            bool known = false;
            if (command == "plug")
                known = device.plug(udid);
            else if (command == "unplug")
                known = device.unplug(udid);
            else if (command == "trust")
                known = device.trust(udid);
            else if (command.empty())
                continue;
            if (known)
                std::puts("ok");
            else
                std::printf("error: %s\n", udid.empty() || command == "plug" || command == "unplug" || command == "trust"
                                                ? "unknown device"
                                                : "unknown command");
            std::fflush(stdout);
        }
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
    std::string devicesFile;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return usage();
        const char *value = argv[++i];
        long long count = 0;
        if (arg == "--socket") {
            socketPath = value;
        } else if (arg == "--devices") {
            devicesFile = value;
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
        } else if (arg == "--backup-file-delay-ms" && number(value, count)) {
            state.backupFileDelayMs = int(count);
        } else if (arg == "--backup-error-after-files" && number(value, count)) {
            state.backupErrorAfterFiles = int(count);
        } else if (arg == "--backup-error-code" && number(value, count)) {
            state.backupErrorCode = int(count);
        } else if (arg == "--backup-drop-after-files" && number(value, count)) {
            state.backupDropAfterFiles = int(count);
        } else if (arg == "--backup-extra-path") {
            state.backupExtraPath = value;
        } else if (arg == "--passcode-prompt-ms" && number(value, count)) {
            state.passcodePromptMs = int(count);
        } else {
            return usage();
        }
    }
    std::vector<SimulatedDeviceState> devices;
    if (!devicesFile.empty()) {
        if (socketPath.empty() || !state.udid.empty() || !state.root.empty())
            return usage();
        if (!readDevices(devicesFile, devices))
            return 1;
    } else {
        if (socketPath.empty() || state.udid.empty() || state.root.empty())
            return usage();
        devices.push_back(state);
    }

    // Block the signals before any thread starts, so that only sigwait sees them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    SimulatedDevice device(std::move(devices));
    if (!device.start(socketPath))
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    // Ends with the process: getline cannot be interrupted.
    std::thread(serveCommands, std::ref(device)).detach();
    int received = 0;
    sigwait(&signals, &received);
    device.stop();
    // Not returning: the command thread may still use the device.
    std::fflush(stdout);
    std::exit(0);
}
