#include "fakemobiledevice.h"

#include <plist/plist.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <set>

namespace
{
    constexpr CFTypeID kDictionaryType = 18;
    constexpr CFTypeID kDataType = 20;
    constexpr CFTypeID kErrorType = 30;

    struct Object
    {
        explicit Object(CFTypeID t) : type(t) {}
        virtual ~Object() = default;
        CFTypeID type;
        int refs = 1;
    };

    struct StringObject : Object
    {
        explicit StringObject(std::string t) : Object(kQuenrowCFStringTypeID), text(std::move(t)) {}
        std::string text;
    };

    struct NumberObject : Object
    {
        NumberObject() : Object(kQuenrowCFNumberTypeID) {}
        bool isReal = false;
        int64_t integer = 0;
        double real = 0;
    };

    struct BooleanObject : Object
    {
        explicit BooleanObject(bool v) : Object(kQuenrowCFBooleanTypeID), value(v) { refs = 1 << 30; }
        bool value;
    };

    struct DictionaryObject : Object
    {
        DictionaryObject() : Object(kDictionaryType) {}
        bool owning = false; // releases its keys and values with itself
        std::vector<std::pair<const void *, const void *>> entries;
    };

    struct DataObject : Object
    {
        explicit DataObject(std::string b) : Object(kDataType), bytes(std::move(b)) {}
        std::string bytes;
    };

    struct FakeDevice
    {
        fakemd::DeviceSpec spec;
        fakemd::SessionCounts counts;
    };

    struct FakeRestorable
    {
        uint64_t ecid;
        uint32_t productCode;
        int state;
    };

    struct Notification
    {
        enum Kind { Normal, Restorable, Stop } kind;
        void *device;
        int message;
    };

    BooleanObject g_true(true);
    BooleanObject g_false(false);
    int g_allocatorSystem = 0;
    int g_allocatorDefault = 0;

    std::mutex g_mutex;
    std::condition_variable g_changed;
    std::set<const Object *> g_live;
    std::vector<std::string> g_calls;
    std::vector<std::string> g_errors;
    std::deque<std::unique_ptr<FakeDevice>> g_devices;
    std::deque<std::unique_ptr<FakeRestorable>> g_restorables;
    std::deque<Notification> g_queue;
    bool g_delivering = false;
    bool g_running = false;
    AMDeviceNotificationCallback g_normalCallback = nullptr;
    void *g_normalContext = nullptr;
    unsigned g_usbOnly = 0;
    int g_subscriptions = 0;
    int g_failSubscriptions = 0;
    int g_subscriptionCode = 0;
    AMRestorableDeviceNotificationCallback g_restorableCallback = nullptr;
    void *g_restorableContext = nullptr;
    int g_failRegistrations = 0;
    int g_registrationCode = 0;
    bool g_failPlists = false;

    // g_mutex held by the callers of everything below.

    void log(std::string text)
    {
        g_calls.push_back(std::move(text));
    }

    void error(std::string text)
    {
        g_errors.push_back(std::move(text));
    }

    template <typename T>
    T *track(T *object)
    {
        g_live.insert(object);
        return object;
    }

    const Object *object(const void *ref, const char *caller)
    {
        const auto *o = static_cast<const Object *>(ref);
        if (o == &g_true || o == &g_false)
            return o;
        if (!ref || !g_live.count(o)) {
            error(std::string(caller) + ": unknown or freed object");
            return nullptr;
        }
        return o;
    }

    template <typename T>
    const T *objectOf(const void *ref, CFTypeID type, const char *caller)
    {
        const Object *o = object(ref, caller);
        if (o && o->type != type) {
            error(std::string(caller) + ": wrong type " + std::to_string(o->type));
            return nullptr;
        }
        return static_cast<const T *>(o);
    }

    void release(const void *ref)
    {
        auto *o = const_cast<Object *>(object(ref, "CFRelease"));
        if (!o || o == &g_true || o == &g_false)
            return;
        if (--o->refs > 0)
            return;
        g_live.erase(o);
        if (auto *dictionary = dynamic_cast<DictionaryObject *>(o); dictionary && dictionary->owning) {
            for (const auto &entry : dictionary->entries) {
                release(entry.first);
                release(entry.second);
            }
        }
        delete o;
    }

