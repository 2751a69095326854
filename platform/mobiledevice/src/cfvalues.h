#pragma once

// What the mobile-device library needs of the CoreFoundation one beyond the
// public functions: values to and from property-list nodes, and the run loop
// that carries notifications to the thread that subscribed.

#include "mobiledevice.h"

#include <plist/plist.h>

#include <functional>

typedef struct __CFRunLoop *CFRunLoopRef;

extern "C" {
// A retaining tree of values; null for an unsupported node.
MOBILEDEVICE_API CFTypeRef QuenrowCFCreateFromPlist(plist_t node);
// A new node the caller frees; null for a value of no property-list type.
MOBILEDEVICE_API plist_t QuenrowCFCopyPlist(CFTypeRef value);
MOBILEDEVICE_API CFTypeRef QuenrowCFRetain(CFTypeRef value);
// A dictionary that retains its keys and values.
MOBILEDEVICE_API CFMutableDictionaryRef QuenrowCFDictionaryCreateRetaining();

MOBILEDEVICE_API const char *CFStringGetCStringPtr(CFStringRef text, CFStringEncoding encoding);
MOBILEDEVICE_API CFRunLoopRef CFRunLoopGetCurrent(void);
MOBILEDEVICE_API void CFRunLoopStop(CFRunLoopRef loop);
}

// The calling thread's loop gains a source: CFRunLoopRun waits on it from now on.
MOBILEDEVICE_API CFRunLoopRef QuenrowRunLoopAddSource();
// Runs `task` on the loop's thread inside CFRunLoopRun; callable from any thread.
MOBILEDEVICE_API void QuenrowRunLoopPost(CFRunLoopRef loop, std::function<void()> task);
