#include "cfvalues.h"

#include "plistguard.h"

#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <limits>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace
{
    enum : CFTypeID
    {
        kDictionaryTypeID = 18,
        kArrayTypeID = 19,
        kDataTypeID = 20
    };

    struct Object
    {
        explicit Object(CFTypeID id) : type(id) {}
        virtual ~Object() = default;
        const CFTypeID type;
        std::atomic<long> refs {1};
        bool immortal = false;
    };

    struct String : Object
    {
        explicit String(std::string value) : Object(kQuenrowCFStringTypeID), text(std::move(value)) {}
        std::string text;
    };

    struct Number : Object
    {
        Number() : Object(kQuenrowCFNumberTypeID) {}
        bool real = false;
        int64_t integer = 0;
        double floating = 0;
    };

    struct BooleanValue : Object
    {
        explicit BooleanValue(bool v) : Object(kQuenrowCFBooleanTypeID), value(v) { immortal = true; }
        const bool value;
    };

    struct Data : Object
    {
        explicit Data(std::string value) : Object(kDataTypeID), bytes(std::move(value)) {}
        std::string bytes;
    };

    struct Array : Object
    {
        Array() : Object(kArrayTypeID) {}
        ~Array() override;
        std::vector<CFTypeRef> items; // retained
    };

    struct Dictionary : Object
    {
        explicit Dictionary(bool retaining) : Object(kDictionaryTypeID), retains(retaining) {}
        ~Dictionary() override;
        const bool retains;
        std::mutex mutex;
        std::vector<std::pair<const void *, const void *>> entries;
    };

    const Object *object(CFTypeRef value)
    {
        return static_cast<const Object *>(value);
    }

    Object *mutableObject(CFTypeRef value)
    {
        return const_cast<Object *>(object(value));
    }

    void retain(CFTypeRef value)
    {
        if (value && !object(value)->immortal)
            mutableObject(value)->refs.fetch_add(1, std::memory_order_relaxed);
    }

    void release(CFTypeRef value)
    {
        if (!value || object(value)->immortal)
            return;
        if (mutableObject(value)->refs.fetch_sub(1, std::memory_order_acq_rel) == 1)
            delete object(value);
    }

    Array::~Array()
    {
        for (CFTypeRef item : items)
            release(item);
    }

    Dictionary::~Dictionary()
    {
        if (!retains)
            return;
        for (auto &entry : entries) {
            release(entry.first);
            release(entry.second);
        }
    }

    // Keys that are strings match by text, anything else by identity.
    bool sameKey(const void *a, const void *b)
    {
        if (a == b)
            return true;
        if (!a || !b || object(a)->type != kQuenrowCFStringTypeID || object(b)->type != kQuenrowCFStringTypeID)
            return false;
        return static_cast<const String *>(a)->text == static_cast<const String *>(b)->text;
    }

    BooleanValue trueValue(true);
    BooleanValue falseValue(false);

    // Allocators are only passed around; any distinct address does.
    char systemAllocator;
    char defaultAllocatorTag;

    template <typename T>
    bool store(T converted, bool exact, void *out)
    {
        std::memcpy(out, &converted, sizeof converted);
        return exact;
    }

    template <typename T>
    bool storeInteger(const Number *number, void *out)
    {
        if (number->real) {
            const double value = number->floating;
            if (std::isnan(value) || value < double(std::numeric_limits<T>::min())
                || value >= double(std::numeric_limits<T>::max()) + 1.0)
                return store(T(0), false, out);
            const T converted = T(value);
            return store(converted, double(converted) == value, out);
        }
        const int64_t value = number->integer;
        if (value < int64_t(std::numeric_limits<T>::min()) || value > int64_t(std::numeric_limits<T>::max()))
            return store(T(value), false, out);
        return store(T(value), true, out);
    }

    template <typename T>
    bool storeReal(const Number *number, void *out)
    {
        const double value = number->real ? number->floating : double(number->integer);
        const T converted = T(value);
        return store(converted, number->real ? double(converted) == value : int64_t(converted) == number->integer,
                     out);
    }

    void describe(CFTypeRef value, std::string &out, int depth)
    {
        const std::string indent(size_t(depth) * 2, ' ');
        if (!value) {
            out += "(null)";
            return;
        }
        switch (object(value)->type) {
        case kQuenrowCFStringTypeID:
            out += "\"" + static_cast<const String *>(value)->text + "\"";
            break;
        case kQuenrowCFBooleanTypeID:
            out += static_cast<const BooleanValue *>(value)->value ? "true" : "false";
            break;
        case kQuenrowCFNumberTypeID: {
            const auto *number = static_cast<const Number *>(value);
            out += number->real ? std::to_string(number->floating) : std::to_string(number->integer);
            break;
        }
        case kDataTypeID:
            out += "<" + std::to_string(static_cast<const Data *>(value)->bytes.size()) + " bytes>";
            break;
        case kArrayTypeID:
            out += "(\n";
            for (CFTypeRef item : static_cast<const Array *>(value)->items) {
                out += indent + "  ";
                describe(item, out, depth + 1);
                out += "\n";
            }
            out += indent + ")";
            break;
        case kDictionaryTypeID: {
            auto *dictionary = static_cast<Dictionary *>(mutableObject(value));
            std::lock_guard<std::mutex> lock(dictionary->mutex);
            out += "{\n";
            for (auto &entry : dictionary->entries) {
                out += indent + "  ";
                describe(entry.first, out, depth + 1);
                out += " = ";
                describe(entry.second, out, depth + 1);
                out += "\n";
            }
            out += indent + "}";
            break;
        }
        default:
            out += "<value>";
        }
    }

    // ---- Run loops ----

    struct RunLoop
    {
        std::mutex mutex;
        std::condition_variable wake;
        std::deque<std::function<void()>> tasks;
        bool stopRequested = false;
        int sources = 0;
    };

    std::mutex loopsMutex;
    // Loops live as long as the process: notifications may be posted to a
    // loop whose thread has ended.
    std::vector<RunLoop *> &allLoops()
    {
        static auto *loops = new std::vector<RunLoop *>;
        return *loops;
    }

    RunLoop *currentLoop()
    {
        thread_local RunLoop *loop = nullptr;
        if (!loop) {
            loop = new RunLoop;
            std::lock_guard<std::mutex> lock(loopsMutex);
            allLoops().push_back(loop);
        }
        return loop;
    }
}

