// The CoreFoundation values and the Recovery/DFU mapping of the mobile-device layer.

#include "cfvalues.h"
#include "hostileplists.h"
#include "restorablemode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <string>
#include <thread>

namespace
{
    struct Owned
    {
        explicit Owned(CFTypeRef v) : value(v) {}
        ~Owned() { CFRelease(value); }
        CFTypeRef value;
    };

    CFTypeRef fromXml(const std::string &xml)
    {
        plist_t node = nullptr;
        plist_from_xml(xml.data(), uint32_t(xml.size()), &node);
        CFTypeRef value = QuenrowCFCreateFromPlist(node);
        plist_free(node);
        return value;
    }

    // A literal's bytes, NULs included.
    template <size_t N> std::string bytes(const char (&literal)[N])
    {
        return std::string(literal, N - 1);
    }

    std::string text(CFTypeRef value)
    {
        char buffer[256];
        return CFStringGetCString(static_cast<CFStringRef>(value), buffer, sizeof buffer, kCFStringEncodingUTF8)
                   ? buffer
                   : "<none>";
    }
}

TEST(CoreFoundationValues, TypeIdsAndReleaseOfNull)
{
    const Owned string(CFStringCreateWithCString(kCFAllocatorDefault, "Ünïcode", kCFStringEncodingUTF8));
    EXPECT_EQ(CFGetTypeID(string.value), CFTypeID(kQuenrowCFStringTypeID));
    EXPECT_EQ(CFGetTypeID(kCFBooleanTrue), CFTypeID(kQuenrowCFBooleanTypeID));
    const Owned number(fromXml("<plist><integer>5</integer></plist>"));
    EXPECT_EQ(CFGetTypeID(number.value), CFTypeID(kQuenrowCFNumberTypeID));
    const Owned dictionary(fromXml("<plist><dict/></plist>"));
    EXPECT_NE(CFGetTypeID(dictionary.value), CFTypeID(kQuenrowCFStringTypeID));
    EXPECT_NE(CFGetTypeID(dictionary.value), CFTypeID(kQuenrowCFNumberTypeID));
    EXPECT_NE(CFGetTypeID(dictionary.value), CFTypeID(kQuenrowCFBooleanTypeID));
    EXPECT_EQ(text(string.value), "Ünïcode");
    CFRelease(nullptr);
    CFRelease(kCFBooleanFalse); // the constants are never freed
    EXPECT_FALSE(CFBooleanGetValue(kCFBooleanFalse));
    EXPECT_TRUE(CFBooleanGetValue(kCFBooleanTrue));
}

TEST(CoreFoundationValues, StringThatDoesNotFitIsRefused)
{
    const Owned string(CFStringCreateWithCString(kCFAllocatorDefault, "abcd", kCFStringEncodingUTF8));
    char buffer[5];
    EXPECT_TRUE(CFStringGetCString(static_cast<CFStringRef>(string.value), buffer, 5, kCFStringEncodingUTF8));
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_FALSE(CFStringGetCString(static_cast<CFStringRef>(string.value), buffer, 4, kCFStringEncodingUTF8));
}

TEST(CoreFoundationValues, NumbersConvertToTheTypeAsked)
{
    struct Case
    {
        const char *xml;
        CFNumberType type;
        int64_t integer;
        double real;
        bool exact;
    };
    const Case cases[] = {
        {"<integer>64000000000</integer>", kCFNumberSInt64Type, 64000000000, 0, true},
        {"<integer>64000000000</integer>", kCFNumberSInt32Type, 0, 0, false},
        {"<integer>-7</integer>", kCFNumberSInt32Type, -7, 0, true},
        {"<real>12.0</real>", kCFNumberSInt64Type, 12, 0, true},
        {"<real>2.75</real>", kCFNumberSInt64Type, 2, 0, false},
        {"<real>2.75</real>", kCFNumberFloat64Type, 0, 2.75, true},
        {"<integer>3</integer>", kCFNumberFloat64Type, 0, 3.0, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.xml) + " as " + std::to_string(c.type));
        const Owned number(fromXml(std::string("<plist>") + c.xml + "</plist>"));
        ASSERT_NE(number.value, nullptr);
        if (c.type == kCFNumberFloat64Type) {
            double out = -1;
            EXPECT_EQ(bool(CFNumberGetValue(static_cast<CFNumberRef>(number.value), c.type, &out)), c.exact);
            EXPECT_DOUBLE_EQ(out, c.real);
        } else if (c.type == kCFNumberSInt32Type) {
            int32_t out = -1;
            EXPECT_EQ(bool(CFNumberGetValue(static_cast<CFNumberRef>(number.value), c.type, &out)), c.exact);
            if (c.exact) {
                EXPECT_EQ(out, c.integer);
            }
        } else {
            int64_t out = -1;
            EXPECT_EQ(bool(CFNumberGetValue(static_cast<CFNumberRef>(number.value), c.type, &out)), c.exact);
            EXPECT_EQ(out, c.integer);
        }
    }
}