    const void *makeValue(const fakemd::Value &value)
    {
        switch (value.kind) {
        case fakemd::Value::String:
            return track(new StringObject(value.text));
        case fakemd::Value::Integer:
        case fakemd::Value::Real: {
            auto *number = track(new NumberObject);
            number->isReal = value.kind == fakemd::Value::Real;
            number->integer = value.integer;
            number->real = value.real;
            return number;
        }
        case fakemd::Value::Boolean:
            return value.boolean ? &g_true : &g_false;
        case fakemd::Value::Other:
            return track(new Object(value.otherType));
        }
        return nullptr;
    }

    FakeDevice *device(AMDeviceRef ref, const char *caller)
    {
        for (const auto &d : g_devices) {
            if (reinterpret_cast<AMDeviceRef>(d.get()) == ref)
                return d.get();
        }
        error(std::string(caller) + ": unknown device");
        return nullptr;
    }

    FakeRestorable *restorable(AMRestorableDeviceRef ref, const char *caller)
    {
        for (const auto &d : g_restorables) {
            if (reinterpret_cast<AMRestorableDeviceRef>(d.get()) == ref)
                return d.get();
        }
        error(std::string(caller) + ": unknown restorable device");
        return nullptr;
    }

    std::string text(CFStringRef ref, const char *caller)
    {
        if (!ref)
            return "-";
        const auto *s = objectOf<StringObject>(ref, kQuenrowCFStringTypeID, caller);
        return s ? s->text : "?";
    }

    std::string id(FakeDevice *d)
    {
        return d ? d->spec.identifier : "?";
    }

    plist_t toPlist(const void *ref)
    {
        const Object *o = object(ref, "CFPropertyListCreateData");
        if (!o)
            return nullptr;
        switch (o->type) {
        case kQuenrowCFStringTypeID:
            return plist_new_string(static_cast<const StringObject *>(o)->text.c_str());
        case kQuenrowCFBooleanTypeID:
            return plist_new_bool(static_cast<const BooleanObject *>(o)->value);
        case kQuenrowCFNumberTypeID: {
            const auto *n = static_cast<const NumberObject *>(o);
            return n->isReal ? plist_new_real(n->real) : plist_new_uint(uint64_t(n->integer));
        }
        case kDictionaryType: {
            plist_t dict = plist_new_dict();
            for (const auto &entry : static_cast<const DictionaryObject *>(o)->entries) {
                const auto *key = objectOf<StringObject>(entry.first, kQuenrowCFStringTypeID, "plist key");
                if (plist_t item = toPlist(entry.second); key && item)
                    plist_dict_set_item(dict, key->text.c_str(), item);
            }
            return dict;
        }
        default:
            return plist_new_string(("type " + std::to_string(o->type)).c_str());
        }
    }
}

namespace fakemd
{
    Value Value::string(std::string text)
    {
        Value v;
        v.kind = String;
        v.text = std::move(text);
        return v;
    }

    Value Value::number(int64_t value)
    {
        Value v;
        v.kind = Integer;
        v.integer = value;
        return v;
    }

    Value Value::realNumber(double value)
    {
        Value v;
        v.kind = Real;
        v.real = value;
        return v;
    }

    Value Value::flag(bool value)
    {
        Value v;
        v.kind = Boolean;
        v.boolean = value;
        return v;
    }

    Value Value::ofType(CFTypeID type)
    {
        Value v;
        v.kind = Other;
        v.otherType = type;
        return v;
    }