extern "C" {
const CFAllocatorRef kCFAllocatorSystemDefault = reinterpret_cast<CFAllocatorRef>(&systemAllocator);
const CFAllocatorRef kCFAllocatorDefault = reinterpret_cast<CFAllocatorRef>(&defaultAllocatorTag);
const CFBooleanRef kCFBooleanTrue = reinterpret_cast<CFBooleanRef>(&trueValue);
const CFBooleanRef kCFBooleanFalse = reinterpret_cast<CFBooleanRef>(&falseValue);

CFTypeID CFGetTypeID(CFTypeRef value)
{
    return value ? object(value)->type : 0;
}

CFTypeID CFBooleanGetTypeID(void)
{
    return kQuenrowCFBooleanTypeID;
}

void CFRelease(CFTypeRef value)
{
    release(value);
}

CFTypeRef QuenrowCFRetain(CFTypeRef value)
{
    retain(value);
    return value;
}

void CFShow(CFTypeRef value)
{
    std::string text;
    describe(value, text, 0);
    std::fprintf(stderr, "%s\n", text.c_str());
}

CFStringRef CFStringCreateWithCString(CFAllocatorRef, const char *text, CFStringEncoding)
{
    if (!text)
        return nullptr;
    return reinterpret_cast<CFStringRef>(static_cast<Object *>(new String(text)));
}

Boolean CFStringGetCString(CFStringRef text, char *buffer, CFIndex size, CFStringEncoding)
{
    if (!text || !buffer || size <= 0 || object(text)->type != kQuenrowCFStringTypeID)
        return false;
    const std::string &value = reinterpret_cast<const String *>(static_cast<const Object *>(object(text)))->text;
    if (CFIndex(value.size()) + 1 > size)
        return false;
    std::memcpy(buffer, value.c_str(), value.size() + 1);
    return true;
}

const char *CFStringGetCStringPtr(CFStringRef text, CFStringEncoding)
{
    if (!text || object(text)->type != kQuenrowCFStringTypeID)
        return nullptr;
    return static_cast<const String *>(object(text))->text.c_str();
}

CFNumberType CFNumberGetType(CFNumberRef number)
{
    if (!number || object(number)->type != kQuenrowCFNumberTypeID)
        return 0;
    return static_cast<const Number *>(object(number))->real ? kCFNumberFloat64Type : kCFNumberSInt64Type;
}

Boolean CFNumberGetValue(CFNumberRef value, CFNumberType type, void *out)
{
    if (!value || !out || object(value)->type != kQuenrowCFNumberTypeID)
        return false;
    const auto *number = static_cast<const Number *>(object(value));
    switch (type) {
    case 1: // SInt8
    case 7: // Char
        return storeInteger<int8_t>(number, out);
    case 2: // SInt16
    case 8: // Short
        return storeInteger<int16_t>(number, out);
    case kCFNumberSInt32Type:
    case 9: // Int
        return storeInteger<int32_t>(number, out);
    case kCFNumberSInt64Type:
    case 10: // Long
    case 11: // LongLong
    case 14: // CFIndex
        return storeInteger<int64_t>(number, out);
    case 5:  // Float32
    case 12: // Float
        return storeReal<float>(number, out);
    case kCFNumberFloat64Type:
    case 13: // Double
        return storeReal<double>(number, out);
    default:
        return false;
    }
}

Boolean CFBooleanGetValue(CFBooleanRef boolean)
{
    return boolean && object(boolean)->type == kQuenrowCFBooleanTypeID
           && static_cast<const BooleanValue *>(object(boolean))->value;
}

CFMutableDictionaryRef CFDictionaryCreateMutable(CFAllocatorRef, CFIndex, const void *keyCallBacks,
                                                 const void *valueCallBacks)
{
    // Only null callbacks come from callers; anything else retains.
    auto *dictionary = new Dictionary(keyCallBacks || valueCallBacks);
    return reinterpret_cast<CFMutableDictionaryRef>(static_cast<Object *>(dictionary));
}

CFMutableDictionaryRef QuenrowCFDictionaryCreateRetaining()
{
    return reinterpret_cast<CFMutableDictionaryRef>(static_cast<Object *>(new Dictionary(true)));
}

void CFDictionarySetValue(CFMutableDictionaryRef value, const void *key, const void *item)
{
    if (!value || object(value)->type != kDictionaryTypeID)
        return;
    auto *dictionary = static_cast<Dictionary *>(mutableObject(value));
    std::lock_guard<std::mutex> lock(dictionary->mutex);
    if (dictionary->retains) {
        retain(key);
        retain(item);
    }
    for (auto &entry : dictionary->entries) {
        if (sameKey(entry.first, key)) {
            if (dictionary->retains) {
                release(entry.first);
                release(entry.second);
            }
            entry = {key, item};
            return;
        }
    }
    dictionary->entries.emplace_back(key, item);
}

const void *CFDictionaryGetValue(CFDictionaryRef value, const void *key)
{
    if (!value || object(value)->type != kDictionaryTypeID)
        return nullptr;
    auto *dictionary = static_cast<Dictionary *>(mutableObject(value));
    std::lock_guard<std::mutex> lock(dictionary->mutex);
    for (auto &entry : dictionary->entries) {
        if (sameKey(entry.first, key))
            return entry.second;
    }
    return nullptr;
}

Boolean CFDictionaryGetValueIfPresent(CFDictionaryRef value, const void *key, const void **item)
{
    const void *found = CFDictionaryGetValue(value, key);
    if (item)
        *item = found;
    return found != nullptr;
}

CFIndex CFDictionaryGetCount(CFDictionaryRef value)
{
    if (!value || object(value)->type != kDictionaryTypeID)
        return 0;
    auto *dictionary = static_cast<Dictionary *>(mutableObject(value));
    std::lock_guard<std::mutex> lock(dictionary->mutex);
    return CFIndex(dictionary->entries.size());
}

void CFDictionaryGetKeysAndValues(CFDictionaryRef value, const void **keys, const void **values)
{
    if (!value || object(value)->type != kDictionaryTypeID)
        return;
    auto *dictionary = static_cast<Dictionary *>(mutableObject(value));
    std::lock_guard<std::mutex> lock(dictionary->mutex);
    for (size_t i = 0; i < dictionary->entries.size(); ++i) {
        if (keys)
            keys[i] = dictionary->entries[i].first;
        if (values)
            values[i] = dictionary->entries[i].second;
    }
}

Boolean CFEqual(CFTypeRef a, CFTypeRef b)
{
    if (a == b)
        return true;
    if (!a || !b || object(a)->type != object(b)->type)
        return false;
    plist_t left = QuenrowCFCopyPlist(a);
    plist_t right = QuenrowCFCopyPlist(b);
    const bool equal = left && right && plist_compare_node_value(left, right);
    plist_free(left);
    plist_free(right);
    return equal;
}

CFDataRef CFPropertyListCreateData(CFAllocatorRef, CFPropertyListRef list, CFPropertyListFormat format,
                                   CFOptionFlags, CFErrorRef *error)
{
    if (error)
        *error = nullptr;
    if (format != kCFPropertyListXMLFormat_v1_0)
        return nullptr;
    plist_t node = QuenrowCFCopyPlist(list);
    if (!node)
        return nullptr;
    char *xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(node, &xml, &length);
    plist_free(node);
    if (!xml)
        return nullptr;
    auto *data = new Data(std::string(xml, length));
    free(xml);
    return reinterpret_cast<CFDataRef>(static_cast<Object *>(data));
}

CFIndex CFDataGetLength(CFDataRef data)
{
    if (!data || object(data)->type != kDataTypeID)
        return 0;
    return CFIndex(static_cast<const Data *>(object(data))->bytes.size());
}

const UInt8 *CFDataGetBytePtr(CFDataRef data)
{
    if (!data || object(data)->type != kDataTypeID)
        return nullptr;
    return reinterpret_cast<const UInt8 *>(static_cast<const Data *>(object(data))->bytes.data());
}

// Resolved by callers but never used by them: they fail.
MOBILEDEVICE_API CFTypeRef CFPropertyListCreateWithData(void) { return nullptr; }
MOBILEDEVICE_API CFTypeRef CFPropertyListCreateFromXMLData(void) { return nullptr; }
MOBILEDEVICE_API CFTypeRef CFDataCreateMutable(void) { return nullptr; }
MOBILEDEVICE_API void CFDataAppendBytes(void) {}
MOBILEDEVICE_API CFTypeRef CFErrorCopyFailureReason(void) { return nullptr; }
MOBILEDEVICE_API CFTypeRef CFErrorCopyDescription(void) { return nullptr; }
MOBILEDEVICE_API CFTypeRef CFErrorCopyRecoverySuggestion(void) { return nullptr; }
MOBILEDEVICE_API CFIndex CFErrorGetCode(void) { return -1; }
MOBILEDEVICE_API CFTypeRef CFErrorGetDomain(void) { return nullptr; }
MOBILEDEVICE_API CFTypeRef CFCopyTypeIDDescription(void) { return nullptr; }

static CFTypeRef createFromPlist(plist_t node)
{
    if (!node)
        return nullptr;
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return value ? static_cast<CFTypeRef>(kCFBooleanTrue) : static_cast<CFTypeRef>(kCFBooleanFalse);
    }
    case PLIST_UINT: {
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        auto *number = new Number;
        number->integer = int64_t(value);
        return static_cast<Object *>(number);
    }
    case PLIST_UID: {
        uint64_t value = 0;
        plist_get_uid_val(node, &value);
        auto *number = new Number;
        number->integer = int64_t(value);
        return static_cast<Object *>(number);
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        auto *number = new Number;
        number->real = true;
        number->floating = value;
        return static_cast<Object *>(number);
    }
    case PLIST_DATE: {
        int32_t seconds = 0;
        int32_t micro = 0;
        plist_get_date_val(node, &seconds, &micro);
        auto *number = new Number;
        number->real = true;
        number->floating = double(seconds) + double(micro) / 1e6;
        return static_cast<Object *>(number);
    }
    case PLIST_STRING: {
        // Not plist_get_string_val: libplist aborts on a NUL inside the text.
        uint64_t length = 0;
        const char *text = plist_get_string_ptr(node, &length);
        return static_cast<Object *>(new String(text ? std::string(text, strnlen(text, size_t(length))) : ""));
    }
    case PLIST_KEY: {
        char *text = nullptr;
        plist_get_key_val(node, &text);
        auto *value = new String(text ? text : "");
        free(text);
        return static_cast<Object *>(value);
    }
    case PLIST_DATA: {
        char *bytes = nullptr;
        uint64_t length = 0;
        plist_get_data_val(node, &bytes, &length);
        auto *value = new Data(std::string(bytes ? bytes : "", size_t(length)));
        free(bytes);
        return static_cast<Object *>(value);
    }
    case PLIST_ARRAY: {
        auto *array = new Array;
        const uint32_t count = plist_array_get_size(node);
        for (uint32_t i = 0; i < count; ++i) {
            if (CFTypeRef item = createFromPlist(plist_array_get_item(node, i)))
                array->items.push_back(item);
        }
        return static_cast<Object *>(array);
    }
    case PLIST_DICT: {
        auto *dictionary = new Dictionary(true);
        plist_dict_iter iter = nullptr;
        plist_dict_new_iter(node, &iter);
        char *key = nullptr;
        plist_t item = nullptr;
        for (plist_dict_next_item(node, iter, &key, &item); key; plist_dict_next_item(node, iter, &key, &item)) {
            CFTypeRef value = createFromPlist(item);
            if (value)
                dictionary->entries.emplace_back(static_cast<Object *>(new String(key)), value);
            free(key);
            key = nullptr;
        }
        free(iter);
        return static_cast<Object *>(dictionary);
    }
    default:
        return nullptr;
    }
}

