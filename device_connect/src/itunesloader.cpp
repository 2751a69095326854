#include "itunesloader.h"

#include "corefoundation.h"
#include "itunesmobiledevice.h"
#include "quorlinlog.h"
#include "quorlinutil.h"

#include <dlfcn.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace
{
    // A bare name is searched for the usual way (libQuorlin's run path finds
    // the program folder), then in the "iTunes" folder beside the program.
    // The folder this library was loaded from: its run path's $ORIGIN.
    std::string ownFolder()
    {
        Dl_info info{};
        if (!dladdr(reinterpret_cast<void *>(&ownFolder), &info) || !info.dli_fname)
            return std::string();
        const std::string path = info.dli_fname;
        const size_t slash = path.rfind('/');
        return slash == std::string::npos ? std::string() : path.substr(0, slash);
    }

    void *loadLibrary(const std::string &name)
    {
        if (void *module = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL))
            return module;
        // A dlopen that a sanitizer intercepts searches the sanitizer's run
        // path, not ours: look beside this library by hand.
        const std::string folder = ownFolder();
        if (!folder.empty()) {
            if (void *module = dlopen((folder + "/" + name).c_str(), RTLD_NOW | RTLD_LOCAL))
                return module;
        }
        const std::string path = QuorlinUtil::GetModuleDir() + "/iTunes/" + name;
        if (!QuorlinUtil::IsFileExist(path)) {
            QLOG("ERR:file  not exist(%s)!\n", path.c_str());
            return nullptr;
        }
        void *module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            const char *error = dlerror();
            QLOG("ERR:fail loadlib %s,err=%s\n", path.c_str(), error ? error : "");
        }
        return module;
    }

    // The variable, when set, names the only file tried.
    std::vector<std::string> candidates(const char *variable, std::vector<std::string> names)
    {
        const char *chosen = std::getenv(variable);
        if (chosen && *chosen)
            return {chosen};
        return names;
    }

    void *loadFirst(const std::vector<std::string> &names)
    {
        for (const std::string &name : names) {
            if (name.find('/') != std::string::npos) {
                if (void *module = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL))
                    return module;
                const char *error = dlerror();
                QLOG("ERR:fail loadlib %s,err=%s\n", name.c_str(), error ? error : "");
                continue;
            }
            if (void *module = loadLibrary(name))
                return module;
        }
        return nullptr;
    }
}

CiTunesLoader &CiTunesLoader::instance()
{
    static CiTunesLoader loader;
    return loader;
}

bool CiTunesLoader::Init()
{
    std::call_once(m_once, [this] { m_initialised = load(); });
    return m_initialised;
}

bool CiTunesLoader::load()
{
    void *mobileDevice = loadFirst(candidates("QUENROW_MOBILEDEVICE", {"libiTunesMobileDevice.so", "libMobileDevice.so"}));
    if (!mobileDevice) {
        // Why each file failed to load is logged above.
        QLOG("[LoadiTunesMobileDevice] fail! 0x%x", 0u);
        QLOG("[LoadiTunesMobileDevice]:%p ", mobileDevice);
        return false;
    }
    QLOG("[LoadiTunesMobileDevice] %p", mobileDevice);
    if (!CiTunesMobileDevice::instance().InitFunc(mobileDevice)) {
        QLOG("ERR:CiTunesMobileDevice::InitFunc fail ");
        return false;
    }

    void *coreFoundation = loadFirst(candidates("QUENROW_COREFOUNDATION", {"libCoreFoundation.so"}));
    if (coreFoundation) {
        QLOG("[LoadCorefoundation] %p\n", coreFoundation);
    } else {
        QLOG("[LoadCorefoundation] fail! 0x%x", 0u);
        return false;
    }
    if (!CCoreFoundation::instance().InitFunc(coreFoundation)) {
        QLOG("ERR:CCoreFoundation::InitFunc fail\n ");
        return false;
    }

    QLOG("CiTunesLoader::Init() SUCCESS");
    return true;
}