TEST(CoreFoundationValues, NullCallbackDictionaryLeavesOwnershipWithTheCaller)
{
    CFMutableDictionaryRef dictionary = CFDictionaryCreateMutable(kCFAllocatorDefault, 0, nullptr, nullptr);
    CFStringRef key = CFStringCreateWithCString(kCFAllocatorDefault, "ReturnAttributes", kCFStringEncodingUTF8);
    CFStringRef first = CFStringCreateWithCString(kCFAllocatorDefault, "one", kCFStringEncodingUTF8);
    CFStringRef second = CFStringCreateWithCString(kCFAllocatorDefault, "two", kCFStringEncodingUTF8);
    CFDictionarySetValue(dictionary, key, first);
    CFDictionarySetValue(dictionary, key, second); // replaces, frees nothing
    ASSERT_EQ(CFDictionaryGetCount(dictionary), 1);
    const void *keys[1] = {};
    const void *values[1] = {};
    CFDictionaryGetKeysAndValues(dictionary, keys, values);
    EXPECT_EQ(keys[0], key);
    EXPECT_EQ(values[0], second);
    CFRelease(dictionary);
    // Still alive: the dictionary never owned them.
    EXPECT_EQ(text(key), "ReturnAttributes");
    EXPECT_EQ(text(first), "one");
    EXPECT_EQ(text(second), "two");
    CFRelease(key);
    CFRelease(first);
    CFRelease(second);
}

TEST(CoreFoundationValues, PropertyListRoundTripsThroughXml)
{
    const std::string source = "<plist><dict><key>Name</key><string>Phone</string><key>Free</key>"
                               "<integer>42</integer><key>Locked</key><true/><key>Blob</key><data>AAEC</data>"
                               "<key>List</key><array><real>1.5</real></array></dict></plist>";
    const Owned list(fromXml(source));
    CFErrorRef error = nullptr;
    const Owned data(CFPropertyListCreateData(kCFAllocatorSystemDefault, list.value, kCFPropertyListXMLFormat_v1_0, 0,
                                              &error));
    ASSERT_NE(data.value, nullptr);
    EXPECT_EQ(error, nullptr);
    const std::string xml(reinterpret_cast<const char *>(CFDataGetBytePtr(static_cast<CFDataRef>(data.value))),
                          size_t(CFDataGetLength(static_cast<CFDataRef>(data.value))));
    plist_t expected = nullptr;
    plist_t actual = nullptr;
    plist_from_xml(source.data(), uint32_t(source.size()), &expected);
    plist_from_xml(xml.data(), uint32_t(xml.size()), &actual);
    ASSERT_NE(actual, nullptr);
    plist_t name = plist_dict_get_item(actual, "Name");
    char *value = nullptr;
    plist_get_string_val(name, &value);
    EXPECT_STREQ(value, "Phone");
    free(value);
    EXPECT_EQ(plist_dict_get_size(actual), plist_dict_get_size(expected));
    uint64_t free = 0;
    plist_get_uint_val(plist_dict_get_item(actual, "Free"), &free);
    EXPECT_EQ(free, 42u);
    uint64_t blobSize = 0;
    char *blob = nullptr;
    plist_get_data_val(plist_dict_get_item(actual, "Blob"), &blob, &blobSize);
    EXPECT_EQ(std::string(blob, blobSize), std::string("\0\1\2", 3));
    ::free(blob);
    plist_free(expected);
    plist_free(actual);
}