// A value nested too deep, too large, or with a NUL in its texts is a
// damaged one: none. The depth first: the XML of a deep tree is too large.
CFTypeRef QuenrowCFCreateFromPlist(plist_t node)
{
    return node && PlistGuard::acceptable(node) && !PlistGuard::holdsNul(node) ? createFromPlist(node) : nullptr;
}

plist_t QuenrowCFCopyPlist(CFTypeRef value)
{
    if (!value)
        return nullptr;
    switch (object(value)->type) {
    case kQuenrowCFStringTypeID:
        return plist_new_string(static_cast<const String *>(object(value))->text.c_str());
    case kQuenrowCFBooleanTypeID:
        return plist_new_bool(static_cast<const BooleanValue *>(object(value))->value);
    case kQuenrowCFNumberTypeID: {
        const auto *number = static_cast<const Number *>(object(value));
        return number->real ? plist_new_real(number->floating) : plist_new_uint(uint64_t(number->integer));
    }
    case kDataTypeID: {
        const std::string &bytes = static_cast<const Data *>(object(value))->bytes;
        return plist_new_data(bytes.data(), bytes.size());
    }
    case kArrayTypeID: {
        plist_t array = plist_new_array();
        for (CFTypeRef item : static_cast<const Array *>(object(value))->items) {
            if (plist_t node = QuenrowCFCopyPlist(item))
                plist_array_append_item(array, node);
        }
        return array;
    }
    case kDictionaryTypeID: {
        auto *dictionary = static_cast<Dictionary *>(mutableObject(value));
        std::lock_guard<std::mutex> lock(dictionary->mutex);
        plist_t node = plist_new_dict();
        for (auto &entry : dictionary->entries) {
            if (!entry.first || object(entry.first)->type != kQuenrowCFStringTypeID)
                continue;
            if (plist_t item = QuenrowCFCopyPlist(entry.second))
                plist_dict_set_item(node, static_cast<const String *>(object(entry.first))->text.c_str(), item);
        }
        return node;
    }
    default:
        return nullptr;
    }
}

