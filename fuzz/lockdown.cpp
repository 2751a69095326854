// A lockdown answer of a device: the property list libimobiledevice hands the
// mobile-device stand-in, turned into CoreFoundation values, and read back by
// the device-connection library as a device query reads them.
#include "cfhelper.h"
#include "cfvalues.h"
#include "corefoundation.h"

#include <plist/plist.h>

#include <dlfcn.h>

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The CoreFoundation stand-in is linked in: resolve its names in this program.
    CCoreFoundation::instance().InitFunc(dlopen(nullptr, RTLD_NOW));
    return 0;
}

namespace
{
    void readValue(CFTypeRef value)
    {
        CFHelper::ToString(value);
        CFHelper::ToInt64(value);
        CFHelper::ToBool(value);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    plist_t answer = nullptr;
    plist_from_memory(reinterpret_cast<const char *>(data), uint32_t(size), &answer);
    if (!answer)
        return 0;
    // lockdownd_get_value answers the "Value" of a dictionary; the app list
    // is the whole answer.
    plist_t value = plist_get_node_type(answer) == PLIST_DICT ? plist_dict_get_item(answer, "Value") : nullptr;
    const CFRef whole(QuenrowCFCreateFromPlist(answer));
    const CFRef item(QuenrowCFCreateFromPlist(value));
    plist_free(answer);

    readValue(item.get());
    CFHelper::ToXml(whole.get());
    // The app list's names and attributes, as GetAppList reads them.
    const CCoreFoundation &cf = CCoreFoundation::instance();
    const auto apps = static_cast<CFDictionaryRef>(whole.get());
    const CFIndex count = cf.CFDictionaryGetCount(apps);
    std::vector<const void *> keys(static_cast<size_t>(count)), values(static_cast<size_t>(count));
    cf.CFDictionaryGetKeysAndValues(apps, keys.data(), values.data());
    for (CFIndex i = 0; i < count; ++i) {
        readValue(keys[size_t(i)]);
        readValue(values[size_t(i)]);
    }
    return 0;
}
