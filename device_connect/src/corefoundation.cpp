#include "corefoundation.h"

#include "resolvesymbol.h"

namespace
{
    const char *const kUncalled[] = {
        "CFStringGetCStringPtr", "CFDictionaryGetValue", "CFDictionaryGetValueIfPresent", "CFEqual",
        "CFRunLoopStop", "CFRunLoopGetCurrent", "CFPropertyListCreateWithData", "CFPropertyListCreateFromXMLData",
        "CFDataCreateMutable", "CFDataAppendBytes", "CFErrorCopyFailureReason", "CFErrorCopyDescription",
        "CFErrorCopyRecoverySuggestion", "CFErrorGetCode", "CFErrorGetDomain", "CFCopyTypeIDDescription",
        "CFBooleanGetTypeID",
    };
}

CCoreFoundation &CCoreFoundation::instance()
{
    static CCoreFoundation table;
    return table;
}

bool CCoreFoundation::InitFunc(void *module)
{
    if (!module)
        return false;
#define QUORLIN_RESOLVE(name) ResolveSymbol(module, #name, name)
    QUORLIN_RESOLVE(CFStringGetCString);
    QUORLIN_RESOLVE(CFStringCreateWithCString);
    QUORLIN_RESOLVE(CFRelease);
    QUORLIN_RESOLVE(CFDictionarySetValue);
    QUORLIN_RESOLVE(CFNumberGetValue);
    QUORLIN_RESOLVE(CFDictionaryCreateMutable);
    QUORLIN_RESOLVE(CFShow);
    QUORLIN_RESOLVE(CFRunLoopRun);
    QUORLIN_RESOLVE(CFNumberGetType);
    QUORLIN_RESOLVE(CFPropertyListCreateData);
    QUORLIN_RESOLVE(CFDataGetLength);
    QUORLIN_RESOLVE(CFDataGetBytePtr);
    QUORLIN_RESOLVE(CFGetTypeID);
    QUORLIN_RESOLVE(CFBooleanGetValue);
    QUORLIN_RESOLVE(CFDictionaryGetCount);
    QUORLIN_RESOLVE(CFDictionaryGetKeysAndValues);
    QUORLIN_RESOLVE(kCFAllocatorSystemDefault);
    QUORLIN_RESOLVE(kCFAllocatorDefault);
    QUORLIN_RESOLVE(kCFBooleanTrue);
    QUORLIN_RESOLVE(kCFBooleanFalse);
#undef QUORLIN_RESOLVE
    for (const char *name : kUncalled)
        ResolveSymbol(module, name, m_uncalled[name]);
    return true;
}

CFAllocatorRef CCoreFoundation::systemDefaultAllocator() const
{
    return kCFAllocatorSystemDefault ? *kCFAllocatorSystemDefault : nullptr;
}

CFAllocatorRef CCoreFoundation::defaultAllocator() const
{
    return kCFAllocatorDefault ? *kCFAllocatorDefault : nullptr;
}
