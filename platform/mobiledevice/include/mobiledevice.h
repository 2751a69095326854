#pragma once

// The C functions of the mobile-device and CoreFoundation libraries that the
// device-connection library calls. It never links them: it loads the
// libraries at run time and resolves each name (see device_connect/), so any
// library exporting these names with these signatures can stand in for them.
// Values are reference-counted objects released with CFRelease; functions
// named "Copy" or "Create" hand out a reference the caller releases.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define MOBILEDEVICE_API __attribute__((visibility("default")))

typedef unsigned char Boolean;
typedef uint8_t UInt8;
typedef long CFIndex;
typedef unsigned long CFTypeID;
typedef unsigned long CFOptionFlags;
typedef uint32_t CFStringEncoding;
typedef CFIndex CFNumberType;
typedef CFIndex CFPropertyListFormat;

typedef const void *CFTypeRef;
typedef const struct __CFString *CFStringRef;
typedef const struct __CFNumber *CFNumberRef;
typedef const struct __CFBoolean *CFBooleanRef;
typedef const struct __CFDictionary *CFDictionaryRef;
typedef struct __CFDictionary *CFMutableDictionaryRef;
typedef const struct __CFData *CFDataRef;
typedef const struct __CFAllocator *CFAllocatorRef;
typedef struct __CFError *CFErrorRef;
typedef CFTypeRef CFPropertyListRef;

// Type ids as CFGetTypeID reports them.
enum
{
    kQuenrowCFStringTypeID = 7,
    kQuenrowCFBooleanTypeID = 21,
    kQuenrowCFNumberTypeID = 22
};

enum
{
    kCFStringEncodingUTF8 = 0x08000100
};

enum
{
    kCFNumberSInt32Type = 3,
    kCFNumberSInt64Type = 4,
    kCFNumberFloat64Type = 6
};

enum
{
    kCFPropertyListXMLFormat_v1_0 = 100
};

// ---- Normal-mode devices ----

typedef struct AMDevice *AMDeviceRef;
typedef struct AMDeviceNotification *AMDeviceNotificationRef;

enum
{
    kAMDeviceMessageConnected = 1,
    kAMDeviceMessageDisconnected = 2,
    kAMDeviceMessageTrusted = 4
};

enum
{
    kAMDeviceInterfaceUSB = 1,
    kAMDeviceInterfaceNetwork = 2
};

// One notification: the device and what happened to it.
struct AMDeviceNotificationInfo
{
    AMDeviceRef device;
    uint32_t message;
};

typedef void (*AMDeviceNotificationCallback)(struct AMDeviceNotificationInfo *info, void *context);

// Notifications arrive on the thread running CFRunLoopRun. `reserved` is 0;
// `usbOnly` 0 subscribes to network devices as well, 1 to USB only.
// Returns 0 on success.
MOBILEDEVICE_API int AMDeviceNotificationSubscribe(AMDeviceNotificationCallback callback, unsigned int reserved,
                                                   unsigned int usbOnly, void *context,
                                                   AMDeviceNotificationRef *notification);
MOBILEDEVICE_API CFStringRef AMDeviceCopyDeviceIdentifier(AMDeviceRef device);
MOBILEDEVICE_API int AMDeviceGetInterfaceType(AMDeviceRef device);
MOBILEDEVICE_API int AMDeviceConnect(AMDeviceRef device);
MOBILEDEVICE_API int AMDeviceDisconnect(AMDeviceRef device);
MOBILEDEVICE_API int AMDeviceIsPaired(AMDeviceRef device); // 1 when the host is paired
MOBILEDEVICE_API int AMDevicePair(AMDeviceRef device);
MOBILEDEVICE_API int AMDeviceStartSession(AMDeviceRef device);
MOBILEDEVICE_API int AMDeviceStopSession(AMDeviceRef device);
// A null domain is the global one; null domain and key give a dictionary of all values.
MOBILEDEVICE_API CFTypeRef AMDeviceCopyValue(AMDeviceRef device, CFStringRef domain, CFStringRef key);
// Options hold "ReturnAttributes"; the result is keyed by bundle identifier.
MOBILEDEVICE_API int AMDeviceLookupApplications(AMDeviceRef device, CFDictionaryRef options,
                                                CFDictionaryRef *applications);