CFRunLoopRef CFRunLoopGetCurrent(void)
{
    return reinterpret_cast<CFRunLoopRef>(currentLoop());
}

void CFRunLoopStop(CFRunLoopRef loop)
{
    auto *runLoop = reinterpret_cast<RunLoop *>(loop);
    if (!runLoop)
        return;
    std::lock_guard<std::mutex> lock(runLoop->mutex);
    runLoop->stopRequested = true;
    runLoop->wake.notify_all();
}

void CFRunLoopRun(void)
{
    RunLoop *loop = currentLoop();
    std::unique_lock<std::mutex> lock(loop->mutex);
    while (loop->sources > 0 && !loop->stopRequested) {
        loop->wake.wait(lock, [loop] { return loop->stopRequested || !loop->tasks.empty(); });
        while (!loop->tasks.empty() && !loop->stopRequested) {
            std::function<void()> task = std::move(loop->tasks.front());
            loop->tasks.pop_front();
            lock.unlock();
            task();
            lock.lock();
        }
    }
    loop->stopRequested = false;
}
}

CFRunLoopRef QuenrowRunLoopAddSource()
{
    RunLoop *loop = currentLoop();
    std::lock_guard<std::mutex> lock(loop->mutex);
    ++loop->sources;
    return reinterpret_cast<CFRunLoopRef>(loop);
}

void QuenrowRunLoopPost(CFRunLoopRef loop, std::function<void()> task)
{
    auto *runLoop = reinterpret_cast<RunLoop *>(loop);
    if (!runLoop)
        return;
    std::lock_guard<std::mutex> lock(runLoop->mutex);
    runLoop->tasks.push_back(std::move(task));
    runLoop->wake.notify_all();
}