    AMDeviceRef addDevice(const DeviceSpec &spec)
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_devices.push_back(std::make_unique<FakeDevice>());
        g_devices.back()->spec = spec;
        return reinterpret_cast<AMDeviceRef>(g_devices.back().get());
    }

    void setPaired(AMDeviceRef ref, bool paired)
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (FakeDevice *d = device(ref, "setPaired"))
            d->spec.paired = paired;
    }

    void setStartSessionResult(AMDeviceRef ref, int result)
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (FakeDevice *d = device(ref, "setStartSessionResult"))
            d->spec.startSessionResult = result;
    }

    void setValue(AMDeviceRef ref, const std::string &key, const Value &value)
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (FakeDevice *d = device(ref, "setValue"))
            d->spec.values[key] = value;
    }

    SessionCounts sessionCounts(AMDeviceRef ref)
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        FakeDevice *d = device(ref, "sessionCounts");
        return d ? d->counts : SessionCounts {};
    }

    AMRestorableDeviceRef addRestorable(uint64_t ecid, uint32_t productCode, int state)
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_restorables.push_back(std::make_unique<FakeRestorable>(FakeRestorable {ecid, productCode, state}));
        return reinterpret_cast<AMRestorableDeviceRef>(g_restorables.back().get());
    }

    void post(AMDeviceRef ref, uint32_t message)
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_queue.push_back({Notification::Normal, ref, int(message)});
        g_changed.notify_all();
    }

    void postRestorable(AMRestorableDeviceRef ref, int event)
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_queue.push_back({Notification::Restorable, ref, event});
        g_changed.notify_all();
    }

    void stopRunLoop()
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_queue.push_back({Notification::Stop, nullptr, 0});
        g_changed.notify_all();
    }

    bool waitIdle()
    {
        std::unique_lock<std::mutex> lock(g_mutex);
        return g_changed.wait_for(lock, std::chrono::seconds(10), [] { return g_queue.empty() && !g_delivering; });
    }

    bool runLoopRunning()
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        return g_running;
    }

    void failSubscriptions(int count, int code)
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_failSubscriptions = count;
        g_subscriptionCode = code;
    }

    void failRegistrations(int count, int code)
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_failRegistrations = count;
        g_registrationCode = code;
    }

    int subscriptions()
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        return g_subscriptions;
    }

    unsigned lastUsbOnly()
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        return g_usbOnly;
    }

    void failPropertyLists(bool fail)
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_failPlists = fail;
    }

    std::vector<std::string> calls()
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        return g_calls;
    }

    void clearCalls()
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_calls.clear();
    }

    std::vector<std::string> errors()
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        return g_errors;
    }

    int liveObjects()
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        return int(g_live.size());
    }
}

// ---- the library's functions ----

extern "C" {

const CFAllocatorRef kCFAllocatorSystemDefault = reinterpret_cast<CFAllocatorRef>(&g_allocatorSystem);
const CFAllocatorRef kCFAllocatorDefault = reinterpret_cast<CFAllocatorRef>(&g_allocatorDefault);
const CFBooleanRef kCFBooleanTrue = reinterpret_cast<CFBooleanRef>(&g_true);
const CFBooleanRef kCFBooleanFalse = reinterpret_cast<CFBooleanRef>(&g_false);

int AMDeviceNotificationSubscribe(AMDeviceNotificationCallback callback, unsigned int, unsigned int usbOnly,
                                  void *context, AMDeviceNotificationRef *notification)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    log("AMDeviceNotificationSubscribe usbOnly=" + std::to_string(usbOnly));
    if (g_failSubscriptions > 0) {
        --g_failSubscriptions;
        return g_subscriptionCode;
    }
    ++g_subscriptions;
    g_normalCallback = callback;
    g_normalContext = context;
    g_usbOnly = usbOnly;
    if (notification)
        *notification = reinterpret_cast<AMDeviceNotificationRef>(&g_subscriptions);
    return 0;
}

CFStringRef AMDeviceCopyDeviceIdentifier(AMDeviceRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    FakeDevice *d = device(ref, "AMDeviceCopyDeviceIdentifier");
    return d ? reinterpret_cast<CFStringRef>(track(new StringObject(d->spec.identifier))) : nullptr;
}

int AMDeviceGetInterfaceType(AMDeviceRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    FakeDevice *d = device(ref, "AMDeviceGetInterfaceType");
    return d ? d->spec.interfaceType : 0;
}