// ---- Recovery and DFU devices ----

typedef struct AMRestorableDevice *AMRestorableDeviceRef;

enum
{
    kAMRestorableDeviceEventConnected = 0,
    kAMRestorableDeviceEventDisconnected = 1
};

enum
{
    kAMRestorableDeviceStateDFU = 1,
    kAMRestorableDeviceStateRecovery = 2,
    kAMRestorableDeviceStateNormal = 4
};

typedef void (*AMRestorableDeviceNotificationCallback)(AMRestorableDeviceRef device, int event, void *context);

// Returns 0 or more on success.
MOBILEDEVICE_API int AMRestorableDeviceRegisterForNotifications(AMRestorableDeviceNotificationCallback callback,
                                                                void *context, CFErrorRef *error);
MOBILEDEVICE_API uint64_t AMRestorableDeviceGetECID(AMRestorableDeviceRef device);
MOBILEDEVICE_API uint32_t AMRestorableDeviceGetProductType(AMRestorableDeviceRef device); // chip id + (board id << 24)
MOBILEDEVICE_API int AMRestorableDeviceGetState(AMRestorableDeviceRef device);

// ---- CoreFoundation ----

MOBILEDEVICE_API extern const CFAllocatorRef kCFAllocatorSystemDefault;
MOBILEDEVICE_API extern const CFAllocatorRef kCFAllocatorDefault;
MOBILEDEVICE_API extern const CFBooleanRef kCFBooleanTrue;
MOBILEDEVICE_API extern const CFBooleanRef kCFBooleanFalse;

MOBILEDEVICE_API CFTypeID CFGetTypeID(CFTypeRef value);
MOBILEDEVICE_API void CFRelease(CFTypeRef value);
MOBILEDEVICE_API void CFShow(CFTypeRef value);
MOBILEDEVICE_API void CFRunLoopRun(void);

MOBILEDEVICE_API CFStringRef CFStringCreateWithCString(CFAllocatorRef allocator, const char *text,
                                                       CFStringEncoding encoding);
// False when the text with its terminating zero does not fit in `size` bytes.
MOBILEDEVICE_API Boolean CFStringGetCString(CFStringRef text, char *buffer, CFIndex size,
                                            CFStringEncoding encoding);

MOBILEDEVICE_API CFNumberType CFNumberGetType(CFNumberRef number);
// Converts to the type asked for; false when the value had to be changed to fit.
MOBILEDEVICE_API Boolean CFNumberGetValue(CFNumberRef number, CFNumberType type, void *value);
MOBILEDEVICE_API Boolean CFBooleanGetValue(CFBooleanRef boolean);

// With null callbacks the dictionary neither retains nor releases what it holds.
MOBILEDEVICE_API CFMutableDictionaryRef CFDictionaryCreateMutable(CFAllocatorRef allocator, CFIndex capacity,
                                                                  const void *keyCallBacks,
                                                                  const void *valueCallBacks);
MOBILEDEVICE_API void CFDictionarySetValue(CFMutableDictionaryRef dictionary, const void *key, const void *value);
MOBILEDEVICE_API CFIndex CFDictionaryGetCount(CFDictionaryRef dictionary);
MOBILEDEVICE_API void CFDictionaryGetKeysAndValues(CFDictionaryRef dictionary, const void **keys,
                                                   const void **values);

MOBILEDEVICE_API CFDataRef CFPropertyListCreateData(CFAllocatorRef allocator, CFPropertyListRef list,
                                                    CFPropertyListFormat format, CFOptionFlags options,
                                                    CFErrorRef *error);
MOBILEDEVICE_API CFIndex CFDataGetLength(CFDataRef data);
MOBILEDEVICE_API const UInt8 *CFDataGetBytePtr(CFDataRef data);

#ifdef __cplusplus
}
#endif