// libplist aborts the program when a key or string with a NUL inside is read
// through its text getters; a device can send one. Such a value is damaged:
// it converts to nothing, and the process lives on.
TEST(CoreFoundationValues, TextsWithANulInsideAreDamagedNotFatal)
{
    const struct
    {
        const char *name;
        std::string plist;
    } cases[] = {
        {"string", bytes("<plist><string>Product\0Version</string></plist>")},
        {"string in a dictionary", bytes("<plist><dict><key>Value</key><string>17\0.1</string></dict></plist>")},
        // As the fuzzer sent it first: binary, a key in UTF-16 with a NUL, {"a\0b": true}.
        {"binary key", bytes("bplist00"
                             "\xd1\x01\x02"                         // the dictionary: its key, its value
                             "\x63" "\0a" "\0\0" "\0b"               // the key
                             "\x09"                                 // the value
                             "\x08\x0b\x12"                         // where the three are
                             "\0\0\0\0\0\0\x01\x01"                 // trailer: 1-byte offsets and references,
                             "\0\0\0\0\0\0\0\x03"                   // three objects,
                             "\0\0\0\0\0\0\0\0"                     // the first one on top,
                             "\0\0\0\0\0\0\0\x13")},                // the offsets at 19
    };
    for (const auto &c : cases) {
        plist_t node = nullptr;
        plist_from_memory(c.plist.data(), uint32_t(c.plist.size()), &node);
        ASSERT_NE(node, nullptr) << c.name;
        EXPECT_EQ(QuenrowCFCreateFromPlist(node), nullptr) << c.name;
        plist_free(node);
    }
    const Owned whole(fromXml("<plist><dict><key>Value</key><string>17.1</string></dict></plist>"));
    EXPECT_EQ(CFDictionaryGetCount(static_cast<CFDictionaryRef>(whole.value)), 1);
}

// An answer nested deeper than any device's would overflow the stack when
// converted, written or freed: it converts to nothing.
TEST(CoreFoundationValues, AnswersNestedPastTheBoundAreDamaged)
{
    plist_t deep = nullptr;
    const std::string xml = testsupport::nestedArraysPlist(50000, false);
    plist_from_xml(xml.data(), uint32_t(xml.size()), &deep);
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(QuenrowCFCreateFromPlist(deep), nullptr);
    plist_free(deep);
    const Owned shallow(fromXml("<plist><array><array><string>17.1</string></array></array></plist>"));
    EXPECT_NE(shallow.value, nullptr);
}

TEST(CoreFoundationRunLoop, ReturnsAtOnceWithoutSubscriptions)
{
    std::async(std::launch::async, [] { CFRunLoopRun(); }).get();
}

TEST(CoreFoundationRunLoop, ServesPostedTasksUntilStopped)
{
    std::promise<CFRunLoopRef> loopReady;
    int served = 0;
    std::thread runner([&] {
        loopReady.set_value(QuenrowRunLoopAddSource());
        CFRunLoopRun();
    });
    CFRunLoopRef loop = loopReady.get_future().get();
    std::promise<std::thread::id> ranOn;
    QuenrowRunLoopPost(loop, [&] { ++served; });
    QuenrowRunLoopPost(loop, [&] { ranOn.set_value(std::this_thread::get_id()); });
    const std::thread::id id = ranOn.get_future().get();
    EXPECT_EQ(id, runner.get_id());
    CFRunLoopStop(loop);
    runner.join();
    EXPECT_EQ(served, 1);
}

TEST(RestorableModeMapping, ModesAndProductCodes)
{
    struct Case
    {
        int mode;
        int state;
    };
    const Case cases[] = {
        {0x1227, kAMRestorableDeviceStateDFU},      {0x1280, kAMRestorableDeviceStateRecovery},
        {0x1281, kAMRestorableDeviceStateRecovery}, {0x1283, kAMRestorableDeviceStateRecovery},
        {0x1284, 0},                                {0x1222, 0},
        {0x127f, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(RestorableMode::StateForMode(c.mode), c.state) << std::hex << c.mode;
    EXPECT_EQ(RestorableMode::ProductCode(0x8030, 0x0c), 0x0c008030u);
    EXPECT_EQ(RestorableMode::ProductCode(0x8101, 0xff), 0xff008101u);
}