int AMDeviceConnect(AMDeviceRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    FakeDevice *d = device(ref, "AMDeviceConnect");
    log("AMDeviceConnect " + id(d));
    if (!d)
        return -1;
    if (d->counts.connected)
        error("AMDeviceConnect: already connected " + id(d));
    if (d->spec.connectResult != 0)
        return d->spec.connectResult;
    ++d->counts.connects;
    d->counts.connected = true;
    return 0;
}

int AMDeviceDisconnect(AMDeviceRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    FakeDevice *d = device(ref, "AMDeviceDisconnect");
    log("AMDeviceDisconnect " + id(d));
    if (!d)
        return -1;
    if (!d->counts.connected)
        error("AMDeviceDisconnect: not connected " + id(d));
    if (d->counts.inSession)
        error("AMDeviceDisconnect: session still open " + id(d));
    ++d->counts.disconnects;
    d->counts.connected = false;
    return 0;
}

int AMDeviceIsPaired(AMDeviceRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    FakeDevice *d = device(ref, "AMDeviceIsPaired");
    return d && d->spec.paired ? 1 : 0;
}

int AMDevicePair(AMDeviceRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    FakeDevice *d = device(ref, "AMDevicePair");
    log("AMDevicePair " + id(d));
    if (d)
        ++d->counts.pairs;
    return 0;
}

int AMDeviceStartSession(AMDeviceRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    FakeDevice *d = device(ref, "AMDeviceStartSession");
    log("AMDeviceStartSession " + id(d));
    if (!d)
        return -1;
    if (!d->counts.connected)
        error("AMDeviceStartSession: not connected " + id(d));
    if (d->spec.startSessionResult != 0)
        return d->spec.startSessionResult;
    ++d->counts.sessions;
    d->counts.inSession = true;
    return 0;
}

int AMDeviceStopSession(AMDeviceRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    FakeDevice *d = device(ref, "AMDeviceStopSession");
    log("AMDeviceStopSession " + id(d));
    if (!d)
        return -1;
    if (!d->counts.inSession)
        error("AMDeviceStopSession: no session " + id(d));
    ++d->counts.stops;
    d->counts.inSession = false;
    return 0;
}

CFTypeRef AMDeviceCopyValue(AMDeviceRef ref, CFStringRef domain, CFStringRef key)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    FakeDevice *d = device(ref, "AMDeviceCopyValue");
    const std::string domainText = text(domain, "AMDeviceCopyValue domain");
    const std::string keyText = text(key, "AMDeviceCopyValue key");
    log("AMDeviceCopyValue " + id(d) + " " + domainText + " " + keyText);
    if (!d)
        return nullptr;
    if (!domain && !key) {
        if (!d->spec.allValues)
            return nullptr;
        auto *all = track(new DictionaryObject);
        all->owning = true;
        for (const auto &[name, value] : d->spec.values) {
            if (name.find('/') == std::string::npos)
                all->entries.emplace_back(track(new StringObject(name)), makeValue(value));
        }
        return all;
    }
    const std::string name = domain ? domainText + "/" + keyText : keyText;
    const auto found = d->spec.values.find(name);
    return found == d->spec.values.end() ? nullptr : makeValue(found->second);
}

int AMDeviceLookupApplications(AMDeviceRef ref, CFDictionaryRef options, CFDictionaryRef *applications)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    FakeDevice *d = device(ref, "AMDeviceLookupApplications");
    std::string asked = "?";
    if (const auto *o = objectOf<DictionaryObject>(options, kDictionaryType, "AMDeviceLookupApplications")) {
        for (const auto &entry : o->entries) {
            if (text(static_cast<CFStringRef>(entry.first), "options key") == "ReturnAttributes")
                asked = text(static_cast<CFStringRef>(entry.second), "options value");
        }
    }
    log("AMDeviceLookupApplications " + id(d) + " " + asked);
    if (!applications || !d)
        return -1;
    *applications = nullptr;
    if (!d->spec.appsMissing) {
        auto *apps = track(new DictionaryObject);
        apps->owning = true;
        for (const std::string &bundle : d->spec.apps)
            apps->entries.emplace_back(track(new StringObject(bundle)), track(new DictionaryObject));
        *applications = reinterpret_cast<CFDictionaryRef>(apps);
    }
    return d->spec.lookupResult;
}

