// quorlin-watch: prints one JSON line per device event the device-connection
// library reports, to try it with a phone and for tests.
//
//   quorlin-watch [--query]
//
// Loads libQuorlin.so from its own folder, as the main program does, and runs
// until SIGINT or SIGTERM. With --query it asks each trusted device for its
// backup encryption, Find My, free space, apps and passcode.

#include "quorlin.h"
#include "utf8codec.h"

#include <cjson/cJSON.h>
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace
{
    using InitFunction = bool (*)(IQuorlinManager **);

    std::mutex g_output;
    IQuorlinManager *g_manager = nullptr;
    bool g_query = false;
    std::atomic<bool> g_failed {false};

    std::string utf8(const std::wstring &text)
    {
        return utf8codec::encode(text);
    }

    void print(cJSON *line)
    {
        char *text = cJSON_PrintUnformatted(line);
        {
            std::lock_guard<std::mutex> lock(g_output);
            std::printf("%s\n", text ? text : "{}");
            std::fflush(stdout);
        }
        cJSON_free(text);
        cJSON_Delete(line);
    }

    void addString(cJSON *line, const char *key, const std::wstring &value)
    {
        cJSON_AddStringToObject(line, key, utf8(value).c_str());
    }

    void query(IBaseDevice *device, const std::string &udid)
    {
        cJSON *line = cJSON_CreateObject();
        cJSON_AddStringToObject(line, "query", udid.c_str());
        bool encrypted = false;
        if (g_manager->CheckDeviceBackupIsEncrypt(device, &encrypted) == 0)
            cJSON_AddBoolToObject(line, "backupEncrypted", encrypted);
        else
            cJSON_AddNullToObject(line, "backupEncrypted");
        bool findMy = false;
        if (g_manager->CheckFMI(device, &findMy) == 0)
            cJSON_AddBoolToObject(line, "findMy", findMy);
        else
            cJSON_AddNullToObject(line, "findMy");
        int64_t freeBytes = 0;
        if (g_manager->GetDeviceDiskSize(device, "TotalDataAvailable", &freeBytes))
            cJSON_AddNumberToObject(line, "freeBytes", double(freeBytes));
        else
            cJSON_AddNullToObject(line, "freeBytes");
        std::vector<std::string> apps;
        if (g_manager->GetAppList(device, &apps)) {
            std::sort(apps.begin(), apps.end());
            cJSON *list = cJSON_AddArrayToObject(line, "apps");
            for (const std::string &app : apps)
                cJSON_AddItemToArray(list, cJSON_CreateString(app.c_str()));
        } else {
            cJSON_AddNullToObject(line, "apps");
        }
        std::string passcode;
        if (g_manager->QueryDeviceInfo(device, "PasswordProtected", &passcode, nullptr))
            cJSON_AddBoolToObject(line, "passcode", passcode != "0");
        else
            cJSON_AddNullToObject(line, "passcode");
        print(line);
    }

    void onDevice(int event, IBaseDevice *device, void *)
    {
        const char *name = event == DEVICE_CONNECTED ? "connected"
                           : event == DEVICE_TRUSTED ? "trusted"
                           : event == DEVICE_REMOVED ? "removed"
                                                     : nullptr;
        if (!name || !device)
            return;
        const IOSDeviceInfo &info = static_cast<CIOSDevice *>(device)->m_info;
        cJSON *line = cJSON_CreateObject();
        cJSON_AddStringToObject(line, "event", name);
        cJSON_AddStringToObject(line, "mode", "normal");
        addString(line, "udid", info.UniqueDeviceID);
        addString(line, "name", info.DeviceName);
        addString(line, "model", info.DisplayName);
        addString(line, "productType", info.ProductType);
        addString(line, "version", info.ProductVersion);
        addString(line, "serial", info.SerialNumber);
        cJSON_AddStringToObject(line, "ecid", std::to_string(info.ECID).c_str());
        cJSON_AddBoolToObject(line, "trusted", info.trusted);
        cJSON_AddBoolToObject(line, "wifi", info.isWifi);
        print(line);
        // The callback holds the listener's lock: queries run elsewhere.
        if (g_query && event == DEVICE_TRUSTED)
            std::thread(query, device, utf8(info.UniqueDeviceID)).detach();
    }

    void onRestorable(int event, IBaseDevice *device, void *)
    {
        if (!device || (event != RESTORABLE_DEVICE_ARRIVED && event != RESTORABLE_DEVICE_REMOVED))
            return;
        const RestorableDeviceInfo &info = static_cast<CIOSRestorableDevice *>(device)->m_info;
        cJSON *line = cJSON_CreateObject();
        cJSON_AddStringToObject(line, "event", event == RESTORABLE_DEVICE_ARRIVED ? "arrived" : "left");
        cJSON_AddStringToObject(line, "mode", info.ConnectStatus == DEVICE_CONNECT_DFU ? "DFU" : "Recovery");
        cJSON_AddStringToObject(line, "ecid", std::to_string(info.ECID).c_str());
        addString(line, "productType", info.ProductType);
        addString(line, "model", info.DisplayName);
        print(line);
    }

    std::string programFolder()
    {
        char path[4096] = {};
        const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
        std::string self = length > 0 ? std::string(path, size_t(length)) : std::string();
        const size_t slash = self.rfind('/');
        return slash == std::string::npos ? "." : self.substr(0, slash);
    }
}

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--query") == 0) {
            g_query = true;
        } else {
            std::fputs("usage: quorlin-watch [--query]\n", stderr);
            return 2;
        }
    }

    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    const std::string library = programFolder() + "/libQuorlin.so";
    void *module = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto init = module ? reinterpret_cast<InitFunction>(dlsym(module, "InitQuorlinMgr")) : nullptr;
    if (!init || !init(&g_manager) || !g_manager) {
        const char *error = dlerror();
        std::fprintf(stderr, "quorlin-watch: cannot load %s%s%s\n", library.c_str(), error ? ": " : "",
                     error ? error : "");
        return 1;
    }
    if (!g_manager->StartRestorableListener(&onRestorable, nullptr)) {
        std::fputs("quorlin-watch: the Recovery/DFU listener did not start\n", stderr);
        return 1;
    }
    std::thread([] {
        if (!g_manager->StartListener(&onDevice, nullptr, false))
            g_failed = true;
    }).detach();

    const timespec tick {0, 100 * 1000 * 1000};
    while (!g_failed) {
        if (sigtimedwait(&signals, nullptr, &tick) > 0) {
            std::fflush(stdout);
            std::_Exit(0);
        }
    }
    std::fputs("quorlin-watch: the device listener did not start\n", stderr);
    std::_Exit(1);
}
