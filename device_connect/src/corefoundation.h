#pragma once

#include "mobiledevice.h"

#include <map>
#include <string>

// CoreFoundation's entry points and data symbols, resolved by name. An entry
// whose name was not found stays null and must not be called.
class CCoreFoundation
{
public:
    static CCoreFoundation &instance();

    // False only without a module; missing names are logged and left null.
    bool InitFunc(void *module);

    decltype(&::CFStringGetCString) CFStringGetCString = nullptr;
    decltype(&::CFStringCreateWithCString) CFStringCreateWithCString = nullptr;
    decltype(&::CFRelease) CFRelease = nullptr;
    decltype(&::CFDictionarySetValue) CFDictionarySetValue = nullptr;
    decltype(&::CFNumberGetValue) CFNumberGetValue = nullptr;
    decltype(&::CFDictionaryCreateMutable) CFDictionaryCreateMutable = nullptr;
    decltype(&::CFShow) CFShow = nullptr;
    decltype(&::CFRunLoopRun) CFRunLoopRun = nullptr;
    decltype(&::CFNumberGetType) CFNumberGetType = nullptr;
    decltype(&::CFPropertyListCreateData) CFPropertyListCreateData = nullptr;
    decltype(&::CFDataGetLength) CFDataGetLength = nullptr;
    decltype(&::CFDataGetBytePtr) CFDataGetBytePtr = nullptr;
    decltype(&::CFGetTypeID) CFGetTypeID = nullptr;
    decltype(&::CFBooleanGetValue) CFBooleanGetValue = nullptr;
    decltype(&::CFDictionaryGetCount) CFDictionaryGetCount = nullptr;
    decltype(&::CFDictionaryGetKeysAndValues) CFDictionaryGetKeysAndValues = nullptr;

    // Addresses of the data symbols.
    const CFAllocatorRef *kCFAllocatorSystemDefault = nullptr;
    const CFAllocatorRef *kCFAllocatorDefault = nullptr;
    const CFBooleanRef *kCFBooleanTrue = nullptr;
    const CFBooleanRef *kCFBooleanFalse = nullptr;

    CFAllocatorRef systemDefaultAllocator() const;
    CFAllocatorRef defaultAllocator() const;

    // Names resolved for completeness but never called.
    std::map<std::string, void *> m_uncalled;
};