int AMRestorableDeviceRegisterForNotifications(AMRestorableDeviceNotificationCallback callback, void *context,
                                               CFErrorRef *error)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    log("AMRestorableDeviceRegisterForNotifications");
    if (error)
        *error = nullptr;
    if (g_failRegistrations > 0) {
        --g_failRegistrations;
        return g_registrationCode;
    }
    g_restorableCallback = callback;
    g_restorableContext = context;
    return 3;
}

uint64_t AMRestorableDeviceGetECID(AMRestorableDeviceRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    FakeRestorable *d = restorable(ref, "AMRestorableDeviceGetECID");
    return d ? d->ecid : 0;
}

uint32_t AMRestorableDeviceGetProductType(AMRestorableDeviceRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    FakeRestorable *d = restorable(ref, "AMRestorableDeviceGetProductType");
    return d ? d->productCode : 0;
}

int AMRestorableDeviceGetState(AMRestorableDeviceRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    FakeRestorable *d = restorable(ref, "AMRestorableDeviceGetState");
    return d ? d->state : 0;
}

CFTypeID CFGetTypeID(CFTypeRef value)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const Object *o = object(value, "CFGetTypeID");
    return o ? o->type : 0;
}

void CFRelease(CFTypeRef value)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    release(value);
}

void CFShow(CFTypeRef value)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const Object *o = object(value, "CFShow");
    log("CFShow " + std::to_string(o ? o->type : 0));
}

void CFRunLoopRun(void)
{
    std::unique_lock<std::mutex> lock(g_mutex);
    log("CFRunLoopRun");
    g_running = true;
    for (;;) {
        g_changed.wait(lock, [] { return !g_queue.empty(); });
        const Notification next = g_queue.front();
        g_queue.pop_front();
        if (next.kind == Notification::Stop)
            break;
        g_delivering = true;
        if (next.kind == Notification::Normal) {
            FakeDevice *d = device(static_cast<AMDeviceRef>(next.device), "post");
            const bool dropped = d && g_usbOnly == 1 && d->spec.interfaceType == kAMDeviceInterfaceNetwork;
            if (g_normalCallback && !dropped) {
                const auto callback = g_normalCallback;
                void *context = g_normalContext;
                AMDeviceNotificationInfo info {static_cast<AMDeviceRef>(next.device), uint32_t(next.message)};
                lock.unlock();
                callback(&info, context);
                lock.lock();
            }
        } else if (g_restorableCallback) {
            const auto callback = g_restorableCallback;
            void *context = g_restorableContext;
            lock.unlock();
            callback(static_cast<AMRestorableDeviceRef>(next.device), next.message, context);
            lock.lock();
        }
        g_delivering = false;
        g_changed.notify_all();
    }
    g_running = false;
    g_changed.notify_all();
}

CFStringRef CFStringCreateWithCString(CFAllocatorRef, const char *text, CFStringEncoding encoding)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (!text || encoding != kCFStringEncodingUTF8) {
        error("CFStringCreateWithCString: bad arguments");
        return nullptr;
    }
    return reinterpret_cast<CFStringRef>(track(new StringObject(text)));
}

Boolean CFStringGetCString(CFStringRef ref, char *buffer, CFIndex size, CFStringEncoding encoding)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto *s = objectOf<StringObject>(ref, kQuenrowCFStringTypeID, "CFStringGetCString");
    if (!s || !buffer || encoding != kCFStringEncodingUTF8 || CFIndex(s->text.size()) + 1 > size)
        return false;
    std::memcpy(buffer, s->text.c_str(), s->text.size() + 1);
    return true;
}

CFNumberType CFNumberGetType(CFNumberRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto *n = objectOf<NumberObject>(ref, kQuenrowCFNumberTypeID, "CFNumberGetType");
    return n && n->isReal ? kCFNumberFloat64Type : kCFNumberSInt64Type;
}

