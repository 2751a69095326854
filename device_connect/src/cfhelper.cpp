#include "cfhelper.h"

#include "corefoundation.h"

#include <cstring>

namespace CFHelper
{
    CFTypeID TypeOf(CFTypeRef value)
    {
        const CCoreFoundation &cf = CCoreFoundation::instance();
        return value && cf.CFGetTypeID ? cf.CFGetTypeID(value) : 0;
    }

    void Release(CFTypeRef value)
    {
        const CCoreFoundation &cf = CCoreFoundation::instance();
        if (value && cf.CFRelease)
            cf.CFRelease(value);
    }

    CFStringRef CreateString(const std::string &utf8)
    {
        const CCoreFoundation &cf = CCoreFoundation::instance();
        if (!cf.CFStringCreateWithCString)
            return nullptr;
        return cf.CFStringCreateWithCString(cf.defaultAllocator(), utf8.c_str(), kCFStringEncodingUTF8);
    }

    std::string ToString(CFTypeRef value)
    {
        const CCoreFoundation &cf = CCoreFoundation::instance();
        if (!cf.CFStringGetCString || TypeOf(value) != kQuenrowCFStringTypeID)
            return {};
        char buffer[1024 + 1];
        std::memset(buffer, 0, sizeof buffer);
        if (!cf.CFStringGetCString(static_cast<CFStringRef>(value), buffer, 1024, kCFStringEncodingUTF8))
            return {};
        return std::string(buffer);
    }

    int64_t ToInt64(CFTypeRef value)
    {
        const CCoreFoundation &cf = CCoreFoundation::instance();
        int64_t number = 0;
        if (cf.CFNumberGetValue && TypeOf(value) == kQuenrowCFNumberTypeID)
            cf.CFNumberGetValue(static_cast<CFNumberRef>(value), kCFNumberSInt64Type, &number);
        return number;
    }

    bool ToBool(CFTypeRef value)
    {
        const CCoreFoundation &cf = CCoreFoundation::instance();
        return cf.CFBooleanGetValue && TypeOf(value) == kQuenrowCFBooleanTypeID
               && cf.CFBooleanGetValue(static_cast<CFBooleanRef>(value));
    }

    std::string ToXml(CFTypeRef list)
    {
        const CCoreFoundation &cf = CCoreFoundation::instance();
        if (!list || !cf.CFPropertyListCreateData || !cf.CFDataGetLength || !cf.CFDataGetBytePtr)
            return {};
        CFErrorRef error = nullptr;
        const CFRef data(cf.CFPropertyListCreateData(cf.systemDefaultAllocator(), list, kCFPropertyListXMLFormat_v1_0,
                                                     0, &error));
        if (!data) {
            if (error && cf.CFShow)
                cf.CFShow(error);
            Release(error);
            return {};
        }
        const auto bytes = static_cast<CFDataRef>(data.get());
        const CFIndex length = cf.CFDataGetLength(bytes);
        const UInt8 *start = cf.CFDataGetBytePtr(bytes);
        if (length <= 0 || !start)
            return {};
        return std::string(reinterpret_cast<const char *>(start), size_t(length));
    }
}