Boolean CFNumberGetValue(CFNumberRef ref, CFNumberType type, void *value)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto *n = objectOf<NumberObject>(ref, kQuenrowCFNumberTypeID, "CFNumberGetValue");
    if (!n || !value)
        return false;
    switch (type) {
    case kCFNumberSInt64Type: {
        const int64_t v = n->isReal ? int64_t(n->real) : n->integer;
        std::memcpy(value, &v, sizeof v);
        return !n->isReal || double(v) == n->real;
    }
    case kCFNumberSInt32Type: {
        const int32_t v = int32_t(n->isReal ? int64_t(n->real) : n->integer);
        std::memcpy(value, &v, sizeof v);
        return true;
    }
    case kCFNumberFloat64Type: {
        const double v = n->isReal ? n->real : double(n->integer);
        std::memcpy(value, &v, sizeof v);
        return true;
    }
    default:
        error("CFNumberGetValue: type " + std::to_string(type));
        return false;
    }
}

Boolean CFBooleanGetValue(CFBooleanRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto *b = objectOf<BooleanObject>(ref, kQuenrowCFBooleanTypeID, "CFBooleanGetValue");
    return b && b->value;
}

CFMutableDictionaryRef CFDictionaryCreateMutable(CFAllocatorRef, CFIndex, const void *keyCallBacks,
                                                 const void *valueCallBacks)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (keyCallBacks || valueCallBacks)
        error("CFDictionaryCreateMutable: this double knows no callbacks");
    return reinterpret_cast<CFMutableDictionaryRef>(track(new DictionaryObject));
}

void CFDictionarySetValue(CFMutableDictionaryRef ref, const void *key, const void *value)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    auto *d = const_cast<DictionaryObject *>(objectOf<DictionaryObject>(ref, kDictionaryType, "CFDictionarySetValue"));
    if (d && object(key, "CFDictionarySetValue key") && object(value, "CFDictionarySetValue value"))
        d->entries.emplace_back(key, value);
}

CFIndex CFDictionaryGetCount(CFDictionaryRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto *d = objectOf<DictionaryObject>(ref, kDictionaryType, "CFDictionaryGetCount");
    return d ? CFIndex(d->entries.size()) : 0;
}

void CFDictionaryGetKeysAndValues(CFDictionaryRef ref, const void **keys, const void **values)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto *d = objectOf<DictionaryObject>(ref, kDictionaryType, "CFDictionaryGetKeysAndValues");
    if (!d)
        return;
    for (size_t i = 0; i < d->entries.size(); ++i) {
        if (keys)
            keys[i] = d->entries[i].first;
        if (values)
            values[i] = d->entries[i].second;
    }
}

CFDataRef CFPropertyListCreateData(CFAllocatorRef allocator, CFPropertyListRef list, CFPropertyListFormat format,
                                   CFOptionFlags, CFErrorRef *error)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    log("CFPropertyListCreateData " + std::to_string(format));
    if (allocator != kCFAllocatorSystemDefault)
        ::error("CFPropertyListCreateData: not the system default allocator");
    if (g_failPlists || format != kCFPropertyListXMLFormat_v1_0) {
        if (error)
            *error = reinterpret_cast<CFErrorRef>(track(new Object(kErrorType)));
        return nullptr;
    }
    plist_t root = toPlist(list);
    if (!root)
        return nullptr;
    char *xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root, &xml, &length);
    plist_free(root);
    std::string bytes(xml ? xml : "", xml ? length : 0);
    plist_to_xml_free(xml);
    return reinterpret_cast<CFDataRef>(track(new DataObject(std::move(bytes))));
}

CFIndex CFDataGetLength(CFDataRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto *d = objectOf<DataObject>(ref, kDataType, "CFDataGetLength");
    return d ? CFIndex(d->bytes.size()) : 0;
}

const UInt8 *CFDataGetBytePtr(CFDataRef ref)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto *d = objectOf<DataObject>(ref, kDataType, "CFDataGetBytePtr");
    return d ? reinterpret_cast<const UInt8 *>(d->bytes.data()) : nullptr;
}

} // extern "C"
